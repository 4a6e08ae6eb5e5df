#include "ui/widgets/image_button.h"

#include <QMouseEvent>
#include <QPainter>

namespace pukana {

ImageButton::ImageButton(const QImage& image, const QString& accessibleName, QWidget* parent)
    : QWidget(parent), image_(image) {
    setAccessibleName(accessibleName);
    setCursor(Qt::PointingHandCursor);
}

void ImageButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0xC0, 0xC0, 0xC0));
    // The picture sits at the top left, unscaled, as a 16 × 16 image in its box.
    painter.drawImage(QPoint(0, 0), image_);
}

void ImageButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}

} // namespace pukana
