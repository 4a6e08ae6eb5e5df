#include "core/layout/alignment_pictures.h"

namespace pukana {

QImage alignmentPicture(AlignmentPicture kind) {
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(QColor(0xC0, 0xC0, 0xC0));
    const QRgb black = qRgb(0, 0, 0);
    for (int i = 0; i < 6; ++i) {
        const int row = 3 + 2 * i; // 1-based
        int first = 0;             // 1-based columns, inclusive
        int last = 0;
        switch (kind) {
        case AlignmentPicture::Left: {
            const int length = i % 2 == 0 ? 9 : 13;
            first = 2;
            last = first + length - 1;
            break;
        }
        case AlignmentPicture::Centre: {
            const int length = i % 2 == 0 ? 14 : 10;
            first = 1 + (14 - length) / 2;
            last = first + length - 1;
            break;
        }
        case AlignmentPicture::Right: {
            const int length = i % 2 == 0 ? 14 : 10;
            last = 14;
            first = last - length + 1;
            break;
        }
        }
        for (int col = first; col <= last; ++col)
            image.setPixel(col - 1, row - 1, black);
    }
    return image;
}

} // namespace pukana
