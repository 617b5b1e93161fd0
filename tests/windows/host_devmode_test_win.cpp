// The host's DEVMODE handling: what it accepts from a file, and the driver's sequence of
// SIZE, DEFAULT and MERGE through the plug-in.
#include <algorithm>
#include <cstring>
#include <vector>

#include "host_devmode_win.h"
#include "plugin_fixture_win.h"
#include "private_devmode.h"

namespace qzr::test {
namespace {

// A DEVMODE file's bytes: the public part, then a private part of extra bytes whose header
// claims recordSize.
std::vector<std::byte> DevmodeBytes(WORD dmSize, WORD extra, DWORD recordSize, std::size_t total) {
    std::vector<std::byte> bytes(total);
    DEVMODEW dm{};
    dm.dmSize = dmSize;
    dm.dmDriverExtra = extra;
    std::memcpy(bytes.data(), &dm, std::min(sizeof dm, total));
    if (total >= sizeof dm + 4) std::memcpy(bytes.data() + sizeof dm, &recordSize, 4);
    return bytes;
}

TEST(HostDevmode, ParseAcceptsOnlyConsistentSizes) {
    const struct Case {
        const char* rule;
        WORD dmSize, extra;
        DWORD recordSize;
        std::size_t total;
        bool accepted;
    } cases[] = {
        {"public part and record", 220, 576, 576, 796, true},
        {"a record shorter than the part", 220, 600, 576, 820, true},
        {"no private part", 220, 0, 0, 220, true},
        {"shorter than a DEVMODEW", 220, 0, 0, 219, false},
        {"another dmSize", 156, 576, 576, 732, false},
        {"bytes missing at the end", 220, 576, 576, 795, false},
        {"bytes beyond the private part", 220, 576, 576, 797, false},
        {"a private part too small for its header", 220, 8, 8, 228, false},
        {"a header that claims more than the part", 220, 100, 576, 320, false},
        {"a header that claims less than itself", 220, 576, 4, 796, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        std::string error;
        const auto devmode =
            host::HostDevmode::Parse(DevmodeBytes(c.dmSize, c.extra, c.recordSize, c.total), error);
        EXPECT_EQ(devmode.has_value(), c.accepted) << error;
        EXPECT_EQ(error.empty(), c.accepted);
    }
}

class DocumentDevmodeTest : public PluginTest {
protected:
    void SetUp() override {
        PluginTest::SetUp();
        plugin = CreatePlugin();
        ASSERT_TRUE(plugin);
    }
    void TearDown() override {
        plugin.reset();
        PluginTest::TearDown();
    }
    win::ComPtr<printoem::IPrintOemUI> plugin;
};

TEST_F(DocumentDevmodeTest, DefaultsThenMergesTheInput) {
    std::string error;
    const auto defaults =
        host::MakeDocumentDevmode(*plugin.get(), library.module(), nullptr, error);
    ASSERT_TRUE(defaults) << error;
    EXPECT_EQ(defaults->privateSize(), sizeof(PrivateDevmode));
    EXPECT_EQ(defaults->publicPart()->dmDriverExtra, sizeof(PrivateDevmode));
    EXPECT_EQ(defaults->publicPart()->dmOrientation, DMORIENT_LANDSCAPE);
    const auto* record = static_cast<const PrivateDevmode*>(defaults->privatePart());
    EXPECT_EQ(record->signature, kPrivateDevmodeSignature);
    EXPECT_EQ(record->settings.unsharpRadius, 10);

    // A saved DEVMODE with its own public choices and settings, one of them out of range.
    std::vector<std::byte> saved = defaults->bytes();
    auto* savedPublic = reinterpret_cast<DEVMODEW*>(saved.data());
    savedPublic->dmOrientation = DMORIENT_PORTRAIT;
    savedPublic->dmPaperSize = DMPAPER_LETTER;
    auto* savedRecord = reinterpret_cast<PrivateDevmode*>(saved.data() + sizeof(DEVMODEW));
    savedRecord->settings.brightness = 7;
    savedRecord->settings.sharpness = 9;
    const auto input = host::HostDevmode::Parse(saved, error);
    ASSERT_TRUE(input) << error;

    const auto merged = host::MakeDocumentDevmode(*plugin.get(), library.module(), &*input, error);
    ASSERT_TRUE(merged) << error;
    EXPECT_EQ(merged->publicPart()->dmOrientation, DMORIENT_PORTRAIT);
    EXPECT_EQ(merged->publicPart()->dmPaperSize, DMPAPER_LETTER);
    const auto* result = static_cast<const PrivateDevmode*>(merged->privatePart());
    EXPECT_EQ(result->settings.brightness, 7);
    EXPECT_EQ(result->settings.sharpness, 0) << "MERGE repairs what is out of range";
}

}  // namespace
}  // namespace qzr::test
