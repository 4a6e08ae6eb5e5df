#include "ui/widgets/image_button.h"

#include <QMouseEvent>
#include <QPainter>

namespace pukana {

ImageButton::ImageButton(const QImage& image, const QString& accessibleName, QWidget* parent)
    : QWidget(parent), image_(image) {
    setAccessibleName(accessibleName);
    setCursor(Qt::PointingHandCursor);
}

void ImageButton::setPressed(bool pressed) {
    if (pressed_ == pressed)
        return;
    pressed_ = pressed;
    update();
}

void ImageButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0xC0, 0xC0, 0xC0));
    // The picture sits at the top left, unscaled, as a 16 × 16 image in its box; pressed, it
    // moves one pixel in under a sunken edge (dark top and left, light bottom and right).
    const QPoint offset = pressed_ ? QPoint(1, 1) : QPoint(0, 0);
    painter.drawImage(offset, image_);
    if (pressed_) {
        const QRect edge = rect().adjusted(0, 0, -1, -1);
        painter.setPen(QColor(0x40, 0x40, 0x40));
        painter.drawLine(edge.topLeft(), edge.topRight());
        painter.drawLine(edge.topLeft(), edge.bottomLeft());
        painter.setPen(Qt::white);
        painter.drawLine(edge.bottomLeft(), edge.bottomRight());
        painter.drawLine(edge.topRight(), edge.bottomRight());
    }
}

void ImageButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}

} // namespace pukana
