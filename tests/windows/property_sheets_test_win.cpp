// DocumentPropertySheets and DevicePropertySheets with a recording pfnComPropSheet: every reason,
// the page descriptions, the PageContext, and the inputs they refuse.
#include <cstring>
#include <string>

#include "hooks_fixture_win.h"
#include "page_context_win.h"

namespace qzr::test {
namespace {

using host::ComPropSheetHost;
using plugin::PageContext;

enum class Sheet { Document, Device };

class PropertySheetsTest : public HooksTest {
protected:
    HRESULT Call(Sheet sheet, PROPSHEETUI_INFO* info, LPARAM lParam) {
        return sheet == Sheet::Document ? plugin->DocumentPropertySheets(info, lParam)
                                        : plugin->DevicePropertySheets(info, lParam);
    }

    // The page description with what the plug-in is expected to set, all else zero.
    printoem::PROPSHEETPAGEW_FULL ExpectedPage(WORD templateId, DLGPROC procedure,
                                               LPARAM lParam) const {
        printoem::PROPSHEETPAGEW_FULL page{};
        page.base.dwSize = 104;
        page.base.hInstance = library.module();
        page.base.pszTemplate = MAKEINTRESOURCEW(templateId);
        page.base.pfnDlgProc = procedure;
        page.base.lParam = lParam;
        return page;
    }
};

TEST_F(PropertySheetsTest, DocumentInitRegistersTheColorPageWithItsContext) {
    ComPropSheetHost host(ComPropSheetHost::Mode::RecordOnly);
    host.addAnswer = 0x5A17;
    host.pageCountAnswer = 7;
    PROPSHEETUI_INFO info = SheetInfo(PROPSHEETUI_REASON_INIT, host);
    ASSERT_EQ(plugin->DocumentPropertySheets(&info, 0), S_OK);

    ASSERT_EQ(host.calls().size(), 2u);
    const ComPropSheetHost::Call& add = host.calls()[0];
    EXPECT_EQ(add.function, static_cast<UINT>(CPSFUNC_ADD_PROPSHEETPAGEW));
    EXPECT_EQ(add.lParam2, 0);
    ASSERT_TRUE(add.page);
    const printoem::PROPSHEETPAGEW_FULL& page = *add.page;
    EXPECT_TRUE(InModule(reinterpret_cast<const void*>(page.base.pfnDlgProc)));
    const auto expected = ExpectedPage(120, page.base.pfnDlgProc, page.base.lParam);
    EXPECT_EQ(std::memcmp(&page, &expected, sizeof page), 0);

    const ComPropSheetHost::Call& count = host.calls()[1];
    EXPECT_EQ(count.function, static_cast<UINT>(CPSFUNC_GET_PAGECOUNT));
    EXPECT_EQ(count.lParam1, 0);
    EXPECT_EQ(count.lParam2, 0);
    EXPECT_EQ(info.Result, 7u);

    const auto* context = reinterpret_cast<const PageContext*>(page.base.lParam);
    ASSERT_NE(context, nullptr);
    EXPECT_TRUE(HeapValidate(heap.get(), 0, context)) << "allocated from the driver's OEM heap";
    EXPECT_GE(HeapSize(heap.get(), 0, context), sizeof(PageContext));
    EXPECT_EQ(context->sheetHandle, host.handle());
    EXPECT_EQ(context->pageHandle, reinterpret_cast<HANDLE>(0x5A17)) << "the add call's answer";
    EXPECT_EQ(context->uiParams, &params);
    EXPECT_EQ(context->comPropSheet, host.callback());
    EXPECT_EQ(std::memcmp(&context->savedSettings, &record.settings, sizeof(ColorSettings)), 0);

    // Every registration has a context of its own; DESTROY frees nothing.
    ComPropSheetHost again(ComPropSheetHost::Mode::RecordOnly);
    info = SheetInfo(PROPSHEETUI_REASON_INIT, again);
    ASSERT_EQ(plugin->DocumentPropertySheets(&info, 0), S_OK);
    ASSERT_EQ(again.calls().size(), 2u);
    EXPECT_NE(again.calls()[0].page->base.lParam, page.base.lParam);
    EXPECT_EQ(info.Result, 1u);  // the host's own count: one page added
    info.Reason = PROPSHEETUI_REASON_DESTROY;
    ASSERT_EQ(plugin->DocumentPropertySheets(&info, 0), S_OK);
    EXPECT_TRUE(HeapValidate(heap.get(), 0, context));
}

// A failed page addition is not the document handler's concern: Result is still the page count.
TEST_F(PropertySheetsTest, DocumentInitReportsThePageCountEvenWhenTheAddFails) {
    ComPropSheetHost host(ComPropSheetHost::Mode::RecordOnly);
    host.addAnswer = 0;
    host.pageCountAnswer = 4;
    PROPSHEETUI_INFO info = SheetInfo(PROPSHEETUI_REASON_INIT, host);
    ASSERT_EQ(plugin->DocumentPropertySheets(&info, 0), S_OK);
    EXPECT_EQ(info.Result, 4u);
    ASSERT_EQ(host.calls().size(), 2u);
    const auto* context = reinterpret_cast<const PageContext*>(host.calls()[0].page->base.lParam);
    EXPECT_EQ(context->pageHandle, nullptr);
}

TEST_F(PropertySheetsTest, DeviceInitRegistersTheVersionPageAndPassesTheAnswerOn) {
    for (LONG_PTR answer : {LONG_PTR{0x7001}, LONG_PTR{0}}) {
        SCOPED_TRACE(answer);
        ComPropSheetHost host(ComPropSheetHost::Mode::RecordOnly);
        host.addAnswer = answer;
        host.pageCountAnswer = 9;
        PROPSHEETUI_INFO info = SheetInfo(PROPSHEETUI_REASON_INIT, host);
        info.lParamInit = 0;  // the device sheet needs no record
        ASSERT_EQ(plugin->DevicePropertySheets(&info, 0), S_OK);
        ASSERT_EQ(host.calls().size(), 1u);
        EXPECT_EQ(info.Result, static_cast<ULONG_PTR>(answer));
        const ComPropSheetHost::Call& add = host.calls()[0];
        EXPECT_EQ(add.function, static_cast<UINT>(CPSFUNC_ADD_PROPSHEETPAGEW));
        ASSERT_TRUE(add.page);
        EXPECT_TRUE(InModule(reinterpret_cast<const void*>(add.page->base.pfnDlgProc)));
        const auto expected = ExpectedPage(106, add.page->base.pfnDlgProc, 0);
        EXPECT_EQ(std::memcmp(&*add.page, &expected, sizeof expected), 0);
    }

    // The two pages have procedures of their own.
    ComPropSheetHost document(ComPropSheetHost::Mode::RecordOnly),
        device(ComPropSheetHost::Mode::RecordOnly);
    PROPSHEETUI_INFO info = SheetInfo(PROPSHEETUI_REASON_INIT, document);
    ASSERT_EQ(plugin->DocumentPropertySheets(&info, 0), S_OK);
    info = SheetInfo(PROPSHEETUI_REASON_INIT, device);
    ASSERT_EQ(plugin->DevicePropertySheets(&info, 0), S_OK);
    EXPECT_NE(document.calls()[0].page->base.pfnDlgProc, device.calls()[0].page->base.pfnDlgProc);
}

TEST_F(PropertySheetsTest, OtherReasons) {
    const struct Case {
        const char* rule;
        WORD reason;
        ULONG_PTR document, device;
    } cases[] = {
        {"info header", PROPSHEETUI_REASON_GET_INFO_HEADER, 1, 1},
        {"destroy", PROPSHEETUI_REASON_DESTROY, 1, 1},
        {"set result copies the sheet's result", PROPSHEETUI_REASON_SET_RESULT, 0x1234, 0x1234},
        {"icon", PROPSHEETUI_REASON_GET_ICON, 0, 0},
        {"unknown reason", 5, 0, 0},
        {"far unknown reason", 0xFFFF, 0, 0},
    };
    for (Sheet sheet : {Sheet::Document, Sheet::Device}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.rule) +
                         (sheet == Sheet::Document ? " (document)" : " (device)"));
            ComPropSheetHost host(ComPropSheetHost::Mode::RecordOnly);
            PROPSHEETUI_INFO info = SheetInfo(c.reason, host);
            PROPSHEETUI_INFO_HEADER header{};
            header.cbSize = sizeof header;
            header.pTitle = const_cast<wchar_t*>(L"driver title");
            SETRESULT_INFO result{};
            result.cbSize = sizeof result;
            result.Result = 0x1234;
            const LPARAM lParam =
                c.reason == PROPSHEETUI_REASON_GET_INFO_HEADER ? reinterpret_cast<LPARAM>(&header)
                : c.reason == PROPSHEETUI_REASON_SET_RESULT    ? reinterpret_cast<LPARAM>(&result)
                                                               : 0;
            ASSERT_EQ(Call(sheet, &info, lParam), S_OK);
            EXPECT_EQ(info.Result, sheet == Sheet::Document ? c.document : c.device);
            EXPECT_TRUE(host.calls().empty());
            if (c.reason == PROPSHEETUI_REASON_GET_INFO_HEADER) {
                if (sheet == Sheet::Document) {
                    EXPECT_EQ(header.pTitle, nullptr);
                } else {
                    ASSERT_NE(header.pTitle, nullptr);
                    EXPECT_STREQ(header.pTitle, L"OEM UI Page");
                }
            }
        }
    }
}

TEST_F(PropertySheetsTest, RefusedInputsChangeNothing) {
    const struct Case {
        const char* rule;
        WORD reason;
        WORD version = PROPSHEETUI_INFO_VERSION;
        bool withInfo = true, withParams = true, withRecord = true, withHeap = true,
             withCallback = true, withLParam = true;
        bool deviceRefuses = true;
    } cases[] = {
        {.rule = "no info", .reason = 0, .withInfo = false},
        {.rule = "version 0x200", .reason = 0, .version = 0x200},
        {.rule = "version 0 on another reason", .reason = 2, .version = 0},
        {.rule = "init without a callback", .reason = 0, .withCallback = false},
        {.rule = "init without sheet parameters",
         .reason = 0,
         .withParams = false,
         .deviceRefuses = false},
        {.rule = "init without a record", .reason = 0, .withRecord = false, .deviceRefuses = false},
        {.rule = "init without a heap", .reason = 0, .withHeap = false, .deviceRefuses = false},
        {.rule = "info header without the header", .reason = 1, .withLParam = false},
        {.rule = "set result without the result", .reason = 3, .withLParam = false},
    };
    for (Sheet sheet : {Sheet::Document, Sheet::Device}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.rule) +
                         (sheet == Sheet::Document ? " (document)" : " (device)"));
            ComPropSheetHost host(ComPropSheetHost::Mode::RecordOnly);
            PROPSHEETUI_INFO info = SheetInfo(c.reason, host);
            info.Version = c.version;
            if (!c.withCallback) info.pfnComPropSheet = nullptr;
            if (!c.withParams) info.lParamInit = 0;
            if (!c.withRecord) params.pOEMDM = nullptr;
            if (!c.withHeap) params.hOEMHeap = nullptr;
            PROPSHEETUI_INFO_HEADER header{};
            SETRESULT_INFO result{};
            const LPARAM lParam = !c.withLParam   ? 0
                                  : c.reason == 1 ? reinterpret_cast<LPARAM>(&header)
                                                  : reinterpret_cast<LPARAM>(&result);
            const PROPSHEETUI_INFO before = info;
            SetLastError(0);
            const HRESULT hr = Call(sheet, c.withInfo ? &info : nullptr, lParam);
            params.pOEMDM = &record;
            params.hOEMHeap = heap.get();
            if (sheet == Sheet::Device && !c.deviceRefuses) {
                EXPECT_EQ(hr, S_OK) << "the printer page needs neither record nor heap";
                continue;
            }
            EXPECT_EQ(hr, E_FAIL);
            EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
            EXPECT_EQ(std::memcmp(&info, &before, sizeof info), 0);
            EXPECT_TRUE(host.calls().empty());
        }
    }
}

TEST_F(PropertySheetsTest, DocumentInitWithAFullHeapAddsNoPage) {
    // A heap that cannot grow, filled up with blocks of the context's size.
    heap.reset(HeapCreate(0, 0x10000, 0x10000));
    ASSERT_TRUE(heap);
    params.hOEMHeap = heap.get();
    int blocks = 0;
    while (blocks < 100000 && HeapAlloc(heap.get(), 0, sizeof(PageContext)) != nullptr) ++blocks;
    ASSERT_LT(blocks, 100000) << "the heap did not fill up";

    ComPropSheetHost host(ComPropSheetHost::Mode::RecordOnly);
    PROPSHEETUI_INFO info = SheetInfo(PROPSHEETUI_REASON_INIT, host);
    SetLastError(0);
    EXPECT_EQ(plugin->DocumentPropertySheets(&info, 0), E_FAIL);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NOT_ENOUGH_MEMORY));
    EXPECT_TRUE(host.calls().empty());
    EXPECT_EQ(info.Result, 0xDEADu);
}

}  // namespace
}  // namespace qzr::test
