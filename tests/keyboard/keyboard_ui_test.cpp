// The keyboard in the window: keys created on the grid, modes loaded from btn.dat, and the
// character and editing keys acting on whichever box last had the focus.
#include "keyboard/keyboard_commands.h"
#include "platform/cp932.h"
#include "platform/error.h"
#include "platform/rich_text_box.h"
#include "platform/twips.h"
#include "tests/support/window_fixture.h"

#include <QApplication>
#include <QFile>
#include <QPushButton>

using namespace pukana;

namespace {

const QColor White(0xFF, 0xFF, 0xFF);
const QColor LightGrey(0xC0, 0xC0, 0xC0);

QRect twipsOf(const QWidget* w) {
    const QRect g = w->geometry();
    return QRect(int(pixelsToTwips(g.x())), int(pixelsToTwips(g.y())),
                 int(pixelsToTwips(g.width())), int(pixelsToTwips(g.height())));
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

} // namespace

class KeyboardUi : public test::WindowFixture {
protected:
    /// Starts the editor as the program does, with its window active so focus really moves.
    void startActive() {
        start();
        window->activateWindow();
        QApplication::processEvents();
    }
    /// The user clicks into a box.
    void clickInto(QWidget* box) {
        box->setFocus(Qt::MouseFocusReason);
        ASSERT_EQ(QApplication::focusWidget(), box);
    }
    QPushButton* keyWithCaption(const QString& caption) {
        for (int i = 1; i < window->Btn.size(); ++i)
            if (window->Btn[i]->text() == caption)
                return window->Btn[i];
        ADD_FAILURE() << "no key " << caption.toStdString();
        return window->Btn[1];
    }
};

TEST_F(KeyboardUi, KeysAreCopiesOfTheTemplateOnTheGrid) {
    startActive();
    ASSERT_EQ(window->Btn.size(), 106);
    QPushButton* tmpl = window->Btn[0];
    EXPECT_FALSE(tmpl->isVisibleTo(window->F1));
    EXPECT_TRUE(tmpl->text().isEmpty());
    const int l0 = 1560, t0 = 240;
    EXPECT_EQ(twipsOf(window->Btn[1]), QRect(l0, t0, 450, 450)); // right over the template
    EXPECT_EQ(twipsOf(window->Btn[5]).left() + 450, l0 + 2250);
    EXPECT_EQ(twipsOf(window->Btn[6]).topLeft(), QPoint(l0 + 2280, t0));
    EXPECT_EQ(twipsOf(window->Btn[15]).topLeft(), QPoint(l0 + 6360, t0));
    EXPECT_EQ(twipsOf(window->Btn[16]).topLeft(), QPoint(l0, t0 + 450));
    EXPECT_EQ(twipsOf(window->Btn[105]), QRect(l0 + 6360, t0 + 2700, 450, 450));
    for (int i = 1; i <= 105; ++i) {
        QPushButton* key = window->Btn[i];
        ASSERT_EQ(key->parentWidget(), window->F1);
        EXPECT_TRUE(key->isVisibleTo(window->F1)) << i;
        EXPECT_EQ(key->focusPolicy(), Qt::NoFocus) << i;
        EXPECT_EQ(key->font(), tmpl->font()) << i;
        EXPECT_EQ(key->text().size(), 1) << i;
    }
    // Start-up loads the hiragana block and leaves the document as the target.
    EXPECT_EQ(window->Btn[1]->text(), QStringLiteral("あ"));
    EXPECT_TRUE(state.DocFocus);
}

TEST_F(KeyboardUi, ModeButtonsRereadTheFileAndSurviveItsLoss) {
    startActive();
    window->btn_katakana->click();
    EXPECT_EQ(window->Btn[1]->text(), QStringLiteral("ア"));
    window->btn_hankaku->click();
    const QString hankaku1 = window->Btn[1]->text();
    EXPECT_NE(hankaku1, QStringLiteral("ア"));

    // An edit to the file shows at the next mode change; a mode not in it changes nothing.
    QByteArray edited = cp932::encode(QStringLiteral("きごう\r\n★\r\n\r\n\r\n\r\n\r\n\r\n\r\n"));
    ASSERT_TRUE(writeFile(appFile(QStringLiteral("btn.dat")), edited));
    window->btn_suuji->click();
    EXPECT_EQ(window->Btn[1]->text(), QStringLiteral("★"));
    EXPECT_EQ(window->Btn[2]->text(), QStringLiteral("・"));
    window->btn_hiragana->click();
    EXPECT_EQ(window->Btn[1]->text(), QStringLiteral("★"));
    EXPECT_TRUE(platform.messages.isEmpty());

    // Clicking a mode makes the document the target again, also when no block was found.
    clickInto(window->T2);
    ASSERT_FALSE(state.DocFocus);
    window->btn_hiragana->click();
    EXPECT_TRUE(state.DocFocus);
    EXPECT_EQ(window->T2->palette().color(QPalette::Base), LightGrey);

    // A block cut short, then a missing file: a message naming the file, old captions kept.
    ASSERT_TRUE(writeFile(appFile(QStringLiteral("btn.dat")),
                          cp932::encode(QStringLiteral("カタカナ\r\nアイウ\r\n"))));
    window->btn_katakana->click();
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_TRUE(platform.lastMessage().contains(QStringLiteral("btn.dat")));
    ASSERT_TRUE(QFile::remove(appFile(QStringLiteral("btn.dat"))));
    window->btn_katakana->click();
    ASSERT_EQ(platform.messages.size(), 2);
    EXPECT_TRUE(platform.lastMessage().contains(QStringLiteral("btn.dat")));
    EXPECT_EQ(window->Btn[1]->text(), QStringLiteral("★"));
    EXPECT_FALSE(platform.endedWith.has_value());
}

TEST_F(KeyboardUi, MissingLayoutFileEndsStartUp) {
    ASSERT_TRUE(QFile::remove(appFile(QStringLiteral("btn.dat"))));
    try {
        start();
        FAIL() << "start-up went on without btn.dat";
    } catch (const PukanaError& e) {
        EXPECT_EQ(e.number(), err::FileNotFound);
        EXPECT_TRUE(e.description().contains(QStringLiteral("btn.dat")));
    }
}

TEST_F(KeyboardUi, KeysTypeIntoTheBoxThatLastHadTheFocus) {
    startActive();
    window->T1->SetText(QStringLiteral("かな"));
    window->T1->SetSelStart(2);
    window->T2->setText(QStringLiteral("abc"));

    clickInto(window->T2);
    EXPECT_FALSE(state.DocFocus);
    EXPECT_EQ(window->T2->palette().color(QPalette::Base), White);
    window->T2->setCursorPosition(2);
    keyWithCaption(QStringLiteral("あ"))->click();
    EXPECT_EQ(window->T2->text(), QStringLiteral("abあc"));
    EXPECT_EQ(QApplication::focusWidget(), window->T2);
    EXPECT_EQ(window->T1->Text(), QStringLiteral("かな"));

    // The caret and deleting keys act on the file name, from where typing left the caret;
    // the line keys only beep there.
    window->b_left->click();
    window->btn_bs->click();
    EXPECT_EQ(window->T2->text(), QStringLiteral("aあc"));
    window->T2->setCursorPosition(0);
    window->btn_del->click();
    EXPECT_EQ(window->T2->text(), QStringLiteral("あc"));
    window->T2->setCursorPosition(0);
    window->b_sel->click();
    EXPECT_EQ(window->T2->selectedText(), QStringLiteral("あ"));
    window->btn_cr->click();
    window->b_up->click();
    window->b_down->click();
    EXPECT_EQ(platform.beeps, 3);
    EXPECT_EQ(window->T2->text(), QStringLiteral("あc"));
    EXPECT_EQ(window->T2->selectedText(), QStringLiteral("あ"));
    EXPECT_EQ(QApplication::focusWidget(), window->T2);
    EXPECT_FALSE(state.DocFocus);
    EXPECT_EQ(window->T1->Text(), QStringLiteral("かな"));

    // Back into the document: grey file name, keys type there and mark it modified.
    state.Modified = false;
    clickInto(window->T1);
    EXPECT_TRUE(state.DocFocus);
    EXPECT_EQ(window->T2->palette().color(QPalette::Base), LightGrey);
    keyWithCaption(QStringLiteral("ん"))->click();
    EXPECT_EQ(window->T1->Text(), QStringLiteral("かなん"));
    EXPECT_TRUE(state.Modified);
    EXPECT_EQ(window->T2->text(), QStringLiteral("あc"));
}

TEST_F(KeyboardUi, EditingKeysInTheDocument) {
    startActive();
    window->T1->SetText(QStringLiteral("abcdef"));
    window->T1->SetSelStart(1);
    state.Modified = false;

    // Selection keys: three S> select three characters, <S shrinks at the moving end.
    window->b_sel->click();
    window->b_sel->click();
    window->b_sel->click();
    EXPECT_EQ(window->T1->SelStart(), 1);
    EXPECT_EQ(window->T1->SelText(), QStringLiteral("bcd"));
    window->b_selm->click();
    EXPECT_EQ(window->T1->SelText(), QStringLiteral("bc"));
    EXPECT_FALSE(state.Modified);

    // A character key replaces the selection; the caret stands after it.
    keyWithCaption(QStringLiteral("あ"))->click();
    EXPECT_EQ(window->T1->Text(), QStringLiteral("aあdef"));
    EXPECT_EQ(window->T1->SelStart(), 2);
    EXPECT_EQ(window->T1->SelLength(), 0);
    EXPECT_TRUE(state.Modified);

    // BS at the start and Del at the end change nothing, Modified included.
    state.Modified = false;
    window->T1->SetSelStart(0);
    window->btn_bs->click();
    window->T1->SetSelStart(window->T1->TextLength());
    window->btn_del->click();
    window->b_right->click();
    EXPECT_EQ(window->T1->Text(), QStringLiteral("aあdef"));
    EXPECT_FALSE(state.Modified);

    // かいぎょう starts a line at the caret; ↑ and ↓ move between lines without beeping.
    window->T1->SetSelStart(2);
    window->btn_cr->click();
    EXPECT_EQ(window->T1->Text(), QStringLiteral("aあ\ndef"));
    EXPECT_TRUE(state.Modified);
    window->b_up->click();
    EXPECT_LT(window->T1->SelStart(), 3);
    window->b_down->click();
    EXPECT_GE(window->T1->SelStart(), 3);
    window->b_left->click();
    EXPECT_EQ(platform.beeps, 0);
    EXPECT_TRUE(state.DocFocus);
}
