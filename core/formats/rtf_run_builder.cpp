#include "core/formats/rtf_run_builder.h"

namespace pukana::rtf {

void sanitize(QString& text) {
    QChar* p = text.data();
    const qsizetype n = text.size();
    qsizetype out = 0;
    for (qsizetype i = 0; i < n; ++i) {
        char16_t c = p[i].unicode();
        if (c < 0x20 && c != '\t')
            continue;
        if (c == 0x2029)
            c = 0x2028;
        else if (c == 0xFDD0 || c == 0xFDD1)
            c = 0xFFFD;
        else if (QChar::isHighSurrogate(c)) {
            if (i + 1 < n && QChar::isLowSurrogate(p[i + 1].unicode())) {
                p[out++] = QChar(c);
                c = p[++i].unicode();
            } else {
                c = 0xFFFD;
            }
        } else if (QChar::isLowSurrogate(c)) {
            c = 0xFFFD;
        }
        p[out++] = QChar(c);
    }
    text.truncate(out);
}

void RunBuilder::beginContent(const CharState& ch, Qt::Alignment align) {
    makePendingParagraph();
    if (!runOpen_ || !runCh_.sameLook(ch)) {
        flushRun();
        runCh_ = ch;
        runOpen_ = true;
    }
    lastAlign_ = align;
}

void RunBuilder::appendBytes(QByteArrayView bytes, int codePage, const CharState& ch,
                             Qt::Alignment align) {
    if (bytes.isEmpty())
        return;
    beginContent(ch, align);
    if (codePage != pendingCodePage_)
        decodePending();
    pendingCodePage_ = codePage;
    pending_.append(bytes.data(), static_cast<std::size_t>(bytes.size()));
}

void RunBuilder::appendChar(char32_t c, const CharState& ch, Qt::Alignment align) {
    beginContent(ch, align);
    decodePending();
    if (c > 0xFFFF) {
        run_ += QChar(QChar::highSurrogate(c));
        run_ += QChar(QChar::lowSurrogate(c));
    } else {
        run_ += QChar(static_cast<char16_t>(c));
    }
}

void RunBuilder::decodePending() {
    if (pending_.empty())
        return;
    decoders_.decodeAppend(QByteArrayView(pending_.data(), static_cast<qsizetype>(pending_.size())),
                           pendingCodePage_, run_);
    pending_.clear();
}

void RunBuilder::flushRun() {
    decodePending();
    if (!run_.isEmpty()) {
        sanitize(run_);
        if (!run_.isEmpty()) {
            insertRun(run_, runCh_);
            blockHasText_ = true;
        }
        run_.resize(0); // keeps the buffer for the next run
    }
    runOpen_ = false;
}

void RunBuilder::paragraphEnd(const CharState& ch, Qt::Alignment align) {
    makePendingParagraph();
    flushRun();
    if (!blockHasText_)
        emptyParagraphEnded(ch);
    // The next paragraph is made only when content follows, so the \par that ends the last
    // paragraph adds no empty line. Its alignment waits too: pasted into a paragraph, a
    // last \par that is dropped must not change the alignment there.
    pendingAlign_ = align;
    pendingPar_ = true;
}

void RunBuilder::makePendingParagraph() {
    if (!pendingPar_)
        return;
    pendingPar_ = false;
    insertParagraph(pendingAlign_);
    blockHasText_ = false;
}

void RunBuilder::dropCutOffCharacter() {
    // A lead byte whose trail byte never came is half a character: nothing to show.
    if (pending_.empty() ||
        !isLeadByte(pendingCodePage_, static_cast<unsigned char>(pending_.back())))
        return;
    // Walk the pairs as the decoder does: a lead byte takes the next byte when it can be a
    // trail byte.
    const auto* bytes = reinterpret_cast<const unsigned char*>(pending_.data());
    const std::size_t n = pending_.size();
    std::size_t i = 0;
    while (i + 1 < n)
        i += isLeadByte(pendingCodePage_, bytes[i]) && bytes[i + 1] >= 0x40 ? 2 : 1;
    if (i == n - 1)
        pending_.pop_back();
}

void RunBuilder::finish() {
    dropCutOffCharacter();
    flushRun();
    if (pendingPar_)
        finished(pendingAlign_);
    else if (blockHasText_)
        finished(lastAlign_);
    else
        finished(std::nullopt);
}

} // namespace pukana::rtf
