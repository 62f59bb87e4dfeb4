// Shared pieces of the panel, image, button and edit tests: a host window and
// a picture of what a control paints, taken through PaintTo so that nothing
// else on the shared display can come in between.
#pragma once

#include <windows.h>

#include <string>

#include "controls_test_support.h"
#include "graphics_test_support.h"
#include "support/WindowCapture.h"

namespace extctrls_test {

using controls_test::PumpMessages;
using controls_test::THost;
using graphics_test::Rgb;

// What Control (and all inside it) paints, at its own size.
inline vamire_test::Capture Shoot(TWinControl* Control) {
  const int w = Control->Width(), h = Control->Height();
  HDC screen = GetDC(nullptr);
  HDC mem = CreateCompatibleDC(screen);
  void* bits = nullptr;
  HBITMAP bmp = vamire_test::CreateTopDownDib(screen, w, h, &bits);
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(mem, bmp);
  RECT all{0, 0, w, h};
  FillRect(mem, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  Control->PaintTo(mem, 0, 0);
  GdiFlush();
  auto shot = vamire_test::CaptureDC(mem, 0, 0, w, h);
  SelectObject(mem, old);
  DeleteObject(bmp);
  DeleteDC(mem);
  return shot;
}

// Counts the pixels of Color inside R.
inline int CountColor(const vamire_test::Capture& Shot, const TRect& R, uint32_t Color) {
  int n = 0;
  for (int y = R.Top; y < R.Bottom; ++y)
    for (int x = R.Left; x < R.Right; ++x)
      if (Shot.At(x, y) == Color) ++n;
  return n;
}

// A 24-bit bitmap of W x H filled with Fill.
inline TBitmap* MakeBitmap(int W, int H, TColor Fill) {
  auto* b = new TBitmap();
  b->SetPixelFormat(pf24bit);
  b->SetSize(W, H);
  b->Canvas()->Brush()->SetColor(Fill);
  b->Canvas()->FillRect(TRect{0, 0, W, H});
  return b;
}

// Counts OnClick calls.
struct TClicks : TObject {
  int Count = 0;
  TObject* Last = nullptr;
  void Clicked(TObject* Sender) {
    ++Count;
    Last = Sender;
  }
  TNotifyEvent Handler() { return TNotifyEvent(this, &TClicks::Clicked); }
};

// A left click at X, Y of Parent's client area, as the mouse gives it.
inline void ClickAt(TWinControl* Parent, int X, int Y, int UpX = -1, int UpY = -1) {
  if (UpX < 0) {
    UpX = X;
    UpY = Y;
  }
  SendMessageW(Parent->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(X, Y));
  SendMessageW(Parent->Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(UpX, UpY));
  SendMessageW(Parent->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(UpX, UpY));
  PumpMessages();
}

}  // namespace extctrls_test
