// The find dialog: the search text and the case option, and buttons that search the main
// window's document downward or upward while the dialog stays open.
#pragma once

#include <QDialog>
#include <QList>
#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace pukana {

struct SearchState;

class FindDialog : public QDialog {
    Q_OBJECT
public:
    /// A fresh dialog with an empty text box and a clear check box, both search buttons
    /// disabled, placed 1500 twips right of and 1200 twips below `mainWindow`'s corner.
    /// `findNext` and `findPrev` run the searches on the main window's document.
    FindDialog(SearchState& search, std::function<void()> findNext, std::function<void()> findPrev,
               QWidget* mainWindow);

    enum Button { FindDown, FindUp, Close };
    /// A search button or 終了: the text becomes the shared search text; 終了 or an empty
    /// text closes the dialog; a search button then searches.
    void press(Button button);

    QLineEdit* textBox = nullptr;
    QList<QPushButton*> buttons; ///< indexed by Button
    QLabel* label = nullptr;
    QCheckBox* matchCaseBox = nullptr;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void enableSearchButtons();

    SearchState& search_;
    std::function<void()> findNext_;
    std::function<void()> findPrev_;
};

} // namespace pukana
