// The button and static item kinds: buttons with their radio groups, large
// buttons whose small image follows the large one, labels, separators and the
// item behind the application-menu button.
#include "dxBarButtons_win.h"
#include "dxBar_internal.h"

namespace {
const TdxBarControlKinds kAllBarKinds{0, 1, 2};
}  // namespace

// --- Button --------------------------------------------------------------------------------

TdxBarButton::TdxBarButton(TComponent* AOwner) : TdxBarItem(AOwner) { UnclickAfterDoing = true; }

void TdxBarButton::SetAllowAllUp(bool Value) {
  if (FAllowAllUp == Value) return;
  FAllowAllUp = Value;
  // The group shares one answer: every button of it takes the new value.
  if (FGroupIndex == 0 || !FBarManager) return;
  for (int i = 0; i < FBarManager->ItemCount(); ++i)
    if (auto* button = dynamic_cast<TdxBarButton*>(FBarManager->Items(i));
        button && button != this && button->FGroupIndex == FGroupIndex)
      button->FAllowAllUp = Value;
}

void TdxBarButton::SetButtonStyle(TdxBarButtonStyle Value) {
  FStyleBits = int(Value);
  // Released whatever the group says: the button may no longer check at all.
  if (FDown) SetDownRaw(false);
  if (!IsLoading()) Changed(kAllBarKinds);
  ComponentChanged();
}

void TdxBarButton::SetDropDownEnabled(bool Value) {
  if (FDropDownEnabled == Value) return;
  FDropDownEnabled = Value;
  if (!IsLoading()) UpdateControls();
}

void TdxBarButton::SetGroupIndex(int Value) {
  const int stored = IsCheckable() ? Value : 0;
  if (FGroupIndex == stored) return;
  FGroupIndex = stored;
  if (FDown) SetDownRaw(false);
}

void TdxBarButton::SetDownRaw(bool Value) {
  FDown = Value;
  if (!IsLoading()) UpdateControls();
}

void TdxBarButton::SetDown(bool Value) {
  if (FDown == Value) return;
  if (Value && !IsCheckable()) return;
  TdxBarButton* previous = nullptr;
  if (!IsLoading() && IsCheckable() && FGroupIndex != 0 && FBarManager) {
    bool otherDown = false;
    for (int i = 0; i < FBarManager->ItemCount(); ++i) {
      auto* button = dynamic_cast<TdxBarButton*>(FBarManager->Items(i));
      if (!button || button == this || !button->IsCheckable() || button->FGroupIndex != FGroupIndex || !button->FDown)
        continue;
      otherDown = true;
      previous = button;
    }
    // The last button of a group up stays down unless the group allows all up.
    if (!Value && !FAllowAllUp && !otherDown) return;
    if (!Value) previous = nullptr;
  }
  SetDownRaw(Value);
  if (previous) previous->SetDownRaw(false);
}

bool TdxBarButton::IsDownStored() const { return !ActionLink() || !ActionLink()->IsCheckedLinked(); }

void TdxBarButton::SetLowered(bool Value) {
  if (FLowered == Value) return;
  FLowered = Value;
  if (!IsLoading()) Changed(kAllBarKinds);
}

bool TdxBarButton::CanActivateByAccelerator(TdxBarItemLink* Link) {
  if (!Enabled()) return false;
  TdxBarItemLinks* links = Link ? Link->GetLinks() : nullptr;
  if (!links || !dynamic_cast<TdxBar*>(links->GetLinksOwner())) return true;
  const TdxBarPaintStyle style = Link->GetPaintStyle();
  return style == psCaption || style == psCaptionGlyph;
}

void TdxBarButton::PaintStyleChanged() {
  for (int i = 0; i < LinkCount(); ++i)
    if (!Links(i)->UserDefine().Contains(udPaintStyle)) ComponentChanged();
}

uint16_t TdxBarButton::GetSupportedActions() {
  return TdxBarItem::GetSupportedActions() | (ComponentState().Contains(csDesigning) ? 0x120 : 0x20);
}

String TdxBarButton::GetDefaultCaption() { return ResolveResourceString(&dxSBAR_NEWBUTTONCAPTION); }

void TdxBarButton::Click() {
  if (Enabled() && IsCheckable()) SetDown(!FDown);
  TdxBarItem::Click();
}

void TdxBarButton::ActionChange(TObject* Sender, bool CheckDefaults) {
  TdxBarItem::ActionChange(Sender, CheckDefaults);
  if (auto* action = dynamic_cast<TCustomAction*>(Sender); action && (!CheckDefaults || !FDown))
    SetDown(action->Checked());
}

// --- Large button --------------------------------------------------------------------------

TdxBarLargeButton::TdxBarLargeButton(TComponent* AOwner)
    : TdxBarButton(AOwner),
      FHotGlyph(CreateBitmapWithChangeHandler(TNotifyEvent(this, &TdxBarLargeButton::HotGlyphBitmapChanged))) {
  SetShowCaption(true);
  SetGlyphLayout(glTop);
}

void TdxBarLargeButton::SetAutoGrayScale(bool Value) {
  if (FAutoGrayScale == Value) return;
  FAutoGrayScale = Value;
  UpdateControls();
}

void TdxBarLargeButton::SetHeight(int Value) {
  if (Value < 0 || FHeight == Value) return;
  FHeight = Value;
  Changed(kAllBarKinds);
}

void TdxBarLargeButton::SetHotImageIndex(int Value) {
  if (FHotImageIndex == Value) return;
  FHotImageIndex = Value;
  HotGlyphChanged();
}

void TdxBarLargeButton::HotGlyphBitmapChanged(TObject*) { HotGlyphChanged(); }

void TdxBarLargeButton::HotGlyphChanged() { ComponentChanged(); }

void TdxBarLargeButton::SetSyncImageIndex(bool Value) {
  if (IsLoading()) FSyncImageIndexRead = true;
  if (FSyncImageIndex == Value) return;
  FSyncImageIndex = Value;
  if (Value) LargeGlyphChanged();
}

void TdxBarLargeButton::SetLargeImageIndex(int Value) {
  if (IsLoading()) FLargeImageIndexRead = true;
  TdxBarButton::SetLargeImageIndex(Value);
}

void TdxBarLargeButton::LargeGlyphChanged() {
  if (!FSynchronizing && FSyncImageIndex) {
    if (IsLoading() && FImageIndexRead) {
      FSyncImageIndex = ImageIndex() == LargeImageIndex();
    } else {
      FSynchronizing = true;
      TdxBarFinally done([this] { FSynchronizing = false; });
      TdxBarButton::SetImageIndex(LargeImageIndex());
    }
  }
  TdxBarButton::LargeGlyphChanged();
}

void TdxBarLargeButton::SetImageIndex(int Value) {
  if (IsLoading()) FImageIndexRead = true;
  TdxBarButton::SetImageIndex(Value);
  if (FSynchronizing) return;
  if (IsLoading() && LargeImageIndex() == -1 && (FSyncImageIndex || !FSyncImageIndexRead)) {
    FSynchronizing = true;
    TdxBarFinally done([this] { FSynchronizing = false; });
    TdxBarButton::SetLargeImageIndex(Value);
  } else if (!FSyncImageIndexRead) {
    FSyncImageIndex = false;
  }
}

void TdxBarLargeButton::Loaded() {
  TdxBarButton::Loaded();
  FImageIndexRead = FLargeImageIndexRead = FSyncImageIndexRead = false;
}

void TdxBarLargeButton::DefineProperties(TFiler* Filer) {
  TdxBarButton::DefineProperties(Filer);
  Filer->DefineProperty(L"ImageIndex", TReaderProc(this, &TdxBarLargeButton::ReadImageIndex),
                        TWriterProc(this, &TdxBarLargeButton::WriteImageIndex), !FSyncImageIndex);
}

void TdxBarLargeButton::ReadImageIndex(TReader* Reader) { SetImageIndex(int(Reader->ReadInteger())); }

void TdxBarLargeButton::WriteImageIndex(TWriter* Writer) { Writer->WriteInteger(ImageIndex()); }

void TdxBarLargeButton::SetGlyphLayoutValue(TdxBarGlyphLayout Value) { SetGlyphLayout(Value); }

bool TdxBarLargeButton::CanActivateByAccelerator(TdxBarItemLink* Link) {
  return TdxBarButton::CanActivateByAccelerator(Link) && ShowCaption();
}

bool TdxBarLargeButton::HasHotImage() {
  TdxBarManager* manager = BarManager();
  return manager && manager->HotImages() && FHotImageIndex >= 0 && FHotImageIndex < manager->HotImages()->Count();
}

bool TdxBarLargeButton::HasImage() {
  TdxBarManager* manager = BarManager();
  return manager && manager->LargeImages() && LargeImageIndex() >= 0 &&
         LargeImageIndex() < manager->LargeImages()->Count();
}

void TdxBarLargeButton::WidthChanged() { Changed(kAllBarKinds); }

uint16_t TdxBarLargeButton::GetSupportedActions() { return TdxBarButton::GetSupportedActions() & ~0x20; }

// --- Label and separator -------------------------------------------------------------------

TdxBarLabel::TdxBarLabel(TComponent* AOwner) : TdxBarItem(AOwner) { SetShowCaption(true); }

bool TdxBarSeparator::CanBePlacedOn(int APlaceKind, TdxBar*, String& AReason) {
  AReason.clear();
  if (APlaceKind == 1) return true;
  AReason = ResolveResourceString(&dxSBAR_CANTPLACESEPARATOR);
  return false;
}

String TdxBarSeparator::GetDefaultCaption() { return ResolveResourceString(&dxSBAR_NEWSEPARATORCAPTION); }

uint16_t TdxBarSeparator::GetSupportedActions() { return TdxBarLabel::GetSupportedActions() & ~0x1000; }

// --- Application-menu button item ----------------------------------------------------------

TdxBarApplicationMenuButtonItem::TdxBarApplicationMenuButtonItem(TComponent* AOwner) : TdxBarItem(AOwner) {
  FVisible = ivNever;
}

void TdxBarApplicationMenuButtonItem::SetExternalItem(TdxBarButton* Value) {
  if (FExternalItem == Value) return;
  if (FExternalItem) FExternalItem->RemoveFreeNotification(this);
  FExternalItem = Value;
  if (FExternalItem) FExternalItem->FreeNotification(this);
  ComponentChanged();
}

void TdxBarApplicationMenuButtonItem::Notification(TComponent* AComponent, TOperation Operation) {
  TdxBarItem::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FExternalItem) FExternalItem = nullptr;
}

String TdxBarApplicationMenuButtonItem::Caption() const {
  return FExternalItem ? FExternalItem->Caption() : TdxBarItem::Caption();
}
String TdxBarApplicationMenuButtonItem::Hint() const {
  return FExternalItem ? FExternalItem->Hint() : TdxBarItem::Hint();
}
bool TdxBarApplicationMenuButtonItem::Enabled() const {
  return FExternalItem ? FExternalItem->Enabled() : TdxBarItem::Enabled();
}
TdxBarItemVisible TdxBarApplicationMenuButtonItem::Visible() const {
  return FExternalItem ? FExternalItem->Visible() : TdxBarItem::Visible();
}
TBitmap* TdxBarApplicationMenuButtonItem::Glyph() const {
  return FExternalItem ? FExternalItem->Glyph() : TdxBarItem::Glyph();
}
int TdxBarApplicationMenuButtonItem::ImageIndex() const {
  return FExternalItem ? FExternalItem->ImageIndex() : TdxBarItem::ImageIndex();
}

void TdxBarApplicationMenuButtonItem::DoClick() {
  if (FExternalItem)
    FExternalItem->Click();
  else
    TdxBarItem::DoClick();
}

// --- Registry and streaming ----------------------------------------------------------------

void dxBarRegisterButtonItems() {
  // The controls that show these kinds come with the bar controls; until then
  // the rows name none and the kinds are read from form files all the same.
  RegisterBarItem(TdxBarButton::StaticClass(), nullptr, true);
  RegisterBarItem(TdxBarLargeButton::StaticClass(), nullptr, true);
  RegisterBarItem(TdxBarLabel::StaticClass(), nullptr, false);
  RegisterBarItem(TdxBarSeparator::StaticClass(), nullptr, true);
  RegisterBarItem(TdxBarApplicationMenuButtonItem::StaticClass(), nullptr, false);
}

using B = TdxBarButton;
VAMIRE_PUBLISHED(
    TdxBarButton, Prop(L"AllowAllUp", &B::AllowAllUp, &B::SetAllowAllUp).Default(false),
    Prop(L"ButtonStyle", &B::ButtonStyle, &B::SetButtonStyle).Default(bsDefault),
    Prop(L"CloseSubMenuOnClick", &B::CloseSubMenuOnClick).Default(true),
    Prop(L"DropDownEnabled", &B::DropDownEnabled, &B::SetDropDownEnabled).Default(true),
    Prop(L"GroupIndex", &B::GroupIndex, &B::SetGroupIndex).Default(int64_t(0)),
    Prop(L"Down", &B::Down, &B::SetDown).Default(false).Stored(&B::IsDownStored),
    Prop(L"Glyph", &B::Glyph, &B::SetGlyph),
    Prop(L"ImageIndex", &B::ImageIndex, &B::SetImageIndex).Default(int64_t(-1)).Stored(&B::IsImageIndexStored),
    Prop(L"LargeGlyph", &B::LargeGlyph, &B::SetLargeGlyph),
    Prop(L"LargeImageIndex", &B::LargeImageIndex, &B::SetLargeImageIndex).Default(int64_t(-1)),
    Prop(L"Lowered", &B::Lowered, &B::SetLowered).Default(false),
    Prop(L"PaintStyle", &B::PaintStyle, &B::SetPaintStyle).Default(psStandard),
    Prop(L"ShortCut", &B::ShortCut, &B::SetShortCut).Default(int64_t(0)).Stored(&B::IsShortCutStored),
    Prop(L"UnclickAfterDoing", &B::UnclickAfterDoing).Default(true),
    Prop(L"OnClick", &B::OnClick, &B::SetOnClick).Stored(&B::IsOnClickStored))

using LB = TdxBarLargeButton;
VAMIRE_PUBLISHED(TdxBarLargeButton, Prop(L"AutoGrayScale", &LB::AutoGrayScale, &LB::SetAutoGrayScale).Default(true),
                 Prop(L"GlyphLayout", &LB::GlyphLayout, &LB::SetGlyphLayoutValue).Default(glTop),
                 Prop(L"Height", &LB::Height, &LB::SetHeight).Default(int64_t(0)),
                 Prop(L"HotGlyph", &LB::HotGlyph, &LB::SetHotGlyph),
                 Prop(L"HotImageIndex", &LB::HotImageIndex, &LB::SetHotImageIndex).Default(int64_t(-1)),
                 // Never written as a published value: the defined "ImageIndex" carries it.
                 Prop(L"ImageIndex", &LB::ImageIndex, &LB::SetImageIndex).Default(int64_t(-1)).Stored(false),
                 Prop(L"LargeImageIndex", &LB::LargeImageIndex, &LB::SetLargeImageIndex)
                     .Default(int64_t(-1))
                     .Stored(&LB::IsLargeImageIndexStored),
                 Prop(L"ShowCaption", &LB::ShowCaption, &LB::SetShowCaption).Default(true),
                 Prop(L"SyncImageIndex", &LB::SyncImageIndex, &LB::SetSyncImageIndex).Default(true),
                 Prop(L"Width", &LB::Width, &LB::SetWidth).Default(int64_t(0)))

VAMIRE_PUBLISHED(TdxBarSeparator,
                 Prop(L"ShowCaption", &TdxBarSeparator::ShowCaption, &TdxBarSeparator::SetShowCaption).Default(true))
