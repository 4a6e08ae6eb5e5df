#include "ui/controllers/document_name_controller.h"

#include "core/document/document_session.h"
#include "core/document/path_naming.h"
#include "ui/widgets/file_name_box.h"

namespace pukana {

DocumentNameController::DocumentNameController(DocumentSession& document, FileNameBox& fileNameBox,
                                               QObject* parent)
    : QObject(parent), document_(document), fileNameBox_(fileNameBox) {
    setObjectName(QStringLiteral("documentNameController"));
    connect(&document_, &DocumentSession::pathChanged, this, &DocumentNameController::showName);
    // Only the user's edits rename: showing a name from code is no edit.
    connect(&fileNameBox_, &QLineEdit::textEdited, this, &DocumentNameController::renameFromBox);
    showName(document_.path());
}

void DocumentNameController::showName(const QString& path) {
    const QString name = splitDocumentPath(path).baseName;
    // Setting the same text would move the caret of a user typing in the box to its end.
    if (fileNameBox_.text() != name)
        fileNameBox_.setText(name);
}

void DocumentNameController::renameFromBox(QString text) {
    if (text.isEmpty()) {
        text = kNewDocumentName.toString();
        fileNameBox_.setText(text);
    } else if (pathSeparators().contains(text.back())) {
        // A folder typed without a name yet: the name starts as a new document's.
        text += kNewDocumentName;
    }
    const PathParts parts = splitDocumentPath(document_.path());
    document_.setPath(pukana::renameFromBox(parts.fileDir, text, parts.fileExt).path);
    // The box shows the name part of the new path, also when the path stayed the same.
    showName(document_.path());
    document_.setModified(true);
}

} // namespace pukana
