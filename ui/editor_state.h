// The editor's state, as owned, typed objects: the document, the program's folders, the
// settings, the search and the recent files. Alive for as long as the main window.
#pragma once

#include "core/document/document_session.h"
#include "core/document/program_paths.h"
#include "core/document/recent_files.h"
#include "core/search/search_state.h"

#include <QString>

namespace pukana {

struct EditorSettings {
    QString baseFontName; ///< font of new documents
};

struct EditorState {
    ProgramPaths paths;
    EditorSettings settings;
    DocumentSession document;
    SearchState search;
    RecentFiles recentFiles;
};

} // namespace pukana
