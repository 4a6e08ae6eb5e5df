// Handlers of the edit menu, the clipboard commands and the context menu.
#pragma once

#include <QObject>

namespace pukana {

struct AppState;
class MainWindow;
class Platform;

class EditCommands : public QObject {
    Q_OBJECT
public:
    EditCommands(MainWindow& window, AppState& state, Platform& platform);

private:
    MainWindow& w_;
    AppState& s_;
    Platform& p_;
};

} // namespace pukana
