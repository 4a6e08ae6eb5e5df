#include "ui/controllers/file_controller.h"

#include "core/document/document_session.h"
#include "core/document/document_texts.h"
#include "core/document/path_naming.h"
#include "core/document/recent_files.h"
#include "core/formats/file_kinds.h"
#include "platform/platform.h"
#include "ui/controllers/settings_controller.h"
#include "ui/controllers/wrap_controller.h"
#include "ui/editor_state.h"
#include "ui/widgets/rich_text_box.h"

#include <QAction>
#include <QDir>

namespace pukana {

FileController::FileController(DocumentSession& document, RichTextBox& documentView,
                               const EditorSettings& settings, RecentFiles& recentFiles,
                               Platform& platform, const Collaborators& collaborators,
                               const Actions& actions, QObject* parent)
    : QObject(parent), document_(document), documentView_(documentView), settings_(settings),
      recentFiles_(recentFiles), platform_(platform), settingsFile_(collaborators.settingsFile),
      wrap_(collaborators.wrap), dialogParent_(collaborators.dialogParent) {
    setObjectName(QStringLiteral("fileController"));
    connect(&actions.newDocument, &QAction::triggered, this, [this] {
        if (confirmDiscard())
            newDocument();
    });
    connect(&actions.open, &QAction::triggered, this, &FileController::openWithDialog);
    connect(&actions.save, &QAction::triggered, this, &FileController::saveInPlace);
    connect(&actions.saveAs, &QAction::triggered, this, &FileController::saveAs);
}

void FileController::newDocument() {
    // Clearing the rich text drops the content and all formatting at once.
    documentView_.setRichText(QByteArray());
    // A folder that exists, so the first save lands somewhere.
    const QString folder =
        newDocumentFolder(platform_.desktopDir(), platform_.homeDir(), platform_.documentsDir());
    document_.setPath(newDocumentPathIn(QDir::toNativeSeparators(folder)));
    document_.setTextFileFormat(TextFileFormat{});
    QFont base = documentView_.baseFont();
    base.setFamily(settings_.baseFontName);
    base.setBold(false);
    base.setItalic(false);
    base.setUnderline(false);
    documentView_.setBaseFont(base);
    documentView_.setSelectionFontName(settings_.baseFontName);
    documentView_.setSelectionFontSize(12);
    documentView_.setSelectionColour(0);
    documentView_.clearUndoHistory();
    document_.setModified(false);
    lossyPath_.clear();
    lossyBytes_ = 0;
    wrap_.setWrapAtWindowEdge(false);
}

bool FileController::confirmDiscard() {
    if (document_.isModified()) {
        const MessageResult answer =
            platform_.msgBox(texts::kSaveQuestion.toString(), MessageStyle::YesNoCancelExclamation);
        if (answer == MessageResult::Cancel)
            return false;
        if (answer == MessageResult::Yes)
            saveAs();
        else if (answer == MessageResult::No)
            document_.setModified(false);
    }
    return !document_.isModified();
}

void FileController::rememberRecent(const QString& path) {
    recentFiles_.add(path);
    settingsFile_.save();
}

int FileController::filterIndex() const {
    return filterIndexFor(splitDocumentPath(document_.path()).fileExt);
}

void FileController::openWithDialog() {
    if (!confirmDiscard())
        return;
    const std::optional<QString> chosen =
        fileDialog_.askOpen(platform_, &dialogParent_, filterIndex());
    if (chosen) // Cancel ends the command without a word
        open(*chosen);
}

void FileController::openRecent(const QString& path) {
    if (confirmDiscard())
        open(path);
}

} // namespace pukana
