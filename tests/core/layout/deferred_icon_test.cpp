#include "core/layout/deferred_icon.h"

#include <QPixmap>
#include <gtest/gtest.h>

using namespace pukana;

namespace {

QImage pixels(const QPixmap& pixmap) {
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QIcon twoSizes() {
    QIcon icon;
    for (const auto& [size, colour] : {std::pair{16, Qt::red}, std::pair{32, Qt::blue}}) {
        QPixmap p(size, size);
        p.fill(colour);
        icon.addPixmap(p);
    }
    return icon;
}

} // namespace

TEST(DeferredIcon, MadeOnceAtFirstUseAndAnswersAsTheMadeIcon) {
    int made = 0;
    const QIcon icon = deferredIcon([&made] {
        ++made;
        return twoSizes();
    });
    const QIcon copy = icon; // as widgets and option structs copy it
    EXPECT_EQ(made, 0);

    const QIcon reference = twoSizes();
    for (const QSize size : {QSize(16, 16), QSize(24, 24), QSize(64, 64)}) {
        EXPECT_EQ(copy.actualSize(size), reference.actualSize(size)) << size.width();
        EXPECT_EQ(pixels(icon.pixmap(size, QIcon::Disabled)),
                  pixels(reference.pixmap(size, QIcon::Disabled)))
            << size.width();
    }
    EXPECT_EQ(made, 1);
}
