// String lists through files in the platform's ANSI code page, and comparison
// by the user's locale.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <iterator>

#include "Classes.h"
#include "Streams.h"
#include "Streams_win.h"

namespace {

String TempFile(const wchar_t* name) {
  wchar_t dir[MAX_PATH];
  GetTempPathW(MAX_PATH, dir);
  return String(dir) + name + std::to_wstring(GetCurrentProcessId()) + L".txt";
}

std::string FileBytes(const String& path) {
  TFileStream f(path, fmOpenRead);
  std::string bytes(size_t(f.Size()), '\0');
  f.ReadBuffer(bytes.data(), int32_t(bytes.size()));
  return bytes;
}

TEST(StringsFileTest, TextCrossesTheFileInTheAnsiCodePage) {
  struct TCase {
    unsigned codePage;
    const wchar_t* text;
    const char* bytes;
  } cases[] = {
      {936, L"矩阵\r\nCOM5", "\xBE\xD8\xD5\xF3\r\nCOM5\r\n"},
      {1252, L"café\r\nCOM5", "caf\xE9\r\nCOM5\r\n"},
  };
  bool ran = false;
  for (const TCase& c : cases) {
    if (c.codePage != GetACP()) continue;
    ran = true;
    const String path = TempFile(L"vamire_strings");
    TStringList out;
    out.SetText(c.text);
    out.SaveToFile(path);
    EXPECT_EQ(FileBytes(path), c.bytes);
    TStringList in;
    in.Add(L"stale");
    in.LoadFromFile(path);
    EXPECT_TRUE(in.Equals(&out));
    DeleteFileW(path.c_str());
  }
  EXPECT_TRUE(ran) << "no case for code page " << GetACP();
}

TEST(StringsFileTest, MissingFileRaisesAndKeepsTheList) {
  TStringList list;
  list.Add(L"kept");
  EXPECT_THROW(list.LoadFromFile(TempFile(L"vamire_missing")), EFOpenError);
  EXPECT_EQ(list.Text(), L"kept\r\n");
}

TEST(LocaleCompareTest, UserLocaleOrdersLikeTheSystem) {
  InstallPlatformClasses();
  EXPECT_EQ(LocaleCompare(L"abc", L"ABC", true), 0);
  EXPECT_LT(LocaleCompare(L"apple", L"Banana", true), 0);
  EXPECT_NE(LocaleCompare(L"abc", L"ABC", false), 0);
  TStringList list;
  list.SetText(L"cherry\nBanana\napple");
  list.SetSorted(true);
  EXPECT_EQ(list.CommaText(), L"apple,Banana,cherry");
}

}  // namespace
