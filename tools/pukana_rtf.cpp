// pukana-rtf: the editor's Rich Text Format reader and writer on the command line, to look
// into a troublesome file without the window.
//
//   pukana-rtf dump FILE.rtf            one JSON object per paragraph
//   pukana-rtf totext FILE.rtf OUT.txt  plain text as the editor saves it (code page 932)
//   pukana-rtf fromtext FILE.txt OUT.rtf  a text file (UTF-8 or code page 932) as RTF
//   pukana-rtf roundtrip FILE.rtf OUT.rtf read and write again
#include "core/error.h"
#include "core/formats/plain_text.h"
#include "core/formats/rtf_reader.h"
#include "core/formats/rtf_writer.h"
#include "core/formats/text_file.h"
#include "tools/rtf_dump.h"

#include <QCoreApplication>
#include <QTextCursor>
#include <QTextDocument>
#include <cstdio>

using namespace pukana;

namespace {

// The editor's base font, which plain-text documents are shown in.
const QString kBaseFont = QStringLiteral("ＭＳ ゴシック");

void printError(const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stderr);
    std::fputc('\n', stderr);
}

int usage() {
    printError(QStringLiteral("usage: pukana-rtf dump FILE.rtf\n"
                              "       pukana-rtf totext FILE.rtf OUT.txt\n"
                              "       pukana-rtf fromtext FILE.txt OUT.rtf\n"
                              "       pukana-rtf roundtrip FILE.rtf OUT.rtf"));
    return 2;
}

// Plain text as the editor saves a new document: code page 932, each line break (paragraph
// or \line) CR LF. The reader gives the text without building a document.
QByteArray plainText(const QByteArray& rtf) {
    return encodePlainText(rtf::readText(rtf)).bytes;
}

// A text file as the open command reads it: UTF-8 or code page 932, CR LF or LF line ends
// (see plain_text.h).
void readPlainText(const QByteArray& bytes, QTextDocument& doc) {
    QTextCharFormat format;
    format.setFontFamilies(QStringList{kBaseFont});
    format.setFontPointSize(12);
    QTextCursor cursor(&doc);
    cursor.setBlockCharFormat(format);
    cursor.insertText(decodePlainText(bytes, detectTextFileFormat(bytes)), format);
}

// The document is left to the end of the process: one of a million runs takes longer to free
// fragment by fragment than to dump, and the system takes the memory back at once.
QTextDocument& keptDocument() {
    static QTextDocument* const doc = new QTextDocument;
    return *doc;
}

int run(const QStringList& args) {
    if (args.size() < 2)
        return usage();
    const QString& command = args[0];
    QTextDocument& doc = keptDocument();
    doc.setDefaultFont(QFont(kBaseFont, 12));
    if (command == u"dump" && args.size() == 2) {
        rtf::read(readWholeFile(args[1]), doc);
        dumpDocument(doc, stdout);
        return 0;
    }
    if (args.size() != 3)
        return usage();
    if (command == u"totext") {
        writeFileSafely(args[2], plainText(readWholeFile(args[1])));
        return 0;
    }
    if (command == u"fromtext") {
        readPlainText(readWholeFile(args[1]), doc);
        writeFileSafely(args[2], rtf::write(doc));
        return 0;
    }
    if (command == u"roundtrip") {
        rtf::read(readWholeFile(args[1]), doc);
        writeFileSafely(args[2], rtf::write(doc));
        return 0;
    }
    return usage();
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    try {
        return run(app.arguments().mid(1));
    } catch (const PukanaError& e) {
        printError(QStringLiteral("pukana-rtf: ") + e.description());
    } catch (const std::exception& e) {
        printError(QStringLiteral("pukana-rtf: ") + QString::fromLocal8Bit(e.what()));
    }
    return 1;
}
