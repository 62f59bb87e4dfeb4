// A memory DC with a 32-bit DIB and a canvas on it, for the pixel tests of
// the graphics units.
#pragma once

#include <string>

#include "Graphics.h"
#include "support/WindowCapture.h"

namespace graphics_test {

// A runtime colour (0x00BBGGRR) as the capture stores it (0x00RRGGBB).
inline std::uint32_t Rgb(TColor c) {
  const auto v = std::uint32_t(ColorToRGB(c));
  return (v & 0xFF) << 16 | (v & 0xFF00) | (v >> 16 & 0xFF);
}

struct Surface {
  Surface(int width, int height) : Width(width), Height(height) {
    Dc = CreateCompatibleDC(nullptr);
    void* bits = nullptr;
    Bmp = vamire_test::CreateTopDownDib(Dc, width, height, &bits);
    Old = SelectObject(Dc, Bmp);
    Canvas.SetHandle(Dc);
    Fill(clWhite);
  }
  ~Surface() {
    Canvas.SetHandle(nullptr);
    SelectObject(Dc, Old);
    DeleteObject(Bmp);
    DeleteDC(Dc);
  }
  void Fill(TColor color) {
    Canvas.Brush()->SetColor(color);
    Canvas.FillRect(Rect(0, 0, Width, Height));
  }
  vamire_test::Capture Cap() {
    GdiFlush();
    return vamire_test::CaptureDC(Dc, 0, 0, Width, Height);
  }
  // Saves what the surface shows, for a person to look at.
  void Save(const std::wstring& name) { Cap().SavePng(name + L".png"); }

  int Width, Height;
  HDC Dc;
  HBITMAP Bmp;
  HGDIOBJ Old;
  TCanvas Canvas;
};

}  // namespace graphics_test
