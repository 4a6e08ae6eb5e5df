#include "ui/controllers/settings_controller.h"

#include "core/document/program_paths.h"
#include "core/document/recent_files.h"
#include "core/document/settings_file.h"
#include "platform/platform.h"
#include "ui/editor_state.h"

#include <QAction>

namespace pukana {

SettingsController::SettingsController(const ProgramPaths& paths, EditorSettings& settings,
                                       RecentFiles& recentFiles, QAction& showKeyboard,
                                       Platform& platform, QObject* parent)
    : QObject(parent), paths_(paths), settings_(settings), recentFiles_(recentFiles),
      showKeyboard_(showKeyboard), platform_(platform) {
    setObjectName(QStringLiteral("settingsController"));
}

void SettingsController::load() {
    BusyPointer busy(platform_);
    const Settings stored = loadSettings(paths_.dataFile(kSettingsFileName));
    if (stored.keyboardOn)
        showKeyboard_.setChecked(true);
    if (stored.fontName)
        settings_.baseFontName = *stored.fontName;
    recentFiles_.setPaths(stored.recentFiles);
}

void SettingsController::save() {
    BusyPointer busy(platform_);
    // A folder that cannot be written keeps the old file; the program goes on without it.
    saveSettings(paths_.dataFile(kSettingsFileName),
                 serializeSettings(showKeyboard_.isChecked(), settings_.baseFontName,
                                   recentFiles_.paths().mid(0, kStoredRecentFiles)));
}

} // namespace pukana
