// Styles: a style component carries a background bitmap, colour, font and text
// colour, each marked as assigned or not; repositories keep styles and style
// sheets; a styles object maps a client's style indexes to styles; the bar
// items watch their styles through their styles data, which tells them whether
// a change affects sizes (font) or only colours.
#pragma once

#include <memory>
#include <vector>

#include "Classes.h"
#include "Graphics.h"
#include "Streaming.h"
#include "Units.h"
#include "cxClasses.h"

class TcxCustomStyle;
class TcxStyleRepository;
class TcxCustomStyles;

// Scoped: the container styles name values alike.
enum class TcxStyleValue { svBitmap, svColor, svFont, svTextColor };
VAMIRE_ENUM_NAMES(TcxStyleValue, L"svBitmap", L"svColor", L"svFont", L"svTextColor")
using TcxStyleValues = TSet<TcxStyleValue, 4>;

// What a style tells the objects that use it. A listener told that a style is
// removed takes itself off that style's list.
class IcxStyleChangeListener {
 public:
  virtual void StyleChanged(TcxCustomStyle* AStyle) = 0;
  virtual void StyleRemoved(TcxCustomStyle* AStyle) = 0;

 protected:
  ~IcxStyleChangeListener() = default;
};

class TcxCustomStyle : public TComponent {
  VAMIRE_CLASS(TcxCustomStyle, TComponent)
 public:
  explicit TcxCustomStyle(TComponent* AOwner) : TComponent(AOwner) {}
  ~TcxCustomStyle() override;
  void BeforeDestruction() override;

  virtual void StyleModified();
  // Each listener once; not owned.
  virtual void AttachListener(IcxStyleChangeListener* AListener);
  virtual void DetachListener(IcxStyleChangeListener* AListener);
  virtual void ResetValues() {}
  int ListenerCount() const { return int(FListeners.size()); }

  TcxStyleRepository* StyleRepository() const { return FStyleRepository; }
  TComponent* GetParentComponent() override;
  bool HasParent() override { return FStyleRepository != nullptr; }
  void SetParentComponent(TComponent* Value) override;
  void ReadState(TReader* Reader) override;

 private:
  friend class TcxStyleRepository;
  std::vector<IcxStyleChangeListener*> FListeners;
  TcxStyleRepository* FStyleRepository = nullptr;
};
using TcxCustomStyleClass = TClass;

class TcxStyle : public TcxCustomStyle {
  VAMIRE_CLASS(TcxStyle, TcxCustomStyle)
 public:
  explicit TcxStyle(TComponent* AOwner);
  ~TcxStyle() override;
  void Assign(TPersistent* Source) override;
  void ReadState(TReader* Reader) override;
  void ResetValues() override;

  TcxStyleValues AssignedValues() const { return FAssignedValues; }
  void SetAssignedValues(TcxStyleValues Value);
  TBitmap* Bitmap() const { return FBitmap.get(); }
  void SetBitmap(TBitmap* Value);
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  TFont* Font() const { return FFont.get(); }
  void SetFont(TFont* Value);
  TColor TextColor() const { return FTextColor; }
  void SetTextColor(TColor Value);
  bool IsBitmapStored() const { return FAssignedValues.Contains(TcxStyleValue::svBitmap); }
  bool IsColorStored() const { return FAssignedValues.Contains(TcxStyleValue::svColor); }
  bool IsFontStored() const { return FAssignedValues.Contains(TcxStyleValue::svFont); }
  bool IsTextColorStored() const { return FAssignedValues.Contains(TcxStyleValue::svTextColor); }

 private:
  void BitmapChanged(TObject* Sender);
  void FontChanged(TObject* Sender);
  TcxStyleValues FAssignedValues;
  std::unique_ptr<TBitmap> FBitmap;
  std::unique_ptr<TFont> FFont;
  TColor FColor = clDefault, FTextColor = clDefault;
};

class TcxCustomStyleSheet : public TcxComponent {
  VAMIRE_CLASS(TcxCustomStyleSheet, TcxComponent)
 public:
  explicit TcxCustomStyleSheet(TComponent* AOwner);
  ~TcxCustomStyleSheet() override;
  void Assign(TPersistent* Source) override;

  String Caption() const;
  void SetCaption(const String& Value);
  bool IsCaptionStored() const { return !FCaption.empty(); }
  bool BuiltIn() const { return FBuiltIn; }
  void SetBuiltIn(bool Value) { FBuiltIn = Value; }
  TcxCustomStyles* Styles() const { return FStyles.get(); }
  virtual TClass StylesClassOf();
  virtual void CollectForeignOwners(TList* AList);
  void PropagateStyleChange(int AIndex);
  TcxStyleRepository* StyleRepository() const { return FStyleRepository; }
  int UserCount() const { return int(FUsers.size()); }

  TComponent* GetParentComponent() override;
  bool HasParent() override { return FStyleRepository != nullptr; }
  void SetParentComponent(TComponent* Value) override;
  void ReadState(TReader* Reader) override;
  void DefineProperties(TFiler* Filer) override;

 private:
  friend class TcxStyleRepository;
  friend class TcxCustomStyles;
  void ReadBuiltIn(TReader* Reader);
  void WriteBuiltIn(TWriter* Writer);
  String FCaption;
  bool FBuiltIn = false;
  std::unique_ptr<TcxCustomStyles> FStyles;
  std::vector<TcxCustomStyles*> FUsers;
  TcxStyleRepository* FStyleRepository = nullptr;
};
using TcxCustomStyleSheetClass = TClass;

class TcxStyleRepository : public TComponent {
  VAMIRE_CLASS(TcxStyleRepository, TComponent)
 public:
  explicit TcxStyleRepository(TComponent* AOwner) : TComponent(AOwner) {}
  ~TcxStyleRepository() override;

  bool Scalable() const { return FScalable; }
  void SetScalable(bool Value) { FScalable = Value; }
  virtual TcxCustomStyle* NewStyle(TcxCustomStyleClass AStyleClass);
  virtual TcxCustomStyle* NewStyleOwned(TcxCustomStyleClass AStyleClass, TComponent* AOwner);
  virtual TcxCustomStyleSheet* NewStyleSheet(TcxCustomStyleSheetClass ASheetClass);
  virtual TcxCustomStyleSheet* NewStyleSheetOwned(TcxCustomStyleSheetClass ASheetClass, TComponent* AOwner);
  int StyleCount() const { return int(FStyles.size()); }
  TcxCustomStyle* Styles(int Index) const { return FStyles[size_t(Index)]; }
  int StyleSheetCount() const { return int(FStyleSheets.size()); }
  TcxCustomStyleSheet* StyleSheets(int Index) const { return FStyleSheets[size_t(Index)]; }
  // A font height stored with the form at its pixels per inch, for this screen.
  int ScaleFontHeight(int AHeight) const;
  // The pixels per inch read from the form file (0: none).
  int StoredPixelsPerInch() const { return FStoredPixelsPerInch; }

  void GetChildren(TGetChildProc Proc, TComponent* Root) override;
  void DefineProperties(TFiler* Filer) override;

 private:
  friend class TcxCustomStyle;
  friend class TcxCustomStyleSheet;
  void AddStyle(TcxCustomStyle* AStyle);
  void RemoveStyle(TcxCustomStyle* AStyle);
  void AddStyleSheet(TcxCustomStyleSheet* ASheet);
  void RemoveStyleSheet(TcxCustomStyleSheet* ASheet);
  void ReadPixelsPerInch(TReader* Reader);
  void WritePixelsPerInch(TWriter* Writer);
  bool FScalable = false;
  int FStoredPixelsPerInch = 0;
  std::vector<TcxCustomStyle*> FStyles;
  std::vector<TcxCustomStyleSheet*> FStyleSheets;
};

// A client's style indexes mapped to styles, optionally taken from a sheet.
class TcxCustomStyles : public TcxInterfacedPersistent, public IcxStyleChangeListener {
  VAMIRE_CLASS(TcxCustomStyles, TcxInterfacedPersistent)
 public:
  explicit TcxCustomStyles(TPersistent* AOwner);
  ~TcxCustomStyles() override;
  void Assign(TPersistent* Source) override;

  void RemoveAll();
  void RemoveEntry(int AIndex);
  int Count() const { return int(FEntries.size()); }
  TcxCustomStyle* Values(int AIndex) const;
  void SetValues(int AIndex, TcxCustomStyle* AStyle);
  TcxCustomStyleSheet* StyleSheet() const { return FStyleSheet; }
  void AttachStyleSheet(TcxCustomStyleSheet* Value);
  TcxCustomStyleSheet* OwnerStyleSheet() const { return FOwnerStyleSheet; }

  void StyleChanged(TcxCustomStyle* AStyle) override;
  void StyleRemoved(TcxCustomStyle* AStyle) override;
  // Every index reported changed, in order (a test hook).
  std::vector<int> ChangedIndexes;

 protected:
  virtual void IndexChanged(int AIndex) { ChangedIndexes.push_back(AIndex); }
  virtual void NotifyIndexChanged(int AIndex);

 private:
  friend class TcxCustomStyleSheet;
  struct TEntry {
    int Index;
    TcxCustomStyle* Style;
  };
  bool IsAcceptable(TcxCustomStyleSheet* Value) const;
  void CollectIndexes(TcxCustomStyleSheet* ASheet, std::vector<int>& AIndexes) const;
  std::vector<TEntry> FEntries;
  TcxCustomStyleSheet* FStyleSheet = nullptr;
  TcxCustomStyleSheet* FOwnerStyleSheet = nullptr;
  bool FDestroying = false;
};

// What a slot's style paints with: defaults replaced by the assigned values.
struct TcxViewParams {
  TBitmap* Bitmap = nullptr;
  TColor Color = clDefault;
  TFont* Font = nullptr;
  TColor TextColor = clDefault;
};

// Change kinds the item styles data reports.
enum TdxBarItemStyleChangeKind { sckColor = 0, sckSize = 1, sckNone = 2 };
using TdxBarItemStyleChangeEvent = TMethod<void(int AKind)>;

// The styles of one bar item (slot 0 Style, slot 1 StyleEdit): watches them and
// reports what their changes mean to the item.
class TdxBarItemStylesData : public TcxInterfacedPersistent, public IcxStyleChangeListener {
  VAMIRE_CLASS(TdxBarItemStylesData, TcxInterfacedPersistent)
 public:
  TdxBarItemStylesData(TPersistent* AOwner, int ASlotCount, TdxBarItemStyleChangeEvent AOnChange);
  ~TdxBarItemStylesData() override;

  int SlotCount() const { return int(FSlots.size()); }
  TcxStyle* Style(int ASlot) const;
  void SetStyle(int ASlot, TcxStyle* AStyle);
  TcxViewParams ViewParams(int ASlot) const;
  void LockChanges();
  void UnlockChanges();

  void StyleChanged(TcxCustomStyle* AStyle) override;
  void StyleRemoved(TcxCustomStyle* AStyle) override;

 private:
  struct TSnapshot {
    TcxStyleValues Values;
    TColor Color = clDefault, TextColor = clDefault;
    int Height = 0;
    TFontPitch Pitch = fpDefault;
    TFontStyles Style;
    TFontCharset Charset = 0;
    String Name;
  };
  struct TSlot {
    TcxStyle* Style = nullptr;
    TSnapshot Seen;
  };
  void Reread(int ASlot);
  void Report(int AKind);
  bool UsedByOtherSlot(TcxStyle* AStyle, int ASlot) const;
  std::vector<TSlot> FSlots;
  int FLockCount = 0;
  int FPendingKind = sckNone;
  bool FDestroying = false;
  TdxBarItemStyleChangeEvent FOnChange;
};

// A font height stored at AStoredPixelsPerInch, for a screen of
// AScreenPixelsPerInch: scaled (MulDiv) only for a scalable repository with a
// stored value other than the screen's.
int cxScaleStyleFontHeight(int AHeight, bool AScalable, int AStoredPixelsPerInch, int AScreenPixelsPerInch);

extern const TUnitEntry cxStylesUnit;
