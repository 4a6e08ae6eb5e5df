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

    /// Shows `text` as the version.
    void setVersionText(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
    QLabel* versionLabel_ = nullptr;
    QPushButton* okButton_ = nullptr;
};

} // namespace pukana
