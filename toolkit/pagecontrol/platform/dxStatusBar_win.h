// The status bar, TdxStatusBar: panels side by side at the bottom of a
// window, laid out by the shared auto-width calculator, each showing what its
// panel style draws (text, state lamps, keyboard toggles or child controls),
// and painted through a status-bar painter chosen from PaintStyle and the
// look-and-feel. Painters are stateless classes with one instance each; a
// painter class reference is a pointer to that instance.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "ActnList.h"
#include "Controls.h"
#include "ExtCtrls.h"
#include "ImgList.h"
#include "StdCtrls.h"
#include "Units.h"
#include "cxClasses.h"
#include "cxControls_win.h"
#include "cxGraphics_win.h"
#include "cxLookAndFeels.h"
#include "dxStatusBar.h"

class TdxCustomStatusBar;
class TdxStatusBarPanel;
class TdxStatusBarPanelStyle;
class TdxStatusBarContainerPanelStyle;
class TdxStatusBarPainter;
using TdxStatusBarPainterClass = const TdxStatusBarPainter*;

enum TdxStatusBarPaintStyle { stpsStandard, stpsFlat, stpsXP, stpsOffice11, stpsUseLookAndFeel };
VAMIRE_ENUM_NAMES(TdxStatusBarPaintStyle, L"stpsStandard", L"stpsFlat", L"stpsXP", L"stpsOffice11",
                  L"stpsUseLookAndFeel")
enum TdxStatusBarPanelBevel { dxpbNone, dxpbLowered, dxpbRaised };
VAMIRE_ENUM_NAMES(TdxStatusBarPanelBevel, L"dxpbNone", L"dxpbLowered", L"dxpbRaised")
enum TdxStatusBarEllipsisType { dxetNone, dxetTruncate, dxetSmartPath };
VAMIRE_ENUM_NAMES(TdxStatusBarEllipsisType, L"dxetNone", L"dxetTruncate", L"dxetSmartPath")
enum TdxStatusBarStateIndicatorType { sitOff, sitYellow, sitBlue, sitGreen, sitRed, sitTeal, sitPurple };
VAMIRE_ENUM_NAMES(TdxStatusBarStateIndicatorType, L"sitOff", L"sitYellow", L"sitBlue", L"sitGreen", L"sitRed",
                  L"sitTeal", L"sitPurple")
enum TdxStatusBarKeyboardState { dxksCapsLock, dxksNumLock, dxksScrollLock, dxksInsert };
VAMIRE_ENUM_NAMES(TdxStatusBarKeyboardState, L"dxksCapsLock", L"dxksNumLock", L"dxksScrollLock", L"dxksInsert")
using TdxStatusBarKeyboardStates = TSet<TdxStatusBarKeyboardState, 4>;

// --- Painters -----------------------------------------------------------------------------
// The base painter: a top strip and BorderWidth frame, no bevels, no
// separators, a masked system size grip.
class TdxStatusBarPainter : public TObject {
  VAMIRE_CLASS(TdxStatusBarPainter, TObject)
 public:
  static TdxStatusBarPainterClass Instance();

  // Paints the bar's look behind a container panel's control.
  virtual void PlaceContainerControl(TdxStatusBarContainerPanelStyle* AStyle) const;
  // True: panel contents may run under the grip (painted first and clipped out).
  virtual bool PanelsMayCoverSizeGrip(TdxCustomStatusBar* ABar) const;
  virtual void AdjustTextColor(TdxCustomStatusBar* ABar, TColor& AColor, bool AActive) const;
  virtual TRect GetBorderExtents(TdxCustomStatusBar* ABar) const;
  virtual bool PaintsSizeGripFirst() const;
  virtual TSize GetSizeGripAreaSize() const;
  // The status bar's own grip size (not the painters' corner size, D-39).
  virtual TSize GetSizeGripSize() const;
  virtual TRect GetPanelBorderSizes(TdxStatusBarPanelBevel ABevel) const;
  virtual TRect GetPanelContentExtents(TdxStatusBarPanel* APanel, bool AHasBevel) const;
  virtual int GetSeparatorWidth() const;
  virtual int GetSeparatorWidthFor(TdxCustomStatusBar* ABar) const;
  virtual int GetTopBorderHeight() const;
  // R shrinks to what the borders leave.
  virtual void PaintBorders(TdxCustomStatusBar* ABar, TcxCanvas* ACanvas, TRect& R) const;
  virtual void PaintEmptyPanel(TdxCustomStatusBar* ABar, TcxCanvas* ACanvas, TRect R) const;
  virtual void PaintPanel(TdxCustomStatusBar* ABar, TdxStatusBarPanel* APanel, TRect R, TcxCanvas* ACanvas) const;
  // R shrinks by the bevel drawn.
  virtual void DrawPanelBevel(TdxCustomStatusBar* ABar, TdxStatusBarPanelBevel ABevel, TRect& R,
                              TcxCanvas* ACanvas) const;
  virtual void DrawSeparator(TdxCustomStatusBar* ABar, TcxCanvas* ACanvas, const TRect& R) const;
  // Draws the grip in R's bottom-right corner and clips it out.
  virtual void PaintSizeGrip(TdxCustomStatusBar* ABar, TcxCanvas* ACanvas, bool AOverlapped, TRect R) const;
  virtual void FillBackground(TdxCustomStatusBar* ABar, TcxCanvas* ACanvas, const TRect& R) const;
  virtual void FillPanelBackground(TdxCustomStatusBar* ABar, TdxStatusBarPanel* APanel, const TRect& R,
                                   TcxCanvas* ACanvas) const;
  virtual TdxStatusBarPanelBevel GetPanelBevel(TdxStatusBarPanel* APanel) const;
  virtual TColor GetPanelColor(TdxCustomStatusBar* ABar, TdxStatusBarPanel* APanel) const;
  virtual TRect AdjustPanelTextRect(TdxCustomStatusBar* ABar, TdxStatusBarPanel* APanel, const TRect& R) const;

 protected:
  TdxStatusBarPainter() = default;
};

// Sunken or raised 3D bevels, separators in the bar's colour.
class TdxStatusBarStandardPainter : public TdxStatusBarPainter {
  VAMIRE_CLASS(TdxStatusBarStandardPainter, TdxStatusBarPainter)
 public:
  static TdxStatusBarPainterClass Instance();
  TRect GetPanelBorderSizes(TdxStatusBarPanelBevel ABevel) const override;
  void DrawPanelBevel(TdxCustomStatusBar* ABar, TdxStatusBarPanelBevel ABevel, TRect& R,
                      TcxCanvas* ACanvas) const override;
  void DrawSeparator(TdxCustomStatusBar* ABar, TcxCanvas* ACanvas, const TRect& R) const override;
  void FillPanelBackground(TdxCustomStatusBar* ABar, TdxStatusBarPanel* APanel, const TRect& R,
                           TcxCanvas* ACanvas) const override;

 protected:
  TdxStatusBarStandardPainter() = default;
};

// One-pixel shadow frames around the panels.
class TdxStatusBarFlatPainter : public TdxStatusBarStandardPainter {
  VAMIRE_CLASS(TdxStatusBarFlatPainter, TdxStatusBarStandardPainter)
 public:
  static TdxStatusBarPainterClass Instance();
  TRect GetPanelBorderSizes(TdxStatusBarPanelBevel ABevel) const override;
  void DrawPanelBevel(TdxCustomStatusBar* ABar, TdxStatusBarPanelBevel ABevel, TRect& R,
                      TcxCanvas* ACanvas) const override;

 protected:
  TdxStatusBarFlatPainter() = default;
};

// The Office colour set's dock gradient (D-83), etched separators and grip dots.
class TdxStatusBarOffice11Painter : public TdxStatusBarPainter {
  VAMIRE_CLASS(TdxStatusBarOffice11Painter, TdxStatusBarPainter)
 public:
  static TdxStatusBarPainterClass Instance();
  TRect GetBorderExtents(TdxCustomStatusBar* ABar) const override;
  void PaintBorders(TdxCustomStatusBar* ABar, TcxCanvas* ACanvas, TRect& R) const override;
  TRect GetPanelBorderSizes(TdxStatusBarPanelBevel ABevel) const override;
  void DrawPanelBevel(TdxCustomStatusBar* ABar, TdxStatusBarPanelBevel ABevel, TRect& R,
                      TcxCanvas* ACanvas) const override;
  void DrawSeparator(TdxCustomStatusBar* ABar, TcxCanvas* ACanvas, const TRect& R) const override;
  void PaintSizeGrip(TdxCustomStatusBar* ABar, TcxCanvas* ACanvas, bool AOverlapped, TRect R) const override;

 protected:
  TdxStatusBarOffice11Painter() = default;
};

// The system's visual style: the "Status" theme's background, pane and gripper parts.
class TdxStatusBarXPPainter : public TdxStatusBarPainter {
  VAMIRE_CLASS(TdxStatusBarXPPainter, TdxStatusBarPainter)
 public:
  static TdxStatusBarPainterClass Instance();
  TRect GetBorderExtents(TdxCustomStatusBar* ABar) const override;
  TSize GetSizeGripAreaSize() const override;
  int GetSeparatorWidth() const override;
  void PaintBorders(TdxCustomStatusBar* ABar, TcxCanvas* ACanvas, TRect& R) const override;
  void DrawSeparator(TdxCustomStatusBar* ABar, TcxCanvas* ACanvas, const TRect& R) const override;
  void PaintSizeGrip(TdxCustomStatusBar* ABar, TcxCanvas* ACanvas, bool AOverlapped, TRect R) const override;

 protected:
  TdxStatusBarXPPainter() = default;
};

// The skin painter's class, filed by its unit at start (null until then).
TdxStatusBarPainterClass dxStatusBarSkinPainterClass();
void SetdxStatusBarSkinPainterClass(TdxStatusBarPainterClass APainter);

// --- Panel styles -------------------------------------------------------------------------
// What one panel shows; owned by the panel, chosen by class name.
class TdxStatusBarPanelStyle : public TPersistent {
  VAMIRE_CLASS(TdxStatusBarPanelStyle, TPersistent)
 public:
  using TCreateArg = TdxStatusBarPanel;
  explicit TdxStatusBarPanelStyle(TdxStatusBarPanel* AOwner);
  ~TdxStatusBarPanelStyle() override;
  void Assign(TPersistent* Source) override;
  TPersistent* GetOwner() override;

  TdxStatusBarPanel* Panel() const { return FOwner; }
  TdxCustomStatusBar* StatusBar() const;
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  // The assigned colour, else the bar's.
  TColor Color() const;
  void SetColor(TColor Value);
  bool IsColorStored() const { return FColorAssigned; }
  TFont* Font() const { return FFont.get(); }
  void SetFont(TFont* Value) { FFont->Assign(Value); }
  bool IsFontStored() const { return !FParentFont; }
  bool ParentFont() const { return FParentFont; }
  void SetParentFont(bool Value);

  virtual void AdjustTextColor(TColor& AColor, bool AActive);
  virtual void BoundsChanged(const TRect& /*R*/) {}
  virtual bool CanDelete() { return true; }
  virtual bool IsSizable() { return true; }
  virtual void Changed();
  // The right edge moves left by the grip area when the panel is last and the grip shows.
  virtual void ExcludeSizeGripArea(TRect& R);
  virtual TColor GetDefaultColor() const;
  virtual void AssignFrom(TdxStatusBarPanelStyle* ASource);
  virtual void DrawContent(TcxCanvas* ACanvas, TRect R, TdxStatusBarPainterClass APainter);
  virtual int MinPanelWidth() { return 20; }
  virtual bool DrawsOwnBevels() { return false; }
  virtual void Loaded() {}
  virtual void VisibleChanged() {}
  virtual void ParentFontChanged();
  virtual void RestoreDefaults();

 protected:
  TAlignment FAlignment = taLeftJustify;

 private:
  void FontChanged(TObject* Sender);
  TdxStatusBarPanel* FOwner;
  TColor FColor = clDefault;
  bool FColorAssigned = false;
  std::unique_ptr<TFont> FFont;
  bool FParentFont = true;
  bool FChangingFont = false;
};
using TdxStatusBarPanelStyleClass = TClass;

using TdxStatusBarGetTextEvent = TMethod<void(TObject* Sender, const TRect& R, String& AText)>;

class TdxStatusBarTextPanelStyle : public TdxStatusBarPanelStyle {
  VAMIRE_CLASS(TdxStatusBarTextPanelStyle, TdxStatusBarPanelStyle)
 public:
  using TdxStatusBarPanelStyle::TdxStatusBarPanelStyle;
  bool AutoHint() const { return FAutoHint; }
  // At most one text panel of a bar shows hints: the others lose it.
  void SetAutoHint(bool Value);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value);
  TdxStatusBarEllipsisType EllipsisType() const { return FEllipsisType; }
  void SetEllipsisType(TdxStatusBarEllipsisType Value);
  TdxStatusBarGetTextEvent OnGetText;

  void AssignFrom(TdxStatusBarPanelStyle* ASource) override;
  void DrawContent(TcxCanvas* ACanvas, TRect R, TdxStatusBarPainterClass APainter) override;
  void RestoreDefaults() override;

 private:
  bool FAutoHint = false;
  int FImageIndex = -1;
  TdxStatusBarEllipsisType FEllipsisType = dxetNone;
};

class TdxStatusBarStateIndicatorPanelStyle;

class TdxStatusBarStateIndicatorItem : public TCollectionItem {
  VAMIRE_CLASS(TdxStatusBarStateIndicatorItem, TCollectionItem)
 public:
  explicit TdxStatusBarStateIndicatorItem(TCollection* Collection);
  ~TdxStatusBarStateIndicatorItem() override;
  void Assign(TPersistent* Source) override;
  TdxStatusBarStateIndicatorType IndicatorType() const { return FIndicatorType; }
  // Reloads the lamp's bitmap.
  void SetIndicatorType(TdxStatusBarStateIndicatorType Value);
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);
  TBitmap* Bitmap() const { return FBitmap.get(); }

 private:
  void LoadBitmap();
  TdxStatusBarStateIndicatorType FIndicatorType = sitOff;
  bool FVisible = true;
  std::unique_ptr<TBitmap> FBitmap;
};

class TdxStatusBarStateIndicators : public TCollection {
  VAMIRE_CLASS(TdxStatusBarStateIndicators, TCollection)
 public:
  explicit TdxStatusBarStateIndicators(TdxStatusBarStateIndicatorPanelStyle* AOwner);
  TdxStatusBarStateIndicatorItem* Items(int Index) const {
    return static_cast<TdxStatusBarStateIndicatorItem*>(TCollection::Items(Index));
  }
  TdxStatusBarStateIndicatorItem* Add() { return static_cast<TdxStatusBarStateIndicatorItem*>(TCollection::Add()); }
  TPersistent* GetOwner() override;

 protected:
  void Update(TCollectionItem* Item) override;

 private:
  TdxStatusBarStateIndicatorPanelStyle* FOwner;
};

class TdxStatusBarStateIndicatorPanelStyle : public TdxStatusBarPanelStyle {
  VAMIRE_CLASS(TdxStatusBarStateIndicatorPanelStyle, TdxStatusBarPanelStyle)
 public:
  explicit TdxStatusBarStateIndicatorPanelStyle(TdxStatusBarPanel* AOwner);
  ~TdxStatusBarStateIndicatorPanelStyle() override;
  TdxStatusBarStateIndicators* Indicators() const { return FIndicators.get(); }
  void SetIndicators(TdxStatusBarStateIndicators* Value) { FIndicators->Assign(Value); }
  int Spacing() const { return FSpacing; }
  void SetSpacing(int Value);

  bool IsSizable() override { return false; }
  void AssignFrom(TdxStatusBarPanelStyle* ASource) override;
  void DrawContent(TcxCanvas* ACanvas, TRect R, TdxStatusBarPainterClass APainter) override;
  int MinPanelWidth() override;
  void RestoreDefaults() override;

 private:
  std::unique_ptr<TdxStatusBarStateIndicators> FIndicators;
  int FSpacing = 4;
};

// How one key's cell looks while its toggle is on and off.
class TdxStatusBarKeyStateAppearance : public TPersistent {
  VAMIRE_CLASS(TdxStatusBarKeyStateAppearance, TPersistent)
 public:
  TdxStatusBarKeyStateAppearance(TdxStatusBarKeyboardState AId, int ACode, const String& AActiveCaption,
                                 const String& AInactiveCaption, TNotifyEvent AOnChange);
  void Assign(TPersistent* Source) override;
  TColor ActiveFontColor() const { return FActiveFontColor; }
  void SetActiveFontColor(TColor Value);
  TColor InactiveFontColor() const { return FInactiveFontColor; }
  void SetInactiveFontColor(TColor Value);
  const String& ActiveCaption() const { return FActiveCaption; }
  void SetActiveCaption(const String& Value);
  const String& InactiveCaption() const { return FInactiveCaption; }
  void SetInactiveCaption(const String& Value);
  int Code() const { return FCode; }
  TdxStatusBarKeyboardState Id() const { return FId; }
  // The wider caption plus 4, in the canvas's font.
  int GetRectWidth(TcxCanvas* ACanvas) const;

 private:
  void Changed();
  TdxStatusBarKeyboardState FId;
  int FCode;
  TColor FActiveFontColor = clWindowText;
  TColor FInactiveFontColor = clBtnShadow;
  String FActiveCaption, FInactiveCaption;
  TNotifyEvent FOnChange;
};

// GetKeyState, which a test may replace (D-46); answers the one replaced.
using TdxKeyStateReader = SHORT (*)(int AVirtualKey);
TdxKeyStateReader SetStatusBarKeyStateReader(TdxKeyStateReader AReader);

// Polls the toggle state of its keys every 100 ms and updates the bar once
// when any changed.
class TdxStatusBarKeyboardStateNotifier : public TObject {
  VAMIRE_CLASS(TdxStatusBarKeyboardStateNotifier, TObject)
 public:
  explicit TdxStatusBarKeyboardStateNotifier(TdxCustomStatusBar* ABar);
  ~TdxStatusBarKeyboardStateNotifier() override;
  // An existing entry of the code goes first; the new one is appended.
  void AddKey(int ACode);
  // Removes exactly the first entry of the code.
  void RemoveKey(int ACode);
  std::vector<int> WatchedKeys() const;
  TTimer* Timer() const { return FTimer.get(); }

 private:
  struct TWatchedKey {
    int Code;
    int State;
  };
  void TimerHandler(TObject* Sender);
  TdxCustomStatusBar* FBar;
  std::unique_ptr<TTimer> FTimer;
  std::vector<TWatchedKey> FKeys;
};

class TdxStatusBarKeyboardStatePanelStyle : public TdxStatusBarPanelStyle {
  VAMIRE_CLASS(TdxStatusBarKeyboardStatePanelStyle, TdxStatusBarPanelStyle)
 public:
  explicit TdxStatusBarKeyboardStatePanelStyle(TdxStatusBarPanel* AOwner);
  ~TdxStatusBarKeyboardStatePanelStyle() override;
  TdxStatusBarKeyboardStates KeyboardStates() const { return FKeyboardStates; }
  void SetKeyboardStates(TdxStatusBarKeyboardStates Value);
  bool FullRect() const { return FFullRect; }
  void SetFullRect(bool Value);
  TdxStatusBarKeyStateAppearance* KeyAppearance(TdxStatusBarKeyboardState AKey) const {
    return FAppearances[AKey].get();
  }
  TdxStatusBarKeyStateAppearance* CapsLockKeyAppearance() const { return KeyAppearance(dxksCapsLock); }
  void SetCapsLockKeyAppearance(TdxStatusBarKeyStateAppearance* V) { FAppearances[dxksCapsLock]->Assign(V); }
  TdxStatusBarKeyStateAppearance* NumLockKeyAppearance() const { return KeyAppearance(dxksNumLock); }
  void SetNumLockKeyAppearance(TdxStatusBarKeyStateAppearance* V) { FAppearances[dxksNumLock]->Assign(V); }
  TdxStatusBarKeyStateAppearance* ScrollLockKeyAppearance() const { return KeyAppearance(dxksScrollLock); }
  void SetScrollLockKeyAppearance(TdxStatusBarKeyStateAppearance* V) { FAppearances[dxksScrollLock]->Assign(V); }
  TdxStatusBarKeyStateAppearance* InsertKeyAppearance() const { return KeyAppearance(dxksInsert); }
  void SetInsertKeyAppearance(TdxStatusBarKeyStateAppearance* V) { FAppearances[dxksInsert]->Assign(V); }
  TdxStatusBarKeyboardStateNotifier* Notifier() const { return FNotifier.get(); }
  // The bar is not designed and the key's toggle is on.
  bool IsKeyActive(TdxStatusBarKeyboardState AKey) const;

  bool IsSizable() override { return false; }
  bool DrawsOwnBevels() override { return !FFullRect; }
  void AssignFrom(TdxStatusBarPanelStyle* ASource) override;
  void DrawContent(TcxCanvas* ACanvas, TRect R, TdxStatusBarPainterClass APainter) override;
  int MinPanelWidth() override;
  void RestoreDefaults() override;

 private:
  void AppearanceChanged(TObject* Sender);
  TdxStatusBarKeyboardStates FKeyboardStates{dxksCapsLock, dxksNumLock, dxksScrollLock, dxksInsert};
  bool FFullRect = false;
  std::unique_ptr<TdxStatusBarKeyStateAppearance> FAppearances[4];
  std::unique_ptr<TdxStatusBarKeyboardStateNotifier> FNotifier;
};

// The area of a container panel in which any controls can be placed.
class TdxStatusBarContainerControl : public TcxControl {
  VAMIRE_CLASS(TdxStatusBarContainerControl, TcxControl)
 public:
  explicit TdxStatusBarContainerControl(TComponent* AOwner);
  ~TdxStatusBarContainerControl() override;
  TdxStatusBarContainerPanelStyle* PanelStyle() const { return FPanelStyle; }
  void SetPanelStyle(TdxStatusBarContainerPanelStyle* Value) { FPanelStyle = Value; }

 protected:
  bool HasScrollBars() override { return false; }
  bool MayFocus() override { return false; }
  bool CanFocusOnClick() override { return false; }
  void Paint() override;

 private:
  TdxStatusBarContainerPanelStyle* FPanelStyle = nullptr;
};

class TdxStatusBarContainerPanelStyle : public TdxStatusBarPanelStyle {
  VAMIRE_CLASS(TdxStatusBarContainerPanelStyle, TdxStatusBarPanelStyle)
 public:
  explicit TdxStatusBarContainerPanelStyle(TdxStatusBarPanel* AOwner);
  ~TdxStatusBarContainerPanelStyle() override;
  TdxStatusBarContainerControl* Container() const { return FContainer; }
  void SetContainer(TdxStatusBarContainerControl* Value);
  bool AlignControl() const { return FAlignControl; }
  void SetAlignControl(bool Value);

  void BoundsChanged(const TRect& R) override;
  bool CanDelete() override;
  void AssignFrom(TdxStatusBarPanelStyle* ASource) override;
  void VisibleChanged() override;
  void RestoreDefaults() override;

 private:
  TdxStatusBarContainerControl* FContainer = nullptr;
  bool FAlignControl = true;
};

// The panel styles by class name, made on first use.
TcxRegisteredClasses* GetRegisteredStatusBarPanelStyles();

// --- Panels -------------------------------------------------------------------------------
using TdxStatusBarDrawPanelEvent =
    TMethod<void(TdxStatusBarPanel* Sender, TcxCanvas* ACanvas, const TRect& ARect, bool& ADone)>;

class TdxStatusBarPanel : public TCollectionItem {
  VAMIRE_CLASS(TdxStatusBarPanel, TCollectionItem)
 public:
  explicit TdxStatusBarPanel(TCollection* Collection);
  ~TdxStatusBarPanel() override;
  void Assign(TPersistent* Source) override;

  TdxCustomStatusBar* StatusBar() const;
  String PanelStyleClassName() const;
  // A different registered class the bar accepts replaces the style.
  void SetPanelStyleClassName(const String& Value);
  TdxStatusBarPanelStyle* PanelStyle() const { return FPanelStyle.get(); }
  // Copies the values into the existing style.
  void SetPanelStyle(TdxStatusBarPanelStyle* Value);
  TdxStatusBarPanelBevel Bevel() const { return FBevel; }
  void SetBevel(TdxStatusBarPanelBevel Value);
  TBiDiMode BiDiMode() const { return FBiDiMode; }
  void SetBiDiMode(TBiDiMode Value);
  bool IsBiDiModeStored() const { return !FParentBiDiMode; }
  bool ParentBiDiMode() const { return FParentBiDiMode; }
  void SetParentBiDiMode(bool Value);
  // The stored flag while the style is sizable, else true.
  bool Fixed() const;
  void SetFixed(bool Value);
  int MinWidth() const;
  // Stores max(Value, 0) and raises Width to it.
  void SetMinWidth(int Value);
  bool IsMinWidthStored() const { return FMinWidthAssigned; }
  int Width() const;
  // Stores max(Value, MinWidth).
  void SetWidth(int Value);
  bool IsWidthStored() const { return FWidthAssigned; }
  const String& Text() const { return FText; }
  // A different text (compared exactly) recalculates and invalidates the bar.
  void SetText(const String& Value);
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);

  virtual void Click();
  virtual void DblClick();
  virtual int GetDefaultMinWidth() const;
  virtual int GetDefaultWidth() const;
  virtual int GetLayoutMinWidth() const;
  virtual int GetLayoutWidth() const;
  virtual void AddLayoutExtents(int& AWidth) const;
  virtual void RestoreDefaults();
  // The item's change without a full update.
  void PanelChanged() { Changed(false); }

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TdxStatusBarDrawPanelEvent OnDrawPanel;

 protected:
  String GetDisplayName() override;
  virtual void CreatePanelStyle();
  virtual void FreePanelStyle();

 private:
  friend class TdxCustomStatusBar;
  TClass FPanelStyleClass = nullptr;
  std::unique_ptr<TdxStatusBarPanelStyle> FPanelStyle;
  TdxStatusBarPanelBevel FBevel = dxpbLowered;
  TBiDiMode FBiDiMode = bdLeftToRight;
  bool FParentBiDiMode = true;
  bool FFixed = true;
  int FMinWidth = 20;
  bool FMinWidthAssigned = false;
  int FWidth = 50;
  bool FWidthAssigned = false;
  String FText;
  bool FVisible = true;
};

class TdxStatusBarPanels : public TCollection {
  VAMIRE_CLASS(TdxStatusBarPanels, TCollection)
 public:
  explicit TdxStatusBarPanels(TdxCustomStatusBar* AOwner);
  TdxStatusBarPanel* Items(int Index) const { return static_cast<TdxStatusBarPanel*>(TCollection::Items(Index)); }
  TdxStatusBarPanel* Add() { return static_cast<TdxStatusBarPanel*>(TCollection::Add()); }
  TdxCustomStatusBar* StatusBar() const { return FOwner; }
  TPersistent* GetOwner() override;
  void Loaded();

 protected:
  void Update(TCollectionItem* Item) override;

 private:
  TdxCustomStatusBar* FOwner;
};

// --- View info ----------------------------------------------------------------------------
struct TdxStatusBarPanelViewInfo {
  TdxStatusBarPanel* Panel = nullptr;
  TRect Bounds;
  TRect SeparatorBounds;  // empty after the last panel
};

class TdxStatusBarViewInfo : public TObject {
  VAMIRE_CLASS(TdxStatusBarViewInfo, TObject)
 public:
  explicit TdxStatusBarViewInfo(TdxCustomStatusBar* ABar) : FBar(ABar) {}
  void Calculate(const TRect& AContent);
  const std::vector<TdxStatusBarPanelViewInfo>& Panels() const { return FPanels; }
  bool SizeGripOverlapped() const { return FSizeGripOverlapped; }

 private:
  TdxCustomStatusBar* FBar;
  std::vector<TdxStatusBarPanelViewInfo> FPanels;
  bool FSizeGripOverlapped = false;
};

// --- The bar ------------------------------------------------------------------------------
class TdxCustomStatusBar : public TcxControl {
  VAMIRE_CLASS(TdxCustomStatusBar, TcxControl)
 public:
  explicit TdxCustomStatusBar(TComponent* AOwner);
  ~TdxCustomStatusBar() override;

  TdxStatusBarPanels* Panels() const { return FPanels.get(); }
  void SetPanels(TdxStatusBarPanels* Value) { FPanels->Assign(Value); }
  TdxStatusBarPaintStyle PaintStyle() const { return FPaintStyle; }
  void SetPaintStyle(TdxStatusBarPaintStyle Value);
  bool IsPaintStyleStored() const { return FPaintStyle != stpsUseLookAndFeel; }
  bool SizeGrip() const { return FSizeGrip; }
  void SetSizeGrip(bool Value);
  TCustomImageList* Images() const { return FImages; }
  void SetImages(TCustomImageList* Value);
  int BorderWidth() const { return FBorderWidth; }
  // Negative values become 0.
  void SetBorderWidth(int Value);
  // The runtime's controls have no reading order: the bar keeps its own for its panels.
  TBiDiMode BiDiMode() const { return FBiDiMode; }
  void SetBiDiMode(TBiDiMode Value);
  TNotifyEvent OnHint;

  virtual void AdjustTextColorHook(TColor& /*AColor*/, bool /*AActive*/) {}
  // Lays the panels out in the content rectangle.
  virtual void Calculate();
  virtual TdxStatusBarPanel* AddPanel();
  virtual TClass GetDefaultPanelStyleClass() const;
  // The painter for the paint style and the look-and-feel.
  virtual TdxStatusBarPainterClass GetPainterClass();
  virtual TdxStatusBarPaintStyle GetEffectivePaintStyle();
  virtual bool IsSizeGripAllocated();
  // Recalculates (unless destroying or without panels) and invalidates.
  virtual void UpdatePanels();
  virtual bool CanAcceptPanelStyle(TClass AClass);
  virtual TdxStatusBarPanel* GetPanelAt(int X, int Y);

  TdxStatusBarPainterClass Painter() const { return FPainter; }
  TdxStatusBarViewInfo* ViewInfo() const { return FViewInfo.get(); }
  // The client bounds less the painter's border extents.
  TRect GetContentBounds();
  // The painter's grip area size.
  TSize SizeGripAreaSize() const { return FPainter->GetSizeGripAreaSize(); }
  bool IsDesigningBar() { return IsDesigning(); }
  bool IsLoadingOrReading() const;
  // Number of Calculate runs, for tests of when the layout is redone.
  int CalculateCount() const { return FCalculateCount; }

  void Loaded() override;
  bool ExecuteAction(TBasicAction* Action);

 protected:
  virtual bool DoHint();
  virtual void InitPainterClass();
  virtual void PaintStyleChanged();
  virtual void ThemeChanged();
  void Paint() override;
  void Resize() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Dispatch(TMessage& Message) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void FontChanged() override;
  bool NeedsEraseBackground() override { return false; }
  bool HasScrollBars() override { return false; }
  bool MayFocus() override { return false; }
  bool CanFocusOnClick() override { return false; }
  void LookAndFeelChanged(TcxLookAndFeel* Sender, TcxLookAndFeelValues AChangedValues) override;

 private:
  void ImagesChanged(TObject* Sender);
  void ThemeChangedHandler(TObject* Sender);
  std::unique_ptr<TdxStatusBarPanels> FPanels;
  TCustomImageList* FImages = nullptr;
  std::unique_ptr<TChangeLink> FImageChangeLink;
  TdxStatusBarPaintStyle FPaintStyle = stpsUseLookAndFeel;
  bool FSizeGrip = true;
  int FBorderWidth = 0;
  TBiDiMode FBiDiMode = bdLeftToRight;
  TdxStatusBarPainterClass FPainter = nullptr;
  bool FThemeAvailable = false;
  std::unique_ptr<TdxThemeChangedNotificator> FThemeChangedNotificator;
  std::unique_ptr<TdxStatusBarViewInfo> FViewInfo;
  int FCalculateCount = 0;
};

class TdxStatusBar : public TdxCustomStatusBar {
  VAMIRE_CLASS(TdxStatusBar, TdxCustomStatusBar)
 public:
  using TdxCustomStatusBar::TdxCustomStatusBar;
};

// "Control '%s' has no parent window"; "Parent given is not a parent of '%s'";
// "Selection contains a component introduced in an ancestor form which cannot be deleted".
extern const TResStringRec dxSBAR_NOPARENTWINDOW;
extern const TResStringRec dxSBAR_NOTAPARENT;
extern const TResStringRec dxSBAR_CANTDELETEANCESTOR;

// Unit start: the four panel styles registered with their descriptions and
// the container control for streaming; end: all of it taken back.
void dxStatusBar_Initialize();
void dxStatusBar_Finalize();
extern const TUnitEntry dxStatusBarUnit;
