// Sample documents shared by the benchmarks.
#pragma once

#include <QByteArray>
#include <QString>

namespace pukana::bench {

/// About 100 bytes of novel-like Shift_JIS per line (CR LF), varied a little from line to
/// line, up to `targetBytes`.
QByteArray novelShiftJis(qsizetype targetBytes);

/// Japanese prose with Latin words and line breaks, `units` UTF-16 units long or a little more.
QString searchableProse(qsizetype units);

} // namespace pukana::bench
