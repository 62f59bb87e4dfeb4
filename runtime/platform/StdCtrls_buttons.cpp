// Push buttons, check boxes and radio buttons over the system BUTTON class.
// The system only reports clicks (BN_CLICKED, reflected as CN_COMMAND); the
// check state is kept here and pushed into the window, so it survives a new
// window and is right before there is one.
#include "StdCtrls.h"

namespace {
// The caption side of a check box or radio button.
DWORD CaptionSideStyle(TLeftRight Alignment) { return Alignment == taLeftJustify ? BS_LEFTTEXT : 0; }

constexpr DWORD ButtonTypeMask = 0x0F;
}  // namespace

// --- TButtonControl --------------------------------------------------------------------
// The system button tracks the mouse itself: the runtime neither captures it
// nor makes clicks from mouse messages.
TButtonControl::TButtonControl(TComponent* AOwner) : TWinControl(AOwner) {
  FControlStyle = TControlStyle{csSetCaption, csDoubleClicks};
}

void TButtonControl::SetWordWrap(bool Value) {
  if (FWordWrap == Value) return;
  FWordWrap = Value;
  RecreateWnd();
}

void TButtonControl::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  CreateSubClass(Params, L"BUTTON");
  if (FWordWrap) Params.Style |= BS_MULTILINE;
}

void TButtonControl::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CN_CTLCOLORBTN:
    case CN_CTLCOLORSTATIC: CNCtlColor(Message); return;
    default: TWinControl::Dispatch(Message); return;
  }
}

void TButtonControl::CNCtlColor(TMessage& Message) {
  const HDC dc = reinterpret_cast<HDC>(Message.WParam);
  SetBkMode(dc, TRANSPARENT);
  DefaultHandler(Message);
}

// --- TButton -----------------------------------------------------------------------------
TButton::TButton(TComponent* AOwner) : TButtonControl(AOwner) {
  SetBounds(0, 0, 75, 25);
  SetTabStop(true);
}

void TButton::SetDefault(bool Value) {
  if (FDefault == Value) return;
  FDefault = Value;
  if (!HandleAllocated()) return;
  // Re-evaluate the look against the control that has the focus now.
  TWinControl* focused = nullptr;
  if (auto* top = dynamic_cast<TWinControl*>(RootControl())) focused = top->ActiveControl();
  TMessage m = MakeMessage(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(focused));
  CMFocusChanged(m);
}

void TButton::Click() {
  if (FModalResult != mrNone) {
    if (TCustomForm* form = GetParentForm(this)) form->SetModalResult(FModalResult);
  }
  TButtonControl::Click();
}

bool TButton::IsOwnerDrawn() {
  return HandleAllocated() && (GetWindowLongPtrW(Handle(), GWL_STYLE) & ButtonTypeMask) == BS_OWNERDRAW;
}

void TButton::SetButtonStyle(bool ADefault) {
  const bool changed = FActive != ADefault;
  FActive = ADefault;
  if (!HandleAllocated()) return;
  if (IsOwnerDrawn()) {
    // BS_DEFPUSHBUTTON would overwrite BS_OWNERDRAW: the drawing shows it instead.
    if (changed) Invalidate();
    return;
  }
  const DWORD style = ADefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
  if ((GetWindowLongPtrW(Handle(), GWL_STYLE) & ButtonTypeMask) != style)
    SendMessageW(Handle(), BM_SETSTYLE, style, TRUE);
}

void TButton::CreateParams(TCreateParams& Params) {
  TButtonControl::CreateParams(Params);
  Params.Style |= FDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void TButton::CreateWnd() {
  TButtonControl::CreateWnd();
  FActive = FDefault;
}

void TButton::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CN_COMMAND: CNCommand(Message); return;
    case CN_DRAWITEM: CNDrawItem(Message); return;
    case CM_DIALOGKEY: CMDialogKey(Message); return;
    case CM_DIALOGCHAR: CMDialogChar(Message); return;
    case CM_FOCUSCHANGED: CMFocusChanged(Message); return;
    default: TButtonControl::Dispatch(Message); return;
  }
}

void TButton::CNCommand(TMessage& Message) {
  if (HIWORD(Message.WParam) == BN_CLICKED) Click();
  Message.Result = 0;
}

void TButton::CNDrawItem(TMessage& Message) {
  auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(Message.LParam);
  if (dis && !ComponentState().Contains(csDestroying)) DrawItem(*dis);
  Message.Result = 1;
}

// A plain push button: raised or pressed face, the default frame, the
// caption, and the focus rectangle.
void TButton::DrawItem(const DRAWITEMSTRUCT& DrawItemStruct) {
  const HDC dc = DrawItemStruct.hDC;
  RECT r = DrawItemStruct.rcItem;
  const bool pressed = DrawItemStruct.itemState & ODS_SELECTED;
  const bool focused = DrawItemStruct.itemState & ODS_FOCUS;
  const bool disabled = DrawItemStruct.itemState & ODS_DISABLED;
  if (FActive || focused) {
    FrameRect(dc, &r, GetSysColorBrush(COLOR_WINDOWFRAME));
    InflateRect(&r, -1, -1);
  }
  DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
  RECT text = r;
  InflateRect(&text, -2, -2);
  if (pressed) OffsetRect(&text, 1, 1);
  const String caption = Caption();
  const UINT flags = DT_CENTER | (WordWrap() ? DT_WORDBREAK : (DT_VCENTER | DT_SINGLELINE));
  const HGDIOBJ oldFont = SelectObject(dc, Font()->Handle());
  SetBkMode(dc, TRANSPARENT);
  if (WordWrap()) {
    // Centre the wrapped block vertically.
    RECT calc = text;
    DrawTextW(dc, caption.c_str(), int(caption.size()), &calc, flags | DT_CALCRECT);
    OffsetRect(&text, 0, ((text.bottom - text.top) - (calc.bottom - calc.top)) / 2);
  }
  vamire_stdctrls::DrawStateText(dc, caption, text, flags, !disabled, Font()->Color());
  SelectObject(dc, oldFont);
  if (focused) {
    RECT f = r;
    InflateRect(&f, -3, -3);
    DrawFocusRect(dc, &f);
  }
}

// Enter goes to the button that looks like the default one, Esc to a Cancel
// button; only unmodified keys count.
void TButton::CMDialogKey(TMessage& Message) {
  const WPARAM key = Message.WParam;
  if (((key == VK_RETURN && FActive) || (key == VK_ESCAPE && FCancel)) &&
      KeyDataToShiftState(Message.LParam).Empty() && CanFocus() && Visible()) {
    Click();
    Message.Result = 1;
    return;
  }
  TButtonControl::Dispatch(Message);
}

void TButton::CMDialogChar(TMessage& Message) {
  if (IsAccel(Message.WParam, Caption()) && CanFocus() && Visible()) {
    Click();
    Message.Result = 1;
    return;
  }
  TButtonControl::Dispatch(Message);
}

// While another button has the focus, that one takes Enter; otherwise the
// Default button does.
void TButton::CMFocusChanged(TMessage& Message) {
  auto* focused = reinterpret_cast<TWinControl*>(Message.LParam);
  if (dynamic_cast<TButton*>(focused))
    SetButtonStyle(focused == this);
  else
    SetButtonStyle(FDefault);
  TButtonControl::Dispatch(Message);
}

// --- TCustomCheckBox ---------------------------------------------------------------------
TCustomCheckBox::TCustomCheckBox(TComponent* AOwner) : TButtonControl(AOwner) {
  SetBounds(0, 0, 97, 17);
  SetTabStop(true);
}

void TCustomCheckBox::SetAlignment(TLeftRight Value) {
  if (FAlignment == Value) return;
  FAlignment = Value;
  RecreateWnd();
}

void TCustomCheckBox::SetState(TCheckBoxState Value) {
  if (FState == Value) return;
  FState = Value;
  if (HandleAllocated()) SendMessageW(Handle(), BM_SETCHECK, WPARAM(FState), 0);
  if (!ClicksDisabled()) Click();
}

void TCustomCheckBox::SetChecked(bool Value) { SetState(Value ? cbChecked : cbUnchecked); }

void TCustomCheckBox::Toggle() {
  switch (FState) {
    case cbUnchecked: SetState(cbChecked); break;
    case cbChecked: SetState(FAllowGrayed ? cbGrayed : cbUnchecked); break;
    case cbGrayed: SetState(cbUnchecked); break;
  }
}

void TCustomCheckBox::CreateParams(TCreateParams& Params) {
  TButtonControl::CreateParams(Params);
  Params.Style |= BS_3STATE | CaptionSideStyle(FAlignment);
}

void TCustomCheckBox::CreateWnd() {
  TButtonControl::CreateWnd();
  SendMessageW(Handle(), BM_SETCHECK, WPARAM(FState), 0);
}

void TCustomCheckBox::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CN_COMMAND: CNCommand(Message); return;
    case CM_DIALOGCHAR: CMDialogChar(Message); return;
    default: TButtonControl::Dispatch(Message); return;
  }
}

void TCustomCheckBox::CNCommand(TMessage& Message) {
  if (HIWORD(Message.WParam) == BN_CLICKED) Toggle();
  Message.Result = 0;
}

void TCustomCheckBox::CMDialogChar(TMessage& Message) {
  if (IsAccel(Message.WParam, Caption()) && CanFocus() && Visible()) {
    SetFocus();
    if (Focused()) Toggle();
    Message.Result = 1;
    return;
  }
  TButtonControl::Dispatch(Message);
}

// --- TRadioButton ------------------------------------------------------------------------
TRadioButton::TRadioButton(TComponent* AOwner) : TButtonControl(AOwner) { SetBounds(0, 0, 113, 17); }

void TRadioButton::SetAlignment(TLeftRight Value) {
  if (FAlignment == Value) return;
  FAlignment = Value;
  RecreateWnd();
}

// Only the checked button of a group is a tab stop, so Tab enters the group
// at its choice.
void TRadioButton::SetChecked(bool Value) {
  if (FChecked == Value) return;
  FChecked = Value;
  SetTabStop(Value);
  if (HandleAllocated()) SendMessageW(Handle(), BM_SETCHECK, Value ? BST_CHECKED : BST_UNCHECKED, 0);
  if (!Value) return;
  if (TWinControl* parent = Parent()) {
    for (int i = 0; i < parent->ControlCount(); ++i) {
      auto* sibling = dynamic_cast<TRadioButton*>(parent->Controls(i));
      if (sibling && sibling != this) sibling->SetChecked(false);
    }
  }
  if (!ClicksDisabled()) Click();
}

void TRadioButton::CreateParams(TCreateParams& Params) {
  TButtonControl::CreateParams(Params);
  Params.Style |= BS_RADIOBUTTON | CaptionSideStyle(FAlignment);
}

void TRadioButton::CreateWnd() {
  TButtonControl::CreateWnd();
  SendMessageW(Handle(), BM_SETCHECK, FChecked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TRadioButton::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CN_COMMAND: CNCommand(Message); return;
    case CM_DIALOGCHAR: CMDialogChar(Message); return;
    default: TButtonControl::Dispatch(Message); return;
  }
}

void TRadioButton::CNCommand(TMessage& Message) {
  switch (HIWORD(Message.WParam)) {
    case BN_CLICKED: SetChecked(true); break;
    case BN_DOUBLECLICKED: DblClick(); break;
  }
  Message.Result = 0;
}

void TRadioButton::CMDialogChar(TMessage& Message) {
  if (IsAccel(Message.WParam, Caption()) && CanFocus() && Visible()) {
    SetFocus();
    if (Focused()) SetChecked(true);
    Message.Result = 1;
    return;
  }
  TButtonControl::Dispatch(Message);
}
