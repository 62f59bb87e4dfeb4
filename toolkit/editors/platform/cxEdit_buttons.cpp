// Edit buttons, the editor styles and their controller.
#include "cxEdit_win.h"

// --- Buttons --------------------------------------------------------------------------------
String RemoveAccelChars(const String& S) {
  String result;
  for (size_t i = 0; i < S.size(); ++i) {
    if (S[i] == L'&') {
      if (i + 1 < S.size() && S[i + 1] == L'&') {
        result += L'&';
        ++i;
      }
      continue;
    }
    result += S[i];
  }
  return result;
}

TcxEditButton::TcxEditButton(TCollection* Collection) : TCollectionItem(Collection) {}

TcxEditButton::~TcxEditButton() { delete FGlyph; }

template <class T>
void TcxEditButton::SetField(T& AField, const T& AValue) {
  if (AField == AValue) return;
  AField = AValue;
  Changed(false);
}

void TcxEditButton::SetCaption(const String& Value) {
  if (FCaption == Value) return;
  FCaption = Value;
  FVisibleCaption = RemoveAccelChars(Value);
  Changed(false);
}

void TcxEditButton::SetContentAlignment(TAlignment Value) { SetField(FContentAlignment, Value); }
void TcxEditButton::SetEnabled(bool Value) { SetField(FEnabled, Value); }
void TcxEditButton::SetKind(TcxEditButtonKind Value) { SetField(FKind, Value); }
void TcxEditButton::SetLeftAlignment(bool Value) { SetField(FLeftAlignment, Value); }
void TcxEditButton::SetStretchable(bool Value) { SetField(FStretchable, Value); }
void TcxEditButton::SetTextColor(TColor Value) { SetField(FTextColor, Value); }
void TcxEditButton::SetVisible(bool Value) { SetField(FVisible, Value); }
void TcxEditButton::SetWidth(int Value) { SetField(FWidth, Value); }

void TcxEditButton::SetDefault(bool Value) {
  if (FDefault == Value) return;
  if (Value)
    if (auto* buttons = dynamic_cast<TcxEditButtons*>(Collection()))
      for (int i = 0; i < buttons->Count(); ++i) buttons->Items(i)->FDefault = false;
  FDefault = Value;
  Changed(true);
}

TBitmap* TcxEditButton::Glyph() {
  if (!FGlyph) {
    FGlyph = new TBitmap();
    FGlyph->OnChange = TNotifyEvent(this, &TcxEditButton::GlyphChanged);
  }
  return FGlyph;
}

bool TcxEditButton::HasGlyph() const { return FGlyph && !FGlyph->Empty(); }

void TcxEditButton::SetGlyph(TBitmap* Value) {
  if (!Value) {
    delete FGlyph;
    FGlyph = nullptr;
    Changed(false);
    return;
  }
  Glyph()->Assign(Value);
}

void TcxEditButton::GlyphChanged(TObject*) { Changed(false); }

void TcxEditButton::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TcxEditButton*>(Source);
  if (!source) {
    inherited::Assign(Source);
    return;
  }
  if (Collection()) Collection()->BeginUpdate();
  FCaption = source->FCaption;
  FVisibleCaption = source->FVisibleCaption;
  FContentAlignment = source->FContentAlignment;
  FDefault = source->FDefault;
  FEnabled = source->FEnabled;
  if (source->FGlyph)
    Glyph()->Assign(source->FGlyph);
  else if (FGlyph)
    SetGlyph(nullptr);
  FKind = source->FKind;
  FLeftAlignment = source->FLeftAlignment;
  FStretchable = source->FStretchable;
  FTag = source->FTag;
  FTextColor = source->FTextColor;
  FVisible = source->FVisible;
  FWidth = source->FWidth;
  FHint = source->FHint;
  Changed(false);
  if (Collection()) Collection()->EndUpdate();
}

TcxEditButtons::TcxEditButtons(TPersistent* AOwner, TClass AButtonClass) : TOwnedCollection(AOwner, AButtonClass) {}

int TcxEditButtons::VisibleCount() const {
  int count = 0;
  for (int i = 0; i < Count(); ++i)
    if (Items(i)->Visible()) ++count;
  return count;
}

void TcxEditButtons::Update(TCollectionItem* Item) {
  TOwnedCollection::Update(Item);
  if (OnChange) OnChange(this);
}

// --- Styles ---------------------------------------------------------------------------------
TcxCustomEditStyle::TcxCustomEditStyle(TcxContainerStyleCreateParams* AParams) : TcxContainerStyle(AParams) {}

TcxCustomEditStyle::TcxCustomEditStyle(TPersistent* AOwner, bool ADirectAccessMode, TcxContainerStyle* AParentStyle,
                                       TcxContainerStateIndex AState)
    : TcxContainerStyle(AOwner, ADirectAccessMode, AParentStyle, AState) {}

TObject* TcxCustomEditStyle::CreateFresh() { return new TcxCustomEditStyle(nullptr, false); }
TObject* TcxEditStyle::CreateFresh() { return new TcxEditStyle(nullptr, false); }

const TcxCustomEditStyle* TcxCustomEditStyle::FindAssigning(TcxContainerStyleValue AValue) const {
  const TcxCustomEditStyle* s = this;
  // A controller naming itself through its styles cannot loop forever.
  for (int depth = 0; s && depth < 64; ++depth) {
    if (s->AssignedValues().Contains(AValue)) return s;
    if (s->DirectAccessMode()) return nullptr;
    TcxStyleController* controller = s->MainStyle()->ActiveStyleController();
    s = controller ? dynamic_cast<const TcxCustomEditStyle*>(controller->GetStyle(s->State())) : nullptr;
  }
  return nullptr;
}

bool TcxCustomEditStyle::IsValueAssigned(TcxContainerStyleValue AValue) const {
  if (int(AValue) < 10) return TcxContainerStyle::IsValueAssigned(AValue);
  return FindAssigning(AValue) != nullptr;
}

#define CX_EDIT_STYLE_VALUE(Type, Name, Field, Bit)                  \
  Type TcxCustomEditStyle::Name() const {                            \
    if (const TcxCustomEditStyle* s = FindAssigning(Bit)) return s->Field; \
    return GetDefault##Name();                                       \
  }
CX_EDIT_STYLE_VALUE(TcxEditButtonStyle, ButtonStyle, FButtonStyle, svButtonStyle)
CX_EDIT_STYLE_VALUE(TcxEditButtonTransparency, ButtonTransparency, FButtonTransparency, svButtonTransparency)
CX_EDIT_STYLE_VALUE(TcxEditPopupBorderStyle, PopupBorderStyle, FPopupBorderStyle, svPopupBorderStyle)
CX_EDIT_STYLE_VALUE(bool, GradientButtons, FGradientButtons, svGradientButtons)
CX_EDIT_STYLE_VALUE(bool, Gradient, FGradient, svGradient)
CX_EDIT_STYLE_VALUE(TcxEditGradientDirection, GradientDirection, FGradientDirection, svGradientDirection)
#undef CX_EDIT_STYLE_VALUE

template <class T>
void TcxCustomEditStyle::SetValue(T& AField, const T& AValue, TcxContainerStyleValue ABit) {
  const bool assigned = AssignedValues().Contains(ABit);
  if (assigned && AField == AValue) return;
  BeginUpdate();
  AField = AValue;
  if (!assigned) {
    TcxContainerStyleValues values = AssignedValues();
    values.Include(ABit);
    SetAssignedValues(values);
  }
  NotifyChanged();
  EndUpdate();
}

TcxCustomEditStyle* TcxCustomEditStyle::WriteTarget() {
  return IsMainStyle() ? this : static_cast<TcxCustomEditStyle*>(MainStyle());
}

void TcxCustomEditStyle::SetButtonStyle(TcxEditButtonStyle Value) { SetValue(FButtonStyle, Value, svButtonStyle); }
void TcxCustomEditStyle::SetButtonTransparency(TcxEditButtonTransparency Value) {
  TcxCustomEditStyle* s = WriteTarget();
  s->SetValue(s->FButtonTransparency, Value, svButtonTransparency);
}
void TcxCustomEditStyle::SetPopupBorderStyle(TcxEditPopupBorderStyle Value) {
  TcxCustomEditStyle* s = WriteTarget();
  s->SetValue(s->FPopupBorderStyle, Value, svPopupBorderStyle);
}
void TcxCustomEditStyle::SetGradientButtons(bool Value) {
  SetValue(FGradientButtons, Value, svGradientButtons);
}
void TcxCustomEditStyle::SetGradient(bool Value) {
  TcxCustomEditStyle* s = WriteTarget();
  s->SetValue(s->FGradient, Value, svGradient);
}
void TcxCustomEditStyle::SetGradientDirection(TcxEditGradientDirection Value) {
  TcxCustomEditStyle* s = WriteTarget();
  s->SetValue(s->FGradientDirection, Value, svGradientDirection);
}

namespace {
const TcxCustomEditStyle* NormalOf(const TcxCustomEditStyle* AStyle) {
  return static_cast<const TcxCustomEditStyle*>(AStyle->MainStyle());
}
}  // namespace

TcxEditButtonStyle TcxCustomEditStyle::GetDefaultButtonStyle() const {
  return IsMainStyle() ? btsDefault : NormalOf(this)->ButtonStyle();
}
TcxEditButtonTransparency TcxCustomEditStyle::GetDefaultButtonTransparency() const {
  return IsMainStyle() ? ebtNone : NormalOf(this)->ButtonTransparency();
}
bool TcxCustomEditStyle::GetDefaultGradient() const { return IsMainStyle() ? false : NormalOf(this)->Gradient(); }
bool TcxCustomEditStyle::GetDefaultGradientButtons() const {
  return IsMainStyle() ? false : NormalOf(this)->GradientButtons();
}
TcxEditGradientDirection TcxCustomEditStyle::GetDefaultGradientDirection() const {
  return IsMainStyle() ? dirDown : NormalOf(this)->GradientDirection();
}
TcxEditPopupBorderStyle TcxCustomEditStyle::GetDefaultPopupBorderStyle() const {
  return IsMainStyle() ? epbsDefault : NormalOf(this)->PopupBorderStyle();
}

TcxStyleController* TcxCustomEditStyle::GetDefaultStyleControllerFor() const {
  if (DirectAccessMode()) return nullptr;
  if (TcxContainer* container = Container())
    if (container->IsHosted()) return nullptr;
  return GetDefaultEditStyleController();
}

TcxContainerStyleValues TcxCustomEditStyle::GetUnpublishedStyleValues() const {
  TcxContainerStyleValues values;
  for (int i = 0; i < cxEditStyleValueCount; ++i)
    if (cxEditUnpublishedStyleValuesMask >> i & 1) values.Include(TcxContainerStyleValue(i));
  return values;
}

bool TcxCustomEditStyle::GetValueName(TcxContainerStyleValue AValue, String& AName) const {
  static const wchar_t* const names[] = {L"ButtonStyle", L"ButtonTransparency", L"PopupBorderStyle",
                                         L"GradientButtons", L"Gradient", L"GradientDirection"};
  if (int(AValue) < 10) return TcxContainerStyle::GetValueName(AValue, AName);
  if (int(AValue) >= cxEditStyleValueCount) return false;
  AName = names[int(AValue) - 10];
  return true;
}

void TcxCustomEditStyle::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TcxCustomEditStyle*>(Source);
  if (!source) {
    TcxContainerStyle::Assign(Source);
    return;
  }
  BeginUpdate();
  try {
    FButtonStyle = source->FButtonStyle;
    FButtonTransparency = source->FButtonTransparency;
    FPopupBorderStyle = source->FPopupBorderStyle;
    FGradientButtons = source->FGradientButtons;
    FGradient = source->FGradient;
    FGradientDirection = source->FGradientDirection;
    FPopupCloseButton = source->FPopupCloseButton;
    TcxContainerStyle::Assign(Source);
    NotifyChanged();
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

TcxEditStyleController::TcxEditStyleController(TComponent* AOwner)
    : TcxStyleController(AOwner, TcxEditStyle::StaticClass()) {}
