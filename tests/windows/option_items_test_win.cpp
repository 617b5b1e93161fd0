// CommonUIProp and the two option item callbacks, through the plug-in's interface.
#include <cstring>
#include <vector>

#include "hooks_fixture_win.h"

namespace qzr::test {
namespace {

// A parameter block filled with a pattern, to see every byte the plug-in writes.
printoem::OEMCUIPPARAM PatternedParams() {
    printoem::OEMCUIPPARAM param;
    std::memset(&param, 0x5C, sizeof param);
    param.cbSize = sizeof param;
    param.pOEMOptItems = nullptr;
    param.pDrvOptItems = nullptr;
    param.cDrvOptItems = 0;
    return param;
}

TEST_F(HooksTest, FirstCommonUIPropCallAsksForItems) {
    const struct {
        DWORD mode, count;
    } cases[] = {{printoem::OEMCUIP_DOCPROP, 3}, {printoem::OEMCUIP_PRNPROP, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        printoem::OEMCUIPPARAM param = PatternedParams();
        printoem::OEMCUIPPARAM expected = param;
        expected.cOEMOptItems = c.count;
        ASSERT_EQ(plugin->CommonUIProp(c.mode, &param), S_OK);
        EXPECT_EQ(std::memcmp(&param, &expected, sizeof param), 0) << "only the count changes";
    }
}

TEST_F(HooksTest, DocumentItemsHideTheDriversColourOptionOnly) {
    std::vector<OPTITEM> driver(3);
    driver[0].DMPubID = DMPUB_COLOR;
    driver[0].Flags = 0x20;
    driver[1].DMPubID = 7;
    driver[1].Flags = 0x20;
    driver[2].DMPubID = DMPUB_COLOR;
    driver[2].Flags = OPTIF_HIDE;  // already hidden stays hidden
    std::vector<OPTITEM> own(3);
    std::memset(own.data(), 0xAB, sizeof(OPTITEM) * own.size());

    printoem::OEMCUIPPARAM param = PatternedParams();
    param.pDrvOptItems = driver.data();
    param.cDrvOptItems = static_cast<DWORD>(driver.size());
    param.pOEMOptItems = own.data();
    param.cOEMOptItems = static_cast<DWORD>(own.size());
    ASSERT_EQ(plugin->CommonUIProp(printoem::OEMCUIP_DOCPROP, &param), S_OK);

    EXPECT_EQ(driver[0].Flags, 0x22u);
    EXPECT_EQ(driver[1].Flags, 0x20u);
    EXPECT_EQ(driver[2].Flags, static_cast<DWORD>(OPTIF_HIDE));
    OPTITEM blank{};
    blank.cbSize = sizeof(OPTITEM);
    static_assert(sizeof(OPTITEM) == 88);
    for (const OPTITEM& item : own) EXPECT_EQ(std::memcmp(&item, &blank, sizeof item), 0);
    EXPECT_EQ(param.cOEMOptItems, 3u);
    ASSERT_NE(param.OEMCUIPCallback, nullptr);
    EXPECT_TRUE(InModule(reinterpret_cast<const void*>(param.OEMCUIPCallback)));
}

TEST_F(HooksTest, OptionCallbacksAnswerByReason) {
    std::vector<OPTITEM> own(3);
    printoem::OEMCUIPPARAM document = PatternedParams();
    document.pOEMOptItems = own.data();
    document.cOEMOptItems = 3;
    ASSERT_EQ(plugin->CommonUIProp(printoem::OEMCUIP_DOCPROP, &document), S_OK);
    printoem::OEMCUIPPARAM printer = PatternedParams();
    printer.pOEMOptItems = own.data();
    printer.cOEMOptItems = 0;
    ASSERT_EQ(plugin->CommonUIProp(printoem::OEMCUIP_PRNPROP, &printer), S_OK);
    ASSERT_NE(printer.OEMCUIPCallback, nullptr);
    EXPECT_NE(printer.OEMCUIPCallback, document.OEMCUIPCallback);
    EXPECT_EQ(printer.cOEMOptItems, 0u);

    // Only a page becoming active asks the sheet to refresh the document items.
    const struct {
        WORD reason;
        LONG document;
    } cases[] = {{CPSUICB_REASON_SETACTIVE, CPSUICB_ACTION_OPTIF_CHANGED},
                 {0, CPSUICB_ACTION_NONE},
                 {CPSUICB_REASON_APPLYNOW, CPSUICB_ACTION_NONE},
                 {9, CPSUICB_ACTION_NONE},
                 {11, CPSUICB_ACTION_NONE}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reason);
        CPSUICBPARAM callback{};
        callback.cbSize = sizeof callback;
        callback.Reason = c.reason;
        EXPECT_EQ(document.OEMCUIPCallback(&callback, &document), c.document);
        EXPECT_EQ(printer.OEMCUIPCallback(&callback, &printer), CPSUICB_ACTION_NONE);
    }
}

TEST_F(HooksTest, CommonUIPropRejectsWhatItCannotUse) {
    std::vector<OPTITEM> own(3);
    const struct Case {
        const char* rule;
        DWORD mode;
        bool withParam, withOwnItems;
        DWORD driverCount;  // with no driver array
    } cases[] = {
        {"mode 3", 3, true, true, 0},
        {"mode 0", 0, true, false, 0},
        {"no parameter block", printoem::OEMCUIP_DOCPROP, false, false, 0},
        {"driver items counted but absent", printoem::OEMCUIP_DOCPROP, true, true, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        printoem::OEMCUIPPARAM param = PatternedParams();
        if (c.withOwnItems) {
            param.pOEMOptItems = own.data();
            param.cOEMOptItems = 3;
        }
        param.cDrvOptItems = c.driverCount;
        const printoem::OEMCUIPPARAM before = param;
        SetLastError(0);
        EXPECT_EQ(plugin->CommonUIProp(c.mode, c.withParam ? &param : nullptr), E_FAIL);
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
        EXPECT_EQ(std::memcmp(&param, &before, sizeof param), 0);
    }
}

}  // namespace
}  // namespace qzr::test
