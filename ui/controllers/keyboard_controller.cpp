#include "ui/controllers/keyboard_controller.h"

#include "core/document/program_paths.h"
#include "core/error.h"
#include "core/keyboard/key_layout.h"
#include "core/twips.h"
#include "platform/platform.h"
#include "ui/input_target.h"
#include "ui/widgets/key_caption.h"
#include "ui/widgets/rich_text_box.h"

#include <QPalette>
#include <QPushButton>

namespace pukana {

namespace {
const QString LayoutFileName = QStringLiteral("btn.dat");
const QString ModeFailure = QStringLiteral("キーのもじをよみこめませんでした。"
                                           "いまのキーのままつづけます。");
const QColor ActiveModeColour(0x9E, 0xC4, 0xEE);
} // namespace

KeyboardController::KeyboardController(const KeyboardKeys& keys, InputTarget& inputTarget,
                                       RichTextBox& documentView, const ProgramPaths& paths,
                                       Platform& platform, QObject* parent)
    : QObject(parent), keys_(keys), inputTarget_(inputTarget), documentView_(documentView),
      paths_(paths), platform_(platform) {
    setObjectName(QStringLiteral("keyboardController"));
    modeButtons_ = {
        {keys_.hiragana, QStringLiteral("ひらがな")},
        {keys_.katakana, QStringLiteral("カタカナ")},
        {keys_.symbols, QStringLiteral("きごう")},
        {keys_.halfWidth, QStringLiteral("はんかく")},
    };
    for (const auto& [button, mode] : modeButtons_) {
        button->setCheckable(true);
        connect(button, &QPushButton::clicked, this, [this, mode] { switchMode(mode); });
    }
    connectEditingKeys();
}

void KeyboardController::connectEditingKeys() {
    const std::pair<QPushButton*, QString> anywhere[] = {
        {keys_.left, QStringLiteral("{LEFT}")},
        {keys_.right, QStringLiteral("{RIGHT}")},
        {keys_.selectRight, QStringLiteral("+{RIGHT}")},
        {keys_.selectLeft, QStringLiteral("+{LEFT}")},
        {keys_.backspace, QStringLiteral("{BS}")},
        {keys_.deleteKey, QStringLiteral("{DEL}")},
    };
    for (const auto& [button, keys] : anywhere)
        connect(button, &QPushButton::clicked, this, [this, keys] { sendToTarget(keys); });
    const std::pair<QPushButton*, QString> documentOnly[] = {
        {keys_.up, QStringLiteral("{UP}")},
        {keys_.down, QStringLiteral("{DOWN}")},
        {keys_.newLine, QStringLiteral("~")},
    };
    for (const auto& [button, keys] : documentOnly)
        connect(button, &QPushButton::clicked, this, [this, keys] { documentOnlyKey(keys); });
}

void KeyboardController::createCharacterKeys() {
    QPushButton* const tmpl = keys_.templateKey;
    // Keys are square, whatever the template's designed height.
    tmpl->resize(tmpl->width(), tmpl->width());
    const QRect g = tmpl->geometry();
    const QList<QRectF> grid =
        keyboard::keyGrid(QRectF(pixelsToTwips(g.x()), pixelsToTwips(g.y()),
                                 pixelsToTwips(g.width()), pixelsToTwips(g.height())));
    for (int i = 1; i <= keyboard::KeyCount; ++i) {
        auto* key = new QPushButton(tmpl->text(), tmpl->parentWidget());
        key->setObjectName(tmpl->objectName());
        key->setFont(tmpl->font());
        key->setFocusPolicy(tmpl->focusPolicy());
        const QRectF& r = grid.at(i - 1);
        key->setGeometry(twipsRect(r.left(), r.top(), r.width(), r.height()));
        key->show();
        characterKeys_.append(key);
        connect(key, &QPushButton::clicked, this, [this, i] { typeKey(i); });
    }
}

void KeyboardController::loadMode(const QString& mode) {
    const std::optional<QStringList> captions =
        keyboard::loadCaptions(paths_.appDir + LayoutFileName, mode);
    if (captions) {
        for (int i = 0; i < keyboard::KeyCount && i < characterKeys_.size(); ++i)
            showKeyCaption(*characterKeys_[i], captions->at(i));
        activeMode_ = mode;
    }
    showActiveMode();
    documentView_.setFocus();
}

void KeyboardController::showActiveMode() {
    // Set from the mode shown, not from the click: a checkable button has already toggled
    // itself by the time its click arrives.
    for (const auto& [button, mode] : modeButtons_) {
        const bool active = mode == activeMode_;
        button->setChecked(active);
        // Sunk in alone is faint in most styles: the pressed button is tinted as well.
        QPalette palette = button->parentWidget()->palette();
        if (active)
            palette.setColor(QPalette::Button, ActiveModeColour);
        button->setPalette(palette);
    }
}

void KeyboardController::switchMode(const QString& mode) {
    try {
        loadMode(mode);
    } catch (const PukanaError& e) {
        showActiveMode();
        // Ending the program here would lose the document: say why and go on.
        platform_.msgBox(ModeFailure + QStringLiteral("\r\n") + e.description(),
                         MessageStyle::OkExclamation);
    }
}

void KeyboardController::typeKey(int index) {
    inputTarget_.replaceSelection(typedText(*characterKeys_.at(index - 1)));
    inputTarget_.focus();
}

void KeyboardController::sendToTarget(const QString& keys) {
    // Sent to the target box itself: the keys never hold the focus, and the box may not
    // have it either while another window is active.
    QWidget* box = inputTarget_.widget();
    box->setFocus();
    if (inputTarget_.isDocument())
        documentView_.typeKeys(keys); // one undo step per key
    else
        sendKeys(box, keys);
}

void KeyboardController::documentOnlyKey(const QString& keys) {
    if (inputTarget_.isDocument()) {
        sendToTarget(keys);
    } else {
        inputTarget_.focus();
        platform_.beep();
    }
}

} // namespace pukana
