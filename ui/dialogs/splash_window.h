// The splash window shown while the main window loads.
#pragma once

#include <QWidget>

class QLabel;

namespace pukana {

class SplashWindow : public QWidget {
    Q_OBJECT
public:
    explicit SplashWindow(QWidget* parent = nullptr);

    /// Centres the window on a screen of the given size (twips), sets the version label and
    /// the loading line for `commandLine`, shows and paints at once.
    void Form_Load(QSize screenTwips, const QString& commandLine);

    QLabel* Label1 = nullptr; ///< "PUKANA"
    QLabel* Label2 = nullptr; ///< maker's notice
    QLabel* Label3 = nullptr; ///< loading line
    QLabel* Label4 = nullptr; ///< version
};

} // namespace pukana
