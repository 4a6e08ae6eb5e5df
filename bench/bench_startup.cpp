// Start-up to Ready (window shown, keys captioned, event loop idle) against a bare Qt window
// with 105 buttons, both in the same process on the offscreen platform.
#include "platform/qt_platform.h"
#include "shell/app_state.h"
#include "shell/main_window.h"
#include "shell/shell_commands.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QPushButton>
#include <QWidget>
#include <benchmark/benchmark.h>

namespace {

/// A program folder holding copies of the shipped data, so nothing is written beside them.
QString programDir() {
    static QTemporaryDir dir;
    static bool filled = [] {
        for (const char* name : {"btn.dat", "pukana.dic", "PUKANA.txt"})
            QFile::copy(QStringLiteral(PUKANA_DATA_DIR "/") + QLatin1StringView(name),
                        dir.filePath(QLatin1StringView(name)));
        return true;
    }();
    Q_UNUSED(filled);
    return dir.path();
}

/// The real platform with its program folder in that copy.
class DataPlatform : public pukana::QtPlatform {
public:
    QString executableDir() const override { return programDir(); }
    QString commandLine() const override { return QString(); }
};

void drain() {
    // Until the event loop is idle: everything posted by showing has been handled.
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void BM_PukanaReady(benchmark::State& st) {
    for (auto _ : st) {
        DataPlatform platform;
        pukana::AppState state;
        pukana::MainWindow window(state, platform);
        window.shell->Form_Load(nullptr);
        drain();
        benchmark::DoNotOptimize(window.Btn.size());
    }
}
BENCHMARK(BM_PukanaReady)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_BareWindowWith105Buttons(benchmark::State& st) {
    for (auto _ : st) {
        QWidget window;
        window.resize(702, 492);
        for (int i = 0; i < 105; ++i) {
            auto* b = new QPushButton(QString(QChar(0x3042 + i % 80)), &window);
            b->setGeometry(20 + (i % 15) * 32, 200 + (i / 15) * 32, 30, 30);
        }
        window.show();
        drain();
        benchmark::DoNotOptimize(window.children().size());
    }
}
BENCHMARK(BM_BareWindowWith105Buttons)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
