// Which way a file is opened or saved, decided by its name alone, and the file dialog's
// filter entries.
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace pukana {

enum class OpenKind {
    RichText,      ///< name ends in ".rtf" (any case)
    WordCandidate, ///< name ends in ".doc" (any case): look at the first bytes first
    PlainText,     ///< everything else
};

/// How `path` is opened.
OpenKind openKindFor(QStringView path);

enum class SaveFormat { RichText, PlainText };

/// How `path` is saved: rich text for ".rtf" names in any case, plain text for all others,
/// ".doc" included, so a document is saved in the format it was opened in.
SaveFormat saveFormatFor(QStringView path);

/// The open and save dialogs' filter in the common-dialog form
/// "description|patterns|description|patterns|..." (patterns separated by ';'), four entries:
/// all files, text, rich text, and the .doc/.bat/.ini/.log/.sys group.
QString fileDialogFilter();

/// The preselected (1-based) filter entry: 3 (rich text) when `fileExt` is ".rtf" in any
/// case, 2 (text files) otherwise.
int filterIndexFor(QStringView fileExt);

/// The program that stands in for the word processor: on Windows "write.exe"; elsewhere
/// "lowriter" when it is on the PATH, else "xdg-open". Start it with the document path as its
/// one argument, never through a shell.
QString wordProcessorProgram();

} // namespace pukana
