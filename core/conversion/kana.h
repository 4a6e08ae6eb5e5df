// Hiragana <-> katakana, one character at a time through two parallel 82-character tables.
#pragma once

#include <QString>

namespace pukana {

/// `text` with every hiragana of the kana table replaced by its katakana; all other
/// characters (ゎ, ゔ, ー, kanji, half-width kana, ...) unchanged. Length never changes.
QString HIRA2KATA(QString text);

/// `text` with every katakana of the kana table replaced by its hiragana; all other
/// characters (ヮ, ヴ, ヵ, ヶ, ー, half-width kana, ...) unchanged. Length never changes.
QString KATA2HIRA(QString text);

} // namespace pukana
