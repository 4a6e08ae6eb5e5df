#include "core/formats/rtf_keywords.h"

#include <algorithm>
#include <unordered_map>

namespace pukana::rtf {

namespace {

using Table = std::unordered_map<std::string_view, Cmd>;

void addFormatting(Table& t) {
    t.insert({
        {"b", Cmd::Bold},
        {"i", Cmd::Italic},
        {"ul", Cmd::Underline},
        {"ulnone", Cmd::UnderlineNone},
        {"strike", Cmd::Strike},
        {"striked", Cmd::Strike},
        {"fs", Cmd::FontSize},
        {"f", Cmd::Font},
        {"cf", Cmd::Color},
        {"plain", Cmd::Plain},
        {"v", Cmd::Hidden},
        {"af", Cmd::AssocFont},
        {"afs", Cmd::AssocSize},
        {"ab", Cmd::AssocBold},
        {"ai", Cmd::AssocItalic},
        {"loch", Cmd::LowAnsi},
        {"hich", Cmd::HighAnsi},
        {"dbch", Cmd::DoubleByte},
        {"rtlch", Cmd::RightToLeft},
        {"ltrch", Cmd::LeftToRight},
        {"pard", Cmd::Pard},
        {"ql", Cmd::AlignLeft},
        {"qc", Cmd::AlignCenter},
        {"qr", Cmd::AlignRight},
        {"qj", Cmd::AlignJustify},
        {"qd", Cmd::AlignJustify},
    });
    // Every kind of underline is shown as underline.
    for (std::string_view name :
         {"uld", "uldb", "uldash", "uldashd", "uldashdd", "ulhwave", "ulldash", "ulth", "ulthd",
          "ulthdash", "ulthdashd", "ulthdashdd", "ulthldash", "ululdbwave", "ulw", "ulwave"})
        t.emplace(name, Cmd::Underline);
}

void addDocumentAndContent(Table& t) {
    t.insert({
        {"ansi", Cmd::Ansi},
        {"mac", Cmd::Mac},
        {"pc", Cmd::Pc},
        {"pca", Cmd::Pca},
        {"ansicpg", Cmd::AnsiCodePage},
        {"deff", Cmd::DefaultFont},
        {"uc", Cmd::UnicodeSkip},
        {"u", Cmd::Unicode},
        {"fonttbl", Cmd::FontTable},
        {"colortbl", Cmd::ColorTable},
        {"fcharset", Cmd::Charset},
        {"cpg", Cmd::CodePage},
        {"red", Cmd::Red},
        {"green", Cmd::Green},
        {"blue", Cmd::Blue},
        {"par", Cmd::Par},
        {"sect", Cmd::Par},
        {"row", Cmd::Par},
        {"nestrow", Cmd::Par},
        {"line", Cmd::Line},
        {"tab", Cmd::Tab},
        {"cell", Cmd::Tab},
        {"nestcell", Cmd::Tab},
    });
    for (std::string_view name :
         {"bullet", "lquote", "rquote", "ldblquote", "rdblquote", "emdash", "endash", "emspace",
          "enspace", "qmspace", "zwj", "zwnj", "ltrmark", "rtlmark"})
        t.emplace(name, Cmd::Char);
}

// Destinations whose content is not document text.
void addSkipped(Table& t) {
    static constexpr std::string_view skipped =
        "stylesheet info pict objdata header headerl headerr headerf footer footerl "
        "footerr footerf footnote annotation atnid atnauthor private xe tc txe rxe "
        "bkmkstart bkmkend listtable listoverridetable revtbl rsidtbl generator "
        "themedata colorschememapping latentstyles datastore xmlnstbl filetbl pn pntxta "
        "pntxtb nonshppict shppict shp shpinst sp sn sv do datafield template author "
        "operator title subject keywords comment doccomm company buptim creatim revtim "
        "printim userprops docvar ftnsep ftnsepc ftncn aftnsep aftnsepc aftncn panose "
        "falt fontemb fontfile mmathPr pgdsctbl listpicture fldinst ud expandedcolortbl "
        "pgptbl protusertbl wgrffmtfilter fchars lchars background";
    for (std::size_t at = 0; at < skipped.size();) {
        const std::size_t space = std::min(skipped.find(' ', at), skipped.size());
        t.emplace(skipped.substr(at, space - at), Cmd::SkipDest);
        at = space + 1;
    }
}

} // namespace

Cmd keyword(std::string_view name) {
    static const Table table = [] {
        Table t;
        addFormatting(t);
        addDocumentAndContent(t);
        addSkipped(t);
        return t;
    }();
    const auto it = table.find(name);
    return it == table.end() ? Cmd::Unknown : it->second;
}

char16_t specialChar(std::string_view name) {
    static const std::unordered_map<std::string_view, char16_t> chars{
        {"bullet", 0x2022},    {"lquote", 0x2018},  {"rquote", 0x2019}, {"ldblquote", 0x201C},
        {"rdblquote", 0x201D}, {"emdash", 0x2014},  {"endash", 0x2013}, {"emspace", 0x2003},
        {"enspace", 0x2002},   {"qmspace", 0x2005}, {"zwj", 0x200D},    {"zwnj", 0x200C},
        {"ltrmark", 0x200E},   {"rtlmark", 0x200F},
    };
    auto it = chars.find(name);
    return it == chars.end() ? char16_t(0) : it->second;
}

} // namespace pukana::rtf
