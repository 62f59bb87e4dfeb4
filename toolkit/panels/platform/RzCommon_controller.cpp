// The frame controller, the settings component and the unit that starts the
// panel library.
#include <algorithm>

#include "IniFiles.h"
#include "PropText.h"
#include "Registry.h"
#include "RzCommon_win.h"
#include "SysUtils.h"

// --- TRzFrameController -------------------------------------------------------------------
TRzFrameController::TRzFrameController(TComponent* AOwner) : TComponent(AOwner) {}

TRzFrameController::~TRzFrameController() {
  for (TControl* control : FControls) control->RemoveFreeNotification(this);
}

void TRzFrameController::AttachControl(TControl* Control) {
  if (!Control || IsAttached(Control)) return;
  FControls.push_back(Control);
  // An attached control freed without detaching must not stay in the list.
  Control->FreeNotification(this);
  PushPropertiesToControl(Control, fcpAll);
}

void TRzFrameController::DetachControl(TControl* Control) {
  auto it = std::find(FControls.begin(), FControls.end(), Control);
  if (it == FControls.end()) return;
  FControls.erase(it);
  Control->RemoveFreeNotification(this);
}

bool TRzFrameController::IsAttached(TControl* Control) const {
  return std::find(FControls.begin(), FControls.end(), Control) != FControls.end();
}

void TRzFrameController::UnlockUpdates() {
  if (--FUpdateCount > 0) return;
  FUpdateCount = 0;
  PushPropertyToControls(fcpAll);
}

void TRzFrameController::Loaded() {
  TComponent::Loaded();
  PushPropertyToControls(fcpAll);
}

void TRzFrameController::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FRegIniFile) FRegIniFile = nullptr;
  FControls.erase(std::remove(FControls.begin(), FControls.end(), AComponent), FControls.end());
}

void TRzFrameController::PushPropertyToControls(TRzFrameControllerProperty Property) {
  if (FUpdateCount > 0 || FControls.empty()) return;
  // A control may detach (or go) while it is updated: walk a copy.
  const std::vector<TControl*> controls(FControls);
  for (TControl* control : controls)
    if (IsAttached(control)) PushPropertiesToControl(control, Property);
}

void TRzFrameController::CopyPropertyTo(TControl* Control, TRzFrameControllerProperty Property) {
  const wchar_t* name = FrameControllerPropertyName(Property);
  String text;
  if (!GetPropText(this, name, text)) return;
  try {
    SetPropText(Control, name, text);
  } catch (const EConvertError&) {
    // The control's property of that name takes no such value: left as it was.
  }
}

void TRzFrameController::PushPropertiesToControl(TComponent* Control, TRzFrameControllerProperty Property) {
  auto* control = dynamic_cast<TControl*>(Control);
  if (!control) return;
  IFrameControllerClient* client = nullptr;
  if (Supports<IFrameControllerClient>(control, client)) {
    client->FrameControllerChanged();
    return;
  }
  TRzFrameControllerNotifications mask = AllFrameControllerNotifications();
  if (const TPropInfo* p = FindPublished(control->ClassType(), L"FrameControllerNotifications");
      p && p->Kind == pkSet)
    mask = TPublishedEntry::BitsToSet<TRzFrameControllerProperty, 16>(p->GetOrd(control));
  if (Property != fcpAll) {
    if (mask.Contains(Property)) CopyPropertyTo(control, Property);
    return;
  }
  static const TRzFrameControllerProperty order[] = {
      fcpParentColor, fcpColor, fcpDisabledColor, fcpReadOnlyColor, fcpReadOnlyColorOnFocus, fcpFocusColor,
      fcpFlatButtonColor, fcpFlatButtons, fcpFrameColor, fcpFrameHotColor, fcpFrameHotTrack, fcpFrameHotStyle,
      fcpFrameSides, fcpFrameStyle, fcpFrameVisible, fcpFramingPreference};
  for (TRzFrameControllerProperty p : order) {
    if (p == fcpColor && FParentColor) continue;
    if (mask.Contains(p)) CopyPropertyTo(control, p);
  }
}

namespace {
template <class T>
bool Changed(T& Field, const T& Value) {
  if (Field == Value) return false;
  Field = Value;
  return true;
}
}  // namespace

void TRzFrameController::SetColor(TColor Value) {
  const TColor old = FColor;
  if (!Changed(FColor, Value)) return;
  if (FFocusColor == old) SetFocusColor(Value);
  SetParentColor(false);
  PushPropertyToControls(fcpColor);
}

void TRzFrameController::SetParentColor(bool Value) {
  if (!Changed(FParentColor, Value)) return;
  PushPropertyToControls(fcpParentColor);
  if (!Value) PushPropertyToControls(fcpColor);
}

void TRzFrameController::SetFlatButtonColor(TColor Value) {
  if (Changed(FFlatButtonColor, Value)) PushPropertyToControls(fcpFlatButtonColor);
}

void TRzFrameController::SetFlatButtons(bool Value) {
  if (Changed(FFlatButtons, Value)) PushPropertyToControls(fcpFlatButtons);
}

void TRzFrameController::SetDisabledColor(TColor Value) {
  if (Changed(FDisabledColor, Value)) PushPropertyToControls(fcpDisabledColor);
}

void TRzFrameController::SetReadOnlyColor(TColor Value) {
  if (Changed(FReadOnlyColor, Value)) PushPropertyToControls(fcpReadOnlyColor);
}

void TRzFrameController::SetReadOnlyColorOnFocus(bool Value) {
  if (Changed(FReadOnlyColorOnFocus, Value)) PushPropertyToControls(fcpReadOnlyColorOnFocus);
}

void TRzFrameController::SetFocusColor(TColor Value) {
  if (Changed(FFocusColor, Value)) PushPropertyToControls(fcpFocusColor);
}

void TRzFrameController::SetFrameColor(TColor Value) {
  if (Changed(FFrameColor, Value)) PushPropertyToControls(fcpFrameColor);
}

void TRzFrameController::SetFrameHotColor(TColor Value) {
  if (Changed(FFrameHotColor, Value)) PushPropertyToControls(fcpFrameHotColor);
}

void TRzFrameController::SetFrameHotTrack(bool Value) {
  if (Value == FFrameHotTrack) return;
  if (Value) {
    SetFrameVisible(true);
    if (!ComponentState().Contains(csLoading)) SetFrameSides(sdAllSides);
  }
  FFrameHotTrack = Value;
  PushPropertyToControls(fcpFrameHotTrack);
}

void TRzFrameController::SetFrameHotStyle(TFrameStyle Value) {
  RzCheckFrameStyle(Value);
  if (Changed(FFrameHotStyle, Value)) PushPropertyToControls(fcpFrameHotStyle);
}

void TRzFrameController::SetFrameSides(TSides Value) {
  if (Changed(FFrameSides, Value)) PushPropertyToControls(fcpFrameSides);
}

void TRzFrameController::SetFrameStyle(TFrameStyle Value) {
  RzCheckFrameStyle(Value);
  if (Changed(FFrameStyle, Value)) PushPropertyToControls(fcpFrameStyle);
}

void TRzFrameController::SetFrameVisible(bool Value) {
  if (Changed(FFrameVisible, Value)) PushPropertyToControls(fcpFrameVisible);
}

void TRzFrameController::SetFramingPreference(TFramingPreference Value) {
  if (Changed(FFramingPreference, Value)) PushPropertyToControls(fcpFramingPreference);
}

void TRzFrameController::SetRegIniFile(TRzRegIniFile* Value) {
  if (Value == FRegIniFile) return;
  if (FRegIniFile) FRegIniFile->RemoveFreeNotification(this);
  FRegIniFile = Value;
  if (Value) Value->FreeNotification(this);
}

void TRzFrameController::Assign(TPersistent* Source) {
  auto* other = dynamic_cast<TRzFrameController*>(Source);
  if (!other) {
    TComponent::Assign(Source);
    return;
  }
  LockUpdates();
  try {
    SetColor(other->FColor);
    SetParentColor(other->FParentColor);
    SetFlatButtonColor(other->FFlatButtonColor);
    SetFlatButtons(other->FFlatButtons);
    SetDisabledColor(other->FDisabledColor);
    SetReadOnlyColor(other->FReadOnlyColor);
    SetReadOnlyColorOnFocus(other->FReadOnlyColorOnFocus);
    SetFocusColor(other->FFocusColor);
    SetFrameColor(other->FFrameColor);
    SetFrameHotColor(other->FFrameHotColor);
    SetFrameHotTrack(other->FFrameHotTrack);
    SetFrameHotStyle(other->FFrameHotStyle);
    SetFrameSides(other->FFrameSides);
    SetFrameStyle(other->FFrameStyle);
    SetFrameVisible(other->FFrameVisible);
    SetFramingPreference(other->FFramingPreference);
  } catch (...) {
    UnlockUpdates();
    throw;
  }
  UnlockUpdates();
}

void TRzFrameController::DefineProperties(TFiler* Filer) {
  TComponent::DefineProperties(Filer);
  Filer->DefineProperty(L"FrameFlat", TReaderProc(this, &TRzFrameController::ReadFrameFlat), nullptr, false);
  Filer->DefineProperty(L"FrameFocusStyle", TReaderProc(this, &TRzFrameController::ReadFrameFocusStyle), nullptr,
                        false);
  Filer->DefineProperty(L"FrameFlatStyle", OldPropReader().IdentReader(), nullptr, false);
}

void TRzFrameController::ReadFrameFlat(TReader* Reader) {
  const bool flat = Reader->ReadBoolean();
  SetFrameHotTrack(flat);
  if (flat) {
    SetFrameStyle(fsStatus);
    SetFrameHotStyle(fsLowered);
  }
}

void TRzFrameController::ReadFrameFocusStyle(TReader* Reader) {
  const int style = FrameStyleNames().IndexOf(Reader->ReadIdent());
  if (style < 0) throw EReadError(LoadResString(&SInvalidPropertyValue));
  SetFrameHotStyle(TFrameStyle(style));
}

VAMIRE_PUBLISHED(TRzFrameController,
                 Prop(L"Color", &TRzFrameController::Color, &TRzFrameController::SetColor).Idents(&ColorIdentMapper).Default(clWindow).Stored(&TRzFrameController::IsColorStored),
                 Prop(L"DisabledColor", &TRzFrameController::DisabledColor, &TRzFrameController::SetDisabledColor).Idents(&ColorIdentMapper).Default(clBtnFace),
                 Prop(L"ReadOnlyColor", &TRzFrameController::ReadOnlyColor, &TRzFrameController::SetReadOnlyColor).Idents(&ColorIdentMapper).Default(clInfoBk),
                 Prop(L"ReadOnlyColorOnFocus", &TRzFrameController::ReadOnlyColorOnFocus, &TRzFrameController::SetReadOnlyColorOnFocus).Default(false),
                 Prop(L"FlatButtonColor", &TRzFrameController::FlatButtonColor, &TRzFrameController::SetFlatButtonColor).Idents(&ColorIdentMapper).Default(clBtnFace),
                 Prop(L"FlatButtons", &TRzFrameController::FlatButtons, &TRzFrameController::SetFlatButtons).Default(true),
                 Prop(L"FocusColor", &TRzFrameController::FocusColor, &TRzFrameController::SetFocusColor).Idents(&ColorIdentMapper).Default(clWindow),
                 Prop(L"FrameColor", &TRzFrameController::FrameColor, &TRzFrameController::SetFrameColor).Idents(&ColorIdentMapper).Default(clBtnShadow),
                 Prop(L"FrameHotColor", &TRzFrameController::FrameHotColor, &TRzFrameController::SetFrameHotColor).Idents(&ColorIdentMapper).Default(clBtnShadow),
                 FrameStyleProp(Prop(L"FrameHotStyle", &TRzFrameController::FrameHotStyle, &TRzFrameController::SetFrameHotStyle).Default(fsFlatBold)),
                 Prop(L"FrameHotTrack", &TRzFrameController::FrameHotTrack, &TRzFrameController::SetFrameHotTrack).Default(false),
                 Prop(L"FrameSides", &TRzFrameController::FrameSides, &TRzFrameController::SetFrameSides).Default(sdAllSides),
                 FrameStyleProp(Prop(L"FrameStyle", &TRzFrameController::FrameStyle, &TRzFrameController::SetFrameStyle).Default(fsFlat)),
                 Prop(L"FrameVisible", &TRzFrameController::FrameVisible, &TRzFrameController::SetFrameVisible).Default(false),
                 Prop(L"FramingPreference", &TRzFrameController::FramingPreference, &TRzFrameController::SetFramingPreference).Default(fpXPThemes),
                 Prop(L"ParentColor", &TRzFrameController::ParentColor, &TRzFrameController::SetParentColor).Default(false),
                 Prop(L"RegIniFile", &TRzFrameController::RegIniFile, &TRzFrameController::SetRegIniFile))

void SwitchFrameController(TControl* Client, TRzFrameController*& Field, TRzFrameController* Value) {
  if (Value == Field) return;
  if (Field) {
    Field->DetachControl(Client);
    Field->RemoveFreeNotification(Client);
  }
  Field = Value;
  if (Value) {
    Value->FreeNotification(Client);
    Value->AttachControl(Client);
  }
}

// --- TRzRegIniFile ------------------------------------------------------------------------
TRzRegIniFile::~TRzRegIniFile() {
  delete FIniFile;
  delete FRegistry;
}

template <class T>
void TRzRegIniFile::Store(T& Field, const T& Value) {
  if (Field == Value) return;
  Field = Value;
  FRebuildStorage = true;
}

void TRzRegIniFile::SetPath(const String& Value) { Store(FPath, Value); }
void TRzRegIniFile::SetPathType(TRzPathType Value) { Store(FPathType, Value); }
void TRzRegIniFile::SetRegKey(TRzRegKey Value) { Store(FRegKey, Value); }
void TRzRegIniFile::SetRegAccess(TRzRegAccess Value) { Store(FRegAccess, Value); }
void TRzRegIniFile::SetSpecialFolder(TRzSpecialFolder Value) { Store(FSpecialFolder, Value); }
void TRzRegIniFile::SetFileEncoding(TRzIniFileEncoding Value) { Store(FFileEncoding, Value); }

VAMIRE_PUBLISHED(TRzRegIniFile,
                 Prop(L"Path", &TRzRegIniFile::Path, &TRzRegIniFile::SetPath),
                 Prop(L"PathType", &TRzRegIniFile::PathType, &TRzRegIniFile::SetPathType).Default(ptIniFile),
                 Prop(L"RegKey", &TRzRegIniFile::RegKey, &TRzRegIniFile::SetRegKey).Default(hkeyCurrentUser),
                 Prop(L"RegAccess", &TRzRegIniFile::RegAccess, &TRzRegIniFile::SetRegAccess).Default(TRzRegAccess{keyAllAccess}),
                 Prop(L"SpecialFolder", &TRzRegIniFile::SpecialFolder, &TRzRegIniFile::SetSpecialFolder).Default(sfNone),
                 Prop(L"FileEncoding", &TRzRegIniFile::FileEncoding, &TRzRegIniFile::SetFileEncoding).Default(feDefault))

// --- Unit ---------------------------------------------------------------------------------
namespace {

int gStartCount = 0;

std::uint32_t SystemColor(int Index) { return GetSysColor(Index); }

// Read-only: probing the scheme never makes a key.
String RegistrySchemeName() {
  TRegistry registry(KEY_READ);
  if (!registry.OpenKeyReadOnly(L"\\Software\\Microsoft\\Windows\\CurrentVersion\\ThemeManager")) return String();
  return registry.ReadString(L"ColorName");
}

void InitRzCommon() {
  if (gStartCount++ == 0) {
    SetSystemColorReader(&SystemColor);
    SetColorSchemeNameReader(&RegistrySchemeName);
    HDC screen = GetDC(nullptr);
    SetScreenHasFullColor(GetDeviceCaps(screen, NUMCOLORS) == -1);
    ReleaseDC(nullptr, screen);
    SetXpColorScheme(ProbeXpColorScheme());
  }
  RegisterClasses({TRzFrameController::StaticClass(), TRzRegIniFile::StaticClass()});
}

void DoneRzCommon() {
  if (gStartCount > 0) --gStartCount;
  UnRegisterClasses({TRzFrameController::StaticClass(), TRzRegIniFile::StaticClass()});
  // Panes not freed by now leave the clock behind: it goes quietly with the unit.
  FreeBlinkClock();
}

}  // namespace

const TUnitEntry RzCommonUnit = {L"RzCommon", &InitRzCommon, &DoneRzCommon};
