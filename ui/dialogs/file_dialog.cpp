#include "ui/dialogs/file_dialog.h"

#include "core/formats/file_kinds.h"
#include "platform/platform.h"

namespace pukana {

std::optional<QString> FileDialog::askOpen(Platform& platform, QWidget* parent, int filterIndex) {
    return ask(platform, parent, false, filterIndex);
}

std::optional<QString> FileDialog::askSave(Platform& platform, QWidget* parent, const QString& path,
                                           int filterIndex) {
    fileName_ = path;
    return ask(platform, parent, true, filterIndex);
}

std::optional<QString> FileDialog::ask(Platform& platform, QWidget* parent, bool save,
                                       int filterIndex) {
    FileDialogRequest request;
    request.save = save;
    request.fileName = fileName_;
    request.filter = fileDialogFilter();
    request.filterIndex = filterIndex;
    const std::optional<FileDialogRequest> answer = platform.fileDialog(request, parent);
    if (!answer || answer->fileName.isEmpty())
        return std::nullopt;
    fileName_ = answer->fileName;
    return fileName_;
}

} // namespace pukana
