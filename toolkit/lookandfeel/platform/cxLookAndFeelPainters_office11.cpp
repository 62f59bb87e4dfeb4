// The Office11 look: the ultra-flat shapes in the Office colour set of the
// visual style's colour scheme, with gradients, grip dots and, where the
// system's visual style can draw it, the native painter's scroll bars,
// navigation buttons and group boxes.
#include "cxGeometry.h"
#include "cxGraphics_win.h"
#include "cxLookAndFeelPainters_internal.h"
#include "cxLookAndFeelPainters_native_win.h"
#include "cxLookAndFeelPainters_ultraflat_win.h"
#include "dxOffice11_win.h"
#include "dxThemeManager.h"

using namespace cxpainters;

namespace {
TColor E(int n) { return Office11Color(n); }

// A custom-draw callback that answers "painted", so the base content step
// draws only the text.
struct TTextOnly : TObject {
  bool Painted(TcxCanvas*, const TRect&) { return true; }
};
}  // namespace

TcxCustomLookAndFeelPainterClass TcxOffice11LookAndFeelPainter::Instance() {
  static const auto* instance = new TcxOffice11LookAndFeelPainter();
  return instance;
}

TColor TcxOffice11LookAndFeelPainter::GetOfficeDarkFaceColor() const { return E(4); }
TColor TcxOffice11LookAndFeelPainter::GetOfficeLineDarkColor() const { return E(21); }
TColor TcxOffice11LookAndFeelPainter::GetOfficeLineLightColor() const { return E(22); }
TColor TcxOffice11LookAndFeelPainter::GetOfficeMidFaceColor() const { return BlendColors(E(3), E(4), 50); }

TColor TcxOffice11LookAndFeelPainter::GetButtonFrameColor(TcxButtonState AState) const {
  return AState == cxbsNormal ? GetOfficeLineDarkColor() : E(42);
}
TColor TcxOffice11LookAndFeelPainter::GetEdgeColor() const { return GetOfficeLineDarkColor(); }
TColor TcxOffice11LookAndFeelPainter::GetDarkEdgeColor() const { return clBtnText; }
TColor TcxOffice11LookAndFeelPainter::GetHighlightFrameColor() const { return E(42); }

// --- General and default colours ----------------------------------------------------------
TColor TcxOffice11LookAndFeelPainter::DefaultColor00() const { return clHighlightText; }
TcxLookAndFeelStyle TcxOffice11LookAndFeelPainter::GetPainterStyle() const { return lfsOffice11; }
bool TcxOffice11LookAndFeelPainter::IsThemeColorSource() const { return true; }
TColor TcxOffice11LookAndFeelPainter::DefaultColor09() const { return E(25); }
TColor TcxOffice11LookAndFeelPainter::DefaultColor10() const { return E(29); }
TColor TcxOffice11LookAndFeelPainter::DefaultColor12() const { return E(1); }
TColor TcxOffice11LookAndFeelPainter::DefaultColor13() const { return DefaultColor23(); }
TColor TcxOffice11LookAndFeelPainter::DefaultColor16() const { return E(56); }
TColor TcxOffice11LookAndFeelPainter::DefaultColor17() const { return E(3); }
TColor TcxOffice11LookAndFeelPainter::DefaultColor18() const { return E(59); }
TColor TcxOffice11LookAndFeelPainter::DefaultColor20() const { return DefaultColor16(); }
TColor TcxOffice11LookAndFeelPainter::DefaultColor22() const { return GetOfficeMidFaceColor(); }
TColor TcxOffice11LookAndFeelPainter::DefaultColor37() const { return E(1); }
TColor TcxOffice11LookAndFeelPainter::DefaultColor41() const { return E(60); }
TColor TcxOffice11LookAndFeelPainter::DefaultColor42() const { return clWindowText; }
TColor TcxOffice11LookAndFeelPainter::DefaultColor50() const { return E(61); }
TColor TcxOffice11LookAndFeelPainter::DefaultColor51() const { return E(62); }
TColor TcxOffice11LookAndFeelPainter::DefaultColor61() const { return E(2); }
TColor TcxOffice11LookAndFeelPainter::DefaultColor63() const { return DefaultColor61(); }
TColor TcxOffice11LookAndFeelPainter::DefaultColor67() const { return E(1); }
TColor TcxOffice11LookAndFeelPainter::DefaultColor69() const { return DefaultColor51(); }

void TcxOffice11LookAndFeelPainter::PaintContent(TcxCanvas* ACanvas, const TRect& ABounds,
                                                 const TRect& ATextAreaBounds, TcxButtonState AState,
                                                 TAlignment AAlignmentHorz, TcxAlignmentVert AAlignmentVert,
                                                 bool AMultiLine, bool AShowEndEllipsis, const String& AText,
                                                 TFont* AFont, TColor ATextColor, TColor ABkColor,
                                                 TcxDrawBackgroundEvent AOnDrawBackground, bool AIsFlat) const {
  const bool hot = AState == cxbsHot;
  if (!AOnDrawBackground || !AOnDrawBackground(ACanvas, ABounds)) {
    const TColor fill = hot ? E(3) : GetOfficeMidFaceColor();
    const TColor second = hot ? E(3) : GetOfficeDarkFaceColor();
    if (AIsFlat) {
      ACanvas->FillRect(ABounds, fill);
    } else {
      ACanvas->FillRect(TRect{ABounds.Left, ABounds.Top, ABounds.Right, ABounds.Bottom - 3}, fill);
      GradientFillRect(ACanvas->Handle(), TRect{ABounds.Left, ABounds.Bottom - 4, ABounds.Right, ABounds.Bottom},
                       fill, second, false);
    }
  }
  TTextOnly textOnly;
  inherited::PaintContent(ACanvas, ABounds, ATextAreaBounds, AState, AAlignmentHorz, AAlignmentVert, AMultiLine,
                          AShowEndEllipsis, AText, AFont, ATextColor, ABkColor,
                          TcxDrawBackgroundEvent(&textOnly, &TTextOnly::Painted), AIsFlat);
  if (hot)
    GradientFillRect(ACanvas->Handle(), TRect{ABounds.Left - 1, ABounds.Bottom - 2, ABounds.Right, ABounds.Bottom + 1},
                     E(43), E(44), false);
}

void TcxOffice11LookAndFeelPainter::PaintSideButtonContent(TcxCanvas* ACanvas, const TRect& R,
                                                           const TRect& AArrowRect, bool AFlag,
                                                           TcxButtonState AState) const {
  ACanvas->FillRect(R, AState == cxbsHot ? E(43) : AState == cxbsPressed ? E(45) : E(1));
  ACanvas->FrameRectBorders(R, E(61), 1, TcxBorders{bTop, bBottom, AFlag ? bLeft : bRight});
  PaintSideArrow(ACanvas, AArrowRect, AFlag, GetButtonGlyphColor(AState, clDefault));
}

// --- Borders and buttons ------------------------------------------------------------------
void TcxOffice11LookAndFeelPainter::PaintControlBorder(TcxCanvas* ACanvas, const TRect& R) const {
  ACanvas->FrameRectBorders(R, E(58));
}

void TcxOffice11LookAndFeelPainter::PaintBorderEdges(TcxCanvas* ACanvas, const TRect& R, bool AVertical) const {
  TRect band = CenterBandInRect(R, 2, AVertical);
  ACanvas->FillRect(TRect{band.Left, band.Top, band.Right - 1, band.Bottom - 1}, E(21));
  ACanvas->FillRect(TRect{band.Left + 1, band.Top + 1, band.Right, band.Bottom}, E(22));
}

TColor TcxOffice11LookAndFeelPainter::GetButtonFaceColor(TcxButtonState AState) const {
  switch (AState) {
    case cxbsHot: return E(43);
    case cxbsPressed: return E(45);
    case cxbsDisabled: return clBtnFace;
    default: return E(1);
  }
}

TColor TcxOffice11LookAndFeelPainter::GetButtonGlyphColor(TcxButtonState AState, TColor) const {
  if (AState == cxbsPressed && !IsOffice11SchemeThemed()) return clHighlightText;
  return AState == cxbsDisabled ? E(53) : E(52);
}

void TcxOffice11LookAndFeelPainter::PaintButtonEdge(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) const {
  switch (AState) {
    case cxbsDefault: inherited::PaintButtonEdge(ACanvas, R, AState); break;
    case cxbsNormal: ACanvas->FrameRectBorders(R, clBtnText); break;
    case cxbsDisabled: ACanvas->FrameRectBorders(R, E(53)); break;
    default: ACanvas->FrameRectBorders(R, E(42)); break;
  }
}

void TcxOffice11LookAndFeelPainter::PaintTreeButton(TcxCanvas* ACanvas, const TRect& R, bool AExpanded,
                                                    TColor) const {
  HBITMAP glyph = Office11ExpandButtonBitmap(AExpanded);
  if (!glyph) {
    inherited::PaintTreeButton(ACanvas, R, AExpanded, clDefault);
    return;
  }
  HDC dc = ACanvas->Handle();
  // The rounded corners blend into what is under them: the light corner with
  // the background at the top left, the dark ones with that at the bottom right.
  const TColor topLeft = TColor(GetPixel(dc, R.Left, R.Top));
  const TColor bottomRight = TColor(GetPixel(dc, R.Left + 10, R.Top + 10));
  HDC source = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(source, glyph);
  BitBlt(dc, R.Left, R.Top, 11, 11, source, 0, 0, SRCCOPY);
  SelectObject(source, old);
  DeleteDC(source);
  ACanvas->SetPixel(R.Left, R.Top, BlendColors(TColor(0xBFAE9E), topLeft, 25));
  const TColor dark = BlendColors(TColor(0x5F462E), bottomRight, 25);
  ACanvas->SetPixel(R.Left + 10, R.Top + 10, dark);
  ACanvas->SetPixel(R.Left, R.Top + 10, dark);
  ACanvas->SetPixel(R.Left + 10, R.Top, dark);
}

bool TcxOffice11LookAndFeelPainter::IsTreeButtonFirst() const { return false; }

void TcxOffice11LookAndFeelPainter::PaintPlusMinusBox(TcxCanvas* ACanvas, const TRect& R, bool AExpanded,
                                                      TColor AColor) const {
  PaintTreeButton(ACanvas, R, AExpanded, AColor);
}

int TcxOffice11LookAndFeelPainter::GetTreeButtonSize() const { return 11; }
int TcxOffice11LookAndFeelPainter::GetPlusMinusBoxSize() const { return GetTreeButtonSize(); }

TColor TcxOffice11LookAndFeelPainter::GetCheckFaceColor(TcxButtonState AState) const {
  if (AState == cxbsHot || AState == cxbsPressed || AState == cxbsDisabled) return GetButtonFaceColor(AState);
  return inherited::GetCheckFaceColor(AState);
}

// --- Headers ------------------------------------------------------------------------------
void TcxOffice11LookAndFeelPainter::PaintHeader(TcxCanvas* ACanvas, const TRect& ABounds,
                                                const TRect& ATextAreaBounds, TcxNeighbors ANeighbors,
                                                TcxBorders ABorders, TcxButtonState AState,
                                                TAlignment AAlignmentHorz, TcxAlignmentVert AAlignmentVert,
                                                bool AMultiLine, bool AShowEndEllipsis, const String& AText,
                                                TFont* AFont, TColor ATextColor, TColor ABkColor,
                                                TcxDrawBackgroundEvent, bool AIsSpecial) const {
  TcxCustomLookAndFeelPainter::PaintHeader(ACanvas, ABounds, ATextAreaBounds, ANeighbors, ABorders, AState,
                                           AAlignmentHorz, AAlignmentVert, AMultiLine, AShowEndEllipsis, AText,
                                           AFont, ATextColor, ABkColor, nullptr, AIsSpecial);
}

void TcxOffice11LookAndFeelPainter::PaintHeaderEdge(TcxCanvas* ACanvas, const TRect& R, TcxNeighbors ANeighbors,
                                                    TcxBorders ABorders) const {
  const TColor mid = GetOfficeMidFaceColor(), dark = GetOfficeDarkFaceColor();
  const TColor line = GetOfficeLineDarkColor(), light = GetOfficeLineLightColor();
  const TColor fade = BlendColors(mid, dark, 25);
  auto column = [ACanvas](int x, int from, int to, TColor color) {
    if (to > from) ACanvas->FillRect(TRect{x, from, x + 1, to}, color);
  };
  if (ABorders.Contains(bTop)) ACanvas->FillRect(TRect{R.Left, R.Top, R.Right, R.Top + 1}, mid);
  if (ABorders.Contains(bBottom)) ACanvas->FillRect(TRect{R.Left, R.Bottom - 1, R.Right, R.Bottom}, line);
  // Each column is laid first and its corner pixels over it.
  if (ABorders.Contains(bLeft)) {
    const int x = R.Left;
    if (ANeighbors.Contains(nLeft)) {
      column(x, R.Top + 2, R.Bottom - 3, light);
      ACanvas->SetPixel(x, R.Top + 2, mid);
      ACanvas->SetPixel(x, R.Bottom - 3, fade);
    } else {
      column(x, R.Top + 1, R.Bottom - 2, light);
    }
    ACanvas->SetPixel(x, R.Top + 1, mid);
    ACanvas->SetPixel(x, R.Bottom - 2, dark);
  }
  if (ABorders.Contains(bRight)) {
    const int x = R.Right - 1;
    if (ANeighbors.Contains(nRight)) {
      column(x, R.Top + 2, R.Bottom - 3, line);
      ACanvas->SetPixel(x, R.Top + 1, mid);
      ACanvas->SetPixel(x, R.Top + 2, mid);
      ACanvas->SetPixel(x, R.Bottom - 3, fade);
      ACanvas->SetPixel(x, R.Bottom - 2, dark);
    } else {
      column(x, R.Top + 1, R.Bottom - 2, line);
      ACanvas->SetPixel(x, R.Top, BlendColors(mid, line, 50));
      ACanvas->SetPixel(x, R.Bottom - 2, BlendColors(dark, line, 50));
    }
  }
}

void TcxOffice11LookAndFeelPainter::PaintHeaderPart(TcxCanvas* ACanvas, const TRect& ABounds, const String& AText,
                                                    TAlignment AAlignment, TcxButtonState AState,
                                                    TcxBorders ABorders, TFont* AFont, TColor AColor) const {
  PaintHeader(ACanvas, ABounds, ABounds, TcxNeighbors(), ABorders, AState, AAlignment, vaCenter, false, false, AText,
              AFont, clDefault, AColor, nullptr, false);
  if (AState == cxbsPressed) InvertHeader(ACanvas, ABounds);
}

void TcxOffice11LookAndFeelPainter::PaintSortGlyph(TcxCanvas* ACanvas, const TRect& R, bool AAscending) const {
  DrawSortTriangle(this, ACanvas, R, GetOfficeLineDarkColor(), GetOfficeLineLightColor(), AAscending);
}

TcxBorders TcxOffice11LookAndFeelPainter::GetHeaderEdges(TcxNeighbors) const { return cxBordersAll; }
int TcxOffice11LookAndFeelPainter::GetHeaderEdgeWidth() const { return 1; }
bool TcxOffice11LookAndFeelPainter::IsHeaderHot() const { return true; }
TColor TcxOffice11LookAndFeelPainter::GetBandColor() const { return GetOfficeLineDarkColor(); }

void TcxOffice11LookAndFeelPainter::PaintFramedCell(TcxCanvas* ACanvas, const TRect& R, TcxBorders,
                                                    TcxButtonState AState) const {
  PaintCellFrame(ACanvas, R, cxBordersAll, AState);
  const TRect inner = Inset(R, 1);
  PaintContent(ACanvas, inner, inner, AState, taLeftJustify, vaCenter, false, false, String(), nullptr, clDefault,
               clDefault, nullptr, false);
}

// --- Scroll bars, size grip, arrow headers ------------------------------------------------
void TcxOffice11LookAndFeelPainter::PaintScrollBarPart(TcxCanvas* ACanvas, bool AHorizontal, const TRect& R,
                                                       TcxScrollBarPart APart, TcxButtonState AState) const {
  TcxCustomLookAndFeelPainterClass painter = CanUseThemeKind(totScrollBar) ? TcxWinXPLookAndFeelPainter::Instance()
                                                                           : TcxStandardLookAndFeelPainter::Instance();
  painter->PaintScrollBarPart(ACanvas, AHorizontal, R, APart, AState);
}

void TcxOffice11LookAndFeelPainter::PaintSizeGrip(TcxCanvas* ACanvas, const TRect& R) const {
  DrawOffice11ResizeGrip(ACanvas->Handle(), R, clDefault, clDefault);
}

void TcxOffice11LookAndFeelPainter::PaintArrowHeader(TcxCanvas* ACanvas, const TRect& ABounds, const String& AText,
                                                     TcxNeighbors, const TcxViewStyleParams& AViewParams,
                                                     TcxDrawBackgroundEvent AOnDrawBackground) const {
  const TRect r = Inset(ABounds, 1);
  if (!AOnDrawBackground || !AOnDrawBackground(ACanvas, r)) FillWithViewParams(ACanvas, r, AViewParams);
  DrawTextClear(ACanvas, AText, r, cxAlignHCenter | cxAlignVCenter | cxSingleLine | cxShowEndEllipsis,
                AViewParams.Font, AViewParams.TextColor, true);
  PaintHeaderArrows(this, ACanvas, r);
}

void TcxOffice11LookAndFeelPainter::PaintArrowHeaderEdge(TcxCanvas* ACanvas, const TRect& R) const {
  ACanvas->FrameRectBorders(R, DefaultColor50());
}

void TcxOffice11LookAndFeelPainter::PaintNavButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) const {
  TcxWinXPLookAndFeelPainter::Instance()->PaintNavButton(ACanvas, R, AState);
}

void TcxOffice11LookAndFeelPainter::PaintProgressFrame(TcxCanvas* ACanvas, TRect& R) const {
  ACanvas->FillRect(R, DefaultColor37());
}

// --- Group boxes, track bars, splitters, pages --------------------------------------------
void TcxOffice11LookAndFeelPainter::PaintGroupBoxFrame(TcxCanvas* ACanvas, const TRect& R, bool AEnabled,
                                                       TcxGroupBoxCaptionPosition ACaptionPosition,
                                                       TcxBorders ABorders) const {
  if (CanUseThemeKind(totButton))
    TcxWinXPLookAndFeelPainter::Instance()->PaintGroupBoxFrame(ACanvas, R, AEnabled, ACaptionPosition, ABorders);
  else inherited::PaintGroupBoxFrame(ACanvas, R, AEnabled, ACaptionPosition, ABorders);
}

TColor TcxOffice11LookAndFeelPainter::GetGroupBoxCaptionTextColor(bool AEnabled,
                                                                  TcxGroupBoxCaptionPosition ACaptionPosition) const {
  if (CanUseThemeKind(totButton))
    return TcxWinXPLookAndFeelPainter::Instance()->GetGroupBoxCaptionTextColor(AEnabled, ACaptionPosition);
  return TcxCustomLookAndFeelPainter::GetGroupBoxCaptionTextColor(AEnabled, ACaptionPosition);
}

void TcxOffice11LookAndFeelPainter::PaintGroupBoxCaptionArea(TcxCanvas* ACanvas, TWinControl* AControl,
                                                             const TRect& R, TColor AColor1, TColor AColor2) const {
  if (AColor1 == clDefault) PaintControlParentBackground(ACanvas, AControl, R);
  else if (AColor2 == clDefault) ACanvas->FillRect(R, AColor1);
  else GradientFillRect(ACanvas->Handle(), R, AColor1, AColor2, false);
}

void TcxOffice11LookAndFeelPainter::PaintTrackEdge(TcxCanvas* ACanvas, const TRect& R) const {
  ACanvas->FrameRectBorders(R, clBtnText);
}

void TcxOffice11LookAndFeelPainter::PaintThumbEdge(TcxCanvas* ACanvas, const std::vector<TPoint>& ALightLine,
                                                   const std::vector<TPoint>&,
                                                   const std::vector<TPoint>& AOuterShadowLine) const {
  PolylineIn(ACanvas, ALightLine, clBtnText);
  PolylineIn(ACanvas, AOuterShadowLine, clBtnText);
}

void TcxOffice11LookAndFeelPainter::PaintThumbRectEdge(TcxCanvas* ACanvas, const TRect& R) const {
  ACanvas->FrameRectBorders(R, clBtnText);
}

TColor TcxOffice11LookAndFeelPainter::GetSplitterInnerColor(bool) const { return E(22); }
TColor TcxOffice11LookAndFeelPainter::GetSplitterLineColor(bool AHighlighted) const {
  return AHighlighted ? E(42) : E(21);
}

TSize TcxOffice11LookAndFeelPainter::GetSplitterGripSize(bool AHorizontal) const {
  return TcxCustomLookAndFeelPainter::GetSplitterGripSize(AHorizontal);
}

void TcxOffice11LookAndFeelPainter::PaintPageArea(TcxCanvas* ACanvas, const TRect& R) const {
  GradientFillRect(ACanvas->Handle(), R, E(3), E(4), false);
}

void PaintControlParentBackground(TcxCanvas* ACanvas, TWinControl* AControl, const TRect& R) {
  if (!AControl || !AControl->HandleAllocated()) return;
  DrawThemeParentBackground(AControl->Handle(), ACanvas->Handle(), AsRect(R));
}
