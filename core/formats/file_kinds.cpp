#include "core/formats/file_kinds.h"

#include "core/document/path_naming.h"

#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace pukana {

OpenKind openKindFor(QStringView path) {
    if (isRichTextPath(path))
        return OpenKind::RichText;
    if (path.size() >= 4 && path.last(4).compare(u".doc", Qt::CaseInsensitive) == 0)
        return OpenKind::WordCandidate;
    return OpenKind::PlainText;
}

SaveFormat saveFormatFor(QStringView path) {
    return isRichTextPath(path) ? SaveFormat::RichText : SaveFormat::PlainText;
}

QString fileDialogFilter() {
    return u"すべてのファイル(*.*)|*.*"
           u"|テキストファイル(*.txt)|*.txt"
           u"|書式付きテキスト(*.rtf)|*.rtf"
           u"|(*.doc,*.bat,*.ini,*.log,*.sys)|*.doc;*.bat;*.ini;*.log;*.sys"_s;
}

int filterIndexFor(QStringView fileExt) {
    return fileExt.compare(u".rtf", Qt::CaseInsensitive) == 0 ? 3 : 2;
}

QString wordProcessorProgram() {
#ifdef Q_OS_WIN
    return u"write.exe"_s;
#else
    if (!QStandardPaths::findExecutable(u"lowriter"_s).isEmpty())
        return u"lowriter"_s;
    return u"xdg-open"_s;
#endif
}

} // namespace pukana
