// The platform-free core speaks char16_t, Windows wchar_t: the same 2-byte UTF-16 units in
// distinct types, so texts cross between them by copy, never by pointer cast.
#pragma once

#include <string>
#include <string_view>

namespace qzr::win {

static_assert(sizeof(wchar_t) == sizeof(char16_t));

inline std::wstring ToWide(std::u16string_view text) {
    return std::wstring(text.begin(), text.end());
}

inline std::u16string ToChar16(std::wstring_view text) {
    return std::u16string(text.begin(), text.end());
}

}  // namespace qzr::win
