#include "ui/controllers/settings_controller.h"

#include "core/document/document_texts.h"
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
    QString problem;
    {
        BusyPointer busy(platform_);
        const Settings stored = loadSettings(paths_.dataFile(kSettingsFileName), &problem);
        if (stored.keyboardOn)
            showKeyboard_.setChecked(true);
        if (stored.fontName)
            settings_.baseFontName = *stored.fontName;
        recentFiles_.setPaths(stored.recentFiles);
    }
    if (!problem.isEmpty())
        platform_.msgBox(texts::settingsReadMessage(problem), MessageStyle::OkExclamation);
}

void SettingsController::save() {
    BusyPointer busy(platform_);
    // A folder that cannot be written keeps the old file; the program goes on without it.
    saveSettings(paths_.dataFile(kSettingsFileName),
                 serializeSettings(showKeyboard_.isChecked(), settings_.baseFontName,
                                   // All: paths the file cannot hold are skipped there and
                                   // the next ones written instead.
                                   recentFiles_.paths()));
}

} // namespace pukana
