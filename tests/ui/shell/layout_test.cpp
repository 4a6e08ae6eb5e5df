#include "core/twips.h"
#include "tests/support/window_fixture.h"

#include <QEventLoop>
#include <QTimer>

using namespace pukana;

using WindowLayout = test::WindowFixture;

TEST_F(WindowLayout, AtItsSmallestTheWindowKeepsEveryKeyWhole) {
    start();
    window->show();
    if (!action("M_KB")->isChecked())
        action("M_KB")->trigger();
    if (!action("m_toolbar")->isChecked())
        action("m_toolbar")->trigger();
    window->resize(200, 150);
    QApplication::processEvents();
    const QRect client = window->clientArea()->rect();
    const QList<QPushButton*> keys = widget("F1")->findChildren<QPushButton*>();
    ASSERT_GT(keys.size(), 105);
    for (QPushButton* key : keys) {
        if (!key->isVisible())
            continue;
        EXPECT_TRUE(
            client.contains(QRect(key->mapTo(window->clientArea(), QPoint(0, 0)), key->size())))
            << key->text().toStdString();
    }
}

TEST_F(WindowLayout, PageIsLookedUpAfterThePaintAndALateWidthMovesMarkerAndWrap) {
    test::RecordingPrinter& printer = platform.recordingPrinter;
    start();
    // Start-up lays out with the widths it has; the printer is asked only once painted.
    EXPECT_EQ(printer.lookUpSoonCalls, 0);
    QEventLoop settle;
    QTimer::singleShot(500, &settle, &QEventLoop::quit);
    settle.exec();
    EXPECT_EQ(printer.lookUpSoonCalls, 1);

    ASSERT_FALSE(action("M_Wrap")->isChecked()); // wrapping at the page width
    const QWidget* marker = widget("P3");
    EXPECT_EQ(marker->x(), twipsToPixels(printer.widthTwipsReal + 400));
    EXPECT_EQ(documentView()->wrapWidth(), printer.widthTwips);

    printer.answerLate(8000);
    EXPECT_EQ(documentView()->wrapWidth(), 8000);

    // A window that is gone no longer hears of the printer.
    window.reset();
    printer.answerLate(10000);
}
