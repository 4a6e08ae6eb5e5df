// The platform's own style, with the icons every window asks for at once made on first use.
#pragma once

#include <QProxyStyle>

namespace pukana {

class DeferredIconStyle : public QProxyStyle {
public:
    /// Takes `base` (usually the application's current style) over.
    explicit DeferredIconStyle(QStyle* base);

    /// The menu bar's overflow button takes its icon when the bar is made, although it shows
    /// only in a window too narrow for the menus: reading that picture makes Qt load every
    /// image-format plugin. This icon is read from the base style when first painted.
    QIcon standardIcon(StandardPixmap which, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

} // namespace pukana
