#include "ui/controllers/recent_files_menu.h"

#include "core/document/recent_files.h"

#include <QAction>
#include <QMenu>

namespace pukana {

namespace {

/// A menu caption shows '&' as a mnemonic marker; a path must show as it is.
QString menuCaption(QString path) {
    return path.replace(u'&', QStringLiteral("&&"));
}

} // namespace

RecentFilesMenu::RecentFilesMenu(RecentFiles& recentFiles, QMenu& fileMenu, QAction& separator,
                                 std::function<void(const QString&)> open, QObject* parent)
    : QObject(parent), recentFiles_(recentFiles), fileMenu_(fileMenu), separator_(separator),
      open_(std::move(open)) {
    setObjectName(QStringLiteral("recentFilesMenu"));
    connect(&recentFiles_, &QAbstractItemModel::modelReset, this, &RecentFilesMenu::rebuild);
    connect(&recentFiles_, &QAbstractItemModel::dataChanged, this, &RecentFilesMenu::rebuild);
    rebuild();
}

void RecentFilesMenu::rebuild() {
    // Entries are kept and reused: the list only grows while the program runs.
    while (entries_.size() < recentFiles_.count()) {
        auto* entry = new QAction(&fileMenu_);
        entry->setObjectName(QStringLiteral("m_f"));
        fileMenu_.addAction(entry);
        const qsizetype row = entries_.size();
        // The entry's path is taken when clicked, before a save question can move the list.
        connect(entry, &QAction::triggered, this,
                [this, row] { open_(recentFiles_.path(int(row))); });
        entries_ << entry;
    }
    for (qsizetype row = 0; row < entries_.size(); ++row) {
        const bool used = row < recentFiles_.count();
        entries_[row]->setText(used ? menuCaption(recentFiles_.path(int(row))) : QString());
        entries_[row]->setVisible(used);
    }
    if (recentFiles_.count() > 0)
        separator_.setVisible(true);
}

} // namespace pukana
