// Whole-file reads take only regular files and never wait; safe saves keep what the user
// set on the file and say exactly why they failed.
#include "core/error.h"
#include "core/formats/text_file.h"
#include "tests/support/scratch_mount.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <future>
#include <gtest/gtest.h>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

using namespace pukana;
using pukana::test::ScratchMount;
using namespace Qt::StringLiterals;

namespace {

int errorNumberOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const PukanaError& e) {
        return e.number();
    }
    return 0;
}

void writeRaw(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

#ifdef Q_OS_UNIX

TEST(FileSafety, OnlyRegularFilesAreReadAndNothingWaits) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath(u"pipe"_s);
    ASSERT_EQ(::mkfifo(qPrintable(fifo), 0600), 0);
    const QString link = dir.filePath(u"zero-link"_s);
    ASSERT_TRUE(QFile::link(u"/dev/zero"_s, link));
    const QString big = dir.filePath(u"big.dat"_s);
    writeRaw(big, QByteArray(70 << 10, 'x'));

    // Run where a hang would show as a timeout instead of a stuck test.
    auto results = std::async(std::launch::async, [&] {
        return std::vector<int>{
            errorNumberOf([&] { readWholeFile(u"/dev/zero"_s); }),
            errorNumberOf([&] { readWholeFile(fifo); }),
            errorNumberOf([&] { readWholeFile(dir.path()); }),
            errorNumberOf([&] { readWholeFile(link); }),
            errorNumberOf([&] { readWholeFile(big, 64 << 10); }),
            errorNumberOf([&] { readWholeFile(big, 70 << 10); }),
        };
    });
    ASSERT_EQ(results.wait_for(std::chrono::seconds(20)), std::future_status::ready);
    EXPECT_EQ(results.get(),
              (std::vector<int>{err::NotRegularFile, err::NotRegularFile, err::NotRegularFile,
                                err::NotRegularFile, err::FileTooLarge, 0}));
    // Saving over a device or a FIFO is refused too, and leaves it alone.
    EXPECT_EQ(errorNumberOf([&] { writeFileSafely(fifo, "x"); }), err::NotRegularFile);
    EXPECT_EQ(errorNumberOf([&] { writeFileSafely(link, "x"); }), err::NotRegularFile);
    // The message names the file.
    try {
        readWholeFile(fifo);
    } catch (const PukanaError& e) {
        EXPECT_TRUE(e.description().contains(fifo));
    }
}

TEST(FileSafety, SaveKeepsPermissionsOwnerAndLinks) {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"private.txt"_s);
    writeRaw(path, "old");
    ASSERT_EQ(::chmod(qPrintable(path), 0640), 0);
    ASSERT_EQ(::chown(qPrintable(path), getuid(), getgid()), 0);
    writeFileSafely(path, "new");
    struct stat st {};
    ASSERT_EQ(::stat(qPrintable(path), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(st.st_uid, getuid());

    // A new file gets the usual mode for the user's mask, not the temporary file's 0600.
    const mode_t mask = ::umask(022);
    writeFileSafely(dir.filePath(u"fresh.txt"_s), "x");
    ::umask(mask);
    ASSERT_EQ(::stat(qPrintable(dir.filePath(u"fresh.txt"_s)), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0644u);

    // Through a relative link in another folder: the link stays, its target changes.
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"links"_s));
    const QString link = dir.filePath(u"links/shortcut.txt"_s);
    ASSERT_EQ(::symlink("../private.txt", qPrintable(link)), 0);
    writeFileSafely(link, "through the link");
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(readWholeFile(path), QByteArray("through the link"));
    ASSERT_EQ(::stat(qPrintable(path), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    // Nothing but the files themselves is left in either folder.
    EXPECT_EQ(
        QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(),
        3);
}

TEST(FileSafety, EachFailureHasItsOwnDescription) {
    QTemporaryDir dir;
    QMap<int, QString> seen; // error number -> description

    const auto expectError = [&](int number, const std::function<void()>& action) {
        try {
            action();
            ADD_FAILURE() << "no error, expected " << number;
        } catch (const PukanaError& e) {
            EXPECT_EQ(e.number(), number) << qPrintable(e.description());
            seen.insert(e.number(), errorDescription(e.number()));
        }
    };
    expectError(err::FileNotFound, [&] { readWholeFile(dir.filePath(u"none"_s)); });
    expectError(err::NameTooLong, [&] { writeFileSafely(dir.filePath(QString(300, u'n')), "x"); });

    ScratchMount full(64);
    if (full.ok()) {
        const QString path = full.filePath(u"doc.txt"_s);
        writeRaw(path, "old");
        expectError(err::DiskFull, [&] { writeFileSafely(path, QByteArray(1 << 20, 'x')); });
        EXPECT_EQ(readWholeFile(path), QByteArray("old")); // the old file stays whole
    }
    ScratchMount readOnly(64);
    if (readOnly.ok()) {
        writeRaw(readOnly.filePath(u"doc.txt"_s), "old");
        ASSERT_TRUE(readOnly.makeReadOnly());
        expectError(err::ReadOnlyFileSystem,
                    [&] { writeFileSafely(readOnly.filePath(u"doc.txt"_s), "new"); });
    }

    // Permission denied: a folder the user may not write. Root may write anywhere, so the
    // save runs in a child that has given up root.
    const QString locked = dir.filePath(u"locked"_s);
    ASSERT_TRUE(QDir().mkdir(locked));
    ASSERT_EQ(::chmod(qPrintable(dir.path()), 0755), 0);
    ASSERT_EQ(::chmod(qPrintable(locked), 0555), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        if (getuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(1);
        ::_exit(errorNumberOf([&] { writeFileSafely(locked + u"/x.txt"_s, "x"); }) ==
                        err::PermissionDenied
                    ? 0
                    : 2);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    seen.insert(err::PermissionDenied, errorDescription(err::PermissionDenied));

    // No two of these failures read alike.
    const QStringList texts = seen.values();
    EXPECT_EQ(QSet<QString>(texts.begin(), texts.end()).size(), texts.size());
    if (!full.ok() || !readOnly.ok())
        GTEST_SKIP() << "tmpfs cannot be mounted here: disk-full and read-only cases not run";
}

#endif
