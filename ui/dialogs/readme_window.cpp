#include "ui/dialogs/readme_window.h"

#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace pukana {

ReadmeWindow::ReadmeWindow(const QString& fileName, const QString& text, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("ReadmeWindow"));
    setWindowTitle(QStringLiteral("よんでね - ") + fileName);
    auto* layout = new QVBoxLayout(this);
    view_ = new QPlainTextEdit(this);
    view_->setObjectName(QStringLiteral("readmeText"));
    view_->setReadOnly(true);
    view_->setPlainText(text);
    layout->addWidget(view_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("とじる(&C)"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(640, 560);
}

} // namespace pukana
