// The editor's style: Qt's own look, with the menu bar's overflow icon read when painted.
#include "tests/support/window_fixture.h"
#include "ui/widgets/deferred_icon_style.h"

#include <QStyleFactory>
#include <cstring>
#include <link.h>

using namespace pukana;
using namespace Qt::StringLiterals;

namespace {

class CountingStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    QIcon standardIcon(StandardPixmap which, const QStyleOption* option,
                       const QWidget* widget) const override {
        ++asked;
        return QProxyStyle::standardIcon(which, option, widget);
    }
    mutable int asked = 0;
};

QImage pixels(const QIcon& icon) {
    return icon.pixmap(16).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

bool imagePluginLoaded() {
    bool found = false;
    dl_iterate_phdr(
        [](dl_phdr_info* info, size_t, void* data) {
            if (info->dlpi_name && std::strstr(info->dlpi_name, "/imageformats/"))
                *static_cast<bool*>(data) = true;
            return 0;
        },
        &found);
    return found;
}

} // namespace

TEST(DeferredIconStyle, OverflowIconsReadWhenPaintedLookTheSame) {
    auto* counting = new CountingStyle(QStyleFactory::create(u"Fusion"_s));
    const DeferredIconStyle style(counting);
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(u"Fusion"_s));
    const QIcon unpainted = style.standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
    int asked = 0;
    for (const auto which :
         {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton}) {
        const QIcon icon = style.standardIcon(which);
        EXPECT_EQ(counting->asked, asked) << which;
        EXPECT_EQ(pixels(icon), pixels(fusion->standardIcon(which))) << which;
        EXPECT_EQ(counting->asked, ++asked) << which; // once, and never for the unpainted one
    }
    // Every other icon comes from the base style at once.
    style.standardIcon(QStyle::SP_MessageBoxQuestion);
    EXPECT_EQ(counting->asked, 3);
}

namespace {

/// Under the editor's style from the start; meaningful only while no earlier test in this
/// process loaded an image plugin (ctest also runs it alone).
class FirstWindow : public test::WindowFixture {
protected:
    void SetUp() override {
        pluginsLoadedBefore = imagePluginLoaded();
        if (!pluginsLoadedBefore)
            QApplication::setStyle(new DeferredIconStyle(QApplication::style()));
        WindowFixture::SetUp();
    }
    bool pluginsLoadedBefore = false;
};

} // namespace

TEST_F(FirstWindow, ShownWithoutLoadingImagePlugins) {
    if (pluginsLoadedBefore)
        GTEST_SKIP() << "an earlier test loaded image plugins";
    start();
    QApplication::processEvents();
    EXPECT_FALSE(imagePluginLoaded());
}
