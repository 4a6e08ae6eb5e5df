#include "ui/input_target.h"

#include "ui/widgets/file_name_box.h"
#include "ui/widgets/rich_text_box.h"

namespace pukana {

namespace {
const QColor TargetColour(0xFF, 0xFF, 0xFF);
const QColor OtherColour(0xC0, 0xC0, 0xC0);
} // namespace

InputTarget::InputTarget(RichTextBox& documentView, FileNameBox& fileNameBox, QObject* parent)
    : QObject(parent), documentView_(documentView), fileNameBox_(fileNameBox) {
    setObjectName(QStringLiteral("inputTarget"));
    connect(&documentView_, &RichTextBox::focusReceived, this, [this] { set(Box::Document); });
    connect(&fileNameBox_, &FileNameBox::focusReceived, this, [this] { set(Box::FileName); });
}

void InputTarget::set(Box box) {
    box_ = box;
    QPalette palette = fileNameBox_.palette();
    palette.setColor(QPalette::Base, box == Box::FileName ? TargetColour : OtherColour);
    fileNameBox_.setPalette(palette);
}

QWidget* InputTarget::widget() const {
    return isDocument() ? static_cast<QWidget*>(&documentView_)
                        : static_cast<QWidget*>(&fileNameBox_);
}

QString InputTarget::selectedText() const {
    return isDocument() ? documentView_.selectedText() : fileNameBox_.selectedText();
}

void InputTarget::replaceSelection(const QString& text) {
    if (isDocument())
        documentView_.replaceSelection(text);
    else
        fileNameBox_.insert(text);
}

void InputTarget::focus() {
    widget()->setFocus();
}

} // namespace pukana
