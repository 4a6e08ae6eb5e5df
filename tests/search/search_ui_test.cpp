// Search commands on the window's document, the search menu, and the find dialog.
#include "platform/rich_text_box.h"
#include "search/find_dialog.h"
#include "search/search_commands.h"
#include "tests/support/window_fixture.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

using namespace pukana;

namespace {
const QString NotFoundAbc = QStringLiteral("[ abc ]はみつかりません...");
} // namespace

class SearchUi : public test::WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        start();
    }
    void document(const QString& text, int selStart, int selLength = 0) {
        window->T1->SetText(text);
        window->T1->SetSelStart(selStart);
        window->T1->SetSelLength(selLength);
        state.Modified = false;
    }
    void expectSelection(int start, int length) {
        EXPECT_EQ(window->T1->SelStart(), start);
        EXPECT_EQ(window->T1->SelLength(), length);
    }
    void openMenu() { Q_EMIT window->M_FindMenu->aboutToShow(); }
};

TEST_F(SearchUi, DownwardStartsLengthAfterSelectionAndNeverWraps) {
    state.FindText = QStringLiteral("abc");
    document(QStringLiteral("abcabc"), 0);
    window->M_Next->setEnabled(true);
    window->M_Next->trigger();
    expectSelection(3, 3);
    EXPECT_EQ(platform.beeps, 0);

    window->search->findnext();
    expectSelection(3, 3);
    EXPECT_EQ(platform.beeps, 2);
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_EQ(platform.messages[0].text, NotFoundAbc);
    EXPECT_EQ(platform.messages[0].title, QStringLiteral("↓検索"));
    EXPECT_EQ(platform.messages[0].style, msg::Ok);
    EXPECT_FALSE(state.Modified);

    // An occurrence starting inside the selected one is skipped.
    state.FindText = QStringLiteral("aa");
    document(QStringLiteral("aaaa"), 0, 2);
    window->search->findnext();
    expectSelection(2, 2);
    window->search->findnext();
    expectSelection(2, 2);
    EXPECT_EQ(platform.messages.size(), 2);
}

TEST_F(SearchUi, UpwardSearchAndTheCaseOption) {
    state.FindText = QStringLiteral("abc");
    // The occurrence ending right at the caret is not found; the earlier one is.
    document(QStringLiteral("abcABC"), 6);
    window->search->findprev();
    expectSelection(0, 3);
    EXPECT_EQ(platform.pointerChanges.mid(platform.pointerChanges.size() - 2),
              (QList<int>{pointer::Hourglass, pointer::Default}));

    // Case-sensitive, ABC no longer counts: reported with the case line, selection kept.
    state.FindMatchCase = 1;
    document(QStringLiteral("ABCabc"), 3, 3);
    window->search->findprev();
    expectSelection(3, 3);
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_EQ(platform.messages[0].text,
              QStringLiteral("【大文字と小文字を区別】\r\n") + NotFoundAbc);
    EXPECT_EQ(platform.messages[0].title, QStringLiteral("↑検索"));
    EXPECT_EQ(platform.beeps, 2);
    EXPECT_EQ(platform.pointerChanges.last(), pointer::Default);
    EXPECT_FALSE(state.Modified);
}

TEST_F(SearchUi, MenuCaptionsFollowTheSearchText) {
    openMenu();
    EXPECT_EQ(window->M_Next->text(), QStringLiteral("↓検索(&D)"));
    EXPECT_EQ(window->M_Prev->text(), QStringLiteral("↑検索(&U)"));
    EXPECT_FALSE(window->M_Next->isEnabled());
    EXPECT_FALSE(window->M_Prev->isEnabled());

    state.FindText = QStringLiteral("かな");
    openMenu();
    EXPECT_EQ(window->M_Next->text(), QStringLiteral("↓検索(&D) [かな]"));
    EXPECT_EQ(window->M_Prev->text(), QStringLiteral("↑検索(&U) [かな]"));
    EXPECT_TRUE(window->M_Next->isEnabled());
    EXPECT_TRUE(window->M_Prev->isEnabled());
    EXPECT_FALSE(window->M_FindMenu->menuAction()->isVisible());
}

TEST_F(SearchUi, DialogIsSeededFromSelectionThenSearchText) {
    struct Seen {
        QString text;
        bool down, up, close, caseBox;
    };
    QList<Seen> seen;
    platform.onDialog = [&](QDialog& d) {
        auto& f = dynamic_cast<FormF&>(d);
        seen << Seen{f.T1->text(), f.Btn[0]->isEnabled(), f.Btn[1]->isEnabled(),
                     f.Btn[2]->isEnabled(), f.C1->isChecked()};
        // Placed from the main window's corner, fixed size and caption.
        EXPECT_EQ(f.pos(), window->frameGeometry().topLeft() + QPoint(100, 80));
        EXPECT_EQ(f.size(), QSize(341, 103));
        EXPECT_EQ(f.windowTitle(), QStringLiteral("PUKANA 文字列の検索"));
        EXPECT_EQ(f.Btn[0]->text(), QStringLiteral("↓検索(&U)"));
        return 0;
    };
    state.FindText = QStringLiteral("old");
    state.FindMatchCase = 1;
    document(QStringLiteral("pick this"), 5, 4);
    window->M_Find->trigger();
    document(QStringLiteral("pick this"), 5);
    window->M_Find->trigger();
    state.FindText.clear();
    state.FindMatchCase = 0;
    window->M_Find->trigger();
    ASSERT_EQ(seen.size(), 3);
    EXPECT_EQ(seen[0].text, QStringLiteral("this"));
    EXPECT_TRUE(seen[0].down && seen[0].up && seen[0].caseBox);
    EXPECT_EQ(seen[1].text, QStringLiteral("old"));
    EXPECT_TRUE(seen[1].down && seen[1].up);
    EXPECT_TRUE(seen[2].text.isEmpty());
    EXPECT_FALSE(seen[2].down || seen[2].up || seen[2].caseBox);
    EXPECT_TRUE(seen[2].close);
    EXPECT_EQ(state.FindText, QString()); // opening alone stores nothing

    // A selection across a line break is searched for as it stands in the document.
    document(QStringLiteral("ab\r\ncd ab\r\ncd"), 0, 5);
    platform.onDialog = [&](QDialog& d) {
        dynamic_cast<FormF&>(d).Btn[0]->click();
        return 0;
    };
    window->M_Find->trigger();
    expectSelection(6, 5);
    EXPECT_EQ(window->T1->SelText(), state.FindText);
}

TEST_F(SearchUi, DialogButtonsTextAndCaseBox) {
    document(QStringLiteral("ab ab ab"), 0);
    platform.onDialog = [&](QDialog& d) {
        auto& f = dynamic_cast<FormF&>(d);
        f.T1->setText(QStringLiteral("x"));
        EXPECT_TRUE(f.Btn[0]->isEnabled() && f.Btn[1]->isEnabled());
        f.T1->clear();
        EXPECT_FALSE(f.Btn[0]->isEnabled() || f.Btn[1]->isEnabled());
        // Downward button steps through the document and the dialog stays open.
        f.T1->setText(QStringLiteral("ab"));
        f.Btn[0]->click();
        expectSelection(3, 2);
        f.Btn[0]->click();
        expectSelection(6, 2);
        f.Btn[0]->click();
        expectSelection(6, 2);
        EXPECT_EQ(platform.messages.size(), 1);
        f.Btn[1]->click();
        expectSelection(3, 2);
        EXPECT_EQ(f.result(), QDialog::Rejected);
        EXPECT_EQ(state.FindText, QStringLiteral("ab"));
        // The case box takes effect at once; then the close box.
        f.C1->click();
        EXPECT_EQ(state.FindMatchCase, 1);
        f.T1->setText(QStringLiteral("unsaved"));
        f.close();
        return f.result();
    };
    window->M_Find->trigger();
    EXPECT_EQ(state.FindText, QStringLiteral("ab"));
    EXPECT_EQ(state.FindMatchCase, 1);

    // 終了 stores the typed text, also an empty one, which disables the menu commands.
    platform.onDialog = [&](QDialog& d) {
        auto& f = dynamic_cast<FormF&>(d);
        EXPECT_TRUE(f.C1->isChecked());
        f.T1->setText(QStringLiteral("new"));
        f.Btn[2]->click();
        EXPECT_EQ(f.result(), QDialog::Accepted);
        return f.result();
    };
    window->M_Find->trigger();
    EXPECT_EQ(state.FindText, QStringLiteral("new"));
    openMenu();
    EXPECT_EQ(window->M_Prev->text(), QStringLiteral("↑検索(&U) [new]"));

    platform.onDialog = [&](QDialog& d) {
        auto& f = dynamic_cast<FormF&>(d);
        f.T1->clear();
        f.Btn[2]->click();
        return f.result();
    };
    window->M_Find->trigger();
    EXPECT_TRUE(state.FindText.isEmpty());
    openMenu();
    EXPECT_FALSE(window->M_Next->isEnabled());
}
