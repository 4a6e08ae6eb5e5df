// The help menu: the About box and the readme.
#pragma once

#include <QObject>

class QAction;
class QWidget;

namespace pukana {

class Platform;
struct ProgramPaths;

class AboutController : public QObject {
    Q_OBJECT
public:
    AboutController(const ProgramPaths& paths, Platform& platform, QWidget& dialogParent,
                    QAction& readme, QAction& about, QObject* parent = nullptr);

    void showAbout();
    /// Opens PUKANA.txt from the program's folder in the system's viewer.
    void showReadme();

private:
    const ProgramPaths& paths_;
    Platform& platform_;
    QWidget& dialogParent_;
};

/// The viewer for the readme on this platform.
QString readmeViewer();

} // namespace pukana
