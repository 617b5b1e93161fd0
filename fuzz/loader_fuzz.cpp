// Picture files as anyone may name them for the preview. The last two bytes of an input are not
// part of the file: they choose how the file behaves while it is read (a read that stops short,
// a size taken before the file shrank). A loaded picture must be whole and consistent, and read
// from an honest file it must equal the plain reading of that file.
#include <algorithm>
#include <cstring>
#include <vector>

#include "fuzz_target.h"
#include "preview_bitmap_loader.h"
#include "reference_preview.h"

namespace {

using qzr::ByteSource;
using qzr::LoadError;
using qzr::MemoryByteSource;
using qzr::PreviewPicture;

constexpr std::size_t kFileHeaderBytes = 14;
constexpr std::size_t kInfoHeaderBytes = 40;

enum Option : std::uint8_t {
    kShortRead = 1,   // one read, chosen by the parameter, delivers only half of what it could
    kFailedRead = 2,  // from that read on, every read delivers nothing
    kShrunk = 4,      // Size() reports parameter x 4096 bytes more than the file holds
};

// The file as the plug-in's handle would give it, with the chosen misbehaviour, and a record of
// how much was asked for.
class UnreliableSource final : public ByteSource {
  public:
    UnreliableSource(std::span<const std::uint8_t> bytes, std::uint8_t options,
                     std::uint8_t parameter)
        : file_(bytes), options_(options), parameter_(parameter) {}

    std::size_t ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) override {
        bytesAsked += out.size();
        const std::size_t call = calls_++;
        const std::size_t chosen = parameter_ % 8;
        if ((options_ & kFailedRead) && call >= chosen) return 0;
        const std::size_t count = file_.ReadAt(offset, out);
        return (options_ & kShortRead) && call == chosen ? count / 2 : count;
    }
    std::uint64_t Size() const override {
        return file_.Size() + ((options_ & kShrunk) ? std::uint64_t{parameter_} * 4096 : 0);
    }
    bool Honest() const { return (options_ & (kShortRead | kFailedRead | kShrunk)) == 0; }

    std::uint64_t bytesAsked = 0;

  private:
    MemoryByteSource file_;
    std::uint8_t options_, parameter_;
    std::size_t calls_ = 0;
};

std::int32_t HeaderI32(std::span<const std::uint8_t> file, std::size_t at) {
    std::int32_t value;
    std::memcpy(&value, file.data() + at, sizeof value);
    return value;
}

void CheckLoaded(const PreviewPicture& picture, std::span<const std::uint8_t> file,
                 UnreliableSource& source) {
    QZR_FUZZ_CHECK(picture.pixels != nullptr);
    QZR_FUZZ_CHECK(picture.width > 0 && picture.height > 0);
    QZR_FUZZ_CHECK(picture.stride == (std::size_t(picture.width) * 3 + 3) / 4 * 4);
    const std::size_t bytes = picture.stride * std::size_t(picture.height);
    // The header passed every check, so it exists; a large picture became its central square.
    const std::int32_t width = HeaderI32(file, 18), height = HeaderI32(file, 22);
    if (width > qzr::kPreviewSide && height > qzr::kPreviewSide) {
        QZR_FUZZ_CHECK(picture.width == qzr::kPreviewSide && picture.height == qzr::kPreviewSide);
        QZR_FUZZ_CHECK(source.bytesAsked <= kFileHeaderBytes + kInfoHeaderBytes + qzr::kCropBytes);
    } else {
        QZR_FUZZ_CHECK(picture.width == width && picture.height == height);
        QZR_FUZZ_CHECK(width <= 32767);
        // The pixel array the header describes lies inside the file.
        QZR_FUZZ_CHECK(bytes <= source.Size());
        QZR_FUZZ_CHECK(source.bytesAsked <= kFileHeaderBytes + kInfoHeaderBytes + bytes);
    }
    // Every byte of the block is there to be filtered: the sanitizer checks this copy.
    const std::vector<std::uint8_t> pixels(picture.pixels.get(), picture.pixels.get() + bytes);

    if (!source.Honest()) return;
    MemoryByteSource again(file);
    const auto expected = qzr::reference::LoadPreviewBitmap(again);
    QZR_FUZZ_CHECK(expected.has_value());
    QZR_FUZZ_CHECK(expected->width == picture.width && expected->height == picture.height);
    QZR_FUZZ_CHECK(expected->pixels == pixels);
}

}  // namespace

QZR_FUZZ_TARGET(loader) {
    const std::size_t fileSize = size >= 2 ? size - 2 : size;
    const std::uint8_t options = size >= 2 ? data[size - 2] : 0;
    const std::uint8_t parameter = size >= 2 ? data[size - 1] : 0;
    // A copy of exactly the file's length, so a sanitizer sees any read past its end.
    const std::vector<std::uint8_t> file(data, data + fileSize);
    UnreliableSource source(file, options, parameter);

    PreviewPicture picture;
    const LoadError error = qzr::LoadPreviewBitmap(source, picture);
    QZR_FUZZ_CHECK(std::strcmp(qzr::DescribeLoadError(error), "unknown error") != 0);
    if (error == LoadError::kNone) {
        CheckLoaded(picture, file, source);
    } else {
        QZR_FUZZ_CHECK(picture.pixels == nullptr && picture.width == 0 && picture.height == 0);
    }
}
