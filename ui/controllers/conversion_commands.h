// Handlers of the kana-kanji conversion: dictionaries, the へんかん key and the candidate list.
#pragma once

#include "core/conversion/dictionary_preload.h"

#include <QObject>
#include <QString>
#include <future>
#include <memory>

class QTimer;

namespace pukana {

struct AppState;
class Dictionary;
class MainWindow;
class Platform;

class ConversionCommands : public QObject {
    Q_OBJECT
public:
    ConversionCommands(MainWindow& window, AppState& state, Platform& platform);
    ~ConversionCommands() override;

    /// Reads pukana.dic from the program's folder and the user dictionary pukana2.dic (beside
    /// it, or in the data folder), under the hourglass. When not everything could be loaded
    /// the user is told once. Throws PukanaError when pukana.dic is missing or unreadable.
    /// When a preload for these folders is under way, only checks that pukana.dic can be
    /// read and leaves the rest to the preload: its notice is shown once it has ended (the
    /// event loop looks every few milliseconds), and a conversion waits for it.
    void dicread();

    /// Converts the selection of the input target (document or file-name box): fills the
    /// candidate list and shows it with the focus, or beeps when the reading is empty or
    /// has no candidate (the focus then goes back to the target). Does not move the list.
    void henkan();

    /// The loaded dictionaries (waiting for a preload still under way).
    const Dictionary& dictionary();

    /// The on-screen へんかん key: moves the list to the BS key, then converts.
    void btn_henkan_Click();
    /// The menu item へんかん(&X): converts, leaving the list where it is.
    void m_xf_Click();
    /// Any mouse-down in the document hides the list.
    void T1_MouseDown();
    /// A mouse release in the document (X, Y in twips relative to it) moves the list there.
    void T1_MouseUp(double x, double y);
    /// Replaces the target's selection with candidate `row` while the list is shown, hides
    /// the list and gives the focus back to the target. Anything else is ignored.
    void List1_Click(int row);
    /// Hides the list.
    void List1_LostFocus();
    /// Hides the list unless `button` is the left one; true when it was hidden.
    bool List1_MouseDown(int button);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString targetSelText() const;
    void focusTarget();
    void replaceTargetSelection(const QString& text);
    void restoreT2Selection();
    /// Takes the preloaded dictionary once it is there (now, when `wait`) and shows its
    /// notice.
    void settlePreload(bool wait);

    MainWindow& w_;
    AppState& s_;
    Platform& p_;
    std::unique_ptr<Dictionary> dic_;
    std::future<LoadedDictionary> preload_; // the dictionaries still read in the background
    QTimer* preloadWatch_ = nullptr;
    // True while the list is filled or takes the focus: the list's own changes then are no
    // choice of the user's.
    bool quiet_ = false;
    // The file-name box drops its selection when it loses the focus; this is what the
    // conversion found there, restored before a commit.
    struct LineSelection {
        QString text;
        int start = -1;
        int length = 0;
    } t2Selection_;
};

} // namespace pukana
