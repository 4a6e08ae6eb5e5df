// Which box the on-screen keys and the conversion act on: the document or the file-name box,
// whichever of the two last had the focus. The file-name box is white while it is the
// target and light grey otherwise.
#pragma once

#include <QObject>

class QWidget;

namespace pukana {

class FileNameBox;
class RichTextBox;

class InputTarget : public QObject {
    Q_OBJECT
public:
    enum class Box { Document, FileName };

    InputTarget(RichTextBox& documentView, FileNameBox& fileNameBox, QObject* parent = nullptr);

    Box box() const { return box_; }
    bool isDocument() const { return box_ == Box::Document; }
    /// Makes `box` the target (and colours the file-name box) without moving the focus.
    void set(Box box);

    /// The target box as a widget.
    QWidget* widget() const;
    QString selectedText() const;
    /// Replaces the target's selection (or inserts at its caret).
    void replaceSelection(const QString& text);
    /// Gives the target the focus.
    void focus();

private:
    RichTextBox& documentView_;
    FileNameBox& fileNameBox_;
    Box box_ = Box::Document;
};

} // namespace pukana
