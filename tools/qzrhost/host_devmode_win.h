// A DEVMODEW with the plug-in's private part behind it, laid out as the driver keeps it:
// the public part, then dmDriverExtra bytes that belong to the plug-in.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "oem_interfaces_win.h"

namespace qzr::host {

class HostDevmode {
public:
    // A zeroed public part as a driver starts it (A4 portrait, the given device name) and a
    // zeroed private part of privateSize bytes.
    HostDevmode(const std::wstring& deviceName, std::size_t privateSize);

    // A whole DEVMODE from outside (a file): accepted only when its sizes agree with each other
    // and with the bytes present, and a private part holds at least the header whose size it
    // claims. Otherwise nothing, with the reason in error.
    static std::optional<HostDevmode> Parse(std::vector<std::byte> bytes, std::string& error);

    DEVMODEW* publicPart() { return reinterpret_cast<DEVMODEW*>(bytes_.data()); }
    const DEVMODEW* publicPart() const { return reinterpret_cast<const DEVMODEW*>(bytes_.data()); }
    void* privatePart() { return bytes_.data() + sizeof(DEVMODEW); }
    const void* privatePart() const { return bytes_.data() + sizeof(DEVMODEW); }
    std::size_t privateSize() const { return bytes_.size() - sizeof(DEVMODEW); }
    const std::vector<std::byte>& bytes() const { return bytes_; }

private:
    explicit HostDevmode(std::vector<std::byte> bytes) : bytes_(std::move(bytes)) {}

    std::vector<std::byte> bytes_;
};

// What the driver does to make a document's DEVMODE: OEMDM_SIZE for the private part, then
// OEMDM_DEFAULT; with an input DEVMODE, OEMDM_MERGE of its private part into the defaults and its
// public part kept. Nothing, with the reason in error, when a call fails.
std::optional<HostDevmode> MakeDocumentDevmode(printoem::IPrintOemUI& plugin, HMODULE module,
                                               const HostDevmode* input, std::string& error);

}  // namespace qzr::host
