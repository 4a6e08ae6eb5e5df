// The font dialog itself: what it shows for a seed, and what it answers after the user's
// choices.
#include "ui/dialogs/font_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace pukana;

namespace {

template <typename T> T* part(FontDialog& dialog, const char* name) {
    T* widget = dialog.findChild<T*>(QLatin1StringView(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

QString currentText(QListWidget* list) {
    return list->currentItem() ? list->currentItem()->text() : QString();
}

} // namespace

TEST(FontDialog, ShowsTheSeedUnderItsOwnNamesAndMixedAttributesEmpty) {
    // Faces that are not installed are offered and chosen under the document's own name.
    for (const QString& face :
         {QStringLiteral("ＭＳ ゴシック"), QStringLiteral("Times New Roman")}) {
        FontDialog dialog(FontChoice{face, 10.5, true, true, false, true, 0x336699u});
        EXPECT_EQ(currentText(part<QListWidget>(dialog, "faceList")), face);
        EXPECT_EQ(currentText(part<QListWidget>(dialog, "styleList")), QStringLiteral("太字 斜体"));
        EXPECT_EQ(part<QLineEdit>(dialog, "sizeBox")->text(), QStringLiteral("10.5"));
        EXPECT_EQ(part<QCheckBox>(dialog, "underlineBox")->checkState(), Qt::Checked);
        // A colour outside the basic sixteen is kept as the current entry.
        auto* colours = part<QComboBox>(dialog, "colourList");
        EXPECT_EQ(colours->count(), 17);
        EXPECT_EQ(colours->currentData().toUInt(), 0x336699u);
        EXPECT_EQ(part<QLabel>(dialog, "sample")->font().family(), face);
    }
    // Each face once, under the name a document gives it, also while Qt substitutes it
    // (Qt keeps substituted names lower-cased).
    QFont::insertSubstitution(QStringLiteral("ＭＳ 明朝"), QStringLiteral("IPAMincho"));
    const QStringList faces = FontDialog::faceNames(QStringLiteral("Times New Roman"));
    EXPECT_EQ(faces.count(QStringLiteral("Times New Roman")), 1);
    EXPECT_EQ(faces.count(QStringLiteral("ＭＳ 明朝")), 1);
    EXPECT_FALSE(faces.contains(QStringLiteral("ＭＳ 明朝").toLower()));

    FontChoice mixed;
    mixed.italic = false;
    FontDialog dialog(mixed);
    EXPECT_EQ(part<QListWidget>(dialog, "faceList")->currentRow(), -1);
    EXPECT_EQ(part<QListWidget>(dialog, "styleList")->currentRow(), -1);
    EXPECT_EQ(part<QListWidget>(dialog, "sizeList")->currentRow(), -1);
    EXPECT_TRUE(part<QLineEdit>(dialog, "sizeBox")->text().isEmpty());
    EXPECT_EQ(part<QCheckBox>(dialog, "strikeBox")->checkState(), Qt::PartiallyChecked);
    EXPECT_EQ(part<QComboBox>(dialog, "colourList")->currentIndex(), -1);
    EXPECT_EQ(dialog.choice(), mixed) << "nothing set, nothing answered";
}

TEST(FontDialog, AnswersWhatTheUserSetAndLeavesTheRestAsSeeded) {
    FontChoice seed;
    seed.name = QStringLiteral("ＭＳ 明朝");
    seed.underline = false;
    FontDialog dialog(seed);
    auto* styles = part<QListWidget>(dialog, "styleList");
    styles->setCurrentRow(
        styles->row(styles->findItems(QStringLiteral("太字"), Qt::MatchExactly)[0]));
    auto* sizeBox = part<QLineEdit>(dialog, "sizeBox");
    auto* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    // A half-typed size cannot be confirmed; a whole one is taken and found in the list.
    sizeBox->setText(QStringLiteral("0"));
    Q_EMIT sizeBox->textEdited(sizeBox->text());
    EXPECT_FALSE(ok->isEnabled());
    sizeBox->setText(QStringLiteral("14"));
    Q_EMIT sizeBox->textEdited(sizeBox->text());
    EXPECT_TRUE(ok->isEnabled());
    EXPECT_EQ(currentText(part<QListWidget>(dialog, "sizeList")), QStringLiteral("14"));
    auto* strike = part<QCheckBox>(dialog, "strikeBox");
    strike->click(); // from mixed straight to on
    auto* colours = part<QComboBox>(dialog, "colourList");
    const int red = colours->findText(QStringLiteral("赤"));
    colours->setCurrentIndex(red);
    Q_EMIT colours->activated(red);

    FontChoice expected = seed;
    expected.bold = true;
    expected.italic = false;
    expected.size = 14;
    expected.strikethru = true;
    expected.color = 0x0000FFu;
    EXPECT_EQ(dialog.choice(), expected);
    EXPECT_TRUE(part<QLabel>(dialog, "sample")->font().bold());
}
