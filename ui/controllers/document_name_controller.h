// The file-name box shows the document's name without folder and extension; typing into it
// renames the document (the next save writes to the new path) and counts as a change.
#pragma once

#include <QObject>

namespace pukana {

class DocumentSession;
class FileNameBox;

class DocumentNameController : public QObject {
    Q_OBJECT
public:
    DocumentNameController(DocumentSession& document, FileNameBox& fileNameBox,
                           QObject* parent = nullptr);

private:
    void showName(const QString& path);
    void renameFromBox(QString text);

    DocumentSession& document_;
    FileNameBox& fileNameBox_;
};

} // namespace pukana
