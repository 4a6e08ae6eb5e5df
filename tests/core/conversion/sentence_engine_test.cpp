// Whole-reading conversion: the candidate list built from the dictionaries and the engine,
// the engine on its own thread, the real libkkc engine, and the pukana-convert tool.
#include "core/conversion/background_engine.h"
#include "core/conversion/candidate_list.h"
#include "core/conversion/dictionary.h"
#include "core/conversion/henkan_core.h"
#include "core/conversion/sentence_converter.h"
#include "core/formats/cp932.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <future>
#include <gtest/gtest.h>

using namespace pukana;
using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

namespace {

const QString ShippedDic = QStringLiteral(PUKANA_SOURCE_DIR "/data/pukana.dic");

// Answers every question with the same list and remembers the question.
class FixedEngine : public SentenceConverter {
public:
    explicit FixedEngine(QStringList answer) : answer_(std::move(answer)) {}
    QStringList nbest(const QString& reading, int) override {
        asked = reading;
        return answer_;
    }
    QString asked;

private:
    QStringList answer_;
};

class CandidateListTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(dic.readPairs(cp932::encode(u"かんじ,漢字\r\nかんじ,幹事\r\n"_s), 0), 2);
    }
    Dictionary dic;
};

Dictionary shippedDictionary() {
    Dictionary dic;
    QTemporaryDir dir;
    EXPECT_TRUE(QFile::copy(ShippedDic, dir.filePath(u"pukana.dic"_s)));
    dic.dicread(dir.path(), QString(), Dictionary::UserDic::ExistingOnly);
    return dic;
}

// The engine's share of a list: what follows the dictionary candidates.
QStringList engineCandidates(const QStringList& list, const QString& reading,
                             const Dictionary& dic) {
    const QStringList fromDic = henkanCandidates(reading, dic);
    EXPECT_EQ(list.mid(0, fromDic.size()), fromDic) << reading.toStdString();
    return list.mid(fromDic.size());
}

} // namespace

TEST_F(CandidateListTest, DictionaryCandidatesFirstThenUpToFiveNewEngineConversions) {
    // Repeats, the reading itself and empty answers are left out; the sixth new one is not
    // offered.
    FixedEngine engine({u"感じ"_s, u"漢字"_s, u"感じ"_s, u"かんじ"_s, QString(), u"幹事"_s,
                        u"監事"_s, u"寛治"_s, u"完治"_s, u"換字"_s, u"莞爾"_s});
    EXPECT_EQ(conversionCandidates(u"かんじ"_s, dic, &engine),
              (QStringList{u"カンジ"_s, u"漢字"_s, u"幹事"_s, u"感じ"_s, u"監事"_s, u"寛治"_s,
                           u"完治"_s, u"換字"_s}));
    // Katakana is asked in hiragana; a reading the dictionaries do not know still gets the
    // engine's conversions.
    EXPECT_EQ(conversionCandidates(u"カンジ"_s, dic, &engine).mid(1, 2),
              (QStringList{u"感じ"_s, u"漢字"_s}));
    EXPECT_EQ(engine.asked, u"かんじ"_s);
    EXPECT_EQ(conversionCandidates(u"xyz"_s, dic, &engine).size(), EngineCandidateLimit);
}

TEST_F(CandidateListTest, LongReadingsSendTheirStartAndKeepTheRestUnchanged) {
    // A surrogate pair across the limit is sent whole or not at all.
    const QString reading = QString(EngineReadingLimit - 1, u'う') + u"😀えお"_s;
    FixedEngine engine({u"X"_s});
    const QStringList list = conversionCandidates(reading, dic, &engine);
    EXPECT_EQ(engine.asked, reading.first(EngineReadingLimit - 1));
    // Committing the conversion loses nothing of the selection past the limit.
    EXPECT_EQ(list.last(), u"X"_s + reading.sliced(EngineReadingLimit - 1));
}

TEST(SentenceEngineMissing, ListEqualsTheDictionariesAloneWithoutAModel) {
    QTemporaryDir empty;
    QTemporaryDir broken;
    QFile meta(broken.filePath(u"metadata.json"_s));
    ASSERT_TRUE(meta.open(QIODevice::WriteOnly));
    meta.write(R"({"name": "sorted3", "type": "sorted3"})"); // no data files beside it
    meta.close();

    const Dictionary dic = shippedDictionary();
    for (const QString& modelDir : {empty.path(), broken.path()}) {
        EXPECT_EQ(loadSentenceEngine(modelDir), nullptr);
        BackgroundSentenceEngine engine(modelDir, 100ms);
        EXPECT_FALSE(engine.waitUntilLoaded());
        for (const QString& reading : {u"きょうはいいてんきです"_s, QString(300, u'か')})
            EXPECT_EQ(conversionCandidates(reading, dic, &engine), henkanCandidates(reading, dic));
        EXPECT_EQ(engine.state(), BackgroundSentenceEngine::State::Unavailable);
    }
}

TEST(BackgroundEngine, ClosingNeverWaitsForAConversionUnderWay) {
    // An engine stuck in a conversion until the test lets it go; it tells when it is gone.
    struct StuckEngine : SentenceConverter {
        std::shared_future<void> open;
        std::shared_ptr<std::promise<void>> gone;
        ~StuckEngine() override { gone->set_value(); }
        QStringList nbest(const QString& reading, int) override {
            open.wait();
            return {reading};
        }
    };
    std::promise<void> open;
    const std::shared_future<void> opened = open.get_future().share();
    const auto gone = std::make_shared<std::promise<void>>();
    std::future<void> engineGone = gone->get_future();
    {
        BackgroundSentenceEngine engine(
            [opened, gone] {
                auto engine = std::make_unique<StuckEngine>();
                engine->open = opened;
                engine->gone = gone;
                return engine;
            },
            10ms);
        ASSERT_TRUE(engine.waitUntilLoaded());
        EXPECT_TRUE(engine.nbest(u"あ"_s, 5).isEmpty()); // no answer within the limit
        // Closing here would hang if it waited for the conversion.
    }
    open.set_value();
    // The engine's thread finishes alone and lets its engine go.
    EXPECT_EQ(engineGone.wait_for(30s), std::future_status::ready);
}

class SentenceEngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!sentenceEngineBuiltIn())
            GTEST_SKIP() << "built without libkkc";
    }
};

TEST_F(SentenceEngineTest, EverydaySentencesComeFirstAfterTheDictionaryCandidates) {
    std::unique_ptr<SentenceConverter> engine = loadSentenceEngine(QString());
    ASSERT_NE(engine, nullptr) << "libkkc is built in but its model did not load";
    const Dictionary dic = shippedDictionary();
    const std::pair<QString, QString> sentences[] = {
        {u"きょうはいいてんきです"_s, u"今日はいい天気です"_s},
        {u"にほんごをべんきょうしています"_s, u"日本語を勉強しています"_s},
    };
    for (const auto& [reading, expected] : sentences) {
        const QStringList list = conversionCandidates(reading, dic, engine.get());
        const QStringList fromEngine = engineCandidates(list, reading, dic);
        ASSERT_FALSE(fromEngine.isEmpty()) << reading.toStdString();
        EXPECT_EQ(fromEngine.first().toStdString(), expected.toStdString());
        EXPECT_LE(fromEngine.size(), EngineCandidateLimit);
        for (const QString& candidate : fromEngine)
            EXPECT_EQ(list.count(candidate), 1) << candidate.toStdString();
    }
    // Long readings get one conversion in reasonable time (the n-best search would take
    // minutes), and the rest past the limit follows it unchanged.
    const QString longReading = QString(30, u'あ') + u"きょうはいいてんきです"_s.repeated(20);
    const QStringList fromEngine =
        engineCandidates(conversionCandidates(longReading, dic, engine.get()), longReading, dic);
    ASSERT_EQ(fromEngine.size(), 1);
    EXPECT_TRUE(fromEngine.first().endsWith(longReading.sliced(EngineReadingLimit)));
    EXPECT_TRUE(fromEngine.first().contains(u"今日はいい天気です"_s));
}

TEST_F(SentenceEngineTest, BackgroundEngineKeepsALateAnswerForTheNextAsk) {
    BackgroundSentenceEngine engine(QString(), 0ms);
    const QString reading = u"きょうはいいてんきです"_s;
    // No time to wait: the model is not even loaded, so no answer yet.
    EXPECT_TRUE(engine.nbest(reading, 5).isEmpty());
    QStringList answer;
    const QDeadlineTimer patience(30s);
    while (answer.isEmpty() && !patience.hasExpired()) {
        QThread::msleep(10);
        answer = engine.nbest(reading, 5);
    }
    ASSERT_FALSE(answer.isEmpty());
    EXPECT_EQ(answer.first(), u"今日はいい天気です"_s);
    EXPECT_EQ(engine.state(), BackgroundSentenceEngine::State::Ready);
}

class ConvertToolTest : public ::testing::Test {
protected:
    void SetUp() override {
        // The tool in a folder of its own, with the shipped dictionary and a user one.
        ASSERT_TRUE(dir.isValid());
        tool = dir.filePath(u"pukana-convert"_s);
        ASSERT_TRUE(QFile::copy(QStringLiteral(PUKANA_BINARY_DIR "/pukana-convert"), tool));
        ASSERT_TRUE(QFile::copy(ShippedDic, dir.filePath(u"pukana.dic"_s)));
        QFile user(dir.filePath(u"pukana2.dic"_s));
        ASSERT_TRUE(user.open(QIODevice::WriteOnly));
        user.write(cp932::encode(u"ぷかな,普化菜\r\nかんじ,完爾\r\n"_s));
        user.close();
        dic.dicread(dir.path(), QString(), Dictionary::UserDic::ExistingOnly);
    }
    QString run(const QStringList& args, const QByteArray& input = {}) {
        QProcess process;
        process.start(tool, args);
        process.write(input);
        process.closeWriteChannel();
        EXPECT_TRUE(process.waitForFinished(60000));
        EXPECT_EQ(process.exitCode(), 0);
        return QString::fromUtf8(process.readAllStandardOutput());
    }
    // What the editor's list shows for each selection, in the tool's layout.
    QString expected(const QStringList& selections, SentenceConverter* engine) {
        QStringList groups;
        for (const QString& selected : selections) {
            const QString reading = henkanReading(selected);
            QString group;
            if (!reading.isEmpty()) {
                for (const QString& candidate : conversionCandidates(reading, dic, engine))
                    group += candidate + u'\n';
            }
            groups << group;
        }
        return groups.join(u'\n');
    }

    QTemporaryDir dir;
    QString tool;
    Dictionary dic;
};

TEST_F(ConvertToolTest, PrintsTheEditorsListForEachReading) {
    const QStringList readings{
        u"きょうはいいてんきです"_s, u" かんじ　"_s, u"ぷかな"_s, u"xyz"_s, u"  "_s, u"アメ"_s};
    const QString dictionaryOnly = expected(readings, nullptr);
    EXPECT_TRUE(dictionaryOnly.contains(u"完爾\n"_s)); // the user dictionary is read
    EXPECT_EQ(run(QStringList{u"--no-engine"_s} + readings), dictionaryOnly);
    // One reading a line on standard input, Windows line ends too.
    EXPECT_EQ(run({u"--no-engine"_s}, readings.join(u"\r\n"_s).toUtf8() + "\n"), dictionaryOnly);

    std::unique_ptr<SentenceConverter> engine = loadSentenceEngine(QString());
    if (!engine)
        GTEST_SKIP() << "no conversion engine";
    const QString withEngine = expected(readings, engine.get());
    EXPECT_TRUE(withEngine.contains(u"今日はいい天気です\n"_s));
    EXPECT_EQ(run(readings), withEngine);
    EXPECT_FALSE(QFile::exists(dir.filePath(u"userdata"_s)));
}
