// How a standard dialog looks in each prefix (D-58): the message dialog through
// its real path, with a Chinese title and Latin and Chinese text, captured for a
// person to look at (dialogs_look_plain.png, dialogs_look_themed.png); and the
// frame-control glyphs the title bars draw, which come from Marlett.
#include <gtest/gtest.h>

#include <string>

#include "Dialogs.h"
#include "dialogs_driver.h"
#include "support/TestPrefix.h"
#include "support/WindowCapture.h"

namespace {

using namespace dialogs_test;

// A window of the application's class gives the message dialog its title.
class ApplicationWindow {
 public:
  explicit ApplicationWindow(const wchar_t* Title) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = &DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"TApplication";
    RegisterClassW(&wc);
    FWnd = CreateWindowExW(0, L"TApplication", Title, WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
  }
  ~ApplicationWindow() {
    DestroyWindow(FWnd);
    UnregisterClassW(L"TApplication", GetModuleHandleW(nullptr));
  }
  ApplicationWindow(const ApplicationWindow&) = delete;
  ApplicationWindow& operator=(const ApplicationWindow&) = delete;

 private:
  HWND FWnd;
};

TEST(DialogLookTest, MessageDialogWithChineseAndLatinText) {
  ApplicationWindow application(L"大屏幕拼接系统 Video Wall");
  const std::wstring file =
      std::wstring(L"dialogs_look_") + (vamire_test::InThemedPrefix() ? L"themed" : L"plain") + L".png";
  DialogDriver driver({[&](HWND dlg) {
    EXPECT_EQ(TextOf(dlg), L"大屏幕拼接系统 Video Wall");
    Capture(dlg, file.c_str());
    Click(dlg, L"&No");
  }});
  EXPECT_EQ(MessageDlg(L"Save the changes to preset 3 (COM5, 9600 baud)?\r\n保存场景 3 的修改吗？端口 COM5 已打开。",
                       mtCustom, {mbYes, mbNo, mbCancel}, 0),
            mrNo);
}

// The close cross as the title bars draw it: from Marlett it is symmetric both
// ways; without Marlett it would be the letter "r".
TEST(DialogLookTest, CaptionGlyphsComeFromMarlett) {
  const int width = GetSystemMetrics(SM_CXSIZE), height = GetSystemMetrics(SM_CYSIZE);
  HDC dc = CreateCompatibleDC(nullptr);
  void* bits = nullptr;
  HBITMAP bitmap = vamire_test::CreateTopDownDib(dc, width, height, &bits);
  HGDIOBJ old = SelectObject(dc, bitmap);
  RECT r{0, 0, width, height};
  DrawFrameControl(dc, &r, DFC_CAPTION, DFCS_CAPTIONCLOSE);
  GdiFlush();
  const COLORREF text = GetSysColor(COLOR_BTNTEXT);
  const uint32_t ink = uint32_t(GetRValue(text)) << 16 | uint32_t(GetGValue(text)) << 8 | GetBValue(text);
  const auto* pixels = static_cast<const uint32_t*>(bits);
  auto inked = [&](int x, int y) { return (pixels[y * width + x] & 0xFFFFFF) == ink; };
  // The glyph's box, inside the button's edges.
  int left = width, right = -1, top = height, bottom = -1;
  for (int y = 2; y < height - 2; ++y)
    for (int x = 2; x < width - 2; ++x)
      if (inked(x, y)) {
        left = std::min(left, x), right = std::max(right, x);
        top = std::min(top, y), bottom = std::max(bottom, y);
      }
  ASSERT_GT(right, left) << "no glyph drawn";
  int asymmetric = 0;
  for (int y = top; y <= bottom; ++y)
    for (int x = left; x <= right; ++x) {
      asymmetric += inked(x, y) != inked(left + right - x, y);
      asymmetric += inked(x, y) != inked(x, top + bottom - y);
    }
  EXPECT_EQ(asymmetric, 0) << "glyph box " << left << "," << top << " - " << right << "," << bottom;
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
}

}  // namespace
