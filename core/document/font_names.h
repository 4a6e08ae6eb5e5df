// The Windows face names documents use, and the installed faces that stand in for them.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <utility>

namespace pukana {

/// Each Windows face name with the installed faces that draw it, best first.
const QList<std::pair<QString, QStringList>>& faceSubstitutes();

} // namespace pukana
