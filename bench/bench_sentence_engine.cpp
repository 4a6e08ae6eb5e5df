// The whole-reading conversion engine: memory its model adds, loading the model, and one
// sentence of 20 kana converted to a 5-best list.
#include "core/conversion/sentence_converter.h"

#include <QFile>
#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

const QString Sentence20 = u"あしたはともだちとえいがをみにいきますよ"_s;

// Resident set size of this process in MiB (Linux), or 0 where it cannot be read.
double residentMiB() {
    QFile statm(u"/proc/self/statm"_s);
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * 4096 / (1024 * 1024) : 0;
}

// Runs first, in a process that has not loaded the model yet: the model plus the conversions
// of a few sentences.
void BM_MemoryAddedByEngine(benchmark::State& st) {
    double added = 0;
    for (auto _ : st) {
        const double before = residentMiB();
        std::unique_ptr<pukana::SentenceConverter> engine = pukana::loadSentenceEngine(QString());
        if (!engine) {
            st.SkipWithError("no conversion engine");
            return;
        }
        for (const QString& reading :
             {Sentence20, u"きょうはいいてんきです"_s, u"ごぜんちゅうにかいぎがあります"_s,
              u"でんしゃでかいしゃにいきます"_s, u"にほんごをべんきょうしています"_s})
            benchmark::DoNotOptimize(engine->nbest(reading, 5));
        added = residentMiB() - before;
    }
    st.counters["rss_added_MiB"] = added;
}
BENCHMARK(BM_MemoryAddedByEngine)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_ModelLoad(benchmark::State& st) {
    for (auto _ : st) {
        std::unique_ptr<pukana::SentenceConverter> engine = pukana::loadSentenceEngine(QString());
        if (!engine) {
            st.SkipWithError("no conversion engine");
            return;
        }
        benchmark::DoNotOptimize(engine.get());
    }
}
BENCHMARK(BM_ModelLoad)->Unit(benchmark::kMillisecond);

void BM_Nbest5Of20Kana(benchmark::State& st) {
    std::unique_ptr<pukana::SentenceConverter> engine = pukana::loadSentenceEngine(QString());
    if (!engine) {
        st.SkipWithError("no conversion engine");
        return;
    }
    QStringList best;
    for (auto _ : st) {
        best = engine->nbest(Sentence20, 5);
        benchmark::DoNotOptimize(best);
    }
    if (best.size() != 5 || best.first() != u"明日は友達と映画を見に行きますよ"_s)
        st.SkipWithError("unexpected conversions");
}
BENCHMARK(BM_Nbest5Of20Kana)->Unit(benchmark::kMillisecond);

} // namespace
