// Undo and redo from the edit menu: every kind of change is one step, the items are enabled
// only when there is a step, and a new, opened or converted document starts without history.
// Copying everything leaves the caret and the selection alone.
#include "tests/support/window_fixture.h"
#include "ui/controllers/edit_controller.h"
#include "ui/controllers/file_controller.h"
#include "ui/input_target.h"
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
        startActive();
        t1().setFocus();
        inputTarget().set(InputTarget::Box::Document);
        t1().setDocumentText(u"かなabc\n二行目"_s);
        t1().clearUndoHistory();
    }
    RichTextBox& t1() { return *documentView(); }
    /// What an undo must bring back: the text with its formatting.
    QByteArray snapshot() { return t1().richText(); }
    /// "UR": undo and redo enabled, as the edit menu shows them when it opens.
    QString items() {
        Q_EMIT menu("M_Edit")->aboutToShow();
        return QString(action("M_Undo")->isEnabled() ? u'U' : u'-') +
               (action("M_Redo")->isEnabled() ? u'R' : u'-');
    }
};

} // namespace

TEST_F(Undo, EveryKindOfChangeIsOneStep) {
    const struct {
        const char* what;
        std::function<void()> change;
    } steps[] = {
        {"key click", [&] { keys()[3]->click(); }},
        {"conversion commit",
         [&] {
             select(0, 2);
             action("m_xf")->trigger();
             ASSERT_TRUE(candidateList()->isVisible());
             QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
             QApplication::sendEvent(candidateList(), &down); // commits the first candidate
             ASSERT_FALSE(candidateList()->isVisible());
         }},
        {"paste",
         [&] {
             platform.clipboardSet(u"はりつけ\nた"_s, QByteArray());
             controller<EditController>().paste();
         }},
        {"font",
         [&] {
             select(0, 4);
             platform.fontAnswers.push_back(
                 FontChoice{u"ＭＳ 明朝"_s, 20, true, true, false, true, 0xFF});
             action("m_font")->trigger();
         }},
        {"alignment", [&] { Q_EMIT widget<ImageButton>("I_cnt")->clicked(); }},
    };
    for (const auto& step : steps) {
        const QByteArray before = snapshot();
        step.change();
        const QByteArray after = snapshot();
        ASSERT_NE(before, after) << step.what;
        EXPECT_EQ(items(), u"U-"_s) << step.what;
        action("M_Undo")->trigger();
        EXPECT_EQ(snapshot(), before) << step.what;
        action("M_Redo")->trigger();
        EXPECT_EQ(snapshot(), after) << step.what;
        t1().clearUndoHistory();
    }
}

TEST_F(Undo, NewOpenAndPlainRichSwitchStartWithoutHistory) {
    QTemporaryDir dir;
    const QString file = dir.filePath(u"a.txt"_s);
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write("text\r\n") == 6);
    f.close();
    const std::function<void()> roads[] = {
        [&] { controller<FileController>().open(file); },
        [&] { controller<FileController>().newDocument(); },
        [&] { action("M_ToTXT")->trigger(); },
    };
    for (const auto& road : roads) {
        keys()[1]->click();
        keys()[2]->click();
        action("M_Undo")->trigger();
        ASSERT_EQ(items(), u"UR"_s);
        road();
        EXPECT_EQ(items(), u"--"_s);
        // Live, not only when the menu opens: the shortcuts follow the enabled state.
        EXPECT_FALSE(action("M_Undo")->isEnabled());
    }
}

TEST_F(Undo, CopyAllKeepsCaretAndSelection) {
    select(1, 2);
    action("M_CopyAll")->trigger();
    EXPECT_EQ(platform.clipText, u"かなabc\n二行目"_s);
    EXPECT_TRUE(platform.clipRtf.startsWith("{\\rtf"));
    EXPECT_EQ(t1().selectionStart(), 1);
    EXPECT_EQ(t1().selectionLength(), 2);
    // The next key replaces the selection only, never the whole document.
    keys()[1]->click();
    EXPECT_TRUE(t1().documentText().startsWith(u"か"_s + keys()[1]->text() + u"bc\n二行目"_s));
}
