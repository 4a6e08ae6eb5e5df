// Crash recovery: an editor killed while typing leaves a copy the next start offers back; a
// normal end or save leaves none.
#include "tests/ui/document/document_window_fixture.h"

#include "core/document/document_texts.h"
#include "core/document/recovery_file.h"
#include "ui/controllers/recovery_controller.h"
#include "ui/controllers/shutdown_controller.h"
#include "ui/widgets/file_name_box.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QThread>

#ifdef Q_OS_UNIX
#include <csignal>
#endif

using namespace pukana;
using namespace Qt::StringLiterals;

namespace {

constexpr const char* kChildVariable = "PUKANA_RECOVERY_CHILD_DATA";

class Recovery : public test::WindowFixture {
protected:
    RichTextBox& t1() { return *documentView(); }
    RecoveryController& recovery() { return controller<RecoveryController>(); }
};

} // namespace

// The editor that gets killed: started by the test below in a process of its own.
TEST_F(Recovery, ChildTypesUntilKilled) {
    const QString data = qEnvironmentVariable(kChildVariable);
    if (data.isEmpty())
        GTEST_SKIP() << "runs only as the child of KilledEditorsTextIsOfferedAtTheNextStart";
    platform.dataDir = data;
    start();
    recovery().setDelay(200);
    fileNameBox()->selectAll();
    fileNameBox()->insert(u"killed"_s); // the document is named .../killed.rtf
    keys()[1]->click();
    t1().replaceSelection(u"ころされるまえのぶん"_s);
    QElapsedTimer limit;
    limit.start();
    while (limit.elapsed() < 60000) // the parent kills it long before
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
}

#ifdef Q_OS_UNIX
TEST_F(Recovery, KilledEditorsTextIsOfferedAtTheNextStart) {
    const QString data = appDir.filePath(u"userdata"_s);
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(kChildVariable), data);
    env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    child.setProcessEnvironment(env);
    child.setWorkingDirectory(appDir.path());
    child.start(QCoreApplication::applicationFilePath(),
                {u"--gtest_filter=Recovery.ChildTypesUntilKilled"_s});
    ASSERT_TRUE(child.waitForStarted(10000));
    const auto stopChild = qScopeGuard([&child] {
        child.kill();
        child.waitForFinished(10000);
    });
    const QString copy = recoveryFilePath(data, child.processId());
    QElapsedTimer limit;
    limit.start();
    while (!readRecoveryFile(copy).has_value() && limit.elapsed() < 20000)
        QThread::msleep(50);
    ASSERT_TRUE(readRecoveryFile(copy).has_value()) << "the child wrote no copy";
    ::kill(pid_t(child.processId()), SIGKILL);
    ASSERT_TRUE(child.waitForFinished(10000));
    const QString killedPath = readRecoveryFile(copy)->path;

    // The next start asks, and Yes brings the text back as an unsaved document.
    platform.msgAnswers = {MessageResult::Yes};
    start();
    ASSERT_FALSE(platform.messages.isEmpty());
    EXPECT_EQ(platform.messages[0].text, texts::kRecoveryQuestion.toString());
    EXPECT_TRUE(t1().documentText().contains(u"ころされるまえのぶん"_s));
    EXPECT_TRUE(killedPath.endsWith(u"killed.rtf"_s));
    EXPECT_EQ(window->windowTitle(), killedPath);
    EXPECT_TRUE(document().isModified());
    // The dead editor's copy is gone, this editor's own stands in for it.
    EXPECT_FALSE(QFile::exists(copy));
    EXPECT_TRUE(QFile::exists(recovery().filePath()));
}
#endif

TEST_F(Recovery, NormalEndOrSaveLeavesNoCopyAndNoIsNotAskedAgain) {
    start();
    t1().replaceSelection(u"まだほぞんしていない"_s);
    recovery().writeNow();
    ASSERT_TRUE(QFile::exists(recovery().filePath()));
    // Ending without saving (No) removes it too.
    t1().replaceSelection(u"もういちど"_s);
    recovery().writeNow();
    platform.msgAnswers = {MessageResult::No};
    action("M_EXIT")->trigger();
    EXPECT_EQ(platform.endedWith, std::optional(0));
    EXPECT_FALSE(QFile::exists(recovery().filePath()));

    // A copy left by a dead editor that the user declines is not offered again.
    writeRecoveryFile(recoveryFilePath(platform.dataDir, 999999999), {u"/x.txt"_s, false, "x"});
    platform.messages.clear();
    platform.msgAnswers = {MessageResult::No};
    EXPECT_FALSE(recovery().offerRecovery());
    EXPECT_EQ(platform.lastMessage(), texts::kRecoveryQuestion.toString());
    platform.messages.clear();
    EXPECT_FALSE(recovery().offerRecovery());
    EXPECT_TRUE(platform.messages.isEmpty());
}
