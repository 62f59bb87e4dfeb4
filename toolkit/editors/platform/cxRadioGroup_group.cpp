// TcxRadioGroup: items with values, the item index and the value, the
// buttons that only the group may check, and the load order of ItemIndex.
#include <algorithm>

#include "cxRadioGroup_win.h"
#include "cxVariants.h"
#include "dxThemeManager.h"

namespace {

// Sets a flag for the life of a scope, also through an exception.
struct TFlagScope {
  bool& Flag;
  bool Saved;
  explicit TFlagScope(bool& AFlag) : Flag(AFlag), Saved(AFlag) { Flag = true; }
  ~TFlagScope() { Flag = Saved; }
};

}  // namespace

// --- Items --------------------------------------------------------------------------------------
void TcxRadioGroupItem::Assign(TPersistent* Source) {
  if (auto* item = dynamic_cast<TcxRadioGroupItem*>(Source)) FValue = item->FValue;
  TcxButtonGroupItem::Assign(Source);
}

void TcxRadioGroupItem::SetValue(const Variant& Value) {
  if (VarIdentical(FValue, Value)) return;
  FValue = Value;
  if (auto* items = dynamic_cast<TcxButtonGroupItems*>(Collection())) items->ItemChanged(this, bgioChanged);
}

void TcxRadioGroupItem::DefineProperties(TFiler* Filer) {
  TcxButtonGroupItem::DefineProperties(Filer);
  Filer->DefineProperty(L"Value", TReaderProc(this, &TcxRadioGroupItem::ReadValue),
                        TWriterProc(this, &TcxRadioGroupItem::WriteValue), !FValue.IsNull());
}

// --- Properties -----------------------------------------------------------------------------------
TcxCustomRadioGroupProperties::TcxCustomRadioGroupProperties(TPersistent* AOwner)
    : TcxCustomButtonGroupProperties(AOwner) {
  MakeItems();
  FDefaultCaption = ResolveResourceString(&cxSRadioGroupDefaultCaption);
}

TClass TcxCustomRadioGroupProperties::GetContainerClass() { return TcxRadioGroup::StaticClass(); }

TcxButtonGroupItems* TcxCustomRadioGroupProperties::CreateItems() {
  return new TcxRadioGroupItems(this, TcxRadioGroupItem::StaticClass());
}

void TcxCustomRadioGroupProperties::Assign(TPersistent* Source) {
  if (auto* source = dynamic_cast<TcxCustomRadioGroupProperties*>(Source)) {
    UpdateEditProperties(this, [&] {
      TcxCustomButtonGroupProperties::Assign(Source);
      SetDefaultCaption(source->FDefaultCaption);
      SetDefaultValue(source->FDefaultValue);
    });
    return;
  }
  TcxCustomButtonGroupProperties::Assign(Source);
}

void TcxCustomRadioGroupProperties::DefineProperties(TFiler* Filer) {
  TcxCustomButtonGroupProperties::DefineProperties(Filer);
  Filer->DefineProperty(L"DefaultValue", TReaderProc(this, &TcxCustomRadioGroupProperties::ReadDefaultValue),
                        TWriterProc(this, &TcxCustomRadioGroupProperties::WriteDefaultValue),
                        !FDefaultValue.IsNull());
}

void TcxCustomRadioGroupProperties::SetDefaultCaption(const String& Value) {
  if (FDefaultCaption == Value) return;
  FDefaultCaption = Value;
  Changed();
}

bool TcxCustomRadioGroupProperties::IsDefaultCaptionStored() const {
  return FDefaultCaption != ResolveResourceString(&cxSRadioGroupDefaultCaption);
}

void TcxCustomRadioGroupProperties::SetDefaultValue(const Variant& Value) {
  if (VarIdentical(FDefaultValue, Value)) return;
  FDefaultValue = Value;
  Changed();
}

int TcxCustomRadioGroupProperties::GetItemIndexOfValue(const Variant& AValue) {
  TcxRadioGroupItems* items = Items();
  for (int i = 0; i < items->Count(); ++i) {
    TcxRadioGroupItem* item = items->Items(i);
    if (item->Value().IsNull()) {
      if (!AValue.IsNull() && !AValue.IsEmpty() && VarToStr(AValue) == item->Caption()) return i;
    } else if (AreVariantsEqual(AValue, item->Value())) {
      return i;
    }
  }
  return -1;
}

void TcxCustomRadioGroupProperties::PrepareDisplayValue(const Variant& AEditValue, Variant& DisplayValue, bool) {
  DisplayValue = Variant(GetItemIndexOfValue(AEditValue));
}

bool TcxCustomRadioGroupProperties::CompareDisplayValues(const Variant& V1, const Variant& V2) {
  return GetItemIndexOfValue(V1) == GetItemIndexOfValue(V2);
}

String TcxCustomRadioGroupProperties::GetDisplayText(const Variant& AValue, bool) {
  const int index = GetItemIndexOfValue(AValue);
  return index < 0 ? FDefaultCaption : Items()->Items(index)->Caption();
}

// --- Buttons --------------------------------------------------------------------------------------
TcxCustomRadioGroupButton::TcxCustomRadioGroupButton(TComponent* AOwner)
    : TcxRadioButton(AOwner), FGroup(dynamic_cast<TcxCustomRadioGroup*>(AOwner)) {
  if (FGroup) {
    FGroup->FButtons.push_back(this);
    LookAndFeel()->SetMaster(FGroup->Style()->LookAndFeel());
  }
}

TcxCustomRadioGroupButton::~TcxCustomRadioGroupButton() {
  if (FGroup) {
    auto& buttons = FGroup->FButtons;
    buttons.erase(std::remove(buttons.begin(), buttons.end(), this), buttons.end());
  }
}

bool TcxCustomRadioGroupButton::GetInterface(const TGUID& iid, void** obj) {
  return InterfaceTable<IcxContainerInnerControl>(this, iid, obj) || TcxRadioButton::GetInterface(iid, obj);
}

TcxContainer* TcxCustomRadioGroupButton::GetControlContainer() { return FGroup; }

bool TcxCustomRadioGroupButton::CanFocus() { return FGroup ? FGroup->CanFocus() : TcxRadioButton::CanFocus(); }

// Only the group checks without asking: a check by anything else is the
// user's, and goes through the group's value.
void TcxCustomRadioGroupButton::SetChecked(bool Value) {
  if (Checked() == Value) return;
  const bool saved = ClicksDisabled();
  SetClicksDisabled(true);
  try {
    TcxRadioButton::SetChecked(Value);
  } catch (...) {
    SetClicksDisabled(saved);
    throw;
  }
  SetClicksDisabled(saved);
  if (Value && FGroup && !FInternalChecking && !FGroup->FChecking) FGroup->ButtonChecked(this);
}

void TcxCustomRadioGroupButton::Click() {
  TcxRadioButton::Click();
  if (FGroup && !FGroup->ComponentState().Contains(csLoading) && !FGroup->ComponentState().Contains(csReading))
    FGroup->Click();
}

// Focus from the keyboard checks the button, as for a plain radio button;
// focus from a press leaves the release to decide.
void TcxCustomRadioGroupButton::DoEnter() {
  TRadioButton::DoEnter();
  if (!FGroup) return;
  RefreshViewStateAtCursor(FGroup, false);
  if (!Checked() && !FGroup->IsHosted() && !FMouseDownEntry && FGroup->DoEditing()) SetChecked(true);
}

void TcxCustomRadioGroupButton::DoExit() {
  TcxRadioButton::DoExit();
  if (FGroup) RefreshViewStateAtCursor(FGroup, false);
}

void TcxCustomRadioGroupButton::KeyPress(wchar_t& Key) {
  if ((Key == 8 || Key == L' ') && FGroup && !FGroup->CanModify()) Key = 0;
  TcxRadioButton::KeyPress(Key);
}

void TcxCustomRadioGroupButton::WndProc(TMessage& Message) {
  if (Message.Msg == WM_LBUTTONDOWN || Message.Msg == WM_LBUTTONDBLCLK) {
    TFlagScope entry(FMouseDownEntry);
    TcxRadioButton::WndProc(Message);
    return;
  }
  TcxRadioButton::WndProc(Message);
}

void TcxCustomRadioGroupButton::Dispatch(TMessage& Message) {
  if (Message.Msg == CN_COMMAND && (HIWORD(Message.WParam) == BN_CLICKED || HIWORD(Message.WParam) == BN_DOUBLECLICKED)) {
    Message.Result = 0;
    if (FInClick) return;
    TFlagScope inClick(FInClick);
    try {
      if (Checked() || !FGroup || FGroup->CanModifyByUser()) TcxRadioButton::Dispatch(Message);
    } catch (Exception& e) {
      Application->ShowException(e);
    }
    return;
  }
  // The arrows reach the button's key handlers, which the group moves by,
  // instead of the form's dialog navigation.
  if (Message.Msg == CM_WANTSPECIALKEY && FGroup &&
      (Message.WParam == VK_LEFT || Message.WParam == VK_RIGHT || Message.WParam == VK_UP || Message.WParam == VK_DOWN)) {
    Message.Result = 1;
    return;
  }
  if (Message.Msg == WM_GETDLGCODE) {
    TcxRadioButton::Dispatch(Message);
    if (FGroup && FGroup->IsHosted()) Message.Result |= DLGC_WANTARROWS;
    return;
  }
  TcxRadioButton::Dispatch(Message);
}

bool TcxCustomRadioGroupButton::IsHostedButton() { return FGroup && FGroup->IsHosted(); }

bool TcxCustomRadioGroupButton::IsNativeStyle() {
  return FGroup ? FGroup->Style()->LookAndFeel()->NativeStyle() && CanUseThemeKind(totButton)
                : TcxRadioButton::IsNativeStyle();
}

bool TcxCustomRadioGroupButton::IsTransparent() { return FGroup ? FGroup->IsTransparent() : TcxRadioButton::IsTransparent(); }

bool TcxCustomRadioGroupButton::UsesParentBackground() {
  return FGroup ? FGroup->UsesNativeBackground() : TcxRadioButton::UsesParentBackground();
}

// --- The group ------------------------------------------------------------------------------------
TcxCustomRadioGroup::TcxCustomRadioGroup(TComponent* AOwner)
    : TcxCustomRadioGroup(AOwner, false, TcxCustomRadioGroupProperties::StaticClass()) {}

TcxCustomRadioGroup::TcxCustomRadioGroup(TComponent* AOwner, bool AIsHosted, TClass APropertiesClass)
    : TcxCustomButtonGroup(AOwner, AIsHosted, APropertiesClass) {
  Initialize();
}

void TcxCustomRadioGroup::Initialize() {
  TcxCustomButtonGroup::Initialize();
  TControlStyle style = ControlStyle();
  style.Exclude(csAcceptsControls);
  style.Include(csCaptureMouse);
  style.Include(csClickEvents);
  style.Include(csSetCaption);
  style.Include(csDoubleClicks);
  SetControlStyle(style);
  FStoredItemIndex = -1;
  SetBounds(Left(), Top(), 185, 105);
}

bool TcxCustomRadioGroup::StoresIndex() {
  const TComponentState state = ComponentState();
  return state.Contains(csLoading) || state.Contains(csReading) || state.Contains(csDesigning) ||
         (Properties() && Properties()->UpdateCount() > 0);
}

int TcxCustomRadioGroup::CheckedIndex() const {
  for (int i = 0; i < ButtonCount(); ++i)
    if (RadioButton(i)->Checked()) return i;
  return -1;
}

int TcxCustomRadioGroup::ItemIndex() { return StoresIndex() ? FStoredItemIndex : CheckedIndex(); }

void TcxCustomRadioGroup::SetItemIndex(int Value) {
  if (ComponentState().Contains(csLoading) || ComponentState().Contains(csReading)) {
    FStoredItemIndex = Value;
    return;
  }
  Value = std::clamp(Value, -1, ButtonCount() - 1);
  Variant value;
  DisplayToEditValue(Variant(Value), value, false);
  ApplyEditValue(value, true, false);
  if (StoresIndex()) FStoredItemIndex = Value;
}

void TcxCustomRadioGroup::DisplayToEditValue(const Variant& ADisplayValue, Variant& AEditValue, bool) {
  const int index = VarIsOrdinal(ADisplayValue) ? int(ADisplayValue.AsInt64()) : -1;
  TcxRadioGroupItems* items = RadioProperties()->Items();
  if (index < 0 || index >= items->Count()) {
    AEditValue = RadioProperties()->DefaultValue();
    return;
  }
  TcxRadioGroupItem* item = items->Items(index);
  AEditValue = item->Value().IsNull() ? Variant(item->Caption()) : item->Value();
}

void TcxCustomRadioGroup::CheckButton(int AIndex) {
  TFlagScope checking(FChecking);
  if (AIndex < 0) {
    const int checked = CheckedIndex();
    if (checked >= 0) RadioButton(checked)->SetChecked(false);
  } else if (AIndex < ButtonCount()) {
    TcxCustomRadioGroupButton* button = RadioButton(AIndex);
    button->SetChecked(true);
    if (Focused() && HandleAllocated() && GetFocus() != Handle() && button->CanFocus()) button->SetFocus();
  }
  if (StoresIndex()) FStoredItemIndex = AIndex;
}

void TcxCustomRadioGroup::ApplyEditValue(const Variant& AValue, bool AForce, bool AUserEdit) {
  LockChangeEvents(true);
  try {
    TcxCustomButtonGroup::InternalSetEditValue(AValue, true);
    const int index = RadioProperties()->GetItemIndexOfValue(AValue);
    if (AForce || index != CheckedIndex()) {
      CheckButton(index);
      if (AUserEdit) SetEditModified(true);
      Click();
      DoChange();
    }
    if (!AUserEdit) SetModifiedSinceEnter(false);
  } catch (...) {
    LockChangeEvents(false, true);
    throw;
  }
  LockChangeEvents(false, true);
  if (!IsEditDestroying()) RefreshViewStateAtCursor(this, false);
}

void TcxCustomRadioGroup::InternalSetEditValue(const Variant& Value, bool) {
  ApplyEditValue(Value, false, UserAction());
}

void TcxCustomRadioGroup::ButtonChecked(TcxCustomRadioGroupButton* AButton) {
  LockChangeEvents(true);
  try {
    const TUserActionScope user(this, Focused());
    if (!ComponentState().Contains(csLoading)) {
      Variant value;
      DisplayToEditValue(Variant(IndexOfButton(AButton)), value, false);
      ApplyEditValue(value, true, true);
    }
  } catch (...) {
    LockChangeEvents(false, true);
    throw;
  }
  LockChangeEvents(false, true);
  if (Focused() && ActiveProperties()->ImmediatePost() && HasValueToPost() && ValidateEdit(true)) PostEditValue();
}

TcxButtonGroupMetrics TcxCustomRadioGroup::GetButtonMetrics(TcxCanvas*) {
  const bool native = Style()->LookAndFeel()->NativeStyle() && CanUseThemeKind(totButton);
  const bool hosted = IsHosted();
  TcxButtonGroupMetrics m;
  m.CaptionLeftMargin = native ? 1 : 3;
  m.MeasureWidthCorrection = hosted ? -5 : -6;
  m.CaptionRightMargin = native ? 5 : 7;
  m.AutoWidthAddition = hosted ? 1 : 6;
  m.LeftOffset = hosted ? 1 : 6;
  m.LayoutWidthCorrection = hosted ? -2 : -6;
  m.ColumnSpacing = 0;
  const TSize glyph = Style()->LookAndFeel()->Painter()->GetRadioGlyphSize();
  m.GlyphWidth = glyph.cx;
  m.GlyphHeight = glyph.cy;
  return m;
}

TWinControl* TcxCustomRadioGroup::CreateButton() { return new TcxCustomRadioGroupButton(this); }

void TcxCustomRadioGroup::SyncButtons() {
  const int remembered = ItemIndex();
  TcxCustomButtonGroup::SyncButtons();
  if (!ComponentState().Contains(csLoading) && CheckedIndex() != remembered) SetItemIndex(remembered);
  TcxRadioGroupItems* items = RadioProperties()->Items();
  const int rows = std::max(RowCount(), 1);
  for (int i = 0; i < ButtonCount() && i < items->Count(); ++i) {
    TcxCustomRadioGroupButton* button = RadioButton(i);
    button->SetCaption(items->Items(i)->Caption());
    button->SetWordWrap(RadioProperties()->WordWrap());
    button->SetTransparent(Transparent());
    button->Font()->Assign(CaptionFont());
    button->Font()->SetColor(EditViewInfo()->TextColor);
    button->Column = i / rows;
    button->Row = i % rows;
    button->Invalidate();
  }
}

void TcxCustomRadioGroup::Loaded() {
  LockChangeEvents(true);
  LockClick(true);
  try {
    TcxCustomButtonGroup::Loaded();
    const int stored = FStoredItemIndex;
    if (!IsDataBoundEditor()) ApplyEditValue(RadioProperties()->DefaultValue(), false, false);
    SetItemIndex(stored);
    SyncButtons();
  } catch (...) {
    LockClick(false);
    LockChangeEvents(false, false);
    throw;
  }
  LockClick(false);
  LockChangeEvents(false, false);
}

void TcxCustomRadioGroup::SetFocus() {
  const int checked = CheckedIndex();
  if (checked >= 0 && RadioButton(checked)->CanFocus()) {
    RadioButton(checked)->SetFocus();
    return;
  }
  TcxCustomButtonGroup::SetFocus();
}

void TcxCustomRadioGroup::GetTabOrderList(std::vector<TWinControl*>& List) {
  TcxCustomButtonGroup::GetTabOrderList(List);
  auto self = std::find(List.begin(), List.end(), static_cast<TWinControl*>(this));
  const size_t at = self == List.end() ? List.size() : size_t(self - List.begin());
  List.erase(std::remove_if(List.begin(), List.end(),
                            [this](TWinControl* C) { return C == this || IndexOfButton(C) >= 0; }),
             List.end());
  if (!(TabStop() || Focused()) || CheckedIndex() < 0) return;
  std::vector<TWinControl*> enabled;
  for (int i = 0; i < ButtonCount(); ++i)
    if (Button(i)->Enabled()) enabled.push_back(Button(i));
  List.insert(List.begin() + std::ptrdiff_t(std::min(at, List.size())), enabled.begin(), enabled.end());
}

void TcxCustomRadioGroup::Dispatch(TMessage& Message) {
  if (Message.Msg == CM_DIALOGCHAR && IsAccel(WPARAM(Message.WParam), Caption()) && CanFocus()) {
    if (TWinControl* first = FindNextControl(nullptr, true, true, false)) first->SetFocus();
    Message.Result = 1;
    return;
  }
  TcxCustomButtonGroup::Dispatch(Message);
}
