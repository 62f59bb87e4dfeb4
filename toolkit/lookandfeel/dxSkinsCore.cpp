// The skin tree: named objects, their sorted lists, the typed properties, the
// skin and its control groups, the picture geometry and the unit. Images and
// elements are in dxSkinsCore_elements.cpp, the stream form in dxSkinsCore_stream.cpp.
#include "dxSkinsCore.h"

#include <algorithm>

#include "SysUtils.h"
#include "dxGDIPlusClasses.h"

const TResStringRec sdxSkinInvalidStreamFormat{L"sdxSkinInvalidStreamFormat", L"Invalid stream format"};
const TResStringRec sdxSkinVersionMismatch{
    L"sdxSkinVersionMismatch",
    L"The skin data version is older than the current version of the skin library.\r\n"
    L"Skins cannot be loaded due to a version mismatch."};

namespace {

TdxSkinTextureFactory GTextureFactory = nullptr;
TdxSkinElement* GEmptyElement = nullptr;
std::vector<TClass> GPropertyClasses;
unsigned GChangeCount = 0;

}  // namespace

// --- Enumerations and geometry -------------------------------------------------------------

std::uint16_t SkinStatesToBits(const TdxSkinElementStates& AStates) {
  std::uint16_t bits = 0;
  for (int s = 0; s < dxSkinElementStateCount; ++s)
    if (AStates.Contains(TdxSkinElementState(s))) bits = std::uint16_t(bits | 1u << s);
  return bits;
}

TdxSkinElementStates SkinStatesFromBits(std::uint16_t ABits) {
  TdxSkinElementStates states;
  for (int s = 0; s < dxSkinElementStateCount; ++s)
    if (ABits >> s & 1u) states.Include(TdxSkinElementState(s));
  return states;
}

namespace {

// V held inside [ALow, AHigh] (AHigh below ALow reads as ALow), computed wide
// so that no stored value, however large, wraps round.
int Bounded(std::int64_t V, std::int64_t ALow, std::int64_t AHigh) {
  return int(std::clamp(V, ALow, std::max(ALow, AHigh)));
}

}  // namespace

std::int32_t dxSkinClampStoredExtent(std::int64_t AValue) {
  return std::int32_t(std::clamp<std::int64_t>(AValue, -dxSkinMaxStoredExtent, dxSkinMaxStoredExtent));
}

TRect dxSkinDeflateRect(const TRect& R, const TRect& AOffsets) {
  const int left = Bounded(std::int64_t(R.Left) + AOffsets.Left, R.Left, R.Right);
  const int top = Bounded(std::int64_t(R.Top) + AOffsets.Top, R.Top, R.Bottom);
  return TRect{left, top, Bounded(std::int64_t(R.Right) - AOffsets.Right, left, R.Right),
               Bounded(std::int64_t(R.Bottom) - AOffsets.Bottom, top, R.Bottom)};
}

std::array<TRect, 9> dxSkinNinePartRects(const TRect& R, const TRect& AMargins) {
  // The cuts stay inside R whatever the margins: a negative margin cuts
  // nothing off, one wider than R cuts it all.
  const int x1 = Bounded(std::int64_t(R.Left) + AMargins.Left, R.Left, R.Right);
  const int x2 = Bounded(std::int64_t(R.Right) - AMargins.Right, R.Left, R.Right);
  const int y1 = Bounded(std::int64_t(R.Top) + AMargins.Top, R.Top, R.Bottom);
  const int y2 = Bounded(std::int64_t(R.Bottom) - AMargins.Bottom, R.Top, R.Bottom);
  return {TRect{R.Left, R.Top, x1, y1}, TRect{x1, R.Top, x2, y1}, TRect{x2, R.Top, R.Right, y1},
          TRect{R.Left, y1, x1, y2},    TRect{x1, y1, x2, y2},    TRect{x2, y1, R.Right, y2},
          TRect{R.Left, y2, x1, R.Bottom}, TRect{x1, y2, x2, R.Bottom}, TRect{x2, y2, R.Right, R.Bottom}};
}

namespace {

// A * B / C to the nearest integer, halves away from zero (as the system's
// MulDiv), for 0 <= A, B <= C < 2^32: the product stays below 2^63.
std::int64_t MulDivRounded(std::int64_t A, std::int64_t B, std::int64_t C) { return (A * B + C / 2) / C; }

void ShrinkPair(std::int32_t& ALow, std::int32_t& AHigh, int AExtent) {
  // Computed wide: two margins near the int32 limit must not wrap round to a
  // sum that seems to fit. A negative margin takes no room.
  const std::int64_t low = std::max(ALow, 0), high = std::max(AHigh, 0), sum = low + high;
  const std::int64_t extent = std::max(AExtent, 0);
  if (sum <= extent || sum <= 0) return;
  const std::int64_t excess = sum - extent;
  ALow = std::int32_t(low - MulDivRounded(low, excess, sum));
  AHigh = std::int32_t(high - MulDivRounded(high, excess, sum));
}

}  // namespace

TRect dxSkinShrinkMargins(const TRect& AMargins, int AWidth, int AHeight) {
  TRect m = AMargins;
  ShrinkPair(m.Left, m.Right, AWidth);
  ShrinkPair(m.Top, m.Bottom, AHeight);
  return m;
}

// --- Textures ------------------------------------------------------------------------------

void TdxSkinTexture::AssignTexture(TdxSkinTexture* ASource) {
  if (ASource == this) return;
  Clear();
  if (!ASource || ASource->Empty()) return;
  TMemoryStream png;
  ASource->SaveToStream(&png);
  png.SetPosition(0);
  LoadFromStream(&png);
}

void TdxSkinPNGData::LoadFromStream(TStream* AStream) {
  const std::int64_t remaining = AStream->Size() - AStream->Position();
  if (remaining <= 0) {
    Clear();
    return;
  }
  std::vector<std::uint8_t> data(static_cast<std::size_t>(remaining));
  AStream->ReadBuffer(data.data(), std::int32_t(remaining));
  TSize size;
  const String problem = CheckPngData(data.data(), data.size(), size);
  if (!problem.empty()) throw EdxSkin(L"PNG image is not valid (" + problem + L")");
  // Colour types 4 and 6 carry alpha; a tRNS chunk makes others transparent too.
  bool alpha = data[25] == 4 || data[25] == 6;
  for (std::size_t pos = 8; pos + 8 <= data.size() && !alpha;) {
    const std::uint32_t length = std::uint32_t(data[pos]) << 24 | std::uint32_t(data[pos + 1]) << 16 |
                                 std::uint32_t(data[pos + 2]) << 8 | data[pos + 3];
    alpha = std::equal(data.begin() + std::ptrdiff_t(pos + 4), data.begin() + std::ptrdiff_t(pos + 8), "tRNS");
    pos += 12 + std::size_t(length);
  }
  FData = std::move(data);
  FSize = size;
  FUsesAlpha = alpha;
}

void TdxSkinPNGData::SaveToStream(TStream* AStream) {
  if (!FData.empty()) AStream->WriteBuffer(FData.data(), std::int32_t(FData.size()));
}

bool TdxSkinPNGData::IsEqual(TdxSkinTexture* AOther) {
  auto* other = dynamic_cast<TdxSkinPNGData*>(AOther);
  return other && other->FData == FData;
}

void TdxSkinPNGData::AssignTexture(TdxSkinTexture* ASource) {
  auto* other = dynamic_cast<TdxSkinPNGData*>(ASource);
  if (!other) return inherited::AssignTexture(ASource);
  FData = other->FData;
  FSize = other->FSize;
  FUsesAlpha = other->FUsesAlpha;
}

void TdxSkinPNGData::Clear() {
  FData.clear();
  FSize = TSize{};
  FUsesAlpha = false;
}

TdxSkinTextureFactory SetSkinTextureFactory(TdxSkinTextureFactory AFactory) {
  return std::exchange(GTextureFactory, AFactory);
}

std::unique_ptr<TdxSkinTexture> CreateSkinTexture() {
  return GTextureFactory ? GTextureFactory() : std::make_unique<TdxSkinPNGData>();
}

unsigned dxSkinChangeCount() { return GChangeCount; }

void dxSkinNoteChange() { ++GChangeCount; }

// --- Named objects -------------------------------------------------------------------------

void TdxSkinCustomPersistentObject::DoChange() {
  dxSkinNoteChange();
  if (OnChange) OnChange(this);
}

TdxSkinCustomPersistentObject* TdxSkinCustomPersistentObject::Clone() {
  auto* clone = static_cast<TdxSkinCustomPersistentObject*>(ClassType()->Create(nullptr));
  clone->SetName(FName);
  clone->Assign(this);
  return clone;
}

TdxSkinCustomPersistentObjectList::~TdxSkinCustomPersistentObjectList() {
  OnChange = nullptr;
  FreeAll();
}

void TdxSkinCustomPersistentObjectList::Notify(void* Ptr, TListNotification Action) {
  inherited::Notify(Ptr, Action);
  Changed();
}

void TdxSkinCustomPersistentObjectList::Changed() {
  FSorted = false;
  dxSkinNoteChange();
  if (FUpdateCount == 0 && OnChange) OnChange(this);
}

void TdxSkinCustomPersistentObjectList::EndUpdate() {
  if (FUpdateCount > 0 && --FUpdateCount == 0) Changed();
}

TdxSkinCustomPersistentObject* TdxSkinCustomPersistentObjectList::AddNew(const String& AName, TClass AClass,
                                                                        TClass ABase) {
  if (!AClass || !AClass->InheritsFrom(ABase))
    throw EClassCreateError(L"Not a class of " + ABase->ClassName() + L": " +
                            (AClass ? AClass->ClassName() : String(L"nil")));
  auto* item = static_cast<TdxSkinCustomPersistentObject*>(AClass->Create(FOwner));
  item->SetName(AName);
  item->OnChange = TNotifyEvent(this, &TdxSkinCustomPersistentObjectList::ItemChanged);
  Add(item);
  return item;
}

void TdxSkinCustomPersistentObjectList::AssignItems(TdxSkinCustomPersistentObjectList* ASource) {
  if (!ASource || ASource == this) return;
  dxSkinUpdating(this, [&] {
    Clear();
    for (int i = 0; i < ASource->Count(); ++i) {
      TdxSkinCustomPersistentObject* item = ASource->Items(i);
      AddNew(item->Name(), item->ClassType(), item->ClassType())->Assign(item);
    }
  });
}

void TdxSkinCustomPersistentObjectList::SortByName() {
  Sort([](void* A, void* B) {
    return AnsiCompareStr(static_cast<TdxSkinCustomPersistentObject*>(A)->Name(),
                          static_cast<TdxSkinCustomPersistentObject*>(B)->Name());
  });
  FSorted = true;
}

TdxSkinCustomPersistentObject* TdxSkinCustomPersistentObjectList::Find(const String& AName) {
  if (!FSorted) SortByName();
  int low = 0, high = Count() - 1;
  while (low <= high) {
    const int middle = low + (high - low) / 2;
    const int c = AnsiCompareStr(Items(middle)->Name(), AName);
    if (c < 0) {
      low = middle + 1;
    } else if (c > 0) {
      high = middle - 1;
    } else {
      // The locale order may call two different names equal; only the name itself is found.
      for (int i = middle; i >= 0 && AnsiCompareStr(Items(i)->Name(), AName) == 0; --i)
        if (Items(i)->Name() == AName) return Items(i);
      for (int i = middle + 1; i < Count() && AnsiCompareStr(Items(i)->Name(), AName) == 0; ++i)
        if (Items(i)->Name() == AName) return Items(i);
      return nullptr;
    }
  }
  return nullptr;
}

// --- Properties ----------------------------------------------------------------------------

String TdxSkinProperty::GetTypeCaption() {
  return StringReplace(StringReplace(ClassName(), L"TdxSkin", L"", rfReplaceAll | rfIgnoreCase), L"Property", L"",
                       rfReplaceAll | rfIgnoreCase);
}

namespace {

// The source as a property of exactly this one's class, or null.
template <class T>
T* SameClass(const TdxSkinProperty* ASelf, TPersistent* ASource) {
  return ASource && ASource->ClassType() == ASelf->ClassType() ? static_cast<T*>(ASource) : nullptr;
}

}  // namespace

TdxSkinRectProperty::TdxSkinRectProperty(TPersistent* AOwner)
    : TdxSkinProperty(AOwner), FValue(std::make_unique<TcxRect>(this)) {
  FValue->OnChange = TNotifyEvent(this, &TdxSkinRectProperty::ValueChanged);
}

void TdxSkinRectProperty::Assign(TPersistent* Source) {
  if (auto* s = SameClass<TdxSkinRectProperty>(this, Source)) SetValue(s->Value());
  else inherited::Assign(Source);
}

bool TdxSkinRectProperty::IsEqual(TdxSkinProperty* AOther) {
  return AOther && AOther->ClassType() == ClassType() && AOther->Name() == Name() &&
         static_cast<TdxSkinRectProperty*>(AOther)->Value() == Value();
}

void TdxSkinSizeProperty::SetValue(int Index, int AValue) {
  TSize size = FValue;
  (Index == 0 ? size.cx : size.cy) = AValue;
  SetValue(size);
}

void TdxSkinBorder::SetColor(TColor AValue) {
  if (FColor == AValue) return;
  FColor = AValue;
  DoChange();
}

void TdxSkinBorder::SetThin(int AValue) {
  if (FThin == AValue) return;
  FThin = AValue;
  DoChange();
}

void TdxSkinBorder::Assign(TPersistent* Source) {
  if (auto* s = SameClass<TdxSkinBorder>(this, Source)) {
    SetColor(s->FColor);
    SetThin(s->FThin);
  } else {
    inherited::Assign(Source);
  }
}

bool TdxSkinBorder::IsEqual(TdxSkinProperty* AOther) {
  auto* other = dynamic_cast<TdxSkinBorder*>(AOther);
  return other && other->ClassType() == ClassType() && other->FColor == FColor && other->FThin == FThin &&
         other->FSide == FSide;
}

TRect TdxSkinBorder::BandRect(const TRect& R) const {
  // Inside R whatever the thickness: a negative one draws nothing, one wider than R fills it.
  switch (FSide) {
    case 0: return TRect{R.Left, R.Top, Bounded(std::int64_t(R.Left) + FThin, R.Left, R.Right), R.Bottom};
    case 1: return TRect{R.Left, R.Top, R.Right, Bounded(std::int64_t(R.Top) + FThin, R.Top, R.Bottom)};
    case 2: return TRect{Bounded(std::int64_t(R.Right) - FThin, R.Left, R.Right), R.Top, R.Right, R.Bottom};
    default: return TRect{R.Left, Bounded(std::int64_t(R.Bottom) - FThin, R.Top, R.Bottom), R.Right, R.Bottom};
  }
}

TdxSkinBorders::TdxSkinBorders(TPersistent* AOwner) : TdxSkinProperty(AOwner) {
  static const wchar_t* const kNames[4] = {L"Left", L"Top", L"Right", L"Bottom"};
  for (int side = 0; side < 4; ++side) {
    auto& border = FBorders[std::size_t(side)];
    border = std::make_unique<TdxSkinBorder>(this);
    border->SetName(kNames[side]);
    border->SetSide(side);
    border->OnChange = TNotifyEvent(this, &TdxSkinBorders::BorderChanged);
  }
}

TdxSkinBorders::~TdxSkinBorders() {
  for (auto& border : FBorders) border->OnChange = nullptr;
}

void TdxSkinBorders::Assign(TPersistent* Source) {
  if (auto* s = SameClass<TdxSkinBorders>(this, Source)) {
    for (int side = 0; side < 4; ++side) SetItems(side, s->Items(side));
  } else {
    inherited::Assign(Source);
  }
}

bool TdxSkinBorders::IsEqual(TdxSkinProperty* AOther) {
  auto* other = dynamic_cast<TdxSkinBorders*>(AOther);
  if (!other) return false;
  for (int side = 0; side < 4; ++side)
    if (!Items(side)->IsEqual(other->Items(side))) return false;
  return true;
}

bool TdxSkinStringProperty::SameValue(const String& A, const String& B) { return AnsiCompareStr(A, B) == 0; }

const std::vector<TClass>& dxSkinPropertyClasses() { return GPropertyClasses; }

// --- Property lists ------------------------------------------------------------------------

TdxSkinProperty* TdxSkinProperties::Add(const String& AName, TdxSkinPropertyClass AClass) {
  return static_cast<TdxSkinProperty*>(AddNew(AName, AClass, TdxSkinProperty::StaticClass()));
}

void TdxSkinProperties::Assign(TdxSkinProperties* Source) { AssignItems(Source); }

TdxSkinColor* TdxSkinColors::AddColor(const String& AName, TColor AValue) {
  auto* color = static_cast<TdxSkinColor*>(Add(AName, TdxSkinColor::StaticClass()));
  color->SetValue(AValue);
  return color;
}

TdxSkinControlGroup* TdxSkinControlGroups::Add(const String& AName) {
  return static_cast<TdxSkinControlGroup*>(
      AddNew(AName, TdxSkinControlGroup::StaticClass(), TdxSkinControlGroup::StaticClass()));
}

void TdxSkinControlGroups::Assign(TdxSkinControlGroups* Source) { AssignItems(Source); }

TdxSkinControlGroup* TdxSkinControlGroups::Items(int Index) const {
  return static_cast<TdxSkinControlGroup*>(GetItem(Index));
}

TdxSkinControlGroup* TdxSkinControlGroups::Find(const String& AName) {
  return static_cast<TdxSkinControlGroup*>(TdxSkinCustomPersistentObjectList::Find(AName));
}

TdxSkinElement* TdxSkinElements::Add(const String& AName, TdxSkinElementClass AClass) {
  return static_cast<TdxSkinElement*>(AddNew(AName, AClass, TdxSkinElement::StaticClass()));
}

void TdxSkinElements::Assign(TdxSkinElements* Source) { AssignItems(Source); }

TdxSkinElement* TdxSkinElements::Items(int Index) const { return static_cast<TdxSkinElement*>(GetItem(Index)); }

TdxSkinElement* TdxSkinElements::Find(const String& AName) {
  return static_cast<TdxSkinElement*>(TdxSkinCustomPersistentObjectList::Find(AName));
}

// --- Persistent objects with properties ----------------------------------------------------

TdxSkinPersistent::TdxSkinPersistent(TPersistent* AOwner)
    : TdxSkinCustomPersistentObject(AOwner), FProperties(std::make_unique<TdxSkinProperties>(this)) {
  FProperties->OnChange = TNotifyEvent(this, &TdxSkinPersistent::SubItemChanged);
}

TdxSkinPersistent::~TdxSkinPersistent() { FreeProperties(); }

void TdxSkinPersistent::FreeProperties() {
  if (!FProperties) return;
  FProperties->OnChange = nullptr;
  FProperties.reset();
}

void TdxSkinPersistent::EndUpdate() {
  if (FLockCount > 0 && --FLockCount == 0) Changed();
}

void TdxSkinPersistent::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TdxSkinPersistent*>(Source);
  if (!source) {
    inherited::Assign(Source);
    return;
  }
  dxSkinUpdating(this, [&] {
    FProperties->Assign(source->FProperties.get());
  });
}

void TdxSkinPersistent::Changed() {
  if (FLockCount == 0) DoChange();
}

void TdxSkinPersistent::Clear() { FProperties->Clear(); }

void TdxSkinPersistent::DeleteProperty(TdxSkinProperty* AProperty) { FProperties->FreeAndRemove(AProperty); }

void TdxSkinPersistent::Sort() { FProperties->SortByName(); }

// --- Skin ----------------------------------------------------------------------------------

TdxSkin::TdxSkin(const String& AName)
    : TdxSkinPersistent(nullptr),
      FColors(std::make_unique<TdxSkinColors>(this)),
      FGroups(std::make_unique<TdxSkinControlGroups>(this)) {
  SetName(AName);
  FColors->OnChange = TNotifyEvent(static_cast<TdxSkinPersistent*>(this), &TdxSkinPersistent::SubItemChanged);
  FGroups->OnChange = TNotifyEvent(static_cast<TdxSkinPersistent*>(this), &TdxSkinPersistent::SubItemChanged);
}

TdxSkin::~TdxSkin() {
  FDestroying = true;
  FListeners.clear();
  FColors->OnChange = nullptr;
  FColors.reset();
  FGroups->OnChange = nullptr;
  FGroups.reset();
  FreeProperties();
}

String TdxSkin::DisplayName() {
  if (auto* p = dynamic_cast<TdxSkinStringProperty*>(FindProperty(L"DisplayName"))) return p->Value();
  return Name();
}

void TdxSkin::Assign(TPersistent* Source) {
  dxSkinUpdating(this, [&] {
    if (auto* source = dynamic_cast<TdxSkin*>(Source)) {
      FColors->Assign(source->FColors.get());
      FGroups->Assign(source->FGroups.get());
    }
    inherited::Assign(Source);
  });
}

void TdxSkin::DoChange() {
  if (FDestroying) return;
  ++FLockCount;
  try {
    // A listener removed meanwhile is skipped; one added meanwhile waits for the next change.
    const std::vector<IdxSkinChangeListener*> listeners = FListeners;
    for (IdxSkinChangeListener* listener : listeners)
      if (std::find(FListeners.begin(), FListeners.end(), listener) != FListeners.end()) listener->SkinChanged(this);
  } catch (...) {
    --FLockCount;
    throw;
  }
  --FLockCount;
  inherited::DoChange();
}

void TdxSkin::Clear() {
  inherited::Clear();
  FGroups->Clear();
  FColors->Clear();
}

void TdxSkin::DeleteProperty(TdxSkinProperty* AProperty) {
  inherited::DeleteProperty(AProperty);
  FColors->FreeAndRemove(AProperty);
}

void TdxSkin::Sort() {
  inherited::Sort();
  FGroups->SortByName();
  FColors->SortByName();
}

TdxSkinCustomPersistentObject* TdxSkin::Clone() {
  auto* clone = static_cast<TdxSkin*>(ClassType()->Create(nullptr));
  clone->SetName(Name());
  clone->Assign(this);
  return clone;
}

TdxSkinControlGroup* TdxSkin::AddGroup(const String& AName) { return FGroups->Add(AName); }

void TdxSkin::AddListener(IdxSkinChangeListener* AListener) {
  if (AListener) FListeners.push_back(AListener);
}

void TdxSkin::RemoveListener(IdxSkinChangeListener* AListener) {
  auto it = std::find(FListeners.begin(), FListeners.end(), AListener);
  if (it != FListeners.end()) FListeners.erase(it);
}

// --- Control groups ------------------------------------------------------------------------

TdxSkinControlGroup::TdxSkinControlGroup(TPersistent* AOwner)
    : TdxSkinPersistent(AOwner), FElements(std::make_unique<TdxSkinElements>(this)) {
  FElements->OnChange = TNotifyEvent(static_cast<TdxSkinPersistent*>(this), &TdxSkinPersistent::SubItemChanged);
}

TdxSkinControlGroup::~TdxSkinControlGroup() {
  FElements->OnChange = nullptr;
  FElements.reset();
}

TdxSkin* TdxSkinControlGroup::Skin() const { return dynamic_cast<TdxSkin*>(Owner()); }

void TdxSkinControlGroup::Assign(TPersistent* Source) {
  dxSkinUpdating(this, [&] {
    if (auto* source = dynamic_cast<TdxSkinControlGroup*>(Source)) FElements->Assign(source->FElements.get());
    inherited::Assign(Source);
  });
}

void TdxSkinControlGroup::Clear() {
  inherited::Clear();
  FElements->Clear();
}

void TdxSkinControlGroup::Sort() {
  inherited::Sort();
  FElements->SortByName();
}

TdxSkinElement* TdxSkinControlGroup::AddElement(const String& AName) {
  return FElements->Add(AName, TdxSkinElement::StaticClass());
}

TdxSkinElement* TdxSkinControlGroup::AddElementOfClass(const String& AName, TdxSkinElementClass AClass) {
  return FElements->Add(AName, AClass);
}

// --- Unit ----------------------------------------------------------------------------------

TdxSkinElement* EmptyElementOr(TdxSkinElement* AElement) { return AElement ? AElement : GEmptyElement; }

void dxSkinsData_Initialize() {
  GEmptyElement = new TdxSkinEmptyElement(nullptr);
  GPropertyClasses = {TdxSkinIntegerProperty::StaticClass(),   TdxSkinColor::StaticClass(),
                      TdxSkinRectProperty::StaticClass(),      TdxSkinSizeProperty::StaticClass(),
                      TdxSkinBooleanProperty::StaticClass(),   TdxSkinStringProperty::StaticClass(),
                      TdxSkinWideStringProperty::StaticClass()};
  RegisterClasses({TdxSkinControlGroup::StaticClass(), TdxSkinElement::StaticClass(), TdxSkinImage::StaticClass()});
  for (TClass c : GPropertyClasses) RegisterClass(c);
}

void dxSkinsData_Finalize() {
  for (TClass c : GPropertyClasses) UnRegisterClass(c);
  UnRegisterClasses({TdxSkinControlGroup::StaticClass(), TdxSkinElement::StaticClass(), TdxSkinImage::StaticClass()});
  GPropertyClasses.clear();
  delete GEmptyElement;
  GEmptyElement = nullptr;
}

const TUnitEntry dxSkinsDataUnit{L"dxSkinsData", dxSkinsData_Initialize, dxSkinsData_Finalize};
