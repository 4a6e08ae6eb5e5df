// Keystroke strings sent to a widget as if typed.
#pragma once

#include <QString>

class QWidget;

namespace pukana {

/// Sends a keystroke string ("{LEFT}", "+{RIGHT}", "{BS}", "~", ...) to any widget,
/// processed before the call returns.
void sendKeys(QWidget* target, const QString& keys);

} // namespace pukana
