#include <gtest/gtest.h>

#include "private_devmode.h"
#include "private_devmode_text.h"
#include "settings_fields.h"
#include "utf16.h"

namespace qzr {
namespace {

TEST(SettingsFields, TableCoversEveryByteButTheAlignment) {
    std::size_t covered = 0;
    for (const SettingsField& field : kSettingsFields) covered += field.width;
    EXPECT_EQ(covered, sizeof(ColorSettings) - 2);
    EXPECT_EQ(FindSettingsField("unsharpRadius")->offset, 22u);
    EXPECT_EQ(FindSettingsField("nosuchfield"), nullptr);
}

TEST(SettingsFields, ReadAndWriteKeepTheFieldWidth) {
    ColorSettings settings{};
    WriteField(settings, *FindSettingsField("resize"), 70000);  // truncated to 16 bits
    EXPECT_EQ(settings.resize, static_cast<std::int16_t>(70000));
    WriteField(settings, *FindSettingsField("orderId"), 70000);
    EXPECT_EQ(settings.orderId, 70000);
    EXPECT_EQ(settings.orderIdEnabled, 0);
    settings.contrast = -7;
    EXPECT_EQ(ReadField(settings, *FindSettingsField("contrast")), -7);
}

TEST(Describe, RecordPrintsOneFieldPerLine) {
    PrivateDevmode record{};
    WritePrivateDevmodeDefaults(record, 0x0411);
    record.settings.brightness = -3;
    const std::u16string path = u"C:\\Bilder\\Straße.bmp";
    path.copy(record.previewImagePath, path.size());
    const std::string text = DescribePrivateDevmode(record, "  ");
    EXPECT_NE(text.find("  size 576\n"), std::string::npos);
    EXPECT_NE(text.find("  signature ZKTB\n"), std::string::npos);
    EXPECT_NE(text.find("  brightness -3\n"), std::string::npos);
    EXPECT_NE(text.find("  unsharpRadius 10\n"), std::string::npos);
    EXPECT_NE(text.find("  printMode 1\n"), std::string::npos);
    EXPECT_NE(text.find("  previewImagePath \"C:\\Bilder\\Stra\xC3\x9F" "e.bmp\"\n"),
              std::string::npos);
    EXPECT_EQ(SignatureText(0x0041FF7A), "z\\xFFA\\x00");
}

TEST(Utf16, RoundTripsAndReplacesBrokenSequences) {
    const std::u16string text = u"a\u00DF\u20AC\U0001F5A8";
    EXPECT_EQ(Utf8ToUtf16(Utf16ToUtf8(text)), text);
    EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t{0xD800})), "\xEF\xBF\xBD");
    EXPECT_EQ(Utf8ToUtf16("\xC3"), u"\uFFFD");
    EXPECT_EQ(Utf8ToUtf16("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD");
    const char16_t buffer[4] = {u'a', u'b', u'c', u'd'};
    EXPECT_EQ(TerminatedView(buffer, 4), u"abcd");
}

}  // namespace
}  // namespace qzr
