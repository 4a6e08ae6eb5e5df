// Decoding and encoding 10 MB of Japanese text in code page 932.
#include "core/formats/cp932.h"

#include <benchmark/benchmark.h>

namespace {

constexpr qsizetype TenMegabytes = 10 * 1024 * 1024;

// Ordinary Japanese prose with some ASCII, half-width katakana and line ends.
const QString& japaneseText() {
    static const QString text = [] {
        const QString line = QStringLiteral(
            "きょうは、よいてんきです。漢字とかなをまぜた文章を、ファイルに保存します。"
            "Pukana 1.04 ｶﾀｶﾅ ①Ⅱ～（全角）\r\n");
        const qsizetype lineBytes = pukana::cp932::encode(line).size();
        QString all;
        all.reserve(TenMegabytes / lineBytes * line.size() + line.size());
        for (qsizetype n = 0; n < TenMegabytes; n += lineBytes)
            all += line;
        return all;
    }();
    return text;
}

void BM_Decode(benchmark::State& state) {
    const QByteArray bytes = pukana::cp932::encode(japaneseText());
    for (auto _ : state)
        benchmark::DoNotOptimize(pukana::cp932::decode(bytes));
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_Decode)->Unit(benchmark::kMillisecond);

void BM_Encode(benchmark::State& state) {
    const QString& text = japaneseText();
    const qsizetype size = pukana::cp932::encode(text).size();
    for (auto _ : state)
        benchmark::DoNotOptimize(pukana::cp932::encode(text));
    state.SetBytesProcessed(state.iterations() * size);
}
BENCHMARK(BM_Encode)->Unit(benchmark::kMillisecond);

void BM_CountUnencodable(benchmark::State& state) {
    const QString& text = japaneseText();
    for (auto _ : state)
        benchmark::DoNotOptimize(pukana::cp932::countUnencodable(text));
}
BENCHMARK(BM_CountUnencodable)->Unit(benchmark::kMillisecond);

} // namespace
