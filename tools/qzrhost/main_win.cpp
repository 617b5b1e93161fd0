// qzrhost: the printer driver's stand-in. It loads a plug-in DLL by path and drives it through
// its exports and interfaces, as the universal printer driver does.
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "commands_win.h"
#include "common/win/unique_handle.h"
#include "common/win/win_include.h"
#include "plugin_loader_win.h"

#include <shellapi.h>

namespace {

constexpr char kUsage[] =
    "usage: qzrhost [--dll PATH] info\n"
    "       qzrhost [--dll PATH] document [--devmode FILE] [--save-devmode FILE]\n"
    "                                     [--screenshot FILE.png]\n"
    "       qzrhost [--dll PATH] printer [--screenshot FILE.png]\n"
    "\n"
    "Loads the QZR-7300 UI plug-in the way the printer driver does and drives it.\n"
    "\n"
    "  info        print what the driver learns from the plug-in: its GetInfo answers,\n"
    "              the private record size and the default record, field by field\n"
    "  document    show the document properties with the plug-in's pages (and the\n"
    "              driver's own Layout page); after OK print the private record\n"
    "  printer     show the printer properties with the plug-in's pages\n"
    "\n"
    "options:\n"
    "  --dll PATH            the plug-in DLL (default: QZR7300UI.dll beside qzrhost.exe)\n"
    "  --devmode FILE        document: start from this DEVMODE (as --save-devmode wrote it)\n"
    "                        instead of the defaults; its private part is merged\n"
    "  --save-devmode FILE   document: after OK write the whole DEVMODE, private part\n"
    "                        included, to FILE\n"
    "  --screenshot FILE.png wait until the sheet has painted, save a picture of it and\n"
    "                        close it with OK (works without anyone at the screen)\n"
    "  --help                show this text\n"
    "\n"
    "Exit status: 0 done, 1 the plug-in or a file failed, 2 bad arguments.\n";

int Usage(const char* problem) {
    if (problem != nullptr) std::fprintf(stderr, "qzrhost: %s\n", problem);
    std::fputs(kUsage, problem != nullptr ? stderr : stdout);
    return problem != nullptr ? 2 : 0;
}

std::vector<std::wstring> Arguments() {
    int count = 0;
    const qzr::win::LocalMemory<LPWSTR> raw(CommandLineToArgvW(GetCommandLineW(), &count));
    std::vector<std::wstring> args;
    for (int i = 1; raw != nullptr && i < count; ++i) args.emplace_back(raw.get()[i]);
    return args;
}

}  // namespace

int main() {
    const std::vector<std::wstring> args = Arguments();
    qzr::host::SheetOptions options;
    options.dllPath = qzr::host::PluginBesideProgram();
    std::wstring command;
    const struct {
        const wchar_t* name;
        std::wstring* value;
    } valued[] = {{L"--dll", &options.dllPath},
                  {L"--devmode", &options.devmodePath},
                  {L"--save-devmode", &options.saveDevmodePath},
                  {L"--screenshot", &options.screenshotPath}};
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == L"--help" || args[i] == L"-h") return Usage(nullptr);
        bool taken = false;
        for (const auto& option : valued) {
            if (args[i] != option.name) continue;
            if (i + 1 >= args.size() || args[i + 1].empty())
                return Usage("an option lacks its value");
            *option.value = args[++i];
            taken = true;
        }
        if (taken) continue;
        if (!command.empty() || args[i].rfind(L"--", 0) == 0) return Usage("unexpected argument");
        command = args[i];
    }
    const bool documentOnly = !options.devmodePath.empty() || !options.saveDevmodePath.empty();
    if (command == L"info") {
        if (documentOnly || !options.screenshotPath.empty())
            return Usage("info takes no sheet options");
        return qzr::host::RunInfo(options.dllPath);
    }
    if (command == L"document") return qzr::host::RunDocument(options);
    if (command == L"printer") {
        if (documentOnly) return Usage("--devmode and --save-devmode belong to document");
        return qzr::host::RunPrinter(options);
    }
    return Usage(command.empty() ? "no command given" : "unknown command");
}
