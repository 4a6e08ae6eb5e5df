// The shared state of the editor, alive from start to end of the process.
#pragma once

#include <QString>

namespace pukana {

struct AppState {
    QString AppDir;        ///< the program's folder, ending in one separator
    QString DataDir;       ///< where pukana.INI, pukana2.dic and pukana.$$$ live
    bool Modified = false; ///< the document has unsaved changes
    bool DocFocus = true;  ///< the document (not the file-name box) last had the focus
    int DicLoaded = 0;
    QString BaseFontName; ///< font of new documents
    QString FileDir;      ///< folder of the current path, with its separator
    QString FileExt;      ///< last four characters of the current path
    int MruCount = 0;     ///< recent-file entries in the file menu
    /// The current path was opened or saved by the user (not made by the editor or typed into
    /// the file-name box): only then may a save replace the file there without asking.
    bool PathConfirmed = false;
    /// A plain-text file opened with bytes that form no character: saving over it loses them.
    QString LossyPath;
    qsizetype LossyBytes = 0;
    QString FindText;
    int FindMatchCase = 0;
};

} // namespace pukana
