#include "ui/controllers/shell_commands.h"

#include "core/document/settings_file.h"
#include "core/twips.h"
#include "platform/platform.h"
#include "ui/controllers/conversion_commands.h"
#include "ui/controllers/document_commands.h"
#include "ui/controllers/keyboard_commands.h"
#include "ui/controllers/recovery_commands.h"
#include "ui/dialogs/splash_window.h"
#include "ui/main_window.h"
#include "ui/widgets/file_name_box.h"

#include <QAction>
#include <QDir>
#include <QGuiApplication>
#include <QSessionManager>

namespace pukana {

namespace {
const QString ExitQuestion = QStringLiteral("へんしゅうちゅうのぶんしょをほぞんしますか ?");

} // namespace

QString appDirFrom(const QString& directory) {
    const QString dir = QDir::toNativeSeparators(directory);
    const QChar sep = QDir::separator();
    if (dir.endsWith(sep) || (QDir::separator() == QLatin1Char('\\') && dir.endsWith(u'/')))
        return dir;
    return dir + sep;
}

ShellCommands::ShellCommands(MainWindow& window, AppState& state, Platform& platform)
    : w_(window), s_(state), p_(platform) {
    connect(w_.M_EXIT, &QAction::triggered, this, &ShellCommands::M_EXIT_Click);
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        connect(app, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& manager) {
            if (manager.allowsInteraction()) {
                if (!Owari())
                    manager.cancel();
                manager.release();
            }
        });
    }
}

void ShellCommands::Form_Load(SplashWindow* splash) {
    step("AppDir");
    s_.AppDir = appDirFrom(p_.executableDir());
    // Files the program writes go beside it when it may write there, else to the user's data
    // folder; with neither, the program folder is still named and writing falls back quietly.
    s_.DataDir = writableDataDir(s_.AppDir, p_.userDataDir());
    if (s_.DataDir.isEmpty())
        s_.DataDir = s_.AppDir;
    step("hourglass");
    p_.setPointer(pointer::Hourglass);
    step("dicread");
    s_.DicLoaded = 0;
    w_.conversion->dicread();
    s_.DicLoaded = 1;
    step("BaseFontName");
    s_.BaseFontName = QStringLiteral("ＭＳ ゴシック");
    step("iniread");
    w_.document->iniread();
    step("centre");
    const QSize screen = p_.screenSizeTwips();
    const double width = pixelsToTwips(w_.frameGeometry().width());
    const double height = pixelsToTwips(w_.frameGeometry().height());
    w_.move(twipsToPixels((screen.width() - width) / 2),
            twipsToPixels((screen.height() - height) / 2));
    step("show");
    w_.show();
    w_.layout();
    step("unload splash");
    if (splash)
        splash->close();
    step("newdoc");
    w_.document->newdoc();
    step("recovery");
    // A recovered document takes the place of the one named on the command line.
    const bool recovered = w_.recovery->offerRecovery();
    const QString commandLine = p_.commandLine();
    if (!commandLine.isEmpty() && !recovered) {
        step("docopen");
        w_.document->docopen(commandLine);
    }
    step("create keys");
    w_.keyboard->createKeys();
    step("btnset");
    w_.keyboard->btnset(QStringLiteral("ひらがな"));
    step("DocFocus");
    s_.DocFocus = true;
    QPalette palette = w_.T2->palette();
    palette.setColor(QPalette::Base, QColor(0xC0, 0xC0, 0xC0));
    w_.T2->setPalette(palette);
    step("default pointer");
    p_.setPointer(pointer::Default);
}

bool ShellCommands::Owari() {
    w_.document->iniwrite();
    if (s_.Modified) {
        const int answer = p_.msgBox(ExitQuestion, msg::YesNoCancelExclamation);
        if (answer == msg::ResultCancel)
            return false;
        if (answer == msg::ResultYes) {
            w_.document->M_SaveAs_Click();
            if (s_.Modified)
                return false;
        }
    }
    w_.recovery->discard(); // a normal end: the user decided about every change
    p_.endProcess(0);
    return true;
}

bool ShellCommands::Form_QueryUnload() {
    return !Owari();
}

bool ShellCommands::Form_Unload() {
    return !Owari();
}

void ShellCommands::M_EXIT_Click() {
    Owari();
}

} // namespace pukana
