// Telling when text can be drawn straight from a font's character map, without OpenType
// shaping, and still look the same.
#pragma once

#include <QStringView>

class QFont;
class QRawFont;
class QTextDocument;

namespace pukana {

/// Whether shaping in `font` can move or replace glyphs only around combining marks: it has
/// no kerning or glyph positioning tables, and its substitutions are only those applied to
/// mark sequences (ccmp) or on request (vertical forms, alternates).
bool fontOnlyShapesMarks(const QRawFont& font);

/// Whether every character of `text` is drawn by `font` itself as one glyph of its own: no
/// combining marks, joiners, variation selectors, controls other than tab and line feed,
/// private-use, unassigned or supplementary characters, no conjoining jamo and no half-width
/// voicing marks, and `font` has a glyph for each.
bool charactersStandAlone(QStringView text, const QRawFont& font);

/// Whether drawing `text` in `font` needs no shaping: laying it out with
/// QFont::PreferNoShaping gives the same glyphs at the same places, much faster.
bool shapingChangesNothing(QStringView text, const QFont& font);

/// The same for the characters of `doc` from `from` up to `to` (-1: its end), each in the
/// font of its character format.
bool shapingChangesNothing(const QTextDocument& doc, int from = 0, int to = -1);

} // namespace pukana
