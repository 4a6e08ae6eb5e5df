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

struct AppState;

class FormF : public QDialog {
    Q_OBJECT
public:
    /// A fresh dialog with an empty text box and a clear check box, both search buttons
    /// disabled, placed 1500 twips right of and 1200 twips below `mainWindow`'s corner.
    /// `findNext` and `findPrev` run the searches on the main window's document.
    FormF(AppState& state, std::function<void()> findNext, std::function<void()> findPrev,
          QWidget* mainWindow);

    /// A search button (index 0 down, 1 up) or 終了 (index 2): the text becomes the shared
    /// search text; 終了 or an empty text closes the dialog; a search button then searches.
    void Btn_Click(int index);

    // Controls, named as designed.
    QLineEdit* T1 = nullptr;
    QList<QPushButton*> Btn; ///< 0 downward, 1 upward, 2 close
    QLabel* L1 = nullptr;
    QCheckBox* C1 = nullptr;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void T1_Change();
    void C1_Click(bool ticked);

    AppState& s_;
    std::function<void()> findNext_;
    std::function<void()> findPrev_;
};

} // namespace pukana
