// The conversion as the user drives it: the へんかん key and menu item, the candidate list's
// placement, committing a candidate and the ways the list goes away.
#include "conversion/conversion_commands.h"
#include "conversion/dictionary.h"
#include "platform/cp932.h"
#include "platform/error.h"
#include "platform/rich_text_box.h"
#include "platform/twips.h"
#include "tests/support/window_fixture.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFrame>
#include <QKeyEvent>
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

void click(QWidget* target, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    sendMouse(target, QEvent::MouseButtonPress, at, button);
    sendMouse(target, QEvent::MouseButtonRelease, at, button);
}

void pressKey(QWidget* target, Qt::Key key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(target, &release);
}

class ConversionUi : public test::WindowFixture {
protected:
    /// Writes both dictionaries (the user's only when given) and starts the program.
    void startWith(const QString& mainDic, const std::optional<QString>& userDic) {
        writeFile(u"pukana.dic"_s, mainDic);
        if (userDic)
            writeFile(u"pukana2.dic"_s, *userDic);
        start();
        window->activateWindow();
        QApplication::processEvents();
    }
    void startKanji() { startWith(u"かんじ,漢字\r\n"_s, u"かんじ,幹事\r\n"_s); }
    void writeFile(const QString& name, const QString& text) {
        QFile file(appFile(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(cp932::encode(text));
    }

    /// The document's text with its selection set.
    void document(const QString& text, int start, int length) {
        T1()->setFocus();
        state.DocFocus = true;
        T1()->SetText(text);
        T1()->SetSelStart(start);
        T1()->SetSelLength(length);
    }

    QStringList items() const {
        QStringList out;
        for (int i = 0; i < list()->count(); ++i)
            out << list()->item(i)->text();
        return out;
    }
    QPoint itemCentre(int row) const { return list()->visualItemRect(list()->item(row)).center(); }

    RichTextBox* T1() const { return window->T1; }
    QListWidget* list() const { return window->List1; }
};

} // namespace

TEST_F(ConversionUi, KeyConvertsBothDictionariesInOrderAndAClickCommits) {
    startKanji();
    document(u"xかんじy"_s, 1, 3);
    platform.pointerChanges.clear();

    window->btn_henkan->click();
    EXPECT_EQ(items(), (QStringList{u"カンジ"_s, u"漢字"_s, u"幹事"_s}));
    EXPECT_TRUE(list()->isVisible());
    EXPECT_TRUE(list()->hasFocus());
    EXPECT_EQ(platform.pointerChanges, (QList<int>{pointer::Hourglass, pointer::Default}));
    EXPECT_EQ(platform.beeps, 0);
    // Taking the focus chose nothing: the document and its selection wait for the choice.
    EXPECT_EQ(list()->currentRow(), -1);
    EXPECT_EQ(T1()->Text(), u"xかんじy"_s);
    EXPECT_EQ(T1()->SelText(), u"かんじ"_s);
    // Beside the BS key: its place in the key frame, lowered by the document's height.
    const double top = pixelsToTwips(T1()->height()) + pixelsToTwips(window->btn_bs->y());
    const double left = pixelsToTwips(window->btn_bs->x()) + pixelsToTwips(window->F1->x());
    EXPECT_EQ(list()->pos(), QPoint(twipsToPixels(left), twipsToPixels(top)));

    click(list()->viewport(), itemCentre(1));
    EXPECT_EQ(T1()->Text(), u"x漢字y"_s);
    EXPECT_FALSE(list()->isVisible());
    EXPECT_TRUE(T1()->hasFocus());
    EXPECT_EQ(T1()->SelStart(), 3);
}

TEST_F(ConversionUi, MenuConvertsTrimmedReadingAndKeyboardMoveCommitsTheWholeSelection) {
    startKanji();
    // Two spaces, the reading and a line break: all of it is replaced.
    document(u"  かんじ\nあ"_s, 0, 6);
    window->m_xf->trigger();
    ASSERT_EQ(items(), (QStringList{u"カンジ"_s, u"漢字"_s, u"幹事"_s}));
    ASSERT_TRUE(list()->hasFocus());

    // The first Down picks the first candidate and commits it at once.
    pressKey(list(), Qt::Key_Down);
    EXPECT_EQ(T1()->Text(), u"カンジあ"_s);
    EXPECT_FALSE(list()->isVisible());
    EXPECT_TRUE(T1()->hasFocus());
}

TEST_F(ConversionUi, AssistiveSelectionCommits) {
    startKanji();
    document(u"かんじ"_s, 0, 3);
    window->m_xf->trigger();
    QAccessibleInterface* access = QAccessible::queryAccessibleInterface(list());
    ASSERT_NE(access, nullptr);
    ASSERT_NE(access->tableInterface(), nullptr);
    // What a screen reader does: select a row, never click it.
    EXPECT_TRUE(access->tableInterface()->selectRow(2));
    EXPECT_EQ(T1()->Text(), u"幹事"_s);
    EXPECT_FALSE(list()->isVisible());
}

TEST_F(ConversionUi, FileNameBoxIsTheTargetWhenItHadTheFocusLast) {
    startKanji();
    document(u"かんじ"_s, 0, 3);
    window->T2->setFocus();
    state.DocFocus = false;
    window->T2->setText(u"かんじ.txt"_s);
    window->T2->setSelection(0, 3);

    window->btn_henkan->click();
    ASSERT_EQ(items(), (QStringList{u"カンジ"_s, u"漢字"_s, u"幹事"_s}));
    ASSERT_TRUE(list()->hasFocus());
    click(list()->viewport(), itemCentre(2));
    EXPECT_EQ(window->T2->text(), u"幹事.txt"_s);
    EXPECT_TRUE(window->T2->hasFocus());
    EXPECT_FALSE(list()->isVisible());
    EXPECT_EQ(T1()->Text(), u"かんじ"_s);
}

TEST_F(ConversionUi, NothingToConvertOrNoCandidateBeepsAndKeepsTheListHidden) {
    startWith(u"かんじ,漢字\r\n"_s, std::nullopt);
    document(u"かんじ"_s, 0, 3);
    window->m_xf->trigger();
    pressKey(list(), Qt::Key_Escape); // no meaning of its own in the list
    ASSERT_TRUE(list()->isVisible());
    click(T1()->viewport(), QPoint(5, 5));
    ASSERT_FALSE(list()->isVisible());
    const QStringList before = items();
    platform.pointerChanges.clear();

    // Nothing selected, then only a line break: a beep, the list untouched.
    document(u"かんじ\nx"_s, 1, 0);
    window->m_xf->trigger();
    document(u"かんじ\nx"_s, 3, 1);
    window->btn_henkan->click();
    EXPECT_EQ(platform.beeps, 2);
    EXPECT_EQ(items(), before);
    EXPECT_TRUE(platform.pointerChanges.isEmpty());

    // A reading without candidates: a beep, an empty hidden list, the focus back at home.
    document(u"kanji"_s, 0, 5);
    window->m_xf->trigger();
    EXPECT_EQ(platform.beeps, 3);
    EXPECT_EQ(list()->count(), 0);
    EXPECT_FALSE(list()->isVisible());
    EXPECT_TRUE(T1()->hasFocus());
    EXPECT_EQ(T1()->SelText(), u"kanji"_s);
}

TEST_F(ConversionUi, ListGoesAwayWithoutAChoiceOnRightClickDocumentClickOrFocusLoss) {
    startKanji();
    auto convert = [&] {
        document(u"かんじ"_s, 0, 3);
        window->m_xf->trigger();
        ASSERT_TRUE(list()->isVisible());
    };

    convert();
    click(list()->viewport(), itemCentre(1), Qt::RightButton);
    EXPECT_FALSE(list()->isVisible());
    EXPECT_EQ(T1()->Text(), u"かんじ"_s);
    EXPECT_EQ(list()->currentRow(), -1);

    convert();
    sendMouse(T1()->viewport(), QEvent::MouseButtonPress, QPoint(3, 3), Qt::MiddleButton);
    EXPECT_FALSE(list()->isVisible());

    convert();
    window->T2->setFocus();
    EXPECT_FALSE(list()->isVisible());
    EXPECT_EQ(T1()->Text(), u"かんじ"_s);
}

TEST_F(ConversionUi, MouseReleasePlacesTheListInsideTheWindowNeverAtANegativePlace) {
    startKanji();
    const QSize size = list()->size();
    const QSize area = window->client()->size();
    ASSERT_GT(area.width(), size.width());
    ASSERT_GT(area.height(), size.height());

    // Near the top left: 200 twips right of and below the release.
    sendMouse(T1()->viewport(), QEvent::MouseButtonRelease, QPoint(10, 20), Qt::RightButton);
    EXPECT_EQ(list()->pos(), QPoint(twipsToPixels(150 + 200), twipsToPixels(300 + 200)));

    // Near the bottom right: flush against both edges of the client area; the menu's
    // conversion shows it there.
    sendMouse(T1()->viewport(), QEvent::MouseButtonRelease,
              QPoint(T1()->width() - 2, T1()->height() - 2), Qt::LeftButton);
    const QPoint flush(area.width() - size.width(), area.height() - size.height());
    EXPECT_EQ(list()->pos(), flush);
    document(u"かんじ"_s, 0, 3);
    window->m_xf->trigger();
    EXPECT_TRUE(list()->isVisible());
    EXPECT_EQ(list()->pos(), flush);
    list()->hide();

    // A window smaller than the list: its top-left corner stays in view.
    window->resize(60, 60);
    QApplication::processEvents();
    ASSERT_LT(window->client()->width(), size.width());
    ASSERT_LT(window->client()->height(), size.height());
    sendMouse(T1()->viewport(), QEvent::MouseButtonRelease, QPoint(0, 0), Qt::LeftButton);
    EXPECT_EQ(list()->pos(), QPoint(0, 0));
}

TEST_F(ConversionUi, StartupStopsWithoutTheMainDictionary) {
    QFile::remove(appFile(u"pukana.dic"_s));
    try {
        start();
        ADD_FAILURE() << "start-up went on without pukana.dic";
    } catch (const PukanaError& e) {
        EXPECT_TRUE(e.description().contains(u"pukana.dic"_s)) << e.description().toStdString();
    }
}

TEST_F(ConversionUi, DictionariesBeyondTheSlotsAreToldOnceAndTheRestStillConverts) {
    QString full;
    for (int n = 0; n < Dictionary::Capacity; ++n)
        full += u"よみ%1,語%1\r\n"_s.arg(n);
    startWith(full, u"かんじ,幹事\r\n"_s);
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_TRUE(platform.lastMessage().contains(u"pukana2.dic"_s));
    EXPECT_FALSE(platform.lastMessage().contains(u"pukana.dic"_s));
    EXPECT_EQ(state.DicLoaded, 1);
    EXPECT_EQ(window->conversion->dictionary().DicSecond().back(), u"語60000"_s);

    document(u"よみ60000"_s, 0, 7);
    window->m_xf->trigger();
    EXPECT_EQ(items(), (QStringList{u"ヨミ60000"_s, u"語60000"_s}));
}
