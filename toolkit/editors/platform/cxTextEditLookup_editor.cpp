// The text editor's side of its item list: what typing, Backspace, the
// navigation keys and the wheel do with the lookup items, the current key
// reached through the lookup data's interface, and the ItemIndex reading.
#include "cxTextEditLookup_win.h"
#include "cxTextEdit_control_win.h"

namespace {

// The lookup data's prefix search as the typing rules ask for it.
class TLookupDataFinder : public TcxLookupFinder {
 public:
  explicit TLookupDataFinder(IcxTextEditLookupData* AData) : FData(AData) {}
  bool FindPrefix(String& AText, String& ATail) override { return FData->FindPrefix(AText, ATail, false); }

 private:
  IcxTextEditLookupData* FData;
};

// The items as the editor's key operations give them, so a kind with keys
// of its own reads ItemIndex by the same rule.
class TEditorLookupItems : public TcxLookupItemSource {
 public:
  explicit TEditorLookupItems(TcxCustomTextEdit* AEdit) : FEdit(AEdit) {}
  int LookupItemCount() override {
    if (FCount < 0) {
      String text;
      FCount = 0;
      while (FEdit->GetLookupKeyText(FEdit->ItemIndexToLookupKey(FCount), text)) ++FCount;
    }
    return FCount;
  }
  void LookupItemText(int AIndex, String& AText) override {
    AText.clear();
    FEdit->GetLookupKeyText(FEdit->ItemIndexToLookupKey(AIndex), AText);
  }

 private:
  TcxCustomTextEdit* FEdit;
  int FCount = -1;
};

bool SameKey(const Variant& A, const Variant& B) {
  const bool noA = A.IsNull() || A.IsEmpty(), noB = B.IsNull() || B.IsEmpty();
  if (noA || noB) return noA == noB;
  return A.AsInteger() == B.AsInteger();
}

}  // namespace

// --- The current key --------------------------------------------------------------------------------
IcxTextEditLookupData* TcxCustomTextEdit::GetLookupData() {
  IcxTextEditLookupData* data = nullptr;
  if (FLookupData) Supports(FLookupData, data);
  return data;
}

Variant TcxCustomTextEdit::ReadLookupKey() {
  IcxTextEditLookupData* data = GetLookupData();
  return data ? data->ReadKey() : Variant::Null();
}

void TcxCustomTextEdit::WriteLookupKey(const Variant& AKey) {
  if (IcxTextEditLookupData* data = GetLookupData()) data->WriteKey(AKey);
}

bool TcxCustomTextEdit::GetLookupKeyText(const Variant& AKey, String& AText) {
  IcxTextEditLookupData* data = GetLookupData();
  if (!data || AKey.IsNull() || AKey.IsEmpty()) return false;
  const int key = AKey.AsInteger();
  auto* items = dynamic_cast<TcxCustomTextEditLookupData*>(FLookupData);
  if (key < 0 || (items && key >= items->GetItemCount())) return false;
  data->GetKeyText(AKey, AText);
  return true;
}

bool TcxCustomTextEdit::LookupContainsText(const String& AText) {
  IcxTextEditLookupData* data = GetLookupData();
  return data && data->ContainsText(AText);
}

// The current item when the text is its text, else the first item equal to
// the text: a typed prefix reads -1, a chosen duplicate its own position.
int TcxCustomTextEdit::GetItemIndex() {
  TEditorLookupItems items(this);
  return ReadLookupItemIndex(items, LookupKeyToItemIndex(ReadLookupKey()), InnerEditText());
}

// --- Typing -----------------------------------------------------------------------------------------
void TcxCustomTextEdit::DoEditKeyPress(wchar_t& Key) {
  if (FInnerTextEdit) FInnerTextEdit->WriteKeyEatenByEditor(true);
  inherited::DoEditKeyPress(Key);
  if (Key == 0) return;
  FLookupUpdating = false;
  IcxTextEditLookupData* lookup = GetLookupData();
  if (lookup && (Key == 8 || Key >= 32) && ActiveTextProperties()->UseLookupData()) TypeLookupKey(lookup, Key);
  if (Key != 0 && FInnerTextEdit) FInnerTextEdit->WriteKeyEatenByEditor(false);
}

void TcxCustomTextEdit::TypeLookupKey(IcxTextEditLookupData* ALookup, wchar_t& Key) {
  TcxCustomTextEditProperties* properties = ActiveTextProperties();
  const TUserActionScope user(this, true);
  const Variant oldKey = ALookup->ReadKey();
  SaveModified();
  LockClick(true);
  try {
    TcxLookupTyping typing;
    typing.Text = InnerEditText();
    typing.SelStart = FInnerTextEdit ? FInnerTextEdit->ReadSelStart() : 0;
    typing.SelLength = FInnerTextEdit ? FInnerTextEdit->ReadSelLength() : 0;
    typing.FindSelection = FFindSelection;
    TLookupDataFinder finder(ALookup);
    // The inner window is a Unicode one: an input-method character arrives
    // whole, never as a lead byte waiting for its trail.
    const bool dropped = LookupKeyPress(typing, Key, properties->GetEditingStyle(), properties->IncrementalSearch(),
                                        0, finder);
    FLookupUpdating = typing.LookupUpdating;
    if (typing.TextCleared) InternalSetDisplayValue(Variant(String()));
    if (typing.TextSet) SetInternalDisplayValue(Variant(typing.Text));
    if (typing.TextSet || typing.SelectionSet) SetSelection(typing.SelStart, typing.SelLength);
    SetFindSelection(typing.FindSelection);
    if (typing.TextSet || typing.TextCleared) UpdateDrawValue();
    if (dropped) Key = 0;
  } catch (...) {
    LockClick(false);
    RestoreModified();
    throw;
  }
  LockClick(false);
  RestoreModified();
  if (!SameKey(ALookup->ReadKey(), oldKey)) SetModifiedAndClick();
}

// --- Keys -------------------------------------------------------------------------------------------
void TcxCustomTextEdit::HandleEditKey(uint16_t& Key, TShiftState Shift) {
  TcxCustomTextEditProperties* properties = ActiveTextProperties();
  const TcxTextEditingStyle style = properties->GetEditingStyle();
  auto afterKeyDown = [&] {
    if (OnAfterKeyDown) OnAfterKeyDown(this, Key, Shift);
  };
  if (style == tesPickFromList && (Key == VK_LEFT || Key == VK_RIGHT || Key == VK_DELETE)) {
    const bool clearKey = properties->ClearKey() != 0 && ShortCut(Key, Shift) == properties->ClearKey();
    if (!clearKey && !IsDefaultButtonKey(Key, Shift)) {
      SetFindSelection(false);
      afterKeyDown();
      Key = 0;
      return;
    }
  }
  if (FInnerTextEdit) FInnerTextEdit->WriteKeyEatenByEditor(true);
  const bool wasFind = FFindSelection;
  inherited::HandleEditKey(Key, Shift);
  IcxTextEditLookupData* lookup = GetLookupData();
  if (Key == VK_RETURN && wasFind) {
    if (lookup) lookup->ChooseListItem();
    SelectWholeText();
  }
  if (Key >= VK_PRIOR && Key <= VK_DELETE) {
    if (Key == VK_LEFT || Key == VK_RIGHT) SetFindSelection(false);
    if (Key == VK_DELETE) {
      if (style == tesCompleteFromList) {
        afterKeyDown();
        Key = 0;
        return;
      }
      SetFindSelection(false);
    }
    const bool homeOrEnd = Key == VK_HOME || Key == VK_END;
    const bool stepKey = Key == VK_PRIOR || Key == VK_NEXT || Key == VK_UP || Key == VK_DOWN ||
                         (homeOrEnd && style == tesPickFromList);
    if (stepKey && properties->UseLookupData() && IsLookupListShown(false) && lookup && !lookup->IsEmpty()) {
      int direction;
      switch (Key) {
        case VK_PRIOR: direction = Shift.Contains(ssCtrl) ? cxLookupStepFirst : cxLookupStepPageUp; break;
        case VK_NEXT: direction = Shift.Contains(ssCtrl) ? cxLookupStepLast : cxLookupStepPageDown; break;
        case VK_END: direction = cxLookupStepLast; break;
        case VK_HOME: direction = cxLookupStepFirst; break;
        case VK_UP: direction = cxLookupStepPrior; break;
        default: direction = cxLookupStepNext; break;
      }
      StepLookupItem(lookup, direction);
      Key = 0;
      return;
    }
    // The EDIT never sees Up, Down, PageUp or PageDown; a memo does.
    if (stepKey && !(FInnerTextEdit && FInnerTextEdit->IsMultiLineControl())) {
      afterKeyDown();
      Key = 0;
      return;
    }
  }
  if (Key == VK_END && style != tesPickFromList && GetSelLength() == 0) SetFindSelection(false);
  if (Key != 0 && FInnerTextEdit) FInnerTextEdit->WriteKeyEatenByEditor(false);
}

void TcxCustomTextEdit::StepLookupItem(IcxTextEditLookupData* ALookup, int ADirection) {
  TcxCustomTextEditProperties* properties = ActiveTextProperties();
  LockChangeEvents(true);
  try {
    const Variant oldKey = ALookup->ReadKey();
    LockClick(true);
    try {
      ALookup->StepItem(ADirection, false);
    } catch (...) {
      LockClick(false);
      throw;
    }
    LockClick(false);
    if (!SameKey(ALookup->ReadKey(), oldKey)) SetModifiedAndClick();
    if (HasValueToPost() && properties->ImmediatePost() && ValidateEdit(true)) PostEditValue(false);
  } catch (...) {
    LockChangeEvents(false, true);
    throw;
  }
  LockChangeEvents(false, true);
}

bool TcxCustomTextEdit::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
  if (inherited::DoMouseWheel(Shift, WheelDelta, MousePos)) return true;
  IcxTextEditLookupData* lookup = GetLookupData();
  if (!IsLookupListShown(true) || IsPopupOpen() || !ActiveTextProperties()->UseLookupData() || !lookup ||
      lookup->IsEmpty() || !CanUseMouseWheel(Shift))
    return false;
  if (DoEditing()) StepLookupItem(lookup, WheelDelta > 0 ? cxLookupStepPrior : cxLookupStepNext);
  return true;
}
