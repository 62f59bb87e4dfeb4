// The container unit's drop-down window and inner list box. A popup opens
// beside its owner control and closes when the user clicks elsewhere, hides
// or closes the owner, or switches to another program: three thread hooks
// watch the GUI thread's messages while any popup is shown. The inner list
// box is the list of a drop-down or a list editor: it hands its input to its
// container and lays the toolkit's scroll bars over its native ones.
#pragma once

#include <windows.h>

#include <vector>

#include "StdLists.h"
#include "cxContainer_win.h"
#include "cxControls_win.h"

class TcxCustomPopupWindow;

// --- Popup window --------------------------------------------------------------------------
// A drop-down: a capture-focus popup is a small owned window that takes the
// keyboard focus and, in top-level mode, runs a message loop of its own while
// shown; any other popup is a tool window that leaves the focus where it is. Neither is
// activated by being shown, and the owner's form keeps its active caption.
class TcxCustomPopupWindow : public TcxPopupWindow {
  VAMIRE_CLASS(TcxCustomPopupWindow, TcxPopupWindow)
 public:
  using TCreateArg = TWinControl;
  explicit TcxCustomPopupWindow(TWinControl* AOwnerControl);
  ~TcxCustomPopupWindow() override;

  // Shows the popup at the position its base computes (corrected to the work
  // area when AdjustsToWorkArea), focusing AFocusedControl. Nothing while it
  // is shown already or when the owner's window is not visible. A capture-
  // focus popup in top-level mode returns once it is hidden or freed, or the
  // program ends; any other returns while it is shown.
  virtual void Popup(TWinControl* AFocusedControl);
  void CloseUp() override;
  virtual bool AdjustsToWorkArea() { return false; }
  // P (screen) moved into the work area and the size cut to it.
  virtual void CorrectBoundsToWorkArea(TPoint& P);
  // Page keys, End, Home, the arrows and F4 may reach a non-capturing popup with Alt held.
  virtual bool AcceptsSysKey(WORD AKey);
  // A click outside the popup (AWindow under the mouse, AMsg, screen point):
  // true swallows it. The popup closes either way.
  virtual bool HandleOutsideClick(HWND AWindow, UINT AMsg, const TPoint& P, TShiftState AShift);
  TRect CalculateOwnerScreenBounds() override;

  TWinControl* OwnerControl() const { return FOwnerControl; }
  bool CaptureFocus() const { return FCaptureFocus; }
  void SetCaptureFocus(bool Value);
  bool FollowOwnerTopmost() const { return FFollowOwnerTopmost; }
  void SetFollowOwnerTopmost(bool Value);
  // On unless the opener turns it off; only then does a capture-focus popup run its own loop.
  bool TopLevelMode() const { return FTopLevelMode; }
  void SetTopLevelMode(bool Value);
  // The control that got the focus at the last show.
  TWinControl* FocusedControl = nullptr;
  // Made on first use from GetStyleClass and GetViewInfoClass.
  TcxContainerStyle* Style();
  TcxContainerViewInfo* ViewInfo();
  bool IsOwnerControlVisible();
  // Shown, capturing the focus, and the focus is in it.
  bool Focused() override;
  bool CanFocus() override;
  bool SetFocusedControl(TWinControl* Control) override;
  // Above 0 while the popup is being closed from inside.
  int ClosingLockCount() const { return FClosingLock; }

  TNotifyEvent OnPopupClosed;
  TNotifyEvent OnPopupClosing;
  TNotifyEvent OnPopupShown;
  TNotifyEvent OnPopupShowing;

 protected:
  virtual void NotifyClosed();
  virtual void NotifyClosing();
  virtual void NotifyShown();
  virtual void NotifyShowing();
  virtual bool NeedsEraseBackground() { return false; }
  virtual void ModalCloseUp() { CloseUp(); }
  virtual void StyleChanged(TObject* /*Sender*/) {}
  virtual TClass GetStyleClass() { return TcxContainerStyle::StaticClass(); }
  virtual TClass GetViewInfoClass() { return TcxContainerViewInfo::StaticClass(); }
  virtual void MouseEnter(TControl* /*AControl*/) {}
  virtual void MouseLeave(TControl* /*AControl*/) {}

  // The popup keeps its own font.
  void TakeOwnerFont() override {}
  void VisibleChanged() override;
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void Deactivate() override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  TRect GetClientRect() override;
  void Paint() override;
  void Dispatch(TMessage& Message) override;

 private:
  friend class TcxPopupClosingLock;
  void ChangeMode(bool& AField, bool Value);
  void RunLocalLoop();
  void StyleChangedHandler(TObject* Sender);
  void CloseUpRequested();

  TWinControl* FOwnerControl;
  bool FCaptureFocus = true;
  bool FFollowOwnerTopmost = false;
  bool FTopLevelMode = true;
  bool FShowingWithoutActivation = false;
  int FClosingLock = 0;
  HWND FNewActiveWindow = nullptr;  // the window taking the activation from this one
  TcxContainerStyle* FStyle = nullptr;
  TcxContainerViewInfo* FViewInfo = nullptr;
};

// Raises a popup's closing lock for a scope: its deactivation closes nothing meanwhile.
class TcxPopupClosingLock {
 public:
  explicit TcxPopupClosingLock(TcxCustomPopupWindow* APopup) : FPopup(APopup) { ++FPopup->FClosingLock; }
  ~TcxPopupClosingLock() { --FPopup->FClosingLock; }
  TcxPopupClosingLock(const TcxPopupClosingLock&) = delete;
  TcxPopupClosingLock& operator=(const TcxPopupClosingLock&) = delete;

 private:
  TcxCustomPopupWindow* FPopup;
};

// Posts the popup its close-up request (CXM_POPUPCLOSEUP): it closes and its
// owner control gets WM_SETFOCUS.
void PostPopupCloseUp(TcxCustomPopupWindow* APopup);
// The popup is in the visible-popup list.
bool IsPopupVisible(TcxCustomPopupWindow* APopup);
// Both raise EAssertionFailed for a null popup, one listed twice, or one not listed.
void AddVisiblePopup(TcxCustomPopupWindow* APopup);
void RemoveVisiblePopup(TcxCustomPopupWindow* APopup);
// The shown popups in the order they were shown.
const std::vector<TcxCustomPopupWindow*>& VisiblePopups();
// The requested control when it can take the focus and is a tab stop; else
// the popup's first tab stop; else the popup. No request: the popup.
TWinControl* FindPopupFocusControl(TcxCustomPopupWindow* APopup, TWinControl* AControl);
// For a window inside a popup, the window of that popup's owner control;
// otherwise the window itself.
HWND GetPopupOwnerWindow(HWND AWindow);
// While locked, the runtime's CM_ACTIVATE and CM_DEACTIVATE are swallowed.
void LockFocusChange(bool ALock);
bool IsFocusChangeLocked();
// The three thread hooks of the GUI thread (installed when the unit starts).
void InstallPopupHooks();
void RemovePopupHooks();
bool ArePopupHooksInstalled();

// --- Inner list box ------------------------------------------------------------------------
// The list box a container wraps: its keys, mouse, clicks, drags, context
// menu, wheel and focus go to the container; typing selects the first item
// that starts with what was typed; the toolkit's scroll bars lie over the
// native ones, on the list box's parent, so they follow the look-and-feel.
class TcxCustomInnerListBox : public TCustomListBox, public IcxContainerInnerControl {
  VAMIRE_CLASS(TcxCustomInnerListBox, TCustomListBox)
 public:
  using TCreateArg = TComponent;
  explicit TcxCustomInnerListBox(TComponent* AOwner);
  ~TcxCustomInnerListBox() override;
  void BeforeDestruction() override;
  bool GetInterface(const TGUID& iid, void** obj) override;

  // IcxContainerInnerControl
  TWinControl* GetControl() override { return this; }
  TcxContainer* GetControlContainer() override { return Container; }

  // The container it serves; set by the owning editor.
  TcxContainer* Container = nullptr;
  TcxLookAndFeel* LookAndFeel() const { return FLookAndFeel; }
  TcxCanvas* cxCanvas() const { return FCanvas; }
  // Null once freed by the parent they were placed on.
  TcxScrollBar* HScrollBar() const { return FHScrollBar; }
  TcxScrollBar* VScrollBar() const { return FVScrollBar; }
  // The typed prefix of the incremental search.
  const String& SearchText() const { return FSearchText; }
  // The tick count the search compares with (GetTickCount), which a test may replace.
  using TTickReader = DWORD (*)();
  static TTickReader SetTickReader(TTickReader AReader);

  // The rectangle between the two own bars (window coordinates), empty unless both show.
  TRect GetScrollBarsCornerRect();
  // Keep and restore the canvas's brush and font colours around item drawing.
  void SaveCanvasColors();
  void RestoreCanvasColors();
  // The own bars put over the native ones, as the native ones are now.
  virtual void UpdateOwnScrollBars();

 protected:
  // Typed characters select the first item starting with what was typed; Key becomes 0 once used.
  virtual void ProcessAutoComplete(wchar_t& Key);
  virtual void LookAndFeelChanged(TcxLookAndFeel* Sender, TcxLookAndFeelValues AChangedValues);
  // A focus rectangle is drawn unless item drawing is the application's.
  virtual bool NeedsFocusRect() { return !OnDrawItem; }

  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void KeyUp(uint16_t& Key, TShiftState Shift) override;
  void KeyPress(wchar_t& Key) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void Click() override;
  void DblClick() override;
  void DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept) override;
  void DragDrop(TObject* Source, int X, int Y) override;
  // The container's popup menu.
  TPopupMenu* GetPopupMenu() override;
  bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void DestroyWnd() override;
  void WndProc(TMessage& Message) override;
  void DefaultHandler(TMessage& Message) override;
  void Dispatch(TMessage& Message) override;

 private:
  bool UsableContainer() const;
  TPoint ToContainer(int X, int Y) const;
  void MirrorScrollBar(TcxScrollBar* ABar, LONG AObjectId, int ABarKind);
  void HScrollBarScroll(TObject* Sender, TScrollCode ScrollCode, int& ScrollPos);
  void VScrollBarScroll(TObject* Sender, TScrollCode ScrollCode, int& ScrollPos);
  void PaintCorner();
  void LeftButtonDown(TMessage& Message);
  void DrawItemMessage(TMessage& Message);
  void LookAndFeelChangedHandler(TcxLookAndFeel* Sender, TcxLookAndFeelValues AChangedValues);

  TcxCanvas* FCanvas;
  TcxLookAndFeel* FLookAndFeel;
  TcxScrollBar* FHScrollBar;
  TcxScrollBar* FVScrollBar;
  String FSearchText;
  DWORD FLastKeyTime = 0;
  int FScrollBarsLockCount = 0;
  bool FScrollBarsCalculating = false;
  bool FRedrawLocked = false;
  TColor FSavedBrushColor = clNone;
  TColor FSavedFontColor = clNone;
};

// --- Unit ----------------------------------------------------------------------------------
// Starts right after the container unit: installs the popup hooks (and ends
// before it, removing them).
void cxContainerPopups_Initialize();
void cxContainerPopups_Finalize();
extern const TUnitEntry cxContainerPopupsUnit;
