// Start-up load of the shipped dictionary plus a full user dictionary, and one conversion
// scanning all 60001 slots.
#include "core/conversion/dictionary.h"
#include "core/conversion/henkan_core.h"

#include "core/formats/cp932.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

// A folder holding the shipped pukana.dic and a pukana2.dic of 10,001 pairs, which together
// fill every slot.
const QTemporaryDir& dictionaryFolder() {
    static const QTemporaryDir dir = [] {
        QTemporaryDir d;
        QFile::copy(QStringLiteral(PUKANA_SOURCE_DIR "/data/pukana.dic"),
                    d.filePath(u"pukana.dic"_s));
        QString user;
        for (int n = 0; n < 10001; ++n)
            user += u"ようご%1,用語%1\r\n"_s.arg(n);
        QFile file(d.filePath(u"pukana2.dic"_s));
        if (file.open(QIODevice::WriteOnly))
            file.write(pukana::cp932::encode(user));
        return d;
    }();
    return dir;
}

void BM_Dicread(benchmark::State& state) {
    const QString path = dictionaryFolder().path();
    int pairs = 0;
    for (auto _ : state) {
        pukana::Dictionary dic;
        pairs = dic.dicread(path).pairCount;
        benchmark::DoNotOptimize(dic);
    }
    if (pairs != pukana::Dictionary::Capacity)
        state.SkipWithError("the slots were not all filled");
    state.counters["pairs"] = pairs;
}
BENCHMARK(BM_Dicread)->Unit(benchmark::kMillisecond);

void BM_Henkan(benchmark::State& state) {
    pukana::Dictionary dic;
    dic.dicread(dictionaryFolder().path());
    const QString selection = u"かんじ"_s;
    for (auto _ : state)
        benchmark::DoNotOptimize(pukana::henkan(selection, dic));
}
BENCHMARK(BM_Henkan)->Unit(benchmark::kMicrosecond);

} // namespace
