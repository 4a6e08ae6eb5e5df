// The open and save dialog as the document commands use it: one object that keeps the
// chosen file name and filter between uses, so the next dialog starts where the last ended.
#pragma once

#include <QString>

class QWidget;

namespace pukana {

class Platform;

class CommonDialog {
public:
    bool CancelError = false; ///< Cancel raises PukanaError err::Cancel instead of returning
    int Flags = 0;
    QString FileName;    ///< seeds the dialog; the chosen path afterwards
    QString Filter;      ///< "description|patterns|description|patterns..."
    int FilterIndex = 1; ///< 1-based; the chosen entry afterwards

    /// Shows the open dialog. True when a file was chosen (FileName and FilterIndex then
    /// hold the choice); on Cancel false, or PukanaError err::Cancel when CancelError is set.
    bool ShowOpen(Platform& platform, QWidget* parent);
    /// The same for the save dialog.
    bool ShowSave(Platform& platform, QWidget* parent);

private:
    bool show(Platform& platform, QWidget* parent, bool save);
};

} // namespace pukana
