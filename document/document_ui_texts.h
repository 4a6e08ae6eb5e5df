// Messages of the document window's commands that the core message list does not hold.
#pragma once

#include <QString>
#include <QStringView>

namespace pukana::texts {

/// Asks before dropping the formatting would turn `count` characters that Shift_JIS cannot
/// hold into "?", showing the first few `samples`.
QString conversionLossQuestion(int count, QStringView samples);

} // namespace pukana::texts
