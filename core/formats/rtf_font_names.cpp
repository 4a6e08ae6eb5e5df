#include "core/formats/rtf_font_names.h"

#include <QString>

namespace pukana::rtf {

namespace {

bool hasJapaneseCharacter(QStringView name) {
    for (QChar ch : name) {
        const char16_t c = ch.unicode();
        if ((c >= 0x3040 && c <= 0x30FF) || (c >= 0x3400 && c <= 0x9FFF) ||
            (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFF00 && c <= 0xFFEF))
            return true;
    }
    return false;
}

} // namespace

bool isJapaneseFontName(QStringView name) {
    if (hasJapaneseCharacter(name))
        return true;
    static const char* const kPrefixes[] = {
        "ms gothic",
        "ms pgothic",
        "ms ui gothic",
        "ms mincho",
        "ms pmincho",
        "meiryo",
        "yu gothic",
        "yu mincho",
        "ipa",
        "takao",
        "vl gothic",
        "vl pgothic",
        "noto sans cjk jp",
        "noto serif cjk jp",
        "noto sans jp",
        "noto serif jp",
        "source han sans jp",
        "source han serif jp",
        "hiragino",
        "biz ud",
        "kochi",
        "sazanami",
        "osaka",
        "ud digi kyokasho",
        "klee",
        "tsukushi",
        "toppan bunkyu",
    };
    const QString lower = name.trimmed().toString().toLower();
    for (const char* prefix : kPrefixes)
        if (lower.startsWith(QLatin1StringView(prefix)))
            return true;
    return false;
}

} // namespace pukana::rtf
