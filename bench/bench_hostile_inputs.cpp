// Inputs of unusual shape that once kept the window from answering for minutes: one line of
// a million letters, a paragraph of 200,000 format changes, tens of thousands of fonts,
// millions of empty groups. Each is opened in the real main window until its first screen is
// shown and a typed key has been taken; the reader alone is measured on the largest ones.
#include "bench/bench_window.h"
#include "core/formats/rtf_reader.h"

#include <QApplication>
#include <QTextDocument>

#include <benchmark/benchmark.h>

using namespace pukana;

namespace {

QByteArray repeated(QByteArrayView piece, qsizetype times) {
    QByteArray out;
    out.reserve(piece.size() * times);
    for (qsizetype i = 0; i < times; ++i)
        out.append(piece);
    return out;
}

/// A font table of `fonts` entries "{\fN FontN;}" and a word of text.
QByteArray manyFonts(int fonts) {
    QByteArray out = "{\\rtf1\\ansi{\\fonttbl";
    for (int i = 0; i < fonts; ++i)
        out += "{\\f" + QByteArray::number(i) + " Font" + QByteArray::number(i) + ";}";
    return out + "}hello}";
}

/// The same, the text using each font for a letter.
QByteArray manyFontsUsed(int fonts) {
    QByteArray out = manyFonts(fonts);
    out.chop(6); // "hello}"
    for (int i = 0; i < fonts; ++i)
        out += "{\\f" + QByteArray::number(i) + " x}";
    return out + "}";
}

QByteArray sample(int kind) {
    switch (kind) {
    case 0:
        return QByteArray(1 << 20, 'a'); // one line of a plain text
    case 5:
        return QByteArray(2 << 20, 'a');
    case 1:
        return "{\\rtf1\\ansi " + repeated("{\\b x}{\\i y}", 100000) + "}";
    case 2:
        return manyFonts(20000);
    case 3:
        return manyFontsUsed(20000);
    default:
        return "{\\rtf1\\ansi " + repeated("{x}", 3000000) + "}";
    }
}

const char* const kSampleNames[] = {"1MB_one_line.txt", "bold_italic_200k.rtf",
                                    "fonts_20k.rtf",    "fonts_20k_used.rtf",
                                    "groups_3M.rtf",    "2MB_one_line.txt"};

using Editor = bench::ShownEditor;

void BM_OpenShownAndAnswering(benchmark::State& st) {
    const int kind = int(st.range(0));
    Editor e;
    const QByteArray bytes = sample(kind);
    const QString path = e.write(QString::fromLatin1(kSampleNames[kind]), bytes);
    st.SetLabel(kSampleNames[kind]);
    for (auto _ : st) {
        e.files->open(path);
        QApplication::processEvents(); // first screen painted
        e.view->typeKeys(QStringLiteral("あ"));
        QApplication::processEvents();
        st.PauseTiming(); // the next open starts from an empty document
        e.files->newDocument();
        QApplication::processEvents();
        st.ResumeTiming();
    }
    if (e.view->textLength() != 0)
        st.SkipWithError("the new document is not empty");
    st.SetBytesProcessed(st.iterations() * bytes.size());
}

/// The reader alone, on inputs twice and four times as large: its time per byte stays the same.
void BM_ReadManyFonts(benchmark::State& st) {
    const QByteArray rtf = manyFonts(int(st.range(0)));
    for (auto _ : st) {
        QTextDocument doc;
        rtf::read(rtf, doc);
        benchmark::DoNotOptimize(doc.characterCount());
    }
    st.SetBytesProcessed(st.iterations() * rtf.size());
}

void BM_ReadManyFontsUsed(benchmark::State& st) {
    const QByteArray rtf = manyFontsUsed(int(st.range(0)));
    for (auto _ : st) {
        QTextDocument doc;
        rtf::read(rtf, doc);
        benchmark::DoNotOptimize(doc.characterCount());
    }
    st.SetBytesProcessed(st.iterations() * rtf.size());
}

/// The reader alone on the two RTF inputs of many groups: what the window waits for before
/// it lays the paragraph out.
void BM_ReadManyGroups(benchmark::State& st) {
    const int kind = int(st.range(0));
    const QByteArray rtf = sample(kind);
    st.SetLabel(kSampleNames[kind]);
    for (auto _ : st) {
        QTextDocument doc;
        rtf::read(rtf, doc);
        benchmark::DoNotOptimize(doc.characterCount());
    }
    st.SetBytesProcessed(st.iterations() * rtf.size());
}

} // namespace

BENCHMARK(BM_ReadManyGroups)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_OpenShownAndAnswering)->DenseRange(0, 5)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_ReadManyFonts)->Arg(100000)->Arg(200000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_ReadManyFontsUsed)
    ->Arg(50000)
    ->Arg(200000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
