// The skin data: a named, versioned tree of drawing recipes. A skin holds
// colours, typed properties and control groups; a group holds properties and
// elements; an element holds a colour, an image, a glyph, borders, offsets and
// properties. Every object is found by name. Also the binary stream form of
// the tree (reading, writing, listing the skins of a file). Needs no Win32:
// the pictures are kept behind TdxSkinTexture, and the drawing members
// declared here are defined in platform/dxSkinsCore_win.cpp only.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "Classes.h"
#include "GraphicsColors.h"
#include "Streams.h"
#include "System.h"
#include "Types.h"
#include "Units.h"
#include "cxClasses.h"
#include "cxGeometry.h"
#include "dxCore.h"

// The Win32 handles of the drawing members, declared as windows.h declares
// them (STRICT), so that this header needs no windows.h.
struct HDC__;
using HDC = HDC__*;
struct HINSTANCE__;
using HINSTANCE = HINSTANCE__*;

class TdxSkin;
class TdxSkinCanvas;
class TdxSkinControlGroup;
class TdxSkinElement;
class TdxSkinImage;
class TdxSkinPersistent;

// The error of the skin engine.
VAMIRE_EXCEPTION(EdxSkin, EdxException)

extern const TResStringRec sdxSkinInvalidStreamFormat;  // Invalid stream format
extern const TResStringRec sdxSkinVersionMismatch;      // the two lines of a too old stream

// The version every stream is written with, and the oldest a skin is read from.
constexpr double dxSkinStreamVersion = 1.03;
constexpr double dxSkinOldestReadableVersion = 1.0;
// The signature after the header's first int32.
constexpr char dxSkinSignature[] = "dxSkin";

// --- Enumerations -------------------------------------------------------------------------

enum TdxSkinElementState {
  esNormal, esHot, esPressed, esDisabled, esActive, esFocused, esDroppedDown, esChecked, esHotCheck,
  esActiveDisabled, esCheckPressed
};
constexpr int dxSkinElementStateCount = 11;
// Stored in 16 bits: bit n is state n.
using TdxSkinElementStates = TSet<TdxSkinElementState, 16>;
std::uint16_t SkinStatesToBits(const TdxSkinElementStates& AStates);
TdxSkinElementStates SkinStatesFromBits(std::uint16_t ABits);

// Direction in which the frames of a picture follow each other.
enum TdxSkinImageLayout { ilHorizontal, ilVertical };
enum TdxSkinStretchMode { smStretch, smTile, smNoResize };
enum TdxSkinGradientMode { gmHorizontal, gmVertical, gmForwardDiagonal, gmBackwardDiagonal };

// sosAddedByLookup: the element lookup made the object because the skin
// lacked it; sosUnreferenced: no lookup has asked for it yet.
enum TdxSkinObjectStateFlag { sosAddedByLookup, sosUnreferenced };
using TdxSkinObjectState = TSet<TdxSkinObjectStateFlag, 2>;

// --- Geometry of the pictures --------------------------------------------------------------

// The nine parts of R cut by the margins (Left, Top, Right, Bottom of
// AMargins), in the order top-left, top, top-right, left, centre, right,
// bottom-left, bottom, bottom-right. Margins wider than R squeeze the centre
// to nothing; negative ones cut nothing off. Every part lies inside R.
std::array<TRect, 9> dxSkinNinePartRects(const TRect& R, const TRect& AMargins);
// The margins made to fit a target of AWidth x AHeight: where two opposite
// margins need more room than there is, each gives up its share of the
// excess (a negative margin counts as none).
TRect dxSkinShrinkMargins(const TRect& AMargins, int AWidth, int AHeight);
// R with each side moved inwards by its offset, never past the opposite side
// and never outside R.
TRect dxSkinDeflateRect(const TRect& R, const TRect& AOffsets);
// Margins, content offsets and border thicknesses read from a stream are held
// to this size, either way, so that the sums the painters make of them stay far
// from the integer limits.
constexpr std::int32_t dxSkinMaxStoredExtent = 0x7FFF;
std::int32_t dxSkinClampStoredExtent(std::int64_t AValue);

// --- The picture of an image ---------------------------------------------------------------

// The picture of a skin image, in and out as PNG data. The skin unit installs
// a texture that decodes through GDI+ (platform/dxSkinsCore_win.h); without it
// the PNG data are kept as they came, which is what the skin compiler and
// the native tests need.
class TdxSkinTexture : public TObject {
  VAMIRE_CLASS(TdxSkinTexture, TObject)
 public:
  virtual bool Empty() = 0;
  virtual TSize Size() = 0;
  // The PNG data from the stream's position to its end. Damaged data raise
  // and leave the picture as it was.
  virtual void LoadFromStream(TStream* AStream) = 0;
  // The picture as PNG; nothing for an empty one.
  virtual void SaveToStream(TStream* AStream) = 0;
  // Some pixel is not fully opaque.
  virtual bool UsesAlpha() = 0;
  virtual bool IsEqual(TdxSkinTexture* AOther) = 0;
  // From a texture of another kind: through its PNG data.
  virtual void AssignTexture(TdxSkinTexture* ASource);
  virtual void Clear() = 0;
};

// The texture that keeps PNG data as they are: size and alpha come from the
// PNG header (a colour type with alpha, or transparency data, counts as
// using alpha); two are equal when their data are.
class TdxSkinPNGData : public TdxSkinTexture {
  VAMIRE_CLASS(TdxSkinPNGData, TdxSkinTexture)
 public:
  bool Empty() override { return FData.empty(); }
  TSize Size() override { return FSize; }
  void LoadFromStream(TStream* AStream) override;
  void SaveToStream(TStream* AStream) override;
  bool UsesAlpha() override { return FUsesAlpha; }
  bool IsEqual(TdxSkinTexture* AOther) override;
  void AssignTexture(TdxSkinTexture* ASource) override;
  void Clear() override;
  const std::vector<std::uint8_t>& Data() const { return FData; }

 private:
  std::vector<std::uint8_t> FData;
  TSize FSize;
  bool FUsesAlpha = false;
};

using TdxSkinTextureFactory = std::unique_ptr<TdxSkinTexture> (*)();
// The maker of new images' textures; null restores TdxSkinPNGData. Answers the previous one.
TdxSkinTextureFactory SetSkinTextureFactory(TdxSkinTextureFactory AFactory);
std::unique_ptr<TdxSkinTexture> CreateSkinTexture();

// Counts every change of any skin object (values, lists, pictures), so that
// drawn copies of elements know when they went stale.
unsigned dxSkinChangeCount();
void dxSkinNoteChange();

// Whether skins can be read now: the skin unit makes it wait for GDI+.
using TdxSkinReadableFunc = bool (*)();
void SetSkinReadableFunc(TdxSkinReadableFunc AFunc);

// --- Named objects and their lists ---------------------------------------------------------

// Runs ABody between BeginUpdate and EndUpdate of the object, ending the
// update also when the body raises, so listeners hear of what was done.
template <class TUpdatable, class TBody>
void dxSkinUpdating(TUpdatable* AObject, TBody ABody) {
  AObject->BeginUpdate();
  try {
    ABody();
  } catch (...) {
    AObject->EndUpdate();
    throw;
  }
  AObject->EndUpdate();
}

class TdxSkinCustomPersistentObject : public TPersistent {
  VAMIRE_CLASS(TdxSkinCustomPersistentObject, TPersistent)
 public:
  using TCreateArg = TPersistent;
  explicit TdxSkinCustomPersistentObject(TPersistent* AOwner) : FOwner(AOwner) {}

  const String& Name() const { return FName; }
  void SetName(const String& AValue) { FName = AValue; }
  TPersistent* GetOwner() override { return FOwner; }
  TPersistent* Owner() const { return FOwner; }
  TdxSkinObjectState State() const { return FState; }
  void SetState(const TdxSkinObjectState& AValue) { FState = AValue; }
  // Calls OnChange with this object.
  virtual void DoChange();
  // A new object of this class, without owner, with this name and values.
  virtual TdxSkinCustomPersistentObject* Clone();

  TNotifyEvent OnChange;

 private:
  String FName;
  TPersistent* FOwner;
  TdxSkinObjectState FState{sosUnreferenced};
};

// An owning list of named objects, sorted by name on the first lookup after a change.
class TdxSkinCustomPersistentObjectList : public TcxObjectList {
  VAMIRE_CLASS(TdxSkinCustomPersistentObjectList, TcxObjectList)
 public:
  using TCreateArg = TdxSkinPersistent;
  explicit TdxSkinCustomPersistentObjectList(TdxSkinPersistent* AOwner) : TcxObjectList(true), FOwner(AOwner) {}
  ~TdxSkinCustomPersistentObjectList() override;

  // Unsorted again; OnChange unless updating.
  virtual void Changed();
  virtual void ReadFromStream(TStream* AStream, double AVersion) = 0;
  virtual void WriteToStream(TStream* AStream) = 0;
  void BeginUpdate() { ++FUpdateCount; }
  void EndUpdate();
  // The item of that name (case-sensitive), or null; sorts the list first when
  // a change left it unsorted.
  TdxSkinCustomPersistentObject* Find(const String& AName);
  void SortByName();
  TdxSkinCustomPersistentObject* Items(int Index) const {
    return static_cast<TdxSkinCustomPersistentObject*>(GetItem(Index));
  }
  TdxSkinPersistent* Owner() const { return FOwner; }
  bool Sorted() const { return FSorted; }

  TNotifyEvent OnChange;

 protected:
  void Notify(void* Ptr, TListNotification Action) override;
  // A new item of AClass (which must descend from ABase) named AName,
  // connected to the list's change and appended; a class of another kind raises EClassCreateError.
  TdxSkinCustomPersistentObject* AddNew(const String& AName, TClass AClass, TClass ABase);
  // Inside BeginUpdate/EndUpdate: cleared, then a copy of each source item of its own class.
  void AssignItems(TdxSkinCustomPersistentObjectList* ASource);

 private:
  void ItemChanged(TObject*) { Changed(); }
  TdxSkinPersistent* FOwner;
  int FUpdateCount = 0;
  bool FSorted = false;
};

// --- Properties ----------------------------------------------------------------------------

class TdxSkinProperty : public TdxSkinCustomPersistentObject {
  VAMIRE_CLASS(TdxSkinProperty, TdxSkinCustomPersistentObject)
 public:
  using TdxSkinCustomPersistentObject::TdxSkinCustomPersistentObject;
  // The value only (the name and class are the list's).
  virtual void ReadData(TStream*) {}
  virtual void ReadFromStream(TStream* AStream);
  virtual void WriteData(TStream*) {}
  virtual void WriteToStream(TStream* AStream);
  // The class name without "TdxSkin" and "Property": "Integer", "WideString".
  virtual String GetTypeCaption();
  virtual bool IsEqual(TdxSkinProperty*) { return false; }
};
using TdxSkinPropertyClass = TClass;

// A property holding one value: setting an equal value changes nothing;
// assigning takes the value of the same class only; equal means the same
// name, class and value.
template <class Self, class T>
class TdxSkinValueProperty : public TdxSkinProperty {
 public:
  using TdxSkinProperty::TdxSkinProperty;
  const T& Value() const { return FValue; }
  void SetValue(const T& AValue) {
    if (FValue == AValue) return;
    FValue = AValue;
    DoChange();
  }
  void Assign(TPersistent* Source) override {
    if (Source && Source->ClassType() == ClassType()) SetValue(static_cast<Self*>(Source)->Value());
    else TdxSkinProperty::Assign(Source);
  }
  bool IsEqual(TdxSkinProperty* AOther) override {
    return AOther && AOther->ClassType() == ClassType() && AOther->Name() == Name() &&
           Self::SameValue(static_cast<Self*>(AOther)->Value(), FValue);
  }
  static bool SameValue(const T& A, const T& B) { return A == B; }

 protected:
  T FValue{};
};

class TdxSkinIntegerProperty : public TdxSkinValueProperty<TdxSkinIntegerProperty, std::int32_t> {
  VAMIRE_CLASS(TdxSkinIntegerProperty, TdxSkinProperty)
 public:
  using TdxSkinValueProperty::TdxSkinValueProperty;
  void ReadData(TStream* AStream) override;
  void WriteData(TStream* AStream) override;
};

class TdxSkinBooleanProperty : public TdxSkinValueProperty<TdxSkinBooleanProperty, bool> {
  VAMIRE_CLASS(TdxSkinBooleanProperty, TdxSkinProperty)
 public:
  using TdxSkinValueProperty::TdxSkinValueProperty;
  void ReadData(TStream* AStream) override;
  void WriteData(TStream* AStream) override;
};

class TdxSkinColor : public TdxSkinValueProperty<TdxSkinColor, TColor> {
  VAMIRE_CLASS(TdxSkinColor, TdxSkinProperty)
 public:
  explicit TdxSkinColor(TPersistent* AOwner) : TdxSkinValueProperty(AOwner) { FValue = clDefault; }
  void ReadData(TStream* AStream) override;
  void WriteData(TStream* AStream) override;
};

class TdxSkinRectProperty : public TdxSkinProperty {
  VAMIRE_CLASS(TdxSkinRectProperty, TdxSkinProperty)
 public:
  explicit TdxSkinRectProperty(TPersistent* AOwner);
  const TRect& Value() const { return FValue->Rect(); }
  TcxRect* ValueObject() const { return FValue.get(); }
  void SetValue(const TRect& AValue) { FValue->SetRect(AValue); }
  // Left, Top, Right, Bottom as 0..3.
  int GetValue(int Index) const { return FValue->GetValue(Index); }
  void SetValue(int Index, int AValue) { FValue->SetValue(Index, AValue); }
  void Assign(TPersistent* Source) override;
  void ReadData(TStream* AStream) override;
  void WriteData(TStream* AStream) override;
  bool IsEqual(TdxSkinProperty* AOther) override;

 private:
  void ValueChanged(TObject*) { DoChange(); }
  std::unique_ptr<TcxRect> FValue;
};

class TdxSkinSizeProperty : public TdxSkinValueProperty<TdxSkinSizeProperty, TSize> {
  VAMIRE_CLASS(TdxSkinSizeProperty, TdxSkinProperty)
 public:
  using TdxSkinValueProperty::TdxSkinValueProperty;
  using TdxSkinValueProperty::SetValue;
  // cx as 0, cy as 1.
  int GetValue(int Index) const { return Index == 0 ? FValue.cx : FValue.cy; }
  void SetValue(int Index, int AValue);
  void ReadData(TStream* AStream) override;
  void WriteData(TStream* AStream) override;
};

// One border line of an element; its side (0 left, 1 top, 2 right, 3 bottom) is set by its owner.
class TdxSkinBorder : public TdxSkinProperty {
  VAMIRE_CLASS(TdxSkinBorder, TdxSkinProperty)
 public:
  using TdxSkinProperty::TdxSkinProperty;
  TColor Color() const { return FColor; }
  void SetColor(TColor AValue);
  int Thin() const { return FThin; }
  void SetThin(int AValue);
  int Side() const { return FSide; }
  void SetSide(int AValue) { FSide = AValue; }
  void Assign(TPersistent* Source) override;
  void ReadData(TStream* AStream) override;
  void WriteData(TStream* AStream) override;
  // Class, colour, thickness and side; the name is not compared.
  bool IsEqual(TdxSkinProperty* AOther) override;
  // The side's band of R, Thin pixels wide, in Color; nothing for clNone. Win32 only.
  void Draw(HDC DC, const TRect& R);
  void DrawOnCanvas(TdxSkinCanvas* ACanvas, const TRect& R);
  // The band of R this border covers.
  TRect BandRect(const TRect& R) const;

 private:
  TColor FColor = clNone;
  int FThin = 1;
  int FSide = 0;
};

// The four borders of an element, named "Left", "Top", "Right", "Bottom".
class TdxSkinBorders : public TdxSkinProperty {
  VAMIRE_CLASS(TdxSkinBorders, TdxSkinProperty)
 public:
  explicit TdxSkinBorders(TPersistent* AOwner);
  ~TdxSkinBorders() override;
  // 0 left, 1 top, 2 right, 3 bottom.
  TdxSkinBorder* Items(int ASide) const { return FBorders[std::size_t(ASide)].get(); }
  TdxSkinBorder* Left() const { return Items(0); }
  TdxSkinBorder* Top() const { return Items(1); }
  TdxSkinBorder* Right() const { return Items(2); }
  TdxSkinBorder* Bottom() const { return Items(3); }
  // Copies the value into the side.
  void SetItems(int ASide, TdxSkinBorder* AValue) { Items(ASide)->Assign(AValue); }
  void Assign(TPersistent* Source) override;
  bool IsEqual(TdxSkinProperty* AOther) override;
  // Left, top, right, bottom in that order. Win32 only.
  void DrawOnCanvas(TdxSkinCanvas* ACanvas, const TRect& R);

 private:
  void BorderChanged(TObject*) { DoChange(); }
  std::array<std::unique_ptr<TdxSkinBorder>, 4> FBorders;
};

class TdxSkinStringProperty : public TdxSkinValueProperty<TdxSkinStringProperty, String> {
  VAMIRE_CLASS(TdxSkinStringProperty, TdxSkinProperty)
 public:
  using TdxSkinValueProperty::TdxSkinValueProperty;
  // 8-bit text in the system code page.
  void ReadData(TStream* AStream) override;
  void WriteData(TStream* AStream) override;
  // Equal in the user's locale order.
  static bool SameValue(const String& A, const String& B);
};

// A string stored as UTF-16 code units.
class TdxSkinWideStringProperty : public TdxSkinStringProperty {
  VAMIRE_CLASS(TdxSkinWideStringProperty, TdxSkinStringProperty)
 public:
  using TdxSkinStringProperty::TdxSkinStringProperty;
  void ReadData(TStream* AStream) override;
  void WriteData(TStream* AStream) override;
};

// The property classes a stream may name, in registration order.
const std::vector<TClass>& dxSkinPropertyClasses();

class TdxSkinProperties : public TdxSkinCustomPersistentObjectList {
  VAMIRE_CLASS(TdxSkinProperties, TdxSkinCustomPersistentObjectList)
 public:
  using TdxSkinCustomPersistentObjectList::TdxSkinCustomPersistentObjectList;
  // A new property of that class; raises EClassCreateError for a class that is no property.
  TdxSkinProperty* Add(const String& AName, TdxSkinPropertyClass AClass);
  // Inside BeginUpdate/EndUpdate: cleared, then a copy of each source item.
  void Assign(TdxSkinProperties* Source);
  void ReadFromStream(TStream* AStream, double AVersion) override;
  void WriteToStream(TStream* AStream) override;
  TdxSkinProperty* Items(int Index) const { return static_cast<TdxSkinProperty*>(GetItem(Index)); }
  TdxSkinProperty* Find(const String& AName) {
    return static_cast<TdxSkinProperty*>(TdxSkinCustomPersistentObjectList::Find(AName));
  }
};

class TdxSkinColors : public TdxSkinProperties {
  VAMIRE_CLASS(TdxSkinColors, TdxSkinProperties)
 public:
  using TdxSkinProperties::TdxSkinProperties;
  TdxSkinColor* AddColor(const String& AName, TColor AValue);
  // Colour records: (from 0.92) the class name, which is read and not used; the name; the value.
  void ReadFromStream(TStream* AStream, double AVersion) override;
  void WriteToStream(TStream* AStream) override;
  TdxSkinColor* Items(int Index) const { return static_cast<TdxSkinColor*>(GetItem(Index)); }
  TdxSkinColor* Find(const String& AName) {
    return static_cast<TdxSkinColor*>(TdxSkinCustomPersistentObjectList::Find(AName));
  }
};

class TdxSkinControlGroups : public TdxSkinCustomPersistentObjectList {
  VAMIRE_CLASS(TdxSkinControlGroups, TdxSkinCustomPersistentObjectList)
 public:
  using TdxSkinCustomPersistentObjectList::TdxSkinCustomPersistentObjectList;
  TdxSkinControlGroup* Add(const String& AName);
  void Assign(TdxSkinControlGroups* Source);
  void ReadFromStream(TStream* AStream, double AVersion) override;
  void WriteToStream(TStream* AStream) override;
  TdxSkinControlGroup* Items(int Index) const;
  TdxSkinControlGroup* Find(const String& AName);
};

using TdxSkinElementClass = TClass;

class TdxSkinElements : public TdxSkinCustomPersistentObjectList {
  VAMIRE_CLASS(TdxSkinElements, TdxSkinCustomPersistentObjectList)
 public:
  using TdxSkinCustomPersistentObjectList::TdxSkinCustomPersistentObjectList;
  TdxSkinElement* Add(const String& AName, TdxSkinElementClass AClass);
  void Assign(TdxSkinElements* Source);
  void ReadFromStream(TStream* AStream, double AVersion) override;
  void WriteToStream(TStream* AStream) override;
  TdxSkinElement* Items(int Index) const;
  TdxSkinElement* Find(const String& AName);
};

// --- Skin, groups, elements ----------------------------------------------------------------

// A named object with a property list, whose changes go up to its owner.
class TdxSkinPersistent : public TdxSkinCustomPersistentObject {
  VAMIRE_CLASS(TdxSkinPersistent, TdxSkinCustomPersistentObject)
 public:
  explicit TdxSkinPersistent(TPersistent* AOwner);
  ~TdxSkinPersistent() override;

  void BeginUpdate() { ++FLockCount; }
  void EndUpdate();
  int LockCount() const { return FLockCount; }
  TdxSkinProperty* FindProperty(const String& AName) { return FProperties->Find(AName); }
  int PropertyCount() const { return FProperties->Count(); }
  TdxSkinProperty* Properties(int Index) const { return FProperties->Items(Index); }
  TdxSkinProperties* PropertyList() const { return FProperties.get(); }
  TdxSkinProperty* AddProperty(const String& AName, TdxSkinPropertyClass AClass) {
    return FProperties->Add(AName, AClass);
  }

  // From a TdxSkinPersistent: the property list, inside BeginUpdate/EndUpdate.
  void Assign(TPersistent* Source) override;
  // DoChange unless locked.
  virtual void Changed();
  virtual void SubItemChanged(TObject*) { Changed(); }
  virtual void Clear();
  // Frees the property when it is listed.
  virtual void DeleteProperty(TdxSkinProperty* AProperty);
  virtual void Sort();

 protected:
  // Detaches and frees the property list first, so no change reaches a half-destroyed owner.
  void FreeProperties();
  int FLockCount = 0;

 private:
  std::unique_ptr<TdxSkinProperties> FProperties;
};

// Told of every change of a skin it follows.
class IdxSkinChangeListener : public virtual IInterface {
  VAMIRE_INTERFACE(IdxSkinChangeListener, IInterface, "{28681774-0475-43AE-8704-1C904D294742}")
 public:
  virtual void SkinChanged(TdxSkin* ASkin) = 0;
};

class TdxSkin : public TdxSkinPersistent {
  VAMIRE_CLASS(TdxSkin, TdxSkinPersistent)
 public:
  using TCreateArg = void;
  TdxSkin() : TdxSkin(String()) {}
  explicit TdxSkin(const String& AName);
  // Win32: with ALoadNow the skin is read from the resource of type "DXSKINS"
  // named AName in AModule; its errors leave the constructor.
  TdxSkin(const String& AName, HINSTANCE AModule, bool ALoadNow);
  ~TdxSkin() override;

  TdxSkinColors* Colors() const { return FColors.get(); }
  TdxSkinControlGroups* Groups() const { return FGroups.get(); }
  // The "DisplayName" string property, else Name.
  String DisplayName();
  double Version() const { return FVersion; }
  bool Destroying() const { return FDestroying; }

  void Assign(TPersistent* Source) override;
  // Listeners first, then OnChange.
  void DoChange() override;
  void Clear() override;
  void DeleteProperty(TdxSkinProperty* AProperty) override;
  void Sort() override;
  TdxSkinCustomPersistentObject* Clone() override;

  // Win32: the resource named Name, type "DXSKINS"; a missing one raises EResNotFound.
  void LoadFromResource(HINSTANCE AModule);
  void LoadFromStream(TStream* AStream);
  void SaveToStream(TStream* AStream);

  TdxSkinControlGroup* AddGroup(const String& AName);
  TdxSkinControlGroup* FindGroup(const String& AName) { return FGroups->Find(AName); }
  TdxSkinColor* FindColor(const String& AName) { return FColors->Find(AName); }
  void AddListener(IdxSkinChangeListener* AListener);
  void RemoveListener(IdxSkinChangeListener* AListener);
  int ListenerCount() const { return int(FListeners.size()); }

 private:
  std::unique_ptr<TdxSkinColors> FColors;
  std::unique_ptr<TdxSkinControlGroups> FGroups;
  std::vector<IdxSkinChangeListener*> FListeners;
  double FVersion = dxSkinStreamVersion;
  bool FDestroying = false;
};

class TdxSkinControlGroup : public TdxSkinPersistent {
  VAMIRE_CLASS(TdxSkinControlGroup, TdxSkinPersistent)
 public:
  explicit TdxSkinControlGroup(TPersistent* AOwner);
  ~TdxSkinControlGroup() override;

  TdxSkinElements* Elements() const { return FElements.get(); }
  int Count() const { return FElements->Count(); }
  TdxSkinElement* Items(int Index) const { return FElements->Items(Index); }
  TdxSkin* Skin() const;

  void Assign(TPersistent* Source) override;
  void Clear() override;
  void Sort() override;
  virtual void ReadFromStream(TStream* AStream, double AVersion);
  virtual void WriteToStream(TStream* AStream);

  TdxSkinElement* AddElement(const String& AName);
  TdxSkinElement* AddElementOfClass(const String& AName, TdxSkinElementClass AClass);
  TdxSkinElement* FindElement(const String& AName) { return FElements->Find(AName); }

 private:
  std::unique_ptr<TdxSkinElements> FElements;
};

// A picture cut into frames: ImageCount groups of one frame per state in
// States, all of one size, along ImageLayout.
class TdxSkinImage : public TPersistent {
  VAMIRE_CLASS(TdxSkinImage, TPersistent)
 public:
  using TCreateArg = TdxSkinElement;
  explicit TdxSkinImage(TdxSkinElement* AOwner);
  ~TdxSkinImage() override;

  TdxSkinGradientMode Gradient() const { return FGradient; }
  void SetGradient(TdxSkinGradientMode AValue);
  TColor GradientBeginColor() const { return FGradientBeginColor; }
  void SetGradientBeginColor(TColor AValue);
  TColor GradientEndColor() const { return FGradientEndColor; }
  void SetGradientEndColor(TColor AValue);
  TdxSkinImageLayout ImageLayout() const { return FImageLayout; }
  void SetImageLayout(TdxSkinImageLayout AValue);
  TcxRect* Margins() const { return FMargins.get(); }
  void SetMargins(TcxRect* AValue) { FMargins->Assign(AValue); }
  const TdxSkinElementStates& States() const { return FStates; }
  void SetStates(const TdxSkinElementStates& AValue);
  TdxSkinStretchMode Stretch() const { return FStretch; }
  void SetStretch(TdxSkinStretchMode AValue);
  TdxSkinTexture* Texture() const { return FTexture.get(); }
  // The picture from PNG data; damaged data raise and keep the picture as it was.
  void LoadFromPngData(const std::uint8_t* AData, std::size_t ASize);
  void LoadTexture(TStream* AStream);
  void SaveTexture(TStream* AStream) { FTexture->SaveToStream(AStream); }
  TdxSkinElement* Element() const { return FOwner; }
  TPersistent* GetOwner() override;

  bool Empty();
  void Clear();
  bool HasGradient() const { return FGradientBeginColor != clNone; }
  TSize GetFrameSize();
  int GetStateCount();
  // The element's picture file name, or empty for an empty image.
  String GetName();
  String GetSourceName();
  bool Dirty() const { return FDirty; }
  void SetDirty() { FDirty = true; }

  // The computed frame values; each read recomputes them when they are stale.
  TRect StateRect(TdxSkinElementState AState);
  const std::array<TRect, 9>& PartRects();
  bool PartVisible(int AIndex);
  // A state the picture has no frame for becomes its lowest state; unchanged without states.
  TdxSkinElementState AdjustState(TdxSkinElementState AState) const;
  // The frame of AState in image AImageIndex.
  TRect GetSourceRect(int AImageIndex, TdxSkinElementState AState);

  void Assign(TPersistent* Source) override;
  // Dirty; OnChange.
  virtual void Changed();
  virtual void Recalculate();
  virtual bool IsEqual(TdxSkinImage* AOther);
  // Win32 only. Draw: nothing for an image without frames, an empty target or one the DC does not show.
  void Draw(HDC DC, const TRect& R, int AImageIndex, TdxSkinElementState AState);
  void DrawOnCanvas(TdxSkinCanvas* ACanvas, const TRect& R, int AImageIndex, TdxSkinElementState AState);

  TNotifyEvent OnChange;

 private:
  friend class TdxSkinElement;
  void ReadFromStream(TStream* AStream, double AVersion);
  void WriteToStream(TStream* AStream);
  void MarginsChanged(TObject*) { Changed(); }

  TdxSkinElement* FOwner;
  TdxSkinGradientMode FGradient = gmHorizontal;
  TColor FGradientBeginColor = clNone;
  TColor FGradientEndColor = clNone;
  TdxSkinImageLayout FImageLayout = ilHorizontal;
  std::unique_ptr<TcxRect> FMargins;
  TdxSkinElementStates FStates;
  TdxSkinStretchMode FStretch = smStretch;
  std::unique_ptr<TdxSkinTexture> FTexture;
  String FSourceName;
  bool FDirty = true;
  int FStateCount = 0;
  TSize FFrameSize;
  std::array<TRect, dxSkinElementStateCount> FStateRects{};
  std::array<TRect, 9> FPartRects{};
};

class TdxSkinElement : public TdxSkinPersistent {
  VAMIRE_CLASS(TdxSkinElement, TdxSkinPersistent)
 public:
  explicit TdxSkinElement(TPersistent* AOwner);
  ~TdxSkinElement() override;

  std::uint8_t Alpha() const { return FAlpha; }
  void SetAlpha(std::uint8_t AValue);
  TdxSkinBorders* Borders() const { return FBorders.get(); }
  void SetBorders(TdxSkinBorders* AValue) { FBorders->Assign(AValue); }
  TColor Color() const { return FColor; }
  // Always stores (and so always reports a change).
  void SetColor(TColor AValue);
  bool ColorAssigned() const { return FColorAssigned; }
  TcxRect* ContentOffset() const { return FContentOffset.get(); }
  void SetContentOffset(TcxRect* AValue) { FContentOffset->Assign(AValue); }
  TdxSkinImage* Glyph() const { return FGlyph.get(); }
  void SetGlyph(TdxSkinImage* AValue) { FGlyph->Assign(AValue); }
  TdxSkinImage* Image() const { return FImage.get(); }
  void SetImage(TdxSkinImage* AValue) { FImage->Assign(AValue); }
  int ImageCount() const { return FImageCount; }
  // Never below 1.
  void SetImageCount(int AValue);
  TcxSize* MinSize() const { return FMinSize.get(); }
  void SetMinSize(TcxSize* AValue) { FMinSize->Assign(AValue); }
  TColor TextColor() const { return FTextColor; }
  void SetTextColor(TColor AValue);
  bool UseCache() const { return FUseCache; }
  // Off frees the cache.
  void SetUseCache(bool AValue);
  // The element cache of the drawing unit, made on the first cached draw.
  TObject* Cache() const { return FCache.get(); }
  void SetCache(std::unique_ptr<TObject> ACache) { FCache = std::move(ACache); }

  TdxSkinControlGroup* Group() const;
  // The picture's alpha when there is one; else a colour that lets the background show.
  bool HasTransparency();
  TSize GetImageSize() { return FImage->GetFrameSize(); }
  // The group's name followed by "\".
  String GetImageFolder();

  void Assign(TPersistent* Source) override;
  virtual bool ArePropertiesEqual(TdxSkinElement* AOther);
  virtual String GetImageFileName(TdxSkinImage* AImage);
  virtual void ReadFromStream(TStream* AStream, double AVersion);
  virtual void WriteToStream(TStream* AStream);
  virtual bool IsEqual(TdxSkinElement* AOther);
  // The text colour of a button state, by the ordinal of the painters'
  // TcxButtonState (0 default, 1 normal, 2 hot, 3 pressed, 4 disabled): the
  // element's "TextColorHot", "TextColorPressed" or "TextColorDisabled" colour
  // property when it holds a colour, else TextColor.
  virtual TColor GetTextColor(int AButtonState);

  // Win32 only. The background, the image, the borders and the glyph in its
  // content rectangle; through the cache while UseCache is on; nothing when
  // the DC shows no part of R. The empty element draws its white box instead.
  void DrawToDC(HDC DC, const TRect& R, int AImageIndex, TdxSkinElementState AState);
  void DrawOnCanvas(TdxSkinCanvas* ACanvas, const TRect& R, int AImageIndex, TdxSkinElementState AState);

 private:
  void SubObjectChanged(TObject*) { Changed(); }

  std::uint8_t FAlpha = 255;
  std::unique_ptr<TdxSkinBorders> FBorders;
  TColor FColor = clDefault;
  bool FColorAssigned = false;
  std::unique_ptr<TcxRect> FContentOffset;
  std::unique_ptr<TdxSkinImage> FGlyph;
  std::unique_ptr<TdxSkinImage> FImage;
  int FImageCount = 1;
  std::unique_ptr<TcxSize> FMinSize;
  TColor FTextColor = clDefault;
  bool FUseCache = false;
  std::unique_ptr<TObject> FCache;
};

// The stand-in drawn where a form part has no element: a white box framed in
// pure red. One instance lives while the skin data are started.
class TdxSkinEmptyElement : public TdxSkinElement {
  VAMIRE_CLASS(TdxSkinEmptyElement, TdxSkinElement)
 public:
  using TdxSkinElement::TdxSkinElement;
};

// The element, or the empty element when it is null.
TdxSkinElement* EmptyElementOr(TdxSkinElement* AElement);

// --- Streams -------------------------------------------------------------------------------

// A read window [start, end) over another stream; writing moves the end to
// where the writing ended.
class TdxSkinPartStream : public TStream {
  VAMIRE_CLASS(TdxSkinPartStream, TStream)
 public:
  TdxSkinPartStream(TStream* ASource, std::int64_t ASize, std::int64_t AStart);
  std::int32_t Read(void* Buffer, std::int32_t Count) override;
  std::int32_t Write(const void* Buffer, std::int32_t Count) override;
  std::int64_t Seek(std::int64_t Offset, TSeekOrigin Origin) override;
  std::int64_t Size() override { return FEnd - FStart; }

 private:
  TStream* FSource;
  std::int64_t FStart;
  std::int64_t FEnd;
};

// The skins of a single- or multi-skin stream, listed without loading them:
// each entry is "name=display name" with the position of the skin's header.
// A damaged or foreign stream lists nothing; listing never raises for damage.
class TdxSkinBinaryReader : public TObject {
  VAMIRE_CLASS(TdxSkinBinaryReader, TObject)
 public:
  explicit TdxSkinBinaryReader(TStream* AStream);
  ~TdxSkinBinaryReader() override;

  int Count() const { return FSkins->Count(); }
  String Names(int Index) const { return FSkins->Names(Index); }
  String DisplayNames(int Index) const { return FSkins->ValueFromIndex(Index); }
  std::int64_t Positions(int Index) const { return FPositions.at(std::size_t(Index)); }
  TStringList* Skins() const { return FSkins.get(); }

 private:
  bool ListMultiSkin(std::int64_t P);
  // The skin whose header starts AStream (a window of the listed stream
  // beginning at AQ there).
  bool ListSkin(TStream* AStream, std::int64_t AQ);

  TStream* FStream;
  std::unique_ptr<TStringList> FSkins;
  std::vector<std::int64_t> FPositions;
};

// The header of a skin stream at the stream's position: true with its
// version when the signature is there; never raises.
bool ReadSkinHeader(TStream* AStream, double& AVersion);
// A multi-skin stream of the given skin streams (each a whole skin stream).
void WriteMultiSkinStream(TStream* AStream, const std::vector<std::string>& ASkinStreams);

// --- Unit ----------------------------------------------------------------------------------

// Start: the empty element and the property classes, known by name to the
// stream reader. The program starts this through the skin unit
// (platform/dxSkinsCore_win.h), which waits for GDI+; the skin compiler and
// the native tests start it directly.
void dxSkinsData_Initialize();
void dxSkinsData_Finalize();
extern const TUnitEntry dxSkinsDataUnit;
