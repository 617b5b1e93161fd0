// QueryColorProfile: the profile name, the size answers, and the calls it refuses.
#include <array>
#include <cstring>
#include <cwchar>
#include <string>

#include "hooks_fixture_win.h"

namespace qzr::test {
namespace {

constexpr unsigned char kFill = 0xCD;
constexpr DWORD kUntouchedError = 0x4242;
constexpr ULONG kUntouched = 0xCCCCCCCC;

TEST_F(HooksTest, QueryColorProfileAnswers) {
    const struct Case {
        const char* rule;
        ULONG mode = printoem::QCP_DEVICEPROFILE;
        DWORD icmMethod = DMICMMETHOD_SYSTEM;
        ULONG bufferBytes = 32;
        bool withBuffer = true, withSize = true, withFlags = true, withDevmode = true;
        HRESULT result;
        DWORD lastError;
        ULONG sizeOut, flagsOut;
        const wchar_t* text = nullptr;  // null: the buffer is untouched
    } cases[] = {
        {.rule = "the profile file",
         .result = S_OK,
         .lastError = kUntouchedError,
         .sizeOut = 32,
         .flagsOut = 2,
         .text = L"OEMPROFILE.icm"},
        {.rule = "a larger buffer is still told 32",
         .bufferBytes = 64,
         .result = S_OK,
         .lastError = kUntouchedError,
         .sizeOut = 32,
         .flagsOut = 2,
         .text = L"OEMPROFILE.icm"},
        {.rule = "colour management off: empty name",
         .icmMethod = DMICMMETHOD_NONE,
         .result = S_OK,
         .lastError = kUntouchedError,
         .sizeOut = 32,
         .flagsOut = 2,
         .text = L""},
        {.rule = "31 bytes are too few",
         .bufferBytes = 31,
         .result = E_FAIL,
         .lastError = ERROR_INSUFFICIENT_BUFFER,
         .sizeOut = 32,
         .flagsOut = kUntouched},
        {.rule = "no buffer: the size query",
         .bufferBytes = 100,
         .withBuffer = false,
         .result = E_FAIL,
         .lastError = ERROR_INSUFFICIENT_BUFFER,
         .sizeOut = 32,
         .flagsOut = kUntouched},
        {.rule = "a source profile is not offered",
         .mode = printoem::QCP_SOURCEPROFILE,
         .bufferBytes = 40,
         .result = E_FAIL,
         .lastError = kUntouchedError,
         .sizeOut = 40,
         .flagsOut = kUntouched},
        {.rule = "no size pointer",
         .withSize = false,
         .result = E_FAIL,
         .lastError = ERROR_INVALID_PARAMETER,
         .sizeOut = kUntouched,
         .flagsOut = kUntouched},
        {.rule = "no flags pointer",
         .withFlags = false,
         .result = E_FAIL,
         .lastError = ERROR_INVALID_PARAMETER,
         .sizeOut = 32,
         .flagsOut = kUntouched},
        {.rule = "no public DEVMODE",
         .withDevmode = false,
         .result = E_FAIL,
         .lastError = ERROR_INVALID_PARAMETER,
         .sizeOut = 32,
         .flagsOut = kUntouched},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        // One byte in, so the name is written to an address that is not 2-aligned.
        std::array<unsigned char, 80> bytes;
        bytes.fill(kFill);
        unsigned char* buffer = bytes.data() + 1;
        ULONG size = c.bufferBytes;
        FLONG flags = kUntouched;
        publicDm.dmICMMethod = c.icmMethod;
        SetLastError(kUntouchedError);
        const HRESULT hr =
            plugin->QueryColorProfile(nullptr, nullptr, c.withDevmode ? &publicDm : nullptr,
                                      &record, c.mode, c.withBuffer ? buffer : nullptr,
                                      c.withSize ? &size : nullptr, c.withFlags ? &flags : nullptr);
        EXPECT_EQ(hr, c.result);
        EXPECT_EQ(GetLastError(), c.lastError);
        EXPECT_EQ(size, c.withSize ? c.sizeOut : c.bufferBytes);
        EXPECT_EQ(flags, c.flagsOut);
        if (c.text == nullptr) {
            for (unsigned char b : bytes) ASSERT_EQ(b, kFill);
            continue;
        }
        const std::size_t written = (std::wcslen(c.text) + 1) * sizeof(wchar_t);
        std::wstring text(written / sizeof(wchar_t), L'?');
        std::memcpy(text.data(), buffer, written);
        EXPECT_EQ(text, std::wstring(c.text, written / sizeof(wchar_t)));
        EXPECT_EQ(bytes[1 + written], kFill) << "nothing past the terminating NUL";
    }
}

}  // namespace
}  // namespace qzr::test
