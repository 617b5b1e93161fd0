// IPrintOemUI::DevMode for each mode, through the plug-in's interface on real DEVMODEW buffers.
#include <algorithm>
#include <cstring>
#include <iterator>
#include <vector>

#include "host_devmode_win.h"
#include "plugin_fixture_win.h"
#include "private_devmode.h"

namespace qzr::test {
namespace {

// A private part with guard bytes behind its 576 bytes, to see writes past the record.
struct GuardedRecord {
    static constexpr std::size_t kGuard = 64;
    explicit GuardedRecord(unsigned char fill) : bytes(sizeof(PrivateDevmode) + kGuard, 0xEE) {
        std::memset(bytes.data(), fill, sizeof(PrivateDevmode));
    }
    PrivateDevmode* record() { return reinterpret_cast<PrivateDevmode*>(bytes.data()); }
    bool GuardIntact() const {
        for (std::size_t i = sizeof(PrivateDevmode); i < bytes.size(); ++i)
            if (bytes[i] != 0xEE) return false;
        return true;
    }
    std::vector<unsigned char> bytes;
};

class DevModeTest : public PluginTest {
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
    HRESULT Call(DWORD mode, void* in, void* out, DEVMODEW* publicDm = nullptr) {
        param = {};
        param.cbSize = sizeof param;
        param.pOEMDMIn = in;
        param.pOEMDMOut = out;
        param.pPublicDMIn = publicDm;
        param.cbBufSize = sizeof(PrivateDevmode);
        return plugin->DevMode(mode, &param);
    }

    win::ComPtr<printoem::IPrintOemUI> plugin;
    printoem::OEMDMPARAM param{};
};

TEST_F(DevModeTest, BadParameterBlockOrMode) {
    SetLastError(0);
    EXPECT_EQ(plugin->DevMode(printoem::OEMDM_SIZE, nullptr), E_FAIL);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    for (DWORD mode : {0u, 5u, 0xFFFFFFFFu}) {
        GuardedRecord out(0x11);
        SetLastError(0);
        EXPECT_EQ(Call(mode, nullptr, out.record()), E_FAIL) << mode;
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
        EXPECT_EQ(out.bytes[0], 0x11);
    }
}

TEST_F(DevModeTest, SizeAnswersTheRecordSizeAndTouchesNoRecord) {
    GuardedRecord in(0x22), out(0x33);
    EXPECT_EQ(Call(printoem::OEMDM_SIZE, in.record(), out.record()), S_OK);
    EXPECT_EQ(param.cbBufSize, 576u);
    EXPECT_EQ(out.bytes[0], 0x33);
    EXPECT_EQ(in.bytes[0], 0x22);
}

TEST_F(DevModeTest, DefaultWritesTheRecordAndThePublicRules) {
    const struct Case {
        const wchar_t* device;
        short paperIn, paperOut;
    } cases[] = {{L"Printer", 256, 9},
                 {L"\\\\server\\QZR", 256, 256},
                 {L"Printer", 255, 255},
                 {L"Printer", -1, -1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.paperIn);
        host::HostDevmode devmode(c.device, sizeof(PrivateDevmode));
        devmode.publicPart()->dmPaperSize = c.paperIn;
        const DWORD fieldsBefore = devmode.publicPart()->dmFields;
        GuardedRecord out(0xFF);
        ASSERT_EQ(Call(printoem::OEMDM_DEFAULT, nullptr, out.record(), devmode.publicPart()), S_OK);
        EXPECT_EQ(devmode.publicPart()->dmOrientation, DMORIENT_LANDSCAPE);
        EXPECT_EQ(devmode.publicPart()->dmPaperSize, c.paperOut);
        EXPECT_EQ(devmode.publicPart()->dmFields, fieldsBefore);

        PrivateDevmode expected;
        std::memset(&expected, 0xFF, sizeof expected);
        WritePrivateDevmodeDefaults(expected, GetUserDefaultLCID());
        EXPECT_EQ(std::memcmp(out.record(), &expected, sizeof expected), 0);
        EXPECT_EQ(out.record()->settings.brightness, -1);  // not a field DEFAULT writes
        EXPECT_TRUE(out.GuardIntact());
    }
}

TEST_F(DevModeTest, DefaultWithoutItsBuffersFailsAndWritesNothing) {
    host::HostDevmode devmode(L"Printer", sizeof(PrivateDevmode));
    devmode.publicPart()->dmPaperSize = 300;
    GuardedRecord out(0x44);
    SetLastError(0);
    EXPECT_EQ(Call(printoem::OEMDM_DEFAULT, nullptr, nullptr, devmode.publicPart()), E_FAIL);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_EQ(devmode.publicPart()->dmPaperSize, 300);
    EXPECT_EQ(devmode.publicPart()->dmOrientation, DMORIENT_PORTRAIT);

    SetLastError(0);
    EXPECT_EQ(Call(printoem::OEMDM_DEFAULT, nullptr, out.record(), nullptr), E_FAIL);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_EQ(out.bytes[0], 0x44);
}

PrivateDevmode Record(std::uint32_t size, std::int16_t brightness, char16_t pathUnit) {
    PrivateDevmode record{};
    WritePrivateDevmodeDefaults(record, 0x0409);
    record.size = size;
    record.settings.brightness = brightness;
    std::fill(std::begin(record.previewImagePath), std::end(record.previewImagePath), pathUnit);
    return record;
}

TEST_F(DevModeTest, ConvertCopiesOrResets) {
    // Matching signature, short source: bytes 0 to 99 arrive (the settings and the path's first
    // 22 units), the rest of the target's path stays.
    PrivateDevmode source = Record(100, 4, u'S');
    GuardedRecord out(0);
    *out.record() = Record(576, -4, u'T');
    ASSERT_EQ(Call(printoem::OEMDM_CONVERT, &source, out.record()), S_OK);
    EXPECT_EQ(out.record()->settings.brightness, 4);
    EXPECT_EQ(out.record()->previewImagePath[21], u'S');
    EXPECT_EQ(out.record()->previewImagePath[22], u'T');
    EXPECT_EQ(out.record()->size, 576u);

    // Another signature: zero settings (radius 0 stays with CONVERT), path kept.
    std::memcpy(&source.signature, "XXXX", 4);
    ASSERT_EQ(Call(printoem::OEMDM_CONVERT, &source, out.record()), S_OK);
    EXPECT_EQ(out.record()->settings.brightness, 0);
    EXPECT_EQ(out.record()->settings.unsharpRadius, 0);
    EXPECT_EQ(out.record()->previewImagePath[22], u'T');
    EXPECT_TRUE(out.GuardIntact());
}

TEST_F(DevModeTest, MergeRepairsOutOfRangeValues) {
    PrivateDevmode source = Record(576, 11, u'S');
    source.settings.sharpness = -5;
    source.settings.unsharpAmount = 13;
    source.settings.unsharpRadius = 0;
    source.settings.unsharpThreshold = 21;
    source.settings.orderId = -1;
    source.settings.colorMode = 7;
    GuardedRecord out(0);
    *out.record() = Record(576, 0, u'T');
    ASSERT_EQ(Call(printoem::OEMDM_MERGE, &source, out.record()), S_OK);
    const ColorSettings& s = out.record()->settings;
    EXPECT_EQ(s.brightness, 0);
    EXPECT_EQ(s.sharpness, 0);
    EXPECT_EQ(s.unsharpAmount, 5);
    EXPECT_EQ(s.unsharpRadius, 10);
    EXPECT_EQ(s.unsharpThreshold, 5);
    EXPECT_EQ(s.orderId, 0);
    EXPECT_EQ(s.colorMode, 7);
    EXPECT_EQ(out.record()->previewImagePath[0], u'S');

    std::memcpy(&source.signature, "XXXX", 4);
    ASSERT_EQ(Call(printoem::OEMDM_MERGE, &source, out.record()), S_OK);
    EXPECT_EQ(out.record()->settings.unsharpRadius, 10);
    EXPECT_EQ(out.record()->settings.brightness, 0);
}

// Records that claim more bytes than the driver's 576-byte buffers hold are copied only as far
// as those buffers reach.
TEST_F(DevModeTest, ConversionNeverPassesTheRecordSize) {
    for (DWORD mode : {printoem::OEMDM_CONVERT, printoem::OEMDM_MERGE}) {
        GuardedRecord in(0), out(0);
        *in.record() = Record(0xFFFFFFFF, 2, u'S');
        *out.record() = Record(100000, 0, u'T');
        ASSERT_EQ(Call(mode, in.record(), out.record()), S_OK);
        EXPECT_TRUE(out.GuardIntact());
        EXPECT_EQ(out.record()->size, 576u);
        EXPECT_EQ(out.record()->previewImagePath[0], u'S');
    }
}

TEST_F(DevModeTest, NullRecordsInConvertAndMergeWriteNothing) {
    for (DWORD mode : {printoem::OEMDM_CONVERT, printoem::OEMDM_MERGE}) {
        GuardedRecord out(0x5A);
        PrivateDevmode source = Record(576, 1, u'S');
        EXPECT_EQ(Call(mode, nullptr, out.record()), S_OK);
        EXPECT_EQ(Call(mode, &source, nullptr), S_OK);
        EXPECT_EQ(out.bytes[0], 0x5A);
        EXPECT_EQ(out.bytes[575], 0x5A);
    }
}

}  // namespace
}  // namespace qzr::test
