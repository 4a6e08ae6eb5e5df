// Starts the real program on the offscreen platform from a folder of its own and ends it
// the way a session's end does, through the closing routine.
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QtGlobal>
#include <gtest/gtest.h>

#ifdef Q_OS_UNIX
#include <csignal>
#endif

namespace {
/// A copy of the program in `dir`, without `missing`, started offscreen with `dir` as home.
void startCopy(QProcess& program, const QTemporaryDir& dir, const char* missing = "") {
    ASSERT_TRUE(dir.isValid());
    for (const char* name : {"pukana", "btn.dat", "pukana.dic", "PUKANA.txt"}) {
        const QString from = QStringLiteral(PUKANA_BINARY_DIR "/") + QLatin1StringView(name);
        if (QFile::exists(from) && qstrcmp(name, missing) != 0) {
            ASSERT_TRUE(QFile::copy(from, dir.filePath(QLatin1StringView(name))));
        }
    }
    QFile::setPermissions(dir.filePath(QStringLiteral("pukana")),
                          QFile::permissions(QStringLiteral(PUKANA_BINARY_DIR "/pukana")));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("HOME"), dir.path());
    program.setProcessEnvironment(env);
    program.start(dir.filePath(QStringLiteral("pukana")), {});
}
} // namespace

TEST(Smoke, StartsAndEndsThroughTheClosingRoutine) {
#ifndef Q_OS_UNIX
    GTEST_SKIP() << "a session's end arrives as SIGTERM only on Unix";
#else
    QTemporaryDir dir;
    QProcess program;
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    ASSERT_NO_FATAL_FAILURE(startCopy(program, dir));
    ASSERT_TRUE(program.waitForStarted(10000));
    // Signals that arrive during start-up wait for the event loop, so any moment will do.
    QThread::msleep(1500);
    ::kill(program.processId(), SIGTERM);
    ASSERT_TRUE(program.waitForFinished(60000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
    // The closing routine writes the settings beside the program.
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("pukana.INI"))));
#endif
}

TEST(Smoke, WithoutItsKeyFileItSaysSoAndFails) {
    QTemporaryDir dir;
    QProcess program;
    ASSERT_NO_FATAL_FAILURE(startCopy(program, dir, "btn.dat"));
    ASSERT_TRUE(program.waitForFinished(60000));
    EXPECT_NE(program.exitCode(), 0);
    EXPECT_TRUE(program.readAllStandardError().contains("btn.dat"));
}
