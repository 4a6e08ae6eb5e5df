// Japanese and Latin text in their own fonts, sizes and weights: the associated character
// properties word processors read and write.
#include "core/formats/cp932.h"
#include "core/formats/rtf_reader.h"
#include "core/formats/rtf_writer.h"
#include "tests/core/formats/rtf_describe.h"

#include <QTextCursor>
#include <gtest/gtest.h>

using namespace pukana;
using namespace pukana::test;
using namespace Qt::StringLiterals;

namespace {

QStringList readDescribed(QByteArrayView source) {
    QTextDocument doc;
    rtf::read(source, doc);
    return describe(doc);
}

} // namespace

TEST(RtfScripts, ScriptWordsSelectWhatTheyFormat) {
    const char* head = R"({\rtf1{\fonttbl{\f0 Latin;}{\f1 Gothic;}{\f2 Mincho;}})";
    const std::pair<const char*, const char*> cases[] = {
        // Word: \f after \dbch is the double-byte font; \loch\f the Latin one; \fs, \b and
        // \i apply to both scripts.
        {R"(\hich\af0\dbch\f2\loch\f0\fs28\b ab日本)", "left: [ab|Latin|14 b] [日本|Mincho|14 b]"},
        // Associated words after \rtlch belong to right-to-left text until \ltrch.
        {R"(\rtlch\af1\afs40\ab\ai\ltrch\dbch\af2\afs20 x本)", "left: [x|Latin|12] [本|Mincho|10]"},
        // Before any script is selected, \f sets both and associated words set none.
        {R"(\f1\af2\afs40\ab x本)", "left: [x本|Gothic|12]"},
        // Symbols and punctuation go with their neighbours; ASCII is Latin.
        {R"(\loch\f0\dbch\af1\ab 「本」―x…)", "left: [「本」―|Gothic|12 b] [x…|Latin|12]"},
        // \plain forgets the selected script.
        {R"({\dbch\af1 本}\plain\f2 本x)", "left: [本|Gothic|12] [本x|Mincho|12]"},
        // In tables and field results (the field's instruction is not shown).
        {R"(\trowd\cellx100\intbl\dbch\af2\ab 本\cell\row{\field{\*\fldinst{\dbch\af1 X}})"
         R"({\fldrslt{\dbch\af1\ai 字}}})",
         "left: [本|Mincho|12 b] [\t|Latin|12]|left: [字|Gothic|12 b i]"},
    };
    for (const auto& [body, expected] : cases)
        EXPECT_EQ(readDescribed(cp932::encode(QString::fromUtf8(QByteArray(head) + body + '}')))
                      .join(u'|'),
                  QString::fromUtf8(expected))
            << body;
}

TEST(RtfScripts, JapaneseTextIsWrittenWithItsAssociatedFormat) {
    QTextDocument doc;
    QTextCursor cursor(&doc);
    QTextCharFormat format;
    format.setFontFamilies({u"IPAMincho"_s});
    format.setFontPointSize(14);
    format.setFontWeight(QFont::Bold);
    format.setFontItalic(true);
    cursor.insertText(u"Latin "_s, format);
    cursor.insertText(u"日本語〜−"_s, format);
    const QByteArray rtf = rtf::write(doc);
    // Word processors read the associated properties; the look-alikes carry their Unicode
    // character besides the code page 932 bytes.
    EXPECT_TRUE(rtf.contains(R"({\dbch\af1\afs28\ab\ai Latin \'93\'fa\'96\'7b\'8c\'ea)"
                             R"({\uc2\u12316\'81\'60}{\uc2\u8722\'81\'7c}})"))
        << rtf.constData();
    EXPECT_EQ(readDescribed(rtf), QStringList{u"left: [Latin 日本語〜−|IPAMincho|14 b i]"_s});
}
