// The document view: a QTextEdit showing the document session's text, offering the members
// the editor's controllers use (plain-text positions, selection, character and paragraph
// format, rich text). It raises contentChanged after every content change, before the
// changing call returns, and every content change marks the session modified.
#pragma once

#include "ui/widgets/send_keys.h"

#include <QByteArray>
#include <QTextCursor>
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
    QString documentText() const;
    /// Replaces the content with plain text ("\r\n", "\r" and "\n" each start a new line).
    void setDocumentText(const QString& text);
    /// Number of positions in documentText().
    int textLength() const;

    /// The whole document as Rich Text Format source.
    QByteArray richText() const;
    /// Replaces the content by rendering RTF source; "" clears content and formatting.
    /// Source that is not RTF is shown as plain text.
    void setRichText(const QByteArray& rtf);

    int selectionStart() const;
    /// Puts the caret at `pos` (clamped) with nothing selected.
    void setCaretPosition(int pos);
    int selectionLength() const;
    /// Selects `length` positions from selectionStart() (clamped to the end).
    void setSelectionLength(int length);
    QString selectedText() const;
    /// Replaces the selection (or inserts at the caret); the caret ends after the new text.
    void replaceSelection(const QString& text);
    QByteArray selectionRichText() const;
    /// Replaces the selection with formatted text from RTF source.
    void replaceSelectionWithRichText(const QByteArray& rtf);

    // Character format of the selection (or of what is typed next). The boolean getters
    // give nullopt when the selection mixes both values.
    QString selectionFontName() const;
    void setSelectionFontName(const QString& name);
    double selectionFontSize() const;
    void setSelectionFontSize(double points);
    /// Colour as 0x00BBGGRR.
    quint32 selectionColour() const;
    void setSelectionColour(quint32 bgr);
    std::optional<bool> selectionBold() const;
    void setSelectionBold(bool on);
    std::optional<bool> selectionItalic() const;
    void setSelectionItalic(bool on);
    std::optional<bool> selectionUnderline() const;
    void setSelectionUnderline(bool on);
    std::optional<bool> selectionStrikeOut() const;
    void setSelectionStrikeOut(bool on);
    /// Paragraph alignment of the selected paragraphs.
    void setSelectionAlignment(Alignment alignment);

    /// The control's base font (used for new text and plain documents).
    QFont baseFont() const;
    void setBaseFont(const QFont& font);
    /// Whether the document's text is laid out without OpenType shaping (documents whose
    /// characters their faces draw one by one, in faces without kerning or ligatures).
    bool shapingSkipped() const;

    /// Wrap width in twips from the left edge.
    double wrapWidth() const { return rightMargin_; }
    void setWrapWidth(double twips);

    /// Renders the selection, or the whole document when nothing is selected, to the
    /// printer, at the page width. Throws PukanaError when printing fails.
    void printSelectionTo(Printer& printer) const;

    /// Loads RTF source into a fresh document. Throws PukanaError on source that is not RTF.
    void loadRichText(const QByteArray& source) { loadRtf(source); }

    // Undo and redo. Every public change of content or format (typing a key's text, an
    // editing key, a paste, a conversion commit, a font or alignment change) is one step;
    // UndoStep joins several calls into one.
    bool canUndo() const;
    bool canRedo() const;
    /// Forgets every step: a new, opened or converted document starts with no history.
    void clearUndoHistory();

    /// Makes everything done while it lives one undo step.
    class UndoStep {
    public:
        explicit UndoStep(RichTextBox& box);
        ~UndoStep();
        UndoStep(const UndoStep&) = delete;
        UndoStep& operator=(const UndoStep&) = delete;

    private:
        QTextCursor cursor_;
    };

    /// Sends a keystroke string ("{LEFT}", "+{RIGHT}", "{BS}", "{DEL}", "{UP}", "{DOWN}",
    /// "~") to this control, processed before the call returns.
    void typeKeys(const QString& keys);

Q_SIGNALS:
    void contentChanged();
    void focusReceived();
    /// Mouse button (Qt::MouseButton), shift state, X and Y in twips.
    void mousePressed(int button, int shift, double x, double y);
    void mouseReleased(int button, int shift, double x, double y);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void loadRtf(QByteArrayView source);
    void showDocument(QTextDocument* document);
    /// Gives a document about to be shown the view's text options, so taking it lays it
    /// out once, and skips its shaping where that changes nothing.
    void prepareForView(QTextDocument& fresh) const;
    void watchDocument();
    void onContentsChange(int from, int removed, int added);
    void resumeLayoutLater();
    void skipShaping(bool skip);
    /// Shapes again when text added at `from` needs it.
    void shapeAgainForNewCharacters(int from, int added);
    /// Wraps lines anywhere (documents with words longer than any line) or at word
    /// boundaries where it can.
    void setWrapAnywhere(bool anywhere);
    /// Wraps anywhere when the text added at `from` made a word longer than any line.
    void wrapAnywhereForLongWords(int from, int added);
    std::optional<bool> selFlag(bool (*test)(const QTextCharFormat&)) const;
    void mergeSelFormat(const QTextCharFormat& format);

    DocumentSession& session_;
    double rightMargin_ = 0;
    int formatOnly_ = 0; // > 0 while a change raises no change signal of its own
    bool layoutResumePending_ = false;
    // The document's plain text as Text() last built it; null once the content changed.
    mutable QString plainText_;
};

} // namespace pukana
