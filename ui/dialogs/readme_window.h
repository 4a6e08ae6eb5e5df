// The readme shown by the editor itself, for machines where no text viewer can be started.
#pragma once

#include <QDialog>

class QPlainTextEdit;

namespace pukana {

class ReadmeWindow : public QDialog {
    Q_OBJECT
public:
    /// Shows `text` read-only under the title of the readme file `fileName`.
    ReadmeWindow(const QString& fileName, const QString& text, QWidget* parent = nullptr);

    QPlainTextEdit* view() const { return view_; }

private:
    QPlainTextEdit* view_;
};

} // namespace pukana
