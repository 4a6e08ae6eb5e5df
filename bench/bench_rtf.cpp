// Reading and writing a 5 MB Rich Text Format document of Japanese text with mixed
// character and paragraph formatting.
#include "core/document/document_session.h"
#include "core/formats/rtf_reader.h"
#include "core/formats/rtf_writer.h"
#include "core/formats/text_file.h"
#include "ui/widgets/rich_text_box.h"

#include <QApplication>
#include <QTemporaryDir>

#include <QTextCursor>
#include <QTextDocument>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr qsizetype FiveMegabytes = 5 * 1024 * 1024;

QTextCharFormat runFormat(int kind) {
    QTextCharFormat f;
    f.setFontFamilies(QStringList{kind == 3 ? QStringLiteral("Times New Roman")
                                            : QStringLiteral("ＭＳ ゴシック")});
    f.setFontPointSize(kind == 2 ? 16 : 12);
    f.setFontWeight(kind == 1 ? QFont::Bold : QFont::Normal);
    f.setFontItalic(kind == 3);
    f.setFontUnderline(kind == 4);
    if (kind == 2)
        f.setForeground(QColor(0xc0, 0x20, 0x20));
    return f;
}

// Paragraphs of prose in runs of five formats, alignments changing now and then, until the
// written RTF reaches 5 MB.
const QTextDocument& sampleDocument() {
    static QTextDocument* doc = [] {
        auto* d = new QTextDocument;
        d->setUndoRedoEnabled(false);
        const QString runs[] = {
            QStringLiteral("きょうは、よいてんきです。"),
            QStringLiteral("漢字とかなを"),
            QStringLiteral("まぜた文章を、ファイルに保存します。"),
            QStringLiteral("Pukana 1.04 "),
            QStringLiteral("ｶﾀｶﾅ ①Ⅱ～（全角）"),
        };
        QTextCursor c(d);
        const Qt::Alignment alignments[] = {Qt::AlignLeft, Qt::AlignLeft, Qt::AlignHCenter,
                                            Qt::AlignRight, Qt::AlignJustify};
        int paragraph = 0;
        qsizetype estimate = 0;
        while (estimate < FiveMegabytes) {
            if (paragraph > 0)
                c.insertBlock();
            QTextBlockFormat b;
            b.setAlignment(alignments[paragraph % 5]);
            c.setBlockFormat(b);
            for (int line = 0; line < 3; ++line)
                for (int k = 0; k < 5; ++k)
                    c.insertText(runs[k], runFormat(k));
            ++paragraph;
            if (paragraph % 200 == 0)
                estimate = pukana::rtf::write(*d).size();
        }
        return d;
    }();
    return *doc;
}

const QByteArray& sampleRtf() {
    static const QByteArray rtf = pukana::rtf::write(sampleDocument());
    return rtf;
}

void BM_ReadRtf(benchmark::State& state) {
    const QByteArray& rtf = sampleRtf();
    for (auto _ : state) {
        auto doc = std::make_unique<QTextDocument>();
        pukana::rtf::read(rtf, *doc);
        benchmark::DoNotOptimize(doc->characterCount());
        state.PauseTiming(); // throwing the document away is not part of reading
        doc.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * rtf.size());
}
BENCHMARK(BM_ReadRtf)->Unit(benchmark::kMillisecond);

void BM_WriteRtf(benchmark::State& state) {
    const QTextDocument& doc = sampleDocument();
    const qsizetype size = sampleRtf().size();
    for (auto _ : state)
        benchmark::DoNotOptimize(pukana::rtf::write(doc));
    state.SetBytesProcessed(state.iterations() * size);
}
BENCHMARK(BM_WriteRtf)->Unit(benchmark::kMillisecond);

// Opening the file in the editor's document control until its first screen is shown.
void BM_OpenRtfInEditor(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("five.rtf"));
    pukana::writeFileSafely(path, sampleRtf());
    for (auto _ : state) {
        auto document = std::make_unique<pukana::DocumentSession>();
        auto box = std::make_unique<pukana::RichTextBox>(*document);
        box->resize(702, 300);
        box->show();
        document->loadRichText(path, box->baseFont());
        QCoreApplication::processEvents();
        box->repaint();
        benchmark::DoNotOptimize(box->textLength());
        state.PauseTiming(); // closing the editor is not part of opening
        box.reset();
        document.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenRtfInEditor)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
