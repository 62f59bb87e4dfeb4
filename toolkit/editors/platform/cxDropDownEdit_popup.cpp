// TcxCustomEditPopupWindow: settings from the owner editor, size, position
// and window region, painting of frame and system panel, the close button
// under the mouse and sizing with the grip.
#include <vssym32.h>

#include <algorithm>

#include "cxDropDownEdit_win.h"
#include "cxEditPaintUtils_win.h"
#include "cxGeometry.h"
#include "cxMessages.h"
#include "dxThemeManager.h"
#include "dxUxTheme.h"

namespace {

// One sizing runs at a time (the mouse capture sees to it): the rectangle the
// size frame shows now and the last one that was not empty.
TRect GSizeFrameRect;
TRect GLastSizeFrameRect;

TSize ThemePartSize(TdxThemedObjectType AKind, int APart, int AState) {
  HTHEME theme = AcquireThemeHandle(AKind);
  SIZE size{};
  if (!theme || FAILED(GetThemePartSizeNoRect(theme, nullptr, APart, AState, TS_TRUE, &size))) return TSize{};
  return TSize{size.cx, size.cy};
}

TcxButtonState CloseButtonPainterState(int AState) {
  if (AState == 3) return cxbsPressed;
  return AState == 2 ? cxbsHot : cxbsNormal;
}

}  // namespace

// --- View info ----------------------------------------------------------------------------------
TcxEditPopupFrame TcxCustomEditPopupWindowViewInfo::Frame() const {
  TcxEditPopupFrame frame;
  frame.BorderStyle = EditBorderStyle;
  frame.NativeStyle = NativeStyle;
  frame.Skinned = UsesSkinPainter;
  frame.ClientEdge = ClientEdge;
  frame.Shadow = Shadow;
  frame.SysPanel = SysPanelVisible;
  frame.Sizeable = Sizeable;
  frame.CloseButton = CloseButton;
  return frame;
}

bool TcxCustomEditPopupWindowViewInfo::IsThemed() const { return NativeStyle && CanUseThemeKind(totWindow); }

TcxEditPopupMetrics TcxCustomEditPopupWindowViewInfo::ReadMetrics(bool AThemed) {
  TcxEditPopupMetrics metrics;
  metrics.HScrollHeight = GetSystemMetrics(SM_CYHSCROLL);
  metrics.CaptionButtonHeight = GetSystemMetrics(SM_CYSIZE);
  if (AThemed) {
    metrics.ThemedCloseButton = ThemePartSize(totWindow, WP_SMALLCLOSEBUTTON, CBS_NORMAL);
    metrics.ThemedSizeBox = ThemePartSize(totScrollBar, SBP_SIZEBOX, SZB_RIGHTALIGN);
    // A theme without the parts draws nothing of its own.
    metrics.Themed = metrics.ThemedCloseButton.cx > 0 && metrics.ThemedSizeBox.cx > 0;
  }
  return metrics;
}

TRect TcxCustomEditPopupWindowViewInfo::CalculateClientExtent() {
  PanelHeight = SysPanelVisible ? GetSysPanelHeight() : 0;
  return EditPopupClientExtent(Frame(), PanelHeight, SizeGripCorner);
}

int TcxCustomEditPopupWindowViewInfo::GetSysPanelHeight() {
  return EditPopupSysPanelHeight(Frame(), ReadMetrics(IsThemed()));
}

TcxCustomLookAndFeelPainterClass TcxCustomEditPopupWindowViewInfo::PanelPainter() const {
  if (UsesSkinPainter && Painter) return Painter;
  return GetEditPainterClass(NativeStyle, LookAndFeelKind);
}

void TcxCustomEditPopupWindowViewInfo::DrawBorder(TcxCanvas* ACanvas, TRect& R) {
  if (NativeStyle || UsesSkinPainter) {
    TColor color = clBtnText;
    if (UsesSkinPainter && Painter && Painter->GetEditBorderColor(false) != clDefault)
      color = Painter->GetEditBorderColor(false);
    ACanvas->FrameRectBorders(R, color, 1);
    R = InflateRectXY(R, -1, -1);
    return;
  }
  switch (EditBorderStyle) {
    case epbsSingle:
      ACanvas->FrameRectBorders(R, clBtnText, 1);
      R = InflateRectXY(R, -1, -1);
      break;
    case epbsFrame3D:
    case epbsFlat:
      ACanvas->Draw3DEdge(R, false, true);
      R = InflateRectXY(R, -1, -1);
      ACanvas->Draw3DEdge(R, false, false);
      R = InflateRectXY(R, -1, -1);
      if (EditBorderStyle == epbsFlat) break;
      ACanvas->FrameRectBorders(R, ClientEdge ? clInactiveBorder : clBtnFace, 1);
      R = InflateRectXY(R, -1, -1);
      if (ClientEdge) ACanvas->FrameRectBorders(R, clBtnFace, 1);
      else ACanvas->Draw3DEdge(R, true, true);
      R = InflateRectXY(R, -1, -1);
      break;
    default: break;
  }
}

void TcxCustomEditPopupWindowViewInfo::PaintBackgroundAndBorder(TcxCanvas* ACanvas) {
  TcxCustomLookAndFeelPainterClass painter = PanelPainter();
  TRect r = Bounds;
  if (Shadow) {
    r = InflateRectSides(r, 0, 0, -cxEditPopupShadowWidth, -cxEditPopupShadowWidth);
    PaintContainerShadow(ACanvas, r);
  }
  DrawBorder(ACanvas, r);
  const bool top = IsTopGripCorner(SizeGripCorner);
  const int clientEdge = ClientEdge ? EditPopupBorderWidth(Frame(), true) - EditPopupBorderWidth(Frame(), false) : 0;
  // The extent keeps a line between panel and client area; it is drawn for a single frame or a themed button.
  const bool separator = SysPanelVisible && (EditBorderStyle == epbsSingle || NativeStyle || UsesSkinPainter);
  const bool separatorDrawn = SysPanelVisible && (EditBorderStyle == epbsSingle || ThemedCloseButtonState != 0);
  const TRect edge = InflateRectXY(ClientRect, clientEdge, clientEdge);
  const TRect separatorLine = top ? TRect{edge.Left, edge.Top - 1, edge.Right, edge.Top}
                                  : TRect{edge.Left, edge.Bottom, edge.Right, edge.Bottom + 1};
  if (separatorDrawn) {
    TColor color = clBtnText;
    if (UsesSkinPainter && Painter && Painter->GetEditBorderColor(false) != clDefault)
      color = Painter->GetEditBorderColor(false);
    ACanvas->FillRect(separatorLine, color);
  }
  // The part of R beside the client area that the panel takes.
  const int panel = SysPanelVisible ? PanelHeight + (separator ? 1 : 0) : 0;
  TRect edgeRect = top ? InflateRectSides(r, 0, -panel, 0, 0) : InflateRectSides(r, 0, 0, 0, -panel);
  if (ClientEdge) {
    ACanvas->Draw3DEdge(edgeRect, true, true);
    if (EditBorderStyle != epbsFlat || NativeStyle)
      ACanvas->Draw3DEdge(InflateRectXY(edgeRect, -1, -1), true, false);
  }
  if (SysPanelVisible) PaintSysPanel(ACanvas, painter);
  painter->FillPopupClientArea(ACanvas, ClientRect);
  if (SysPanelVisible) {
    const TRect strip = top ? TRect{PanelRegion.Left, PanelRegion.Top, PanelRegion.Right, PanelRegion.Top + panel}
                            : TRect{PanelRegion.Left, PanelRegion.Bottom - panel, PanelRegion.Right, PanelRegion.Bottom};
    TcxCanvas* canvas = ACanvas;
    canvas->PushClipRegion();
    if (!RectHasNoArea(CloseButtonRect)) canvas->ExcludeClipRectangle(CloseButtonRect);
    if (!RectHasNoArea(SizeGripRect)) canvas->ExcludeClipRectangle(SizeGripRect);
    if (separatorDrawn) canvas->ExcludeClipRectangle(separatorLine);
    painter->FillPopupClientArea(canvas, strip);
    canvas->PopClipRegion();
  }
}

void TcxCustomEditPopupWindowViewInfo::PaintSysPanel(TcxCanvas* ACanvas, TcxCustomLookAndFeelPainterClass APainter) {
  if (Sizeable && !RectHasNoArea(SizeGripRect)) {
    ACanvas->FillRect(SizeGripRect, clBtnFace);
    // Drawn for the bottom-right corner and turned so that its diagonal points to the grip's corner.
    static constexpr TcxCorner kCorners[] = {coTopLeft, coTopRight, coBottomLeft, coBottomRight};
    APainter->PaintSizeGripAt(ACanvas, SizeGripRect, clBtnFace, kCorners[SizeGripCorner]);
  }
  if (!RectHasNoArea(CloseButtonRect)) {
    // A themed part may leave its corners to what lies under it.
    if (ThemedCloseButtonState != 0) ACanvas->FillRect(CloseButtonRect, clBtnFace);
    APainter->PaintCrossButton(ACanvas, CloseButtonRect, CloseButtonPainterState(CloseButtonState));
  }
}

// --- Window -------------------------------------------------------------------------------------
TcxCustomEditPopupWindow::TcxCustomEditPopupWindow(TWinControl* AOwnerControl)
    : TcxCustomPopupWindow(AOwnerControl), FOwnerEditor(dynamic_cast<IcxEditPopupWindowOwner*>(AOwnerControl)) {
  Adjustable = false;
  if (TcxCustomEditPopupWindowViewInfo* info = EditViewInfo()) info->CloseButtonState = 1;
}

TcxCustomEditPopupWindow::~TcxCustomEditPopupWindow() {
  delete FSizeFrame;
  FSizeFrame = nullptr;
}

TcxEditPopupFrame TcxCustomEditPopupWindow::Frame() const {
  return const_cast<TcxCustomEditPopupWindow*>(this)->EditViewInfo()->Frame();
}

void TcxCustomEditPopupWindow::CopyToViewInfo() {
  TcxCustomEditPopupWindowViewInfo* info = EditViewInfo();
  if (!info) return;
  info->EditBorderStyle = FBorderStyle;
  info->ClientEdge = FClientEdge;
  info->CloseButton = FCloseButton;
  info->NativeStyle = FNativeStyle;
  info->Shadow = FShadow;
  info->Sizeable = FSizeable;
  info->SysPanelVisible = FSysPanelVisible;
}

void TcxCustomEditPopupWindow::SetBorderStyle(TcxEditPopupBorderStyle Value) {
  FBorderStyle = Value;
  CopyToViewInfo();
}
void TcxCustomEditPopupWindow::SetClientEdge(bool Value) {
  FClientEdge = Value;
  CopyToViewInfo();
}
void TcxCustomEditPopupWindow::SetCloseButton(bool Value) {
  FCloseButton = Value;
  CopyToViewInfo();
}
void TcxCustomEditPopupWindow::SetNativeStyle(bool Value) {
  FNativeStyle = Value;
  CopyToViewInfo();
}
void TcxCustomEditPopupWindow::SetShadow(bool Value) {
  FShadow = Value;
  CopyToViewInfo();
}
void TcxCustomEditPopupWindow::SetSizeable(bool Value) {
  FSizeable = Value;
  CopyToViewInfo();
}
void TcxCustomEditPopupWindow::SetSysPanelVisible(bool Value) {
  FSysPanelVisible = Value;
  CopyToViewInfo();
}

TRect TcxCustomEditPopupWindow::WindowBounds() const {
  auto* self = const_cast<TcxCustomEditPopupWindow*>(this);
  return RectFromBounds(self->Left(), self->Top(), self->Width(), self->Height());
}

void TcxCustomEditPopupWindow::CalculateViewInfo() {
  TcxCustomEditPopupWindowViewInfo* info = EditViewInfo();
  if (!info) return;
  CopyToViewInfo();
  info->UpdateStyle(Style());
  if (TcxLookAndFeel* lf = Style()->LookAndFeel()) info->LookAndFeelKind = lf->Kind();
  const bool themed = FSysPanelVisible && info->IsThemed();
  const TcxEditPopupMetrics metrics = TcxCustomEditPopupWindowViewInfo::ReadMetrics(themed);
  const TcxEditPopupLayout layout =
      CalcEditPopupLayout(info->Frame(), metrics, TSize{Width(), Height()}, info->SizeGripCorner);
  info->Bounds = layout.Bounds;
  info->BorderRect = layout.ClientRect;
  info->ClientRect = layout.ClientRect;
  info->PanelRegion = layout.PanelRegion;
  info->PanelHeight = layout.PanelHeight;
  info->SizeGripHitRect = layout.GripHitRect;
  info->SizeGripRect = layout.GripRect;
  info->CloseButtonRect = layout.CloseButtonRect;
  info->ThemedCloseButtonState = metrics.Themed ? info->CloseButtonState : 0;
  POINT cursor{};
  if (HandleAllocated() && GetCursorPos(&cursor)) {
    ::ScreenToClient(Handle(), &cursor);
    UpdateCloseButtonState(TPoint{cursor.x, cursor.y}, GetKeyState(VK_LBUTTON) < 0);
  }
}

void TcxCustomEditPopupWindow::UpdateCloseButtonState(const TPoint& P, bool ALeftButtonHeld) {
  TcxCustomEditPopupWindowViewInfo* info = EditViewInfo();
  if (!info) return;
  const int state = EditPopupCloseButtonState(PointInRect(info->CloseButtonRect, P), ALeftButtonHeld);
  if (state == info->CloseButtonState) return;
  info->CloseButtonState = state;
  if (info->ThemedCloseButtonState != 0) info->ThemedCloseButtonState = state;
  if (HandleAllocated()) {
    const RECT r{info->CloseButtonRect.Left, info->CloseButtonRect.Top, info->CloseButtonRect.Right,
                 info->CloseButtonRect.Bottom};
    InvalidateRect(Handle(), &r, FALSE);
  }
}

TSize TcxCustomEditPopupWindow::GetMinSize() {
  TcxCustomEditPopupWindowViewInfo* info = EditViewInfo();
  return EditPopupMinSize(Frame(), info->CalculateClientExtent(), GetRectWidth(info->CloseButtonRect),
                          GetRectWidth(info->SizeGripHitRect));
}

TSize TcxCustomEditPopupWindow::GetMaxClientSize() {
  if (FOwnerEditor) OwnerBounds = FOwnerEditor->GetPopupOwnerBounds();
  const TRect owner = CalculateOwnerScreenBounds();
  return EditPopupMaxClientSize(owner, cxWorkAreaAt(owner.TopLeft()), EditViewInfo()->Shadow, Direction,
                                EditViewInfo()->CalculateClientExtent());
}

void TcxCustomEditPopupWindow::CalculateSize() {
  TcxCustomEditPopupWindowViewInfo* info = EditViewInfo();
  CopyToViewInfo();
  info->SizeGripCorner = gcRightBottom;
  if (FOwnerEditor) OwnerBounds = FOwnerEditor->GetPopupOwnerBounds();
  TcxEditPopupSizeParams params;
  params.AutoSize = FPopupAutoSize;
  params.Content = FOwnerEditor && FPopupAutoSize ? FOwnerEditor->CalcPopupClientSize() : TSize{};
  params.PopupWidth = PopupWidth;
  params.PopupHeight = PopupHeight;
  params.OwnerWidth = GetRectWidth(OwnerBounds);
  params.Sizeable = FSizeable;
  params.MinWidth = MinWidth;
  params.MinHeight = MinHeight;
  const TRect extent = info->CalculateClientExtent();
  // The panel's buttons count once the layout knows them.
  CalculateViewInfo();
  const TSize size = CalcEditPopupSize(params, extent, GetMinSize());
  SetBounds(Left(), Top(), size.cx, size.cy);
}

void TcxCustomEditPopupWindow::CalcPosition(TPoint& P) {
  if (FOwnerEditor) OwnerBounds = FOwnerEditor->GetPopupOwnerBounds();
  inherited::CalcPosition(P);
  const TRect owner = CalculateOwnerScreenBounds();
  const TcxEditPopupPlacement placement =
      PlaceEditPopup(P, TSize{Width(), Height()}, owner, cxWorkAreaAt(P), AlignHorz, AlignVert, FShadow);
  P = placement.Position;
  if (TcxCustomEditPopupWindowViewInfo* info = EditViewInfo()) info->SizeGripCorner = placement.Corner;
}

void TcxCustomEditPopupWindow::Recalculate() {
  if (FOwnerEditor) OwnerBounds = FOwnerEditor->GetPopupOwnerBounds();
  CalculateViewInfo();
  if (FOwnerEditor) FOwnerEditor->SetupPopupClient(EditViewInfo()->ClientRect);
  Invalidate();
  Update();
}

void TcxCustomEditPopupWindow::ApplyUserBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  if (FOwnerEditor) FOwnerEditor->PopupResizedByUser();
  SetBounds(ALeft, ATop, AWidth, AHeight);
  Recalculate();
  if (FOwnerEditor) FOwnerEditor->SavePopupSize();
}

int TcxCustomEditPopupWindow::GetHitArea(const TPoint& P) {
  TcxCustomEditPopupWindowViewInfo* info = EditViewInfo();
  TcxEditPopupLayout layout;
  layout.CloseButtonRect = info->CloseButtonRect;
  layout.GripHitRect = info->SizeGripHitRect;
  return EditPopupHitArea(layout, P);
}

void TcxCustomEditPopupWindow::UpdateWindowRegion() {
  if (!HandleAllocated()) return;
  TRect r{0, 0, Width(), Height()};
  if (FShadow && !FNativeStyle) r = InflateRectSides(r, 0, 0, -cxEditPopupShadowWidth, -cxEditPopupShadowWidth);
  TRect exclude;
  if (FOwnerEditor) {
    const TRect owner = CalculateOwnerScreenBounds();
    exclude = EditPopupShadowExclusion(TSize{Width(), Height()}, EditViewInfo()->SizeGripCorner,
                                       owner.Left - Left(), owner.Right - Left());
  }
  SetPopupShadowRegion(Handle(), CreatePopupShadowRegion(r, TRect{}, exclude, FShadow, FNativeStyle));
}

void TcxCustomEditPopupWindow::Popup(TWinControl* AFocusedControl) {
  // The base will not show the popup: the opening still ends once.
  if (!IsOwnerControlVisible() && FOwnerEditor) FOwnerEditor->DoFinalizePopup();
  inherited::Popup(AFocusedControl);
}

void TcxCustomEditPopupWindow::ForwardChar(wchar_t AChar) {
  if (HWND focus = GetFocus()) SendMessageW(focus, WM_CHAR, WPARAM(AChar), 0);
}

void TcxCustomEditPopupWindow::NotifyClosing() {
  inherited::NotifyClosing();
  if (FSizing) EndSizing(false);
}

void TcxCustomEditPopupWindow::ModalCloseUp() {
  if (!FOwnerEditor) {
    inherited::ModalCloseUp();
    return;
  }
  FOwnerEditor->CloseUp(ModalResultCloseUpReason(ModalResult()));
}

void TcxCustomEditPopupWindow::MouseLeave(TControl* AControl) {
  inherited::MouseLeave(AControl);
  if (!FSizing) UpdateCloseButtonState(TPoint{-1, -1}, false);
}

bool TcxCustomEditPopupWindow::CanResize(int& NewWidth, int& NewHeight) {
  if (!FSizeable || PositioningLock || (NewWidth == Width() && NewHeight == Height())) return true;
  const TSize min = GetMinSize();
  const TSize clamped = ClampEditPopupSize(TSize{NewWidth, NewHeight}, min, MinWidth, MinHeight);
  NewWidth = clamped.cx;
  NewHeight = clamped.cy;
  if (!FOwnerEditor || (NewWidth == Width() && NewHeight == Height())) return true;
  const TRect extent = EditViewInfo()->CalculateClientExtent();
  const int dx = extent.Left + extent.Right, dy = extent.Top + extent.Bottom;
  TSize client{NewWidth - dx, NewHeight - dy};
  if (FOwnerEditor->CanResizePopupClient(client, GetMaxClientSize())) {
    NewWidth = std::max(int(client.cx) + dx, int(min.cx));
    NewHeight = std::max(int(client.cy) + dy, int(min.cy));
  } else {
    NewWidth = Width();
    NewHeight = Height();
  }
  return true;
}

void TcxCustomEditPopupWindow::AdjustClientRect(TRect& Rect) {
  Rect = ShrinkRectByMargins(Rect, EditViewInfo()->CalculateClientExtent());
}

void TcxCustomEditPopupWindow::CreateParams(TCreateParams& Params) {
  inherited::CreateParams(Params);
  if (FNativeStyle && CanUseThemes()) {
    Params.WindowClass.style |= CS_DROPSHADOW;
    // A window class is registered once: the shadowed popups need a class of their own.
    Params.WinClassName += L"Shadowed";
  }
}

void TcxCustomEditPopupWindow::Resize() {
  inherited::Resize();
  if (!HandleAllocated()) return;
  CalculateViewInfo();
  UpdateWindowRegion();
}

void TcxCustomEditPopupWindow::KeyDown(uint16_t& Key, TShiftState Shift) {
  if (Key == VK_ESCAPE && FSizing) {
    EndSizing(false);
    Key = 0;
    return;
  }
  inherited::KeyDown(Key, Shift);
}

void TcxCustomEditPopupWindow::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  inherited::MouseDown(Button, Shift, X, Y);
  UpdateCloseButtonState(TPoint{X, Y}, Button == mbLeft);
  if (Button == mbLeft && GetHitArea(TPoint{X, Y}) == 1 && GetCapture()) StartSizing(TPoint{X, Y});
}

void TcxCustomEditPopupWindow::MouseMove(TShiftState Shift, int X, int Y) {
  inherited::MouseMove(Shift, X, Y);
  if (FSizing) {
    DoSizing(TPoint{X, Y});
    return;
  }
  UpdateCloseButtonState(TPoint{X, Y}, Shift.Contains(ssLeft));
  const TcxCustomEditPopupWindowViewInfo* info = EditViewInfo();
  if (GetHitArea(TPoint{X, Y}) == 1) SetCursor(GripCornerSizesNWSE(info->SizeGripCorner) ? crSizeNWSE : crSizeNESW);
  else SetCursor(crDefault);
}

void TcxCustomEditPopupWindow::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  inherited::MouseUp(Button, Shift, X, Y);
  if (FSizing) {
    if (Button == mbLeft) EndSizing(true);
    return;
  }
  const bool pressed = EditViewInfo()->CloseButtonState == 3;
  UpdateCloseButtonState(TPoint{X, Y}, false);
  if (Button == mbLeft && pressed && GetHitArea(TPoint{X, Y}) == 0 && CloseQuery() && FOwnerEditor)
    FOwnerEditor->CloseUp(crClose);
}

void TcxCustomEditPopupWindow::StartSizing(const TPoint& P) {
  FSizingStartPoint = P;
  FSizing = true;
  if (!FSizeFrame) {
    const int width = EditViewInfo()->GetBorderWidth(false);
    FSizeFrame = new TcxSizeFrame(width > 1 ? width : 2);
  }
  GSizeFrameRect = GLastSizeFrameRect = WindowBounds();
  FSizeFrame->SetFrameRect(GSizeFrameRect);
  FSizeFrame->ShowAs(SW_SHOWNA);
}

void TcxCustomEditPopupWindow::DoSizing(const TPoint& P) {
  const TcxEditPopupGripCorner corner = EditViewInfo()->SizeGripCorner;
  const TSize asked = EditPopupDraggedSize(TSize{Width(), Height()}, corner, P.X - FSizingStartPoint.X,
                                           P.Y - FSizingStartPoint.Y);
  int width = asked.cx, height = asked.cy;
  CanResize(width, height);
  if (width == Width() && height == Height()) return;
  POINT screen{P.X, P.Y};
  ::ClientToScreen(Handle(), &screen);
  const TRect r = EditPopupSizingRect(WindowBounds(), corner, TSize{width, height}, CalculateOwnerScreenBounds(),
                                      cxWorkAreaAt(TPoint{screen.x, screen.y}));
  GSizeFrameRect = r;
  if (!RectHasNoArea(r)) GLastSizeFrameRect = r;
  if (FSizeFrame && r != WindowBounds()) FSizeFrame->SetFrameRect(r);
}

void TcxCustomEditPopupWindow::EndSizing(bool AApply) {
  FSizing = false;
  if (HandleAllocated() && GetCapture() == Handle()) ReleaseCapture();
  delete FSizeFrame;
  FSizeFrame = nullptr;
  const TRect r = GLastSizeFrameRect;
  GSizeFrameRect = GLastSizeFrameRect = TRect{};
  if (AApply && !RectHasNoArea(r) && r != WindowBounds())
    ApplyUserBounds(r.Left, r.Top, GetRectWidth(r), GetRectHeight(r));
}

void TcxCustomEditPopupWindow::Dispatch(TMessage& Message) {
  if (Message.Msg == CXM_POPUPFORWARDCHAR) {
    if (IsPopupVisible(this)) ForwardChar(wchar_t(Message.WParam));
    return;
  }
  inherited::Dispatch(Message);
}
