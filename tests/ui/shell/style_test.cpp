// The editor's style: the first window is shown without loading Qt's image plugins.
#include "tests/support/window_fixture.h"
#include "ui/widgets/deferred_icon_style.h"

#include <cstring>
#include <link.h>

using namespace pukana;

namespace {

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
