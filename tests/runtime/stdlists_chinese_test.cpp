// Chinese text in the edit and list controls draws with the UI font's Chinese
// face (D-58), not as the Latin face's empty boxes. Edit controls shape their
// text through Uniscribe, which never follows font links, so they take a
// different path from list boxes and labels: each control is captured and
// every Chinese character's glyph, as a Chinese face draws it, must be found
// in its pixels. Runs in both code pages.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "StdCtrls.h"
#include "support/WindowCapture.h"
#include "controls_test_support.h"

using namespace controls_test;

namespace {

const wchar_t kText[] = L"\u5927\u5385 A \u89c6\u9891\u5899";  // 大厅 A 视频墙
// The UI font's Chinese faces (scripts/make-prefix): linked text draws from the
// Song face; edits, which shape through Uniscribe, from its fallback, the Ming face.
const wchar_t* const kChineseFaces[] = {L"AR PL SungtiL GB", L"AR PL UMing CN"};

// A glyph's ink cut to its bounding box, one string per row ('1' for ink).
using TGlyph = std::vector<std::string>;

// Dark pixels are ink: the controls draw black text on a light background.
bool Dark(uint32_t rgb) { return ((rgb >> 16 & 0xFF) + (rgb >> 8 & 0xFF) + (rgb & 0xFF)) < 3 * 128; }

TGlyph Cut(const vamire_test::Capture& shot) {
  int left = shot.Width, top = shot.Height, right = -1, bottom = -1;
  for (int y = 0; y < shot.Height; ++y)
    for (int x = 0; x < shot.Width; ++x)
      if (Dark(shot.At(x, y))) left = std::min(left, x), right = std::max(right, x), top = std::min(top, y), bottom = std::max(bottom, y);
  TGlyph glyph;
  for (int y = top; y <= bottom; ++y) {
    std::string row;
    for (int x = left; x <= right; ++x) row += Dark(shot.At(x, y)) ? '1' : '0';
    glyph.push_back(row);
  }
  return glyph;
}

// The character as the font draws it.
TGlyph FontGlyph(const LOGFONTW& lf, wchar_t ch) {
  HFONT font = CreateFontIndirectW(&lf);
  HDC dc = CreateCompatibleDC(nullptr);
  void* bits = nullptr;
  HBITMAP bitmap = vamire_test::CreateTopDownDib(dc, 48, 48, &bits);
  HGDIOBJ oldBitmap = SelectObject(dc, bitmap), oldFont = SelectObject(dc, font);
  RECT all{0, 0, 48, 48};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  SetBkMode(dc, TRANSPARENT);
  TextOutW(dc, 4, 4, &ch, 1);
  GdiFlush();
  const TGlyph glyph = Cut(vamire_test::CaptureDC(dc, 0, 0, 48, 48));
  SelectObject(dc, oldFont);
  SelectObject(dc, oldBitmap);
  DeleteObject(bitmap);
  DeleteDC(dc);
  DeleteObject(font);
  return glyph;
}

// The character as a face draws it at a height.
TGlyph FaceGlyph(const wchar_t* face, int height, wchar_t ch) {
  LOGFONTW lf{};
  lf.lfHeight = height;
  lf.lfCharSet = DEFAULT_CHARSET;
  wcsncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
  return FontGlyph(lf, ch);
}

// Whether the glyph's ink pattern stands somewhere in the picture, pixel for pixel.
bool Contains(const vamire_test::Capture& shot, const TGlyph& glyph) {
  if (glyph.empty()) return false;
  const int h = int(glyph.size()), w = int(glyph[0].size());
  for (int y = 0; y + h <= shot.Height; ++y)
    for (int x = 0; x + w <= shot.Width; ++x) {
      bool same = true;
      for (int gy = 0; gy < h && same; ++gy)
        for (int gx = 0; gx < w && same; ++gx) same = Dark(shot.At(x + gx, y + gy)) == (glyph[size_t(gy)][size_t(gx)] == '1');
      if (same) return true;
    }
  return false;
}

// Each Chinese character of the text shows as the control's font draws it
// through its links (as list boxes draw), or as one of the Chinese faces draws
// it at the font's height or a neighbouring one (as the Uniscribe fallback of
// edits draws), and never as the Latin face's box.
void ExpectChineseGlyphs(HWND control, const wchar_t* what) {
  SCOPED_TRACE(what);
  const vamire_test::Capture shot = vamire_test::CaptureClient(control);
  EXPECT_TRUE(shot.SavePng(std::wstring(L"stdlists_chinese_") + what + L".png"));
  LOGFONTW lf{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof lf, &lf);
  ASSERT_NE(lf.lfHeight, 0);
  const int height = lf.lfHeight < 0 ? lf.lfHeight : -lf.lfHeight;
  const TGlyph box = FontGlyph(lf, L'\ue000');  // private use: the Latin face has no glyph
  for (const wchar_t* c = kText; *c; ++c) {
    if (*c < 0x3000) continue;
    const TGlyph linked = FontGlyph(lf, *c);
    ASSERT_NE(linked, box) << "the font itself draws a box";
    bool found = Contains(shot, linked);
    for (const wchar_t* face : kChineseFaces)
      for (int h = height - 1; h <= height + 1 && !found; ++h) found = Contains(shot, FaceGlyph(face, h, *c));
    EXPECT_TRUE(found) << "U+" << std::hex << int(*c);
  }
}

TEST(ChineseInControlsTest, EditComboBoxAndListBoxDrawTheChineseFace) {
  auto* host = new THost(nullptr);
  host->SetBounds(40, 40, 360, 200);
  auto* edit = new TEdit(host);
  edit->SetParent(host);
  edit->SetBounds(10, 10, 200, 24);
  edit->SetText(kText);
  auto* combo = new TComboBox(host);
  combo->SetParent(host);
  combo->SetBounds(10, 50, 200, 24);
  combo->Items()->Add(kText);
  combo->SetText(kText);
  auto* list = new TListBox(host);
  list->SetParent(host);
  list->SetBounds(10, 90, 200, 60);
  list->Items()->Add(kText);
  host->Show();
  UpdateWindow(host->Handle());
  PumpMessages();
  ExpectChineseGlyphs(edit->Handle(), L"edit");
  // The combo box's text stands in its edit child.
  HWND comboEdit = FindWindowExW(combo->Handle(), nullptr, L"Edit", nullptr);
  ASSERT_TRUE(comboEdit);
  ExpectChineseGlyphs(comboEdit, L"combobox");
  ExpectChineseGlyphs(list->Handle(), L"listbox");
  host->Free();
}

}  // namespace
