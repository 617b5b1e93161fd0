// The preview loader's bytes from a Windows file, opened as the preview has always opened its
// pictures: for reading, shared with other readers, existing files only. Anything that opens
// but is no file on a disk (a pipe, a device) counts as a file that cannot be opened.
#pragma once

#include "byte_source.h"
#include "common/win/unique_handle.h"

namespace qzr::plugin {

class FileHandleByteSource final : public ByteSource {
  public:
    explicit FileHandleByteSource(const wchar_t* path);

    bool IsOpen() const { return static_cast<bool>(file_); }

    std::size_t ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) override;
    std::uint64_t Size() const override { return size_; }

  private:
    win::UniqueFile file_;
    std::uint64_t size_ = 0;
};

}  // namespace qzr::plugin
