// The memo's EDIT and the helper that answers the inner-edit interfaces for it.
// The EDIT lets text in only as the editor allows: a replaced selection with
// its line breaks put in the EDIT's form, a cleared selection through the
// editor, and any text set on the window straight into the editor's value.
#include "cxContainer_win.h"
#include "cxControls_internal.h"
#include "cxMemo_win.h"

namespace {

bool IsComponentDestroying(const TComponent* AComponent) {
  return AComponent->ComponentState().Contains(csDestroying);
}

// Raised for the life of the scope, lowered again also on failure.
struct TCountScope {
  explicit TCountScope(int& ACount) : Count(ACount) { ++Count; }
  ~TCountScope() { --Count; }
  int& Count;
};

}  // namespace

// --- Helper -----------------------------------------------------------------------------------
TcxCustomInnerMemoHelper::TcxCustomInnerMemoHelper(TcxCustomInnerMemo* AMemo)
    : TcxInterfacedPersistent(nullptr), InnerControl(AMemo) {}

bool TcxCustomInnerMemoHelper::GetInterface(const TGUID& iid, void** obj) {
  return InterfaceTable<IcxContainerInnerControl, IcxInnerMemo>(this, iid, obj) ||
         InterfaceTable<IcxInnerTextEdit, IcxCustomInnerEdit>(static_cast<IcxInnerMemo*>(this), iid, obj) ||
         inherited::GetInterface(iid, obj);
}

TWinControl* TcxCustomInnerMemoHelper::GetControl() { return InnerControl; }
TcxContainer* TcxCustomInnerMemoHelper::GetControlContainer() { return OwnerEditor(); }
TWinControl* TcxCustomInnerMemoHelper::InnerWindowControl() { return InnerControl; }
TcxCustomEdit* TcxCustomInnerMemoHelper::OwnerEditor() { return dynamic_cast<TcxCustomEdit*>(InnerControl->Owner()); }

LRESULT TcxCustomInnerMemoHelper::PassToOriginalWndProc(UINT AMsg, WPARAM AWParam, LPARAM ALParam) {
  if (!InnerControl->HandleAllocated() || !InnerControl->DefWndProc()) return 0;
  return CallWindowProcW(InnerControl->DefWndProc(), InnerControl->Handle(), AMsg, AWParam, ALParam);
}

// The window's text: the line list's text would end in a line break the memo does not hold.
Variant TcxCustomInnerMemoHelper::ReadValue() { return Variant(InnerControl->Text()); }
TNotifyEvent TcxCustomInnerMemoHelper::ReadChangeEvent() { return InnerControl->OnChange; }
bool TcxCustomInnerMemoHelper::ReadReadOnly() { return InnerControl->ReadOnly(); }

void TcxCustomInnerMemoHelper::LockBoundsChange(bool ALock) {
  if (ALock)
    ++InnerControl->FBoundsLockCount;
  else if (InnerControl->FBoundsLockCount > 0)
    --InnerControl->FBoundsLockCount;
}

void TcxCustomInnerMemoHelper::FocusWithoutAutoSelect() {
  const bool autoSelect = InnerControl->FAutoSelect;
  InnerControl->FAutoSelect = false;
  try {
    InnerControl->SetFocus();
  } catch (...) {
    InnerControl->FAutoSelect = autoSelect;
    throw;
  }
  InnerControl->FAutoSelect = autoSelect;
}

// The editor writing its own value: a pending OnChange fires, OnEditValueChanged does not.
void TcxCustomInnerMemoHelper::WriteValue(const Variant& Value) {
  const String text = VarToStr(Value);
  if (!InnerControl->HandleAllocated()) {
    InnerControl->SetText(text);
    return;
  }
  TcxCustomEdit* editor = OwnerEditor();
  if (editor) editor->LockChangeEvents(true);
  try {
    const TCountScope internal(InnerControl->FInternalTextSettingCount);
    if (editor && editor->IsHosted() && InnerControl->WordWrap()) InnerControl->Lines()->Clear();
    InnerControl->Lines()->SetText(text);
  } catch (...) {
    if (editor) {
      editor->DropPendingEditValueChanged();
      editor->LockChangeEvents(false, true);
    }
    throw;
  }
  if (editor) {
    editor->DropPendingEditValueChanged();
    editor->LockChangeEvents(false, true);
  }
}

void TcxCustomInnerMemoHelper::AttachToParent(TWinControl* AParent) { InnerControl->SetParent(AParent); }
void TcxCustomInnerMemoHelper::WriteChangeEvent(TNotifyEvent Value) { InnerControl->OnChange = Value; }
void TcxCustomInnerMemoHelper::WriteReadOnly(bool Value) { InnerControl->SetReadOnly(Value); }
void TcxCustomInnerMemoHelper::EraseSelectedText() { InnerControl->ClearSelection(); }
void TcxCustomInnerMemoHelper::CopySelectedText() { InnerControl->CopyToClipboard(); }
TAlignment TcxCustomInnerMemoHelper::ReadAlignment() { return InnerControl->Alignment(); }
bool TcxCustomInnerMemoHelper::ReadAutoSelect() { return InnerControl->FAutoSelect; }
TEditCharCase TcxCustomInnerMemoHelper::ReadCharCase() { return InnerControl->CharCase(); }

int TcxCustomInnerMemoHelper::FirstVisibleCharIndex() {
  if (!InnerControl->HandleAllocated()) return 0;
  return LOWORD(SendMessageW(InnerControl->Handle(), EM_CHARFROMPOS, 0, MAKELPARAM(0, 0)));
}

bool TcxCustomInnerMemoHelper::ReadHideSelection() { return InnerControl->HideSelection(); }
TImeMode TcxCustomInnerMemoHelper::ReadImeMode() { return InnerControl->FImeMode; }
String TcxCustomInnerMemoHelper::ReadImeName() { return InnerControl->FImeName; }
bool TcxCustomInnerMemoHelper::ReadKeyEatenByEditor() { return InnerControl->FKeyEatenByEditor; }
int TcxCustomInnerMemoHelper::ReadMaxLength() { return InnerControl->MaxLength(); }
bool TcxCustomInnerMemoHelper::ReadOEMConvert() { return InnerControl->OEMConvert(); }
TNotifyEvent TcxCustomInnerMemoHelper::ReadAfterSetSelEvent() { return InnerControl->OnAfterSetSel; }
int TcxCustomInnerMemoHelper::ReadSelLength() { return InnerControl->SelLength(); }
int TcxCustomInnerMemoHelper::ReadSelStart() { return InnerControl->SelStart(); }
String TcxCustomInnerMemoHelper::ReadSelText() { return InnerControl->SelText(); }

void TcxCustomInnerMemoHelper::SelectAllText() {
  if (InnerControl->HandleAllocated()) InnerControl->SelectAll();
}

void TcxCustomInnerMemoHelper::WriteAlignment(TAlignment Value) { InnerControl->SetAlignment(Value); }
void TcxCustomInnerMemoHelper::WriteAutoSelect(bool Value) { InnerControl->FAutoSelect = Value; }
void TcxCustomInnerMemoHelper::WriteCharCase(TEditCharCase Value) { InnerControl->SetCharCase(Value); }
void TcxCustomInnerMemoHelper::WriteHideSelection(bool Value) { InnerControl->SetHideSelection(Value); }
void TcxCustomInnerMemoHelper::WriteKeyEatenByEditor(bool Value) { InnerControl->FKeyEatenByEditor = Value; }
void TcxCustomInnerMemoHelper::WriteImeMode(TImeMode Value) { InnerControl->FImeMode = Value; }
void TcxCustomInnerMemoHelper::WriteImeName(const String& Value) { InnerControl->FImeName = Value; }
void TcxCustomInnerMemoHelper::WriteMaxLength(int Value) { InnerControl->SetMaxLength(Value); }
void TcxCustomInnerMemoHelper::WriteOEMConvert(bool Value) { InnerControl->SetOEMConvert(Value); }
void TcxCustomInnerMemoHelper::WriteAfterSetSelEvent(TNotifyEvent Value) { InnerControl->OnAfterSetSel = Value; }
void TcxCustomInnerMemoHelper::WriteSelLength(int Value) { InnerControl->SetSelLength(Value); }
void TcxCustomInnerMemoHelper::WriteSelStart(int Value) { InnerControl->SetSelStart(Value); }
void TcxCustomInnerMemoHelper::WriteSelText(const String& Value) { InnerControl->SetSelText(Value); }

TPoint TcxCustomInnerMemoHelper::ReadCaretPos() { return InnerControl->CaretPos(); }
TStrings* TcxCustomInnerMemoHelper::ReadLines() { return InnerControl->Lines(); }
TScrollStyle TcxCustomInnerMemoHelper::ReadScrollBars() { return InnerControl->ScrollBars(); }
bool TcxCustomInnerMemoHelper::ReadWantReturns() { return InnerControl->WantReturns(); }
bool TcxCustomInnerMemoHelper::ReadWantTabs() { return InnerControl->WantTabs(); }
bool TcxCustomInnerMemoHelper::ReadWordWrap() { return InnerControl->WordWrap(); }

void TcxCustomInnerMemoHelper::WriteCaretPos(const TPoint& Value) {
  if (InnerControl->HandleAllocated()) InnerControl->SetCaretPos(Value);
}

// The window is made again on a change; the text survives through Lines.
void TcxCustomInnerMemoHelper::WriteScrollBars(TScrollStyle Value) { InnerControl->SetScrollBars(Value); }
void TcxCustomInnerMemoHelper::WriteWantReturns(bool Value) { InnerControl->SetWantReturns(Value); }
void TcxCustomInnerMemoHelper::WriteWantTabs(bool Value) { InnerControl->SetWantTabs(Value); }
void TcxCustomInnerMemoHelper::WriteWordWrap(bool Value) { InnerControl->SetWordWrap(Value); }

// --- Inner memo: life -------------------------------------------------------------------------
TcxCustomInnerMemo::TcxCustomInnerMemo(TComponent* AOwner) : TCustomMemo(AOwner) {
  FConstructing = true;
  if (!ComponentState().Contains(csDesigning)) SetCursor(crIBeam);
  FControlStyle.Include(csDoubleClicks);
  SetParentColor(true);
  SetParentFont(true);
  FImplementor = new TcxCustomInnerMemoHelper(this);
  FKeyEatenByEditor = false;
  FConstructing = false;
}

TcxCustomInnerMemo::~TcxCustomInnerMemo() {
  delete FImplementor;
  FImplementor = nullptr;
  if (HandleAllocated()) DestroyHandle();
}

bool TcxCustomInnerMemo::GetInterface(const TGUID& iid, void** obj) {
  if (FImplementor && (iid == IcxContainerInnerControl::IID || iid == IcxCustomInnerEdit::IID ||
                       iid == IcxInnerTextEdit::IID || iid == IcxInnerMemo::IID))
    return FImplementor->GetInterface(iid, obj);
  return InterfaceTable<IcxWindowEdgeQuery>(this, iid, obj) || inherited::GetInterface(iid, obj);
}

TcxCustomEdit* TcxCustomInnerMemo::Editor() const {
  auto* editor = dynamic_cast<TcxCustomEdit*>(Owner());
  if (!editor || IsComponentDestroying(editor) || IsComponentDestroying(this)) return nullptr;
  return editor;
}

TcxCustomMemo* TcxCustomInnerMemo::MemoEditor() const { return dynamic_cast<TcxCustomMemo*>(Editor()); }

void TcxCustomInnerMemo::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  if (FConstructing || FBoundsLockCount > 0) return;
  TcxCustomEdit* editor = Editor();
  if (!editor) {
    inherited::SetBounds(ALeft, ATop, AWidth, AHeight);
    return;
  }
  editor->LockAlignControls(true);
  try {
    inherited::SetBounds(ALeft, ATop, AWidth, AHeight);
  } catch (...) {
    editor->LockAlignControls(false);
    throw;
  }
  editor->LockAlignControls(false);
}

bool TcxCustomInnerMemo::CanFocus() {
  TcxCustomEdit* editor = Editor();
  return editor ? editor->CanFocus() : inherited::CanFocus();
}

// --- Window -----------------------------------------------------------------------------------
void TcxCustomInnerMemo::CreateParams(TCreateParams& Params) {
  inherited::CreateParams(Params);
  Params.WindowClass.style &= ~UINT(CS_VREDRAW);
  if (ScrollBars() == ssHorizontal || ScrollBars() == ssBoth || !WordWrap())
    Params.WindowClass.style &= ~UINT(CS_HREDRAW);
}

// The text goes in after the window exists, so its WM_SETTEXT reaches the editor's value.
void TcxCustomInnerMemo::CreateWindowHandle(const TCreateParams& Params) {
  {
    const TCountScope internal(FInternalTextSettingCount);
    inherited::CreateWindowHandle(Params);
  }
  if (!HandleAllocated()) return;
  Lines()->SetText(Text());
  if (TcxCustomEdit* editor = Editor()) editor->UpdateScrollBarsFromInner(false);
}

void TcxCustomInnerMemo::CreateHandle() {
  if (TcxCustomEdit* editor = Editor()) editor->ResetInnerControlRegion();
  inherited::CreateHandle();
}

void TcxCustomInnerMemo::DefaultHandler(TMessage& Message) {
  if (Editor() && ContainerHandlesInnerMessage(this, Message)) return;
  inherited::DefaultHandler(Message);
}

void TcxCustomInnerMemo::WndProc(TMessage& Message) {
  TcxCustomEdit* editor = Editor();
  if (editor && editor->ProcessInnerKeyMessage(Message)) return;
  if ((Message.Msg == WM_LBUTTONDOWN || Message.Msg == WM_LBUTTONDBLCLK) && editor &&
      editor->DragMode() == dmAutomatic && !editor->ComponentState().Contains(csDesigning)) {
    editor->BeginDrag(false);
    return;
  }
  inherited::WndProc(Message);
}

// --- Messages ---------------------------------------------------------------------------------
void TcxCustomInnerMemo::Dispatch(TMessage& Message) {
  TcxCustomEdit* editor = Editor();
  switch (Message.Msg) {
    case WM_KEYDOWN: WMKeyDownMessage(Message); return;
    case WM_GETDLGCODE: WMGetDlgCode(Message); return;
    case CN_KEYDOWN: CNKeyDown(Message); return;
    case WM_CLEAR: WMClear(Message); return;
    case EM_REPLACESEL: EMReplaceSel(Message); return;
    case WM_SETTEXT: WMSetText(Message); return;
    case WM_NCPAINT: WMNCPaint(Message); return;
    case WM_IME_COMPOSITION:
      if (editor && !editor->DoEditing()) return;
      inherited::Dispatch(Message);
      return;
    case EM_SETSEL:
      inherited::Dispatch(Message);
      if (OnAfterSetSel) OnAfterSetSel(this);
      return;
    case WM_SETFOCUS: WMSetFocusMessage(Message); return;
    case WM_KILLFOCUS: WMKillFocusMessage(Message); return;
    case WM_SETFONT:
      inherited::Dispatch(Message);
      if (HandleAllocated()) SendMessageW(Handle(), EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
      return;
    case WM_WINDOWPOSCHANGING:
      inherited::Dispatch(Message);
      if (editor) editor->UpdateScrollBarsFromInner(false);
      return;
    case WM_WINDOWPOSCHANGED:
      if (editor) editor->UpdateScrollBarsFromInner(false);
      inherited::Dispatch(Message);
      return;
    case CM_MOUSELEAVE:
      inherited::Dispatch(Message);
      if (editor) RefreshViewStateAtCursor(editor, true);
      return;
    default: inherited::Dispatch(Message); return;
  }
}

// A key the editor left and the EDIT ignored goes to the editor's after-key-down;
// Up and Down never do, so the memo keeps them at its first and last line.
void TcxCustomInnerMemo::WMKeyDownMessage(TMessage& Message) {
  TcxCustomInnerTextEditPrevState state;
  SaveInnerEditState(FImplementor, true, state);
  FKeyEatenByEditor = false;
  inherited::Dispatch(Message);
  TcxCustomEdit* editor = Editor();
  if (!editor || !HandleAllocated()) return;
  PostUpdateScrollBars(editor);
  uint16_t key = uint16_t(Message.WParam);
  if (FKeyEatenByEditor || key == 0 || key == VK_UP || key == VK_DOWN || HasInnerEditStateChanged(FImplementor, state))
    return;
  if (editor->OnAfterKeyDown) {
    editor->OnAfterKeyDown(editor, key, KeyDataToShiftState(Message.LParam));
    Message.WParam = key;
  }
}

void TcxCustomInnerMemo::WMGetDlgCode(TMessage& Message) {
  inherited::Dispatch(Message);
  TcxCustomEdit* editor = Editor();
  if (editor && editor->TakesTabKey() && GetKeyState(VK_CONTROL) >= 0) Message.Result |= DLGC_WANTTAB;
  if (FEscapePressed) Message.Result &= ~LRESULT(DLGC_WANTALLKEYS);
}

// Esc reaches the form's dialog keys (a Cancel button) though the memo wants all keys.
void TcxCustomInnerMemo::CNKeyDown(TMessage& Message) {
  if (Message.WParam != VK_ESCAPE) {
    inherited::Dispatch(Message);
    return;
  }
  FEscapePressed = true;
  try {
    inherited::Dispatch(Message);
  } catch (...) {
    FEscapePressed = false;
    throw;
  }
  FEscapePressed = false;
}

void TcxCustomInnerMemo::WMClear(TMessage& Message) {
  TcxCustomMemo* memo = MemoEditor();
  if (memo && memo->ClearingSelection()) {
    inherited::Dispatch(Message);
    return;
  }
  if (ReadOnly() || !memo) return;
  const TcxCustomEdit::TUserActionScope user(memo, true);
  memo->ClearSelection();
}

void TcxCustomInnerMemo::EMReplaceSel(TMessage& Message) {
  TcxCustomEdit* editor = Editor();
  if (editor && editor->Focused() && !editor->DoEditing() && !ReadOnly()) return;
  const auto* original = reinterpret_cast<const wchar_t*>(Message.LParam);
  const String converted = ConvertMemoLineBreaks(original ? String(original) : String());
  Message.LParam = reinterpret_cast<LPARAM>(converted.c_str());
  try {
    inherited::Dispatch(Message);
  } catch (...) {
    Message.LParam = reinterpret_cast<LPARAM>(original);
    throw;
  }
  Message.LParam = reinterpret_cast<LPARAM>(original);
  auto* textEditor = dynamic_cast<TcxCustomTextEdit*>(editor);
  if (textEditor && !textEditor->SettingTextInternally()) textEditor->UpdateValueFromDisplay();
}

void TcxCustomInnerMemo::WMSetText(TMessage& Message) {
  inherited::Dispatch(Message);
  if (FInternalTextSettingCount > 0) return;
  TcxCustomEdit* editor = Editor();
  if (!editor) return;
  const TCountScope internal(FInternalTextSettingCount);
  const auto* text = reinterpret_cast<const wchar_t*>(Message.LParam);
  editor->AssignEditValueWithClick(Variant(text ? String(text) : String()));
}

TRect TcxCustomInnerMemo::GetScrollBarsCornerRect() {
  if (!HandleAllocated() || IsComponentDestroying(this)) return TRect{};
  auto barRect = [this](LONG AObject, TRect& R) {
    SCROLLBARINFO info{};
    info.cbSize = sizeof(info);
    if (!GetScrollBarInfoSafe(Handle(), AObject, info)) return false;
    if (info.rgstate[0] & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN)) return false;
    POINT a{info.rcScrollBar.left, info.rcScrollBar.top}, b{info.rcScrollBar.right, info.rcScrollBar.bottom};
    ::ScreenToClient(Handle(), &a);
    ::ScreenToClient(Handle(), &b);
    R = TRect{a.x + 2, a.y + 2, b.x + 2, b.y + 2};
    return true;
  };
  TRect h, v;
  if (!barRect(OBJID_HSCROLL, h) || !barRect(OBJID_VSCROLL, v)) return TRect{};
  return TRect{v.Left, h.Top, v.Right, h.Bottom};
}

// The editor's mirrored bars stand where the native ones are: those are not drawn.
void TcxCustomInnerMemo::WMNCPaint(TMessage& Message) {
  if (!IsGetScrollBarInfoAvailable() || !HandleAllocated()) {
    inherited::Dispatch(Message);
    return;
  }
  const LONG style = GetWindowLongW(Handle(), GWL_STYLE);
  SetWindowLongW(Handle(), GWL_STYLE, style & ~LONG(WS_HSCROLL | WS_VSCROLL));
  try {
    inherited::Dispatch(Message);
  } catch (...) {
    SetWindowLongW(Handle(), GWL_STYLE, style);
    throw;
  }
  LONG restored = GetWindowLongW(Handle(), GWL_STYLE) & ~LONG(WS_HSCROLL | WS_VSCROLL);
  if (ScrollBars() == ssHorizontal || ScrollBars() == ssBoth) restored |= WS_HSCROLL;
  if (ScrollBars() == ssVertical || ScrollBars() == ssBoth) restored |= WS_VSCROLL;
  SetWindowLongW(Handle(), GWL_STYLE, restored);
  if (ScrollBars() == ssBoth)
    if (TcxCustomEdit* editor = Editor()) PaintScrollBarsCorner(editor, GetScrollBarsCornerRect());
}

void TcxCustomInnerMemo::WMSetFocusMessage(TMessage& Message) {
  inherited::Dispatch(Message);
  TcxCustomEdit* editor = Editor();
  if (!editor) return;
  const HWND from = reinterpret_cast<HWND>(Message.WParam);
  if (editor->HandleAllocated() && from == editor->Handle()) return;
  editor->FocusChanged();
}

void TcxCustomInnerMemo::WMKillFocusMessage(TMessage& Message) {
  inherited::Dispatch(Message);
  if (TcxCustomEdit* editor = Editor()) editor->FocusChanged();
}

// --- Forwarding to the editor -----------------------------------------------------------------
void TcxCustomInnerMemo::KeyDown(uint16_t& Key, TShiftState Shift) {
  FKeyEatenByEditor = false;
  if (TcxCustomEdit* editor = Editor()) {
    editor->KeyDown(Key, Shift);
    if (Key == 0) {
      FKeyEatenByEditor = true;
      return;
    }
  }
  inherited::KeyDown(Key, Shift);
}

void TcxCustomInnerMemo::KeyPress(wchar_t& Key) {
  FKeyEatenByEditor = false;
  if (TcxCustomEdit* editor = Editor()) {
    editor->KeyPress(Key);
    if (Key == 0) {
      FKeyEatenByEditor = true;
      return;
    }
  }
  inherited::KeyPress(Key);
}

void TcxCustomInnerMemo::KeyUp(uint16_t& Key, TShiftState Shift) {
  FKeyEatenByEditor = false;
  if (Key == VK_TAB && !WantTabs()) Key = 0;
  if (Key != 0)
    if (TcxCustomEdit* editor = Editor()) editor->KeyUp(Key, Shift);
  if (Key == 0) {
    FKeyEatenByEditor = true;
    return;
  }
  inherited::KeyUp(Key, Shift);
}

void TcxCustomInnerMemo::DoEnter() {
  inherited::DoEnter();
  if (FAutoSelect) SelectAll();
}

void TcxCustomInnerMemo::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TcxObjectLinkGuard self(this);
  inherited::MouseDown(Button, Shift, X, Y);
  TcxCustomEdit* editor = self.Alive() ? Editor() : nullptr;
  if (!editor) return;
  const TPoint p = ToEditor(X, Y);
  TcxObjectLinkGuard owner(editor);
  editor->InnerControlMouseDown = true;
  try {
    editor->MouseDown(Button, Shift, p.X, p.Y);
  } catch (...) {
    if (owner.Alive()) editor->InnerControlMouseDown = false;
    throw;
  }
  if (owner.Alive()) editor->InnerControlMouseDown = false;
}

void TcxCustomInnerMemo::MouseMove(TShiftState Shift, int X, int Y) {
  TcxObjectLinkGuard self(this);
  inherited::MouseMove(Shift, X, Y);
  TcxCustomEdit* editor = self.Alive() ? Editor() : nullptr;
  if (!editor) return;
  const TPoint p = ToEditor(X, Y);
  editor->MouseMove(Shift, p.X, p.Y);
}

void TcxCustomInnerMemo::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TcxObjectLinkGuard self(this);
  inherited::MouseUp(Button, Shift, X, Y);
  TcxCustomEdit* editor = self.Alive() ? Editor() : nullptr;
  if (!editor) return;
  const TPoint p = ToEditor(X, Y);
  editor->MouseUp(Button, Shift, p.X, p.Y);
}

void TcxCustomInnerMemo::DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept) {
  TcxCustomEdit* editor = Editor();
  if (!editor) {
    inherited::DragOver(Source, X, Y, State, Accept);
    return;
  }
  const TPoint p = ToEditor(X, Y);
  editor->DragOver(Source, p.X, p.Y, State, Accept);
}

void TcxCustomInnerMemo::DragDrop(TObject* Source, int X, int Y) {
  TcxCustomEdit* editor = Editor();
  if (!editor) {
    inherited::DragDrop(Source, X, Y);
    return;
  }
  const TPoint p = ToEditor(X, Y);
  editor->DragDrop(Source, p.X, p.Y);
}

void TcxCustomInnerMemo::Click() {
  TcxObjectLinkGuard self(this);
  inherited::Click();
  if (!self.Alive()) return;
  if (TcxCustomEdit* editor = Editor()) editor->Click();
}

void TcxCustomInnerMemo::DblClick() {
  TcxObjectLinkGuard self(this);
  inherited::DblClick();
  if (!self.Alive()) return;
  if (TcxCustomEdit* editor = Editor()) editor->DblClick();
}
