// Start-up from process start to Ready (window shown, keys captioned, event loop idle),
// against a bare Qt window with 105 buttons. Each iteration starts a fresh process of this
// program, which builds the window, drains the event loop and ends at once.
// BM_PukanaReady measures a start with the printer's page width known from an earlier run,
// as every start but the first is (the cache is warmed once before timing); a first start,
// which waits for the printing system, is BM_PukanaFirstReady.
#include "app/application.h"
#include "platform/page_width_cache.h"
#include "platform/qt_platform.h"
#include "ui/editor_state.h"
#include "ui/main_window.h"
#include "ui/startup.h"

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QWidget>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

std::string self;
std::string programDir;

/// The real platform with its program folder in a copy of the shipped data.
class DataPlatform : public pukana::QtPlatform {
public:
    QString executableDir() const override { return QString::fromStdString(programDir); }
    QString commandLine() const override { return QString(); }
};

void drain() {
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
}

/// `waitForPrinter`: stays until the printer's page has been found (and remembered).
[[noreturn]] void childPukana(int argc, char** argv, bool waitForPrinter) {
    pukana::Application app(argc, argv);
    pukana::installFontSubstitutions();
    DataPlatform platform;
    pukana::preloadDictionaries(platform);
    pukana::EditorState state;
    pukana::MainWindow window(state, platform);
    window.start(nullptr);
    drain();
    const auto keys = window.findChildren<QPushButton*>(QStringLiteral("Btn"));
    if (waitForPrinter)
        platform.printer().installed();
    std::_Exit(keys.size() == 106 ? 0 : 3);
}

[[noreturn]] void childBare(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(702, 492);
    for (int i = 0; i < 105; ++i) {
        auto* b = new QPushButton(QString(QChar(0x3042 + i % 80)), &window);
        b->setGeometry(20 + (i % 15) * 32, 200 + (i / 15) * 32, 30, 30);
    }
    window.show();
    drain();
    std::_Exit(0);
}

/// Starts this program in `mode` and waits for it; false when it did not end well.
bool startChild(const char* mode) {
    const char* args[] = {self.c_str(), mode, nullptr};
    pid_t pid = 0;
    if (posix_spawn(&pid, self.c_str(), nullptr, nullptr, const_cast<char**>(args), environ) != 0)
        return false;
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

/// `beforeEach` runs untimed before every start.
void runChild(benchmark::State& st, const char* mode, void (*beforeEach)() = nullptr) {
    for (auto _ : st) {
        if (beforeEach) {
            st.PauseTiming();
            beforeEach();
            st.ResumeTiming();
        }
        if (!startChild(mode)) {
            st.SkipWithError("the child did not reach Ready");
            return;
        }
    }
}

void BM_PukanaReady(benchmark::State& st) {
    runChild(st, "--child-pukana");
}
BENCHMARK(BM_PukanaReady)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);

void forgetPageWidth() {
    QFile::remove(pukana::defaultPageWidthCachePath());
}

void BM_PukanaFirstReady(benchmark::State& st) {
    runChild(st, "--child-pukana", forgetPageWidth);
    // Leaves the width remembered again for the other starts.
    if (!startChild("--warm-up"))
        st.SkipWithError("the printer's page was not remembered");
}
BENCHMARK(BM_PukanaFirstReady)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);

void BM_BareWindowWith105Buttons(benchmark::State& st) {
    runChild(st, "--child-bare");
}
BENCHMARK(BM_BareWindowWith105Buttons)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    self = argv[0];
    if (argc > 1 && std::strcmp(argv[1], "--child-bare") == 0)
        childBare(argc, argv);
    const bool warmUp = argc > 1 && std::strcmp(argv[1], "--warm-up") == 0;
    if (warmUp || (argc > 1 && std::strcmp(argv[1], "--child-pukana") == 0)) {
        programDir = std::getenv("PUKANA_BENCH_APPDIR");
        childPukana(argc, argv, warmUp);
    }
    // A program folder holding copies of the shipped data, so nothing is written beside them,
    // and a cache folder of its own for the printer's page width, warmed by one start.
    QTemporaryDir dir;
    for (const char* name : {"btn.dat", "pukana.dic", "PUKANA.txt"})
        QFile::copy(QStringLiteral(PUKANA_DATA_DIR "/") + QLatin1StringView(name),
                    dir.filePath(QLatin1StringView(name)));
    setenv("PUKANA_BENCH_APPDIR", dir.path().toLocal8Bit().constData(), 1);
    setenv("XDG_CACHE_HOME", dir.filePath(QStringLiteral("cache")).toLocal8Bit().constData(), 1);
    if (!startChild("--warm-up")) {
        std::fprintf(stderr, "the editor did not start\n");
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
