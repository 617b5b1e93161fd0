// The host's modeless sheet ends the way a modal one would report it: OK or Cancel.
#include "plugin_fixture_win.h"
#include "plugin_sheet_win.h"

namespace qzr::test {
namespace {

TEST_F(PluginTest, ModelessSheetReportsOkAndCancel) {
    auto plugin = CreatePlugin();
    ASSERT_TRUE(plugin);
    for (const int button : {PSBTN_OK, PSBTN_CANCEL}) {
        SCOPED_TRACE(button);
        PluginSheet sheet;
        std::string error;
        ASSERT_TRUE(
            sheet.Open(*plugin.get(), library.module(), PluginSheet::Kind::Document, 1, error))
            << error;
        ASSERT_EQ(sheet.host.calls().size(), 2u);
        EXPECT_NE(sheet.host.calls()[0].answer, 0) << "the add call answers the created page";
        EXPECT_EQ(sheet.info.Result, 1u) << "one page added";
        EXPECT_NE(sheet.PluginPage(), nullptr);
        EXPECT_TRUE(sheet.sheet.IsOpen());
        sheet.sheet.PressButton(button);
        EXPECT_FALSE(sheet.sheet.IsOpen());
        EXPECT_EQ(sheet.sheet.RunUntilClosed(), button == PSBTN_OK);
        EXPECT_EQ(sheet.sheet.window(), nullptr);
    }
}

}  // namespace
}  // namespace qzr::test
