// The system drawing the painters' draw set on a DC, as a program does with
// GDI: a push button (with its caption), a check box, the scroll-bar arrows,
// thumb and track. The benchmarks draw each element this way beside a
// painter drawing the same one.
#pragma once
#include <windows.h>

namespace vamire_bench {

class TSystemElements {
 public:
  // Captions are drawn in AFont, selected again only when the painters'
  // canvas selected another font between the turns (a program selects it once).
  TSystemElements(HDC ADC, HFONT AFont) : FDC(ADC), FFont(AFont) {
    // The system's own track: a checker brush, as its scroll bars fill the track.
    static const WORD checker[] = {0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55};
    FChecker = CreateBitmap(8, 8, 1, 1, checker);
    FTrackBrush = CreatePatternBrush(FChecker);
  }
  ~TSystemElements() {
    DeleteObject(FTrackBrush);
    DeleteObject(FChecker);
  }
  TSystemElements(const TSystemElements&) = delete;
  // Draws on another DC from now on (a window's paint DC, say).
  void SetDC(HDC ADC) { FDC = ADC; }

  void Button(RECT r, const wchar_t* caption) const {
    DrawFrameControl(FDC, &r, DFC_BUTTON, DFCS_BUTTONPUSH);
    if (!caption) return;
    if (GetCurrentObject(FDC, OBJ_FONT) != FFont) SelectObject(FDC, FFont);
    SetBkMode(FDC, TRANSPARENT);
    SetTextColor(FDC, GetSysColor(COLOR_BTNTEXT));
    DrawTextW(FDC, caption, -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
  void CheckBox(RECT r) const { DrawFrameControl(FDC, &r, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED); }
  // AState: DFCS_SCROLLUP, DFCS_SCROLLDOWN ... with DFCS_PUSHED and the like.
  void Arrow(RECT r, UINT AState) const { DrawFrameControl(FDC, &r, DFC_SCROLL, AState); }
  void Thumb(RECT r) const { DrawEdge(FDC, &r, EDGE_RAISED, BF_RECT | BF_MIDDLE); }
  void Track(const RECT& r, bool pressed) const {
    SetTextColor(FDC, GetSysColor(pressed ? COLOR_3DDKSHADOW : COLOR_BTNHIGHLIGHT));
    SetBkColor(FDC, pressed ? 0 : GetSysColor(COLOR_BTNFACE));
    FillRect(FDC, &r, FTrackBrush);
  }

 private:
  HDC FDC;
  HFONT FFont;
  HBITMAP FChecker;
  HBRUSH FTrackBrush;
};

}  // namespace vamire_bench
