// The main window: holds every control and menu of the editor under its design name, and
// the subsystems' command objects that handle their events.
#pragma once

#include "ui/app_state.h"

#include <QList>
#include <QMainWindow>
#include <memory>

class QAction;
class QFrame;
class QListWidget;
class QMenu;
class QPushButton;

namespace pukana {

class AboutCommands;
class ConversionCommands;
class DocumentCommands;
class EditCommands;
class FileNameBox;
class FormatCommands;
class KeyboardCommands;
class RecoveryCommands;
class Platform;
class RichTextBox;
class SearchCommands;
class ShellCommands;

/// A clickable picture of the toolbar (the alignment images).
class ImageButton;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(AppState& state, Platform& platform);
    ~MainWindow() override;

    AppState& state() { return state_; }
    Platform& platform() { return platform_; }

    /// Arranges document, toolbar, keyboard panel and marker for the current size and view.
    void layout();
    /// The inner area (the window without its menu bar).
    QWidget* client() const { return client_; }

    // Controls, named as designed.
    QWidget* P1 = nullptr;     ///< toolbar panel
    FileNameBox* T2 = nullptr; ///< file-name box
    ImageButton* I_lft = nullptr;
    ImageButton* I_cnt = nullptr;
    ImageButton* I_rt = nullptr;
    QFrame* Line1 = nullptr;      ///< indicator line
    RichTextBox* T1 = nullptr;    ///< the document
    QFrame* P3 = nullptr;         ///< page-edge marker
    QListWidget* List1 = nullptr; ///< conversion candidates
    QWidget* P2 = nullptr;        ///< keyboard panel
    QFrame* F1 = nullptr;         ///< key frame
    QPushButton* btn_hiragana = nullptr;
    QPushButton* btn_katakana = nullptr;
    QPushButton* btn_suuji = nullptr;
    QPushButton* btn_hankaku = nullptr;
    QList<QPushButton*> Btn; ///< element 0 is the hidden template; 1..105 the keys
    QPushButton* btn_del = nullptr;
    QPushButton* btn_bs = nullptr;
    QPushButton* btn_cr = nullptr;
    QPushButton* btn_henkan = nullptr;
    QPushButton* b_up = nullptr;
    QPushButton* b_selm = nullptr;
    QPushButton* b_sel = nullptr;
    QPushButton* b_left = nullptr;
    QPushButton* b_down = nullptr;
    QPushButton* b_right = nullptr;

    // Menus and items.
    QMenu* m_file = nullptr;
    QAction* M_New = nullptr;
    QAction* M_Open = nullptr;
    QAction* M_Save = nullptr;
    QAction* M_SaveAs = nullptr;
    QAction* M_SP0 = nullptr;
    QAction* M_Printer = nullptr;
    QAction* m_sp4 = nullptr;
    QAction* M_EXIT = nullptr;
    QList<QAction*> m_f; ///< element 0: separator before the recent files
    QMenu* M_Edit = nullptr;
    QAction* M_Undo = nullptr;
    QAction* M_Redo = nullptr;
    QAction* M_SPUndo = nullptr;
    QAction* m_xf = nullptr;
    QAction* m_sp = nullptr;
    QList<QAction*> M_Edit_Item; ///< 0 cut, 1 copy, 2 old paste (hidden), 3 paste, 4 delete
    QAction* M_SP1 = nullptr;
    QAction* M_All = nullptr;
    QAction* M_CopyAll = nullptr;
    QAction* M_SP2 = nullptr;
    QAction* m_font = nullptr;
    QAction* M_Wrap = nullptr;
    QAction* M_ConvText = nullptr;
    QMenu* M_View = nullptr;
    QAction* m_toolbar = nullptr;
    QAction* M_KB = nullptr;
    QAction* m_filename = nullptr;
    QAction* M_ToRTF = nullptr;
    QAction* M_ToTXT = nullptr;
    QMenu* M_FindMenu = nullptr;
    QAction* M_Find = nullptr;
    QAction* M_Next = nullptr;
    QAction* M_Prev = nullptr;
    QMenu* M_Style = nullptr;
    QAction* M_Mincho = nullptr;
    QAction* M_Gothic = nullptr;
    QMenu* M_Help = nullptr;
    QAction* M_Readme = nullptr;
    QAction* M_About = nullptr;

    // The subsystems' handlers.
    std::unique_ptr<ShellCommands> shell;
    std::unique_ptr<KeyboardCommands> keyboard;
    std::unique_ptr<ConversionCommands> conversion;
    std::unique_ptr<DocumentCommands> document;
    std::unique_ptr<EditCommands> edit;
    std::unique_ptr<SearchCommands> search;
    std::unique_ptr<FormatCommands> format;
    std::unique_ptr<AboutCommands> about;
    std::unique_ptr<RecoveryCommands> recovery;

    /// Set by the closing routine's callers: a close request runs it and may be refused.
    void M_KB_Click();
    void m_toolbar_Click();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void createKeyFrame();
    void createMenus();

    AppState& state_;
    Platform& platform_;
    QWidget* client_ = nullptr;
    double docHeightTwips_ = 0;
};

} // namespace pukana
