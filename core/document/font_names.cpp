#include "core/document/font_names.h"

namespace pukana {

const QList<std::pair<QString, QStringList>>& faceSubstitutes() {
    static const QList<std::pair<QString, QStringList>> table = {
        {QStringLiteral("ＭＳ ゴシック"),
         {QStringLiteral("IPAGothic"), QStringLiteral("IPAゴシック"),
          QStringLiteral("Noto Sans Mono CJK JP")}},
        {QStringLiteral("ＭＳ 明朝"),
         {QStringLiteral("IPAMincho"), QStringLiteral("IPA明朝"),
          QStringLiteral("Noto Serif CJK JP")}},
        {QStringLiteral("ＭＳ Ｐゴシック"),
         {QStringLiteral("IPAPGothic"), QStringLiteral("IPAPゴシック"),
          QStringLiteral("Noto Sans CJK JP")}},
        {QStringLiteral("Times New Roman"),
         {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")}},
    };
    return table;
}

} // namespace pukana
