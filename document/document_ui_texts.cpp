#include "document/document_ui_texts.h"

namespace pukana::texts {

QString conversionLossQuestion(int count, QStringView samples) {
    QString shown;
    int shownCount = 0;
    for (qsizetype i = 0; i < samples.size(); ++i) {
        if (!shown.isEmpty())
            shown += u' ';
        shown += samples[i];
        if (samples[i].isHighSurrogate() && i + 1 < samples.size() &&
            samples[i + 1].isLowSurrogate())
            shown += samples[++i];
        ++shownCount;
    }
    if (count > shownCount)
        shown += u" …";
    return u"シフトJISであらわせないもじが " + QString::number(count) + u" こあります。\n" + shown +
           u"\n\nしょしきをけすと、これらのもじは「?」になります。つづけますか ?";
}

} // namespace pukana::texts
