#include "core/document/path_naming.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace pukana {

QStringView pathSeparators() {
#ifdef Q_OS_WIN
    return u"\\/";
#else
    return u"/";
#endif
}

QChar preferredSeparator() {
#ifdef Q_OS_WIN
    return u'\\';
#else
    return u'/';
#endif
}

namespace {

qsizetype nameStart(QStringView path, QStringView separators) {
    for (qsizetype i = path.size(); i > 0; --i) {
        if (separators.contains(path[i - 1]))
            return i;
    }
    return 0;
}

} // namespace

PathParts splitDocumentPath(QStringView path, QStringView separators) {
    const qsizetype start = nameStart(path, separators);
    const QStringView name = path.sliced(start);
    PathParts parts;
    parts.fileDir = path.first(start).toString();
    if (name.size() <= 4) {
        // No room for a base name beside a four-character extension: the whole name goes into
        // the box, or the box would be empty and its change handler would rename the document.
        parts.baseName = name.toString();
        return parts;
    }
    qsizetype cut = name.size() - 4;
    if (name[cut].isLowSurrogate() && cut > 0 && name[cut - 1].isHighSurrogate())
        --cut; // never split a character in two
    parts.baseName = name.first(cut).toString();
    parts.fileExt = name.sliced(cut).toString();
    return parts;
}

BoxRename renameFromBox(const QString& fileDir, const QString& boxText, const QString& fileExt) {
    BoxRename r;
    r.boxText = boxText.isEmpty() ? kNewDocumentName.toString() : boxText;
    r.path = fileDir + r.boxText + fileExt;
    return r;
}

bool isRichTextPath(QStringView path) {
    return path.size() >= 4 && path.last(4).compare(u".rtf", Qt::CaseInsensitive) == 0;
}

quint32 indicatorColor(QStringView path) {
    return isRichTextPath(path) ? 0x0000FFu : 0xFF0000u;
}

bool hasDirectory(QStringView path, QStringView separators) {
    return nameStart(path, separators) > 0;
}

QString newDocumentPathIn(const QString& desktopDir, QChar separator) {
    QString dir = desktopDir;
    if (!dir.endsWith(separator))
        dir += separator;
    return dir + kNewDocumentName + u".rtf";
}

QString newDocumentPath() {
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    return newDocumentPathIn(QDir::toNativeSeparators(desktop));
}

QString newDocumentFolder(const QString& desktop, const QString& home, const QString& documents) {
    if (!desktop.isEmpty()) {
        const QFileInfo info(desktop);
        if (info.isDir())
            return desktop;
        // Only a desktop folder right in the home folder is made: a setting naming some
        // other place is not followed into creating folders there.
        const bool inHome =
            !home.isEmpty() && QDir::cleanPath(info.absolutePath()) ==
                                   QDir::cleanPath(QFileInfo(home).absoluteFilePath());
        if (inHome && !info.exists() && QDir().mkdir(desktop))
            return desktop;
    }
    if (!documents.isEmpty() && QFileInfo(documents).isDir())
        return documents;
    return home;
}

} // namespace pukana
