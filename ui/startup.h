// The editor's start-up sequence, step by step in its fixed order.
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace pukana {

class ConversionController;
class FileController;
class InputTarget;
class KeyboardController;
class RecoveryController;
class Platform;
class SettingsController;
class SplashWindow;
struct EditorState;

struct StartupParts {
    QWidget& window;
    std::function<void()> layOut;
    EditorState& state;
    Platform& platform;
    ConversionController& conversion;
    SettingsController& settingsFile;
    FileController& files;
    RecoveryController& recovery;
    KeyboardController& keyboard;
    InputTarget& inputTarget;
};

/// Runs the start-up: the program's folders, the dictionaries, the settings, the window
/// centred and shown, the splash closed, a new document (or a recovered one an editor left
/// behind, or the file named on the command line), the keys created and captioned, the document the
/// input target. All of it under the hourglass. `trace` (may be empty) hears each step's name as it
/// begins. Throws PukanaError when a data file the editor cannot work without is missing.
void runStartup(const StartupParts& parts, SplashWindow* splash,
                const std::function<void(const char*)>& trace);

/// The program's folder with exactly one trailing separator.
QString appDirFrom(const QString& directory);

/// Starts reading the dictionaries from the program's folders in the background, to be
/// taken by the start-up instead of reading them there.
void preloadDictionaries(Platform& platform);

} // namespace pukana
