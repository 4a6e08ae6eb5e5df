// The font dialog itself: what it shows for a seed, and what it answers after the user's
// choices.
#include "ui/dialogs/font_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
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
        // A colour outside the basic sixteen is kept as the current entry.
        EXPECT_EQ(part<QComboBox>(dialog, "colourList")->currentData().toUInt(), 0x336699u);
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
    EXPECT_TRUE(part<QLineEdit>(dialog, "sizeBox")->text().isEmpty());
    EXPECT_EQ(part<QCheckBox>(dialog, "strikeBox")->checkState(), Qt::PartiallyChecked);
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
    sizeBox->setText(QStringLiteral("14"));
    Q_EMIT sizeBox->textEdited(sizeBox->text());
    EXPECT_EQ(currentText(part<QListWidget>(dialog, "sizeList")), QStringLiteral("14"));
    part<QCheckBox>(dialog, "strikeBox")->click(); // from mixed straight to on
    auto* colours = part<QComboBox>(dialog, "colourList");
    const int red = colours->findText(QStringLiteral("赤"));
    colours->setCurrentIndex(red);
    Q_EMIT colours->activated(red);

    EXPECT_EQ(dialog.choice(), (FontChoice{seed.name, 14, true, false, true, false, 0x0000FFu}));
}
