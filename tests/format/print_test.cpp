#include "format/print_command.h"
#include "platform/error.h"
#include "platform/qt_printer.h"
#include "platform/rich_text_box.h"
#include "tests/support/window_fixture.h"

#include <QAction>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTextBlock>
#include <QTextLayout>

using namespace pukana;

class Printing : public test::WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        window->setWindowTitle(QStringLiteral("/docs/memo.rtf"));
        window->T1->SetText(QStringLiteral("一行目\n二行目"));
        state.Modified = false;
    }
    void print() { window->M_Printer->trigger(); }
    test::RecordingPrinter& printer() { return platform.recordingPrinter; }
    const QList<int> balanced{pointer::Hourglass, pointer::Default};
};

TEST_F(Printing, SelectionOrWholeDocumentWithTheHourglassAndNoChange) {
    window->T1->SetSelStart(4);
    window->T1->SetSelLength(3);
    printer().endFailures = {err::PathFileAccess, 0}; // fails once, then ends
    print();
    window->T1->SetSelStart(0);
    state.Modified = true;
    print();
    EXPECT_EQ(printer().printedTexts,
              QStringList({QStringLiteral("二行目"), QStringLiteral("一行目\n二行目")}));
    EXPECT_EQ(printer().endCalls, 3);
    EXPECT_TRUE(platform.messages.isEmpty());
    EXPECT_EQ(platform.pointerChanges, balanced + balanced);
    EXPECT_TRUE(state.Modified);
}

TEST_F(Printing, ThreeFailedEndingsGiveOneMessageWithTheLastDescription) {
    printer().endFailures = {err::PathFileAccess, err::DiskFull, err::PermissionDenied, 0};
    print();
    EXPECT_EQ(printer().endCalls, 3);
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_EQ(platform.messages[0].text, errorDescription(err::PermissionDenied));
    EXPECT_EQ(platform.messages[0].style, msg::Ok);
    EXPECT_EQ(platform.pointerChanges, balanced);
    EXPECT_FALSE(state.Modified);
}

TEST_F(Printing, MissingPrinterOrFailedRenderingIsReported) {
    printer().isInstalled = false;
    print();
    printer().isInstalled = true;
    printer().printFailures = {err::PathFileAccess};
    print();
    ASSERT_EQ(platform.messages.size(), 2);
    EXPECT_EQ(platform.messages[0].text, noPrinterMessage());
    EXPECT_EQ(platform.messages[1].text, errorDescription(err::PathFileAccess));
    EXPECT_EQ(platform.pointerChanges, balanced);
    EXPECT_EQ(printer().endCalls, 0) << "no job to end";
}

TEST_F(Printing, RendersToPdfAtTheWrapWidthAcrossPages) {
    const QString pdf = appFile(QStringLiteral("out.pdf"));
    QtPrinter qtPrinter;
    qtPrinter.setPdfOutput(pdf);
    platform.printerOverride = &qtPrinter;
    QString text = QString(300, u'あ'); // one long paragraph, then lines for several pages
    for (int i = 1; i <= 120; ++i)
        text += QStringLiteral("\nぎょう%1").arg(i);
    window->T1->SetText(text);
    window->T1->SetRightMargin(qtPrinter.pageWidthTwips()); // the page-width wrap
    print();
    EXPECT_TRUE(platform.messages.isEmpty()) << platform.lastMessage().toStdString();

    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString bytes = QString::fromLatin1(file.readAll());
    ASSERT_TRUE(bytes.startsWith(QStringLiteral("%PDF")));
    const auto pages = bytes.count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b")));
    EXPECT_GE(pages, 3);
    EXPECT_LE(pages, 6);

    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    QProcess run;
    run.start(QStringLiteral("pdftotext"),
              {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(run.waitForFinished(60000));
    const QString printed = QString::fromUtf8(run.readAllStandardOutput());
    EXPECT_TRUE(printed.contains(QStringLiteral("ぎょう1\n")));
    EXPECT_TRUE(printed.contains(QStringLiteral("ぎょう120")));
    EXPECT_EQ(printed.count(u'\f'), pages);
    // The long paragraph breaks into as many printed lines as the editor shows.
    const int screenLines = window->T1->document()->firstBlock().layout()->lineCount();
    ASSERT_GT(screenLines, 1);
    EXPECT_EQ(printed.count(
                  QRegularExpression(QStringLiteral("^あ+$"), QRegularExpression::MultilineOption)),
              screenLines);
}
