// The messages of opening, saving and the save question.
#pragma once

#include <QString>
#include <QStringView>

namespace pukana::texts {

inline constexpr QStringView kSaveQuestion = u"へんしゅうちゅうのぶんしょをほぞんしますか ?";
inline constexpr QStringView kOverwriteQuestion = u"すでにあるファイルにうわがきしますか ?";
inline constexpr QStringView kWordQuestion =
    u"このﾄﾞｷｭﾒﾝﾄは MicrosoftWord文書 と思われます。'WordPad'で開きますか？";
inline constexpr QStringView kLegacyWordRefusal =
    u"Word5.0以前の文書です。'Wordpad.exe'では開けません。";
inline constexpr QStringView kConvTextQuestion = u"書式が失われます。よろしいですか？";
inline constexpr QStringView kConvTextTitle = u"テキスト表示モード切り替え";

inline constexpr QStringView kNotTextRefusal = u"テキストファイルではないので、ひらけません。";
inline constexpr QStringView kRecoveryQuestion =
    u"まえにとじなかったぶんしょがあります。ふっかつしますか？";

/// Refuses to open `path` as text: it holds NUL bytes or too many bytes that are no character.
QString notTextMessage(const QString& path);

/// Asks before saving over `path`, whose `count` bytes formed no character when it was opened
/// and would be lost.
QString lossySaveQuestion(qsizetype count, const QString& path);

/// The settings file could not be read: why, and that the editor goes on with its defaults.
QString settingsReadMessage(const QString& description);

/// The open error: the error's description, then "  ファイル'" + path + "'をひらくときに…".
QString openErrorMessage(const QString& description, const QString& path);

/// The save error: the error's description, then "  ファイル'" + path + "'をとじるときに…".
QString saveErrorMessage(const QString& description, const QString& path);

/// Asks whether to save plain text although `count` characters cannot be written in Shift_JIS
/// and become "?", showing `samples` (the first few, blank-separated, "…" when there are more).
QString unencodableQuestion(int count, QStringView samples);

/// Asks before dropping the formatting would turn `count` characters that Shift_JIS cannot
/// hold into "?", showing the first few `samples`.
QString conversionLossQuestion(int count, QStringView samples);

/// The message when the scratch file of the drop-formatting command cannot be used.
QString scratchFileErrorMessage(const QString& description);

} // namespace pukana::texts
