#include "core/conversion/henkan_core.h"

#include "core/conversion/dictionary.h"
#include "core/conversion/kana.h"

namespace pukana {

namespace {

bool isTrimmedSpace(QChar c) {
    return c == u' ' || c == QChar(0x3000);
}

} // namespace

QString henkanReading(const QString& selectedText) {
    // Spaces go first, so a space before the line break stays part of the reading.
    qsizetype begin = 0;
    qsizetype end = selectedText.size();
    while (begin < end && isTrimmedSpace(selectedText.at(begin)))
        ++begin;
    while (end > begin && isTrimmedSpace(selectedText.at(end - 1)))
        --end;
    QStringView reading = QStringView(selectedText).sliced(begin, end - begin);
    if (reading.endsWith(u"\r\n"))
        reading.chop(2);
    else if (reading.endsWith(u'\n') || reading.endsWith(QChar(0x2029)))
        reading.chop(1);
    return reading.toString();
}

QStringList henkanCandidates(const QString& reading, const Dictionary& dic) {
    QStringList list;
    if (reading.isEmpty())
        return list;
    const char16_t c = reading.at(0).unicode();
    if (c >= u'あ' && c <= u'ん')
        list << HIRA2KATA(reading);
    else if (c >= u'ア' && c <= u'ン')
        list << KATA2HIRA(reading);

    // Every slot is compared, loaded or not: the dictionary order is the candidate order.
    dic.appendMatches(reading, list);
    return list;
}

HenkanResult henkan(const QString& selectedText, const Dictionary& dic) {
    HenkanResult result;
    result.reading = henkanReading(selectedText);
    if (!result.reading.isEmpty())
        result.candidates = henkanCandidates(result.reading, dic);
    return result;
}

} // namespace pukana
