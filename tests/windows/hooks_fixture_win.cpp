#include "hooks_fixture_win.h"

#include <iterator>

namespace qzr::test {

void HooksTest::SetUp() {
    PluginTest::SetUp();
    plugin = CreatePlugin();
    ASSERT_TRUE(plugin);
    heap.reset(HeapCreate(0, 0, 0));
    ASSERT_TRUE(heap);
    WritePrivateDevmodeDefaults(record, 0x0409);
    const std::int16_t distinct[] = {3, -4, 5, -6, 7, -8, 2};
    std::int16_t* first = &record.settings.brightness;
    for (std::size_t i = 0; i < std::size(distinct); ++i) first[i] = distinct[i];
    record.settings.alignment[0] = 0xA5;
    record.settings.orderId = 421;
    publicDm.dmSize = sizeof publicDm;
    params.cbSize = sizeof params;
    params.hOEMHeap = heap.get();
    params.pPublicDM = &publicDm;
    params.pOEMDM = &record;
}

void HooksTest::TearDown() {
    plugin.reset();
    PluginTest::TearDown();
}

PROPSHEETUI_INFO HooksTest::SheetInfo(WORD reason, host::ComPropSheetHost& host) {
    PROPSHEETUI_INFO info{};
    info.cbSize = sizeof info;
    info.Version = PROPSHEETUI_INFO_VERSION;
    info.Reason = reason;
    info.hComPropSheet = host.handle();
    info.pfnComPropSheet = host.callback();
    info.lParamInit = reinterpret_cast<LPARAM>(&params);
    info.Result = 0xDEAD;
    return info;
}

bool HooksTest::InModule(const void* address) const {
    const auto* base = reinterpret_cast<const unsigned char*>(library.module());
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const auto* at = static_cast<const unsigned char*>(address);
    return at >= base && at < base + nt->OptionalHeader.SizeOfImage;
}

}  // namespace qzr::test
