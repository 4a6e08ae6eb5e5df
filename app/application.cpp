#include "app/application.h"

#include "core/document/font_names.h"
#include "core/error.h"
#include "platform/platform.h"
#include "ui/widgets/deferred_icon_style.h"

#include <QCoreApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstdio>

namespace pukana {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("pukana"));
    // Before any widget exists: the style every widget takes is this one.
    setStyle(new DeferredIconStyle(style()));
}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const PukanaError& e) {
        if (!platform_)
            throw;
        platform_->msgBox(e.description(), MessageStyle::Ok);
    } catch (const std::exception& e) {
        if (!platform_)
            throw;
        platform_->msgBox(QString::fromLocal8Bit(e.what()), MessageStyle::Ok);
    }
    return false;
}

void installFontSubstitutions() {
    for (const auto& [name, substitutes] : faceSubstitutes())
        QFont::insertSubstitutions(name, substitutes);
}

bool installJapaneseTranslation() {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QStringLiteral("qtbase_ja"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

bool displayAvailable() {
#if defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD)
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
        !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return true;
    std::fputs("PUKANA: 画面（ディスプレイ）が見つかりません。Pukana はウィンドウを表示するために"
               "ディスプレイが必要です。\n"
               "PUKANA: no display found. Pukana needs a graphical display (X11 or Wayland).\n"
               "  Without one, run it under a virtual display:  xvfb-run -a ./pukana\n",
               stderr);
    return false;
#else
    return true;
#endif
}

} // namespace pukana
