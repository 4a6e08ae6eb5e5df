// The open document: its text and formatting, the path it is saved under, its kind (plain or
// rich text, decided by the path) and whether it holds unsaved changes. Views, the caption
// and the file-name box follow its signals; nothing else keeps a copy of these facts.
#pragma once

#include "core/formats/text_file_format.h"

#include <QObject>
#include <QString>
#include <QStringView>

class QFont;
class QTextDocument;

namespace pukana {

enum class DocumentKind { PlainText, RichText };

/// The kind a document saved under `path` has: rich text for ".rtf" in any letter case.
DocumentKind documentKindFor(QStringView path);

class DocumentSession : public QObject {
    Q_OBJECT
public:
    explicit DocumentSession(QObject* parent = nullptr);
    ~DocumentSession() override;

    /// The document's content; replaced by loading rich text (see documentReplaced).
    QTextDocument* document() const { return document_; }
    /// Takes `fresh` (which must have no other owner) as the document; the old one is
    /// deleted once the views have let go of it. The flag follows the new document.
    void replaceDocument(QTextDocument* fresh);

    const QString& path() const { return path_; }
    DocumentKind kind() const { return documentKindFor(path_); }
    /// Names the document: the next save goes to `path`. Never marks it modified. The name
    /// counts as not chosen by the user until markPathChosen() or a load or save.
    void setPath(const QString& path);
    /// The path was opened or saved by the user, so a save may replace the file there without
    /// asking; a name the editor made or the user typed may be someone else's file.
    bool isPathChosen() const { return pathChosen_; }
    void markPathChosen() { pathChosen_ = true; }

    bool isModified() const;
    void setModified(bool modified);

    /// Encoding and line ends a plain-text save writes: those of the text file opened, or
    /// the default of new documents.
    const TextFileFormat& textFileFormat() const { return textFileFormat_; }
    void setTextFileFormat(const TextFileFormat& format) { textFileFormat_ = format; }

    /// The text as a plain-text file holds it: paragraph ends (and the markers around
    /// tables) become "\n", line breaks inside a paragraph stay U+2028.
    QString plainTextForFile() const;

    /// Reads the rich-text file `path` into a fresh document with `baseFont` as its default
    /// font, and adopts path and an unmodified state. Throws PukanaError on a missing,
    /// unreadable or invalid file; the document then stays as it was.
    void loadRichText(const QString& path, const QFont& baseFont);
    /// As loadRichText, from the file's `bytes` already read.
    void loadRichText(const QString& path, const QByteArray& bytes, const QFont& baseFont);
    /// Writes the document as rich text to `path` (through a temporary file: a failure keeps
    /// the old file), then adopts the path and clears the flag. Throws PukanaError; a failed
    /// save keeps path and flag.
    void saveRichText(const QString& path);
    /// Writes already encoded plain text `bytes` to `path`, as saveRichText does.
    void savePlainText(const QString& path, const QByteArray& bytes);

Q_SIGNALS:
    void pathChanged(const QString& path);
    void kindChanged(pukana::DocumentKind kind);
    void modifiedChanged(bool modified);
    void documentReplaced(QTextDocument* document);

private:
    void adoptSaved(const QString& path);
    void watch(QTextDocument* document);

    QTextDocument* document_ = nullptr;
    QString path_;
    bool modified_ = false;
    bool pathChosen_ = false;
    TextFileFormat textFileFormat_;
};

} // namespace pukana
