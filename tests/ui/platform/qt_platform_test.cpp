// The real Qt platform where it runs offscreen: message-box mapping, file filters and the
// clipboard; and the end-to-end tests' file-dialog script.
#include "core/formats/file_kinds.h"
#include "platform/file_dialog_script.h"
#include "platform/qt_platform.h"
#include "tests/support/scripted_platform.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace pukana;
using namespace Qt::StringLiterals;

TEST(QtPlatformMessages, StyleGivesIconButtonsDefaultAndEscape) {
    using B = QMessageBox;
    const struct {
        MessageStyle style;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
        QMessageBox::StandardButton defaultButton, escape;
    } cases[] = {
        {MessageStyle::Ok, B::NoIcon, B::Ok, B::Ok, B::Ok},
        {MessageStyle::OkCancel, B::NoIcon, B::Ok | B::Cancel, B::Ok, B::Cancel},
        {MessageStyle::OkExclamation, B::Warning, B::Ok, B::Ok, B::Ok},
        {MessageStyle::YesNoQuestion, B::Question, B::Yes | B::No, B::Yes, B::NoButton},
        {MessageStyle::YesNoCancelExclamation, B::Warning, B::Yes | B::No | B::Cancel, B::Yes,
         B::Cancel},
        {MessageStyle::YesNoExclamationNo, B::Warning, B::Yes | B::No, B::No, B::NoButton},
    };
    for (const auto& c : cases) {
        const int row = int(&c - cases);
        QMessageBox box;
        prepareMessageBox(box, c.style);
        EXPECT_EQ(box.icon(), c.icon) << row;
        EXPECT_EQ(box.standardButtons(), c.buttons) << row;
        EXPECT_EQ(box.standardButton(box.defaultButton()), c.defaultButton) << row;
        EXPECT_EQ(box.escapeButton() ? box.standardButton(box.escapeButton()) : B::NoButton,
                  c.escape)
            << row;
        // The default button's answer is what an unattended box answers.
        EXPECT_EQ(messageResultFor(c.defaultButton, c.style), defaultResult(c.style)) << row;
    }
    // Closed without a button: Cancel where there is one, else No, else OK.
    EXPECT_EQ(messageResultFor(-1, MessageStyle::YesNoCancelExclamation), MessageResult::Cancel);
    EXPECT_EQ(messageResultFor(-1, MessageStyle::YesNoQuestion), MessageResult::No);
    EXPECT_EQ(messageResultFor(-1, MessageStyle::OkExclamation), MessageResult::Ok);
}

TEST(QtPlatformFileDialog, FilterPairsBecomeNameFilters) {
    EXPECT_EQ(nameFilters(u"テキスト|*.txt;*.log|すべて|*.*"_s),
              QStringList({u"テキスト (*.txt *.log)"_s, u"すべて (*.*)"_s}));
    EXPECT_EQ(nameFilters(u"odd|*.a|dangling"_s), QStringList({u"odd (*.a)"_s}));
    EXPECT_EQ(nameFilters(fileDialogFilter()).size(), 4);
}

TEST(QtPlatformClipboard, PlainAndRichTextGoOutAndComeBack) {
    QtPlatform platform;
    platform.clipboardSet(u"かな"_s, QByteArrayLiteral("{\\rtf1 kana}"));
    const QMimeData* data = QApplication::clipboard()->mimeData();
    ASSERT_TRUE(data);
    for (const char* mime : {"text/rtf", "text/richtext", "application/rtf"})
        EXPECT_EQ(data->data(QLatin1StringView(mime)), "{\\rtf1 kana}") << mime;
    EXPECT_TRUE(platform.clipboardHasText() && platform.clipboardHasRtf());
    EXPECT_EQ(platform.clipboardText(), u"かな"_s);
    EXPECT_EQ(platform.clipboardRtf(), "{\\rtf1 kana}");

    // Rich text from another program under any one of the names is found.
    auto* other = new QMimeData;
    other->setData(u"application/rtf"_s, "{\\rtf1 other}");
    QApplication::clipboard()->setMimeData(other);
    EXPECT_TRUE(platform.clipboardHasRtf());
    EXPECT_FALSE(platform.clipboardHasText());
    EXPECT_EQ(platform.clipboardRtf(), "{\\rtf1 other}");

    platform.clipboardSet(u"only text"_s, QByteArray());
    EXPECT_FALSE(platform.clipboardHasRtf());
    platform.clipboardClear();
    EXPECT_FALSE(platform.clipboardHasText());
}

TEST(FileDialogScript, EachLineAnswersOneDialogAndAnEmptyLineCancels) {
    QTemporaryDir dir;
    const QString script = dir.filePath(u"dialog.txt"_s);
    QFile file(script);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("/d/一.rtf\n\n/d/three.txt\n");
    file.close();
    test::ScriptedPlatform inner;
    FileDialogScript platform(inner, script);
    FileDialogRequest request;
    request.filterIndex = 3;
    const auto first = platform.fileDialog(request, nullptr);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->fileName, u"/d/一.rtf"_s);
    EXPECT_EQ(first->filterIndex, 3);
    EXPECT_FALSE(platform.fileDialog(request, nullptr));
    EXPECT_EQ(platform.fileDialog(request, nullptr)->fileName, u"/d/three.txt"_s);
    EXPECT_FALSE(platform.fileDialog(request, nullptr)); // the script is used up
    EXPECT_TRUE(inner.fileRequests.isEmpty());
    // Everything else goes to the wrapped platform.
    platform.beep();
    platform.quit(3);
    EXPECT_EQ(inner.beeps, 1);
    EXPECT_EQ(inner.endedWith, 3);
}
