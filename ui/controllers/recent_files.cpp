// The settings file (keyboard, font of new documents, recent files) and the recent-file
// entries at the end of the file menu.
#include "ui/controllers/document_commands.h"

#include "core/document/document_texts.h"
#include "core/document/settings_file.h"
#include "platform/platform.h"
#include "ui/main_window.h"

#include <QAction>
#include <QMenu>

namespace pukana {

namespace {

/// A menu caption shows '&' as a mnemonic marker; a path must show as it is.
QString menuCaption(QString path) {
    return path.replace(u'&', QStringLiteral("&&"));
}

} // namespace

QString DocumentCommands::settingsPath() const {
    return s_.DataDir.isEmpty() ? QString() : s_.DataDir + kSettingsFileName;
}

QString DocumentCommands::recentFile(int index) const {
    if (index < 1 || index >= w_.m_f.size())
        return QString();
    return w_.m_f[index]->data().toString();
}

void DocumentCommands::addRecentEntry() {
    const int index = static_cast<int>(w_.m_f.size());
    auto* entry = new QAction(w_.m_file);
    entry->setObjectName(QStringLiteral("m_f"));
    w_.m_file->addAction(entry);
    connect(entry, &QAction::triggered, this, [this, index] { m_f_Click(index); });
    w_.m_f << entry;
}

void DocumentCommands::iniread() {
    s_.MruCount = 0;
    p_.setPointer(pointer::Hourglass);
    QString problem;
    const Settings settings = loadSettings(settingsPath(), &problem);
    if (settings.keyboardOn)
        w_.M_KB->setChecked(true);
    if (settings.fontName)
        s_.BaseFontName = *settings.fontName;
    for (const QString& path : settings.recentFiles) {
        ++s_.MruCount;
        if (s_.MruCount >= w_.m_f.size())
            addRecentEntry();
        QAction* entry = w_.m_f[s_.MruCount];
        entry->setText(menuCaption(path));
        entry->setData(path);
        entry->setVisible(true);
    }
    if (s_.MruCount > 0)
        w_.m_f[0]->setVisible(true);
    p_.setPointer(pointer::Default);
    if (!problem.isEmpty())
        p_.msgBox(texts::settingsReadMessage(problem), msg::OkExclamation);
}

void DocumentCommands::iniwrite() {
    p_.setPointer(pointer::Hourglass);
    QStringList recent;
    // All of them: entries the file cannot hold are skipped there, and the next ones written.
    for (int i = 1; i <= s_.MruCount; ++i)
        recent << recentFile(i);
    // A folder that cannot be written keeps the old file; the program goes on without it.
    saveSettings(settingsPath(), serializeSettings(w_.M_KB->isChecked(), s_.BaseFontName, recent));
    p_.setPointer(pointer::Default);
}

void DocumentCommands::mruadd(const QString& path) {
    w_.m_f[0]->setVisible(true);
    QStringList recent;
    for (int i = 1; i <= s_.MruCount; ++i)
        recent << recentFile(i);
    if (addRecentFile(recent, path)) {
        ++s_.MruCount;
        if (s_.MruCount >= w_.m_f.size())
            addRecentEntry();
    }
    for (int i = 1; i <= s_.MruCount; ++i) {
        QAction* entry = w_.m_f[i];
        entry->setText(menuCaption(recent[i - 1]));
        entry->setData(recent[i - 1]);
        entry->setVisible(true);
    }
    iniwrite();
}

} // namespace pukana
