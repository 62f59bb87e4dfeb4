// The container: a toolkit control that wraps a standard window control (an
// edit, a list box, a memo) as its inner control and draws everything around
// it itself: border, shadow, background and, over the inner control's native
// scroll bars, toolkit scroll bars. Four styles (normal, focused, disabled,
// hot), each of whose values is assigned or inherited from a shared style
// controller, decide its look; before every paint and after every change of
// state it computes a view info, and paints only from that.
//
// The unit also exports the window, focus, message-queue and rectangle
// helpers that the container, the popup window and the controls above use.
#pragma once

#include <windows.h>

#include <vector>

#include "Controls.h"
#include "Forms.h"
#include "Graphics.h"
#include "Units.h"
#include "cxContainer.h"
#include "cxControls_win.h"
#include "cxGraphics_win.h"
#include "cxLookAndFeels.h"
#include "dxThemeManager.h"

class TcxContainer;
class TcxContainerStyle;
class TcxContainerStyles;
class TcxStyleController;
class TcxContainerViewInfo;

// Raised for a style or view-info class that is none, or made without its parameters.
VAMIRE_EXCEPTION(EcxContainerError, Exception)

// --- The inner control's side -----------------------------------------------------------------
// Implemented by inner controls (the inner list box, the editors' inner edits):
// the control itself and the container it sits in.
class IcxContainerInnerControl : public virtual IInterface {
  VAMIRE_INTERFACE(IcxContainerInnerControl, IInterface, "{6E3B1D27-94AF-4C58-B0E2-17D9A4C6F385}")
 public:
  virtual TWinControl* GetControl() = 0;
  virtual TcxContainer* GetControlContainer() = 0;
};

// --- Styles -------------------------------------------------------------------------------
// What a style is made with; the virtual constructor of the style classes takes it.
class TcxContainerStyleCreateParams : public TObject {
  VAMIRE_CLASS(TcxContainerStyleCreateParams, TObject)
 public:
  TcxContainerStyleCreateParams(TPersistent* AOwner, bool ADirectAccessMode, TcxContainerStyle* AParentStyle,
                                TcxContainerStateIndex AState)
      : Owner(AOwner), DirectAccessMode(ADirectAccessMode), ParentStyle(AParentStyle), State(AState) {}
  TPersistent* Owner;
  bool DirectAccessMode;
  TcxContainerStyle* ParentStyle;
  TcxContainerStateIndex State;
};

// The ten values of one state of a container. The normal (main) style owns
// the font and the look-and-feel and holds the style controller; the others
// take Edges, Font, HotTrack, Shadow and TransparentBorder from it. A direct
// style holds plain values for a painter and never notifies.
class TcxContainerStyle : public TcxInterfacedPersistent {
  VAMIRE_CLASS(TcxContainerStyle, TcxInterfacedPersistent)
 public:
  using TCreateArg = TcxContainerStyleCreateParams;
  explicit TcxContainerStyle(TcxContainerStyleCreateParams* AParams);
  TcxContainerStyle(TPersistent* AOwner, bool ADirectAccessMode, TcxContainerStyle* AParentStyle = nullptr,
                    TcxContainerStateIndex AState = csiNormal);
  ~TcxContainerStyle() override;
  void BeforeDestruction() override;
  // Another container style's values (see the unit's notes); anything else raises.
  void Assign(TPersistent* Source) override;
  // "IsFontAssigned", written whenever Font is.
  void DefineProperties(TFiler* Filer) override;

  // Made through the class object of AStyleClass (a TcxContainerStyle descendant).
  static TcxContainerStyle* CreateStyle(TClass AStyleClass, TPersistent* AOwner, bool ADirectAccessMode,
                                        TcxContainerStyle* AParentStyle, TcxContainerStateIndex AState);

  // --- Values: own, through the controller chain, or the default
  TColor BorderColor() const;
  void SetBorderColor(TColor Value);
  TcxContainerBorderStyle BorderStyle() const;
  void SetBorderStyle(TcxContainerBorderStyle Value);
  // The published colour (EffectiveColor).
  TColor Color() const { return EffectiveColor(); }
  void SetColor(TColor Value);
  TcxBorders Edges() const;
  void SetEdges(TcxBorders Value);
  // The main style's font (a direct style's reference).
  TFont* Font() const;
  void SetFont(TFont* Value);
  bool HotTrack() const;
  void SetHotTrack(bool Value);
  bool Shadow() const;
  void SetShadow(bool Value);
  TColor TextColor() const { return EffectiveTextColor(); }
  void SetTextColor(TColor Value);
  TFontStyles TextStyle() const { return EffectiveTextStyle(); }
  void SetTextStyle(TFontStyles Value);
  bool TransparentBorder() const;
  void SetTransparentBorder(bool Value);
  // The main style's look-and-feel.
  TcxLookAndFeel* LookAndFeel() const;
  void SetLookAndFeel(TcxLookAndFeel* Value);
  // Published: null while the default controller is in force.
  TcxStyleController* StyleController() const;
  void SetStyleController(TcxStyleController* Value);
  // The controller in force (the main style's); null only without a default one.
  TcxStyleController* ActiveStyleController() const;

  TcxContainerStyleValues AssignedValues() const;
  void SetAssignedValues(TcxContainerStyleValues Value);
  // The value is assigned here or in the controller's style of this state (values 0..8).
  virtual bool IsValueAssigned(TcxContainerStyleValue AValue) const;
  // The visible font: Font with TextColor and TextStyle applied.
  TFont* GetEffectiveFont() const;
  // An assigned colour first; then the parent's (main style of a container
  // that is not hosted, with ParentColor and a parent); then the default.
  virtual TColor GetPaintColor() const;
  virtual TColor EffectiveColor() const;
  virtual TColor EffectiveTextColor() const;
  virtual TFontStyles EffectiveTextStyle() const;
  // False for "LookAndFeel" and "StyleController", true for a name that is
  // no value, else true unless the value is unpublished.
  bool IsStylePropertyPublished(const String& APropertyName) const;
  // The value of that name (ignoring case); false when none.
  bool FindStyleValue(const String& APropertyName, TcxContainerStyleValue& AValue) const;
  virtual int GetValueCount() const { return cxContainerStyleValueCount; }
  virtual bool GetValueName(TcxContainerStyleValue AValue, String& AName) const;
  // True for the main style, else the main style's answer.
  virtual bool BorderShown() const;
  virtual void ResetToDefaults();
  virtual void NotifyChanged();
  void LockUpdates();
  void UnlockUpdates();
  // Brackets for callers; changes inside report once at the outermost end.
  void BeginUpdate() { LockUpdates(); }
  void EndUpdate() { UnlockUpdates(); }
  // Copies the controller's font into the main font unless Font is assigned.
  void RefreshFont();

  bool IsMainStyle() const { return FParentStyle == nullptr; }
  TcxContainerStyle* MainStyle() const { return FParentStyle ? FParentStyle : const_cast<TcxContainerStyle*>(this); }
  TcxContainerStyle* ParentStyle() const { return FParentStyle; }
  TcxContainerStateIndex State() const { return FState; }
  bool DirectAccessMode() const { return FDirectAccessMode; }
  // The owning container, or null (a controller's or a popup's style).
  TcxContainer* Container() const;
  bool IsDestroying() const { return FDestroying; }
  // Stored tests of the published values.
  bool IsBorderColorStored() const { return IsStoredValue(svBorderColor, L"BorderColor"); }
  bool IsBorderStyleStored() const { return IsStoredValue(svBorderStyle, L"BorderStyle"); }
  bool IsColorStored() const { return IsStoredValue(svColor, L"Color"); }
  bool IsEdgesStored() const { return IsStoredValue(svEdges, L"Edges"); }
  bool IsFontStored() const { return IsStoredValue(svFont, L"Font"); }
  bool IsHotTrackStored() const { return IsStoredValue(svHotTrack, L"HotTrack"); }
  bool IsShadowStored() const { return IsStoredValue(svShadow, L"Shadow"); }
  bool IsTextColorStored() const { return IsStoredValue(svTextColor, L"TextColor"); }
  bool IsTextStyleStored() const { return IsStoredValue(svTextStyle, L"TextStyle"); }
  bool IsTransparentBorderStored() const { return IsStoredValue(svTransparentBorder, L"TransparentBorder"); }
  bool IsStyleControllerStored() const { return IsMainStyle() && StyleController() != nullptr; }
  bool IsLookAndFeelStored() const { return IsMainStyle(); }

  TNotifyEvent OnChanged;

 protected:
  virtual void ControllerChanged();
  virtual void ControllerFreed(TcxStyleController* AController);
  virtual TColor GetDefaultBorderColor() const;
  virtual TcxContainerBorderStyle GetDefaultBorderStyle() const;
  virtual TColor GetDefaultColor() const;
  virtual TcxBorders GetDefaultEdges() const { return cxBordersAll; }
  virtual bool GetDefaultHotTrack() const { return true; }
  virtual bool GetDefaultShadow() const { return false; }
  virtual TColor GetDefaultTextColor() const;
  virtual TFontStyles GetDefaultTextStyle() const;
  virtual bool GetDefaultTransparentBorder() const { return true; }
  virtual void HandleFontChange(TObject* Sender);
  // The default controller of this style class.
  virtual TcxStyleController* GetDefaultStyleControllerFor() const;
  // Edges, Font, HotTrack, Shadow, TransparentBorder: only the normal style has them.
  virtual TcxContainerStyleValues GetUnpublishedStyleValues() const;

  // The controller's style of this state, or null.
  TcxContainerStyle* ControllerStyle() const;
  bool IsStoredValue(TcxContainerStyleValue AValue, const wchar_t* AName) const;
  void LookAndFeelChanged(TcxLookAndFeel* Sender, TcxLookAndFeelValues AChangedValues);

 private:
  friend class TcxStyleController;
  friend class TcxContainer;  // writes the font it is given without marking it assigned
  void Init(TPersistent* AOwner, bool ADirectAccessMode, TcxContainerStyle* AParentStyle,
            TcxContainerStateIndex AState);
  // Sets an ordinary value: nothing when assigned and equal, else stores, marks and notifies.
  template <class T>
  void SetOwnValue(T& AField, const T& AValue, TcxContainerStyleValue ABit);
  void ReadIsFontAssigned(TReader* Reader);
  void WriteIsFontAssigned(TWriter* Writer);
  bool ChainLeadsTo(TcxStyleController* AController) const;
  void UpdateVisibleFont() const;

  TcxContainerStyleValues FAssignedValues;
  TColor FBorderColor = clWindowFrame;
  TcxContainerBorderStyle FBorderStyle = cbsNone;
  TColor FColor = clWindow;
  TcxBorders FEdges = cxBordersAll;
  bool FHotTrack = true;
  bool FShadow = false;
  TColor FTextColor = clWindowText;
  TFontStyles FTextStyle;
  bool FTransparentBorder = true;
  TFont* FFont = nullptr;
  bool FOwnsFont = false;
  mutable TFont* FVisibleFont = nullptr;
  TcxLookAndFeel* FLookAndFeel = nullptr;
  TcxStyleController* FStyleController = nullptr;
  TcxContainerStyle* FParentStyle = nullptr;
  TcxContainerStateIndex FState = csiNormal;
  bool FDirectAccessMode = false;
  int FUpdateCount = 0;
  bool FModified = false;
  bool FDestroying = false;
  int FFontAssignLock = 0;
};

// What a style set is made with.
class TcxContainerStylesCreateParams : public TObject {
  VAMIRE_CLASS(TcxContainerStylesCreateParams, TObject)
 public:
  TcxContainerStylesCreateParams(TPersistent* AOwner, TClass AStyleClass) : Owner(AOwner), StyleClass(AStyleClass) {}
  TPersistent* Owner;
  TClass StyleClass;
};

// The four styles of a container or a controller, by state.
class TcxContainerStyles : public TObject {
  VAMIRE_CLASS(TcxContainerStyles, TObject)
 public:
  using TCreateArg = TcxContainerStylesCreateParams;
  explicit TcxContainerStyles(TcxContainerStylesCreateParams* AParams);
  TcxContainerStyles(TPersistent* AOwner, TClass AStyleClass);
  ~TcxContainerStyles() override;
  static TcxContainerStyles* CreateStyles(TClass AStylesClass, TPersistent* AOwner, TClass AStyleClass);

  TcxContainerStyle* Style() const { return FStyles[csiNormal]; }
  TcxContainerStyle* StyleFocused() const { return FStyles[csiFocused]; }
  TcxContainerStyle* StyleDisabled() const { return FStyles[csiDisabled]; }
  TcxContainerStyle* StyleHot() const { return FStyles[csiHot]; }
  TcxContainerStyle* GetStyle(TcxContainerStateIndex AState) const { return FStyles[AState]; }
  // Assign into the existing style of that state.
  void SetStyle(TcxContainerStateIndex AState, TcxContainerStyle* Value) { FStyles[AState]->Assign(Value); }
  void SetStyleNormal(TcxContainerStyle* Value) { SetStyle(csiNormal, Value); }
  void SetStyleFocused(TcxContainerStyle* Value) { SetStyle(csiFocused, Value); }
  void SetStyleDisabled(TcxContainerStyle* Value) { SetStyle(csiDisabled, Value); }
  void SetStyleHot(TcxContainerStyle* Value) { SetStyle(csiHot, Value); }
  void SetOnChanged(TNotifyEvent Value);

 private:
  void Init(TPersistent* AOwner, TClass AStyleClass);
  TcxContainerStyle* FStyles[4] = {};
};

// Styles shared by many containers: each container's normal style that names
// the controller takes every value it does not assign from the controller's
// style of the same state.
class TcxStyleController : public TcxComponent {
  VAMIRE_CLASS(TcxStyleController, TcxComponent)
 public:
  explicit TcxStyleController(TComponent* AOwner);
  ~TcxStyleController() override;
  void BeforeDestruction() override;
  void Loaded() override;
  // "PixelsPerInch": the design density the fonts were set at.
  void DefineProperties(TFiler* Filer) override;

  virtual void AttachStyle(TcxContainerStyle* AStyle);
  virtual void DetachStyle(TcxContainerStyle* AStyle);
  virtual TClass ContainerStyleClass() const { return TcxContainerStyle::StaticClass(); }
  virtual TClass GetStylesClass() const { return TcxContainerStyles::StaticClass(); }
  // OnStyleChanged, then ControllerChanged of every listening style in list order.
  void Changed();

  TcxContainerStyles* Styles() const { return FStyles; }
  TcxContainerStyle* Style() const { return FStyles->Style(); }
  TcxContainerStyle* StyleNormal() const { return FStyles->Style(); }
  TcxContainerStyle* StyleFocused() const { return FStyles->StyleFocused(); }
  TcxContainerStyle* StyleDisabled() const { return FStyles->StyleDisabled(); }
  TcxContainerStyle* StyleHot() const { return FStyles->StyleHot(); }
  TcxContainerStyle* GetStyle(TcxContainerStateIndex AState) const { return FStyles->GetStyle(AState); }
  void SetStyle(TcxContainerStyle* Value) { FStyles->SetStyleNormal(Value); }
  void SetStyleFocused(TcxContainerStyle* Value) { FStyles->SetStyleFocused(Value); }
  void SetStyleDisabled(TcxContainerStyle* Value) { FStyles->SetStyleDisabled(Value); }
  void SetStyleHot(TcxContainerStyle* Value) { FStyles->SetStyleHot(Value); }
  // Published; writing it does nothing.
  TcxStyleController* FakeStyleController() const { return FStyles->Style()->StyleController(); }
  void SetFakeStyleController(TcxStyleController*) {}
  int ListenerCount() const { return int(FListeners.size()); }
  bool IsListening(const TcxContainerStyle* AStyle) const;
  bool IsDestroying() const { return FDestroying; }
  int PixelsPerInch() const { return FPixelsPerInch; }

  TNotifyEvent OnStyleChanged;

 protected:
  // Descendants name the class of their four styles (null: TcxContainerStyle).
  TcxStyleController(TComponent* AOwner, TClass AStyleClass);
  int ScreenPixelsPerInch() const;

 private:
  void StyleChanged(TObject* Sender);
  void ReadPixelsPerInch(TReader* Reader);
  void WritePixelsPerInch(TWriter* Writer);

  TcxContainerStyles* FStyles;
  std::vector<TcxContainerStyle*> FListeners;
  int FPixelsPerInch = 0;
  bool FDestroying = false;
};

// The process-wide default controller; null until the editors set one.
TcxStyleController* GetDefaultStyleController();
void SetDefaultStyleController(TcxStyleController* AController);

// --- View info ----------------------------------------------------------------------------
// Everything a container paints from, computed before every paint.
class TcxContainerViewInfo : public TObject {
  VAMIRE_CLASS(TcxContainerViewInfo, TObject)
 public:
  TcxContainerViewInfo() = default;
  static TcxContainerViewInfo* CreateViewInfo(TClass AViewInfoClass);

  virtual void DrawBorder(TcxCanvas* ACanvas, const TRect& R);
  virtual TcxContainerBorderStyle GetBorderStyle() const { return BorderStyle; }
  virtual void PaintBackgroundAndBorder(TcxCanvas* ACanvas);
  virtual void AssignBackgroundColor(TColor AColor) { BackgroundColor = AColor; }
  // Copies ClientRect only.
  virtual void Assign(TcxContainerViewInfo* AViewInfo);
  // A new empty region here; editors answer what changed since AViewInfo.
  virtual TcxRegion* CreateUpdateRegion(TcxContainerViewInfo* AViewInfo);
  // Moves Bounds, BorderRect and ClientRect.
  virtual void Shift(int DX, int DY);
  virtual void Render(TcxCanvas* ACanvas) { PaintBackgroundAndBorder(ACanvas); }
  // Painter := the skin painter of the style's look-and-feel; answers UsesSkinPainter.
  virtual bool UpdateStyle(TcxContainerStyle* AStyle);

  TRect Bounds;
  TRect BorderRect;
  TRect ClientRect;
  TColor BackgroundColor = clWindow;
  TColor BorderColor = clWindowFrame;
  TcxContainerBorderStyle BorderStyle = cbsNone;
  int BorderWidth = 0;
  TcxBorders Edges = cxBordersAll;
  bool Shadow = false;
  TcxContainerState ContainerState = ContainerStateNormal;
  TcxContainerHotState HotState = HotStateNone;
  bool NativeStyle = false;
  TdxThemedObjectType ThemedObjectType = totEdit;
  int NativePart = 1;
  int NativeState = 1;
  TcxCustomLookAndFeelPainterClass Painter = nullptr;
  bool UsesSkinPainter = false;
};

// Fills the two shadow bands of R with clBtnShadow and takes them out of the clip region.
void PaintContainerShadow(TcxCanvas* ACanvas, const TRect& R);
// GetContainerBorderWidth with a skin painter or none.
int GetContainerBorderWidth(TcxContainerBorderStyle AStyle, TcxCustomLookAndFeelPainterClass ASkinPainter);
// Null unless there is a shadow and the container is not native with a
// border; else the bounds with their copy moved by (3, 3), shrunk by the
// margins, less AExclude when it is not empty.
TcxRegion* CreatePopupShadowRegion(const TRect& ABounds, const TRect& AMargins, const TRect& AExclude, bool AShadow,
                                   bool ANativeWithBorder);
// Sets the window's region to ARegion unless equal to the current one (then
// ARegion is freed); null removes the region. Answers whether it changed.
bool SetPopupShadowRegion(HWND AWindow, TcxRegion* ARegion);

// --- The container ------------------------------------------------------------------------
// The visible part of the inner control, as last given to it.
struct TcxContainerInnerControlBounds {
  bool IsEmpty = true;  // entirely visible: no region
  TRect Rect;
};

struct TcxContainerSizeGripData {
  bool Visible = false;
  TRect Bounds;
};

class TcxContainer : public TcxControl, public IcxMouseTrackingCaller {
  VAMIRE_CLASS(TcxContainer, TcxControl)
 public:
  explicit TcxContainer(TComponent* AOwner);
  ~TcxContainer() override;
  void BeforeDestruction() override;
  bool GetInterface(const TGUID& iid, void** obj) override;

  TWinControl* InnerControl() const { return FInnerControl; }
  // Moves the free notification from the old inner control to the new one.
  virtual void SetInnerControl(TWinControl* Value);
  TcxContainerStyles* Styles() const { return FStyles; }
  TcxContainerStyle* Style() const { return FStyles->Style(); }
  TcxContainerStyle* StyleFocused() const { return FStyles->StyleFocused(); }
  TcxContainerStyle* StyleDisabled() const { return FStyles->StyleDisabled(); }
  TcxContainerStyle* StyleHot() const { return FStyles->StyleHot(); }
  void SetStyle(TcxContainerStyle* Value) { FStyles->SetStyleNormal(Value); }
  void SetStyleFocused(TcxContainerStyle* Value) { FStyles->SetStyleFocused(Value); }
  void SetStyleDisabled(TcxContainerStyle* Value) { FStyles->SetStyleDisabled(Value); }
  void SetStyleHot(TcxContainerStyle* Value) { FStyles->SetStyleHot(Value); }
  TcxContainerViewInfo* ViewInfo() const { return FViewInfo; }
  TcxStyleController* FakeStyleController() const { return Style()->StyleController(); }
  void SetFakeStyleController(TcxStyleController*) {}

  // The container or its inner control has the focus.
  bool Focused() override;
  void SetFocus() override;
  // The view info no longer matches: recompute it (painting calls it first).
  void RefreshIfNeeded();
  // Counts; while above 0 the inner control is not aligned.
  void LockAlignControls(bool ALock);
  // For a state style: false when unpublished; for a value in GetUnstoredStyleValues: false.
  virtual bool IsStylePropertyStored(const String& APropertyName, bool AIsStateStyle);
  virtual bool IsPopupOpen() { return false; }
  virtual bool IsHosted() { return false; }
  virtual bool IsReadOnly() { return false; }
  virtual bool IsTransparentContainer() { return false; }
  virtual bool IsFocusedState() { return Focused(); }
  virtual bool IsChildControlHost() { return false; }
  // The current state style's visible font with the skin text colour when there is one.
  virtual TFont* GetPaintFont();
  virtual TcxContainerStyle* GetCurrentStateStyle();
  virtual TcxContainerStyle* GetStyleForState(TcxContainerState AState);
  virtual bool HasShadow();
  virtual bool UsesNativeTheme();
  virtual bool PrefersParentColor() { return false; }
  virtual TcxContainerStyleValues GetUnstoredStyleValues() { return {}; }
  virtual void StyleChanged(TObject* Sender);
  // The shift state of a forwarded key down of the inner control ran the key pre-check.
  virtual bool ProcessInnerKeyMessage(TMessage& Message);
  // Answers false: editors override it.
  virtual bool HandleInnerControlMessage(TMessage& Message);
  virtual void ResetInnerControlRegion() { FInnerControlBounds.IsEmpty = true; }
  virtual void UpdateScrollBarsFromInner(bool ASkipAdjust = false);
  // The inherited update, then the bars laid over the inner control's native ones.
  void UpdateScrollBars() override;
  virtual bool RefreshViewState(const TPoint& P, int AButtonCode, TShiftState AShift, bool ANotify);
  virtual void SetFocusToInnerControl();
  virtual void ApplyDragKind(TDragKind AKind);
  TDragKind DragKind() const { return TControl::DragKind(); }
  void SetDragKind(TDragKind Value) { ApplyDragKind(Value); }
  void SetDragMode(TDragMode Value) override;
  virtual bool IsMouseTrackingActive() { return IsMouseTracked(this); }
  // The scroll bars over the inner control's native ones.
  TcxControlScrollBar* InnerHScrollBar() const { return HScrollBar(); }
  TcxControlScrollBar* InnerVScrollBar() const { return VScrollBar(); }
  const TcxContainerSizeGripData& SizeGripData() const { return FSizeGripData; }
  bool IsRefreshed() const { return FIsViewInfoCalculated; }
  bool IsCreating() const { return FIsCreating; }
  // Raised by the inner controls around a forwarded mouse-down.
  bool InnerControlMouseDown = false;
  // The inner edit repaints through a buffer: set at each calculation of the
  // view info, and only while desktop composition is on.
  bool RepaintThroughBuffer() const { return FRepaintThroughBuffer; }

  // IcxMouseTrackingCaller
  void MouseLeave() override { LeaveHotState(); }
  void Invalidate() override;
  void Update() override;
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void GetTabOrderList(std::vector<TWinControl*>& List) override;
  // The view info's client rectangle.
  TRect GetClientBounds() override;

 protected:
  // For descendants whose styles and view info are of other classes: a
  // constructor cannot reach the class methods of the class being made.
  TcxContainer(TComponent* AOwner, TClass AStyleClass, TClass AViewInfoClass);

  // --- New virtual operations, in slot order
  virtual void UpdateInnerControlAppearance();
  virtual void AdjustScrollBar(TcxControlScrollBar* AScrollBar);
  virtual void CalculateViewInfo(const TPoint& P, bool AHotAllowed);
  virtual bool TabMovesFocus() { return true; }
  virtual bool NeedsClientRegion();
  virtual bool CanRefresh();
  virtual bool CanShowContextPopupAt(const TPoint& /*P*/) { return true; }
  virtual TcxRegion* CreateWindowRegion();
  virtual void StateRefreshed() {}
  virtual void LeaveHotState();
  virtual TColor GetBackgroundColor();
  virtual TColor GetBorderColor();
  virtual void GetBorderThickness(TRect& AMargins);
  virtual void GetSkinColors(TColor& ABackground, TColor& AText);
  virtual int GetPainterState();
  virtual void GetInnerControlVisibleRect(const TRect& ABounds, TControl* AControl,
                                          TcxContainerInnerControlBounds& ARecord);
  virtual void GetBorderBounds(TRect& R);
  virtual void GetRegionMargins(TRect& AMargins) { AMargins = TRect{}; }
  virtual TClass GetStyleClass() { return TcxContainerStyle::StaticClass(); }
  virtual TClass GetStylesClass() { return TcxContainerStyles::StaticClass(); }
  virtual TClass GetViewInfoClass() { return TcxContainerViewInfo::StaticClass(); }
  virtual bool IsScrollBarInfoVisible(const SCROLLBARINFO& AInfo);
  virtual bool DependsOnParentBackground() { return false; }
  virtual void AdjustInnerControlBounds();
  // Clips the canvas to the window region (margins, border bounds and shadow).
  virtual void ClipCanvasToWindowRegion(TcxCanvas* ACanvas);
  virtual void PaintCopyClip(TcxCanvas* ACanvas);
  virtual void UpdateWindowRegion();
  virtual TdxThemedObjectType GetThemedObjectKind() { return totEdit; }
  virtual int GetNativePart();
  virtual int GetNativeState();
  // (left, top, width, height) of the native bar in client coordinates, all 0 off the container.
  virtual TRect ScrollBarInfoToClientRect(const SCROLLBARINFO& AInfo);
  virtual bool IsNativeScrollBarUsable(TcxControlScrollBar* AScrollBar, const SCROLLBARINFO& AInfo);
  virtual bool GetInnerScrollBarInfo(SCROLLBARINFO& AInfo, TScrollBarKind AKind);
  virtual void SetScrollBarVisible(TcxControlScrollBar* AScrollBar, bool AVisible);
  virtual void GetHotZoneRect(TRect& R);

  // --- Overrides of the base control
  bool CanFocusOnClick() override;
  bool CanFocusOnScrollBarClick() override { return false; }
  bool HasScrollBars() override { return false; }
  bool AllowDesignHitTest(int X, int Y, TShiftState Shift) override;
  void RefreshMouseState() override;
  TcxCustomLookAndFeelPainterClass GetLookAndFeelPainter() override;
  bool MayFocus() override;
  void FocusChanged() override;
  void FontChanged() override;
  void CursorChanged() override;
  void MouseEnter(TControl* AControl) override;
  void MouseLeave(TControl* AControl) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void DoContextPopup(TPoint MousePos, bool& Handled) override;
  void AlignControls(TControl* AControl, TRect& Rect) override;
  void CreateParams(TCreateParams& Params) override;
  void CreateHandle() override;
  void Resize() override;
  void Paint() override;
  void ChangeScale(int M, int D) override;
  void WndProc(TMessage& Message) override;
  void Dispatch(TMessage& Message) override;

  // Enabled passes to the own scroll bars, then a refresh.
  virtual void EnabledChanged();
  void ParentColorChanged();
  void ParentFontChanged();
  // Runs a change of Color or Font that the container makes itself.
  bool InternalChanging() const { return FIsInternalChange; }

  TcxContainerViewInfo* FViewInfo = nullptr;

 private:
  friend void RefreshViewStateAtCursor(TcxContainer*, bool);
  void InternalRefresh(const TPoint& P, int AButtonCode, TShiftState AShift, bool ANotify);
  void SetInternalColor(TColor AColor);
  void SetInternalFont(TFont* AFont);
  void UpdateSizeGrip();
  void WMSetFocus(TMessage& Message);
  void WMKillFocus(TMessage& Message);
  void WMWindowPosChanging(TMessage& Message);
  void WMSetCursor(TMessage& Message);

  TWinControl* FInnerControl = nullptr;
  TcxContainerStyles* FStyles = nullptr;
  TcxContainerState FCachedState = ContainerStateNormal;
  TcxContainerStyle* FCachedStateStyle = nullptr;
  TcxContainerInnerControlBounds FInnerControlBounds;
  TcxContainerSizeGripData FSizeGripData;
  bool FIsViewInfoCalculated = false;
  bool FRefreshRequested = false;
  int FRefreshLockCount = 0;
  int FLockAlignControlsCount = 0;
  bool FIsCreating = false;
  bool FIsInternalChange = false;
  bool FScrollBarsUpdating = false;
  bool FStateRefreshing = false;
  bool FMovingFocus = false;
  bool FRepaintThroughBuffer = false;
};

// Whether the container takes an inner control's message first (it exists,
// is not being destroyed and HandleInnerControlMessage handled it).
bool ContainerHandlesInnerMessage(TWinControl* AInnerControl, TMessage& Message);
// The container's view state recomputed at the cursor: the client point when
// the window under the cursor is the container or a child of it, else (-1, -1).
void RefreshViewStateAtCursor(TcxContainer* AContainer, bool ANotify);
// Posts CXM_CONTAINERSCROLLBARS while the container has a window and an inner control.
void PostUpdateScrollBars(TcxContainer* AContainer);
// Fills R (in the inner control's window coordinates) through its window DC
// with the painter's scroll-bar corner colour; nothing for an empty R.
void PaintScrollBarsCorner(TcxContainer* AContainer, const TRect& R);

// --- Window and painting helpers ------------------------------------------------------------
// A popup window shown now, with the control it was opened from.
struct TcxVisiblePopup {
  TWinControl* Popup = nullptr;
  TWinControl* OwnerControl = nullptr;
};
// Lists the popups shown now; the popup window's unit installs its reader
// (none installed: no popups). Answers the reader it replaces.
using TcxVisiblePopupsReader = std::vector<TcxVisiblePopup> (*)();
TcxVisiblePopupsReader SetVisiblePopupsReader(TcxVisiblePopupsReader AReader);
std::vector<TcxVisiblePopup> GetVisiblePopups();

bool IsControlWindow(TWinControl* AControl, HWND AWindow);
bool ControlOwnsWindow(TWinControl* AControl, HWND AWindow, bool AIncludeChildren = true);
bool IsChildOfControlOrPopups(TWinControl* AControl, HWND AWindow);
bool IsControlWindowVisible(TWinControl* AControl);
bool IsWindowInControlForm(TControl* AControl, HWND AWindow);
HWND FindTopLevelAncestorWindow(HWND AWindow);
bool IsActiveWindow(HWND AWindow);
bool IsFormActive(TCustomForm* AForm);
TRect GetControlSizeRect(TControl* AControl);
void RecreateControlWnd(TWinControl* AControl);
void AssignFont(TFont* ADestination, TFont* ASource);

TPoint GetMousePos();
TShiftState GetCurrentShiftState();
// left 1, right 2, middle 3.
int MouseButtonCode(TMouseButton AButton);

// Peeked without removing.
bool HasPendingMessage(HWND AWindow, UINT AMessage);
// Removes messages of the range (only AFirst when ALast is 0) for the window,
// one unless ARemoveAll; a removed WM_QUIT is posted again and ends it.
// True when a message other than WM_QUIT was removed.
bool DiscardPendingMessages(HWND AWindow, UINT AFirst, UINT ALast = 0, bool ARemoveAll = false);

using TcxWindowList = std::vector<HWND>;
void DisableWindowAndRemember(TcxWindowList& AList, HWND AWindow);
void EnableRememberedWindows(TcxWindowList* AList);

void FillRectExcept(TcxCanvas* ACanvas, const TRect& R, const TRect& AInner, TColor AColor);
void InvalidateRectExcept(HWND AWindow, const TRect& R, const TRect& AInner, bool AErase);
void InvalidateControlRect(TWinControl* AControl, const TRect& R, bool AErase);
// Locale-aware; ignoring case upper-cases both.
bool TextsEqual(const String& A, const String& B, bool ACaseSensitive);

// Looks up GetScrollBarInfo in user32 (the unit's start runs it).
void SetUsecxScrollBars();
bool IsGetScrollBarInfoAvailable();
bool GetScrollBarInfoSafe(HWND AWindow, LONG AObjectId, SCROLLBARINFO& AInfo);
bool IsThemeKindUsable(bool ANativeWanted, TdxThemedObjectType AKind);

// Buffered printing of a window's client area (for inner edits under desktop composition).
void BufferedPrintClient(HDC ATargetDC, const TRect& R, HWND AWindow);
void BufferedRepaintWindow(HWND AWindow);
void BufferedPaintWindow(HWND AWindow);
// Whether inner edits repaint through the buffer now: desktop composition on
// and the buffered-paint calls bound.
bool CanUseBufferedPaint();

// --- Unit ---------------------------------------------------------------------------------
void cxContainer_Initialize();
void cxContainer_Finalize();
extern const TUnitEntry cxContainerUnit;
