// libFuzzer target over the RTF reader: any bytes must read without a crash, hang or
// sanitizer report, what was read must survive the writer unchanged in its text, and the
// text-only reading must give the same text.
#include "core/error.h"
#include "core/formats/rtf_reader.h"
#include "core/formats/rtf_writer.h"

#include <QCoreApplication>
#include <QTextCursor>
#include <QTextDocument>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // Fonts and text documents want an application object; no windows are needed.
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView source(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QTextDocument doc;
    try {
        pukana::rtf::read(source, doc);
    } catch (const pukana::PukanaError&) {
        return 0; // not RTF: the one expected failure
    }

    // The text-only path (pukana-rtf totext) gives the document's text exactly.
    if (pukana::rtf::readText(source) != doc.toRawText())
        std::abort();

    QTextDocument again;
    pukana::rtf::read(pukana::rtf::write(doc), again);
    if (again.toRawText() != doc.toRawText())
        std::abort(); // the writer lost or changed text the reader produced

    // Pasting into the middle of text goes through the same reader.
    QTextDocument target;
    target.setPlainText(QStringLiteral("ab\ncd"));
    QTextCursor cursor(&target);
    cursor.setPosition(1);
    cursor.setPosition(4, QTextCursor::KeepAnchor);
    pukana::rtf::insert(source, cursor);
    return 0;
}
