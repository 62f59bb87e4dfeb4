// The colour combo box: its item collections, the list built from the MRU,
// custom and prepared colours, the naming of values, the colour box in the
// editor and in the list, and the editor's choosing, typing and dialog.
#include <algorithm>
#include <memory>

#include "cxColorComboBox_win.h"
#include "cxExtEditConsts.h"
#include "cxExtEditUtils.h"
#include "cxExtEditUtils_win.h"

namespace {

bool IsNoValue(const Variant& V) { return V.IsEmpty() || V.IsNull(); }

// The colour a value holds: a number, or a text the colour reader takes.
bool ValueToColor(const Variant& AValue, TColor& AColor) {
  if (IsNoValue(AValue)) return false;
  try {
    if (VarIsNumeric(AValue)) {
      AColor = TColor(AValue.AsInteger());
      return true;
    }
  } catch (const Exception&) {
    return false;
  }
  return TextToColor(VarToStr(AValue), AColor);
}

TColor ResolveColor(TColor AColor) {
  if (IsSystemColor(AColor)) return TColor(GetSysColor(int(unsigned(AColor) & 0xFF)));
  if (AColor == clNone || AColor == clDefault) return TColor(unsigned(AColor) & 0xFFFFFF);
  return AColor;
}

}  // namespace

// --- Drawing ----------------------------------------------------------------------------------
void DrawColorBox(TcxCanvas* ACanvas, const TRect& R, TColor AFrameColor, TcxDefaultColorStyle AStyle,
                  TColor ABackground, TColor AColor) {
  if (R.Right <= R.Left || R.Bottom <= R.Top) return;
  ACanvas->FrameRectBorders(R, ABackground);
  const TRect frame{R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom - 1};
  ACanvas->FrameRectBorders(frame, AFrameColor);
  const TRect inside{frame.Left + 1, frame.Top + 1, frame.Right - 1, frame.Bottom - 1};
  if (inside.Right <= inside.Left || inside.Bottom <= inside.Top) return;
  switch (AStyle) {
    case cxdcClear: ACanvas->FillRect(inside, ABackground); break;
    case cxdcHatched: {
      ACanvas->FillRect(inside, ABackground);
      TCanvas* canvas = ACanvas->Canvas();
      canvas->Brush()->SetColor(AColor);
      canvas->Brush()->SetStyle(bsDiagCross);
      SetBkMode(canvas->Handle(), TRANSPARENT);
      const TRect hatch{inside.Left + 1, inside.Top + 1, inside.Right - 1, inside.Bottom - 1};
      canvas->FillRect(hatch);
      canvas->Brush()->SetStyle(bsSolid);
      ACanvas->FrameRectBorders(inside, AFrameColor);
      break;
    }
    default: ACanvas->FillRect(inside, AColor); break;
  }
}

// --- Items ------------------------------------------------------------------------------------
void TcxColorComboBoxItem::Assign(TPersistent* Source) {
  if (auto* item = dynamic_cast<TcxColorComboBoxItem*>(Source)) {
    FColor = item->FColor;
    FDescription = item->FDescription;
    FTag = item->FTag;
    FIsCustomColor = item->FIsCustomColor;
    Changed(false);
    return;
  }
  inherited::Assign(Source);
}

void TcxColorComboBoxItem::SetColor(TColor Value) {
  if (FColor == Value) return;
  FColor = Value;
  Changed(false);
}

void TcxColorComboBoxItem::SetDescription(const String& Value) {
  if (FDescription == Value) return;
  FDescription = Value;
  Changed(false);
}

TcxColorComboBoxItem* TcxColorComboBoxItems::FindColorItem(TColor AColor) {
  const int index = IndexOfColor(AColor);
  return index >= 0 ? Items(index) : nullptr;
}

TcxColorComboBoxItem* TcxColorComboBoxItems::AddColor(TColor AColor, const String& ADescription) {
  return InsertColor(Count(), AColor, ADescription);
}

TcxColorComboBoxItem* TcxColorComboBoxItems::InsertColor(int AIndex, TColor AColor, const String& ADescription) {
  if (IndexOfColor(AColor) >= 0) return nullptr;
  BeginUpdate();
  TcxColorComboBoxItem* item = nullptr;
  try {
    item = static_cast<TcxColorComboBoxItem*>(Insert(std::max(0, std::min(AIndex, Count()))));
    item->SetColor(AColor);
    item->SetDescription(ADescription);
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
  return item;
}

void TcxColorComboBoxItems::MoveColor(int AFromIndex, int AToIndex) {
  if (AFromIndex == AToIndex || AFromIndex < 0 || AFromIndex >= Count()) return;
  Items(AFromIndex)->SetIndex(std::max(0, std::min(AToIndex, Count() - 1)));
}

void TcxColorComboBoxItems::ClearCustom() {
  BeginUpdate();
  for (int i = Count() - 1; i >= 0; --i)
    if (Items(i)->IsCustomColor()) Delete(i);
  EndUpdate();
}

void TcxColorComboBoxItems::ClearPrepared() {
  BeginUpdate();
  for (int i = Count() - 1; i >= 0; --i)
    if (!Items(i)->IsCustomColor()) Delete(i);
  EndUpdate();
}

int TcxColorComboBoxItems::IndexOfColor(TColor AColor) const {
  for (int i = 0; i < Count(); ++i)
    if (Items(i)->Color() == AColor) return i;
  return -1;
}

void TcxColorComboBoxItems::Update(TCollectionItem* Item) {
  inherited::Update(Item);
  if (OnChange) OnChange(this);
}

// --- Properties -------------------------------------------------------------------------------
TcxCustomColorComboBoxProperties::TcxCustomColorComboBoxProperties(TPersistent* AOwner, TClass AKind)
    : TcxCustomComboBoxProperties(AOwner, AKind) {
  FDefaultDescription = ResolveResourceString(&cxSColorComboBoxDefaultDescription);
  FItems = new TcxColorComboBoxItems(this);
  FCustomColors = new TcxColorComboBoxItems(this);
  FMRUColors = new TcxColorComboBoxItems(this);
  FItems->OnChange = TNotifyEvent(this, &TcxCustomColorComboBoxProperties::ItemsChanged);
  FMRUColors->OnChange = TNotifyEvent(this, &TcxCustomColorComboBoxProperties::ItemsChanged);
  FCustomColors->OnChange = TNotifyEvent(this, &TcxCustomColorComboBoxProperties::CustomColorsChanged);
  SetDropDownListStyle(lsFixedList);
  // The dialog button, hidden until AllowSelectColor.
  TcxEditButton* dialog = Buttons()->Add();
  dialog->SetKind(bkEllipsis);
  dialog->SetDefault(false);
  dialog->SetVisible(false);
  RebuildColorList(FPrepareList, false, false);
}

TcxCustomColorComboBoxProperties::~TcxCustomColorComboBoxProperties() {
  FItems->OnChange = TNotifyEvent();
  FMRUColors->OnChange = TNotifyEvent();
  FCustomColors->OnChange = TNotifyEvent();
  delete FMRUColors;
  delete FCustomColors;
  delete FItems;
}

TcxCustomEditViewData* TcxCustomColorComboBoxProperties::CreateViewData(TcxContainerStyle* AStyle, bool AIsHosted,
                                                                        bool AFlag) {
  auto* info = dynamic_cast<const TcxEditPropertiesClassInfo*>(ClassType());
  if ((info ? info->GetViewDataClass() : GetViewDataClass()) == TcxCustomColorComboBoxViewData::StaticClass())
    return new TcxCustomColorComboBoxViewData(this, AStyle, AIsHosted);
  return inherited::CreateViewData(AStyle, AIsHosted, AFlag);
}

void TcxCustomColorComboBoxProperties::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TcxCustomColorComboBoxProperties*>(Source);
  if (!source) {
    inherited::Assign(Source);
    return;
  }
  BeginUpdate();
  try {
    inherited::Assign(Source);
    SetAllowSelectColor(source->FAllowSelectColor);
    SetColorBoxAlign(source->FColorBoxAlign);
    SetColorBoxFrameColor(source->FColorBoxFrameColor);
    SetColorBoxWidth(source->FColorBoxWidth);
    SetColorComboStyle(source->FColorComboStyle);
    SetColorDialogType(source->FColorDialogType);
    SetColorValueFormat(source->FColorValueFormat);
    SetDefaultColor(source->FDefaultColor);
    SetDefaultColorStyle(source->FDefaultColorStyle);
    SetDefaultDescription(source->FDefaultDescription);
    SetMaxMRUColors(source->FMaxMRUColors);
    SetNamingConvention(source->FNamingConvention);
    SetShowDescriptions(source->FShowDescriptions);
    FPrepareList = source->FPrepareList;
    FItems->Assign(source->FItems);
    FCustomColors->OnChange = TNotifyEvent();
    FCustomColors->Assign(source->FCustomColors);
    FCustomColors->OnChange = TNotifyEvent(this, &TcxCustomColorComboBoxProperties::CustomColorsChanged);
    FMRUColors->Assign(source->FMRUColors);
    OnAddedMRUColor = source->OnAddedMRUColor;
    OnDeletedMRUColor = source->OnDeletedMRUColor;
    OnGetDefaultColor = source->OnGetDefaultColor;
    OnNamingConvention = source->OnNamingConvention;
    OnSelectCustomColor = source->OnSelectCustomColor;
    SyncListTexts();
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

// Old forms hold "Items" (read as the custom colours) and "PrepareInfo" (dropped).
void TcxCustomColorComboBoxProperties::DefineProperties(TFiler* Filer) {
  inherited::DefineProperties(Filer);
  Filer->DefineProperty(L"Items", TReaderProc(this, &TcxCustomColorComboBoxProperties::ReadItems), TWriterProc(),
                        false);
  Filer->DefineProperty(L"PrepareInfo", TReaderProc(this, &TcxCustomColorComboBoxProperties::ReadPrepareInfo),
                        TWriterProc(), false);
}

void TcxCustomColorComboBoxProperties::ReadItems(TReader* Reader) { Reader->ReadCollection(FCustomColors); }
void TcxCustomColorComboBoxProperties::ReadPrepareInfo(TReader* Reader) { Reader->SkipValue(); }

void TcxCustomColorComboBoxProperties::SetAllowSelectColor(bool Value) {
  if (FAllowSelectColor == Value) return;
  FAllowSelectColor = Value;
  UpdateButtons();
  Changed();
}

void TcxCustomColorComboBoxProperties::UpdateButtons() {
  if (Buttons()->Count() < 2) return;
  Buttons()->Items(1)->SetVisible(FAllowSelectColor);
}

void TcxCustomColorComboBoxProperties::SetColorValueFormat(TcxColorValueFormat Value) {
  if (FColorValueFormat == Value) return;
  FColorValueFormat = Value;
  SyncListTexts();
  Changed();
}

void TcxCustomColorComboBoxProperties::SetDefaultDescription(const String& Value) {
  if (FDefaultDescription == Value) return;
  FDefaultDescription = Value;
  Changed();
}

bool TcxCustomColorComboBoxProperties::IsDefaultDescriptionStored() const {
  return FDefaultDescription != ResolveResourceString(&cxSColorComboBoxDefaultDescription);
}

void TcxCustomColorComboBoxProperties::SetMaxMRUColors(int Value) {
  Value = std::max(0, std::min(Value, 255));
  if (FMaxMRUColors == Value) return;
  FMaxMRUColors = Value;
  while (FMRUColors->Count() > FMaxMRUColors) {
    FMRUColors->Delete(FMRUColors->Count() - 1);
    if (OnDeletedMRUColor) OnDeletedMRUColor(this);
  }
  Changed();
}

void TcxCustomColorComboBoxProperties::SetNamingConvention(TcxColorNamingConvention Value) {
  if (FNamingConvention == Value) return;
  FNamingConvention = Value;
  SyncListTexts();
  Changed();
}

void TcxCustomColorComboBoxProperties::SetPrepareList(TcxColorPrepareList Value) {
  if (FPrepareList == Value) return;
  FPrepareList = Value;
  RebuildColorList(Value, true, true);
  Changed();
}

void TcxCustomColorComboBoxProperties::RebuildColorList(TcxColorPrepareList AKind, bool AKeepCustom, bool AKeepMRU) {
  FItems->BeginUpdate();
  FMRUColors->BeginUpdate();
  try {
    if (AKeepCustom)
      FItems->ClearPrepared();
    else
      FItems->Clear();
    if (!AKeepMRU) FMRUColors->Clear();
    for (const TcxNamedColor& entry : PreparedColors(AKind))
      if (TcxColorComboBoxItem* item = FItems->AddColor(entry.Color, entry.Name)) item->SetIsCustomColor(false);
    if (AKeepMRU)
      for (int i = FMRUColors->Count() - 1; i >= 0; --i)
        if (FItems->IndexOfColor(FMRUColors->Items(i)->Color()) < 0) FMRUColors->Delete(i);
    FItems->ClearCustom();
    for (int i = FCustomColors->Count() - 1; i >= 0; --i) {
      TcxColorComboBoxItem* custom = FCustomColors->Items(i);
      if (FItems->IndexOfColor(custom->Color()) >= 0) continue;
      FItems->InsertColor(0, custom->Color(), custom->Description());
    }
  } catch (...) {
    FMRUColors->EndUpdate();
    FItems->EndUpdate();
    throw;
  }
  FMRUColors->EndUpdate();
  FItems->EndUpdate();
  SyncListTexts();
  if (OnColorListLoaded) OnColorListLoaded(this);
}

void TcxCustomColorComboBoxProperties::CustomColorsChanged(TObject*) {
  FItems->BeginUpdate();
  try {
    FItems->ClearCustom();
    for (int i = FCustomColors->Count() - 1; i >= 0; --i) {
      TcxColorComboBoxItem* custom = FCustomColors->Items(i);
      FItems->InsertColor(0, custom->Color(), custom->Description());
    }
  } catch (...) {
    FItems->EndUpdate();
    throw;
  }
  FItems->EndUpdate();
  SyncListTexts();
  if (OnColorListLoaded) OnColorListLoaded(this);
  Changed();
}

void TcxCustomColorComboBoxProperties::ItemsChanged(TObject*) {
  if (FItems->UpdateCount() > 0 || FMRUColors->UpdateCount() > 0) return;
  SyncListTexts();
  Changed();
}

void TcxCustomColorComboBoxProperties::SyncListTexts() {
  if (FSyncingTexts) return;
  FSyncingTexts = true;
  try {
    std::unique_ptr<TStringList> texts(new TStringList);
    for (int i = 0; i < ListCount(); ++i) texts->Add(GetListText(i));
    LookupItems()->Assign(texts.get());
  } catch (...) {
    FSyncingTexts = false;
    throw;
  }
  FSyncingTexts = false;
}

TColor TcxCustomColorComboBoxProperties::GetColorByIndex(int AIndex) const {
  const int mru = FMRUColors->Count();
  if (AIndex >= 0 && AIndex < mru) return FMRUColors->Items(AIndex)->Color();
  if (AIndex >= mru && AIndex < mru + FItems->Count()) return FItems->Items(AIndex - mru)->Color();
  return FDefaultColor;
}

int TcxCustomColorComboBoxProperties::IndexOfColor(const Variant& AValue) const {
  TColor color = clNone;
  if (!ValueToColor(AValue, color)) return -1;
  const int mru = FMRUColors->IndexOfColor(color);
  if (mru >= 0) return mru;
  const int item = FItems->IndexOfColor(color);
  return item >= 0 ? FMRUColors->Count() + item : -1;
}

String TcxCustomColorComboBoxProperties::NameColor(TColor AColor, const String& ADescription) {
  String name = ColorName(AColor, ResolveColor(AColor), ADescription, FNamingConvention, FColorValueFormat);
  if (OnNamingConvention) OnNamingConvention(this, AColor, name);
  return name;
}

String TcxCustomColorComboBoxProperties::GetListText(int AIndex) {
  if (AIndex < 0 || AIndex >= ListCount()) return FDefaultDescription;
  if (!FShowDescriptions) return String();
  const int mru = FMRUColors->Count();
  TcxColorComboBoxItem* item = AIndex < mru ? FMRUColors->Items(AIndex) : FItems->Items(AIndex - mru);
  return NameColor(item->Color(), item->Description());
}

String TcxCustomColorComboBoxProperties::GetColorText(const Variant& AValue, TColor& AColor, bool AForEdit) {
  const int index = IndexOfColor(AValue);
  if (!IsNoValue(AValue) && index >= 0 && (!AForEdit || FShowDescriptions)) {
    AColor = GetColorByIndex(index);
    return GetListText(index);
  }
  if (ValueToColor(AValue, AColor)) {
    if (index < 0 && FColorComboStyle == cxccsComboList) {
      AColor = FDefaultColor;
      return FDefaultDescription;
    }
    return NameColor(AColor, String());
  }
  AColor = FDefaultColor;
  return FDefaultDescription;
}

int TcxCustomColorComboBoxProperties::AddMRUColor(TColor AColor) {
  if (FMaxMRUColors <= 0) return 0;
  const int index = FMRUColors->IndexOfColor(AColor);
  if (index == 0) return 0;
  if (index > 0) {
    FMRUColors->MoveColor(index, 0);
    SyncListTexts();
    if (OnAddedMRUColor) OnAddedMRUColor(this);
    return 1;
  }
  TcxColorComboBoxItem* item = FItems->FindColorItem(AColor);
  if (!item) return 0;
  FMRUColors->BeginUpdate();
  FMRUColors->InsertColor(0, AColor, item->Description());
  int dropped = 0;
  while (FMRUColors->Count() > FMaxMRUColors) {
    FMRUColors->Delete(FMRUColors->Count() - 1);
    ++dropped;
  }
  FMRUColors->EndUpdate();
  SyncListTexts();
  for (int i = 0; i < dropped; ++i)
    if (OnDeletedMRUColor) OnDeletedMRUColor(this);
  if (OnAddedMRUColor) OnAddedMRUColor(this);
  return 2;
}

bool TcxCustomColorComboBoxProperties::DeleteMRUColor(TColor AColor) {
  const int index = FMRUColors->IndexOfColor(AColor);
  if (index < 0) return false;
  FMRUColors->Delete(index);
  SyncListTexts();
  if (OnDeletedMRUColor) OnDeletedMRUColor(this);
  return true;
}

void TcxCustomColorComboBoxProperties::ClearMRUColors() {
  FMRUColors->Clear();
  SyncListTexts();
}

void TcxCustomColorComboBoxProperties::DoGetDefaultColor(TColor& AColor) {
  if (OnGetDefaultColor) OnGetDefaultColor(this, AColor);
}

unsigned TcxCustomColorComboBoxProperties::GetEditCapabilities() {
  unsigned capabilities = Buttons()->Count() > 0 ? 0x33Cu : 0x31Cu;
  if (FShowDescriptions) capabilities |= 0x40u;
  return capabilities;
}

void TcxCustomColorComboBoxProperties::PrepareDisplayValue(const Variant& AEditValue, Variant& DisplayValue, bool) {
  TColor color = clNone;
  DisplayValue = Variant(GetColorText(AEditValue, color, true));
}

String TcxCustomColorComboBoxProperties::GetDisplayText(const Variant& AValue, bool, bool) {
  TColor color = clNone;
  return GetColorText(AValue, color, false);
}

bool TcxCustomColorComboBoxProperties::CompareDisplayValues(const Variant& V1, const Variant& V2) {
  TColor c1 = clNone, c2 = clNone;
  const String t1 = GetColorText(V1, c1, false), t2 = GetColorText(V2, c2, false);
  const bool box1 = IsColorInList(V1) || FDefaultColorStyle != cxdcText;
  const bool box2 = IsColorInList(V2) || FDefaultColorStyle != cxdcText;
  if (box1 != box2 || c1 != c2) return false;
  return !FShowDescriptions || TextsEqual(t1, t2, false);
}

// --- View data and view info --------------------------------------------------------------------
TcxCustomColorComboBoxProperties* TcxCustomColorComboBoxViewData::ColorProperties() const {
  return static_cast<TcxCustomColorComboBoxProperties*>(Properties);
}

void TcxCustomColorComboBoxViewData::Calculate(TcxCanvas* ACanvas, const TRect& ABounds, const TPoint& P,
                                               int AButtonCode, TShiftState AShift, TcxCustomEditViewInfo* AViewInfo,
                                               bool AIsMouseEvent) {
  inherited::Calculate(ACanvas, ABounds, P, AButtonCode, AShift, AViewInfo, AIsMouseEvent);
  if (auto* vi = dynamic_cast<TcxCustomColorComboBoxViewInfo*>(AViewInfo)) InitColorBoxParams(vi);
}

void TcxCustomColorComboBoxViewData::InitColorBoxParams(TcxCustomColorComboBoxViewInfo* AViewInfo) {
  TcxCustomColorComboBoxProperties* p = ColorProperties();
  AViewInfo->ShowDescriptions = p->ShowDescriptions();
  AViewInfo->ColorBoxAlign = p->ColorBoxAlign();
  AViewInfo->ColorBoxWidth = p->ColorBoxWidth();
  AViewInfo->ColorBoxFrameColor = p->ColorBoxFrameColor();
  AViewInfo->ColorBoxBackground = AViewInfo->BackgroundColor;
  auto* edit = dynamic_cast<TcxCustomEdit*>(AViewInfo->Edit);
  const Variant value = EditValue.IsEmpty() && edit ? edit->EditValue() : EditValue;
  AViewInfo->Found = p->IsColorInList(value);
  TColor color = p->DefaultColor();
  p->GetColorText(value, color, false);
  AViewInfo->DefaultColorStyle = AViewInfo->Found ? cxdcColor : p->DefaultColorStyle();
  if (AViewInfo->DefaultColorStyle == cxdcCustom) p->DoGetDefaultColor(color);
  AViewInfo->ColorBoxColor = color;
  // The fixed list shows its text plainly, never as a selection bar.
  if (!IsHosted) AViewInfo->HighlightLength = 0;
  const TRect area = AViewInfo->TextBounds;
  const bool noBox = !AViewInfo->Found && AViewInfo->DefaultColorStyle == cxdcText;
  if (!p->ShowDescriptions()) {
    AViewInfo->ColorBoxRect = noBox ? TRect{} : area;
    AViewInfo->DisplayText.clear();
    AViewInfo->TextBounds = TRect{area.Left, area.Top, area.Left, area.Bottom};
  } else if (noBox) {
    AViewInfo->ColorBoxRect = TRect{};
  } else {
    const int width = std::min(p->ColorBoxWidth(), std::max(0, area.Right - area.Left));
    if (p->ColorBoxAlign() == cbaLeft) {
      AViewInfo->ColorBoxRect = TRect{area.Left, area.Top, area.Left + width, area.Bottom};
      AViewInfo->TextBounds.Left = area.Left + width + 2;
    } else {
      AViewInfo->ColorBoxRect = TRect{area.Right - width, area.Top, area.Right, area.Bottom};
      AViewInfo->TextBounds.Right = area.Right - width - 2;
    }
  }
  AViewInfo->InvalidateTextLayout();
  AViewInfo->FocusBox = !p->ShowDescriptions() && edit && edit->Focused() && !edit->IsPopupOpen();
}

TSize TcxCustomColorComboBoxViewData::CalcEditContentSize(TcxCanvas* ACanvas, const Variant& AEditValue,
                                                          const TcxEditSizeProperties& ASize) {
  TSize size = inherited::CalcEditContentSize(ACanvas, AEditValue, ASize);
  if (ColorProperties()->ShowDescriptions()) size.cx += ColorProperties()->ColorBoxWidth() + 6;
  return size;
}

void TcxCustomColorComboBoxViewInfo::PaintBackgroundAndBorder(TcxCanvas* ACanvas) {
  inherited::PaintBackgroundAndBorder(ACanvas);
  if (ColorBoxRect.Right <= ColorBoxRect.Left) return;
  DrawColorBox(ACanvas, ColorBoxRect, ColorBoxFrameColor, DefaultColorStyle, ColorBoxBackground, ColorBoxColor);
  if (FocusBox) ACanvas->DrawFocusRect(ColorBoxRect);
}

void TcxCustomColorComboBoxViewInfo::Shift(int DX, int DY) {
  inherited::Shift(DX, DY);
  ColorBoxRect = OffsetRectBy(ColorBoxRect, DX, DY);
}

// --- List -------------------------------------------------------------------------------------
bool TcxCustomColorComboBoxListBox::DoDrawItem(int AIndex, const TRect& ARect, TOwnerDrawState AState) {
  if (inherited::DoDrawItem(AIndex, ARect, AState)) return true;
  auto* combo = dynamic_cast<TcxCustomColorComboBox*>(Combo());
  if (!combo) return false;
  TcxCustomColorComboBoxProperties* p = combo->ActiveColorProperties();
  TcxCanvas* canvas = cxCanvas();
  const bool selected = AState.Contains(odSelected);
  const TColor background = selected ? clHighlight : Color();
  canvas->FillRect(ARect, background);
  const int mru = p->MRUColors()->Count();
  TRect row = ARect;
  if (AIndex == mru - 1) row.Bottom -= 3;
  const TRect inner{row.Left + 1, row.Top + 1, row.Right - 1, row.Bottom - 1};
  TRect box = inner, text = inner;
  if (p->ShowDescriptions()) {
    const int width = std::min(p->ColorBoxWidth(), std::max(0, inner.Right - inner.Left));
    if (p->ColorBoxAlign() == cbaLeft) {
      box.Right = box.Left + width;
      text.Left = box.Right + 4;
    } else {
      box.Left = box.Right - width;
      text.Right = box.Left - 4;
    }
    String name = p->GetListText(AIndex);
    canvas->Font()->Assign(Font());
    canvas->Font()->SetColor(selected ? clHighlightText : Font()->Color());
    canvas->Brush()->SetStyle(bsClear);
    canvas->DrawText(name, text, cxAlignLeft | cxAlignVCenter | cxSingleLine | cxShowEndEllipsis);
    canvas->Brush()->SetStyle(bsSolid);
  }
  DrawColorBox(canvas, box, p->ColorBoxFrameColor(), cxdcColor, background, p->GetColorByIndex(AIndex));
  if (AIndex == mru - 1) DrawDoubleSeparatorLine(canvas, ARect, selected);
  return true;
}

int TcxCustomColorComboBoxListBox::GetItemHeightAt(int AIndex) {
  TcxCustomComboBox* combo = Combo();
  const int itemHeight = combo ? combo->ActiveComboProperties()->ItemHeight() : 0;
  int height = itemHeight > 0 ? itemHeight : std::max(16, GetFontTextHeight(Font()));
  if (combo && AIndex >= 0) combo->DoMeasureItem(AIndex, cxCanvas(), height);
  auto* colorCombo = dynamic_cast<TcxCustomColorComboBox*>(combo);
  if (colorCombo && AIndex >= 0 && AIndex == colorCombo->ActiveColorProperties()->MRUColors()->Count() - 1)
    height += 3;
  return height;
}

int TcxCustomColorComboBoxListBox::GetItemWidth(int AIndex) {
  auto* combo = dynamic_cast<TcxCustomColorComboBox*>(Combo());
  return inherited::GetItemWidth(AIndex) + (combo ? combo->ActiveColorProperties()->ColorBoxWidth() + 6 : 0);
}

// --- The editor -------------------------------------------------------------------------------
TcxCustomColorComboBox::TcxCustomColorComboBox(TComponent* AOwner, TClass APropertiesClass)
    : TcxCustomComboBox(AOwner, APropertiesClass) {
  if (auto* p = dynamic_cast<TcxCustomColorComboBoxProperties*>(Properties()))
    p->OnColorListLoaded = TNotifyEvent(this, &TcxCustomColorComboBox::ColorListLoaded);
}

TcxCustomColorComboBox::~TcxCustomColorComboBox() {
  if (auto* p = dynamic_cast<TcxCustomColorComboBoxProperties*>(Properties())) p->OnColorListLoaded = TNotifyEvent();
  delete FColorDialog;
}

TColor TcxCustomColorComboBox::ColorValue() {
  TColor color = clNone;
  ActiveColorProperties()->GetColorText(EditValue(), color, false);
  return color;
}

void TcxCustomColorComboBox::SetColorValue(TColor Value) {
  if (!IsNoValue(EditValue()) && ColorValue() == Value) return;
  LockClick(true);
  try {
    SetEditValue(Variant(int(Value)));
  } catch (...) {
    LockClick(false);
    throw;
  }
  LockClick(false);
}

TColorDialog* TcxCustomColorComboBox::ColorDialog() {
  if (!FColorDialog) FColorDialog = new TColorDialog(nullptr);
  return FColorDialog;
}

void TcxCustomColorComboBox::ColorListLoaded(TObject*) {
  if (IsLoading() || IsEditDestroying()) return;
  if (!IsNoValue(EditValue())) ResetColorValue();
}

void TcxCustomColorComboBox::ResetColorValue() {
  LockClick(true);
  try {
    SetEditValue(Variant::Null());
  } catch (...) {
    LockClick(false);
    throw;
  }
  LockClick(false);
}

void TcxCustomColorComboBox::LookupKeyToEditValue(const Variant& AKey, Variant& AEditValue) {
  const int index = LookupKeyToItemIndex(AKey);
  if (index < 0 || index >= ActiveColorProperties()->ListCount()) {
    AEditValue = Variant::Null();
    return;
  }
  AEditValue = Variant(int(ActiveColorProperties()->GetColorByIndex(index)));
}

// A typed colour is taken (and added when it is not listed); any other text
// means the current item.
void TcxCustomColorComboBox::DisplayToEditValue(const Variant& ADisplayValue, Variant& AEditValue, bool) {
  TcxCustomColorComboBoxProperties* p = ActiveColorProperties();
  const String text = VarToStr(ADisplayValue);
  for (int i = 0; i < p->ListCount(); ++i)
    if (!text.empty() && TextsEqual(p->GetListText(i), text, false)) {
      AEditValue = Variant(int(p->GetColorByIndex(i)));
      return;
    }
  TColor color = clNone;
  if (TextToColor(text, color)) {
    AEditValue = Variant(int(color));
    return;
  }
  LookupKeyToEditValue(ReadLookupKey(), AEditValue);
}

void TcxCustomColorComboBox::SelectColor(TColor AColor, const String& ADescription, bool AAddToList) {
  TcxCustomColorComboBoxProperties* p = ActiveColorProperties();
  if (AAddToList && p->IndexOfColor(Variant(int(AColor))) < 0) {
    p->CustomColors()->AddColor(AColor, ADescription);
    p->AddMRUColor(AColor);
  }
  if (AAddToList && DoEditing()) {
    SetColorValue(AColor);
    SetEditModified(true);
    PostEditValue();
  }
  AddToMRU(AColor);
}

void TcxCustomColorComboBox::AddToMRU(TColor AColor) {
  TcxCustomColorComboBoxProperties* p = ActiveColorProperties();
  if (p->AddMRUColor(AColor) == 0 && p->MRUColors()->IndexOfColor(AColor) < 0) return;
  // The value's row is its MRU entry now.
  if (ColorValue() == AColor) SetItemIndex(p->IndexOfColor(Variant(int(AColor))));
}

void TcxCustomColorComboBox::SelectCustomColor() {
  TcxCustomColorComboBoxProperties* p = ActiveColorProperties();
  TColor color = clNone;
  if (p->ColorDialogType() == cxcdtDefault) {
    TColorDialog* dialog = ColorDialog();
    dialog->SetColor(ColorValue());
    FDialogOpen = true;
    bool chosen = false;
    try {
      chosen = dialog->Execute();
    } catch (...) {
      FDialogOpen = false;
      throw;
    }
    FDialogOpen = false;
    if (!chosen) return;
    color = dialog->Color();
  }
  String description;
  bool addToList = true;
  if (p->OnSelectCustomColor) p->OnSelectCustomColor(this, color, description, addToList);
  SelectColor(color, description, addToList);
}

void TcxCustomColorComboBox::DoButtonClick(int AButtonIndex) {
  if (AButtonIndex == 1 && ActiveColorProperties()->AllowSelectColor()) {
    SelectCustomColor();
    return;
  }
  inherited::DoButtonClick(AButtonIndex);
}

void TcxCustomColorComboBox::CloseUp(TcxEditCloseUpReason AReason) {
  inherited::CloseUp(AReason);
  if (AReason == crEnter || AReason == crTab || AReason == crClose) {
    const TColor color = ColorValue();
    if (ActiveColorProperties()->IsColorInList(EditValue())) AddToMRU(color);
  }
}

void TcxCustomColorComboBox::DoExit() { inherited::DoExit(); }

// The EDIT that shows the text keeps clear of the colour box; without
// descriptions it shows nothing.
void TcxCustomColorComboBox::AdjustInnerEditPosition() {
  inherited::AdjustInnerEditPosition();
  IcxInnerTextEdit* inner = GetInnerTextEdit();
  if (!inner) return;
  TWinControl* control = inner->InnerWindowControl();
  TcxCustomColorComboBoxProperties* p = ActiveColorProperties();
  TRect r = control->BoundsRect();
  const int shift = p->ShowDescriptions() ? p->ColorBoxWidth() + 2 : r.Right - r.Left;
  if (p->ColorBoxAlign() == cbaLeft)
    r.Left = std::min(r.Right, r.Left + shift);
  else
    r.Right = std::max(r.Left, r.Right - shift);
  if (control->BoundsRect() != r) control->SetBounds(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
}

void TcxCustomColorComboBox::PropertiesChanged(TObject* Sender) {
  if (FPropertiesChanging) return;
  FPropertiesChanging = true;
  try {
    inherited::PropertiesChanged(Sender);
  } catch (...) {
    FPropertiesChanging = false;
    throw;
  }
  FPropertiesChanging = false;
}

bool TcxColorComboBox::IsColorValueStored() { return ColorValue() != ActiveColorProperties()->DefaultColor(); }

// --- Filter helper ------------------------------------------------------------------------------
void TcxFilterColorComboBoxHelper::GetAllowedOperators(TcxCustomEditProperties*, bool, bool, uint64_t& AOperators,
                                                       bool AExtended) {
  AOperators = (1u << 1) | (1u << 2) | (1u << 9) | (1u << 10);
  if (AExtended) AOperators |= (1u << 13) | (1u << 14);
}

void TcxFilterColorComboBoxHelper::PreparePropertiesForFilter(TcxCustomFilterEditHelperClass AHelper,
                                                              TcxCustomEditProperties* AProperties,
                                                              TcxCustomEditProperties* ASource, bool AKeepButtons) {
  TcxFilterComboBoxHelper::PreparePropertiesForFilter(AHelper, AProperties, ASource, AKeepButtons);
  if (auto* combo = dynamic_cast<TcxCustomComboBoxProperties*>(AProperties)) combo->SetDropDownListStyle(lsFixedList);
}
