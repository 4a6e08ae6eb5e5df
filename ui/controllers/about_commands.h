// Handlers of the help menu: the About box and the readme.
#pragma once

#include <QObject>

namespace pukana {

struct AppState;
class MainWindow;
class Platform;

class AboutCommands : public QObject {
    Q_OBJECT
public:
    AboutCommands(MainWindow& window, AppState& state, Platform& platform);

    void M_About_Click();
    void M_Readme_Click();

private:
    MainWindow& w_;
    AppState& s_;
    Platform& p_;
};

/// The viewer for the readme on this platform, and its arguments for `path`.
QString readmeViewer();

} // namespace pukana
