// qzr preview: what the colour-correction page paints, written to a file.
#include <filesystem>
#include <system_error>

#include "commands.h"
#include "common/image/png_writer.h"
#include "preview_bitmap_loader.h"
#include "preview_output.h"
#include "preview_render.h"
#include "preview_settings.h"
#include "sample_picture.h"

namespace qzr::tool {

namespace {

constexpr char kUsage[] =
    "usage: qzr preview [--image FILE.bmp] [--col FILE.COL] [--set FIELD=VALUE]... [--raw]\n"
    "                   -o OUT.bmp|OUT.png\n"
    "\n"
    "Renders the colour-correction page's preview: the picture with the settings applied\n"
    "(unsharp mask, colour transform and sharpening, exactly as the plug-in paints it).\n"
    "\n"
    "options:\n"
    "  --image FILE.bmp   a 24-bit BMP; larger than 192 x 192 in both directions, its central\n"
    "                     192 x 192 square is used (default: the built-in sample picture)\n"
    "  --col FILE.COL     start from a colour configuration file's settings, as the page's\n"
    "                     controls take them (sliders clamp to their ranges; \"Unsharp mask\"\n"
    "                     is on only for 1; a mode other than 0 or 1 keeps the default)\n"
    "                     (default: the page's \"Default settings\": every field 0 but\n"
    "                     unsharpAmount 5, unsharpRadius 10, unsharpThreshold 5)\n"
    "  --set FIELD=VALUE  set one field by its record name, after --col; the value must lie in\n"
    "                     the range of the field's control:\n"
    "                       brightness contrast saturation cyanBalance magentaBalance\n"
    "                       yellowBalance resize   -10..10\n"
    "                       sharpness -4..4          unsharpEnabled 0..1 (1: mask on)\n"
    "                       unsharpAmount 0..12      unsharpRadius 1..30 (tenths of a pixel)\n"
    "                       unsharpThreshold 0..20   colorMode 0..1 (1: monochrome)\n"
    "                       printMode naturalColorOff orderIdEnabled 0..1, orderId 0..1000\n"
    "                       (these four do not change the preview)\n"
    "  --raw              write the filtered picture at its own size (what the page stretches),\n"
    "                     instead of the 194 x 194 framed preview as the page shows it\n"
    "  -o OUT             the output file: PNG when its name ends in .png, otherwise a 24-bit\n"
    "                     BMP (bottom-up rows padded to 4 bytes)\n"
    "  --help             show this text\n"
    "\n"
    "Exit status: 0 written; 1 the output could not be written; 2 bad options, or a picture or\n"
    "\".COL\" file that cannot be used (nothing is written).\n";

struct Options {
    std::string image;
    std::string col;
    std::vector<std::string> sets;
    bool raw = false;
    std::string output;
};

int UsageError(std::ostream& err, const std::string& problem) {
    err << "qzr preview: " << problem << "\n"
        << "Run 'qzr preview --help' for the options.\n";
    return kExitBadInput;
}

int InputError(std::ostream& err, const std::string& file, const std::string& reason) {
    err << "qzr preview: " << file << ": " << reason << "\n";
    return kExitBadInput;
}

// Empty when the options are fine; otherwise the problem.
std::string Parse(std::span<const std::string> args, Options& options, bool& help) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&](std::string& into) {
            if (i + 1 >= args.size()) return false;
            into = args[++i];
            return true;
        };
        if (arg == "--help" || arg == "-h") {
            help = true;
        } else if (arg == "--raw") {
            options.raw = true;
        } else if (arg == "--image") {
            if (!options.image.empty()) return "--image given twice";
            if (!value(options.image) || options.image.empty()) return "--image needs a file";
        } else if (arg == "--col") {
            if (!options.col.empty()) return "--col given twice";
            if (!value(options.col) || options.col.empty()) return "--col needs a file";
        } else if (arg == "--set") {
            std::string assignment;
            if (!value(assignment)) return "--set needs FIELD=VALUE";
            options.sets.push_back(assignment);
        } else if (arg == "-o" || arg == "--output") {
            if (!options.output.empty()) return "-o given twice";
            if (!value(options.output) || options.output.empty()) return "-o needs a file";
        } else {
            return "unexpected argument '" + arg + "'";
        }
    }
    if (!help && options.output.empty()) return "no output file given (-o OUT.bmp|OUT.png)";
    return {};
}

}  // namespace

int RunPreview(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    Options options;
    bool help = false;
    if (const std::string problem = Parse(args, options, help); !problem.empty())
        return UsageError(err, problem);
    if (help) {
        out << kUsage;
        return kExitOk;
    }

    ColorSettings settings = PageDefaultSettings();
    std::string reason;
    if (!options.col.empty() && !LoadColSettings(options.col, settings, reason))
        return InputError(err, options.col, reason);
    for (const std::string& assignment : options.sets)
        if (!ApplySetting(assignment, settings, reason))
            return UsageError(err, "--set " + assignment + ": " + reason);

    PreviewPicture picture;
    if (options.image.empty()) {
        MemoryByteSource sample(SamplePictureBmp());
        if (LoadPreviewBitmap(sample, picture) != LoadError::kNone)
            return InputError(err, "built-in sample picture", "cannot be loaded");
    } else {
        std::error_code error;
        if (std::filesystem::is_directory(options.image, error))
            return InputError(err, options.image, "is a directory");
        FileByteSource file(options.image);
        if (!file.IsOpen()) return InputError(err, options.image, "cannot open the file");
        if (const LoadError loaded = LoadPreviewBitmap(file, picture); loaded != LoadError::kNone)
            return InputError(err, options.image, DescribeLoadError(loaded));
    }

    RenderPreview(settings, picture.pixels.get(), picture.width, picture.height);
    const PreviewPicture written = options.raw ? std::move(picture) : FramePreview(picture);
    const std::vector<std::uint8_t> bytes = EncodePictureFile(written, options.output);
    if (bytes.empty()) return InputError(err, options.output, "the picture is too large to write");
    std::error_code error;
    if (std::filesystem::is_directory(options.output, error))
        return InputError(err, options.output, "is a directory");
    if (!image::WriteFile(options.output, bytes)) {
        if (std::filesystem::is_regular_file(options.output, error))
            std::filesystem::remove(options.output, error);  // no half-written file stays
        err << "qzr preview: " << options.output << ": cannot write the file\n";
        return kExitWriteFailed;
    }
    out << "qzr preview: wrote " << options.output << " (" << written.width << " x "
        << written.height << ")\n";
    return kExitOk;
}

}  // namespace qzr::tool
