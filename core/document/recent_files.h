// The recent-files list, most recent first, as a list model the file menu is built from.
#pragma once

#include <QAbstractListModel>
#include <QStringList>

namespace pukana {

class RecentFiles : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    /// Qt::DisplayRole and Qt::EditRole give the path.
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    const QStringList& paths() const { return paths_; }
    int count() const { return int(paths_.size()); }
    /// The path of entry `row` (0 = most recent), or "" outside the list.
    QString path(int row) const { return paths_.value(row); }
    /// Replaces the whole list.
    void setPaths(const QStringList& paths);
    /// Puts `path` at the top; an entry equal to it without regard to case moves there and
    /// takes its spelling.
    void add(const QString& path);

private:
    QStringList paths_;
};

} // namespace pukana
