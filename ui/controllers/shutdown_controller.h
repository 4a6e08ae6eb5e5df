// The closing routine and the three roads out: the exit command, a close request of the
// window and a session's end.
#pragma once

#include <QObject>

class QAction;

namespace pukana {

class DocumentSession;
class FileController;
class RecoveryController;
class Platform;
class SettingsController;

class ShutdownController : public QObject {
    Q_OBJECT
public:
    ShutdownController(const DocumentSession& document, SettingsController& settingsFile,
                       FileController& files, RecoveryController& recovery, Platform& platform,
                       QAction& exit, QObject* parent = nullptr);

    /// The closing routine: writes the settings, asks about unsaved changes. Returns true
    /// when the editor ends (the event loop then ends with 0), false when it keeps running.
    bool confirmClose();

private:
    const DocumentSession& document_;
    SettingsController& settingsFile_;
    FileController& files_;
    RecoveryController& recovery_;
    Platform& platform_;
};

} // namespace pukana
