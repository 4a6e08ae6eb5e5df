#include "ui/dialogs/about_box.h"

#include "core/layout/program_icon.h"
#include "core/twips.h"
#include "core/version.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace pukana {

namespace {
QLabel* label(QWidget* parent, const char* name, const QString& text, QRect geometry, double points,
              bool bold, Qt::Alignment alignment) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QLatin1StringView(name));
    l->setGeometry(geometry);
    QFont f(QStringLiteral("Times New Roman"));
    f.setPointSizeF(points);
    f.setBold(bold);
    l->setFont(f);
    l->setAlignment(alignment | Qt::AlignVCenter);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, QColor(0x80, 0, 0));
    l->setPalette(p);
    return l;
}
} // namespace

AboutBox::AboutBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), picture_(aboutPicture()) {
    setObjectName(QStringLiteral("FormA"));
    setWindowTitle(QStringLiteral(" About PUKANA.exe"));
    setFixedSize(twipsToPixels(4800), twipsToPixels(6420));
    // Right-aligned to end at 2100 twips; it starts further left than designed so that the
    // substitute serif font, a little wider, is not cut off.
    label(this, "Label2", QStringLiteral("PUKANA.exe"), twipsRect(240, 5400, 1860, 390), 14.25,
          true, Qt::AlignRight);
    versionLabel_ =
        label(this, "LV", QString(), twipsRect(2220, 5460, 1155, 300), 9, true, Qt::AlignLeft);
    label(this, "Label1", makerNotice(), twipsRect(0, 5700, 3660, 255), 9.75, true,
          Qt::AlignHCenter);
    label(this, "Label3", makerAddress(), twipsRect(360, 5940, 4455, 255), 9.75, false,
          Qt::AlignLeft);
    okButton_ = new QPushButton(QStringLiteral("&OK"), this);
    okButton_->setObjectName(QStringLiteral("Command1"));
    okButton_->setGeometry(twipsRect(3420, 5460, 975, 450));
    QFont f(QStringLiteral("ＭＳ Ｐゴシック"));
    f.setPointSizeF(12);
    okButton_->setFont(f);
    okButton_->setDefault(true);
    okButton_->setFocus();
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
}

void AboutBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(twipsRect(0, 0, 4830, 6435), picture_);
    p.setPen(QPen(QColor(0xFF, 0, 0), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(twipsRect(120, 120, 4575, 6195));
}

void AboutBox::setVersionText(const QString& text) {
    versionLabel_->setText(text);
}

} // namespace pukana
