// Undo and redo from the edit menu: every kind of change is one step, the items are enabled
// only when there is a step, and a new, opened or converted document starts without history.
// Copying everything leaves the caret and the selection alone.
#include "tests/support/window_fixture.h"
#include "ui/controllers/document_commands.h"
#include "ui/controllers/edit_commands.h"
#include "ui/widgets/image_button.h"
#include "ui/widgets/rich_text_box.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>

using namespace pukana;
using namespace Qt::StringLiterals;

namespace {

class Undo : public test::WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        start();
        window->activateWindow();
        QApplication::processEvents();
        t1().setFocus();
        state.DocFocus = true;
        t1().SetText(u"かなabc\n二行目"_s);
        t1().ClearUndo();
    }
    RichTextBox& t1() { return *window->T1; }
    void select(int start, int length) {
        t1().SetSelStart(start);
        t1().SetSelLength(length);
    }
    /// What an undo must bring back: the text with its formatting.
    QByteArray snapshot() { return t1().TextRTF(); }
    /// "UR": undo and redo enabled, as the edit menu shows them when it opens.
    QString items() {
        Q_EMIT window->M_Edit->aboutToShow();
        return QString(window->M_Undo->isEnabled() ? u'U' : u'-') +
               (window->M_Redo->isEnabled() ? u'R' : u'-');
    }
};

} // namespace

TEST_F(Undo, EveryKindOfChangeIsOneStep) {
    const struct {
        const char* what;
        std::function<void()> change;
    } steps[] = {
        {"key click", [&] { window->Btn[3]->click(); }},
        {"BS key", [&] { window->btn_bs->click(); }},
        {"Del key", [&] { t1().SetSelStart(0), window->btn_del->click(); }},
        {"conversion commit",
         [&] {
             select(0, 2);
             window->m_xf->trigger();
             ASSERT_TRUE(window->List1->isVisible());
             QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
             QApplication::sendEvent(window->List1, &down); // commits the first candidate
             ASSERT_FALSE(window->List1->isVisible());
         }},
        {"paste",
         [&] {
             platform.clipboardSet(u"はりつけ\nた"_s, QByteArray());
             window->edit->M_Edit_Item_Click(edit_item::Paste);
         }},
        {"cut", [&] { select(1, 3), window->edit->M_Edit_Item_Click(edit_item::Cut); }},
        {"delete", [&] { select(0, 2), window->edit->M_Edit_Item_Click(edit_item::Delete); }},
        {"font",
         [&] {
             select(0, 4);
             platform.fontAnswers.push_back(
                 FontChoice{u"ＭＳ 明朝"_s, 20, true, true, false, true, 0xFF});
             window->m_font->trigger();
         }},
        {"alignment", [&] { Q_EMIT window->I_cnt->clicked(); }},
    };
    for (const auto& step : steps) {
        const QByteArray before = snapshot();
        step.change();
        const QByteArray after = snapshot();
        ASSERT_NE(before, after) << step.what;
        EXPECT_EQ(items(), u"U-"_s) << step.what;
        window->M_Undo->trigger();
        EXPECT_EQ(snapshot(), before) << step.what;
        EXPECT_EQ(items(), u"-R"_s) << step.what;
        window->M_Redo->trigger();
        EXPECT_EQ(snapshot(), after) << step.what;
        t1().ClearUndo();
    }
}

TEST_F(Undo, KeysAreSeparateStepsAndUndoNeverTouchesTheFile) {
    t1().SetSelStart(0);
    const QString start = t1().Text();
    window->Btn[1]->click();
    window->Btn[2]->click();
    const QString two = t1().Text();
    window->M_Undo->trigger();
    EXPECT_EQ(t1().Text().size(), two.size() - window->Btn[2]->text().size());
    window->M_Undo->trigger();
    EXPECT_EQ(t1().Text(), start);
    EXPECT_EQ(items(), u"-R"_s);
    // A new change after an undo drops what could be redone.
    window->btn_cr->click();
    EXPECT_EQ(items(), u"U-"_s);
    // The shortcuts are Ctrl+Z and Ctrl+Y.
    EXPECT_EQ(window->M_Undo->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_EQ(window->M_Redo->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Y));
    // The menu starts with the two items, then a separator, then what was there before.
    const QList<QAction*> actions = window->M_Edit->actions();
    EXPECT_EQ(actions.value(0), window->M_Undo);
    EXPECT_EQ(actions.value(1), window->M_Redo);
    EXPECT_TRUE(actions.value(2)->isSeparator());
    EXPECT_EQ(actions.value(3), window->m_xf);
    EXPECT_EQ(window->M_Undo->text(), u"もとにもどす(&U)"_s);
    EXPECT_EQ(window->M_Redo->text(), u"やりなおし(&R)"_s);
}

TEST_F(Undo, NewOpenAndPlainRichSwitchStartWithoutHistory) {
    QTemporaryDir dir;
    const QString file = dir.filePath(u"a.txt"_s);
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write("text\r\n") == 6);
    f.close();
    const std::function<void()> roads[] = {
        [&] { window->document->docopen(file); },
        [&] { window->document->newdoc(); },
        [&] { window->M_ToTXT->trigger(); },
        [&] { window->M_ToRTF->trigger(); },
    };
    for (const auto& road : roads) {
        window->Btn[1]->click();
        window->Btn[2]->click();
        window->M_Undo->trigger();
        ASSERT_EQ(items(), u"UR"_s);
        road();
        EXPECT_EQ(items(), u"--"_s);
        // Live, not only when the menu opens: the shortcuts follow the enabled state.
        EXPECT_FALSE(window->M_Undo->isEnabled());
    }
}

TEST_F(Undo, CopyAllKeepsCaretAndSelection) {
    select(1, 2);
    window->M_CopyAll->trigger();
    EXPECT_EQ(platform.clipText, u"かなabc\n二行目"_s);
    EXPECT_TRUE(platform.clipRtf.startsWith("{\\rtf"));
    EXPECT_EQ(t1().SelStart(), 1);
    EXPECT_EQ(t1().SelLength(), 2);
    // The next key replaces the selection only, never the whole document.
    window->Btn[1]->click();
    EXPECT_TRUE(t1().Text().startsWith(u"か"_s + window->Btn[1]->text() + u"bc\n二行目"_s));
}
