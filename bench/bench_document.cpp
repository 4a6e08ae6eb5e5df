// Opening and saving plain-text documents: the decode into document text and the encode back,
// for a 2 MB (about 20,000 lines) and a 10 MB (about 100,000 lines) Shift_JIS file.
#include "core/formats/plain_text.h"
#include "core/formats/cp932.h"

#include "bench/bench_support.h"

#include <benchmark/benchmark.h>

using namespace pukana;

namespace {

using bench::novelShiftJis;

void BM_DecodeForOpening(benchmark::State& state) {
    const QByteArray bytes = novelShiftJis(state.range(0) << 20);
    for (auto _ : state) {
        QString text = decodePlainText(bytes);
        benchmark::DoNotOptimize(text.constData());
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
    state.counters["lines"] = double(bytes.count('\n'));
}

void BM_EncodeForSaving(benchmark::State& state) {
    const QString text = decodePlainText(novelShiftJis(state.range(0) << 20));
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
