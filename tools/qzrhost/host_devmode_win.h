// A DEVMODEW with the plug-in's private part behind it, laid out as the driver keeps it:
// the public part, then dmDriverExtra bytes that belong to the plug-in.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "oem_interfaces_win.h"

namespace qzr::host {

class HostDevmode {
public:
    // A zeroed public part as a driver starts it (A4 portrait, the given device name) and a
    // zeroed private part of privateSize bytes.
    HostDevmode(const std::wstring& deviceName, std::size_t privateSize);

    DEVMODEW* publicPart() { return reinterpret_cast<DEVMODEW*>(bytes_.data()); }
    void* privatePart() { return bytes_.data() + sizeof(DEVMODEW); }
    std::size_t privateSize() const { return bytes_.size() - sizeof(DEVMODEW); }
    const std::vector<std::byte>& bytes() const { return bytes_; }

private:
    std::vector<std::byte> bytes_;
};

}  // namespace qzr::host
