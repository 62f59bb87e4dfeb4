// Container styles and the style controller: values assigned or inherited
// along the controller chain, defaults by state, change notification once
// per update bracket, and the controller's listeners.
#include <algorithm>

#include "Streaming.h"
#include "SysUtils.h"
#include "cxContainer_internal.h"
#include "cxContainer_win.h"

VAMIRE_ENUM_NAMES(TFontStyle, L"fsBold", L"fsItalic", L"fsUnderline", L"fsStrikeOut")
VAMIRE_ENUM_NAMES(TcxBorder, L"bLeft", L"bTop", L"bRight", L"bBottom")

namespace {

TcxStyleController* GDefaultStyleController = nullptr;

// No controller chain is longer than this; a longer one can only be a cycle
// made behind the setter's back, and is read as ending there.
constexpr int MaxControllerChain = 64;

const wchar_t* const kValueNames[cxContainerStyleValueCount] = {
    L"BorderColor", L"BorderStyle", L"Color",     L"Edges",     L"Font",
    L"HotTrack",    L"Shadow",      L"TextColor", L"TextStyle", L"TransparentBorder"};

bool IsMainOnlyValue(TcxContainerStyleValue AValue) {
  return AValue == svEdges || AValue == svFont || AValue == svHotTrack || AValue == svShadow ||
         AValue == svTransparentBorder;
}

void ResetFontToFresh(TFont* AFont) {
  TFont fresh;
  AFont->Assign(&fresh);
}

}  // namespace

TcxStyleController* GetDefaultStyleController() { return GDefaultStyleController; }
void SetDefaultStyleController(TcxStyleController* AController) { GDefaultStyleController = AController; }

// --- Creation -------------------------------------------------------------------------------
TcxContainerStyle::TcxContainerStyle(TcxContainerStyleCreateParams* AParams)
    : TcxInterfacedPersistent(AParams ? AParams->Owner : nullptr) {
  if (!AParams) throw EcxContainerError(L"A container style needs its creation parameters");
  Init(AParams->Owner, AParams->DirectAccessMode, AParams->ParentStyle, AParams->State);
}

TcxContainerStyle::TcxContainerStyle(TPersistent* AOwner, bool ADirectAccessMode, TcxContainerStyle* AParentStyle,
                                     TcxContainerStateIndex AState)
    : TcxInterfacedPersistent(AOwner) {
  Init(AOwner, ADirectAccessMode, AParentStyle, AState);
}

void TcxContainerStyle::Init(TPersistent* /*AOwner*/, bool ADirectAccessMode, TcxContainerStyle* AParentStyle,
                             TcxContainerStateIndex AState) {
  FDirectAccessMode = ADirectAccessMode;
  FState = AState;
  FParentStyle = AState == csiNormal ? nullptr : AParentStyle;
  if (FDirectAccessMode) FAssignedValues = TcxContainerStyleValues{svColor, svFont, svTextColor, svTextStyle};
  if (IsMainStyle() && !FDirectAccessMode) {
    FFont = new TFont();
    FOwnsFont = true;
    FFont->OnChange = TNotifyEvent(this, &TcxContainerStyle::HandleFontChange);
  }
  FVisibleFont = new TFont();
  if (IsMainStyle()) {
    FLookAndFeel = new TcxLookAndFeel(this);
    FLookAndFeel->OnChanged = TcxLookAndFeelChangedEvent(this, &TcxContainerStyle::LookAndFeelChanged);
    // A direct style holds plain values for a painter: no controller behind it.
    TcxStyleController* controller = FDirectAccessMode ? nullptr : GetDefaultStyleControllerFor();
    if (controller && controller != Owner()) {
      FStyleController = controller;
      controller->AttachStyle(this);
    }
  }
}

TcxContainerStyle* TcxContainerStyle::CreateStyle(TClass AStyleClass, TPersistent* AOwner, bool ADirectAccessMode,
                                                  TcxContainerStyle* AParentStyle, TcxContainerStateIndex AState) {
  if (!AStyleClass || !AStyleClass->InheritsFrom(StaticClass()))
    throw EcxContainerError(L"Not a container style class");
  TcxContainerStyleCreateParams params(AOwner, ADirectAccessMode, AParentStyle, AState);
  return static_cast<TcxContainerStyle*>(AStyleClass->Create(&params));
}

void TcxContainerStyle::BeforeDestruction() {
  FDestroying = true;
  inherited::BeforeDestruction();
}

TcxContainerStyle::~TcxContainerStyle() {
  FDestroying = true;
  if (IsMainStyle() && FStyleController) FStyleController->DetachStyle(this);
  FStyleController = nullptr;
  delete FLookAndFeel;
  delete FVisibleFont;
  if (FOwnsFont) delete FFont;
}

TcxContainer* TcxContainerStyle::Container() const { return dynamic_cast<TcxContainer*>(Owner()); }

// --- Reading values ---------------------------------------------------------------------------
TcxContainerStyle* TcxContainerStyle::ControllerStyle() const {
  TcxStyleController* controller = MainStyle()->FStyleController;
  return controller ? controller->GetStyle(FState) : nullptr;
}

namespace {

// The style that assigns AValue for AStyle: itself or one along its
// controllers (each controller's style of the same state); null for none.
const TcxContainerStyle* FindAssigningStyle(const TcxContainerStyle* AStyle, TcxContainerStyleValue AValue) {
  const TcxContainerStyle* s = AStyle;
  for (int depth = 0; s && depth < MaxControllerChain; ++depth) {
    if (s->AssignedValues().Contains(AValue)) return s;
    TcxStyleController* controller = s->MainStyle()->ActiveStyleController();
    s = controller ? controller->GetStyle(s->State()) : nullptr;
  }
  return nullptr;
}

}  // namespace

TcxContainerStyleValues TcxContainerStyle::AssignedValues() const {
  if (!FDirectAccessMode) return FAssignedValues;
  TcxContainerStyleValues all;
  for (int i = 0; i < GetValueCount(); ++i) all.Include(TcxContainerStyleValue(i));
  return all;
}

bool TcxContainerStyle::IsValueAssigned(TcxContainerStyleValue AValue) const {
  if (int(AValue) > int(svTextStyle)) return false;
  const TcxContainerStyle* s = IsMainOnlyValue(AValue) ? MainStyle() : this;
  return FindAssigningStyle(s, AValue) != nullptr;
}

TcxStyleController* TcxContainerStyle::ActiveStyleController() const { return MainStyle()->FStyleController; }

TcxStyleController* TcxContainerStyle::StyleController() const {
  TcxStyleController* controller = ActiveStyleController();
  return controller == GetDefaultStyleControllerFor() ? nullptr : controller;
}

TColor TcxContainerStyle::BorderColor() const {
  if (FDirectAccessMode) return clDefault;
  if (const TcxContainerStyle* s = FindAssigningStyle(this, svBorderColor)) return s->FBorderColor;
  return GetDefaultBorderColor();
}

TcxContainerBorderStyle TcxContainerStyle::BorderStyle() const {
  if (FDirectAccessMode) return FAssignedValues.Contains(svBorderStyle) ? FBorderStyle : GetDefaultBorderStyle();
  if (const TcxContainerStyle* s = FindAssigningStyle(this, svBorderStyle)) return s->FBorderStyle;
  return GetDefaultBorderStyle();
}

TColor TcxContainerStyle::EffectiveColor() const {
  if (FDirectAccessMode) return FColor;
  TcxContainer* container = Container();
  if (IsMainStyle() && container && container->ParentColor() && container->Parent())
    return container->Parent()->Color();
  if (const TcxContainerStyle* s = FindAssigningStyle(this, svColor)) return s->FColor;
  return GetDefaultColor();
}

TColor TcxContainerStyle::GetPaintColor() const {
  if (FDirectAccessMode) return FColor;
  if (const TcxContainerStyle* s = FindAssigningStyle(this, svColor)) return s->FColor;
  TcxContainer* container = Container();
  if (IsMainStyle() && container && !container->IsHosted() && container->ParentColor() && container->Parent())
    return container->Parent()->Color();
  return GetDefaultColor();
}

TcxBorders TcxContainerStyle::Edges() const {
  if (FDirectAccessMode) return {};
  const TcxContainerStyle* main = MainStyle();
  if (const TcxContainerStyle* s = FindAssigningStyle(main, svEdges)) return s->FEdges;
  return main->GetDefaultEdges();
}

TFont* TcxContainerStyle::Font() const { return MainStyle()->FFont; }

bool TcxContainerStyle::HotTrack() const {
  if (FDirectAccessMode) return FAssignedValues.Contains(svHotTrack) ? FHotTrack : GetDefaultHotTrack();
  const TcxContainerStyle* main = MainStyle();
  if (const TcxContainerStyle* s = FindAssigningStyle(main, svHotTrack)) return s->FHotTrack;
  return main->GetDefaultHotTrack();
}

bool TcxContainerStyle::Shadow() const {
  if (FDirectAccessMode) return false;
  const TcxContainerStyle* main = MainStyle();
  if (const TcxContainerStyle* s = FindAssigningStyle(main, svShadow)) return s->FShadow;
  return main->GetDefaultShadow();
}

TColor TcxContainerStyle::EffectiveTextColor() const {
  if (FDirectAccessMode) return FTextColor;
  if (const TcxContainerStyle* s = FindAssigningStyle(this, svTextColor)) return s->FTextColor;
  return GetDefaultTextColor();
}

TFontStyles TcxContainerStyle::EffectiveTextStyle() const {
  if (FDirectAccessMode) return FFont ? FFont->Style() : TFontStyles{};
  if (const TcxContainerStyle* s = FindAssigningStyle(this, svTextStyle)) return s->FTextStyle;
  return GetDefaultTextStyle();
}

bool TcxContainerStyle::TransparentBorder() const {
  if (FDirectAccessMode) return true;
  const TcxContainerStyle* main = MainStyle();
  if (const TcxContainerStyle* s = FindAssigningStyle(main, svTransparentBorder)) return s->FTransparentBorder;
  return main->GetDefaultTransparentBorder();
}

TcxLookAndFeel* TcxContainerStyle::LookAndFeel() const { return MainStyle()->FLookAndFeel; }

TFont* TcxContainerStyle::GetEffectiveFont() const {
  UpdateVisibleFont();
  return FVisibleFont;
}

void TcxContainerStyle::UpdateVisibleFont() const {
  if (TFont* font = Font()) FVisibleFont->Assign(font);
  FVisibleFont->SetColor(EffectiveTextColor());
  FVisibleFont->SetStyle(EffectiveTextStyle());
}

// --- Defaults -----------------------------------------------------------------------------------
TColor TcxContainerStyle::GetDefaultBorderColor() const {
  switch (FState) {
    case csiNormal: return clWindowFrame;
    case csiDisabled: return clBtnShadow;
    default: return MainStyle()->BorderColor();
  }
}

TcxContainerBorderStyle TcxContainerStyle::GetDefaultBorderStyle() const {
  if (FState == csiNormal) {
    switch (LookAndFeel() ? LookAndFeel()->Kind() : lfStandard) {
      case lfFlat: return cbsFlat;
      case lfStandard: return cbs3D;
      case lfUltraFlat: return cbsUltraFlat;
      case lfOffice11: return cbsOffice11;
    }
    return cbs3D;
  }
  const TcxContainerBorderStyle normal = MainStyle()->BorderStyle();
  if (FState == csiDisabled || !HotTrack()) return normal;
  return HotTrackBorderStyle(normal);
}

TColor TcxContainerStyle::GetDefaultColor() const {
  TcxContainer* container = Container();
  const bool prefersParent = !container || container->PrefersParentColor();
  switch (FState) {
    case csiNormal: return prefersParent ? clBtnFace : clWindow;
    case csiDisabled: return container && !container->PrefersParentColor() ? clBtnFace : MainStyle()->Color();
    default: return MainStyle()->Color();
  }
}

TColor TcxContainerStyle::GetDefaultTextColor() const {
  switch (FState) {
    case csiNormal: return Font() ? Font()->Color() : clWindowText;
    case csiDisabled: return clBtnShadow;
    default: return MainStyle()->TextColor();
  }
}

TFontStyles TcxContainerStyle::GetDefaultTextStyle() const {
  if (FState == csiNormal) return Font() ? Font()->Style() : TFontStyles{};
  return MainStyle()->TextStyle();
}

TcxStyleController* TcxContainerStyle::GetDefaultStyleControllerFor() const { return GetDefaultStyleController(); }

TcxContainerStyleValues TcxContainerStyle::GetUnpublishedStyleValues() const {
  return TcxContainerStyleValues{svEdges, svFont, svHotTrack, svShadow, svTransparentBorder};
}

// --- Writing values -----------------------------------------------------------------------------
template <class T>
void TcxContainerStyle::SetOwnValue(T& AField, const T& AValue, TcxContainerStyleValue ABit) {
  if (FAssignedValues.Contains(ABit) && AField == AValue) return;
  AField = AValue;
  FAssignedValues.Include(ABit);
  NotifyChanged();
}

void TcxContainerStyle::SetBorderColor(TColor Value) { SetOwnValue(FBorderColor, Value, svBorderColor); }
void TcxContainerStyle::SetBorderStyle(TcxContainerBorderStyle Value) {
  SetOwnValue(FBorderStyle, Value, svBorderStyle);
}
void TcxContainerStyle::SetColor(TColor Value) { SetOwnValue(FColor, Value, svColor); }

void TcxContainerStyle::SetTextColor(TColor Value) {
  if (FAssignedValues.Contains(svTextColor) && EffectiveTextColor() == Value) return;
  FTextColor = Value;
  FAssignedValues.Include(svTextColor);
  NotifyChanged();
}

void TcxContainerStyle::SetTextStyle(TFontStyles Value) {
  if (FAssignedValues.Contains(svTextStyle) && EffectiveTextStyle() == Value) return;
  FTextStyle = Value;
  FAssignedValues.Include(svTextStyle);
  NotifyChanged();
}

void TcxContainerStyle::SetEdges(TcxBorders Value) {
  TcxContainerStyle* main = MainStyle();
  main->SetOwnValue(main->FEdges, Value, svEdges);
}
void TcxContainerStyle::SetHotTrack(bool Value) {
  TcxContainerStyle* main = MainStyle();
  main->SetOwnValue(main->FHotTrack, Value, svHotTrack);
}
void TcxContainerStyle::SetShadow(bool Value) {
  TcxContainerStyle* main = MainStyle();
  main->SetOwnValue(main->FShadow, Value, svShadow);
}
void TcxContainerStyle::SetTransparentBorder(bool Value) {
  TcxContainerStyle* main = MainStyle();
  main->SetOwnValue(main->FTransparentBorder, Value, svTransparentBorder);
}

void TcxContainerStyle::SetFont(TFont* Value) {
  TcxContainerStyle* main = MainStyle();
  if (main->FDirectAccessMode) {
    main->FFont = Value;
    return;
  }
  if (Value) main->FFont->Assign(Value);  // the font's change event marks Font assigned
}

void TcxContainerStyle::SetLookAndFeel(TcxLookAndFeel* Value) {
  if (Value) LookAndFeel()->Assign(Value);
}

void TcxContainerStyle::SetAssignedValues(TcxContainerStyleValues Value) {
  if (FAssignedValues == Value) return;
  FAssignedValues = Value;
  if (IsMainStyle()) RefreshFont();
  NotifyChanged();
}

void TcxContainerStyle::HandleFontChange(TObject* /*Sender*/) {
  if (FFontAssignLock == 0) FAssignedValues.Include(svFont);
  NotifyChanged();
}

void TcxContainerStyle::LookAndFeelChanged(TcxLookAndFeel* /*Sender*/, TcxLookAndFeelValues /*AChangedValues*/) {
  NotifyChanged();
}

void TcxContainerStyle::RefreshFont() {
  TcxContainerStyle* main = MainStyle();
  if (main->FDirectAccessMode || main->FAssignedValues.Contains(svFont) || !main->FFont) return;
  ++main->FFontAssignLock;
  try {
    TcxStyleController* controller = main->FStyleController;
    const TcxContainerStyle* source = controller ? FindAssigningStyle(controller->Style(), svFont) : nullptr;
    TcxContainer* container = main->Container();
    if (source && source->Font())
      main->FFont->Assign(source->Font());
    else if (!container || !container->ParentFont())
      ResetFontToFresh(main->FFont);
  } catch (...) {
    --main->FFontAssignLock;
    throw;
  }
  --main->FFontAssignLock;
}

// --- Notification ---------------------------------------------------------------------------------
void TcxContainerStyle::NotifyChanged() {
  FModified = true;
  if (FUpdateCount != 0) return;
  FModified = false;
  if (!FDestroying && !FDirectAccessMode && OnChanged) OnChanged(this);
}

void TcxContainerStyle::LockUpdates() { ++FUpdateCount; }

void TcxContainerStyle::UnlockUpdates() {
  if (FUpdateCount <= 0) return;
  --FUpdateCount;
  if (FUpdateCount == 0 && FModified) NotifyChanged();
}

// --- Controller ------------------------------------------------------------------------------------
bool TcxContainerStyle::ChainLeadsTo(TcxStyleController* AController) const {
  TcxStyleController* c = AController;
  for (int depth = 0; c && depth < MaxControllerChain; ++depth) {
    if (c->Style() == this) return true;
    c = c->Style()->StyleController();
  }
  return c != nullptr;  // a chain too long to follow is refused as well
}

void TcxContainerStyle::SetStyleController(TcxStyleController* Value) {
  if (!IsMainStyle()) {
    MainStyle()->SetStyleController(Value);
    return;
  }
  TcxStyleController* defaultController = GetDefaultStyleControllerFor();
  if (defaultController && Owner() == defaultController) return;
  if (!Value) Value = defaultController;
  if (Value && ChainLeadsTo(Value)) return;
  if (Value == FStyleController) return;
  if (FStyleController) FStyleController->DetachStyle(this);
  FStyleController = Value;
  if (FStyleController) FStyleController->AttachStyle(this);
  ControllerChanged();
}

void TcxContainerStyle::ControllerChanged() {
  RefreshFont();
  NotifyChanged();
}

void TcxContainerStyle::ControllerFreed(TcxStyleController* AController) {
  if (FStyleController != AController) return;
  FStyleController = nullptr;
  if (FLookAndFeel) FLookAndFeel->SetMaster(nullptr);
  TcxStyleController* defaultController = GetDefaultStyleControllerFor();
  if (defaultController && defaultController != AController && !defaultController->IsDestroying()) {
    FStyleController = defaultController;
    defaultController->AttachStyle(this);
  }
  ControllerChanged();
}

// --- Names and publishing --------------------------------------------------------------------------
bool TcxContainerStyle::GetValueName(TcxContainerStyleValue AValue, String& AName) const {
  if (int(AValue) < 0 || int(AValue) >= cxContainerStyleValueCount) return false;
  AName = kValueNames[AValue];
  return true;
}

bool TcxContainerStyle::FindStyleValue(const String& APropertyName, TcxContainerStyleValue& AValue) const {
  for (int i = 0; i < GetValueCount(); ++i) {
    String name;
    if (GetValueName(TcxContainerStyleValue(i), name) && SameText(name, APropertyName)) {
      AValue = TcxContainerStyleValue(i);
      return true;
    }
  }
  return false;
}

bool TcxContainerStyle::IsStylePropertyPublished(const String& APropertyName) const {
  if (SameText(APropertyName, L"LookAndFeel") || SameText(APropertyName, L"StyleController")) return false;
  TcxContainerStyleValue value;
  if (!FindStyleValue(APropertyName, value)) return true;
  return !GetUnpublishedStyleValues().Contains(value);
}

bool TcxContainerStyle::IsStoredValue(TcxContainerStyleValue AValue, const wchar_t* AName) const {
  if (FDirectAccessMode || !FAssignedValues.Contains(AValue)) return false;
  if (TcxContainer* container = Container()) return container->IsStylePropertyStored(AName, !IsMainStyle());
  return IsMainStyle() || IsStylePropertyPublished(AName);
}

bool TcxContainerStyle::BorderShown() const { return IsMainStyle() ? true : MainStyle()->BorderShown(); }

void TcxContainerStyle::DefineProperties(TFiler* Filer) {
  inherited::DefineProperties(Filer);
  Filer->DefineProperty(L"IsFontAssigned", TReaderProc(this, &TcxContainerStyle::ReadIsFontAssigned),
                        TWriterProc(this, &TcxContainerStyle::WriteIsFontAssigned), IsFontStored());
}

void TcxContainerStyle::ReadIsFontAssigned(TReader* Reader) {
  if (Reader->ReadBoolean()) MainStyle()->FAssignedValues.Include(svFont);
}

void TcxContainerStyle::WriteIsFontAssigned(TWriter* Writer) { Writer->WriteBoolean(true); }

// --- Assign and reset ------------------------------------------------------------------------------
void TcxContainerStyle::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TcxContainerStyle*>(Source);
  if (!source) {
    inherited::Assign(Source);
    return;
  }
  LockUpdates();
  try {
    if (IsMainStyle() && source->IsMainStyle()) {
      SetStyleController(source->StyleController());
      if (FLookAndFeel && source->FLookAndFeel) FLookAndFeel->Assign(source->FLookAndFeel);
    }
    FBorderColor = source->FBorderColor;
    FBorderStyle = source->FBorderStyle;
    FColor = source->FColor;
    FEdges = source->FEdges;
    FHotTrack = source->FHotTrack;
    FShadow = source->FShadow;
    FTransparentBorder = source->FTransparentBorder;
    if (FDirectAccessMode) {
      FFont = source->Font();
      FTextColor = source->EffectiveTextColor();
    } else {
      if (IsMainStyle() && FFont && source->Font()) {
        ++FFontAssignLock;
        FFont->Assign(source->Font());
        if (source->FDirectAccessMode) FFont->SetColor(source->EffectiveTextColor());
        --FFontAssignLock;
      }
      FTextColor = source->EffectiveTextColor();
      FTextStyle = source->EffectiveTextStyle();
    }
    FAssignedValues = source->FDirectAccessMode ? source->AssignedValues() : source->FAssignedValues;
    NotifyChanged();
  } catch (...) {
    UnlockUpdates();
    throw;
  }
  UnlockUpdates();
}

void TcxContainerStyle::ResetToDefaults() {
  LockUpdates();
  try {
    SetAssignedValues({});
    if (IsMainStyle()) {
      if (FLookAndFeel) FLookAndFeel->ClearAssignedValues();
      if (TcxContainer* container = Container()) {
        container->SetParentColor(false);
        container->SetParentFont(true);
        TcxStyleController* controller = FStyleController;
        const bool controllerColor = controller && controller->Style()->IsValueAssigned(svColor);
        if (container->PrefersParentColor() && !controllerColor) container->SetParentColor(true);
      } else if (!FDirectAccessMode && FFont) {
        ++FFontAssignLock;
        ResetFontToFresh(FFont);
        --FFontAssignLock;
      }
    }
  } catch (...) {
    UnlockUpdates();
    throw;
  }
  UnlockUpdates();
}

// --- The style set ----------------------------------------------------------------------------------
TcxContainerStyles::TcxContainerStyles(TcxContainerStylesCreateParams* AParams) {
  if (!AParams) throw EcxContainerError(L"A style set needs its creation parameters");
  Init(AParams->Owner, AParams->StyleClass);
}

TcxContainerStyles::TcxContainerStyles(TPersistent* AOwner, TClass AStyleClass) { Init(AOwner, AStyleClass); }

void TcxContainerStyles::Init(TPersistent* AOwner, TClass AStyleClass) {
  FStyles[csiNormal] = TcxContainerStyle::CreateStyle(AStyleClass, AOwner, false, nullptr, csiNormal);
  for (int s = csiFocused; s <= csiHot; ++s)
    FStyles[s] = TcxContainerStyle::CreateStyle(AStyleClass, AOwner, false, FStyles[csiNormal],
                                                TcxContainerStateIndex(s));
}

TcxContainerStyles::~TcxContainerStyles() {
  for (int s = csiHot; s >= csiNormal; --s) {
    delete FStyles[s];
    FStyles[s] = nullptr;
  }
}

TcxContainerStyles* TcxContainerStyles::CreateStyles(TClass AStylesClass, TPersistent* AOwner, TClass AStyleClass) {
  if (!AStylesClass || !AStylesClass->InheritsFrom(StaticClass()))
    throw EcxContainerError(L"Not a container style set class");
  TcxContainerStylesCreateParams params(AOwner, AStyleClass);
  return static_cast<TcxContainerStyles*>(AStylesClass->Create(&params));
}

void TcxContainerStyles::SetOnChanged(TNotifyEvent Value) {
  for (TcxContainerStyle* s : FStyles) s->OnChanged = Value;
}

// --- The controller ---------------------------------------------------------------------------------
TcxStyleController::TcxStyleController(TComponent* AOwner) : TcxStyleController(AOwner, nullptr) {}

TcxStyleController::TcxStyleController(TComponent* AOwner, TClass AStyleClass) : TcxComponent(AOwner) {
  FStyles = new TcxContainerStyles(this, AStyleClass ? AStyleClass : TcxContainerStyle::StaticClass());
  FStyles->SetOnChanged(TNotifyEvent(this, &TcxStyleController::StyleChanged));
}

void TcxStyleController::BeforeDestruction() {
  FDestroying = true;
  inherited::BeforeDestruction();
}

TcxStyleController::~TcxStyleController() {
  FDestroying = true;
  // Every listener goes back to the default controller, last first.
  while (!FListeners.empty()) {
    TcxContainerStyle* style = FListeners.back();
    FListeners.pop_back();
    style->ControllerFreed(this);
  }
  delete FStyles;
  if (GDefaultStyleController == this) GDefaultStyleController = nullptr;
}

bool TcxStyleController::IsListening(const TcxContainerStyle* AStyle) const {
  return std::find(FListeners.begin(), FListeners.end(), AStyle) != FListeners.end();
}

void TcxStyleController::AttachStyle(TcxContainerStyle* AStyle) {
  if (!AStyle || IsListening(AStyle)) return;
  FListeners.push_back(AStyle);
  if (TcxLookAndFeel* lf = AStyle->LookAndFeel()) lf->SetMaster(Style()->LookAndFeel());
}

void TcxStyleController::DetachStyle(TcxContainerStyle* AStyle) {
  auto it = std::find(FListeners.begin(), FListeners.end(), AStyle);
  if (it == FListeners.end()) return;
  FListeners.erase(it);
  if (TcxLookAndFeel* lf = AStyle->LookAndFeel()) lf->SetMaster(nullptr);
}

void TcxStyleController::StyleChanged(TObject* /*Sender*/) { Changed(); }

void TcxStyleController::Changed() {
  if (OnStyleChanged) OnStyleChanged(this);
  if (FDestroying) return;
  // A listener that a change detaches is skipped; one attached meanwhile waits for the next change.
  const std::vector<TcxContainerStyle*> snapshot = FListeners;
  for (TcxContainerStyle* style : snapshot)
    if (IsListening(style)) style->ControllerChanged();
}

void TcxStyleController::Loaded() {
  inherited::Loaded();
  Changed();
}

void TcxStyleController::DefineProperties(TFiler* Filer) {
  inherited::DefineProperties(Filer);
  Filer->DefineProperty(L"PixelsPerInch", TReaderProc(this, &TcxStyleController::ReadPixelsPerInch),
                        TWriterProc(this, &TcxStyleController::WritePixelsPerInch), Filer->Ancestor() == nullptr);
}

void TcxStyleController::ReadPixelsPerInch(TReader* Reader) {
  FPixelsPerInch = Reader->ReadInteger();
  const int screen = ScreenPixelsPerInch();
  if (FPixelsPerInch > 0 && FPixelsPerInch != screen) {
    for (int s = csiNormal; s <= csiHot; ++s) {
      TcxContainerStyle* style = GetStyle(TcxContainerStateIndex(s));
      if (style->FAssignedValues.Contains(svFont) && style->Font())
        style->Font()->SetHeight(MulDiv(style->Font()->Height(), screen, FPixelsPerInch));
    }
  }
  Changed();
}

void TcxStyleController::WritePixelsPerInch(TWriter* Writer) { Writer->WriteInteger(ScreenPixelsPerInch()); }

int TcxStyleController::ScreenPixelsPerInch() const { return Screen ? Screen->PixelsPerInch() : 96; }

// --- Streaming --------------------------------------------------------------------------------------
using S = TcxContainerStyle;
VAMIRE_PUBLISHED(TcxContainerStyle,
                 Prop(L"AssignedValues", &S::AssignedValues, &S::SetAssignedValues).Stored(false),
                 Prop(L"BorderColor", &S::BorderColor, &S::SetBorderColor)
                     .NoDefault()
                     .Idents(&ColorIdentMapper)
                     .Stored(&S::IsBorderColorStored),
                 Prop(L"BorderStyle", &S::BorderStyle, &S::SetBorderStyle).NoDefault().Stored(&S::IsBorderStyleStored),
                 Prop(L"Color", &S::Color, &S::SetColor).NoDefault().Idents(&ColorIdentMapper).Stored(&S::IsColorStored),
                 Prop(L"Edges", &S::Edges, &S::SetEdges).NoDefault().Stored(&S::IsEdgesStored),
                 Prop(L"Font", &S::Font, nullptr).Stored(&S::IsFontStored),
                 Prop(L"HotTrack", &S::HotTrack, &S::SetHotTrack).NoDefault().Stored(&S::IsHotTrackStored),
                 Prop(L"LookAndFeel", &S::LookAndFeel, &S::SetLookAndFeel).Stored(&S::IsLookAndFeelStored),
                 Prop(L"Shadow", &S::Shadow, &S::SetShadow).NoDefault().Stored(&S::IsShadowStored),
                 Prop(L"StyleController", &S::StyleController, &S::SetStyleController)
                     .Stored(&S::IsStyleControllerStored),
                 Prop(L"TextColor", &S::TextColor, &S::SetTextColor)
                     .NoDefault()
                     .Idents(&ColorIdentMapper)
                     .Stored(&S::IsTextColorStored),
                 Prop(L"TextStyle", &S::TextStyle, &S::SetTextStyle).NoDefault().Stored(&S::IsTextStyleStored),
                 Prop(L"TransparentBorder", &S::TransparentBorder, &S::SetTransparentBorder)
                     .NoDefault()
                     .Stored(&S::IsTransparentBorderStored))

VAMIRE_PUBLISHED(TcxStyleController,
                 Prop(L"FakeStyleController", &TcxStyleController::FakeStyleController,
                      &TcxStyleController::SetFakeStyleController)
                     .Stored(false),
                 Prop(L"OnStyleChanged", &TcxStyleController::OnStyleChanged))
