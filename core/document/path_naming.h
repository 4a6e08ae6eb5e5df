// The document's identity is its full path (held by the window caption). These functions
// derive everything else from it: the folder, the extension, the file-name box text, the
// rich-text test and the rename by the file-name box.
#pragma once

#include <QString>
#include <QStringView>
#include <QtGlobal>

namespace pukana {

/// Name of a new document and of an emptied file-name box.
inline constexpr QStringView kNewDocumentName = u"新規";

/// The separators this platform accepts in paths: "/" on Linux; "\\" and "/" on Windows.
QStringView pathSeparators();

/// The separator this program puts into paths it builds ('\\' on Windows, '/' elsewhere).
QChar preferredSeparator();

/// A path split the way the document state holds it. Always
/// `fileDir + baseName + fileExt == path`.
struct PathParts {
    QString fileDir;  ///< up to and including the last separator; empty when there is none
    QString fileExt;  ///< last four characters of the name part, normally the dot extension
    QString baseName; ///< the file-name box text: the name part less `fileExt`
};

/// Splits `path`. The name part follows the last character from `separators`. Its last four
/// UTF-16 units are `fileExt`, except that a surrogate pair is never cut (the whole pair goes
/// into `fileExt`) and a name part of four units or fewer keeps `fileExt` empty and shows whole
/// in `baseName`, so the file-name box rebuilds the same path from any non-empty name.
PathParts splitDocumentPath(QStringView path, QStringView separators = pathSeparators());

/// What typing in the file-name box does: the box text to keep (an empty box becomes
/// "新規") and the new path `fileDir + box text + fileExt`.
struct BoxRename {
    QString boxText;
    QString path;
};
BoxRename renameFromBox(const QString& fileDir, const QString& boxText, const QString& fileExt);

/// True when the path names a rich-text document: its last four characters are ".rtf" in any
/// letter case. Opening and saving decide the format by this test too.
bool isRichTextPath(QStringView path);

/// Colour (0x00BBGGRR) of the format indicator line: red for rich text, blue otherwise.
quint32 indicatorColor(QStringView path);

/// True when the path holds a separator (the save command then saves without a dialog).
bool hasDirectory(QStringView path, QStringView separators = pathSeparators());

/// `desktopDir` + one separator + "新規.rtf"; a separator already at the end is not doubled.
QString newDocumentPathIn(const QString& desktopDir, QChar separator = preferredSeparator());

/// The new-document path in the user's desktop folder, with native separators.
QString newDocumentPath();

/// The folder new documents are saved into, so the first save lands somewhere: `desktop`
/// when it is a folder; else `desktop` created, when its parent is `home`; else `documents`
/// when it is a folder; else `home`.
QString newDocumentFolder(const QString& desktop, const QString& home, const QString& documents);

} // namespace pukana
