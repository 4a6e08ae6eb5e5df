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
    void showWhileLoading(QSize screenTwips, const QString& commandLine);

private:
    QLabel* titleLabel_ = nullptr;
    QLabel* noticeLabel_ = nullptr;
    QLabel* loadingLabel_ = nullptr;
    QLabel* versionLabel_ = nullptr;
};

} // namespace pukana
