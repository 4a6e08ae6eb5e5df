#include "ui/controllers/keyboard_commands.h"

#include "core/error.h"
#include "core/keyboard/key_layout.h"
#include "core/twips.h"
#include "platform/platform.h"
#include "ui/main_window.h"
#include "ui/widgets/file_name_box.h"
#include "ui/widgets/rich_text_box.h"

#include <QFrame>
#include <QPushButton>

namespace pukana {

namespace {
const QColor TargetColour(0xFF, 0xFF, 0xFF);
const QColor OtherColour(0xC0, 0xC0, 0xC0);
const QString LayoutFileName = QStringLiteral("btn.dat");
const QString ModeFailure = QStringLiteral("キーのもじをよみこめませんでした。"
                                           "いまのキーのままつづけます。");
} // namespace

KeyboardCommands::KeyboardCommands(MainWindow& window, AppState& state, Platform& platform)
    : w_(window), s_(state), p_(platform) {
    const std::pair<QPushButton*, QString> modes[] = {
        {w_.btn_hiragana, QStringLiteral("ひらがな")},
        {w_.btn_katakana, QStringLiteral("カタカナ")},
        {w_.btn_suuji, QStringLiteral("きごう")},
        {w_.btn_hankaku, QStringLiteral("はんかく")},
    };
    for (const auto& [button, mode] : modes)
        connect(button, &QPushButton::clicked, this, [this, mode] { modeClick(mode); });

    connect(w_.b_left, &QPushButton::clicked, this, &KeyboardCommands::b_left_Click);
    connect(w_.b_right, &QPushButton::clicked, this, &KeyboardCommands::b_right_Click);
    connect(w_.b_up, &QPushButton::clicked, this, &KeyboardCommands::b_up_Click);
    connect(w_.b_down, &QPushButton::clicked, this, &KeyboardCommands::b_down_Click);
    connect(w_.b_sel, &QPushButton::clicked, this, &KeyboardCommands::b_sel_Click);
    connect(w_.b_selm, &QPushButton::clicked, this, &KeyboardCommands::b_selm_Click);
    connect(w_.btn_bs, &QPushButton::clicked, this, &KeyboardCommands::btn_bs_Click);
    connect(w_.btn_del, &QPushButton::clicked, this, &KeyboardCommands::btn_del_Click);
    connect(w_.btn_cr, &QPushButton::clicked, this, &KeyboardCommands::btn_cr_Click);

    connect(w_.T1, &RichTextBox::GotFocus, this, &KeyboardCommands::T1_GotFocus);
    connect(w_.T2, &FileNameBox::GotFocus, this, &KeyboardCommands::T2_GotFocus);
}

void KeyboardCommands::createKeys() {
    QPushButton* const tmpl = w_.Btn.at(0);
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
        w_.Btn.append(key);
        connect(key, &QPushButton::clicked, this, [this, i] { Btn_Click(i); });
    }
}

void KeyboardCommands::btnset(const QString& mode) {
    const std::optional<QStringList> captions =
        keyboard::loadCaptions(s_.AppDir + LayoutFileName, mode);
    if (captions) {
        for (int i = 1; i <= keyboard::KeyCount && i < w_.Btn.size(); ++i)
            w_.Btn[i]->setText(captions->at(i - 1));
    }
    w_.T1->setFocus();
}

void KeyboardCommands::modeClick(const QString& mode) {
    try {
        btnset(mode);
    } catch (const PukanaError& e) {
        // Ending the program here would lose the document: say why and go on.
        p_.msgBox(ModeFailure + QStringLiteral("\r\n") + e.description(), msg::OkExclamation);
    }
}

void KeyboardCommands::Btn_Click(int index) {
    const QString caption = w_.Btn.at(index)->text();
    if (s_.DocFocus) {
        w_.T1->SetSelText(caption);
        w_.T1->setFocus();
    } else {
        w_.T2->SetSelText(caption);
        w_.T2->setFocus();
    }
}

QWidget* KeyboardCommands::target() const {
    return s_.DocFocus ? static_cast<QWidget*>(w_.T1) : static_cast<QWidget*>(w_.T2);
}

void KeyboardCommands::sendToTarget(const QString& keys) {
    // Sent to the target box itself: the keys never hold the focus, and the box may not
    // have it either while another window is active.
    QWidget* box = target();
    box->setFocus();
    if (box == w_.T1)
        w_.T1->SendKeys(keys); // one undo step per key
    else
        sendKeys(box, keys);
}

void KeyboardCommands::documentOnlyKey(const QString& keys) {
    if (s_.DocFocus) {
        sendToTarget(keys);
    } else {
        w_.T2->setFocus();
        p_.beep();
    }
}

void KeyboardCommands::b_left_Click() {
    sendToTarget(QStringLiteral("{LEFT}"));
}
void KeyboardCommands::b_right_Click() {
    sendToTarget(QStringLiteral("{RIGHT}"));
}
void KeyboardCommands::b_up_Click() {
    documentOnlyKey(QStringLiteral("{UP}"));
}
void KeyboardCommands::b_down_Click() {
    documentOnlyKey(QStringLiteral("{DOWN}"));
}
void KeyboardCommands::b_sel_Click() {
    sendToTarget(QStringLiteral("+{RIGHT}"));
}
void KeyboardCommands::b_selm_Click() {
    sendToTarget(QStringLiteral("+{LEFT}"));
}
void KeyboardCommands::btn_bs_Click() {
    sendToTarget(QStringLiteral("{BS}"));
}
void KeyboardCommands::btn_del_Click() {
    sendToTarget(QStringLiteral("{DEL}"));
}
void KeyboardCommands::btn_cr_Click() {
    documentOnlyKey(QStringLiteral("~"));
}

void KeyboardCommands::setFileNameBoxColour(bool isTarget) {
    QPalette palette = w_.T2->palette();
    palette.setColor(QPalette::Base, isTarget ? TargetColour : OtherColour);
    w_.T2->setPalette(palette);
}

void KeyboardCommands::T1_GotFocus() {
    s_.DocFocus = true;
    setFileNameBoxColour(false);
}

void KeyboardCommands::T2_GotFocus() {
    s_.DocFocus = false;
    setFileNameBoxColour(true);
}

} // namespace pukana
