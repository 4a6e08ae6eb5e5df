#include "core/document/recovery_file.h"

#include "core/error.h"
#include "core/formats/text_file.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#endif

using namespace Qt::StringLiterals;

namespace pukana {

namespace {

constexpr QByteArrayView kMagic = "PUKANA-RECOVERY 1\n";
const QString kPrefix = u"pukana-recovery-"_s;
const QString kSuffix = u".dat"_s;
// A recovered document is as large as a document may be, plus its path.
constexpr qint64 kLargestRecoveryFile = kLargestDocumentFile * 2;

bool processRunning(qint64 pid) {
#ifdef Q_OS_UNIX
    return pid > 0 && (::kill(pid_t(pid), 0) == 0 || errno == EPERM);
#else
    Q_UNUSED(pid);
    return false; // without a cheap check, every other editor's file counts as left over
#endif
}

} // namespace

QString recoveryFilePath(const QString& dataDir, qint64 pid) {
    return QDir(dataDir).filePath(kPrefix + QString::number(pid) + kSuffix);
}

void writeRecoveryFile(const QString& file, const RecoveredDocument& document) {
    const QByteArray path = document.path.toUtf8();
    QByteArray bytes;
    bytes.reserve(kMagic.size() + path.size() + document.content.size() + 32);
    bytes += kMagic;
    bytes += document.rich ? "rtf\n" : "txt\n";
    // The path's length first: a path may hold any character, line ends included.
    bytes += QByteArray::number(path.size()) + '\n' + path + '\n';
    bytes += document.content;
    const QString dir = QFileInfo(file).absolutePath();
    if (!QDir().mkpath(dir))
        raiseError(err::PathNotFound, dir);
    writeFileSafely(file, bytes);
}

std::optional<RecoveredDocument> readRecoveryFile(const QString& file) {
    QByteArray bytes;
    try {
        bytes = readWholeFile(file, kLargestRecoveryFile);
    } catch (const PukanaError&) {
        return std::nullopt;
    }
    if (!bytes.startsWith(kMagic))
        return std::nullopt;
    qsizetype pos = kMagic.size();
    RecoveredDocument doc;
    const QByteArrayView kind =
        QByteArrayView(bytes).sliced(pos).first(qMin<qsizetype>(4, bytes.size() - pos));
    if (kind != "rtf\n" && kind != "txt\n")
        return std::nullopt;
    doc.rich = kind == "rtf\n";
    pos += 4;
    const qsizetype lineEnd = bytes.indexOf('\n', pos);
    bool ok = false;
    const qsizetype pathSize = lineEnd < 0 ? -1 : bytes.mid(pos, lineEnd - pos).toLongLong(&ok);
    if (!ok || pathSize < 0 || lineEnd + 1 + pathSize + 1 > bytes.size() ||
        bytes[lineEnd + 1 + pathSize] != '\n')
        return std::nullopt;
    doc.path = QString::fromUtf8(bytes.mid(lineEnd + 1, pathSize));
    doc.content = bytes.sliced(lineEnd + 1 + pathSize + 1);
    return doc;
}

QString findLeftoverRecoveryFile(const QString& dataDir, qint64 ownPid) {
    if (dataDir.isEmpty())
        return QString();
    const QFileInfoList files = QDir(dataDir).entryInfoList({kPrefix + u"*"_s + kSuffix},
                                                            QDir::Files | QDir::Hidden, QDir::Time);
    for (const QFileInfo& info : files) {
        const QString name = info.fileName();
        bool ok = false;
        const qint64 pid =
            QStringView(name).sliced(kPrefix.size()).chopped(kSuffix.size()).toLongLong(&ok);
        if (ok && pid != ownPid && !processRunning(pid))
            return info.filePath();
    }
    return QString();
}

} // namespace pukana
