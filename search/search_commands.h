// Handlers of the search menu and the find dialog.
#pragma once

#include <QObject>

namespace pukana {

struct AppState;
class MainWindow;
class Platform;

class SearchCommands : public QObject {
    Q_OBJECT
public:
    SearchCommands(MainWindow& window, AppState& state, Platform& platform);

private:
    MainWindow& w_;
    AppState& s_;
    Platform& p_;
};

} // namespace pukana
