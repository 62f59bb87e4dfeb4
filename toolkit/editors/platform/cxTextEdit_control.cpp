// The text editor: how the EDIT's text becomes the editor's value and back,
// the text operations (selection, insertion, clipboard, clear) with the
// length limit, the item-index view of the value, and the editor's messages.
// Lengths count UTF-16 units and no cut splits a surrogate pair.
#include <algorithm>
#include <memory>

#include "Forms.h"
#include "cxTextEdit_control_win.h"

namespace {

bool IsNoValue(const Variant& V) { return V.IsEmpty() || V.IsNull(); }

// Exactly equal: same type and value (two values that hold none are equal).
bool ValuesEqualExactly(const Variant& A, const Variant& B) {
  if (IsNoValue(A) || IsNoValue(B)) return IsNoValue(A) == IsNoValue(B);
  if (A.VarType() != B.VarType()) return false;
  try {
    return A == B;
  } catch (const Exception&) {
    return false;
  }
}

// The first ACount units of AText, one fewer when that would split a surrogate pair.
String CutUnits(const String& AText, int ACount) {
  if (ACount <= 0) return String();
  if (size_t(ACount) >= AText.size()) return AText;
  size_t n = size_t(ACount);
  if (IS_HIGH_SURROGATE(AText[n - 1]) && IS_LOW_SURROGATE(AText[n])) --n;
  return AText.substr(0, n);
}

bool IsListStyle(TcxTextEditingStyle AStyle) { return AStyle == tesCompleteFromList || AStyle == tesPickFromList; }

// The clipboard's text (CF_UNICODETEXT, which the system makes from CF_TEXT too).
bool ReadClipboardText(HWND AOwner, String& AText) {
  if (!IsClipboardFormatAvailable(CF_UNICODETEXT) && !IsClipboardFormatAvailable(CF_TEXT)) return false;
  if (!OpenClipboard(AOwner)) return false;
  bool found = false;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (auto* text = static_cast<const wchar_t*>(GlobalLock(data))) {
      AText = text;
      found = true;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return found;
}

}  // namespace

// --- Life ---------------------------------------------------------------------------------------
TcxCustomTextEdit::TcxCustomTextEdit(TComponent* AOwner, TClass APropertiesClass)
    : TcxCustomEdit(AOwner, false, APropertiesClass) {
  InitializeTextEdit();
}

TcxCustomTextEdit::TcxCustomTextEdit(TComponent* AOwner, TClass APropertiesClass, TClass AInnerEditClass)
    : TcxCustomEdit(AOwner, false, APropertiesClass), FInnerEditClass(AInnerEditClass) {
  InitializeTextEdit();
}

// The base constructor cannot reach this kind's class methods: the inner
// edit and the lookup data are made here.
void TcxCustomTextEdit::InitializeTextEdit() {
  CreateInnerEdit();
  if (IcxCustomInnerEdit* inner = InnerEdit()) Supports(inner->InnerWindowControl(), FInnerTextEdit);
  FBeepOnEnter = true;
  FFindSelection = false;
  if (FInnerTextEdit) {
    FInnerTextEdit->InnerWindowControl()->SetColor(clWindow);
    FInnerTextEdit->WriteAfterSetSelEvent(TNotifyEvent(this, &TcxCustomTextEdit::InnerEditAfterSetSel));
  }
  SetBounds(Left(), Top(), 121, 21);
  auto* info = dynamic_cast<const TcxTextEditPropertiesClassInfo*>(ActiveProperties()->ClassType());
  if (TClass lookupClass = info ? info->GetLookupDataClass() : nullptr) FLookupData = lookupClass->Create(this);
  if (IcxTextEditLookupData* lookup = GetLookupData())
    lookup->WriteKeyChangedEvent(TNotifyEvent(this, &TcxCustomTextEdit::LookupKeyChanged));
}

void TcxCustomTextEdit::BeforeDestruction() {
  FTextOnDestroy = InnerEditText();
  inherited::BeforeDestruction();
}

TcxCustomTextEdit::~TcxCustomTextEdit() {
  Destroying();
  if (FTextOnDestroy.empty()) FTextOnDestroy = InnerEditText();
  delete FLookupData;
  FLookupData = nullptr;
  FInnerTextEdit = nullptr;
  DestroyInnerEdit();
}

bool TcxCustomTextEdit::IsEditorReady() { return !IsEditDestroying() && FInnerTextEdit != nullptr; }

IcxInnerTextEdit* TcxCustomTextEdit::GetInnerTextEdit() { return FInnerTextEdit; }

String TcxCustomTextEdit::InnerEditText() { return FInnerTextEdit ? VarToStr(FInnerTextEdit->ReadValue()) : String(); }

// --- Selection --------------------------------------------------------------------------------
int TcxCustomTextEdit::GetSelStart() {
  const TcxTextEditingStyle style = ActiveTextProperties()->GetEditingStyle();
  if (style == tesNoText || (style == tesPickFromList && !FFindSelection) || !FInnerTextEdit) return 0;
  return FInnerTextEdit->ReadSelStart();
}

int TcxCustomTextEdit::GetSelLength() {
  const TcxTextEditingStyle style = ActiveTextProperties()->GetEditingStyle();
  if (style == tesNoText || (style == tesPickFromList && !FFindSelection) || !FInnerTextEdit) return 0;
  return FInnerTextEdit->ReadSelLength();
}

void TcxCustomTextEdit::SetSelStart(int Value) {
  if (ActiveTextProperties()->GetEditingStyle() == tesNoText || !FInnerTextEdit) return;
  FInnerTextEdit->WriteSelStart(Value);
}

void TcxCustomTextEdit::SetSelLength(int Value) {
  if (ActiveTextProperties()->GetEditingStyle() == tesNoText || !FInnerTextEdit) return;
  FInnerTextEdit->WriteSelLength(Value);
}

String TcxCustomTextEdit::SelText() { return FInnerTextEdit ? FInnerTextEdit->ReadSelText() : String(); }

void TcxCustomTextEdit::SetSelection(int AStart, int ALength) {
  SetSelStart(AStart);
  SetSelLength(ALength);
}

int TcxCustomTextEdit::GetCaretCharIndex() {
  return FInnerTextEdit ? CaretCharIndex(FInnerTextEdit->InnerWindowControl()) : 0;
}

void TcxCustomTextEdit::SelectWholeText() {
  if (FInnerTextEdit) FInnerTextEdit->SelectAllText();
}

void TcxCustomTextEdit::SetFindSelection(bool Value) {
  if (!HandleAllocated() || FFindSelection == Value) return;
  FFindSelection = Value;
  RefreshViewStateAtCursor(this, false);
  UpdateDrawValue();
}

void TcxCustomTextEdit::CheckScrollAndSelection() {
  if (!FInnerTextEdit || !FInnerTextEdit->InnerWindowControl()->HandleAllocated()) return;
  if (FInnerTextEdit->FirstVisibleCharIndex() != FLastFirstVisibleChar) {
    DoScrolled();
    return;
  }
  const int start = GetSelStart(), length = GetSelLength();
  if (start == FLastSelStart && length == FLastSelLength) return;
  FLastSelStart = start;
  FLastSelLength = length;
  DoSelectionChanged();
}

void TcxCustomTextEdit::DoScrolled() {
  if (FInnerTextEdit) FLastFirstVisibleChar = FInnerTextEdit->FirstVisibleCharIndex();
}

// --- Text operations ------------------------------------------------------------------------------
// A user's insertion into a limited text keeps what follows the selection
// whole and takes of the inserted text only what fits.
bool TcxCustomTextEdit::PrepareNewText(const String& AText, String& ANewText, int& ANewCaret) {
  TcxCustomTextEditProperties* properties = ActiveTextProperties();
  const TcxTextEditingStyle style = properties->GetEditingStyle();
  if (UserAction() && style == tesNoText) return false;
  if (IsListStyle(style)) SelectWholeText();
  const String text = GetDisplayText();
  const size_t start = std::min(size_t(std::max(GetSelStart(), 0)), text.size());
  const size_t length = std::min(size_t(std::max(GetSelLength(), 0)), text.size() - start);
  const String before = text.substr(0, start), after = text.substr(start + length);
  const int maxLength = properties->MaxLength();
  if (UserAction() && (style == tesFreeText || style == tesNoText) && maxLength > 0) {
    const String inserted = CutUnits(AText, maxLength - int(before.size() + after.size()));
    if (inserted.empty() && !AText.empty()) return false;
    ANewText = before + inserted + after;
    ANewCaret = int(before.size() + inserted.size());
  } else if (style == tesPickFromList) {
    ANewText = AText;
    ANewCaret = int(AText.size());
  } else {
    ANewText = before + AText + after;
    ANewCaret = int(start + AText.size());
  }
  Variant value(ANewText);
  if (!properties->IsDisplayValueValid(value, true)) return false;
  if (UserAction() && !DoEditing()) return false;
  ANewText = VarToStr(value);
  ANewCaret = std::min(ANewCaret, int(ANewText.size()));
  return true;
}

bool TcxCustomTextEdit::IsFocusedForEditing() { return Focused() || FSettingTextInternally; }

void TcxCustomTextEdit::SetSelText(const String& AText) {
  const TUserActionScope user(this, IsFocusedForEditing());
  String newText;
  int caret = 0;
  if (!PrepareNewText(AText, newText, caret)) return;
  InternalSetDisplayValue(Variant(newText));
  SetSelStart(caret);
}

void TcxCustomTextEdit::ClearSelection() {
  if (GetSelLength() <= 0) return;
  const TUserActionScope user(this, IsFocusedForEditing());
  const String text = GetDisplayText();
  const size_t start = std::min(size_t(GetSelStart()), text.size());
  const String rest = text.substr(0, start) + text.substr(std::min(text.size(), start + size_t(GetSelLength())));
  if (SetDisplayTextChecked(rest)) SetSelStart(int(start));
}

void TcxCustomTextEdit::CopyToClipboard() {
  const TcxTextEditingStyle style = ActiveTextProperties()->GetEditingStyle();
  if (style == tesPickFromList || style == tesNoText) SelectWholeText();
  if (GetSelLength() > 0 && FInnerTextEdit) FInnerTextEdit->CopySelectedText();
}

void TcxCustomTextEdit::CutToClipboard() {
  if (GetSelLength() <= 0 || !FInnerTextEdit) return;
  if (Focused()) {
    const TUserActionScope user(this, true);
    String newText;
    int caret = 0;
    if (PrepareNewText(String(), newText, caret)) FInnerTextEdit->PassToOriginalWndProc(WM_CUT, 0, 0);
    return;
  }
  FInnerTextEdit->CopySelectedText();
  SetSelText(String());
}

// Focused, the EDIT replaces the selection itself (undoable) with what of the
// clipboard's text fits; the EDIT's own limit could split a surrogate pair.
void TcxCustomTextEdit::PasteFromClipboard() {
  String text;
  if (!ReadClipboardText(HandleAllocated() ? Handle() : nullptr, text) || !FInnerTextEdit) return;
  if (!Focused()) {
    SetSelText(text);
    return;
  }
  const TUserActionScope user(this, true);
  String newText;
  int caret = 0;
  if (!PrepareNewText(text, newText, caret)) return;
  const String current = GetDisplayText();
  const int start = std::min(GetSelStart(), int(current.size()));
  const int kept = int(current.size()) - GetSelLength();
  const String inserted = newText.substr(size_t(start), size_t(std::max(0, int(newText.size()) - kept)));
  FInnerTextEdit->PassToOriginalWndProc(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(inserted.c_str()));
}

void TcxCustomTextEdit::SetTextIfEditing(const String& AText) {
  if (!DoEditing()) return;
  SetTextBuf(AText.c_str());
  SetEditModified(true);
}

void TcxCustomTextEdit::SetInternalText(const String& AText) {
  const bool saved = FSettingTextInternally;
  FSettingTextInternally = true;
  try {
    SetSelText(AText);
    if (!IsHosted() && HasValueToPost() && !Focused()) {
      LockChangeEvents(true);
      try {
        AssignEditValueUnvalidated(Variant(GetDisplayText()));
        PostEditValue(false);
      } catch (...) {
        LockChangeEvents(false);
        throw;
      }
      LockChangeEvents(false);
    }
    SetEditModified(true);
  } catch (...) {
    FSettingTextInternally = saved;
    throw;
  }
  FSettingTextInternally = saved;
}

// --- Value and display ------------------------------------------------------------------------------
String TcxCustomTextEdit::GetDisplayText() { return InnerEditText(); }

void TcxCustomTextEdit::DisplayToEditValue(const Variant& ADisplayValue, Variant& AEditValue, bool) {
  AEditValue = ADisplayValue;
}

bool TcxCustomTextEdit::SetDisplayTextChecked(const String& AText) {
  Variant value(AText);
  bool valid = ActiveTextProperties()->IsDisplayValueValid(value, Focused());
  if (valid && UserAction()) valid = DoEditing();
  if (valid) InternalSetDisplayValue(value);
  return valid;
}

void TcxCustomTextEdit::SetInternalDisplayValue(const Variant& Value) {
  if (FInnerTextEdit) FInnerTextEdit->WriteValue(Value);
}

void TcxCustomTextEdit::InternalSetDisplayValue(const Variant& ADisplayValue) {
  SetInternalDisplayValue(ADisplayValue);
  if (UserAction()) return;
  ResetLookupState();
  UpdateValueFromDisplay();
  SetModifiedSinceEnter(false);
}

void TcxCustomTextEdit::InternalStoreDisplayValue(const Variant& ADisplayValue) {
  TcxCustomTextEditProperties* properties = ActiveTextProperties();
  if (properties->GetEditingStyle() == tesFreeText && properties->UseLookupData() &&
      !LookupContainsText(VarToStr(ADisplayValue)))
    DoOnNewLookupDisplayText(VarToStr(ADisplayValue));
  inherited::InternalStoreDisplayValue(ADisplayValue);
}

void TcxCustomTextEdit::UpdateValueFromDisplay() {
  TcxCustomTextEditProperties* properties = ActiveTextProperties();
  const bool tracked = properties->IsEditValueChangeTracked();
  const Variant old = tracked ? CopyEditValue() : Variant::Null();
  Variant value;
  DisplayToEditValue(Variant(GetDisplayText()), value, Focused());
  FEditValue = value;
  const bool changed = tracked && !ValuesEqualExactly(value, old);
  if (UserAction())
    SetEditModified(true);
  else
    SetModifiedSinceEnter(false);
  if (!changed) return;
  DoEditValueChanged();
  if (!properties->IsChangeDrivenByText()) DoChange();
}

// A value that cannot be shown becomes an empty text; the display is stored
// as no user change.
void TcxCustomTextEdit::UpdateDisplayFromValue() {
  TcxCustomTextEditProperties* properties = ActiveTextProperties();
  const Variant value = CopyEditValue();
  Variant display;
  try {
    if (properties->IsEditValueValid(value, Focused()) || Focused()) {
      if (properties->IsEditValueValid(value, Focused()))
        PrepareDisplayValue(value, display, Focused());
      else
        display = properties->GetEmptyDisplayValue();
    } else {
      display = Variant(VarToStr(value));
    }
  } catch (const Exception&) {
    display = Variant(String());
  }
  SaveModified();
  FUpdatingDisplay = true;
  try {
    SetInternalDisplayValue(display);
  } catch (...) {
    FUpdatingDisplay = false;
    RestoreModified();
    ResetLookupState();
    UpdateDrawValue();
    throw;
  }
  FUpdatingDisplay = false;
  RestoreModified();
  ResetLookupState();
  UpdateDrawValue();
}

void TcxCustomTextEdit::ChangeHandler(TObject* Sender) {
  LockChangeEvents(true);
  const bool programmatic = FUpdatingDisplay;
  if (programmatic) SaveModified();
  try {
    inherited::ChangeHandler(Sender);
    if (!TextViewInfo()->PopupOpen) UpdateDrawValue();
  } catch (...) {
    if (programmatic) RestoreModified();
    LockChangeEvents(false, true);
    throw;
  }
  if (programmatic) RestoreModified();
  LockChangeEvents(false, true);
}

void TcxCustomTextEdit::DoEditValueChanged() {
  inherited::DoEditValueChanged();
  DoTextChanged();
}

bool TcxCustomTextEdit::DoValidateDisplayValue(Variant& ADisplayValue, String& AErrorText, bool& AError) {
  TcxCustomTextEditProperties* properties = ActiveTextProperties();
  if (properties->CanValidate() && properties->GetEditingStyle() == tesFreeText && properties->UseLookupData() &&
      FFindSelection) {
    String itemText;
    if (GetLookupKeyText(ReadLookupKey(), itemText) && TextsEqual(itemText, VarToStr(ADisplayValue), false))
      ADisplayValue = Variant(itemText);
  }
  return inherited::DoValidateDisplayValue(ADisplayValue, AErrorText, AError);
}

void TcxCustomTextEdit::UpdateDrawValue() {
  if (IsEditDestroying()) return;
  TcxCustomTextEditViewInfo* vi = TextViewInfo();
  {
    std::unique_ptr<TcxCustomEditViewData> viewData(CreateViewData());
    auto* textData = static_cast<TcxCustomTextEditViewData*>(viewData.get());
    textData->PrepareDrawValue(Variant(GetDisplayText()), vi);
  }
  if (!HandleAllocated()) return;
  // Compared with the last view info: typing into the EDIT changes nothing of the editor's picture.
  RefreshViewStateAtCursor(this, HasVisibleInnerControl());
  const TcxTextEditingStyle style = ActiveTextProperties()->GetEditingStyle();
  if (style == tesPickFromList || style == tesNoText) {
    if (style == tesNoText || !FFindSelection) {
      vi->HighlightLength = 0;
    } else if (vi->SelectionBarDrawn) {
      vi->HighlightStart = 0;
      vi->HighlightLength = int(vi->DisplayText.size()) - GetSelLength();
      vi->HighlightColor = clHighlightText;
      vi->HighlightTextColor = clHighlight;
    } else {
      vi->HighlightStart = GetSelStart();
      vi->HighlightLength = GetSelLength();
      vi->HighlightColor = clHighlight;
      vi->HighlightTextColor = clHighlightText;
    }
  }
  // Where the EDIT shows the text, the editor's own picture does not depend on it.
  if (!HasVisibleInnerControl()) ::InvalidateRect(Handle(), nullptr, FALSE);
}

void TcxCustomTextEdit::InitializeViewData(TcxCustomEditViewData* AViewData) {
  inherited::InitializeViewData(AViewData);
  auto* viewData = dynamic_cast<TcxCustomTextEditViewData*>(AViewData);
  if (!viewData) return;
  viewData->InnerEditVisible = HasVisibleInnerControl();
  viewData->EditValue = HasVisibleInnerControl() ? Variant() : CopyEditValue();
  viewData->EditFormat = Focused();
}

// --- Item index -----------------------------------------------------------------------------------
int TcxCustomTextEdit::LookupKeyToItemIndex(const Variant& AKey) {
  if (IsNoValue(AKey)) return -1;
  try {
    return AKey.AsInteger();
  } catch (const Exception&) {
    return -1;
  }
}

String TcxCustomTextEdit::GetSelectedItemText() {
  String text;
  const int index = GetItemIndex();
  if (index >= 0) GetLookupKeyText(ItemIndexToLookupKey(index), text);
  return text;
}

void TcxCustomTextEdit::LookupKeyToEditValue(const Variant& AKey, Variant& AEditValue) {
  String text;
  if (!GetLookupKeyText(AKey, text)) {
    AEditValue = Variant::Null();
    return;
  }
  DisplayToEditValue(Variant(text), AEditValue, false);
}

void TcxCustomTextEdit::SetItemIndex(int Value) {
  const int old = GetItemIndex();
  LockClick(true);
  try {
    WriteLookupKey(ItemIndexToLookupKey(Value));
    Variant value;
    LookupKeyToEditValue(ReadLookupKey(), value);
    if (!ValuesEqualExactly(value, CopyEditValue())) {
      FLookupUpdating = true;
      try {
        AssignEditValue(value);
      } catch (...) {
        FLookupUpdating = false;
        throw;
      }
      FLookupUpdating = false;
    }
  } catch (...) {
    LockClick(false);
    throw;
  }
  LockClick(false);
  if (GetItemIndex() == old) return;
  SetModifiedSinceEnter(false);
  Click();
}

void TcxCustomTextEdit::ApplyLookupSelection() {
  Variant value;
  LookupKeyToEditValue(ReadLookupKey(), value);
  const bool changed = !ValuesEqualExactly(value, CopyEditValue());
  if (changed && !DoEditing()) return;
  SaveModified();
  FLookupUpdating = true;
  try {
    AssignEditValueWithClick(value);
  } catch (...) {
    FLookupUpdating = false;
    RestoreModified();
    throw;
  }
  FLookupUpdating = false;
  RestoreModified();
  if (changed) SetEditModified(true);
  SelectWholeText();
  RefreshViewStateAtCursor(this, false);
}

bool TcxCustomTextEdit::IsUnboundStandalone() {
  IcxEditDefaultValuesProvider* provider = DataBinding()->GetIDefaultValuesProvider();
  return !IsHosted() && !(provider && provider->IsDataBound());
}

void TcxCustomTextEdit::ResetLookupState() {
  if (ActiveTextProperties()->UseLookupData()) FFindSelection = false;
}

void TcxCustomTextEdit::DoOnNewLookupDisplayText(const String& AText) {
  if (auto* own = dynamic_cast<TcxCustomTextEditProperties*>(Properties()); own && own->OnNewLookupDisplayText)
    own->OnNewLookupDisplayText(this, AText);
  if (RepositoryItem() && ActiveTextProperties()->OnNewLookupDisplayText)
    ActiveTextProperties()->OnNewLookupDisplayText(this, AText);
}

// In a list style the text is always an item's (or empty).
void TcxCustomTextEdit::SynchronizeLookupText() {
  if (!IsEditorReady()) return;
  TcxCustomTextEditProperties* properties = ActiveTextProperties();
  const TcxTextEditingStyle style = properties->GetEditingStyle();
  if (!IsListStyle(style)) {
    if (!EditModified()) DataBinding()->UpdateDisplayValue();
    return;
  }
  if (!((EditModified() && !IsValidated()) || IsUnboundStandalone())) return;
  Variant display(GetDisplayText());
  if (properties->IsDisplayValueValid(display, Focused())) {
    UpdateDisplayFromValue();
    return;
  }
  SaveModified();
  try {
    SetInternalDisplayValue(properties->GetEmptyDisplayValue());
  } catch (...) {
    RestoreModified();
    throw;
  }
  RestoreModified();
  if (!EditModified()) UpdateValueFromDisplay();
}

void TcxCustomTextEdit::CheckLookupCompletion() {
  TcxCustomTextEditProperties* properties = ActiveTextProperties();
  if ((IsDesigning() || !EditModified()) && properties->IsEditValueNumeric() && IsEditorReady() &&
      properties->HasValueBounds())
    DoLookupCompletion();
}

void TcxCustomTextEdit::LookupItemsChanged() {
  ActiveTextProperties()->Changed();
  UpdateDisplayFromValue();
}

TWinControl* TcxCustomTextEdit::LookupListControl() {
  IcxTextEditLookupData* lookup = GetLookupData();
  return lookup ? lookup->GetListControl() : nullptr;
}

// --- Questions ------------------------------------------------------------------------------------
bool TcxCustomTextEdit::IsPlainTextEditable() {
  if (ActiveTextProperties()->EchoMode() == eemPassword) return false;
  return CanModify();
}

bool TcxCustomTextEdit::HasVisibleInnerControl() {
  const TcxTextEditingStyle style = ActiveTextProperties()->GetEditingStyle();
  return (style == tesFreeText || style == tesCompleteFromList) && IsEditorReady();
}

bool TcxCustomTextEdit::CanKeyPressModifyEdit(wchar_t Key) { return Key == 8 || Key == 22 || Key == 24 || Key >= 32; }

bool TcxCustomTextEdit::CanKeyDownModifyEdit(uint16_t Key, TShiftState Shift) {
  if (inherited::CanKeyDownModifyEdit(Key, Shift) || Key == VK_DELETE) return true;
  // The keys that step through the items change the value.
  IcxTextEditLookupData* lookup = GetLookupData();
  if (!lookup || !ActiveTextProperties()->UseLookupData() || lookup->IsEmpty() || !IsLookupListShown(false))
    return false;
  if (Key == VK_PRIOR || Key == VK_NEXT) return !IsPopupOpen();
  if (Key == VK_UP || Key == VK_DOWN) return !Shift.Contains(ssAlt) && !IsPopupOpen();
  return false;
}

bool TcxCustomTextEdit::IsValidCharForData(wchar_t AChar) {
  if (inherited::IsValidCharForData(AChar)) return true;
  return AChar < 256 && ActiveTextProperties()->ValidChars().test(size_t(AChar));
}

int TcxCustomTextEdit::GetTextLineHeight() {
  TWinControl* inner = FInnerTextEdit ? FInnerTextEdit->InnerWindowControl() : nullptr;
  return FontTextHeight(inner ? inner->Font() : Font(), L"Wg");
}

// --- Inner edit -------------------------------------------------------------------------------------
void TcxCustomTextEdit::AdjustInnerEditPosition() {
  if (!FInnerTextEdit || FAdjustingInnerEdit) return;
  FAdjustingInnerEdit = true;
  try {
    TWinControl* inner = FInnerTextEdit->InnerWindowControl();
    const int h = GetTextLineHeight();
    const TRect client = EditViewInfo()->ClientRect;
    TRect offsets;
    {
      std::unique_ptr<TcxCustomEditViewData> viewData(CreateViewData());
      offsets = viewData->ContentOffsets;
    }
    int y = client.Top + offsets.Top;
    switch (ActiveProperties()->Alignment()->Vert()) {
      case taBottomJustify: y = client.Bottom - h - offsets.Bottom; break;
      case taVCenter:
        y = client.Top + offsets.Top + (client.Bottom - client.Top - h - offsets.Top - offsets.Bottom) / 2;
        break;
      default: break;
    }
    y = std::max(y, client.Top + offsets.Top);
    const TRect bounds{client.Left + offsets.Left, y, client.Right - offsets.Right + 1, y + h};
    if (inner->BoundsRect() != bounds)
      inner->SetBounds(bounds.Left, bounds.Top, bounds.Right - bounds.Left, bounds.Bottom - bounds.Top);
    TRect rect = ClientRect();
    AlignControls(nullptr, rect);
  } catch (...) {
    FAdjustingInnerEdit = false;
    throw;
  }
  FAdjustingInnerEdit = false;
}

void TcxCustomTextEdit::UpdateInnerEditAppearance() {
  if (!FInnerTextEdit || IsCreating() || IsEditDestroying()) return;
  TWinControl* inner = FInnerTextEdit->InnerWindowControl();
  FInnerTextEdit->LockBoundsChange(true);
  try {
    TcxCustomTextEditViewInfo* vi = TextViewInfo();
    if (inner->Color() != vi->BackgroundColor) inner->SetColor(vi->BackgroundColor);
    TFont* font = GetCurrentStateStyle()->GetEffectiveFont();
    TFont* current = inner->Font();
    if (current->Name() != font->Name() || current->Size() != font->Size() || current->Style() != font->Style() ||
        current->Charset() != font->Charset() || current->Color() != vi->TextColor) {
      std::unique_ptr<TFont> copy(new TFont);
      copy->Assign(font);
      copy->SetColor(vi->TextColor);
      inner->SetFont(copy.get());
    }
  } catch (...) {
    FInnerTextEdit->LockBoundsChange(false);
    throw;
  }
  FInnerTextEdit->LockBoundsChange(false);
}

void TcxCustomTextEdit::InnerEditAfterWndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_SIZE:
    case WM_SETFONT: DoScrolled(); break;
    case WM_KEYUP:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: CheckScrollAndSelection(); break;
    default: break;
  }
}

bool TcxCustomTextEdit::HandleInnerControlMessage(TMessage& Message) {
  InnerEditAfterWndProc(Message);
  return inherited::HandleInnerControlMessage(Message);
}

bool TcxCustomTextEdit::RefreshViewState(const TPoint& P, int AButtonCode, TShiftState AShift, bool ANotify) {
  const bool changed = inherited::RefreshViewState(P, AButtonCode, AShift, ANotify);
  UpdateInnerEditAppearance();
  return changed;
}

void TcxCustomTextEdit::GetInnerControlVisibleRect(const TRect& ABounds, TControl* AControl,
                                                   TcxContainerInnerControlBounds& ARecord) {
  if (HasVisibleInnerControl()) {
    inherited::GetInnerControlVisibleRect(ABounds, AControl, ARecord);
    return;
  }
  ARecord.IsEmpty = false;
  ARecord.Rect = TRect{};
}

void TcxCustomTextEdit::PropertiesChanged(TObject* Sender) {
  if (!FInnerTextEdit || IsEditDestroying()) {
    inherited::PropertiesChanged(Sender);
    return;
  }
  TcxCustomTextEditProperties* properties = ActiveTextProperties();
  if (IcxTextEditLookupData* lookup = GetLookupData(); lookup && properties->UseLookupData()) {
    lookup->PropertiesChanged();
    if (!FLookupUpdating) lookup->SyncItemIndex();
  }
  if (IsEditorReady() && !HasVisibleInnerControl()) UpdateDrawValue();
  FInnerTextEdit->WriteAlignment(properties->Alignment()->Horz());
  FInnerTextEdit->WriteUseLeftAlignmentOnEditing(properties->UseLeftAlignmentOnEditing());
  FInnerTextEdit->WriteAutoSelect(properties->AutoSelect() && !IsHosted());
  FInnerTextEdit->WriteCharCase(properties->CharCase());
  FInnerTextEdit->WriteEchoMode(properties->EchoMode());
  FInnerTextEdit->WriteHideSelection(properties->HideSelection());
  FInnerTextEdit->WriteImeMode(properties->ImeMode());
  FInnerTextEdit->WriteImeName(properties->ImeName());
  FInnerTextEdit->WriteMaxLength(properties->MaxLength());
  FInnerTextEdit->WriteOEMConvert(properties->OEMConvert());
  FInnerTextEdit->WritePasswordChar(properties->PasswordChar());
  CheckLookupCompletion();
  if (!IsPosting()) SynchronizeLookupText();
  UpdateDrawValue();
  inherited::PropertiesChanged(Sender);
  FInnerTextEdit->InnerWindowControl()->Invalidate();
}

void TcxCustomTextEdit::StyleChanged(TObject* Sender) {
  if (FInnerTextEdit && !IsEditDestroying() && ActiveTextProperties()->EchoMode() == eemPassword &&
      ActiveTextProperties()->PasswordChar() == 0)
    RecreateControlWnd(FInnerTextEdit->InnerWindowControl());
  inherited::StyleChanged(Sender);
}

void TcxCustomTextEdit::DoFocusChanged() {
  inherited::DoFocusChanged();
  if (FInnerTextEdit) FInnerTextEdit->InnerWindowControl()->Invalidate();
}

void TcxCustomTextEdit::FillSizeProperties(TcxEditSizeProperties& ASize) {
  inherited::FillSizeProperties(ASize);
  ASize.MaxLineCount = 1;
}

void TcxCustomTextEdit::Loaded() {
  inherited::Loaded();
  RefreshViewStateAtCursor(this, false);
}

void TcxCustomTextEdit::DoExit() {
  inherited::DoExit();
  SetFindSelection(false);
}

void TcxCustomTextEdit::KeyPress(wchar_t& Key) {
  if (Key == 27 && EscHandled() && FSwallowNextEnterEsc && !IsHosted()) FSwallowNextEnterEsc = false;
  inherited::KeyPress(Key);
}

// --- Messages -------------------------------------------------------------------------------------
void TcxCustomTextEdit::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_GETTEXT: WMGetText(Message); return;
    case WM_GETTEXTLENGTH:
      Message.Result = LRESULT((Properties() ? GetInnerText() : FTextOnDestroy).size());
      return;
    case WM_SETTEXT: WMSetText(Message); return;
    case WM_COMMAND: WMCommand(Message); return;
    case WM_CLEAR: WMClear(Message); return;
    case WM_SETFOCUS:
      if (FInnerTextEdit && !IsHosted() && !IsEditDestroying())
        FInnerTextEdit->InnerWindowControl()->HandleNeeded();
      inherited::Dispatch(Message);
      return;
    case CXM_EDITREPLACETEXT: ReplaceTextRequest(Message); return;
    default: inherited::Dispatch(Message); return;
  }
}

// Cut to the buffer without splitting a surrogate pair; the answer is the units copied.
void TcxCustomTextEdit::WMGetText(TMessage& Message) {
  const int capacity = int(Message.WParam);
  auto* buffer = reinterpret_cast<wchar_t*>(Message.LParam);
  if (capacity < 1 || !buffer) {
    Message.Result = 0;
    return;
  }
  const String text = CutUnits(Properties() && !IsEditDestroying() ? GetInnerText() : FTextOnDestroy, capacity - 1);
  std::copy(text.begin(), text.end(), buffer);
  buffer[text.size()] = L'\0';
  Message.Result = LRESULT(text.size());
}

void TcxCustomTextEdit::WMSetText(TMessage& Message) {
  if (FInSetText) {
    inherited::Dispatch(Message);
    return;
  }
  FInSetText = true;
  try {
    const auto* text = reinterpret_cast<const wchar_t*>(Message.LParam);
    Message.Result = SetInnerText(text ? String(text) : String()) ? 1 : 0;
  } catch (...) {
    FInSetText = false;
    throw;
  }
  FInSetText = false;
}

void TcxCustomTextEdit::WMCommand(TMessage& Message) {
  inherited::Dispatch(Message);
  switch (HIWORD(Message.WParam)) {
    case EN_CHANGE: DoTextChanged(); break;
    case EN_HSCROLL:
    case EN_VSCROLL: DoScrolled(); break;
    default: break;
  }
}

void TcxCustomTextEdit::WMClear(TMessage&) {
  if (ActiveProperties()->ReadOnly() || DataBinding()->HasNoData()) return;
  const TUserActionScope user(this, true);
  ClearSelection();
}

// The optional editor hook's undoable replacement of a range.
void TcxCustomTextEdit::ReplaceTextRequest(TMessage& Message) {
  const auto* request = reinterpret_cast<const TcxEditReplaceTextRequest*>(Message.LParam);
  if (!request || !FInnerTextEdit) return;
  TWinControl* inner = FInnerTextEdit->InnerWindowControl();
  const bool savedInternal = FSettingTextInternally;
  const bool savedHide = FInnerTextEdit->ReadHideSelection();
  FSettingTextInternally = true;
  FInnerTextEdit->WriteHideSelection(true);
  try {
    SetSelection(request->SelStart, request->SelLength);
    SendMessageW(inner->Handle(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(request->Text.c_str()));
    SetSelStart(request->CaretAfter);
  } catch (...) {
    FInnerTextEdit->WriteHideSelection(savedHide);
    FSettingTextInternally = savedInternal;
    throw;
  }
  FInnerTextEdit->WriteHideSelection(savedHide);
  FSettingTextInternally = savedInternal;
}

// --- Filter helper and unit --------------------------------------------------------------------------
void TcxFilterTextEditHelper::PreparePropertiesForFilter(TcxCustomFilterEditHelperClass AHelper,
                                                         TcxCustomEditProperties* AProperties,
                                                         TcxCustomEditProperties* ASource, bool AKeepButtons) {
  TcxCustomFilterEditHelper::PreparePropertiesForFilter(AHelper, AProperties, ASource, AKeepButtons);
  if (auto* text = dynamic_cast<TcxCustomTextEditProperties*>(AProperties)) {
    text->SetAutoSelect(true);
    text->SetHideSelection(true);
    text->SetNoTextEditing(false);
  }
}

void cxTextEditControl_Initialize() {
  RegisterClasses({TcxTextEdit::StaticClass()});
  GetFilterEditsController()->Register(TcxTextEditProperties::StaticClass(), TcxFilterTextEditHelper::StaticClass());
}

void cxTextEditControl_Finalize() {
  if (TcxFilterEditsController* controller = GetFilterEditsController())
    controller->Unregister(TcxTextEditProperties::StaticClass(), TcxFilterTextEditHelper::StaticClass());
  UnRegisterClasses({TcxTextEdit::StaticClass()});
}
