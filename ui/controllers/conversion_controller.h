// The kana-kanji conversion: the dictionaries, the へんかん key and menu item, the candidate
// list's placement, committing a candidate and the ways the list goes away.
#pragma once

#include "core/conversion/dictionary_preload.h"

#include <QObject>
#include <QString>
#include <chrono>
#include <future>
#include <memory>

class QAction;
class QListWidget;
class QPushButton;
class QTimer;
class QWidget;

namespace pukana {

class BackgroundSentenceEngine;
class Dictionary;
class FileNameBox;
class InputTarget;
class Platform;
class RichTextBox;
struct ProgramPaths;

class ConversionController : public QObject {
    Q_OBJECT
public:
    /// The widgets the list is placed by.
    struct Placement {
        QWidget& clientArea;   ///< the list stays inside it
        QWidget& keyFrame;     ///< the on-screen keys' frame
        QWidget& backspaceKey; ///< the へんかん key opens the list at its place
    };

    ConversionController(RichTextBox& documentView, FileNameBox& fileNameBox,
                         InputTarget& inputTarget, QListWidget& candidateList,
                         const Placement& placement, const ProgramPaths& paths, Platform& platform,
                         QPushButton& convertKey, QAction& convertAction,
                         QObject* parent = nullptr);
    ~ConversionController() override;

    /// Reads pukana.dic from the program's folder and the user dictionary pukana2.dic (beside
    /// it, or in the data folder), under the hourglass. When not everything could be loaded
    /// the user is told once. Throws PukanaError when pukana.dic is missing or unreadable.
    /// When a preload for these folders is under way, only checks that pukana.dic can be
    /// read and leaves the rest to the preload: its notice is shown once it has ended (the
    /// event loop looks every few milliseconds), and a conversion waits for it.
    void loadDictionaries();
    bool dictionariesLoaded() const { return dictionariesLoaded_; }
    /// The loaded dictionaries (waiting for a preload still under way).
    const Dictionary& dictionary();

    /// Starts loading the conversion engine's model in the background (the first conversion
    /// starts it too). Without the engine or its model, conversion is the dictionaries' alone.
    void startEngine();
    /// The whole-reading conversion engine; a conversion waits for it at most EngineWait.
    BackgroundSentenceEngine& engine();
    static constexpr std::chrono::milliseconds EngineWait{100};

    /// Converts the selection of the input target: fills the candidate list and shows it
    /// with the focus, or beeps when the reading is empty or has no candidate (the focus then
    /// goes back to the target). Does not move the list.
    void convert();
    /// The on-screen へんかん key: moves the list to the BS key, then converts.
    void convertFromKey();
    /// Replaces the target's selection with candidate `row` while the list is shown, hides
    /// the list and gives the focus back to the target. Anything else is ignored.
    void commit(int row);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void placeAtPointer(double x, double y);
    void restoreFileNameSelection();
    /// Takes the preloaded dictionary once it is there (at once when `wait`) and shows its
    /// notice.
    void settlePreload(bool wait);

    RichTextBox& documentView_;
    FileNameBox& fileNameBox_;
    InputTarget& inputTarget_;
    QListWidget& candidateList_;
    Placement placement_;
    const ProgramPaths& paths_;
    Platform& platform_;
    std::unique_ptr<Dictionary> dictionary_;
    std::future<LoadedDictionary> preload_; // the dictionaries still read in the background
    QTimer* preloadWatch_ = nullptr;
    std::unique_ptr<BackgroundSentenceEngine> engine_;
    bool dictionariesLoaded_ = false;
    // True while the list is filled or takes the focus: the list's own changes then are no
    // choice of the user's.
    bool quiet_ = false;
    // The file-name box drops its selection when it loses the focus; this is what the
    // conversion found there, restored before a commit.
    struct LineSelection {
        QString text;
        int start = -1;
        int length = 0;
    } fileNameSelection_;
};

} // namespace pukana
