// The two conversion dictionaries held in memory: 60001 fixed pair slots filled in file order.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <vector>

namespace pukana {

/// What one `dicread` did, for the caller to show or log.
struct DicReadReport {
    /// Empty, or one Japanese message for the user: the named files were not loaded whole
    /// because the slots ran out, or the user dictionary could not be read.
    QString notice;
    /// The user dictionary that was read (created empty when it was missing); empty when
    /// neither folder could hold one.
    QString userDicPath;
    /// Pairs stored by this read (from slot 0 upward).
    int pairCount = 0;
};

/// The pairs of `pukana.dic` followed by those of `pukana2.dic`. Slots past the last pair
/// read stay empty; a later read overwrites from slot 0 and leaves higher slots as they were.
class Dictionary {
public:
    static constexpr int Capacity = 60001;

    /// Whether dicread creates a missing user dictionary (the editor) or only reads one
    /// that is there (tools that must not write).
    enum class UserDic { CreateMissing, ExistingOnly };

    /// All slots empty.
    Dictionary() = default;

    /// Reads `mainDir`/pukana.dic, then the user dictionary pukana2.dic: from `mainDir` when
    /// it is there or can be created empty there, else from `fallbackDir` (created empty
    /// there when missing), else none. Fields are paired across lines; a lone last field is
    /// dropped. Pairs beyond the capacity are not loaded and are named in the notice.
    /// Throws PukanaError naming pukana.dic when it is missing or unreadable.
    DicReadReport dicread(const QString& mainDir, const QString& fallbackDir = QString(),
                          UserDic userDic = UserDic::CreateMissing);

    /// Throws what dicread would when `mainDir`/pukana.dic cannot be read (missing, no
    /// regular file, too large, not readable), without reading it.
    static void checkMainFile(const QString& mainDir);

    /// Stores the pairs of one file's bytes from slot `start` upward. Returns the next free
    /// slot; sets `*overflowed` when a whole pair found no slot (the rest is then skipped).
    int readPairs(const QByteArray& bytes, int start, bool* overflowed = nullptr);

    /// Appends, for every slot in order, its second field when its first equals `reading` and
    /// then its first field when its second equals `reading` (exact code units).
    void appendMatches(const QString& reading, QStringList& out) const;

    /// The first and the second field of a slot (0 <= `slot` < Capacity); empty for a slot
    /// never filled.
    QStringView first(int slot) const;
    QStringView second(int slot) const;

private:
    // One pair as views into a decoded file held in texts_. Slots at and past slots_.size()
    // were never filled and count as two empty fields.
    struct Slot {
        const QChar* first = nullptr;
        const QChar* second = nullptr;
        quint32 firstSize = 0;
        quint32 secondSize = 0;
    };
    // Length and end characters of both fields of a slot, compared before the text itself
    // so a scan of all slots rarely leaves this dense array.
    struct Tags {
        quint64 first = 0;
        quint64 second = 0;
    };
    void store(int slot, QStringView a, QStringView b);

    std::vector<QString> texts_; // the decoded files the slots refer into
    std::vector<Slot> slots_;
    std::vector<Tags> tags_; // one for each slot in slots_
};

} // namespace pukana
