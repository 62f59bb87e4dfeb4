// The container control: the refresh cycle (event, view info, invalidation),
// the view info's calculation, focus kept on the inner control, keys sent on
// to it, colour and font written into the normal style, the inner control's
// bounds and region, and the scroll bars laid over its native ones.
#include "Messages.h"
#include "cxContainer_internal.h"
#include "cxControls_internal.h"
#include "cxContainer_win.h"
#include "cxGeometry.h"
#include "cxMessages.h"
#include "dxCore.h"
#include "dxOffice11_win.h"
#include "dxUxTheme.h"

#include <algorithm>

namespace {

bool SameFont(TFont* A, TFont* B) {
  return A->Name() == B->Name() && A->Height() == B->Height() && A->Style() == B->Style() &&
         A->Color() == B->Color() && A->Charset() == B->Charset();
}

bool HasHandle(TWinControl* AControl) { return AControl && AControl->HandleAllocated(); }

}  // namespace

// --- Life ---------------------------------------------------------------------------------------------
TcxContainer::TcxContainer(TComponent* AOwner) : TcxContainer(AOwner, nullptr, nullptr) {}

TcxContainer::TcxContainer(TComponent* AOwner, TClass AStyleClass, TClass AViewInfoClass) : TcxControl(AOwner) {
  FIsCreating = true;
  FStyles = TcxContainerStyles::CreateStyles(GetStylesClass(), this, AStyleClass ? AStyleClass : GetStyleClass());
  FStyles->SetOnChanged(TNotifyEvent(this, &TcxContainer::StyleChanged));
  FViewInfo = TcxContainerViewInfo::CreateViewInfo(AViewInfoClass ? AViewInfoClass : GetViewInfoClass());
  FCachedState = ContainerStateNormal;
  FCachedStateStyle = Style();
  LookAndFeel()->SetMaster(Style()->LookAndFeel());
  TControlStyle style = ControlStyle();
  style.Include(csCaptureMouse);
  style.Include(csSetCaption);
  SetControlStyle(style);
  SetTabStop(true);
  SetParentColor(PrefersParentColor() && !IsHosted() && !Style()->IsValueAssigned(svColor));
  if (!ParentColor()) {
    FIsInternalChange = true;
    SetColor(clWindow);
    FIsInternalChange = false;
  }
  ResetInnerControlRegion();
  FIsCreating = false;
}

void TcxContainer::BeforeDestruction() {
  StopMouseTracking(this);
  inherited::BeforeDestruction();
}

TcxContainer::~TcxContainer() {
  StopMouseTracking(this);
  if (FInnerControl) FInnerControl->RemoveFreeNotification(this);
  FInnerControl = nullptr;
  delete FViewInfo;
  FViewInfo = nullptr;
  FStyles->SetOnChanged(TNotifyEvent());
  LookAndFeel()->SetMaster(nullptr);
  delete FStyles;
  FStyles = nullptr;
}

bool TcxContainer::GetInterface(const TGUID& iid, void** obj) {
  return InterfaceTable<IcxMouseTrackingCaller>(this, iid, obj) || inherited::GetInterface(iid, obj);
}

void TcxContainer::SetInnerControl(TWinControl* Value) {
  if (FInnerControl == Value) return;
  if (FInnerControl) FInnerControl->RemoveFreeNotification(this);
  FInnerControl = Value;
  if (FInnerControl) FInnerControl->FreeNotification(this);
}

void TcxContainer::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FInnerControl) FInnerControl = nullptr;
}

// --- Refresh --------------------------------------------------------------------------------------------
bool TcxContainer::CanRefresh() {
  return FRefreshLockCount == 0 && !FIsCreating && !IsDestroying() &&
         !ControlState().Contains(csDestroyingHandle) && HandleAllocated();
}

void TcxContainer::InternalRefresh(const TPoint& P, int AButtonCode, TShiftState AShift, bool ANotify) {
  FRefreshRequested = true;
  bool refreshed = false;
  if (CanRefresh()) {
    {
      const TCountScope lock(FRefreshLockCount);
      FRefreshRequested = false;
      RefreshViewState(P, AButtonCode, AShift, ANotify);
    }
    refreshed = true;
  }
  if (ANotify && refreshed && !FStateRefreshing) {
    const TValueScope busy(FStateRefreshing, true);
    StateRefreshed();
  }
  FIsViewInfoCalculated = refreshed && !FRefreshRequested;
}

void RefreshViewStateAtCursor(TcxContainer* AContainer, bool ANotify) {
  if (!AContainer) return;
  TPoint p{-1, -1};
  if (AContainer->HandleAllocated()) {
    POINT cursor{};
    if (GetCursorPos(&cursor)) {
      const HWND under = WindowFromPoint(cursor);
      const HWND own = AContainer->Handle();
      if (under && (under == own || IsChild(own, under))) {
        ScreenToClient(own, &cursor);
        p = TPoint{cursor.x, cursor.y};
      }
    }
  }
  AContainer->InternalRefresh(p, 0, KeyboardStateToShiftState(), ANotify);
}

void TcxContainer::RefreshIfNeeded() {
  if (!FIsViewInfoCalculated) RefreshViewStateAtCursor(this, false);
}

void TcxContainer::RefreshMouseState() { RefreshViewStateAtCursor(this, true); }

bool TcxContainer::RefreshViewState(const TPoint& P, int /*AButtonCode*/, TShiftState AShift, bool /*ANotify*/) {
  const bool noButtons = !AShift.Contains(ssShift) && !AShift.Contains(ssAlt) && !AShift.Contains(ssCtrl) &&
                         !AShift.Contains(ssLeft) && !AShift.Contains(ssRight) && !AShift.Contains(ssMiddle) &&
                         !AShift.Contains(ssDouble);
  CalculateViewInfo(P, noButtons && GetCurrentStateStyle()->HotTrack());
  AdjustInnerControlBounds();
  UpdateInnerControlAppearance();
  UpdateWindowRegion();
  const TRect bounds = GetControlSizeRect(this);
  if (FInnerControl)
    InvalidateRectExcept(Handle(), bounds, FViewInfo->BorderRect, false);
  else
    InvalidateRect(bounds, false);
  if (FViewInfo->ContainerState & ContainerStateHot) StartMouseTracking(this, bounds, this);
  return true;
}

void TcxContainer::LockAlignControls(bool ALock) {
  if (ALock)
    ++FLockAlignControlsCount;
  else if (FLockAlignControlsCount > 0)
    --FLockAlignControlsCount;
}

// --- View info --------------------------------------------------------------------------------------------
TcxContainerStyle* TcxContainer::GetStyleForState(TcxContainerState AState) {
  if (AState & ContainerStateDisabled) return StyleDisabled();
  if (AState & ContainerStateFocused) return StyleFocused();
  if ((AState & ContainerStateHot) && Style()->HotTrack()) return StyleHot();
  return Style();
}

TcxContainerStyle* TcxContainer::GetCurrentStateStyle() {
  if (!FCachedStateStyle || FCachedState != FViewInfo->ContainerState) {
    FCachedState = FViewInfo->ContainerState;
    FCachedStateStyle = GetStyleForState(FCachedState);
  }
  return FCachedStateStyle;
}

void TcxContainer::CalculateViewInfo(const TPoint& P, bool AHotAllowed) {
  TcxContainerViewInfo* vi = FViewInfo;
  vi->NativeStyle = UsesNativeTheme();
  vi->UpdateStyle(Style());
  const int previousWidth = GetContainerBorderWidth(vi->BorderStyle, vi->Painter);
  auto calcState = [&]() {
    if (!Enabled()) {
      vi->ContainerState = ContainerStateDisabled;
    } else if (IsDesigning()) {
      vi->ContainerState = ContainerStateNormal;
    } else if (IsFocusedState()) {
      vi->ContainerState = ContainerStateFocused;
    } else {
      vi->ContainerState = ContainerStateNormal;
      TRect zone;
      GetHotZoneRect(zone);
      if (AHotAllowed && PointInRect(zone, P)) vi->ContainerState |= ContainerStateHot;
    }
    TcxContainerStyle* style = GetCurrentStateStyle();
    if (!style->HotTrack())
      vi->HotState = HotStateNone;
    else if (vi->ContainerState & (ContainerStateFocused | ContainerStateHot))
      vi->HotState = HotStateHot;
    else
      vi->HotState = HotStateNormal;
    if (vi->NativeStyle) {
      vi->BorderStyle = Style()->BorderStyle();
    } else {
      vi->BorderStyle = style->BorderStyle();
      // Their look comes from the border colour.
      if (vi->BorderStyle == cbsUltraFlat || vi->BorderStyle == cbsOffice11) vi->BorderStyle = cbsSingle;
    }
    vi->BorderWidth = GetContainerBorderWidth(vi->BorderStyle, vi->Painter);
  };
  calcState();
  // The hot zone depends on the border: a thinner one is measured again.
  if (!vi->NativeStyle && vi->BorderWidth < previousWidth) calcState();
  if (vi->NativeStyle) {
    vi->ThemedObjectType = GetThemedObjectKind();
    vi->NativePart = GetNativePart();
    vi->NativeState = GetNativeState();
  }
  vi->Bounds = GetControlSizeRect(this);
  TRect thickness;
  GetBorderThickness(thickness);
  vi->BorderRect = ShrinkRectByMargins(vi->Bounds, thickness);
  vi->ClientRect = vi->BorderRect;
  vi->Edges = GetCurrentStateStyle()->Edges();
  vi->Shadow = HasShadow();
  vi->BorderColor = GetBorderColor();
  vi->AssignBackgroundColor(GetBackgroundColor());
  FRepaintThroughBuffer = CanUseBufferedPaint();
}

void TcxContainer::GetBorderThickness(TRect& AMargins) {
  TcxContainerStyle* style = GetCurrentStateStyle();
  TcxContainerBorderParams p;
  p.TransparentBorder = style->TransparentBorder();
  p.BorderShown = Style()->BorderShown();
  p.Native = FViewInfo->NativeStyle;
  p.NormalBorderStyle = Style()->BorderStyle();
  p.BorderStyle = FViewInfo->BorderStyle;
  p.Edges = style->Edges();
  p.Shadow = HasShadow();
  AMargins = CalcContainerBorderThickness(p);
  // A skin frames every border but none and thick one pixel wide.
  if (FViewInfo->UsesSkinPainter && !p.TransparentBorder && p.BorderShown && !p.Native) {
    const int w = FViewInfo->BorderWidth;
    AMargins.Left = p.Edges.Contains(bLeft) ? w : 0;
    AMargins.Top = p.Edges.Contains(bTop) ? w : 0;
    AMargins.Right = (p.Edges.Contains(bRight) ? w : 0) + (p.Shadow ? cxContainerShadowWidth : 0);
    AMargins.Bottom = (p.Edges.Contains(bBottom) ? w : 0) + (p.Shadow ? cxContainerShadowWidth : 0);
  }
}

void TcxContainer::GetHotZoneRect(TRect& R) {
  TcxContainerHotZoneParams p;
  p.Width = Width();
  p.Height = Height();
  p.Hosted = IsHosted();
  p.Shadow = FViewInfo->Shadow;
  p.BorderShown = Style()->BorderShown();
  p.Native = FViewInfo->NativeStyle;
  p.TransparentBorder = GetCurrentStateStyle()->TransparentBorder();
  p.BorderStyle = FViewInfo->BorderStyle;
  p.BorderWidth = GetContainerBorderWidth(FViewInfo->BorderStyle, FViewInfo->Painter);
  p.Edges = GetCurrentStateStyle()->Edges();
  R = CalcContainerHotZone(p);
}

bool TcxContainer::HasShadow() { return GetCurrentStateStyle()->Shadow() && !FViewInfo->NativeStyle; }

bool TcxContainer::UsesNativeTheme() {
  return Style()->LookAndFeel()->NativeStyle() && IsThemeKindUsable(true, GetThemedObjectKind());
}

int TcxContainer::GetNativePart() { return OSFlagVistaOrLater ? 3 : 1; }

int TcxContainer::GetNativeState() {
  const TcxContainerState state = FViewInfo->ContainerState;
  if (state & ContainerStateDisabled) return 4;
  if (IsReadOnly()) return 6;
  if (state & ContainerStateFocused) return 5;
  if (state & ContainerStateHot) return 2;
  return 1;
}

int TcxContainer::GetPainterState() {
  if (!Enabled()) return 1;
  return Focused() ? 0 : 2;
}

TColor TcxContainer::GetBorderColor() {
  const TcxContainerState state = FViewInfo->ContainerState;
  TcxContainerStyle* style = GetCurrentStateStyle();
  const bool highlighted = (state & ContainerStateFocused) || ((state & ContainerStateHot) && style->HotTrack()) ||
                           (IsDesigning() && Enabled());
  if (FViewInfo->UsesSkinPainter) return FViewInfo->Painter->GetEditBorderColor(highlighted);
  const TcxContainerBorderStyle border = style->BorderStyle();
  if (border == cbsUltraFlat || border == cbsOffice11) {
    if (!highlighted) return clBtnShadow;
    return border == cbsOffice11 ? Office11SelectionBorderColor() : clHighlight;
  }
  return style->BorderColor();
}

void TcxContainer::GetSkinColors(TColor& ABackground, TColor& AText) {
  ABackground = clDefault;
  AText = clDefault;
  if (!FViewInfo->UsesSkinPainter) return;
  TcxContainerStyle* style = GetCurrentStateStyle();
  const auto state = TcxEditStateColorKind(GetPainterState());
  if (!Style()->IsValueAssigned(svTextColor) && !style->IsValueAssigned(svTextColor))
    AText = FViewInfo->Painter->GetEditorTextColorForState(state);
  if (!ParentColor() && !Style()->IsValueAssigned(svColor) && !style->IsValueAssigned(svColor))
    ABackground = FViewInfo->Painter->GetEditorBackgroundColorForState(state);
}

TColor TcxContainer::GetBackgroundColor() {
  TColor background, text;
  GetSkinColors(background, text);
  if (background != clDefault) return background;
  TcxContainerStyle* style = GetCurrentStateStyle();
  TColor result = style->Color();
  if (FViewInfo->NativeStyle && (FViewInfo->ContainerState & ContainerStateDisabled) &&
      !style->IsValueAssigned(svColor)) {
    if (HTHEME theme = AcquireThemeHandle(FViewInfo->ThemedObjectType)) {
      COLORREF color = 0;
      if (SUCCEEDED(GetThemeColor(theme, FViewInfo->NativePart, FViewInfo->NativeState, 3802, &color)))
        result = TColor(color);
    }
  }
  return result;
}

TFont* TcxContainer::GetPaintFont() {
  TFont* font = GetCurrentStateStyle()->GetEffectiveFont();
  TColor background, text;
  GetSkinColors(background, text);
  if (text != clDefault) font->SetColor(text);
  return font;
}

TRect TcxContainer::GetClientBounds() { return FViewInfo->ClientRect; }

void TcxContainer::GetBorderBounds(TRect& R) {
  TRect thickness;
  GetBorderThickness(thickness);
  R = CalcContainerBorderBounds(FViewInfo->Bounds, thickness, FViewInfo->BorderWidth, FViewInfo->Edges);
}

// --- Inner control --------------------------------------------------------------------------------------------
void TcxContainer::AdjustInnerControlBounds() {
  if (!FInnerControl) return;
  const TRect r = FViewInfo->ClientRect;
  if (RectsEqual(FInnerControl->BoundsRect(), r)) return;
  const TCountScope lock(FRefreshLockCount);
  FInnerControl->SetBounds(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
}

void TcxContainer::UpdateInnerControlAppearance() {
  if (!FInnerControl) return;
  if (FInnerControl->Color() != FViewInfo->BackgroundColor) FInnerControl->SetColor(FViewInfo->BackgroundColor);
  TFont* font = GetPaintFont();
  if (!SameFont(FInnerControl->Font(), font)) FInnerControl->Font()->Assign(font);
}

void TcxContainer::GetInnerControlVisibleRect(const TRect& ABounds, TControl* AControl,
                                              TcxContainerInnerControlBounds& ARecord) {
  const TRect r = AControl->BoundsRect();
  TRect visible;
  IntersectRects(visible, r, ABounds);
  ARecord.IsEmpty = RectsEqual(visible, r);
  ARecord.Rect = ARecord.IsEmpty ? TRect{} : OffsetRectBy(visible, -r.Left, -r.Top);
}

void TcxContainer::AlignControls(TControl* AControl, TRect& Rect) {
  if (IsChildControlHost()) {
    inherited::AlignControls(AControl, Rect);
    return;
  }
  if (FLockAlignControlsCount > 0 || (AControl && IsInternalControl(AControl))) return;
  if (!AControl) {
    inherited::AlignControls(AControl, Rect);
    return;
  }
  if (AControl != FInnerControl || !HasHandle(FInnerControl) || FIsCreating) return;
  TcxContainerInnerControlBounds record;
  GetInnerControlVisibleRect(Rect, FInnerControl, record);
  const bool differs = record.IsEmpty != FInnerControlBounds.IsEmpty ||
                       (!record.IsEmpty && !RectsEqual(record.Rect, FInnerControlBounds.Rect));
  if (!differs) return;
  if (record.IsEmpty) {
    SetWindowRgn(FInnerControl->Handle(), nullptr, TRUE);
  } else {
    const TRect& r = record.Rect;
    SetWindowRgn(FInnerControl->Handle(), CreateRectRgn(r.Left, r.Top, r.Right, r.Bottom), TRUE);
  }
  FInnerControlBounds = record;
}

bool TcxContainer::ProcessInnerKeyMessage(TMessage& Message) {
  if (Message.Msg != CN_KEYDOWN && Message.Msg != CN_SYSKEYDOWN) return false;
  TMessage copy = Message;
  if (!DoKeyDown(copy)) return false;
  Message.Result = 1;
  return true;
}

bool TcxContainer::HandleInnerControlMessage(TMessage& /*Message*/) { return false; }

bool ContainerHandlesInnerMessage(TWinControl* AInnerControl, TMessage& Message) {
  IcxContainerInnerControl* inner = nullptr;
  if (!AInnerControl || !AInnerControl->GetInterface(IcxContainerInnerControl::IID, reinterpret_cast<void**>(&inner)) ||
      !inner)
    return false;
  TcxContainer* container = inner->GetControlContainer();
  return container && !container->IsDestroying() && container->HandleInnerControlMessage(Message);
}

void TcxContainer::SetFocusToInnerControl() {
  if (FInnerControl) FInnerControl->SetFocus();
}

void TcxContainer::ApplyDragKind(TDragKind AKind) {
  TControl::SetDragKind(AKind);
  if (FInnerControl) FInnerControl->SetDragKind(AKind);
}

void TcxContainer::SetDragMode(TDragMode Value) {
  inherited::SetDragMode(Value);
  if (FInnerControl) FInnerControl->SetDragMode(Value);
}

// --- Window region and painting ----------------------------------------------------------------------------------
bool TcxContainer::NeedsClientRegion() { return !(FViewInfo->NativeStyle && FViewInfo->BorderStyle != cbsNone); }

TcxRegion* TcxContainer::CreateWindowRegion() {
  TRect borderBounds, margins;
  GetBorderBounds(borderBounds);
  GetRegionMargins(margins);
  TcxRegion* region = CreatePopupShadowRegion(borderBounds, margins, TRect{}, HasShadow(), !NeedsClientRegion());
  if (NeedsClientRegion()) {
    if (region)
      region->CombineWith(new TcxRegion(borderBounds), roAdd);
    else
      region = new TcxRegion(borderBounds);
  }
  return region;
}

void TcxContainer::UpdateWindowRegion() {
  if (HandleAllocated()) SetPopupShadowRegion(Handle(), CreateWindowRegion());
}

void TcxContainer::PaintCopyClip(TcxCanvas* ACanvas) {
  TRect borderBounds, margins;
  GetBorderBounds(borderBounds);
  GetRegionMargins(margins);
  if (TcxRegion* region = CreatePopupShadowRegion(borderBounds, margins, TRect{}, HasShadow(), !NeedsClientRegion()))
    ACanvas->SetClipRegion(region, roIntersect);
}

void TcxContainer::ClipCanvasToWindowRegion(TcxCanvas* ACanvas) {
  if (TcxRegion* region = CreateWindowRegion()) ACanvas->SetClipRegion(region, roIntersect);
}

void TcxContainer::Paint() {
  RefreshIfNeeded();
  if (!Canvas()->RectVisible(FViewInfo->Bounds)) return;
  if (ControlState().Contains(csPaintCopy)) PaintCopyClip(Canvas());
  FViewInfo->Render(Canvas());
}

void TcxContainer::Invalidate() {
  inherited::Invalidate();
  if (FInnerControl) FInnerControl->Invalidate();
}

void TcxContainer::Update() {
  inherited::Update();
  if (FInnerControl) FInnerControl->Update();
}

// --- Focus ----------------------------------------------------------------------------------------------------------
bool TcxContainer::Focused() {
  if (IsDesigning() || ControlState().Contains(csDestroyingHandle)) return false;
  return inherited::Focused() || (FInnerControl && FInnerControl->Focused());
}

void TcxContainer::SetFocus() {
  if (IsDesigning() || IsFocusedState()) return;
  inherited::SetFocus();
  if (HandleAllocated() && GetFocus() == Handle() && HasHandle(FInnerControl)) SetFocusToInnerControl();
}

bool TcxContainer::CanFocusOnClick() {
  return inherited::CanFocusOnClick() && !(FInnerControl && FInnerControl->Focused()) && !InnerControlMouseDown;
}

bool TcxContainer::MayFocus() { return !(FInnerControl && FInnerControl->Focused()) && inherited::MayFocus(); }

void TcxContainer::FocusChanged() {
  inherited::FocusChanged();
  RefreshViewStateAtCursor(this, true);
}

void TcxContainer::WMSetFocus(TMessage& Message) {
  if (HasHandle(FInnerControl) && HWND(Message.WParam) == FInnerControl->Handle()) return;
  inherited::Dispatch(Message);
  if (IsDestroying() || !HasHandle(FInnerControl) || !HandleAllocated()) return;
  if (FInnerControl->CanFocus() && !FMovingFocus) {
    const TValueScope busy(FMovingFocus, true);
    SetFocusToInnerControl();
  }
}

void TcxContainer::WMKillFocus(TMessage& Message) {
  if (HasHandle(FInnerControl) && HWND(Message.WParam) == FInnerControl->Handle()) return;
  inherited::Dispatch(Message);
}

void TcxContainer::WMWindowPosChanging(TMessage& Message) {
  if (IsDestroying()) {
    Message.Result = 0;
    return;
  }
  inherited::Dispatch(Message);
  if (!FMovingFocus && HandleAllocated() && GetFocus() == Handle() && HasHandle(FInnerControl) &&
      FInnerControl->CanFocus()) {
    const TValueScope busy(FMovingFocus, true);
    SetFocusToInnerControl();
  }
}

void TcxContainer::KeyDown(uint16_t& Key, TShiftState Shift) {
  inherited::KeyDown(Key, Shift);
  if (Key != VK_TAB || Shift.Contains(ssCtrl) || Shift.Contains(ssAlt) || !Focused() || !TabMovesFocus()) return;
  Key = 0;
  if (TCustomForm* form = GetParentForm(this)) {
    // While the inner control is the active one it stands in the tab order in the container's place.
    TWinControl* current = FInnerControl && FInnerControl->Focused() ? FInnerControl : this;
    form->SelectNext(current, !Shift.Contains(ssShift), true);
    if (HandleAllocated() && GetFocus() == Handle() && HasHandle(FInnerControl)) SetFocusToInnerControl();
  }
}

void TcxContainer::GetTabOrderList(std::vector<TWinControl*>& List) {
  if (IsChildControlHost()) {
    inherited::GetTabOrderList(List);
    return;
  }
  if (!FInnerControl) return;
  TCustomForm* form = GetParentForm(this);
  if (!form || form->ActiveControl() != FInnerControl || form->ActiveControl() == this || !CanFocus()) return;
  for (TWinControl*& c : List)
    if (c == this) c = FInnerControl;
}

// --- Mouse ----------------------------------------------------------------------------------------------------------
void TcxContainer::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TcxObjectLinkGuard link(this);
  inherited::MouseDown(Button, Shift, X, Y);
  if (link.Alive() && IsMouseTrackingActive()) InternalRefresh(TPoint{X, Y}, MouseButtonCode(Button), Shift, true);
}

void TcxContainer::MouseMove(TShiftState Shift, int X, int Y) {
  TcxObjectLinkGuard link(this);
  inherited::MouseMove(Shift, X, Y);
  if (link.Alive()) InternalRefresh(TPoint{X, Y}, 0, Shift, true);
}

void TcxContainer::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TcxObjectLinkGuard link(this);
  inherited::MouseUp(Button, Shift, X, Y);
  if (link.Alive()) InternalRefresh(TPoint{X, Y}, MouseButtonCode(Button), Shift, true);
}

void TcxContainer::MouseEnter(TControl* AControl) {
  inherited::MouseEnter(AControl);
  RefreshViewStateAtCursor(this, true);
  if (FViewInfo->ContainerState & ContainerStateHot) StartMouseTracking(this, GetControlSizeRect(this), this);
}

void TcxContainer::MouseLeave(TControl* AControl) {
  inherited::MouseLeave(AControl);
  RefreshViewStateAtCursor(this, true);
  StopMouseTracking(this);
}

void TcxContainer::LeaveHotState() {
  MouseLeave(static_cast<TControl*>(nullptr));
  StopMouseTracking(this);
}

bool TcxContainer::AllowDesignHitTest(int /*X*/, int /*Y*/, TShiftState /*Shift*/) { return false; }

void TcxContainer::DoContextPopup(TPoint MousePos, bool& Handled) {
  if ((MousePos.X == -1 && MousePos.Y == -1) || CanShowContextPopupAt(MousePos))
    inherited::DoContextPopup(MousePos, Handled);
  else
    Handled = true;
}

// --- Colour, font and other changes --------------------------------------------------------------------------------
void TcxContainer::SetInternalColor(TColor AColor) {
  const TValueScope internal(FIsInternalChange, true);
  SetColor(AColor);
}

void TcxContainer::SetInternalFont(TFont* AFont) {
  if (!AFont || SameFont(Font(), AFont)) return;
  const TValueScope internal(FIsInternalChange, true);
  Font()->Assign(AFont);
}

void TcxContainer::StyleChanged(TObject* /*Sender*/) {
  if (FIsCreating || ComponentState().Contains(csLoading) || IsDestroying()) return;
  RefreshViewStateAtCursor(this, false);
  if (!ParentColor() || Style()->IsValueAssigned(svColor)) SetInternalColor(Style()->GetPaintColor());
  SetInternalFont(Style()->Font());
  if (Style()->AssignedValues().Contains(svFont)) SetParentFont(false);
}

void TcxContainer::FontChanged() {
  inherited::FontChanged();
  if (FIsInternalChange || !Style()->Font()) {
    RefreshViewStateAtCursor(this, false);
    AdjustInnerControlBounds();
    UpdateScrollBarsFromInner(false);
    return;
  }
  // The user's font goes into the normal style; whether Font counts as assigned stays as it was.
  TcxContainerStyle* main = Style();
  const bool wasAssigned = main->FAssignedValues.Contains(svFont);
  ++main->FFontAssignLock;
  main->FFont->Assign(Font());
  --main->FFontAssignLock;
  if (wasAssigned) main->FAssignedValues.Include(svFont);
  else main->FAssignedValues.Exclude(svFont);
}

void TcxContainer::ParentColorChanged() {
  if (!Style()->FAssignedValues.Contains(svColor) || ParentColor()) Style()->FAssignedValues.Exclude(svColor);
  if (Style()->GetPaintColor() != Color()) StyleChanged(Style());
  if (DependsOnParentBackground() && !ParentColor()) Invalidate();
}

void TcxContainer::ParentFontChanged() {
  TcxContainerStyle* main = Style();
  if (!ParentFont()) {
    main->RefreshFont();
  } else if (main->FFont) {
    // The parent's font reaches the inner control through the normal style, unassigned.
    ++main->FFontAssignLock;
    main->FFont->Assign(Font());
    --main->FFontAssignLock;
  }
  if (!main->FAssignedValues.Contains(svFont) || ParentFont()) main->FAssignedValues.Exclude(svFont);
  RefreshViewStateAtCursor(this, false);
}

void TcxContainer::CursorChanged() {
  inherited::CursorChanged();
  if (FInnerControl) FInnerControl->SetCursor(Cursor());
}

void TcxContainer::EnabledChanged() {
  for (int i = 0; i < ControlCount(); ++i)
    if (auto* bar = dynamic_cast<TcxScrollBar*>(Controls(i))) bar->SetEnabled(Enabled());
  RefreshViewStateAtCursor(this, false);
}

void TcxContainer::ChangeScale(int M, int D) {
  if (M != D && Style()->AssignedValues().Contains(svFont) && !ComponentState().Contains(csLoading))
    Style()->Font()->SetSize(MulDiv(Style()->Font()->Size(), M, D));
  const TValueScope internal(FIsInternalChange, !ParentFont());
  inherited::ChangeScale(M, D);
}

void TcxContainer::Loaded() {
  inherited::Loaded();
  AdjustInnerControlBounds();
  StyleChanged(Style());
}

void TcxContainer::Resize() {
  inherited::Resize();
  RefreshViewStateAtCursor(this, false);
}

void TcxContainer::CreateParams(TCreateParams& Params) {
  inherited::CreateParams(Params);
  Params.WindowClass.style &= ~(CS_HREDRAW | CS_VREDRAW);
}

void TcxContainer::CreateHandle() {
  inherited::CreateHandle();
  if (FInnerControl && !FInnerControl->HandleAllocated()) {
    TWinControl* p = FInnerControl->Parent();
    while (p && p->Parent()) p = p->Parent();
    if (p && (p->HandleAllocated() || p->ParentWindow())) FInnerControl->HandleNeeded();
  }
  RefreshViewStateAtCursor(this, false);
}

// --- Scroll bars ------------------------------------------------------------------------------------------------------
bool TcxContainer::IsScrollBarInfoVisible(const SCROLLBARINFO& AInfo) {
  return (AInfo.rgstate[0] & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN)) == 0;
}

bool TcxContainer::GetInnerScrollBarInfo(SCROLLBARINFO& AInfo, TScrollBarKind AKind) {
  if (IsDestroying() || !Parent() || !HandleAllocated() || !HasHandle(FInnerControl)) return false;
  return GetScrollBarInfoSafe(FInnerControl->Handle(), AKind == sbHorizontal ? LONG(OBJID_HSCROLL)
                                                                             : LONG(OBJID_VSCROLL),
                              AInfo);
}

TRect TcxContainer::ScrollBarInfoToClientRect(const SCROLLBARINFO& AInfo) {
  POINT origin{0, 0};
  ::ClientToScreen(Handle(), &origin);
  const TRect bar{AInfo.rcScrollBar.left, AInfo.rcScrollBar.top, AInfo.rcScrollBar.right, AInfo.rcScrollBar.bottom};
  return ScrollBarRectToClientRect(bar, TPoint{origin.x, origin.y}, Width(), Height());
}

bool TcxContainer::IsNativeScrollBarUsable(TcxControlScrollBar* AScrollBar, const SCROLLBARINFO& AInfo) {
  return AScrollBar->Parent() && AScrollBar->Parent()->Enabled() &&
         (AInfo.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) == 0;
}

void TcxContainer::SetScrollBarVisible(TcxControlScrollBar* AScrollBar, bool AVisible) {
  AScrollBar->SetVisible(AVisible);
  if (AVisible) {
    AScrollBar->SetCtl3D(false);
    AScrollBar->BringToFront();
  }
}

void TcxContainer::AdjustScrollBar(TcxControlScrollBar* AScrollBar) {
  if (!AScrollBar) return;
  SCROLLBARINFO info{};
  if (GetInnerScrollBarInfo(info, AScrollBar->Kind()) && IsScrollBarInfoVisible(info)) {
    AScrollBar->SetEnabled(IsNativeScrollBarUsable(AScrollBar, info));
    const TRect r = ScrollBarInfoToClientRect(info);  // left, top, width, height
    AScrollBar->SetBounds(r.Left, r.Top, r.Right, r.Bottom);
    SetScrollBarVisible(AScrollBar, r.Right > 0 && r.Bottom > 0);
  } else {
    SetScrollBarVisible(AScrollBar, false);
  }
}

void TcxContainer::UpdateScrollBars() {
  inherited::UpdateScrollBars();
  UpdateScrollBarsFromInner(false);
}

void TcxContainer::UpdateScrollBarsFromInner(bool ASkipAdjust) {
  if (!FInnerControl || !HasScrollBars() || IsDestroying() || !IsGetScrollBarInfoAvailable()) return;
  if (FScrollBarsUpdating) return;
  const TValueScope busy(FScrollBarsUpdating, true);
  for (TcxControlScrollBar* bar : {HScrollBar(), VScrollBar()}) {
    if (!bar) continue;
    if (!ASkipAdjust) AdjustScrollBar(bar);
    if (!bar->Visible() || !HasHandle(FInnerControl)) continue;
    SCROLLINFO si{sizeof(si), SIF_ALL, 0, 0, 0, 0, 0};
    if (!GetScrollInfo(FInnerControl->Handle(), bar->Kind() == sbHorizontal ? SB_HORZ : SB_VERT, &si)) continue;
    const int page = std::min<int>(int(si.nPage), si.nMax);
    const int pos = std::max(si.nMin, std::min(si.nPos, si.nMax));
    if (si.nMax >= si.nMin && page >= 0 && page <= si.nMax - si.nMin)
      bar->SetRangeAndPosition(si.nMin, si.nMax, pos, page, true);
  }
  UpdateSizeGrip();
}

void TcxContainer::UpdateSizeGrip() {
  TcxContainerSizeGripData data;
  TcxControlScrollBar* h = HScrollBar();
  TcxControlScrollBar* v = VScrollBar();
  IcxContainerInnerControl* inner = nullptr;
  data.Visible = h && v && h->Visible() && v->Visible() && HasHandle(FInnerControl) &&
                 FInnerControl->GetInterface(IcxContainerInnerControl::IID, reinterpret_cast<void**>(&inner));
  if (data.Visible) {
    // The corner between the bars, from the container's client coordinates to the inner window's.
    POINT corner{v->Left(), h->Top()};
    ::ClientToScreen(Handle(), &corner);
    RECT window{};
    GetWindowRect(FInnerControl->Handle(), &window);
    data.Bounds = RectFromBounds(corner.x - window.left, corner.y - window.top, v->Width(), h->Height());
    const bool changed = !FSizeGripData.Visible || !RectsEqual(FSizeGripData.Bounds, data.Bounds);
    if (changed) {
      HRGN region = CreateRectRgn(window.left + data.Bounds.Left, window.top + data.Bounds.Top,
                                  window.left + data.Bounds.Right, window.top + data.Bounds.Bottom);
      SendMessageW(FInnerControl->Handle(), WM_NCPAINT, WPARAM(region), 0);
      DeleteObject(region);
    }
  }
  FSizeGripData = data;
}

void PostUpdateScrollBars(TcxContainer* AContainer) {
  if (AContainer && !AContainer->IsDestroying() && AContainer->HandleAllocated() && AContainer->InnerControl())
    PostMessageW(AContainer->Handle(), CXM_CONTAINERSCROLLBARS, 0, 0);
}

void PaintScrollBarsCorner(TcxContainer* AContainer, const TRect& R) {
  if (!AContainer || RectHasNoArea(R) || !HasHandle(AContainer->InnerControl())) return;
  const HWND window = AContainer->InnerControl()->Handle();
  HDC dc = GetWindowDC(window);
  if (!dc) return;
  TColor color = AContainer->LookAndFeel()->Painter()->GetScrollBarsCornerColor();
  HBRUSH brush = CreateSolidBrush(ColorToRGB(color));
  const RECT r{R.Left, R.Top, R.Right, R.Bottom};
  FillRect(dc, &r, brush);
  DeleteObject(brush);
  ReleaseDC(window, dc);
}

// --- Messages --------------------------------------------------------------------------------------------------------------
void TcxContainer::WMSetCursor(TMessage& Message) {
  if (FInnerControl && LOWORD(Message.LParam) == HTCLIENT && HWND(Message.WParam) == Handle()) {
    POINT p{};
    GetCursorPos(&p);
    ::ScreenToClient(Handle(), &p);
    if (!PointInRect(FViewInfo->ClientRect, TPoint{p.x, p.y})) {
      ::SetCursor(LoadCursorW(nullptr, IDC_ARROW));
      Message.Result = 1;
      return;
    }
  }
  inherited::Dispatch(Message);
}

void TcxContainer::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
    case CN_KEYDOWN:
    case CN_KEYUP:
    case CN_CHAR:
      if (HasHandle(FInnerControl)) {
        Message.Result = SendMessageW(FInnerControl->Handle(), Message.Msg, Message.WParam, Message.LParam);
        return;
      }
      break;
    case WM_SETFOCUS:
      if (!Visible()) return;
      break;
    case WM_NCCALCSIZE:
      if (FRefreshLockCount > 0) {
        Message.Result = 0;
        return;
      }
      break;
    default: break;
  }
  inherited::WndProc(Message);
}

void TcxContainer::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_SETFOCUS: WMSetFocus(Message); return;
    case WM_KILLFOCUS: WMKillFocus(Message); return;
    case WM_WINDOWPOSCHANGING: WMWindowPosChanging(Message); return;
    case WM_SETCURSOR: WMSetCursor(Message); return;
    case WM_NCPAINT: Message.Result = 0; return;
    case CXM_CONTAINERREFRESH: RefreshViewStateAtCursor(this, false); return;
    // An inner control that does not report its focus changes still moves the
    // form's active control into or out of the container.
    case CM_ENTER:
    case CM_EXIT:
      inherited::Dispatch(Message);
      FocusChanged();
      return;
    case CXM_CONTAINERSCROLLBARS: UpdateScrollBarsFromInner(false); return;
    case CM_ENABLEDCHANGED:
      inherited::Dispatch(Message);
      EnabledChanged();
      return;
    case CM_COLORCHANGED:
      inherited::Dispatch(Message);
      if (FIsInternalChange || FIsCreating)
        RefreshViewStateAtCursor(this, false);
      else
        Style()->SetColor(Color());
      return;
    case CM_PARENTCOLORCHANGED: {
      const bool saved = FIsInternalChange;
      FIsInternalChange = true;
      inherited::Dispatch(Message);
      FIsInternalChange = saved;
      ParentColorChanged();
      return;
    }
    case CM_PARENTFONTCHANGED: {
      const bool saved = FIsInternalChange;
      FIsInternalChange = true;
      inherited::Dispatch(Message);
      FIsInternalChange = saved;
      ParentFontChanged();
      return;
    }
    case WM_WINDOWPOSCHANGED:
      inherited::Dispatch(Message);
      if (DependsOnParentBackground()) RefreshViewStateAtCursor(this, false);
      return;
    case CM_CTL3DCHANGED:
    case CM_SYSCOLORCHANGE:
      inherited::Dispatch(Message);
      RefreshViewStateAtCursor(this, false);
      return;
    default: inherited::Dispatch(Message); return;
  }
}

// --- Look and streaming ---------------------------------------------------------------------------------------------------
TcxCustomLookAndFeelPainterClass TcxContainer::GetLookAndFeelPainter() { return Style()->LookAndFeel()->Painter(); }

bool TcxContainer::IsStylePropertyStored(const String& APropertyName, bool AIsStateStyle) {
  if (AIsStateStyle && !StyleFocused()->IsStylePropertyPublished(APropertyName)) return false;
  TcxContainerStyleValue value;
  return !(Style()->FindStyleValue(APropertyName, value) && GetUnstoredStyleValues().Contains(value));
}
