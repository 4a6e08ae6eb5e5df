// Handlers of documents and files: new, open, save, settings, recent files and wrapping.
#pragma once

#include <QObject>
#include <QString>

namespace pukana {

struct AppState;
class MainWindow;
class Platform;

class DocumentCommands : public QObject {
    Q_OBJECT
public:
    DocumentCommands(MainWindow& window, AppState& state, Platform& platform);

    void newdoc();
    void docopen(const QString& path);
    void iniread();
    void iniwrite();
    void wrapset();
    void M_SaveAs_Click();

private:
    MainWindow& w_;
    AppState& s_;
    Platform& p_;
};

} // namespace pukana
