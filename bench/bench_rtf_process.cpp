// `pukana-rtf totext` of a 5 MB WordPad-style Japanese RTF as a whole process, against
// LibreOffice converting the same file to text headless (when `soffice` is installed). The
// second benchmark reports the ratio of the two and whether both give the same text. A third
// runs `pukana-rtf dump` on a 33 MB RTF whose text uses each of a million fonts. The child
// processes' CPU time is reported as `child_cpu_s` (per run).
#include "core/formats/cp932.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

namespace {

// Hex escapes of the Shift_JIS bytes of Japanese text, ASCII as it is.
QByteArray escaped(const QString& text) {
    QByteArray out;
    for (const char c : pukana::cp932::encode(text)) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80 && c != '\\' && c != '{' && c != '}')
            out += c;
        else
            out += "\\'" + QByteArray::number(b, 16).rightJustified(2, '0');
    }
    return out;
}

// What WordPad writes for Japanese prose: a Shift_JIS font, every line a paragraph, now and
// then a bold one.
QByteArray wordPadRtf(qsizetype targetBytes) {
    const QString lines[] = {
        QStringLiteral(
            "きょうは、よいてんきです。漢字とかなをまぜた文章を、ファイルに保存します。"),
        QStringLiteral("Pukana 1.04 でかいたぶんしょうです。ｶﾀｶﾅ ①Ⅱ～（全角）もまじります。"),
        QStringLiteral("むかしむかし、あるところに おじいさんと おばあさんが すんでいました。"),
    };
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg932\\deff0\\nouicompat\\deflang1033\\deflangfe1041"
                     "{\\fonttbl{\\f0\\fnil\\fcharset128 " +
                     escaped(QStringLiteral("ＭＳ ゴシック")) +
                     ";}{\\f1\\fnil\\fcharset0 Calibri;}}\r\n"
                     "{\\*\\generator Riched20 10.0.19041}\\viewkind4\\uc1 \r\n"
                     "\\pard\\sa200\\sl276\\slmult1\\f0\\fs22\\lang1041 ";
    for (int i = 0; rtf.size() < targetBytes; ++i) {
        const QByteArray line = escaped(lines[i % 3]);
        if (i % 7 == 3)
            rtf += "\\b " + line + "\\b0\\par\r\n";
        else
            rtf += line + "\\par\r\n";
    }
    return rtf + "}\r\n";
}

// A font table of `fonts` entries and a text using each of them for a letter.
QByteArray manyFontsUsed(int fonts) {
    QByteArray rtf = "{\\rtf1\\ansi{\\fonttbl";
    for (int i = 0; i < fonts; ++i)
        rtf += "{\\f" + QByteArray::number(i) + " Font" + QByteArray::number(i) + ";}";
    rtf += '}';
    for (int i = 0; i < fonts; ++i)
        rtf += "{\\f" + QByteArray::number(i) + " x}";
    return rtf + '}';
}

struct Sample {
    Sample() {
        rtfPath = dir.filePath(QStringLiteral("wordpad.rtf"));
        QFile file(rtfPath);
        if (file.open(QIODevice::WriteOnly))
            file.write(wordPadRtf(5 * 1024 * 1024));
    }
    QTemporaryDir dir;
    QString rtfPath;
};

double childCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

Sample& sample() {
    static Sample s;
    return s;
}

double pukanaSeconds = 0;

// Line ends as LF, no byte-order mark, no line ends at the end: how two converters' texts
// are compared.
QString normalized(QString text) {
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    while (text.endsWith(u'\n'))
        text.chop(1);
    return text;
}

QString fileText(const QString& path, bool shiftJis) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    const QByteArray bytes = file.readAll();
    return normalized(shiftJis ? pukana::cp932::decode(bytes) : QString::fromUtf8(bytes));
}

void BM_PukanaRtfToText(benchmark::State& state) {
    Sample& s = sample();
    const QString out = s.dir.filePath(QStringLiteral("pukana.txt"));
    const double cpuBefore = childCpuSeconds();
    for (auto _ : state) {
        if (QProcess::execute(QStringLiteral(PUKANA_RTF_TOOL),
                              {QStringLiteral("totext"), s.rtfPath, out}) != 0) {
            state.SkipWithError("pukana-rtf failed");
            return;
        }
    }
    state.counters["MB"] = QFile(s.rtfPath).size() / 1048576.0;
    state.counters["child_cpu_s"] = (childCpuSeconds() - cpuBefore) / double(state.iterations());
}

void BM_DumpMillionFontsUsed(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("fonts.rtf"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(manyFontsUsed(1000000)) < 0) {
        state.SkipWithError("cannot write the sample");
        return;
    }
    file.close();
    const double cpuBefore = childCpuSeconds();
    for (auto _ : state) {
        QProcess tool;
        tool.setStandardOutputFile(QProcess::nullDevice());
        tool.start(QStringLiteral(PUKANA_RTF_TOOL), {QStringLiteral("dump"), path});
        if (!tool.waitForFinished(600000) || tool.exitCode() != 0) {
            state.SkipWithError("pukana-rtf failed");
            return;
        }
    }
    state.counters["MB"] = QFile(path).size() / 1048576.0;
    state.counters["child_cpu_s"] = (childCpuSeconds() - cpuBefore) / double(state.iterations());
}

void BM_LibreOfficeToText(benchmark::State& state) {
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty()) {
        state.SkipWithError("LibreOffice (soffice) is not installed");
        return;
    }
    Sample& s = sample();
    const QString profile = s.dir.filePath(QStringLiteral("lo-profile"));
    const QString outDir = s.dir.filePath(QStringLiteral("lo"));
    for (auto _ : state) {
        QProcess lo;
        lo.start(soffice,
                 {QStringLiteral("-env:UserInstallation=file://") + profile,
                  QStringLiteral("--headless"), QStringLiteral("--convert-to"),
                  QStringLiteral("txt:Text"), QStringLiteral("--outdir"), outDir, s.rtfPath});
        if (!lo.waitForFinished(600000) || lo.exitCode() != 0) {
            state.SkipWithError("LibreOffice failed");
            return;
        }
    }
    const QString ours = fileText(s.dir.filePath(QStringLiteral("pukana.txt")), true);
    const QString theirs = fileText(outDir + QStringLiteral("/wordpad.txt"), false);
    state.counters["same_text"] = !ours.isEmpty() && ours == theirs ? 1 : 0;
}

// Runs the two benchmarks and reports LibreOffice's time over pukana-rtf's.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            const double seconds = run.GetAdjustedRealTime() / 1e3; // reported in ms
            if (run.benchmark_name().find("Pukana") != std::string::npos)
                pukanaSeconds = seconds;
            else if (run.benchmark_name().find("LibreOffice") != std::string::npos &&
                     pukanaSeconds > 0 && !run.error_occurred)
                const_cast<Run&>(run).counters["x_pukana"] = seconds / pukanaSeconds;
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

} // namespace

BENCHMARK(BM_PukanaRtfToText)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);
BENCHMARK(BM_LibreOfficeToText)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK(BM_DumpMillionFontsUsed)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
