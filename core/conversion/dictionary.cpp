#include "core/conversion/dictionary.h"

#include "core/error.h"
#include "core/formats/text_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

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

quint64 tagOf(const QString& field) {
    if (field.isEmpty())
        return 0;
    const quint64 size = quint64(qMin<qsizetype>(field.size(), 0xFFFFFFFF));
    return size << 32 | quint64(field.front().unicode()) << 16 | field.back().unicode();
}

} // namespace

Dictionary::Dictionary()
    : first_(Capacity), second_(Capacity), firstTag_(Capacity), secondTag_(Capacity) {}

void Dictionary::store(int slot, QString a, QString b) {
    firstTag_[slot] = tagOf(a);
    secondTag_[slot] = tagOf(b);
    first_[slot] = std::move(a);
    second_[slot] = std::move(b);
}

void Dictionary::appendMatches(const QString& reading, QStringList& out) const {
    const quint64 tag = tagOf(reading);
    for (int i = 0; i < Capacity; ++i) {
        // Candidates get their own copy: the slots only refer into this dictionary's text.
        if (firstTag_[i] == tag && first_[i] == reading)
            out << QString(second_[i].constData(), second_[i].size());
        if (secondTag_[i] == tag && second_[i] == reading)
            out << QString(first_[i].constData(), first_[i].size());
    }
}

int Dictionary::readPairs(const QByteArray& bytes, int start, bool* overflowed) {
    FieldReader reader(bytes);
    // The slots refer into the decoded file instead of holding 120,000 copies of their own:
    // keep the text alive as long as the dictionary.
    texts_.push_back(reader.text());
    auto keep = [](QStringView field) { return QString::fromRawData(field.data(), field.size()); };
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
        store(i, keep(a), keep(b));
        ++i;
    }
    return i;
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
