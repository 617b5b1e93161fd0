#include "file_byte_source_win.h"

#include <algorithm>

namespace qzr::plugin {

FileHandleByteSource::FileHandleByteSource(const wchar_t* path)
    : file_(CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                        FILE_ATTRIBUTE_NORMAL, nullptr)) {
    // A path from a record may name a pipe or a device, whose reads can wait for ever inside
    // the user's program: only a file on a disk is a picture.
    if (file_ && GetFileType(file_.get()) != FILE_TYPE_DISK) file_.reset();
    LARGE_INTEGER size{};
    if (file_ && GetFileSizeEx(file_.get(), &size) && size.QuadPart > 0)
        size_ = static_cast<std::uint64_t>(size.QuadPart);
}

std::size_t FileHandleByteSource::ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) {
    std::size_t total = 0;
    while (file_ && total < out.size()) {
        const std::uint64_t position = offset + total;
        OVERLAPPED at{};
        at.Offset = static_cast<DWORD>(position);
        at.OffsetHigh = static_cast<DWORD>(position >> 32);
        const DWORD wanted =
            static_cast<DWORD>(std::min<std::size_t>(out.size() - total, 1u << 30));
        DWORD read = 0;
        if (!ReadFile(file_.get(), out.data() + total, wanted, &read, &at) || read == 0) break;
        total += read;
    }
    return total;
}

}  // namespace qzr::plugin
