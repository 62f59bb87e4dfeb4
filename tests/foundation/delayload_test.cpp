// The system libraries a program loads at their first call instead of at its
// start (cmake/VamireDelayLoad.cmake): the first call of one of their
// functions loads the library and reaches the function. The i686
// linker once dropped the loading stubs, so the first call jumped to address 0.
#include <windows.h>

#include <gtest/gtest.h>

#include <commdlg.h>
#include <mmsystem.h>
#include <objbase.h>
#include <oleauto.h>
#include <shellapi.h>
#include <winsock2.h>

#include <functional>

namespace {

struct TDelayedCall {
  const wchar_t* Library;
  std::function<void()> Call;
};

TEST(DelayLoadTest, EachLibraryComesWithItsFirstCallAndAnswers) {
  const TDelayedCall calls[] = {
      {L"ole32.dll",
       [] {
         IStream* stream = nullptr;
         ASSERT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, &stream), S_OK);
         stream->Release();
       }},
      {L"oleaut32.dll",
       [] {
         BSTR text = SysAllocString(L"wall");
         EXPECT_EQ(SysStringLen(text), 4u);
         SysFreeString(text);
       }},
      {L"shell32.dll",
       [] {
         int count = 0;
         LPWSTR* args = CommandLineToArgvW(L"a \"b c\"", &count);
         EXPECT_EQ(count, 2);
         LocalFree(args);
       }},
      {L"comdlg32.dll", [] { EXPECT_EQ(CommDlgExtendedError(), 0u); }},
      {L"ws2_32.dll", [] { EXPECT_EQ(htons(0x1234), 0x3412); }},
      {L"winmm.dll", [] { EXPECT_NE(timeGetTime(), 0u); }},
      {L"msimg32.dll",
       [] {
         TRIVERTEX v[2] = {{0, 0, 0, 0, 0, 0}, {1, 1, 0, 0, 0, 0}};
         GRADIENT_RECT r{0, 1};
         HDC dc = CreateCompatibleDC(nullptr);
         EXPECT_TRUE(GradientFill(dc, v, 2, &r, 1, GRADIENT_FILL_RECT_H));
         DeleteDC(dc);
       }},
  };
  // Whether a library was there before depends on what the test support imports;
  // what matters is that the call arrives and the library is there after it.
  for (const TDelayedCall& c : calls) {
    char name[32] = {};
    WideCharToMultiByte(CP_ACP, 0, c.Library, -1, name, sizeof name, nullptr, nullptr);
    SCOPED_TRACE(name);
    c.Call();
    EXPECT_NE(GetModuleHandleW(c.Library), nullptr);
  }
}

}  // namespace
