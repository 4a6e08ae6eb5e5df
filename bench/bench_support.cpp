#include "bench/bench_support.h"

#include "core/formats/cp932.h"

namespace pukana::bench {

QByteArray novelShiftJis(qsizetype targetBytes) {
    const QString sentences[] = {
        QStringLiteral("吾輩は猫である。名前はまだ無い。どこで生れたかとんと見当がつかぬ。"),
        QStringLiteral("何でも薄暗いじめじめした所でニャーニャー泣いていた事だけは記憶している。"),
        QStringLiteral("Chapter 1: ｶﾀｶﾅ and ASCII, 1234567890; ①②③ ㈱ 髙﨑 "),
    };
    QByteArray lines[3];
    for (int i = 0; i < 3; ++i)
        lines[i] = cp932::encode(sentences[i]) + cp932::encode(sentences[(i + 1) % 3]).left(30);
    QByteArray bytes;
    bytes.reserve(targetBytes + 200);
    for (int n = 0; bytes.size() < targetBytes; ++n) {
        bytes += lines[n % 3];
        bytes += "\r\n";
    }
    return bytes;
}

QString searchableProse(qsizetype units) {
    const QString line = QStringLiteral("きょうは Pukana でぶんしょをかきました。漢字も"
                                        "カタカナも ABC abc 123 もつかえます。\r\n");
    QString text;
    text.reserve(units + line.size());
    while (text.size() < units)
        text += line;
    return text;
}

} // namespace pukana::bench
