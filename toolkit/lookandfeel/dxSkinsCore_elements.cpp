// Skin images (a picture cut into frames by state and image index) and skin
// elements (colour, image, glyph, borders and offsets of one drawable part).
#include <algorithm>

#include "dxSkinsCore.h"

// --- Images --------------------------------------------------------------------------------

TdxSkinImage::TdxSkinImage(TdxSkinElement* AOwner)
    : FOwner(AOwner), FMargins(std::make_unique<TcxRect>(this)), FTexture(CreateSkinTexture()) {
  FMargins->OnChange = TNotifyEvent(this, &TdxSkinImage::MarginsChanged);
}

TdxSkinImage::~TdxSkinImage() { FMargins->OnChange = nullptr; }

TPersistent* TdxSkinImage::GetOwner() { return FOwner; }

void TdxSkinImage::SetGradient(TdxSkinGradientMode AValue) {
  if (FGradient == AValue) return;
  FGradient = AValue;
  Changed();
}

void TdxSkinImage::SetGradientBeginColor(TColor AValue) {
  if (FGradientBeginColor == AValue) return;
  FGradientBeginColor = AValue;
  Changed();
}

void TdxSkinImage::SetGradientEndColor(TColor AValue) {
  if (FGradientEndColor == AValue) return;
  FGradientEndColor = AValue;
  Changed();
}

void TdxSkinImage::SetImageLayout(TdxSkinImageLayout AValue) {
  if (FImageLayout == AValue) return;
  FImageLayout = AValue;
  Changed();
}

void TdxSkinImage::SetStates(const TdxSkinElementStates& AValue) {
  if (FStates == AValue) return;
  FStates = AValue;
  Changed();
}

void TdxSkinImage::SetStretch(TdxSkinStretchMode AValue) {
  if (FStretch == AValue) return;
  FStretch = AValue;
  Changed();
}

void TdxSkinImage::LoadFromPngData(const std::uint8_t* AData, std::size_t ASize) {
  TMemoryStream stream;
  if (ASize) stream.WriteBuffer(AData, std::int32_t(ASize));
  stream.SetPosition(0);
  LoadTexture(&stream);
}

void TdxSkinImage::LoadTexture(TStream* AStream) {
  FTexture->LoadFromStream(AStream);
  Changed();
}

bool TdxSkinImage::Empty() { return FSourceName.empty() && FTexture->Empty(); }

void TdxSkinImage::Clear() {
  FTexture->Clear();
  FSourceName.clear();
  Changed();
}

TSize TdxSkinImage::GetFrameSize() {
  if (FDirty) Recalculate();
  return FFrameSize;
}

int TdxSkinImage::GetStateCount() {
  if (FDirty) Recalculate();
  return FStateCount;
}

String TdxSkinImage::GetName() { return Empty() || !FOwner ? String() : FOwner->GetImageFileName(this); }

String TdxSkinImage::GetSourceName() {
  if (!FSourceName.empty()) return FSourceName;
  if (Empty() || !FOwner) return String();
  return FOwner->GetImageFolder() + GetName();
}

TRect TdxSkinImage::StateRect(TdxSkinElementState AState) {
  if (FDirty) Recalculate();
  return FStateRects[std::size_t(AState)];
}

const std::array<TRect, 9>& TdxSkinImage::PartRects() {
  if (FDirty) Recalculate();
  return FPartRects;
}

bool TdxSkinImage::PartVisible(int AIndex) {
  const TRect& r = PartRects()[std::size_t(AIndex)];
  return r.Right > r.Left && r.Bottom > r.Top;
}

TdxSkinElementState TdxSkinImage::AdjustState(TdxSkinElementState AState) const {
  if (FStates.Contains(AState)) return AState;
  for (int s = 0; s < dxSkinElementStateCount; ++s)
    if (FStates.Contains(TdxSkinElementState(s))) return TdxSkinElementState(s);
  return AState;
}

TRect TdxSkinImage::GetSourceRect(int AImageIndex, TdxSkinElementState AState) {
  TRect r = StateRect(AdjustState(AState));
  if (AImageIndex > 0) {
    const std::int64_t step = std::int64_t(AImageIndex) * FStateCount *
                              (FImageLayout == ilHorizontal ? FFrameSize.cx : FFrameSize.cy);
    // Only indices below ImageCount reach here, so the step stays inside the picture.
    if (FImageLayout == ilHorizontal) {
      r.Left += std::int32_t(step);
      r.Right += std::int32_t(step);
    } else {
      r.Top += std::int32_t(step);
      r.Bottom += std::int32_t(step);
    }
  }
  return r;
}

void TdxSkinImage::Changed() {
  FDirty = true;
  dxSkinNoteChange();
  if (OnChange) OnChange(this);
}

void TdxSkinImage::Recalculate() {
  FDirty = false;
  FStateCount = 0;
  for (int s = 0; s < dxSkinElementStateCount; ++s)
    if (FStates.Contains(TdxSkinElementState(s))) ++FStateCount;
  FFrameSize = FTexture->Empty() ? TSize{} : FTexture->Size();
  if (FStateCount >= 1) {
    const int imageCount = FOwner ? FOwner->ImageCount() : 1;
    std::int32_t& extent = FImageLayout == ilHorizontal ? FFrameSize.cx : FFrameSize.cy;
    extent = extent / imageCount / FStateCount;
  }
  FStateRects.fill(TRect{});
  TRect frame{0, 0, FFrameSize.cx, FFrameSize.cy};
  for (int s = 0; s < dxSkinElementStateCount; ++s) {
    if (!FStates.Contains(TdxSkinElementState(s))) continue;
    FStateRects[std::size_t(s)] = frame;
    if (FImageLayout == ilHorizontal) {
      frame.Left += FFrameSize.cx;
      frame.Right += FFrameSize.cx;
    } else {
      frame.Top += FFrameSize.cy;
      frame.Bottom += FFrameSize.cy;
    }
  }
  FPartRects = dxSkinNinePartRects(TRect{0, 0, FFrameSize.cx, FFrameSize.cy}, FMargins->Rect());
}

void TdxSkinImage::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TdxSkinImage*>(Source);
  if (!source) {
    inherited::Assign(Source);
    return;
  }
  if (source == this) return;
  if (source->Empty()) {
    FTexture->Clear();
    FSourceName.clear();
  } else {
    FTexture->AssignTexture(source->FTexture.get());
    FSourceName = source->GetSourceName();
  }
  FGradientBeginColor = source->FGradientBeginColor;
  FGradientEndColor = source->FGradientEndColor;
  FGradient = source->FGradient;
  FImageLayout = source->FImageLayout;
  FMargins->OnChange = nullptr;
  FMargins->Assign(source->FMargins.get());
  FMargins->OnChange = TNotifyEvent(this, &TdxSkinImage::MarginsChanged);
  FStretch = source->FStretch;
  FStates = source->FStates;
  Changed();
}

bool TdxSkinImage::IsEqual(TdxSkinImage* AOther) {
  if (!AOther) return false;
  return FImageLayout == AOther->FImageLayout && Empty() == AOther->Empty() && FStates == AOther->FStates &&
         FGradient == AOther->FGradient && FGradientBeginColor == AOther->FGradientBeginColor &&
         FGradientEndColor == AOther->FGradientEndColor && FStretch == AOther->FStretch &&
         GetFrameSize() == AOther->GetFrameSize() && FMargins->Rect() == AOther->FMargins->Rect() &&
         FTexture->IsEqual(AOther->FTexture.get());
}

// --- Elements ------------------------------------------------------------------------------

TdxSkinElement::TdxSkinElement(TPersistent* AOwner)
    : TdxSkinPersistent(AOwner),
      FBorders(std::make_unique<TdxSkinBorders>(this)),
      FContentOffset(std::make_unique<TcxRect>(this)),
      FGlyph(std::make_unique<TdxSkinImage>(this)),
      FImage(std::make_unique<TdxSkinImage>(this)),
      FMinSize(std::make_unique<TcxSize>(this)) {
  FBorders->SetName(L"Borders");
  const TNotifyEvent changed(this, &TdxSkinElement::SubObjectChanged);
  FBorders->OnChange = changed;
  FContentOffset->OnChange = changed;
  FGlyph->OnChange = changed;
  FImage->OnChange = changed;
  FMinSize->OnChange = changed;
}

TdxSkinElement::~TdxSkinElement() {
  FCache.reset();
  FBorders->OnChange = nullptr;
  FContentOffset->OnChange = nullptr;
  FGlyph->OnChange = nullptr;
  FImage->OnChange = nullptr;
  FMinSize->OnChange = nullptr;
}

void TdxSkinElement::SetAlpha(std::uint8_t AValue) {
  if (FAlpha == AValue) return;
  FAlpha = AValue;
  SetColor(FColor);
}

void TdxSkinElement::SetColor(TColor AValue) {
  FColor = AValue;
  FColorAssigned = AValue != clDefault && AValue != clNone;
  DoChange();
}

void TdxSkinElement::SetImageCount(int AValue) {
  AValue = std::max(AValue, 1);
  if (FImageCount == AValue) return;
  FImageCount = AValue;
  FImage->SetDirty();
  FGlyph->SetDirty();
  DoChange();
}

void TdxSkinElement::SetTextColor(TColor AValue) {
  if (FTextColor == AValue) return;
  FTextColor = AValue;
  DoChange();
}

void TdxSkinElement::SetUseCache(bool AValue) {
  FUseCache = AValue;
  if (!AValue) FCache.reset();
}

TdxSkinControlGroup* TdxSkinElement::Group() const { return dynamic_cast<TdxSkinControlGroup*>(Owner()); }

bool TdxSkinElement::HasTransparency() {
  if (!FImage->Empty()) return FImage->Texture()->UsesAlpha();
  return FAlpha < 255 || FColor == clNone;
}

String TdxSkinElement::GetImageFolder() {
  TdxSkinControlGroup* group = Group();
  return (group ? group->Name() : String()) + L"\\";
}

void TdxSkinElement::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TdxSkinElement*>(Source);
  if (!source) {
    inherited::Assign(Source);
    return;
  }
  dxSkinUpdating(this, [&] {
    FImage->Assign(source->FImage.get());
    FGlyph->Assign(source->FGlyph.get());
    SetColor(source->FColor);
    SetAlpha(source->FAlpha);
    FContentOffset->Assign(source->FContentOffset.get());
    SetImageCount(source->FImageCount);
    FBorders->Assign(source->FBorders.get());
    FMinSize->Assign(source->FMinSize.get());
    SetTextColor(source->FTextColor);
    SetUseCache(source->FUseCache);
    inherited::Assign(Source);
  });
}

bool TdxSkinElement::ArePropertiesEqual(TdxSkinElement* AOther) {
  if (PropertyCount() != AOther->PropertyCount()) return false;
  for (int i = 0; i < PropertyCount(); ++i)
    if (!Properties(i)->IsEqual(AOther->Properties(i))) return false;
  return true;
}

String TdxSkinElement::GetImageFileName(TdxSkinImage* AImage) {
  return Name() + (AImage == FGlyph.get() ? L"_Glyph.png" : L"_Image.png");
}

bool TdxSkinElement::IsEqual(TdxSkinElement* AOther) {
  return AOther && Name() == AOther->Name() && FColor == AOther->FColor && FImageCount == AOther->FImageCount &&
         FAlpha == AOther->FAlpha && FTextColor == AOther->FTextColor && FMinSize->IsEqual(AOther->FMinSize.get()) &&
         FContentOffset->IsEqual(AOther->FContentOffset.get()) && FBorders->IsEqual(AOther->FBorders.get()) &&
         ArePropertiesEqual(AOther) && FImage->IsEqual(AOther->FImage.get()) &&
         FGlyph->IsEqual(AOther->FGlyph.get());
}

TColor TdxSkinElement::GetTextColor(int AButtonState) {
  static const wchar_t* const kNames[5] = {nullptr, nullptr, L"TextColorHot", L"TextColorPressed",
                                           L"TextColorDisabled"};
  if (AButtonState >= 0 && AButtonState < 5 && kNames[AButtonState])
    if (auto* color = dynamic_cast<TdxSkinColor*>(FindProperty(kNames[AButtonState])))
      if (color->Value() != clDefault) return color->Value();
  return FTextColor;
}
