// The settings file pukana.INI: keyboard on/off, the font of new documents and the recent
// files. Code page 932, CR LF, read as comma/quote fields.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace pukana {

inline constexpr QStringView kSettingsFileName = u"pukana.INI";
inline constexpr QStringView kScratchFileName = u"pukana.$$$";

/// At most this many recent files are read from and written to the settings file. The list in
/// the running program has no limit.
inline constexpr int kStoredRecentFiles = 15;

struct Settings {
    bool keyboardOn = false;         ///< an "[KB]on" field was present (it only ever turns it on)
    std::optional<QString> fontName; ///< the last non-empty "[font]" field, if any
    QStringList recentFiles;         ///< most recent first, at most kStoredRecentFiles
};

/// Reads the settings file's bytes by its field rules: a field exactly "[KB]on" turns the
/// keyboard on; a field starting with "[font]" names the font (the last one wins); every field
/// not starting with "[" is a recent file, up to the first kStoredRecentFiles. Fields that can
/// be no path (empty, holding control characters, longer than 32767 characters) and an empty
/// font name are ignored. Garbage gives the defaults or odd entries, never a failure.
Settings parseSettings(const QByteArray& bytes);

/// The settings file's bytes: "[KB]on" when the keyboard is on, "[font]" + `fontName`, then
/// the first kStoredRecentFiles recent files, each in double quotes. Paths that cannot be read back
/// whole (holding '"', CR or LF, or a character code page 932 cannot hold) are left out.
/// Code page 932, CR LF.
QByteArray serializeSettings(bool keyboardOn, const QString& fontName,
                             const QStringList& recentFiles);

/// Puts `path` at the top of the recent files. An entry equal to it without regard to case
/// moves to the top and takes its spelling; otherwise the path is added at the top. Returns
/// true when an entry was added, false when one moved.
bool addRecentFile(QStringList& recentFiles, const QString& path);

/// The largest settings file read; anything larger is not ours.
inline constexpr qint64 kLargestSettingsFile = 8 << 20;

/// Reads the settings file at `path`; a missing file is created empty. Anything that cannot
/// be read gives the defaults. A file that is there but cannot be read (a folder, a device,
/// too large, not allowed) sets `problem` to a description naming it. Never throws.
Settings loadSettings(const QString& path, QString* problem = nullptr);

/// Writes the settings file safely (the old file survives a failure). Returns false when it
/// could not be written. Never throws.
bool saveSettings(const QString& path, const QByteArray& bytes);

/// The folder for the files the program writes (settings, user dictionary, scratch file),
/// ending in one separator: `appDir` when a file can be created there, else `fallbackDir`
/// (created when missing), else an empty string (go on with defaults and write nothing).
QString writableDataDir(const QString& appDir, const QString& fallbackDir);

} // namespace pukana
