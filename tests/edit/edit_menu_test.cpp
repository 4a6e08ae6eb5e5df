#include "edit/edit_commands.h"
#include "platform/rich_text_box.h"
#include "tests/support/window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>

using namespace pukana;

class EditMenu : public test::WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        window->setWindowTitle(QStringLiteral("/docs/memo.rtf"));
        window->T1->SetText(QStringLiteral("かんじ"));
    }
    void TearDown() override { window->M_Edit->hide(); }

    void select(int start, int length) {
        window->T1->SetSelStart(start);
        window->T1->SetSelLength(length);
    }
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

TEST_F(EditMenu, MenuBarAndContextRulesWithPlainTextOnTheClipboard) {
    platform.clipboardSet(QStringLiteral("plain"), QByteArray());
    select(0, 0);
    openFromMenuBar();
    EXPECT_EQ(states(), QStringLiteral("00101"));

    window->List1->show();
    press(Qt::RightButton);
    EXPECT_FALSE(window->List1->isVisible()) << "the candidate list goes first";
    EXPECT_TRUE(window->M_Edit->isVisible());
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
    window->M_Edit->hide();
    select(0, 0);
    openFromMenuBar();
    EXPECT_EQ(states(), QStringLiteral("00101"));

    press(Qt::LeftButton); // no menu, no new enabling
    EXPECT_FALSE(window->M_Edit->isVisible());
}

TEST_F(EditMenu, FontItemFollowsTheCaptionsLastFourCharacters) {
    const std::pair<QString, bool> cases[] = {
        {platform.desktop + QStringLiteral("/新規.rtf"), true}, // a new document
        {QStringLiteral("/docs/LETTER.RTF"), true},
        {QStringLiteral("/docs/letter.Rtf"), true},
        {QStringLiteral("/docs/letter.txt"), false},
        {QStringLiteral("/docs/letter.rtf.txt"), false},
    };
    for (const auto& [caption, enabled] : cases) {
        window->setWindowTitle(caption);
        openFromMenuBar();
        EXPECT_EQ(window->m_font->isEnabled(), enabled) << caption.toStdString();
        window->m_font->setEnabled(!enabled);
        press(Qt::RightButton);
        EXPECT_EQ(window->m_font->isEnabled(), enabled) << caption.toStdString();
        window->M_Edit->hide();
    }
}

TEST_F(EditMenu, NewNeedsTextOrUnsavedChanges) {
    const auto newEnabled = [this](const QString& text, bool modified) {
        window->T1->SetText(text);
        state.Modified = modified;
        Q_EMIT window->m_file->aboutToShow();
        return window->M_New->isEnabled();
    };
    EXPECT_FALSE(newEnabled(QString(), false));
    EXPECT_TRUE(newEnabled(QString(), true));
    EXPECT_TRUE(newEnabled(QStringLiteral("a"), false));
}
