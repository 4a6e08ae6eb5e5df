// The search commands in the real main window on a 10 MB document, for a text it does not
// hold: reading the control's text, scanning it, and the (silenced) not-found report.
// Target: under 100 ms per search.
#include "platform/qt_platform.h"
#include "ui/controllers/search_controller.h"
#include "ui/editor_state.h"
#include "ui/main_window.h"
#include "ui/widgets/rich_text_box.h"

#include "bench/bench_support.h"
#include <QApplication>

#include <benchmark/benchmark.h>

#include <memory>

using namespace pukana;

namespace {

/// The real platform, with the not-found report's beeps and message box silenced.
class QuietPlatform : public QtPlatform {
public:
    MessageResult msgBox(const QString&, MessageStyle, const QString&) override {
        return MessageResult::Ok;
    }
    void beep() override {}
};

struct Editor {
    Editor() {
        window = std::make_unique<MainWindow>(state, platform);
        view = window->findChild<RichTextBox*>(QStringLiteral("T1"));
        search = window->findChild<SearchController*>();
        // Wrapped at a real width, as in the shown editor: a zero wrap width would lay out
        // one character a line.
        view->setWrapWidth(15 * 800);
        view->setDocumentText(bench::searchableProse(10 * 1024 * 1024));
        state.search.text = QStringLiteral("みつからないABC");
    }
    EditorState state;
    QuietPlatform platform;
    std::unique_ptr<MainWindow> window;
    RichTextBox* view = nullptr;
    SearchController* search = nullptr;
};

Editor& editor() {
    static Editor e;
    return e;
}

void findnextWindow(benchmark::State& st) {
    Editor& e = editor();
    e.state.search.matchCase = st.range(0) != 0;
    e.view->setCaretPosition(0);
    for (auto _ : st)
        e.search->findNext();
}

void findprevWindow(benchmark::State& st) {
    Editor& e = editor();
    e.state.search.matchCase = st.range(0) != 0;
    e.view->setCaretPosition(e.view->textLength());
    for (auto _ : st)
        e.search->findPrevious();
}

} // namespace

BENCHMARK(findnextWindow)->ArgName("matchCase")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(findprevWindow)->ArgName("matchCase")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
