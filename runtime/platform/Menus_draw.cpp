// Owner drawing of menu entries: measuring and drawing through the items'
// events, and the item's own look (image or check mark, caption, shortcut).
#include <algorithm>

#include "ImgList.h"
#include "Menus.h"

namespace {

constexpr int kGlyphMargin = 2;   // around the image or check mark
constexpr int kTextGap = 4;       // between the glyph column and the caption
constexpr int kShortCutGap = 16;  // between the caption and the shortcut
constexpr int kRightMargin = 8;

// The system's menu font on the canvas (bold for the default entry).
void SelectMenuFont(TCanvas* Canvas, bool Bold) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) return;
  if (Bold) metrics.lfMenuFont.lfWeight = FW_BOLD;
  if (HFONT font = CreateFontIndirectW(&metrics.lfMenuFont)) Canvas->Font()->SetHandle(font);
}

int CheckWidth() { return GetSystemMetrics(SM_CXMENUCHECK); }

// A check mark or a radio bullet in the canvas's font colour, centred in R.
void DrawCheck(TCanvas* Canvas, const TRect& R, bool Radio, TColor Color) {
  const int cx = (R.Left + R.Right) / 2;
  const int cy = (R.Top + R.Bottom) / 2;
  Canvas->Pen()->SetColor(Color);
  Canvas->Brush()->SetColor(Color);
  if (Radio) {
    Canvas->Ellipse(cx - 3, cy - 3, cx + 3, cy + 3);
    return;
  }
  for (int dy = 0; dy < 3; ++dy) {
    const TPoint points[] = {{cx - 4, cy - 1 + dy}, {cx - 2, cy + 1 + dy}, {cx + 3, cy - 4 + dy}};
    Canvas->Polyline(points, 3);
  }
}

}  // namespace

void TMenuItem::MeasureItem(TCanvas* ACanvas, int& Width, int& Height) {
  TCustomImageList* images = GetImageList();
  const bool topLevel = FParent && FParent->FMenu && FParent->FMenu->InheritsFrom(TMainMenu::StaticClass());
  if (IsLine()) {
    Width = 0;
    Height = GetSystemMetrics(SM_CYMENU) / 2;
  } else {
    int glyphWidth = topLevel ? 0 : CheckWidth();
    int glyphHeight = 0;
    if (images && FImageIndex >= 0) {
      glyphWidth = std::max(glyphWidth, images->Width());
      glyphHeight = images->Height();
    } else if (HasBitmap()) {
      glyphWidth = std::max(glyphWidth, FBitmap->Width());
      glyphHeight = FBitmap->Height();
    }
    const TSize text = ACanvas->TextExtent(StripHotkey(FCaption));
    Width = (glyphWidth ? glyphWidth + 2 * kGlyphMargin + kTextGap : kTextGap) + text.cx;
    if (FShortCut != 0 && !topLevel) Width += kShortCutGap + ACanvas->TextWidth(ShortCutToText(FShortCut));
    Width += topLevel ? kTextGap : kRightMargin;
    Height = std::max(text.cy + 4, glyphHeight + 2 * kGlyphMargin);
  }
  if (OnMeasureItem) OnMeasureItem(this, ACanvas, Width, Height);
}

void TMenuItem::AdvancedDrawItem(TCanvas* ACanvas, TRect ARect, TOwnerDrawState State, bool TopLevel) {
  if (OnAdvancedDrawItem) OnAdvancedDrawItem(this, ACanvas, ARect, State);
  else if (OnDrawItem) OnDrawItem(this, ACanvas, ARect, State.Contains(odSelected));
  else DrawDefault(ACanvas, ARect, State, TopLevel);
}

void TMenuItem::DrawItem(TCanvas* ACanvas, TRect ARect, bool Selected) {
  TOwnerDrawState state;
  if (Selected) state.Include(odSelected);
  AdvancedDrawItem(ACanvas, ARect, state, false);
}

void TMenuItem::DoDrawText(TCanvas* ACanvas, const String& ACaption, TRect& Rect, bool Selected, UINT Flags) {
  HDC dc = ACanvas->Handle();
  ACanvas->RequiredState({csHandleValid, csFontValid});
  SetBkMode(dc, TRANSPARENT);
  auto draw = [&](TColor color, int offset) {
    TRect r{Rect.Left + offset, Rect.Top + offset, Rect.Right + offset, Rect.Bottom + offset};
    SetTextColor(dc, COLORREF(ColorToRGB(color)));
    DrawTextW(dc, ACaption.c_str(), int(ACaption.size()), AsRect(r), Flags);
  };
  if (!FEnabled) {
    // Disabled entries look engraved, as the system draws them.
    if (!Selected) draw(clBtnHighlight, 1);
    draw(clBtnShadow, 0);
  } else {
    draw(Selected ? clHighlightText : clMenuText, 0);
  }
}

void TMenuItem::DrawDefault(TCanvas* ACanvas, TRect ARect, TOwnerDrawState State, bool TopLevel) {
  const bool selected = State.Contains(odSelected) || State.Contains(odHotLight);
  ACanvas->Brush()->SetColor(selected && !TopLevel ? clHighlight : clMenu);
  ACanvas->FillRect(ARect);
  if (IsLine()) {
    RECT line{ARect.Left, (ARect.Top + ARect.Bottom) / 2 - 1, ARect.Right, ARect.Bottom};
    DrawEdge(ACanvas->Handle(), &line, EDGE_ETCHED, BF_TOP);
    return;
  }
  TCustomImageList* images = GetImageList();
  int glyphWidth = TopLevel ? 0 : CheckWidth();
  if (images && FImageIndex >= 0) glyphWidth = std::max(glyphWidth, images->Width());
  else if (HasBitmap()) glyphWidth = std::max(glyphWidth, FBitmap->Width());
  const TRect glyph{ARect.Left, ARect.Top, ARect.Left + glyphWidth + 2 * kGlyphMargin, ARect.Bottom};
  if (images && FImageIndex >= 0 && FImageIndex < images->Count()) {
    const int x = (glyph.Left + glyph.Right - images->Width()) / 2;
    const int y = (glyph.Top + glyph.Bottom - images->Height()) / 2;
    if (FChecked) {
      RECT frame{x - 1, y - 1, x + images->Width() + 1, y + images->Height() + 1};
      DrawEdge(ACanvas->Handle(), &frame, BDR_SUNKENOUTER, BF_RECT);
    }
    images->Draw(ACanvas, x, y, FImageIndex, FEnabled);
  } else if (HasBitmap()) {
    const int x = (glyph.Left + glyph.Right - FBitmap->Width()) / 2;
    const int y = (glyph.Top + glyph.Bottom - FBitmap->Height()) / 2;
    ACanvas->Draw(x, y, FBitmap);
  } else if (FChecked) {
    const TColor color = !FEnabled ? clBtnShadow : selected && !TopLevel ? clHighlightText : clMenuText;
    DrawCheck(ACanvas, glyph, FRadioItem, color);
  }
  TRect text{TopLevel && glyphWidth == 0 ? ARect.Left + kTextGap : glyph.Right + kTextGap, ARect.Top,
             ARect.Right - kRightMargin, ARect.Bottom};
  if (FDefault) SelectMenuFont(ACanvas, true);
  const UINT prefix = State.Contains(odNoAccel) ? DT_HIDEPREFIX : 0;
  const UINT flags = DT_SINGLELINE | DT_VCENTER | prefix | (TopLevel ? DT_CENTER : DT_LEFT);
  DoDrawText(ACanvas, FCaption, text, selected && !TopLevel, flags);
  if (FShortCut != 0 && !TopLevel)
    DoDrawText(ACanvas, ShortCutToText(FShortCut), text, selected, DT_SINGLELINE | DT_VCENTER | DT_RIGHT | DT_NOPREFIX);
}

bool TMenu::DrawMenuItem(const DRAWITEMSTRUCT& Draw) {
  TMenuItem* item = ItemFromData(Draw.itemData);
  if (!item) return false;
  const int saved = SaveDC(Draw.hDC);
  TCanvas canvas;
  try {
    canvas.SetHandle(Draw.hDC);
    SelectMenuFont(&canvas, false);
    const bool topLevel = item->FParent == FItems && InheritsFrom(TMainMenu::StaticClass());
    const TRect rect{Draw.rcItem.left, Draw.rcItem.top, Draw.rcItem.right, Draw.rcItem.bottom};
    item->AdvancedDrawItem(&canvas, rect, OwnerDrawStateFromODS(Draw.itemState), topLevel);
  } catch (...) {
    canvas.SetHandle(nullptr);
    RestoreDC(Draw.hDC, saved);
    throw;
  }
  canvas.SetHandle(nullptr);
  RestoreDC(Draw.hDC, saved);
  return true;
}

bool TMenu::MeasureMenuItem(HWND Window, MEASUREITEMSTRUCT& Measure) {
  TMenuItem* item = ItemFromData(Measure.itemData);
  if (!item) return false;
  HDC dc = GetWindowDC(Window);
  TCanvas canvas;
  try {
    canvas.SetHandle(dc);
    SelectMenuFont(&canvas, item->FDefault);
    int width = int(Measure.itemWidth);
    int height = int(Measure.itemHeight);
    item->MeasureItem(&canvas, width, height);
    Measure.itemWidth = UINT(std::max(width, 0));
    Measure.itemHeight = UINT(std::max(height, 0));
  } catch (...) {
    canvas.SetHandle(nullptr);
    ReleaseDC(Window, dc);
    throw;
  }
  canvas.SetHandle(nullptr);
  ReleaseDC(Window, dc);
  return true;
}
