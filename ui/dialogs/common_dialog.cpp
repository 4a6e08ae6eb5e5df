#include "ui/dialogs/common_dialog.h"

#include "core/error.h"
#include "platform/platform.h"

namespace pukana {

bool CommonDialog::ShowOpen(Platform& platform, QWidget* parent) {
    return show(platform, parent, false);
}

bool CommonDialog::ShowSave(Platform& platform, QWidget* parent) {
    return show(platform, parent, true);
}

bool CommonDialog::show(Platform& platform, QWidget* parent, bool save) {
    FileDialogRequest request;
    request.save = save;
    request.fileName = FileName;
    request.filter = Filter;
    request.filterIndex = FilterIndex;
    request.flags = Flags;
    const std::optional<FileDialogRequest> answer = platform.fileDialog(request, parent);
    if (!answer || answer->fileName.isEmpty()) {
        if (CancelError)
            raiseError(err::Cancel);
        return false;
    }
    FileName = answer->fileName;
    if (answer->filterIndex >= 1)
        FilterIndex = answer->filterIndex;
    return true;
}

} // namespace pukana
