// The application object: after start-up, an error that no handler took is shown in a
// message box and the editor keeps running, so the user's text is never lost.
#pragma once

#include <QApplication>

namespace pukana {

class Platform;

class Application : public QApplication {
public:
    Application(int& argc, char** argv);

    /// Set once the editor is ready; before that an uncaught error ends start-up.
    void setPlatform(Platform* platform) { platform_ = platform; }

    bool notify(QObject* receiver, QEvent* event) override;

private:
    Platform* platform_ = nullptr;
};

/// Renders the Windows font names the editor uses with the fonts installed here.
void installFontSubstitutions();

/// Installs Qt's own Japanese translation (qtbase_ja) in the running application, so standard
/// buttons and dialogs read in Japanese whatever the user's locale. False when it is missing.
bool installJapaneseTranslation();

/// False (with a message on standard error) when no display can be reached.
bool displayAvailable();

} // namespace pukana
