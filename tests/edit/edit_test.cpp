// The edit menu's enabling rules and the clipboard commands on the document.
#include "ui/controllers/edit_commands.h"
#include "ui/widgets/rich_text_box.h"
#include "tests/support/window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMouseEvent>

using namespace pukana;

class EditMenu : public test::WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        window->setWindowTitle(QStringLiteral("/docs/memo.rtf"));
    }
    void select(int start, int length) {
        window->T1->SetSelStart(start);
        window->T1->SetSelLength(length);
    }
    void item(int index) { window->M_Edit_Item[index]->trigger(); }
    /// A right or left press inside the document, as the user makes it.
    void press(Qt::MouseButton button) {
        QWidget* area = window->T1->viewport();
        const QPointF at(10, 10);
        QMouseEvent e(QEvent::MouseButtonPress, at, area->mapToGlobal(at), button, button, {});
        QApplication::sendEvent(area, &e);
    }
    void openFromMenuBar() { Q_EMIT window->M_Edit->aboutToShow(); }
    /// Enabled states of cut, copy, paste, delete and へんかん, as "11110".
    QString states() const {
        QString out;
        for (int i : {edit_item::Cut, edit_item::Copy, edit_item::Paste, edit_item::Delete})
            out += window->M_Edit_Item[i]->isEnabled() ? u'1' : u'0';
        return out + (window->m_xf->isEnabled() ? u'1' : u'0');
    }
};

TEST_F(EditMenu, MenuBarAndContextRulesFollowSelectionAndClipboard) {
    platform.clipboardSet(QStringLiteral("plain"), QByteArray());
    window->T1->SetText(QStringLiteral("かんじ"));
    openFromMenuBar();
    EXPECT_EQ(states(), QStringLiteral("00101"));
    press(Qt::RightButton);
    // The pop-up's own opening must not re-enable paste by the menu bar's rule.
    EXPECT_EQ(states(), QStringLiteral("00000"));
    window->M_Edit->hide();
    // へんかん keeps the context state at menu-bar openings, even with a selection.
    select(0, 3);
    openFromMenuBar();
    EXPECT_EQ(states(), QStringLiteral("11110"));
    platform.clipboardSet(QStringLiteral("rich"), QByteArrayLiteral("{\\rtf1 rich}"));
    press(Qt::RightButton);
    EXPECT_EQ(states(), QStringLiteral("11111"));
}

TEST_F(EditMenu, FontItemFollowsTheCaptionsLastFourCharacters) {
    const std::pair<QString, bool> cases[] = {{platform.desktop + u"/新規.rtf", true},
                                              {QStringLiteral("/d/A.Rtf"), true},
                                              {QStringLiteral("/d/a.rtf.txt"), false}};
    for (const auto& [caption, enabled] : cases) {
        window->setWindowTitle(caption);
        openFromMenuBar();
        EXPECT_EQ(window->m_font->isEnabled(), enabled) << caption.toStdString();
        window->M_Edit->hide();
    }
}

TEST_F(EditMenu, CutThenPasteBringsBackTheFormattingAndDeleteLeavesTheClipboard) {
    window->T1->SetText(QStringLiteral("あいう漢字"));
    select(3, 2);
    window->T1->SetSelBold(true);
    item(edit_item::Cut);
    EXPECT_EQ(window->T1->Text(), QStringLiteral("あいう"));
    item(edit_item::Paste);
    EXPECT_EQ(window->T1->Text(), QStringLiteral("あいう漢字"));
    select(3, 2);
    EXPECT_EQ(window->T1->SelBold(), std::optional<bool>(true));
    item(edit_item::Delete);
    EXPECT_EQ(window->T1->Text(), QStringLiteral("あいう"));
    EXPECT_EQ(platform.clipText, QStringLiteral("漢字"));

    // Plain text from another program, also beside damaged rich text, pastes as text.
    platform.clipboardSet(QStringLiteral("外から\r\n次"), QByteArrayLiteral("not rich text"));
    select(1, 1);
    item(edit_item::Paste);
    EXPECT_EQ(window->T1->Text(), QStringLiteral("あ外から\n次う"));
}

TEST_F(EditMenu, FileNameBoxTargetRefusesTheFourCommandsButNotCopyAll) {
    window->T1->SetText(QStringLiteral("本文\n二"));
    select(0, 2);
    platform.clipboardSet(QStringLiteral("before"), QByteArray());
    state.DocFocus = false;
    for (int i : {edit_item::Cut, edit_item::Copy, edit_item::Paste, edit_item::Delete})
        item(i);
    EXPECT_EQ(platform.messages.size(), 4);
    EXPECT_EQ(platform.clipText, QStringLiteral("before"));
    window->M_CopyAll->trigger();
    EXPECT_EQ(platform.clipText, QStringLiteral("本文\n二"));

    // Copying all of an empty document still replaces the clipboard, rich text included.
    window->T1->SetText(QString());
    platform.clipboardSet(QStringLiteral("old"), QByteArrayLiteral("{\\rtf1 old}"));
    window->M_CopyAll->trigger();
    EXPECT_TRUE(platform.clipHasText && platform.clipText.isEmpty() &&
                !platform.clipRtf.contains("old"));
}
