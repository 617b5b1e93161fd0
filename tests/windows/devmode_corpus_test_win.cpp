// The private records of the devmode fuzz corpus and its crashers, handed to the DLL's DevMode as
// a driver would hand over another application's DEVMODE. Each record ends where an inaccessible
// page begins, so reading or writing one byte past its 576 faults at once.
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "plugin_fixture_win.h"
#include "private_devmode.h"
#include "settings_fields.h"

namespace qzr::test {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Two records, each right before a page that may not be touched.
class FencedRecords {
  public:
    FencedRecords() {
        SYSTEM_INFO system;
        GetSystemInfo(&system);
        page_ = system.dwPageSize;
        for (auto& block : blocks_) {
            block = static_cast<std::uint8_t*>(
                VirtualAlloc(nullptr, 2 * page_, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
            DWORD old = 0;
            if (block) VirtualProtect(block + page_, page_, PAGE_NOACCESS, &old);
        }
    }
    FencedRecords(const FencedRecords&) = delete;
    FencedRecords& operator=(const FencedRecords&) = delete;
    ~FencedRecords() {
        for (auto* block : blocks_)
            if (block) VirtualFree(block, 0, MEM_RELEASE);
    }
    bool Ready() const { return blocks_[0] && blocks_[1]; }
    PrivateDevmode* Record(int i) {
        return reinterpret_cast<PrivateDevmode*>(blocks_[i] + page_ - sizeof(PrivateDevmode));
    }

  private:
    DWORD page_ = 0;
    std::uint8_t* blocks_[2] = {};
};

std::vector<std::wstring> CorpusFiles() {
    std::vector<std::wstring> files;
    for (const wchar_t* kind : {L"\\corpus\\devmode", L"\\crashers\\devmode"}) {
        const std::wstring folder = std::wstring(QZR_FUZZ_DIR) + kind;
        WIN32_FIND_DATAW found{};
        const HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) continue;
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                files.push_back(folder + L"\\" + found.cFileName);
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    return files;
}

using DevmodeCorpusTest = PluginTest;

TEST_F(DevmodeCorpusTest, EveryRecordIsMergedWithinItsBytesAndLeftInRange) {
    const auto plugin = CreatePlugin();
    ASSERT_TRUE(plugin);
    const std::vector<std::wstring> files = CorpusFiles();
    ASSERT_FALSE(files.empty()) << "no corpus under " << QZR_FUZZ_DIR;
    FencedRecords records;
    ASSERT_TRUE(records.Ready());
    for (const std::wstring& file : files) {
        SCOPED_TRACE(std::string(file.begin(), file.end()));
        std::ifstream in(file.c_str(), std::ios::binary);
        Bytes bytes{std::istreambuf_iterator<char>(in), {}};
        // Source, then target, as the harness reads them, signatures often made the same.
        const bool shareSignature = !bytes.empty() && (bytes[0] & 1);
        bytes.resize(2 * sizeof(PrivateDevmode));
        if (shareSignature) std::memcpy(&bytes[sizeof(PrivateDevmode) + 4], &bytes[4], 4);
        for (const DWORD mode : {printoem::OEMDM_CONVERT, printoem::OEMDM_MERGE}) {
            PrivateDevmode* source = records.Record(0);
            PrivateDevmode* target = records.Record(1);
            std::memcpy(source, bytes.data(), sizeof(PrivateDevmode));
            std::memcpy(target, bytes.data() + sizeof(PrivateDevmode), sizeof(PrivateDevmode));
            const bool sameSignature = source->signature == target->signature;
            char16_t path[kPathUnits];
            std::memcpy(path, target->previewImagePath, sizeof path);

            printoem::OEMDMPARAM param{};
            param.cbSize = sizeof param;
            param.pOEMDMIn = source;
            param.pOEMDMOut = target;
            param.cbBufSize = sizeof(PrivateDevmode);
            ASSERT_EQ(plugin->DevMode(mode, &param), S_OK);
            EXPECT_EQ(target->size, kPrivateDevmodeSize);
            EXPECT_EQ(target->version, kPrivateDevmodeVersion);
            if (!sameSignature) {
                EXPECT_EQ(target->signature, kPrivateDevmodeSignature);
                EXPECT_EQ(std::memcmp(target->previewImagePath, path, sizeof path), 0);
            }
            if (mode != printoem::OEMDM_MERGE) continue;
            EXPECT_EQ(target->signature, kPrivateDevmodeSignature);
            for (const SettingsField& field : kSettingsFields) {
                if (!field.validated) continue;
                const std::int32_t value = ReadField(target->settings, field);
                EXPECT_TRUE(value >= field.keptMin && value <= field.keptMax) << field.name;
            }
        }
    }
    std::cout << "  " << files.size() << " records converted and merged\n";
}

}  // namespace
}  // namespace qzr::test
