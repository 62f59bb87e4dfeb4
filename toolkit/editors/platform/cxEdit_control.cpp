// The editor control: its life, properties and repository item, streaming,
// hosted activation, focus, auto-size with anchors, edit-button tracking and
// painting. The value, validation and keys are in cxEdit_control_value.cpp.
#include <climits>
#include <memory>

#include "DialogService.h"
#include "Forms.h"
#include "Streaming.h"
#include "cxEdit_control_win.h"

namespace {

// The class object of a properties class (the base one for anything else).
TcxCustomEditPropertiesClass PropertiesInfo(TClass APropertiesClass) {
  if (TcxCustomEditPropertiesClass info = TcxCustomEditProperties::ClassInfoOf(APropertiesClass)) return info;
  return TcxCustomEditProperties::ClassInfoOf(TcxCustomEditProperties::StaticClass());
}

bool IsAlignedToFill(TAlign A, TAlign ASide1, TAlign ASide2) {
  return A == ASide1 || A == ASide2 || A == alClient || A == alCustom;
}

// The editor's change handler of its properties (not the repository listener's).
TNotifyEvent PropertiesChangedHandler(TcxCustomEdit* AEdit) {
  return TNotifyEvent(AEdit, static_cast<void (TcxCustomEdit::*)(TObject*)>(&TcxCustomEdit::PropertiesChanged));
}

}  // namespace

// --- Life ---------------------------------------------------------------------------------------
TcxCustomEdit::TcxCustomEdit(TComponent* AOwner, bool AIsHosted, TClass APropertiesClass)
    : TcxCustomEditContainer(AOwner,
                             PropertiesInfo(APropertiesClass ? APropertiesClass : GetPropertiesClass())->GetStyleClass(),
                             PropertiesInfo(APropertiesClass ? APropertiesClass : GetPropertiesClass())->GetViewInfoClass()) {
  FIsHosted = AIsHosted;
  FAnchorX = FAnchorY = INT_MAX;
  TClass propertiesClass = APropertiesClass ? APropertiesClass : GetPropertiesClass();
  FProperties = static_cast<TcxCustomEditProperties*>(propertiesClass->Create(this));
  Initialize();
  if (HandleAllocated()) RefreshViewStateAtCursor(this, false);
}

TcxCustomEdit* TcxCustomEdit::CreateHosted(TClass AEditClass, TComponent* AOwner, bool AIsHosted) {
  auto* edit = static_cast<TcxCustomEdit*>(AEditClass->Create(AOwner));
  edit->FIsHosted = AIsHosted;
  // What Initialize decided for a standalone editor, made again for a hosted one.
  if (AIsHosted) {
    edit->FAutoSize = false;
    edit->WantHostedKeys();
    edit->FProperties->SetDefaultValuesProvider(nullptr);
  }
  return edit;
}

void TcxCustomEdit::Initialize() {
  FChangeEventsCatcher = TcxEditChangeEventsCatcher{};
  {
    std::unique_ptr<TcxCustomEditViewData> viewData(FProperties->CreateViewData(Style(), FIsHosted));
    FContentOffsets = viewData->ContentOffsets;
    FContentParamsCached = true;
  }
  TControlStyle style = ControlStyle();
  style.Include(csCaptureMouse);
  style.Include(csSetCaption);
  SetControlStyle(style);
  SetTabStop(true);
  CreateInnerEdit();
  FDataBinding = static_cast<TcxEditDataBinding*>(GetDataBindingClass()->Create(this));
  FAutoSize = !FIsHosted;
  FCapturedButton = -1;
  FEditValue = Variant::Null();
  FSavedEditValue = Variant::Null();
  FFocusingForError = false;
  FProperties->OnPropertiesChanged = PropertiesChangedHandler(this);
  if (FIsHosted) WantHostedKeys();
  FDblClickTimer = new TcxTimer(nullptr);
  FDblClickTimer->SetEnabled(false);
  FDblClickTimer->SetInterval(GetDoubleClickTime());
  FDblClickTimer->SetOnTimer(TNotifyEvent(this, &TcxCustomEdit::DoubleClickTimerTick));
  FDblClickTimer->SetEnabled(false);
  if (!FIsHosted) FProperties->SetDefaultValuesProvider(FDataBinding->GetIDefaultValuesProvider());
  EditViewInfo()->Edit = this;
  FPropertiesPending = true;
}

void TcxCustomEdit::CreateInnerEdit() {
  if (FInnerEdit) return;
  if (TClass innerClass = GetInnerEditClass()) {
    TObject* inner = innerClass->Create(this);
    if (!Supports(inner, FInnerEdit)) delete inner;
  }
  if (FInnerEdit) {
    InitializeInnerEdit();
    SetInnerControl(FInnerEdit->InnerWindowControl());
  }
}

void TcxCustomEdit::DestroyInnerEdit() {
  IcxCustomInnerEdit* inner = FInnerEdit;
  FInnerEdit = nullptr;
  if (!inner) return;
  TWinControl* control = inner->InnerWindowControl();
  if (InnerControl() == control) SetInnerControl(nullptr);
  delete control;
}

// A host leaves the arrows and every other key to the editor, and Tab too
// when no inner window takes it.
void TcxCustomEdit::WantHostedKeys() {
  TcxKeys keys = WantedKeys();
  keys.Include(kArrows);
  keys.Include(kAll);
  if (!GetInnerEditClass()) keys.Include(kTab);
  SetWantedKeys(keys);
}

void TcxCustomEdit::BeforeDestruction() {
  if (FDblClickTimer) FDblClickTimer->SetEnabled(false);
  inherited::BeforeDestruction();
}

TcxCustomEdit::~TcxCustomEdit() {
  delete FDblClickTimer;
  FDblClickTimer = nullptr;
  if (FRepositoryItem) FRepositoryItem->RemoveListener(this);
  FRepositoryItem = nullptr;
  FInnerEdit = nullptr;
  if (FProperties) {
    FProperties->OnPropertiesChanged = TNotifyEvent();
    if (!FIsHosted) FProperties->SetDefaultValuesProvider(nullptr);
  }
  delete FDataBinding;
  FDataBinding = nullptr;
  delete FEditData;
  FEditData = nullptr;
  delete FProperties;
  FProperties = nullptr;
}

bool TcxCustomEdit::GetInterface(const TGUID& iid, void** obj) {
  return InterfaceTable<IcxEditItemListener>(this, iid, obj) || inherited::GetInterface(iid, obj);
}

TClass TcxCustomEdit::GetStyleClass() { return PropertiesInfo(FProperties ? FProperties->ClassType() : nullptr)->GetStyleClass(); }

TClass TcxCustomEdit::GetViewInfoClass() {
  return PropertiesInfo(FProperties ? FProperties->ClassType() : nullptr)->GetViewInfoClass();
}

void TcxCustomEdit::DoubleClickTimerTick(TObject*) { FDblClickTimer->SetEnabled(false); }

// --- Properties and repository item -------------------------------------------------------------
TcxCustomEditProperties* TcxCustomEdit::ActiveProperties() {
  if (!FRepositoryItem) return FProperties;
  TcxCustomEditProperties* item = FRepositoryItem->Properties();
  if (FDataBinding && item->DefaultValuesProvider() != FDataBinding->GetIDefaultValuesProvider())
    item->SetDefaultValuesProvider(FDataBinding->GetIDefaultValuesProvider());
  return item;
}

bool TcxCustomEdit::IsRepositoryItemAcceptable(TcxEditRepositoryItem* AItem) {
  if (!AItem) return true;
  TClass own = FProperties->ClassType();
  return AItem->EditPropertiesClass()->InheritsFrom(own);
}

void TcxCustomEdit::SetRepositoryItem(TcxEditRepositoryItem* Value) {
  if (Value == FRepositoryItem) return;
  if (!IsRepositoryItemAcceptable(Value)) throw EcxEditError(ResolveResourceString(&cxSEditInvalidRepositoryItem));
  RepositoryItemAssigning();
  if (FRepositoryItem) {
    FRepositoryItem->RemoveListener(this);
    FRepositoryItem->RemoveFreeNotification(this);
  }
  FRepositoryItem = Value;
  const bool quiet = IsLoading() || IsEditDestroying();
  if (FRepositoryItem) {
    FRepositoryItem->AddListener(this);
    FRepositoryItem->FreeNotification(this);
    FProperties->SetDefaultValuesProvider(nullptr);
    if (!quiet) PropertiesChanged(FRepositoryItem->Properties());
    FProperties->OnPropertiesChanged = TNotifyEvent();
  } else {
    if (!quiet) FProperties->OnPropertiesChanged = PropertiesChangedHandler(this);
    FProperties->SetDefaultValuesProvider(FDataBinding->GetIDefaultValuesProvider());
  }
  RepositoryItemAssigned();
}

void TcxCustomEdit::ItemRemoved(TcxEditRepositoryItem* Sender) {
  if (Sender == FRepositoryItem) SetRepositoryItem(nullptr);
}

void TcxCustomEdit::PropertiesChanged(TcxEditRepositoryItem* Sender) {
  if (!IsLoading() && !IsEditDestroying()) PropertiesChanged(Sender->Properties());
}

void TcxCustomEdit::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FRepositoryItem) {
    FRepositoryItem->RemoveListener(this);
    FRepositoryItem = nullptr;
    if (!IsEditDestroying()) {
      FProperties->OnPropertiesChanged = PropertiesChangedHandler(this);
      FProperties->SetDefaultValuesProvider(FDataBinding->GetIDefaultValuesProvider());
    }
  }
}

void TcxCustomEdit::PropertiesChanged(TObject* /*Sender*/) {
  FValidated = false;
  ApplyReadOnlyToInnerEdit();
  if (FEditModified && IsEffectivelyReadOnly()) FEditModified = false;
  if (ActiveProperties()->Transparent()) SetTransparent(true);
  CalcAutoSizeAnchor();
  RefreshViewStateAtCursor(this, false);
}

bool TcxCustomEdit::IsEffectivelyReadOnly() {
  return ActiveProperties()->ReadOnly() || FDataBinding->HasNoData();
}

void TcxCustomEdit::ApplyReadOnlyToInnerEdit() {
  if (IsEditDestroying() || (GetInnerEditClass() && !FInnerEdit)) return;
  if (FInnerEdit) FInnerEdit->WriteReadOnly(IsEffectivelyReadOnly());
}

int TcxCustomEdit::GetPainterState() {
  const int state = inherited::GetPainterState();
  if (Enabled() && FProperties->ReadOnly()) return 3;
  return state;
}

TcxContainerStyleValues TcxCustomEdit::GetUnstoredStyleValues() {
  TcxContainerStyleValues values = inherited::GetUnstoredStyleValues();
  for (int bit = 10; bit <= 15; ++bit) values.Include(TcxContainerStyleValue(bit));
  return values;
}

bool TcxCustomEdit::UsesNativeTheme() {
  return TcxCustomEditViewData::UsesNativeBorder(Style()->LookAndFeel());
}

// --- Streaming ------------------------------------------------------------------------------------
void TcxCustomEdit::DefineProperties(TFiler* Filer) {
  inherited::DefineProperties(Filer);
  auto* ancestor = dynamic_cast<TControl*>(Filer->Ancestor());
  const bool heightStored = !CanAutoSize() && (!ancestor || ancestor->Height() != Height());
  const bool widthStored =
      !(CanAutoSize() && IsButtonsOnlyView() && !CanAutoWidth()) && (!ancestor || ancestor->Width() != Width());
  Filer->DefineProperty(L"Height", TReaderProc(this, &TcxCustomEdit::ReadHeight),
                        TWriterProc(this, &TcxCustomEdit::WriteHeight), heightStored);
  Filer->DefineProperty(L"Width", TReaderProc(this, &TcxCustomEdit::ReadWidth),
                        TWriterProc(this, &TcxCustomEdit::WriteWidth), widthStored);
  Filer->DefineProperty(L"AnchorX", TReaderProc(this, &TcxCustomEdit::ReadAnchorX),
                        TWriterProc(this, &TcxCustomEdit::WriteAnchorX), IsHorzAnchorUsed());
  Filer->DefineProperty(L"AnchorY", TReaderProc(this, &TcxCustomEdit::ReadAnchorY),
                        TWriterProc(this, &TcxCustomEdit::WriteAnchorY), IsVertAnchorUsed());
}

void TcxCustomEdit::WriteHeight(TWriter* Writer) { Writer->WriteInteger(Height()); }
void TcxCustomEdit::WriteWidth(TWriter* Writer) { Writer->WriteInteger(Width()); }

void TcxCustomEdit::ReadAnchorX(TReader* Reader) {
  FAnchorX = Reader->ReadInteger();
  AdjustInnerControlBounds();
}

void TcxCustomEdit::ReadAnchorY(TReader* Reader) {
  FAnchorY = Reader->ReadInteger();
  AdjustInnerControlBounds();
}

void TcxCustomEdit::WriteAnchorX(TWriter* Writer) {
  CalcAutoSizeAnchor();
  Writer->WriteInteger(FAnchorX);
}

void TcxCustomEdit::WriteAnchorY(TWriter* Writer) {
  CalcAutoSizeAnchor();
  Writer->WriteInteger(FAnchorY);
}

void TcxCustomEdit::ReadState(TReader* Reader) {
  FProperties->OnPropertiesChanged = TNotifyEvent();
  inherited::ReadState(Reader);
}

void TcxCustomEdit::Loaded() {
  FAnchorReading = true;
  inherited::Loaded();
  LockChangeEvents(true);
  LockClick(true);
  try {
    FDataBinding->EditorChanged();
    RefreshViewStateAtCursor(this, false);
    if (!FRepositoryItem) FProperties->OnPropertiesChanged = PropertiesChangedHandler(this);
    PropertiesChanged(ActiveProperties());
    EditViewInfo()->Shadow = false;
    StyleChanged(Style());
  } catch (...) {
    LockClick(false);
    LockChangeEvents(false);
    throw;
  }
  LockClick(false);
  LockChangeEvents(false);
}

void TcxCustomEdit::SetName(const String& NewName) {
  inherited::SetName(NewName);
  FDataBinding->EditorChanged();
}

void TcxCustomEdit::SetParent(TWinControl* AParent) {
  inherited::SetParent(AParent);
  if (AParent && FPropertiesPending) {
    FDataBinding->EditorChanged();
    FPropertiesPending = false;
    if (!IsLoading()) PropertiesChanged(FProperties);
  }
}

// --- Hosted activation ----------------------------------------------------------------------------------
bool TcxCustomEdit::Activate(TcxCustomEditData*& AEditData) {
  if (!AEditData && GetEditDataClass())
    AEditData = static_cast<TcxCustomEditData*>(GetEditDataClass()->Create(this));
  if (AEditData && AEditData->Cleared) {
    InitializeEditData();
    AEditData->Cleared = false;
  }
  SetVisible(true);
  if (HandleAllocated() && CanFocus()) {
    SetFocus();
    if (ActiveProperties()->AutoSelect()) SelectWholeText();
  }
  UpdateDisplayFromValue();
  SetModifiedSinceEnter(false);
  FActivated = true;
  return true;
}

bool TcxCustomEdit::ActivateByKey(wchar_t AKey, TcxCustomEditData*& AEditData) {
  try {
    Activate(AEditData);
    if (ShouldSendActivationKey(AKey) && HandleAllocated()) SendMessageW(Handle(), WM_CHAR, WPARAM(AKey), 0);
  } catch (...) {
    throw;
  }
  return true;
}

bool TcxCustomEdit::ActivateByMouse(TShiftState AShift, int X, int Y, TcxCustomEditData*& AEditData) {
  Activate(AEditData);
  TPoint p = ParentToClient(TPoint{X, Y});
  if (HandleAllocated()) {
    const LPARAM pos = MAKELPARAM(p.X, p.Y);
    if (AShift.Contains(ssLeft)) {
      WPARAM keys = MK_LBUTTON;
      if (AShift.Contains(ssShift)) keys |= MK_SHIFT;
      if (AShift.Contains(ssCtrl)) keys |= MK_CONTROL;
      SendMessageW(Handle(), WM_MOUSEMOVE, keys, pos);
      SendMessageW(Handle(), WM_LBUTTONDOWN, keys, pos);
      if (GetCapture() == Handle() && GetKeyState(VK_LBUTTON) >= 0) ReleaseCapture();
    } else {
      SendMessageW(Handle(), WM_LBUTTONUP, 0, pos);
    }
  }
  FDblClickTimer->SetEnabled(true);
  return true;
}

bool TcxCustomEdit::Deactivate() {
  FDblClickTimer->SetEnabled(false);
  FUserAction = false;
  const bool accepted = ValidateEdit(true);
  if (accepted) {
    UpdateDisplayFromValue();
    FValidated = true;
  }
  return accepted;
}

void TcxCustomEdit::DefaultHandler(TMessage& Message) {
  if (FIsHosted && Message.Msg == WM_CONTEXTMENU) return;
  inherited::DefaultHandler(Message);
}

void TcxCustomEdit::GetTabOrderList(std::vector<TWinControl*>& List) {
  inherited::GetTabOrderList(List);
  if (FIsHosted && Visible() && Parent()) std::erase(List, Parent());
}

// --- Focus ---------------------------------------------------------------------------------------------------
void TcxCustomEdit::DoEnter() {
  if (IsEditDestroying()) return;
  if (!FFocusingForError) HandleEnter();
  RefreshViewStateAtCursor(this, false);
}

void TcxCustomEdit::HandleEnter() {
  SaveModified();
  try {
    inherited::DoEnter();
    if (ActiveProperties()->SupportsValueReset()) FSavedEditValue = CopyEditValue();
    if (RefreshesValueOnEnter()) UpdateDisplayFromValue();
  } catch (...) {
    RestoreModified();
    throw;
  }
  RestoreModified();
  FEditModified = false;
}

void TcxCustomEdit::DoExit() {
  if (IsEditDestroying() || FFocusingForError) return;
  TUserActionScope noUser(this, false);
  ApplyExitProcessing();
}

void TcxCustomEdit::FocusChanged() {
  if (IsEditDestroying() || FFocusingForError) return;
  const bool state = Focused() && Application && Application->Active();
  if (state == FLastFocusState) return;
  FLastFocusState = state;
  inherited::FocusChanged();
  DoFocusChanged();
}

void TcxCustomEdit::DoFocusChanged() {
  UpdateDrawValue();
  if (OnFocusChanged) OnFocusChanged(this);
  TCustomForm* form = GetParentForm(this);
  if (form && form->FormState().Contains(fsModal) && !form->Visible() && form->ModalResult() != mrNone &&
      form->ModalResult() != mrCancel)
    ValidateEdit(false);
}

bool TcxCustomEdit::IsActiveControl() {
  if (Focused()) return true;
  TCustomForm* form = GetParentForm(this);
  if (!form) return false;
  TWinControl* active = form->ActiveControl();
  return active == this || (active && InnerControl() == active);
}

void TcxCustomEdit::CreateHandle() {
  inherited::CreateHandle();
  if (FInnerEdit && Focused()) FInnerEdit->FocusWithoutAutoSelect();
}

void TcxCustomEdit::SetFocusToInnerControl() {
  if (FInnerEdit) FInnerEdit->FocusWithoutAutoSelect();
}

bool TcxCustomEdit::IsChildWindow(HWND AWindow) { return IsChildOfControlOrPopups(this, AWindow); }

// --- Auto-size ----------------------------------------------------------------------------------------------
bool TcxCustomEdit::CanAutoSize() { return !FIsHosted && FAutoSize; }

bool TcxCustomEdit::IsButtonsOnlyView() { return ActiveProperties()->ButtonsViewStyle() == cxEditButtonsViewOnly; }

bool TcxCustomEdit::AutoWidthApplies() {
  return CanAutoSize() && IsButtonsOnlyView() && !IsAlignedToFill(Align(), alTop, alBottom);
}

bool TcxCustomEdit::AutoHeightApplies() { return CanAutoSize() && !IsAlignedToFill(Align(), alLeft, alRight); }

void TcxCustomEdit::FillSizeProperties(TcxEditSizeProperties& ASize) {
  ASize = TcxEditSizeProperties{};
  ASize.MaxLineCount = 1;
  ASize.Width = AutoWidthApplies() && !(CanAutoSize() && CanAutoWidth()) ? INT_MAX : Width();
}

void TcxCustomEdit::CalculateAutoSize(int& AWidth, int& AHeight) {
  AWidth = Width();
  AHeight = Height();
  TcxEditSizeProperties size;
  FillSizeProperties(size);
  std::unique_ptr<TcxCustomEditViewData> viewData(CreateViewData());
  TcxScreenCanvas canvas;
  const TSize measured = viewData->CalcEditSize(&canvas, CopyEditValue(), size, EditViewInfo());
  if (AutoWidthApplies()) AWidth = measured.cx;
  if (AutoHeightApplies()) AHeight = measured.cy;
}

void TcxCustomEdit::AdjustInnerControlBounds() {
  if (!HandleAllocated() || IsEditDestroying()) return;
  if (CanAutoSize()) {
    int w = 0, h = 0;
    CalculateAutoSize(w, h);
    int left = Left(), top = Top();
    if (IsAutoSizeAnchored() && AutoWidthApplies() && !CanAutoWidth()) {
      if (!FAnchorReading) CalcAutoSizeAnchor();
      FAnchorReading = false;
      TcxCustomEditProperties* properties = ActiveProperties();
      if (FAnchorX != INT_MAX && IsHorzAnchorUsed())
        left = properties->Alignment()->Horz() == taCenter ? FAnchorX - w / 2 - w % 2 : FAnchorX - w;
      if (FAnchorY != INT_MAX && IsVertAnchorUsed())
        top = properties->Alignment()->Vert() == taVCenter ? FAnchorY - h / 2 - h % 2 : FAnchorY - h;
    }
    if (left != Left() || top != Top() || w != Width() || h != Height()) SetBounds(left, top, w, h);
  }
  AdjustInnerEditPosition();
}

void TcxCustomEdit::CalcAutoSizeAnchor() {
  if (IsLoading() || FAnchorReading) return;
  TcxCustomEditProperties* properties = ActiveProperties();
  if (IsHorzAnchorUsed())
    FAnchorX = properties->Alignment()->Horz() == taCenter ? Left() + Width() / 2 + Width() % 2 : Left() + Width();
  if (IsVertAnchorUsed())
    FAnchorY = properties->Alignment()->Vert() == taVCenter ? Top() + Height() / 2 + Height() % 2 : Top() + Height();
}

void TcxCustomEdit::SetAutoSize(bool Value) {
  if (Value == FAutoSize || FIsHosted) return;
  FAutoSize = Value;
  DoAutoSizeChanged();
  if (Value) {
    if (!HandleAllocated() && (Parent() || ParentWindow())) HandleNeeded();
    AdjustInnerControlBounds();
    RefreshViewStateAtCursor(this, false);
  }
}

bool TcxCustomEdit::CanResize(int& NewWidth, int& NewHeight) {
  const bool result = inherited::CanResize(NewWidth, NewHeight);
  if (result && CanAutoSize() && !IsLoading() && HandleAllocated() && !IsEditDestroying()) {
    int w = NewWidth, h = NewHeight;
    CalculateAutoSize(w, h);
    if (AutoWidthApplies()) NewWidth = w;
    if (AutoHeightApplies()) NewHeight = h;
  }
  return result;
}

int TcxCustomEdit::GetHeight() {
  if (!HandleAllocated()) {
    TWinControl* p = Parent();
    while (p && p->Parent()) p = p->Parent();
    if ((p && (p->HandleAllocated() || p->ParentWindow())) || ParentWindow()) HandleNeeded();
  }
  return Height();
}

void TcxCustomEdit::RequestAlign() {
  inherited::RequestAlign();
  RefreshViewStateAtCursor(this, false);
}

void TcxCustomEdit::AdjustInnerEditPosition() {
  if (!FInnerEdit) return;
  TWinControl* inner = FInnerEdit->InnerWindowControl();
  if (!inner) return;
  const TRect r = EditViewInfo()->ClientRect;
  inner->SetBounds(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
  TRect rect = ClientRect();
  AlignControls(nullptr, rect);
}

void TcxCustomEdit::InitializeInnerEdit() {
  FInnerEdit->AttachToParent(this);
  if (ActiveProperties()->IsChangeDrivenByText())
    FInnerEdit->WriteChangeEvent(TNotifyEvent(this, &TcxCustomEdit::ChangeHandler));
  if (TWinControl* inner = FInnerEdit->InnerWindowControl()) inner->SetParentShowHint(false);
}

// --- View ------------------------------------------------------------------------------------------------------
TcxCustomEditViewData* TcxCustomEdit::CreateViewData() {
  TcxCustomEditViewData* viewData = ActiveProperties()->CreateViewData(GetCurrentStateStyle(), FIsHosted);
  if (FIsHosted && FContentParamsCached) viewData->ContentOffsets = FContentOffsets;
  InitializeViewData(viewData);
  return viewData;
}

void TcxCustomEdit::InitializeViewData(TcxCustomEditViewData* AViewData) {
  TcxEditViewState& s = AViewData->State;
  s.Enabled = Enabled();
  s.Focused = Focused();
  s.DesignTime = IsDesigning();
  s.CapturedButton = FCapturedButton;
  if (HandleAllocated() && !IsEditDestroying()) s.Window = Handle();
}

void TcxCustomEdit::GetBorderThickness(TRect& AMargins) {
  TcxCustomEditViewInfo* vi = EditViewInfo();
  AMargins = TRect{vi->BorderRect.Left - vi->Bounds.Left, vi->BorderRect.Top - vi->Bounds.Top,
                   vi->Bounds.Right - vi->BorderRect.Right, vi->Bounds.Bottom - vi->BorderRect.Bottom};
}

bool TcxCustomEdit::RefreshViewState(const TPoint& P, int AButtonCode, TShiftState AShift, bool ANotify) {
  if (FCapturedButton >= 0 && !MouseCapture()) FCapturedButton = -1;
  TcxCustomEditViewInfo* vi = EditViewInfo();
  std::unique_ptr<TcxCustomEditViewInfo> previous;
  if (ANotify) {
    previous.reset(static_cast<TcxCustomEditViewInfo*>(TcxContainerViewInfo::CreateViewInfo(vi->ClassType())));
    previous->Assign(vi);
  }
  vi->StoreButtonStates();
  const bool press = FMouseEventKind == 1;
  const int buttonCode = FMouseEventKind == 2 ? 0 : AButtonCode;
  auto calculate = [&]() {
    std::unique_ptr<TcxCustomEditViewData> viewData(CreateViewData());
    viewData->Calculate(Canvas(), GetControlSizeRect(this), P, buttonCode, AShift, vi, press);
    vi->Edit = this;
  };
  calculate();
  vi->InnerEditRect = HasVisibleInnerControl() && InnerControl() ? InnerControl()->BoundsRect() : ClientRect();
  if (!previous || vi->InvalidateChangedParts(HandleAllocated() ? Handle() : nullptr, previous.get())) {
    // The view changes again only when auto-size resized the editor or an inner
    // control moved; otherwise a second calculation gives the same view.
    const TRect before = GetControlSizeRect(this);
    AdjustInnerControlBounds();
    if (InnerControl() || !(GetControlSizeRect(this) == before)) calculate();
    UpdateWindowRegion();
    if (!previous && HandleAllocated()) InvalidateRect(GetControlSizeRect(this), false);
  }
  if (vi->ContainerState & ContainerStateHot) StartMouseTracking(this, GetControlSizeRect(this), this);
  return true;
}

void TcxCustomEdit::StateRefreshed() {
  TcxCustomEditViewInfo* vi = EditViewInfo();
  if (vi->PressedButton == vi->LastPressedButton && vi->SelectedButton == vi->LastSelectedButton) return;
  auto indexOf = [vi](int AViewIndex) { return vi->Button(AViewIndex)->ButtonIndex; };
  if (vi->LastPressedButton >= 0 && vi->LastPressedButton < vi->ButtonCount()) {
    const int button = indexOf(vi->LastPressedButton);
    const bool releasedOver = vi->SelectedButton == vi->LastPressedButton;
    DoButtonUp(button);
    if (releasedOver) DoButtonClick(button);
  } else if (vi->PressedButton >= 0) {
    DoButtonDown(indexOf(vi->PressedButton));
  }
}

void TcxCustomEdit::DoButtonClick(int AButtonIndex) {
  if (FProperties->OnButtonClick) FProperties->OnButtonClick(this, AButtonIndex);
  if (FRepositoryItem && FRepositoryItem->Properties()->OnButtonClick)
    FRepositoryItem->Properties()->OnButtonClick(this, AButtonIndex);
}

void TcxCustomEdit::DoClickDefaultButton() {
  TcxEditButtons* buttons = ActiveProperties()->Buttons();
  for (int i = 0; i < buttons->Count(); ++i)
    if (buttons->Items(i)->Default()) {
      DoButtonClick(i);
      return;
    }
}

// The view state a press or a release refreshes tells the two apart: the
// container passes the button of both.
template <class F>
void TcxCustomEdit::RefreshForMouseEvent(int AKind, F AHandle) {
  FMouseEventKind = AKind;
  try {
    AHandle();
  } catch (...) {
    FMouseEventKind = 0;
    throw;
  }
  FMouseEventKind = 0;
}

void TcxCustomEdit::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft && FDblClickTimer->Enabled()) {
    FDblClickTimer->SetEnabled(false);
    if (EditViewInfo()->GetPartIndexAt(TPoint{X, Y}) == -1) DblClick();
  }
  RefreshForMouseEvent(1, [&] { inherited::MouseDown(Button, Shift, X, Y); });
  if (Button == mbLeft && MouseCapture()) {
    TcxCustomEditViewInfo* vi = EditViewInfo();
    const int part = vi->GetPartIndexAt(TPoint{X, Y});
    if (part >= 0 && part < vi->ButtonCount() && vi->Button(part)->State == ebsPressed) FCapturedButton = part;
  }
}

void TcxCustomEdit::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft) FCapturedButton = -1;
  RefreshForMouseEvent(2, [&] { inherited::MouseUp(Button, Shift, X, Y); });
}

void TcxCustomEdit::Click() {
  if (IsEditDestroying() || FClickLockCount > 0 || (IsLoading() && !IsDataBoundEditor())) return;
  inherited::Click();
}

void TcxCustomEdit::DblClick() {
  POINT cursor{};
  GetCursorPos(&cursor);
  const TPoint p = HandleAllocated() ? ScreenToClient(TPoint{cursor.x, cursor.y}) : TPoint{-1, -1};
  if (EditViewInfo()->GetPartIndexAt(p) != -1 && EditViewInfo()->GetPartIndexAt(p) != -2) {
    TShiftState shift = KeyboardStateToShiftState();
    shift.Include(ssLeft);
    MouseDown(mbLeft, shift, p.X, p.Y);
    Click();
  } else {
    inherited::DblClick();
  }
}

// --- Painting ----------------------------------------------------------------------------------------------------
void TcxCustomEdit::Paint() {
  if (IsDataBoundPaintCopy()) {
    PaintCopyDraw();
    return;
  }
  RefreshIfNeeded();
  EditViewInfo()->Render(Canvas());
}

void TcxCustomEdit::PaintCopyDraw() {
  ClipCanvasToWindowRegion(Canvas());
  std::unique_ptr<TcxCustomEditViewInfo> vi(
      static_cast<TcxCustomEditViewInfo*>(TcxContainerViewInfo::CreateViewInfo(GetViewInfoClass())));
  vi->Edit = this;
  std::unique_ptr<TcxCustomEditViewData> viewData(CreateViewData());
  viewData->CalcKindSpecificParts(Canvas(), vi.get());
  viewData->Calculate(Canvas(), GetControlSizeRect(this), TPoint{-1, -1}, 0, TShiftState{}, vi.get(), false);
  vi->Render(Canvas());
  Canvas()->ExcludeClipRectangle(GetControlSizeRect(this));
}

void TcxCustomEdit::SetTransparent(bool Value) {
  FTransparent = Value;
  TControlStyle style = ControlStyle();
  if (Value)
    style.Exclude(csOpaque);
  else
    style.Include(csOpaque);
  SetControlStyle(style);
  RefreshViewStateAtCursor(this, false);
}

// --- Messages ------------------------------------------------------------------------------------------------------
bool TcxCustomEdit::HandleInnerControlMessage(TMessage& Message) {
  if (inherited::HandleInnerControlMessage(Message)) return true;
  switch (Message.Msg) {
    case WM_CUT:
      if (FInnerEdit && FInnerEdit->AllowsClipboardMessages()) return false;
      {
        TUserActionScope user(this, true);
        if (DoEditing())
          CutToClipboard();
        else
          CopyToClipboard();
      }
      return true;
    case WM_PASTE:
      if ((FInnerEdit && FInnerEdit->AllowsClipboardMessages()) || !DoEditing()) return false;
      {
        TUserActionScope user(this, true);
        PasteFromClipboard();
      }
      return true;
    case WM_UNDO:
      DoEditing();
      return false;
    default: return false;
  }
}

void TcxCustomEdit::ClipboardMessage(TMessage& Message) {
  switch (Message.Msg) {
    case WM_COPY: CopyToClipboard(); break;
    case WM_CUT: {
      TUserActionScope user(this, true);
      if (ActiveProperties()->ReadOnly() || FDataBinding->HasNoData())
        CopyToClipboard();
      else
        CutToClipboard();
      break;
    }
    case WM_PASTE:
      if (!ActiveProperties()->ReadOnly() && !FDataBinding->HasNoData()) {
        TUserActionScope user(this, true);
        PasteFromClipboard();
      }
      break;
    default: break;
  }
}

void TcxCustomEdit::CMHintShow(TMessage& Message) {
  auto* info = reinterpret_cast<THintInfo*>(Message.LParam);
  TcxCustomEditViewInfo* vi = EditViewInfo();
  const int part = vi->GetPartIndexAt(info->CursorPos);
  if (part == -2) {
    Message.Result = -1;
    return;
  }
  String hint = part >= 0 && part < vi->ButtonCount() ? vi->Button(part)->Hint : String();
  if (hint.empty() && ShowHint()) hint = Hint();
  info->HintStr = hint.substr(0, hint.find(L'|'));
  info->CursorRect = vi->GetPartRect(part);
  Message.Result = 0;
}

void TcxCustomEdit::CMDialogChar(TMessage& Message) {
  TcxCustomEditViewInfo* vi = EditViewInfo();
  TcxEditButtons* buttons = ActiveProperties()->Buttons();
  for (int i = 0; i < vi->ButtonCount(); ++i) {
    const int index = vi->Button(i)->ButtonIndex;
    TcxEditButton* button = buttons->Items(index);
    if (button->Visible() && IsAccel(uint16_t(Message.WParam), button->Caption())) {
      DoButtonClick(index);
      Message.Result = 1;
      return;
    }
  }
  inherited::Dispatch(Message);
}

void TcxCustomEdit::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_COPY:
    case WM_CUT:
    case WM_PASTE: ClipboardMessage(Message); return;
    case CM_WANTSPECIALKEY: CMWantSpecialKey(Message); return;
    case CM_HINTSHOW: CMHintShow(Message); return;
    case CM_DIALOGCHAR: CMDialogChar(Message); return;
    case CM_SHOWINGCHANGED:
      inherited::Dispatch(Message);
      if (Showing()) AdjustInnerControlBounds();
      return;
    case CM_ENTER:
      if (GetACP() == 936 || GetACP() == 932 || GetACP() == 949 || GetACP() == 950)
        if (FInnerEdit && !FDataBinding->HasNoData() && !ActiveProperties()->ReadOnly())
          FInnerEdit->WriteReadOnly(false);
      inherited::Dispatch(Message);
      return;
    default: inherited::Dispatch(Message); return;
  }
}

// --- Streamed classes --------------------------------------------------------------------------------------------------
// Height and Width go through the defined entries (DefineProperties), which
// leave out what auto-size recomputes. An editor keeps its own colour unless told.
VAMIRE_STREAMED_CLASSES(cxEditControlStreamed, TcxCustomEdit)

using CE = TcxCustomEdit;
VAMIRE_STREAMED_TABLE(cxEditControlStreamed, TcxCustomEdit,
                      Prop(L"Height", &CE::GetHeight, &CE::SetHeight).NoDefault().Stored(false),
                      Prop(L"Width", &CE::GetWidth, &CE::SetWidth).NoDefault().Stored(false),
                      Prop(L"ParentColor", &TControl::ParentColor, &TControl::SetParentColor).Default(false),
                      Prop(L"PropertiesEvents", &CE::PropertiesEvents),
                      Prop(L"RepositoryItem", &CE::RepositoryItem, &CE::SetRepositoryItem),
                      Prop(L"OnFocusChanged", &CE::OnFocusChanged))

// --- Cursor ----------------------------------------------------------------------------------------------------------------
void cxEditControl_Initialize() {
  cxEditControlStreamed::Register();
  if (HCURSOR cursor = LoadCursorFileResource(GetModuleHandleW(nullptr), L"CXEDIT_MOUSEWHEEL"))
    SetCursorHandle(crcxEditMouseWheel, cursor);
}

void cxEditControl_Finalize() { cxEditControlStreamed::Unregister(); }
