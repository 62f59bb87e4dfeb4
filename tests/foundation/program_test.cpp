// What every program of the project gets from its build (cmake/VamireProgram.cmake):
// the common-controls 6 manifest (D-67), and its debug information in a file
// beside it, so that the program Wine maps at each start is stripped.
#include <windows.h>

#include <gtest/gtest.h>

#include <commctrl.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {

std::wstring ProgramPath() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  return path;
}

TEST(ProgramTest, CarriesTheCommonControlsSixManifest) {
  HRSRC manifest = FindResourceW(nullptr, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));  // RT_MANIFEST
  ASSERT_NE(manifest, nullptr);
  const char* text = static_cast<const char*>(LockResource(LoadResource(nullptr, manifest)));
  const std::string manifestText(text, SizeofResource(nullptr, manifest));
  EXPECT_NE(manifestText.find("Microsoft.Windows.Common-Controls"), std::string::npos);
  EXPECT_NE(manifestText.find("version=\"6.0.0.0\""), std::string::npos);

  // The system then gives the program version 6 of the common controls, from the
  // side-by-side store (Wine's answers version 5 to DllGetVersion, so the path tells).
  INITCOMMONCONTROLSEX icc{};
  icc.dwSize = sizeof(icc);
  icc.dwICC = ICC_STANDARD_CLASSES;
  ASSERT_TRUE(InitCommonControlsEx(&icc));
  HMODULE comctl = GetModuleHandleW(L"comctl32.dll");
  ASSERT_NE(comctl, nullptr);
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(comctl, path, MAX_PATH);
  const std::wstring lower = CharLowerW(path);
  EXPECT_NE(lower.find(L"common-controls"), std::wstring::npos) << path;
  EXPECT_NE(lower.find(L"_6.0."), std::wstring::npos) << path;
}

// The section names of a PE file, long ones read from its string table.
std::vector<std::string> SectionNames(const std::vector<char>& file) {
  std::vector<std::string> names;
  if (file.size() < sizeof(IMAGE_DOS_HEADER)) return names;
  IMAGE_DOS_HEADER dos;
  std::memcpy(&dos, file.data(), sizeof(dos));
  IMAGE_FILE_HEADER header;
  const size_t headerAt = size_t(dos.e_lfanew) + 4;
  if (headerAt + sizeof(header) > file.size()) return names;
  std::memcpy(&header, file.data() + headerAt, sizeof(header));
  const size_t strings = size_t(header.PointerToSymbolTable) + size_t(header.NumberOfSymbols) * 18;
  size_t at = headerAt + sizeof(header) + header.SizeOfOptionalHeader;
  for (int i = 0; i < header.NumberOfSections && at + sizeof(IMAGE_SECTION_HEADER) <= file.size(); ++i) {
    IMAGE_SECTION_HEADER section;
    std::memcpy(&section, file.data() + at, sizeof(section));
    at += sizeof(section);
    std::string name(reinterpret_cast<const char*>(section.Name), strnlen(reinterpret_cast<const char*>(section.Name), 8));
    if (name.size() > 1 && name[0] == '/' && header.PointerToSymbolTable) {
      const size_t offset = strings + std::stoul(name.substr(1));
      if (offset < file.size()) name = file.data() + offset;
    }
    names.push_back(name);
  }
  return names;
}

TEST(ProgramTest, RunsStrippedWithItsDebugFileBeside) {
  const std::wstring program = ProgramPath();
  HANDLE handle = CreateFileW(program.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(handle, INVALID_HANDLE_VALUE);
  std::vector<char> file(GetFileSize(handle, nullptr));
  DWORD read = 0;
  const BOOL ok = ReadFile(handle, file.data(), DWORD(file.size()), &read, nullptr);
  CloseHandle(handle);
  ASSERT_TRUE(ok && read == file.size());
  const std::vector<std::string> names = SectionNames(file);
  ASSERT_FALSE(names.empty());
  bool linked = false;
  for (const std::string& name : names) {
    EXPECT_NE(name.rfind(".debug_", 0), 0u) << name;
    linked = linked || name == ".gnu_debuglink";
  }
  EXPECT_TRUE(linked);
  EXPECT_NE(GetFileAttributesW((program + L".debug").c_str()), INVALID_FILE_ATTRIBUTES);
}

// Wine maps a section straight from the file only when it starts at a page
// boundary there; otherwise it copies the section into memory at every start.
TEST(ProgramTest, SectionsStartAtPageBoundariesInTheFile) {
  const auto* base = reinterpret_cast<const std::uint8_t*>(GetModuleHandleW(nullptr));
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  EXPECT_EQ(nt->OptionalHeader.FileAlignment, 0x1000u);
  const IMAGE_SECTION_HEADER* section = IMAGE_FIRST_SECTION(nt);
  for (int i = 0; i < nt->FileHeader.NumberOfSections; ++i, ++section)
    EXPECT_EQ(section->PointerToRawData % 0x1000, 0u) << std::string(reinterpret_cast<const char*>(section->Name), 8);
}

}  // namespace
