// The editor's value: writes by code and by the user, the change events and
// their lock, validation with OnValidate, posting, the reset on Esc, and the
// keys every editor kind treats alike (clear key, click key, Tab, Enter, Esc,
// navigation).
#include "Forms.h"
#include "Menus.h"
#include "Sleep.h"
#include "cxEdit_control_win.h"

namespace {

bool IsNoValue(const Variant& V) { return V.IsEmpty() || V.IsNull(); }

// Different types (unless both hold no value) or different values.
bool EditValuesDiffer(const Variant& A, const Variant& B) {
  if (IsNoValue(A) || IsNoValue(B)) return IsNoValue(A) != IsNoValue(B);
  if (A.VarType() != B.VarType()) return true;
  try {
    return A != B;
  } catch (const Exception&) {
    return true;
  }
}

TcxCustomEdit* EditOf(TObject* AEdit) { return dynamic_cast<TcxCustomEdit*>(AEdit); }

}  // namespace

// --- The plain binding's answers --------------------------------------------------------------------
bool TcxEditDataBinding::IsEditing() { return EditOf(FEdit) && EditOf(FEdit)->EditModified(); }
bool TcxEditDataBinding::IsModified() { return IsEditing(); }
Variant TcxEditDataBinding::GetStoredValue() { return EditOf(FEdit) ? EditOf(FEdit)->CopyEditValue() : Variant(); }

void TcxEditDataBinding::Reset() {
  if (TcxCustomEdit* edit = EditOf(FEdit)) edit->ResetValue();
}

bool TcxEditDataBinding::SetEditMode() {
  if (TcxCustomEdit* edit = EditOf(FEdit)) edit->SetEditModified(true);
  return true;
}

void TcxEditDataBinding::MarkModifiedIfFocused() {
  TcxCustomEdit* edit = EditOf(FEdit);
  if (edit && edit->Focused()) edit->SetEditModified(true);
}

void TcxEditDataBinding::UpdateDisplayValue() {
  if (TcxCustomEdit* edit = EditOf(FEdit)) edit->UpdateDisplayFromValue();
}

// --- Modification flags ----------------------------------------------------------------------------
void TcxCustomEdit::SetEditModified(bool Value) {
  FEditModified = Value;
  if (Value) {
    FModifiedSinceEnter = true;
    FValidated = false;
  }
}

void TcxCustomEdit::SetModifiedSinceEnter(bool Value) {
  FModifiedSinceEnter = Value;
  if (!Value) FEditModified = false;
}

void TcxCustomEdit::SetModifiedAndClick() {
  SetEditModified(true);
  Click();
}

bool TcxCustomEdit::CanUseMouseWheel(TShiftState AShift) {
  return !FIsHosted || ActiveProperties()->UseMouseWheel() || AShift.Contains(ssCtrl);
}

void TcxCustomEdit::SaveModified() { FModifiedStack.emplace_back(FModifiedSinceEnter, FEditModified); }

void TcxCustomEdit::RestoreModified() {
  if (FModifiedStack.empty()) return;
  FModifiedSinceEnter = FModifiedStack.back().first;
  FEditModified = FModifiedStack.back().second;
  FModifiedStack.pop_back();
}

// --- Value ------------------------------------------------------------------------------------------------
void TcxCustomEdit::AssignEditValue(const Variant& Value) {
  if (FValueWriteLock > 0) return;
  LockClick(true);
  try {
    if (!FUserAction || DoEditing()) InternalSetEditValue(Value, true);
  } catch (...) {
    LockClick(false);
    throw;
  }
  LockClick(false);
}

void TcxCustomEdit::AssignEditValueWithClick(const Variant& Value) {
  if (FValueWriteLock > 0) return;
  if (!FUserAction || DoEditing()) InternalSetEditValue(Value, true);
}

void TcxCustomEdit::InternalSetEditValue(const Variant& Value, bool /*AValidateEditValue*/) {
  if (FUserAction && !DoEditing()) return;
  TcxCustomEditProperties* properties = ActiveProperties();
  const bool changed = properties->IsEditValueChangeTracked() && EditValuesDiffer(Value, FEditValue);
  FEditValue = Value;
  UpdateDisplayFromValue();
  if (FUserAction)
    SetEditModified(true);
  else
    SetModifiedSinceEnter(false);
  if (changed) {
    DoEditValueChanged();
    if (!properties->IsChangeDrivenByText()) DoChange();
  }
}

Variant TcxCustomEdit::GetEditingValue() {
  if (Focused() && !FValidated && FEditModified) return InternalGetEditingValue();
  return CopyEditValue();
}

void TcxCustomEdit::InternalStoreDisplayValue(const Variant& ADisplayValue) {
  SaveModified();
  try {
    InternalSetDisplayValue(ADisplayValue);
  } catch (...) {
    RestoreModified();
    throw;
  }
  RestoreModified();
}

void TcxCustomEdit::PrepareDisplayValue(const Variant& AEditValue, Variant& DisplayValue, bool AEditing) {
  ActiveProperties()->PrepareDisplayValue(AEditValue, DisplayValue, AEditing);
}

// --- Permission to change -------------------------------------------------------------------------------
bool TcxCustomEdit::CanModify() {
  TcxCustomEditProperties* properties = ActiveProperties();
  IcxEditDefaultValuesProvider* provider = properties->DefaultValuesProvider();
  if (FIsHosted) {
    if (properties->AssignedValues()->ReadOnly() && !properties->ReadOnly()) return true;
    if (properties->ReadOnly()) return false;
    return !provider || (provider->DefaultCanModify() && provider->AllowsEditMode());
  }
  if (properties->AssignedValues()->ReadOnly()) return !properties->ReadOnly();
  return !provider || (provider->DefaultCanModify() && provider->AllowsEditMode());
}

bool TcxCustomEdit::DoEditing() {
  if (!InternalCanEdit()) return false;
  if (FDataBinding->IsModified()) return true;
  if (!CanModify()) return false;
  const TUserActionScope keepUser(this, FUserAction);
  bool canEdit = true;
  const bool savedInCanModify = FInCanModify;
  FInCanModify = true;
  try {
    if (FIsHosted) {
      ++FValueWriteLock;
      try {
        if (OnEditing) OnEditing(this, canEdit);
      } catch (...) {
        --FValueWriteLock;
        throw;
      }
      --FValueWriteLock;
    } else {
      const bool wasEditing = FDataBinding->IsEditing();
      if (OnEditing) OnEditing(this, canEdit);
      if (wasEditing && canEdit) {
        FDataBinding->MarkModifiedIfFocused();
      } else if (!wasEditing && canEdit) {
        ++FValueWriteLock;
        try {
          canEdit = FDataBinding->SetEditMode();
        } catch (...) {
          --FValueWriteLock;
          throw;
        }
        --FValueWriteLock;
      }
    }
  } catch (...) {
    FInCanModify = savedInCanModify;
    throw;
  }
  FInCanModify = savedInCanModify;
  return canEdit;
}

// --- Change events ---------------------------------------------------------------------------------------------
void TcxCustomEdit::ChangeHandler(TObject* /*Sender*/) {
  if (Focused())
    SetEditModified(true);
  else if (!FProperties->IsFiring())
    FDataBinding->MarkModifiedIfFocused();
  DoChange();
}

namespace {
// Fires one of the two change events: held back while the catcher is locked,
// else with a hosted editor's modification pair raised around the handlers.
template <class Fire>
void FireChangeEvent(TcxCustomEdit* AEdit, bool AIsHosted, int ALockCount, bool& APending, Fire AFire,
                     void (TcxCustomEdit::*ASave)(), void (TcxCustomEdit::*ARestore)()) {
  if (ALockCount > 0) {
    APending = true;
    return;
  }
  if (!AIsHosted) {
    AFire();
    return;
  }
  (AEdit->*ASave)();
  AEdit->SetEditModified(true);
  try {
    AFire();
  } catch (...) {
    (AEdit->*ARestore)();
    throw;
  }
  (AEdit->*ARestore)();
}
}  // namespace

void TcxCustomEdit::DoChange() {
  if (IsLoading() || IsEditDestroying()) return;
  TcxCustomEditProperties* properties = ActiveProperties();
  if (FProperties->OnChange || (FRepositoryItem && properties->OnChange))
    FireChangeEvent(this, FIsHosted, FChangeEventsCatcher.LockCount, FChangeEventsCatcher.OnChangeEvent,
                    [this] { DoOnChange(); }, &TcxCustomEdit::SaveModified, &TcxCustomEdit::RestoreModified);
  if (!properties->IsChangeDrivenByText() && !properties->IsEditValueChangeTracked()) DoEditValueChanged();
}

void TcxCustomEdit::DoEditValueChanged() {
  if (IsLoading() || IsEditDestroying()) return;
  if (!FProperties->OnEditValueChanged && !(FRepositoryItem && ActiveProperties()->OnEditValueChanged)) return;
  FireChangeEvent(this, FIsHosted, FChangeEventsCatcher.LockCount, FChangeEventsCatcher.OnEditValueChangedEvent,
                  [this] { DoOnEditValueChanged(); }, &TcxCustomEdit::SaveModified, &TcxCustomEdit::RestoreModified);
}

void TcxCustomEdit::DoOnChange() {
  if (FProperties->OnChange) FProperties->OnChange(this);
  if (FRepositoryItem && FRepositoryItem->Properties()->OnChange) FRepositoryItem->Properties()->OnChange(this);
}

void TcxCustomEdit::DoOnEditValueChanged() {
  if (FProperties->OnEditValueChanged) FProperties->OnEditValueChanged(this);
  if (FRepositoryItem && FRepositoryItem->Properties()->OnEditValueChanged)
    FRepositoryItem->Properties()->OnEditValueChanged(this);
}

void TcxCustomEdit::LockChangeEvents(bool ALock, bool AInvoke) {
  TcxEditChangeEventsCatcher& c = FChangeEventsCatcher;
  if (ALock) {
    if (c.LockCount++ == 0) c.OnChangeEvent = c.OnEditValueChangedEvent = false;
    return;
  }
  if (c.LockCount == 0) return;
  if (--c.LockCount > 0 || !AInvoke || IsLoading() || IsEditDestroying()) return;
  if (c.OnChangeEvent) {
    c.OnChangeEvent = false;
    if (FProperties->OnChange || (FRepositoryItem && FRepositoryItem->Properties()->OnChange)) DoOnChange();
  }
  if (c.OnEditValueChangedEvent) {
    c.OnEditValueChangedEvent = false;
    if (FProperties->OnEditValueChanged || (FRepositoryItem && FRepositoryItem->Properties()->OnEditValueChanged))
      DoOnEditValueChanged();
  }
}

void TcxCustomEdit::LockClick(bool ALock) {
  if (ALock)
    ++FClickLockCount;
  else if (FClickLockCount > 0)
    --FClickLockCount;
}

// --- Validation -------------------------------------------------------------------------------------------------------
bool TcxCustomEditProperties::ValidateDisplayValue(Variant& ADisplayValue, String& AErrorText, bool& AError,
                                                   TcxCustomEdit* AEdit) {
  if (!CanValidate()) return false;
  if (AErrorText.empty()) AErrorText = GetValidationErrorText();
  TcxCustomEditProperties* own = AEdit->Properties();
  TcxEditRepositoryItem* item = AEdit->RepositoryItem();
  TcxCustomEditProperties* itemProperties = item ? item->Properties() : nullptr;
  if (!own->OnValidate && !(itemProperties && itemProperties->OnValidate)) return false;
  const String before = VarToStr(ADisplayValue);
  if (own->OnValidate) own->OnValidate(AEdit, ADisplayValue, AErrorText, AError);
  if (itemProperties && itemProperties->OnValidate) itemProperties->OnValidate(AEdit, ADisplayValue, AErrorText, AError);
  const bool changed = VarToStr(ADisplayValue) != before;
  if (AError && !changed) ADisplayValue = Variant(AEdit->GetDisplayText());
  return changed;
}

bool TcxCustomEdit::DoValidateDisplayValue(Variant& ADisplayValue, String& AErrorText, bool& AError) {
  return ActiveProperties()->ValidateDisplayValue(ADisplayValue, AErrorText, AError, this);
}

bool TcxCustomEdit::ValidateEdit(bool ARaiseOnError) {
  if (!FEditModified || FValidated) return true;
  const TUserActionScope keepUser(this, FUserAction);
  struct TValidating {
    bool& Flag;
    explicit TValidating(bool& AFlag) : Flag(AFlag) { Flag = true; }
    ~TValidating() { Flag = false; }
  } validating(FValidating);
  Variant displayValue(GetDisplayText());
  String errorText;
  bool error = false;
  DoValidateDisplayValue(displayValue, errorText, error);
  if (error) {
    // The display shows what the handler left, whether the error raises or not.
    auto showDisplayValue = [&]() {
      if (GetDisplayText() != VarToStr(displayValue)) {
        SetInternalDisplayValue(displayValue);
        if (Visible()) {
          SelectWholeText();
          if (!HasVisibleInnerControl()) UpdateDrawValue();
        }
      }
    };
    if (ARaiseOnError) {
      try {
        HandleValidationError(errorText, true);
      } catch (...) {
        showDisplayValue();
        throw;
      }
    }
    showDisplayValue();
    return false;
  }
  if (FUserAction && !DoEditing()) return true;
  InternalStoreDisplayValue(displayValue);
  if (!FIsHosted && !Focused()) FEditModified = false;
  FValidated = true;
  return true;
}

void TcxCustomEdit::HandleValidationError(const String& AErrorText, bool ACanAbort) {
  if (!CanFocus()) {
    // Reported once: the same text is not refused again.
    FValidated = true;
  } else if (Visible() && !Focused()) {
    const bool saved = FFocusingForError;
    FFocusingForError = true;
    try {
      if (FInnerEdit && HandleAllocated())
        FInnerEdit->FocusWithoutAutoSelect();
      else
        SetFocus();
    } catch (...) {
      FFocusingForError = saved;
      throw;
    }
    FFocusingForError = saved;
    SelectWholeText();
  } else {
    SelectWholeText();
  }
  if (ActiveProperties()->BeepOnError()) SystemBeep();
  if (!AErrorText.empty()) throw EcxEditValidationError(AErrorText);
  if (ACanAbort) throw EAbort(String());
}

// --- Posting --------------------------------------------------------------------------------------------------------
bool TcxCustomEdit::HasValueToPost() { return !IsDesigning() && FDataBinding->IsModified(); }

void TcxCustomEdit::PostEditValue(bool AValidateFirst) {
  if (AValidateFirst) {
    const TUserActionScope noUser(this, false);
    if (!ValidateEdit(true)) return;
  }
  try {
    BeforePostValue();
    try {
      if (FIsHosted) {
        if (OnPostEditValue) OnPostEditValue(this);
        SetModifiedSinceEnter(false);
      } else if (FDataBinding->IsModified()) {
        FDataBinding->SetStoredValue(CopyEditValue());
      }
    } catch (...) {
      AfterPostValue();
      throw;
    }
    AfterPostValue();
  } catch (...) {
    if (FIsHosted) return;
    try {
      HandleValidationError(String(), false);
    } catch (...) {
    }
    throw;
  }
}

// --- Exit and reset ----------------------------------------------------------------------------------------------------
void TcxCustomEdit::ApplyExitProcessing() {
  SaveModified();
  FExiting = true;
  LockChangeEvents(true);
  bool accepted = false;
  try {
    accepted = ValidateEdit(true);
  } catch (...) {
    LockChangeEvents(false, true);
    FExiting = false;
    RestoreModified();
    throw;
  }
  try {
    if (accepted && !FIsHosted && HasValueToPost()) PostEditValue(false);
  } catch (...) {
    LockChangeEvents(false, true);
    FExiting = false;
    RestoreModified();
    throw;
  }
  LockChangeEvents(false, true);
  if (RefreshesValueOnEnter()) FDataBinding->UpdateDisplayValue();
  UpdateDrawValue();
  RefreshViewStateAtCursor(this, false);
  RestoreModified();
  try {
    inherited::DoExit();
  } catch (...) {
    FExiting = false;
    throw;
  }
  FEditModified = false;
  SaveModified();
  RestoreModified();
  FExiting = false;
}

bool TcxCustomEdit::CanReset() { return IsDataBoundEditor() || ActiveProperties()->SupportsValueReset(); }

void TcxCustomEdit::ResetValue() {
  if (!FEditModified || !ActiveProperties()->SupportsValueReset()) return;
  LockChangeEvents(true);
  try {
    FEditModified = false;
    AssignEditValueWithClick(IsDataBoundEditor() ? FDataBinding->GetStoredValue() : FSavedEditValue);
    FModifiedSinceEnter = true;
    SelectWholeText();
    if (ActiveProperties()->ImmediatePost() && HasValueToPost()) PostEditValue(false);
  } catch (...) {
    LockChangeEvents(false, true);
    throw;
  }
  LockChangeEvents(false, true);
}

// --- Keys ---------------------------------------------------------------------------------------------------------------
bool TcxCustomEdit::IsDefaultButtonKey(uint16_t Key, TShiftState Shift) {
  TcxCustomEditProperties* properties = ActiveProperties();
  TcxEditButtons* buttons = properties->Buttons();
  bool hasDefault = false;
  for (int i = 0; i < buttons->Count() && !hasDefault; ++i) hasDefault = buttons->Items(i)->Default();
  return hasDefault && ShortCut(Key, Shift) == properties->ClickKey();
}

bool TcxCustomEdit::IsValidCharForData(wchar_t AChar) {
  IcxEditDefaultValuesProvider* provider = FDataBinding->GetIDefaultValuesProvider();
  return !provider || provider->AcceptsAnyChar() || provider->IsValidChar(AChar);
}

bool TcxCustomEdit::ValidateKeyDown(uint16_t& Key, TShiftState Shift) {
  return FDataBinding->IsModified() || !CanKeyDownModifyEdit(Key, Shift) || DoEditing();
}

bool TcxCustomEdit::ValidateKeyPress(wchar_t& Key) {
  if (Key >= 32 && !IsValidCharForData(Key)) {
    Key = 0;
    SystemBeep();
    return false;
  }
  if (!FDataBinding->IsModified() && CanKeyPressModifyEdit(Key) && !DoEditing()) Key = 0;
  return Key != 0;
}

void TcxCustomEdit::KeyDown(uint16_t& Key, TShiftState Shift) {
  FEscHandled = false;
  FEscPending = Key == VK_ESCAPE;
  try {
    if (!IsDefaultButtonKey(Key, Shift)) TcxContainer::KeyDown(Key, Shift);
    if (Key != 0) HandleEditKey(Key, Shift);
    if (Key != 0 && WantsAfterKeyDown(Key, Shift) && OnAfterKeyDown) OnAfterKeyDown(this, Key, Shift);
  } catch (...) {
    FEscPending = false;
    throw;
  }
  FEscPending = false;
}

void TcxCustomEdit::HandleEditKey(uint16_t& Key, TShiftState Shift) {
  TcxCustomEditProperties* properties = ActiveProperties();
  const TShortCut shortCut = ShortCut(Key, Shift);
  auto afterKeyDown = [&]() {
    if (OnAfterKeyDown) OnAfterKeyDown(this, Key, Shift);
  };
  if (properties->ClearKey() != 0 && shortCut == properties->ClearKey()) {
    LockChangeEvents(true);
    try {
      {
        const TUserActionScope user(this, true);
        AssignEditValueWithClick(GetClearValue());
        if (properties->ImmediatePost() && HasValueToPost()) PostEditValue(false);
        FValidated = true;
      }
      FUserAction = false;
    } catch (...) {
      LockChangeEvents(false, true);
      throw;
    }
    LockChangeEvents(false, true);
    Key = 0;
    return;
  }
  if (IsDefaultButtonKey(Key, Shift)) {
    // The Enter character would reach the editor after the click.
    if (HandleAllocated()) DiscardPendingMessages(Handle(), WM_CHAR);
    DoClickDefaultButton();
    Key = 0;
    return;
  }
  if (!ValidateKeyDown(Key, Shift)) {
    afterKeyDown();
    Key = 0;
    return;
  }
  switch (Key) {
    case VK_TAB:
      if (Focused() && !Shift.Contains(ssAlt) && !Shift.Contains(ssCtrl) && !properties->WantsTabKey()) {
        HandleTabLeave(Shift);
        afterKeyDown();
        if (Key != 0) {
          Key = 0;
          if (TCustomForm* form = GetParentForm(this)) {
            TWinControl* current = form->ActiveControl() ? form->ActiveControl() : this;
            form->SelectNext(current, !Shift.Contains(ssShift), true);
            if (HandleAllocated() && GetFocus() == Handle() && FInnerEdit) FInnerEdit->FocusWithoutAutoSelect();
          }
        }
      }
      break;
    case VK_RETURN:
      if (properties->ValidateOnEnter()) {
        Key = 0;
        LockChangeEvents(true);
        try {
          if (ValidateEdit(true) && HasValueToPost()) PostEditValue(false);
        } catch (...) {
          LockChangeEvents(false, true);
          throw;
        }
        LockChangeEvents(false, true);
      }
      break;
    case VK_ESCAPE:
      if (FEditModified && CanReset()) {
        LockChangeEvents(true);
        try {
          FDataBinding->Reset();
          FModifiedSinceEnter = true;
        } catch (...) {
          LockChangeEvents(false, true);
          throw;
        }
        LockChangeEvents(false, true);
        FEscHandled = true;
        Key = 0;
      }
      break;
    default: break;
  }
  if (Key >= VK_PRIOR && Key <= VK_DOWN && !WantNavigationKeys()) {
    afterKeyDown();
    Key = 0;
  }
}

void TcxCustomEdit::KeyPress(wchar_t& Key) {
  if (Key == 27 && FEscHandled) {
    FEscHandled = false;
    Key = 0;
    return;
  }
  inherited::KeyPress(Key);
  if (Key != 0) DoEditKeyPress(Key);
}

void TcxCustomEdit::KeyUp(uint16_t& Key, TShiftState Shift) {
  inherited::KeyUp(Key, Shift);
  DoEditKeyUp(Key, Shift);
}

// Keys the form would take as dialog keys reach the editor only when it
// uses them: Esc that undoes a change, Enter that validates or clicks the
// default edit button, Tab for a hosted editor.
void TcxCustomEdit::CMWantSpecialKey(TMessage& Message) {
  const uint16_t key = uint16_t(Message.WParam);
  const TShiftState shift = KeyboardStateToShiftState();
  TcxCustomEditProperties* properties = ActiveProperties();
  bool wanted = false;
  switch (key) {
    case VK_ESCAPE: wanted = FEditModified && CanReset(); break;
    case VK_RETURN: wanted = properties->ValidateOnEnter() || IsDefaultButtonKey(key, shift); break;
    case VK_TAB: wanted = TakesTabKey(); break;
    default: wanted = properties->ClearKey() != 0 && ShortCut(key, shift) == properties->ClearKey(); break;
  }
  Message.Result = wanted ? 1 : 0;
}
