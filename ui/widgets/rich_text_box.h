// The document view: a QTextEdit showing the document session's text, offering the members
// the editor's controllers use (plain-text positions, selection, character and paragraph
// format, rich text). It raises Change after every content change, before the changing call
// returns, and every content change marks the session modified.
#pragma once

#include <QByteArray>
#include <QTextEdit>
#include <optional>

namespace pukana {

class DocumentSession;
class Printer;

/// Paragraph alignment.
enum class Alignment { Left, Right, Centre };

class RichTextBox : public QTextEdit {
    Q_OBJECT
public:
    explicit RichTextBox(DocumentSession& session, QWidget* parent = nullptr);

    /// The whole plain text; every line break (paragraph or line) is one "\n".
    QString Text() const;
    /// Replaces the content with plain text ("\r\n", "\r" and "\n" each start a new line).
    void SetText(const QString& text);
    /// Number of positions in Text().
    int TextLength() const;

    /// The whole document as Rich Text Format source.
    QByteArray TextRTF() const;
    /// Replaces the content by rendering RTF source; "" clears content and formatting.
    /// Source that is not RTF is shown as plain text.
    void SetTextRTF(const QByteArray& rtf);

    int SelStart() const;
    /// Puts the caret at `pos` (clamped) with nothing selected.
    void SetSelStart(int pos);
    int SelLength() const;
    /// Selects `length` positions from SelStart (clamped to the end).
    void SetSelLength(int length);
    QString SelText() const;
    /// Replaces the selection (or inserts at the caret); the caret ends after the new text.
    void SetSelText(const QString& text);
    QByteArray SelRTF() const;
    /// Replaces the selection with formatted text from RTF source.
    void SetSelRTF(const QByteArray& rtf);

    // Character format of the selection (or of what is typed next). The boolean getters
    // give nullopt when the selection mixes both values.
    QString SelFontName() const;
    void SetSelFontName(const QString& name);
    double SelFontSize() const;
    void SetSelFontSize(double points);
    /// Colour as 0x00BBGGRR.
    quint32 SelColor() const;
    void SetSelColor(quint32 bgr);
    std::optional<bool> SelBold() const;
    void SetSelBold(bool on);
    std::optional<bool> SelItalic() const;
    void SetSelItalic(bool on);
    std::optional<bool> SelUnderline() const;
    void SetSelUnderline(bool on);
    std::optional<bool> SelStrikeThru() const;
    void SetSelStrikeThru(bool on);
    /// Paragraph alignment of the selected paragraphs.
    void SetSelAlignment(Alignment alignment);

    /// The control's base font (used for new text and plain documents).
    QFont BaseFont() const;
    void SetBaseFont(const QFont& font);

    /// Wrap width in twips from the left edge.
    double RightMargin() const { return rightMargin_; }
    void SetRightMargin(double twips);

    /// Renders the selection, or the whole document when nothing is selected, to the
    /// printer, at the page width. Throws PukanaError when printing fails.
    void SelPrint(Printer& printer) const;

    /// Sends a keystroke string ("{LEFT}", "+{RIGHT}", "{BS}", "{DEL}", "{UP}", "{DOWN}",
    /// "~") to this control, processed before the call returns.
    void SendKeys(const QString& keys);

Q_SIGNALS:
    void Change();
    void GotFocus();
    /// Mouse button (Qt::MouseButton), shift state, X and Y in twips.
    void MouseDown(int button, int shift, double x, double y);
    void MouseUp(int button, int shift, double x, double y);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void loadRtf(QByteArrayView source);
    void showDocument(QTextDocument* document);
    void watchDocument();
    void resumeLayoutLater();
    std::optional<bool> selFlag(bool (*test)(const QTextCharFormat&)) const;
    void mergeSelFormat(const QTextCharFormat& format);

    DocumentSession& session_;
    double rightMargin_ = 0;
    int formatOnly_ = 0; // > 0 while a change touches only formatting
    bool layoutResumePending_ = false;
};

/// Sends a keystroke string ("{LEFT}", "+{RIGHT}", "{BS}", "~", ...) to any widget,
/// processed before the call returns.
void sendKeys(QWidget* target, const QString& keys);

} // namespace pukana
