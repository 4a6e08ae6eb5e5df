// The printable width of the default printer's page, remembered from the last time the
// printing system was asked, so a start need not wait for it.
#pragma once

#include <QString>
#include <optional>

namespace pukana {

/// The file that remembers the width: "pukana/page-width" in the user's cache folder.
QString defaultPageWidthCachePath();

/// The width in points kept in `path`; nullopt when the file is missing, unreadable or does
/// not hold a plausible width.
std::optional<double> readCachedPageWidth(const QString& path);

/// Keeps `points` in `path`, creating its folder. Failing to write is not an error: the
/// next start then asks the printing system again.
void writeCachedPageWidth(const QString& path, double points);

} // namespace pukana
