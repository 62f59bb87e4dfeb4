// TcxCustomDropDownEdit and its properties: the popup made once and prepared
// before each opening, the keys, the drop-down button and the focus driving
// the protocol, and the events around opening and closing.
#include "cxDropDownEdit_control_win.h"

#include "cxMessages.h"

// --- View data ----------------------------------------------------------------------------------
bool TcxCustomDropDownEditViewData::IsButtonDrawnPressed(int AButtonIndex) {
  auto* p = dynamic_cast<TcxCustomDropDownEditProperties*>(Properties);
  return KeepPressed && (PopupOpen || HotAndOpen) && p && AButtonIndex == p->GetDropDownButtonIndex();
}

// --- Properties ---------------------------------------------------------------------------------
TcxCustomDropDownEditProperties::TcxCustomDropDownEditProperties(TPersistent* AOwner, TClass AKind)
    : TcxCustomTextEditProperties(AOwner, AKind) {
  Buttons()->Add()->SetKind(bkDown);
}

TClass TcxCustomDropDownEditProperties::GetPopupWindowClass() { return TcxCustomEditPopupWindow::StaticClass(); }

TClass TcxCustomDropDownEditProperties::GetContainerClass() { return TcxCustomDropDownEdit::StaticClass(); }

TcxCustomEditViewData* TcxCustomDropDownEditProperties::CreateViewData(TcxContainerStyle* AStyle, bool AIsHosted,
                                                                       bool AFlag) {
  auto* info = dynamic_cast<const TcxEditPropertiesClassInfo*>(ClassType());
  if ((info ? info->GetViewDataClass() : GetViewDataClass()) == TcxCustomDropDownEditViewData::StaticClass())
    return new TcxCustomDropDownEditViewData(this, AStyle, AIsHosted);
  return inherited::CreateViewData(AStyle, AIsHosted, AFlag);
}

void TcxCustomDropDownEditProperties::SetPopupMinHeight(int Value) {
  Value = NormalizePopupMinSize(Value);
  if (Value == FPopupMinHeight) return;
  FPopupMinHeight = Value;
  SetPopupHeight(FPopupHeight);
  Changed();
}

void TcxCustomDropDownEditProperties::SetPopupMinWidth(int Value) {
  Value = NormalizePopupMinSize(Value);
  if (Value == FPopupMinWidth) return;
  FPopupMinWidth = Value;
  SetPopupWidth(FPopupWidth);
  Changed();
}

void TcxCustomDropDownEditProperties::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TcxCustomDropDownEditProperties*>(Source);
  if (!source) {
    inherited::Assign(Source);
    return;
  }
  BeginUpdate();
  try {
    inherited::Assign(Source);
    SetImmediateDropDown(source->FImmediateDropDown);
    SetImmediatePopup(source->FImmediatePopup);
    SetPopupAlignment(source->FPopupAlignment);
    SetPopupAutoSize(source->FPopupAutoSize);
    SetPopupClientEdge(source->FPopupClientEdge);
    SetPopupMinHeight(source->FPopupMinHeight);
    SetPopupMinWidth(source->FPopupMinWidth);
    SetPopupHeight(source->FPopupHeight);
    SetPopupWidth(source->FPopupWidth);
    SetPopupSizeable(source->FPopupSizeable);
    SetPopupSysPanelStyle(source->FPopupSysPanelStyle);
    SetPostPopupValueOnTab(source->FPostPopupValueOnTab);
    PopupDirection = source->PopupDirection;
    PopupVertAlignment = source->PopupVertAlignment;
    OnCloseQuery = source->OnCloseQuery;
    OnCloseUp = source->OnCloseUp;
    OnInitPopup = source->OnInitPopup;
    OnPopup = source->OnPopup;
    OnFinalizePopup = source->OnFinalizePopup;
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

// --- Editor -------------------------------------------------------------------------------------
namespace {

// The editor's own properties first, then the repository item's.
template <class E, class... A>
void FireBoth(TcxCustomDropDownEdit* AEdit, TcxCustomDropDownEditProperties* AOwn, E TcxCustomDropDownEditProperties::*AEvent,
              A&&... AArgs) {
  if (AOwn->*AEvent) (AOwn->*AEvent)(AEdit, AArgs...);
  if (TcxEditRepositoryItem* item = AEdit->RepositoryItem())
    if (auto* p = dynamic_cast<TcxCustomDropDownEditProperties*>(item->Properties()))
      if (p->*AEvent) (p->*AEvent)(AEdit, AArgs...);
}

TcxPopupAlignHorz ToAlignHorz(TAlignment AAlignment) {
  if (AAlignment == taCenter) return pahCenter;
  return AAlignment == taRightJustify ? pahRight : pahLeft;
}

}  // namespace

TcxCustomDropDownEdit::TcxCustomDropDownEdit(TComponent* AOwner, TClass APropertiesClass)
    : TcxCustomTextEdit(AOwner, APropertiesClass) {
  FPopupWindow = CreatePopupWindow();
  FProtocol = std::make_unique<TcxDropDownPopupProtocol>(FPopupWindow, this);
  FPopupWindow->OnCloseQuery = TCloseQueryEvent(this, &TcxCustomDropDownEdit::PopupCloseQuery);
  // The popup's panel and frame follow the editor's look.
  if (TcxLookAndFeel* lf = FPopupWindow->Style()->LookAndFeel()) lf->SetMaster(Style()->LookAndFeel());
}

TcxCustomDropDownEdit::~TcxCustomDropDownEdit() {
  FProtocol.reset();
  delete FPopupWindow;
  FPopupWindow = nullptr;
}

void TcxCustomDropDownEdit::BeforeDestruction() {
  // A show still waiting ends the opening; an open popup closes without a value.
  if (FProtocol) {
    FProtocol->DiscardPendingPopup();
    if (IsPopupVisible(FPopupWindow)) FPopupWindow->CloseUp();
  }
  inherited::BeforeDestruction();
}

// Made in the constructor, where the kind's own override is not reached yet:
// the properties, complete by then, name the class.
TcxCustomEditPopupWindow* TcxCustomDropDownEdit::CreatePopupWindow() {
  auto* properties = dynamic_cast<TcxCustomDropDownEditProperties*>(Properties());
  TClass popupClass = properties ? properties->GetPopupWindowClass() : nullptr;
  if (popupClass && popupClass != TcxCustomEditPopupWindow::StaticClass())
    if (auto* popup = dynamic_cast<TcxCustomEditPopupWindow*>(popupClass->Create(this))) return popup;
  return new TcxCustomEditPopupWindow(this);
}

void TcxCustomDropDownEdit::Initialize() { inherited::Initialize(); }

bool TcxCustomDropDownEdit::IsPopupOpen() { return FProtocol && FProtocol->IsPopupOpen(); }

void TcxCustomDropDownEdit::SetDroppedDown(bool Value) { FProtocol->SetDroppedDown(Value); }

bool TcxCustomDropDownEdit::Focused() { return IsPopupOpen() || inherited::Focused(); }

TcxEditCloseUpReason TcxCustomDropDownEdit::FirstCloseReason() const { return FProtocol->State().FirstCloseReason(); }

void TcxCustomDropDownEdit::CloseUp(TcxEditCloseUpReason AReason) { FProtocol->CloseUp(AReason); }

void TcxCustomDropDownEdit::DropDown() { FProtocol->DropDown(); }

void TcxCustomDropDownEdit::DoInitPopup() { FProtocol->DoInitPopup(); }

void TcxCustomDropDownEdit::DoFinalizePopup() { FProtocol->DoFinalizePopup(); }

void TcxCustomDropDownEdit::DoPopup() { FireBoth(this, ActiveDropDownProperties(), &TcxCustomDropDownEditProperties::OnPopup); }

void TcxCustomDropDownEdit::DoCloseUp() {
  const int reason = FirstCloseReason();
  if (Properties()->OnClosePopup) Properties()->OnClosePopup(this, reason);
  if (TcxEditRepositoryItem* item = RepositoryItem())
    if (item->Properties()->OnClosePopup) item->Properties()->OnClosePopup(this, reason);
  FireBoth(this, ActiveDropDownProperties(), &TcxCustomDropDownEditProperties::OnCloseUp);
}

TWinControl* TcxCustomDropDownEdit::GetPopupFocusedControl() { return InnerControl(); }

void TcxCustomDropDownEdit::SetupPopupClient(const TRect& R) {
  if (IcxTextEditLookupData* lookup = GetLookupData()) lookup->SetListBounds(R);
}

void TcxCustomDropDownEdit::InitializeLookupPopup() {
  IcxTextEditLookupData* lookup = GetLookupData();
  if (lookup && !ComponentState().Contains(csDesigning) && ActiveTextProperties()->PopupHasLookupList()) lookup->PrepareList(FPopupWindow);
}

bool TcxCustomDropDownEdit::CanResizePopupClient(TSize& AClientSize, const TSize& AMaxClientSize) {
  IcxTextEditLookupData* lookup = GetLookupData();
  if (!lookup || !ActiveTextProperties()->PopupHasLookupList()) return true;
  return lookup->CanResizeList(AClientSize, AMaxClientSize.cy, AMaxClientSize.cx);
}

void TcxCustomDropDownEdit::TakeValueFromPopup(TcxEditCloseUpReason) {
  if (ActiveTextProperties()->UseLookupData()) ChooseLookupItem();
}

void TcxCustomDropDownEdit::ChooseLookupItem() {
  IcxTextEditLookupData* lookup = GetLookupData();
  if (!lookup) return;
  const Variant oldKey = lookup->ReadKey();
  LockClick(true);
  try {
    lookup->ChooseListItem();
  } catch (...) {
    LockClick(false);
    throw;
  }
  LockClick(false);
  const Variant key = lookup->ReadKey();
  if (key.IsNull() != oldKey.IsNull() || (!key.IsNull() && key.AsInteger() != oldKey.AsInteger()))
    SetModifiedAndClick();
}

bool TcxCustomDropDownEdit::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
  if (inherited::DoMouseWheel(Shift, WheelDelta, MousePos)) return true;
  IcxTextEditLookupData* lookup = GetLookupData();
  if (!IsLookupListShown(true) || !IsPopupOpen() || !ActiveTextProperties()->UseLookupData() || !lookup ||
      lookup->IsEmpty())
    return false;
  if (TcxCustomEditListBox* list = lookup->GetListControl(); list && list->HandleAllocated()) {
    const WPARAM wp = MAKEWPARAM(0, WORD(short(WheelDelta)));
    SendMessageW(list->Handle(), WM_MOUSEWHEEL, wp, MAKELPARAM(MousePos.X, MousePos.Y));
  }
  return true;
}

void TcxCustomDropDownEdit::PasteFromClipboard() {
  if (!Focused()) {
    inherited::PasteFromClipboard();
    return;
  }
  const String before = Text();
  inherited::PasteFromClipboard();
  if (TextsEqual(before, Text(), false) || !ActiveDropDownProperties()->ImmediateDropDown() || IsPopupOpen())
    return;
  SetDroppedDown(true);
  if (ActiveTextProperties()->UseLookupData() && HandleAllocated())
    PostMessageW(Handle(), CXM_DROPDOWNSYNCITEM, 0, 0);
}

void TcxCustomDropDownEdit::Dispatch(TMessage& Message) {
  if (Message.Msg != CXM_DROPDOWNSYNCITEM) {
    inherited::Dispatch(Message);
    return;
  }
  IcxTextEditLookupData* lookup = GetLookupData();
  if (!lookup || !IsPopupOpen()) return;
  const Variant oldKey = lookup->ReadKey();
  LockClick(true);
  try {
    lookup->SyncItemIndex();
  } catch (...) {
    LockClick(false);
    throw;
  }
  LockClick(false);
  const Variant key = lookup->ReadKey();
  if (key.IsNull() != oldKey.IsNull() || (!key.IsNull() && key.AsInteger() != oldKey.AsInteger()))
    SetModifiedAndClick();
}

TRect TcxCustomDropDownEdit::GetPopupOwnerBounds() {
  TRect r;
  GetHotZoneRect(r);
  if (EditViewInfo()->Shadow) r.Right += cxEditPopupShadowWidth;
  return OffsetRectBy(r, Left(), Top());
}

void TcxCustomDropDownEdit::InitializePopupWindow() {
  TcxCustomDropDownEditProperties* p = ActiveDropDownProperties();
  TcxCustomEditPopupWindow* w = FPopupWindow;
  w->OwnerParent = Parent();
  w->Direction = p->PopupDirection;
  w->AlignHorz = ToAlignHorz(p->PopupAlignment());
  w->AlignVert = p->PopupVertAlignment;
  w->SetClientEdge(p->PopupClientEdge());
  w->MinHeight = p->PopupMinHeight();
  w->MinWidth = p->PopupMinWidth();
  w->SetPopupAutoSize(p->PopupAutoSize());
  w->SetSizeable(p->PopupSizeable());
  w->SetSysPanelVisible(p->PopupSysPanelStyle());
  w->PopupWidth = p->PopupWidth();
  w->PopupHeight = p->PopupHeight();
  w->SetCloseButton(static_cast<TcxCustomEditStyle*>(Style())->PopupCloseButton());
  TcxCustomEditViewInfo* info = EditViewInfo();
  w->SetBorderStyle(info->PopupBorderStyle);
  w->SetNativeStyle(info->NativeStyle);
  w->SetShadow(info->Shadow);
}

void TcxCustomDropDownEdit::PreparePopupWindow() {
  TcxCustomEditPopupWindow* w = FPopupWindow;
  w->SetTopLevelMode(ActiveDropDownProperties()->PopupTakesFocus());
  InitializeLookupPopup();
  InitializePopupWindow();
  TPoint p;
  w->PositioningLock = true;
  try {
    w->CalculateSize();
    w->CalcPosition(p);
    w->CorrectBoundsToWorkArea(p);
  } catch (...) {
    w->PositioningLock = false;
    throw;
  }
  w->PositioningLock = false;
  w->SetBounds(p.X, p.Y, w->Width(), w->Height());
  w->Recalculate();
  SetupPopupClient(w->EditViewInfo()->ClientRect);
  w->UpdateWindowRegion();
}

void TcxCustomDropDownEdit::SavePopupSize() {
  TcxCustomDropDownEditProperties* p = ActiveDropDownProperties();
  if (!p->PopupSizeable()) return;
  p->SetPopupWidth(FPopupWindow->Width());
  p->SetPopupHeight(FPopupWindow->Height());
}

void TcxCustomDropDownEdit::InitPopupHooks() {
  FireBoth(this, ActiveDropDownProperties(), &TcxCustomDropDownEditProperties::OnInitPopup);
  if (IcxTextEditLookupData* lookup = GetLookupData(); lookup && ActiveTextProperties()->UseLookupData())
    lookup->InitPopup();
}

void TcxCustomDropDownEdit::PopupShownHooks() {
  RefreshViewStateAtCursor(this, false);
  FPopupWindow->CalculateViewInfo();
  SetupPopupClient(FPopupWindow->EditViewInfo()->ClientRect);
  DoPopup();
  UpdateDrawValue();
}

void TcxCustomDropDownEdit::TakePopupValue(TcxEditCloseUpReason AReason) {
  TakeValueFromPopup(AReason);
  TcxCustomDropDownEditProperties* p = ActiveDropDownProperties();
  if (!p->DelaysImmediatePost() && p->ImmediatePost() && HasValueToPost()) PostEditValue(true);
}

void TcxCustomDropDownEdit::FinalizePopupHooks() {
  if (IcxTextEditLookupData* lookup = GetLookupData();
      lookup && ActiveTextProperties()->UseLookupData() && !ComponentState().Contains(csDestroying))
    lookup->FinalizePopup();
  FireBoth(this, ActiveDropDownProperties(), &TcxCustomDropDownEditProperties::OnFinalizePopup);
}

void TcxCustomDropDownEdit::CloseUpHooks(TcxEditCloseUpReason) {
  // A press outside closed it: the same press on the drop-down button opens nothing.
  FClosedAtMessageTime = GetMessageTime();
  RefreshViewStateAtCursor(this, false);
  DoCloseUp();
  RefreshViewStateAtCursor(this, false);
}

void TcxCustomDropDownEdit::PopupCloseQuery(TObject*, bool& CanClose) {
  FireBoth(this, ActiveDropDownProperties(), &TcxCustomDropDownEditProperties::OnCloseQuery, CanClose);
}

void TcxCustomDropDownEdit::HandleEditKey(uint16_t& Key, TShiftState Shift) {
  // DoEditing may fire the editing event: asked only for an Enter that closes the popup.
  const bool editingAllowed = (IsPopupOpen() && Key == VK_RETURN) ? DoEditing() : true;
  const uint16_t key = Key;
  if (FProtocol->HandleKey(Key, Shift, editingAllowed)) {
    // The popup had the key: its character must not reach the text as well.
    if (key == VK_RETURN || key == VK_ESCAPE) SetSwallowNextEnterEsc(true);
    Key = 0;
    return;
  }
  inherited::HandleEditKey(Key, Shift);
}

void TcxCustomDropDownEdit::DoEditKeyPress(wchar_t& Key) {
  TcxCustomDropDownEditProperties* p = ActiveDropDownProperties();
  if (Key >= 32 && p->ImmediateDropDown() && !IsPopupOpen()) SetDroppedDown(true);
  if (p->PopupTakesFocus() && Key != L'\r' && CanDropDown() && FPopupWindow->FocusedControl) {
    FProtocol->PostChar(Key);
    Key = 0;
    return;
  }
  inherited::DoEditKeyPress(Key);
}

void TcxCustomDropDownEdit::DoButtonDown(int AButtonIndex) {
  inherited::DoButtonDown(AButtonIndex);
  if (AButtonIndex != ActiveDropDownProperties()->GetDropDownButtonIndex()) return;
  if (IsPopupOpen()) CloseUp(crUnknown);
  else if (GetMessageTime() != FClosedAtMessageTime) SetDroppedDown(true);
}

void TcxCustomDropDownEdit::HandleTabLeave(TShiftState Shift) {
  if (IsPopupOpen() && ActiveDropDownProperties()->PostPopupValueOnTab()) CloseUp(crTab);
  inherited::HandleTabLeave(Shift);
}

bool TcxCustomDropDownEdit::TakesTabKey() {
  return inherited::TakesTabKey() || (IsPopupOpen() && ActiveDropDownProperties()->PostPopupValueOnTab());
}

void TcxCustomDropDownEdit::PropertiesChanged(TObject* Sender) {
  if (!ActiveDropDownProperties()->PopupSizeable()) FUserResized = false;
  if (IsPopupOpen()) PreparePopupWindow();
  inherited::PropertiesChanged(Sender);
}

void TcxCustomDropDownEdit::DoExit() {
  CloseUp(crUnknown);
  inherited::DoExit();
}

void TcxCustomDropDownEdit::InitializeViewData(TcxCustomEditViewData* AViewData) {
  inherited::InitializeViewData(AViewData);
  if (auto* data = dynamic_cast<TcxCustomDropDownEditViewData*>(AViewData)) {
    data->PopupOpen = IsPopupOpen();
    data->KeepPressed = ActiveDropDownProperties()->KeepPressed || (UsesNativeTheme() && AreThemesEnabled());
  }
}

void TcxCustomDropDownEdit::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  // Closed by this very press (above, or by the hooks): it stays closed.
  const bool wasOpen = IsPopupOpen();
  const LONG pressTime = GetMessageTime();
  inherited::MouseDown(Button, Shift, X, Y);
  if (wasOpen) {
    if (IsPopupOpen() && EditViewInfo()->PressedButton < 0) CloseUp(crUnknown);
    return;
  }
  if (pressTime == FClosedAtMessageTime) return;
  if (ActiveDropDownProperties()->DropDownOnClick() && Button == mbLeft &&
      PointInRect(EditViewInfo()->ClientRect, TPoint{X, Y}) && !IsPopupOpen() && Focused())
    SetDroppedDown(true);
}

void TcxCustomDropDownEdit::DestroyWnd() {
  if (FProtocol) {
    CloseUp(crUnknown);
    DoFinalizePopup();
  }
  inherited::DestroyWnd();
}
