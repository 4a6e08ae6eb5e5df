#include "ui/widgets/key_caption.h"

#include "core/keyboard/key_layout.h"

#include <QPushButton>
#include <QVariant>

namespace pukana {

namespace {
constexpr char TypedProperty[] = "typedText";
}

void showKeyCaption(QPushButton& key, const QString& typed) {
    key.setProperty(TypedProperty, typed);
    QString shown = keyboard::visibleCaption(typed);
    key.setText(shown.replace(QLatin1Char('&'), QStringLiteral("&&")));
}

QString typedText(const QPushButton& key) {
    const QVariant typed = key.property(TypedProperty);
    return typed.isValid() ? typed.toString() : key.text();
}

} // namespace pukana
