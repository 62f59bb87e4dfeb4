// TcxCustomButton: state, mouse and keyboard, drop-down menus and messages.
// Painting is in cxButtons_paint.cpp.
#include "cxButtons_win.h"

#include "cxControlsBase.h"
#include "cxLookAndFeelPainters_native_win.h"
#include "cxMessages.h"

namespace {
void SystemMenuPopup(TPopupMenu* AMenu, int X, int Y) { AMenu->Popup(X, Y); }
TcxButtonMenuPopupProc GMenuPopupProc = &SystemMenuPopup;

bool PointIn(const TRect& R, int X, int Y) { return X >= R.Left && X < R.Right && Y >= R.Top && Y < R.Bottom; }
}  // namespace

TcxButtonMenuPopupProc SetButtonMenuPopupProc(TcxButtonMenuPopupProc AProc) {
  const TcxButtonMenuPopupProc previous = GMenuPopupProc;
  GMenuPopupProc = AProc ? AProc : &SystemMenuPopup;
  return previous;
}

TcxCustomButton::TcxCustomButton(TComponent* AOwner) : TButton(AOwner) {
  FGlyph.reset(new TcxButtonGlyph(this));
  FGlyph->OnChange = TNotifyEvent(this, &TcxCustomButton::OptionsChanged);
  FColors.reset(new TcxButtonColors(this));
  FColors->OnChanged = TNotifyEvent(this, &TcxCustomButton::OptionsChanged);
  FPaintCanvas.reset(new TCanvas());
  FCanvas.reset(new TcxCanvas(FPaintCanvas.get()));
  FLookAndFeel.reset(new TcxLookAndFeel(this));
  FLookAndFeel->OnChanged = TcxLookAndFeelChangedEvent(this, &TcxCustomButton::LookAndFeelChanged);
  FSpeedButtonOptions.reset(new TcxSpeedButtonOptions(this));
  SetDoubleBuffered(true);
  FControlStyle.Include(csOpaque);
  FControlStyle.Include(csReflector);
}

TcxCustomButton::~TcxCustomButton() {
  InvalidateObjectLinks(this);
  Destroying();
  StopMouseTracking(this);
  // The window goes first, so no message reaches the parts freed below.
  if (HandleAllocated()) DestroyHandle();
  if (FDropDownMenu) FDropDownMenu->RemoveFreeNotification(this);
  if (FPopupMenu) FPopupMenu->RemoveFreeNotification(this);
  FSpeedButtonOptions.reset();
  FLookAndFeel.reset();
  FColors.reset();
  FGlyph.reset();
}

bool TcxCustomButton::GetInterface(const TGUID& iid, void** obj) {
  return InterfaceTable<IcxLookAndFeelOwner, IcxMouseTrackingCaller>(this, iid, obj) ||
         inherited::GetInterface(iid, obj);
}

// --- Properties ---------------------------------------------------------------------------
void TcxCustomButton::SetDropDownMenu(TPopupMenu* Value) {
  if (FDropDownMenu == Value) return;
  if (FDropDownMenu) FDropDownMenu->RemoveFreeNotification(this);
  FDropDownMenu = Value;
  if (FDropDownMenu) FDropDownMenu->FreeNotification(this);
}

void TcxCustomButton::SetKind(TcxButtonKind Value) {
  if (FKind == Value) return;
  FKind = Value;
  if (HandleAllocated()) RecreateWnd();
}

void TcxCustomButton::SetLayout(TButtonLayout Value) {
  if (FLayout == Value) return;
  FLayout = Value;
  Invalidate();
}

void TcxCustomButton::SetMargin(int Value) {
  if (Value < -1 || Value == FMargin) return;
  FMargin = Value;
  Invalidate();
}

void TcxCustomButton::SetPaintStyle(TcxButtonPaintStyle Value) {
  if (FPaintStyle == Value) return;
  FPaintStyle = Value;
  Invalidate();
}

void TcxCustomButton::SetSpacing(int Value) {
  if (FSpacing == Value) return;
  FSpacing = Value;
  Invalidate();
}

void TcxCustomButton::SetPopupMenu(TComponent* Value) { SetPopupMenuLink(this, FPopupMenu, Value); }

void TcxCustomButton::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FDropDownMenu) FDropDownMenu = nullptr;
  if (AComponent == FPopupMenu) FPopupMenu = nullptr;
}

void TcxCustomButton::OptionsChanged(TObject* /*Sender*/) { Invalidate(); }

void TcxCustomButton::LookAndFeelChanged(TcxLookAndFeel* /*Sender*/, TcxLookAndFeelValues /*AChangedValues*/) {
  if (FUseSystemPaint && HandleAllocated())
    RecreateWnd();
  else
    Invalidate();
}

void TcxCustomButton::Loaded() {
  inherited::Loaded();
  Invalidate();
}

// --- State --------------------------------------------------------------------------------
TcxCustomLookAndFeelPainterClass TcxCustomButton::GetPainter() {
  if (TcxCustomLookAndFeelPainterClass skin = FLookAndFeel->CurrentSkinPainter()) return skin;
  TcxCustomLookAndFeelPainterClass painter = FLookAndFeel->Painter();
  // The Office11 look draws no buttons of its own: the system's themed
  // button where themes work, else the standard one (D-81).
  if (painter->GetPainterStyle() == lfsOffice11)
    return CanUseThemeKind(totButton) ? TcxWinXPLookAndFeelPainter::Instance()
                                      : TcxStandardLookAndFeelPainter::Instance();
  return painter;
}

TcxButtonState TcxCustomButton::GetButtonState() {
  if (!Enabled()) return cxbsDisabled;
  if (FIsPressedLook) return cxbsPressed;
  if (FHot && GetPainter()->HasHotScrollBarParts()) return cxbsHot;
  return FIsDefaultLook ? cxbsDefault : cxbsNormal;
}

TRect TcxCustomButton::GetArrowPartBounds() {
  const TRect r = ClientRect();
  switch (FKind) {
    case cxbkDropDown: return r;
    case cxbkDropDownButton: return TRect{r.Right - cxDropDownButtonArrowWidth, r.Top, r.Right, r.Bottom};
    default: return TRect{};
  }
}

TSize TcxCustomButton::GetOptimalSize() {
  String caption = RemoveAcceleratorsW(Caption(), false);
  if (caption.empty()) caption = L" ";
  const int width = FontTextWidth(Font(), caption) + 3 * FontTextWidth(Font(), L"R");
  return TSize{width, MulDiv(FontTextHeight(Font(), L"Wg"), 14, 8)};
}

bool TcxCustomButton::CanFocus() { return inherited::CanFocus() && (CanBeFocused() || IsDesigning()); }

bool TcxCustomButton::IsMouseInside() {
  if (!HandleAllocated()) return false;
  POINT p;
  GetCursorPos(&p);
  return WindowFromPoint(p) == Handle();
}

// --- Window -------------------------------------------------------------------------------
void TcxCustomButton::CreateParams(TCreateParams& Params) {
  inherited::CreateParams(Params);
  Params.Style = (Params.Style & ~DWORD(BS_TYPEMASK)) | BS_OWNERDRAW;
}

void TcxCustomButton::CreateHandle() {
  inherited::CreateHandle();
  FGlyph->PrepareStateImage(Enabled() ? cxbsNormal : cxbsDisabled);
}

void TcxCustomButton::DestroyWindowHandle() {
  if (FMenuShown) Perform(CXM_BUTTONCLOSEUP);
  inherited::DestroyWindowHandle();
}

void TcxCustomButton::SetButtonStyle(bool ADefault) {
  inherited::SetButtonStyle(ADefault);
  if (FIsActiveDefault == ADefault) return;
  FIsActiveDefault = ADefault;
  Invalidate();
}

void TcxCustomButton::WndProc(TMessage& Message) {
  const UINT msg = Message.Msg;
  // A button that never takes the focus presses on its own: the system
  // button would focus it and show its own pressed look.
  if ((msg == WM_LBUTTONDOWN || msg == WM_LBUTTONDBLCLK) && !CanBeFocused() && !IsDesigning()) {
    const TWMMouse m{Message};
    if (msg == WM_LBUTTONDOWN)
      MouseDown(mbLeft, KeysToShiftState(Message.WParam), m.XPos(), m.YPos());
    else
      DblClick();
    Message.Result = 0;
    return;
  }
  inherited::WndProc(Message);
}

void TcxCustomButton::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_LBUTTONDBLCLK:
      Message.Msg = WM_LBUTTONDOWN;
      inherited::Dispatch(Message);
      return;
    case WM_ERASEBKGND: Message.Result = 1; return;
    case CN_MEASUREITEM: {
      auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(Message.LParam);
      if (mis) {
        mis->itemWidth = UINT(Width());
        mis->itemHeight = UINT(Height());
      }
      Message.Result = 1;
      return;
    }
    case CN_COMMAND:
      // A press that began on the arrow part opened the menu: it is no click.
      if (FKind == cxbkDropDownButton && HIWORD(Message.WParam) == BN_CLICKED && FArrowPartPressed) {
        Message.Result = 0;
        return;
      }
      break;
    case CN_KEYDOWN:
    case CN_SYSKEYDOWN:
      if (IsPopupMenuShortCut(FPopupMenu, Message)) {
        Message.Result = 1;
        return;
      }
      break;
    case CM_DIALOGCHAR:
      if (IsAccel(Message.WParam, Caption()) && CanFocus()) {
        FAcceleratorClick = true;
        try {
          Click();
        } catch (...) {
          FAcceleratorClick = false;
          throw;
        }
        FAcceleratorClick = false;
        Message.Result = 1;
        return;
      }
      break;
    case CM_BUTTONPRESSED: ButtonPressed(Message); return;
    case CM_MOUSEENTER:
      inherited::Dispatch(Message);
      if (!IsDesigning()) {
        DoMouseEnter();
        MouseEnterStep();
      }
      return;
    case CM_MOUSELEAVE:
      inherited::Dispatch(Message);
      if (!IsDesigning()) {
        DoMouseLeave();
        MouseLeaveStep();
      }
      return;
    case CM_ENABLEDCHANGED:
      inherited::Dispatch(Message);
      if (!Enabled()) FHot = false;
      Invalidate();
      return;
    case CM_FONTCHANGED:
    case CM_TEXTCHANGED:
      inherited::Dispatch(Message);
      Invalidate();
      return;
    case WM_CAPTURECHANGED:
      DefaultHandler(Message);
      if (!IsDesigning() && !IsMouseInside()) {
        FHot = FMainPartPressed = FArrowPartPressed = false;
        Invalidate();
      }
      return;
    case WM_WINDOWPOSCHANGED:
      inherited::Dispatch(Message);
      // A transparent button shows its parent, which moved under it.
      if (FSpeedButtonOptions->Transparent() && !CanBeFocused()) Invalidate();
      return;
    case CXM_BUTTONDROPDOWN: HandleMenuDropDown(); return;
    case CXM_BUTTONCLOSEUP: HandleMenuCloseUp(); return;
    default: break;
  }
  inherited::Dispatch(Message);
}

void TcxCustomButton::ButtonPressed(TMessage& Message) {
  auto* sender = reinterpret_cast<TcxCustomButton*>(Message.LParam);
  const int group = int(Message.WParam);
  if (!sender || sender == this || !IsSpeedButton() || group == 0 || GroupIndex() != group) return;
  FSpeedButtonOptions->SynchronizeFrom(sender);
}

// --- Mouse and keyboard -------------------------------------------------------------------
void TcxCustomButton::DoMouseEnter() {
  if (OnMouseEnter) OnMouseEnter(this);
}

void TcxCustomButton::DoMouseLeave() {
  if (OnMouseLeave) OnMouseLeave(this);
}

void TcxCustomButton::MouseEnterStep() {
  StartMouseTracking(this, TRect{0, 0, Width(), Height()}, this);
  if (FHot) return;
  FHot = true;
  if (Enabled()) Repaint();
}

void TcxCustomButton::MouseLeaveStep() {
  StopMouseTracking(this);
  if (!FHot) return;
  FHot = false;
  if (Enabled()) Invalidate();
}

void TcxCustomButton::MarkPressedPart(int X, int Y) {
  if (PointIn(GetArrowPartBounds(), X, Y))
    FArrowPartPressed = true;
  else
    FMainPartPressed = true;
}

void TcxCustomButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (!CanBeFocused() && HandleAllocated()) SetCapture(Handle());
  inherited::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  MarkPressedPart(X, Y);
  if (FKind == cxbkDropDownButton && FArrowPartPressed) DropDown();
  Invalidate();
}

void TcxCustomButton::MouseMove(TShiftState Shift, int X, int Y) {
  inherited::MouseMove(Shift, X, Y);
  if (PointIn(ClientRect(), X, Y))
    MouseEnterStep();
  else if (FHot)
    MouseLeaveStep();
}

void TcxCustomButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  const bool toggle = !CanBeFocused() && Button == mbLeft && PointIn(ClientRect(), X, Y) &&
                      (FMainPartPressed || (FArrowPartPressed && FKind == cxbkDropDown));
  if (toggle) SetDown(!FDown);
  inherited::MouseUp(Button, Shift, X, Y);
  FMainPartPressed = FArrowPartPressed = false;
  if (!CanBeFocused() && HandleAllocated() && GetCapture() == Handle()) ReleaseCapture();
  if (toggle) Click();
  Invalidate();
  if (!FMenuShown) FIgnoreNextDropDown = false;
}

void TcxCustomButton::DblClick() {
  if (!CanBeFocused() && HandleAllocated()) SetCapture(Handle());
  if (GroupIndex() != 0) inherited::DblClick();
  if (HandleAllocated()) {
    POINT p;
    GetCursorPos(&p);
    ::ScreenToClient(Handle(), &p);
    MarkPressedPart(p.x, p.y);
  }
  Invalidate();
}

void TcxCustomButton::Click() {
  if (CanBeFocused() && (FMainPartPressed || !FArrowPartPressed) && !FAcceleratorClick) SetDown(!FDown);
  if (FKind == cxbkDropDown)
    DropDown();
  else
    inherited::Click();
}

void TcxCustomButton::KeyDown(uint16_t& Key, TShiftState Shift) {
  if (FKind == cxbkDropDownButton && (Key == VK_UP || Key == VK_DOWN) &&
      (Shift.Contains(ssAlt) || Shift.Contains(ssShift))) {
    if (!FMenuShown) DropDown();
    Key = 0;
    return;
  }
  inherited::KeyDown(Key, Shift);
}

bool TcxCustomButton::DoShowPopupMenu(TComponent* APopupMenu, int X, int Y) {
  return ShowPopupMenu(this, APopupMenu, X, Y);
}

void TcxCustomButton::DoContextPopup(TPoint MousePos, bool& Handled) {
  inherited::DoContextPopup(MousePos, Handled);
  if (Handled) return;
  if (MousePos.X == -1 && MousePos.Y == -1) MousePos = TPoint{0, 0};
  const TPoint p = ClientToScreen(MousePos);
  Handled = DoShowPopupMenu(FPopupMenu, p.X, p.Y);
}

// --- Drop-down menu -----------------------------------------------------------------------
bool TcxCustomButton::DoDropDownMenuPopup(TPopupMenu*& APopupMenu) {
  bool handled = false;
  if (OnDropDownMenuPopup) OnDropDownMenuPopup(this, APopupMenu, handled);
  return handled;
}

void TcxCustomButton::DropDown() {
  if (FMenuShown || FIgnoreNextDropDown || !HandleAllocated()) return;
  PostMessageW(Handle(), CXM_BUTTONDROPDOWN, 0, 0);
}

TPoint TcxCustomButton::CalcMenuPosition(int AMenuHeight) {
  TPoint p{0, Height()};
  if (FPopupAlignment == paRight)
    p.X = Width();
  else if (FPopupAlignment == paCenter)
    p.X = Width() / 2;
  p = ClientToScreen(p);
  // No room below: the menu opens above the button with a 2-pixel gap.
  if (cxWorkAreaAt(p).Bottom < p.Y + AMenuHeight) p.Y -= AMenuHeight + Height() + 2;
  return p;
}

void TcxCustomButton::HandleMenuDropDown() {
  if (FKind == cxbkStandard) return;
  TPopupMenu* menu = FDropDownMenu;
  if (DoDropDownMenuPopup(menu) || !menu) return;
  FArrowPartPressed = false;
  FMenuShown = true;
  FIgnoreNextDropDown = false;
  Repaint();
  const TPoint p = CalcMenuPosition(CalcPopupMenuHeight(menu));
  const TPopupAlignment saved = menu->Alignment();
  const TRect area = cxWorkAreaAt(p);
  menu->SetAlignment(p.X <= area.Left ? paRight : p.X >= area.Right ? paLeft : FPopupAlignment);
  menu->SetPopupComponent(this);
  // The menu may be freed while it is open: only a menu still held gets its alignment back.
  menu->FreeNotification(this);
  TcxObjectLink* self = CreateObjectLink(this);
  try {
    GMenuPopupProc(menu, p.X, p.Y);
  } catch (...) {
    FreeObjectLink(self);
    throw;
  }
  const bool alive = self->Target() != nullptr;
  FreeObjectLink(self);
  // A handler of the menu may have freed the button.
  if (!alive) return;
  if (menu == FDropDownMenu) menu->SetAlignment(saved);
  if (HandleAllocated()) PostMessageW(Handle(), CXM_BUTTONCLOSEUP, 0, 0);
}

void TcxCustomButton::HandleMenuCloseUp() {
  bool ignore = FArrowPartPressed;
  MSG msg;
  // The press that closed the menu waits in the queue: on the arrow part it must not reopen it.
  if (!ignore && HandleAllocated() &&
      PeekMessageW(&msg, Handle(), WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, PM_NOREMOVE) &&
      (msg.message == WM_LBUTTONDOWN || msg.message == WM_LBUTTONDBLCLK))
    ignore = PointIn(GetArrowPartBounds(), short(LOWORD(msg.lParam)), short(HIWORD(msg.lParam)));
  FIgnoreNextDropDown = ignore;
  FMenuShown = false;
  Repaint();
}
