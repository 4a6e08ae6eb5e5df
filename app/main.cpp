// Pukana: the splash window comes first and loads the main window behind it.
#include "app/application.h"
#include "app/termination_signal.h"
#include "core/error.h"
#include "core/formats/cp932.h"
#include "platform/qt_platform.h"
#include "ui/dialogs/font_dialog.h"
#include "ui/dialogs/splash_window.h"
#include "ui/editor_state.h"
#include "ui/main_window.h"
#include "ui/startup.h"

#ifdef PUKANA_FILE_DIALOG_SCRIPT_HOOK
#include "platform/file_dialog_script.h"
#else
namespace pukana {
class FileDialogScript {}; // never made: the shipped program reads no script
} // namespace pukana
#endif

#include <cstdio>
#include <optional>

namespace {

/// The platform the editor runs on: the Qt one, or in a build for the end-to-end test and
/// with PUKANA_FILE_DIALOG_SCRIPT set, the same with its file dialogs answered by the script.
pukana::Platform& choosePlatform(pukana::QtPlatform& qt,
                                 std::optional<pukana::FileDialogScript>& scripted) {
#ifdef PUKANA_FILE_DIALOG_SCRIPT_HOOK
    const QString script = qEnvironmentVariable("PUKANA_FILE_DIALOG_SCRIPT");
    if (!script.isEmpty())
        return scripted.emplace(qt, script);
#else
    Q_UNUSED(scripted);
#endif
    return qt;
}

} // namespace

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
    QtPlatform qtPlatform;
    qtPlatform.setFontDialogRunner(&runFontDialog);
    std::optional<FileDialogScript> scripted;
    Platform& platform = choosePlatform(qtPlatform, scripted);
    if (!cp932::available()) {
        platform.msgBox(QStringLiteral("Shift_JIS（コードページ 932）の変換機能が見つかりません。"
                                       "Qt が ICU つきで構築されているか確かめてください。"),
                        MessageStyle::Ok);
        return 1;
    }
    // Read while the windows are built; a missing dictionary still ends the start-up below.
    preloadDictionaries(platform);
    EditorState state;
    SplashWindow splash;
    MainWindow window(state, platform);
    mainWindow = &window;
    try {
        splash.showWhileLoading(platform.screenSizeTwips(), platform.commandLine());
        window.start(&splash);
    } catch (const PukanaError& e) {
        // Without its data files the editor cannot work: say why and end.
        splash.close();
        std::fprintf(stderr, "PUKANA: %s\n", e.what());
        if (QGuiApplication::platformName() != QLatin1StringView("offscreen"))
            platform.msgBox(e.description(), MessageStyle::Ok);
        return 1;
    }
    app.setPlatform(&platform);
    return app.exec();
}
