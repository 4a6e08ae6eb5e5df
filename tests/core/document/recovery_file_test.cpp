#include "core/document/recovery_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace pukana;
using namespace Qt::StringLiterals;

TEST(RecoveryFile, RoundTripAndLeftovers) {
    QTemporaryDir dir;
    const QString data = dir.filePath(u"data"_s); // made on the first write
    const qint64 own = QCoreApplication::applicationPid();
    // A path with a line end and text that is not RTF survive whole.
    const RecoveredDocument doc{u"/home/u/a\nb 😀.txt"_s, false, u"かな\n😀\n"_s.toUtf8()};
    writeRecoveryFile(recoveryFilePath(data, own), doc);
    const auto back = readRecoveryFile(recoveryFilePath(data, own));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->path, doc.path);
    EXPECT_FALSE(back->rich);
    EXPECT_EQ(back->content, doc.content);

    // Our own file is never a leftover; one of a process that is gone is.
    EXPECT_TRUE(findLeftoverRecoveryFile(data, own).isEmpty());
    const QString gone = recoveryFilePath(data, 999999999);
    writeRecoveryFile(gone, {u"/x.rtf"_s, true, "{\\rtf1 x}"});
    EXPECT_EQ(findLeftoverRecoveryFile(data, own), gone);
    // Damaged files are no documents.
    for (const QByteArray& bad :
         {QByteArray("PUKANA-RECOVERY 1\nrtf\n99\n/x\n"),
          QByteArray("PUKANA-RECOVERY 1\nzip\n1\n/\n"), QByteArray("hello")}) {
        QFile f(gone);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bad);
        f.close();
        EXPECT_FALSE(readRecoveryFile(gone)) << bad.constData();
    }
    // Only the two files themselves are in the folder: no temporary file was left.
    EXPECT_EQ(QDir(data).entryList(QDir::Files | QDir::Hidden).size(), 2);
}
