#include "ui/startup.h"

#include "core/conversion/dictionary_preload.h"
#include "core/document/program_paths.h"
#include "core/document/settings_file.h"
#include "core/twips.h"
#include "platform/platform.h"
#include "ui/controllers/conversion_controller.h"
#include "ui/controllers/file_controller.h"
#include "ui/controllers/keyboard_controller.h"
#include "ui/controllers/recovery_controller.h"
#include "ui/controllers/settings_controller.h"
#include "ui/dialogs/splash_window.h"
#include "ui/editor_state.h"
#include "ui/input_target.h"

#include <QDir>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace pukana {

QString appDirFrom(const QString& directory) {
    const QString dir = QDir::toNativeSeparators(directory);
    const QChar sep = QDir::separator();
    if (dir.endsWith(sep) || (QDir::separator() == QLatin1Char('\\') && dir.endsWith(u'/')))
        return dir;
    return dir + sep;
}

namespace {

constexpr std::chrono::milliseconds EngineLoadDelay{500};
// Long enough for the events that follow the window's first paint to be handled first.
constexpr std::chrono::milliseconds PageLookUpDelay{100};

/// Runs a job a little while after its window has first been exposed (and so painted).
class AfterFirstPaint : public QObject {
public:
    AfterFirstPaint(QWindow* window, std::function<void()> job)
        : QObject(window), job_(std::move(job)) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
            // The window paints while it handles this event, before the job runs.
            watched->removeEventFilter(this);
            QTimer::singleShot(PageLookUpDelay, watched, job_);
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> job_;
};

/// Asks for the printer's page once the window has been painted, when the page width
/// remembered from the last run let the window lay out without it: loading the printing
/// system would otherwise take turns with building and painting the window.
void lookUpPageOncePainted(QWidget& window, Platform& platform) {
    auto lookUp = [&platform] { platform.printer().lookUpPageSoon(); };
    QWindow* handle = window.windowHandle();
    if (!handle || handle->isExposed())
        QTimer::singleShot(PageLookUpDelay, &window, lookUp);
    else
        new AfterFirstPaint(handle, lookUp);
}

void findFolders(ProgramPaths& paths, Platform& platform) {
    paths.appDir = appDirFrom(platform.executableDir());
    // Files the program writes go beside it when it may write there, else to the user's data
    // folder; with neither, the program folder is still named and writing falls back quietly.
    paths.dataDir = writableDataDir(paths.appDir, platform.userDataDir());
    if (paths.dataDir.isEmpty())
        paths.dataDir = paths.appDir;
}

void centre(QWidget& window, Platform& platform) {
    const QSize screen = platform.screenSizeTwips();
    const double width = pixelsToTwips(window.frameGeometry().width());
    const double height = pixelsToTwips(window.frameGeometry().height());
    window.move(twipsToPixels((screen.width() - width) / 2),
                twipsToPixels((screen.height() - height) / 2));
}

} // namespace

void preloadDictionaries(Platform& platform) {
    ProgramPaths paths;
    findFolders(paths, platform);
    preloadDictionary(paths.appDir, paths.dataDir);
}

void runStartup(const StartupParts& parts, SplashWindow* splash,
                const std::function<void(const char*)>& trace) {
    const auto step = [&trace](const char* name) {
        if (trace)
            trace(name);
    };
    step("AppDir");
    findFolders(parts.state.paths, parts.platform);
    step("hourglass");
    BusyPointer busy(parts.platform);
    step("dicread");
    parts.conversion.loadDictionaries();
    step("BaseFontName");
    parts.state.settings.baseFontName = QStringLiteral("ＭＳ ゴシック");
    step("iniread");
    parts.settingsFile.load();
    step("centre");
    centre(parts.window, parts.platform);
    step("show");
    parts.window.show();
    parts.layOut();
    lookUpPageOncePainted(parts.window, parts.platform);
    step("unload splash");
    if (splash)
        splash->close();
    step("newdoc");
    parts.files.newDocument();
    step("recovery");
    // A recovered document takes the place of the one named on the command line.
    const bool recovered = parts.recovery.offerRecovery();
    const QString commandLine = parts.platform.commandLine();
    if (!commandLine.isEmpty() && !recovered) {
        step("docopen");
        parts.files.open(commandLine);
    }
    step("create keys");
    parts.keyboard.createCharacterKeys();
    step("btnset");
    parts.keyboard.loadMode(QStringLiteral("ひらがな"));
    step("DocFocus");
    parts.inputTarget.set(InputTarget::Box::Document);
    step("default pointer");
    // The conversion engine's model loads once the window is up and idle, so start-up does
    // not wait for it.
    QTimer::singleShot(EngineLoadDelay, &parts.conversion, &ConversionController::startEngine);
}

} // namespace pukana
