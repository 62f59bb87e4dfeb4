#include "cxLookAndFeels.h"

#include <algorithm>

#include "cxLookAndFeelPainters_native_win.h"
#include "cxLookAndFeelPainters_ultraflat_win.h"
#include "dxOffice11_win.h"

namespace {

TcxLookAndFeel* GRoot = nullptr;
bool GUseSkins = true;
int GControllerCount = 0;
std::uint64_t GNextListenerSerial = 1;
TcxSystemPaletteChangedListener* GPaletteListener = nullptr;
TSystemPaletteChangedNotifier* GPaintersNotifier = nullptr;

IcxLookAndFeelListener* ListenerOf(TObject* AObject) {
  void* intf = nullptr;
  if (!AObject || !AObject->GetInterface(IcxLookAndFeelListener::IID, &intf)) return nullptr;
  return static_cast<IcxLookAndFeelListener*>(intf);
}

bool IsController(IcxLookAndFeelListener* AListener) {
  TObject* object = AListener->GetListenerObject();
  return object && object->InheritsFrom(TcxLookAndFeelController::StaticClass());
}

}  // namespace

// --- System colour changes ----------------------------------------------------------------
TcxSystemPaletteChangedNotifier::TcxSystemPaletteChangedNotifier(bool AIsPrimary) : FIsPrimary(AIsPrimary) {
  if (!GPaletteListener) GPaletteListener = new TcxSystemPaletteChangedListener();
  GPaletteListener->Add(this);
}

TcxSystemPaletteChangedNotifier::~TcxSystemPaletteChangedNotifier() {
  if (GPaletteListener && GPaletteListener->Remove(this)) {
    delete GPaletteListener;
    GPaletteListener = nullptr;
  }
}

void TcxSystemPaletteChangedNotifier::NotifyPaletteChanged() {
  if (OnPaletteChanged) OnPaletteChanged(this);
}

void TSystemPaletteChangedNotifier::NotifyPaletteChanged() { cxLookAndFeelPaintersPaletteChanged(); }

TcxSystemPaletteChangedListener::TcxSystemPaletteChangedListener() {
  FWindowHandle = AllocateHWnd(TWndMethod(this, &TcxSystemPaletteChangedListener::WndProc));
  Office11ColorsAddRef();
}

TcxSystemPaletteChangedListener::~TcxSystemPaletteChangedListener() {
  DeallocateHWnd(FWindowHandle);
  Office11ColorsRelease();
}

void TcxSystemPaletteChangedListener::Add(TcxSystemPaletteChangedNotifier* ANotifier) {
  (ANotifier->IsPrimary() ? FPrimary : FOrdinary).push_back(TEntry{ANotifier, FNextSerial++});
}

bool TcxSystemPaletteChangedListener::Remove(TcxSystemPaletteChangedNotifier* ANotifier) {
  for (std::vector<TEntry>* list : {&FPrimary, &FOrdinary})
    std::erase_if(*list, [ANotifier](const TEntry& e) { return e.Notifier == ANotifier; });
  return FPrimary.empty() && FOrdinary.empty();
}

bool TcxSystemPaletteChangedListener::IsListed(const TEntry& AEntry) const {
  // Each list is sorted by serial, as the look-and-feels' listener lists are.
  for (const std::vector<TEntry>* list : {&FPrimary, &FOrdinary}) {
    auto it = std::lower_bound(list->begin(), list->end(), AEntry.Serial,
                               [](const TEntry& e, std::uint64_t serial) { return e.Serial < serial; });
    if (it != list->end() && it->Serial == AEntry.Serial && it->Notifier == AEntry.Notifier) return true;
  }
  return false;
}

void TcxSystemPaletteChangedListener::NotifyAll() {
  Office11ColorsRefresh();
  // Copies of both lists, walked last to first; the listener itself may go
  // with the last notifier, so its presence is checked before each call.
  std::vector<TEntry> snapshot(FOrdinary.begin(), FOrdinary.end());
  snapshot.insert(snapshot.end(), FPrimary.begin(), FPrimary.end());
  for (auto it = snapshot.rbegin(); it != snapshot.rend(); ++it) {
    if (GPaletteListener != this || !IsListed(*it)) continue;
    it->Notifier->NotifyPaletteChanged();
  }
}

void TcxSystemPaletteChangedListener::WndProc(TMessage& Message) {
  Message.Result = DefWindowProcW(FWindowHandle, Message.Msg, Message.WParam, Message.LParam);
  if (Message.Msg != WM_SYSCOLORCHANGE) return;
  try {
    NotifyAll();
  } catch (...) {
    HandleCallbackException(this);
  }
}

TcxSystemPaletteChangedListener* SystemPaletteChangedListener() { return GPaletteListener; }

// --- Look-and-feel ------------------------------------------------------------------------
TcxLookAndFeel::TcxLookAndFeel(TPersistent* AOwner) : TcxLookAndFeel(AOwner, false) {}

TcxLookAndFeel::TcxLookAndFeel(TPersistent* AOwner, bool AIsRoot) : TcxInterfacedPersistent(AOwner) {
  FIsRoot = AIsRoot;
  FCurrent = FOwnValues;
  FPaletteNotifier = std::make_unique<TcxSystemPaletteChangedNotifier>(false);
  FPaletteNotifier->OnPaletteChanged = TNotifyEvent(this, &TcxLookAndFeel::PaletteChanged);
  if (!FIsRoot && GRoot) {
    GRoot->AddChangeListener(this);
    CalcCurrentState();
  }
  FCurrent.Painter = GetPainterForThemeObjects({});
}

TcxLookAndFeel::~TcxLookAndFeel() {
  if (TcxExtendedStylePainters* registry = ExtendedStylePainterRegistry()) registry->DetachListener(this);
  FPaletteNotifier.reset();
  FDestroying = true;
  const std::vector<TListenerEntry> snapshot = FChangeListeners;
  for (const TListenerEntry& entry : snapshot)
    if (IsListed(entry))
      if (IcxLookAndFeelListener* listener = ListenerOf(entry.Object)) listener->MasterDestroying(this);
  FDestroying = false;
  FChangeListeners.clear();
  if (TcxLookAndFeel* master = Master()) master->RemoveChangeListener(this);
  if (FIsRoot && GRoot == this) GRoot = nullptr;
}

bool TcxLookAndFeel::GetInterface(const TGUID& iid, void** obj) {
  return InterfaceTable<IcxLookAndFeelListener, IcxExtendedStylePaintersListener>(this, iid, obj) ||
         inherited::GetInterface(iid, obj);
}

void TcxLookAndFeel::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TcxLookAndFeel*>(Source);
  if (!source) {
    inherited::Assign(Source);
    return;
  }
  RememberState();
  FOwnValues.Kind = source->FOwnValues.Kind;
  FOwnValues.NativeStyle = source->FOwnValues.NativeStyle;
  FOwnValues.SkinName = source->FOwnValues.SkinName;
  FAssignedValues = source->FAssignedValues;
  DoSetMaster(source->Master());
  CheckStateChanges();
}

void TcxLookAndFeel::DefineProperties(TFiler* Filer) {
  inherited::DefineProperties(Filer);
  Filer->DefineProperty(L"SkinName", TReaderProc(this, &TcxLookAndFeel::ReadSkinName),
                        TWriterProc(this, &TcxLookAndFeel::WriteSkinName),
                        FAssignedValues.Contains(lfvSkinName) && FCurrent.SkinName.empty());
}

void TcxLookAndFeel::ReadSkinName(TReader* Reader) { SetSkinName(Reader->ReadString()); }
void TcxLookAndFeel::WriteSkinName(TWriter* Writer) { Writer->WriteString(FCurrent.SkinName); }

void TcxLookAndFeel::SetAssignedValues(TcxLookAndFeelValues Value) {
  if (Value == FAssignedValues) return;
  RememberState();
  FAssignedValues = Value;
  CheckStateChanges();
}

void TcxLookAndFeel::SetKind(TcxLookAndFeelKind Value) {
  const TcxLookAndFeelKind previous = FCurrent.Kind;
  FAssignedValues.Include(lfvKind);
  FOwnValues.Kind = Value;
  if (GetEffectiveKind() != previous) Changed({lfvKind});
}

void TcxLookAndFeel::SetNativeStyle(bool Value) {
  const bool previous = FCurrent.NativeStyle;
  FAssignedValues.Include(lfvNativeStyle);
  FOwnValues.NativeStyle = Value;
  if (GetEffectiveNativeStyle() != previous) Changed({lfvNativeStyle});
}

void TcxLookAndFeel::SetSkinName(const String& Value) {
  const String previous = FCurrent.SkinName;
  FAssignedValues.Include(lfvSkinName);
  FOwnValues.SkinName = Value;
  if (GetEffectiveSkinName() != previous) Changed({lfvSkinName});
}

void TcxLookAndFeel::SetPainterStyle(TcxLookAndFeelStyle AStyle) {
  SetNativeStyle(AStyle == lfsNative);
  if (!FCurrent.NativeStyle) SetKind(StyleNumberToKind(AStyle));
}

TcxLookAndFeel* TcxLookAndFeel::Master() const {
  if (FIsRoot) return nullptr;
  return FExplicitMaster ? FExplicitMaster : GRoot;
}

void TcxLookAndFeel::SetMaster(TcxLookAndFeel* Value) {
  if (FIsRoot || Value == this || Value == Master()) return;
  RememberState();
  if (DoSetMaster(Value)) CheckStateChanges();
}

bool TcxLookAndFeel::DoSetMaster(TcxLookAndFeel* Value) {
  if (FIsRoot || Value == this || Value == Master()) return false;
  // A chain that came back here would pass every change round for ever.
  for (const TcxLookAndFeel* link = Value; link; link = link->Master())
    if (link == this) return false;
  if (TcxLookAndFeel* old = Master()) old->RemoveChangeListener(this);
  FExplicitMaster = Value;
  if (TcxLookAndFeel* master = Master()) master->AddChangeListener(this);
  return true;
}

TcxCustomLookAndFeelPainterClass TcxLookAndFeel::GetPainterForThemeObjects(TdxThemedObjectTypes AKinds) const {
  if (FCurrent.NativeStyle && CanUseThemes(AKinds)) return TcxWinXPLookAndFeelPainter::Instance();
  if (FCurrentSkinPainter) return FCurrentSkinPainter;
  return GetPainterOfKind(FCurrent.Kind);
}

TcxCustomLookAndFeelPainterClass TcxLookAndFeel::GetPainterForThemeObject(TdxThemedObjectType AKind) const {
  if (FCurrent.NativeStyle && CanUseThemeKind(AKind)) return TcxWinXPLookAndFeelPainter::Instance();
  if (FCurrentSkinPainter) return FCurrentSkinPainter;
  return GetPainterOfKind(FCurrent.Kind);
}

void TcxLookAndFeel::Refresh() { Changed(cxLookAndFeelAllValues); }

bool TcxLookAndFeel::IsListed(const TListenerEntry& AEntry) const {
  // Entries are appended with growing serials and removed without reordering,
  // so the list stays sorted by serial: a root with hundreds of followers
  // checks each of them in logarithmic time while it notifies.
  auto it = std::lower_bound(FChangeListeners.begin(), FChangeListeners.end(), AEntry.Serial,
                             [](const TListenerEntry& e, std::uint64_t serial) { return e.Serial < serial; });
  return it != FChangeListeners.end() && it->Serial == AEntry.Serial && it->Object == AEntry.Object;
}

void TcxLookAndFeel::AddChangeListener(TObject* AObject) {
  IcxLookAndFeelListener* listener = ListenerOf(AObject);
  if (!listener || FDestroying) return;
  const bool controller = IsController(listener);
  if (controller && !FIsRoot) return;
  if (std::any_of(FChangeListeners.begin(), FChangeListeners.end(),
                  [AObject](const TListenerEntry& e) { return e.Object == AObject; }))
    return;
  FChangeListeners.push_back(TListenerEntry{AObject, GNextListenerSerial++});
  if (controller) ++GControllerCount;
}

void TcxLookAndFeel::RemoveChangeListener(TObject* AObject) {
  IcxLookAndFeelListener* listener = ListenerOf(AObject);
  if (!listener) return;
  auto it = std::find_if(FChangeListeners.begin(), FChangeListeners.end(),
                         [AObject](const TListenerEntry& e) { return e.Object == AObject; });
  if (it == FChangeListeners.end()) return;
  if (!FDestroying) FChangeListeners.erase(it);
  if (FIsRoot && IsController(listener) && --GControllerCount == 0) SetAssignedValues({});
}

void TcxLookAndFeel::HandleMasterChanged(TcxLookAndFeel* Sender, TcxLookAndFeelValues AChangedValues) {
  // A system colour change reaches each look-and-feel through its own notifier.
  if (Sender && Sender->FPaletteChanging) return;
  Changed(AChangedValues - FAssignedValues);
}

void TcxLookAndFeel::HandleMasterDestroying(TcxLookAndFeel* Sender) {
  if (Sender == FExplicitMaster) SetMaster(nullptr);
}

void TcxLookAndFeel::MasterChanged(TcxLookAndFeel* Sender, TcxLookAndFeelValues AChangedValues) {
  HandleMasterChanged(Sender, AChangedValues);
}

void TcxLookAndFeel::MasterDestroying(TcxLookAndFeel* Sender) { HandleMasterDestroying(Sender); }

void TcxLookAndFeel::PainterChanged(TcxCustomLookAndFeelPainterClass) { Changed(cxLookAndFeelAllValues); }

void TcxLookAndFeel::CalcCurrentState() {
  FCurrent.Kind = GetEffectiveKind();
  FCurrent.NativeStyle = GetEffectiveNativeStyle();
  FCurrent.SkinName = GetEffectiveSkinName();
  FCurrent.UseSkins = GUseSkins;
  FCurrentSkinPainter = FCurrent.NativeStyle ? nullptr : GetEffectiveSkinPainter();
}

TcxLookAndFeelKind TcxLookAndFeel::GetEffectiveKind() const {
  if (FAssignedValues.Contains(lfvKind)) return FOwnValues.Kind;
  const TcxLookAndFeel* master = Master();
  return master ? master->FCurrent.Kind : lfUltraFlat;
}

bool TcxLookAndFeel::GetEffectiveNativeStyle() const {
  if (FAssignedValues.Contains(lfvNativeStyle)) return FOwnValues.NativeStyle;
  const TcxLookAndFeel* master = Master();
  return master ? master->FCurrent.NativeStyle : true;
}

String TcxLookAndFeel::GetEffectiveSkinName() const {
  if (FAssignedValues.Contains(lfvSkinName)) return FOwnValues.SkinName;
  const TcxLookAndFeel* master = Master();
  return master ? master->FCurrent.SkinName : String();
}

TcxCustomLookAndFeelPainterClass TcxLookAndFeel::GetEffectiveSkinPainter() const {
  TcxCustomLookAndFeelPainterClass painter = nullptr;
  if (FAssignedValues.Contains(lfvSkinName)) LookupSkinPainter(FOwnValues.SkinName, painter);
  else if (const TcxLookAndFeel* master = Master()) master->LookupSkinPainter(master->FCurrent.SkinName, painter);
  return painter;
}

bool TcxLookAndFeel::LookupSkinPainter(const String& AName, TcxCustomLookAndFeelPainterClass& APainter) const {
  APainter = nullptr;
  const TcxExtendedStylePainters* registry = ExtendedStylePainterRegistry();
  TcxCustomLookAndFeelPainterClass found = nullptr;
  const bool result = !AName.empty() && registry && registry->FindPainterByName(AName, found);
  if (result && GUseSkins) APainter = found;
  return result;
}

void TcxLookAndFeel::PaletteChanged(TObject*) { HandleSystemPaletteChanged(); }

void TcxLookAndFeel::HandleSystemPaletteChanged() {
  FPaletteChanging = true;
  try {
    Changed({lfvNativeStyle});
  } catch (...) {
    FPaletteChanging = false;
    throw;
  }
  FPaletteChanging = false;
}

void TcxLookAndFeel::Changed(TcxLookAndFeelValues AChangedValues) {
  if ((AChangedValues.Empty() && FCurrent.UseSkins == GUseSkins) || FDestroying) return;
  CalcCurrentState();
  FCurrent.Painter = GetPainterForThemeObjects({});
  if (TcxExtendedStylePainters* registry = ExtendedStylePainterRegistry()) {
    if (FCurrentSkinPainter) registry->AttachListener(this);
    else registry->DetachListener(this);
  }
  const std::vector<TListenerEntry> snapshot = FChangeListeners;
  for (const TListenerEntry& entry : snapshot)
    if (IsListed(entry))
      if (IcxLookAndFeelListener* listener = ListenerOf(entry.Object)) listener->MasterChanged(this, AChangedValues);
  if (OnChanged) OnChanged(this, AChangedValues);
}

void TcxLookAndFeel::RememberState() {
  FPrevious.Kind = FCurrent.Kind;
  FPrevious.NativeStyle = FCurrent.NativeStyle;
  FPrevious.SkinName = FCurrent.SkinName;
}

void TcxLookAndFeel::CheckStateChanges() {
  TcxLookAndFeelValues changed;
  if (GetEffectiveKind() != FPrevious.Kind) changed.Include(lfvKind);
  if (GetEffectiveNativeStyle() != FPrevious.NativeStyle) changed.Include(lfvNativeStyle);
  if (GetEffectiveSkinName() != FPrevious.SkinName) changed.Include(lfvSkinName);
  Changed(changed);
}

VAMIRE_PUBLISHED(TcxLookAndFeel,
                 Prop(L"AssignedValues", &TcxLookAndFeel::AssignedValues, &TcxLookAndFeel::SetAssignedValues)
                     .Stored(false),
                 Prop(L"Kind", &TcxLookAndFeel::Kind, &TcxLookAndFeel::SetKind)
                     .NoDefault()
                     .Stored(&TcxLookAndFeel::StoreKind),
                 Prop(L"NativeStyle", &TcxLookAndFeel::NativeStyle, &TcxLookAndFeel::SetNativeStyle)
                     .NoDefault()
                     .Stored(&TcxLookAndFeel::StoreNativeStyle),
                 Prop(L"SkinName", &TcxLookAndFeel::SkinName, &TcxLookAndFeel::SetSkinName)
                     .Stored(&TcxLookAndFeel::StoreSkinName))

TcxLookAndFeel* GlobalRootLookAndFeel() { return GRoot; }
bool cxUseSkins() { return GUseSkins; }
void SetcxUseSkins(bool Value) { GUseSkins = Value; }

TcxCustomLookAndFeelPainterClass GetPainterOfKind(TcxLookAndFeelKind AKind) {
  switch (AKind) {
    case lfFlat: return TcxFlatLookAndFeelPainter::Instance();
    case lfStandard: return TcxStandardLookAndFeelPainter::Instance();
    case lfOffice11: return TcxOffice11LookAndFeelPainter::Instance();
    default: return TcxUltraFlatLookAndFeelPainter::Instance();
  }
}

// --- Controller ---------------------------------------------------------------------------
TcxLookAndFeelController::TcxLookAndFeelController(TComponent* AOwner) : TComponent(AOwner) {
  if (GRoot) GRoot->AddChangeListener(this);
}

TcxLookAndFeelController::~TcxLookAndFeelController() {
  if (GRoot) GRoot->RemoveChangeListener(this);
}

bool TcxLookAndFeelController::GetInterface(const TGUID& iid, void** obj) {
  return InterfaceTable<IcxLookAndFeelListener>(this, iid, obj) || inherited::GetInterface(iid, obj);
}

TcxLookAndFeelKind TcxLookAndFeelController::Kind() const { return GRoot ? GRoot->Kind() : lfUltraFlat; }
void TcxLookAndFeelController::SetKind(TcxLookAndFeelKind Value) {
  if (GRoot) GRoot->SetKind(Value);
}
bool TcxLookAndFeelController::NativeStyle() const { return GRoot ? GRoot->NativeStyle() : true; }
void TcxLookAndFeelController::SetNativeStyle(bool Value) {
  if (GRoot) GRoot->SetNativeStyle(Value);
}
String TcxLookAndFeelController::SkinName() const { return GRoot ? GRoot->SkinName() : String(); }
void TcxLookAndFeelController::SetSkinName(const String& Value) {
  if (GRoot) GRoot->SetSkinName(Value);
}

void TcxLookAndFeelController::ResetToDefaults() {
  SetKind(lfUltraFlat);
  SetNativeStyle(true);
  SetSkinName(String());
}

VAMIRE_PUBLISHED(TcxLookAndFeelController,
                 Prop(L"Kind", &TcxLookAndFeelController::Kind, &TcxLookAndFeelController::SetKind)
                     .Default(int64_t(lfUltraFlat)),
                 Prop(L"NativeStyle", &TcxLookAndFeelController::NativeStyle,
                      &TcxLookAndFeelController::SetNativeStyle)
                     .Default(int64_t(1)),
                 Prop(L"SkinName", &TcxLookAndFeelController::SkinName, &TcxLookAndFeelController::SetSkinName))

int cxLookAndFeelControllerCount() { return GControllerCount; }

// --- Unit ---------------------------------------------------------------------------------
void cxLookAndFeels_Initialize() {
  GUseSkins = true;
  GControllerCount = 0;
  GRoot = new TcxLookAndFeel(nullptr, true);
  GPaintersNotifier = new TSystemPaletteChangedNotifier();
  RegisterClasses({TcxLookAndFeelController::StaticClass()});
}

void cxLookAndFeels_Finalize() {
  UnRegisterClasses({TcxLookAndFeelController::StaticClass()});
  delete GPaintersNotifier;
  GPaintersNotifier = nullptr;
  delete GRoot;
  GRoot = nullptr;
}

const TUnitEntry cxLookAndFeelsUnit{L"cxLookAndFeels", cxLookAndFeels_Initialize, cxLookAndFeels_Finalize};
