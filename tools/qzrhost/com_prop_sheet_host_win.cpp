#include "com_prop_sheet_host_win.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace qzr::host {

ComPropSheetHost::~ComPropSheetHost() {
    for (HPROPSHEETPAGE page : pages_) DestroyPropertySheetPage(page);
}

std::vector<HPROPSHEETPAGE> ComPropSheetHost::TakePages() {
    return std::exchange(pages_, {});
}

LONG_PTR CALLBACK ComPropSheetHost::Callback(HANDLE sheet, UINT function, LPARAM lParam1,
                                             LPARAM lParam2) {
    auto* self = static_cast<ComPropSheetHost*>(sheet);
    if (self == nullptr) return 0;
    std::optional<printoem::PROPSHEETPAGEW_FULL> page;
    const LONG_PTR answer = self->Answer(function, lParam1, page);
    self->calls_.push_back({function, lParam1, lParam2, answer, page});
    return answer;
}

LONG_PTR ComPropSheetHost::Answer(UINT function, LPARAM lParam1,
                                  std::optional<printoem::PROPSHEETPAGEW_FULL>& page) {
    switch (function) {
        case CPSFUNC_ADD_PROPSHEETPAGEW: {
            const auto* description = reinterpret_cast<const PROPSHEETPAGEW*>(lParam1);
            if (description == nullptr) return 0;
            page.emplace();
            std::memcpy(&*page, description,
                        std::min<std::size_t>(description->dwSize, sizeof *page));
            if (mode_ == Mode::RecordOnly) {
                ++addedPages_;
                return addAnswer;
            }
            const HPROPSHEETPAGE created = CreatePropertySheetPageW(description);
            if (created == nullptr) return 0;
            pages_.push_back(created);
            ++addedPages_;
            return reinterpret_cast<LONG_PTR>(created);
        }
        case CPSFUNC_GET_PAGECOUNT:
            return pageCountAnswer.value_or(addedPages_);
        case CPSFUNC_SET_RESULT:
            return 1;
        default:
            return 0;
    }
}

}  // namespace qzr::host
