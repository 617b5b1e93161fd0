// The color-correction page in a real document sheet, opened as the driver opens it and driven
// with the messages a user's actions send; the private record and the page's applied copy are
// read where the driver keeps them.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "modal_answerer_win.h"
#include "page_context_win.h"
#include "plugin_fixture_win.h"
#include "plugin_sheet_win.h"
#include "private_devmode.h"

namespace qzr::test {

class ColorPageTest : public PluginTest {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Opens the document sheet on the color-correction page, or on the Layout page before it,
    // so a test can change the record before the page's dialog is made.
    void OpenSheet(bool onLayoutPage = false);

    PrivateDevmode& Record();
    plugin::PageContext& Context();  // as the page keeps it in DWLP_USER
    HWND Page() const { return sheet->PluginPage(); }

    // TBM_SETPOS, then the WM_HSCROLL the trackbar sends, then the paint that follows.
    void MoveSlider(int id, int position);
    void Click(int id);  // BM_CLICK, then what follows
    // BM_CLICK on a button that opens modal windows, which answerer answers as planned; true
    // when every planned answer was given.
    bool ClickAnswered(int id);
    // Chooses path in the file dialog that the button opens and answers the one message box that
    // follows: its text, or nothing when the dialogs did not come as planned.
    std::optional<std::wstring> MessageAfterChoosing(int id, const std::wstring& path);
    std::wstring Text(int id) const { return sheet->Text(Page(), id); }
    int Position(int id) const;
    bool Checked(int id) const;
    bool ApplyEnabled() const;
    void Pump() { sheet->sheet.PumpUntilIdle(); }

    // A folder of its own for the files of one test, under the prefix's temporary folder.
    std::wstring Folder() const { return folder_; }

    win::ComPtr<printoem::IPrintOemUI> plugin;
    std::unique_ptr<PluginSheet> sheet;
    ModalAnswerer answerer;

  private:
    std::wstring folder_;
    // The page's file dialogs move the process into the chosen file's folder.
    wchar_t startFolder_[MAX_PATH] = {};
};

}  // namespace qzr::test
