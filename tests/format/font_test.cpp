#include "format/format_commands.h"
#include "platform/rich_text_box.h"
#include "shell/image_button.h"
#include "tests/support/window_fixture.h"

#include <QAction>
#include <QTextBlock>

using namespace pukana;

class Formatting : public test::WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        window->setWindowTitle(QStringLiteral("/docs/memo.rtf"));
        window->T1->SetText(QStringLiteral("太字と普通\n二段目"));
        state.Modified = false;
    }
    RichTextBox& box() { return *window->T1; }
    void select(int start, int length) {
        box().SetSelStart(start);
        box().SetSelLength(length);
    }
    Qt::Alignment alignment(int paragraph) {
        return box().document()->findBlockByNumber(paragraph).blockFormat().alignment();
    }
};

namespace {
FontChoice choice(double size, bool bold) {
    return FontChoice{QStringLiteral("ＭＳ 明朝"), size, bold, true, true, true, 0x00FF00};
}
} // namespace

TEST_F(Formatting, FontDialogCancelChangesNothingAndOkAlwaysMarksTheDocument) {
    select(0, 2);
    box().SetSelFontSize(20);
    window->m_font->trigger(); // nothing scripted: Cancel
    ASSERT_EQ(platform.fontRequests.size(), 1);
    EXPECT_EQ(platform.fontRequests[0].size, 20);
    EXPECT_FALSE(state.Modified);

    // OK with exactly the seeded values still counts as a change.
    platform.fontAnswers.push_back(platform.fontRequests[0]);
    window->m_font->trigger();
    EXPECT_TRUE(state.Modified);
    EXPECT_EQ(box().SelFontSize(), 20) << "the 3-point reset must not remain";
}

TEST_F(Formatting, FontDialogSkipsMixedAttributesAndSetsThemUniformly) {
    select(0, 2); // 太字
    platform.fontAnswers.push_back(choice(15, true));
    window->format->m_font_Click();
    EXPECT_EQ(box().SelFontName(), QStringLiteral("ＭＳ 明朝"));
    EXPECT_EQ(box().SelFontSize(), 15);
    EXPECT_EQ(box().SelColor(), 0x00FF00u);
    EXPECT_EQ(box().SelUnderline(), std::optional<bool>(true));

    // Bold, italic, underline and strikethrough are now mixed over 太字と普通.
    select(0, 5);
    ASSERT_FALSE(box().SelBold().has_value());
    platform.fontAnswers.push_back(choice(15, false));
    window->format->m_font_Click();
    EXPECT_TRUE(platform.fontRequests[1].bold) << "mixed bold shows the dialog's last state";
    EXPECT_EQ(box().SelBold(), std::optional<bool>(false));
    EXPECT_EQ(box().SelItalic(), std::optional<bool>(true));

    select(6, 3); // untouched, uniform: read again
    window->format->m_font_Click();
    EXPECT_FALSE(platform.fontRequests[2].italic);
}

TEST_F(Formatting, TypefaceCommandsSetOnlyTheNameEvenInPlainText) {
    window->setWindowTitle(QStringLiteral("/docs/memo.txt"));
    select(0, 2);
    box().SetSelFontSize(18);
    window->M_Mincho->trigger();
    EXPECT_EQ(box().SelFontName(), QStringLiteral("ＭＳ 明朝"));
    window->M_Gothic->trigger();
    EXPECT_EQ(box().SelFontName(), QStringLiteral("ＭＳ ゴシック"));
    EXPECT_EQ(box().SelFontSize(), 18);
    EXPECT_FALSE(state.Modified);
}

TEST_F(Formatting, AlignmentPicturesActInRichTextAndBeepInPlainText) {
    window->setWindowTitle(QStringLiteral("/docs/MEMO.RTF"));
    select(1, 2); // inside the first paragraph
    Q_EMIT window->I_cnt->clicked();
    EXPECT_TRUE(alignment(0) & Qt::AlignHCenter);
    EXPECT_FALSE(alignment(1) & Qt::AlignHCenter);
    select(0, 9); // both paragraphs
    Q_EMIT window->I_rt->clicked();
    EXPECT_TRUE(alignment(0) & Qt::AlignRight);
    EXPECT_TRUE(alignment(1) & Qt::AlignRight);
    EXPECT_EQ(platform.beeps, 0);

    window->setWindowTitle(QStringLiteral("/docs/memo.txt"));
    Q_EMIT window->I_lft->clicked();
    EXPECT_EQ(platform.beeps, 1);
    EXPECT_TRUE(alignment(0) & Qt::AlignRight);
}
