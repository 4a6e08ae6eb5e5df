// The conversion as the user drives it: the へんかん key and menu item, the candidate list's
// placement, committing a candidate and the ways the list goes away.
#include "core/conversion/dictionary.h"
#include "core/error.h"
#include "core/formats/cp932.h"
#include "tests/support/window_fixture.h"
#include "ui/controllers/conversion_controller.h"
#include "ui/startup.h"
#include "ui/widgets/rich_text_box.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLayout>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>

using namespace pukana;
using namespace Qt::StringLiterals;

namespace {

void sendMouse(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButton button) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? button : Qt::NoButton;
    QMouseEvent event(type, QPointF(at), target->mapToGlobal(QPointF(at)), button, held,
                      Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

class ConversionUi : public test::WindowFixture {
protected:
    /// Starts the program with かんじ in both dictionaries.
    void SetUp() override {
        WindowFixture::SetUp();
        for (const auto& [name, word] :
             {std::pair{"pukana.dic", u"漢字"_s}, {"pukana2.dic", u"幹事"_s}}) {
            QFile file(appFile(QLatin1StringView(name)));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(cp932::encode(QString(u"かんじ,"_s + word + u"\r\n"_s)));
        }
        start();
        window->activateWindow();
        QApplication::processEvents();
    }
    /// The document's text with its selection set, then the menu's or the key's conversion.
    void convert(const QString& text, int start, int length, bool byKey = false) {
        view()->setFocus();
        inputTarget().set(InputTarget::Box::Document);
        view()->setDocumentText(text);
        view()->setCaretPosition(start);
        view()->setSelectionLength(length);
        byKey ? button("btn_henkan")->click() : action("m_xf")->trigger();
    }
    void clickItem(int row, Qt::MouseButton button = Qt::LeftButton) {
        const QPoint at = list()->visualItemRect(list()->item(row)).center();
        sendMouse(list()->viewport(), QEvent::MouseButtonPress, at, button);
        sendMouse(list()->viewport(), QEvent::MouseButtonRelease, at, button);
    }
    QStringList items() const {
        QStringList texts;
        for (int row = 0; row < list()->count(); ++row)
            texts << list()->item(row)->text();
        return texts;
    }
    RichTextBox* view() const { return documentView(); }
    QListWidget* list() const { return candidateList(); }
};

} // namespace

TEST_F(ConversionUi, KeyConvertsBothDictionariesInOrderAndAClickCommits) {
    convert(u"xかんじy"_s, 1, 3, true);
    ASSERT_EQ(list()->count(), 3); // カンジ, 漢字 (main dictionary), 幹事 (the user's)
    // Taking the focus chose nothing: the document and its selection wait for the choice.
    EXPECT_TRUE(list()->hasFocus() && view()->selectedText() == u"かんじ"_s);
    clickItem(1);
    EXPECT_EQ(view()->documentText(), u"x漢字y"_s);
    EXPECT_FALSE(list()->isVisible());
    EXPECT_EQ(view()->selectionStart(), 3);
}

TEST_F(ConversionUi, KeyboardMoveAndAssistiveSelectionCommitTheWholeSelection) {
    // Two spaces, the reading and a line break: all of it is replaced.
    convert(u"  かんじ\nあ"_s, 0, 6);
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(list(), &down); // the first Down commits the first candidate
    EXPECT_EQ(view()->documentText(), u"カンジあ"_s);
    EXPECT_TRUE(view()->hasFocus());
    // What a screen reader does: select a row, never click it.
    convert(u"かんじ"_s, 0, 3);
    QAccessibleInterface* access = QAccessible::queryAccessibleInterface(list());
    ASSERT_TRUE(access && access->tableInterface());
    EXPECT_TRUE(access->tableInterface()->selectRow(2));
    EXPECT_EQ(view()->documentText(), u"幹事"_s);
}

TEST_F(ConversionUi, NothingToConvertOrNoCandidateBeepsAndTheListGoesAwayWithoutAChoice) {
    convert(u"かんじ"_s, 0, 3);
    clickItem(1, Qt::RightButton);
    EXPECT_FALSE(list()->isVisible());
    EXPECT_EQ(view()->documentText(), u"かんじ"_s);
    // Nothing selected, then only a line break: a beep, the list untouched.
    convert(u"かんじ\nx"_s, 1, 0);
    convert(u"かんじ\nx"_s, 3, 1);
    EXPECT_EQ(platform.beeps, 2);
    EXPECT_EQ(list()->count(), 3);
    // A reading without candidates: a beep, an empty hidden list, the focus back at home.
    convert(u"kanji"_s, 0, 5);
    EXPECT_EQ(platform.beeps, 3);
    EXPECT_TRUE(list()->isHidden() && list()->count() == 0);
    EXPECT_TRUE(view()->hasFocus());
}

TEST_F(ConversionUi, MouseReleasePlacesTheListInsideTheWindowNeverAtANegativePlace) {
    const QSize size = list()->size();
    const QSize area = window->clientArea()->size();
    // Near the bottom right: flush against both edges; the menu's conversion shows it there.
    sendMouse(view()->viewport(), QEvent::MouseButtonRelease,
              QPoint(view()->width() - 2, view()->height() - 2), Qt::LeftButton);
    convert(u"かんじ"_s, 0, 3);
    EXPECT_EQ(list()->pos(), QPoint(area.width() - size.width(), area.height() - size.height()));
    // A window smaller than the list (its least size ignored, as a desktop may do): the
    // list's top-left corner stays in view.
    window->clientArea()->setMinimumSize(0, 0);
    window->QWidget::layout()->activate();
    window->resize(60, 60);
    QApplication::processEvents();
    ASSERT_LT(window->clientArea()->width(), size.width());
    sendMouse(view()->viewport(), QEvent::MouseButtonRelease, QPoint(0, 0), Qt::LeftButton);
    EXPECT_EQ(list()->pos(), QPoint(0, 0));
}

// The start-up with the dictionaries read in the background, as the program starts.
class PreloadedDictionary : public test::WindowFixture {};

TEST_F(PreloadedDictionary, NoticeComesOnceTheReadEndsAndConversionUsesItsPairs) {
    // One pair more than the slots hold: the notice names the main dictionary.
    QFile file(appFile(u"pukana.dic"_s));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    for (int n = 0; n <= Dictionary::Capacity; ++n)
        file.write("r" + QByteArray::number(n) + ",w" + QByteArray::number(n) + "\r\n");
    file.close();
    preloadDictionaries(platform);
    start();
    QElapsedTimer waited;
    waited.start();
    while (platform.messages.isEmpty() && waited.elapsed() < 20000)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_TRUE(platform.lastMessage().contains(u"pukana.dic"_s));
    documentView()->setFocus();
    inputTarget().set(InputTarget::Box::Document);
    documentView()->setDocumentText(u"r7"_s);
    documentView()->setCaretPosition(0);
    documentView()->setSelectionLength(2);
    action("m_xf")->trigger();
    EXPECT_EQ(candidateList()->count() == 1 ? candidateList()->item(0)->text() : QString(),
              u"w7"_s);
}

TEST_F(PreloadedDictionary, MissingMainDictionaryStillEndsTheStartUp) {
    ASSERT_TRUE(QFile::remove(appFile(u"pukana.dic"_s)));
    try {
        preloadDictionaries(platform);
        start();
        ADD_FAILURE() << "no error";
    } catch (const PukanaError& e) {
        EXPECT_TRUE(e.description().contains(u"pukana.dic"_s)) << e.what();
    }
    EXPECT_TRUE(platform.messages.isEmpty());
}
