// Fonts, paragraph alignment and printing.
#pragma once

#include "platform/platform.h"

#include <QObject>

class QAction;

namespace pukana {

class DocumentSession;
class ImageButton;
class RichTextBox;
enum class Alignment;

class FormatController : public QObject {
    Q_OBJECT
public:
    struct Actions {
        QAction& font;
        QAction& mincho;
        QAction& gothic;
        QAction& print;
        ImageButton& alignLeft;
        ImageButton& alignCentre;
        ImageButton& alignRight;
    };

    FormatController(RichTextBox& documentView, DocumentSession& document, Platform& platform,
                     QWidget& dialogParent, const Actions& actions, QObject* parent = nullptr);

    /// The font dialog for the selection: seeded from the selection's own characters (an
    /// attribute they mix left empty), on OK what the user changed is applied and the
    /// document is marked modified (even when nothing changed); Cancel changes nothing.
    void chooseFont();
    /// Paragraph alignment of the selection in a rich-text document; a beep in a plain one.
    void align(Alignment alignment);

    /// The font dialog's last answer.
    const FontChoice& fontDialogValues() const { return fontDialog_; }

    /// Shows the alignment picture of the current paragraph's alignment pressed.
    void showAlignment();

private:
    void setTypeface(const QString& name);

    RichTextBox& documentView_;
    DocumentSession& document_;
    Platform& platform_;
    QWidget& dialogParent_;
    ImageButton& alignLeft_;
    ImageButton& alignCentre_;
    ImageButton& alignRight_;
    FontChoice fontDialog_;
};

} // namespace pukana
