// The radio group and the edit with a bound label.
#include <algorithm>

#include "ExtCtrls.h"
#include "Streaming.h"

// --- TCustomRadioGroup -------------------------------------------------------------------
TCustomRadioGroup::TCustomRadioGroup(TComponent* AOwner) : TCustomGroupBox(AOwner), FItems(new TStringList()) {
  FControlStyle = TControlStyle{csSetCaption, csDoubleClicks, csParentBackground};
  FItems->OnChange = TNotifyEvent(this, &TCustomRadioGroup::ItemsChange);
  SetBounds(0, 0, 185, 105);
}

TCustomRadioGroup::~TCustomRadioGroup() {
  FUpdating = true;
  FItems->OnChange = TNotifyEvent();
  for (TRadioButton* b : FButtons) delete b;
  FButtons.clear();
  delete FItems;
}

void TCustomRadioGroup::SetItemIndex(int Value) {
  if (ComponentState().Contains(csLoading)) {
    FItemIndex = Value;
    return;
  }
  Value = std::clamp(Value, -1, ButtonCount() - 1);
  if (Value == FItemIndex) return;
  if (FItemIndex >= 0) {
    FUpdating = true;
    FButtons[size_t(FItemIndex)]->SetChecked(false);
    FUpdating = false;
  }
  FItemIndex = Value;
  // Checking the button runs its click, which tells the group's OnClick.
  if (FItemIndex >= 0) FButtons[size_t(FItemIndex)]->SetChecked(true);
}

void TCustomRadioGroup::SetColumns(int Value) {
  Value = std::clamp(Value, 1, 16);
  if (Value == FColumns) return;
  FColumns = Value;
  ArrangeButtons();
  Invalidate();
}

void TCustomRadioGroup::Loaded() {
  TCustomGroupBox::Loaded();
  UpdateButtons();
  const int index = FItemIndex;
  FItemIndex = -1;
  // A stored index that no item has is dropped, not kept pointing nowhere.
  FUpdating = true;
  if (index >= 0 && index < ButtonCount()) {
    FItemIndex = index;
    FButtons[size_t(index)]->SetChecked(true);
  }
  FUpdating = false;
}

void TCustomRadioGroup::ItemsChange(TObject* /*Sender*/) {
  if (ComponentState().Contains(csLoading)) return;
  if (FItemIndex >= FItems->Count()) FItemIndex = FItems->Count() - 1;
  UpdateButtons();
}

void TCustomRadioGroup::UpdateButtons() {
  FUpdating = true;
  try {
    const size_t count = size_t(FItems->Count());
    while (FButtons.size() > count) {
      delete FButtons.back();
      FButtons.pop_back();
    }
    while (FButtons.size() < count) {
      auto* b = new TRadioButton(nullptr);
      b->OnClick = TNotifyEvent(this, &TCustomRadioGroup::ButtonClick);
      b->SetParent(this);
      FButtons.push_back(b);
    }
    for (size_t i = 0; i < count; ++i) {
      TRadioButton* b = FButtons[i];
      b->SetCaption(FItems->Strings(int(i)));
      b->SetEnabled(Enabled());
      b->SetChecked(int(i) == FItemIndex);
    }
    ArrangeButtons();
  } catch (...) {
    FUpdating = false;
    throw;
  }
  FUpdating = false;
  Invalidate();
}

// Columns of equal width; the buttons share the height below the caption.
void TCustomRadioGroup::ArrangeButtons() {
  if (FButtons.empty()) return;
  TEXTMETRICW tm{};
  {
    const HDC dc = GetDC(nullptr);
    TGdiSelection sel(dc, Font()->Handle());
    GetTextMetricsW(dc, &tm);
    ReleaseDC(nullptr, dc);
  }
  const int count = ButtonCount();
  const int perColumn = (count + FColumns - 1) / FColumns;
  const int buttonWidth = std::max((FWidth - 10) / FColumns, 0);
  const int room = std::max(FHeight - int(tm.tmHeight) - 5, 0);
  const int buttonHeight = room / perColumn;
  const int topMargin = int(tm.tmHeight) + 1 + (room % perColumn) / 2;
  for (int i = 0; i < count; ++i)
    FButtons[size_t(i)]->SetBounds((i / perColumn) * buttonWidth + 8, (i % perColumn) * buttonHeight + topMargin,
                                   buttonWidth, buttonHeight);
}

void TCustomRadioGroup::ButtonClick(TObject* Sender) {
  if (FUpdating) return;
  const auto it = std::find(FButtons.begin(), FButtons.end(), Sender);
  if (it == FButtons.end()) return;
  FItemIndex = int(it - FButtons.begin());
  Changed();
  Click();
}

void TCustomRadioGroup::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CM_ENABLEDCHANGED:
      TCustomGroupBox::Dispatch(Message);
      for (TRadioButton* b : FButtons) b->SetEnabled(Enabled());
      return;
    case CM_FONTCHANGED:
    case WM_SIZE:
      TCustomGroupBox::Dispatch(Message);
      ArrangeButtons();
      return;
    default: TCustomGroupBox::Dispatch(Message);
  }
}

// --- TBoundLabel -------------------------------------------------------------------------
TBoundLabel::TBoundLabel(TComponent* AOwner) : TCustomLabel(AOwner) {
  SetComponentStyle(ComponentStyle() + TComponentStyle{csSubComponent});
  SetName(L"SubLabel");
}

void TBoundLabel::AdjustBounds() {
  TCustomLabel::AdjustBounds();
  auto* edit = dynamic_cast<TCustomLabeledEdit*>(Owner());
  if (!edit || edit->FEditLabel != this || ComponentState().Contains(csDestroying) ||
      edit->ComponentState().Contains(csDestroying))
    return;
  edit->PlaceLabel();
}

// --- TCustomLabeledEdit ------------------------------------------------------------------
TCustomLabeledEdit::TCustomLabeledEdit(TComponent* AOwner) : TCustomEdit(AOwner) {
  FEditLabel = new TBoundLabel(this);
  FEditLabel->FreeNotification(this);
  FEditLabel->SetFocusControl(this);
}

void TCustomLabeledEdit::SetLabelPosition(TLabelPosition Value) {
  FLabelPosition = Value;
  PlaceLabel();
}

void TCustomLabeledEdit::SetLabelSpacing(int Value) {
  FLabelSpacing = Value;
  PlaceLabel();
}

void TCustomLabeledEdit::PlaceLabel() {
  if (!FEditLabel) return;
  const int lw = FEditLabel->Width(), lh = FEditLabel->Height();
  TPoint p{FLeft, FTop};
  switch (FLabelPosition) {
    case lpAbove: p = TPoint{FLeft, FTop - lh - FLabelSpacing}; break;
    case lpBelow: p = TPoint{FLeft, FTop + FHeight + FLabelSpacing}; break;
    case lpLeft: p = TPoint{FLeft - lw - FLabelSpacing, FTop + (FHeight - lh) / 2}; break;
    case lpRight: p = TPoint{FLeft + FWidth + FLabelSpacing, FTop + (FHeight - lh) / 2}; break;
  }
  FEditLabel->SetBounds(p.X, p.Y, lw, lh);
}

void TCustomLabeledEdit::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TCustomEdit::SetBounds(ALeft, ATop, AWidth, AHeight);
  PlaceLabel();
}

void TCustomLabeledEdit::SetParent(TWinControl* AParent) {
  TCustomEdit::SetParent(AParent);
  if (!FEditLabel) return;
  FEditLabel->SetParent(AParent);
  FEditLabel->SetVisible(Visible());
  PlaceLabel();
}

void TCustomLabeledEdit::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomEdit::Notification(AComponent, Operation);
  if (AComponent == FEditLabel && Operation == opRemove) FEditLabel = nullptr;
}

void TCustomLabeledEdit::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CM_VISIBLECHANGED:
      TCustomEdit::Dispatch(Message);
      if (FEditLabel) FEditLabel->SetVisible(Visible());
      return;
    case CM_ENABLEDCHANGED:
      TCustomEdit::Dispatch(Message);
      if (FEditLabel) FEditLabel->SetEnabled(Enabled());
      return;
    default: TCustomEdit::Dispatch(Message);
  }
}

// --- Published properties ----------------------------------------------------------------
VAMIRE_PUBLISHED(TCustomRadioGroup,
                 Prop(L"Columns", &TCustomRadioGroup::Columns, &TCustomRadioGroup::SetColumns).Default(int64_t(1)),
                 Prop(L"ItemIndex", &TCustomRadioGroup::ItemIndex, &TCustomRadioGroup::SetItemIndex).Default(int64_t(-1)),
                 Prop(L"Items", &TCustomRadioGroup::Items, &TCustomRadioGroup::SetItems))

VAMIRE_PUBLISHED(TCustomLabeledEdit,
                 Prop(L"EditLabel", &TCustomLabeledEdit::EditLabel, nullptr),
                 Prop(L"LabelPosition", &TCustomLabeledEdit::LabelPosition, &TCustomLabeledEdit::SetLabelPosition).Default(lpAbove),
                 Prop(L"LabelSpacing", &TCustomLabeledEdit::LabelSpacing, &TCustomLabeledEdit::SetLabelSpacing).Default(int64_t(3)))

namespace {
// The form reader creates these by class name.
void InitExtCtrls() {
  RegisterClasses({TTimer::StaticClass(), TPanel::StaticClass(), TImage::StaticClass(), TRadioGroup::StaticClass(),
                   TLabeledEdit::StaticClass()});
}
void DoneExtCtrls() {
  UnRegisterClasses({TTimer::StaticClass(), TPanel::StaticClass(), TImage::StaticClass(), TRadioGroup::StaticClass(),
                     TLabeledEdit::StaticClass()});
}
}  // namespace

const TUnitEntry ExtCtrlsUnit = {L"ExtCtrls", &InitExtCtrls, &DoneExtCtrls};
