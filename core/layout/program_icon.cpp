#include "core/layout/program_icon.h"

#include "core/layout/deferred_icon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QSvgRenderer>

namespace pukana {

namespace {

constexpr int WindowIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

QImage render(QSvgRenderer& renderer, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    renderer.render(&p, QRectF(0, 0, size, size));
    return image;
}

} // namespace

QImage programIcon(int size) {
    QSvgRenderer renderer(QString::fromLatin1(ProgramIconResource));
    return render(renderer, size);
}

QIcon programWindowIcon() {
    // Drawn when something first shows it: a title bar asks once, the offscreen platform never.
    return deferredIcon([] {
        QIcon icon;
        QSvgRenderer renderer(QString::fromLatin1(ProgramIconResource));
        for (int size : WindowIconSizes)
            icon.addPixmap(QPixmap::fromImage(render(renderer, size)));
        return icon;
    });
}

QImage aboutPicture() {
    QImage image(322, 429, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 429);
    sky.setColorAt(0, QColor(0x2A, 0x3B, 0x7A));
    sky.setColorAt(0.55, QColor(0xF2, 0x9E, 0x6B));
    sky.setColorAt(1, QColor(0xFF, 0xE3, 0xB0));
    // The lower part stays light: the box writes its dark red texts over it.
    p.fillRect(image.rect(), sky);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0xF6, 0xD0));
    p.drawEllipse(QPointF(230, 150), 34, 34);
    QPainterPath far;
    far.moveTo(0, 300);
    far.cubicTo(80, 240, 150, 270, 200, 250);
    far.cubicTo(250, 232, 290, 260, 322, 245);
    far.lineTo(322, 429);
    far.lineTo(0, 429);
    p.setBrush(QColor(0xD9, 0xC6, 0xE0));
    p.drawPath(far);
    QPainterPath near;
    near.moveTo(0, 340);
    near.cubicTo(100, 300, 200, 350, 322, 310);
    near.lineTo(322, 429);
    near.lineTo(0, 429);
    p.setBrush(QColor(0xFF, 0xF4, 0xE0));
    p.drawPath(near);
    p.drawImage(QRect(40, 60, 96, 96), programIcon(96));
    return image;
}

} // namespace pukana
