// Handlers of documents and files: the document's path and state, new, open, save, the
// settings file with the recent files, and the wrap and text modes.
#pragma once

#include "ui/dialogs/common_dialog.h"

#include <QObject>
#include <QString>
#include <QStringList>

namespace pukana {

struct AppState;
struct PlainTextCheck;
class MainWindow;
class Platform;

class DocumentCommands : public QObject {
    Q_OBJECT
public:
    DocumentCommands(MainWindow& window, AppState& state, Platform& platform);

    // Document state and file name.

    /// Makes `path` the current path: caption, indicator line, FileDir, FileExt and the
    /// file-name box all describe it afterwards (never a half-renamed document).
    void nameset(const QString& path);
    /// Replaces the document by an empty rich-text document on the desktop; Modified false.
    void newdoc();
    /// Asks about unsaved changes. True when the calling command may go on: nothing was
    /// unsaved, the user answered No, or Save As saved the document.
    bool saveQuestion();
    void M_New_Click();
    /// Renaming by the file-name box: the next save writes to the new path.
    void T2_Change();
    void T1_Change();
    /// The current path (the window caption).
    QString currentPath() const;

    // Wrap and text modes.

    /// Applies the wrap mode of M_Wrap: window edge or page width with the page-edge marker.
    void wrapset();
    void M_Wrap_Click();
    void M_ConvText_Click();
    void M_ToRTF_Click();
    void M_ToTXT_Click();

    // Settings file and recent files.

    void iniread();
    /// Writes the settings file; a failure leaves the old file and is otherwise silent.
    void iniwrite();
    /// Puts `path` at the top of the recent files and writes the settings file.
    void mruadd(const QString& path);
    /// The path of recent-file entry `index` (1-based), as its caption shows it.
    QString recentFile(int index) const;

    // Opening.

    /// Opens `path` into a fresh document; every failure is reported inside.
    void docopen(const QString& path);
    void M_Open_Click();
    void m_f_Click(int index);
    /// Shows a recovered copy as an unsaved document named `path`: RTF when `rich`, else
    /// UTF-8 text.
    void restoreUnsaved(const QString& path, bool rich, const QByteArray& content);

    // Saving.

    enum class SaveResult { Saved, Failed, Declined, FolderNotWritable };
    /// Saves the document to `path` in the format its name decides; a failure is reported
    /// inside and leaves the old file and the document's state as they were. With
    /// `quietFolderFailure`, a folder that cannot be written is not reported but returned as
    /// FolderNotWritable, so the caller can offer another place.
    SaveResult docsave(const QString& path, bool quietFolderFailure = false);
    void M_Save_Click();
    void M_SaveAs_Click();

    /// The open and save dialog, keeping its file name and filter between uses.
    CommonDialog CMDialog1;

Q_SIGNALS:
    /// The document was saved: an unsaved copy kept elsewhere is no longer needed.
    void Saved();

private:
    void fmtclear();
    /// The document as plain text for a plain-text file: paragraph ends as "\n" and lone
    /// line feeds kept apart (see plain_text.h).
    QString plainTextForFile() const;
    void openPlainText(const QString& path, const QByteArray& bytes, const PlainTextCheck& check);
    /// What every successful open ends with: recent files, name, state, no undo history.
    void finishOpen(const QString& path);
    /// Asks before replacing a file the user never chose to replace: true to go on.
    bool confirmReplacing(const QString& path);
    void offerToWordProcessor(const QString& path, bool legacy);
    QString wordProcessor() const;
    void prepareFileDialog();
    void addRecentEntry();
    QString settingsPath() const;

    MainWindow& w_;
    AppState& s_;
    Platform& p_;
};

} // namespace pukana
