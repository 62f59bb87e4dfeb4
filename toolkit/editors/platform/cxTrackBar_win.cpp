#include "cxTrackBar_win.h"

#include "cxEditPaintUtils_win.h"
#include "cxExtEditUtils_win.h"
#include "cxGeometry.h"
#include "cxGraphics_win.h"

// --- Properties -------------------------------------------------------------------------------

TClass TcxTrackBarProperties::GetContainerClass() { return TcxTrackBar::StaticClass(); }
TClass TcxTrackBarProperties::GetViewInfoClass() { return TcxTrackBarViewInfo::StaticClass(); }

namespace {

TcxTrackBarTicksAlign TicksAlign(TcxTrackBarTickMarks AMarks) {
  return AMarks == cxtmBoth ? tbtaBoth : AMarks == cxtmTopLeft ? tbtaUp : tbtaDown;
}

class TcxTrackBarViewData : public TcxCustomEditViewData {
  VAMIRE_CLASS(TcxTrackBarViewData, TcxCustomEditViewData)
 public:
  using TcxCustomEditViewData::TcxCustomEditViewData;
  static TObject* CreateFresh() { return nullptr; }
  void CalcKindSpecificParts(TcxCanvas* ACanvas, TcxCustomEditViewInfo* AViewInfo) override {
    auto* bar = dynamic_cast<TcxCustomTrackBar*>(AViewInfo->Edit);
    auto* vi = dynamic_cast<TcxTrackBarViewInfo*>(AViewInfo);
    if (!bar || !vi) return;
    auto* properties = static_cast<TcxTrackBarProperties*>(Properties);
    vi->Values = properties->Values();
    vi->Position = bar->Position();
    vi->ThumbState = vi->Enabled ? bar->ThumbState() : tbtsDisabled;
    vi->OnDrawThumb = properties->OnDrawThumb;
    vi->Layout = bar->CalcLayout(ACanvas);
  }
};

}  // namespace

TClass TcxTrackBarProperties::GetViewDataClass() { return TcxTrackBarViewData::StaticClass(); }

TcxCustomEditViewData* TcxTrackBarProperties::CreateViewData(TcxContainerStyle* AStyle, bool AIsHosted, bool) {
  return new TcxTrackBarViewData(this, AStyle, AIsHosted);
}

String TcxTrackBarProperties::GetDisplayText(const Variant& AValue, bool) {
  return std::to_wstring(ValueToPosition(AValue));
}

void TcxTrackBarProperties::Assign(TPersistent* Source) {
  if (auto* source = dynamic_cast<TcxTrackBarProperties*>(Source)) {
    Update([&](TValues& V) { V = source->FValues; });
    OnDrawThumb = source->OnDrawThumb;
    OnGetThumbRect = source->OnGetThumbRect;
  }
  TcxCustomEditProperties::Assign(Source);
}

int TcxTrackBarProperties::ValueToPosition(const Variant& AValue) const {
  const int min = FValues.Min, max = FValues.Max;
  if (VarIsOrdinal(AValue)) return ClampTrackBarPosition(AValue.AsInt64(), min, max);
  if (VarIsStr(AValue)) return TrackBarTextToPosition(AValue.AsString(), min, max);
  return ClampTrackBarPosition(min, min, max);
}

// --- View info --------------------------------------------------------------------------------

TColor TcxTrackBarViewInfo::ThumbColor(TcxCustomLookAndFeelPainterClass APainter) const {
  if (ThumbState == tbtsDisabled) return clBtnShadow;
  if (ThumbState == tbtsNormal) return Values.ThumbColor;
  const TcxLookAndFeelStyle style = APainter->GetPainterStyle();
  if (style == lfsUltraFlat || style == lfsOffice11)
    return GetEditButtonHighlightColor(ThumbState == tbtsPressed, style == lfsOffice11);
  return Values.ThumbHighlightColor;
}

void TcxTrackBarViewInfo::Render(TcxCanvas* ACanvas) {
  TcxCustomEditViewInfo::Render(ACanvas);
  const TcxCustomLookAndFeelPainterClass painter = LookPainter();
  const bool horizontal = Values.Orientation == tboHorizontal;
  ACanvas->SaveDeviceState();
  ACanvas->IntersectClipRectangle(Layout.Bar);
  if (Values.ShowTrack) {
    painter->DrawTrackBarTrack(ACanvas, Layout.Track, Layout.Selection, Layout.SelectionShown, Enabled, horizontal,
                               Values.TrackColor);
    if (Layout.SelectionShown && !NativeStyle) ACanvas->FillRect(Layout.Selection, Values.SelectionColor);
  }
  if (Values.ShowTicks) DrawTicks(ACanvas, painter);
  static constexpr TcxButtonState kStates[] = {cxbsNormal, cxbsHot, cxbsPressed, cxbsDisabled};
  if (Values.ThumbType == cxttRegular)
    painter->DrawTrackBarThumb(ACanvas, Layout.Thumb, kStates[ThumbState], horizontal, TicksAlign(Values.TickMarks),
                               ThumbColor(painter));
  else if (Values.ThumbType == cxttCustom && OnDrawThumb)
    OnDrawThumb(Edit, ACanvas, Layout.Thumb);
  ACanvas->RestoreDeviceState();
}

void TcxTrackBarViewInfo::DrawTicks(TcxCanvas* ACanvas, TcxCustomLookAndFeelPainterClass APainter) {
  const bool horizontal = Values.Orientation == tboHorizontal;
  TColor lineColor = Enabled ? Values.TickColor : clBtnShadow;
  if (NativeStyle) {
    const TColor native = APainter->GetTrackBarTickColor(false);
    if (native != clDefault) lineColor = native;
  }
  const TRect& thumb = Layout.Thumb;
  const int nearStart = horizontal ? thumb.Top : thumb.Left, farEnd = horizontal ? thumb.Bottom : thumb.Right;
  auto line = [&](int APos, int AFrom, int ALength) {
    const TRect r = horizontal ? TRect{APos, AFrom, APos + 1, AFrom + ALength} : TRect{AFrom, APos, AFrom + ALength, APos + 1};
    ACanvas->FillRect(r, lineColor);
  };
  for (const TcxTrackBarTick& tick : CalcTrackBarTicks(Layout, Values.Min, Values.Max, Values.Frequency)) {
    const bool asLine = Values.TickType == tbttTicks ||
                        (Values.TickType == tbttValueNumber && !tick.IsEnd && tick.Value != Position);
    if (asLine) {
      const int length = TrackBarTickLength(Values.TickSize, tick.IsEnd);
      if (Values.TickMarks != cxtmBottomRight) line(tick.Pos, nearStart - 1 - length, length);
      if (Values.TickMarks != cxtmTopLeft) line(tick.Pos, farEnd + 2, length);
      continue;
    }
    const String text = std::to_wstring(tick.Value);
    DrawNumber(ACanvas, text, tick.Pos, nearStart, farEnd);
  }
}

void TcxTrackBarViewInfo::DrawNumber(TcxCanvas* ACanvas, const String& AText, int APos, int ANearStart,
                                     int AFarEnd) {
  const bool horizontal = Values.Orientation == tboHorizontal;
  const bool turned = Values.TextOrientation == tbtoVertical;
  TCanvas* canvas = ACanvas->Canvas();
  // A turned number reads upwards; only a TrueType font turns.
  const bool rotated = turned && Font && SetRotatedFont(canvas, Font, 90);
  if (!rotated && Font) ACanvas->SetFont(Font);
  // The raw calls below see the font only once the canvas has selected it.
  canvas->RequiredState(TCanvasStates{csHandleValid, csFontValid});
  SIZE size{};
  GetTextExtentPoint32W(canvas->Handle(), AText.c_str(), int(AText.size()), &size);
  // Along the bar and across it, as the number stands on screen.
  const int along = (horizontal == rotated) ? size.cy : size.cx;
  const int across = (horizontal == rotated) ? size.cx : size.cy;
  // Centred on the tick, but kept whole inside the bar at its ends.
  const int barStart = horizontal ? Layout.Bar.Left : Layout.Bar.Top;
  const int barEnd = horizontal ? Layout.Bar.Right : Layout.Bar.Bottom;
  const int start = std::max(barStart, std::min(APos - along / 2, barEnd - along));
  // Turned against the bar, the number keeps one more pixel from the thumb on the top or right side.
  const bool differs = horizontal == rotated;
  auto draw = [&](int AAcrossStart) {
    const int x = horizontal ? start : AAcrossStart, y = horizontal ? AAcrossStart : start;
    const int w = horizontal ? along : across, h = horizontal ? across : along;
    const HDC dc = canvas->Handle();
    const int mode = SetBkMode(dc, TRANSPARENT);
    const COLORREF old = SetTextColor(dc, COLORREF(ColorToRGB(TextColor)));
    const UINT align = SetTextAlign(dc, TA_LEFT | TA_TOP);
    // A font turned by 90 degrees starts at the bottom left of its box.
    if (rotated)
      TextOutW(dc, x, y + h, AText.c_str(), int(AText.size()));
    else
      TextOutW(dc, x + (w - size.cx) / 2, y + (h - size.cy) / 2, AText.c_str(), int(AText.size()));
    SetTextAlign(dc, align);
    SetTextColor(dc, old);
    SetBkMode(dc, mode);
  };
  if (Values.TickMarks != cxtmBottomRight) draw(ANearStart - 1 - (differs && horizontal ? 1 : 0) - across);
  if (Values.TickMarks != cxtmTopLeft) draw(AFarEnd + 1 + (differs && !horizontal ? 1 : 0));
  if (rotated && Font) ACanvas->SetFont(Font);
}

// --- Control ----------------------------------------------------------------------------------

TcxCustomTrackBar::TcxCustomTrackBar(TComponent* AOwner)
    : TcxCustomTrackBar(AOwner, false, TcxTrackBarProperties::StaticClass()) {}

TcxCustomTrackBar::TcxCustomTrackBar(TComponent* AOwner, bool AIsHosted, TClass APropertiesClass)
    : TcxCustomEdit(AOwner, AIsHosted, APropertiesClass) {
  SetBounds(Left(), Top(), 196, 76);
  FEditValue = Variant(0);
  SetParentColor(true);
}

TcxTrackBarProperties* TcxCustomTrackBar::TrackProperties() const {
  return static_cast<TcxTrackBarProperties*>(Properties());
}

TcxTrackBarProperties* TcxCustomTrackBar::ActiveTrackProperties() {
  return static_cast<TcxTrackBarProperties*>(ActiveProperties());
}

int TcxCustomTrackBar::Position() { return ActiveTrackProperties()->ValueToPosition(EditValue()); }

void TcxCustomTrackBar::SetPosition(int Value) {
  const auto& v = ActiveTrackProperties()->Values();
  if (!IsLoading()) Value = ClampTrackBarPosition(Value, v.Min, v.Max);
  if (Value == Position() && VarIsOrdinal(EditValue())) return;
  SetEditValue(Variant(Value));
  UpdateDisplayFromValue();
}

// The thumb and the value ticks follow the new value at the next paint.
void TcxCustomTrackBar::UpdateDisplayFromValue() {
  if (HandleAllocated() && !IsLoading()) RefreshViewStateAtCursor(this, false);
  Invalidate();
}

String TcxCustomTrackBar::GetDisplayText() { return std::to_wstring(Position()); }

TcxTrackBarLayout TcxCustomTrackBar::CalcLayout(TcxCanvas* ACanvas) {
  TcxTrackBarProperties* properties = ActiveTrackProperties();
  const auto& v = properties->Values();
  TcxCustomLookAndFeelPainterClass painter = EditStyle()->LookAndFeel()->Painter();
  if (!painter) painter = GetPainterOfKind(lfStandard);
  const bool horizontal = v.Orientation == tboHorizontal;
  const bool native = painter->GetPainterStyle() == lfsNative;
  TcxTrackBarLayoutParams p;
  p.Bounds = ClientRect();
  p.Horizontal = horizontal;
  p.BorderWidth = v.BorderWidth;
  p.Min = v.Min;
  p.Max = v.Max;
  p.Position = Position();
  p.TickMarks = v.TickMarks;
  p.TickType = v.TickType;
  p.TickSize = v.TickSize;
  if (v.TickType != tbttTicks) {
    TFont* font = EditStyle()->GetEffectiveFont();
    const String low = std::to_wstring(v.Min), high = std::to_wstring(v.Max);
    const bool across = horizontal != (v.TextOrientation == tbtoHorizontal);
    p.NumberExtent = across ? FontTextWidth(font, low.size() > high.size() ? low : high) : FontTextHeight(font, low);
  }
  p.AutoSize = v.AutoSize;
  p.TrackSize = v.TrackSize;
  p.PainterTrackSize = native ? painter->GetTrackBarTrackSize(horizontal) : 0;
  p.ThumbWidth = v.ThumbWidth;
  p.ThumbHeight = v.ThumbHeight;
  p.SelectionStart = v.SelectionStart;
  p.SelectionEnd = v.SelectionEnd;
  p.NativeSelection = native;
  if (v.ThumbType == cxttCustom && properties->OnGetThumbRect) {
    TRect r{0, 0, v.ThumbWidth, v.ThumbHeight};
    properties->OnGetThumbRect(this, r);
    const TSize size{r.Right - r.Left, r.Bottom - r.Top};
    p.CustomThumb = true;
    p.ThumbSize = horizontal ? size : TSize{size.cy, size.cx};
  } else if (native && ACanvas) {
    TRect r{0, 0, 100, 100};
    painter->CorrectTrackBarThumbRect(ACanvas, r, horizontal, TicksAlign(v.TickMarks));
    const TSize size{r.Right - r.Left, r.Bottom - r.Top};
    p.NativeThumb = true;
    p.ThumbSize = horizontal ? size : TSize{size.cy, size.cx};
  }
  return CalcTrackBarLayout(p);
}

int TcxCustomTrackBar::Along(int X, int Y) {
  return ActiveTrackProperties()->Values().Orientation == tboHorizontal ? X : Y;
}

bool TcxCustomTrackBar::PointOnThumb(int X, int Y) {
  const TcxTrackBarLayout layout = CalcLayout(Canvas());
  return PointInRect(layout.Thumb, TPoint{X, Y});
}

void TcxCustomTrackBar::SetThumbState(TcxTrackBarThumbState Value) {
  if (FThumbState == Value) return;
  FThumbState = Value;
  // The view info holds the state the thumb is drawn in: an invalidation alone
  // would repaint the old one.
  if (HandleAllocated()) RefreshViewStateAtCursor(this, false);
  Invalidate();
}

void TcxCustomTrackBar::SetPositionAndNotify(int Value, TShiftState Shift) {
  const auto& v = ActiveTrackProperties()->Values();
  Value = ClampTrackBarPosition(Value, v.Min, v.Max);
  if (Value == Position() || !DoEditing()) return;
  if (FAnchorActive && Shift.Contains(ssShift))
    TrackProperties()->Update([&](TcxTrackBarProperties::TValues& V) {
      V.SelectionStart = std::min(FAnchorPosition, Value);
      V.SelectionEnd = std::max(FAnchorPosition, Value);
    });
  FEditValue = Variant(Value);
  TrackProperties()->Changed();
  SetEditModified(true);
  DoChange();
  PostEditValue();
  UpdateDisplayFromValue();
}

void TcxCustomTrackBar::KeyDown(uint16_t& Key, TShiftState Shift) {
  TcxCustomEdit::KeyDown(Key, Shift);
  if (Key == VK_SHIFT) {
    if (!IsHosted() && !FAnchorActive) {
      FAnchorActive = true;
      FAnchorPosition = Position();
    }
    return;
  }
  const auto& v = ActiveTrackProperties()->Values();
  bool handled = false;
  const int next = TrackBarKeyPosition(Key, Position(), v.Min, v.Max, v.PageSize, handled);
  if (handled) SetPositionAndNotify(next, Shift);
}

void TcxCustomTrackBar::KeyUp(uint16_t& Key, TShiftState Shift) {
  if (Key == VK_SHIFT && !IsHosted()) FAnchorActive = false;
  TcxCustomEdit::KeyUp(Key, Shift);
}

void TcxCustomTrackBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TcxCustomEdit::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft || !PointInRect(ClientRect(), TPoint{X, Y})) return;
  if (PointOnThumb(X, Y)) {
    if (Shift.Contains(ssCtrl)) {
      FAnchorActive = false;
      TrackProperties()->Update([](TcxTrackBarProperties::TValues& V) { V.SelectionStart = V.SelectionEnd = 0; });
    }
    SetMouseCapture(true);
    SetThumbState(tbtsPressed);
    return;
  }
  const auto& v = ActiveTrackProperties()->Values();
  SetPositionAndNotify(TrackBarPressPosition(CalcLayout(Canvas()), Along(X, Y), Position(), v.Min, v.Max, v.ThumbStep),
                       Shift);
}

void TcxCustomTrackBar::MouseMove(TShiftState Shift, int X, int Y) {
  TcxCustomEdit::MouseMove(Shift, X, Y);
  if (FThumbState == tbtsPressed && Shift.Contains(ssLeft)) {
    const auto& v = ActiveTrackProperties()->Values();
    const TcxTrackBarLayout layout = CalcLayout(Canvas());
    const bool horizontal = v.Orientation == tboHorizontal;
    const int centre = horizontal ? (layout.Thumb.Left + layout.Thumb.Right) / 2
                                  : (layout.Thumb.Top + layout.Thumb.Bottom) / 2;
    SetPositionAndNotify(
        TrackBarDragPosition(Position(), v.Min, v.Max, horizontal ? Width() : Height(), Along(X, Y), centre), Shift);
    return;
  }
  if (FThumbState != tbtsPressed) SetThumbState(PointOnThumb(X, Y) ? tbtsHot : tbtsNormal);
}

void TcxCustomTrackBar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TcxCustomEdit::MouseUp(Button, Shift, X, Y);
  SetMouseCapture(false);
  FThumbState = tbtsNormal;
  SetThumbState(PointOnThumb(X, Y) ? tbtsHot : tbtsNormal);
  Invalidate();
}

void TcxCustomTrackBar::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_GETDLGCODE:
      Message.Result = DLGC_WANTARROWS | (IsHosted() ? DLGC_WANTTAB : 0);
      return;
    case CM_MOUSELEAVE:
      TcxCustomEdit::Dispatch(Message);
      if (FThumbState == tbtsHot) SetThumbState(tbtsNormal);
      return;
    case CM_MOUSEENTER:
      TcxCustomEdit::Dispatch(Message);
      if (FThumbState == tbtsPressed && GetKeyState(VK_LBUTTON) >= 0) SetThumbState(tbtsNormal);
      return;
    default: TcxCustomEdit::Dispatch(Message);
  }
}
