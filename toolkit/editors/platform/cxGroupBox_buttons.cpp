// The button groups: items that report which one changed, the columns in
// force, one child button per item, their rectangles, the arrow keys between
// them and the children's events forwarded to the group.
#include <algorithm>

#include "cxGroupBox_win.h"

// --- Items --------------------------------------------------------------------------------------
TcxButtonGroupItem::TcxButtonGroupItem(TCollection* Collection) : TcxCaptionItem(Collection) {
  if (auto* items = dynamic_cast<TcxButtonGroupItems*>(Collection)) items->ItemChanged(this, bgioAdded);
}

TcxButtonGroupItem::~TcxButtonGroupItem() {
  if (auto* items = dynamic_cast<TcxButtonGroupItems*>(Collection())) items->ItemChanged(this, bgioDeleted);
}

void TcxButtonGroupItem::Assign(TPersistent* Source) {
  if (auto* item = dynamic_cast<TcxButtonGroupItem*>(Source)) SetEnabled(item->FEnabled);
  TcxCaptionItem::Assign(Source);
}

void TcxButtonGroupItem::SetEnabled(bool Value) {
  if (FEnabled == Value) return;
  FEnabled = Value;
  if (auto* items = dynamic_cast<TcxButtonGroupItems*>(Collection())) items->ItemChanged(this, bgioChanged);
}

bool TcxButtonGroupItems::OwnerLoading() const {
  auto* properties = dynamic_cast<TcxCustomEditProperties*>(const_cast<TcxButtonGroupItems*>(this)->GetOwner());
  auto* component = properties ? dynamic_cast<TComponent*>(properties->Owner()) : nullptr;
  return component && component->ComponentState().Contains(csLoading);
}

void TcxButtonGroupItems::ItemChanged(TcxButtonGroupItem* AItem, TcxButtonGroupItemsOperation AOperation) {
  if (IsDestroying() || OwnerLoading()) return;
  FChangedIndex = AItem->Index();
  FOperation = AOperation;
  FSingleChange = true;
  BeginUpdate();
  try {
    EndUpdate();
  } catch (...) {
    FSingleChange = false;
    throw;
  }
  FSingleChange = false;
}

void TcxButtonGroupItems::Update(TCollectionItem* Item) {
  if (IsDestroying()) return;
  if (Item && !FSingleChange) {
    FChangedIndex = Item->Index();
    FOperation = bgioChanged;
  }
  if (!OwnerLoading()) TcxCaptionItems::Update(Item);
  if (auto* properties = dynamic_cast<TcxCustomEditProperties*>(GetOwner())) properties->Changed();
}

// --- Properties -----------------------------------------------------------------------------------
TcxCustomButtonGroupProperties::TcxCustomButtonGroupProperties(TPersistent* AOwner)
    : TcxCustomGroupBoxProperties(AOwner) {
  MakeItems();
}

TcxCustomButtonGroupProperties::~TcxCustomButtonGroupProperties() {
  LockChanges(true);
  delete FItems;
  FItems = nullptr;
}

TClass TcxCustomButtonGroupProperties::GetContainerClass() { return TcxCustomButtonGroup::StaticClass(); }

TcxButtonGroupItems* TcxCustomButtonGroupProperties::CreateItems() {
  return new TcxButtonGroupItems(this, TcxButtonGroupItem::StaticClass());
}

void TcxCustomButtonGroupProperties::Assign(TPersistent* Source) {
  if (auto* source = dynamic_cast<TcxCustomButtonGroupProperties*>(Source)) {
    UpdateEditProperties(this, [&] {
      TcxCustomGroupBoxProperties::Assign(Source);
      SetColumns(source->FColumns);
      FItems->Assign(source->FItems);
      SetWordWrap(source->FWordWrap);
    });
    return;
  }
  TcxCustomGroupBoxProperties::Assign(Source);
}

void TcxCustomButtonGroupProperties::SetColumns(int Value) {
  Value = std::max(Value, 1);
  if (FColumns == Value) return;
  FColumns = Value;
  Changed();
}

void TcxCustomButtonGroupProperties::SetWordWrap(bool Value) {
  if (FWordWrap == Value) return;
  FWordWrap = Value;
  Changed();
}

int TcxCustomButtonGroupProperties::GetColumnCount() { return GetButtonGroupColumnCount(FColumns, FItems->Count()); }

// --- The group ------------------------------------------------------------------------------------
TcxCustomButtonGroup::TcxCustomButtonGroup(TComponent* AOwner, bool AIsHosted, TClass APropertiesClass)
    : TcxCustomGroupBox(AOwner, AIsHosted, APropertiesClass) {
  Initialize();
}

void TcxCustomButtonGroup::Initialize() {
  TcxCustomGroupBox::Initialize();
  SetAutoSize(false);
  SetTabStop(true);
}

TcxCustomButtonGroup::~TcxCustomButtonGroup() {
  Destroying();
  SetButtonCount(0);
}

int TcxCustomButtonGroup::IndexOfButton(TControl* AControl) const {
  const auto it = std::find(FButtons.begin(), FButtons.end(), AControl);
  return it == FButtons.end() ? -1 : int(it - FButtons.begin());
}

TcxButtonGroupMetrics TcxCustomButtonGroup::GetButtonMetrics(TcxCanvas*) { return TcxButtonGroupMetrics{}; }

bool TcxCustomButtonGroup::Focused() {
  if (TcxCustomGroupBox::Focused()) return true;
  if (IsEditDestroying()) return false;
  const HWND focus = GetFocus();
  for (TWinControl* button : FButtons)
    if (button->HandleAllocated() && button->Handle() == focus) return true;
  return false;
}

void TcxCustomButtonGroup::UpdateButtonBounds() {
  const int count = std::min(int(FButtons.size()), GroupProperties()->Items()->Count());
  if (count == 0) return;
  const int columns = ColumnCount();
  const std::vector<TRect> rects = CalcButtonGroupButtonRects(TRect{0, 0, Width(), Height()}, ClientExtent(), count,
                                                              columns, RowCount(), GetButtonMetrics(nullptr));
  if (auto* vi = dynamic_cast<TcxButtonGroupViewInfo*>(EditViewInfo())) vi->ButtonRects = rects;
  for (int i = 0; i < count; ++i) {
    const TRect& r = rects[size_t(i)];
    FButtons[size_t(i)]->SetBounds(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
  }
}

bool TcxCustomButtonGroup::RefreshViewState(const TPoint& P, int AButtonCode, TShiftState AShift, bool ANotify) {
  const bool result = TcxCustomGroupBox::RefreshViewState(P, AButtonCode, AShift, ANotify);
  UpdateButtonBounds();
  return result;
}

void TcxCustomButtonGroup::InitializeButton(TWinControl* AButton) {
  AButton->SetParentShowHint(false);
  AButton->SetParent(this);
  AButton->OnMouseDown = TMouseEvent(this, &TcxCustomButtonGroup::ButtonMouseDown);
  AButton->OnMouseMove = TMouseMoveEvent(this, &TcxCustomButtonGroup::ButtonMouseMove);
  AButton->OnMouseUp = TMouseEvent(this, &TcxCustomButtonGroup::ButtonMouseUp);
  AButton->OnKeyDown = TKeyEvent(this, &TcxCustomButtonGroup::ButtonKeyDown);
  AButton->OnKeyPress = TKeyPressEvent(this, &TcxCustomButtonGroup::ButtonKeyPress);
  AButton->OnKeyUp = TKeyEvent(this, &TcxCustomButtonGroup::ButtonKeyUp);
}

void TcxCustomButtonGroup::SetButtonCount(int AValue) {
  TcxButtonGroupItems* items = GroupProperties() ? GroupProperties()->Items() : nullptr;
  if (items && items->ReportingSingleChange() && AValue > 0) {
    const int index = items->ChangedIndex();
    switch (items->ChangedOperation()) {
      case bgioAdded: {
        TWinControl* button = CreateButton();
        InitializeButton(button);
        return;
      }
      case bgioDeleted:
        if (index >= 0 && index < int(FButtons.size())) delete FButtons[size_t(index)];
        return;
      default: return;
    }
  }
  DisableAlign();
  try {
    while (int(FButtons.size()) > AValue) delete FButtons.back();
    while (int(FButtons.size()) < AValue) InitializeButton(CreateButton());
  } catch (...) {
    EnableAlign();
    throw;
  }
  EnableAlign();
}

void TcxCustomButtonGroup::UpdateButtonColors() {
  for (TWinControl* button : FButtons) button->SetColor(EditViewInfo()->BackgroundColor);
}

void TcxCustomButtonGroup::SyncButtons() {
  TcxButtonGroupItems* items = GroupProperties()->Items();
  SetButtonCount(items->Count());
  RefreshViewStateAtCursor(this, false);
  for (int i = 0; i < int(FButtons.size()) && i < items->Count(); ++i)
    FButtons[size_t(i)]->SetEnabled(Enabled() && items->Items(i)->Enabled());
  UpdateButtonColors();
  for (TWinControl* button : FButtons) button->SetCursor(Cursor());
}

void TcxCustomButtonGroup::PropertiesChanged(TObject* Sender) {
  TcxCustomGroupBox::PropertiesChanged(Sender);
  if (!ComponentState().Contains(csReading) && !IsEditDestroying()) SyncButtons();
}

void TcxCustomButtonGroup::CreateHandle() {
  TcxCustomGroupBox::CreateHandle();
  SyncButtons();
  UpdateDisplayFromValue();
}

void TcxCustomButtonGroup::ReadState(TReader* Reader) {
  TcxCustomGroupBox::ReadState(Reader);
  SyncButtons();
}

void TcxCustomButtonGroup::Loaded() {
  TcxCustomGroupBox::Loaded();
  SyncButtons();
}

void TcxCustomButtonGroup::HandleEditKey(uint16_t& Key, TShiftState Shift) {
  static constexpr std::pair<uint16_t, TcxButtonGroupMove> moves[] = {
      {VK_LEFT, bgmLeft}, {VK_UP, bgmUp}, {VK_RIGHT, bgmRight}, {VK_DOWN, bgmDown}};
  const HWND focus = GetFocus();
  int focused = -1;
  for (int i = 0; i < int(FButtons.size()); ++i)
    if (FButtons[size_t(i)]->HandleAllocated() && FButtons[size_t(i)]->Handle() == focus) focused = i;
  for (const auto& [key, move] : moves) {
    if (Key != key || focused < 0) continue;
    std::vector<bool> enabled;
    for (TWinControl* button : FButtons) enabled.push_back(button->Enabled());
    const int target = ButtonGroupArrowTarget(move, focused, int(FButtons.size()), RowCount(), enabled);
    if (target < 0) break;
    FButtons[size_t(target)]->SetFocus();
    Key = 0;
    return;
  }
  TcxCustomGroupBox::HandleEditKey(Key, Shift);
}

void TcxCustomButtonGroup::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CM_ENABLEDCHANGED:
    case CM_CURSORCHANGED:
      TcxCustomGroupBox::Dispatch(Message);
      if (!IsEditDestroying()) SyncButtons();
      return;
    default: TcxCustomGroupBox::Dispatch(Message); return;
  }
}

// --- Forwarders -----------------------------------------------------------------------------------
void TcxCustomButtonGroup::ButtonMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y) {
  auto* button = static_cast<TControl*>(Sender);
  FButtonMouseDown = true;
  try {
    MouseDown(Button, Shift, X + button->Left(), Y + button->Top());
  } catch (...) {
    FButtonMouseDown = false;
    throw;
  }
  FButtonMouseDown = false;
}

void TcxCustomButtonGroup::ButtonMouseMove(TObject* Sender, TShiftState Shift, int X, int Y) {
  auto* button = static_cast<TControl*>(Sender);
  MouseMove(Shift, X + button->Left(), Y + button->Top());
}

void TcxCustomButtonGroup::ButtonMouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y) {
  auto* button = static_cast<TControl*>(Sender);
  MouseUp(Button, Shift, X + button->Left(), Y + button->Top());
}

void TcxCustomButtonGroup::ButtonKeyDown(TObject*, uint16_t& Key, TShiftState Shift) { KeyDown(Key, Shift); }
void TcxCustomButtonGroup::ButtonKeyPress(TObject*, wchar_t& Key) { KeyPress(Key); }
void TcxCustomButtonGroup::ButtonKeyUp(TObject*, uint16_t& Key, TShiftState Shift) { KeyUp(Key, Shift); }
