// The font dialog: face, style, size, strikethrough, underline and colour of the selection in
// one modal dialog, with a sample drawn in the chosen settings.
#pragma once

#include "platform/platform.h"

#include <QColor>
#include <QDialog>
#include <QList>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;

namespace pukana {

/// One of the sixteen basic colours with its Japanese name.
struct NamedColour {
    QString name;
    QColor colour;
};
const QList<NamedColour>& basicColours();

/// The style names in list order: regular, italic, bold, bold italic.
const QStringList& styleNames();

class FontDialog : public QDialog {
    Q_OBJECT
public:
    /// Shows `seed`; an attribute without a value (mixed in the selection) is shown empty.
    explicit FontDialog(const FontChoice& seed, QWidget* parent = nullptr);

    /// The seed with every attribute the user set replaced. An attribute the seed left
    /// empty stays empty unless the user set it.
    FontChoice choice() const { return choice_; }

    /// The faces offered: the installed ones, the names the editor substitutes, and `seed`'s
    /// own face under its own name, sorted.
    static QStringList faceNames(const std::optional<QString>& seedFace);

private:
    void buildLists();
    void showSeed();
    void faceChosen();
    void styleChosen();
    void sizeListChosen();
    void sizeTyped(const QString& text);
    void colourChosen(int index);
    void updateSample();

    FontChoice choice_;
    QListWidget* faceList_ = nullptr;
    QListWidget* styleList_ = nullptr;
    QListWidget* sizeList_ = nullptr;
    QLineEdit* sizeBox_ = nullptr;
    QCheckBox* strikeBox_ = nullptr;
    QCheckBox* underlineBox_ = nullptr;
    QComboBox* colourList_ = nullptr;
    QLabel* sample_ = nullptr;
    QPushButton* okButton_ = nullptr;
    bool seeding_ = false;
};

/// Runs the dialog modally: the user's choice, or nullopt on Cancel.
std::optional<FontChoice> runFontDialog(const FontChoice& seed, QWidget* parent);

} // namespace pukana
