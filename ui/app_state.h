// The shared state of the editor, alive from start to end of the process.
#pragma once

#include "core/formats/text_file_format.h"

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
    QString FindText;
    int FindMatchCase = 0;
    /// Encoding and line ends a plain-text save writes: those of the opened file.
    TextFileFormat TextFormat;
};

} // namespace pukana
