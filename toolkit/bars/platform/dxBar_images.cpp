// The manager's image settings: five watched image lists, the glyph size they
// imply, and the two change notifications the manager hears.
#include "dxBar_internal.h"

// A change link that tells which of the five slots it serves.
class TdxBarImageOptions::TSlotLink : public TChangeLink {
 public:
  TSlotLink(TdxBarImageOptions* AOwner, TList ASlot) : FOwner(AOwner), FSlot(ASlot) {}
  void Change() override {
    if (FOwner->OnImageListChanged) FOwner->OnImageListChanged(FSlot);
  }

 private:
  TdxBarImageOptions* FOwner;
  TList FSlot;
};

TdxBarImageOptions::TdxBarImageOptions(TdxBarManager* ABarManager) : TdxBarPersistent(ABarManager) {
  for (int i = 0; i < ilCount; ++i) FLinks[i] = std::make_unique<TSlotLink>(this, TList(i));
  FFreeNotificator = new TcxFreeNotificator(nullptr);
  FFreeNotificator->OnFreeNotification = TcxFreeNotificationEvent(this, &TdxBarImageOptions::ListFreed);
  UpdateGlyphSize();
}

TdxBarImageOptions::~TdxBarImageOptions() {
  for (int i = 0; i < ilCount; ++i)
    if (FLists[i]) FLists[i]->UnRegisterChanges(FLinks[i].get());
  for (auto& link : FLinks) link.reset();
  delete FFreeNotificator;
}

void TdxBarImageOptions::SetList(TList Index, TCustomImageList* Value) {
  TCustomImageList*& field = FLists[Index];
  if (field == Value) return;
  if (field) {
    field->UnRegisterChanges(FLinks[Index].get());
    bool stillWatched = false;
    for (int i = 0; i < ilCount; ++i) stillWatched |= i != Index && FLists[i] == field;
    if (!stillWatched) FFreeNotificator->RemoveSender(field);
  }
  field = Value;
  if (field) {
    field->RegisterChanges(FLinks[Index].get());
    FFreeNotificator->AddSender(field);
  }
}

void TdxBarImageOptions::SetLargeImages(TCustomImageList* Value) {
  if (FLists[ilLarge] == Value) return;
  SetList(ilLarge, Value);
  if (FLargeIcons && FUseLargeImagesForLargeIcons) LargeIconsChanged();
}

void TdxBarImageOptions::SetImageListBkColor(TColor Value) {
  if (FImageListBkColor == Value) return;
  FImageListBkColor = Value;
  Changed();
}

void TdxBarImageOptions::SetLargeIcons(bool Value) {
  if (FLargeIcons == Value) return;
  FLargeIcons = Value;
  LargeIconsChanged();
}

void TdxBarImageOptions::SetMakeDisabledImagesFaded(bool Value) {
  if (FMakeDisabledImagesFaded == Value) return;
  FMakeDisabledImagesFaded = Value;
  Changed();
}

void TdxBarImageOptions::SetUseLargeImagesForLargeIcons(bool Value) {
  if (FUseLargeImagesForLargeIcons == Value) return;
  FUseLargeImagesForLargeIcons = Value;
  Changed();
}

void TdxBarImageOptions::SetUseLeftBottomPixelAsTransparent(bool Value) {
  if (FUseLeftBottomPixelAsTransparent == Value) return;
  FUseLeftBottomPixelAsTransparent = Value;
  Changed();
}

void TdxBarImageOptions::UpdateGlyphSize() {
  if (!FLargeIcons) FGlyphSize = 16;
  else if (UsesLargeImagesForLargeIcons()) FGlyphSize = FLists[ilLarge]->Width();
  else FGlyphSize = 32;
}

bool TdxBarImageOptions::ImageListsLoading() const {
  for (TCustomImageList* list : FLists)
    if (list && list->ComponentState().Contains(csLoading)) return true;
  return false;
}

void TdxBarImageOptions::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TdxBarImageOptions*>(Source);
  if (!source) {
    inherited::Assign(Source);
    return;
  }
  SetDisabledImages(source->DisabledImages());
  SetDisabledLargeImages(source->DisabledLargeImages());
  SetHotImages(source->HotImages());
  SetImageListBkColor(source->ImageListBkColor());
  SetImages(source->Images());
  SetLargeImages(source->LargeImages());
  SetLargeIcons(source->LargeIcons());
  SetMakeDisabledImagesFaded(source->MakeDisabledImagesFaded());
  FSmoothGlyphs = source->FSmoothGlyphs;
  FStretchGlyphs = source->FStretchGlyphs;
  SetUseLargeImagesForLargeIcons(source->UseLargeImagesForLargeIcons());
  SetUseLeftBottomPixelAsTransparent(source->UseLeftBottomPixelAsTransparent());
}

void TdxBarImageOptions::Changed() {
  if (OnChanged) OnChanged(this);
}

void TdxBarImageOptions::LargeIconsChanged() {
  UpdateGlyphSize();
  if (OnLargeIconsChanged) OnLargeIconsChanged(this);
}

void TdxBarImageOptions::ListFreed(TComponent* AComponent) {
  if (DisabledLargeImages() == AComponent) SetDisabledLargeImages(nullptr);
  if (DisabledImages() == AComponent) SetDisabledImages(nullptr);
  if (HotImages() == AComponent) SetHotImages(nullptr);
  if (Images() == AComponent) SetImages(nullptr);
  if (LargeImages() == AComponent) SetLargeImages(nullptr);
}
