// Opening, saving and resizing large plain-text documents in the real main window: a 2 MB
// (about 20,000 lines) and a 10 MB (about 100,000 lines) Shift_JIS file, with CR LF or LF
// line ends.
#include "app/application.h"
#include "core/formats/cp932.h"
#include "platform/qt_platform.h"
#include "ui/controllers/file_controller.h"
#include "ui/editor_state.h"
#include "ui/main_window.h"
#include "ui/widgets/rich_text_box.h"

#include "bench/bench_support.h"
#include "bench/bench_window.h"
#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBlock>

#include <benchmark/benchmark.h>

#include <memory>

using namespace pukana;

namespace {

using bench::novelShiftJis;

/// Resident memory of this process in bytes.
double residentBytes() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * 4096 : 0;
}

/// A shown main window with a temporary program folder and a novel file of `megabytes`,
/// its lines ending in CR LF or, with `lfOnly`, in LF.
struct Editor : bench::ShownEditor {
    explicit Editor(int megabytes, bool lfOnly = false) {
        bytes = novelShiftJis(qsizetype(megabytes) << 20);
        if (lfOnly)
            bytes.replace("\r\n", "\n");
        path = write(QStringLiteral("novel.txt"), bytes);
        QApplication::processEvents();
    }
    /// Runs the event loop until the background layout has reached the document's end.
    void waitUntilLaidOut() const {
        const QTextDocument* doc = view->document();
        QElapsedTimer limit;
        limit.start();
        while (doc->lastBlock().layout()->lineCount() == 0 && limit.elapsed() < 60000)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }

    QString path;
    QByteArray bytes;
};

void BM_OpenFullyLaidOut(benchmark::State& st) {
    Editor e(int(st.range(0)));
    const double before = residentBytes();
    for (auto _ : st) {
        e.files->open(e.path);
        e.waitUntilLaidOut();
    }
    st.counters["blocks"] = e.view->document()->blockCount();
    st.counters["mem_x_file"] = (residentBytes() - before) / double(e.bytes.size());
}

void BM_OpenShownAndAnswering(benchmark::State& st) {
    Editor e(int(st.range(0)), st.range(1) != 0);
    const double before = residentBytes();
    for (auto _ : st) {
        e.files->open(e.path);
        QApplication::processEvents(); // first screen painted
        e.view->typeKeys(QStringLiteral("あ"));
        QApplication::processEvents();
    }
    st.counters["mem_x_file"] = (residentBytes() - before) / double(e.bytes.size());
}

void BM_Save(benchmark::State& st) {
    Editor e(int(st.range(0)));
    e.files->open(e.path);
    const QString target = e.dir.filePath(QStringLiteral("saved.txt"));
    for (auto _ : st) {
        e.state.document.setModified(true);
        e.files->save(target);
    }
    if (QFile(target).size() != e.bytes.size())
        st.SkipWithError("saved file differs in size");
}

/// One resize step of the window with the document wrapping at the window edge: the new
/// width is laid out where the user looks.
void BM_ResizeWrappedAtWindowEdge(benchmark::State& st) {
    Editor e(int(st.range(0)));
    e.files->open(e.path); // plain text: window-edge wrap
    e.waitUntilLaidOut();
    int width = 900;
    for (auto _ : st) {
        width = width == 900 ? 700 : 900;
        e.window->resize(width, 700);
        QApplication::processEvents();
    }
}

/// The same with the page-width wrap, where a resize needs no relayout at all.
void BM_ResizeWrappedAtPageWidth(benchmark::State& st) {
    Editor e(int(st.range(0)));
    e.files->open(e.path);
    e.window->findChild<QAction*>(QStringLiteral("M_Wrap"))->trigger();
    e.waitUntilLaidOut();
    int width = 900;
    for (auto _ : st) {
        width = width == 900 ? 700 : 900;
        e.window->resize(width, 700);
        QApplication::processEvents();
    }
}

} // namespace

BENCHMARK(BM_OpenFullyLaidOut)->Arg(2)->Unit(benchmark::kMillisecond)->Iterations(3);
// Second argument: 0 CR LF, 1 LF line ends.
BENCHMARK(BM_OpenShownAndAnswering)
    ->Args({10, 0})
    ->Args({10, 1})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK(BM_Save)->Arg(2)->Arg(10)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ResizeWrappedAtWindowEdge)->Arg(2)->Unit(benchmark::kMillisecond)->Iterations(4);
BENCHMARK(BM_ResizeWrappedAtPageWidth)->Arg(2)->Unit(benchmark::kMillisecond)->Iterations(4);
