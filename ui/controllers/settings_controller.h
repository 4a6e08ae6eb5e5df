// The settings file pukana.INI in the data folder: the keyboard's state, the font of new
// documents and the recent files.
#pragma once

#include <QObject>

class QAction;

namespace pukana {

class Platform;
class RecentFiles;
struct EditorSettings;
struct ProgramPaths;

class SettingsController : public QObject {
    Q_OBJECT
public:
    SettingsController(const ProgramPaths& paths, EditorSettings& settings,
                       RecentFiles& recentFiles, QAction& showKeyboard, Platform& platform,
                       QObject* parent = nullptr);

    /// Reads the settings file (creating it empty when missing) into the keyboard item, the
    /// font of new documents and the recent files. Never fails.
    void load();
    /// Writes the settings file; a failure leaves the old file and is otherwise silent.
    void save();

private:
    const ProgramPaths& paths_;
    EditorSettings& settings_;
    RecentFiles& recentFiles_;
    QAction& showKeyboard_;
    Platform& platform_;
};

} // namespace pukana
