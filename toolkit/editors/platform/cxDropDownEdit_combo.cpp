// The combo box: its popup and list sizing, its owner-drawn rows, its
// properties and the editor's own answers about when the list opens, which
// text may be typed and when the item follows the text.
#include "cxDropDownEdit_combo_win.h"

#include <algorithm>

// --- Popup --------------------------------------------------------------------------------------
void TcxComboBoxPopupWindow::CalculateSize() {
  inherited::CalculateSize();
  auto* edit = dynamic_cast<TcxCustomComboBox*>(OwnerControl());
  if (!edit) return;
  TcxComboPopupSizeParams params;
  params.AutoSize = PopupAutoSize();
  params.Content = PopupAutoSize() ? edit->CalcPopupClientSize() : TSize{};
  params.OwnerWidth = GetRectWidth(OwnerBounds);
  params.Sizeable = Sizeable();
  params.UserResized = edit->UserResizedPopup();
  params.PopupWidth = PopupWidth;
  params.PopupHeight = PopupHeight;
  params.MinWidth = MinWidth;
  params.MinHeight = MinHeight;
  const TSize size = CalcComboPopupSize(params, EditViewInfo()->CalculateClientExtent(), GetMinSize());
  SetBounds(Left(), Top(), size.cx, size.cy);
}

// --- List ---------------------------------------------------------------------------------------
TcxCustomComboBoxListBox::TcxCustomComboBoxListBox(TComponent* AOwner) : TcxCustomEditListBox(AOwner) {
  SetStyle(lbOwnerDrawVariable);
}

TcxCustomComboBox* TcxCustomComboBoxListBox::Combo() { return dynamic_cast<TcxCustomComboBox*>(OwnerEdit()); }

void TcxCustomComboBoxListBox::CreateParams(TCreateParams& Params) {
  inherited::CreateParams(Params);
  // A drawn row may depend on the width: redraw it all when that changes.
  if (TcxCustomComboBox* combo = Combo(); combo && combo->IsOnDrawItemAssigned())
    Params.WindowClass.style |= CS_HREDRAW;
}

bool TcxCustomComboBoxListBox::DoDrawItem(int AIndex, const TRect& ARect, TOwnerDrawState AState) {
  TcxCustomComboBox* combo = Combo();
  if (!combo || !combo->IsOnDrawItemAssigned()) return false;
  combo->DoDrawItem(cxCanvas(), AIndex, ARect, AState);
  return true;
}

void TcxCustomComboBoxListBox::GetItemText(int AIndex, String& AText) {
  TcxCustomComboBox* combo = Combo();
  TcxComboBoxLookupData* data = combo ? combo->ComboLookupData() : nullptr;
  if (data && AIndex >= 0 && AIndex < data->GetItemCount()) data->GetItemText(AIndex, AText);
  else AText.clear();
}

int TcxCustomComboBoxListBox::GetHeightForRows(int ARowCount) {
  int height = 0;
  for (int i = 0; i < ARowCount; ++i) height += GetItemHeightAt(i);
  return height;
}

void TcxCustomComboBoxListBox::MeasureItem(int Index, int& Height) { Height = GetItemHeightAt(Index); }

void TcxCustomComboBoxListBox::SetItemIndex(int Value) {
  inherited::SetItemIndex(Value);
  // The row set by the program stays under a pointer that has not moved yet.
  if (TcxCustomComboBox* combo = Combo()) combo->ListMouseMoveSuppressed = true;
}

void TcxCustomComboBoxListBox::MouseMove(TShiftState Shift, int X, int Y) {
  if (TcxCustomComboBox* combo = Combo(); combo && combo->ListMouseMoveSuppressed) {
    combo->ListMouseMoveSuppressed = false;
    return;
  }
  inherited::MouseMove(Shift, X, Y);
}

int TcxComboBoxListBox::GetItemHeightAt(int AIndex) {
  TcxCustomComboBox* combo = Combo();
  const int itemHeight = combo ? combo->ActiveComboProperties()->ItemHeight() : 0;
  int height = itemHeight > 0 ? itemHeight : inherited::GetItemHeightAt(AIndex);
  if (combo && AIndex >= 0) combo->DoMeasureItem(AIndex, cxCanvas(), height);
  return height;
}

void TcxComboBoxListBox::UpdateItemHeight() {
  TcxCustomComboBox* combo = Combo();
  SetItemHeight(GetItemHeightAt(-1));
  SetStyle(combo && combo->IsOnMeasureItemAssigned() ? lbOwnerDrawVariable : lbOwnerDrawFixed);
}

void TcxComboBoxListBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  inherited::MouseUp(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  const int row = ItemAtPos(TPoint{X, Y}, true);
  TcxCustomComboBox* combo = Combo();
  if (row == -1 || !combo) return;
  if (GetCapture() == Handle()) ReleaseCapture();
  SetItemIndex(row);
  combo->CloseUp(crEnter);
}

// --- Lookup data --------------------------------------------------------------------------------
void TcxComboBoxLookupData::CalcListSize(int AMaxHeight, int AMaxWidth, TSize& ASize) {
  TcxCustomEditListBox* list = ListControl();
  TcxCustomTextEditProperties* properties = GetEditProperties();
  if (!list || !properties) {
    ASize = TSize{0, 0};
    return;
  }
  TcxComboListMetrics metrics;
  metrics.ItemCount = GetItemCount();
  metrics.DropDownRows = properties->GetDropDownRows();
  for (int i = 0; i < metrics.ItemCount; ++i) metrics.WidestItem = std::max(metrics.WidestItem, list->GetItemWidth(i));
  metrics.VScrollWidth = GetSystemMetrics(SM_CXVSCROLL);
  metrics.HScrollHeight = GetSystemMetrics(SM_CYHSCROLL);
  if (list->HandleAllocated()) SendMessageW(list->Handle(), LB_SETHORIZONTALEXTENT, metrics.WidestItem + 4, 0);
  const int rows = std::min(metrics.DropDownRows, metrics.ItemCount);
  ASize = CalcComboListSize(metrics, list->GetHeightForRows(rows), AMaxHeight, AMaxWidth);
}

namespace {
int ListRowHeight(void* AList, int AIndex) { return static_cast<TcxCustomEditListBox*>(AList)->GetItemHeightAt(AIndex); }
}  // namespace

bool TcxComboBoxLookupData::CanResizeList(TSize& ASize, int AMaxHeight, int AMaxWidth) {
  TcxCustomEditListBox* list = ListControl();
  TcxCustomTextEditProperties* properties = GetEditProperties();
  if (!list || !properties || (ASize.cx == list->Width() && ASize.cy == list->Height())) return true;
  TcxComboListMetrics metrics;
  metrics.ItemCount = GetItemCount();
  metrics.DropDownRows = properties->GetDropDownRows();
  metrics.VScrollWidth = GetSystemMetrics(SM_CXVSCROLL);
  metrics.HScrollHeight = GetSystemMetrics(SM_CYHSCROLL);
  const int extent = list->HandleAllocated() ? int(SendMessageW(list->Handle(), LB_GETHORIZONTALEXTENT, 0, 0)) : 0;
  ASize = CalcComboListResize(ASize, list->Height(), metrics, &ListRowHeight, list, extent, AMaxHeight, AMaxWidth);
  return true;
}

void TcxComboBoxLookupData::PrepareList(TWinControl* APopup) {
  inherited::PrepareList(APopup);
  // Rows measured anew: the font, ItemHeight or the measure event may have changed.
  if (TcxCustomEditListBox* list = ListControl(); list && list->HandleAllocated() && list->Style() == lbOwnerDrawVariable)
    list->RecreateList();
}

// --- Properties ---------------------------------------------------------------------------------
TcxCustomComboBoxProperties::TcxCustomComboBoxProperties(TPersistent* AOwner, TClass AKind)
    : TcxCustomDropDownEditProperties(AOwner, AKind) {}

TClass TcxCustomComboBoxProperties::GetContainerClass() { return TcxComboBox::StaticClass(); }

TcxTextEditingStyle TcxCustomComboBoxProperties::GetEditingStyle() {
  switch (FDropDownListStyle) {
    case lsEditFixedList: return tesCompleteFromList;
    case lsFixedList: return tesPickFromList;
    default: return tesFreeText;
  }
}

void TcxCustomComboBoxProperties::SetDropDownListStyle(TcxEditDropDownListStyle Value) {
  if (Value == FDropDownListStyle) return;
  FDropDownListStyle = Value;
  Changed();
}

void TcxCustomComboBoxProperties::SetDropDownRows(int Value) {
  if (Value <= 0 || Value == FDropDownRows) return;
  FDropDownRows = Value;
  Changed();
}

void TcxCustomComboBoxProperties::SetItemHeight(int Value) {
  Value = std::max(Value, 0);
  if (Value == FItemHeight) return;
  FItemHeight = Value;
  Changed();
}

void TcxCustomComboBoxProperties::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TcxCustomComboBoxProperties*>(Source);
  if (!source) {
    inherited::Assign(Source);
    return;
  }
  BeginUpdate();
  try {
    inherited::Assign(Source);
    SetDropDownListStyle(source->FDropDownListStyle);
    SetDropDownRows(source->FDropDownRows);
    SetItemHeight(source->FItemHeight);
    FRevertable = source->FRevertable;
    OnDrawItem = source->OnDrawItem;
    OnMeasureItem = source->OnMeasureItem;
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

// --- Editor -------------------------------------------------------------------------------------
TcxCustomComboBox::TcxCustomComboBox(TComponent* AOwner, TClass APropertiesClass)
    : TcxCustomDropDownEdit(AOwner, APropertiesClass) {}

namespace {

// The own properties' event, then the repository item's.
template <class E, class... A>
void FireComboEvent(TcxCustomComboBox* AEdit, E TcxCustomComboBoxProperties::*AEvent, A&&... AArgs) {
  if (auto* own = dynamic_cast<TcxCustomComboBoxProperties*>(AEdit->Properties()); own && own->*AEvent)
    (own->*AEvent)(AEdit, AArgs...);
  if (TcxEditRepositoryItem* item = AEdit->RepositoryItem())
    if (auto* p = dynamic_cast<TcxCustomComboBoxProperties*>(item->Properties()); p && p->*AEvent)
      (p->*AEvent)(AEdit, AArgs...);
}

template <class E>
bool ComboEventAssigned(TcxCustomComboBox* AEdit, E TcxCustomComboBoxProperties::*AEvent) {
  auto* own = dynamic_cast<TcxCustomComboBoxProperties*>(AEdit->Properties());
  return (own && own->*AEvent) || AEdit->ActiveComboProperties()->*AEvent;
}

}  // namespace

void TcxCustomComboBox::DoDrawItem(TcxCanvas* ACanvas, int AIndex, const TRect& ARect, TOwnerDrawState AState) {
  FireComboEvent(this, &TcxCustomComboBoxProperties::OnDrawItem, ACanvas, AIndex, ARect, AState);
}

void TcxCustomComboBox::DoMeasureItem(int AIndex, TcxCanvas* ACanvas, int& AHeight) {
  FireComboEvent(this, &TcxCustomComboBoxProperties::OnMeasureItem, AIndex, ACanvas, AHeight);
}

bool TcxCustomComboBox::IsOnDrawItemAssigned() { return ComboEventAssigned(this, &TcxCustomComboBoxProperties::OnDrawItem); }

bool TcxCustomComboBox::IsOnMeasureItemAssigned() {
  return ComboEventAssigned(this, &TcxCustomComboBoxProperties::OnMeasureItem);
}

bool TcxCustomComboBox::CanDropDown() {
  // A disabled combo box takes no choice, not even one its code opens the list for.
  if (!Enabled()) return false;
  IcxTextEditLookupData* lookup = GetLookupData();
  return !lookup || !lookup->IsEmpty();
}

TSize TcxCustomComboBox::CalcPopupClientSize() {
  TcxCustomEditPopupWindow* popup = PopupWindow();
  TcxCustomComboBoxProperties* p = ActiveComboProperties();
  const TSize maxSize = popup->GetMaxClientSize();
  int maxWidth = maxSize.cx;
  if (!p->DropDownSizeable() && !p->DropDownAutoWidth()) {
    const TRect extent = popup->EditViewInfo()->CalculateClientExtent();
    const int width = p->DropDownWidth() > 0 ? p->DropDownWidth() : GetRectWidth(GetPopupOwnerBounds());
    maxWidth = std::min(width - extent.Left - extent.Right, int(maxSize.cx));
  }
  TSize size{};
  if (IcxTextEditLookupData* lookup = GetLookupData()) lookup->CalcListSize(maxSize.cy, maxWidth, size);
  return size;
}

bool TcxCustomComboBox::IsPlainTextEditable() {
  return ActiveComboProperties()->DropDownListStyle() == lsEditList && inherited::IsPlainTextEditable();
}

void TcxCustomComboBox::Initialize() {
  inherited::Initialize();
  // A click in the text is no Click of the combo box: only a changed item is.
  TControlStyle style = ControlStyle();
  style.Exclude(csClickEvents);
  SetControlStyle(style);
}

void TcxCustomComboBox::InitializePopupWindow() {
  inherited::InitializePopupWindow();
  if (ActiveComboProperties()->DropDownSizeable()) PopupWindow()->SetSysPanelVisible(true);
}

void TcxCustomComboBox::PreparePopupWindow() {
  inherited::PreparePopupWindow();
  if (IcxTextEditLookupData* lookup = GetLookupData())
    if (TcxCustomEditListBox* list = lookup->GetListControl()) list->Invalidate();
}

bool TcxCustomComboBox::NeedsLookupSync() {
  if (LookupUpdating() || IsEditDestroying()) return false;
  if (IsPopupOpen()) return true;
  if (ActiveComboProperties()->GetEditingStyle() != tesFreeText) return true;
  if (!Focused()) return false;
  String keyText;
  GetLookupKeyText(ReadLookupKey(), keyText);
  return keyText == GetDisplayText();
}

void TcxCustomComboBox::SyncLookupItem() {
  if (IcxTextEditLookupData* lookup = GetLookupData(); lookup && ActiveTextProperties()->UseLookupData())
    lookup->SyncItemIndex();
}

void TcxCustomComboBox::ChangeHandler(TObject* Sender) {
  inherited::ChangeHandler(Sender);
  if (NeedsLookupSync()) SyncLookupItem();
}

void TcxCustomComboBox::DblClick() {
  inherited::DblClick();
  IcxTextEditLookupData* lookup = GetLookupData();
  if (!ActiveComboProperties()->Revertable() || IsPopupOpen() || !lookup || lookup->IsEmpty() || !DoEditing()) return;
  const int old = ItemIndex();
  LockClick(true);
  try {
    lookup->StepItem(cxLookupStepNext, true);
  } catch (...) {
    LockClick(false);
    throw;
  }
  LockClick(false);
  if (ItemIndex() == old) return;
  SetModifiedAndClick();
  if (ActiveComboProperties()->ImmediatePost() && HasValueToPost() && ValidateEdit(true)) PostEditValue(false);
}

void TcxCustomComboBox::Dispatch(TMessage& Message) {
  inherited::Dispatch(Message);
  // Mouse 7: a press on the editor dragged into the open list drives the list.
  if (Message.Msg == WM_MOUSEMOVE && IsPopupOpen() && GetCapture() == Handle()) {
    IcxTextEditLookupData* lookup = GetLookupData();
    TcxCustomEditListBox* list = lookup ? lookup->GetListControl() : nullptr;
    TPoint p{short(LOWORD(Message.LParam)), short(HIWORD(Message.LParam))};
    p = ClientToScreen(p);
    if (list && list->HandleAllocated() && lookup->IsPointInList(p)) {
      const TPoint local = list->ScreenToClient(p);
      ReleaseCapture();
      SendMessageW(list->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(local.X, local.Y));
    }
  }
}

// --- Filter rows ---------------------------------------------------------------------------------
void TcxFilterComboBoxHelper::PreparePropertiesForFilter(TcxCustomFilterEditHelperClass AHelper,
                                                         TcxCustomEditProperties* AProperties,
                                                         TcxCustomEditProperties* ASource, bool AKeepButtons) {
  TcxFilterTextEditHelper::PreparePropertiesForFilter(AHelper, AProperties, ASource, AKeepButtons);
  auto* combo = dynamic_cast<TcxCustomComboBoxProperties*>(AProperties);
  if (!combo) return;
  combo->SetDropDownRows(8);
  combo->SetDropDownListStyle(lsEditList);
  combo->SetImmediateDropDown(false);
  combo->SetPopupAlignment(taLeftJustify);
  combo->SetRevertable(false);
}
