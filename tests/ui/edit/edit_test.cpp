// The edit menu's enabling rules and the clipboard commands on the document.
#include "tests/support/window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMouseEvent>

using namespace pukana;

namespace {
/// The edit menu's clipboard items, in their order.
enum EditItem { Cut, Copy, OldPaste, Paste, Delete };
} // namespace

class EditMenu : public test::WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        document().setPath(QStringLiteral("/docs/memo.rtf"));
    }
    void item(int index) { editItems()[index]->trigger(); }
    /// A right or left press inside the document, as the user makes it.
    void press(Qt::MouseButton button) {
        QWidget* area = documentView()->viewport();
        const QPointF at(10, 10);
        QMouseEvent e(QEvent::MouseButtonPress, at, area->mapToGlobal(at), button, button, {});
        QApplication::sendEvent(area, &e);
    }
    QList<QAction*> editItems() const {
        return window->findChildren<QAction*>(QStringLiteral("M_Edit_Item"));
    }
    void openFromMenuBar() { Q_EMIT menu("M_Edit")->aboutToShow(); }
    /// Enabled states of cut, copy, paste, delete and へんかん, as "11110".
    QString states() const {
        QString out;
        for (int i : {Cut, Copy, Paste, Delete})
            out += editItems()[i]->isEnabled() ? u'1' : u'0';
        return out + (action("m_xf")->isEnabled() ? u'1' : u'0');
    }
};

TEST_F(EditMenu, MenuBarAndContextRulesFollowSelectionAndClipboard) {
    platform.clipboardSet(QStringLiteral("plain"), QByteArray());
    documentView()->setDocumentText(QStringLiteral("かんじ"));
    openFromMenuBar();
    EXPECT_EQ(states(), QStringLiteral("00101"));
    press(Qt::RightButton);
    // The pop-up's own opening must not re-enable paste by the menu bar's rule.
    EXPECT_EQ(states(), QStringLiteral("00000"));
    menu("M_Edit")->hide();
    // へんかん keeps the context state at menu-bar openings, even with a selection.
    select(0, 3);
    openFromMenuBar();
    EXPECT_EQ(states(), QStringLiteral("11110"));
    platform.clipboardSet(QStringLiteral("rich"), QByteArrayLiteral("{\\rtf1 rich}"));
    press(Qt::RightButton);
    EXPECT_EQ(states(), QStringLiteral("11111"));
}

TEST_F(EditMenu, CutThenPasteBringsBackTheFormattingAndDeleteLeavesTheClipboard) {
    documentView()->setDocumentText(QStringLiteral("あいう漢字"));
    select(3, 2);
    documentView()->setSelectionBold(true);
    item(Cut);
    EXPECT_EQ(documentView()->documentText(), QStringLiteral("あいう"));
    item(Paste);
    EXPECT_EQ(documentView()->documentText(), QStringLiteral("あいう漢字"));
    select(3, 2);
    EXPECT_EQ(documentView()->selectionBold(), std::optional<bool>(true));
    item(Delete);
    EXPECT_EQ(documentView()->documentText(), QStringLiteral("あいう"));
    EXPECT_EQ(platform.clipText, QStringLiteral("漢字"));

    // Plain text from another program, also beside damaged rich text, pastes as text.
    platform.clipboardSet(QStringLiteral("外から\r\n次"), QByteArrayLiteral("not rich text"));
    select(1, 1);
    item(Paste);
    EXPECT_EQ(documentView()->documentText(), QStringLiteral("あ外から\n次う"));
}

TEST_F(EditMenu, FileNameBoxTargetRefusesTheFourCommandsButNotCopyAll) {
    documentView()->setDocumentText(QStringLiteral("本文\n二"));
    select(0, 2);
    platform.clipboardSet(QStringLiteral("before"), QByteArray());
    inputTarget().set(InputTarget::Box::FileName);
    for (int i : {Cut, Copy, Paste, Delete})
        item(i);
    EXPECT_EQ(platform.messages.size(), 4);
    EXPECT_EQ(platform.clipText, QStringLiteral("before"));
    action("M_CopyAll")->trigger();
    EXPECT_EQ(platform.clipText, QStringLiteral("本文\n二"));

    // Copying all of an empty document still replaces the clipboard, rich text included.
    documentView()->setDocumentText(QString());
    platform.clipboardSet(QStringLiteral("old"), QByteArrayLiteral("{\\rtf1 old}"));
    action("M_CopyAll")->trigger();
    EXPECT_TRUE(platform.clipHasText && platform.clipText.isEmpty() &&
                !platform.clipRtf.contains("old"));
}
