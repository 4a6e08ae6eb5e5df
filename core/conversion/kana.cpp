#include "core/conversion/kana.h"

#include <QStringView>

namespace pukana {

namespace {

// Three rows each: plain syllables and ん, small kana with ゐ/ゑ, voiced and half-voiced.
// Position n of one table is the same syllable as position n of the other.
constexpr QStringView kHiragana =
    u"あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほまみむめもやゆよらりるれろわをん"
    u"ぁぃぅぇぉゃゅょっゐゑ"
    u"がぎぐげござじずぜぞだぢづでどばびぶべぼぱぴぷぺぽ";
constexpr QStringView kKatakana =
    u"アイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホマミムメモヤユヨラリルレロワヲン"
    u"ァィゥェォャュョッヰヱ"
    u"ガギグゲゴザジズゼゾダヂヅデドバビブベボパピプペポ";

static_assert(kHiragana.size() == 82 && kKatakana.size() == 82);

QString mapThrough(QString text, QStringView from, QStringView to) {
    const qsizetype length = text.size();
    for (qsizetype i = 0; i < length; ++i) {
        const qsizetype p = from.indexOf(text.at(i));
        if (p >= 0)
            text[i] = to[p];
    }
    return text;
}

} // namespace

QString HIRA2KATA(QString text) {
    return mapThrough(std::move(text), kHiragana, kKatakana);
}

QString KATA2HIRA(QString text) {
    return mapThrough(std::move(text), kKatakana, kHiragana);
}

} // namespace pukana
