// Skinned forms: a skin draws the frames of ordinary windows (caption,
// borders, caption buttons, scroll bars, background) and the faces of plain
// push buttons and panels, without the windows' cooperation. A thread hook
// sees every window the GUI thread creates; each form, "TButton" and "TPanel"
// gets a controller, which subclasses its window while a skin painter is in
// force for it and answers its non-client messages itself.
#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <vector>

#include "ExtCtrls.h"
#include "Forms.h"
#include "StdCtrls.h"
#include "cxControlsBase_win.h"
#include "cxControls_win.h"
#include "cxLookAndFeels.h"
#include "dxSkinInfo.h"
#include "dxSkinsCore_win.h"
#include "dxSkinsLookAndFeelPainter.h"
#include "dxSkinsForm.h"

class TdxSkinController;
class TdxSkinWinController;
class TdxSkinFormController;

using TdxSkinControllerPopupSysMenuEvent = TMethod<void(TObject* Sender, TWinControl* AControl, HMENU AMenu)>;
using TdxSkinControllerSkinControlEvent = TMethod<void(TObject* Sender, TWinControl* AControl, bool& UseSkin)>;
using TdxSkinControllerSkinFormEvent =
    TMethod<void(TObject* Sender, TWinControl* AForm, bool& UseSkin, String& SkinName)>;

// The lookup table of a skin painter (null for any other painter, or one whose skin is no longer filed).
TdxSkinInfo* dxSkinPainterInfo(TcxCustomLookAndFeelPainterClass APainter);
// A painter that draws from a skin.
bool dxIsSkinPainter(TcxCustomLookAndFeelPainterClass APainter);

// --- The component ------------------------------------------------------------------------
// The look-and-feel controller the program drops on its main window, with the
// switch that turns skins on and off for the whole process and the events
// that let it keep a form or control unskinned.
class TdxSkinController : public TcxLookAndFeelController {
  VAMIRE_CLASS(TdxSkinController, TcxLookAndFeelController)
 public:
  explicit TdxSkinController(TComponent* AOwner);
  ~TdxSkinController() override;

  // The process-wide flag (cxUseSkins), not the component's own.
  bool UseSkins() const;
  void SetUseSkins(bool Value);
  void ResetToDefaults() override;
  void Loaded() override;
  void MasterChanged(TcxLookAndFeel* Sender, TcxLookAndFeelValues AChangedValues) override;
  void MasterDestroying(TcxLookAndFeel* Sender) override;

  virtual void DoPopupSysMenu(TWinControl* AControl, HMENU AMenu);
  virtual bool DoSkinControl(TWinControl* AControl);
  // None unless the form accepts skinning; else DoSkinForm with this
  // controller's skin name, used while skins are on and NativeStyle is off.
  virtual TcxCustomLookAndFeelPainterClass GetFormPainter(TWinControl* AForm, HWND AHandle);
  virtual TcxCustomLookAndFeelPainterClass DoSkinForm(TWinControl* AForm, String& ASkinName, bool& AUseSkin);
  bool IsDestroying() const { return ComponentState().Contains(csDestroying); }

  TdxSkinControllerPopupSysMenuEvent OnPopupSysMenu;
  TdxSkinControllerSkinControlEvent OnSkinControl;
  TdxSkinControllerSkinFormEvent OnSkinForm;
};

// --- Per-window controllers ---------------------------------------------------------------
class TdxSkinWinController : public TcxIUnknownObject, public IcxMouseTrackingCaller {
  VAMIRE_CLASS(TdxSkinWinController, TcxIUnknownObject)
 public:
  explicit TdxSkinWinController(HWND AHandle);
  ~TdxSkinWinController() override;
  bool GetInterface(const TGUID& iid, void** obj) override;

  HWND Handle() const { return FHandle; }
  TWinControl* Control() const { return FControl; }
  // The painter of the top of the master chain, or this controller's own.
  TcxCustomLookAndFeelPainterClass Painter() const;
  TdxSkinInfo* SkinInfo() const { return dxSkinPainterInfo(Painter()); }
  TdxSkinWinController* MasterController() const { return FMasterController; }
  void SetMasterController(TdxSkinWinController* Value) { FMasterController = Value; }
  bool IsHooked() const { return FWindowProcLink != nullptr; }

  virtual bool IsSkinned() const;
  virtual TdxSkinWinController* FindMasterController(HWND AHandle);
  virtual bool CanSkinControl();
  virtual bool CanHookWindow() { return IsSkinned(); }
  // The rest of the window's procedure chain.
  virtual void DefWndProc(TMessage& Message);
  virtual void HookWindow();
  virtual void InitializePainter() {}
  // Clears every other controller's master that points here.
  virtual void BeforeDestroy();
  virtual void UnhookWindow();
  virtual void WndProc(TMessage& Message);
  void MouseLeave() override {}
  static bool IsMDIChild(HWND AHandle);
  static bool IsMDIClient(HWND AHandle);
  // The runtime's message boxes and plain forms.
  static bool IsStandardFormClass(HWND AHandle);
  virtual void FrameChanged();
  virtual void UpdatePainter();
  // Hooks or unhooks as the painter now says, recomputes the frame and redraws.
  virtual void Update();
  // Points the controller at a new window of the same control.
  void AttachToHandle(HWND AHandle);

  // A controller freed while one of its procedure frames runs lives until
  // the outermost returns (the window's procedure is unhooked at once).
  void Release();
  bool Released() const { return FReleased; }

 protected:
  void SetPainter(TcxCustomLookAndFeelPainterClass Value) { FPainter = Value; }
  TcxCustomLookAndFeelPainterClass OwnPainter() const { return FPainter; }

 private:
  void ChainWndProc(TMessage& Message);

  HWND FHandle;
  TcxCustomLookAndFeelPainterClass FPainter = nullptr;
  TdxSkinWinController* FMasterController = nullptr;
  TWinControl* FControl = nullptr;
  TcxWindowProcLinkedObject* FWindowProcLink = nullptr;
  int FFrameDepth = 0;
  bool FReleased = false;
};

// --- Non-client geometry and state of a form ------------------------------------------------
enum TdxSkinFormScrollBarKind { sbkHorizontal, sbkVertical, sbkNone };

struct TdxSkinFormScrollBarPart {
  TRect Bounds;
  TcxButtonState State = cxbsNormal;
  bool Present = false;
};

struct TdxSkinFormScrollBar {
  bool Present = false;
  TRect Bounds;
  SCROLLBARINFO Info{};
  std::array<TdxSkinFormScrollBarPart, 6> Parts{};  // 1..5
};

class TdxSkinFormIconInfo {
 public:
  TdxSkinFormIconType IconType = sfiClose;
  TRect HitBounds;
  TRect Bounds;
  TdxSkinElementState State = esNormal;
  bool Enabled = true;
};

class TdxSkinFormNonClientAreaInfo : public TObject {
  VAMIRE_CLASS(TdxSkinFormNonClientAreaInfo, TObject)
 public:
  explicit TdxSkinFormNonClientAreaInfo(TdxSkinFormController* AController);
  ~TdxSkinFormNonClientAreaInfo() override;

  // Everything anew from the window, the painter's skin and the system.
  void Calculate();
  void CalculateScrollBars();
  // Hot button from the cursor (screen point) and every button's state.
  void UpdateIconStates(const TPoint& AScreenCursor);
  int HitTest(const TPoint& AScreenPoint) const;
  // The window rectangle's client part for WM_NCCALCSIZE (screen coordinates).
  TRect ClientRectFor(const TRect& AWindowRect) const;
  // The button whose hit bounds hold the point (window coordinates), or -1.
  int IconAt(const TPoint& AWindowPoint) const;
  TdxSkinFormIconInfo* FindIcon(int AType);
  // The scroll-bar part under a screen point: bar * 8 + part, or 0.
  int ScrollBarPartAt(const TPoint& AScreenPoint) const;
  TPoint ScreenToWindow(const TPoint& P) const;

  TdxSkinFormController* Controller() const { return FController; }
  TdxSkinInfo* SkinInfo() const { return FSkinInfo; }
  bool UsesSystemMetrics() const;
  bool IsToolWindow() const { return (FExStyle & WS_EX_TOOLWINDOW) != 0; }
  bool HasBorder() const;

  DWORD FStyle = 0, FExStyle = 0;
  TRect FWindowRect, FClientRect;  // on the screen
  int FBorderWidth = 0;
  NONCLIENTMETRICSW FMetrics{};
  bool FMDIChild = false, FMDIClient = false, FHasMenuBar = false;
  bool FActive = true;
  int FThemesActive = -1;  // asked once; -1 not yet
  TcxCustomLookAndFeelPainterClass FPainter = nullptr;
  TdxSkinInfo* FSkinInfo = nullptr;
  TRect FWidths;  // left, top (caption), right, bottom
  std::array<TRect, 4> FBorders{};
  TSize FBand;
  HFONT FCaptionFont = nullptr;
  int FCaptionFontHeight = 0;
  String FCaptionText;
  TColor FTextColorActive = clCaptionText, FTextColorInactive = clInactiveCaptionText, FTextShadowColor = clNone;
  TRect FCaptionTextRect;
  HICON FIcon = nullptr;
  TRect FMenuStrip;
  int FMenuBarHeight = 0;
  int FWindowState = 0;  // 0 restored, 1 minimized, 2 maximized, as WM_SIZE reported
  std::vector<TdxSkinFormIconInfo> FIcons;
  // Button types under the cursor and pressed, or -1.
  int FHotIcon = -1;
  int FPressedIcon = -1;
  std::array<TdxSkinFormScrollBar, 2> FScrollBars{};
  bool FSizeBoxPresent = false;
  TRect FSizeBox;
  TdxSkinFormScrollBarKind FTrackedBar = sbkNone;

 private:
  void CalculateCaption();
  TdxSkinElement* IconElement(TdxSkinFormIconType AType) const;
  TdxSkinFormController* FController;
};

// Draws a form's frame from its non-client info; each border side, caption
// button and the background keep an element cache, dropped on frame changes.
class TdxSkinFormPainter : public TObject {
  VAMIRE_CLASS(TdxSkinFormPainter, TObject)
 public:
  explicit TdxSkinFormPainter(TdxSkinFormNonClientAreaInfo* AInfo) : FInfo(AInfo) {}
  void FlushCache();
  // The whole frame into a DC of the window (window coordinates); AClip (may
  // be null) limits the borders drawn.
  void PaintNonClient(HDC DC, HRGN AClip);
  void PaintClientBackground(HDC DC, const TRect& R);
  void PaintScrollBars(HDC DC);

 private:
  void PaintCaption(HDC DC);
  void PaintCaptionText(HDC DC, const TRect& AOrigin);
  void PaintBorders(HDC DC, HRGN AClip);
  void PaintIcon(HDC DC, const TdxSkinFormIconInfo& AIcon, const TPoint& AOffset);
  void PaintScrollBar(HDC DC, const TdxSkinFormScrollBar& ABar, bool AHorizontal);
  void PaintContent(HDC DC, const TRect& R);
  TdxSkinElementState FrameState() const { return FInfo->FActive ? esActive : esActiveDisabled; }

  TdxSkinFormNonClientAreaInfo* FInfo;
  static TdxSkinElementCache& Cache(std::unique_ptr<TdxSkinElementCache>& ACache);
  std::array<std::unique_ptr<TdxSkinElementCache>, 4> FBorderCaches;
  std::array<std::unique_ptr<TdxSkinElementCache>, dxSkinFormIconTypeCount> FIconCaches;
  std::unique_ptr<TdxSkinElementCache> FContentCache;
  // The caption is redrawn with every frame paint: kept drawn too.
  std::unique_ptr<TdxSkinElementCache> FCaptionCache;
};

class TdxSkinFormController : public TdxSkinWinController {
  VAMIRE_CLASS(TdxSkinFormController, TdxSkinWinController)
 public:
  explicit TdxSkinFormController(HWND AHandle);
  ~TdxSkinFormController() override;

  TdxSkinFormNonClientAreaInfo* ViewInfo() const { return FViewInfo.get(); }
  TdxSkinFormPainter* FormPainter() const { return FFormPainter.get(); }
  // The form behind the handle (the MDI client's parent form for an MDI client).
  TWinControl* Form() const;
  bool IsSkinned() const override;
  void InitializePainter() override;
  void UpdatePainter() override;
  void FrameChanged() override;
  void WndProc(TMessage& Message) override;
  void MouseLeave() override;
  TdxSkinWinController* FindMasterController(HWND AHandle) override;

  virtual void CalculateNonClient();
  virtual void UpdateWindowRegion();
  virtual void PaintClientBackground(HDC DC);
  // Into DC (window coordinates), or a window DC when DC is null.
  virtual void PaintNonClient(HDC DC, HRGN AClip = nullptr);
  virtual void PaintScrollBars(HDC DC);
  virtual void ResetWindowRegion(bool ARepaint);
  virtual void MakeLabelsTransparent();
  // True when the message was answered here.
  virtual bool HandleSkinnedMessage(TMessage& Message);
  void LockRedraw();
  void UnlockRedraw();
  bool HasRegion() const { return FHasRegion; }
  void ReadCaptionText();
  // The window's default system menu back, and for an MDI child rebuilt.
  void RestoreSystemMenu();
  // The system's template copied into the window's system menu and fitted to the window.
  void RebuildSystemMenu();
  void ShowSystemMenu(const TPoint& AScreenPoint);

 protected:
  virtual void BeforeDefault(TMessage& Message);
  virtual void AfterDefault(TMessage& Message);

 private:
  void WMNCCalcSize(TMessage& Message);
  void WMNCPaint(TMessage& Message);
  void WMNCLButtonDown(TMessage& Message);
  bool WMNCLButtonUp(TMessage& Message);
  bool WMNCMouseMove(TMessage& Message);
  void WMNCActivate(TMessage& Message);
  void WMSysCommand(TMessage& Message);
  void WMInitMenu(TMessage& Message);
  void InitializeForm();
  void PopupSysMenuOnControllers(HMENU AMenu);
  void RepaintNonClient() { PaintNonClient(nullptr); }
  bool UpdateMouseTracking();

  std::unique_ptr<TdxSkinFormNonClientAreaInfo> FViewInfo;
  std::unique_ptr<TdxSkinFormPainter> FFormPainter;
  int FRedrawLockCount = 0;
  bool FHasRegion = false;
  bool FNeedNonClientRepaint = false;
};

// A frame control: its master is its parent form's controller; with a
// parent background it paints the parent under itself.
class TdxSkinFrameController : public TdxSkinFormController {
  VAMIRE_CLASS(TdxSkinFrameController, TdxSkinFormController)
 public:
  using TdxSkinFormController::TdxSkinFormController;
  TdxSkinWinController* FindMasterController(HWND AHandle) override;
  void PaintClientBackground(HDC DC) override;

 protected:
  void AfterDefault(TMessage& Message) override;
};

// A control drawn whole by the skin while its parent form is skinned.
class TdxSkinCustomController : public TdxSkinWinController {
  VAMIRE_CLASS(TdxSkinCustomController, TdxSkinWinController)
 public:
  using TdxSkinWinController::TdxSkinWinController;
  TdxSkinWinController* FindMasterController(HWND AHandle) override;
  void WndProc(TMessage& Message) override;
  // Paints into DC, or into a window DC of its own when DC is null.
  void PaintTo(HDC DC);

 protected:
  virtual void WMPaint(TMessage& Message);
  virtual void Paint(TcxCanvas* ACanvas) = 0;
};

class TdxSkinButtonController : public TdxSkinCustomController {
  VAMIRE_CLASS(TdxSkinButtonController, TdxSkinCustomController)
 public:
  explicit TdxSkinButtonController(HWND AHandle);
  void WndProc(TMessage& Message) override;
  void MouseLeave() override;
  TcxButtonState State() const { return FState; }
  bool IsDefault() const { return FDefault; }

 protected:
  void Paint(TcxCanvas* ACanvas) override;

 private:
  TcxButtonState CalcState() const;
  void UpdateState();
  TcxButtonState FState = cxbsNormal;
  bool FDefault = false;
};

class TdxSkinPanelController : public TdxSkinCustomController {
  VAMIRE_CLASS(TdxSkinPanelController, TdxSkinCustomController)
 public:
  using TdxSkinCustomController::TdxSkinCustomController;
  void WndProc(TMessage& Message) override;
  virtual void WMPrintClient(TMessage& Message);

 protected:
  void Paint(TcxCanvas* ACanvas) override;

 private:
  bool FPrinting = false;
};

// --- The unit's routines --------------------------------------------------------------------
// The controller of a window, or null.
TdxSkinWinController* dxSkinWinControllerOf(HWND AHandle);
// A controller exists for the window and reports IsSkinned.
bool IsSkinnedWindow(HWND AHandle);
// The registry name of the painter of the control's window's controller.
bool GetControlSkinName(TWinControl* AControl, String& AName);
// Every skin controller, in creation order.
const std::vector<TdxSkinController*>& dxSkinControllers();
// The per-window controllers listed now.
int dxSkinWinControllerCount();
// Controller objects in memory: the listed ones and those released while a
// frame of their window procedure still runs (for tests).
int dxSkinWinControllerInstanceCount();
// Re-chooses every controller's painter, then updates each.
void dxSkinRefreshAllForms();
// The hidden window that creates controllers for windows made in Unicode.
HWND dxSkinHelperWindow();

using TdxSkinWinControllerFactory = TdxSkinWinController* (*)(HWND AHandle);
// The controller kind a window gets (first rule that matches): MDI client,
// no runtime control (none), exactly "TPanel", exactly "TButton", a frame,
// a form; else none.
TdxSkinWinControllerFactory dxSkinChooseController(HWND AHandle);

void dxSkinsForm_Initialize();
void dxSkinsForm_Finalize();
extern const TUnitEntry dxSkinsFormUnit;
