// The recovery file: a copy of an unsaved document (its content and its path) kept in the
// user's data folder, so a crash or a killed process loses at most the last few seconds.
// One file per running editor, named by its process id, so two editors never share one.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace pukana {

struct RecoveredDocument {
    QString path;       ///< the document's path (its caption) when it was written
    bool rich = true;   ///< content is RTF; otherwise UTF-8 document text
    QByteArray content; ///< the document as RTF, or its text in UTF-8
};

/// The recovery file of the editor with process id `pid` in `dataDir`.
QString recoveryFilePath(const QString& dataDir, qint64 pid);

/// Writes the recovery file atomically (a temporary file renamed over it): a crash while
/// writing leaves the previous copy. Throws PukanaError when it cannot be written.
void writeRecoveryFile(const QString& file, const RecoveredDocument& document);

/// Reads a recovery file; nullopt when it is missing, not a regular file, or not one of ours.
std::optional<RecoveredDocument> readRecoveryFile(const QString& file);

/// The newest recovery file in `dataDir` left by an editor that is no longer running (never
/// the one of `ownPid`); empty when there is none.
QString findLeftoverRecoveryFile(const QString& dataDir, qint64 ownPid);

} // namespace pukana
