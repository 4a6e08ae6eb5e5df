// The keyboard in the window: keys created on the grid, modes loaded from btn.dat, and the
// character and editing keys acting on whichever box last had the focus.
#include "core/formats/cp932.h"
#include "tests/support/window_fixture.h"
#include "ui/widgets/rich_text_box.h"

#include <QApplication>
#include <QFile>
#include <QHash>
#include <QPushButton>
#include <QSet>

using namespace pukana;

class KeyboardUi : public test::WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        startActive();
    }
    /// The user clicks into a box.
    void clickInto(QWidget* box) {
        box->setFocus(Qt::MouseFocusReason);
        ASSERT_EQ(QApplication::focusWidget(), box);
    }
};

TEST_F(KeyboardUi, ModeClicksRereadTheFileAndAFailureKeepsTheOldCaptions) {
    QFile file(appFile(QStringLiteral("btn.dat")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(cp932::encode(QStringLiteral("きごう\r\n★\r\n\r\n\r\n\r\n\r\n\r\n\r\n")));
    file.close();
    EXPECT_EQ(keys()[1]->text(), QStringLiteral("あ")); // start-up loads ひらがな
    button("btn_suuji")->click();
    EXPECT_EQ(keys()[1]->text(), QStringLiteral("★"));
    // A missing file: a message naming it, the old captions kept, the program going on.
    ASSERT_TRUE(file.remove());
    button("btn_katakana")->click();
    EXPECT_TRUE(platform.lastMessage().contains(QStringLiteral("btn.dat")));
    EXPECT_EQ(keys()[1]->text(), QStringLiteral("★"));
    EXPECT_FALSE(platform.endedWith.has_value());
    // The button pressed is still that of the mode the keys show.
    EXPECT_TRUE(button("btn_suuji")->isChecked());
    EXPECT_FALSE(button("btn_katakana")->isChecked());
}

TEST_F(KeyboardUi, EveryKeyOfEveryModeShowsAVisibleCaptionOfItsOwnAndTypesIt) {
    const QList<QPushButton*> modes = {button("btn_hiragana"), button("btn_katakana"),
                                       button("btn_suuji"), button("btn_hankaku")};
    for (QPushButton* mode : modes) {
        mode->click();
        SCOPED_TRACE(mode->text().toStdString());
        QHash<QString, QString> typedByCaption;
        QSet<QString> typedInMode;
        for (QPushButton* key : keys().mid(1)) {
            // What the button shows: "&&" is a literal "&", a lone "&" marks an access key.
            QString shown = key->text();
            shown.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(u'&');
            shown.replace(u'\x01', u'&');
            documentView()->setDocumentText(QString());
            key->click();
            const QString typed = documentView()->documentText();
            EXPECT_EQ(typed.size(), 1) << shown.toStdString();
            EXPECT_FALSE(shown.trimmed().isEmpty())
                << "key types U+" << (typed.isEmpty() ? 0 : int(typed.at(0).unicode()));
            EXPECT_EQ(typedByCaption.value(shown, typed), typed)
                << shown.toStdString() << " shown by two keys that type different characters";
            typedByCaption.insert(shown, typed);
            typedInMode.insert(typed);
        }
        if (mode == button("btn_hankaku")) {
            EXPECT_TRUE(typedInMode.contains(QStringLiteral("&")));
            EXPECT_TRUE(typedInMode.contains(QStringLiteral(" ")));
            EXPECT_TRUE(typedByCaption.contains(QStringLiteral("&")));
        }
    }
}

TEST_F(KeyboardUi, KeysActOnTheBoxThatLastHadTheFocus) {
    documentView()->setDocumentText(QStringLiteral("かな"));
    fileNameBox()->setText(QStringLiteral("abc"));
    clickInto(fileNameBox());
    fileNameBox()->setCursorPosition(2);
    keys()[1]->click(); // あ
    EXPECT_EQ(fileNameBox()->text(), QStringLiteral("abあc"));
    // The caret keys act on the file name from where typing left the caret; the line keys
    // only beep there.
    button("b_left")->click();
    button("btn_bs")->click();
    EXPECT_EQ(fileNameBox()->text(), QStringLiteral("aあc"));
    button("btn_cr")->click();
    EXPECT_EQ(platform.beeps, 1);
    EXPECT_EQ(fileNameBox()->text(), QStringLiteral("aあc"));
    EXPECT_EQ(QApplication::focusWidget(), fileNameBox());
    EXPECT_EQ(documentView()->documentText(), QStringLiteral("かな"));
}
