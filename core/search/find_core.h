// Downward and upward text search over the document's plain text, and the texts the search
// shows. Pure logic: the window reads the selection, calls these, and applies the result.
#pragma once

#include <QString>
#include <QStringView>
#include <optional>

namespace pukana::search {

enum class Direction { Down, Up };

/// `text` with every character upper-cased by its one-to-one mapping, so the result has the
/// same length and every position still points at the same character. Characters whose
/// upper case is longer (ß, ŉ) stay as they are; surrogate pairs are mapped as one character.
QString upperSameLength(QStringView text);

/// True when `c` upper-cases to itself and no other character upper-cases to it (ASCII
/// other than letters, kana, CJK symbols and kanji): text matching it ignoring case holds
/// exactly `c` there.
bool isCaseless(QChar c);

/// Downward search: the first occurrence of `findText` starting at or after
/// `selStart` + length of `findText` (the selection's own length plays no part). Compares
/// UTF-16 units exactly, or after upperSameLength on both sides when `matchCase` is false.
/// Returns the 0-based start of the occurrence; nothing when there is none, when the start
/// lies beyond the text, or when `findText` is empty.
std::optional<qsizetype> findNext(QStringView text, qsizetype selStart, QStringView findText,
                                  bool matchCase);

/// Upward search: the last occurrence of `findText` lying wholly within the first
/// max(`selStart` - 1, 0) characters of `text`, so one ending exactly at the selection start is
/// not found. Compares as findNext does. Returns its 0-based start, or nothing (also for an
/// empty `findText`).
std::optional<qsizetype> findPrev(QStringView text, qsizetype selStart, QStringView findText,
                                  bool matchCase);

/// Runs findNext or findPrev.
std::optional<qsizetype> find(Direction direction, QStringView text, qsizetype selStart,
                              QStringView findText, bool matchCase);

/// The not-found message: "[ findText ]はみつかりません...", quoting the text as typed, with
/// the line "【大文字と小文字を区別】" and CR LF in front when `matchCase` is true.
QString notFoundMessage(const QString& findText, bool matchCase);

/// The message box title of a search direction: "↓検索" or "↑検索".
QString directionTitle(Direction direction);

/// The search menu's caption for a direction: "↓検索(&D)" / "↑検索(&U)", followed by
/// " [findText]" when `findText` is not empty.
QString menuCaption(Direction direction, const QString& findText);

} // namespace pukana::search
