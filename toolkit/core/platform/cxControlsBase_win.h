// The process-wide plumbing of the base-control unit and its routines that
// ask the system: hidden message windows, the timer component whose timers
// all share one hidden window, the system controller, the chains through
// which several parts of the toolkit hook one window one after the other, and
// the window, monitor, input, menu and design-time routines the controls use.
// Everything runs on the GUI thread, except TcxSystemController::WakeMainThread.
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <vector>

#include "Controls.h"
#include "Forms.h"
#include "HiddenWindow.h"
#include "Menus.h"
#include "Units.h"
#include "cxControlsBase.h"
#include "cxMessages.h"

// --- Message windows ---------------------------------------------------------------------
// A hidden window whose messages reach the object's WndProc.
class TcxMessageWindow : public TObject {
  VAMIRE_CLASS(TcxMessageWindow, TObject)
 public:
  TcxMessageWindow();
  ~TcxMessageWindow() override;
  HWND Handle() const { return FHandle; }

 protected:
  // The base answers with DefWindowProc.
  virtual void WndProc(TMessage& Message);

 private:
  HWND FHandle = nullptr;
};

// The one window that owns every TcxTimer's window timer.
class TcxTimerWindow : public TcxMessageWindow {
  VAMIRE_CLASS(TcxTimerWindow, TcxMessageWindow)
 protected:
  void WndProc(TMessage& Message) override;

 private:
  // WM_TIMER of a running timer fires it; of any other id it is dropped.
  void HandleTimerMessage(TMessage& Message);
};

// --- Timers ------------------------------------------------------------------------------
// A timer component on the shared timer window. Its id is unique and only
// grows (never an address), so a WM_TIMER still queued for a freed timer can
// never reach a later timer that happens to live at the same address.
class TcxTimer : public TComponent {
  VAMIRE_CLASS(TcxTimer, TComponent)
 public:
  explicit TcxTimer(TComponent* AOwner);
  ~TcxTimer() override;

  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  // Milliseconds; 0 is ignored (the interval stays, the timer is not restarted).
  unsigned Interval() const { return FInterval; }
  void SetInterval(unsigned Value);
  TNotifyEvent OnTimer() const { return FOnTimer; }
  // Always restarts the timer: its period begins anew.
  void SetOnTimer(TNotifyEvent Value);
  // The id of its window timer on the timer window.
  UINT_PTR TimerID() const { return FTimerID; }

 protected:
  friend class TcxTimerWindow;
  // Calls OnTimer(this) when assigned. The timer may be freed inside.
  virtual void FireTimer();
  bool CanStartTimer() const { return FEnabled && !FRunning && FOnTimer; }
  void RestartTimer();
  // SetTimer on the timer window; running exactly when it succeeded.
  void StartTimer();
  void StopTimer();
  void SetRunning(bool Value);

 private:
  bool FEnabled = true;
  UINT_PTR FTimerID;
  unsigned FInterval = 1000;
  bool FRunning = false;
  TNotifyEvent FOnTimer;
};

// The ids of the timers whose window timer is set, each with its timer.
class TcxRunningTimerList : public TObject {
  VAMIRE_CLASS(TcxRunningTimerList, TObject)
 public:
  void Add(UINT_PTR TimerID, TcxTimer* Timer) { FTimers[TimerID] = Timer; }
  void Remove(UINT_PTR TimerID) { FTimers.erase(TimerID); }
  // Null when the id is not running.
  TcxTimer* Find(UINT_PTR TimerID) const;
  int Count() const { return int(FTimers.size()); }

 private:
  std::map<UINT_PTR, TcxTimer*> FTimers;
};

// --- System controller -------------------------------------------------------------------
// In a library build, worker threads wake the GUI thread through this window:
// WakeMainThread only posts CXM_SYNCHRONIZE, whose handler runs the queued
// synchronised calls. A program (this system's only build) never hooks it.
class TcxSystemController : public TcxMessageWindow {
  VAMIRE_CLASS(TcxSystemController, TcxMessageWindow)
 public:
  TcxSystemController();
  ~TcxSystemController() override;
  // Replaces the runtime's main-thread wake-up, remembering the previous one.
  void HookWakeMainThread();
  void UnhookWakeMainThread();
  // Any thread: posts CXM_SYNCHRONIZE to the window.
  void WakeMainThread(TObject* Sender);

 protected:
  void WndProc(TMessage& Message) override;

 private:
  TNotifyEvent FPrevWakeMainThread;
  bool FHooked = false;
};

// --- Chains of window procedures ---------------------------------------------------------
class TcxDoublyLinkedObject : public TObject {
  VAMIRE_CLASS(TcxDoublyLinkedObject, TObject)
 public:
  TcxDoublyLinkedObject* Prev() const { return FPrev; }
  void SetPrev(TcxDoublyLinkedObject* Value) { FPrev = Value; }
  TcxDoublyLinkedObject* Next() const { return FNext; }
  void SetNext(TcxDoublyLinkedObject* Value) { FNext = Value; }

 private:
  TcxDoublyLinkedObject* FPrev = nullptr;
  TcxDoublyLinkedObject* FNext = nullptr;
};

class TcxDoublyLinkedObjectList : public TObject {
  VAMIRE_CLASS(TcxDoublyLinkedObjectList, TObject)
 public:
  // Frees the nodes from the last one backwards.
  ~TcxDoublyLinkedObjectList() override;
  // Appends a node made by CreateNode as the new last node.
  virtual TcxDoublyLinkedObject* AddNode();
  virtual TcxDoublyLinkedObject* CreateNode();
  // Only a node of this list: unlinked, freed and the reference set to null.
  // Any other node is left alone, and so is the reference.
  virtual void RemoveNode(TcxDoublyLinkedObject*& Node);
  TcxDoublyLinkedObject* Last() const { return FLast; }

 private:
  TcxDoublyLinkedObject* FLast = nullptr;
};

// One procedure of a chain: the window method it runs, for a control or a window.
class TcxWindowProcLinkedObject : public TcxDoublyLinkedObject {
  VAMIRE_CLASS(TcxWindowProcLinkedObject, TcxDoublyLinkedObject)
 public:
  TControl* Control() const { return FControl; }
  void SetControl(TControl* Value) { FControl = Value; }
  HWND Handle() const { return FHandle; }
  void SetHandle(HWND Value) { FHandle = Value; }
  TWndMethod WindowProc() const { return FWindowProc; }
  void SetWindowProc(TWndMethod Value) { FWindowProc = Value; }

 private:
  TControl* FControl = nullptr;
  HWND FHandle = nullptr;
  TWndMethod FWindowProc;
};

// Puts a chain in front of a window's procedure and back out again.
class TcxSubclassingHelper : public TObject {
  VAMIRE_CLASS(TcxSubclassingHelper, TObject)
 public:
  virtual TcxWindowProcLinkedObject* CreateNode();
  // Puts the initial procedure back.
  virtual void RestoreWindowProc() = 0;
  // Remembers the current procedure as the default and puts Method in its place.
  virtual void InstallWindowProc(TWndMethod Method) = 0;
  // The procedure that was in place before the chain.
  TWndMethod DefaultWindowProc() const { return FDefaultWindowProc; }

 protected:
  TWndMethod FDefaultWindowProc;
};

// Works on a runtime control's WindowProc.
class TcxVCLSubclassingHelper : public TcxSubclassingHelper {
  VAMIRE_CLASS(TcxVCLSubclassingHelper, TcxSubclassingHelper)
 public:
  explicit TcxVCLSubclassingHelper(TControl* Control) : FControl(Control) {}
  void RestoreWindowProc() override;
  void InstallWindowProc(TWndMethod Method) override;

 private:
  TControl* FControl;
};

// Works on a raw window: its procedure becomes a stub that finds the helper
// through a window property; the old procedure is reached with CallWindowProc.
class TcxWin32SubclassingHelper : public TcxSubclassingHelper {
  VAMIRE_CLASS(TcxWin32SubclassingHelper, TcxSubclassingHelper)
 public:
  explicit TcxWin32SubclassingHelper(HWND Handle) : FHandle(Handle) {}
  void RestoreWindowProc() override;
  void InstallWindowProc(TWndMethod Method) override;

 private:
  static LRESULT CALLBACK StubWndProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);
  void CallPreviousProc(TMessage& Message);

  HWND FHandle;
  WNDPROC FPrevWndProc = nullptr;
  TWndMethod FChainMethod;
};

// The chain of one control or window. Its first node holds the procedure that
// was in place before; the newest node is the last, and only it is run: each
// node passes a message on, when it wants, with CallPreviousWindowProc.
class TcxWindowProcLinkedObjectList : public TcxDoublyLinkedObjectList {
  VAMIRE_CLASS(TcxWindowProcLinkedObjectList, TcxDoublyLinkedObjectList)
 public:
  explicit TcxWindowProcLinkedObjectList(TControl* Control);
  explicit TcxWindowProcLinkedObjectList(HWND Handle);
  // Puts the initial procedure back, then frees the nodes.
  ~TcxWindowProcLinkedObjectList() override;

  TcxDoublyLinkedObject* CreateNode() override;
  virtual void InstallChain();
  TcxWindowProcLinkedObject* AddWindowProc(TWndMethod Method);
  // Runs the last node's method. The chain may be freed inside (its last hook
  // removed): nothing of it is touched afterwards.
  void DispatchToLast(TMessage& Message);

  TControl* Control() const { return FControl; }
  HWND Handle() const { return FHandle; }

 private:
  TControl* FControl = nullptr;
  HWND FHandle = nullptr;
  TcxSubclassingHelper* FHelper = nullptr;
};

class TcxWindowProcController : public TObject {
  VAMIRE_CLASS(TcxWindowProcController, TObject)
 public:
  // The node that identifies the hook; null for a null control or a 0 window.
  TcxWindowProcLinkedObject* AddControlWindowProc(TControl* Control, TWndMethod WindowProc);
  TcxWindowProcLinkedObject* AddHandleWindowProc(HWND Handle, TWndMethod WindowProc);
  // Removes the hook and sets the reference to null. Once only the initial
  // procedure is left the chain goes, which puts that procedure back.
  void RemoveWindowProc(TcxWindowProcLinkedObject*& Node);
  TcxWindowProcLinkedObjectList* FindControlChain(TControl* Control) const;
  TcxWindowProcLinkedObjectList* FindHandleChain(HWND Handle) const;
  int ChainCount() const { return int(FChains.size()); }

 private:
  TcxWindowProcLinkedObjectList* AddChain(std::unique_ptr<TcxWindowProcLinkedObjectList> Chain);
  std::vector<std::unique_ptr<TcxWindowProcLinkedObjectList>> FChains;
};

// Runs the method of the node before Node (nothing for null or the first node).
void CallPreviousWindowProc(TcxWindowProcLinkedObject* Node, TMessage& Message);

// --- The unit's process-wide objects -----------------------------------------------------
// Each is made on first use; once the unit has begun to end they answer null.
TcxMessageWindow* GetMessageWindow();
TcxTimerWindow* GetTimerWindow();
TcxRunningTimerList* GetRunningTimerList();
TcxWindowProcController* GetWindowProcController();
// Made at unit start.
TcxSystemController* GetSystemController();

// The two messages registered by name at unit start (0 before): the skinned
// forms send the first to a form before choosing its painter (non-zero: the
// form refuses skinning) and react to the second by re-reading their painter.
extern UINT cxSkinRefuseMessage;
extern UINT cxSkinUpdatePainterMessage;

// --- Interfaces controls offer -----------------------------------------------------------
// A popup-menu component that is not a TPopupMenu.
class IcxPopupMenuHandler : public virtual IInterface {
  VAMIRE_INTERFACE(IcxPopupMenuHandler, IInterface, "{6B0E8F5A-3C41-4D7E-9A52-1E7F0C2B8D31}")
 public:
  virtual bool IsShortCut(TMessage& Message) = 0;
  // At a screen point.
  virtual void Popup(int X, int Y) = 0;
};

// A child control that says itself whether its parent's image shows through it.
class IcxTransparencyQuery : public virtual IInterface {
  VAMIRE_INTERFACE(IcxTransparencyQuery, IInterface, "{2D93A7C4-58B1-4F06-B3E8-7A4C91D0E652}")
 public:
  virtual bool IsTransparent() = 0;
};

// --- Monitors and work areas -------------------------------------------------------------
bool IsPointOnAnyMonitor(const TPoint& P);
TRect GetWorkAreaAtPoint(const TPoint& P);
// The desktop work area for monitor 0.
TRect GetMonitorWorkRect(HMONITOR Monitor);
// Narrower or lower than the work area of its monitor (the primary one when it has none).
bool IsWindowSmallerThanWorkArea(HWND Window);
// (-1, -1) when the position can't be read.
TPoint GetCursorPosOrInvalid();

// --- Window tests and geometry -----------------------------------------------------------
bool CanAllocateWindowHandle(TWinControl* Control);
bool HasChildStyle(HWND Window);
// Parent is not 0 and is the window or one of its ancestors.
bool IsSameOrChildWindow(HWND Parent, HWND Window);
// Owner is not 0 and is found walking GetParent up from the window.
bool IsAncestorWindow(HWND Owner, HWND Window);
bool IsWindowAndParentsEnabled(HWND Window);
bool IsWindowedControlShown(TWinControl* Control);
TFormStyle GetFormStyleOf(TCustomForm* Form);
// False for null and at design time.
bool IsMDIChildForm(TCustomForm* Form);
bool IsMDIParentForm(TCustomForm* Form);
// 0 stands for the screen.
void MapPointBetweenWindows(HWND From, HWND To, TPoint& P);
void MapRectBetweenWindows(HWND From, HWND To, TRect& R);
// The empty rectangle when the call fails or there is no window.
TRect GetClientRectOrEmpty(HWND Window);
TRect GetWindowRectOrEmpty(HWND Window);
TRect GetControlWindowRect(TWinControl* Control);
// P in the window's client coordinates; the deepest visible child under it.
HWND FindDeepestChildAtPoint(HWND Window, const TPoint& P);
// P on the screen; 0 when no window is there.
HWND FindDeepestWindowAtPoint(const TPoint& P);
bool IsTransparentChild(TControl* Control);
void InvalidateControlAndChildren(TWinControl* Control, bool InvalidateSelf, bool InvalidateChildren);
// Visual styles are active for this program.
bool AreThemesEnabled();

// --- Keys and mouse ----------------------------------------------------------------------
bool IsCtrlKeyDown();
// The MK_ flags of the buttons, Shift and Ctrl held now.
std::uint32_t GetAsyncMouseKeys();
// Both distances below the runtime's drag threshold.
bool IsWithinDragThreshold(const TPoint& DownPos, int X, int Y);
unsigned GetSystemDoubleClickTime();
// The character the key types in the current keyboard state; #0 unless exactly one.
wchar_t VirtualKeyToChar(std::uint16_t Key);

// --- Popup menus -------------------------------------------------------------------------
bool IsPopupMenuShortCut(TComponent* Menu, TMessage& Message);
bool ShowPopupMenu(TControl* Control, TComponent* Menu, int X, int Y);
// Links a control's popup menu: a component that is neither a TPopupMenu nor an
// IcxPopupMenuHandler is taken as none; Owner is told when the linked one is
// freed (its Notification clears Field).
void SetPopupMenuLink(TComponent* Owner, TComponent*& Field, TComponent* Value);
// The height of the menu's tallest column.
int CalcPopupMenuHeight(TMenu* Menu);

// --- System menus of windows that draw their own caption ---------------------------------
// user32's menu 16, 32 or 48 (Index 0, 1, 2); null where the system has none,
// in which case callers leave the window's own system menu as it is.
HMENU LoadSystemMenuTemplate(int Index);
void UpdateSystemMenuItems(HWND Window, HMENU Menu);
void AdjustSystemMenu(HMENU Menu, HWND Window, bool IsDialog, bool LockUpdate, TBorderIcons BorderIcons);
// Destination's items replaced by copies of Source's; nothing when they are
// the same menu or either is not a menu.
void CopyMenuItems(HMENU Source, HMENU Destination);

// --- Design time -------------------------------------------------------------------------
// The designer of a form. There is no form designer in this system (D-9); a
// test installs a finder to reach the design-time paths.
class IcxDesigner {
 public:
  virtual void Modified() = 0;

 protected:
  ~IcxDesigner() = default;
};
using TcxRootDesignerFinder = IcxDesigner* (*)(TComponent* Root);
// Answers the finder it replaces; null removes it.
TcxRootDesignerFinder SetRootDesignerFinder(TcxRootDesignerFinder Finder);
// The designer of the component's root (the top of its parent chain).
IcxDesigner* FindRootDesigner(TComponent* Component);
// Tells the root's designer that the form changed: only for a designing,
// ready component, and for a control only when every parent is ready.
void SetDesignerModified(TComponent* Component);

class TcxDesignController : public TObject {
  VAMIRE_CLASS(TcxDesignController, TObject)
 public:
  // Nothing while disabled or while a notification runs.
  void NotifyDesignerModified(TCustomForm* Form);
  void DisableModifiedNotification() { ++FDisableCount; }
  // Never below 0.
  void EnableModifiedNotification();
  bool IsModifiedNotificationDisabled() const { return FDisableCount > 0; }

 private:
  int FDisableCount = 0;
  std::uint8_t FState = 0;  // bit 0: a notification runs
};

// --- Unit --------------------------------------------------------------------------------
// Start: SetMenuInfo looked up, the two messages registered, the system
// controller made. End: everything above freed, in reverse.
void cxControlsBase_Initialize();
void cxControlsBase_Finalize();
extern const TUnitEntry cxControlsBaseUnit;
