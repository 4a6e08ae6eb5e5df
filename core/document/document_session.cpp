#include "core/document/document_session.h"

#include "core/document/path_naming.h"
#include "core/formats/rtf_reader.h"
#include "core/formats/rtf_writer.h"
#include "core/formats/text_file.h"

#include <QTextDocument>
#include <memory>

namespace pukana {

DocumentKind documentKindFor(QStringView path) {
    return isRichTextPath(path) ? DocumentKind::RichText : DocumentKind::PlainText;
}

DocumentSession::DocumentSession(QObject* parent)
    : QObject(parent), document_(new QTextDocument(this)) {
    watch(document_);
}

DocumentSession::~DocumentSession() = default;

void DocumentSession::watch(QTextDocument* document) {
    connect(document, &QTextDocument::modificationChanged, this, [this, document](bool changed) {
        if (document != document_ || changed == modified_)
            return;
        modified_ = changed;
        Q_EMIT modifiedChanged(changed);
    });
}

void DocumentSession::replaceDocument(QTextDocument* fresh) {
    if (!fresh || fresh == document_)
        return;
    QTextDocument* old = document_;
    fresh->setParent(this);
    document_ = fresh;
    watch(fresh);
    Q_EMIT documentReplaced(fresh);
    // Views may still paint the old document until they have taken the new one.
    old->disconnect(this);
    old->deleteLater();
    setModified(fresh->isModified());
}

void DocumentSession::setPath(const QString& path) {
    pathChosen_ = false;
    if (path == path_)
        return;
    const DocumentKind before = kind();
    path_ = path;
    Q_EMIT pathChanged(path_);
    if (kind() != before)
        Q_EMIT kindChanged(kind());
}

bool DocumentSession::isModified() const {
    return modified_;
}

void DocumentSession::setModified(bool modified) {
    // The document's own flag only changes with an edit or by this call; keep both in step.
    if (document_->isModified() != modified)
        document_->setModified(modified);
    if (modified_ != modified) {
        modified_ = modified;
        Q_EMIT modifiedChanged(modified);
    }
}

QString DocumentSession::plainTextForFile() const {
    QString raw = document_->toRawText();
    for (QChar& c : raw) {
        const char16_t u = c.unicode();
        // Paragraph ends and the markers around frames (tables) end lines in a file.
        if (u == QChar::ParagraphSeparator || u == 0xFDD0 || u == 0xFDD1)
            c = u'\n';
    }
    return raw;
}

void DocumentSession::loadRichText(const QString& path, const QFont& baseFont) {
    loadRichText(path, readWholeFile(path), baseFont);
}

void DocumentSession::loadRichText(const QString& path, const QByteArray& bytes,
                                   const QFont& baseFont) {
    // Reading into a fresh document and swapping it in is many times faster than editing
    // the shown one, which re-lays out as it grows.
    auto fresh = std::make_unique<QTextDocument>();
    fresh->setDefaultFont(baseFont);
    rtf::read(bytes, *fresh);
    replaceDocument(fresh.release());
    setPath(path);
    markPathChosen();
    setModified(false);
}

void DocumentSession::saveRichText(const QString& path) {
    writeFileSafely(path, rtf::write(*document_));
    adoptSaved(path);
}

void DocumentSession::savePlainText(const QString& path, const QByteArray& bytes) {
    writeFileSafely(path, bytes);
    adoptSaved(path);
}

void DocumentSession::adoptSaved(const QString& path) {
    setPath(path);
    markPathChosen();
    setModified(false);
}

} // namespace pukana
