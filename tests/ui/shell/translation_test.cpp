// Standard buttons and the editor's message boxes read in Japanese.
#include "app/application.h"
#include "platform/qt_platform.h"

#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace pukana;

namespace {
/// A button's caption as the user reads it: without its access key "(&Y)" or "&".
QString readable(const QAbstractButton* button) {
    QString text = button->text();
    text.remove(QRegularExpression(QStringLiteral("\\(&.\\)$")));
    return text.remove(u'&');
}

} // namespace

TEST(Translation, StandardAndMessageBoxButtonsReadInJapanese) {
    ASSERT_TRUE(installJapaneseTranslation()) << "qtbase_ja.qm (qt6-translations-l10n) missing";
    // Qt's own standard buttons, as every file dialog and standard dialog uses them.
    QDialogButtonBox standard(QDialogButtonBox::Open);
    EXPECT_EQ(readable(standard.button(QDialogButtonBox::Open)), QStringLiteral("開く"));

    // The editor's boxes, their captions in sorted order.
    const std::pair<MessageStyle, QString> boxes[] = {
        {MessageStyle::YesNoCancelExclamation, QStringLiteral("いいえ|はい|キャンセル")},
        {MessageStyle::OkCancel, QStringLiteral("OK|キャンセル")},
    };
    for (const auto& [style, captions] : boxes) {
        QMessageBox box;
        prepareMessageBox(box, style);
        QStringList shown;
        for (QAbstractButton* button : box.findChild<QDialogButtonBox*>()->buttons())
            shown << readable(button);
        shown.sort();
        EXPECT_EQ(shown.join(u'|'), captions) << int(style);
    }
}
