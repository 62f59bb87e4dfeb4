// The lookup data: the current key, the list highlight and the search over
// the editor's items.
#include "cxTextEditLookup_win.h"
#include "cxTextEdit_control_win.h"

TcxCustomTextEditLookupData::TcxCustomTextEditLookupData(TPersistent* AOwner)
    : TcxInterfacedPersistent(AOwner), FEditor(dynamic_cast<TcxCustomEdit*>(AOwner)) {}

TcxCustomTextEditLookupData::~TcxCustomTextEditLookupData() {
  if (TcxCustomEditListBox* list = ListControl()) list->OnSelChanged = nullptr;
  FreeObjectLink(FListLink);
}

bool TcxCustomTextEditLookupData::GetInterface(const TGUID& iid, void** obj) {
  return InterfaceTable<IcxTextEditLookupData>(this, iid, obj) || inherited::GetInterface(iid, obj);
}

TcxCustomEditListBox* TcxCustomTextEditLookupData::ListControl() const {
  return FListLink ? static_cast<TcxCustomEditListBox*>(FListLink->Target()) : nullptr;
}

// --- The editor -----------------------------------------------------------------------------
TcxCustomTextEditProperties* TcxCustomTextEditLookupData::GetEditProperties() {
  return FEditor ? dynamic_cast<TcxCustomTextEditProperties*>(FEditor->ActiveProperties()) : nullptr;
}

TStringList* TcxCustomTextEditLookupData::GetLookupItems() {
  TcxCustomTextEditProperties* properties = GetEditProperties();
  return properties ? properties->LookupItems() : nullptr;
}

String TcxCustomTextEditLookupData::EditorText() { return FEditor ? FEditor->Text() : String(); }

bool TcxCustomTextEditLookupData::EditorInCanModify() { return FEditor && FEditor->FInCanModify; }

void TcxCustomTextEditLookupData::SetEditorLookupUpdating(bool AValue) {
  if (auto* edit = dynamic_cast<TcxCustomTextEdit*>(FEditor)) edit->SetLookupUpdating(AValue);
}

// --- Items ----------------------------------------------------------------------------------
void TcxCustomTextEditLookupData::GetItemText(int AIndex, String& AText) { AText = GetLookupItems()->Strings(AIndex); }

int TcxCustomTextEditLookupData::GetItemCount() {
  TStringList* items = GetLookupItems();
  return items ? items->Count() : 0;
}

int TcxCustomTextEditLookupData::IndexOfText(const String& AText) { return LookupIndexOfText(*this, AText); }

String TcxCustomTextEditLookupData::GetKeyText(int AKey) {
  String text;
  if (AKey >= 0 && AKey < GetItemCount()) GetItemText(AKey, text);
  return text;
}

void TcxCustomTextEditLookupData::GetKeyText(const Variant& AKey, String& AText) {
  AText = AKey.IsNull() || AKey.IsEmpty() ? String() : GetKeyText(AKey.AsInteger());
}

// --- Current key and highlight ----------------------------------------------------------------
void TcxCustomTextEditLookupData::MakeItemCurrent(int AIndex) {
  if (AIndex < -1 || AIndex >= GetItemCount()) return;
  FKeyIndex = AIndex;
  SelectListItem(AIndex);
}

void TcxCustomTextEditLookupData::SelectListItem(int AIndex) {
  const int count = GetItemCount();
  if (AIndex < -1 || AIndex >= count || (AIndex == FListIndex && AIndex != -1)) return;
  if (TcxCustomEditListBox* list = ListControl(); list && count > 0) {
    // Through row 0, so the list also scrolls back to its top.
    if (AIndex == -1) list->SetItemIndex(0);
    list->SetItemIndex(AIndex);
  }
  FListIndex = AIndex;
}

void TcxCustomTextEditLookupData::ListSelectionChanged(TObject*) {
  if (TcxCustomEditListBox* list = ListControl()) FListIndex = list->ItemIndex();
}

void TcxCustomTextEditLookupData::FinalizePopup() {
  if (!EditorInCanModify()) SelectListItem(FKeyIndex);
}

void TcxCustomTextEditLookupData::FireKeyChanged() {
  if (OnKeyChanged) OnKeyChanged(this);
}

bool TcxCustomTextEditLookupData::WriteIntegerKey(int AKey) {
  const int old = FKeyIndex;
  MakeItemCurrent(AKey);
  bool fire = FKeyIndex != old;
  // The same key again still applies when the editor shows another text.
  if (!fire && AKey >= 0 && AKey < GetItemCount()) fire = EditorText() != GetKeyText(AKey);
  if (!fire) return false;
  SetEditorLookupUpdating(true);
  try {
    FireKeyChanged();
  } catch (...) {
    SetEditorLookupUpdating(false);
    throw;
  }
  SetEditorLookupUpdating(false);
  return true;
}

void TcxCustomTextEditLookupData::WriteKey(const Variant& AKey) {
  WriteIntegerKey(AKey.IsNull() || AKey.IsEmpty() ? -1 : AKey.AsInteger());
}

void TcxCustomTextEditLookupData::ChooseListItem() {
  if (FListIndex == -1) return;
  if (FListIndex == FKeyIndex && !(FEditor && FEditor->DoEditing())) return;
  // Choosing applies the item exactly once: WriteKey already did when the
  // editor showed another text, otherwise the same item chosen again is applied here.
  if (!WriteIntegerKey(FListIndex)) FireKeyChanged();
}

// --- Search and steps -------------------------------------------------------------------------
bool TcxCustomTextEditLookupData::LocateText(String& AText, String& ATail, bool AFromCurrent, bool AExact) {
  TcxCustomTextEditProperties* properties = GetEditProperties();
  const TcxTextEditingStyle style = properties ? properties->GetEditingStyle() : tesFreeText;
  int key;
  const bool found = LocateLookupText(*this, style, AFromCurrent ? FListIndex : -1, AExact, AText, ATail, key);
  if (key != cxLookupKeyKept) MakeItemCurrent(key);
  return found;
}

void TcxCustomTextEditLookupData::StepItem(int ADirection, bool AWrap) {
  const int count = GetItemCount();
  TcxCustomTextEditProperties* properties = GetEditProperties();
  if (count == 0 || !properties) return;
  const int index = FListIndex != -1 ? FListIndex : FKeyIndex;
  const int target = LookupStepIndex(ADirection, AWrap, index, count, properties->GetDropDownRows());
  TcxCustomEditListBox* list = ListControl();
  if (!list || !list->IsVisibleWindow() || (properties->ImmediateUpdateText() && FEditor && FEditor->DoEditing()))
    WriteIntegerKey(target);
  else
    SelectListItem(target);
}

void TcxCustomTextEditLookupData::SyncItemIndex() {
  if (EditorInCanModify()) return;
  String text = EditorText();
  if (FListIndex < GetItemCount() && LookupTextEquals(GetKeyText(FListIndex), text)) return;
  String tail;
  LocateText(text, tail, false, true);
}

// --- The list ---------------------------------------------------------------------------------
void TcxCustomTextEditLookupData::SyncListItemCount() {
  if (TcxCustomEditListBox* list = ListControl()) list->SetItemCount(GetItemCount());
}

void TcxCustomTextEditLookupData::CalcListSize(int, int, TSize& ASize) { ASize = TSize{0, 0}; }

void TcxCustomTextEditLookupData::PrepareList(TWinControl* APopup) {
  TcxCustomEditListBox* list = ListControl();
  if (!list) {
    TClass listClass = GetListBoxClass();
    if (!listClass) return;
    list = dynamic_cast<TcxCustomEditListBox*>(listClass->Create(APopup));
    if (!list) return;
    FListLink = CreateObjectLink(list);
  }
  if (FEditor) {
    list->SetColor(FEditor->GetBackgroundColor());
    TFont* font = FEditor->Style()->GetEffectiveFont();
    list->Font()->Assign(font);
    list->Canvas()->Font()->Assign(font);
  }
  list->SetParent(APopup);
  list->OnSelChanged = TNotifyEvent(this, &TcxCustomTextEditLookupData::ListSelectionChanged);
  list->SetItemCount(GetItemCount());
  list->SetItemIndex(FListIndex);
  list->UpdateItemHeight();
  SyncItemIndex();
}

void TcxCustomTextEditLookupData::SetListBounds(const TRect& R) {
  TcxCustomEditListBox* list = ListControl();
  if (!list) return;
  list->SetBoundsRect(R);
  if (!list->HandleAllocated()) return;
  // The horizontal scroll bar is only recalculated when the extent changes.
  const WPARAM extent = SendMessageW(list->Handle(), LB_GETHORIZONTALEXTENT, 0, 0);
  SendMessageW(list->Handle(), LB_SETHORIZONTALEXTENT, 0, 0);
  SendMessageW(list->Handle(), LB_SETHORIZONTALEXTENT, extent, 0);
}

bool TcxCustomTextEditLookupData::IsPointInList(const TPoint& P) {
  TcxCustomEditListBox* list = ListControl();
  if (!list || !list->HandleAllocated()) return false;
  const TPoint local = list->ScreenToClient(P);
  return local.X >= 0 && local.Y >= 0 && local.X < list->Width() && local.Y < list->Height();
}
