// The character keys of the on-screen keyboard: where the 105 keys sit, and which captions a
// mode's block of btn.dat gives them. Pure logic; the window places the buttons and sets the
// captions.
#pragma once

#include <QByteArray>
#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <optional>

namespace pukana::keyboard {

/// Number of character keys (keys 1 to 105).
constexpr int KeyCount = 105;
/// Keys per row, and keys per group within a row.
constexpr int KeysPerRow = 15;
constexpr int KeysPerGroup = 5;
/// Extra space after each group of five keys, in twips.
constexpr double GroupGap = 30;
/// Lines of a mode's block after its header line.
constexpr int BlockLines = 7;
/// Caption of a key that its mode's block does not reach (KATAKANA MIDDLE DOT).
inline constexpr QChar Placeholder = QChar(0x30FB);

/// The rectangles of keys 1 to 105 (element k - 1 is key k), in twips in the key frame's
/// coordinates. `templateRect` is the hidden template button: key 1 sits on its top-left
/// corner, every key is square with the template's width as side, keys touch within a group
/// of five and between rows, and each group of five is followed by a 30-twip gap.
QList<QRectF> keyGrid(const QRectF& templateRect);

/// The 105 captions of `mode`'s block in a layout file given as its raw bytes (code page 932,
/// lines ending in CR LF, a lone CR or a lone LF). The first line containing `mode` anywhere starts
/// the block; the 7 lines after it are joined and cut or padded with the placeholder to 105
/// one-character captions. Returns no value when no line contains `mode` (the keys keep their
/// captions). Throws PukanaError 62 (input past end), naming `fileName`, when the file ends
/// before the block's 7 lines.
std::optional<QStringList> captionsFromBytes(const QByteArray& bytes, const QString& mode,
                                             const QString& fileName);

/// What a key shows for the text it types: a blank (the space, the ideographic space, a tab)
/// shows the visible mark "␣", any other character shows itself.
QString visibleCaption(const QString& typed);

/// Reads the layout file at `path` afresh and returns `mode`'s captions as captionsFromBytes
/// does. Throws PukanaError naming the file when it is missing (53) or unreadable (75), or
/// when the block is cut short by the end of the file (62).
std::optional<QStringList> loadCaptions(const QString& path, const QString& mode);

} // namespace pukana::keyboard
