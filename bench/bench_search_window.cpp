// The search commands in the real main window on a 10 MB document, for a text it does not
// hold: reading the control's text, scanning it, and the (silenced) not-found report.
// Target: under 100 ms per search.
#include "platform/qt_platform.h"
#include "ui/widgets/rich_text_box.h"
#include "ui/controllers/search_commands.h"
#include "ui/app_state.h"
#include "ui/main_window.h"

#include "bench/bench_support.h"
#include <QApplication>

#include <benchmark/benchmark.h>

#include <memory>

using namespace pukana;

namespace {

/// The real platform, with the not-found report's beeps and message box silenced.
class QuietPlatform : public QtPlatform {
public:
    int msgBox(const QString&, int, const QString&) override { return msg::ResultOk; }
    void beep() override {}
};

struct Editor {
    Editor() {
        window = std::make_unique<MainWindow>(state, platform);
        // Wrapped at a real width, as in the shown editor: a zero wrap width would lay out
        // one character a line.
        window->T1->SetRightMargin(15 * 800);
        window->T1->SetText(bench::searchableProse(10 * 1024 * 1024));
        state.FindText = QStringLiteral("みつからないABC");
    }
    AppState state;
    QuietPlatform platform;
    std::unique_ptr<MainWindow> window;
};

Editor& editor() {
    static Editor e;
    return e;
}

void findnextWindow(benchmark::State& st) {
    Editor& e = editor();
    e.state.FindMatchCase = int(st.range(0));
    e.window->T1->SetSelStart(0);
    for (auto _ : st)
        e.window->search->findnext();
}

void findprevWindow(benchmark::State& st) {
    Editor& e = editor();
    e.state.FindMatchCase = int(st.range(0));
    e.window->T1->SetSelStart(e.window->T1->TextLength());
    for (auto _ : st)
        e.window->search->findprev();
}

} // namespace

BENCHMARK(findnextWindow)->ArgName("matchCase")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(findprevWindow)->ArgName("matchCase")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
