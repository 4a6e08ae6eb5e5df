// Handlers of the on-screen keyboard: the keys, the input modes and the key target.
#pragma once

#include <QObject>
#include <QString>

namespace pukana {

struct AppState;
class MainWindow;
class Platform;

class KeyboardCommands : public QObject {
    Q_OBJECT
public:
    KeyboardCommands(MainWindow& window, AppState& state, Platform& platform);

    void createKeys();
    void btnset(const QString& mode);

private:
    MainWindow& w_;
    AppState& s_;
    Platform& p_;
};

} // namespace pukana
