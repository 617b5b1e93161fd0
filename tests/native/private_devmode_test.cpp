#include "private_devmode.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "settings_fields.h"

namespace qzr {
namespace {

PrivateDevmode Filled(unsigned char byte) {
    PrivateDevmode record;
    std::memset(&record, byte, sizeof record);
    return record;
}

void ExpectHeader(const PrivateDevmode& record) {
    EXPECT_EQ(record.size, 576u);
    EXPECT_EQ(std::memcmp(&record.signature, "ZKTB", 4), 0);
    EXPECT_EQ(record.version, 1u);
}

TEST(Defaults, ZeroBufferGetsDefaultsByLocale) {
    struct Case {
        std::uint32_t locale;
        std::int16_t printMode;
    } cases[] = {{0x0409, 0}, {0x0411, 1}, {0x0811, 1}, {0x0007, 0}, {0x1111, 1}, {0x0412, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.locale);
        PrivateDevmode record = Filled(0);
        WritePrivateDevmodeDefaults(record, c.locale);
        ExpectHeader(record);
        ColorSettings expected{};
        expected.unsharpAmount = 5;
        expected.unsharpRadius = 10;
        expected.unsharpThreshold = 5;
        expected.printMode = c.printMode;
        EXPECT_EQ(std::memcmp(&record.settings, &expected, sizeof expected), 0);
        EXPECT_EQ(record.previewImagePath[0], u'\0');
    }
}

TEST(Defaults, FieldsNotWrittenKeepWhatTheBufferHeld) {
    PrivateDevmode record = Filled(0xFF);
    WritePrivateDevmodeDefaults(record, 0x0409);
    ExpectHeader(record);
    const ColorSettings& s = record.settings;
    for (std::int16_t kept : {s.brightness, s.contrast, s.saturation, s.cyanBalance,
                              s.magentaBalance, s.yellowBalance, s.sharpness, s.resize})
        EXPECT_EQ(kept, -1);
    EXPECT_EQ(s.alignment[0], 0xFF);
    EXPECT_EQ(s.alignment[1], 0xFF);
    EXPECT_EQ(record.previewImagePath[0], 0xFFFF);
    EXPECT_EQ(record.previewImagePath[259], 0xFFFF);
    EXPECT_EQ(s.unsharpEnabled, 0);
    EXPECT_EQ(s.unsharpAmount, 5);
    EXPECT_EQ(s.unsharpRadius, 10);
    EXPECT_EQ(s.unsharpThreshold, 5);
    EXPECT_EQ(s.naturalColorOff, 0);
    EXPECT_EQ(s.orderId, 0);
    EXPECT_EQ(s.orderIdEnabled, 0);
    EXPECT_EQ(s.colorMode, 0);
    EXPECT_EQ(s.printMode, 0);
}

TEST(Defaults, PublicPartIsLandscapeAndCustomPaperBecomesA4) {
    struct Case {
        std::int16_t paperIn;
        char16_t firstNameUnit;
        std::int16_t paperOut;
    } cases[] = {
        {256, u'P', 9},                          // custom size on a local printer
        {256, u'\\', 256},                       // a network name keeps its custom size
        {300, u'Q', 9},                          // any size above the first custom one
        {255, u'P', 255},                        // below the custom range
        {static_cast<std::int16_t>(0xFFFF), u'P', static_cast<std::int16_t>(0xFFFF)},
        {1, u'\0', 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.paperIn);
        const PublicDevmodeDefaults result = ApplyPublicDevmodeDefaults(c.paperIn, c.firstNameUnit);
        EXPECT_EQ(result.orientation, 2);
        EXPECT_EQ(result.paperSize, c.paperOut);
    }
}

PrivateDevmode MatchingRecord(std::uint32_t size, unsigned char fill) {
    PrivateDevmode record = Filled(fill);
    record.size = size;
    record.signature = kPrivateDevmodeSignature;
    record.version = 7;
    return record;
}

TEST(Convert, MatchingSignatureCopiesTheSmallerSize) {
    struct Case {
        std::uint32_t sourceSize, targetSize;
        std::size_t copied;
    } cases[] = {
        {576, 576, 576},
        {100, 576, 100},  // the settings and the first 22 units of the path
        {12, 576, 12},    // header only
        {576, 100, 100},  // the target's size bounds the copy too
        {5000, 576, 576}, // a size beyond any real buffer is bounded by the record
        {5000, 0xFFFFFFFF, 576},
        {0, 576, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.sourceSize << " into " << c.targetSize);
        const PrivateDevmode source = MatchingRecord(c.sourceSize, 0x11);
        PrivateDevmode target = MatchingRecord(c.targetSize, 0x22);
        ASSERT_TRUE(ConvertPrivateDevmode(&source, &target));
        EXPECT_EQ(target.size, 576u);
        EXPECT_EQ(target.version, 1u);
        EXPECT_EQ(target.signature, kPrivateDevmodeSignature);
        const auto* bytes = reinterpret_cast<const unsigned char*>(&target);
        for (std::size_t i = 12; i < sizeof target; ++i)
            ASSERT_EQ(bytes[i], i < c.copied ? 0x11 : 0x22) << "byte " << i;
    }
}

TEST(Convert, OtherSignatureGivesZeroSettingsAndKeepsThePath) {
    PrivateDevmode source = MatchingRecord(576, 0x44);
    std::memcpy(&source.signature, "ABCD", 4);
    PrivateDevmode target = Filled(0x5A);
    target.previewImagePath[0] = u'T';
    ASSERT_TRUE(ConvertPrivateDevmode(&source, &target));
    ExpectHeader(target);
    const ColorSettings zero{};
    EXPECT_EQ(std::memcmp(&target.settings, &zero, sizeof zero), 0);
    EXPECT_EQ(target.settings.unsharpRadius, 0);
    EXPECT_EQ(target.previewImagePath[0], u'T');
    EXPECT_EQ(target.previewImagePath[1], 0x5A5A);

    // Merge is convert and validate: the zero radius is repaired.
    ASSERT_TRUE(ValidatePrivateDevmode(&target));
    ColorSettings merged{};
    merged.unsharpRadius = 10;
    EXPECT_EQ(std::memcmp(&target.settings, &merged, sizeof merged), 0);
}

TEST(Convert, NullRecordsWriteNothing) {
    PrivateDevmode record = Filled(0x33);
    const PrivateDevmode before = record;
    EXPECT_FALSE(ConvertPrivateDevmode(nullptr, &record));
    EXPECT_FALSE(ConvertPrivateDevmode(&record, nullptr));
    EXPECT_FALSE(ConvertPrivateDevmode(nullptr, nullptr));
    EXPECT_EQ(std::memcmp(&record, &before, sizeof record), 0);
    EXPECT_FALSE(ValidatePrivateDevmode(nullptr));
}

TEST(Convert, SameRecordAsSourceAndTarget) {
    PrivateDevmode record = MatchingRecord(576, 0x06);
    ASSERT_TRUE(ConvertPrivateDevmode(&record, &record));
    EXPECT_EQ(record.settings.brightness, 0x0606);
    EXPECT_EQ(record.version, 1u);
}

TEST(Validate, OutOfRangeFieldsAreReplacedAndOthersKept) {
    PrivateDevmode record = Filled(0);
    record.size = 12;
    record.version = 9;
    record.signature = 0;
    ColorSettings& s = record.settings;
    s.brightness = 11;
    s.sharpness = -5;
    s.unsharpAmount = 13;
    s.unsharpRadius = 0;
    s.unsharpThreshold = 21;
    s.orderId = 1001;
    s.colorMode = 7;
    s.printMode = -3;
    s.unsharpEnabled = 9;
    s.naturalColorOff = 2;
    s.orderIdEnabled = -1;
    s.alignment[0] = 0xAB;
    record.previewImagePath[0] = u'x';
    ASSERT_TRUE(ValidatePrivateDevmode(&record));
    ExpectHeader(record);
    EXPECT_EQ(s.brightness, 0);
    EXPECT_EQ(s.sharpness, 0);
    EXPECT_EQ(s.unsharpAmount, 5);
    EXPECT_EQ(s.unsharpRadius, 10);
    EXPECT_EQ(s.unsharpThreshold, 5);
    EXPECT_EQ(s.orderId, 0);
    // Not validated: kept whatever they hold.
    EXPECT_EQ(s.colorMode, 7);
    EXPECT_EQ(s.printMode, -3);
    EXPECT_EQ(s.unsharpEnabled, 9);
    EXPECT_EQ(s.naturalColorOff, 2);
    EXPECT_EQ(s.orderIdEnabled, -1);
    EXPECT_EQ(s.alignment[0], 0xAB);
    EXPECT_EQ(record.previewImagePath[0], u'x');
}

// Every validated field: both bounds kept, one step beyond each bound and the extremes of its
// width replaced.
TEST(Validate, BoundsAreInclusiveForEveryField) {
    for (const SettingsField& field : kSettingsFields) {
        if (!field.validated) continue;
        const std::int32_t widthMin = field.width == 2 ? INT16_MIN : INT32_MIN;
        const std::int32_t widthMax = field.width == 2 ? INT16_MAX : INT32_MAX;
        const struct {
            std::int32_t value, expected;
        } cases[] = {
            {field.keptMin, field.keptMin},        {field.keptMax, field.keptMax},
            {field.keptMin - 1, field.replacement}, {field.keptMax + 1, field.replacement},
            {widthMin, field.replacement},         {widthMax, field.replacement},
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(testing::Message() << field.name << " = " << c.value);
            PrivateDevmode record = Filled(0);
            WritePrivateDevmodeDefaults(record, 0x0409);
            WriteField(record.settings, field, c.value);
            ASSERT_TRUE(ValidatePrivateDevmode(&record));
            EXPECT_EQ(ReadField(record.settings, field), c.expected);
        }
    }
}

}  // namespace
}  // namespace qzr
