// UTF-16 paths and texts of the core, converted for printing on a terminal.
#pragma once

#include <string>
#include <string_view>

namespace qzr {

// Unpaired surrogates become U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);
// Invalid bytes become U+FFFD.
std::u16string Utf8ToUtf16(std::string_view text);

// The text of a fixed buffer up to its first NUL (all of it when there is none).
std::u16string_view TerminatedView(const char16_t* buffer, std::size_t units);

}  // namespace qzr
