// The driver's side of the common property sheet, as a plug-in reaches it through the
// pfnComPropSheet it is given. Every call is recorded; in CreatePages mode the pages are really
// created (CreatePropertySheetPageW) and the page handle is the answer, as the driver does, so
// that a property sheet can show them.
#pragma once

#include <optional>
#include <vector>

#include "oem_interfaces_win.h"

namespace qzr::host {

class ComPropSheetHost {
public:
    enum class Mode { CreatePages, RecordOnly };

    struct Call {
        UINT function;
        LPARAM lParam1, lParam2;
        LONG_PTR answer;
        // For CPSFUNC_ADD_PROPSHEETPAGEW: the description as it was at the call (dwSize bytes of
        // it at most, the rest zero).
        std::optional<printoem::PROPSHEETPAGEW_FULL> page;
    };

    explicit ComPropSheetHost(Mode mode) : mode_(mode) {}
    ComPropSheetHost(const ComPropSheetHost&) = delete;
    ComPropSheetHost& operator=(const ComPropSheetHost&) = delete;
    // Destroys the pages that no sheet took.
    ~ComPropSheetHost();

    // The two members of PROPSHEETUI_INFO that lead a plug-in here.
    HANDLE handle() { return this; }
    static PFNCOMPROPSHEET callback() { return &Callback; }

    const std::vector<Call>& calls() const { return calls_; }
    // The pages added so far, in order.
    const std::vector<HPROPSHEETPAGE>& pages() const { return pages_; }
    // Hands the pages to a property sheet, which destroys them with itself.
    std::vector<HPROPSHEETPAGE> TakePages();

    // RecordOnly answers: to CPSFUNC_ADD_PROPSHEETPAGEW, and to CPSFUNC_GET_PAGECOUNT (by
    // default the number of pages added, as in CreatePages mode).
    LONG_PTR addAnswer = 0x5A17;
    std::optional<LONG_PTR> pageCountAnswer;

private:
    static LONG_PTR CALLBACK Callback(HANDLE sheet, UINT function, LPARAM lParam1, LPARAM lParam2);
    LONG_PTR Answer(UINT function, LPARAM lParam1, std::optional<printoem::PROPSHEETPAGEW_FULL>&);

    Mode mode_;
    std::vector<Call> calls_;
    std::vector<HPROPSHEETPAGE> pages_;
    LONG_PTR addedPages_ = 0;
};

}  // namespace qzr::host
