// The main window: builds and lays out the document view, the toolbar, the candidate list and
// the keyboard panel, puts the actions into its menus and hands each controller the widgets
// and state it works on. Its widgets are its own; tests and assistive technology find them
// by their design IDs (objectName()).
#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>

class QFrame;
class QListWidget;
class QMenu;
class QPushButton;

namespace pukana {

class AppActions;
class ConversionController;
class FileController;
class FileNameBox;
class ImageButton;
class InputTarget;
class KeyboardController;
class RecoveryController;
class Platform;
class Printer;
class RichTextBox;
class SettingsController;
class ShutdownController;
class SplashWindow;
class WrapController;
struct EditorState;
struct KeyboardKeys;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(EditorState& state, Platform& platform);
    ~MainWindow() override;

    /// Runs the start-up sequence: from the program's folders to the keys acting on the
    /// document. `splash` is closed once the window shows (may be null). `trace` is called
    /// with the name of each step as it begins (may be empty). Throws PukanaError when the
    /// data files the editor cannot work without are missing.
    void start(SplashWindow* splash, const std::function<void(const char*)>& trace = {});

    /// The inner area (the window without its menu bar).
    QWidget* clientArea() const { return clientArea_; }
    /// Arranges document, toolbar, keyboard panel and marker for the current size and view.
    void layOut();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createToolbar();
    void createDocumentArea();
    KeyboardKeys createKeyboardPanel();
    void createMenus();
    void createControllers(const KeyboardKeys& keys);
    void createDocumentControllers();
    void followDocument();
    void toggleKeyboard();
    void toggleToolbar();

    EditorState& state_;
    Platform& platform_;
    Printer& pageWidthSource_;
    AppActions* actions_ = nullptr;
    InputTarget* inputTarget_ = nullptr;
    ShutdownController* shutdown_ = nullptr;
    SettingsController* settingsFile_ = nullptr;
    WrapController* wrap_ = nullptr;
    FileController* files_ = nullptr;
    RecoveryController* recovery_ = nullptr;
    ConversionController* conversion_ = nullptr;
    KeyboardController* keyboard_ = nullptr;

    QWidget* clientArea_ = nullptr;
    QWidget* toolbar_ = nullptr;
    FileNameBox* fileNameBox_ = nullptr;
    ImageButton* alignLeftButton_ = nullptr;
    ImageButton* alignCentreButton_ = nullptr;
    ImageButton* alignRightButton_ = nullptr;
    QFrame* indicatorLine_ = nullptr;
    RichTextBox* documentView_ = nullptr;
    QFrame* pageEdgeMarker_ = nullptr;
    QListWidget* candidateList_ = nullptr;
    QWidget* keyboardPanel_ = nullptr;
    QFrame* keyFrame_ = nullptr;

    QMenu* fileMenu_ = nullptr;
    QMenu* editMenu_ = nullptr;
    QMenu* viewMenu_ = nullptr;
    QMenu* searchMenu_ = nullptr;
    QMenu* typefaceMenu_ = nullptr;
    QMenu* helpMenu_ = nullptr;

    double documentHeightTwips_ = 0;
};

} // namespace pukana
