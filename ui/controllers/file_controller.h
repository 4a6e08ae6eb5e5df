// The document's files: a new document, opening (rich text, plain text, and word-processor
// documents handed to the system's word processor), saving, the save question and the
// recent files.
#pragma once

#include "ui/dialogs/file_dialog.h"

#include <QObject>
#include <QString>

class QAction;
class QByteArray;
class QWidget;

namespace pukana {

class DocumentSession;
class Platform;
class RecentFiles;
class RichTextBox;
class SettingsController;
class WrapController;
struct EditorSettings;

class FileController : public QObject {
    Q_OBJECT
public:
    struct Actions {
        QAction& newDocument;
        QAction& open;
        QAction& save;
        QAction& saveAs;
    };
    struct Collaborators {
        SettingsController& settingsFile;
        WrapController& wrap;
        QWidget& dialogParent;
    };

    FileController(DocumentSession& document, RichTextBox& documentView,
                   const EditorSettings& settings, RecentFiles& recentFiles, Platform& platform,
                   const Collaborators& collaborators, const Actions& actions,
                   QObject* parent = nullptr);

    /// Replaces the document by an empty rich-text document in the desktop folder (or, without
    /// one, another folder that exists), unmodified, without undo history.
    void newDocument();
    /// Asks about unsaved changes. True when the calling command may go on: nothing was
    /// unsaved, the user answered No, or Save As saved the document.
    bool confirmDiscard();

    /// Opens `path` into a fresh document; every failure is reported inside. A file that
    /// cannot be read, or is no text, is refused with a message and the document stays.
    void open(const QString& path);
    /// Shows a recovered copy as an unsaved document named `path`: RTF when `rich`, else
    /// UTF-8 text.
    void restoreUnsaved(const QString& path, bool rich, const QByteArray& content);
    /// The open command: the save question, the dialog, then open().
    void openWithDialog();
    /// A recent-file entry: the save question, then open().
    void openRecent(const QString& path);

    enum class SaveResult { Saved, Failed, Declined, FolderNotWritable };
    /// Saves the document to `path` in the format its name decides; a failure is reported
    /// inside and leaves the old file and the document's state as they were. With
    /// `quietFolderFailure`, a folder that cannot be written is not reported but returned as
    /// FolderNotWritable, so the caller can offer another place.
    SaveResult save(const QString& path, bool quietFolderFailure = false);
    /// The save command: saves a modified document in place (asking where for a bare name,
    /// asking before replacing a file under a name the user never chose, and offering Save As
    /// when the folder cannot be written).
    void saveInPlace();
    /// The save-as command: the dialog, the overwrite question, save(), the recent files.
    void saveAs();

    /// Puts `path` at the top of the recent files and writes the settings file.
    void rememberRecent(const QString& path);

private:
    void openPlainText(const QString& path, const QByteArray& bytes, qsizetype undecodable);
    void openRichText(const QString& path, const QByteArray& bytes);
    /// Asks before replacing an existing file: true to go on.
    bool confirmReplacing(const QString& path);
    void offerToWordProcessor(const QString& path, bool legacy);
    QString wordProcessor() const;
    bool saveRichText(const QString& path);
    bool savePlainText(const QString& path);
    int filterIndex() const;

    DocumentSession& document_;
    RichTextBox& documentView_;
    const EditorSettings& settings_;
    RecentFiles& recentFiles_;
    Platform& platform_;
    SettingsController& settingsFile_;
    WrapController& wrap_;
    QWidget& dialogParent_;
    FileDialog fileDialog_;
    // A plain-text file opened with bytes that form no character: saving over it loses them.
    QString lossyPath_;
    qsizetype lossyBytes_ = 0;
};

} // namespace pukana
