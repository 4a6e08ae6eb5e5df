// Opening a file into the document: rich text, plain text, and word-processor documents
// handed to the system's word processor.
#include "ui/controllers/document_commands.h"

#include "core/document/document_texts.h"
#include "core/error.h"
#include "core/formats/file_kinds.h"
#include "core/formats/plain_text.h"
#include "core/formats/text_file.h"
#include "platform/platform.h"
#include "ui/main_window.h"
#include "ui/widgets/rich_text_box.h"

#include <QAction>

namespace pukana {

void DocumentCommands::docopen(const QString& path) {
    newdoc();
    try {
        const OpenKind kind = openKindFor(path);
        if (kind == OpenKind::RichText) {
            {
                BusyPointer busy(p_);
                QFont base = w_.T1->BaseFont();
                base.setFamily(s_.BaseFontName);
                w_.T1->SetBaseFont(base);
                w_.T1->LoadFile(path, 0);
            }
            mruadd(path);
            nameset(path);
            s_.Modified = false;
            w_.M_Wrap->setChecked(false);
            wrapset();
            return;
        }
        // Missing and unreadable files fail here, before anything else is decided.
        const QByteArray bytes = readWholeFile(path);
        if (kind == OpenKind::WordCandidate) {
            const WordDocument word =
                detectWordDocument(QByteArrayView(bytes).first(qMin<qsizetype>(2, bytes.size())));
            if (word != WordDocument::None) {
                offerToWordProcessor(path, word == WordDocument::Legacy);
                return;
            }
        }
        openPlainText(path, bytes);
    } catch (const PukanaError& e) {
        p_.msgBox(texts::openErrorMessage(e.description(), path), msg::OkExclamation);
        p_.setPointer(pointer::Default);
    }
}

void DocumentCommands::openPlainText(const QString& path, const QByteArray& bytes) {
    {
        BusyPointer busy(p_);
        const TextFileFormat format = detectTextFileFormat(bytes);
        w_.T1->SetText(decodePlainText(bytes, format));
        s_.TextFormat = format;
    }
    mruadd(path);
    w_.M_Wrap->setChecked(true);
    wrapset();
    nameset(path);
    s_.Modified = false;
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
    // The path is one argument of its own: blanks, quotes or semicolons run nothing else.
    p_.startProgram(wordProcessor(), {path});
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
