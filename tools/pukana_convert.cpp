// pukana-convert: the editor's conversion candidate list on the command line, to look into
// the dictionaries and the conversion engine without the window.
//
//   pukana-convert [--no-engine] [--model DIR] [READING...]
//
// Prints the candidates of each reading (or of each line of standard input when none is
// given) one per line, in the editor's order, with a blank line between readings. Uses the
// dictionaries beside the program: pukana.dic, and pukana2.dic from the program's folder or
// else the editor's data folder, when there (it is never created).
#include "core/conversion/candidate_list.h"
#include "core/conversion/dictionary.h"
#include "core/conversion/henkan_core.h"
#include "core/conversion/sentence_converter.h"
#include "core/error.h"

#include <QCoreApplication>
#include <QStandardPaths>
#include <cstdio>
#include <iostream>
#include <string>

using namespace pukana;

namespace {

void printError(const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stderr);
    std::fputc('\n', stderr);
}

int usage() {
    printError(QStringLiteral("usage: pukana-convert [--no-engine] [--model DIR] [READING...]\n"
                              "       (readings one per line on standard input when none given)"));
    return 2;
}

struct Options {
    bool engine = true;
    QString modelDir;
    QStringList readings;
    bool fromInput = true;
};

bool parse(const QStringList& args, Options& options) {
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == u"--no-engine") {
            options.engine = false;
        } else if (arg == u"--model") {
            if (++i == args.size())
                return false;
            options.modelDir = args[i];
        } else if (arg.startsWith(u"--")) {
            return false;
        } else {
            options.readings << arg;
            options.fromInput = false;
        }
    }
    return true;
}

void printList(const QString& selected, const Dictionary& dic, SentenceConverter* engine,
               bool first) {
    // The same steps as the へんかん key: the selection's reading, then its list.
    const QString reading = henkanReading(selected);
    QByteArray out = first ? QByteArray() : QByteArray("\n");
    if (!reading.isEmpty()) {
        for (const QString& candidate : conversionCandidates(reading, dic, engine))
            out += candidate.toUtf8() + '\n';
    }
    std::fwrite(out.constData(), 1, size_t(out.size()), stdout);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    // The editor's name, so its data folder is the one looked in for pukana2.dic.
    QCoreApplication::setApplicationName(QStringLiteral("pukana"));
    Options options;
    if (!parse(QCoreApplication::arguments(), options))
        return usage();

    Dictionary dic;
    try {
        dic.dicread(QCoreApplication::applicationDirPath(),
                    QStandardPaths::writableLocation(QStandardPaths::AppDataLocation),
                    Dictionary::UserDic::ExistingOnly);
    } catch (const PukanaError& e) {
        printError(e.description());
        return 1;
    }
    std::unique_ptr<SentenceConverter> engine;
    if (options.engine) {
        engine = loadSentenceEngine(options.modelDir);
        if (!engine)
            printError(QStringLiteral("pukana-convert: no conversion engine; dictionaries only"));
    }

    bool first = true;
    if (!options.fromInput) {
        for (const QString& reading : std::as_const(options.readings)) {
            printList(reading, dic, engine.get(), first);
            first = false;
        }
        return 0;
    }
    std::string line;
    while (std::getline(std::cin, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        printList(QString::fromStdString(line), dic, engine.get(), first);
        first = false;
    }
    return 0;
}
