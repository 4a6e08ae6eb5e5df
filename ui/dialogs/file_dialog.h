// The open and save dialog as the file commands use it: it keeps the chosen file name and
// filter between uses, so the next dialog starts where the last one ended.
#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace pukana {

class Platform;

class FileDialog {
public:
    /// Asks for a file to open, preselecting filter entry `filterIndex` (1-based). The chosen
    /// path, or nullopt when the user cancelled.
    std::optional<QString> askOpen(Platform& platform, QWidget* parent, int filterIndex);
    /// Asks where to save, seeded with `path`. The chosen path, or nullopt on Cancel.
    std::optional<QString> askSave(Platform& platform, QWidget* parent, const QString& path,
                                   int filterIndex);

private:
    std::optional<QString> ask(Platform& platform, QWidget* parent, bool save, int filterIndex);

    QString fileName_;
};

} // namespace pukana
