// The settings file and the recent-file entries, across restarts.
#include "tests/document/document_window_fixture.h"

#include "platform/cp932.h"

using namespace pukana;
using namespace Qt::StringLiterals;

class RecentFiles : public test::DocumentWindow {
protected:
    QString settings() const { return appFile(u"pukana.INI"_s); }
    /// Ends this window and starts the program again on the same folders.
    void restart() {
        window.reset();
        state = AppState();
        window = std::make_unique<MainWindow>(state, platform);
        start();
    }
    QStringList entries() {
        QStringList list;
        for (int i = 1; i <= state.MruCount; ++i) {
            EXPECT_TRUE(window->m_f[i]->isVisible());
            list << doc().recentFile(i);
        }
        return list;
    }
};

TEST_F(RecentFiles, SurviveARestartWithKeyboardAndFont) {
    writeBytes(settings(), cp932::encode(u"[font]ＭＳ 明朝\r\n\"/a/one, two.txt\"\r\n[x]\r\n"
                                         u"\"[odd].txt\"\r\n\"/b/c.rtf\"\r\n"_s));
    restart();
    EXPECT_EQ(state.BaseFontName, u"ＭＳ 明朝"_s);
    EXPECT_EQ(entries(), (QStringList{u"/a/one, two.txt"_s, u"/b/c.rtf"_s}));
    EXPECT_TRUE(window->m_f[0]->isVisible());
    EXPECT_EQ(window->m_f[1]->text(), u"/a/one, two.txt"_s);

    window->M_KB->setChecked(true);
    doc().iniwrite();
    EXPECT_EQ(
        readBytes(settings()),
        cp932::encode(u"[KB]on\r\n[font]ＭＳ 明朝\r\n\"/a/one, two.txt\"\r\n\"/b/c.rtf\"\r\n"_s));
    restart();
    EXPECT_TRUE(window->M_KB->isChecked());
    EXPECT_EQ(entries().size(), 2);
}

TEST_F(RecentFiles, NoFileStartsEmptyAndCreatesIt) {
    EXPECT_EQ(state.MruCount, 0);
    EXPECT_FALSE(window->m_f[0]->isVisible());
    EXPECT_TRUE(QFile::exists(settings()));
}

TEST_F(RecentFiles, FifteenAreKeptAcrossARestart) {
    for (int i = 1; i <= 16; ++i)
        doc().mruadd(u"/f/%1.txt"_s.arg(i));
    EXPECT_EQ(state.MruCount, 16); // the running list has no limit
    EXPECT_EQ(doc().recentFile(1), u"/f/16.txt"_s);
    restart();
    EXPECT_EQ(state.MruCount, 15);
    EXPECT_EQ(doc().recentFile(1), u"/f/16.txt"_s);
    EXPECT_EQ(doc().recentFile(15), u"/f/2.txt"_s);
}

TEST_F(RecentFiles, AKnownPathMovesToTheTopInItsNewSpelling) {
    for (const QString& p : {u"/x/c.txt"_s, u"/x/b.txt"_s, u"/x/a.txt"_s})
        doc().mruadd(p);
    doc().mruadd(u"/X/C.TXT"_s);
    EXPECT_EQ(entries(), (QStringList{u"/X/C.TXT"_s, u"/x/a.txt"_s, u"/x/b.txt"_s}));
    EXPECT_EQ(window->m_f.size(), 4); // no entry added
}

TEST_F(RecentFiles, EveryAdditionWritesTheSettingsAtOnce) {
    window->M_KB->setChecked(true);
    doc().mruadd(u"/m/a&b.txt"_s);
    EXPECT_EQ(readBytes(settings()),
              cp932::encode(u"[KB]on\r\n[font]ＭＳ ゴシック\r\n\"/m/a&b.txt\"\r\n"_s));
    // The menu shows the ampersand itself, not a mnemonic.
    EXPECT_EQ(window->m_f[1]->text(), u"/m/a&&b.txt"_s);
    EXPECT_EQ(doc().recentFile(1), u"/m/a&b.txt"_s);

    // A path starting with "[" is written but never read back.
    doc().mruadd(u"[odd].txt"_s);
    EXPECT_TRUE(readBytes(settings()).contains("\"[odd].txt\""));
    restart();
    EXPECT_EQ(entries(), QStringList{u"/m/a&b.txt"_s});
}

TEST_F(RecentFiles, UnwritableFolderIsNoFailure) {
    state.DataDir.clear(); // neither the program's folder nor the fallback could be written
    doc().mruadd(u"/q/a.txt"_s);
    doc().iniwrite();
    EXPECT_EQ(state.MruCount, 1);
    EXPECT_TRUE(platform.messages.isEmpty());
}
