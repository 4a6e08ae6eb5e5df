// Search commands on the window's document, the search menu, and the find dialog.
#include "ui/widgets/rich_text_box.h"
#include "ui/dialogs/find_dialog.h"
#include "ui/controllers/search_commands.h"
#include "tests/support/window_fixture.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

using namespace pukana;
using namespace Qt::StringLiterals;

class SearchUi : public test::WindowFixture {
protected:
    void document(const QString& text, int selStart, int selLength = 0) {
        window->T1->SetText(text);
        window->T1->SetSelStart(selStart);
        window->T1->SetSelLength(selLength);
    }
    std::pair<int, int> sel() const { return {window->T1->SelStart(), window->T1->SelLength()}; }
    /// Opens the find dialog, lets `act` work it, and returns the text it opened with.
    QString openDialog(const std::function<void(FormF&)>& act) {
        QString seeded;
        platform.onDialog = [&](QDialog& d) {
            auto& f = dynamic_cast<FormF&>(d);
            seeded = f.T1->text();
            act(f);
            return f.result();
        };
        window->M_Find->trigger();
        return seeded;
    }
};

TEST_F(SearchUi, NotFoundMessageAndTheFindDialog) {
    start();
    state.FindText = u"abc"_s;
    state.FindMatchCase = 1;
    document(u"ABCabc"_s, 3, 3);
    window->search->findprev();
    EXPECT_EQ(sel(), std::pair(3, 3));
    EXPECT_EQ(platform.messages.value(0).text,
              u"【大文字と小文字を区別】\r\n[ abc ]はみつかりません..."_s);
    EXPECT_EQ(platform.messages.value(0).title, u"↑検索"_s);
    EXPECT_EQ(platform.beeps, 2);

    // The dialog opens with the selection, else the search text; opening alone stores nothing.
    state.FindText = u"old"_s;
    document(u"pick this"_s, 5, 4);
    EXPECT_EQ(openDialog([](FormF& f) { EXPECT_TRUE(f.C1->isChecked()); }), u"this"_s);
    document(u"pick this"_s, 5);
    EXPECT_EQ(openDialog([](FormF&) {}), u"old"_s);
    state.FindText.clear();
    EXPECT_EQ(openDialog([](FormF& f) { EXPECT_FALSE(f.Btn[0]->isEnabled()); }), QString());
    EXPECT_TRUE(state.FindText.isEmpty());

    // The buttons search at once and keep the dialog open; the close box stores nothing typed.
    document(u"ab ab ab"_s, 0);
    openDialog([&](FormF& f) {
        f.T1->setText(u"ab"_s);
        f.Btn[0]->click();
        f.Btn[0]->click();
        EXPECT_EQ(sel(), std::pair(6, 2));
        f.Btn[1]->click();
        EXPECT_EQ(sel(), std::pair(3, 2));
        f.C1->click();
        EXPECT_EQ(state.FindMatchCase, 0);
        f.T1->setText(u"unsaved"_s);
        f.close();
    });
    EXPECT_EQ(state.FindText, u"ab"_s);
    // 終了 stores the typed text, also an empty one, which disables the menu commands.
    for (const QString& typed : {u"new"_s, QString()}) {
        openDialog([&](FormF& f) {
            f.T1->setText(typed);
            f.Btn[2]->click();
        });
        EXPECT_EQ(state.FindText, typed);
        Q_EMIT window->M_FindMenu->aboutToShow();
        EXPECT_EQ(window->M_Next->isEnabled(), !typed.isEmpty());
        EXPECT_EQ(window->M_Prev->text().endsWith(u" [new]"_s), !typed.isEmpty());
    }
}
