#include "edit/edit_commands.h"
#include "platform/rich_text_box.h"
#include "tests/support/window_fixture.h"

#include <QAction>

using namespace pukana;

class Clipboard : public test::WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        window->setWindowTitle(QStringLiteral("/docs/memo.rtf"));
    }
    void select(int start, int length) {
        window->T1->SetSelStart(start);
        window->T1->SetSelLength(length);
    }
    void item(int index) { window->M_Edit_Item[index]->trigger(); }
    QString text() const { return window->T1->Text(); }
};

TEST_F(Clipboard, CutThenPasteBringsBackTheFormatting) {
    constexpr quint32 Red = 0x0000FF; // 0x00BBGGRR
    window->T1->SetText(QStringLiteral("あいう漢字"));
    select(3, 2);
    window->T1->SetSelBold(true);
    window->T1->SetSelColor(Red);
    item(edit_item::Cut);
    EXPECT_EQ(text(), QStringLiteral("あいう"));
    EXPECT_EQ(platform.clipText, QStringLiteral("漢字"));

    select(0, 0);
    state.Modified = false;
    item(edit_item::Paste);
    EXPECT_EQ(text(), QStringLiteral("漢字あいう"));
    EXPECT_TRUE(state.Modified);
    select(0, 2);
    EXPECT_EQ(window->T1->SelBold(), std::optional<bool>(true));
    EXPECT_EQ(window->T1->SelColor(), Red);
    select(2, 3);
    EXPECT_EQ(window->T1->SelBold(), std::optional<bool>(false));

    // Delete leaves the clipboard alone.
    select(0, 1);
    item(edit_item::Delete);
    EXPECT_EQ(text(), QStringLiteral("字あいう"));
    EXPECT_EQ(platform.clipText, QStringLiteral("漢字"));
}

TEST_F(Clipboard, PlainTextFromOutsidePastesAsText) {
    window->T1->SetText(QStringLiteral("abcdef"));
    platform.clipboardSet(QStringLiteral("外から\r\n次"), QByteArray());
    select(1, 2);
    item(edit_item::Paste);
    EXPECT_EQ(text(), QStringLiteral("a外から\n次def"));

    // Damaged rich text from another program: its plain text still arrives.
    platform.clipboardSet(QStringLiteral("X"), QByteArrayLiteral("not rich text"));
    select(0, 0);
    item(edit_item::Paste);
    EXPECT_TRUE(text().startsWith(QStringLiteral("Xa")));
}

TEST_F(Clipboard, CopyAllOfAnEmptyDocumentReplacesTheClipboard) {
    window->T1->SetText(QString());
    platform.clipboardSet(QStringLiteral("old"), QByteArrayLiteral("{\\rtf1 old}"));
    window->M_CopyAll->trigger();
    EXPECT_TRUE(platform.clipHasText);
    EXPECT_EQ(platform.clipText, QString());
    EXPECT_TRUE(platform.clipRtf.startsWith("{\\rtf"));
    EXPECT_FALSE(platform.clipRtf.contains("old"));
}

TEST_F(Clipboard, FileNameBoxTargetRefusesTheFourCommandsButNotTheWholeDocumentOnes) {
    window->T1->SetText(QStringLiteral("本文\n二"));
    select(0, 2);
    platform.clipboardSet(QStringLiteral("before"), QByteArray());
    state.DocFocus = false;
    for (int i : {edit_item::Cut, edit_item::Copy, edit_item::Paste, edit_item::Delete})
        item(i);
    ASSERT_EQ(platform.messages.size(), 4);
    EXPECT_EQ(platform.messages[0].text,
              QStringLiteral("なまえのへんしゅうらんでは右クリックで！(手抜きです)"));
    EXPECT_EQ(platform.clipText, QStringLiteral("before"));
    EXPECT_EQ(text(), QStringLiteral("本文\n二"));

    window->M_CopyAll->trigger();
    EXPECT_EQ(platform.clipText, QStringLiteral("本文\n二"));
    EXPECT_EQ(window->T1->SelStart(), 0);
    EXPECT_EQ(window->T1->SelLength(), 4) << "the whole document stays selected";
    EXPECT_EQ(platform.messages.size(), 4);
}
