#include "core/conversion/dictionary.h"

#include "core/error.h"
#include "core/formats/text_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <cstring>

using namespace Qt::StringLiterals;

namespace pukana {

namespace {

const QString kMainName = u"pukana.dic"_s;
const QString kUserName = u"pukana2.dic"_s;
// Far above what the slots can take; a larger file is not a dictionary.
constexpr qint64 kLargestDictionary = qint64(32) << 20;

// True when `path` exists or, when `create`, could be created empty. An existing file is
// never touched.
bool ensureUserDic(const QString& path, bool create) {
    if (QFileInfo::exists(path))
        return true;
    if (!create)
        return false;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return QFileInfo::exists(path); // created by someone else in the meantime
    file.close();
    return true;
}

QString findUserDic(const QString& mainDir, const QString& fallbackDir, bool create) {
    const QString inMain = QDir(mainDir).filePath(kUserName);
    if (ensureUserDic(inMain, create))
        return inMain;
    if (fallbackDir.isEmpty() || (create && !QDir().mkpath(fallbackDir)))
        return QString();
    const QString inFallback = QDir(fallbackDir).filePath(kUserName);
    return ensureUserDic(inFallback, create) ? inFallback : QString();
}

quint64 tagOf(QStringView field) {
    if (field.isEmpty())
        return 0;
    return quint64(field.size()) << 32 | quint64(field.front().unicode()) << 16 |
           field.back().unicode();
}

bool sameText(const QChar* data, quint32 size, QStringView text) {
    return size == quint32(text.size()) &&
           (size == 0 || std::memcmp(data, text.data(), size * sizeof(QChar)) == 0);
}

} // namespace

QStringView Dictionary::first(int slot) const {
    if (slot < 0 || size_t(slot) >= slots_.size())
        return {};
    return QStringView(slots_[slot].first, slots_[slot].firstSize);
}

QStringView Dictionary::second(int slot) const {
    if (slot < 0 || size_t(slot) >= slots_.size())
        return {};
    return QStringView(slots_[slot].second, slots_[slot].secondSize);
}

void Dictionary::store(int slot, QStringView a, QStringView b) {
    if (size_t(slot) >= slots_.size()) {
        // Slots are only touched once filled: a never-filled tail costs no memory.
        slots_.reserve(Capacity);
        slots_.resize(size_t(slot) + 1);
        tags_.reserve(Capacity);
        tags_.resize(size_t(slot) + 1);
    }
    slots_[slot] = Slot{a.data(), b.data(), quint32(a.size()), quint32(b.size())};
    tags_[slot] = Tags{tagOf(a), tagOf(b)};
}

void Dictionary::appendMatches(const QString& reading, QStringList& out) const {
    // Candidates get their own copy: the slots only refer into this dictionary's text.
    const quint64 tag = tagOf(reading);
    const Tags* tags = tags_.data();
    const size_t n = tags_.size();
    for (size_t i = 0; i < n; ++i) {
        // One test for both fields: almost every slot fails it.
        if ((tags[i].first == tag) | (tags[i].second == tag)) {
            const Slot& s = slots_[i];
            if (tags[i].first == tag && sameText(s.first, s.firstSize, reading))
                out << QString(s.second, qsizetype(s.secondSize));
            if (tags[i].second == tag && sameText(s.second, s.secondSize, reading))
                out << QString(s.first, qsizetype(s.firstSize));
        }
    }
    if (reading.isEmpty()) {
        // Every slot never filled holds two empty fields, each matching the empty reading.
        for (size_t i = slots_.size(); i < size_t(Capacity); ++i)
            out << QString() << QString();
    }
}

int Dictionary::readPairs(const QByteArray& bytes, int start, bool* overflowed) {
    FieldReader reader(bytes);
    int i = start;
    while (!reader.atEnd()) {
        const QStringView a = reader.readFieldView();
        if (reader.atEnd())
            break; // a lone last field has no partner
        const QStringView b = reader.readFieldView();
        if (i >= Capacity) {
            if (overflowed)
                *overflowed = true;
            break;
        }
        store(i, a, b);
        ++i;
    }
    // The slots refer into the decoded file instead of holding 120,000 copies of their own:
    // keep the text alive as long as the dictionary.
    texts_.push_back(reader.text());
    return i;
}

void Dictionary::checkMainFile(const QString& mainDir) {
    checkReadable(QDir(mainDir).filePath(kMainName), kLargestDictionary);
}

DicReadReport Dictionary::dicread(const QString& mainDir, const QString& fallbackDir,
                                  UserDic userDic) {
    DicReadReport report;
    QStringList cut; // files whose pairs did not all fit
    bool overflowed = false;

    const QString mainPath = QDir(mainDir).filePath(kMainName);
    int next = readPairs(readWholeFile(mainPath, kLargestDictionary), 0, &overflowed);
    if (overflowed)
        cut << QDir::toNativeSeparators(mainPath);

    report.userDicPath = findUserDic(mainDir, fallbackDir, userDic == UserDic::CreateMissing);
    if (!report.userDicPath.isEmpty()) {
        const QString shown = QDir::toNativeSeparators(report.userDicPath);
        try {
            overflowed = false;
            next =
                readPairs(readWholeFile(report.userDicPath, kLargestDictionary), next, &overflowed);
            if (overflowed)
                cut << shown;
        } catch (const PukanaError& e) {
            // The main dictionary alone still converts; losing the user's words is only
            // worth a message.
            report.notice =
                u"じしょ「%1」を よみこめませんでした。\n%2"_s.arg(shown, e.description());
        }
    }
    report.pairCount = next;

    if (!cut.isEmpty()) {
        QString names;
        for (const QString& name : std::as_const(cut))
            names += u"「"_s + name + u"」"_s;
        const QString full =
            u"じしょは 2つ あわせて %1くみまでです。\n"
            u"じしょ%2の %1くみを こえた ぶんは よみこんでいません。"_s.arg(Capacity)
                .arg(names);
        report.notice = report.notice.isEmpty() ? full : report.notice + u"\n"_s + full;
    }
    return report;
}

} // namespace pukana
