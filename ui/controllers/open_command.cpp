// Opening a file into the document: rich text, plain text, and word-processor documents
// handed to the system's word processor.
#include "ui/controllers/document_commands.h"

#include "core/document/document_texts.h"
#include "core/document/path_naming.h"
#include "core/error.h"
#include "core/formats/file_kinds.h"
#include "core/formats/plain_text.h"
#include "core/formats/text_file.h"
#include "platform/platform.h"
#include "ui/main_window.h"
#include "ui/widgets/rich_text_box.h"

#include <QAction>
#include <QFileInfo>

#include <new>

namespace pukana {

void DocumentCommands::docopen(const QString& path) {
    try {
        const OpenKind kind = openKindFor(path);
        // Read first: a file that cannot be read or shown leaves the document as it was.
        const QByteArray bytes = readWholeFile(path);
        if (kind == OpenKind::RichText) {
            newdoc();
            {
                BusyPointer busy(p_);
                QFont base = w_.T1->BaseFont();
                base.setFamily(s_.BaseFontName);
                w_.T1->SetBaseFont(base);
                w_.T1->LoadRtf(bytes);
            }
            w_.M_Wrap->setChecked(false);
            finishOpen(path);
            return;
        }
        if (kind == OpenKind::WordCandidate) {
            const WordDocument word =
                detectWordDocument(QByteArrayView(bytes).first(qMin<qsizetype>(2, bytes.size())));
            if (word != WordDocument::None) {
                newdoc();
                offerToWordProcessor(path, word == WordDocument::Legacy);
                return;
            }
        }
        const PlainTextCheck check = checkPlainText(bytes);
        if (check.kind == PlainTextKind::NotText) {
            // Shown as text and saved, a picture or a word-processor file would be destroyed.
            p_.msgBox(texts::notTextMessage(path), msg::OkExclamation);
            return;
        }
        newdoc();
        openPlainText(path, bytes, check);
    } catch (const PukanaError& e) {
        p_.msgBox(texts::openErrorMessage(e.description(), path), msg::OkExclamation);
        p_.setPointer(pointer::Default);
    } catch (const std::bad_alloc&) {
        p_.msgBox(texts::openErrorMessage(errorDescription(err::OutOfMemory), path),
                  msg::OkExclamation);
        p_.setPointer(pointer::Default);
    }
}

void DocumentCommands::openPlainText(const QString& path, const QByteArray& bytes,
                                     const PlainTextCheck& check) {
    {
        BusyPointer busy(p_);
        w_.T1->SetText(decodePlainText(bytes));
    }
    w_.M_Wrap->setChecked(true);
    finishOpen(path);
    if (check.undecodableBytes > 0) {
        s_.LossyPath = path;
        s_.LossyBytes = check.undecodableBytes;
    }
}

void DocumentCommands::finishOpen(const QString& path) {
    mruadd(path);
    wrapset();
    nameset(path);
    s_.Modified = false;
    s_.PathConfirmed = true;
    s_.LossyPath.clear();
    s_.LossyBytes = 0;
    w_.T1->ClearUndo();
}

void DocumentCommands::restoreUnsaved(const QString& path, bool rich, const QByteArray& content) {
    newdoc();
    bool shownRich = false;
    if (rich) {
        try {
            w_.T1->LoadRtf(content);
            shownRich = true;
        } catch (const PukanaError&) {
            // A damaged copy still shows its text.
        }
    }
    if (!shownRich)
        w_.T1->SetText(rich ? QString::fromLatin1(content) : QString::fromUtf8(content));
    w_.T1->ClearUndo();
    w_.M_Wrap->setChecked(!isRichTextPath(path));
    wrapset();
    nameset(path);
    s_.Modified = true;
    s_.PathConfirmed = false; // the file may have changed since: ask before replacing it
}

QString DocumentCommands::wordProcessor() const {
#ifdef Q_OS_WIN
    return wordProcessorProgram();
#else
    const QString writer = QStringLiteral("lowriter");
    return p_.programExists(writer) ? writer : QStringLiteral("xdg-open");
#endif
}

void DocumentCommands::offerToWordProcessor(const QString& path, bool legacy) {
    if (p_.msgBox(texts::kWordQuestion.toString(), msg::YesNoQuestion) != msg::ResultYes)
        return;
    if (legacy) {
        p_.msgBox(texts::kLegacyWordRefusal.toString(), msg::OkExclamation);
        return;
    }
    // The path is one argument of its own: blanks, quotes or semicolons run nothing else,
    // and as an absolute path a name starting with "-" is never taken for an option.
    p_.startProgram(wordProcessor(), {QFileInfo(path).absoluteFilePath()});
    mruadd(path);
}

void DocumentCommands::prepareFileDialog() {
    CMDialog1.CancelError = true;
    CMDialog1.Filter = fileDialogFilter();
    CMDialog1.FilterIndex = filterIndexFor(s_.FileExt);
    CMDialog1.Flags = 4;
}

void DocumentCommands::M_Open_Click() {
    if (!saveQuestion())
        return;
    try {
        prepareFileDialog();
        CMDialog1.ShowOpen(p_, &w_);
    } catch (const PukanaError&) {
        return; // Cancel ends the command without a word
    }
    docopen(CMDialog1.FileName);
}

void DocumentCommands::m_f_Click(int index) {
    // The entry clicked, taken before a Save As of the question can move the entries.
    const QString path = recentFile(index);
    if (!saveQuestion())
        return;
    docopen(path);
}

} // namespace pukana
