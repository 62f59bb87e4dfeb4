// The application object with its message loop and exception handling, the
// screen object (forms, active form, cursors, fonts, monitors and work area),
// forms, frames and the hint window. Everything here lives on the GUI thread.
#pragma once

#include <windows.h>

#include <vector>

#include "Classes.h"
#include "Controls.h"
#include "DialogService.h"
#include "Graphics.h"
#include "HiddenWindow.h"
#include "Streaming.h"
#include "Units.h"

class TCustomForm;
class TMainMenu;  // Menus.h
class THintWindow;

// --- Form enumerations ------------------------------------------------------------------
// The frame of a form. Controls with a plain border (edits, memos, panels)
// use the first two values as TBorderStyle.
enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
VAMIRE_ENUM_NAMES(TFormBorderStyle, L"bsNone", L"bsSingle", L"bsSizeable", L"bsDialog", L"bsToolWindow",
                  L"bsSizeToolWin")
using TBorderStyle = TFormBorderStyle;
enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
VAMIRE_ENUM_NAMES(TBorderIcon, L"biSystemMenu", L"biMinimize", L"biMaximize", L"biHelp")
using TBorderIcons = TSet<TBorderIcon, 4>;
enum TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
VAMIRE_ENUM_NAMES(TFormStyle, L"fsNormal", L"fsMDIChild", L"fsMDIForm", L"fsStayOnTop")
enum TPosition { poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter, poDesktopCenter,
                 poMainFormCenter, poOwnerFormCenter };
VAMIRE_ENUM_NAMES(TPosition, L"poDesigned", L"poDefault", L"poDefaultPosOnly", L"poDefaultSizeOnly",
                  L"poScreenCenter", L"poDesktopCenter", L"poMainFormCenter", L"poOwnerFormCenter")
enum TWindowState { wsNormal, wsMinimized, wsMaximized };
VAMIRE_ENUM_NAMES(TWindowState, L"wsNormal", L"wsMinimized", L"wsMaximized")
// What closing a form does: nothing, hide it, free it, or minimise it.
enum TCloseAction { caNone, caHide, caFree, caMinimize };

using TCloseEvent = TMethod<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = TMethod<void(TObject* Sender, bool& CanClose)>;

// What CM_HINTSHOW hands the control about to show a hint (LParam), which
// the control may change; a nonzero answer shows no hint.
struct THintInfo {
  TControl* HintControl = nullptr;
  TClass HintWindowClass = nullptr;
  TPoint HintPos;            // screen point of the hint window's top-left corner
  int HintMaxWidth = 0;
  TColor HintColor = clInfoBk;
  TRect CursorRect;          // client rectangle of the control the hint belongs to
  TPoint CursorPos;          // in the control's client coordinates
  int ReshowTimeout = 0;     // ms after which the hint is asked for again (0: never)
  int HideTimeout = 0;       // ms the hint stays (0: the application's HintHidePause)
  String HintStr;
  void* HintData = nullptr;
};
using TShowHintEvent = TMethod<void(String& HintStr, bool& CanShow, THintInfo& HintInfo)>;

// --- Events of the application ----------------------------------------------------------
using TExceptionEvent = TMethod<void(TObject* Sender, const Exception& E)>;
using TIdleEvent = TMethod<void(TObject* Sender, bool& Done)>;
using TMessageEvent = TMethod<void(MSG& Msg, bool& Handled)>;

// --- Monitors -----------------------------------------------------------------------------
enum TMonitorDefaultTo { mdNearest, mdNull, mdPrimary };

// One display as the system reports it; the screen object owns them.
class TMonitor : public TObject {
  VAMIRE_CLASS(TMonitor, TObject)
 public:
  TMonitor() = default;
  HMONITOR Handle() const { return FHandle; }
  int MonitorNum() const { return FMonitorNum; }
  TRect BoundsRect() const;
  TRect WorkareaRect() const;
  int Left() const { return BoundsRect().Left; }
  int Top() const { return BoundsRect().Top; }
  int Width() const;
  int Height() const;
  bool Primary() const;

 private:
  friend class TScreen;
  HMONITOR FHandle = nullptr;
  int FMonitorNum = 0;
};

// --- Screen -------------------------------------------------------------------------------
// What the program knows about the screen: its forms (most recently activated
// first), the active form and control, the screen cursor, fonts and monitors.
class TScreen : public TComponent {
  VAMIRE_CLASS(TScreen, TComponent)
 public:
  explicit TScreen(TComponent* AOwner);
  ~TScreen() override;

  // The cursor shown over every control of the program while it is not
  // crDefault, as the busy cursor crHourGlass during a long operation.
  // Setting it shows it at once; crDefault gives each control its own again.
  TCursor Cursor() const { return ScreenCursorOverride(); }
  void SetCursor(TCursor Value) { SetScreenCursorOverride(Value); }
  // The cursor handle registered under Index (the control unit's registry,
  // which takes a handle set here over).
  HCURSOR Cursors(TCursor Index) const { return GetCursorHandle(Index); }
  void SetCursors(TCursor Index, HCURSOR Handle) { SetCursorHandle(Index, Handle); }

  int FormCount() const { return int(FForms.size()); }
  TCustomForm* Forms(int Index) const;
  int CustomFormCount() const { return FormCount(); }
  TCustomForm* CustomForms(int Index) const { return Forms(Index); }
  TCustomForm* ActiveForm() const { return FActiveForm; }
  TCustomForm* ActiveCustomForm() const { return FActiveForm; }
  TCustomForm* FocusedForm() const { return FFocusedForm; }
  TWinControl* ActiveControl() const { return FActiveControl; }
  TNotifyEvent OnActiveFormChange;
  TNotifyEvent OnActiveControlChange;

  // The face names of the installed fonts, sorted, each once. Read on first
  // use and again after the system reports a change of fonts.
  TStrings* Fonts();
  void ResetFonts();
  TFont* HintFont() const { return FHintFont; }

  int PixelsPerInch() const;
  int Width() const { return GetSystemMetrics(SM_CXSCREEN); }
  int Height() const { return GetSystemMetrics(SM_CYSCREEN); }
  int DesktopLeft() const { return GetSystemMetrics(SM_XVIRTUALSCREEN); }
  int DesktopTop() const { return GetSystemMetrics(SM_YVIRTUALSCREEN); }
  int DesktopWidth() const { return GetSystemMetrics(SM_CXVIRTUALSCREEN); }
  int DesktopHeight() const { return GetSystemMetrics(SM_CYVIRTUALSCREEN); }
  TRect DesktopRect() const;
  // The primary monitor's work area (SPI_GETWORKAREA).
  TRect WorkAreaRect() const;
  int WorkAreaLeft() const { return WorkAreaRect().Left; }
  int WorkAreaTop() const { return WorkAreaRect().Top; }
  int WorkAreaWidth() const;
  int WorkAreaHeight() const;

  // Enumerated on first use and again after a display change.
  int MonitorCount();
  TMonitor* Monitors(int Index);
  TMonitor* PrimaryMonitor();
  TMonitor* MonitorFromPoint(const TPoint& Point, TMonitorDefaultTo MonitorDefault = mdNearest);
  TMonitor* MonitorFromRect(const TRect& Rect, TMonitorDefaultTo MonitorDefault = mdNearest);
  TMonitor* MonitorFromWindow(HWND Handle, TMonitorDefaultTo MonitorDefault = mdNearest);
  // Forgets the monitors and fonts; the application calls it on display and font changes.
  void DisplayChanged();

  // For the forms: membership of the list and the activation order.
  void AddForm(TCustomForm* Form);
  void RemoveForm(TCustomForm* Form);
  void SetActiveForm(TCustomForm* Form);
  void SetFocusedForm(TCustomForm* Form) { FFocusedForm = Form; }
  void SetActiveControl(TWinControl* Control);

 private:
  TMonitor* FindMonitor(HMONITOR Handle);
  void EnumMonitors();

  std::vector<TCustomForm*> FForms;
  TCustomForm* FActiveForm = nullptr;
  TCustomForm* FFocusedForm = nullptr;
  TWinControl* FActiveControl = nullptr;
  TStringList* FFonts = nullptr;
  bool FFontsValid = false;
  TFont* FHintFont = nullptr;
  std::vector<TMonitor*> FMonitors;
  bool FMonitorsValid = false;
};


// --- Forms ----------------------------------------------------------------------------------
namespace vamire_detail {
// Makes T and then lets it stream its resource (AfterConstruction); freed
// again when that fails.
template <class T>
T* CreateStreamed(TComponent* AOwner) {
  T* instance = new T(AOwner);
  try {
    instance->AfterConstruction();
  } catch (...) {
    instance->Free();
    throw;
  }
  return instance;
}
}  // namespace vamire_detail

enum TFormStateItem { fsCreating, fsVisible, fsShowing, fsModal, fsCreatedMDIChild, fsActivated };
using TFormState = TSet<TFormStateItem, 8>;

// A top-level window made of controls: frame, caption and icons by
// BorderStyle and BorderIcons, shown where Position says, modal or not,
// closed through CloseQuery/OnClose with a close action. Its window class is
// named after its class (D-7) and owned by the application's window.
//
// A form streams the form resources of its classes (oldest first) and then
// runs OnCreate in AfterConstruction, once the C++ object is whole: make forms
// with TCustomForm::Create<T>(Owner) or Application->CreateForm; code that
// uses `new` calls AfterConstruction itself.
class TCustomForm : public TWinControl {
  VAMIRE_CLASS(TCustomForm, TWinControl)
 public:
  explicit TCustomForm(TComponent* AOwner);
  ~TCustomForm() override;

  template <class T>
  static T* Create(TComponent* AOwner) {
    return vamire_detail::CreateStreamed<T>(AOwner);
  }
  // Streams the resources and runs OnCreate; only the first call does anything.
  virtual void AfterConstruction();
  // Runs OnDestroy while the form is still whole.
  void BeforeDestruction() override;

  // Visible and in front; Hide hides. The form is hidden at first.
  void Show();
  void Hide() { SetVisible(false); }
  // Shows the form, disables the program's other windows and runs a loop of
  // its own until ModalResult is set (a button, code, or Close: mrCancel) or
  // the loop meets the application's end (WM_QUIT: mrCancel). Answers ModalResult. Raises
  // EInvalidOperation for a form that is visible, disabled or already modal.
  TModalResult ShowModal();
  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult Value) { FModalResult = Value; }
  // Asks CloseQuery, runs OnClose with the default action (caHide) and does
  // what it says. Closing the main form ends the application's loop; closing
  // a modal form sets ModalResult to mrCancel.
  void Close();
  virtual bool CloseQuery();
  // Frees the form once the messages already waiting for it are handled.
  void Release();
  bool Active() const { return FActive; }
  TFormState FormState() const { return FFormState; }

  // The control that has, or gets, the focus inside the form. Setting it
  // focuses it when the form is active. Raises EInvalidOperation for a
  // control that is not inside the form.
  TWinControl* ActiveControl() const;
  void SetActiveControl(TWinControl* Control);
  void FocusControl(TWinControl* Control) override;
  bool SetFocusedControl(TWinControl* Control) override;

  TFormBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TFormBorderStyle Value);
  TBorderIcons BorderIcons() const { return FBorderIcons; }
  void SetBorderIcons(TBorderIcons Value);
  TFormStyle FormStyle() const { return FFormStyle; }
  void SetFormStyle(TFormStyle Value);
  TPosition Position() const { return FPosition; }
  void SetPosition(TPosition Value) { FPosition = Value; }
  TWindowState WindowState() const { return FWindowState; }
  void SetWindowState(TWindowState Value);
  bool KeyPreview() override { return FKeyPreview; }
  void SetKeyPreview(bool Value) { FKeyPreview = Value; }
  // Layered window: the whole form at AlphaBlendValue (0 invisible .. 255
  // opaque), and/or pixels of TransparentColorValue see-through.
  bool AlphaBlend() const { return FAlphaBlend; }
  void SetAlphaBlend(bool Value);
  uint8_t AlphaBlendValue() const { return FAlphaBlendValue; }
  void SetAlphaBlendValue(uint8_t Value);
  bool TransparentColor() const { return FTransparentColor; }
  void SetTransparentColor(bool Value);
  TColor TransparentColorValue() const { return FTransparentColorValue; }
  void SetTransparentColorValue(TColor Value);
  TMainMenu* Menu() const { return FMenu; }
  void SetMenu(TMainMenu* Value);
  TIcon* Icon() const { return FIcon; }
  void SetIcon(TIcon* Value);
  TCanvas* Canvas() const { return FCanvas; }
  // The design resolution the form was laid out at; kept as read.
  int PixelsPerInch() const { return FPixelsPerInch; }
  void SetPixelsPerInch(int Value) { FPixelsPerInch = Value; }
  int TextHeight() const { return FTextHeight; }
  void SetTextHeight(int Value) { FTextHeight = Value; }
  bool OldCreateOrder() const { return FOldCreateOrder; }
  void SetOldCreateOrder(bool Value) { FOldCreateOrder = Value; }
  bool Scaled() const { return FScaled; }
  void SetScaled(bool Value) { FScaled = Value; }
  // No multiple-document frames here: always null.
  TCustomForm* ActiveMDIChild() const { return nullptr; }

  TNotifyEvent OnCreate;
  TNotifyEvent OnDestroy;
  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;
  TNotifyEvent OnPaint;
  TCloseEvent OnClose;
  TCloseQueryEvent OnCloseQuery;

  void Dispatch(TMessage& Message) override;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void PaintWindow(HDC DC) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  TRect GetClientRect() override;
  void SetClientSize(TPoint Value) override;
  void GetChildren(TGetChildProc Proc, TComponent* Root) override;
  void Loaded() override;
  virtual void Paint();
  virtual void DoCreate();
  virtual void DoDestroy();
  virtual void DoShow();
  virtual void DoHide();
  virtual void DoClose(TCloseAction& Action);
  virtual void Activate();
  virtual void Deactivate();

 private:
  void CloseModal();
  TRect FrameInsets();
  void ApplyPosition();
  void ShowingChanged();
  void SetWindowFocus();
  void UpdateLayered();
  void UpdateIcon();
  void IconChanged(TObject* Sender);
  void RecreateIfAllocated();
  void WMActivate(TMessage& Message);
  void WMClose(TMessage& Message);
  void WMSize(TMessage& Message);
  void WMMenuMessage(TMessage& Message);

  bool FConstructed = false;
  TPoint FLoadedClientSize;
  bool FHasLoadedClientSize = false;
  TFormState FFormState;
  TModalResult FModalResult = mrNone;
  bool FActive = false;
  TWinControl* FWantedControl = nullptr;  // set through SetActiveControl, focused on activation
  TFormBorderStyle FBorderStyle = bsSizeable;
  TBorderIcons FBorderIcons{biSystemMenu, biMinimize, biMaximize};
  TFormStyle FFormStyle = fsNormal;
  TPosition FPosition = poDesigned;
  TWindowState FWindowState = wsNormal;
  bool FKeyPreview = false;
  bool FAlphaBlend = false;
  uint8_t FAlphaBlendValue = 255;
  bool FTransparentColor = false;
  TColor FTransparentColorValue = clBlack;
  TMainMenu* FMenu = nullptr;
  TIcon* FIcon;
  TControlCanvas* FCanvas;
  int FPixelsPerInch;
  int FTextHeight = 13;
  bool FOldCreateOrder = false;
  bool FScaled = true;
};

class TForm : public TCustomForm {
  VAMIRE_CLASS(TForm, TCustomForm)
 public:
  using TCustomForm::TCustomForm;
};

// A group of controls with its own form resource, placed on forms like a
// control. As forms, it streams its resource in AfterConstruction (or, when
// a form's resource holds it, when the reader reaches it).
class TCustomFrame : public TWinControl {
  VAMIRE_CLASS(TCustomFrame, TWinControl)
 public:
  explicit TCustomFrame(TComponent* AOwner);
  template <class T>
  static T* Create(TComponent* AOwner) {
    return vamire_detail::CreateStreamed<T>(AOwner);
  }
  void AfterConstruction();

 protected:
  void ReadState(TReader* Reader) override;
  // A frame shows only once it is placed in a window.
  void UpdateShowing() override;

 private:
  bool FResourceRead = false;
};

class TFrame : public TCustomFrame {
  VAMIRE_CLASS(TFrame, TCustomFrame)
 public:
  using TCustomFrame::TCustomFrame;
};

// The form Control is on (the top of its parent chain), or null when that is
// not a form (a frame or control not placed on one).
TCustomForm* GetParentForm(TControl* Control);

// --- Hint window -------------------------------------------------------------------------
// The small popup that shows a control's hint (window class "THintWindow").
class THintWindow : public TCustomControl {
  VAMIRE_CLASS(THintWindow, TCustomControl)
 public:
  explicit THintWindow(TComponent* AOwner);
  // Shows Hint in Rect (screen coordinates), on top, without taking the activation.
  virtual void ActivateHint(TRect Rect, const String& Hint);
  virtual void ActivateHintData(TRect Rect, const String& Hint, void* AData);
  // The rectangle (origin 0, 0) the hint needs, its lines broken at MaxWidth.
  virtual TRect CalcHintRect(int MaxWidth, const String& AHint, void* AData);
  virtual bool IsHintMsg(MSG& Msg);
  void ReleaseHandle();

 protected:
  void CreateParams(TCreateParams& Params) override;
  void Paint() override;
  void Dispatch(TMessage& Message) override;
};

using THintWindowClass = TClass;
// The class the application makes its hint window from.
extern THintWindowClass HintWindowClass;

// --- Application --------------------------------------------------------------------------
// The program's application object: the hidden owner window of every form
// (window class "TApplication"), the message loop, the main form whose
// closing ends the loop, and the handler of exceptions that reach a window
// procedure, hook or timer (D-5): it shows the message and the loop goes on.
// The procedure the application runs when it initializes; a unit that needs
// to act then keeps the old value and calls it from its own.
extern void (*InitProc)();

class TApplication : public TComponent {
  VAMIRE_CLASS(TApplication, TComponent)
 public:
  explicit TApplication(TComponent* AOwner);
  ~TApplication() override;

  // Runs InitProc when one is set, then makes the application window;
  // harmless to call again.
  void Initialize();
  HWND Handle() const { return FHandle; }
  // The text of the application window; the program's file name without
  // extension until set.
  String Title() const;
  void SetTitle(const String& Value);
  String ExeName() const;

  // Creates a form of FormClass owned by the application; the first form made
  // this way becomes MainForm. Its constructor (and OnCreate) runs before the
  // reference is set, as for any C++ object.
  TCustomForm* CreateForm(TClass FormClass);
  template <class T>
  void CreateForm(T*& Reference) {
    Reference = nullptr;
    T* form = new T(this);
    Reference = form;
    try {
      FormCreated(form);
    } catch (...) {
      Reference = nullptr;
      form->Free();
      throw;
    }
  }
  TCustomForm* MainForm() const { return FMainForm; }
  // The loop shows the main form when it starts, unless told not to.
  bool ShowMainForm() const { return FShowMainForm; }
  void SetShowMainForm(bool Value) { FShowMainForm = Value; }

  // Runs the message loop until Terminate (or WM_QUIT).
  void Run();
  // Handles one message, or waits for the next one after the idle work.
  void HandleMessage();
  // Handles every message waiting in the queue, then returns.
  void ProcessMessages();
  // Ends the loop: posts WM_QUIT. Terminated turns true when the loop meets it.
  void Terminate();
  bool Terminated() const { return FTerminated; }
  // How many times the loop has met WM_QUIT; a modal loop ends when this
  // changes while it runs.
  int QuitCount() const { return FQuitCount; }
  // True while Run's loop runs.
  bool Running() const { return FRunning; }
  bool Active() const { return FActive; }
  // How many modal forms are being shown.
  int ModalLevel() const { return FModalLevel; }
  void ModalStarted() { ++FModalLevel; }
  void ModalFinished() { --FModalLevel; }

  // Whether the format settings follow a change of the user's regional settings
  // (WM_SETTINGCHANGE "intl"); true unless a program turns it off.
  bool UpdateFormatSettings() const { return FUpdateFormatSettings; }
  void SetUpdateFormatSettings(bool Value) { FUpdateFormatSettings = Value; }

  // A message box through the dialog service (answerable by tests), owned by
  // the active window. Answers IDOK, IDYES, ...
  int MessageBox(const String& Text, const String& Caption = String(), UINT Flags = MB_OK);
  // To be called in a catch block: hands the current exception to
  // OnException, or shows it. EAbort is silent.
  void HandleException(TObject* Sender);
  // The message box of an exception: its message, ending in a full stop.
  void ShowException(const Exception& E);

  TExceptionEvent OnException;
  TIdleEvent OnIdle;
  TMessageEvent OnMessage;
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;

  // Routing of a message taken from the queue before it is dispatched; each
  // answers true when the message was used up.
  bool IsKeyMsg(MSG& Msg);
  bool IsDlgMsg(MSG& Msg);
  bool IsHintMsg(MSG& Msg);
  // A modeless dialog window whose keys IsDialogMessage handles, or null.
  HWND DialogHandle() const { return FDialogHandle; }
  void SetDialogHandle(HWND Value) { FDialogHandle = Value; }

  // Hints: shown HintPause ms after the mouse stops over a control whose
  // ShowHint is on, hidden after HintHidePause ms or when the mouse leaves
  // the control; HintShortPause applies while moving from hint to hint.
  bool ShowHint() const { return FShowHint; }
  void SetShowHint(bool Value);
  TColor HintColor() const { return FHintColor; }
  void SetHintColor(TColor Value) { FHintColor = Value; }
  int HintPause() const { return FHintPause; }
  void SetHintPause(int Value) { FHintPause = Value; }
  int HintShortPause() const { return FHintShortPause; }
  void SetHintShortPause(int Value) { FHintShortPause = Value; }
  int HintHidePause() const { return FHintHidePause; }
  void SetHintHidePause(int Value) { FHintHidePause = Value; }
  // The hint of the control under the mouse (its long part, after "|").
  String Hint() const { return FHint; }
  void SetHint(const String& Value);
  TNotifyEvent OnHint;
  TShowHintEvent OnShowHint;
  // Shows the hint of the control under CursorPos (screen) at once.
  void ActivateHint(const TPoint& CursorPos);
  void CancelHint();
  // Told of every mouse move over a runtime control, from the loop.
  void HintMouseMessage(TControl* Control, const MSG& Msg);
  THintWindow* HintWindow() const { return FHintWindow; }

 protected:
  // The loop's one step: false when the queue was empty.
  bool ProcessMessage(MSG& Msg);
  virtual void Idle(const MSG& Msg);
  virtual void WndProc(TMessage& Message);
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void FormCreated(TCustomForm* Form);
  void StartHintTimer(int Pause, UINT Id);
  void StopHintTimer();
  void HintTimerExpired(UINT Id);
  void HideHint();
  void DoHandleException(TObject* Sender, const Exception& E);
  void CreateHandle();
  static LRESULT CALLBACK MainWndProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);

  HWND FHandle = nullptr;
  HWND FDialogHandle = nullptr;
  String FTitle;
  bool FTitleSet = false;
  TCustomForm* FMainForm = nullptr;
  bool FShowMainForm = true;
  bool FUpdateFormatSettings = true;
  bool FTerminated = false;
  int FQuitCount = 0;
  bool FRunning = false;
  bool FActive = false;
  int FModalLevel = 0;
  bool FShowHint = true;
  TColor FHintColor = clInfoBk;
  int FHintPause = 500;
  int FHintShortPause = 50;
  int FHintHidePause = 2500;
  String FHint;
  TControl* FHintControl = nullptr;   // the control whose hint is pending or shown
  TRect FHintCursorRect;              // screen rectangle the shown hint belongs to
  THintWindow* FHintWindow = nullptr;
  UINT FHintTimer = 0;                // the running hint timer's id, 0 when none
  bool FHintActive = false;
};

// The program's application and screen objects: made when the forms unit
// starts (FormsUnit) and freed, with every form the application owns, when it ends.
extern TApplication* Application;
extern TScreen* Screen;

void InitForms();
void DoneForms();
// The unit's entry for the program's unit list (D-4), after ThreadsUnit.
extern const TUnitEntry FormsUnit;
