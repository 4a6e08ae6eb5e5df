#include "ui/widgets/rich_text_box.h"

#include "core/bgr_color.h"
#include "core/document/document_session.h"
#include "core/error.h"
#include "core/formats/cp932.h"
#include "core/formats/font_family_format.h"
#include "core/layout/long_words.h"
#include "core/layout/plain_shaping.h"
#include "core/twips.h"
#include "platform/platform.h"

#include "core/formats/rtf_reader.h"
#include "core/formats/rtf_writer.h"

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

/// `font` with OpenType shaping on or off.
QFont withShaping(QFont font, bool shaped) {
    const auto strategy = font.styleStrategy();
    font.setStyleStrategy(shaped ? QFont::StyleStrategy(strategy & ~QFont::PreferNoShaping)
                                 : QFont::StyleStrategy(strategy | QFont::PreferNoShaping));
    return font;
}

} // namespace

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
    connect(this, &RichTextBox::contentChanged, &session_, [this] { session_.setModified(true); });
}

QString RichTextBox::documentText() const {
    // Searching again and again reads the same long text: build it once per content.
    if (plainText_.isNull())
        plainText_ = plainFromRaw(document()->toRawText());
    return plainText_;
}

void RichTextBox::setDocumentText(const QString& text) {
    const QString plain = toDocumentText(text);
    // QTextEdit's own replacement keeps a long text's layout lazy (an edit of the old content,
    // or a caret moved across the new one, would lay all of it out at once). It gives the new
    // text the caret's character format: make that plain first.
    setTextCursor(QTextCursor(document()));
    setCurrentCharFormat(QTextCharFormat());
    const bool anywhere = hasWordLongerThan(plain);
    if (anywhere)
        setWrapAnywhere(true); // before the new text is laid out
    skipShaping(shapingChangesNothing(plain, baseFont()));
    // One change signal for the whole replacement, raised below.
    ++formatOnly_;
    setPlainText(plain);
    --formatOnly_;
    if (!anywhere)
        setWrapAnywhere(false);
    QTextCursor caret(document());
    setTextCursor(caret);
    // Qt counts a replaced text as a fresh, unmodified document; for the editor it is a change
    // of content, also when nothing was replaced by nothing.
    Q_EMIT contentChanged();
}

int RichTextBox::textLength() const {
    return document()->characterCount() - 1;
}

QByteArray RichTextBox::richText() const {
    return rtf::write(*document());
}

void RichTextBox::setRichText(const QByteArray& source) {
    if (source.isEmpty()) {
        document()->clear();
        setCurrentCharFormat(QTextCharFormat());
        Q_EMIT contentChanged();
        return;
    }
    try {
        loadRtf(source);
    } catch (const PukanaError&) {
        // Source that is not RTF shows as what it is: text.
        setDocumentText(cp932::decode(source));
    }
}

void RichTextBox::loadRtf(QByteArrayView source) {
    // Reading into a fresh document and swapping it in is many times faster than editing
    // the shown one, which re-lays out as it grows.
    auto fresh = std::make_unique<QTextDocument>();
    fresh->setDefaultFont(baseFont());
    rtf::read(source, *fresh);
    session_.replaceDocument(fresh.release()); // shown through showDocument
}

void RichTextBox::showDocument(QTextDocument* fresh) {
    // QTextEdit lays a document out again whenever its viewport changes width, also when it
    // wraps at a fixed width: the vertical scroll bar appearing for a long document would
    // cost a second layout. It stays shown while the document is taken.
    const Qt::ScrollBarPolicy policy = verticalScrollBarPolicy();
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    const bool anywhere = hasWordLongerThan(*fresh);
    if ((wordWrapMode() == QTextOption::WrapAnywhere) != anywhere) {
        // The view's wrap mode applies to the document it still shows: no use laying that
        // one out again.
        document()->setPageSize(QSizeF(0, 0));
        setWrapAnywhere(anywhere);
    }
    prepareForView(*fresh);
    setDocument(fresh);
    setVerticalScrollBarPolicy(policy);
    watchDocument();
    setTextCursor(QTextCursor(fresh));
    Q_EMIT contentChanged();
}

void RichTextBox::prepareForView(QTextDocument& fresh) const {
    // Taking a document, QTextEdit creates its layout, gives it the view's wrap mode and then
    // its width, each a layout of the whole first screen; a paragraph of 200,000 runs took
    // a third of a second each time. With the wrap mode already set and no page size yet,
    // only the last of them lays out.
    QTextOption option = fresh.defaultTextOption();
    option.setWrapMode(wordWrapMode());
    fresh.setDefaultTextOption(option);
    fresh.setPageSize(QSizeF(0, 0));
    if (shapingChangesNothing(fresh))
        fresh.setDefaultFont(withShaping(fresh.defaultFont(), false));
}

void RichTextBox::watchDocument() {
    plainText_ = QString();
    connect(document(), &QTextDocument::contentsChange, this, &RichTextBox::onContentsChange);
}

void RichTextBox::onContentsChange(int from, int removed, int added) {
    plainText_ = QString();
    if (formatOnly_ == 0 && (removed > 0 || added > 0))
        Q_EMIT contentChanged();
    if (added > kOverlongWord)
        wrapAnywhereForLongWords(from, added);
    if (added > 0 && formatOnly_ == 0)
        shapeAgainForNewCharacters(from, added);
    // Replacing everything starts a background layout by itself; any other edit ends one.
    if (!(removed == 0 && added == document()->characterCount()))
        resumeLayoutLater();
}

void RichTextBox::setWrapAnywhere(bool anywhere) {
    // Qt looks for a line's break from its start to the end of the word, so a paragraph that
    // is one word of a million letters took minutes to lay out. Lines inside such a word break
    // anywhere in both modes; only shorter words at a line's end are split in this one.
    const QTextOption::WrapMode mode =
        anywhere ? QTextOption::WrapAnywhere : QTextOption::WrapAtWordBoundaryOrAnywhere;
    if (wordWrapMode() != mode)
        setWordWrapMode(mode);
}

void RichTextBox::wrapAnywhereForLongWords(int from, int added) {
    if (wordWrapMode() == QTextOption::WrapAnywhere)
        return;
    const QTextDocument* doc = document();
    const QTextBlock last = doc->findBlock(from + added);
    for (QTextBlock block = doc->findBlock(from); block.isValid(); block = block.next()) {
        if (block.length() > kOverlongWord && hasWordLongerThan(block.text())) {
            setWrapAnywhere(true);
            return;
        }
        if (block == last)
            return;
    }
}

bool RichTextBox::shapingSkipped() const {
    return document()->defaultFont().styleStrategy() & QFont::PreferNoShaping;
}

void RichTextBox::skipShaping(bool skip) {
    // Shaping each run of a script (a Japanese line has a dozen) took half the time of laying
    // out a long text; where it changes nothing, Qt can take the glyphs from the font's
    // character map instead.
    if (skip == shapingSkipped())
        return;
    ++formatOnly_;
    document()->setDefaultFont(withShaping(document()->defaultFont(), !skip));
    --formatOnly_;
}

void RichTextBox::shapeAgainForNewCharacters(int from, int added) {
    if (shapingSkipped() && !shapingChangesNothing(*document(), from, from + added))
        skipShaping(false);
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

int RichTextBox::selectionStart() const {
    return textCursor().selectionStart();
}

void RichTextBox::setCaretPosition(int pos) {
    QTextCursor c = textCursor();
    c.setPosition(qBound(0, pos, textLength()));
    setTextCursor(c);
}

int RichTextBox::selectionLength() const {
    const QTextCursor c = textCursor();
    return c.selectionEnd() - c.selectionStart();
}

void RichTextBox::setSelectionLength(int length) {
    QTextCursor c = textCursor();
    const int start = c.selectionStart();
    c.setPosition(start);
    c.setPosition(qBound(start, start + qMax(0, length), textLength()), QTextCursor::KeepAnchor);
    setTextCursor(c);
}

QString RichTextBox::selectedText() const {
    return plainFromRaw(textCursor().selectedText());
}

RichTextBox::UndoStep::UndoStep(RichTextBox& box) : cursor_(box.document()) {
    // An edit block also keeps the step from merging with the one before, as typed
    // characters otherwise would.
    cursor_.beginEditBlock();
}

RichTextBox::UndoStep::~UndoStep() {
    cursor_.endEditBlock();
}

bool RichTextBox::canUndo() const {
    return document()->isUndoAvailable();
}

bool RichTextBox::canRedo() const {
    return document()->isRedoAvailable();
}

void RichTextBox::clearUndoHistory() {
    document()->clearUndoRedoStacks();
}

void RichTextBox::replaceSelection(const QString& text) {
    UndoStep step(*this);
    QTextCursor c = textCursor();
    c.insertText(toDocumentText(text));
    setTextCursor(c);
}

QByteArray RichTextBox::selectionRichText() const {
    return rtf::writeSelection(textCursor());
}

void RichTextBox::replaceSelectionWithRichText(const QByteArray& source) {
    skipShaping(false); // the pasted runs bring their own fonts
    UndoStep step(*this);
    QTextCursor c = textCursor();
    rtf::insert(source, c);
    setTextCursor(c);
}

QString RichTextBox::selectionFontName() const {
    const QString family = fontFamilyOf(textCursor().charFormat());
    return family.isEmpty() ? baseFont().family() : family;
}

void RichTextBox::setSelectionFontName(const QString& name) {
    QTextCharFormat f;
    pukana::setFontFamily(f, name);
    mergeSelFormat(f);
}

double RichTextBox::selectionFontSize() const {
    const double size = textCursor().charFormat().fontPointSize();
    return size > 0 ? size : baseFont().pointSizeF();
}

void RichTextBox::setSelectionFontSize(double points) {
    QTextCharFormat f;
    f.setFontPointSize(points);
    mergeSelFormat(f);
}

quint32 RichTextBox::selectionColour() const {
    const QTextCharFormat f = textCursor().charFormat();
    return f.hasProperty(QTextFormat::ForegroundBrush) ? toBgr(f.foreground().color()) : 0;
}

void RichTextBox::setSelectionColour(quint32 bgr) {
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

std::optional<bool> RichTextBox::selectionBold() const {
    return selFlag([](const QTextCharFormat& f) { return f.fontWeight() >= QFont::Bold; });
}
void RichTextBox::setSelectionBold(bool on) {
    QTextCharFormat f;
    f.setFontWeight(on ? QFont::Bold : QFont::Normal);
    mergeSelFormat(f);
}
std::optional<bool> RichTextBox::selectionItalic() const {
    return selFlag([](const QTextCharFormat& f) { return f.fontItalic(); });
}
void RichTextBox::setSelectionItalic(bool on) {
    QTextCharFormat f;
    f.setFontItalic(on);
    mergeSelFormat(f);
}
std::optional<bool> RichTextBox::selectionUnderline() const {
    return selFlag([](const QTextCharFormat& f) { return f.fontUnderline(); });
}
void RichTextBox::setSelectionUnderline(bool on) {
    QTextCharFormat f;
    f.setFontUnderline(on);
    mergeSelFormat(f);
}
std::optional<bool> RichTextBox::selectionStrikeOut() const {
    return selFlag([](const QTextCharFormat& f) { return f.fontStrikeOut(); });
}
void RichTextBox::setSelectionStrikeOut(bool on) {
    QTextCharFormat f;
    f.setFontStrikeOut(on);
    mergeSelFormat(f);
}

void RichTextBox::mergeSelFormat(const QTextCharFormat& format) {
    skipShaping(false); // other fonts, bold or italic may need shaping
    ++formatOnly_;
    {
        // The step ends (and reports its change) while the change still counts as format.
        UndoStep step(*this);
        QTextCursor c = textCursor();
        if (c.hasSelection())
            c.mergeCharFormat(format);
        mergeCurrentCharFormat(format);
    }
    --formatOnly_;
}

void RichTextBox::setSelectionAlignment(Alignment alignment) {
    QTextBlockFormat f;
    f.setAlignment(alignment == Alignment::Right    ? Qt::AlignRight
                   : alignment == Alignment::Centre ? Qt::AlignHCenter
                                                    : Qt::AlignLeft);
    ++formatOnly_;
    {
        UndoStep step(*this);
        QTextCursor c = textCursor();
        c.mergeBlockFormat(f);
    }
    --formatOnly_;
}

QFont RichTextBox::baseFont() const {
    return withShaping(document()->defaultFont(), true);
}

void RichTextBox::setBaseFont(const QFont& font) {
    ++formatOnly_;
    document()->setDefaultFont(font);
    --formatOnly_;
}

void RichTextBox::setWrapWidth(double twips) {
    rightMargin_ = twips;
    const int px = qMax(1, twipsToPixels(twips));
    // A relayout of a long document is costly: only when the width really changes.
    if (lineWrapMode() != QTextEdit::FixedPixelWidth)
        setLineWrapMode(QTextEdit::FixedPixelWidth);
    if (lineWrapColumnOrWidth() != px)
        setLineWrapColumnOrWidth(px);
}

void RichTextBox::printSelectionTo(Printer& printer) const {
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

void RichTextBox::typeKeys(const QString& keys) {
    UndoStep step(*this);
    sendKeys(this, keys);
}

void RichTextBox::focusInEvent(QFocusEvent* event) {
    QTextEdit::focusInEvent(event);
    Q_EMIT focusReceived();
}

void RichTextBox::mousePressEvent(QMouseEvent* event) {
    Q_EMIT mousePressed(int(event->button()), (event->modifiers() & Qt::ShiftModifier) ? 1 : 0,
                        pixelsToTwips(event->position().toPoint().x()),
                        pixelsToTwips(event->position().toPoint().y()));
    QTextEdit::mousePressEvent(event);
}

void RichTextBox::mouseReleaseEvent(QMouseEvent* event) {
    QTextEdit::mouseReleaseEvent(event);
    Q_EMIT mouseReleased(int(event->button()), (event->modifiers() & Qt::ShiftModifier) ? 1 : 0,
                         pixelsToTwips(event->position().toPoint().x()),
                         pixelsToTwips(event->position().toPoint().y()));
}

} // namespace pukana
