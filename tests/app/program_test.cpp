// The console as a whole: the real program started from the run folder that
// scripts/run-folder prepared, with its start-up animation running on the
// real timer, and closed the way an operator closes it.
#include <windows.h>

#include <gtest/gtest.h>

#include "ProgramRun.h"

namespace {

using app_test::TProgramRun;
using app_test::WaitFor;

const String Folder = app_test::WindowsPath(VAMIRE_RUN_FOLDER);

void SetKey(const wchar_t* section, const wchar_t* key, const wchar_t* value) {
  const String file = Folder + L"\\cfg.ini";
  WritePrivateProfileStringW(section, key, value, file.c_str());
}

int LayeredAlpha(HWND window) {
  BYTE alpha = 0;
  DWORD flags = 0;
  return GetLayeredWindowAttributes(window, nullptr, &alpha, &flags) && (flags & LWA_ALPHA) ? alpha : -1;
}

// A logo beside the program, named relative to its current folder.
void PutLogo() {
  const String file = Folder + L"\\logo.bmp";
  BITMAPINFOHEADER info{sizeof(BITMAPINFOHEADER), 8, 8, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  const DWORD pixels = 8 * 8 * 3;
  BITMAPFILEHEADER head{0x4D42, DWORD(sizeof(BITMAPFILEHEADER) + sizeof info + pixels), 0, 0,
                        DWORD(sizeof(BITMAPFILEHEADER) + sizeof info)};
  std::string data(pixels, '\x80');
  HANDLE f = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(f, &head, sizeof head, &written, nullptr);
  WriteFile(f, &info, sizeof info, &written, nullptr);
  WriteFile(f, data.data(), pixels, &written, nullptr);
  CloseHandle(f);
}

// The start-up window, the program's main form, fades in on the real timer;
// closing it ends the program with a clean exit.
TEST(ProgramTest, ClosingTheStartUpWindowEndsTheProgram) {
  PutLogo();
  SetKey(L"StartAnimation", L"ifshow", L"1");
  SetKey(L"StartAnimation", L"logoPath", L"logo.bmp");
  SetKey(L"StartAnimation", L"Still", L"1000");
  SetKey(L"StartAnimation", L"width", L"240");
  SetKey(L"StartAnimation", L"height", L"160");
  TProgramRun program(Folder);
  ASSERT_TRUE(program.Started);
  HWND splash = nullptr;
  ASSERT_TRUE(WaitFor(
      [&] {
        splash = program.WindowTitled(L"Form18");
        return splash != nullptr;
      },
      20000));
  EXPECT_TRUE(WaitFor([&] { return LayeredAlpha(splash) == 255; }, 10000)) << "faded in";
  RECT r{};
  GetWindowRect(splash, &r);
  EXPECT_EQ(r.right - r.left, 240);
  EXPECT_EQ(r.bottom - r.top, 160);
  EXPECT_TRUE(GetWindowLongPtrW(splash, GWL_EXSTYLE) & WS_EX_TOPMOST);
  PostMessageW(splash, WM_CLOSE, 0, 0);
  DWORD code = 1;
  EXPECT_TRUE(program.WaitForEnd(10000, code));
  EXPECT_EQ(code, 0u);
  SetKey(L"StartAnimation", L"ifshow", L"0");
}

}  // namespace
