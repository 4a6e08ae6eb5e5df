// One conversion as the user asks for it from the menu: reading the selection, scanning all
// 60001 slots and filling and showing the candidate list, with the shipped dictionary plus a
// full user dictionary loaded; and the first conversion of a sentence right after start-up,
// while the conversion engine's model is not loaded yet.
#include "core/formats/cp932.h"
#include "platform/qt_platform.h"
#include "ui/editor_state.h"
#include "ui/main_window.h"
#include "ui/widgets/rich_text_box.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

/// A program folder with the shipped data and a pukana2.dic that fills the remaining slots.
QString programDir() {
    static QTemporaryDir dir;
    static const bool filled = [] {
        for (const char* name : {"btn.dat", "pukana.dic", "PUKANA.txt"})
            QFile::copy(QStringLiteral(PUKANA_DATA_DIR "/") + QLatin1StringView(name),
                        dir.filePath(QLatin1StringView(name)));
        QString user;
        for (int n = 0; n < 10001; ++n)
            user += u"ようご%1,用語%1\r\n"_s.arg(n);
        QFile file(dir.filePath(u"pukana2.dic"_s));
        return file.open(QIODevice::WriteOnly) && file.write(pukana::cp932::encode(user)) > 0;
    }();
    Q_UNUSED(filled);
    return dir.path();
}

class DataPlatform : public pukana::QtPlatform {
public:
    QString executableDir() const override { return programDir(); }
    QString commandLine() const override { return QString(); }
    pukana::MessageResult msgBox(const QString&, pukana::MessageStyle,
                                 const QString& = QString()) override {
        return pukana::MessageResult::Ok;
    }
};

void BM_MenuConversionFillsTheList(benchmark::State& st) {
    DataPlatform platform;
    pukana::EditorState state;
    pukana::MainWindow window(state, platform);
    window.start(nullptr);
    auto* view = window.findChild<pukana::RichTextBox*>(u"T1"_s);
    auto* list = window.findChild<QListWidget*>(u"List1"_s);
    QAction* convert = window.findChild<QAction*>(u"m_xf"_s);
    view->setDocumentText(u"かんじ"_s);
    view->setCaretPosition(0);
    view->setSelectionLength(3);
    for (auto _ : st) {
        convert->trigger();
        benchmark::DoNotOptimize(list->count());
    }
    if (list->count() < 2)
        st.SkipWithError("no dictionary candidate for かんじ");
    st.counters["candidates"] = list->count();
}
BENCHMARK(BM_MenuConversionFillsTheList)->Unit(benchmark::kMicrosecond);

// A fresh window for each run: started, shown and idle (Ready), then at once the menu's
// conversion of a sentence no dictionary knows. The list waits for the engine at most
// 100 ms; "with_engine" is the share of runs whose list had the engine's conversion.
void BM_FirstConversionAfterReady(benchmark::State& st) {
    int withEngine = 0;
    for (auto _ : st) {
        st.PauseTiming();
        DataPlatform platform;
        pukana::EditorState state;
        auto window = std::make_unique<pukana::MainWindow>(state, platform);
        window->start(nullptr);
        QApplication::processEvents();
        auto* view = window->findChild<pukana::RichTextBox*>(u"T1"_s);
        auto* list = window->findChild<QListWidget*>(u"List1"_s);
        view->setDocumentText(u"あしたはともだちとえいがをみにいきますよ"_s);
        view->setCaretPosition(0);
        view->setSelectionLength(20);
        st.ResumeTiming();
        window->findChild<QAction*>(u"m_xf"_s)->trigger();
        st.PauseTiming();
        if (!list->findItems(u"明日は友達と映画を見に行きますよ"_s, Qt::MatchExactly).isEmpty())
            ++withEngine;
        window.reset(); // waits for the engine's thread
        st.ResumeTiming();
    }
    st.counters["with_engine"] = double(withEngine) / double(st.iterations());
}
BENCHMARK(BM_FirstConversionAfterReady)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace
