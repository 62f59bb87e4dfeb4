// Chinese captions must render with real glyphs in the UI font, not with the
// font's empty box: a window under Xvfb paints text and we look at its pixels.
#include <windows.h>

#include <gtest/gtest.h>

#include "support/WindowCapture.h"

namespace {

struct TextWindow {
  HWND wnd = nullptr;
  const wchar_t* text = L"";

  static LRESULT CALLBACK Proc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<TextWindow*>(GetWindowLongPtrW(h, GWLP_USERDATA));
    if (msg == WM_PAINT && self) {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(h, &ps);
      RECT r;
      GetClientRect(h, &r);
      FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
      LOGFONTW lf{};
      lf.lfHeight = -32;
      lf.lfCharSet = DEFAULT_CHARSET;
      wcscpy(lf.lfFaceName, L"Tahoma");
      HFONT font = CreateFontIndirectW(&lf);
      HGDIOBJ old = SelectObject(dc, font);
      SetBkMode(dc, TRANSPARENT);
      TextOutW(dc, 4, 4, self->text, int(wcslen(self->text)));
      SelectObject(dc, old);
      DeleteObject(font);
      EndPaint(h, &ps);
      return 0;
    }
    return DefWindowProcW(h, msg, wp, lp);
  }

  explicit TextWindow(const wchar_t* t) : text(t) {
    static bool registered = false;
    if (!registered) {
      WNDCLASSW wc{};
      wc.lpfnWndProc = Proc;
      wc.hInstance = GetModuleHandleW(nullptr);
      wc.lpszClassName = L"VamireTextProbe";
      RegisterClassW(&wc);
      registered = true;
    }
    wnd = CreateWindowExW(0, L"VamireTextProbe", L"probe", WS_POPUP | WS_VISIBLE, 0, 0, 120, 48, nullptr,
                          nullptr, GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(wnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    InvalidateRect(wnd, nullptr, TRUE);
    UpdateWindow(wnd);
  }
  ~TextWindow() { DestroyWindow(wnd); }

  vamire_test::Capture Shot() {
    MSG m;
    while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&m);
    return vamire_test::CaptureClient(wnd);
  }
};

TEST(CjkFontTest, ChineseGlyphsAreNotTheMissingGlyphBox) {
  TextWindow shown(L"\u62FC\u63A5");      // the caption of the splice button
  TextWindow first(L"\u62FC");
  TextWindow second(L"\u63A5");
  TextWindow missing(L"\uE000");          // private use: the font's empty box

  auto a = first.Shot(), b = second.Shot(), box = missing.Shot();
  auto caption = shown.Shot();
  caption.SavePng(L"cjk_caption.png");

  EXPECT_GT(a.CountNot(0xFFFFFF), 40u) << "no ink at all for the first character";
  EXPECT_GT(b.CountNot(0xFFFFFF), 40u);
  EXPECT_NE(a.Pixels, b.Pixels) << "two different characters drew the same shape";
  EXPECT_NE(a.Pixels, box.Pixels) << "the character drew as the missing-glyph box";
  EXPECT_GT(caption.CountNot(0xFFFFFF), a.CountNot(0xFFFFFF));
}

}  // namespace
