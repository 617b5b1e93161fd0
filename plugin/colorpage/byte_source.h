// Where the picture loader gets its bytes: read a run of bytes at an offset, and the total size.
// The loader never trusts a file's headers, so a source needs no checks of its own beyond
// reporting short reads. The plug-in adapts a Windows file handle; qzr and the tests use these.
#pragma once

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <span>

namespace qzr {

class ByteSource {
  public:
    virtual ~ByteSource() = default;
    // Copies up to out.size() bytes from offset into out and returns how many it copied: fewer
    // at the end of the data or on a read error, never an exception.
    virtual std::size_t ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) = 0;
    virtual std::uint64_t Size() const = 0;
};

class MemoryByteSource final : public ByteSource {
  public:
    explicit MemoryByteSource(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::size_t ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) override {
        if (offset >= bytes_.size()) return 0;
        const std::size_t count = std::min<std::uint64_t>(out.size(), bytes_.size() - offset);
        std::copy_n(bytes_.begin() + static_cast<std::ptrdiff_t>(offset), count, out.begin());
        return count;
    }
    std::uint64_t Size() const override { return bytes_.size(); }

  private:
    std::span<const std::uint8_t> bytes_;
};

// A file opened for reading with the standard library (64-bit offsets on every platform).
class FileByteSource final : public ByteSource {
  public:
    explicit FileByteSource(const std::filesystem::path& path) {
        // Unbuffered: the loader asks for exactly the runs it needs, a crop's rows far apart.
        file_.rdbuf()->pubsetbuf(nullptr, 0);
        file_.open(path, std::ios::binary);
        if (file_.is_open() && file_.seekg(0, std::ios::end)) {
            const std::streamoff end = file_.tellg();
            if (end > 0) size_ = static_cast<std::uint64_t>(end);
        }
    }

    bool IsOpen() const { return file_.is_open(); }

    std::size_t ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) override {
        if (!file_.is_open() || offset >= size_ || out.empty()) return 0;
        file_.clear();
        if (!file_.seekg(static_cast<std::streamoff>(offset))) return 0;
        file_.read(reinterpret_cast<char*>(out.data()), static_cast<std::streamsize>(out.size()));
        return static_cast<std::size_t>(file_.gcount());
    }
    std::uint64_t Size() const override { return size_; }

  private:
    std::ifstream file_;
    std::uint64_t size_ = 0;
};

}  // namespace qzr
