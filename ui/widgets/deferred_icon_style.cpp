#include "ui/widgets/deferred_icon_style.h"

#include "core/layout/deferred_icon.h"

#include <QPointer>

namespace pukana {

DeferredIconStyle::DeferredIconStyle(QStyle* base) : QProxyStyle(base) {}

QIcon DeferredIconStyle::standardIcon(StandardPixmap which, const QStyleOption* option,
                                      const QWidget* widget) const {
    const bool extension =
        which == SP_ToolBarHorizontalExtensionButton || which == SP_ToolBarVerticalExtensionButton;
    if (!extension || option)
        return QProxyStyle::standardIcon(which, option, widget);
    // The widget may be gone by the time the icon is painted; the style outlives it.
    return deferredIcon([style = QPointer<QStyle>(baseStyle()), which] {
        return style ? style->standardIcon(which) : QIcon();
    });
}

} // namespace pukana
