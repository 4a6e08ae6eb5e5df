#include "ui/dialogs/find_dialog.h"

#include "core/search/search_state.h"
#include "core/twips.h"

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

FindDialog::FindDialog(SearchState& search, std::function<void()> findNext,
                       std::function<void()> findPrev, QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      search_(search), findNext_(std::move(findNext)), findPrev_(std::move(findPrev)) {
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

    textBox = new QLineEdit(this);
    textBox->setObjectName(QStringLiteral("T1"));
    textBox->setGeometry(twipsRect(180, 480, 3135, 345));
    buttons << button(this, QStringLiteral("↓検索(&U)"), 90)
            << button(this, QStringLiteral("↑検索(&D)"), 540)
            << button(this, QStringLiteral("終了(&X)"), 1080);
    label = new QLabel(QStringLiteral("検索する文字列(&N):"), this);
    label->setObjectName(QStringLiteral("L1"));
    label->setGeometry(twipsRect(210, 210, 2715, 315));
    label->setBuddy(textBox);
    matchCaseBox = new QCheckBox(QStringLiteral("大文字と小文字を区別(&C)"), this);
    matchCaseBox->setObjectName(QStringLiteral("C1"));
    matchCaseBox->setGeometry(twipsRect(270, 990, 2925, 405));

    setTabOrder(textBox, buttons[0]);
    setTabOrder(buttons[0], buttons[1]);
    setTabOrder(buttons[1], buttons[2]);
    setTabOrder(buttons[2], matchCaseBox);
    textBox->setFocus();

    connect(textBox, &QLineEdit::textChanged, this, &FindDialog::enableSearchButtons);
    // Toggled, not clicked: setting the box from code stores its value too.
    connect(matchCaseBox, &QCheckBox::toggled, this,
            [this](bool ticked) { search_.matchCase = ticked; });
    for (int i = 0; i < buttons.size(); ++i)
        connect(buttons[i], &QPushButton::clicked, this, [this, i] { press(Button(i)); });
    enableSearchButtons();

    if (mainWindow) {
        const QPoint corner = mainWindow->frameGeometry().topLeft();
        move(corner + QPoint(twipsToPixels(1500), twipsToPixels(1200)));
    }
}

void FindDialog::enableSearchButtons() {
    const bool hasText = !textBox->text().isEmpty();
    buttons[0]->setEnabled(hasText);
    buttons[1]->setEnabled(hasText);
}

void FindDialog::press(Button button) {
    search_.text = textBox->text();
    if (search_.text.isEmpty() || button == Close) {
        accept();
        return; // nothing to search for
    }
    if (button == FindDown)
        findNext_();
    else
        findPrev_();
}

void FindDialog::keyPressEvent(QKeyEvent* event) {
    // Escape does not close the dialog: it has no cancel button.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->ignore();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace pukana
