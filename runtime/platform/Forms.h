// The application object with its message loop and exception handling, the
// screen object (forms, active form, cursors, fonts, monitors and work area),
// forms, frames and the hint window. Everything here lives on the GUI thread.
#pragma once

#include <windows.h>

#include <vector>

#include "Classes.h"
#include "DialogService.h"
#include "Graphics.h"
#include "HiddenWindow.h"
#include "Streaming.h"
#include "Units.h"

class TControl;
class TCustomForm;
class TWinControl;

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

  // The cursor shown everywhere while it is not crDefault (0), as the busy
  // cursor crHourGlass (-11) during a long operation. Setting it shows it at once.
  int Cursor() const { return FCursor; }
  void SetCursor(int Value);
  // The cursor handle registered under Index (the control unit's registry).
  HCURSOR Cursors(int Index) const;
  void SetCursors(int Index, HCURSOR Handle);

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

  int FCursor = 0;
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

// --- Application --------------------------------------------------------------------------
// The program's application object: the hidden owner window of every form
// (window class "TApplication"), the message loop, the main form whose
// closing ends the loop, and the handler of exceptions that reach a window
// procedure, hook or timer (D-5): it shows the message and the loop goes on.
class TApplication : public TComponent {
  VAMIRE_CLASS(TApplication, TComponent)
 public:
  explicit TApplication(TComponent* AOwner);
  ~TApplication() override;

  // Makes the application window; harmless to call again.
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
    FormCreated(form);
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
  bool Active() const { return FActive; }
  // How many modal forms are being shown.
  int ModalLevel() const { return FModalLevel; }
  void ModalStarted() { ++FModalLevel; }
  void ModalFinished() { --FModalLevel; }

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

 protected:
  // The loop's one step: false when the queue was empty.
  bool ProcessMessage(MSG& Msg);
  virtual void Idle(const MSG& Msg);
  virtual void WndProc(TMessage& Message);

 private:
  void FormCreated(TCustomForm* Form);
  void DoHandleException(TObject* Sender, const Exception& E);
  void CreateHandle();
  static LRESULT CALLBACK MainWndProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);

  HWND FHandle = nullptr;
  String FTitle;
  bool FTitleSet = false;
  TCustomForm* FMainForm = nullptr;
  bool FShowMainForm = true;
  bool FTerminated = false;
  bool FRunning = false;
  bool FActive = false;
  int FModalLevel = 0;
};

// The program's application and screen objects: made when the forms unit
// starts (FormsUnit) and freed, with every form the application owns, when it ends.
extern TApplication* Application;
extern TScreen* Screen;

void InitForms();
void DoneForms();
// The unit's entry for the program's unit list (D-4), after ThreadsUnit.
extern const TUnitEntry FormsUnit;
