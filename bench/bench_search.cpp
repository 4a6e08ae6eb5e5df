// Searching a 10 MB document for a text it does not hold: the whole text is scanned (and
// upper-cased for the case-insensitive search). Target: under 100 ms per search.
#include "core/search/find_core.h"

#include "bench/bench_support.h"

#include <benchmark/benchmark.h>

using namespace pukana::search;

namespace {

// Japanese prose with Latin words and line breaks: 10 Mi characters, more than a 10 MB file
// (at one or two bytes a character) can hold.
const QString& document() {
    static const QString text = pukana::bench::searchableProse(10 * 1024 * 1024);
    return text;
}

const QString Missing = QStringLiteral("みつからないABC");

void findDown(benchmark::State& state) {
    const QString& text = document();
    const bool matchCase = state.range(0) != 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(findNext(text, 0, Missing, matchCase));
    state.SetBytesProcessed(state.iterations() * text.size() * 2);
}

void findUp(benchmark::State& state) {
    const QString& text = document();
    const bool matchCase = state.range(0) != 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(findPrev(text, text.size(), Missing, matchCase));
    state.SetBytesProcessed(state.iterations() * text.size() * 2);
}

} // namespace

BENCHMARK(findDown)->ArgName("matchCase")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(findUp)->ArgName("matchCase")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
