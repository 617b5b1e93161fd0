// qzrhost.exe as a driver engineer runs it: its arguments, the sheets it shows and captures,
// and the DEVMODE files it writes and reads.
#include <cstdlib>
#include <cstring>
#include <string>

#include "common/win/unique_handle.h"
#include "file_io_win.h"
#include "placed_files_win.h"
#include "plugin_fixture_win.h"
#include "private_devmode.h"

namespace qzr::test {
namespace {

struct Outcome {
    DWORD exitCode = 0xFFFFFFFF;
    std::string output;  // what it wrote to its standard output, lines ending in "\n"
};

class QzrhostTest : public ::testing::Test {
protected:
    void SetUp() override {
        const wchar_t* exe = _wgetenv(L"QZRHOST_EXE");
        ASSERT_NE(exe, nullptr) << "CTest sets QZRHOST_EXE";
        program = exe;
        if (program[0] == L'/') program = L"Z:" + program;
        wchar_t temp[MAX_PATH];
        ASSERT_NE(GetTempPathW(MAX_PATH, temp), 0u);
        folder = std::wstring(temp) + L"qzrhost-test-" + std::to_wstring(GetCurrentProcessId());
        ASSERT_TRUE(files.EnsureFolder(folder));
    }

    // Runs qzrhost with the plug-in under test and these arguments, at most a minute.
    Outcome Run(const std::wstring& arguments) {
        const std::wstring outputPath = folder + L"\\stdout.txt";
        files.Write(outputPath, "");
        SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
        Outcome outcome;
        {
            const win::UniqueFile output(CreateFileW(outputPath.c_str(), GENERIC_WRITE,
                                                     FILE_SHARE_READ, &inherit, CREATE_ALWAYS,
                                                     FILE_ATTRIBUTE_NORMAL, nullptr));
            EXPECT_TRUE(output);
            STARTUPINFOW startup{};
            startup.cb = sizeof startup;
            startup.dwFlags = STARTF_USESTDHANDLES;
            startup.hStdOutput = output.get();
            startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
            std::wstring line =
                L"\"" + program + L"\" --dll \"" + PluginPath() + L"\" " + arguments;
            PROCESS_INFORMATION process{};
            if (!CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                nullptr, &startup, &process)) {
                ADD_FAILURE() << "cannot start qzrhost, error " << GetLastError();
                return outcome;
            }
            const win::UniqueKernelHandle processHandle(process.hProcess);
            const win::UniqueKernelHandle thread(process.hThread);
            EXPECT_EQ(WaitForSingleObject(process.hProcess, 60000), WAIT_OBJECT_0);
            GetExitCodeProcess(process.hProcess, &outcome.exitCode);
        }
        std::string error;
        if (const auto bytes = host::ReadWholeFile(outputPath, 1 << 20, error))
            for (std::byte b : *bytes)  // text mode wrote "\r\n"
                if (b != std::byte{'\r'}) outcome.output += static_cast<char>(b);
        return outcome;
    }

    std::wstring Path(const wchar_t* name) const { return folder + L"\\" + name; }

    std::vector<std::byte> Read(const std::wstring& path) {
        std::string error;
        auto bytes = host::ReadWholeFile(path, 1 << 24, error);
        EXPECT_TRUE(bytes) << error;
        return bytes.value_or(std::vector<std::byte>{});
    }

    std::wstring program, folder;
    PlacedFiles files;
};

TEST_F(QzrhostTest, BadArgumentsPrintUsageAndExit2) {
    for (const wchar_t* arguments :
         {L"", L"bogus", L"document --devmode", L"printer --save-devmode x.dm",
          L"info --screenshot x.png", L"document extra", L"--frobnicate document"}) {
        SCOPED_TRACE(testing::Message() << "qzrhost " << arguments);
        EXPECT_EQ(Run(arguments).exitCode, 2u);
    }
    const Outcome help = Run(L"--help");
    EXPECT_EQ(help.exitCode, 0u);
    EXPECT_NE(help.output.find("usage: qzrhost"), std::string::npos);
}

TEST_F(QzrhostTest, DocumentSheetScreenshotAndDevmodeRoundTrip) {
    const std::wstring png = Path(L"document.png"), saved = Path(L"saved.dm");
    files.Write(png, "");
    files.Write(saved, "");
    const Outcome first =
        Run(L"document --screenshot \"" + png + L"\" --save-devmode \"" + saved + L"\"");
    ASSERT_EQ(first.exitCode, 0u) << first.output;
    EXPECT_NE(first.output.find("the driver's option \"Color\" is hidden"), std::string::npos);
    EXPECT_NE(first.output.find("sheet closed with OK"), std::string::npos);
    const std::vector<std::byte> picture = Read(png);
    ASSERT_GT(picture.size(), 8u);
    EXPECT_EQ(std::memcmp(picture.data(), "\x89PNG\r\n\x1a\n", 8), 0);

    std::vector<std::byte> devmode = Read(saved);
    ASSERT_EQ(devmode.size(), sizeof(DEVMODEW) + sizeof(PrivateDevmode));
    auto* record = reinterpret_cast<PrivateDevmode*>(devmode.data() + sizeof(DEVMODEW));
    EXPECT_EQ(record->signature, kPrivateDevmodeSignature);

    // Edited settings come back through MERGE, repaired where out of range.
    record->settings.brightness = -6;
    record->settings.unsharpRadius = 99;
    const std::wstring edited = Path(L"edited.dm"), resaved = Path(L"resaved.dm");
    files.Write(edited,
                std::string_view(reinterpret_cast<const char*>(devmode.data()), devmode.size()));
    files.Write(resaved, "");
    const Outcome second = Run(L"document --devmode \"" + edited + L"\" --save-devmode \"" +
                               resaved + L"\" --screenshot \"" + png + L"\"");
    ASSERT_EQ(second.exitCode, 0u) << second.output;
    EXPECT_NE(second.output.find("  brightness -6\n"), std::string::npos) << second.output;
    EXPECT_NE(second.output.find("  unsharpRadius 10\n"), std::string::npos);
    const std::vector<std::byte> again = Read(resaved);
    ASSERT_EQ(again.size(), devmode.size());
    EXPECT_EQ(reinterpret_cast<const PrivateDevmode*>(again.data() + sizeof(DEVMODEW))
                  ->settings.brightness,
              -6);
}

TEST_F(QzrhostTest, RefusesABrokenDevmodeFile) {
    const std::wstring broken = Path(L"broken.dm");
    files.Write(broken, std::string(300, '\0'));
    const Outcome outcome = Run(L"document --devmode \"" + broken + L"\"");
    EXPECT_EQ(outcome.exitCode, 1u);
    const Outcome missing = Run(L"document --devmode \"" + Path(L"absent.dm") + L"\"");
    EXPECT_EQ(missing.exitCode, 1u);
}

TEST_F(QzrhostTest, PrinterSheetScreenshot) {
    const std::wstring png = Path(L"printer.png");
    files.Write(png, "");
    const Outcome outcome = Run(L"printer --screenshot \"" + png + L"\"");
    ASSERT_EQ(outcome.exitCode, 0u) << outcome.output;
    EXPECT_NE(outcome.output.find("title \"OEM UI Page\""), std::string::npos);
    EXPECT_GT(Read(png).size(), 10000u);
}

}  // namespace
}  // namespace qzr::test
