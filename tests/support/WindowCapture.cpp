#include "WindowCapture.h"

#include <cstdio>

namespace vamire_test {
namespace {

uint32_t Crc32(const uint8_t* data, size_t n, uint32_t crc = 0) {
  static uint32_t table[256];
  static bool ready = false;
  if (!ready) {
    for (uint32_t i = 0; i < 256; ++i) {
      uint32_t c = i;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      table[i] = c;
    }
    ready = true;
  }
  crc = ~crc;
  for (size_t i = 0; i < n; ++i) crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
  return ~crc;
}

void Put32(std::vector<uint8_t>& out, uint32_t v) {
  for (int s = 24; s >= 0; s -= 8) out.push_back(uint8_t(v >> s));
}

void Chunk(std::vector<uint8_t>& out, const char* type, const std::vector<uint8_t>& data) {
  Put32(out, uint32_t(data.size()));
  std::vector<uint8_t> body(type, type + 4);
  body.insert(body.end(), data.begin(), data.end());
  out.insert(out.end(), body.begin(), body.end());
  Put32(out, Crc32(body.data(), body.size()));
}

// zlib stream made of stored (uncompressed) deflate blocks: simple and exact.
std::vector<uint8_t> ZlibStored(const std::vector<uint8_t>& raw) {
  std::vector<uint8_t> z = {0x78, 0x01};
  size_t pos = 0;
  do {
    size_t n = std::min<size_t>(65535, raw.size() - pos);
    bool last = pos + n == raw.size();
    z.push_back(last ? 1 : 0);
    z.push_back(uint8_t(n));
    z.push_back(uint8_t(n >> 8));
    z.push_back(uint8_t(~n));
    z.push_back(uint8_t(~n >> 8));
    z.insert(z.end(), raw.begin() + long(pos), raw.begin() + long(pos + n));
    pos += n;
  } while (pos < raw.size());
  uint32_t a = 1, b = 0;
  for (uint8_t c : raw) {
    a = (a + c) % 65521;
    b = (b + a) % 65521;
  }
  Put32(z, (b << 16) | a);
  return z;
}

}  // namespace

bool Capture::SavePng(const std::wstring& path) const {
  std::vector<uint8_t> raw;
  raw.reserve(size_t(Height) * (size_t(Width) * 3 + 1));
  for (int y = 0; y < Height; ++y) {
    raw.push_back(0);
    for (int x = 0; x < Width; ++x) {
      uint32_t p = At(x, y);
      raw.push_back(uint8_t(p >> 16));
      raw.push_back(uint8_t(p >> 8));
      raw.push_back(uint8_t(p));
    }
  }
  std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<uint8_t> ihdr;
  Put32(ihdr, uint32_t(Width));
  Put32(ihdr, uint32_t(Height));
  ihdr.insert(ihdr.end(), {8, 2, 0, 0, 0});
  Chunk(png, "IHDR", ihdr);
  Chunk(png, "IDAT", ZlibStored(raw));
  Chunk(png, "IEND", {});
  FILE* f = _wfopen(path.c_str(), L"wb");
  if (!f) return false;
  bool ok = std::fwrite(png.data(), 1, png.size(), f) == png.size();
  return std::fclose(f) == 0 && ok;
}

size_t Capture::CountNot(uint32_t background) const {
  size_t n = 0;
  for (uint32_t p : Pixels) n += p != background;
  return n;
}

HBITMAP CreateTopDownDib(HDC dc, int width, int height, void** bits) {
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  bi.bmiHeader.biWidth = width;
  bi.bmiHeader.biHeight = -height;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  return CreateDIBSection(dc, &bi, DIB_RGB_COLORS, bits, nullptr, 0);
}

Capture CaptureDC(HDC dc, int x, int y, int width, int height) {
  Capture c;
  c.Width = width;
  c.Height = height;
  c.Pixels.resize(size_t(width) * size_t(height));
  void* bits = nullptr;
  HDC mem = CreateCompatibleDC(dc);
  HBITMAP bmp = CreateTopDownDib(dc, width, height, &bits);
  HGDIOBJ old = SelectObject(mem, bmp);
  BitBlt(mem, 0, 0, width, height, dc, x, y, SRCCOPY);
  GdiFlush();
  const uint32_t* src = static_cast<const uint32_t*>(bits);
  for (size_t i = 0; i < c.Pixels.size(); ++i) c.Pixels[i] = src[i] & 0xFFFFFF;
  SelectObject(mem, old);
  DeleteObject(bmp);
  DeleteDC(mem);
  return c;
}

Capture CaptureWindow(HWND wnd) {
  RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
  RECT r;
  GetWindowRect(wnd, &r);
  HDC dc = GetWindowDC(wnd);
  Capture c = CaptureDC(dc, 0, 0, r.right - r.left, r.bottom - r.top);
  ReleaseDC(wnd, dc);
  return c;
}

Capture CaptureClient(HWND wnd) {
  RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  RECT r;
  GetClientRect(wnd, &r);
  HDC dc = GetDC(wnd);
  Capture c = CaptureDC(dc, 0, 0, r.right, r.bottom);
  ReleaseDC(wnd, dc);
  return c;
}


Capture PrintClient(HWND wnd, int width, int height, uint32_t paper) {
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  void* bits = nullptr;
  HBITMAP bmp = CreateTopDownDib(screen, width, height, &bits);
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(dc, bmp);
  HBRUSH brush = CreateSolidBrush(RGB(paper >> 16, (paper >> 8) & 0xFF, paper & 0xFF));
  RECT r{0, 0, width, height};
  FillRect(dc, &r, brush);
  DeleteObject(brush);
  SendMessageW(wnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  GdiFlush();
  Capture cap = CaptureDC(dc, 0, 0, width, height);
  SelectObject(dc, old);
  DeleteObject(bmp);
  DeleteDC(dc);
  return cap;
}

}  // namespace vamire_test
