#include "whole_write_win.h"

namespace qzr::plugin {

bool WriteWhole(HANDLE file, std::span<const std::uint8_t> bytes) {
    DWORD written = 0;
    return WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size();
}

}  // namespace qzr::plugin
