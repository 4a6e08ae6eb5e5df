#include "core/document/document_texts.h"

namespace pukana::texts {

QString notTextMessage(const QString& path) {
    return u"ファイル'" + path + u"'は、" + kNotTextRefusal;
}

QString lossySaveQuestion(qsizetype count, const QString& path) {
    return u"ファイル'" + path + u"'には、もじにならないバイトが " + QString::number(count) +
           u" こありました。\nうわがきすると、これらのバイトはきえてしまいます。\n\n"
           u"うわがきしますか ?";
}

QString settingsReadMessage(const QString& description) {
    return description +
           u"  せっていファイルをよみこめなかったので、はじめのせっていでつづけます。";
}

QString openErrorMessage(const QString& description, const QString& path) {
    return description + u"  ファイル'" + path +
           u"'をひらくときにエラーがはっせいしました。もういちどじっこうしてください。";
}

QString saveErrorMessage(const QString& description, const QString& path) {
    return description + u"  ファイル'" + path +
           u"'をとじるときにエラーがはっせいしました。もういちどじっこうしてください。";
}

namespace {
/// The first few characters that Shift_JIS cannot hold, blank-separated, "…" when cut short.
QString sampleLine(int count, QStringView samples) {
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
    return shown;
}
} // namespace

QString unencodableQuestion(int count, QStringView samples) {
    return u"シフトJISでほぞんできないもじが " + QString::number(count) + u" こあります。\n" +
           sampleLine(count, samples) + u"\n\nこれらのもじを「?」にかえてほぞんしますか ?";
}

QString conversionLossQuestion(int count, QStringView samples) {
    return u"シフトJISであらわせないもじが " + QString::number(count) + u" こあります。\n" +
           sampleLine(count, samples) +
           u"\n\nしょしきをけすと、これらのもじは「?」になります。つづけますか ?";
}

QString scratchFileErrorMessage(const QString& description) {
    return description + u"  さぎょうファイルがつかえないので、しょしきをけせませんでした。";
}

} // namespace pukana::texts
