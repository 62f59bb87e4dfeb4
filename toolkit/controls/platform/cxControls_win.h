// The toolkit's own windowed control, TcxControl: a runtime custom control
// with a TcxCanvas, an owned look-and-feel whose painter draws its border and
// its own scroll bars, focus on click, the keys it wants from the dialog
// manager, a popup menu of either kind, font listeners and mouse-enter and
// mouse-leave events. It is the base of the container and so of every editor,
// box, page control and status bar.
//
// A control never paints from a change notification: a look-and-feel change
// recalculates and invalidates (while the control is being loaded it is only
// noted, and Loaded recalculates once), and the painter is asked for afresh at
// every calculation and paint.
#pragma once

#include <windows.h>

#include <vector>

#include "Controls.h"
#include "Forms.h"
#include "Menus.h"
#include "StdCtrls.h"
#include "Units.h"
#include "cxClasses.h"
#include "cxControls.h"
#include "cxControlsBase_win.h"
#include "cxGeometry.h"
#include "cxGraphics_win.h"
#include "cxLookAndFeels.h"
#include "dxCore.h"

class TcxControl;
class TcxControlChildComponent;
class TcxScrollBar;

// --- Interfaces ---------------------------------------------------------------------------
// The object that owns a look-and-feel.
class IcxLookAndFeelOwner : public virtual IInterface {
  VAMIRE_INTERFACE(IcxLookAndFeelOwner, IInterface, "{3F0A6C52-71D4-4B8E-9E13-5A2C7D48B0F1}")
 public:
  virtual TcxLookAndFeel* GetLookAndFeel() = 0;
};

// Told when the mouse capture passes to another object of the same control.
class IcxMouseCaptureReceiver : public virtual IInterface {
  VAMIRE_INTERFACE(IcxMouseCaptureReceiver, IInterface, "{8C4B2E19-0D6A-4F37-B1A5-92E6F03C7D48}")
 public:
  virtual void CaptureLost() = 0;
};

// Told of every change of a control's font.
class IcxControlFontListener : public virtual IInterface {
  VAMIRE_INTERFACE(IcxControlFontListener, IInterface, "{D17E5A03-4B9C-4E28-8F61-3C0A7B25E9D4}")
 public:
  virtual void FontChanged(TObject* Sender, TFont* Font) = 0;
};

// Marks a control that a skin may draw (no operations of its own).
class IdxSkinSupport : public virtual IInterface {
  VAMIRE_INTERFACE(IdxSkinSupport, IInterface, "{E8A9B371-2C56-4D0F-8B17-63F4D29A0C85}")
};

// --- Small types --------------------------------------------------------------------------
enum TcxControlBorderStyle { cxcbsNone, cxcbsDefault };
VAMIRE_ENUM_NAMES(TcxControlBorderStyle, L"cxcbsNone", L"cxcbsDefault")

// The keys a control takes from the dialog manager for itself.
enum TcxKey { kAll, kArrows, kChars, kTab };
VAMIRE_ENUM_NAMES(TcxKey, L"kAll", L"kArrows", L"kChars", L"kTab")
using TcxKeys = TSet<TcxKey, 4>;

// Which way a wheel notch scrolls a control's content.
enum TcxMouseWheelScrollingKind { mwskNone, mwskHorizontal, mwskVertical };

// --- Scroll bars and size grip ------------------------------------------------------------
// "Scrollbar property out of range"
extern const TResStringRec cxSScrollBarOutOfRange;

// Where the parts of a scroll bar lie; computed from the bar's size, range and the system's metrics.
class TcxScrollBarViewInfo : public TObject {
  VAMIRE_CLASS(TcxScrollBarViewInfo, TObject)
 public:
  using TCreateArg = TcxScrollBar;
  explicit TcxScrollBarViewInfo(TcxScrollBar* AScrollBar) : FScrollBar(AScrollBar) {}
  virtual void ComputeRects();
  virtual void Recalculate() { ComputeRects(); }

  TcxScrollBar* ScrollBar() const { return FScrollBar; }
  const TcxScrollBarRects& Rects() const { return FRects; }
  TcxScrollBarRects& Rects() { return FRects; }
  int MinThumbnailSize = 0;

 private:
  TcxScrollBar* FScrollBar;
  TcxScrollBarRects FRects;
};

// The toolkit's own scroll bar, drawn by its look-and-feel's painter into an
// off-screen bitmap that reaches the window in one copy. Arrows and page areas
// repeat on the bar's timer (400 ms, then every 60 ms) while the mouse holds
// them; the thumb follows the mouse while it stays near the bar.
class TcxScrollBar : public TCustomControl, public IdxSkinSupport {
  VAMIRE_CLASS(TcxScrollBar, TCustomControl)
 public:
  explicit TcxScrollBar(TComponent* AOwner);
  ~TcxScrollBar() override;
  bool GetInterface(const TGUID& iid, void** obj) override;

  // Raises EInvalidOperation (cxSScrollBarOutOfRange) for Max < Min or a page
  // longer than Max - Min, changing nothing. Position is kept in [Min, Max].
  // Inside a stream the values are only stored; Loaded checks them together.
  void SetRangeAndPosition(int AMin, int AMax, int APosition, int APageSize, bool ARepaint = true);
  TScrollBarKind Kind() const { return FKind; }
  void SetKind(TScrollBarKind Value);
  TScrollBarInc LargeChange() const { return FLargeChange; }
  void SetLargeChange(TScrollBarInc Value) { FLargeChange = Value; }
  TScrollBarInc SmallChange() const { return FSmallChange; }
  void SetSmallChange(TScrollBarInc Value) { FSmallChange = Value; }
  TcxLookAndFeel* LookAndFeel() const { return FLookAndFeel; }
  void SetLookAndFeel(TcxLookAndFeel* Value) { FLookAndFeel->Assign(Value); }
  int Max() const { return FMax; }
  void SetMax(int Value) { SetRangeAndPosition(FMin, Value, FPosition, FPageSize); }
  int Min() const { return FMin; }
  void SetMin(int Value) { SetRangeAndPosition(Value, FMax, FPosition, FPageSize); }
  int PageSize() const { return FPageSize; }
  void SetPageSize(int Value) { SetRangeAndPosition(FMin, FMax, FPosition, Value); }
  int Position() const { return FPosition; }
  void SetPosition(int Value) { SetRangeAndPosition(FMin, FMax, Value, FPageSize); }
  bool UnlimitedTracking() const { return FUnlimitedTracking; }
  void SetUnlimitedTracking(bool Value) { FUnlimitedTracking = Value; }
  // Ctl3D as set, which a skin may have switched off on the control itself.
  bool Ctl3D() const { return TCustomControl::Ctl3D() || FRealCtl3D; }
  void SetCtl3D(bool Value);
  bool IsCtl3DStored() const { return !ParentCtl3D(); }

  TcxScrollBarViewInfo* ViewInfo() const { return FViewInfo; }
  TcxScrollBarPart HotPart() const { return FHotPart; }
  TcxScrollBarPart PressedPart() const { return FPressedPart; }
  // The repeat timer of arrows and page areas.
  TcxTimer* RepeatTimer() const { return FTimer; }
  TcxScrollBarPart HitTestPart(const TPoint& P) const;
  // Runs a scroll code as the mouse or a reflected WM_xSCROLL does.
  void PerformScroll(TScrollCode ACode);
  TcxCustomLookAndFeelPainterClass Painter() const;
  TcxScrollBarMetrics Metrics() const;
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  void Loaded() override;

  TNotifyEvent OnChange;
  TScrollEvent OnScroll;

 protected:
  virtual void Change();
  virtual TClass GetViewInfoClass() const { return TcxScrollBarViewInfo::StaticClass(); }
  virtual void DrawScrollBar(TcxCanvas* ACanvas);
  virtual void DrawBackground(TcxCanvas* ACanvas, const TRect& R);
  virtual void DrawPart(TcxCanvas* ACanvas, const TRect& R, TcxScrollBarPart APart, TcxButtonState AState);
  virtual void DrawPartInState(TcxCanvas* ACanvas, const TRect& R, TcxScrollBarPart APart);
  virtual bool IsHotTrackSupported() const;
  // OnScroll when assigned.
  virtual void DoScroll(TScrollCode ACode, int& AScrollPos);
  virtual int GetMinThumbnailSize() const;
  virtual void MouseEnter(TControl* AControl);
  virtual void MouseLeave(TControl* AControl);
  void Paint() override;
  void Dispatch(TMessage& Message) override;

  TcxButtonState GetPartState(TcxScrollBarPart APart) const;
  // Ends what the mouse began: the thumb's position is taken, the timer
  // stops, the parts clear, and the bar scrolls with scEndScroll.
  void CancelTracking();

 private:
  void HandlePress(const TPoint& P);
  void HandleMove(const TPoint& P);
  void HandleRelease(const TPoint& P);
  void RepeatTimerHandler(TObject* Sender);
  void LookAndFeelChanged(TcxLookAndFeel* Sender, TcxLookAndFeelValues AChangedValues);
  void ThemeChanged(TObject* Sender);
  void Recalculate();
  bool IsRepeatPart(TcxScrollBarPart APart) const { return APart != sbpNone && APart != sbpThumbnail; }
  TcxScrollBarRange Range() const { return TcxScrollBarRange{FMin, FMax, FPosition, FPageSize}; }
  bool Horizontal() const { return FKind == sbHorizontal; }

  TBitmap* FBitmap;
  TcxCanvas* FCanvas;
  TPoint FMouseDownPos;
  TScrollBarKind FKind = sbHorizontal;
  TScrollBarInc FLargeChange = 1;
  TcxLookAndFeel* FLookAndFeel;
  int FMax = 100;
  int FMin = 0;
  int FPageSize = 0;
  int FPosition = 0;
  bool FRealCtl3D = true;
  bool FApplyingLookAndFeel = false;
  int FSavedPosition = 0;
  TPoint FSavedThumbnailPos;
  TScrollBarInc FSmallChange = 1;
  TdxThemeChangedNotificator* FThemeChangedNotificator;
  TcxTimer* FTimer;
  bool FUnlimitedTracking = false;
  TcxScrollBarPart FPressedPart = sbpNone;
  TcxScrollBarPart FHotPart = sbpNone;
  TcxScrollBarViewInfo* FViewInfo;
};

// One of the two bars a TcxControl makes for itself: hidden until its control
// shows it, it focuses its control when pressed and keeps above its siblings.
class TcxControlScrollBar : public TcxScrollBar {
  VAMIRE_CLASS(TcxControlScrollBar, TcxScrollBar)
 public:
  explicit TcxControlScrollBar(TComponent* AOwner);
  // The values the control computed, put in force: range and changes when the
  // bar is to show, then Enabled, then Visible.
  void ApplyData();
  // The pending values (SetScrollBarInfo fills them).
  TcxScrollBarPendingData Data;
  void RefreshShowing() { UpdateControlState(); }

 protected:
  virtual void FocusParent();
  void SetZOrder(bool TopMost) override;
  void Dispatch(TMessage& Message) override;
};

// The square between a control's two bars, in the painter's corner colour.
class TcxSizeGrip : public TCustomControl {
  VAMIRE_CLASS(TcxSizeGrip, TCustomControl)
 public:
  explicit TcxSizeGrip(TComponent* AOwner);
  ~TcxSizeGrip() override;
  TcxLookAndFeel* LookAndFeel() const { return FLookAndFeel; }
  void RefreshShowing() { UpdateControlState(); }

 protected:
  void Paint() override;
  void SetZOrder(bool TopMost) override;
  void Dispatch(TMessage& Message) override;

 private:
  void LookAndFeelChanged(TcxLookAndFeel* Sender, TcxLookAndFeelValues AChangedValues);
  TcxLookAndFeel* FLookAndFeel;
};

// The controls that have their own bars, told when the system's scroll-bar
// metrics change (a hidden window hears WM_SETTINGCHANGE while any is listed).
class TcxSettingsController : public TObject {
  VAMIRE_CLASS(TcxSettingsController, TObject)
 public:
  TcxSettingsController() = default;
  ~TcxSettingsController() override;
  void AddListener(TcxControl* AControl);
  void RemoveListener(TcxControl* AControl);
  int ListenerCount() const { return int(FList.size()); }
  HWND Handle() const { return FWindow; }

 protected:
  // WM_SETTINGCHANGE for the non-client metrics sends CXM_SCROLLBARSIZESCHANGED to every listed control.
  virtual void WndProc(TMessage& Message);

 private:
  std::vector<TcxControl*> FList;
  HWND FWindow = nullptr;
};

// The one controller, made on first use; null once the unit has begun to end.
TcxSettingsController* cxSettingsController();

// --- Drag and drop -------------------------------------------------------------------------
// The library's cursors, registered under these ids when the unit starts
// (the pointing loop's are in cxControls.h). The system hand is crcxHandPoint.
constexpr TCursor crcxDragCopy = 2100;
constexpr TCursor crcxRemove = 2108;
constexpr TCursor crcxVertSize = 2109;
constexpr TCursor crcxHorzSize = 2110;
constexpr TCursor crcxMultiDrag = 2111;
constexpr TCursor crcxNoDrop = 2112;
constexpr TCursor crcxDrag = 2113;
constexpr TCursor crcxColorPicker = 2114;
constexpr TCursor crcxMultiDragCopy = 2115;
constexpr TCursor crcxHandPoint = -2099;

// The state of a control's own drag and drop.
enum TcxDragAndDropState { ddsNone, ddsStarting, ddsInProcess };

// Carries a control's own drag and drop: descendants say where a drop is
// accepted and what it does.
class TcxDragAndDropObject : public TObject {
  VAMIRE_CLASS(TcxDragAndDropObject, TObject)
 public:
  using TCreateArg = TcxControl;
  explicit TcxDragAndDropObject(TcxControl* AControl);

  virtual void DirtyChanged() {}
  // The cursor position in the control's client coordinates.
  virtual TPoint GetClientCursorPos();
  // crDrag when accepted, crNoDrop when not.
  virtual TCursor GetDragAndDropCursor(bool Accepted);
  virtual bool GetImmediateStart() { return false; }
  virtual void EndDragAndDrop(bool /*Accepted*/) {}
  virtual void BeginDragAndDrop() { DirtyChanged(); }
  // Clears the dirty flag and shows the cursor for Accepted.
  virtual void DragAndDrop(const TPoint& P, bool& Accepted);
  virtual void BeforeEndDragAndDrop() { SetDirty(true); }

  bool Dirty() const { return FDirty; }
  void SetDirty(bool Value);
  void SetCurMousePos(const TPoint& P);
  // Both positions at the cursor, then BeginDragAndDrop.
  void Init();
  void DoDragAndDrop(const TPoint& P, bool& Accepted);
  void DoEndDragAndDrop(bool Accepted);

  TcxCanvas* Canvas() const { return FCanvas; }
  TcxControl* Control() const { return FControl; }
  TPoint CurMousePos{-1, -1};
  TPoint PrevMousePos{-1, -1};

 private:
  TcxCanvas* FCanvas;
  TcxControl* FControl;
  bool FDirty = false;
};

// The runtime drag object a control starts a drag with: the copy cursor over
// a target that accepts while the control says the drop copies. The drag
// frees it when it ends.
class TcxDragControlObject : public TDragControlObject {
  VAMIRE_CLASS(TcxDragControlObject, TDragControlObject)
 public:
  using TCreateArg = TControl;
  explicit TcxDragControlObject(TControl* AControl) : TDragControlObject(AControl) {}
  TCursor GetDragCursor(bool Accepted, int X, int Y) override;
  bool AutoFree() const override { return true; }
};

class TcxDragImageList : public TDragImageList {
  VAMIRE_CLASS(TcxDragImageList, TDragImageList)
 public:
  using TDragImageList::TDragImageList;
};

// The press at P (screen coordinates) on the window, held in a loop of its
// own until the mouse leaves the drag threshold's square around P (1), a
// button is released (0) or Esc cancels (2). A WM_QUIT met is posted again.
int DetectMouseDrag(HWND AWindow, const TPoint& P);
// The timer of the running pointing loop (its WM_TIMER has no window); 0 when none runs.
UINT_PTR ScrollContentLoopTimerID();

// --- The base control ---------------------------------------------------------------------
class TcxControl : public TCustomControl, public IcxLookAndFeelOwner, public IdxLocalizerListener {
  VAMIRE_CLASS(TcxControl, TCustomControl)
  friend class TcxControlScrollBar;
  friend class TcxDragControlObject;

 public:
  explicit TcxControl(TComponent* AOwner);
  ~TcxControl() override;
  bool GetInterface(const TGUID& iid, void** obj) override;

  // The drawing canvas over the runtime canvas (TCustomControl::Canvas).
  TcxCanvas* Canvas() const { return FCanvas; }
  TcxControlBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TcxControlBorderStyle Value);
  bool FocusOnClick() const { return FFocusOnClick; }
  void SetFocusOnClick(bool Value) { FFocusOnClick = Value; }
  TcxLookAndFeel* LookAndFeel() const { return FLookAndFeel; }
  // Assigns Value to the owned look-and-feel.
  void SetLookAndFeel(TcxLookAndFeel* Value);
  // A TPopupMenu or a component with IcxPopupMenuHandler; anything else is taken as none.
  TComponent* PopupMenu() const { return FPopupMenu; }
  void SetPopupMenu(TComponent* Value);
  TcxKeys WantedKeys() const { return FWantedKeys; }
  void SetWantedKeys(TcxKeys Value) { FWantedKeys = Value; }
  TCursor DefaultCursor() const { return FDefaultCursor; }
  // The object that receives the captured mouse (not owned). Setting one
  // tells the previous one (IcxMouseCaptureReceiver) and captures the mouse
  // exactly while an object is set.
  TObject* MouseCaptureObject() const { return FMouseCaptureObject; }
  void SetMouseCaptureObject(TObject* Value);
  TPoint MouseDownPos() const { return FMouseDownPos; }
  bool IsMouseButtonPressed() const { return FMouseButtonPressed; }
  bool IsRightButtonReleased() const { return FRightButtonReleased; }
  bool IsCreatingWindow() const { return FCreatingWindow; }
  // The runtime's mouse capture, as this control holds it.
  bool MouseCapture();
  void SetMouseCapture(bool Value);
  bool IsDestroying() const { return ComponentState().Contains(csDestroying); }
  // InvalidateRect of the window, when there is one.
  void InvalidateRect(const TRect& R, bool Erase);
  // The window and all its child windows, without erasing.
  void InvalidateWithChildren();
  // Both distances from the mouse-down position below the drag threshold.
  bool IsMouseInDragThreshold(int X, int Y);

  // --- Own scroll bars
  TcxControlScrollBar* HScrollBar() const { return FHScrollBar; }
  TcxControlScrollBar* VScrollBar() const { return FVScrollBar; }
  TcxSizeGrip* SizeGrip() const { return FSizeGrip; }
  TScrollStyle ScrollBars() const { return FScrollBars; }
  void SetScrollBars(TScrollStyle Value);
  // False without bars; while the parameters are computed, the pending visibility.
  bool IsHScrollBarVisible() const;
  bool IsVScrollBarVisible() const;
  // Descendants call it from ComputeScrollBarParams for each bar.
  void SetScrollBarInfo(TScrollBarKind AKind, int AMin, int AMax, int AStep, int APage, int APos, bool AAllowShow,
                        bool AAllowHide);
  // Makes the bars (and parents them when the window exists) while
  // HasScrollBars holds, else frees them.
  void SyncScrollBarsPresence();
  // Computes which bars show, avoiding bars that would switch each other on
  // and off, then places them.
  virtual void UpdateScrollBars();

  // --- Own drag and drop and content scrolling
  TcxDragAndDropState DragAndDropState() const { return FDragAndDropState; }
  // A change to none outside FinishDragAndDrop cancels the mouse operations.
  void SetDragAndDropState(TcxDragAndDropState Value);
  // Made on first use through CreateDragAndDropObject.
  TcxDragAndDropObject* DragAndDropObject();
  TClass DragAndDropObjectClass() const { return FDragAndDropObjectClass; }
  void SetDragAndDropObjectClass(TClass Value) { FDragAndDropObjectClass = Value; }
  // Ends the own drag and drop (accepted or not) and frees its object.
  void FinishDragAndDrop(bool Accepted);
  bool IsScrollingContent() const { return FScrollingContent; }
  // One line toward ADirection through Scroll, then the window is updated.
  void ScrollContent(TcxDirection ADirection);

  void AddFontListener(IcxControlFontListener* Listener);
  void RemoveFontListener(IcxControlFontListener* Listener);

  // The look-and-feel's change event.
  void HandleLookAndFeelChange(TcxLookAndFeel* Sender, TcxLookAndFeelValues AChangedValues);
  // Runs CancelMouseOperations.
  void CancelMouseActions() { CancelMouseOperations(); }

  // IcxLookAndFeelOwner, IdxLocalizerListener
  TcxLookAndFeel* GetLookAndFeel() override { return FLookAndFeel; }
  void TranslationChanged() override { RefreshMouseState(); }

  void Loaded() override;

  // A child component joins or leaves: its SetControl with this control or null.
  virtual void AddChildComponent(TcxControlChildComponent* AComponent);
  virtual void RemoveChildComponent(TcxControlChildComponent* AComponent);

  TNotifyEvent OnFocusChanged;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;

 protected:
  // --- New virtual operations
  // ShowPopupMenu of the core: true when a menu was shown.
  virtual bool DoShowPopupMenu(TComponent* AMenu, int X, int Y);
  virtual void DesignerModified();
  // Fills the client rectangle: the parent's themed background where it shows
  // through, else the control's brush.
  virtual void EraseBackground(HDC DC);
  // After every button-down message (0 left, 1 right, 2 middle).
  virtual void HandleMouseButtonDown(int AButton, int X, int Y);
  virtual void BeforeMouseDown(TMouseButton /*Button*/, TShiftState /*Shift*/, int /*X*/, int /*Y*/) {}
  virtual void BeforeMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
  // 0 without a border, else the painter's border width.
  virtual int GetBorderSize();
  // The bounds when set; else the client rectangle of the window; else (0, 0, Width, Height).
  virtual TRect GetBounds();
  // GetBounds less the border and the visible scroll bars.
  virtual TRect GetClientBounds();
  virtual TCursor GetCurrentCursor(int /*X*/, int /*Y*/) { return FDefaultCursor; }
  virtual bool IsDesigning() { return ComponentState().Contains(csDesigning); }
  virtual bool IsFocused() { return Focused(); }
  virtual TcxMouseWheelScrollingKind GetMouseWheelScrollingKind();
  virtual bool CanFocusOnClick();
  virtual bool CanFocusOnClickAt(int /*X*/, int /*Y*/) { return CanFocusOnClick(); }
  virtual bool CanFocusOnScrollBarClick() { return CanFocusOnClick(); }
  virtual bool NeedsEraseBackground() { return false; }
  virtual bool IsInternalControl(TControl* AControl);
  virtual bool NeedsInvalidateChildren() { return false; }
  virtual bool CorrectMousePosOnFocus() { return true; }
  virtual void ParentBackgroundChanged() {}
  virtual TcxCustomLookAndFeelPainterClass GetLookAndFeelPainter() { return FLookAndFeel->Painter(); }
  virtual void LookAndFeelChanged(TcxLookAndFeel* /*Sender*/, TcxLookAndFeelValues /*AChangedValues*/) {}
  virtual bool CanScrollContent(TcxDirection /*ADirection*/) { return false; }
  virtual bool CanFocusInForm();
  virtual void RefreshMouseState() {}

  // --- Drag and drop
  virtual bool CanDrag(int /*X*/, int /*Y*/, TShiftState /*Shift*/) { return true; }
  virtual TcxDragAndDropObject* CreateDragAndDropObject();
  virtual TClass GetDragAndDropObjectClass();
  virtual void DrawDragImage(TcxCanvas* /*ACanvas*/, const TRect& /*R*/) {}
  virtual TClass GetDragImagesClass() { return TcxDragImageList::StaticClass(); }
  virtual TPoint GetDragImagesSize() { return TPoint{}; }
  // True while Ctrl is down.
  virtual bool IsCopyDragDrop();
  virtual bool HasDragImages() { return false; }
  virtual void InitDragImages(TcxDragImageList* AImages);
  // Manual drag mode, or the mouse still inside the drag threshold.
  virtual bool IsAutoDragIdle(int X, int Y);
  virtual TClass GetDragObjectClass() { return TcxDragControlObject::StaticClass(); }
  // Whether a press at P may start the own drag and drop.
  virtual bool StartDragAndDrop(const TPoint& /*P*/) { return false; }
  virtual bool AllowStartDrag(TDragObject* /*ADragObject*/) { return true; }
  virtual void BeginDragAndDrop();
  virtual void DragAndDrop(const TPoint& P, bool& Accepted);
  virtual void EndDragAndDrop(bool Accepted);
  virtual bool IsDragAndDropIdle() { return FDragAndDropState == ddsNone; }
  TDragImageList* GetDragImages() override;
  void DoStartDrag(TDragObject*& DragObject) override;
  void DoEndDrag(TObject* Target, int X, int Y) override;
  bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) override;

  // --- Own scroll bars
  // Both bars, then the size grip, to the top of the siblings.
  virtual void BringScrollBarsToFront();
  // TcxControlScrollBar for both kinds.
  virtual TClass GetScrollBarClass(TScrollBarKind AKind);
  virtual void InitScrollBars() { SetScrollBarsParent(); }
  virtual TRect GetHScrollBarBounds();
  virtual TRect GetSizeGripBounds();
  virtual TRect GetVScrollBarBounds();
  // Descendants compute their bars' values here (SetScrollBarInfo).
  virtual void ComputeScrollBarParams() {}
  // A bar that scrolls by pixels: when both could go once the other is gone, both go.
  virtual bool IsPixelScrollBar(TScrollBarKind /*AKind*/) { return false; }
  virtual bool HasScrollBars() { return true; }
  virtual bool KeepScrollBarsOnTop() { return true; }
  // The user worked a bar.
  virtual void Scroll(TScrollBarKind /*AScrollBarKind*/, TScrollCode /*AScrollCode*/, int& /*AScrollPos*/) {}
  virtual void SetScrollBarsBounds();
  // At the end of every Paint: the visible bars and grip shown.
  virtual void RefreshScrollBars();

  // --- Dynamic operations
  virtual void CancelMouseOperations();
  // True while the own drag and drop runs or a button is pressed.
  virtual bool AllowDesignHitTest(int X, int Y, TShiftState Shift);
  virtual void MouseEnter(TControl* AControl);
  virtual void MouseLeave(TControl* AControl);
  virtual bool MayFocus() { return true; }
  // UpdateScrollBars, then Invalidate when NeedsInvalidateChildren.
  virtual void BoundsChanged();
  virtual void NotifyColorChanged() {}
  // The default cursor becomes Cursor.
  virtual void CursorChanged();
  virtual void FocusChanged();
  // Every font listener, in order, then Invalidate.
  virtual void FontChanged();
  virtual void TextChanged() {}
  virtual void VisibleChanged() {}
  virtual bool ProcessMouseDownWithoutFocus() { return false; }

  // --- Runtime operations
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void WndProc(TMessage& Message) override;
  void Dispatch(TMessage& Message) override;
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void DestroyWindowHandle() override;
  void PaintWindow(HDC DC) override;
  void Paint() override;
  void DoContextPopup(TPoint MousePos, bool& Handled) override;
  TPopupMenu* GetPopupMenu() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void Resize() override;

  // The client point of a mouse message: from LParam, or from the cursor
  // where the window is too large for the 16-bit coordinates.
  TPoint GetMouseMessagePoint(const TMessage& Message);

  TcxCanvas* FActiveCanvas = nullptr;  // a descendant's second canvas, freed with the control
  TRect FBounds;                       // content bounds a descendant may set; empty: none

 private:
  void CreateScrollBars();
  void DestroyScrollBars();
  void SetScrollBarsParent();
  void CalculateScrollBarsParams();
  void ScrollBarScroll(TObject* Sender, TScrollCode ScrollCode, int& ScrollPos);
  void ScrollBarSizesChanged();
  void ScrollContentLoop();
  void WMMouse(TMessage& Message);
  void WMPaint(TMessage& Message);
  void PaintBuffered(TMessage& Message);
  void WMEraseBkgnd(TMessage& Message);
  void WMGetDlgCode(TMessage& Message);
  void CNKeyDown(TMessage& Message);
  bool IsMenuShortCut(TMessage& Message);
  void WMSetCursor(TMessage& Message);
  void CMDesignHitTest(TMessage& Message);
  void CMMouseEnterLeave(TMessage& Message);
  void CMInvalidate(TMessage& Message);

  TcxCanvas* FCanvas;
  TcxControlBorderStyle FBorderStyle = cxcbsNone;
  bool FCreatingWindow = false;
  TCursor FDefaultCursor;
  bool FSettingCurrentCursor = false;
  bool FFocusOnClick = true;
  std::vector<IcxControlFontListener*> FFontListeners;
  TcxKeys FWantedKeys;
  TcxLookAndFeel* FLookAndFeel;
  // Changes of the look-and-feel while the control is read from a stream.
  bool FLookAndFeelChangedWhileLoading = false;
  TcxLookAndFeelValues FLookAndFeelChangesWhileLoading;
  bool FMouseButtonPressed = false;
  TObject* FMouseCaptureObject = nullptr;
  TPoint FMouseDownPos;
  bool FRightButtonReleased = false;
  TComponent* FPopupMenu = nullptr;
  bool FLastParentBackground = true;
  TcxControlScrollBar* FHScrollBar = nullptr;
  TcxControlScrollBar* FVScrollBar = nullptr;
  TcxSizeGrip* FSizeGrip = nullptr;
  TScrollStyle FScrollBars = ssBoth;
  bool FCalculatingScrollBarsParams = false;
  bool FUpdatingScrollBars = false;
  bool FInitialHScrollBarVisible = false;
  bool FInitialVScrollBarVisible = false;
  bool FInitialScrollBarsParams = false;
  TcxDragAndDropObject* FDragAndDropObject = nullptr;
  TClass FDragAndDropObjectClass = nullptr;
  TCursor FDragAndDropPrevCursor = crDefault;
  TcxDragAndDropState FDragAndDropState = ddsNone;
  TcxDragImageList* FDragImages = nullptr;
  bool FFinishingDragAndDrop = false;
  bool FScrollingContent = false;
};

// A component that belongs to a control without being one; streamed as its
// control's child.
class TcxControlChildComponent : public TcxComponent {
  VAMIRE_CLASS(TcxControlChildComponent, TcxComponent)
 public:
  explicit TcxControlChildComponent(TComponent* AOwner);
  // With AAssignOwner the control's owner becomes the owner, else there is none.
  TcxControlChildComponent(TcxControl* AControl, bool AAssignOwner);
  ~TcxControlChildComponent() override;

  TcxControl* Control() const { return FControl; }
  virtual void SetControl(TcxControl* Value) { FControl = Value; }
  virtual bool IsDestroying() const { return ComponentState().Contains(csDestroying); }
  virtual void Initialize() {}

  TComponent* GetParentComponent() override { return FControl; }
  bool HasParent() override { return FControl != nullptr; }
  void SetParentComponent(TComponent* Value) override;

 private:
  TcxControl* FControl = nullptr;
};

// --- Mouse-leave tracking -----------------------------------------------------------------
// Told when the mouse has left what it tracks.
class IcxMouseTrackingCaller : public virtual IInterface {
  VAMIRE_INTERFACE(IcxMouseTrackingCaller, IInterface, "{94C2E6A1-5B07-4D3F-A8E2-1F6B30C9D754}")
 public:
  virtual void MouseLeave() = 0;
};

// A caller that decides itself whether a point (in its control's client
// coordinates) is still inside it.
class IcxMouseTrackingHitTest : public virtual IInterface {
  VAMIRE_INTERFACE(IcxMouseTrackingHitTest, IInterface, "{2B7D04F9-8E31-4A6C-9D52-C7E1A08F3B16}")
 public:
  virtual bool PtInCaller(const TPoint& P) = 0;
};

// Looks every 10 ms whether the mouse is still inside a caller's bounds.
class TMouseTrackingTimer : public TcxTimer {
  VAMIRE_CLASS(TMouseTrackingTimer, TcxTimer)
 public:
  explicit TMouseTrackingTimer(TComponent* AOwner);
  ~TMouseTrackingTimer() override;
  IcxMouseTrackingCaller* Caller() const { return FCaller; }
  TWinControl* Control() const { return FControl; }
  void SetControl(TWinControl* Value);
  // In screen coordinates.
  TRect Bounds;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  friend void StartMouseTracking(TWinControl*, const TRect&, IcxMouseTrackingCaller*);
  void TimerHandler(TObject* Sender);
  IcxMouseTrackingCaller* FCaller = nullptr;
  TWinControl* FControl = nullptr;
};

// ABounds are in AControl's client coordinates (screen coordinates without a
// control). Nothing while the unit ends or when the caller is tracked already.
void StartMouseTracking(TWinControl* AControl, const TRect& ABounds, IcxMouseTrackingCaller* ACaller);
// Callers stop their tracking before they are freed.
void StopMouseTracking(IcxMouseTrackingCaller* ACaller);
bool IsMouseTracked(IcxMouseTrackingCaller* ACaller);
// Null when the caller is not tracked, or once the unit has begun to end.
TMouseTrackingTimer* FindMouseTrackingTimer(IcxMouseTrackingCaller* ACaller);
// The running tracking timers; null until the first one and once the unit ends.
const std::vector<TMouseTrackingTimer*>* MouseTrackingTimerList();

// --- Hint, popup and size-frame windows -----------------------------------------------------
// The work area of the monitor at a point (GetWorkAreaAtPoint), which a test may replace.
using TcxWorkAreaReader = TRect (*)(const TPoint& P);
// Answers the reader it replaces; null puts the system's back.
TcxWorkAreaReader SetWorkAreaReader(TcxWorkAreaReader AReader);
TRect cxWorkAreaAt(const TPoint& P);

// The system's tooltip animation settings (SPI_GETTOOLTIPANIMATION, SPI_GETTOOLTIPFADE).
struct TcxHintAnimationSettings {
  bool Animate = false;
  bool Fade = false;
};
using TcxHintAnimationSettingsReader = TcxHintAnimationSettings (*)();
TcxHintAnimationSettingsReader SetHintAnimationSettingsReader(TcxHintAnimationSettingsReader AReader);
// AnimateWindow, looked up in user32 when first needed (null where the system
// has none); a test may put a recorder in its place. Answers the one replaced.
using TcxAnimateWindowFunc = BOOL(WINAPI*)(HWND, DWORD, DWORD);
TcxAnimateWindowFunc SetAnimateWindowFunc(TcxAnimateWindowFunc AFunc);

// How a hint appears: sliding in one of four ways, from its centre, by the
// flags' hide or activate forms, fading, as the system says, or at once.
enum TcxHintAnimate { cxhaSlideFromLeft, cxhaSlideFromRight, cxhaSlideDownward, cxhaSlideUpward, cxhaCenter,
                      cxhaHide, cxhaActivate, cxhaFade, cxhaAuto, cxhaNone };

// A hint window that keeps inside the work area, never takes the activation,
// lets the mouse through and animates its appearance. In standard mode it is
// the runtime's hint window.
class TcxBaseHintWindow : public THintWindow {
  VAMIRE_CLASS(TcxBaseHintWindow, THintWindow)
 public:
  explicit TcxBaseHintWindow(TComponent* AOwner);
  // Nothing when R's top-left corner is on no monitor.
  void ActivateHint(TRect R, const String& Hint) override;
  // Left and top moved first so the window lies inside the work area of the monitor at them.
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  // The kind in force: none when the system animates no tooltips; the
  // system's own kind becomes a fade or a slide downward.
  TcxHintAnimate GetAnimationKind() const;
  void AnimateShow();

  TcxHintAnimate AnimationKind = cxhaAuto;
  unsigned AnimationTime = 100;
  bool BorderFlag = false;
  bool EraseBackground = false;
  bool StandardHint = false;
  TRect HintAreaRect() const { return FHintAreaRect; }
  virtual void SetHintAreaRect(const TRect& R) { FHintAreaRect = R; }

 protected:
  virtual void AdjustHintRect(TRect& /*R*/) {}
  // Removes the window's region, when it has one.
  virtual void DisableRegion();
  virtual void EnableRegion() {}
  virtual void ShowHintWindow();
  void CreateParams(TCreateParams& Params) override;
  void Dispatch(TMessage& Message) override;

 private:
  TRect FHintAreaRect;
};

// The frame of a popup: none, a line in the frame colour, or a raised edge of one or two pixels.
enum TcxPopupBorderStyle { pbsNone, pbsSingle, pbs3DThin, pbs3DThick };

// A borderless stay-on-top form shown beside, above or below its owner's
// rectangle, on the side with room; it closes when it or the program loses
// the activation. The base of every drop-down.
class TcxPopupWindow : public TForm {
  VAMIRE_CLASS(TcxPopupWindow, TForm)
 public:
  // A popup has no owner component.
  TcxPopupWindow();
  explicit TcxPopupWindow(TComponent* AOwner);
  ~TcxPopupWindow() override;

  virtual void CalcPosition(TPoint& P);
  // Sizes the window around its children (when adjustable), moving them inside the frame.
  virtual void AdjustSizeToControls();
  // GetFrameThickness + BorderSpace (every side alike; 0 left, 1 top, 2 right, 3 bottom).
  virtual int GetBorderWidth(int ASide);
  virtual TRect GetFrameClientRect();
  virtual int GetFrameThickness();
  // The owner bounds mapped from the owner parent's client coordinates to the screen.
  virtual TRect CalculateOwnerScreenBounds();
  virtual void TakeOwnerFont();
  virtual void DrawFrame();
  virtual void CloseUp();
  virtual void ShowPopup();

  TcxCanvas* cxCanvas() const { return FCanvas; }
  bool Adjustable = true;
  TcxPopupAlignHorz AlignHorz = pahLeft;
  TcxPopupAlignVert AlignVert = pavBottom;
  int BorderSpace = 0;
  TcxPopupBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TcxPopupBorderStyle Value);
  TcxPopupDirection Direction = pdVertical;
  TColor FrameColor = clWindowText;
  TRect OwnerBounds;
  TControl* OwnerParent = nullptr;
  HWND PrevActiveWindow() const { return FPrevActiveWindow; }

 protected:
  // After CM_VISIBLECHANGED.
  virtual void VisibleChanged() {}
  void Deactivate() override;
  void Paint() override;
  void Dispatch(TMessage& Message) override;

 private:
  void Initialize();
  TcxCanvas* FCanvas = nullptr;
  TcxPopupBorderStyle FBorderStyle = pbsNone;
  HWND FPrevActiveWindow = nullptr;
};

// A semi-transparent popup that follows the mouse; the mouse goes through it.
class TcxCustomDragImage : public TcxPopupWindow {
  VAMIRE_CLASS(TcxCustomDragImage, TcxPopupWindow)
 public:
  TcxCustomDragImage();
  // ShowWindow with the command, then Update.
  void ShowAs(int AShowCommand);
  TCustomForm* PopupParent = nullptr;
  TPoint PositionOffset;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void Dispatch(TMessage& Message) override;
};

// A hatched frame showing a sizing rectangle on the screen.
class TcxSizeFrame : public TcxCustomDragImage {
  VAMIRE_CLASS(TcxSizeFrame, TcxCustomDragImage)
 public:
  explicit TcxSizeFrame(int AFrameWidth);
  ~TcxSizeFrame() override;
  // R on the screen: the region becomes (0, 0, width, height), then the bounds R.
  void SetFrameRect(const TRect& R);
  // A window wider and higher than twice the frame takes the region, turned
  // into a frame unless FillSelection; a smaller one keeps its region.
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  bool FillSelection = false;
  int FrameWidth() const { return FFrameWidth; }
  TcxRegion* Region() const { return FRegion; }

 protected:
  void Paint() override;

 private:
  int FFrameWidth;
  TcxRegion* FRegion;
  TBitmap* FPattern;
};

// --- Unit ---------------------------------------------------------------------------------
void cxControls_Initialize();
void cxControls_Finalize();
extern const TUnitEntry cxControlsUnit;
