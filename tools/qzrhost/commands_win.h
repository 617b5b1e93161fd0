// The subcommands of qzrhost. Each returns the process exit code.
#pragma once

#include <string>

namespace qzr::host {

struct SheetOptions {
    std::wstring dllPath;
    std::wstring devmodePath;      // document: start from this DEVMODE file (OEMDM_MERGE)
    std::wstring saveDevmodePath;  // document: write the DEVMODE here after OK
    std::wstring screenshotPath;   // capture the sheet to this PNG, then close it with OK
};

int RunInfo(const std::wstring& dllPath);
int RunDocument(const SheetOptions& options);
int RunPrinter(const SheetOptions& options);

}  // namespace qzr::host
