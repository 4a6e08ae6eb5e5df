// The font dialog, typeface and alignment commands, and printing the document.
#include "core/error.h"
#include "core/formats/text_file.h"
#include "platform/qt_printer.h"
#include "tests/support/window_fixture.h"
#include "ui/dialogs/font_dialog.h"
#include "ui/widgets/image_button.h"

#include <QFontDatabase>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTextBlock>
#include <QTextCursor>
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
    bool centred(int paragraph) {
        return box().document()->findBlockByNumber(paragraph).blockFormat().alignment() &
               Qt::AlignHCenter;
    }
    test::RecordingPrinter& printer() { return platform.recordingPrinter; }
    /// Dark pixels of Japanese text drawn in `font`.
    static int inkOf(QFont font) {
        font.setPixelSize(32);
        QImage image(240, 48, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(image.rect(), Qt::AlignCenter, QStringLiteral("日本語の太字"));
        painter.end();
        int ink = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                ink += qGray(image.pixel(x, y)) < 128;
        return ink;
    }
    const QList<Pointer> balanced{Pointer::Hourglass, Pointer::Default};
};

TEST_F(Format, FontDialogAppliesOnOkOnlyAndAlignmentTheWholeParagraph) {
    select(0, 2);
    box().setSelectionFontSize(20);
    document().setModified(false);
    action("m_font")->trigger(); // nothing scripted: Cancel
    EXPECT_EQ(platform.fontRequests.at(0).size, 20.0);
    EXPECT_FALSE(document().isModified());
    // OK with exactly the seeded values still counts as a change.
    platform.fontAnswers.push_back(platform.fontRequests[0]);
    action("m_font")->trigger();
    EXPECT_TRUE(document().isModified());
    EXPECT_EQ(box().selectionFontSize(), 20) << "the 3-point reset must not remain";
    FontChoice mincho{QStringLiteral("ＭＳ 明朝"), 15, true, true, true, true, 0xFF00};
    platform.fontAnswers.push_back(mincho);
    select(0, 5);
    action("m_font")->trigger();
    EXPECT_EQ(box().selectionColour(), 0x00FF00u);

    // Alignment acts on whole paragraphs in rich text.
    select(1, 2);
    document().setModified(false);
    Q_EMIT widget<ImageButton>("I_cnt")->clicked();
    EXPECT_TRUE(centred(0) && !centred(1));
    EXPECT_TRUE(document().isModified()); // an alignment is a change to save
}

TEST_F(Format, FontDialogIsSeededFromTheSelectionsOwnCharacters) {
    // 太字 bold, 20 points, red; と普通 plain, 12 points; the document's own face throughout.
    select(0, 2);
    box().setSelectionFontSize(20);
    box().setSelectionBold(true);
    box().setSelectionColour(0x0000FF);
    select(2, 3);
    box().setSelectionFontSize(12);
    const auto seedOf = [&] {
        action("m_font")->trigger(); // cancelled
        return platform.fontRequests.last();
    };
    select(0, 2);
    EXPECT_EQ(seedOf(), (FontChoice{box().baseFont().family(), 20, true, false, false, false,
                                    quint32(0x0000FF)}));
    // The keyboard's <S makes a backward selection of と普通: the seed is its own start, not
    // the bold character before it.
    select(5, 0);
    for (int i = 0; i < 3; ++i)
        button("b_selm")->click();
    ASSERT_EQ(box().selectedText(), QStringLiteral("と普通"));
    EXPECT_EQ(seedOf(),
              (FontChoice{box().baseFont().family(), 12, false, false, false, false, quint32(0)}));
    // Over both runs, what differs is empty and the rest is known.
    select(0, 5);
    const FontChoice mixed = seedOf();
    EXPECT_FALSE(mixed.bold || mixed.size || mixed.color);

    // OK after setting only italic: the mixed attributes stay as each character had them.
    FontChoice italic = mixed;
    italic.italic = true;
    platform.fontAnswers.push_back(italic);
    action("m_font")->trigger();
    select(0, 2);
    EXPECT_EQ(seedOf(), (FontChoice{box().baseFont().family(), 20, true, true, false, false,
                                    quint32(0x0000FF)}));
}

TEST_F(Format, OkWithoutChangesKeepsTheSavedRunsByteForByte) {
    const QString path = appFile(QStringLiteral("runs.rtf"));
    document().setPath(path);
    // Runs in a substitute face, a colour outside the basic sixteen, a mixed size and bold.
    select(0, 2);
    box().setSelectionFontName(QStringLiteral("ＭＳ 明朝"));
    box().setSelectionBold(true);
    box().setSelectionColour(0x336699);
    select(3, 4);
    box().setSelectionFontSize(10.5);
    box().setSelectionUnderline(true);
    const auto saved = [&] {
        document().setModified(true);
        action("M_Save")->trigger();
        return readWholeFile(path);
    };
    const QByteArray before = saved();
    // The editor's own dialog, confirmed as it opens.
    platform.onFontDialog = [this](const FontChoice& seed) {
        FontDialog dialog(seed, window.get());
        return std::optional<FontChoice>(dialog.choice());
    };
    for (const auto& [start, length] : {std::pair{0, 2}, {0, 9}, {3, 1}}) {
        select(start, length);
        action("m_font")->trigger();
        EXPECT_EQ(saved(), before) << start << "+" << length;
    }
}

TEST_F(Format, BoldOnJapaneseTextInIpaFacesShowsAndIsSaved) {
    box().setDocumentText(QStringLiteral("日本語の太字"));
    for (const QString& face : {QStringLiteral("IPAGothic"), QStringLiteral("IPAMincho")}) {
        if (!QFontDatabase::hasFamily(face))
            GTEST_SKIP() << face.toStdString() << " is not installed";
        select(0, 6);
        platform.fontAnswers.push_back(FontChoice{face, {}, true, {}, {}, {}, {}});
        action("m_font")->trigger();
        EXPECT_TRUE(QString::fromLatin1(box().richText())
                        .contains(QRegularExpression(QStringLiteral("\\\\b[^a-z]"))));
        // The face has one style: the bold is drawn by thickening, visibly.
        QTextCursor cursor(box().document());
        cursor.setPosition(1);
        QFont bold = cursor.charFormat().font();
        ASSERT_EQ(bold.family(), face);
        QFont regular = bold;
        regular.setBold(false);
        EXPECT_GT(inkOf(bold), inkOf(regular) * 1.15) << face.toStdString();
        box().setDocumentText(QStringLiteral("日本語の太字"));
    }
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

TEST_F(Format, DocumentsSkipShapingOnlyWhileNothingNeedsIt) {
    const QString novel = QStringLiteral("吾輩は猫である。\n名前はまだ無い。ABC 123");
    box().setBaseFont(QFont(QStringLiteral("IPAGothic"), 12));
    const auto reopen = [&] {
        box().setDocumentText(novel);
        box().setCaretPosition(box().textLength());
        return box().shapingSkipped();
    };
    ASSERT_TRUE(reopen());
    const QByteArray savedUnshaped = box().richText();

    box().typeKeys(QStringLiteral("あ{BS}"));
    EXPECT_TRUE(box().shapingSkipped());
    box().replaceSelection(QStringLiteral("e\u0301")); // a combining mark needs shaping
    EXPECT_FALSE(box().shapingSkipped());
    select(novel.size(), 2);
    box().replaceSelection(QString());
    EXPECT_EQ(box().richText(), savedUnshaped); // the same document saves the same bytes
}
