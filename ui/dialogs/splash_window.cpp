#include "ui/dialogs/splash_window.h"

#include "core/layout/program_icon.h"
#include "core/twips.h"
#include "core/version.h"

#include <QFrame>
#include <QLabel>
#include <QPixmap>

namespace pukana {

namespace {
QLabel* label(QWidget* parent, const QString& text, QRect geometry, const QFont& font,
              const QColor& colour) {
    auto* l = new QLabel(parent);
    l->setTextFormat(Qt::PlainText); // the loading line shows the file named on the command line
    l->setText(text);
    l->setGeometry(geometry);
    l->setFont(font);
    l->setAlignment(Qt::AlignCenter);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, colour);
    l->setPalette(p);
    return l;
}

QFont times(double points, bool bold) {
    QFont f(QStringLiteral("Times New Roman"));
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}
} // namespace

SplashWindow::SplashWindow(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("Form0"));
    setWindowTitle(QStringLiteral("Start"));
    setFixedSize(twipsToPixels(7185), twipsToPixels(1260));
    const QColor titleColour = palette().color(QPalette::Active, QPalette::Highlight);

    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setFrameShape(QFrame::Box);
    frame->setGeometry(twipsRect(1950, 270, 3105, 525));
    auto* image = new QLabel(frame);
    image->setObjectName(QStringLiteral("Image1"));
    image->setGeometry(twipsRect(45, 135, 345, 345));
    image->setScaledContents(true);
    image->setPixmap(QPixmap::fromImage(programIcon(32)));

    titleLabel_ = label(frame, QStringLiteral("PUKANA"), twipsRect(480, 75, 1575, 465),
                        times(20.25, true), titleColour);
    versionLabel_ = label(frame, QString(), twipsRect(2040, 210, 1005, 195), times(8.25, true),
                          QColor(0x40, 0x40, 0x40));
    noticeLabel_ = label(this, makerNotice(), twipsRect(2355, 795, 2325, 225), times(9.75, true),
                         QColor(0x40, 0x40, 0x40));
    loadingLabel_ = label(this, QString(48, QLatin1Char(' ')), twipsRect(2100, 1050, 2895, 180),
                          font(), titleColour);
    titleLabel_->setObjectName(QStringLiteral("Label1"));
    noticeLabel_->setObjectName(QStringLiteral("Label2"));
    loadingLabel_->setObjectName(QStringLiteral("Label3"));
    versionLabel_->setObjectName(QStringLiteral("Label4"));
}

void SplashWindow::showWhileLoading(QSize screenTwips, const QString& commandLine) {
    const double left = (screenTwips.width() - pixelsToTwips(width())) / 2.0;
    const double top = (screenTwips.height() - pixelsToTwips(height())) / 2.0;
    move(twipsToPixels(left), twipsToPixels(top));
    versionLabel_->setText(versionText());
    if (!commandLine.isEmpty())
        loadingLabel_->setText(QStringLiteral("Loading...") + commandLine);
    show();
    repaint();
}

} // namespace pukana
