// Styles, repositories, sheets, styles objects and the bar items' styles data.
#include "cxStyles_win.h"

#include <algorithm>

#include "Forms.h"
#include "Streaming.h"
#include "SysUtils.h"

using enum TcxStyleValue;

namespace {

template <class T>
void EraseValue(std::vector<T>& List, const T& Value) {
  List.erase(std::remove(List.begin(), List.end(), Value), List.end());
}

template <class T>
bool ListHas(const std::vector<T>& List, const T& Value) {
  return std::find(List.begin(), List.end(), Value) != List.end();
}

}  // namespace

int cxScaleStyleFontHeight(int AHeight, bool AScalable, int AStoredPixelsPerInch, int AScreenPixelsPerInch) {
  if (!AScalable || AStoredPixelsPerInch <= 0 || AStoredPixelsPerInch == AScreenPixelsPerInch) return AHeight;
  return MulDiv(AHeight, AScreenPixelsPerInch, AStoredPixelsPerInch);
}

// --- Custom style --------------------------------------------------------------------------

// Each listener leaves the list before it is told, so one that does not take
// itself off cannot keep the loop going.
void TcxCustomStyle::BeforeDestruction() {
  inherited::BeforeDestruction();
  while (!FListeners.empty()) {
    IcxStyleChangeListener* listener = FListeners.back();
    FListeners.pop_back();
    listener->StyleRemoved(this);
  }
}

TcxCustomStyle::~TcxCustomStyle() {
  while (!FListeners.empty()) {
    IcxStyleChangeListener* listener = FListeners.back();
    FListeners.pop_back();
    listener->StyleRemoved(this);
  }
  if (FStyleRepository) FStyleRepository->RemoveStyle(this);
}

void TcxCustomStyle::StyleModified() {
  const std::vector<IcxStyleChangeListener*> listeners = FListeners;
  for (auto it = listeners.rbegin(); it != listeners.rend(); ++it)
    if (ListHas(FListeners, *it)) (*it)->StyleChanged(this);
}

void TcxCustomStyle::AttachListener(IcxStyleChangeListener* AListener) {
  if (AListener && !ListHas(FListeners, AListener)) FListeners.push_back(AListener);
}

void TcxCustomStyle::DetachListener(IcxStyleChangeListener* AListener) { EraseValue(FListeners, AListener); }

TComponent* TcxCustomStyle::GetParentComponent() { return FStyleRepository; }

void TcxCustomStyle::SetParentComponent(TComponent* Value) {
  if (ComponentState().Contains(csLoading)) return;
  if (auto* repository = dynamic_cast<TcxStyleRepository*>(Value)) repository->AddStyle(this);
}

void TcxCustomStyle::ReadState(TReader* Reader) {
  if (auto* repository = dynamic_cast<TcxStyleRepository*>(Reader->Parent())) repository->AddStyle(this);
  inherited::ReadState(Reader);
}

// --- Style ---------------------------------------------------------------------------------

TcxStyle::TcxStyle(TComponent* AOwner) : TcxCustomStyle(AOwner) {
  FBitmap = std::make_unique<TBitmap>();
  FBitmap->OnChange = TNotifyEvent(this, &TcxStyle::BitmapChanged);
  FFont = std::make_unique<TFont>();
  FFont->OnChange = TNotifyEvent(this, &TcxStyle::FontChanged);
}

TcxStyle::~TcxStyle() {
  FBitmap->OnChange = nullptr;
  FFont->OnChange = nullptr;
}

void TcxStyle::SetAssignedValues(TcxStyleValues Value) {
  if (FAssignedValues == Value) return;
  FAssignedValues = Value;
  StyleModified();
}

void TcxStyle::SetBitmap(TBitmap* Value) { FBitmap->Assign(Value); }

void TcxStyle::BitmapChanged(TObject*) {
  if (FBitmap->Empty()) FAssignedValues.Exclude(svBitmap);
  else FAssignedValues.Include(svBitmap);
  StyleModified();
}

void TcxStyle::SetFont(TFont* Value) { FFont->Assign(Value); }

void TcxStyle::FontChanged(TObject*) {
  FAssignedValues.Include(svFont);
  StyleModified();
}

void TcxStyle::SetColor(TColor Value) {
  if (FColor == Value) return;
  FColor = Value;
  if (Value == clDefault) FAssignedValues.Exclude(svColor);
  else FAssignedValues.Include(svColor);
  StyleModified();
}

void TcxStyle::SetTextColor(TColor Value) {
  if (FTextColor == Value) return;
  FTextColor = Value;
  if (Value == clDefault) FAssignedValues.Exclude(svTextColor);
  else FAssignedValues.Include(svTextColor);
  StyleModified();
}

void TcxStyle::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TcxStyle*>(Source);
  if (!source) return inherited::Assign(Source);
  SetBitmap(source->Bitmap());
  SetColor(source->Color());
  SetFont(source->Font());
  SetTextColor(source->TextColor());
  SetAssignedValues(source->AssignedValues());
}

void TcxStyle::ResetValues() {
  FAssignedValues = TcxStyleValues();
  FBitmap->OnChange = nullptr;
  FBitmap->Assign(nullptr);
  FBitmap->OnChange = TNotifyEvent(this, &TcxStyle::BitmapChanged);
  FColor = clDefault;
  FTextColor = clDefault;
  StyleModified();
}

// A font stored at other pixels per inch is scaled here; the font of a style
// that assigns none stays the runtime's default.
void TcxStyle::ReadState(TReader* Reader) {
  inherited::ReadState(Reader);
  if (StyleRepository() && FAssignedValues.Contains(svFont))
    FFont->SetHeight(StyleRepository()->ScaleFontHeight(FFont->Height()));
}

// --- Repository ----------------------------------------------------------------------------

TcxStyleRepository::~TcxStyleRepository() {
  while (!FStyles.empty()) FStyles.back()->Free();
  while (!FStyleSheets.empty()) FStyleSheets.back()->Free();
}

TcxCustomStyle* TcxStyleRepository::NewStyle(TcxCustomStyleClass AStyleClass) {
  return NewStyleOwned(AStyleClass, this);
}

TcxCustomStyle* TcxStyleRepository::NewStyleOwned(TcxCustomStyleClass AStyleClass, TComponent* AOwner) {
  auto* style = static_cast<TcxCustomStyle*>(AStyleClass->Create(AOwner));
  AddStyle(style);
  return style;
}

TcxCustomStyleSheet* TcxStyleRepository::NewStyleSheet(TcxCustomStyleSheetClass ASheetClass) {
  return NewStyleSheetOwned(ASheetClass, this);
}

TcxCustomStyleSheet* TcxStyleRepository::NewStyleSheetOwned(TcxCustomStyleSheetClass ASheetClass,
                                                             TComponent* AOwner) {
  auto* sheet = static_cast<TcxCustomStyleSheet*>(ASheetClass->Create(AOwner));
  AddStyleSheet(sheet);
  return sheet;
}

void TcxStyleRepository::AddStyle(TcxCustomStyle* AStyle) {
  if (AStyle->FStyleRepository == this) return;
  if (AStyle->FStyleRepository) AStyle->FStyleRepository->RemoveStyle(AStyle);
  FStyles.push_back(AStyle);
  AStyle->FStyleRepository = this;
}

void TcxStyleRepository::RemoveStyle(TcxCustomStyle* AStyle) {
  EraseValue(FStyles, AStyle);
  AStyle->FStyleRepository = nullptr;
}

void TcxStyleRepository::AddStyleSheet(TcxCustomStyleSheet* ASheet) {
  if (ASheet->FStyleRepository == this) return;
  if (ASheet->FStyleRepository) ASheet->FStyleRepository->RemoveStyleSheet(ASheet);
  FStyleSheets.push_back(ASheet);
  ASheet->FStyleRepository = this;
}

void TcxStyleRepository::RemoveStyleSheet(TcxCustomStyleSheet* ASheet) {
  EraseValue(FStyleSheets, ASheet);
  ASheet->FStyleRepository = nullptr;
}

int TcxStyleRepository::ScaleFontHeight(int AHeight) const {
  return cxScaleStyleFontHeight(AHeight, FScalable, FStoredPixelsPerInch, Screen ? Screen->PixelsPerInch() : 96);
}

void TcxStyleRepository::GetChildren(TGetChildProc Proc, TComponent* Root) {
  for (TcxCustomStyle* style : std::vector<TcxCustomStyle*>(FStyles))
    if (style->Owner() == Root) Proc(style);
  for (TcxCustomStyleSheet* sheet : std::vector<TcxCustomStyleSheet*>(FStyleSheets))
    if (sheet->Owner() == Root) Proc(sheet);
}

void TcxStyleRepository::DefineProperties(TFiler* Filer) {
  inherited::DefineProperties(Filer);
  Filer->DefineProperty(L"PixelsPerInch", TReaderProc(this, &TcxStyleRepository::ReadPixelsPerInch),
                        TWriterProc(this, &TcxStyleRepository::WritePixelsPerInch), Filer->Ancestor() == nullptr);
}

void TcxStyleRepository::ReadPixelsPerInch(TReader* Reader) { FStoredPixelsPerInch = Reader->ReadInteger(); }

void TcxStyleRepository::WritePixelsPerInch(TWriter* Writer) {
  Writer->WriteInteger(Screen ? Screen->PixelsPerInch() : 96);
}

// --- Style sheet ---------------------------------------------------------------------------

TcxCustomStyleSheet::TcxCustomStyleSheet(TComponent* AOwner) : TcxComponent(AOwner) {
  FBuiltIn = ComponentState().Contains(csDesigning);
  FStyles.reset(static_cast<TcxCustomStyles*>(StylesClassOf()->Create(this)));
  FStyles->FOwnerStyleSheet = this;
}

TcxCustomStyleSheet::~TcxCustomStyleSheet() {
  while (!FUsers.empty()) FUsers.back()->AttachStyleSheet(nullptr);
  FStyles.reset();
  if (FStyleRepository) FStyleRepository->RemoveStyleSheet(this);
}

TClass TcxCustomStyleSheet::StylesClassOf() { return TcxCustomStyles::StaticClass(); }

void TcxCustomStyleSheet::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TcxCustomStyleSheet*>(Source);
  if (!source) return inherited::Assign(Source);
  SetCaption(source->Caption());
  FStyles->Assign(source->Styles());
}

String TcxCustomStyleSheet::Caption() const { return FCaption.empty() ? Name() : FCaption; }

void TcxCustomStyleSheet::SetCaption(const String& Value) { FCaption = SameText(Value, Name()) ? String() : Value; }

void TcxCustomStyleSheet::CollectForeignOwners(TList* AList) {
  for (int i = 0; i < FStyles->Count(); ++i) {
    TcxCustomStyle* style = FStyles->FEntries[size_t(i)].Style;
    if (style && style->Owner() != Owner() && AList->IndexOf(style->Owner()) < 0) AList->Add(style->Owner());
  }
}

void TcxCustomStyleSheet::PropagateStyleChange(int AIndex) {
  for (TcxCustomStyles* user : std::vector<TcxCustomStyles*>(FUsers))
    if (ListHas(FUsers, user)) user->NotifyIndexChanged(AIndex);
}

TComponent* TcxCustomStyleSheet::GetParentComponent() { return FStyleRepository; }

void TcxCustomStyleSheet::SetParentComponent(TComponent* Value) {
  if (ComponentState().Contains(csLoading)) return;
  if (auto* repository = dynamic_cast<TcxStyleRepository*>(Value)) repository->AddStyleSheet(this);
}

void TcxCustomStyleSheet::ReadState(TReader* Reader) {
  if (auto* repository = dynamic_cast<TcxStyleRepository*>(Reader->Parent())) repository->AddStyleSheet(this);
  inherited::ReadState(Reader);
}

void TcxCustomStyleSheet::DefineProperties(TFiler* Filer) {
  inherited::DefineProperties(Filer);
  Filer->DefineProperty(L"BuiltIn", TReaderProc(this, &TcxCustomStyleSheet::ReadBuiltIn),
                        TWriterProc(this, &TcxCustomStyleSheet::WriteBuiltIn), true);
}

void TcxCustomStyleSheet::ReadBuiltIn(TReader* Reader) { FBuiltIn = Reader->ReadBoolean(); }

void TcxCustomStyleSheet::WriteBuiltIn(TWriter* Writer) { Writer->WriteBoolean(FBuiltIn); }

// --- Styles object -------------------------------------------------------------------------

TcxCustomStyles::TcxCustomStyles(TPersistent* AOwner) : TcxInterfacedPersistent(AOwner) {}

TcxCustomStyles::~TcxCustomStyles() {
  FDestroying = true;
  while (!FEntries.empty()) RemoveEntry(int(FEntries.size()) - 1);
  AttachStyleSheet(nullptr);
}

void TcxCustomStyles::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TcxCustomStyles*>(Source);
  if (!source) return inherited::Assign(Source);
  AttachStyleSheet(source->StyleSheet());
}

void TcxCustomStyles::RemoveAll() {
  while (!FEntries.empty()) RemoveEntry(int(FEntries.size()) - 1);
}

// An entry by its position in the list (not its style index).
void TcxCustomStyles::RemoveEntry(int AIndex) {
  if (AIndex < 0 || AIndex >= Count()) return;
  const TEntry entry = FEntries[size_t(AIndex)];
  FEntries.erase(FEntries.begin() + AIndex);
  const bool stillUsed =
      std::any_of(FEntries.begin(), FEntries.end(), [&](const TEntry& e) { return e.Style == entry.Style; });
  if (entry.Style && !stillUsed) entry.Style->DetachListener(this);
  NotifyIndexChanged(entry.Index);
}

TcxCustomStyle* TcxCustomStyles::Values(int AIndex) const {
  for (const TEntry& entry : FEntries)
    if (entry.Index == AIndex) return entry.Style;
  return FStyleSheet ? FStyleSheet->Styles()->Values(AIndex) : nullptr;
}

void TcxCustomStyles::SetValues(int AIndex, TcxCustomStyle* AStyle) {
  for (int i = 0; i < Count(); ++i)
    if (FEntries[size_t(i)].Index == AIndex) {
      if (FEntries[size_t(i)].Style == AStyle) return;
      RemoveEntry(i);
      break;
    }
  if (!AStyle) return;
  FEntries.push_back({AIndex, AStyle});
  AStyle->AttachListener(this);
  NotifyIndexChanged(AIndex);
}

bool TcxCustomStyles::IsAcceptable(TcxCustomStyleSheet* Value) const {
  if (!Value) return true;
  if (Value == FOwnerStyleSheet || Value->Styles()->ClassType() != ClassType()) return false;
  if (!FOwnerStyleSheet) return true;
  // A chain longer than the sheets that exist has come round: refused too.
  int steps = 0;
  for (TcxCustomStyleSheet* sheet = Value; sheet; sheet = sheet->Styles()->StyleSheet()) {
    if (sheet == FOwnerStyleSheet || ++steps > 10000) return false;
  }
  return true;
}

void TcxCustomStyles::CollectIndexes(TcxCustomStyleSheet* ASheet, std::vector<int>& AIndexes) const {
  for (int steps = 0; ASheet && steps < 10000; ASheet = ASheet->Styles()->StyleSheet(), ++steps)
    for (const TEntry& entry : ASheet->Styles()->FEntries)
      if (!ListHas(AIndexes, entry.Index)) AIndexes.push_back(entry.Index);
}

void TcxCustomStyles::AttachStyleSheet(TcxCustomStyleSheet* Value) {
  if (Value == FStyleSheet || !IsAcceptable(Value)) return;
  std::vector<int> indexes;
  if (FStyleSheet) {
    EraseValue(FStyleSheet->FUsers, this);
    if (!FDestroying) CollectIndexes(FStyleSheet, indexes);
  }
  CollectIndexes(Value, indexes);
  FStyleSheet = Value;
  if (FStyleSheet) FStyleSheet->FUsers.push_back(this);
  for (int index : indexes) NotifyIndexChanged(index);
}

void TcxCustomStyles::NotifyIndexChanged(int AIndex) {
  if (FDestroying) return;
  IndexChanged(AIndex);
  if (FOwnerStyleSheet) FOwnerStyleSheet->PropagateStyleChange(AIndex);
}

void TcxCustomStyles::StyleChanged(TcxCustomStyle* AStyle) {
  const std::vector<TEntry> entries = FEntries;
  for (const TEntry& entry : entries)
    if (entry.Style == AStyle) NotifyIndexChanged(entry.Index);
}

void TcxCustomStyles::StyleRemoved(TcxCustomStyle* AStyle) {
  for (int i = Count() - 1; i >= 0; --i)
    if (i < Count() && FEntries[size_t(i)].Style == AStyle) RemoveEntry(i);
  AStyle->DetachListener(this);
}

// --- Item styles data ----------------------------------------------------------------------

TdxBarItemStylesData::TdxBarItemStylesData(TPersistent* AOwner, int ASlotCount,
                                           TdxBarItemStyleChangeEvent AOnChange)
    : TcxInterfacedPersistent(AOwner), FSlots(size_t(std::max(ASlotCount, 0))), FOnChange(AOnChange) {}

TdxBarItemStylesData::~TdxBarItemStylesData() {
  FDestroying = true;
  for (int i = 0; i < SlotCount(); ++i) SetStyle(i, nullptr);
}

TcxStyle* TdxBarItemStylesData::Style(int ASlot) const {
  return ASlot >= 0 && ASlot < SlotCount() ? FSlots[size_t(ASlot)].Style : nullptr;
}

bool TdxBarItemStylesData::UsedByOtherSlot(TcxStyle* AStyle, int ASlot) const {
  for (int i = 0; i < SlotCount(); ++i)
    if (i != ASlot && FSlots[size_t(i)].Style == AStyle) return true;
  return false;
}

void TdxBarItemStylesData::SetStyle(int ASlot, TcxStyle* AStyle) {
  if (ASlot < 0 || ASlot >= SlotCount() || FSlots[size_t(ASlot)].Style == AStyle) return;
  TcxStyle* old = FSlots[size_t(ASlot)].Style;
  FSlots[size_t(ASlot)].Style = AStyle;
  if (old && !UsedByOtherSlot(old, ASlot)) old->DetachListener(this);
  if (AStyle && !UsedByOtherSlot(AStyle, ASlot)) AStyle->AttachListener(this);
  Reread(ASlot);
}

namespace {
bool FontDataDiffers(const TFont* A, const TFont* B) {
  return A->Height() != B->Height() || A->Pitch() != B->Pitch() || A->Style() != B->Style() ||
         A->Charset() != B->Charset() || A->Name().substr(0, 31) != B->Name().substr(0, 31);
}
}  // namespace

void TdxBarItemStylesData::Reread(int ASlot) {
  if (FDestroying) return;
  TSlot& slot = FSlots[size_t(ASlot)];
  const TcxStyleValues oldValues = slot.Seen.Values;
  const TcxStyleValues newValues = slot.Style ? slot.Style->AssignedValues() : TcxStyleValues();
  auto either = [&](TcxStyleValue V) { return oldValues.Contains(V) || newValues.Contains(V); };
  auto both = [&](TcxStyleValue V) { return oldValues.Contains(V) && newValues.Contains(V); };
  const bool colorChanged =
      either(svColor) && (!both(svColor) || ColorToRGB(slot.Seen.Color) != ColorToRGB(slot.Style->Color()));
  const bool textColorChanged =
      either(svTextColor) &&
      (!both(svTextColor) || ColorToRGB(slot.Seen.TextColor) != ColorToRGB(slot.Style->TextColor()));
  bool fontChanged = either(svFont);
  if (both(svFont)) {
    TFont seen;
    seen.SetHeight(slot.Seen.Height);
    seen.SetPitch(slot.Seen.Pitch);
    seen.SetStyle(slot.Seen.Style);
    seen.SetCharset(slot.Seen.Charset);
    seen.SetName(slot.Seen.Name);
    fontChanged = FontDataDiffers(&seen, slot.Style->Font());
  }
  slot.Seen.Values = newValues;
  if (newValues.Contains(svColor)) slot.Seen.Color = slot.Style->Color();
  if (newValues.Contains(svTextColor)) slot.Seen.TextColor = slot.Style->TextColor();
  if (newValues.Contains(svFont)) {
    TFont* font = slot.Style->Font();
    slot.Seen.Height = font->Height();
    slot.Seen.Pitch = font->Pitch();
    slot.Seen.Style = font->Style();
    slot.Seen.Charset = font->Charset();
    slot.Seen.Name = font->Name().substr(0, 31);
  }
  if (fontChanged) Report(sckSize);
  else if (colorChanged || textColorChanged) Report(sckColor);
}

void TdxBarItemStylesData::Report(int AKind) {
  if (FLockCount > 0) {
    if (FPendingKind != sckSize) FPendingKind = AKind;
    return;
  }
  if (FOnChange) FOnChange(AKind);
}

void TdxBarItemStylesData::LockChanges() {
  if (FLockCount++ == 0) FPendingKind = sckNone;
}

void TdxBarItemStylesData::UnlockChanges() {
  if (FLockCount == 0 || --FLockCount > 0) return;
  if (FPendingKind != sckNone) Report(FPendingKind);
}

void TdxBarItemStylesData::StyleChanged(TcxCustomStyle* AStyle) {
  LockChanges();
  struct TUnlock {
    TdxBarItemStylesData* Self;
    ~TUnlock() { Self->UnlockChanges(); }
  } unlock{this};
  for (int i = 0; i < SlotCount(); ++i)
    if (FSlots[size_t(i)].Style == AStyle) Reread(i);
}

void TdxBarItemStylesData::StyleRemoved(TcxCustomStyle* AStyle) {
  LockChanges();
  struct TUnlock {
    TdxBarItemStylesData* Self;
    ~TUnlock() { Self->UnlockChanges(); }
  } unlock{this};
  for (int i = 0; i < SlotCount(); ++i)
    if (FSlots[size_t(i)].Style == AStyle) SetStyle(i, nullptr);
}

TcxViewParams TdxBarItemStylesData::ViewParams(int ASlot) const {
  TcxViewParams params;
  TcxStyle* style = Style(ASlot);
  if (!style) return params;
  const TcxStyleValues values = style->AssignedValues();
  if (values.Contains(svBitmap)) params.Bitmap = style->Bitmap();
  if (values.Contains(svColor)) params.Color = style->Color();
  if (values.Contains(svFont)) params.Font = style->Font();
  if (values.Contains(svTextColor)) params.TextColor = style->TextColor();
  return params;
}

// --- Form files and the unit ---------------------------------------------------------------

using S = TcxStyle;
VAMIRE_STREAMED_CLASSES(cxStylesStreamed, TcxStyleRepository, TcxStyle)
VAMIRE_STREAMED_TABLE(cxStylesStreamed, TcxStyleRepository,
                      Prop(L"Scalable", &TcxStyleRepository::Scalable, &TcxStyleRepository::SetScalable)
                          .Default(false))
VAMIRE_STREAMED_TABLE(cxStylesStreamed, TcxStyle,
                      Prop(L"AssignedValues", &S::AssignedValues, &S::SetAssignedValues).Default(TcxStyleValues{}),
                      Prop(L"Color", &S::Color, &S::SetColor).Idents(&ColorIdentMapper).Stored(&S::IsColorStored),
                      Prop(L"Bitmap", &S::Bitmap, &S::SetBitmap).Stored(&S::IsBitmapStored),
                      Prop(L"Font", &S::Font, &S::SetFont).Stored(&S::IsFontStored),
                      Prop(L"TextColor", &S::TextColor, &S::SetTextColor).Idents(&ColorIdentMapper)
                          .Stored(&S::IsTextColorStored))

namespace {
void cxStyles_Initialize() { cxStylesStreamed::Register(); }
void cxStyles_Finalize() { cxStylesStreamed::Unregister(); }
}  // namespace

const TUnitEntry cxStylesUnit{L"cxStyles", cxStyles_Initialize, cxStyles_Finalize};
