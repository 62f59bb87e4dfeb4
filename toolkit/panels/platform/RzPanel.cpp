#include "RzPanel.h"

#include <algorithm>

#include "RzGradient.h"

TRzCustomPanel::TRzCustomPanel(TComponent* AOwner) : TCustomPanel(AOwner) {
  // Only this panel draws borders: the runtime panel's bevel stays off.
  SetBevelOuter(bvNone);
  FControlStyle.Exclude(csSetCaption);
  FControlStyle.Exclude(csParentBackground);
  FControlStyle.Include(csOpaque);
}

TRzCustomPanel::~TRzCustomPanel() {
  if (FFrameController) FFrameController->DetachControl(this);
  delete FDockManager;
  FDockManager = nullptr;
}

bool TRzCustomPanel::GetInterface(const TGUID& iid, void** obj) {
  return InterfaceTable<IFrameControllerClient>(this, iid, obj) || TCustomPanel::GetInterface(iid, obj);
}

template <class T>
bool TRzCustomPanel::Store(T& Field, const T& Value) {
  if (Field == Value) return false;
  Field = Value;
  return true;
}

// --- Setters ------------------------------------------------------------------------------
void TRzCustomPanel::SetBorderOuter(TFrameStyleEx Value) {
  if (!Store(FBorderOuter, Value)) return;
  Realign();
  Invalidate();
}

void TRzCustomPanel::SetBorderInner(TFrameStyleEx Value) {
  if (!Store(FBorderInner, Value)) return;
  Realign();
  Invalidate();
}

void TRzCustomPanel::SetBorderSides(TSides Value) {
  if (!Store(FBorderSides, Value)) return;
  Realign();
  Invalidate();
}

void TRzCustomPanel::SetBorderColor(TColor Value) {
  if (Store(FBorderColor, Value)) Invalidate();
}

void TRzCustomPanel::SetBorderHighlight(TColor Value) {
  if (Store(FBorderHighlight, Value)) Invalidate();
}

void TRzCustomPanel::SetBorderShadow(TColor Value) {
  if (Store(FBorderShadow, Value)) Invalidate();
}

void TRzCustomPanel::SetFlatColor(TColor Value) {
  if (Store(FFlatColor, Value)) Invalidate();
}

void TRzCustomPanel::SetFlatColorAdjustment(int Value) {
  if (Store(FFlatColorAdjustment, Value)) Invalidate();
}

void TRzCustomPanel::SetVisualStyle(TRzVisualStyle Value) {
  if (Store(FVisualStyle, Value)) Invalidate();
}

void TRzCustomPanel::SetGradientColorStyle(TRzGradientColorStyle Value) {
  if (Store(FGradientColorStyle, Value)) Invalidate();
}

void TRzCustomPanel::SetGradientColorStart(TColor Value) {
  if (!Store(FGradientColorStart, Value)) return;
  Invalidate();
  RefreshTransparentChildren(this);
}

void TRzCustomPanel::SetGradientColorStop(TColor Value) {
  if (!Store(FGradientColorStop, Value)) return;
  Invalidate();
  RefreshTransparentChildren(this);
}

void TRzCustomPanel::SetGradientDirection(TGradientDirection Value) {
  if (!Store(FGradientDirection, Value)) return;
  Invalidate();
  RefreshTransparentChildren(this);
}

void TRzCustomPanel::SetPaintClientArea(bool Value) {
  if (Store(FPaintClientArea, Value)) Invalidate();
}

void TRzCustomPanel::SetTransparent(bool Value) {
  if (!Store(FTransparent, Value)) return;
  if (Value)
    FControlStyle.Exclude(csOpaque);
  else
    FControlStyle.Include(csOpaque);
  Invalidate();
  for (int i = 0; i < ControlCount(); ++i) Controls(i)->Invalidate();
}

void TRzCustomPanel::SetShowGrid(bool Value) {
  if (Store(FShowGrid, Value)) Invalidate();
}

void TRzCustomPanel::SetGridColor(TColor Value) {
  if (Store(FGridColor, Value)) Invalidate();
}

void TRzCustomPanel::SetGridStyle(TRzGridStyle Value) {
  if (Store(FGridStyle, Value)) Invalidate();
}

void TRzCustomPanel::SetGridXSize(std::uint16_t Value) {
  if (Store(FGridXSize, Value)) Invalidate();
}

void TRzCustomPanel::SetGridYSize(std::uint16_t Value) {
  if (Store(FGridYSize, Value)) Invalidate();
}

void TRzCustomPanel::SetAlignmentVertical(TAlignmentVertical Value) {
  if (Store(FAlignmentVertical, Value)) Invalidate();
}

void TRzCustomPanel::SetTextMargin(int Value) {
  if (Store(FTextMargin, Value)) Invalidate();
}

void TRzCustomPanel::SetTextMarginVertical(int Value) {
  if (Store(FTextMarginVertical, Value)) Invalidate();
}

void TRzCustomPanel::SetWordWrap(bool Value) {
  if (Store(FWordWrap, Value)) Invalidate();
}

void TRzCustomPanel::SetFrameController(TRzFrameController* Value) {
  if (Value == FFrameController) return;
  SwitchFrameController(this, FFrameController, Value);
  Invalidate();
}

void TRzCustomPanel::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomPanel::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FFrameController) FFrameController = nullptr;
}

void TRzCustomPanel::SetShowDockClientCaptions(bool Value) {
  if (Store(FShowDockClientCaptions, Value)) Invalidate();
}

void TRzCustomPanel::SetDockSite(bool Value) {
  if (!Store(FDockSite, Value)) return;
  UpdateDockManager();
  Realign();
  Invalidate();
}

void TRzCustomPanel::SetUseDockManager(bool Value) {
  if (Store(FUseDockManager, Value)) UpdateDockManager();
}

// A dock site that uses a dock manager gets one when it has none; a panel
// with a dock manager paints double-buffered.
void TRzCustomPanel::UpdateDockManager() {
  if (!FDockManager && FDockSite && FUseDockManager) FDockManager = new TRzPanelDockManager(this);
  if (FDockManager) SetDoubleBuffered(true);
}

// --- Geometry -----------------------------------------------------------------------------
TRect TRzCustomPanel::ControlBounds() { return TRect{0, 0, Width(), Height()}; }

void TRzCustomPanel::AdjustRectForBorders(TRect& Rect, bool IncludeBorderWidth) {
  if (IncludeBorderWidth) {
    Rect.Left += BorderWidth();
    Rect.Top += BorderWidth();
    Rect.Right -= BorderWidth();
    Rect.Bottom -= BorderWidth();
  }
  const int width = PanelFrameWidth(FBorderOuter, BevelWidth()) + PanelFrameWidth(FBorderInner, BevelWidth());
  if (FBorderSides.Contains(sdLeft)) Rect.Left += width;
  if (FBorderSides.Contains(sdTop)) Rect.Top += width;
  if (FBorderSides.Contains(sdRight)) Rect.Right -= width;
  if (FBorderSides.Contains(sdBottom)) Rect.Bottom -= width;
}

TRect TRzCustomPanel::GetClientRect() {
  TRect r = TCustomPanel::GetClientRect();
  if (!FDockSite) AdjustRectForBorders(r, false);
  return r;
}

void TRzCustomPanel::AdjustClientRect(TRect& Rect) {
  TCustomPanel::AdjustClientRect(Rect);
  if (FDockSite) AdjustRectForBorders(Rect, false);
}

TPoint TRzCustomPanel::GetMousePosition() {
  POINT p{};
  GetCursorPos(&p);
  return ScreenToClient(TPoint{p.x, p.y});
}

void TRzCustomPanel::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  // A panel held to the bottom or right edge grows and shrinks away from it.
  if (Align() == alBottom && AHeight != Height()) ATop = Top() + Height() - AHeight;
  if (Align() == alRight && AWidth != Width()) ALeft = Left() + Width() - AWidth;
  TCustomPanel::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TRzCustomPanel::GetGradientColors(TColor& Start, TColor& Stop) {
  if (FGradientColorStyle == gcsCustom) {
    Start = FGradientColorStart;
    Stop = FGradientColorStop;
  } else {
    GetSchemeGradientColors(FGradientColorStyle, Start, Stop);
  }
}

void TRzCustomPanel::GetFlatColors(TColor& Color, int& Adjustment) {
  if (FVisualStyle == vsGradient && FGradientColorStyle != gcsCustom) {
    Color = GetSchemeFlatColor(FGradientColorStyle);
    Adjustment = 0;
  } else {
    Color = FFlatColor;
    Adjustment = FFlatColorAdjustment;
  }
}

// --- Painting -----------------------------------------------------------------------------
void TRzCustomPanel::Paint() {
  TCanvas* canvas = Canvas();
  TRect r = ControlBounds();
  TColor flat;
  int adjustment;
  GetFlatColors(flat, adjustment);
  const TColor parentColor = Parent() ? Parent()->Color() : Color();
  r = StrokePanelBorders(canvas, r, FBorderOuter, FBorderInner, BorderWidth(), FBorderSides, BevelWidth(),
                         FBorderColor, FBorderHighlight, FBorderShadow, flat, adjustment, Color(), parentColor,
                         FTransparent);
  if (!FTransparent && FPaintClientArea) {
    const bool rounded = (FBorderOuter == fsFlatRounded && FBorderInner == fsNone && BorderWidth() == 0) ||
                         FBorderInner == fsFlatRounded;
    TRect fill = r;
    if (rounded) {
      if (FBorderSides.Contains(sdLeft)) --fill.Left;
      if (FBorderSides.Contains(sdTop)) --fill.Top;
      if (FBorderSides.Contains(sdRight)) ++fill.Right;
      if (FBorderSides.Contains(sdBottom)) ++fill.Bottom;
    }
    if (FVisualStyle == vsGradient) {
      TColor start, stop;
      GetGradientColors(start, stop);
      FillGradientArea(canvas, fill, FGradientDirection, start, stop, 1);
    } else {
      canvas->Brush()->SetStyle(bsSolid);
      canvas->Brush()->SetColor(Color());
      canvas->FillRect(fill);
    }
    if (rounded) {
      // The fill reaches under the rounded frame's cut corners: they get the frame colour back.
      const TColor frame = ShiftColorLuminance(flat, adjustment);
      const bool left = FBorderSides.Contains(sdLeft), top = FBorderSides.Contains(sdTop),
                 right = FBorderSides.Contains(sdRight), bottom = FBorderSides.Contains(sdBottom);
      if (left && top) canvas->SetPixels(fill.Left, fill.Top, frame);
      if (right && top) canvas->SetPixels(fill.Right - 1, fill.Top, frame);
      if (right && bottom) canvas->SetPixels(fill.Right - 1, fill.Bottom - 1, frame);
      if (left && bottom) canvas->SetPixels(fill.Left, fill.Bottom - 1, frame);
    }
  }
  if (FShowGrid) DrawGrid(r);
  canvas->Brush()->SetStyle(bsClear);
  DrawCaption(r);
  canvas->Brush()->SetStyle(bsSolid);
  if (OnPaint) OnPaint(this);
}

void TRzCustomPanel::DrawCaption(TRect Rect) {
  const String caption = Caption();
  if (caption.empty()) return;
  TCanvas* canvas = Canvas();
  canvas->Font()->Assign(Font());
  if (!Enabled()) canvas->Font()->SetColor(clGrayText);
  Rect.Left += FTextMargin;
  Rect.Right -= FTextMargin;
  Rect.Top += FTextMarginVertical;
  Rect.Bottom -= FTextMarginVertical;
  UINT flags = FWordWrap ? DT_WORDBREAK : 0;
  flags |= Alignment() == taLeftJustify ? DT_LEFT : Alignment() == taRightJustify ? DT_RIGHT : DT_CENTER;
  TRect measured = Rect;
  const int h = DrawTextInRect(canvas, caption, measured, flags | DT_CALCRECT | DT_EXPANDTABS | DT_VCENTER);
  switch (FAlignmentVertical) {
    case avTop: Rect.Bottom = std::min(Rect.Bottom, Rect.Top + h); break;
    case avCenter:
      Rect.Top = (Rect.Top + Rect.Bottom - h) / 2;
      Rect.Bottom = std::min(Rect.Bottom, Rect.Top + h);
      break;
    case avBottom: Rect.Top = std::max(Rect.Top, Rect.Bottom - h - 1); break;
  }
  DrawTextInRect(canvas, caption, Rect, flags | DT_EXPANDTABS | DT_VCENTER);
}

void TRzCustomPanel::DrawGrid(TRect Rect) {
  TCanvas* canvas = Canvas();
  const int cols = FGridXSize ? (Rect.Right - Rect.Left) / FGridXSize : 0;
  const int rows = FGridYSize ? (Rect.Bottom - Rect.Top) / FGridYSize : 0;
  canvas->Pen()->SetColor(FGridColor);
  if (FGridStyle == gsDots) {
    for (int i = 1; i <= cols; ++i)
      for (int j = 1; j <= rows; ++j)
        canvas->SetPixels(Rect.Left + i * FGridXSize - 1, Rect.Top + j * FGridYSize - 1, FGridColor);
    return;
  }
  const bool dotted = FGridStyle == gsDottedLines;
  for (int i = 1; i <= cols; ++i) {
    const int x = Rect.Left + i * FGridXSize - 1;
    if (dotted) {
      for (int y = Rect.Top + 1; y < Rect.Bottom; y += 2) canvas->SetPixels(x, y, FGridColor);
    } else {
      canvas->MoveTo(x, Rect.Top);
      canvas->LineTo(x, Rect.Bottom);
    }
  }
  for (int j = 1; j <= rows; ++j) {
    const int y = Rect.Top + j * FGridYSize - 1;
    if (dotted) {
      for (int x = Rect.Left + 1; x < Rect.Right; x += 2) canvas->SetPixels(x, y, FGridColor);
    } else {
      canvas->MoveTo(Rect.Left, y);
      canvas->LineTo(Rect.Right, y);
    }
  }
}

// --- Children's enabled state -------------------------------------------------------------
void TRzCustomPanel::UpdateChildrenEnabled() {
  if (!Enabled()) {
    FEnabledList.clear();
    for (int i = 0; i < ControlCount(); ++i) FEnabledList.emplace_back(Controls(i), Controls(i)->Enabled());
    for (int i = 0; i < ControlCount(); ++i) Controls(i)->SetEnabled(false);
    return;
  }
  for (int i = 0; i < ControlCount(); ++i) {
    TControl* child = Controls(i);
    auto entry = std::find_if(FEnabledList.begin(), FEnabledList.end(), [child](auto& e) { return e.first == child; });
    if (entry == FEnabledList.end() || entry->second) child->SetEnabled(true);
  }
}

// --- Frame controller ---------------------------------------------------------------------
void TRzCustomPanel::FrameControllerChanged() {
  if (!FFrameController || !FFrameController->FrameVisible()) return;
  const TRzFrameControllerNotifications& n = FFrameControllerNotifications;
  if (n.Contains(fcpFrameStyle)) FBorderOuter = FFrameController->FrameStyle();
  if (n.Contains(fcpFrameSides)) FBorderSides = FFrameController->FrameSides();
  if (n.Contains(fcpFrameColor)) {
    FFlatColor = FFrameController->FrameColor();
    FFlatColorAdjustment = 0;
  }
  if (n.Contains(fcpColor)) SetColor(FFrameController->Color());
  if (n.Contains(fcpParentColor)) SetParentColor(FFrameController->ParentColor());
  if (n.Contains(fcpColor)) {
    FBorderHighlight = TintColor(Color(), 100);
    FBorderShadow = ShadeColor(Color(), 50);
  }
  Invalidate();
}

// --- Messages -----------------------------------------------------------------------------
void TRzCustomPanel::InvalidateResizeStrips(const WINDOWPOS& Pos) {
  if (!HandleAllocated() || (Pos.flags & SWP_NOSIZE)) return;
  const TRect b = ControlBounds();
  TRect inner = b;
  AdjustRectForBorders(inner, true);
  if (Pos.cx != b.Right) {
    const RECT strip{inner.Right - 1, 0, b.Right, b.Bottom};
    InvalidateRect(Handle(), &strip, TRUE);
  }
  if (Pos.cy != b.Bottom) {
    const RECT strip{0, inner.Bottom - 1, b.Right, b.Bottom};
    InvalidateRect(Handle(), &strip, TRUE);
  }
}

void TRzCustomPanel::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_WINDOWPOSCHANGED:
      // Only what the border covers moves with a plain resize.
      if (FullRepaint() || !Caption().empty())
        Invalidate();
      else if (Message.LParam)
        InvalidateResizeStrips(*reinterpret_cast<const WINDOWPOS*>(Message.LParam));
      TCustomPanel::Dispatch(Message);
      return;
    case WM_ERASEBKGND:
      if (FTransparent && FPaintClientArea) {
        PaintParentBackground(this, reinterpret_cast<HDC>(Message.WParam), true);
        Message.Result = 1;
        return;
      }
      TCustomPanel::Dispatch(Message);
      return;
    case WM_THEMECHANGED:
      TCustomPanel::Dispatch(Message);
      SetXpColorScheme(ProbeXpColorScheme());
      return;
    case CM_ENABLEDCHANGED:
      TCustomPanel::Dispatch(Message);
      UpdateChildrenEnabled();
      return;
    case CM_CONTROLLISTCHANGE:
      // A child that leaves takes its recorded state with it.
      if (!Message.LParam) {
        auto* child = reinterpret_cast<TControl*>(Message.WParam);
        std::erase_if(FEnabledList, [child](auto& e) { return e.first == child; });
      }
      TCustomPanel::Dispatch(Message);
      return;
    default:
      if (!DispatchMouseHover(this, Message, OnMouseEnter, OnMouseLeave,
                              [this](TMessage& M) { TCustomPanel::Dispatch(M); }))
        TCustomPanel::Dispatch(Message);
      return;
  }
}

// --- Obsolete properties ------------------------------------------------------------------
void TRzCustomPanel::DefineProperties(TFiler* Filer) {
  TCustomPanel::DefineProperties(Filer);
  Filer->DefineProperty(L"FrameSides", OldPropReader().SetReader(), nullptr, false);
  Filer->DefineProperty(L"ThemeAware", OldPropReader().BooleanReader(), nullptr, false);
  Filer->DefineProperty(L"UseGradients", TReaderProc(this, &TRzCustomPanel::ReadUseGradients), nullptr, false);
}

void TRzCustomPanel::ReadUseGradients(TReader* Reader) {
  if (Reader->ReadBoolean()) SetVisualStyle(vsGradient);
}
