#include "app/application.h"

#include "core/error.h"
#include "platform/platform.h"

#include <QFont>
#include <cstdio>

namespace pukana {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("pukana"));
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
    QFont::insertSubstitutions(QStringLiteral("ＭＳ ゴシック"),
                               {QStringLiteral("IPAGothic"), QStringLiteral("IPAゴシック"),
                                QStringLiteral("Noto Sans Mono CJK JP")});
    QFont::insertSubstitutions(QStringLiteral("ＭＳ 明朝"),
                               {QStringLiteral("IPAMincho"), QStringLiteral("IPA明朝"),
                                QStringLiteral("Noto Serif CJK JP")});
    QFont::insertSubstitutions(QStringLiteral("ＭＳ Ｐゴシック"),
                               {QStringLiteral("IPAPGothic"), QStringLiteral("IPAPゴシック"),
                                QStringLiteral("Noto Sans CJK JP")});
    QFont::insertSubstitutions(
        QStringLiteral("Times New Roman"),
        {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
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
