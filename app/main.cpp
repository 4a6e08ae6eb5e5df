// Pukana: the splash window comes first and loads the main window behind it.
#include "app/application.h"
#include "app/termination_signal.h"
#include "core/error.h"
#include "core/formats/cp932.h"
#include "platform/qt_platform.h"
#include "ui/app_state.h"
#include "ui/controllers/shell_commands.h"
#include "ui/dialogs/font_dialog.h"
#include "ui/dialogs/splash_window.h"
#include "ui/main_window.h"

#include <QMessageBox>
#include <cstdio>

int main(int argc, char** argv) {
    using namespace pukana;
    if (!displayAvailable())
        return 2;
    Application app(argc, argv);
    MainWindow* mainWindow = nullptr;
    // A SIGTERM (a session ending) asks the same question as the close button.
    installTerminationHandler(&app, [&mainWindow] {
        if (mainWindow)
            mainWindow->close();
    });
    installFontSubstitutions();
    if (!installJapaneseTranslation())
        std::fputs("PUKANA: qtbase_ja.qm (qt6-translations-l10n) not found: standard dialogs "
                   "stay in English\n",
                   stderr);
    QtPlatform platform;
    platform.setFontDialogRunner(&runFontDialog);
    if (!cp932::available()) {
        platform.msgBox(QStringLiteral("Shift_JIS（コードページ 932）の変換機能が見つかりません。"
                                       "Qt が ICU つきで構築されているか確かめてください。"),
                        msg::Ok);
        return 1;
    }
    AppState state;
    SplashWindow splash;
    MainWindow window(state, platform);
    mainWindow = &window;
    try {
        splash.Form_Load(platform.screenSizeTwips(), platform.commandLine());
        window.shell->Form_Load(&splash);
    } catch (const PukanaError& e) {
        // Without its data files the editor cannot work: say why and end.
        splash.close();
        platform.setPointer(pointer::Default);
        std::fprintf(stderr, "PUKANA: %s\n", e.what());
        if (QGuiApplication::platformName() != QLatin1StringView("offscreen"))
            platform.msgBox(e.description(), msg::Ok);
        return 1;
    }
    app.setPlatform(&platform);
    return app.exec();
}
