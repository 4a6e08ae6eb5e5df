// The recent files at the end of the file menu, rebuilt from the recent-files list whenever
// it changes: one entry per file, behind a separator that shows once there is one.
#pragma once

#include <QList>
#include <QObject>
#include <functional>

class QAction;
class QMenu;

namespace pukana {

class RecentFiles;

class RecentFilesMenu : public QObject {
    Q_OBJECT
public:
    /// `open` is called with the path of the entry chosen.
    RecentFilesMenu(RecentFiles& recentFiles, QMenu& fileMenu, QAction& separator,
                    std::function<void(const QString&)> open, QObject* parent = nullptr);

private:
    void rebuild();

    RecentFiles& recentFiles_;
    QMenu& fileMenu_;
    QAction& separator_;
    std::function<void(const QString&)> open_;
    QList<QAction*> entries_;
};

} // namespace pukana
