#include "ui/controllers/about_controller.h"

#include "core/document/program_paths.h"
#include "core/error.h"
#include "core/formats/text_file.h"
#include "core/twips.h"
#include "core/version.h"
#include "platform/platform.h"
#include "ui/dialogs/about_box.h"
#include "ui/dialogs/readme_window.h"

#include <QAction>

namespace pukana {

QString readmeViewer() {
#ifdef Q_OS_WIN
    return QStringLiteral("notepad.exe");
#else
    return QStringLiteral("xdg-open");
#endif
}

AboutController::AboutController(const ProgramPaths& paths, Platform& platform,
                                 QWidget& dialogParent, QAction& readme, QAction& about,
                                 QObject* parent)
    : QObject(parent), paths_(paths), platform_(platform), dialogParent_(dialogParent) {
    setObjectName(QStringLiteral("aboutController"));
    connect(&about, &QAction::triggered, this, &AboutController::showAbout);
    connect(&readme, &QAction::triggered, this, &AboutController::showReadme);
}

void AboutController::showAbout() {
    AboutBox box(&dialogParent_);
    const QSize screen = platform_.screenSizeTwips();
    box.move(twipsToPixels((screen.width() - pixelsToTwips(box.width())) / 2.0),
             twipsToPixels((screen.height() - pixelsToTwips(box.height())) / 2.0));
    box.setVersionText(versionText());
    platform_.beep();
    platform_.execDialog(box);
}

void AboutController::showReadme() {
    const QString path = paths_.appDir + QStringLiteral("PUKANA.txt");
    try {
        platform_.startProgram(readmeViewer(), {path});
        return;
    } catch (const PukanaError&) {
        // No viewer here: the editor shows the readme itself.
    }
    try {
        ReadmeWindow readme(QStringLiteral("PUKANA.txt"), QString::fromUtf8(readWholeFile(path)),
                            &dialogParent_);
        platform_.execDialog(readme);
    } catch (const PukanaError& e) {
        // The editor keeps running; say why the readme did not open.
        platform_.msgBox(QStringLiteral("よんでねファイルをひらけませんでした。\n") +
                             e.description(),
                         MessageStyle::OkExclamation);
    }
}

} // namespace pukana
