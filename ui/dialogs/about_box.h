// The About box: a picture with the program's name, version, maker and address.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace pukana {

class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent = nullptr);

    QLabel* LV = nullptr;
    QPushButton* Command1 = nullptr;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
};

} // namespace pukana
