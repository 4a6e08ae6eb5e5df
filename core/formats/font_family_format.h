// Naming the font family of a character format.
#pragma once

#include <QString>
#include <QTextCharFormat>

namespace pukana {

/// The key under which a format keeps its family name a second time, as a single string.
inline constexpr int kFontFamilyKey = QTextFormat::UserProperty + 0x101;

/// Sets the format's font family. Qt hashes a format's family list by its type only, so in a
/// document's format table all formats that differ only in their family collide, and each
/// inserted run is compared with every one of them: a file with thousands of fonts took
/// minutes to read. The name kept again as a string gives each family a hash of its own.
inline void setFontFamily(QTextCharFormat& format, const QString& family) {
    format.setFontFamilies(QStringList{family});
    format.setProperty(kFontFamilyKey, family);
}

/// Names the family but leaves the text in the document's base font: for documents that use
/// more fonts than the system has, where Qt would resolve a font for each name.
inline void setUnshownFontFamily(QTextCharFormat& format, const QString& family) {
    format.setProperty(kFontFamilyKey, family);
}

/// The family the format names (shown or not); empty when it names none.
inline QString fontFamilyOf(const QTextCharFormat& format) {
    const QStringList families = format.fontFamilies().toStringList();
    return families.isEmpty() ? format.property(kFontFamilyKey).toString() : families.constFirst();
}

} // namespace pukana
