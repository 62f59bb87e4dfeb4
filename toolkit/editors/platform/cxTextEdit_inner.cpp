// The EDIT window inside a text editor and the helper that answers the
// inner-edit interfaces for it. Every key, character and text change is
// offered to the editor before the EDIT sees it; the EDIT itself only types,
// moves the caret and selects.
#include <algorithm>

#include "cxControls_internal.h"
#include "cxDWMApi.h"
#include "cxTextEdit_control_win.h"

namespace {

bool IsComponentDestroying(const TComponent* AComponent) {
  return AComponent->ComponentState().Contains(csDestroying);
}

}  // namespace

// --- Saved state ------------------------------------------------------------------------------
void SaveInnerEditState(IcxInnerTextEdit* AControl, bool AWithText, TcxCustomInnerTextEditPrevState& AState) {
  AState.HasText = AWithText;
  if (AWithText) AState.Text = VarToStr(AControl->ReadValue());
  AState.SelStart = AControl->ReadSelStart();
  AState.SelLength = AControl->ReadSelLength();
}

bool HasInnerEditStateChanged(IcxInnerTextEdit* AControl, const TcxCustomInnerTextEditPrevState& AState) {
  TWinControl* control = AControl->InnerWindowControl();
  if (!control->HandleAllocated()) return true;
  if (AControl->ReadSelStart() != AState.SelStart || AControl->ReadSelLength() != AState.SelLength) return true;
  return AState.HasText && VarToStr(AControl->ReadValue()) != AState.Text;
}

// --- Helper -----------------------------------------------------------------------------------
TcxCustomInnerTextEditHelper::TcxCustomInnerTextEditHelper(TcxCustomInnerTextEdit* AEdit)
    : TcxInterfacedPersistent(nullptr), InnerControl(AEdit) {}

bool TcxCustomInnerTextEditHelper::GetInterface(const TGUID& iid, void** obj) {
  return InterfaceTable<IcxContainerInnerControl, IcxInnerTextEdit>(this, iid, obj) ||
         inherited::GetInterface(iid, obj);
}

TWinControl* TcxCustomInnerTextEditHelper::GetControl() { return InnerControl; }
TcxContainer* TcxCustomInnerTextEditHelper::GetControlContainer() { return OwnerEditor(); }
TWinControl* TcxCustomInnerTextEditHelper::InnerWindowControl() { return InnerControl; }
TcxCustomEdit* TcxCustomInnerTextEditHelper::OwnerEditor() { return dynamic_cast<TcxCustomEdit*>(InnerControl->Owner()); }

LRESULT TcxCustomInnerTextEditHelper::PassToOriginalWndProc(UINT AMsg, WPARAM AWParam, LPARAM ALParam) {
  if (!InnerControl->HandleAllocated() || !InnerControl->DefWndProc()) return 0;
  return CallWindowProcW(InnerControl->DefWndProc(), InnerControl->Handle(), AMsg, AWParam, ALParam);
}

Variant TcxCustomInnerTextEditHelper::ReadValue() { return Variant(InnerControl->Text()); }
TNotifyEvent TcxCustomInnerTextEditHelper::ReadChangeEvent() { return InnerControl->OnChange; }
bool TcxCustomInnerTextEditHelper::ReadReadOnly() { return InnerControl->ReadOnly(); }

void TcxCustomInnerTextEditHelper::LockBoundsChange(bool ALock) {
  if (ALock)
    ++InnerControl->FBoundsLockCount;
  else if (InnerControl->FBoundsLockCount > 0)
    --InnerControl->FBoundsLockCount;
}

void TcxCustomInnerTextEditHelper::FocusWithoutAutoSelect() {
  const bool autoSelect = InnerControl->AutoSelect();
  InnerControl->SetAutoSelect(false);
  try {
    InnerControl->SetFocus();
  } catch (...) {
    InnerControl->SetAutoSelect(autoSelect);
    throw;
  }
  InnerControl->SetAutoSelect(autoSelect);
}

void TcxCustomInnerTextEditHelper::WriteValue(const Variant& Value) {
  const String text = VarToStr(Value);
  const String current = InnerControl->Text();
  const bool designing = InnerControl->ComponentState().Contains(csDesigning);
  const bool changedAtDesign = designing && text != current;
  bool keepSelection = false;
  if (!designing && InnerControl->HandleAllocated()) {
    auto* editor = dynamic_cast<TcxCustomTextEdit*>(OwnerEditor());
    // A lookup completion that only changes the letter case keeps what is selected.
    if (editor && editor->IsValidating() && editor->ActiveTextProperties()->UseLookupData() &&
        editor->FindSelection())
      keepSelection = text != current && TextsEqual(text, current, false);
  }
  if (keepSelection) {
    const int start = InnerControl->SelStart(), length = InnerControl->SelLength();
    InnerControl->SetText(text);
    InnerControl->SetSelStart(start);
    InnerControl->SetSelLength(length);
  } else {
    InnerControl->SetText(text);
  }
  if (changedAtDesign) InnerControl->Change();
}

void TcxCustomInnerTextEditHelper::AttachToParent(TWinControl* AParent) { InnerControl->SetParent(AParent); }
void TcxCustomInnerTextEditHelper::WriteChangeEvent(TNotifyEvent Value) { InnerControl->OnChange = Value; }
void TcxCustomInnerTextEditHelper::WriteReadOnly(bool Value) { InnerControl->SetReadOnly(Value); }

void TcxCustomInnerTextEditHelper::EraseSelectedText() { InnerControl->ClearSelection(); }
void TcxCustomInnerTextEditHelper::CopySelectedText() { InnerControl->CopyToClipboard(); }
TAlignment TcxCustomInnerTextEditHelper::ReadAlignment() { return InnerControl->FAlignment; }
bool TcxCustomInnerTextEditHelper::ReadAutoSelect() { return InnerControl->AutoSelect(); }
TEditCharCase TcxCustomInnerTextEditHelper::ReadCharCase() { return InnerControl->CharCase(); }
TcxEditEchoMode TcxCustomInnerTextEditHelper::ReadEchoMode() { return InnerControl->FEchoMode; }

int TcxCustomInnerTextEditHelper::FirstVisibleCharIndex() {
  if (!InnerControl->HandleAllocated()) return 0;
  return LOWORD(SendMessageW(InnerControl->Handle(), EM_CHARFROMPOS, 0, MAKELPARAM(0, 0)));
}

bool TcxCustomInnerTextEditHelper::ReadHideSelection() { return InnerControl->HideSelection(); }
uint8_t TcxCustomInnerTextEditHelper::ReadImeTrailByte() {
  return InnerControl->FImeCharsPending > 0 ? InnerControl->FImeTrailByte : 0;
}
TImeMode TcxCustomInnerTextEditHelper::ReadImeMode() { return InnerControl->FImeMode; }
String TcxCustomInnerTextEditHelper::ReadImeName() { return InnerControl->FImeName; }
bool TcxCustomInnerTextEditHelper::ReadKeyEatenByEditor() { return InnerControl->FKeyEatenByEditor; }
int TcxCustomInnerTextEditHelper::ReadMaxLength() { return InnerControl->MaxLength(); }
bool TcxCustomInnerTextEditHelper::ReadOEMConvert() { return InnerControl->OEMConvert(); }
TNotifyEvent TcxCustomInnerTextEditHelper::ReadAfterSetSelEvent() { return InnerControl->OnAfterSetSel; }
wchar_t TcxCustomInnerTextEditHelper::ReadPasswordChar() { return InnerControl->FPasswordChar; }

int TcxCustomInnerTextEditHelper::ReadSelLength() {
  return InnerControl->FImeCharsPending > 0 ? SavedSelLength : InnerControl->SelLength();
}
int TcxCustomInnerTextEditHelper::ReadSelStart() {
  return InnerControl->FImeCharsPending > 0 ? SavedSelStart : InnerControl->SelStart();
}
String TcxCustomInnerTextEditHelper::ReadSelText() { return InnerControl->SelText(); }
bool TcxCustomInnerTextEditHelper::ReadUseLeftAlignmentOnEditing() { return InnerControl->FUseLeftAlignmentOnEditing; }

void TcxCustomInnerTextEditHelper::SelectAllText() {
  if (InnerControl->HandleAllocated()) InnerControl->SelectAll();
}

void TcxCustomInnerTextEditHelper::WriteAlignment(TAlignment Value) {
  if (InnerControl->FAlignment == Value) return;
  InnerControl->FAlignment = Value;
  if (!InnerControl->FUseLeftAlignmentOnEditing) InnerControl->RecreateIfShown();
}

void TcxCustomInnerTextEditHelper::WriteAutoSelect(bool Value) { InnerControl->SetAutoSelect(Value); }
void TcxCustomInnerTextEditHelper::WriteCharCase(TEditCharCase Value) { InnerControl->SetCharCase(Value); }

void TcxCustomInnerTextEditHelper::WriteEchoMode(TcxEditEchoMode Value) {
  if (InnerControl->FEchoMode == Value) return;
  InnerControl->FEchoMode = Value;
  InnerControl->RecreateIfShown();
}

void TcxCustomInnerTextEditHelper::WriteHideSelection(bool Value) { InnerControl->SetHideSelection(Value); }
void TcxCustomInnerTextEditHelper::WriteKeyEatenByEditor(bool Value) { InnerControl->FKeyEatenByEditor = Value; }
void TcxCustomInnerTextEditHelper::WriteImeMode(TImeMode Value) { InnerControl->FImeMode = Value; }
void TcxCustomInnerTextEditHelper::WriteImeName(const String& Value) { InnerControl->FImeName = Value; }
void TcxCustomInnerTextEditHelper::WriteMaxLength(int Value) { InnerControl->SetMaxLength(Value); }
void TcxCustomInnerTextEditHelper::WriteOEMConvert(bool Value) { InnerControl->SetOEMConvert(Value); }
void TcxCustomInnerTextEditHelper::WriteAfterSetSelEvent(TNotifyEvent Value) { InnerControl->OnAfterSetSel = Value; }

void TcxCustomInnerTextEditHelper::WritePasswordChar(wchar_t Value) {
  if (InnerControl->FPasswordChar == Value) return;
  InnerControl->FPasswordChar = Value;
  if (InnerControl->FEchoMode == eemPassword) InnerControl->RecreateIfShown();
}

void TcxCustomInnerTextEditHelper::WriteSelLength(int Value) {
  if (!InnerControl->HandleAllocated()) return;
  if (InnerControl->FImeCharsPending > 0)
    SavedSelLength = Value;
  else
    InnerControl->SetSelLength(Value);
}

void TcxCustomInnerTextEditHelper::WriteSelStart(int Value) {
  if (!InnerControl->HandleAllocated()) return;
  if (InnerControl->FImeCharsPending > 0)
    SavedSelStart = Value;
  else
    InnerControl->SetSelStart(Value);
}

void TcxCustomInnerTextEditHelper::WriteSelText(const String& Value) { InnerControl->SetSelText(Value); }

void TcxCustomInnerTextEditHelper::WriteUseLeftAlignmentOnEditing(bool Value) {
  if (InnerControl->FUseLeftAlignmentOnEditing == Value) return;
  InnerControl->FUseLeftAlignmentOnEditing = Value;
  if (InnerControl->FAlignment != taLeftJustify) InnerControl->RecreateIfShown();
}

// --- Inner edit: life -------------------------------------------------------------------------
TcxCustomInnerTextEdit::TcxCustomInnerTextEdit(TComponent* AOwner) : TCustomEdit(AOwner) {
  FConstructing = true;
  FImplementor = new TcxCustomInnerTextEditHelper(this);
  FControlStyle.Include(csDoubleClicks);
  // The editor places it; its height never follows its own font.
  SetAutoSize(false);
  SetParentColor(true);
  SetParentFont(false);
  FKeyEatenByEditor = false;
  FAlignment = taLeftJustify;
  FConstructing = false;
  FUseLeftAlignmentOnEditing = true;
}

TcxCustomInnerTextEdit::~TcxCustomInnerTextEdit() {
  delete FImplementor;
  FImplementor = nullptr;
  if (HandleAllocated()) DestroyHandle();
}

bool TcxCustomInnerTextEdit::GetInterface(const TGUID& iid, void** obj) {
  if (FImplementor && (iid == IcxContainerInnerControl::IID || iid == IcxCustomInnerEdit::IID ||
                       iid == IcxInnerTextEdit::IID))
    return FImplementor->GetInterface(iid, obj);
  return inherited::GetInterface(iid, obj);
}

TcxCustomEdit* TcxCustomInnerTextEdit::Editor() const {
  auto* editor = dynamic_cast<TcxCustomEdit*>(Owner());
  if (!editor || IsComponentDestroying(editor) || IsComponentDestroying(this)) return nullptr;
  return editor;
}

TcxCustomTextEdit* TcxCustomInnerTextEdit::TextEditor() const { return dynamic_cast<TcxCustomTextEdit*>(Editor()); }

TcxCustomTextEditProperties* TcxCustomInnerTextEdit::ActiveTextProperties() const {
  TcxCustomEdit* editor = Editor();
  return editor ? dynamic_cast<TcxCustomTextEditProperties*>(editor->ActiveProperties()) : nullptr;
}

bool TcxCustomInnerTextEdit::IsEditorHosted() const {
  TcxCustomEdit* editor = Editor();
  return editor && editor->IsHosted();
}

void TcxCustomInnerTextEdit::RecreateIfShown() {
  if (HandleAllocated()) RecreateWnd();
}

void TcxCustomInnerTextEdit::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
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

bool TcxCustomInnerTextEdit::CanFocus() {
  TcxCustomEdit* editor = Editor();
  return editor ? editor->CanFocus() : inherited::CanFocus();
}

void TcxCustomInnerTextEdit::AdjustMargins() {
  if (HandleAllocated()) SendMessageW(Handle(), EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(0, 1));
}

// --- Window -----------------------------------------------------------------------------------
TAlignment TcxCustomInnerTextEdit::GetStyleAlignment() {
  TcxCustomEdit* editor = Editor();
  const TAlignment horz = editor ? editor->ActiveProperties()->Alignment()->Horz() : FAlignment;
  if (FUseLeftAlignmentOnEditing && !ComponentState().Contains(csDesigning)) return taLeftJustify;
  return horz;
}

void TcxCustomInnerTextEdit::CreateParams(TCreateParams& Params) {
  inherited::CreateParams(Params);
  Params.Style &= ~DWORD(ES_RIGHT | ES_CENTER);
  switch (GetStyleAlignment()) {
    case taRightJustify: Params.Style |= ES_RIGHT; break;
    case taCenter: Params.Style |= ES_CENTER; break;
    default: break;
  }
  Params.Style &= ~DWORD(WS_BORDER | WS_DLGFRAME | WS_THICKFRAME);
  Params.Style |= ES_AUTOHSCROLL;
  TcxCustomTextEditProperties* properties = ActiveTextProperties();
  if (properties ? properties->EchoMode() == eemPassword : FEchoMode == eemPassword) Params.Style |= ES_PASSWORD;
  Params.ExStyle &= ~DWORD(WS_EX_CLIENTEDGE);
}

void TcxCustomInnerTextEdit::CreateWindowHandle(const TCreateParams& Params) {
  // The text goes in afterwards, past the editor's own WM_SETTEXT handling.
  const String text = Params.Caption;
  TCreateParams params = Params;
  params.Caption = String();
  inherited::CreateWindowHandle(params);
  if (HandleAllocated() && !text.empty() && DefWndProc())
    CallWindowProcW(DefWndProc(), Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void TcxCustomInnerTextEdit::CreateWnd() {
  inherited::CreateWnd();
  AdjustMargins();
}

void TcxCustomInnerTextEdit::CreateHandle() {
  TcxCustomEdit* editor = Editor();
  if (editor) editor->ResetInnerControlRegion();
  inherited::CreateHandle();
  TcxCustomTextEditProperties* properties = ActiveTextProperties();
  if (!HandleAllocated() || !properties || properties->EchoMode() != eemPassword) return;
  wchar_t passwordChar = properties->PasswordChar();
  const bool nativeGlyph = CanUseThemes() && editor && editor->UsesNativeTheme() &&
                           !(properties->Alignment()->Horz() != taLeftJustify && FUseLeftAlignmentOnEditing);
  if (passwordChar == 0 && !nativeGlyph) passwordChar = L'*';
  if (passwordChar != 0) SendMessageW(Handle(), EM_SETPASSWORDCHAR, WPARAM(passwordChar), 0);
}

void TcxCustomInnerTextEdit::DefaultHandler(TMessage& Message) {
  if (Editor() && ContainerHandlesInnerMessage(this, Message)) return;
  inherited::DefaultHandler(Message);
}

void TcxCustomInnerTextEdit::WndProc(TMessage& Message) {
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
void TcxCustomInnerTextEdit::Dispatch(TMessage& Message) {
  TcxCustomEdit* editor = Editor();
  switch (Message.Msg) {
    case WM_CHAR: WMChar(Message); return;
    case WM_KEYDOWN: WMKeyDownMessage(Message); return;
    case WM_IME_CHAR: WMImeChar(Message); return;
    case WM_GETDLGCODE: WMGetDlgCode(Message); return;
    case WM_CLEAR:
      if (ReadOnly()) return;
      if (TcxCustomTextEdit* textEditor = TextEditor()) {
        const TcxCustomEdit::TUserActionScope user(textEditor, true);
        textEditor->ClearSelection();
      }
      return;
    case WM_UNDO:
      inherited::Dispatch(Message);
      if (TcxCustomTextEdit* textEditor = TextEditor()) textEditor->AfterSetSelText();
      return;
    case EM_REPLACESEL:
      if (editor && editor->Focused() && !editor->DoEditing()) return;
      inherited::Dispatch(Message);
      return;
    case WM_IME_COMPOSITION:
      if (editor && !editor->DoEditing()) return;
      inherited::Dispatch(Message);
      return;
    case EM_SETSEL:
      inherited::Dispatch(Message);
      if (OnAfterSetSel) OnAfterSetSel(this);
      return;
    case WM_ERASEBKGND: Message.Result = 1; return;
    case WM_NCPAINT: Message.Result = 0; return;
    case WM_PAINT: WMPaintMessage(Message); return;
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORSTATIC:
      inherited::Dispatch(Message);
      if (editor && editor->RepaintThroughBuffer() && IsDwmCompositionEnabled() && !FBufferedRepaintPending &&
          HandleAllocated()) {
        FBufferedRepaintPending = true;
        PostMessageW(Handle(), CXM_BUFFEREDREPAINT, 0, 0);
      }
      return;
    case CXM_BUFFEREDREPAINT:
      FBufferedRepaintPending = false;
      if (HandleAllocated()) BufferedRepaintWindow(Handle());
      return;
    case WM_SETFOCUS: WMSetFocusMessage(Message); return;
    case WM_KILLFOCUS: WMKillFocusMessage(Message); return;
    case WM_SETFONT:
    case WM_SIZE:
      inherited::Dispatch(Message);
      AdjustMargins();
      return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE: {
      inherited::Dispatch(Message);
      TControl* control = Message.LParam ? reinterpret_cast<TControl*>(Message.LParam) : this;
      if (Message.Msg == CM_MOUSEENTER)
        MouseEnter(control);
      else
        MouseLeave(control);
      return;
    }
    default: inherited::Dispatch(Message); return;
  }
}

// The EDIT sees a key only when the editor left it; a key it then ignored
// (nothing typed, caret and selection where they were) goes to the editor's
// after-key-down, so arrows at the text's ends can move between fields.
void TcxCustomInnerTextEdit::WMKeyDownMessage(TMessage& Message) {
  TcxCustomEdit* editor = Editor();
  TcxCustomTextEdit* textEditor = TextEditor();
  // A hosted editor's list keys belong to its lookup list.
  if (textEditor && textEditor->IsHosted() &&
      textEditor->ActiveTextProperties()->IsLookupListKey(uint16_t(Message.WParam),
                                                          KeyDataToShiftState(Message.LParam))) {
    TWinControl* list = textEditor->LookupListControl();
    if (list && list->HandleAllocated() &&
        SendMessageW(list->Handle(), WM_KEYDOWN, Message.WParam, Message.LParam) == 0)
      return;
  }
  TcxCustomInnerTextEditPrevState state;
  SaveInnerEditState(FImplementor, true, state);
  FKeyEatenByEditor = false;
  inherited::Dispatch(Message);
  editor = Editor();
  if (!editor || !HandleAllocated()) return;
  uint16_t key = uint16_t(Message.WParam);
  if (key != 0 && !FKeyEatenByEditor && !HasInnerEditStateChanged(FImplementor, state) && editor->OnAfterKeyDown) {
    editor->OnAfterKeyDown(editor, key, KeyDataToShiftState(Message.LParam));
    Message.WParam = key;
  }
}

void TcxCustomInnerTextEdit::WMChar(TMessage& Message) {
  TcxCustomInnerTextEditPrevState state;
  SaveInnerEditState(FImplementor, true, state);
  FKeyEatenByEditor = false;
  inherited::Dispatch(Message);
  TcxCustomTextEdit* editor = TextEditor();
  if (FImeCharsPending > 0 && --FImeCharsPending == 0 && editor && editor->FindSelection()) {
    SetSelStart(FImplementor->SavedSelStart);
    SetSelLength(FImplementor->SavedSelLength);
  }
  if (!editor) return;
  editor->SetLookupUpdating(false);
  if (!FKeyEatenByEditor && HasInnerEditStateChanged(FImplementor, state)) editor->SetFindSelection(false);
}

// An input-method character becomes the WM_CHAR messages the editor sees
// typed characters as. The window is a Unicode one: one message per UTF-16
// unit. The EDIT is not given WM_IME_CHAR itself, since some EDITs insert it
// directly and the editor would never see (nor limit) the character.
void TcxCustomInnerTextEdit::WMImeChar(TMessage& Message) {
  if (FImeCharsPending == 0) {
    FImplementor->SavedSelStart = SelStart();
    FImplementor->SavedSelLength = SelLength();
  }
  if (IsWindowUnicode(Handle())) {
    ++FImeCharsPending;
    FImeTrailByte = 0;
    PostMessageW(Handle(), WM_CHAR, Message.WParam, Message.LParam);
  } else if (HIBYTE(LOWORD(Message.WParam)) != 0) {
    FImeCharsPending += 2;
    FImeTrailByte = LOBYTE(LOWORD(Message.WParam));
    PostMessageA(Handle(), WM_CHAR, HIBYTE(LOWORD(Message.WParam)), Message.LParam);
    PostMessageA(Handle(), WM_CHAR, FImeTrailByte, Message.LParam);
  } else {
    ++FImeCharsPending;
    PostMessageA(Handle(), WM_CHAR, LOBYTE(LOWORD(Message.WParam)), Message.LParam);
  }
  Message.Result = 0;
}

void TcxCustomInnerTextEdit::WMGetDlgCode(TMessage& Message) {
  inherited::Dispatch(Message);
  Message.Result |= DLGC_WANTCHARS;
  TcxCustomEdit* editor = Editor();
  if (!editor) return;
  if (editor->TakesTabKey() && GetKeyState(VK_CONTROL) >= 0) Message.Result |= DLGC_WANTTAB;
  if (editor->IsHosted() || editor->IsPopupOpen()) Message.Result |= DLGC_WANTALLKEYS;
}

void TcxCustomInnerTextEdit::WMSetFocusMessage(TMessage& Message) {
  inherited::Dispatch(Message);
  TcxCustomEdit* editor = Editor();
  if (!editor) return;
  const HWND from = reinterpret_cast<HWND>(Message.WParam);
  if (editor->HandleAllocated() && from == editor->Handle()) return;
  editor->FocusChanged();
}

void TcxCustomInnerTextEdit::WMKillFocusMessage(TMessage& Message) {
  inherited::Dispatch(Message);
  if (TcxCustomEdit* editor = Editor()) editor->FocusChanged();
}

// --- Painting ---------------------------------------------------------------------------------
bool TcxCustomInnerTextEdit::PaintsAlignedText() {
  TcxCustomEdit* editor = Editor();
  if (!editor || !FUseLeftAlignmentOnEditing) return false;
  return editor->ActiveProperties()->Alignment()->Horz() != taLeftJustify && GetFocus() != Handle();
}

void TcxCustomInnerTextEdit::WMPaintMessage(TMessage& Message) {
  TcxCustomEdit* editor = Editor();
  if (PaintsAlignedText()) {
    HDC dc = reinterpret_cast<HDC>(Message.WParam);
    PAINTSTRUCT ps{};
    if (!dc) dc = BeginPaint(Handle(), &ps);
    PaintAlignedText(dc);
    if (!Message.WParam) EndPaint(Handle(), &ps);
    Message.Result = 0;
    return;
  }
  if (editor && editor->RepaintThroughBuffer() && IsDwmCompositionEnabled()) {
    BufferedPaintWindow(Handle());
    Message.Result = 0;
    return;
  }
  inherited::Dispatch(Message);
}

// Unfocused, an editor that edits left-aligned shows its text where its
// alignment puts it; a password shows as that many password characters.
void TcxCustomInnerTextEdit::PaintAlignedText(HDC ADC) {
  TcxCustomEdit* editor = Editor();
  TcxCustomTextEditProperties* properties = ActiveTextProperties();
  TCanvas canvas;
  canvas.SetHandle(ADC);
  canvas.Font()->Assign(Font());
  canvas.Brush()->SetColor(Color());
  String text = Text();
  wchar_t passwordChar = TCustomEdit::PasswordChar();
  if (passwordChar == 0 && properties && properties->EchoMode() == eemPassword) {
    passwordChar = HandleAllocated() ? wchar_t(SendMessageW(Handle(), EM_GETPASSWORDCHAR, 0, 0)) : 0;
    if (passwordChar == 0) passwordChar = L'*';
  }
  if (passwordChar != 0) text = String(text.size(), passwordChar);
  const DWORD margins = HandleAllocated() ? DWORD(SendMessageW(Handle(), EM_GETMARGINS, 0, 0)) : 0;
  const int leftMargin = LOWORD(margins), rightMargin = HIWORD(margins);
  const TRect client = ClientRect();
  const int clientWidth = client.Right - client.Left;
  const int textWidth = canvas.TextWidth(text);
  int x = 0;
  switch (editor->ActiveProperties()->Alignment()->Horz()) {
    case taRightJustify: x = leftMargin + clientWidth - textWidth - rightMargin; break;
    case taCenter: x = leftMargin + (clientWidth - rightMargin - leftMargin - textWidth) / 2; break;
    default: break;
  }
  canvas.TextRect(client, x, 0, text);
  canvas.SetHandle(nullptr);
}

// --- Forwarding to the editor -----------------------------------------------------------------
void TcxCustomInnerTextEdit::KeyDown(uint16_t& Key, TShiftState Shift) {
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

void TcxCustomInnerTextEdit::KeyPress(wchar_t& Key) {
  FKeyEatenByEditor = false;
  if (Key == L'\t') Key = 0;
  TcxCustomTextEdit* textEditor = TextEditor();
  TcxCustomEdit* editor = Editor();
  if (Key != 0 && editor) editor->KeyPress(Key);
  if ((Key == L'\r' || Key == 27) && editor) {
    const bool swallow = textEditor && textEditor->SwallowNextEnterEsc();
    if (editor->IsHosted() || swallow || (Key == L'\r' && textEditor && !textEditor->BeepOnEnter())) {
      Key = 0;
      if (textEditor) textEditor->SetSwallowNextEnterEsc(false);
    }
  }
  if (Key == 0) {
    FKeyEatenByEditor = true;
    return;
  }
  inherited::KeyPress(Key);
}

void TcxCustomInnerTextEdit::KeyUp(uint16_t& Key, TShiftState Shift) {
  FKeyEatenByEditor = false;
  if (Key == VK_TAB) Key = 0;
  if (Key != 0)
    if (TcxCustomEdit* editor = Editor()) editor->KeyUp(Key, Shift);
  if (Key == 0) {
    FKeyEatenByEditor = true;
    return;
  }
  inherited::KeyUp(Key, Shift);
}

void TcxCustomInnerTextEdit::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
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

void TcxCustomInnerTextEdit::MouseMove(TShiftState Shift, int X, int Y) {
  TcxObjectLinkGuard self(this);
  inherited::MouseMove(Shift, X, Y);
  TcxCustomEdit* editor = self.Alive() ? Editor() : nullptr;
  if (!editor) return;
  const TPoint p = ToEditor(X, Y);
  editor->MouseMove(Shift, p.X, p.Y);
}

void TcxCustomInnerTextEdit::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TcxObjectLinkGuard self(this);
  inherited::MouseUp(Button, Shift, X, Y);
  TcxCustomEdit* editor = self.Alive() ? Editor() : nullptr;
  if (!editor) return;
  const TPoint p = ToEditor(X, Y);
  editor->MouseUp(Button, Shift, p.X, p.Y);
}

void TcxCustomInnerTextEdit::DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept) {
  TcxCustomEdit* editor = Editor();
  if (!editor) {
    inherited::DragOver(Source, X, Y, State, Accept);
    return;
  }
  const TPoint p = ToEditor(X, Y);
  editor->DragOver(Source, p.X, p.Y, State, Accept);
}

void TcxCustomInnerTextEdit::DragDrop(TObject* Source, int X, int Y) {
  TcxCustomEdit* editor = Editor();
  if (!editor) {
    inherited::DragDrop(Source, X, Y);
    return;
  }
  const TPoint p = ToEditor(X, Y);
  editor->DragDrop(Source, p.X, p.Y);
}

void TcxCustomInnerTextEdit::Click() {
  TcxObjectLinkGuard self(this);
  inherited::Click();
  if (!self.Alive()) return;
  if (TcxCustomEdit* editor = Editor()) editor->Click();
}

void TcxCustomInnerTextEdit::DblClick() {
  TcxObjectLinkGuard self(this);
  inherited::DblClick();
  if (!self.Alive()) return;
  if (TcxCustomEdit* editor = Editor()) editor->DblClick();
}

// The editor handles the wheel.
bool TcxCustomInnerTextEdit::DoMouseWheel(TShiftState, int, TPoint) { return false; }

void TcxCustomInnerTextEdit::Change() { inherited::Change(); }

void TcxCustomInnerTextEdit::MouseEnter(TControl*) {}

void TcxCustomInnerTextEdit::MouseLeave(TControl*) {
  if (TcxCustomEdit* editor = Editor()) RefreshViewStateAtCursor(editor, true);
}

// --- Caret ------------------------------------------------------------------------------------
int CaretCharIndex(TWinControl* AControl) {
  auto* edit = dynamic_cast<TcxCustomInnerTextEdit*>(AControl);
  if (!edit || !edit->HandleAllocated()) return 0;
  const int length = int(edit->Text().size());
  if (length == 0) return 0;
  POINT caret{};
  GetCaretPos(&caret);
  auto pos = [&](int AIndex) {
    const LRESULT r = SendMessageW(edit->Handle(), EM_POSFROMCHAR, WPARAM(AIndex), 0);
    return int(short(LOWORD(r)));
  };
  int low = 0, high = length - 1;
  while (high - low >= 2) {
    const int mid = (low + high) / 2;
    if (pos(mid) < caret.x)
      low = mid;
    else
      high = mid;
  }
  if (pos(low) == caret.x) return low;
  return high + (pos(high) != caret.x ? 1 : 0);
}
