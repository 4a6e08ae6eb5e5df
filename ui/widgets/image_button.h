// A picture that acts on a click, for the toolbar's alignment images.
#pragma once

#include <QImage>
#include <QWidget>

namespace pukana {

class ImageButton : public QWidget {
    Q_OBJECT
public:
    ImageButton(const QImage& image, const QString& accessibleName, QWidget* parent);
    const QImage& image() const { return image_; }
    /// Shown sunk in, as a pressed button, while what the picture stands for is in effect.
    bool isPressed() const { return pressed_; }
    void setPressed(bool pressed);

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage image_;
    bool pressed_ = false;
};

} // namespace pukana
