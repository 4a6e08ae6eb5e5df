// Handlers of documents and files: the document's path and state, new, open, save, the
// settings file with the recent files, and the wrap and text modes.
#pragma once

#include "ui/dialogs/common_dialog.h"

#include <QObject>
#include <QString>
#include <QStringList>

namespace pukana {

struct AppState;
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

    // Saving.

    enum class SaveResult { Saved, Failed, Declined };
    /// Saves the document to `path` in the format its name decides; a failure is reported
    /// inside and leaves the old file and the document's state as they were.
    SaveResult docsave(const QString& path);
    void M_Save_Click();
    void M_SaveAs_Click();

    /// The open and save dialog, keeping its file name and filter between uses.
    CommonDialog CMDialog1;

private:
    void fmtclear();
    /// The document as plain text for a plain-text file: paragraph ends as "\n" and lone
    /// line feeds kept apart (see plain_text.h).
    QString plainTextForFile() const;
    void openPlainText(const QString& path, const QByteArray& bytes);
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
