#include "platform/file_dialog_script.h"

#include <QFile>

namespace pukana {

FileDialogScript::FileDialogScript(Platform& inner, QString scriptPath)
    : inner_(inner), scriptPath_(std::move(scriptPath)) {}

std::optional<FileDialogRequest> FileDialogScript::fileDialog(const FileDialogRequest& request,
                                                              QWidget*) {
    QFile file(scriptPath_);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    file.close();
    const QString answer = lines.isEmpty() ? QString() : lines.takeFirst().trimmed();
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(lines.join(QLatin1Char('\n')).toUtf8());
    if (answer.isEmpty())
        return std::nullopt;
    FileDialogRequest chosen = request;
    chosen.fileName = answer;
    return chosen;
}

} // namespace pukana
