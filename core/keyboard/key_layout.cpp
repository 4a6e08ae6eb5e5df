#include "core/keyboard/key_layout.h"

#include "core/error.h"
#include "core/formats/text_file.h"

namespace pukana::keyboard {

QList<QRectF> keyGrid(const QRectF& templateRect) {
    // Square keys, even if the template were designed otherwise.
    const double w = templateRect.width();
    const double left0 = templateRect.left();
    double x = left0;
    double y = templateRect.top();
    QList<QRectF> keys;
    keys.reserve(KeyCount);
    for (int i = 1; i <= KeyCount; ++i) {
        keys.append(QRectF(x, y, w, w));
        // The row ends at the key whose offset reaches 14 widths; the two group gaps make
        // that the 15th key for any width above 60 twips.
        if (x - left0 >= w * (KeysPerRow - 1)) {
            y += w;
            x = left0;
        } else {
            x += w;
            if (i % KeysPerGroup == 0)
                x += GroupGap;
        }
    }
    return keys;
}

std::optional<QStringList> captionsFromBytes(const QByteArray& bytes, const QString& mode,
                                             const QString& fileName) {
    LineReader reader(bytes, LineReader::LineEnds::AnyEnd);
    while (!reader.atEnd()) {
        if (!reader.readLine().contains(mode))
            continue;
        QString joined;
        for (int n = 0; n < BlockLines; ++n) {
            if (reader.atEnd())
                raiseError(err::InputPastEnd, fileName);
            joined += reader.readLine();
        }
        QStringList captions;
        captions.reserve(KeyCount);
        for (int p = 0; p < KeyCount; ++p)
            captions.append(p < joined.size() ? QString(joined.at(p)) : QString(Placeholder));
        return captions;
    }
    return std::nullopt;
}

QString visibleCaption(const QString& typed) {
    if (!typed.isEmpty() && typed.trimmed().isEmpty())
        return QStringLiteral("\u2423");
    return typed;
}

std::optional<QStringList> loadCaptions(const QString& path, const QString& mode) {
    // The key file holds a few hundred characters: anything near this size is not ours.
    constexpr qint64 kLargestKeyFile = 64 << 10;
    return captionsFromBytes(readWholeFile(path, kLargestKeyFile), mode, path);
}

} // namespace pukana::keyboard
