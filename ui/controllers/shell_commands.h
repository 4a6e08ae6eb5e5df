// Start-up and shutdown of the main window: the load sequence, the closing routine and the
// three roads out (the exit command, a close request, a session's end).
#pragma once

#include <QObject>
#include <QString>
#include <functional>

namespace pukana {

struct AppState;
class MainWindow;
class Platform;
class SplashWindow;

class ShellCommands : public QObject {
    Q_OBJECT
public:
    ShellCommands(MainWindow& window, AppState& state, Platform& platform);

    /// The main window's load: from AppDir to the keys acting on the document. `splash` is
    /// closed once the main window shows (may be null).
    void Form_Load(SplashWindow* splash);

    /// The closing routine: writes the settings, asks about unsaved changes. Returns true
    /// when it ended the process (the real platform never returns then), false when the
    /// editor keeps running.
    bool Owari();

    /// A close request: returns true when the close is refused (the cancel flag).
    bool Form_QueryUnload();
    /// The unload: returns true when it is refused.
    bool Form_Unload();
    void M_EXIT_Click();

    /// Called with the name of each start-up step as it begins (for diagnostics and tests).
    std::function<void(const char*)> trace;

private:
    void step(const char* name) {
        if (trace)
            trace(name);
    }

    MainWindow& w_;
    AppState& s_;
    Platform& p_;
};

/// The program's folder with exactly one trailing separator.
QString appDirFrom(const QString& directory);

/// The program's folder (AppDir) and the folder its files are written to (DataDir).
struct ProgramFolders {
    QString appDir;
    QString dataDir;
};
ProgramFolders programFolders(const Platform& platform);

/// Starts reading the dictionaries from the program's folders in the background, to be
/// taken by the start-up (Form_Load) instead of reading them there.
void preloadDictionaries(const Platform& platform);

} // namespace pukana
