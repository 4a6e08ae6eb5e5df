// A small tmpfs mounted on a temporary folder, for the failures only a real file system
// gives (disk full, read-only). Mounting needs root; tests skip where it is not allowed.
#pragma once

#include <QTemporaryDir>
#include <QtGlobal>

#ifdef Q_OS_LINUX
#include <sys/mount.h>
#endif

namespace pukana::test {

class ScratchMount {
public:
    /// Mounts a tmpfs of `kilobytes` on a fresh folder; ok() tells whether it worked.
    explicit ScratchMount(int kilobytes) {
#ifdef Q_OS_LINUX
        const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k";
        mounted_ = dir_.isValid() &&
                   ::mount("tmpfs", qPrintable(dir_.path()), "tmpfs", 0, options.constData()) == 0;
#else
        Q_UNUSED(kilobytes);
#endif
    }
    ~ScratchMount() {
#ifdef Q_OS_LINUX
        if (mounted_)
            ::umount2(qPrintable(dir_.path()), MNT_DETACH);
#endif
    }
    ScratchMount(const ScratchMount&) = delete;
    ScratchMount& operator=(const ScratchMount&) = delete;

    bool ok() const {
        return mounted_;
    }
    QString path() const {
        return dir_.path();
    }
    QString filePath(const QString& name) const {
        return dir_.filePath(name);
    }
    /// Makes the file system read-only; false when that failed.
    bool makeReadOnly() {
#ifdef Q_OS_LINUX
        return mounted_ && ::mount(nullptr, qPrintable(dir_.path()), nullptr,
                                   MS_REMOUNT | MS_RDONLY, nullptr) == 0;
#else
        return false;
#endif
    }

private:
    QTemporaryDir dir_;
    bool mounted_ = false;
};

} // namespace pukana::test
