// The text editors' view data and view info: the display text of a value,
// where the text goes and how it is laid out, its selection colours, and the
// painting of background, text, selection and focus rectangle.
#include <algorithm>
#include <climits>

#include "cxEditPaintUtils.h"
#include "cxEditPaintUtils_win.h"
#include "cxTextEdit_win.h"

namespace {

bool IsEmptyRect(const TRect& R) { return R.Right <= R.Left || R.Bottom <= R.Top; }

TRect Shrink(const TRect& R, const TRect& AOffsets) {
  return TRect{R.Left + AOffsets.Left, R.Top + AOffsets.Top, R.Right - AOffsets.Right, R.Bottom - AOffsets.Bottom};
}

// The height of "Zg" in the canvas's font: one row of text.
int RowHeight(TcxCanvas* ACanvas) { return ACanvas ? ACanvas->MeasureTextHeight(L"Zg") : 0; }

TColor InverseOf(TColor AColor) { return TColor(ColorToRGB(AColor) ^ 0x00FFFFFF); }

// Measures with the canvas's DC; the rows keep pointers into the text.
int LayOut(TcxCanvas* ACanvas, const String& AText, unsigned AFlags, const TRect& R, int AMaxRows,
           TcxTextParams& AParams, TcxTextRows& ARows, bool& AAllFits) {
  InitTextParamsForCanvas(ACanvas->Canvas(), AFlags, AParams);
  int count = 0;
  AAllFits = BuildTextRows(ACanvas->Handle(), AText.c_str(), int(AText.size()), AMaxRows, count, ARows, AParams, R);
  return count;
}

}  // namespace

// --- View data ------------------------------------------------------------------------------
TcxCustomTextEditViewData::TcxCustomTextEditViewData(TcxCustomEditProperties* AProperties,
                                                     TcxContainerStyle* AStyle, bool AIsHosted)
    : TcxCustomEditViewData(AProperties, AStyle, AIsHosted) {
  InitFromProperties();
}

void TcxCustomTextEditViewData::InitFromProperties() {
  TcxCustomEditViewData::InitFromProperties();
  // Text and memo properties format their values; no kind here shows them raw.
  RawDisplay = false;
}

unsigned TcxCustomTextEditViewData::GetDrawTextFlags() {
  return TextEditDrawTextFlags(int(HorzAlignment), int(VertAlignment));
}

TRect TcxCustomTextEditViewData::GetTextOffsets() {
  return TextEditTextOffsets(ContentOffsets, IsHosted, TextProperties()->GetEditingStyle(), int(HorzAlignment));
}

String TcxCustomTextEditViewData::EditValueToDisplayText(const Variant& AValue) {
  String text;
  if (RawDisplay) {
    text = VarToStr(AValue);
  } else {
    text = TextProperties()->PrepareDisplayText(AValue, EditFormat);
  }
  TextProperties()->TransformDisplayText(text);
  if (OnGetDisplayText) OnGetDisplayText(this, text);
  return text;
}

void TcxCustomTextEditViewData::PrepareDrawValue(const Variant& AValue, TcxCustomTextEditViewInfo* AViewInfo) {
  String text = VarToStr(AValue);
  TextProperties()->TransformDisplayText(text);
  AViewInfo->DisplayText = text;
}

void TcxCustomTextEditViewData::GetSelectionColors(TColor& ABackground, TColor& AText) {
  if (SelectionBackgroundColor != clDefault) {
    ABackground = SelectionBackgroundColor;
    AText = SelectionTextColor != clDefault ? SelectionTextColor : InverseOf(SelectionBackgroundColor);
  } else if (SelectionTextColor != clDefault) {
    AText = SelectionTextColor;
    ABackground = InverseOf(SelectionTextColor);
  } else if (Style->Color() == clHighlight) {
    // A highlighted editor shows its selection the other way round.
    AText = clWhite;
    ABackground = clBlack;
  } else {
    AText = clHighlightText;
    ABackground = clHighlight;
  }
}

void TcxCustomTextEditViewData::CalcKindSpecificParts(TcxCanvas* ACanvas, TcxCustomEditViewInfo* AViewInfo) {
  TcxCustomEditViewData::CalcKindSpecificParts(ACanvas, AViewInfo);
  auto* v = static_cast<TcxCustomTextEditViewInfo*>(AViewInfo);
  v->DisplayText = DrawsText && !EditValue.IsEmpty() ? EditValueToDisplayText(EditValue) : String();
  v->HighlightStart = SelStart;
  v->HighlightLength = SelLength;
  v->HighlightColor = clNone;
  v->HighlightTextColor = clNone;
  if (SelLength > 0) GetSelectionColors(v->HighlightColor, v->HighlightTextColor);
}

void TcxCustomTextEditViewData::Calculate(TcxCanvas* ACanvas, const TRect& ABounds, const TPoint& P,
                                          int AButtonCode, TShiftState AShift, TcxCustomEditViewInfo* AViewInfo,
                                          bool AIsMouseEvent) {
  TcxCustomEditViewData::Calculate(ACanvas, ABounds, P, AButtonCode, AShift, AViewInfo, AIsMouseEvent);
  auto* v = static_cast<TcxCustomTextEditViewInfo*>(AViewInfo);
  v->SelectionBarDrawn = false;
  v->TextEditingStyle = TextProperties()->GetEditingStyle();
  v->InnerEditShown = IsInnerEditVisible();
  v->DrawsText = DrawsText;
  v->PopupOpen = false;
  v->TextBounds = Shrink(v->ClientRect, GetTextOffsets());
  if (!IsHosted && ACanvas) {
    if (v->Font) ACanvas->SetFont(v->Font);
    const int height = RowHeight(ACanvas);
    // A short editor still shows one whole row, as far as its client area goes.
    if (v->TextBounds.Bottom - v->TextBounds.Top < height)
      v->TextBounds.Bottom = std::min(v->TextBounds.Top + height, v->ClientRect.Bottom);
  }
  v->LineLimit = GetVisibleLineCount();
  v->InvalidateTextLayout();
  CalcTextDrawFlags(ACanvas, v);
}

void TcxCustomTextEditViewData::CalcTextDrawFlags(TcxCanvas* ACanvas, TcxCustomTextEditViewInfo* AViewInfo) {
  AViewInfo->TextFlags = GetDrawTextFlags();
  const bool wrapAllowed = !TextProperties()->IsMultiLine() && (TextProperties()->GetEditCapabilities() & 2u) &&
                           (PaintOptions & 2u);
  if (wrapAllowed && ACanvas && !AViewInfo->DisplayText.empty()) {
    const TRect& r = AViewInfo->TextBounds;
    const TRect offsets = GetTextOffsets();
    int width = r.Right - r.Left - offsets.Left - offsets.Right - ContentOffsets.Left - ContentOffsets.Right;
    if (HorzAlignment == taRightJustify) ++width;
    const int rowHeight = std::max(RowHeight(ACanvas), 1);
    const int rowLimit = (r.Bottom - r.Top + rowHeight - 1) / rowHeight + 1;
    const unsigned flags = (AViewInfo->TextFlags & ~unsigned(cxtoSingleLine)) | cxtoWordBreak | cxtoEditControl |
                           cxtoCalcRowCount;
    TcxTextParams params;
    TcxTextRows rows;
    bool allFits = false;
    const int count = LayOut(ACanvas, AViewInfo->DisplayText, flags, TRect{0, 0, std::max(width, 1), 30000},
                             rowLimit, params, rows, allFits);
    if (count > 1) {
      AViewInfo->TextFlags = (AViewInfo->TextFlags & ~unsigned(cxtoSingleLine)) | cxtoWordBreak | cxtoEditControl;
      if (count * params.RowPitch > r.Bottom - r.Top) AViewInfo->TextFlags &= ~unsigned(cxtoVertAlignmentMask);
    }
  }
  if (PaintOptions & 8u) AViewInfo->TextFlags |= cxtoEndEllipsis;
  AViewInfo->IsComboStyle = IsComboBoxStyle();
}

TSize TcxCustomTextEditViewData::CalcEditTextSize(TcxCanvas* ACanvas, const String& AText, int AMaxWidth,
                                                  bool AWithOffsets) {
  TSize size{0, 0};
  if (!ACanvas) return size;
  const int rowHeight = RowHeight(ACanvas);
  const unsigned flags = GetDrawTextFlags();
  if (AMaxWidth < 0) {
    if (flags & cxtoSingleLine) {
      size.cx = AText.empty() ? 0 : ACanvas->MeasureTextWidth(AText);
      size.cy = rowHeight;
    } else {
      TcxTextParams params;
      TcxTextRows rows;
      bool allFits = false;
      const int count = LayOut(ACanvas, AText, (flags & ~unsigned(cxtoSingleLine)) | cxtoWordBreak,
                               TRect{0, 0, 30000, 30000}, 0, params, rows, allFits);
      size.cx = GetWidestRowWidth(rows, count);
      size.cy = rowHeight * std::max(GetVisibleLineCount(), 1);
    }
  } else {
    int width = AMaxWidth + (IsHosted ? 0 : 2);
    if (HorzAlignment == taLeftJustify) --width;
    TcxTextParams params;
    TcxTextRows rows;
    bool allFits = false;
    const int count = AText.empty() ? 0
                                    : LayOut(ACanvas, AText, (flags & ~unsigned(cxtoSingleLine)) | cxtoWordBreak,
                                             TRect{0, 0, std::max(width, 1), 30000}, 0, params, rows, allFits);
    size.cx = AMaxWidth;
    size.cy = AText.empty() ? ((PaintOptions & 1u) ? 0 : rowHeight) : rowHeight * count;
  }
  if (AWithOffsets) {
    const TRect offsets = GetTextOffsets();
    size.cx += offsets.Left + offsets.Right;
    if (size.cy > 0) size.cy += offsets.Top + offsets.Bottom;
  }
  return size;
}

TSize TcxCustomTextEditViewData::CalcEditContentSize(TcxCanvas* ACanvas, const Variant& AEditValue,
                                                     const TcxEditSizeProperties& ASize) {
  if (!ACanvas) return TSize{};
  ACanvas->SetFont(Style->GetEffectiveFont());
  const String text = AEditValue.IsEmpty() || AEditValue.IsNull() ? String() : EditValueToDisplayText(AEditValue);
  const bool bounded = ASize.MaxLineCount != 1 && ASize.Width >= 0 && ASize.Width != INT_MAX;
  return CalcEditTextSize(ACanvas, text, bounded ? ASize.Width : -1, true);
}

// --- View info ------------------------------------------------------------------------------
void TcxCustomTextEditViewInfo::Shift(int DX, int DY) {
  TcxCustomEditViewInfo::Shift(DX, DY);
  TextBounds = OffsetRectBy(TextBounds, TPoint{DX, DY});
  if (!FLayoutValid) return;
  FTextArea = OffsetRectBy(FTextArea, TPoint{DX, DY});
  for (int i = 0; i < FRowCount; ++i) {
    TcxTextRow& row = GetTextRow(FRows, i);
    row.TextOriginX += DX;
    row.TextOriginY += DY;
  }
}

void TcxCustomTextEditViewInfo::BuildTextLayout(TcxCanvas* ACanvas) {
  ClearTextRows(FRows);
  FTextArea = PrepareTextRect(TextBounds, FParams, 0, 0);
  bool allFits = false;
  FRowCount = LayOut(ACanvas, DisplayText, TextFlags, FTextArea, LineLimit, FParams, FRows, allFits);
  FTextArea = PrepareTextRect(TextBounds, FParams, 0, 0);
  FEndEllipsis = !allFits;
  PositionTextRows(ACanvas->Handle(), FTextArea, FParams, FRowCount, FRows);
  ClipTextSelection(int(DisplayText.size()), HighlightStart, HighlightLength);
  FLayoutValid = true;
}

void TcxCustomTextEditViewInfo::DrawText(TcxCanvas* ACanvas) {
  if (DisplayText.empty()) return;
  if (Font) ACanvas->SetFont(Font);
  ACanvas->Font()->SetColor(SelectionBarDrawn ? clHighlightText : TextColor);
  if (!FLayoutValid) BuildTextLayout(ACanvas);
  ACanvas->Canvas()->RequiredState(TCanvasStates{csHandleValid, csFontValid});
  HDC dc = ACanvas->Handle();
  SetTextColor(dc, ColorToRGB(ACanvas->Font()->Color()));
  OutputTextRowsHighlighted(dc, FTextArea, FParams, FEndEllipsis, HighlightTextColor, HighlightColor,
                            HighlightLength, HighlightStart, FRowCount, FRows);
}

void TcxCustomTextEditViewInfo::PaintBackgroundAndBorder(TcxCanvas* ACanvas) {
  TcxCustomEditViewInfo::PaintBackgroundAndBorder(ACanvas);
  TRect r = ClientRect;
  const bool themed = NativeStyle && CanUseThemes();
  if (!IsHosted && (!themed || SelectionBarDrawn) && !Transparent && TextEditingStyle != tesNoText)
    DrawEditFrame(ACanvas, r, BackgroundColor);
  if (SelectionBarDrawn) FillRectWithCachedBrush(ACanvas, r, clHighlight);
  if (DrawsText && !InnerEditShown) {
    ACanvas->SaveDeviceState();
    ACanvas->IntersectClipRectangle(r);
    DrawText(ACanvas);
    ACanvas->RestoreDeviceState();
  }
  if (!InnerEditShown && Focused && !IsHosted && !PopupOpen) {
    HDC dc = ACanvas->Handle();
    const COLORREF oldText =
        SetTextColor(dc, ColorToRGB(SelectionBarDrawn ? TColor(clHighlightText) : TColor(clBtnText)));
    const COLORREF oldBack = SetBkColor(dc, ColorToRGB(SelectionBarDrawn ? TColor(clHighlight) : BackgroundColor));
    const RECT focus{r.Left, r.Top, r.Right, r.Bottom};
    ::DrawFocusRect(dc, &focus);
    SetTextColor(dc, oldText);
    SetBkColor(dc, oldBack);
  }
}

bool TcxCustomTextEditViewInfo::GetTruncatedTextHint(const TPoint& P, TcxCanvas* ACanvas, String& AText,
                                                     TRect& ARect, bool& AMultiLine) {
  if (DisplayText.empty() || !ACanvas) return false;
  TRect area = TextBounds;
  if (FLayoutValid) {
    area.Left = std::max(area.Left, FTextArea.Left);
    area.Top = std::max(area.Top, FTextArea.Top);
    area.Right = std::min(area.Right, FTextArea.Right);
    area.Bottom = std::min(area.Bottom, FTextArea.Bottom);
  }
  if (P.X < area.Left || P.X >= area.Right || P.Y < area.Top || P.Y >= area.Bottom) return false;
  if (Font) ACanvas->SetFont(Font);
  const unsigned flags = TextFlags & ~unsigned(cxtoSingleLine | cxtoVertAlignmentMask);
  TcxTextParams params;
  TcxTextRows rows;
  bool allFits = false;
  // Laid out unbounded: the widest row and the rows' height tell what the text needs.
  const int width = (flags & cxtoWordBreak) ? area.Right - area.Left : 30000;
  const int count = LayOut(ACanvas, DisplayText, flags, TRect{0, 0, std::max(width, 1), 30000}, 0, params, rows,
                           allFits);
  const int needWidth = GetWidestRowWidth(rows, count);
  const int needHeight = count * params.RowPitch;
  if (needWidth <= area.Right - area.Left && needHeight <= area.Bottom - area.Top) return false;
  AText = DisplayText;
  ARect = OffsetRectBy(TextBounds, TPoint{Bounds.Left, Bounds.Top});
  AMultiLine = !(TextFlags & cxtoSingleLine) && (TextFlags & cxtoWordBreak);
  return true;
}

bool TcxCustomTextEditViewInfo::GetHintInfo(TcxCanvas* ACanvas, const TPoint& P, String& AText, bool& AMultiLine,
                                            TRect& ARect) {
  if (GetTruncatedTextHint(P, ACanvas, AText, ARect, AMultiLine)) return true;
  return inherited::GetHintInfo(ACanvas, P, AText, AMultiLine, ARect);
}
