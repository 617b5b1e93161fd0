// qzrhost: the printer driver's stand-in. It loads a plug-in DLL by path and drives it through
// its exports and interfaces, as the universal printer driver does.
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "commands_win.h"
#include "common/win/win_include.h"
#include "plugin_loader_win.h"

#include <shellapi.h>

namespace {

constexpr char kUsage[] =
    "usage: qzrhost [--dll PATH] info\n"
    "\n"
    "Loads the QZR-7300 UI plug-in the way the printer driver does and drives it.\n"
    "\n"
    "  info        print what the driver learns from the plug-in: its GetInfo answers,\n"
    "              the private record size and the default record, field by field\n"
    "\n"
    "options:\n"
    "  --dll PATH  the plug-in DLL (default: QZR7300UI.dll beside qzrhost.exe)\n"
    "  --help      show this text\n";

int Usage(const char* problem) {
    if (problem != nullptr) std::fprintf(stderr, "qzrhost: %s\n", problem);
    std::fputs(kUsage, problem != nullptr ? stderr : stdout);
    return problem != nullptr ? 2 : 0;
}

std::vector<std::wstring> Arguments() {
    int count = 0;
    LPWSTR* raw = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::wstring> args;
    for (int i = 1; raw != nullptr && i < count; ++i) args.emplace_back(raw[i]);
    LocalFree(raw);
    return args;
}

}  // namespace

int main() {
    const std::vector<std::wstring> args = Arguments();
    std::wstring dll = qzr::host::PluginBesideProgram();
    std::wstring command;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == L"--help" || args[i] == L"-h") return Usage(nullptr);
        if (args[i] == L"--dll") {
            if (i + 1 >= args.size()) return Usage("--dll needs a path");
            dll = args[++i];
        } else if (command.empty() && args[i].rfind(L"--", 0) != 0) {
            command = args[i];
        } else {
            return Usage("unexpected argument");
        }
    }
    if (command == L"info") return qzr::host::RunInfo(dll);
    return Usage(command.empty() ? "no command given" : "unknown command");
}
