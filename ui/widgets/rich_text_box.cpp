#include "ui/widgets/rich_text_box.h"

#include "core/bgr_color.h"
#include "core/document/document_session.h"
#include "core/error.h"
#include "core/formats/cp932.h"
#include "core/twips.h"
#include "platform/platform.h"

#include "core/formats/rtf_reader.h"
#include "core/formats/rtf_writer.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <QTimer>

namespace pukana {

namespace {

QString toDocumentText(QString text) {
    // One line break is one position: CR LF and lone CR become "\n".
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

QString plainFromRaw(QString raw) {
    for (QChar& c : raw) {
        const char16_t u = c.unicode();
        if (u == QChar::ParagraphSeparator || u == QChar::LineSeparator || u == 0xFDD0 ||
            u == 0xFDD1)
            c = QLatin1Char('\n');
    }
    return raw;
}

struct KeyStroke {
    int key = 0;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    QString text;
};

QList<KeyStroke> parseKeys(const QString& keys) {
    QList<KeyStroke> out;
    Qt::KeyboardModifiers pending = Qt::NoModifier;
    for (qsizetype i = 0; i < keys.size(); ++i) {
        const QChar c = keys[i];
        if (c == QLatin1Char('+')) {
            pending |= Qt::ShiftModifier;
            continue;
        }
        KeyStroke k;
        k.modifiers = pending;
        pending = Qt::NoModifier;
        if (c == QLatin1Char('~')) {
            k.key = Qt::Key_Return;
            k.text = QStringLiteral("\r");
        } else if (c == QLatin1Char('{')) {
            const qsizetype end = keys.indexOf(QLatin1Char('}'), i + 1);
            const QString name = keys.mid(i + 1, end < 0 ? -1 : end - i - 1).toUpper();
            i = end < 0 ? keys.size() : end;
            static const QHash<QString, int> names = {
                {QStringLiteral("LEFT"), Qt::Key_Left},
                {QStringLiteral("RIGHT"), Qt::Key_Right},
                {QStringLiteral("UP"), Qt::Key_Up},
                {QStringLiteral("DOWN"), Qt::Key_Down},
                {QStringLiteral("BS"), Qt::Key_Backspace},
                {QStringLiteral("BACKSPACE"), Qt::Key_Backspace},
                {QStringLiteral("DEL"), Qt::Key_Delete},
                {QStringLiteral("DELETE"), Qt::Key_Delete},
                {QStringLiteral("ENTER"), Qt::Key_Return},
                {QStringLiteral("HOME"), Qt::Key_Home},
                {QStringLiteral("END"), Qt::Key_End},
            };
            k.key = names.value(name, 0);
            if (k.key == Qt::Key_Return)
                k.text = QStringLiteral("\r");
            if (k.key == 0)
                continue;
        } else {
            k.key = 0;
            k.text = c;
        }
        out << k;
    }
    return out;
}

} // namespace

void sendKeys(QWidget* target, const QString& keys) {
    if (!target)
        return;
    for (const KeyStroke& k : parseKeys(keys)) {
        QKeyEvent press(QEvent::KeyPress, k.key, k.modifiers, k.text);
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, k.key, k.modifiers, k.text);
        QApplication::sendEvent(target, &release);
    }
}

RichTextBox::RichTextBox(DocumentSession& session, QWidget* parent)
    : QTextEdit(parent), session_(session) {
    setAcceptRichText(false); // pasting goes through the editor's own clipboard commands
    setLineWrapMode(QTextEdit::FixedPixelWidth);
    setTabChangesFocus(false);
    setDocument(session_.document());
    watchDocument();
    connect(&session_, &DocumentSession::documentReplaced, this, &RichTextBox::showDocument);
    // Content changes mark the document modified, also a replacement that Qt's own flag
    // would count as a fresh start.
    connect(this, &RichTextBox::Change, &session_, [this] { session_.setModified(true); });
}

QString RichTextBox::Text() const {
    return plainFromRaw(document()->toRawText());
}

void RichTextBox::SetText(const QString& text) {
    const QString plain = toDocumentText(text);
    // QTextEdit's own replacement keeps a long text's layout lazy (an edit of the old content,
    // or a caret moved across the new one, would lay all of it out at once). It gives the new
    // text the caret's character format: make that plain first.
    setTextCursor(QTextCursor(document()));
    setCurrentCharFormat(QTextCharFormat());
    setPlainText(plain);
    QTextCursor caret(document());
    setTextCursor(caret);
    if (plain.isEmpty())
        Q_EMIT Change(); // replacing nothing by nothing is still a change of content
}

int RichTextBox::TextLength() const {
    return document()->characterCount() - 1;
}

QByteArray RichTextBox::TextRTF() const {
    return rtf::write(*document());
}

void RichTextBox::SetTextRTF(const QByteArray& source) {
    if (source.isEmpty()) {
        document()->clear();
        setCurrentCharFormat(QTextCharFormat());
        Q_EMIT Change();
        return;
    }
    try {
        loadRtf(source);
    } catch (const PukanaError&) {
        // Source that is not RTF shows as what it is: text.
        SetText(cp932::decode(source));
    }
}

void RichTextBox::loadRtf(QByteArrayView source) {
    // Reading into a fresh document and swapping it in is many times faster than editing
    // the shown one, which re-lays out as it grows.
    auto fresh = std::make_unique<QTextDocument>();
    fresh->setDefaultFont(document()->defaultFont());
    rtf::read(source, *fresh);
    session_.replaceDocument(fresh.release()); // shown through showDocument
}

void RichTextBox::showDocument(QTextDocument* fresh) {
    setDocument(fresh);
    watchDocument();
    setTextCursor(QTextCursor(fresh));
    Q_EMIT Change();
}

void RichTextBox::watchDocument() {
    connect(document(), &QTextDocument::contentsChange, this, [this](int, int removed, int added) {
        if (formatOnly_ == 0 && (removed > 0 || added > 0))
            Q_EMIT Change();
        // Replacing everything starts a background layout by itself; any other edit ends one.
        if (!(removed == 0 && added == document()->characterCount()))
            resumeLayoutLater();
    });
}

void RichTextBox::resumeLayoutLater() {
    // Qt lays out a long text in the background and stops for good when the text is edited
    // meanwhile: the rest could then never be scrolled to. Once this edit is laid out, start
    // the background layout again.
    if (layoutResumePending_ || document()->lastBlock().layout()->lineCount() > 0)
        return;
    layoutResumePending_ = true;
    QTimer::singleShot(0, this, [this] {
        layoutResumePending_ = false;
        QTextDocument* doc = document();
        if (!doc->pageSize().isNull() && doc->lastBlock().layout()->lineCount() == 0)
            doc->setPageSize(doc->pageSize()); // a whole-document layout, in the background
    });
}

int RichTextBox::SelStart() const {
    return textCursor().selectionStart();
}

void RichTextBox::SetSelStart(int pos) {
    QTextCursor c = textCursor();
    c.setPosition(qBound(0, pos, TextLength()));
    setTextCursor(c);
}

int RichTextBox::SelLength() const {
    const QTextCursor c = textCursor();
    return c.selectionEnd() - c.selectionStart();
}

void RichTextBox::SetSelLength(int length) {
    QTextCursor c = textCursor();
    const int start = c.selectionStart();
    c.setPosition(start);
    c.setPosition(qBound(start, start + qMax(0, length), TextLength()), QTextCursor::KeepAnchor);
    setTextCursor(c);
}

QString RichTextBox::SelText() const {
    return plainFromRaw(textCursor().selectedText());
}

void RichTextBox::SetSelText(const QString& text) {
    QTextCursor c = textCursor();
    c.insertText(toDocumentText(text));
    setTextCursor(c);
}

QByteArray RichTextBox::SelRTF() const {
    return rtf::writeSelection(textCursor());
}

void RichTextBox::SetSelRTF(const QByteArray& source) {
    QTextCursor c = textCursor();
    rtf::insert(source, c);
    setTextCursor(c);
}

QString RichTextBox::SelFontName() const {
    const QTextCharFormat f = textCursor().charFormat();
    const QStringList families = f.fontFamilies().toStringList();
    return families.isEmpty() ? BaseFont().family() : families.constFirst();
}

void RichTextBox::SetSelFontName(const QString& name) {
    QTextCharFormat f;
    f.setFontFamilies({name});
    mergeSelFormat(f);
}

double RichTextBox::SelFontSize() const {
    const double size = textCursor().charFormat().fontPointSize();
    return size > 0 ? size : BaseFont().pointSizeF();
}

void RichTextBox::SetSelFontSize(double points) {
    QTextCharFormat f;
    f.setFontPointSize(points);
    mergeSelFormat(f);
}

quint32 RichTextBox::SelColor() const {
    const QTextCharFormat f = textCursor().charFormat();
    return f.hasProperty(QTextFormat::ForegroundBrush) ? toBgr(f.foreground().color()) : 0;
}

void RichTextBox::SetSelColor(quint32 bgr) {
    QTextCharFormat f;
    f.setForeground(fromBgr(bgr));
    mergeSelFormat(f);
}

std::optional<bool> RichTextBox::selFlag(bool (*test)(const QTextCharFormat&)) const {
    const QTextCursor c = textCursor();
    if (!c.hasSelection())
        return test(c.charFormat());
    std::optional<bool> seen;
    const int start = c.selectionStart();
    const int end = c.selectionEnd();
    for (QTextBlock block = document()->findBlock(start); block.isValid() && block.position() < end;
         block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.position() + fragment.length() <= start || fragment.position() >= end)
                continue;
            const bool value = test(fragment.charFormat());
            if (seen && *seen != value)
                return std::nullopt;
            seen = value;
        }
    }
    return seen ? seen : std::optional<bool>(test(c.charFormat()));
}

std::optional<bool> RichTextBox::SelBold() const {
    return selFlag([](const QTextCharFormat& f) { return f.fontWeight() >= QFont::Bold; });
}
void RichTextBox::SetSelBold(bool on) {
    QTextCharFormat f;
    f.setFontWeight(on ? QFont::Bold : QFont::Normal);
    mergeSelFormat(f);
}
std::optional<bool> RichTextBox::SelItalic() const {
    return selFlag([](const QTextCharFormat& f) { return f.fontItalic(); });
}
void RichTextBox::SetSelItalic(bool on) {
    QTextCharFormat f;
    f.setFontItalic(on);
    mergeSelFormat(f);
}
std::optional<bool> RichTextBox::SelUnderline() const {
    return selFlag([](const QTextCharFormat& f) { return f.fontUnderline(); });
}
void RichTextBox::SetSelUnderline(bool on) {
    QTextCharFormat f;
    f.setFontUnderline(on);
    mergeSelFormat(f);
}
std::optional<bool> RichTextBox::SelStrikeThru() const {
    return selFlag([](const QTextCharFormat& f) { return f.fontStrikeOut(); });
}
void RichTextBox::SetSelStrikeThru(bool on) {
    QTextCharFormat f;
    f.setFontStrikeOut(on);
    mergeSelFormat(f);
}

void RichTextBox::mergeSelFormat(const QTextCharFormat& format) {
    ++formatOnly_;
    QTextCursor c = textCursor();
    if (c.hasSelection())
        c.mergeCharFormat(format);
    mergeCurrentCharFormat(format);
    --formatOnly_;
}

void RichTextBox::SetSelAlignment(Alignment alignment) {
    QTextBlockFormat f;
    f.setAlignment(alignment == Alignment::Right    ? Qt::AlignRight
                   : alignment == Alignment::Centre ? Qt::AlignHCenter
                                                    : Qt::AlignLeft);
    ++formatOnly_;
    QTextCursor c = textCursor();
    c.mergeBlockFormat(f);
    --formatOnly_;
}

QFont RichTextBox::BaseFont() const {
    return document()->defaultFont();
}

void RichTextBox::SetBaseFont(const QFont& font) {
    ++formatOnly_;
    document()->setDefaultFont(font);
    --formatOnly_;
}

void RichTextBox::SetRightMargin(double twips) {
    rightMargin_ = twips;
    const int px = qMax(1, twipsToPixels(twips));
    // A relayout of a long document is costly: only when the width really changes.
    if (lineWrapMode() != QTextEdit::FixedPixelWidth)
        setLineWrapMode(QTextEdit::FixedPixelWidth);
    if (lineWrapColumnOrWidth() != px)
        setLineWrapColumnOrWidth(px);
}

void RichTextBox::SelPrint(Printer& printer) const {
    const QTextCursor c = textCursor();
    std::unique_ptr<QTextDocument> doc;
    if (c.hasSelection()) {
        doc = std::make_unique<QTextDocument>();
        doc->setDefaultFont(document()->defaultFont());
        QTextCursor(doc.get()).insertFragment(c.selection());
    } else {
        doc.reset(document()->clone());
    }
    printer.printDocument(*doc);
}

void RichTextBox::SendKeys(const QString& keys) {
    sendKeys(this, keys);
}

void RichTextBox::focusInEvent(QFocusEvent* event) {
    QTextEdit::focusInEvent(event);
    Q_EMIT GotFocus();
}

void RichTextBox::mousePressEvent(QMouseEvent* event) {
    Q_EMIT MouseDown(int(event->button()), (event->modifiers() & Qt::ShiftModifier) ? 1 : 0,
                     pixelsToTwips(event->position().toPoint().x()),
                     pixelsToTwips(event->position().toPoint().y()));
    QTextEdit::mousePressEvent(event);
}

void RichTextBox::mouseReleaseEvent(QMouseEvent* event) {
    QTextEdit::mouseReleaseEvent(event);
    Q_EMIT MouseUp(int(event->button()), (event->modifiers() & Qt::ShiftModifier) ? 1 : 0,
                   pixelsToTwips(event->position().toPoint().x()),
                   pixelsToTwips(event->position().toPoint().y()));
}

} // namespace pukana
