// qzr col: ".COL" colour configuration files, read and written with the page's rules, so that a
// support engineer can look into a user's file or hand out ready-made settings.
#include <filesystem>
#include <fstream>
#include <system_error>

#include "color_config_record.h"
#include "color_config_text.h"
#include "color_settings.h"
#include "commands.h"
#include "common/image/png_writer.h"
#include "preview_settings.h"

namespace qzr::tool {

namespace {

constexpr char kUsage[] =
    "usage: qzr col show FILE.COL\n"
    "       qzr col make [--set FIELD=VALUE]... -o FILE.COL\n"
    "\n"
    "Colour configuration files, as the colour-correction page's \"Save configuration\" writes\n"
    "them and \"Load configuration\" reads them.\n"
    "\n"
    "  show   prints the file's fields, one \"field value\" line each (the header's recordSize\n"
    "         and recordTag first). A file shorter than 48 bytes, or whose header is not 48, 100,\n"
    "         is refused as the page refuses it; bytes after the 48th are not read.\n"
    "  make   writes a 48-byte file of the page's default settings (every field 0 but\n"
    "         unsharpAmount 5, unsharpRadius 10, unsharpThreshold 5), changed by each --set.\n"
    "         A value must lie in the range of the field's control, so the file holds only\n"
    "         what the page itself could have saved:\n"
    "           brightness contrast saturation cyanBalance magentaBalance yellowBalance\n"
    "           resize -10..10, sharpness -4..4, unsharpAmount 0..12, unsharpRadius 1..30\n"
    "           (tenths of a pixel), unsharpThreshold 0..20, orderId 0..1000, and\n"
    "           unsharpEnabled naturalColorOff orderIdEnabled colorMode printMode 0..1\n"
    "         An existing file is replaced.\n"
    "  --help shows this text.\n"
    "\n"
    "Exit status: 0 done; 1 the file could not be written; 2 bad options, or a file that is not\n"
    "a colour configuration file.\n";

int UsageError(std::ostream& err, const std::string& problem) {
    err << "qzr col: " << problem << "\n"
        << "Run 'qzr col --help' for the options.\n";
    return kExitBadInput;
}

int Show(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1 || args[0].empty()) return UsageError(err, "show takes one FILE.COL");
    const std::string& path = args[0];
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        err << "qzr col: " << path << ": is a directory\n";
        return kExitBadInput;
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        err << "qzr col: " << path << ": cannot open the file\n";
        return kExitBadInput;
    }
    colorpage::ColorConfigBytes bytes{};
    file.read(reinterpret_cast<char*>(bytes.data()), bytes.size());
    const auto read = static_cast<std::size_t>(file.gcount());
    const colorpage::ColorConfigReading reading =
        colorpage::ReadColorConfigRecord(std::span(bytes.data(), read));
    switch (reading.error) {
        case colorpage::ColorConfigError::None:
            break;
        case colorpage::ColorConfigError::TooShort:
            err << "qzr col: " << path << ": not a color correction data file (" << read
                << " bytes, shorter than 48)\n";
            return kExitBadInput;
        case colorpage::ColorConfigError::WrongHeader:
            err << "qzr col: " << path << ": not a color correction data file (header "
                << (bytes[0] | bytes[1] << 8) << ", " << (bytes[2] | bytes[3] << 8)
                << " instead of 48, 100)\n";
            return kExitBadInput;
    }
    out << colorpage::DescribeColorConfig(reading.record);
    return kExitOk;
}

int Make(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    ColorSettings settings = DefaultColorSettings(0);
    std::string output;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--set") {
            if (!hasValue) return UsageError(err, "--set needs FIELD=VALUE");
            std::string reason;
            if (!ApplySetting(args[++i], settings, reason))
                return UsageError(err, "--set " + args[i] + ": " + reason);
        } else if (arg == "-o" || arg == "--output") {
            if (!output.empty()) return UsageError(err, "-o given twice");
            if (!hasValue || args[i + 1].empty()) return UsageError(err, "-o needs a file");
            output = args[++i];
        } else {
            return UsageError(err, "unexpected argument '" + arg + "'");
        }
    }
    if (output.empty()) return UsageError(err, "no output file given (-o FILE.COL)");
    std::error_code error;
    if (std::filesystem::is_directory(output, error)) {
        err << "qzr col: " << output << ": is a directory\n";
        return kExitBadInput;
    }
    const colorpage::ColorConfigBytes bytes =
        colorpage::ColorConfigRecordBytes(colorpage::MakeColorConfigRecord(settings));
    if (!image::WriteFile(output, bytes)) {
        if (std::filesystem::is_regular_file(output, error))
            std::filesystem::remove(output, error);  // no half-written file stays
        err << "qzr col: " << output << ": cannot write the file\n";
        return kExitWriteFailed;
    }
    out << "qzr col: wrote " << output << " (48 bytes)\n";
    return kExitOk;
}

}  // namespace

int RunCol(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    if (args.empty()) return UsageError(err, "no subcommand given (show or make)");
    const std::string& subcommand = args[0];
    if (subcommand == "--help" || subcommand == "-h") {
        out << kUsage;
        return kExitOk;
    }
    const std::span<const std::string> rest = args.subspan(1);
    for (const std::string& arg : rest) {
        if (arg == "--help" || arg == "-h") {
            out << kUsage;
            return kExitOk;
        }
    }
    if (subcommand == "show") return Show(rest, out, err);
    if (subcommand == "make") return Make(rest, out, err);
    return UsageError(err, "unknown subcommand '" + subcommand + "'");
}

}  // namespace qzr::tool
