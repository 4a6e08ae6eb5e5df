// Reading a file whole and replacing one safely. On POSIX systems this works on file
// descriptors: the file type is checked on the opened descriptor (no race with a rename), a
// FIFO is opened without waiting for a writer, and every failure keeps its errno.
#include "core/error.h"
#include "core/formats/text_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <limits>
#include <new>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <QSaveFile>
#endif

namespace pukana {

namespace {

[[noreturn]] void raiseErrno(int errnoValue, bool writing, const QString& path) {
    raiseError(errorNumberFromErrno(errnoValue, writing), path);
}

// The buffer for `size` bytes; a size this process cannot hold is an error, not an abort.
QByteArray allocate(qint64 size, const QString& path) {
    if (size >= qint64(std::numeric_limits<int>::max()))
        raiseError(err::FileTooLarge, path);
    try {
        return QByteArray(qsizetype(size), Qt::Uninitialized);
    } catch (const std::bad_alloc&) {
        raiseError(err::OutOfMemory, path);
    }
}

} // namespace

#ifdef Q_OS_UNIX

namespace {

class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    void reset(int fd) {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = fd;
    }
    /// Closes now; the errno of a failed close (a delayed write error) is returned, else 0.
    int close() {
        const int result = ::close(fd_);
        fd_ = -1;
        return result == 0 ? 0 : errno;
    }

private:
    int fd_;
};

// Reads up to bytes.size() bytes; returns how many there were.
qsizetype readAll(int fd, QByteArray& bytes, const QString& path) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            raiseErrno(errno, false, path);
        if (n == 0)
            break;
        done += n;
    }
    return done;
}

// Follows symbolic links (relative ones from their own folder) to the file they name, so a
// save replaces that file and the link keeps pointing at it.
QString followLinks(const QString& path) {
    QString current = path;
    for (int hops = 0; hops < 40; ++hops) {
        const QFileInfo info(current);
        if (!info.isSymLink())
            return current;
        const QString target = info.symLinkTarget();
        if (target.isEmpty())
            return current;
        current = target;
    }
    raiseErrno(ELOOP, true, path);
}

mode_t defaultFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

bool writeAll(int fd, const QByteArray& bytes, int* error) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            *error = errno;
            return false;
        }
        done += n;
    }
    if (::fsync(fd) != 0 && errno != EINVAL && errno != EROFS) {
        *error = errno;
        return false;
    }
    return true;
}

// Gives the new file the old one's permissions, owner and group (as far as allowed).
void copyOwnership(int fd, const struct stat* old) {
    if (!old) {
        (void)::fchmod(fd, defaultFileMode());
        return;
    }
    // The owner first: changing it may clear set-user-ID bits the mode then restores.
    if (::fchown(fd, old->st_uid, old->st_gid) != 0)
        (void)::fchown(fd, uid_t(-1), old->st_gid);
    (void)::fchmod(fd, old->st_mode & 07777);
}

// Opens `path` for reading into `fd` when it is a regular file of at most `maxBytes`;
// returns its size.
qint64 openRegularFile(const QString& path, qint64 maxBytes, Descriptor& fd) {
    if (path.isEmpty())
        raiseError(err::PathFileAccess, path);
    // O_NONBLOCK: opening a FIFO must not wait for a writer; the type check refuses it next.
    fd.reset(::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0)
        raiseErrno(errno, false, path);
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0)
        raiseErrno(errno, false, path);
    if (!S_ISREG(st.st_mode))
        raiseError(err::NotRegularFile, path);
    if (st.st_size > maxBytes)
        raiseError(err::FileTooLarge, path);
    return st.st_size;
}

} // namespace

void checkReadable(const QString& path, qint64 maxBytes) {
    Descriptor fd;
    openRegularFile(path, maxBytes, fd);
}

QByteArray readWholeFile(const QString& path, qint64 maxBytes) {
    Descriptor fd;
    QByteArray bytes = allocate(openRegularFile(path, maxBytes, fd), path);
    bytes.truncate(readAll(fd.get(), bytes, path)); // a file that shrank meanwhile
    return bytes;
}

void writeFileSafely(const QString& path, const QByteArray& bytes) {
    if (path.isEmpty())
        raiseError(err::PathFileAccess, path);
    const QString target = followLinks(path);
    const QByteArray nativeTarget = QFile::encodeName(target);
    struct stat old {};
    const bool exists = ::stat(nativeTarget.constData(), &old) == 0;
    if (exists && S_ISDIR(old.st_mode))
        raiseError(err::PathFileAccess, path);
    if (exists && !S_ISREG(old.st_mode))
        raiseError(err::NotRegularFile, path);
    const QString dir = QFileInfo(target).absolutePath();
    if (!QFileInfo(dir).isDir())
        raiseError(err::PathNotFound, path);

    QByteArray temp = QFile::encodeName(QDir(dir).filePath(QStringLiteral(".pukana-XXXXXX")));
    Descriptor fd(::mkostemp(temp.data(), O_CLOEXEC));
    if (fd.get() < 0)
        raiseErrno(errno, true, path);
    int error = 0;
    if (writeAll(fd.get(), bytes, &error)) {
        copyOwnership(fd.get(), exists ? &old : nullptr);
        error = fd.close();
    }
    if (error == 0 && ::rename(temp.constData(), nativeTarget.constData()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(temp.constData());
        raiseErrno(error, true, path);
    }
}

#else

namespace {

// Opens `path` into `file` when it is a regular file of at most `maxBytes`; returns its size.
qint64 openRegularFile(const QString& path, qint64 maxBytes, QFile& file) {
    const QFileInfo info(path);
    if (path.isEmpty() || info.isDir())
        raiseError(err::PathFileAccess, path);
    if (!info.exists())
        raiseError(err::FileNotFound, path);
    if (!info.isFile())
        raiseError(err::NotRegularFile, path);
    if (info.size() > maxBytes)
        raiseError(err::FileTooLarge, path);
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly))
        raiseError(err::PathFileAccess, path);
    return info.size();
}

} // namespace

void checkReadable(const QString& path, qint64 maxBytes) {
    QFile file;
    openRegularFile(path, maxBytes, file);
}

QByteArray readWholeFile(const QString& path, qint64 maxBytes) {
    QFile file;
    QByteArray bytes = allocate(openRegularFile(path, maxBytes, file), path);
    const qint64 n = file.read(bytes.data(), bytes.size());
    if (n < 0)
        raiseError(err::PathFileAccess, path);
    bytes.truncate(n);
    return bytes;
}

void writeFileSafely(const QString& path, const QByteArray& bytes) {
    const QFileInfo info(path);
    if (path.isEmpty() || info.isDir())
        raiseError(err::PathFileAccess, path);
    if (!info.absoluteDir().exists())
        raiseError(err::PathNotFound, path);
    const auto number = [](QFileDevice::FileError e) {
        return e == QFileDevice::ResourceError      ? err::DiskFull
               : e == QFileDevice::PermissionsError ? err::PermissionDenied
                                                    : err::PathFileAccess;
    };
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        raiseError(number(file.error()), path);
    if (file.write(bytes) != bytes.size()) {
        const int n = number(file.error());
        file.cancelWriting();
        raiseError(n, path);
    }
    if (!file.commit())
        raiseError(number(file.error()), path);
}

#endif

} // namespace pukana
