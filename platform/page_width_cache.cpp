#include "platform/page_width_cache.h"

#include "core/error.h"
#include "core/formats/text_file.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <cmath>

namespace pukana {

namespace {

// The largest file read: one number and a line end.
constexpr qint64 LargestCacheFile = 64;
// Wider than any paper a printer takes (about 3.5 m): anything beyond is not a page width.
constexpr double WidestPagePoints = 10000.0;

} // namespace

QString defaultPageWidthCachePath() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (folder.isEmpty())
        return QString();
    return folder + QStringLiteral("/pukana/page-width");
}

std::optional<double> readCachedPageWidth(const QString& path) {
    if (path.isEmpty())
        return std::nullopt;
    try {
        const QByteArray text = readWholeFile(path, LargestCacheFile).trimmed();
        bool ok = false;
        const double points = text.toDouble(&ok);
        if (ok && std::isfinite(points) && points > 0 && points <= WidestPagePoints)
            return points;
    } catch (const PukanaError&) {
        // A missing or unreadable file only means the printing system is asked again.
    }
    return std::nullopt;
}

void writeCachedPageWidth(const QString& path, double points) {
    if (path.isEmpty())
        return;
    try {
        QDir().mkpath(QFileInfo(path).path());
        writeFileSafely(path, QByteArray::number(points, 'g', 17) + '\n');
    } catch (const PukanaError&) {
        // Not remembered: the next start waits for the printing system, as the first did.
    }
}

} // namespace pukana
