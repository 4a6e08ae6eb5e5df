#include "ui/dialogs/find_dialog.h"

#include "core/twips.h"
#include "ui/app_state.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

namespace pukana {

namespace {
const QColor LightGrey(0xC0, 0xC0, 0xC0);

QPushButton* button(QWidget* parent, const QString& caption, double top) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QStringLiteral("Btn"));
    b->setGeometry(twipsRect(3510, top, 1455, 375));
    // Enter must not press a button: the dialog has no default button.
    b->setAutoDefault(false);
    b->setDefault(false);
    return b;
}
} // namespace

FormF::FormF(AppState& state, std::function<void()> findNext, std::function<void()> findPrev,
             QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      s_(state), findNext_(std::move(findNext)), findPrev_(std::move(findPrev)) {
    setObjectName(QStringLiteral("FormF"));
    setWindowTitle(QStringLiteral("PUKANA 文字列の検索"));
    // No window icon: an empty picture rather than the program's.
    QPixmap blank(16, 16);
    blank.fill(Qt::transparent);
    setWindowIcon(QIcon(blank));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, LightGrey);
    setPalette(palette);
    setAutoFillBackground(true);
    setFixedSize(twipsToPixels(5115), twipsToPixels(1545));

    T1 = new QLineEdit(this);
    T1->setObjectName(QStringLiteral("T1"));
    T1->setGeometry(twipsRect(180, 480, 3135, 345));
    Btn << button(this, QStringLiteral("↓検索(&U)"), 90)
        << button(this, QStringLiteral("↑検索(&D)"), 540)
        << button(this, QStringLiteral("終了(&X)"), 1080);
    L1 = new QLabel(QStringLiteral("検索する文字列(&N):"), this);
    L1->setObjectName(QStringLiteral("L1"));
    L1->setGeometry(twipsRect(210, 210, 2715, 315));
    L1->setBuddy(T1);
    C1 = new QCheckBox(QStringLiteral("大文字と小文字を区別(&C)"), this);
    C1->setObjectName(QStringLiteral("C1"));
    C1->setGeometry(twipsRect(270, 990, 2925, 405));

    setTabOrder(T1, Btn[0]);
    setTabOrder(Btn[0], Btn[1]);
    setTabOrder(Btn[1], Btn[2]);
    setTabOrder(Btn[2], C1);
    T1->setFocus();

    connect(T1, &QLineEdit::textChanged, this, &FormF::T1_Change);
    // Toggled, not clicked: setting the box from code stores its value too.
    connect(C1, &QCheckBox::toggled, this, &FormF::C1_Click);
    for (int i = 0; i < Btn.size(); ++i)
        connect(Btn[i], &QPushButton::clicked, this, [this, i] { Btn_Click(i); });
    T1_Change();

    if (mainWindow) {
        const QPoint corner = mainWindow->frameGeometry().topLeft();
        move(corner + QPoint(twipsToPixels(1500), twipsToPixels(1200)));
    }
}

void FormF::T1_Change() {
    const bool hasText = !T1->text().isEmpty();
    Btn[0]->setEnabled(hasText);
    Btn[1]->setEnabled(hasText);
}

void FormF::C1_Click(bool ticked) {
    s_.FindMatchCase = ticked ? 1 : 0;
}

void FormF::Btn_Click(int index) {
    s_.FindText = T1->text();
    if (s_.FindText.isEmpty() || index == 2) {
        accept();
        return; // nothing to search for
    }
    if (index == 0)
        findNext_();
    else if (index == 1)
        findPrev_();
}

void FormF::keyPressEvent(QKeyEvent* event) {
    // Escape does not close the dialog: it has no cancel button.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->ignore();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace pukana
