// Handlers of fonts, paragraph alignment and printing.
#pragma once

#include <QObject>

namespace pukana {

struct AppState;
class MainWindow;
class Platform;

class FormatCommands : public QObject {
    Q_OBJECT
public:
    FormatCommands(MainWindow& window, AppState& state, Platform& platform);

private:
    MainWindow& w_;
    AppState& s_;
    Platform& p_;
};

} // namespace pukana
