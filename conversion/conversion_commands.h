// Handlers of the kana-kanji conversion: dictionaries, the へんかん key and the candidate list.
#pragma once

#include <QObject>

namespace pukana {

struct AppState;
class MainWindow;
class Platform;

class ConversionCommands : public QObject {
    Q_OBJECT
public:
    ConversionCommands(MainWindow& window, AppState& state, Platform& platform);

    void dicread();

private:
    MainWindow& w_;
    AppState& s_;
    Platform& p_;
};

} // namespace pukana
