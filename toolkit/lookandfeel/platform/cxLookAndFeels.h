// Look-and-feel settings: every toolkit control asks its TcxLookAndFeel which
// painter draws it. Kind, NativeStyle and SkinName are each assigned locally
// or inherited from a master, up a chain that ends at the one root
// look-and-feel, which a TcxLookAndFeelController on a form edits. Every
// change is pushed down the chain and reported to the owning control, which
// recalculates and invalidates (it never paints from the notification).
//
// The unit also owns the process-wide watcher of system colour changes, on
// which the look-and-feels, the Office colour set and the radio-button images
// rely.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "Classes.h"
#include "HiddenWindow.h"
#include "Streaming.h"
#include "Units.h"
#include "cxClasses.h"
#include "cxLookAndFeelPainters_win.h"
#include "dxThemeManager.h"

VAMIRE_ENUM_NAMES(TcxLookAndFeelKind, L"lfFlat", L"lfStandard", L"lfUltraFlat", L"lfOffice11")

enum TcxLookAndFeelValue { lfvKind, lfvNativeStyle, lfvSkinName };
VAMIRE_ENUM_NAMES(TcxLookAndFeelValue, L"lfvKind", L"lfvNativeStyle", L"lfvSkinName")
using TcxLookAndFeelValues = TSet<TcxLookAndFeelValue, 3>;
constexpr TcxLookAndFeelValues cxLookAndFeelAllValues{lfvKind, lfvNativeStyle, lfvSkinName};

struct TcxLookAndFeelData {
  TcxLookAndFeelKind Kind = lfUltraFlat;
  bool NativeStyle = true;
  String SkinName;
  TcxCustomLookAndFeelPainterClass Painter = nullptr;
  bool UseSkins = true;
};

class TcxLookAndFeel;
using TcxLookAndFeelChangedEvent = TMethod<void(TcxLookAndFeel* Sender, TcxLookAndFeelValues AChangedValues)>;

// What depends on a look-and-feel: the look-and-feels whose master it is,
// and (of the root only) the controllers.
class IcxLookAndFeelListener : public virtual IInterface {
  VAMIRE_INTERFACE(IcxLookAndFeelListener, IInterface, "{5C1A2E07-8B3D-4F61-9E24-D7A0C3B81F56}")
 public:
  virtual TObject* GetListenerObject() = 0;
  virtual void MasterChanged(TcxLookAndFeel* Sender, TcxLookAndFeelValues AChangedValues) = 0;
  virtual void MasterDestroying(TcxLookAndFeel* Sender) = 0;
};

// --- System colour changes ----------------------------------------------------------------
// Told of every system colour change for its lifetime. Primary notifiers (the
// painters' own, the page control's) hear of it before the ordinary ones.
class TcxSystemPaletteChangedNotifier : public TObject {
  VAMIRE_CLASS(TcxSystemPaletteChangedNotifier, TObject)
 public:
  explicit TcxSystemPaletteChangedNotifier(bool AIsPrimary = false);
  ~TcxSystemPaletteChangedNotifier() override;
  bool IsPrimary() const { return FIsPrimary; }
  // Calls OnPaletteChanged when assigned.
  virtual void NotifyPaletteChanged();

  TNotifyEvent OnPaletteChanged;

 private:
  bool FIsPrimary;
};

// The painters' primary notifier: rebuilds the radio-button images.
class TSystemPaletteChangedNotifier : public TcxSystemPaletteChangedNotifier {
  VAMIRE_CLASS(TSystemPaletteChangedNotifier, TcxSystemPaletteChangedNotifier)
 public:
  TSystemPaletteChangedNotifier() : TcxSystemPaletteChangedNotifier(true) {}
  void NotifyPaletteChanged() override;
};

// One hidden window that hears WM_SYSCOLORCHANGE, with the notifiers it
// tells. It exists while any notifier does and holds a reference on the
// Office colour set meanwhile. On a change it refreshes the Office colours,
// then tells the primary notifiers and then the ordinary ones, each list from
// its last notifier to its first; a notifier freed meanwhile is skipped, one
// made meanwhile is not told this time.
class TcxSystemPaletteChangedListener : public TObject {
  VAMIRE_CLASS(TcxSystemPaletteChangedListener, TObject)
 public:
  TcxSystemPaletteChangedListener();
  ~TcxSystemPaletteChangedListener() override;
  HWND Handle() const { return FWindowHandle; }
  int NotifierCount() const { return int(FPrimary.size() + FOrdinary.size()); }

 private:
  friend class TcxSystemPaletteChangedNotifier;
  struct TEntry {
    TcxSystemPaletteChangedNotifier* Notifier;
    std::uint64_t Serial;
  };
  void Add(TcxSystemPaletteChangedNotifier* ANotifier);
  // True when no notifier is left.
  bool Remove(TcxSystemPaletteChangedNotifier* ANotifier);
  bool IsListed(const TEntry& AEntry) const;
  void NotifyAll();
  void WndProc(TMessage& Message);

  HWND FWindowHandle = nullptr;
  std::vector<TEntry> FPrimary, FOrdinary;
  std::uint64_t FNextSerial = 1;
};

// The listener while any notifier exists, else null.
TcxSystemPaletteChangedListener* SystemPaletteChangedListener();

// --- Look-and-feel ------------------------------------------------------------------------
class TcxLookAndFeel : public TcxInterfacedPersistent,
                       public IcxLookAndFeelListener,
                       public IcxExtendedStylePaintersListener {
  VAMIRE_CLASS(TcxLookAndFeel, TcxInterfacedPersistent)
 public:
  // Attaches itself to the root (when there is one) and computes its state.
  // Classes that answer the effective values differently recompute in their
  // own constructor (Refresh): the base's run before they exist.
  explicit TcxLookAndFeel(TPersistent* AOwner);
  ~TcxLookAndFeel() override;

  bool GetInterface(const TGUID& iid, void** obj) override;
  // From another look-and-feel: its assigned values and its master.
  void Assign(TPersistent* Source) override;
  // "SkinName" once more when an empty name is assigned, so it survives a stream.
  void DefineProperties(TFiler* Filer) override;

  // The values assigned locally; the others come from the master.
  TcxLookAndFeelValues AssignedValues() const { return FAssignedValues; }
  void SetAssignedValues(TcxLookAndFeelValues Value);
  void ClearAssignedValues() { SetAssignedValues({}); }
  // The effective (current) values; the setters assign them locally.
  TcxLookAndFeelKind Kind() const { return FCurrent.Kind; }
  void SetKind(TcxLookAndFeelKind Value);
  bool NativeStyle() const { return FCurrent.NativeStyle; }
  void SetNativeStyle(bool Value);
  const String& SkinName() const { return FCurrent.SkinName; }
  // Compared case-sensitively, though skins are found ignoring case.
  void SetSkinName(const String& Value);
  // Painter style numbers: lfsNative sets NativeStyle; the others, while
  // NativeStyle is then off, the kind.
  void SetPainterStyle(TcxLookAndFeelStyle AStyle);

  // The explicit master, else the root; null for the root itself. A master
  // whose chain leads back to this look-and-feel is refused.
  TcxLookAndFeel* Master() const;
  void SetMaster(TcxLookAndFeel* Value);

  // The painter in force (computed at the last change).
  TcxCustomLookAndFeelPainterClass Painter() const { return FCurrent.Painter; }
  // The native painter when NativeStyle is on and themes are usable for every
  // kind given (none given: themes active and the library loaded); else the
  // skin painter; else the painter of the kind.
  TcxCustomLookAndFeelPainterClass GetPainterForThemeObjects(TdxThemedObjectTypes AKinds) const;
  TcxCustomLookAndFeelPainterClass GetPainterForThemeObject(TdxThemedObjectType AKind) const;
  // The skin painter of the effective SkinName while NativeStyle is off and skins are used; else null.
  TcxCustomLookAndFeelPainterClass CurrentSkinPainter() const { return FCurrentSkinPainter; }
  const TcxLookAndFeelData& Current() const { return FCurrent; }
  bool IsRoot() const { return FIsRoot; }
  // Reports all three values as changed.
  void Refresh();

  // Objects with IcxLookAndFeelListener that follow this one; a controller
  // only on the root. Adding twice or removing what is not there does nothing.
  void AddChangeListener(TObject* AObject);
  void RemoveChangeListener(TObject* AObject);
  int ChangeListenerCount() const { return int(FChangeListeners.size()); }

  // A change of the master: the values not assigned here change here too.
  void HandleMasterChanged(TcxLookAndFeel* Sender, TcxLookAndFeelValues AChangedValues);
  // The master goes: the root becomes the master.
  void HandleMasterDestroying(TcxLookAndFeel* Sender);

  TcxLookAndFeelChangedEvent OnChanged;

  // IcxLookAndFeelListener, IcxExtendedStylePaintersListener
  TObject* GetListenerObject() override { return this; }
  void MasterChanged(TcxLookAndFeel* Sender, TcxLookAndFeelValues AChangedValues) override;
  void MasterDestroying(TcxLookAndFeel* Sender) override;
  void PainterChanged(TcxCustomLookAndFeelPainterClass APainter) override;

  // Streaming: a value is stored only while it is assigned.
  bool StoreKind() const { return FAssignedValues.Contains(lfvKind); }
  bool StoreNativeStyle() const { return FAssignedValues.Contains(lfvNativeStyle); }
  bool StoreSkinName() const { return FAssignedValues.Contains(lfvSkinName); }

 protected:
  virtual void CalcCurrentState();
  virtual TcxLookAndFeelKind GetEffectiveKind() const;
  virtual bool GetEffectiveNativeStyle() const;
  virtual String GetEffectiveSkinName() const;
  virtual TcxCustomLookAndFeelPainterClass GetEffectiveSkinPainter() const;
  // True when the name is not empty and a painter is filed under it (any
  // letter case); APainter is that painter, or null while skins are not used.
  virtual bool LookupSkinPainter(const String& AName, TcxCustomLookAndFeelPainterClass& APainter) const;
  virtual void HandleSystemPaletteChanged();
  // Recomputes, then tells the listeners and OnChanged; an empty set does
  // nothing unless the global UseSkins flag moved since the last computation.
  void Changed(TcxLookAndFeelValues AChangedValues);

 private:
  friend void cxLookAndFeels_Initialize();
  struct TListenerEntry {
    TObject* Object;
    std::uint64_t Serial;
  };
  // Used by the unit to make the root.
  TcxLookAndFeel(TPersistent* AOwner, bool AIsRoot);
  void RememberState();
  void CheckStateChanges();
  // Moves the registration to the new master; false when refused.
  bool DoSetMaster(TcxLookAndFeel* Value);
  bool IsListed(const TListenerEntry& AEntry) const;
  void PaletteChanged(TObject* Sender);
  void ReadSkinName(TReader* Reader);
  void WriteSkinName(TWriter* Writer);

  TcxLookAndFeelValues FAssignedValues;
  std::vector<TListenerEntry> FChangeListeners;
  TcxLookAndFeelData FCurrent;
  TcxLookAndFeelData FOwnValues;
  bool FDestroying = false;
  bool FIsRoot = false;
  TcxLookAndFeel* FExplicitMaster = nullptr;
  TcxCustomLookAndFeelPainterClass FCurrentSkinPainter = nullptr;
  TcxLookAndFeelData FPrevious;
  std::unique_ptr<TcxSystemPaletteChangedNotifier> FPaletteNotifier;
  // Set while this look-and-feel reports a system colour change: those that
  // follow it hear of the change through their own notifier, once.
  bool FPaletteChanging = false;
};

// The one root; null outside the unit's life.
TcxLookAndFeel* GlobalRootLookAndFeel();
// Whether skins are used at all (true at start); only the skin controller sets it.
bool cxUseSkins();
void SetcxUseSkins(bool Value);
// The painter that draws a kind.
TcxCustomLookAndFeelPainterClass GetPainterOfKind(TcxLookAndFeelKind AKind);

// --- Controller ---------------------------------------------------------------------------
// Edits the root look-and-feel: one on the main window restyles every control.
class TcxLookAndFeelController : public TComponent, public IcxLookAndFeelListener {
  VAMIRE_CLASS(TcxLookAndFeelController, TComponent)
 public:
  explicit TcxLookAndFeelController(TComponent* AOwner);
  ~TcxLookAndFeelController() override;
  bool GetInterface(const TGUID& iid, void** obj) override;

  // Read from and written to the root; without a root the defaults are read and writing does nothing.
  TcxLookAndFeelKind Kind() const;
  void SetKind(TcxLookAndFeelKind Value);
  bool NativeStyle() const;
  void SetNativeStyle(bool Value);
  String SkinName() const;
  void SetSkinName(const String& Value);
  // Kind lfUltraFlat, NativeStyle on, no skin, through the setters.
  virtual void ResetToDefaults();

  // The form designer's hooks: nothing to do at run time.
  TObject* GetListenerObject() override { return this; }
  void MasterChanged(TcxLookAndFeel*, TcxLookAndFeelValues) override {}
  void MasterDestroying(TcxLookAndFeel*) override {}
};
// How many controllers the root has.
int cxLookAndFeelControllerCount();

// Unit start: the root and the painters' palette notifier. End: both freed.
void cxLookAndFeels_Initialize();
void cxLookAndFeels_Finalize();
extern const TUnitEntry cxLookAndFeelsUnit;
