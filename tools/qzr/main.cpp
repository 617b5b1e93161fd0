// qzr: the QZR-7300 plug-in's platform-free work from the command line.
#include <iostream>
#include <string>
#include <vector>

#include "commands.h"

namespace {

constexpr char kUsage[] =
    "usage: qzr COMMAND [OPTIONS]\n"
    "\n"
    "The QZR-7300 colour-correction plug-in's work, without Windows.\n"
    "\n"
    "commands:\n"
    "  preview   render the colour-correction page's preview of a picture to a BMP or PNG file\n"
    "  col       show or make a \".COL\" colour configuration file\n"
    "\n"
    "Run 'qzr COMMAND --help' for a command's options.\n";

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        std::cerr << "qzr: no command given\n" << kUsage;
        return qzr::tool::kExitBadInput;
    }
    const std::string& command = args.front();
    const std::span<const std::string> rest(args.begin() + 1, args.end());
    if (command == "--help" || command == "-h") {
        std::cout << kUsage;
        return qzr::tool::kExitOk;
    }
    if (command == "preview") return qzr::tool::RunPreview(rest, std::cout, std::cerr);
    if (command == "col") return qzr::tool::RunCol(rest, std::cout, std::cerr);
    std::cerr << "qzr: unknown command '" << command << "'\n" << kUsage;
    return qzr::tool::kExitBadInput;
}
