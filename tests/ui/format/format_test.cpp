// The font dialog, typeface and alignment commands, and printing the document.
#include "core/error.h"
#include "core/formats/text_file.h"
#include "platform/qt_printer.h"
#include "tests/support/window_fixture.h"
#include "ui/widgets/image_button.h"
#include "ui/widgets/rich_text_box.h"

#include <QAction>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTextBlock>
#include <QTextLayout>

using namespace pukana;

class Format : public test::WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        document().setPath(QStringLiteral("/docs/memo.rtf"));
        documentView()->setDocumentText(QStringLiteral("太字と普通\n二段目"));
        document().setModified(false);
    }
    RichTextBox& box() { return *documentView(); }
    void select(int start, int length) {
        box().setCaretPosition(start);
        box().setSelectionLength(length);
    }
    bool centred(int paragraph) {
        return box().document()->findBlockByNumber(paragraph).blockFormat().alignment() &
               Qt::AlignHCenter;
    }
    test::RecordingPrinter& printer() { return platform.recordingPrinter; }
    const QList<Pointer> balanced{Pointer::Hourglass, Pointer::Default};
};

TEST_F(Format, FontDialogAndAlignmentPictures) {
    select(0, 2);
    box().setSelectionFontSize(20);
    document().setModified(false);
    action("m_font")->trigger(); // nothing scripted: Cancel
    EXPECT_EQ(platform.fontRequests.at(0).size, 20);
    EXPECT_FALSE(document().isModified());
    // OK with exactly the seeded values still counts as a change.
    platform.fontAnswers.push_back(platform.fontRequests[0]);
    action("m_font")->trigger();
    EXPECT_TRUE(document().isModified());
    EXPECT_EQ(box().selectionFontSize(), 20) << "the 3-point reset must not remain";

    // Bold is mixed over 太字と普通: the dialog shows its last state, OK sets it throughout.
    FontChoice mincho{QStringLiteral("ＭＳ 明朝"), 15, true, true, true, true, 0xFF00};
    platform.fontAnswers.push_back(mincho);
    action("m_font")->trigger();
    mincho.bold = false;
    platform.fontAnswers.push_back(mincho);
    select(0, 5);
    action("m_font")->trigger();
    EXPECT_TRUE(platform.fontRequests.at(3).bold);
    EXPECT_EQ(box().selectionBold(), std::optional<bool>(false));
    EXPECT_EQ(box().selectionColour(), 0x00FF00u);

    // Alignment acts on whole paragraphs in rich text and beeps in plain text.
    select(1, 2);
    document().setModified(false);
    Q_EMIT widget<ImageButton>("I_cnt")->clicked();
    EXPECT_TRUE(centred(0) && !centred(1));
    EXPECT_TRUE(document().isModified()); // an alignment is a change to save
    document().setPath(QStringLiteral("/docs/memo.txt"));
    Q_EMIT widget<ImageButton>("I_rt")->clicked();
    EXPECT_EQ(platform.beeps, 1);
}

TEST_F(Format, PrintsSelectionOrWholeDocumentAndReportsFailuresOnce) {
    select(6, 3);
    printer().endFailures = {err::PathFileAccess, 0}; // fails once, then ends
    action("M_Printer")->trigger();
    select(0, 0);
    action("M_Printer")->trigger();
    EXPECT_EQ(printer().printedTexts,
              QStringList({QStringLiteral("二段目"), box().documentText()}));
    EXPECT_TRUE(platform.messages.isEmpty() && !document().isModified());
    EXPECT_EQ(platform.pointerChanges, balanced + balanced);

    // Three failed endings give one message with the last description.
    printer().endFailures = {err::PathFileAccess, err::DiskFull, err::PermissionDenied, 0};
    action("M_Printer")->trigger();
    EXPECT_EQ(printer().endCalls, 6);
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_EQ(platform.messages[0].text, errorDescription(err::PermissionDenied));

    // No printer: said so, nothing printed, the pointer left as it was.
    printer().isInstalled = false;
    const int changes = int(platform.pointerChanges.size());
    action("M_Printer")->trigger();
    ASSERT_EQ(platform.messages.size(), 2);
    EXPECT_TRUE(platform.messages[1].text.contains(QStringLiteral("プリンタ")));
    EXPECT_EQ(printer().printedTexts.size(), 3);
    EXPECT_EQ(platform.pointerChanges.size() - changes, 0);
}

TEST_F(Format, RendersToPdfAtTheWrapWidthAcrossPages) {
    const QString pdf = appFile(QStringLiteral("out.pdf"));
    QtPrinter qtPrinter;
    qtPrinter.setPdfOutput(pdf);
    platform.printerOverride = &qtPrinter;
    QString text = QString(300, u'あ'); // one long paragraph, then lines for several pages
    for (int i = 1; i <= 120; ++i)
        text += QStringLiteral("\nぎょう%1").arg(i);
    box().setDocumentText(text);
    box().setWrapWidth(qtPrinter.pageWidthTwips()); // the page-width wrap
    action("M_Printer")->trigger();
    EXPECT_TRUE(platform.messages.isEmpty()) << platform.lastMessage().toStdString();

    const QString bytes = QString::fromLatin1(readWholeFile(pdf));
    const auto pages = bytes.count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b")));
    EXPECT_TRUE(pages >= 3 && pages <= 6) << pages;

    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    QProcess run;
    run.start(QStringLiteral("pdftotext"),
              {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(run.waitForFinished(60000));
    const QString printed = QString::fromUtf8(run.readAllStandardOutput());
    EXPECT_TRUE(printed.contains(QStringLiteral("ぎょう1\n")) && printed.contains(u"ぎょう120"));
    EXPECT_EQ(printed.count(u'\f'), pages);
    // The long paragraph breaks into as many printed lines as the editor shows.
    const int screenLines = box().document()->firstBlock().layout()->lineCount();
    EXPECT_EQ(printed.count(
                  QRegularExpression(QStringLiteral("^あ+$"), QRegularExpression::MultilineOption)),
              screenLines);
}
