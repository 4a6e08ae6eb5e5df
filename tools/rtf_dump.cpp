#include "tools/rtf_dump.h"

#include "core/formats/font_family_format.h"

#include <QLocale>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace pukana {

namespace {

const char* alignmentName(Qt::Alignment a) {
    if (a & Qt::AlignHCenter)
        return "center";
    if (a & Qt::AlignRight)
        return "right";
    if (a & Qt::AlignJustify)
        return "justify";
    return "left";
}

// A JSON string as QJsonDocument writes it: quote, backslash and control characters escaped,
// everything else in UTF-8, a lone surrogate as \uXXXX.
void appendString(std::string& out, QStringView text) {
    static constexpr char kHex[] = "0123456789abcdef";
    out += '"';
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text[i].unicode();
        if (c >= 0x20 && c < 0x80 && c != '"' && c != '\\') {
            out += char(c);
        } else if (c < 0x80) {
            out += '\\';
            switch (c) {
            case '"':
            case '\\':
                out += char(c);
                break;
            case '\b':
                out += 'b';
                break;
            case '\f':
                out += 'f';
                break;
            case '\n':
                out += 'n';
                break;
            case '\r':
                out += 'r';
                break;
            case '\t':
                out += 't';
                break;
            default:
                out += "u00";
                out += kHex[c >> 4];
                out += kHex[c & 15];
            }
        } else if (c < 0x800) {
            out += char(0xC0 | (c >> 6));
            out += char(0x80 | (c & 0x3F));
        } else if (!QChar::isSurrogate(c)) {
            out += char(0xE0 | (c >> 12));
            out += char(0x80 | ((c >> 6) & 0x3F));
            out += char(0x80 | (c & 0x3F));
        } else if (QChar::isHighSurrogate(c) && i + 1 < n && text[i + 1].isLowSurrogate()) {
            const char32_t u = QChar::surrogateToUcs4(c, text[++i].unicode());
            out += char(0xF0 | (u >> 18));
            out += char(0x80 | ((u >> 12) & 0x3F));
            out += char(0x80 | ((u >> 6) & 0x3F));
            out += char(0x80 | (u & 0x3F));
        } else {
            out += "\\u";
            for (int shift = 12; shift >= 0; shift -= 4)
                out += kHex[(c >> shift) & 15];
        }
    }
    out += '"';
}

const char* boolean(bool value) {
    return value ? "true" : "false";
}

// What a run's object says about its format, in the keys' order around "text":
// {"bold":…,"color":…,"font":…,"italic":…,"size":…,"strikethrough":…,"text":  and
// ,"underline":…}
struct FormatJson {
    int index = -1; // of the format in the document
    std::string beforeText;
    const char* afterText = nullptr;
};

// Sizes repeat from format to format: the text of the last one is kept.
struct SizeText {
    double size = -1;
    std::string text;

    const std::string& of(double value) {
        if (value != size) {
            size = value;
            text = QByteArray::number(value, 'g', QLocale::FloatingPointShortest).toStdString();
        }
        return text;
    }
};

FormatJson formatJson(const QTextCharFormat& f, const QFont& base, SizeText& sizeText) {
    QString family = fontFamilyOf(f);
    if (family.isEmpty())
        family = f.hasProperty(QTextFormat::FontFamily)
                     ? f.property(QTextFormat::FontFamily).toString()
                     : base.family();
    const double size =
        f.hasProperty(QTextFormat::FontPointSize) ? f.fontPointSize() : base.pointSizeF();
    const QColor color =
        f.hasProperty(QTextFormat::ForegroundBrush) ? f.foreground().color() : QColor(Qt::black);
    FormatJson json;
    std::string& b = json.beforeText;
    b += "{\"bold\":";
    b += boolean(f.fontWeight() > QFont::Medium);
    b += ",\"color\":\"#";
    char hex[8];
    std::snprintf(hex, sizeof hex, "%06x", color.rgb() & 0xFFFFFFu);
    b += hex;
    b += "\",\"font\":";
    appendString(b, family);
    b += ",\"italic\":";
    b += boolean(f.fontItalic());
    b += ",\"size\":";
    b += sizeText.of(size);
    b += ",\"strikethrough\":";
    b += boolean(f.fontStrikeOut());
    b += ",\"text\":";
    json.afterText = f.fontUnderline() ? ",\"underline\":true}" : ",\"underline\":false}";
    return json;
}

// Writes the paragraphs through `flush`, which takes what was written so far whenever it
// has grown large, and the rest at the end.
void dump(const QTextDocument& doc, const std::function<void(std::string&)>& flush) {
    constexpr std::size_t kChunk = 1 << 16;
    // Most documents have few formats shared by many fragments: their JSON is kept, in a
    // table of fixed size so that a document of a million formats needs no more memory.
    std::vector<FormatJson> known(256);
    SizeText sizeText;
    const QFont base = doc.defaultFont();
    std::string out;
    out.reserve(kChunk + 4096);
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        out += "{\"align\":\"";
        out += alignmentName(block.blockFormat().alignment());
        out += "\",\"runs\":[";
        bool first = true;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const int index = fragment.charFormatIndex();
            FormatJson& format = known[static_cast<std::size_t>(index) % known.size()];
            if (format.index != index) {
                format = formatJson(fragment.charFormat(), base, sizeText);
                format.index = index;
            }
            if (!first)
                out += ',';
            first = false;
            out += format.beforeText;
            appendString(out, fragment.text());
            out += format.afterText;
            if (out.size() >= kChunk)
                flush(out);
        }
        out += "]}\n";
        if (out.size() >= kChunk)
            flush(out);
    }
    flush(out);
}

} // namespace

void dumpDocument(const QTextDocument& doc, std::FILE* file) {
    dump(doc, [file](std::string& out) {
        std::fwrite(out.data(), 1, out.size(), file);
        out.clear();
    });
}

QByteArray dumpDocument(const QTextDocument& doc) {
    QByteArray all;
    dump(doc, [&all](std::string& out) {
        all.append(out.data(), static_cast<qsizetype>(out.size()));
        out.clear();
    });
    return all;
}

} // namespace pukana
