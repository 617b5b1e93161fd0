// Whole files in and out by their wide path, with the reason in error on failure.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace qzr::host {

// Nothing when the file cannot be read or holds more than maxBytes.
std::optional<std::vector<std::byte>> ReadWholeFile(const std::wstring& path, std::size_t maxBytes,
                                                    std::string& error);

// Replaces the file; false when it cannot be written completely.
bool WriteWholeFile(const std::wstring& path, std::span<const std::byte> bytes, std::string& error);

}  // namespace qzr::host
