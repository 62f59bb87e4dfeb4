// The status-bar painters: Standard, Flat, Office11 and XP. Each is one
// stateless instance; operations call each other through `this`.
#include "dxStatusBar_win.h"

#include <vssym32.h>

#include "dxOffice11_win.h"
#include "dxThemeManager.h"
#include "dxUxTheme.h"

namespace {
TdxStatusBarPainterClass GSkinPainter = nullptr;

TRect Deflated(const TRect& R, int DX, int DY) { return TRect{R.Left + DX, R.Top + DY, R.Right - DX, R.Bottom - DY}; }
TRect Shrunk(const TRect& R, const TRect& M) {
  return TRect{R.Left + M.Left, R.Top + M.Top, R.Right - M.Right, R.Bottom - M.Bottom};
}

// The system's grip drawn into G; its button-face pixels leave what is there.
void DrawMaskedSystemGrip(HDC DC, const TRect& G) {
  const int w = G.Right - G.Left, h = G.Bottom - G.Top;
  if (w <= 0 || h <= 0) return;
  HDC image = CreateCompatibleDC(DC);
  HDC mask = CreateCompatibleDC(DC);
  HBITMAP imageBitmap = CreateCompatibleBitmap(DC, w, h);
  HBITMAP maskBitmap = CreateBitmap(w, h, 1, 1, nullptr);
  HGDIOBJ oldImage = SelectObject(image, imageBitmap);
  HGDIOBJ oldMask = SelectObject(mask, maskBitmap);
  RECT r{0, 0, w, h};
  DrawFrameControl(image, &r, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
  // White in the mask where the grip shows the face colour.
  SetBkColor(image, GetSysColor(COLOR_BTNFACE));
  BitBlt(mask, 0, 0, w, h, image, 0, 0, SRCCOPY);
  const COLORREF oldText = SetTextColor(DC, RGB(0, 0, 0));
  const COLORREF oldBk = SetBkColor(DC, RGB(255, 255, 255));
  BitBlt(DC, G.Left, G.Top, w, h, image, 0, 0, SRCINVERT);
  BitBlt(DC, G.Left, G.Top, w, h, mask, 0, 0, SRCAND);
  BitBlt(DC, G.Left, G.Top, w, h, image, 0, 0, SRCINVERT);
  SetTextColor(DC, oldText);
  SetBkColor(DC, oldBk);
  SelectObject(image, oldImage);
  SelectObject(mask, oldMask);
  DeleteObject(imageBitmap);
  DeleteObject(maskBitmap);
  DeleteDC(image);
  DeleteDC(mask);
}

HTHEME StatusTheme() { return AcquireThemeHandle(totStatus); }
RECT ToRect(const TRect& R) { return RECT{R.Left, R.Top, R.Right, R.Bottom}; }
}  // namespace

TdxStatusBarPainterClass dxStatusBarSkinPainterClass() { return GSkinPainter; }
void SetdxStatusBarSkinPainterClass(TdxStatusBarPainterClass APainter) { GSkinPainter = APainter; }

// --- Base ---------------------------------------------------------------------------------
TdxStatusBarPainterClass TdxStatusBarPainter::Instance() {
  static const TdxStatusBarPainter instance;
  return &instance;
}

void TdxStatusBarPainter::PlaceContainerControl(TdxStatusBarContainerPanelStyle* AStyle) const {
  TdxStatusBarContainerControl* control = AStyle->Container();
  TdxCustomStatusBar* bar = AStyle->StatusBar();
  if (!control || !bar) return;
  TcxCanvas* canvas = control->Canvas();
  TRect r = bar->ClientRect();
  r = TRect{r.Left - control->Left(), r.Top - control->Top(), r.Right - control->Left(), r.Bottom - control->Top()};
  canvas->SaveDeviceState();
  PaintBorders(bar, canvas, r);
  canvas->RestoreDeviceState();
  FillPanelBackground(bar, AStyle->Panel(), control->ClientRect(), canvas);
}

bool TdxStatusBarPainter::PanelsMayCoverSizeGrip(TdxCustomStatusBar* /*ABar*/) const { return true; }
void TdxStatusBarPainter::AdjustTextColor(TdxCustomStatusBar* /*ABar*/, TColor& /*AColor*/, bool /*AActive*/) const {}

TRect TdxStatusBarPainter::GetBorderExtents(TdxCustomStatusBar* ABar) const {
  const int b = ABar->BorderWidth();
  return TRect{b, GetTopBorderHeight() + b, b, b};
}

bool TdxStatusBarPainter::PaintsSizeGripFirst() const { return true; }
TSize TdxStatusBarPainter::GetSizeGripAreaSize() const { return TSize{16, 16}; }
TSize TdxStatusBarPainter::GetSizeGripSize() const { return TSize{12, 12}; }
TRect TdxStatusBarPainter::GetPanelBorderSizes(TdxStatusBarPanelBevel /*ABevel*/) const { return TRect{}; }

TRect TdxStatusBarPainter::GetPanelContentExtents(TdxStatusBarPanel* /*APanel*/, bool AHasBevel) const {
  return AHasBevel ? TRect{1, 0, 1, 0} : TRect{};
}

int TdxStatusBarPainter::GetSeparatorWidth() const { return 2; }
int TdxStatusBarPainter::GetSeparatorWidthFor(TdxCustomStatusBar* /*ABar*/) const { return GetSeparatorWidth(); }
int TdxStatusBarPainter::GetTopBorderHeight() const { return 2; }

void TdxStatusBarPainter::PaintBorders(TdxCustomStatusBar* ABar, TcxCanvas* ACanvas, TRect& R) const {
  const int top = GetTopBorderHeight();
  FillBackground(ABar, ACanvas, TRect{R.Left, R.Top, R.Right, R.Top + top});
  R.Top += top;
  const int b = ABar->BorderWidth();
  if (b < 1) return;
  const TColor color = ABar->Color();
  ACanvas->FillRect(TRect{R.Left, R.Top, R.Right, R.Top + b}, color);
  R.Top += b;
  ACanvas->FillRect(TRect{R.Left, R.Bottom - b, R.Right, R.Bottom}, color);
  R.Bottom -= b;
  ACanvas->FillRect(TRect{R.Left, R.Top, R.Left + b, R.Bottom}, color);
  R.Left += b;
  ACanvas->FillRect(TRect{R.Right - b, R.Top, R.Right, R.Bottom}, color);
  R.Right -= b;
}

void TdxStatusBarPainter::PaintEmptyPanel(TdxCustomStatusBar* ABar, TcxCanvas* ACanvas, TRect R) const {
  DrawPanelBevel(ABar, dxpbLowered, R, ACanvas);
  FillPanelBackground(ABar, nullptr, R, ACanvas);
}

void TdxStatusBarPainter::PaintPanel(TdxCustomStatusBar* ABar, TdxStatusBarPanel* APanel, TRect R,
                                     TcxCanvas* ACanvas) const {
  if (!APanel) {
    PaintEmptyPanel(ABar, ACanvas, R);
    return;
  }
  if (!APanel->Visible()) {
    FillPanelBackground(ABar, nullptr, R, ACanvas);
    return;
  }
  TdxStatusBarPanelStyle* style = APanel->PanelStyle();
  if (!PanelsMayCoverSizeGrip(ABar) && style) style->ExcludeSizeGripArea(R);
  DrawPanelBevel(ABar, GetPanelBevel(APanel), R, ACanvas);
  if (APanel->OnDrawPanel) {
    bool done = false;
    APanel->OnDrawPanel(APanel, ACanvas, R, done);
    if (done) return;
  }
  if (style)
    style->DrawContent(ACanvas, R, this);
  else
    FillPanelBackground(ABar, APanel, R, ACanvas);
}

void TdxStatusBarPainter::DrawPanelBevel(TdxCustomStatusBar* /*ABar*/, TdxStatusBarPanelBevel /*ABevel*/,
                                         TRect& /*R*/, TcxCanvas* /*ACanvas*/) const {}
void TdxStatusBarPainter::DrawSeparator(TdxCustomStatusBar* /*ABar*/, TcxCanvas* /*ACanvas*/,
                                        const TRect& /*R*/) const {}

void TdxStatusBarPainter::PaintSizeGrip(TdxCustomStatusBar* ABar, TcxCanvas* ACanvas, bool AOverlapped,
                                        TRect R) const {
  R = Deflated(R, 1, 1);
  const TSize area = GetSizeGripAreaSize();
  const TRect g{R.Right - area.cx, R.Bottom - area.cy, R.Right, R.Bottom};
  TRect f = g;
  if (AOverlapped) ++f.Right;
  const TColor color = ABar->Color();
  ACanvas->FillRect(f, color);
  DrawMaskedSystemGrip(ACanvas->Handle(), g);
  const TRect row{R.Right - area.cx, R.Bottom, R.Right + 1, R.Bottom + 1};
  const TRect column{R.Right, R.Bottom - area.cy, R.Right + 1, R.Bottom};
  ACanvas->FillRect(row, color);
  ACanvas->FillRect(column, color);
  ACanvas->ExcludeClipRectangle(f);
  ACanvas->ExcludeClipRectangle(row);
  ACanvas->ExcludeClipRectangle(column);
}

void TdxStatusBarPainter::FillBackground(TdxCustomStatusBar* ABar, TcxCanvas* ACanvas, const TRect& R) const {
  ACanvas->FillRect(R, ABar->Color());
}

void TdxStatusBarPainter::FillPanelBackground(TdxCustomStatusBar* /*ABar*/, TdxStatusBarPanel* /*APanel*/,
                                              const TRect& /*R*/, TcxCanvas* /*ACanvas*/) const {}

TdxStatusBarPanelBevel TdxStatusBarPainter::GetPanelBevel(TdxStatusBarPanel* APanel) const {
  if (!APanel) return dxpbLowered;
  if (APanel->PanelStyle() && APanel->PanelStyle()->DrawsOwnBevels()) return dxpbNone;
  return APanel->Bevel();
}

TColor TdxStatusBarPainter::GetPanelColor(TdxCustomStatusBar* ABar, TdxStatusBarPanel* APanel) const {
  if (APanel && APanel->PanelStyle()) return APanel->PanelStyle()->Color();
  return ABar->Color();
}

TRect TdxStatusBarPainter::AdjustPanelTextRect(TdxCustomStatusBar* /*ABar*/, TdxStatusBarPanel* /*APanel*/,
                                               const TRect& R) const {
  return R;
}

// --- Standard -----------------------------------------------------------------------------
TdxStatusBarPainterClass TdxStatusBarStandardPainter::Instance() {
  static const TdxStatusBarStandardPainter instance;
  return &instance;
}

TRect TdxStatusBarStandardPainter::GetPanelBorderSizes(TdxStatusBarPanelBevel ABevel) const {
  return ABevel == dxpbNone ? TRect{} : TRect{2, 2, 2, 2};
}

void TdxStatusBarStandardPainter::DrawPanelBevel(TdxCustomStatusBar* /*ABar*/, TdxStatusBarPanelBevel ABevel,
                                                 TRect& R, TcxCanvas* ACanvas) const {
  const UINT edge = ABevel == dxpbLowered ? BDR_SUNKENOUTER : ABevel == dxpbRaised ? BDR_RAISEDINNER : 0u;
  RECT r{R.Left, R.Top, R.Right, R.Bottom};
  DrawEdge(ACanvas->Handle(), &r, edge, BF_RECT | BF_ADJUST);
  R = TRect{r.left, r.top, r.right, r.bottom};
}

void TdxStatusBarStandardPainter::DrawSeparator(TdxCustomStatusBar* ABar, TcxCanvas* ACanvas, const TRect& R) const {
  ACanvas->FillRect(R, ABar->Color());
}

void TdxStatusBarStandardPainter::FillPanelBackground(TdxCustomStatusBar* ABar, TdxStatusBarPanel* APanel,
                                                      const TRect& R, TcxCanvas* ACanvas) const {
  ACanvas->FillRect(R, GetPanelColor(ABar, APanel));
}

// --- Flat ---------------------------------------------------------------------------------
TdxStatusBarPainterClass TdxStatusBarFlatPainter::Instance() {
  static const TdxStatusBarFlatPainter instance;
  return &instance;
}

TRect TdxStatusBarFlatPainter::GetPanelBorderSizes(TdxStatusBarPanelBevel ABevel) const {
  return ABevel == dxpbNone ? TRect{} : TRect{1, 1, 1, 1};
}

void TdxStatusBarFlatPainter::DrawPanelBevel(TdxCustomStatusBar* /*ABar*/, TdxStatusBarPanelBevel ABevel, TRect& R,
                                             TcxCanvas* ACanvas) const {
  if (ABevel == dxpbNone) return;
  ACanvas->FrameRectBorders(R, clBtnShadow);
  R = Shrunk(R, GetPanelBorderSizes(ABevel));
}

// --- Office11 -----------------------------------------------------------------------------
TdxStatusBarPainterClass TdxStatusBarOffice11Painter::Instance() {
  static const TdxStatusBarOffice11Painter instance;
  return &instance;
}

TRect TdxStatusBarOffice11Painter::GetBorderExtents(TdxCustomStatusBar* /*ABar*/) const { return TRect{1, 1, 1, 1}; }

void TdxStatusBarOffice11Painter::PaintBorders(TdxCustomStatusBar* /*ABar*/, TcxCanvas* ACanvas, TRect& R) const {
  FillRectSplitGradient(ACanvas->Handle(), R, Office11DockColor1(), Office11DockColor2(), false);
  R = Deflated(R, 1, 1);
}

TRect TdxStatusBarOffice11Painter::GetPanelBorderSizes(TdxStatusBarPanelBevel ABevel) const {
  return ABevel == dxpbNone ? TRect{} : TRect{1, 1, 1, 1};
}

void TdxStatusBarOffice11Painter::DrawPanelBevel(TdxCustomStatusBar* /*ABar*/, TdxStatusBarPanelBevel ABevel,
                                                 TRect& R, TcxCanvas* ACanvas) const {
  if (ABevel == dxpbNone) return;
  ACanvas->FrameRectBorders(R, BlendColors(Office11DockColor2(), clBlack, 90));
  R = Shrunk(R, GetPanelBorderSizes(ABevel));
}

void TdxStatusBarOffice11Painter::DrawSeparator(TdxCustomStatusBar* /*ABar*/, TcxCanvas* ACanvas,
                                                const TRect& R) const {
  const TRect r = Deflated(R, 0, 2);
  ACanvas->FillRect(TRect{r.Left, r.Top, r.Left + 1, r.Bottom - 1}, Office11SeparatorDarkColor());
  ACanvas->FillRect(TRect{r.Left + 1, r.Top + 1, r.Left + 2, r.Bottom}, Office11SeparatorLightColor());
}

void TdxStatusBarOffice11Painter::PaintSizeGrip(TdxCustomStatusBar* /*ABar*/, TcxCanvas* ACanvas, bool AOverlapped,
                                                TRect R) const {
  R = Deflated(R, 0, 1);
  const TSize area = GetSizeGripAreaSize();
  TRect g{R.Right - area.cx, R.Bottom - area.cy, R.Right, R.Bottom};
  DrawOffice11ResizeGrip(ACanvas->Handle(), g, clDefault, clDefault);
  if (!AOverlapped) ++g.Left;
  ACanvas->ExcludeClipRectangle(g);
}

// --- XP -----------------------------------------------------------------------------------
TdxStatusBarPainterClass TdxStatusBarXPPainter::Instance() {
  static const TdxStatusBarXPPainter instance;
  return &instance;
}

TRect TdxStatusBarXPPainter::GetBorderExtents(TdxCustomStatusBar* /*ABar*/) const {
  return TRect{0, GetTopBorderHeight(), 0, 0};
}

TSize TdxStatusBarXPPainter::GetSizeGripAreaSize() const {
  SIZE size{};
  if (HTHEME theme = StatusTheme())
    if (SUCCEEDED(GetThemePartSizeNoRect(theme, nullptr, SP_GRIPPER, 0, TS_TRUE, &size)) && size.cx > 0 &&
        size.cy > 0)
      return TSize{size.cx, size.cy};
  return TdxStatusBarPainter::GetSizeGripAreaSize();
}

int TdxStatusBarXPPainter::GetSeparatorWidth() const {
  SIZE size{};
  if (HTHEME theme = StatusTheme())
    if (SUCCEEDED(GetThemePartSizeNoRect(theme, nullptr, SP_PANE, 0, TS_TRUE, &size)) && size.cx > 0) return size.cx;
  return TdxStatusBarPainter::GetSeparatorWidth();
}

void TdxStatusBarXPPainter::PaintBorders(TdxCustomStatusBar* ABar, TcxCanvas* ACanvas, TRect& R) const {
  if (HTHEME theme = StatusTheme())
    DrawThemeBackgroundByRect(theme, ACanvas->Handle(), 0, 0, ToRect(R), nullptr);
  else
    FillBackground(ABar, ACanvas, R);
  R.Top += GetTopBorderHeight();
}

void TdxStatusBarXPPainter::DrawSeparator(TdxCustomStatusBar* /*ABar*/, TcxCanvas* ACanvas, const TRect& R) const {
  if (HTHEME theme = StatusTheme()) DrawThemeBackgroundByRect(theme, ACanvas->Handle(), SP_PANE, 0, ToRect(R), nullptr);
}

void TdxStatusBarXPPainter::PaintSizeGrip(TdxCustomStatusBar* /*ABar*/, TcxCanvas* ACanvas, bool AOverlapped,
                                          TRect R) const {
  R = Deflated(R, 1, 0);
  const TSize area = GetSizeGripAreaSize();
  const TRect g{R.Right - area.cx, R.Bottom - area.cy, R.Right, R.Bottom};
  if (HTHEME theme = StatusTheme()) DrawThemeBackgroundByRect(theme, ACanvas->Handle(), SP_GRIPPER, 0, ToRect(g), nullptr);
  TRect f = g;
  if (AOverlapped) ++f.Right;
  ACanvas->ExcludeClipRectangle(f);
}
