#include "core/document/recent_files.h"

#include "core/document/settings_file.h"

namespace pukana {

int RecentFiles::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : count();
}

QVariant RecentFiles::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= count() ||
        (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return paths_[index.row()];
}

void RecentFiles::setPaths(const QStringList& paths) {
    beginResetModel();
    paths_ = paths;
    endResetModel();
}

void RecentFiles::add(const QString& path) {
    QStringList next = paths_;
    addRecentFile(next, path);
    setPaths(next);
}

} // namespace pukana
