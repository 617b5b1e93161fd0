#include "config_files_win.h"

#include "common/win/unique_handle.h"
#include "config_commands.h"
#include "file_dialog_win.h"
#include "page_message_win.h"
#include "private_devmode.h"
#include "whole_write_win.h"

namespace qzr::plugin {

namespace {

// Each filter string ends in a NUL and the list in a second one. The two dialogs have always
// worded their filters differently.
constexpr wchar_t kSaveFilter[] = L"Color correction data file\0*.COL\0All\0*.*\0";
constexpr wchar_t kLoadFilter[] = L"Color compensation file.\0*.COL\0ALL\0*.*\0";

}  // namespace

void SaveConfiguration(HWND dialog, colorpage::PageControls& controls) {
    wchar_t file[kDialogPathUnits] = {};
    OPENFILENAMEW setup = FileDialogSetup(dialog, kSaveFilter, file);
    setup.Flags = OFN_PATHMUSTEXIST | OFN_OVERWRITEPROMPT;
    setup.lpstrDefExt = L"COL";
    if (GetSaveFileNameW(&setup) != TRUE) return;

    const win::UniqueFile output(CreateFileW(file, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ,
                                             nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                             nullptr));
    if (!output) {
        ShowPageMessage(L"Could not open file.");
        return;
    }
    const colorpage::ColorConfigBytes bytes = colorpage::SaveConfigurationBytes(controls);
    // The user must not take a half-written file for a saved one.
    if (!WriteWhole(output.get(), bytes)) ShowPageMessage(L"Could not write file.");
}

void LoadConfiguration(HWND dialog, colorpage::PageControls& controls,
                       const colorpage::PageRecords& records) {
    wchar_t file[kDialogPathUnits] = {};
    OPENFILENAMEW setup = FileDialogSetup(dialog, kLoadFilter, file);
    setup.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_READONLY;
    if (GetOpenFileNameW(&setup) != TRUE) return;

    const win::UniqueFile input(CreateFileW(file, GENERIC_READ, FILE_SHARE_READ, nullptr,
                                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!input) {
        ShowPageMessage(L"Could not open file.");
        return;
    }
    colorpage::ColorConfigBytes record{};
    DWORD read = 0;
    if (!ReadFile(input.get(), record.data(), static_cast<DWORD>(record.size()), &read, nullptr))
        read = 0;
    // Only a whole record with the right header reaches the controls.
    if (colorpage::LoadConfigurationBytes(controls, records, std::span(record.data(), read)) !=
        colorpage::ColorConfigError::None)
        ShowPageMessage(L"This is not a color correction data file.");
}

}  // namespace qzr::plugin
