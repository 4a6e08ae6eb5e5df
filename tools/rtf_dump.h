// `pukana-rtf dump`: a document as JSON, one object per paragraph, written as it is read out
// of the document so that a paragraph of a million runs needs no tree of JSON values.
#pragma once

#include <QByteArray>
#include <cstdio>

class QTextDocument;

namespace pukana {

/// Writes each paragraph of `doc` as one line
/// {"align":"left|center|right|justify","runs":[{"bold":…,"color":"#rrggbb","font":…,
/// "italic":…,"size":…,"strikethrough":…,"text":…,"underline":…},…]}
/// in the compact form of QJsonDocument (keys sorted, UTF-8). Runs are the document's
/// fragments; what a format leaves unset is the document's default font and black.
void dumpDocument(const QTextDocument& doc, std::FILE* out);

/// The same into a byte array.
QByteArray dumpDocument(const QTextDocument& doc);

} // namespace pukana
