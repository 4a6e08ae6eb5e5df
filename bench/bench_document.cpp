// Opening and saving plain-text documents: the decode into document text and the encode back,
// for a 2 MB (about 20,000 lines) and a 10 MB (about 100,000 lines) Shift_JIS file.
#include "document/plain_text.h"
#include "platform/cp932.h"

#include <benchmark/benchmark.h>

using namespace pukana;

namespace {

// About 100 bytes of novel-like Shift_JIS per line, varied a little from line to line.
QByteArray novel(qsizetype targetBytes) {
    const QString sentences[] = {
        QStringLiteral("吾輩は猫である。名前はまだ無い。どこで生れたかとんと見当がつかぬ。"),
        QStringLiteral("何でも薄暗いじめじめした所でニャーニャー泣いていた事だけは記憶している。"),
        QStringLiteral("Chapter 1: ｶﾀｶﾅ and ASCII, 1234567890; ①②③ ㈱ 髙﨑 "),
    };
    QByteArray lines[3];
    for (int i = 0; i < 3; ++i)
        lines[i] = cp932::encode(sentences[i]) + cp932::encode(sentences[(i + 1) % 3]).left(30);
    QByteArray bytes;
    bytes.reserve(targetBytes + 200);
    for (int n = 0; bytes.size() < targetBytes; ++n) {
        bytes += lines[n % 3];
        bytes += "\r\n";
    }
    return bytes;
}

void BM_DecodeForOpening(benchmark::State& state) {
    const QByteArray bytes = novel(state.range(0) << 20);
    for (auto _ : state) {
        QString text = decodePlainText(bytes);
        benchmark::DoNotOptimize(text.constData());
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
    state.counters["lines"] = double(bytes.count('\n'));
}

void BM_EncodeForSaving(benchmark::State& state) {
    const QString text = decodePlainText(novel(state.range(0) << 20));
    qsizetype size = 0;
    for (auto _ : state) {
        EncodedPlainText e = encodePlainText(text);
        size = e.bytes.size();
        benchmark::DoNotOptimize(e.bytes.constData());
    }
    state.SetBytesProcessed(state.iterations() * size);
}

} // namespace

BENCHMARK(BM_DecodeForOpening)->Arg(2)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EncodeForSaving)->Arg(2)->Arg(10)->Unit(benchmark::kMillisecond);
