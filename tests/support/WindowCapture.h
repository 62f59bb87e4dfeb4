// Captures what a window of the process under test shows, for pixel checks and
// for PNG files a person can look at.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace vamire_test {

struct Capture {
  int Width = 0;
  int Height = 0;
  std::vector<uint32_t> Pixels;  // 0x00RRGGBB, rows top to bottom

  uint32_t At(int x, int y) const { return Pixels[size_t(y) * size_t(Width) + size_t(x)]; }
  // Writes an 8-bit RGB PNG; returns false when the file cannot be written.
  bool SavePng(const std::wstring& path) const;
  // Counts pixels that differ from `background`.
  size_t CountNot(uint32_t background) const;
};

// The window as it shows on screen (frame included), after it has painted.
Capture CaptureWindow(HWND wnd);
// The client area only.
Capture CaptureClient(HWND wnd);
// A 32-bit top-down DIB section, rows in screen order; `bits` gets its pixels.
HBITMAP CreateTopDownDib(HDC dc, int width, int height, void** bits);
// A rectangle of a device context (a memory bitmap, for example).
Capture CaptureDC(HDC dc, int x, int y, int width, int height);
// The client area as the window paints it on request (WM_PRINTCLIENT, so an
// owner-drawn system control asks for its drawing with that DC), over a
// background of `paper` (0x00RRGGBB).
Capture PrintClient(HWND wnd, int width, int height, uint32_t paper);

}  // namespace vamire_test
