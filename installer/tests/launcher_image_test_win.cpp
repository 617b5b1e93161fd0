// What QZR-inst.exe carries: a 32-bit GUI program importing only Windows system DLLs, with its
// manifest, icon group, dialog template and version block.
#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "launcher_test_support_win.h"
#include "res/resource_ids.h"

namespace qzr::test {
namespace {

std::vector<BYTE> ReadWholeFile(const std::wstring& path) {
    const win::UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return {};
    std::vector<BYTE> bytes(GetFileSize(file.get(), nullptr));
    DWORD read = 0;
    if (!ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) ||
        read != bytes.size()) {
        return {};
    }
    return bytes;
}

// The program file's bytes, read through its PE headers.
class LauncherImage : public ::testing::Test {
  protected:
    void SetUp() override {
        path = PathFromEnvironment(L"QZR_LAUNCHER_EXE");
        file = ReadWholeFile(path);
        ASSERT_GT(file.size(), sizeof(IMAGE_DOS_HEADER));
        const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(file.data());
        ASSERT_EQ(dos->e_magic, IMAGE_DOS_SIGNATURE);
        ASSERT_LE(dos->e_lfanew + sizeof(IMAGE_NT_HEADERS32), file.size());
        nt = reinterpret_cast<const IMAGE_NT_HEADERS32*>(file.data() + dos->e_lfanew);
        ASSERT_EQ(nt->Signature, IMAGE_NT_SIGNATURE);

        module.reset(LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
        ASSERT_TRUE(module);
    }

    // The file bytes at a relative virtual address.
    const BYTE* AtRva(DWORD rva) const {
        const IMAGE_SECTION_HEADER* section = IMAGE_FIRST_SECTION(nt);
        for (WORD i = 0; i < nt->FileHeader.NumberOfSections; ++i, ++section) {
            if (rva >= section->VirtualAddress &&
                rva < section->VirtualAddress + section->SizeOfRawData) {
                return file.data() + section->PointerToRawData + (rva - section->VirtualAddress);
            }
        }
        return nullptr;
    }

    std::pair<const BYTE*, DWORD> Resource(LPCWSTR type, UINT id) const {
        HRSRC found = FindResourceW(module.get(), MAKEINTRESOURCEW(id), type);
        if (found == nullptr) return {nullptr, 0};
        HGLOBAL loaded = LoadResource(module.get(), found);
        return {static_cast<const BYTE*>(LockResource(loaded)),
                SizeofResource(module.get(), found)};
    }

    std::wstring path;
    std::vector<BYTE> file;
    const IMAGE_NT_HEADERS32* nt = nullptr;
    win::UniqueModule module;
};

TEST_F(LauncherImage, IsA32BitGuiProgramImportingOnlyWindowsSystemDlls) {
    EXPECT_EQ(nt->FileHeader.Machine, IMAGE_FILE_MACHINE_I386);
    EXPECT_EQ(nt->OptionalHeader.Magic, IMAGE_NT_OPTIONAL_HDR32_MAGIC);
    EXPECT_EQ(nt->OptionalHeader.Subsystem, IMAGE_SUBSYSTEM_WINDOWS_GUI);

    const std::set<std::string> system = {"advapi32.dll", "comctl32.dll", "gdi32.dll",
                                          "kernel32.dll", "msvcrt.dll",   "user32.dll"};
    const auto& directory = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    const auto* entry =
        reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(AtRva(directory.VirtualAddress));
    ASSERT_NE(entry, nullptr);
    int count = 0;
    for (; entry->Name != 0; ++entry, ++count) {
        std::string name = reinterpret_cast<const char*>(AtRva(entry->Name));
        for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        EXPECT_TRUE(system.count(name)) << name << " is not a Windows system DLL";
    }
    EXPECT_GT(count, 0);
}

TEST_F(LauncherImage, ManifestAsksForAdministratorAndCommonControls6) {
    const auto [data, size] = Resource(MAKEINTRESOURCEW(24), 1);
    ASSERT_NE(data, nullptr);
    const std::string manifest(reinterpret_cast<const char*>(data), size);
    for (const char* part : {"level=\"requireAdministrator\"", "uiAccess=\"false\"",
                             "name=\"Microsoft.Windows.Common-Controls\"", "version=\"6.0.0.0\"",
                             "processorArchitecture=\"x86\"", "language=\"*\""}) {
        EXPECT_NE(manifest.find(part), std::string::npos) << part;
    }
}

#pragma pack(push, 2)
struct GroupIconEntry {
    BYTE width;
    BYTE height;
    BYTE colorCount;
    BYTE reserved;
    WORD planes;
    WORD bitCount;
    DWORD bytesInRes;
    WORD id;
};
#pragma pack(pop)
static_assert(sizeof(GroupIconEntry) == 14);

TEST_F(LauncherImage, IconGroupHoldsTheTenImages) {
    const auto [data, size] = Resource(RT_GROUP_ICON, IDR_MAINFRAME);
    ASSERT_NE(data, nullptr);
    WORD header[3];
    ASSERT_GE(size, sizeof header);
    std::memcpy(header, data, sizeof header);
    EXPECT_EQ(header[1], 1);  // icons, not cursors
    ASSERT_EQ(header[2], 10);
    ASSERT_GE(size, sizeof header + 10 * sizeof(GroupIconEntry));

    std::set<std::pair<int, int>> found;  // (pixels, bits per pixel)
    for (int i = 0; i < 10; ++i) {
        GroupIconEntry entry;
        std::memcpy(&entry, data + sizeof header + i * sizeof entry, sizeof entry);
        const int pixels = entry.width == 0 ? 256 : entry.width;
        found.insert({pixels, entry.bitCount});
        const auto [image, imageSize] = Resource(RT_ICON, entry.id);
        ASSERT_NE(image, nullptr) << "image " << entry.id;
        EXPECT_EQ(imageSize, entry.bytesInRes);
        const bool png = imageSize > 8 && std::memcmp(image, "\x89PNG\r\n\x1a\n", 8) == 0;
        EXPECT_EQ(png, pixels == 256) << pixels << " pixels";
    }
    const std::set<std::pair<int, int>> expected = {{48, 4},  {32, 4},  {16, 4},  {48, 8},
                                                    {32, 8},  {16, 8},  {48, 32}, {32, 32},
                                                    {16, 32}, {256, 32}};
    EXPECT_EQ(found, expected);
}

// Reads a DLGTEMPLATEEX: fixed fields, then strings and ordinals, items DWORD-aligned.
class TemplateReader {
  public:
    TemplateReader(const BYTE* data, DWORD size) : data_(data), size_(size) {}

    template <typename T>
    T Next() {
        T value{};
        if (offset_ + sizeof value <= size_) std::memcpy(&value, data_ + offset_, sizeof value);
        offset_ += sizeof value;
        return value;
    }
    std::wstring Text() {
        std::wstring text;
        for (WORD unit; (unit = Next<WORD>()) != 0 && offset_ <= size_;) text += wchar_t(unit);
        return text;
    }
    void AlignToDword() { offset_ = (offset_ + 3) & ~std::size_t{3}; }

  private:
    const BYTE* data_;
    DWORD size_;
    std::size_t offset_ = 0;
};

TEST_F(LauncherImage, DialogTemplate102) {
    const auto [data, size] = Resource(RT_DIALOG, IDD_QZRINST_DIALOG);
    ASSERT_NE(data, nullptr);
    TemplateReader reader(data, size);
    EXPECT_EQ(reader.Next<WORD>(), 1);       // dlgVer
    EXPECT_EQ(reader.Next<WORD>(), 0xFFFF);  // extended template
    reader.Next<DWORD>();                    // help id
    EXPECT_EQ(reader.Next<DWORD>(), static_cast<DWORD>(WS_EX_APPWINDOW));
    EXPECT_EQ(reader.Next<DWORD>(), static_cast<DWORD>(WS_POPUP | WS_VISIBLE | WS_CAPTION |
                                                       DS_MODALFRAME | DS_SHELLFONT));
    ASSERT_EQ(reader.Next<WORD>(), 2);  // items
    EXPECT_EQ(reader.Next<short>(), 0);
    EXPECT_EQ(reader.Next<short>(), 0);
    EXPECT_EQ(reader.Next<short>(), 320);
    EXPECT_EQ(reader.Next<short>(), 200);
    EXPECT_EQ(reader.Next<WORD>(), 0);  // no menu
    EXPECT_EQ(reader.Next<WORD>(), 0);  // the dialog class
    EXPECT_EQ(reader.Text(), L"QZR-inst");
    EXPECT_EQ(reader.Next<WORD>(), 8);  // points
    reader.Next<WORD>();                // weight
    reader.Next<WORD>();                // italic, charset
    EXPECT_EQ(reader.Text(), L"MS Shell Dlg");

    const struct {
        DWORD id;
        const wchar_t* text;
        DWORD kind;
        short x;
    } buttons[] = {{IDOK, L"OK", BS_DEFPUSHBUTTON, 209}, {IDCANCEL, L"Cancel", BS_PUSHBUTTON, 263}};
    for (const auto& button : buttons) {
        SCOPED_TRACE(button.id);
        reader.AlignToDword();
        reader.Next<DWORD>();  // help id
        reader.Next<DWORD>();  // extended style
        const DWORD style = reader.Next<DWORD>();
        EXPECT_EQ(style & 0xF, button.kind);
        EXPECT_TRUE(style & WS_TABSTOP);
        EXPECT_EQ(reader.Next<short>(), button.x);
        EXPECT_EQ(reader.Next<short>(), 179);
        EXPECT_EQ(reader.Next<short>(), 50);
        EXPECT_EQ(reader.Next<short>(), 14);
        EXPECT_EQ(reader.Next<DWORD>(), button.id);
        EXPECT_EQ(reader.Next<WORD>(), 0xFFFF);
        EXPECT_EQ(reader.Next<WORD>(), 0x0080);  // the button class
        EXPECT_EQ(reader.Text(), button.text);
        reader.Next<WORD>();  // creation data
    }
}

TEST_F(LauncherImage, VersionBlock) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
    ASSERT_GT(size, 0u);
    std::vector<BYTE> block(size);
    ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, size, block.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0x00000001u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0x00000001u);
    EXPECT_EQ(fixed->dwFileOS, static_cast<DWORD>(VOS__WINDOWS32));
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

    WORD* translation = nullptr;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation",
                               reinterpret_cast<void**>(&translation), &length));
    ASSERT_GE(length, 4u);
    EXPECT_EQ(translation[0], 0x0409);
    EXPECT_EQ(translation[1], 1252);

    const struct {
        const wchar_t* key;
        const wchar_t* value;
    } strings[] = {{L"CompanyName", L"ZORELL Corporation"},
                   {L"FileDescription", L"Install printer driver"},
                   {L"FileVersion", L"1.0.0.1"},
                   {L"InternalName", L"QZR-inst.exe"},
                   {L"OriginalFilename", L"QZR-inst.exe"},
                   {L"ProductName", L"QZR Driver installer"},
                   {L"ProductVersion", L"1.0.0.1"}};
    for (const auto& s : strings) {
        const std::wstring query = std::wstring(L"\\StringFileInfo\\040904E4\\") + s.key;
        wchar_t* value = nullptr;
        ASSERT_TRUE(
            VerQueryValueW(block.data(), query.c_str(), reinterpret_cast<void**>(&value), &length))
            << "missing " << std::string(s.key, s.key + wcslen(s.key));
        EXPECT_STREQ(value, s.value);
    }
    wchar_t* legal = nullptr;
    EXPECT_TRUE(VerQueryValueW(block.data(), L"\\StringFileInfo\\040904E4\\LegalCopyright",
                               reinterpret_cast<void**>(&legal), &length));
}

}  // namespace
}  // namespace qzr::test
