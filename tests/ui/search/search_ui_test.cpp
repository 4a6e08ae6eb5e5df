// Search commands on the window's document, the search menu, and the find dialog.
#include "tests/support/window_fixture.h"
#include "ui/controllers/search_controller.h"
#include "ui/dialogs/find_dialog.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

using namespace pukana;
using namespace Qt::StringLiterals;

class SearchUi : public test::WindowFixture {
protected:
    void document(const QString& text, int selStart, int selLength = 0) {
        documentView()->setDocumentText(text);
        documentView()->setCaretPosition(selStart);
        documentView()->setSelectionLength(selLength);
    }
    std::pair<int, int> sel() const {
        return {documentView()->selectionStart(), documentView()->selectionLength()};
    }
    /// Opens the find dialog and lets `act` work it.
    void openDialog(const std::function<void(FindDialog&)>& act) {
        platform.onDialog = [&](QDialog& d) {
            auto& f = dynamic_cast<FindDialog&>(d);
            act(f);
            return f.result();
        };
        action("M_Find")->trigger();
    }
};

TEST_F(SearchUi, NotFoundMessageAndTheFindDialog) {
    start();
    state().search.text = u"abc"_s;
    state().search.matchCase = true;
    document(u"ABCabc"_s, 3, 3);
    controller<SearchController>().findPrevious();
    EXPECT_EQ(sel(), std::pair(3, 3));
    EXPECT_EQ(platform.messages.value(0).text,
              u"【大文字と小文字を区別】\r\n[ abc ]はみつかりません..."_s);
    EXPECT_EQ(platform.messages.value(0).title, u"↑検索"_s);
    EXPECT_EQ(platform.beeps, 2);

    // The buttons search at once and keep the dialog open; the close box stores nothing typed.
    document(u"ab ab ab"_s, 0);
    openDialog([&](FindDialog& f) {
        f.textBox->setText(u"ab"_s);
        f.buttons[0]->click();
        f.buttons[0]->click();
        EXPECT_EQ(sel(), std::pair(6, 2));
        f.buttons[1]->click();
        EXPECT_EQ(sel(), std::pair(3, 2));
        f.textBox->setText(u"unsaved"_s);
        f.close();
    });
    EXPECT_EQ(state().search.text, u"ab"_s);
    // 終了 stores the typed text, also an empty one, which disables the menu commands.
    for (const QString& typed : {u"new"_s, QString()}) {
        openDialog([&](FindDialog& f) {
            f.textBox->setText(typed);
            f.buttons[2]->click();
        });
        EXPECT_EQ(state().search.text, typed);
        Q_EMIT menu("M_FindMenu")->aboutToShow();
        EXPECT_EQ(action("M_Next")->isEnabled(), !typed.isEmpty());
        EXPECT_EQ(action("M_Prev")->text().endsWith(u" [new]"_s), !typed.isEmpty());
    }
}
