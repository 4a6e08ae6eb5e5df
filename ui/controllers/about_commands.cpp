#include "ui/controllers/about_commands.h"

#include "core/error.h"
#include "core/twips.h"
#include "core/version.h"
#include "platform/platform.h"
#include "ui/dialogs/about_box.h"
#include "ui/main_window.h"

#include <QAction>
#include <QLabel>

namespace pukana {

QString readmeViewer() {
#ifdef Q_OS_WIN
    return QStringLiteral("notepad.exe");
#else
    return QStringLiteral("xdg-open");
#endif
}

AboutCommands::AboutCommands(MainWindow& window, AppState& state, Platform& platform)
    : w_(window), s_(state), p_(platform) {
    connect(w_.M_About, &QAction::triggered, this, &AboutCommands::M_About_Click);
    connect(w_.M_Readme, &QAction::triggered, this, &AboutCommands::M_Readme_Click);
}

void AboutCommands::M_About_Click() {
    AboutBox box(&w_);
    const QSize screen = p_.screenSizeTwips();
    box.move(twipsToPixels((screen.width() - pixelsToTwips(box.width())) / 2.0),
             twipsToPixels((screen.height() - pixelsToTwips(box.height())) / 2.0));
    box.LV->setText(versionText());
    p_.beep();
    p_.execDialog(box);
}

void AboutCommands::M_Readme_Click() {
    const QString path = s_.AppDir + QStringLiteral("PUKANA.txt");
    try {
        p_.startProgram(readmeViewer(), {path});
    } catch (const PukanaError& e) {
        // The editor keeps running; say why the readme did not open.
        p_.msgBox(QStringLiteral("よんでねファイルをひらけませんでした。\n") + e.description(),
                  msg::OkExclamation);
    }
}

} // namespace pukana
