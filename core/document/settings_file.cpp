#include "core/document/settings_file.h"

#include "core/document/path_naming.h"
#include "core/error.h"
#include "core/formats/cp932.h"
#include "core/formats/text_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace pukana {

namespace {

constexpr QStringView kKeyboardOn = u"[KB]on";
constexpr QStringView kFontPrefix = u"[font]";
constexpr qsizetype kLongestPath = 32767; // longer than any path on any system

bool hasControlCharacter(QStringView s) {
    return std::any_of(s.begin(), s.end(), [](QChar c) { return c.unicode() < 0x20; });
}

bool canBeRecentFile(QStringView field) {
    return !field.isEmpty() && !field.startsWith(u'[') && field.size() <= kLongestPath &&
           !hasControlCharacter(field);
}

// What a quoted line can carry back whole: a path with a character code page 932 cannot
// hold would come back with a "?" and name no file.
bool canBeWritten(QStringView path) {
    return !path.isEmpty() && !path.contains(u'"') && !path.contains(u'\r') &&
           !path.contains(u'\n') && cp932::countUnencodable(path, nullptr, 0) == 0;
}

} // namespace

Settings parseSettings(const QByteArray& bytes) {
    Settings s;
    FieldReader reader(bytes);
    while (!reader.atEnd()) {
        const QString field = reader.readField();
        if (field == kKeyboardOn) {
            s.keyboardOn = true;
        } else if (field.startsWith(kFontPrefix)) {
            const QString name = field.sliced(kFontPrefix.size());
            if (!name.isEmpty() && name.size() <= kLongestPath && !hasControlCharacter(name))
                s.fontName = name;
        } else if (canBeRecentFile(field) && s.recentFiles.size() < kStoredRecentFiles) {
            s.recentFiles << field;
        }
    }
    return s;
}

QByteArray serializeSettings(bool keyboardOn, const QString& fontName,
                             const QStringList& recentFiles) {
    QByteArray bytes;
    if (keyboardOn)
        bytes += encodeLine(kKeyboardOn.toString());
    bytes += encodeLine(kFontPrefix + fontName);
    int written = 0;
    for (const QString& path : recentFiles) {
        if (written == kStoredRecentFiles)
            break;
        if (!canBeWritten(path))
            continue;
        bytes += encodeQuotedLine(path);
        ++written;
    }
    return bytes;
}

bool addRecentFile(QStringList& recentFiles, const QString& path) {
    for (qsizetype k = 0; k < recentFiles.size(); ++k) {
        if (recentFiles[k].compare(path, Qt::CaseInsensitive) == 0) {
            recentFiles.removeAt(k);
            recentFiles.prepend(path);
            return false;
        }
    }
    recentFiles.prepend(path);
    return true;
}

Settings loadSettings(const QString& path, QString* problem) {
    if (path.isEmpty())
        return {};
    QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) {
        QFile create(path); // a missing file is created empty; failing that changes nothing
        if (create.open(QIODevice::ReadWrite))
            create.close();
        return {};
    }
    try {
        return parseSettings(readWholeFile(path, kLargestSettingsFile));
    } catch (const PukanaError& e) {
        if (problem)
            *problem = e.description();
        return {};
    }
}

bool saveSettings(const QString& path, const QByteArray& bytes) {
    if (path.isEmpty())
        return false;
    try {
        writeFileSafely(path, bytes);
        return true;
    } catch (const PukanaError&) {
        return false;
    }
}

namespace {

bool canCreateFileIn(const QString& dir) {
    if (dir.isEmpty() || !QFileInfo(dir).isDir())
        return false;
    QTemporaryFile probe(QDir(dir).filePath(u".pukana-probe-XXXXXX"_s));
    return probe.open(); // removed again when `probe` goes
}

QString withSeparator(const QString& dir) {
    QString native = QDir::toNativeSeparators(dir);
    if (!pathSeparators().contains(native.back()))
        native += preferredSeparator();
    return native;
}

} // namespace

QString writableDataDir(const QString& appDir, const QString& fallbackDir) {
    if (canCreateFileIn(appDir))
        return withSeparator(appDir);
    if (!fallbackDir.isEmpty() && QDir().mkpath(fallbackDir) && canCreateFileIn(fallbackDir))
        return withSeparator(fallbackDir);
    return QString();
}

} // namespace pukana
