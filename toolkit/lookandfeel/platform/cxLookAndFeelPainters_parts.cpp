// The base painter: scroll bars and the size grip, editor buttons and
// progress bars, group boxes, track bars, splitters and pages.
#include <algorithm>

#include "cxGeometry.h"
#include "cxLookAndFeelPainters_internal.h"

using namespace cxpainters;

// --- Scroll bars, size grip -------------------------------------------------------------------

int TcxCustomLookAndFeelPainter::GetMinScrollBarThumbSize(bool) const { return 8; }

void TcxCustomLookAndFeelPainter::DrawScrollBarBackground(TcxCanvas* ACanvas, const TRect& R,
                                                          bool AHorizontal) const {
  PaintScrollBarPart(ACanvas, AHorizontal, R, sbpPageUp, cxbsNormal);
}

void TcxCustomLookAndFeelPainter::PaintScrollBarPart(TcxCanvas*, bool, const TRect&, TcxScrollBarPart,
                                                     TcxButtonState) const {}

TSize TcxCustomLookAndFeelPainter::GetScrollBarCornerSize() const {
  return TSize{GetSystemMetrics(SM_CXVSCROLL), GetSystemMetrics(SM_CYHSCROLL)};
}

void TcxCustomLookAndFeelPainter::PaintSizeGrip(TcxCanvas* ACanvas, const TRect& R) const {
  TRect r = R;
  DrawFrameControl(ACanvas->Handle(), AsRect(r), DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
}

void TcxCustomLookAndFeelPainter::PaintSizeGripAt(TcxCanvas* ACanvas, const TRect& R, TColor ABackColor,
                                                  TcxCorner ACorner) const {
  const int w = R.Right - R.Left, h = R.Bottom - R.Top;
  if (w <= 0 || h <= 0) return;
  TcxBitmap bitmap(w, h, pf32bit);
  TcxCanvas* canvas = bitmap.cxCanvas();
  canvas->SetBrush(ACanvas->Brush());
  const TRect client = bitmap.GetClientRect();
  if (ABackColor == clNone) canvas->CopyRectangle(client, ACanvas->Canvas(), R);
  else canvas->FillRect(client, ABackColor);
  PaintSizeGrip(canvas, client);
  // The grip is drawn for the bottom-right corner and turned for the others.
  const TcxCornerTurn turn = SizeGripCornerTurn(ACorner);
  bitmap.Rotate(turn.Rotation, turn.Flip);
  ACanvas->CopyRectangle(R, bitmap.Canvas(), client);
}

TSize TcxCustomLookAndFeelPainter::GetSizeGripSize() const { return TSize{14, 15}; }

void TcxCustomLookAndFeelPainter::PaintCrossButtonAlt(TcxCanvas* ACanvas, const TRect& R,
                                                      TcxButtonState AState) const {
  PaintCrossButton(ACanvas, R, AState);
}

// --- Editor buttons and progress bars ---------------------------------------------------------

void TcxCustomLookAndFeelPainter::PaintEditButton(TcxCanvas*, const TRect&, TcxEditBtnKind, TcxButtonState,
                                                  TcxEditBtnPosition) const {}
int TcxCustomLookAndFeelPainter::GetEditButtonCaptionOffset() const { return 0; }
TSize TcxCustomLookAndFeelPainter::GetFixedEditButtonSize() const { return TSize{}; }
TColor TcxCustomLookAndFeelPainter::GetEditButtonCaptionColor(TcxButtonState) const { return clDefault; }
TColor TcxCustomLookAndFeelPainter::GetEditBorderColor(bool) const { return clDefault; }

void TcxCustomLookAndFeelPainter::PaintProgressFrame(TcxCanvas* ACanvas, TRect& R) const {
  FillSolid(ACanvas, R, DefaultColor37());
  Edge3D(ACanvas, R, true, true);
  R = Inset(R, 1);
}

void TcxCustomLookAndFeelPainter::PaintProgressImage(TcxCanvas* ACanvas, TCustomImageList* AImages, bool,
                                                     bool AEnabled, const TRect& R, int AGlyphIndex) const {
  if (!IsValidImageIndex(AImages, AGlyphIndex) || IsEmptyRect(R)) return;
  const int x = (R.Left + R.Right - AImages->Width()) / 2, y = (R.Top + R.Bottom - AImages->Height()) / 2;
  AImages->Draw(ACanvas->Canvas(), x, y, AGlyphIndex, AEnabled);
}

TSize TcxCustomLookAndFeelPainter::GetProgressImageSize() const { return TSize{11, 11}; }
void TcxCustomLookAndFeelPainter::PaintProgressChunk(TcxCanvas*, const TRect&, bool) const {}
void TcxCustomLookAndFeelPainter::PaintProgressFill(TcxCanvas*, const TRect&, bool) const {}

void TcxCustomLookAndFeelPainter::PaintProgressText(TcxCanvas* ACanvas, const TRect& ABounds,
                                                    const TRect& AFilledRect, const String& AText,
                                                    bool ARotated) const {
  if (AText.empty()) return;
  const TcxTextFlags flags = cxAlignHCenter | cxAlignVCenter | cxSingleLine;
  const TcxBitmapRotation rotation = ARotated ? raPlus90 : raNone;
  const TColor color = GetProgressTextColor();
  TColor filledColor = GetProgressTextColorFor(true);
  // No colour of its own over the filled part: the inverse of the other.
  if (filledColor == clDefault) filledColor = TColor(~std::uint32_t(ColorToRGB(color)) & 0xFFFFFFu);
  ACanvas->Brush()->SetStyle(bsClear);
  ACanvas->PushClipRegion();
  ACanvas->ExcludeClipRectangle(AFilledRect);
  ACanvas->Font()->SetColor(color);
  ACanvas->DrawText(AText, ABounds, flags, true, rotation);
  ACanvas->PopClipRegion();
  ACanvas->PushClipRegion();
  ACanvas->IntersectClipRectangle(AFilledRect);
  ACanvas->Font()->SetColor(filledColor);
  ACanvas->DrawText(AText, ABounds, flags, true, rotation);
  ACanvas->PopClipRegion();
  ACanvas->Brush()->SetStyle(bsSolid);
}

TRect TcxCustomLookAndFeelPainter::GetProgressFrameRect(bool) const { return TRect{}; }
TColor TcxCustomLookAndFeelPainter::GetProgressTextColor() const { return GetProgressTextColorFor(false); }
TColor TcxCustomLookAndFeelPainter::GetProgressTextColorFor(bool AFilled) const {
  return AFilled ? clDefault : clWindowText;
}

// --- Group boxes ------------------------------------------------------------------------------

void TcxCustomLookAndFeelPainter::DrawGroupBoxBackground(TcxCanvas*, const TRect&, const TRect&) const {}
void TcxCustomLookAndFeelPainter::DrawGroupBoxCaption(TcxCanvas*, const TRect&, TcxGroupBoxCaptionPosition) const {}
void TcxCustomLookAndFeelPainter::DrawGroupBoxContent(TcxCanvas*, const TRect&, TcxGroupBoxCaptionPosition,
                                                      TcxBorders) const {}

void TcxCustomLookAndFeelPainter::PaintGroupBoxChevron(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState,
                                                       bool AExpanded, TcxBitmapRotation ARotation) const {
  PaintRotatedChevronButton(ACanvas, R, AState, AExpanded, ARotation);
}

void TcxCustomLookAndFeelPainter::PaintGroupBoxFrame(TcxCanvas*, const TRect&, bool, TcxGroupBoxCaptionPosition,
                                                     TcxBorders) const {}
TRect TcxCustomLookAndFeelPainter::GetGroupBoxFrameExtents(bool, TcxGroupBoxCaptionPosition) const { return TRect{}; }

TColor TcxCustomLookAndFeelPainter::GetGroupBoxCaptionTextColor(bool AEnabled, TcxGroupBoxCaptionPosition) const {
  return AEnabled ? clWindowText : clBtnShadow;
}

bool TcxCustomLookAndFeelPainter::IsGroupBoxPartTransparent(bool, TcxGroupBoxCaptionPosition) const {
  return false;
}

void TcxCustomLookAndFeelPainter::PaintGroupBoxCaptionArea(TcxCanvas* ACanvas, TWinControl*, const TRect& R, TColor,
                                                           TColor) const {
  DrawGroupBoxBackground(ACanvas, R, R);
}

void TcxCustomLookAndFeelPainter::PaintGroupBoxPanelBorder(TcxCanvas*, const TRect&) const {}

void TcxCustomLookAndFeelPainter::PaintGroupBoxCaptionAlt(TcxCanvas* ACanvas, const TRect& R,
                                                          TcxGroupBoxCaptionPosition ACaptionPosition) const {
  DrawGroupBoxCaption(ACanvas, R, ACaptionPosition);
}

void TcxCustomLookAndFeelPainter::DrawGroupBoxPanelStyle(TcxCanvas* ACanvas, const TRect& R, bool) const {
  FillSolid(ACanvas, R, clBtnFace);
}

TRect TcxCustomLookAndFeelPainter::GetGroupBoxPanelBorderExtents() const { return TRect{}; }

TColor TcxCustomLookAndFeelPainter::GetGroupBoxPanelTextColor() const {
  return GetGroupBoxCaptionTextColor(true, cxgpTop);
}

// --- Track bars -------------------------------------------------------------------------------

void TcxCustomLookAndFeelPainter::CorrectTrackBarThumbRect(TcxCanvas*, TRect& R, bool, TcxTrackBarTicksAlign) const {
  R.Right -= 1;
  R.Bottom -= 1;
}

void TcxCustomLookAndFeelPainter::DrawTrackBarTrack(TcxCanvas* ACanvas, const TRect& R, const TRect&, bool, bool,
                                                    bool, TColor AColor) const {
  FillSolid(ACanvas, R, AColor);
  PaintTrackEdge(ACanvas, R);
}

void TcxCustomLookAndFeelPainter::PaintTrackEdge(TcxCanvas*, const TRect&) const {}

void TcxCustomLookAndFeelPainter::DrawTrackBarThumb(TcxCanvas* ACanvas, const TRect& R, TcxButtonState, bool AHorizontal,
                                                    TcxTrackBarTicksAlign ATicks, TColor AColor) const {
  if (ATicks == tbtaBoth) {
    FillSolid(ACanvas, R, AColor);
    PaintThumbRectEdge(ACanvas, R);
    return;
  }
  const TcxTrackBarThumbShape shape = TrackBarThumbShape(R, AHorizontal, ATicks);
  FillPolygon(ACanvas, shape.Polygon, AColor);
  PaintThumbEdge(ACanvas, shape.LightLine, shape.InnerShadowLine, shape.OuterShadowLine);
}

void TcxCustomLookAndFeelPainter::PaintThumbEdge(TcxCanvas*, const std::vector<TPoint>&, const std::vector<TPoint>&,
                                                 const std::vector<TPoint>&) const {}
void TcxCustomLookAndFeelPainter::PaintThumbRectEdge(TcxCanvas*, const TRect&) const {}

TSize TcxCustomLookAndFeelPainter::GetTrackBarThumbSize(bool AHorizontal) const {
  // The track bar's own default: 7 along the track, 12 across it.
  return AHorizontal ? TSize{7, 12} : TSize{12, 7};
}

int TcxCustomLookAndFeelPainter::GetTrackBarTrackSize(bool) const { return 0; }

TColor TcxCustomLookAndFeelPainter::GetTrackBarTickColor(bool) const { return clDefault; }

// --- Splitters and pages ----------------------------------------------------------------------

int TcxCustomLookAndFeelPainter::GetSplitterHighlightWidth() const { return 0; }
TColor TcxCustomLookAndFeelPainter::GetSplitterInnerColor(bool) const { return 0xFFFFFF; }
TColor TcxCustomLookAndFeelPainter::GetSplitterLineColor(bool) const { return clBtnShadow; }

void TcxCustomLookAndFeelPainter::PaintSplitter(TcxCanvas* ACanvas, const TRect& R, bool AHighlighted, bool,
                                                bool AHorizontal) const {
  const TSize grip = GetSplitterGripSize(AHorizontal);
  const bool doubled = (AHorizontal ? grip.cy : grip.cx) > 1;
  // Along the length, with one-pixel gaps that leave three short dashes in the middle.
  const int start = AHorizontal ? R.Left : R.Top;
  const int end = AHorizontal ? (doubled ? R.Right : R.Right - 1) : R.Bottom - 1;
  const int across = AHorizontal ? (R.Top + R.Bottom) / 2 : (R.Left + R.Right) / 2;
  const int c = (start + end) / 2;
  auto line = [&](int shift, TColor color) {
    ACanvas->Pen()->SetColor(color);
    int from = start;
    for (int gap : {c - 5, c - 2, c + 1, c + 4, end}) {
      const int to = std::min(gap, end);
      if (to > from) {
        if (AHorizontal) {
          ACanvas->MoveTo(from + shift, across + shift);
          ACanvas->LineTo(to + shift, across + shift);
        } else {
          ACanvas->MoveTo(across + shift, from + shift);
          ACanvas->LineTo(across + shift, to + shift);
        }
      }
      from = std::max(from, to + 1);
    }
  };
  line(0, GetSplitterLineColor(AHighlighted));
  if (doubled) line(1, GetSplitterInnerColor(AHighlighted));
}

TSize TcxCustomLookAndFeelPainter::GetSplitterGripSize(bool AHorizontal) const {
  return AHorizontal ? TSize{17, 2} : TSize{2, 17};
}

TColor TcxCustomLookAndFeelPainter::GetPageAreaColor() const { return clBtnFace; }

void TcxCustomLookAndFeelPainter::PaintPageArea(TcxCanvas* ACanvas, const TRect& R) const {
  FillSolid(ACanvas, R, GetPageAreaColor());
}

TRect TcxCustomLookAndFeelPainter::GetPageMargins() const { return TRect{2, 2, 4, 4}; }

void TcxCustomLookAndFeelPainter::PaintPageAreaDark(TcxCanvas* ACanvas, const TRect& R) const {
  FillSolid(ACanvas, R, clBtnShadow);
}

void TcxCustomLookAndFeelPainter::PaintPage(TcxCanvas* ACanvas, const TRect& R, const TRect& AInnerRect,
                                            bool ASelected, bool AFillInner) const {
  const TRect page{R.Left, R.Top, R.Right - 2, R.Bottom - 2};
  if (AFillInner) FillSolid(ACanvas, AInnerRect, clWindow);
  ACanvas->PushClipRegion();
  ACanvas->ExcludeClipRectangle(AInnerRect);
  FillSolid(ACanvas, ASelected ? page : Inset(page, 1), ASelected ? clHighlight : clWindowText);
  ACanvas->PopClipRegion();
  // The shadow falls right and below the page.
  ACanvas->PushClipRegion();
  ACanvas->ExcludeClipRectangle(page);
  FillSolid(ACanvas, OffsetRectBy(page, 2, 2), clWindowText);
  ACanvas->PopClipRegion();
}

TColor TcxCustomLookAndFeelPainter::GetPageColor(int AIndex) const {
  return AIndex >= 0 && AIndex <= 2 ? TColor(0x000080) : clBtnText;
}

TColor TcxCustomLookAndFeelPainter::GetPageFrameColor() const { return clBtnFace; }
