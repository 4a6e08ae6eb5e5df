#include "platform/twips.h"
#include "shell/alignment_pictures.h"
#include "shell/image_button.h"
#include "tests/support/window_fixture.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

using namespace pukana;

TEST(AlignmentPictures, LinesAsDrawn) {
    const QRgb grey = qRgb(0xC0, 0xC0, 0xC0);
    const QRgb black = qRgb(0, 0, 0);
    auto runOf = [&](const QImage& img, int row1) {
        // First and last black column (1-based) on a 1-based row, or {0, 0}.
        int first = 0, last = 0;
        for (int x = 0; x < 16; ++x)
            if (img.pixel(x, row1 - 1) == black) {
                if (!first)
                    first = x + 1;
                last = x + 1;
            }
        return std::pair{first, last};
    };
    const QImage left = alignmentPicture(AlignmentPicture::Left);
    const QImage centre = alignmentPicture(AlignmentPicture::Centre);
    const QImage right = alignmentPicture(AlignmentPicture::Right);
    ASSERT_EQ(left.size(), QSize(16, 16));
    EXPECT_EQ(runOf(left, 3), std::pair(2, 10));
    EXPECT_EQ(runOf(left, 5), std::pair(2, 14));
    EXPECT_EQ(runOf(centre, 3), std::pair(1, 14));
    EXPECT_EQ(runOf(centre, 5), std::pair(3, 12));
    EXPECT_EQ(runOf(right, 11), std::pair(1, 14));
    EXPECT_EQ(runOf(right, 13), std::pair(5, 14));
    for (int row : {1, 2, 4, 14, 15, 16})
        EXPECT_EQ(runOf(right, row), std::pair(0, 0)) << row;
    EXPECT_EQ(left.pixel(15, 15), grey);
}

using MainWindowTest = test::WindowFixture;

TEST_F(MainWindowTest, MenuBarShowsFourMenusAndKeepsTheHiddenOnesHidden) {
    QStringList visible;
    QStringList hidden;
    for (QAction* a : window->menuBar()->actions())
        (a->isVisible() ? visible : hidden) << a->text();
    EXPECT_EQ(visible,
              (QStringList{QStringLiteral("ファイル(&F)"), QStringLiteral("へんしゅう(&E)"),
                           QStringLiteral("ひょうじ(&V)"), QStringLiteral("ヘルプ(&H)")}));
    EXPECT_EQ(hidden, (QStringList{QStringLiteral("検索(&S)"), QStringLiteral("書体(&T)")}));
    EXPECT_FALSE(window->M_Edit_Item[2]->isVisible());
    EXPECT_EQ(window->M_Edit_Item[2]->text(), QStringLiteral("貼り付けold(&P)"));
    EXPECT_FALSE(window->M_ConvText->isVisible());
    EXPECT_FALSE(window->M_ToRTF->isVisible());
    EXPECT_FALSE(window->M_ToTXT->isVisible());
    EXPECT_FALSE(window->m_filename->isVisible());
    EXPECT_FALSE(window->m_filename->isEnabled());
    EXPECT_FALSE(window->m_f[0]->isVisible());
    EXPECT_EQ(window->M_Edit_Item[4]->shortcut(), QKeySequence(Qt::Key_Delete));
    EXPECT_EQ(window->M_Readme->text(), QStringLiteral("よんでね'PUKANA.txt'(&R)..."));
    // Nothing is checked at design time.
    for (QAction* a : {window->M_KB, window->m_toolbar, window->M_Wrap})
        EXPECT_FALSE(a->isChecked());
}

TEST_F(MainWindowTest, KeysAndToolbarPicturesSitAtTheirDesignPlaces) {
    EXPECT_EQ(window->btn_henkan->geometry(), twipsRect(8580, 2040, 1635, 375));
    EXPECT_EQ(window->b_selm->font().pointSizeF(), 9);
    EXPECT_EQ(window->b_left->font().pointSizeF(), 12);
    EXPECT_EQ(window->T2->geometry(), twipsRect(120, 120, 3375, 285));
    EXPECT_EQ(window->T2->text(), QStringLiteral("filename"));
    EXPECT_EQ(window->I_cnt->accessibleName().isEmpty(), false);
    EXPECT_EQ(window->Line1->height(), 5);
    EXPECT_FALSE(window->Btn[0]->isVisible());
    // The keys never take the focus from the box they type into.
    EXPECT_EQ(window->btn_bs->focusPolicy(), Qt::NoFocus);
}
