// The real Qt platform where it runs offscreen: message-box mapping, file filters and the
// clipboard; and the printer's remembered page width.
#include "core/formats/file_kinds.h"
#include "platform/page_width_cache.h"
#include "platform/qt_platform.h"
#include "platform/qt_printer.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace pukana;
using namespace Qt::StringLiterals;

namespace {

/// Processes events until `done` holds; false when it still does not after 20 s.
template <typename Condition> bool processEventsUntil(Condition done) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < 20000)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    return done();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

/// The printable width in points when the printing system is asked directly.
double askedWidth() {
    return QtPrinter(QString()).pageWidthTwipsReal() / 20;
}

} // namespace

TEST(QtPlatformMessages, DangerousQuestionDefaultsToNoAndClosingPicksTheSafeAnswer) {
    QMessageBox box;
    prepareMessageBox(box, MessageStyle::YesNoExclamationNo);
    EXPECT_EQ(box.standardButton(box.defaultButton()), QMessageBox::No);
    EXPECT_EQ(defaultResult(MessageStyle::YesNoExclamationNo), MessageResult::No);
    // Closed without a button: Cancel where there is one, else No, else OK.
    EXPECT_EQ(messageResultFor(-1, MessageStyle::YesNoCancelExclamation), MessageResult::Cancel);
    EXPECT_EQ(messageResultFor(-1, MessageStyle::YesNoQuestion), MessageResult::No);
    EXPECT_EQ(messageResultFor(-1, MessageStyle::OkExclamation), MessageResult::Ok);
}

TEST(QtPlatformFileDialog, FilterPairsBecomeNameFilters) {
    EXPECT_EQ(nameFilters(u"テキスト|*.txt;*.log|すべて|*.*"_s),
              QStringList({u"テキスト (*.txt *.log)"_s, u"すべて (*.*)"_s}));
    EXPECT_EQ(nameFilters(u"odd|*.a|dangling"_s), QStringList({u"odd (*.a)"_s}));
}

TEST(QtPlatformClipboard, PlainAndRichTextGoOutAndComeBack) {
    QtPlatform platform;
    platform.clipboardSet(u"かな"_s, QByteArrayLiteral("{\\rtf1 kana}"));
    const QMimeData* data = QApplication::clipboard()->mimeData();
    ASSERT_TRUE(data);
    for (const char* mime : {"text/rtf", "text/richtext", "application/rtf"})
        EXPECT_EQ(data->data(QLatin1StringView(mime)), "{\\rtf1 kana}") << mime;
    EXPECT_EQ(platform.clipboardText(), u"かな"_s);

    // Rich text from another program under any one of the names is found.
    auto* other = new QMimeData;
    other->setData(u"application/rtf"_s, "{\\rtf1 other}");
    QApplication::clipboard()->setMimeData(other);
    EXPECT_EQ(platform.clipboardRtf(), "{\\rtf1 other}");
    platform.clipboardSet(u"only text"_s, QByteArray());
    EXPECT_FALSE(platform.clipboardHasRtf());
}

TEST(QtPrinterPageWidth, RememberedWidthStandsInUntilThePrinterAnswers) {
    QTemporaryDir dir;
    const QString cache = dir.filePath(u"cache/pukana/page-width"_s);
    const double real = askedWidth();
    ASSERT_GT(real, 100);
    int changes = 0;
    const auto printerFor = [&](const QString& cached) {
        if (!cached.isEmpty())
            writeBytes(cache, cached.toUtf8());
        changes = 0;
        auto printer = std::make_unique<QtPrinter>(cache);
        printer->setPageWidthChangedHandler([&changes] { ++changes; });
        return printer;
    };
    { // The first run waits for the printing system and remembers its answer.
        auto printer = printerFor({});
        printer->lookUpPageAtStart();
        EXPECT_FALSE(printer->usesRememberedWidth());
        EXPECT_EQ(printer->pageWidthTwips(), int(real * 20));
        EXPECT_EQ(readCachedPageWidth(cache), real);
    }
    { // A later run lays out with the remembered width, and hears when the answer differs.
        auto printer = printerFor(QString::number(real - 100) + u'\n');
        printer->lookUpPageAtStart();
        EXPECT_TRUE(printer->usesRememberedWidth());
        EXPECT_DOUBLE_EQ(printer->pageWidthTwipsReal(), (real - 100) * 20);
        QApplication::processEvents();
        EXPECT_TRUE(printer->usesRememberedWidth()); // not asked until the window is painted
        printer->lookUpPageSoon();
        ASSERT_TRUE(processEventsUntil([&changes] { return changes > 0; }));
        EXPECT_DOUBLE_EQ(printer->pageWidthTwipsReal(), real * 20);
        EXPECT_EQ(readCachedPageWidth(cache), real);
    }
    // A printer gone before its answer arrives drops it.
    printerFor(QString::number(real + 50))->lookUpPageSoon();
    QApplication::processEvents();
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(readCachedPageWidth(cache), real);
}

TEST(QtPrinterPageWidth, NonsenseInTheCacheIsIgnoredAndAnUnwritableOneIsNoError) {
    QTemporaryDir dir;
    const double real = askedWidth();
    const QString tooLong = u"510"_s + QString(100, u' ');
    const QString contents[] = {u"abc"_s, u"-5"_s, u"nan"_s, u"1e9"_s, u"510 pt"_s, tooLong};
    for (const QString& text : contents) {
        const QString cache = dir.filePath(u"pukana/page-width"_s);
        writeBytes(cache, text.toUtf8());
        QtPrinter printer(cache);
        printer.lookUpPageAtStart();
        EXPECT_DOUBLE_EQ(printer.pageWidthTwipsReal(), real * 20) << text.toStdString();
        EXPECT_EQ(readCachedPageWidth(cache), real) << text.toStdString();
    }

    // A folder in the file's place, and a file in its folder's place.
    writeBytes(dir.filePath(u"file"_s), "x");
    QDir(dir.path()).mkpath(u"folder/page-width"_s);
    for (const QString& cache :
         {dir.filePath(u"folder/page-width"_s), dir.filePath(u"file/page-width"_s)}) {
        QtPrinter printer(cache);
        printer.lookUpPageAtStart();
        EXPECT_EQ(readCachedPageWidth(cache), std::nullopt);
    }
}
