#include "core/conversion/candidate_list.h"

#include "core/conversion/henkan_core.h"
#include "core/conversion/kana.h"
#include "core/conversion/sentence_converter.h"

namespace pukana {

QString engineReading(const QString& reading) {
    qsizetype length = std::min(reading.size(), EngineReadingLimit);
    if (length < reading.size() && reading.at(length - 1).isHighSurrogate())
        --length;
    return KATA2HIRA(reading.first(length));
}

QStringList conversionCandidates(const QString& reading, const Dictionary& dic,
                                 SentenceConverter* engine) {
    QStringList list = henkanCandidates(reading, dic);
    if (!engine || reading.isEmpty())
        return list;
    const QString sent = engineReading(reading);
    const QString rest = reading.sliced(sent.size());
    int added = 0;
    for (const QString& conversion : engine->nbest(sent, EngineCandidateLimit)) {
        const QString candidate = conversion + rest;
        if (conversion.isEmpty() || candidate == reading || list.contains(candidate))
            continue;
        list << candidate;
        if (++added == EngineCandidateLimit)
            break;
    }
    return list;
}

} // namespace pukana
