// The shipped preview pipeline against the step-by-step reference, in one run so their ratios
// can be read side by side:
//   BM_Preview/{reference,shipped}/<radius>  a whole 192 x 192 preview with every filter on
//   BM_LoadLarge/{reference,shipped}         loading a 6000 x 4000 picture (72 MB) for the preview
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "allocation_probe.h"
#include "byte_source.h"
#include "preview_bitmap_loader.h"
#include "preview_render.h"
#include "reference_preview.h"

namespace {

using namespace qzr;

class CountingSource final : public ByteSource {
  public:
    explicit CountingSource(ByteSource& inner) : inner_(inner) {}
    std::size_t ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) override {
        const std::size_t count = inner_.ReadAt(offset, out);
        bytesRead += count;
        return count;
    }
    std::uint64_t Size() const override { return inner_.Size(); }
    std::uint64_t bytesRead = 0;

  private:
    ByteSource& inner_;
};

ColorSettings EveryFilterOn(std::int16_t radius) {
    ColorSettings s{};
    s.brightness = 2;
    s.contrast = 3;
    s.saturation = 4;
    s.cyanBalance = 1;
    s.magentaBalance = -2;
    s.yellowBalance = 3;
    s.sharpness = 4;
    s.unsharpEnabled = 1;
    s.unsharpAmount = 5;
    s.unsharpRadius = radius;
    s.unsharpThreshold = 2;
    return s;
}

std::vector<std::uint8_t> SamplePixels() {
    FileByteSource file(QZR_SAMPLE_PICTURE);
    PreviewPicture picture;
    if (LoadPreviewBitmap(file, picture) != LoadError::kNone || picture.width != kPreviewSide ||
        picture.height != kPreviewSide) {
        std::fprintf(stderr, "preview_bench: cannot load %s\n", QZR_SAMPLE_PICTURE);
        std::exit(1);
    }
    return {picture.pixels.get(), picture.pixels.get() + kCropBytes};
}

template <typename Render>
void PreviewBenchmark(benchmark::State& state, Render render, std::int16_t radius) {
    static const std::vector<std::uint8_t> sample = SamplePixels();
    const ColorSettings settings = EveryFilterOn(radius);
    std::vector<std::uint8_t> bits(sample.size());
    for (auto _ : state) {
        std::memcpy(bits.data(), sample.data(), sample.size());
        render(settings, bits.data(), kPreviewSide, kPreviewSide);
        benchmark::DoNotOptimize(bits.data());
        benchmark::ClobberMemory();
    }
}

// A 6000 x 4000 picture written once per run, removed at exit.
class LargePicture {
  public:
    static constexpr std::int32_t kWidth = 6000, kHeight = 4000;

    LargePicture() : path_(std::filesystem::temp_directory_path() / "qzr_preview_bench.bmp") {
        const std::uint32_t stride = kWidth * 3;
        const std::uint32_t size = 54 + stride * kHeight;
        std::vector<std::uint8_t> header(54, 0);
        auto put = [&](std::size_t at, std::uint32_t v, int bytes) {
            for (int i = 0; i < bytes; ++i) header[at + i] = (v >> (8 * i)) & 0xFF;
        };
        header[0] = 'B';
        header[1] = 'M';
        put(2, size, 4);
        put(10, 54, 4);
        put(14, 40, 4);
        put(18, kWidth, 4);
        put(22, kHeight, 4);
        put(26, 1, 2);
        put(28, 24, 2);
        std::ofstream out(path_, std::ios::binary);
        out.write(reinterpret_cast<const char*>(header.data()), 54);
        std::vector<char> row(stride);
        for (std::int32_t y = 0; y < kHeight; ++y) {
            for (std::uint32_t i = 0; i < stride; ++i) row[i] = static_cast<char>(i * 7 + y * 13);
            out.write(row.data(), stride);
        }
    }
    ~LargePicture() { std::filesystem::remove(path_); }
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

const LargePicture& Large() {
    static const LargePicture picture;
    return picture;
}

void LoadLargeShipped(benchmark::State& state) {
    FileByteSource file(Large().path());
    CountingSource source(file);
    PreviewPicture picture;
    bench::ResetLargestAllocation();
    for (auto _ : state) {
        source.bytesRead = 0;
        if (LoadPreviewBitmap(source, picture) != LoadError::kNone) {
            state.SkipWithError("load failed");
            return;
        }
        benchmark::DoNotOptimize(picture.pixels.get());
    }
    state.counters["bytes_read"] = double(source.bytesRead);
    state.counters["largest_block"] = double(bench::LargestAllocation());

    FileByteSource again(Large().path());
    const auto expected = reference::LoadPreviewBitmap(again);
    if (!expected ||
        !std::equal(expected->pixels.begin(), expected->pixels.end(), picture.pixels.get()))
        state.SkipWithError("shipped pixels differ from the reference");
}

void LoadLargeReference(benchmark::State& state) {
    FileByteSource file(Large().path());
    CountingSource source(file);
    bench::ResetLargestAllocation();
    for (auto _ : state) {
        source.bytesRead = 0;
        const auto picture = reference::LoadPreviewBitmap(source);
        if (!picture) {
            state.SkipWithError("load failed");
            return;
        }
        benchmark::DoNotOptimize(picture->pixels.data());
    }
    state.counters["bytes_read"] = double(source.bytesRead);
    state.counters["largest_block"] = double(bench::LargestAllocation());
}

}  // namespace

int main(int argc, char** argv) {
    for (std::int16_t radius = 1; radius <= 30; ++radius) {
        const std::string suffix = "/" + std::to_string(radius);
        benchmark::RegisterBenchmark(("BM_Preview/reference" + suffix).c_str(),
                                     [radius](benchmark::State& state) {
                                         PreviewBenchmark(state, reference::RenderPreview, radius);
                                     })
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(
            ("BM_Preview/shipped" + suffix).c_str(),
            [radius](benchmark::State& state) { PreviewBenchmark(state, RenderPreview, radius); })
            ->Unit(benchmark::kMicrosecond);
    }
    benchmark::RegisterBenchmark("BM_LoadLarge/reference", LoadLargeReference)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("BM_LoadLarge/shipped", LoadLargeShipped)
        ->Unit(benchmark::kMicrosecond);

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
