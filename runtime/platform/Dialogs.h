// The runtime's dialogs: the platform's common dialogs (colour, font, open,
// save) as components, and the message dialog, message box and input box.
// Each goes through the dialog service (DialogService.h), so a test answers
// it; the real ones are built on the Win32 API alone, without forms.
#pragma once

#include <windows.h>

#include <functional>

#include "Classes.h"
#include "DialogService.h"
#include "Graphics.h"
#include "Streaming.h"
#include "Units.h"

// Captions of the message dialogs and of their buttons.
extern const TResStringRec SMsgDlgWarning;      // Warning
extern const TResStringRec SMsgDlgError;        // Error
extern const TResStringRec SMsgDlgInformation;  // Information
extern const TResStringRec SMsgDlgConfirm;      // Confirm
extern const TResStringRec SMsgDlgYes;          // &Yes
extern const TResStringRec SMsgDlgNo;           // &No
extern const TResStringRec SMsgDlgOK;           // OK
extern const TResStringRec SMsgDlgCancel;       // Cancel
extern const TResStringRec SMsgDlgAbort;        // &Abort
extern const TResStringRec SMsgDlgRetry;        // &Retry
extern const TResStringRec SMsgDlgIgnore;       // &Ignore
extern const TResStringRec SMsgDlgAll;          // &All
extern const TResStringRec SMsgDlgNoToAll;      // N&o to All
extern const TResStringRec SMsgDlgYesToAll;     // Yes to &All
extern const TResStringRec SMsgDlgHelp;         // &Help

VAMIRE_ENUM_NAMES(TMsgDlgType, L"mtWarning", L"mtError", L"mtInformation", L"mtConfirmation", L"mtCustom")
VAMIRE_ENUM_NAMES(TMsgDlgBtn, L"mbYes", L"mbNo", L"mbOK", L"mbCancel", L"mbAbort", L"mbRetry", L"mbIgnore",
                  L"mbAll", L"mbNoToAll", L"mbYesToAll", L"mbHelp")

// --- Common dialogs -------------------------------------------------------------------
class TCommonDialog : public TComponent {
  VAMIRE_CLASS(TCommonDialog, TComponent)
 public:
  explicit TCommonDialog(TComponent* AOwner) : TComponent(AOwner) {}

  // Shows the dialog and waits for it; true when the operator accepts it.
  virtual bool Execute() = 0;

  bool Ctl3D() const { return FCtl3D; }
  void SetCtl3D(bool Value) { FCtl3D = Value; }
  int HelpContext() const { return FHelpContext; }
  void SetHelpContext(int Value) { FHelpContext = Value; }
  // The dialog's window while it is shown, else null.
  HWND Handle() const { return FHandle; }

  TNotifyEvent OnShow;
  TNotifyEvent OnClose;

 protected:
  virtual void DoShow();
  virtual void DoClose();
  // The owner window of a dialog about to be shown: the active window of the thread.
  static HWND OwnerWindow();
  // Hook procedure of the platform dialogs: OnShow when the dialog window is
  // made, OnClose when it goes. lCustData of the dialog's structure is `this`.
  static UINT_PTR CALLBACK HookProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);
  // Runs Call (the service function on the filled structure): the hook
  // procedure then serves this dialog. When an answerer stands in for the
  // window, OnShow and OnClose run around the call instead.
  bool Run(const std::function<bool()>& Call);

 private:
  bool FCtl3D = true;
  int FHelpContext = 0;
  HWND FHandle = nullptr;
};

enum TColorDialogOption { cdFullOpen, cdPreventFullOpen, cdShowHelp, cdSolidColor, cdAnyColor };
using TColorDialogOptions = TSet<TColorDialogOption, 5>;
VAMIRE_ENUM_NAMES(TColorDialogOption, L"cdFullOpen", L"cdPreventFullOpen", L"cdShowHelp", L"cdSolidColor",
                  L"cdAnyColor")

// ChooseColorW. CustomColors holds the sixteen custom slots as
// "ColorA=FFFFFF" .. "ColorP=FFFFFF" (hexadecimal BGR, as COLORREF values).
class TColorDialog : public TCommonDialog {
  VAMIRE_CLASS(TColorDialog, TCommonDialog)
 public:
  explicit TColorDialog(TComponent* AOwner);
  ~TColorDialog() override;
  bool Execute() override;

  TColor Color() const { return FColor; }
  void SetColor(TColor Value) { FColor = Value; }
  TStrings* CustomColors() const { return FCustomColors; }
  void SetCustomColors(TStrings* Value) { FCustomColors->Assign(Value); }
  TColorDialogOptions Options() const { return FOptions; }
  void SetOptions(TColorDialogOptions Value) { FOptions = Value; }

 private:
  TColor FColor = clBlack;
  TStrings* FCustomColors;
  TColorDialogOptions FOptions;
};

enum TFontDialogDevice { fdScreen, fdPrinter, fdBoth };
VAMIRE_ENUM_NAMES(TFontDialogDevice, L"fdScreen", L"fdPrinter", L"fdBoth")
enum TFontDialogOption {
  fdAnsiOnly, fdTrueTypeOnly, fdEffects, fdFixedPitchOnly, fdForceFontExist, fdNoFaceSel, fdNoOEMFonts,
  fdNoSimulations, fdNoSizeSel, fdNoStyleSel, fdNoVectorFonts, fdShowHelp, fdWysiwyg, fdLimitSize,
  fdScalableOnly, fdApplyButton
};
using TFontDialogOptions = TSet<TFontDialogOption, 16>;
VAMIRE_ENUM_NAMES(TFontDialogOption, L"fdAnsiOnly", L"fdTrueTypeOnly", L"fdEffects", L"fdFixedPitchOnly",
                  L"fdForceFontExist", L"fdNoFaceSel", L"fdNoOEMFonts", L"fdNoSimulations", L"fdNoSizeSel",
                  L"fdNoStyleSel", L"fdNoVectorFonts", L"fdShowHelp", L"fdWysiwyg", L"fdLimitSize",
                  L"fdScalableOnly", L"fdApplyButton")

// ChooseFontW on the values of Font; an accepted choice replaces Font's face,
// height, style, charset and pitch, and (with fdEffects) its colour.
class TFontDialog : public TCommonDialog {
  VAMIRE_CLASS(TFontDialog, TCommonDialog)
 public:
  explicit TFontDialog(TComponent* AOwner);
  ~TFontDialog() override;
  bool Execute() override;

  TFont* Font() const { return FFont; }
  void SetFont(TFont* Value) { FFont->Assign(Value); }
  TFontDialogDevice Device() const { return FDevice; }
  void SetDevice(TFontDialogDevice Value) { FDevice = Value; }
  // Point limits of the size list; 0 leaves that end open.
  int MinFontSize() const { return FMinFontSize; }
  void SetMinFontSize(int Value) { FMinFontSize = Value; }
  int MaxFontSize() const { return FMaxFontSize; }
  void SetMaxFontSize(int Value) { FMaxFontSize = Value; }
  TFontDialogOptions Options() const { return FOptions; }
  void SetOptions(TFontDialogOptions Value) { FOptions = Value; }

 private:
  TFont* FFont;
  TFontDialogDevice FDevice = fdScreen;
  int FMinFontSize = 0;
  int FMaxFontSize = 0;
  TFontDialogOptions FOptions{fdEffects};
};

enum TOpenOption {
  ofReadOnly, ofOverwritePrompt, ofHideReadOnly, ofNoChangeDir, ofShowHelp, ofNoValidate, ofAllowMultiSelect,
  ofExtensionDifferent, ofPathMustExist, ofFileMustExist, ofCreatePrompt, ofShareAware, ofNoReadOnlyReturn,
  ofNoTestFileCreate, ofNoNetworkButton, ofNoLongNames, ofOldStyleDialog, ofNoDereferenceLinks,
  ofEnableIncludeNotify, ofEnableSizing, ofDontAddToRecent, ofForceShowHidden
};
using TOpenOptions = TSet<TOpenOption, 22>;
VAMIRE_ENUM_NAMES(TOpenOption, L"ofReadOnly", L"ofOverwritePrompt", L"ofHideReadOnly", L"ofNoChangeDir",
                  L"ofShowHelp", L"ofNoValidate", L"ofAllowMultiSelect", L"ofExtensionDifferent",
                  L"ofPathMustExist", L"ofFileMustExist", L"ofCreatePrompt", L"ofShareAware",
                  L"ofNoReadOnlyReturn", L"ofNoTestFileCreate", L"ofNoNetworkButton", L"ofNoLongNames",
                  L"ofOldStyleDialog", L"ofNoDereferenceLinks", L"ofEnableIncludeNotify", L"ofEnableSizing",
                  L"ofDontAddToRecent", L"ofForceShowHidden")

// GetOpenFileNameW. Filter is "Description|*.ext|..." and FilterIndex counts
// from 1. After an accepted run Files holds every chosen file with its full
// path (several with ofAllowMultiSelect) and FileName the first of them.
class TOpenDialog : public TCommonDialog {
  VAMIRE_CLASS(TOpenDialog, TCommonDialog)
 public:
  explicit TOpenDialog(TComponent* AOwner);
  ~TOpenDialog() override;
  bool Execute() override;

  const String& DefaultExt() const { return FDefaultExt; }
  void SetDefaultExt(const String& Value) { FDefaultExt = Value; }
  const String& FileName() const { return FFileName; }
  void SetFileName(const String& Value) { FFileName = Value; }
  TStrings* Files() const { return FFiles; }
  const String& Filter() const { return FFilter; }
  void SetFilter(const String& Value) { FFilter = Value; }
  int FilterIndex() const { return FFilterIndex; }
  void SetFilterIndex(int Value) { FFilterIndex = Value; }
  const String& InitialDir() const { return FInitialDir; }
  void SetInitialDir(const String& Value) { FInitialDir = Value; }
  TOpenOptions Options() const { return FOptions; }
  void SetOptions(TOpenOptions Value) { FOptions = Value; }
  const String& Title() const { return FTitle; }
  void SetTitle(const String& Value) { FTitle = Value; }

 protected:
  // Runs the platform dialog of the kind (GetOpenFileNameW or GetSaveFileNameW).
  bool DoExecute(bool Save);

 private:
  void ReadFileNames(const wchar_t* Buffer, bool Multi);

  String FDefaultExt;
  String FFileName;
  TStrings* FFiles;
  String FFilter;
  int FFilterIndex = 1;
  String FInitialDir;
  TOpenOptions FOptions{ofHideReadOnly, ofEnableSizing};
  String FTitle;
};

// GetSaveFileNameW, otherwise as the open dialog.
class TSaveDialog : public TOpenDialog {
  VAMIRE_CLASS(TSaveDialog, TOpenDialog)
 public:
  explicit TSaveDialog(TComponent* AOwner) : TOpenDialog(AOwner) {}
  bool Execute() override;
};

// --- Message dialogs and input boxes --------------------------------------------------
// A modal dialog with the message, the icon of DlgType and the buttons in
// the runtime's order (Yes, No, OK, Cancel, Abort, Retry, Ignore, All, No to
// All, Yes to All, Help); returns the modal result of the button pressed. Esc
// and the close box give MsgDlgCancelResult(Buttons). Help does not close it.
TModalResult MessageDlg(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx);
// The message with an OK button, captioned with the program's title.
void ShowMessage(const String& Msg);
// Asks for one line of text. True when accepted with OK; Value then holds the
// text, else it is left as it was.
bool InputQuery(const String& ACaption, const String& APrompt, String& Value);
// The text accepted with OK, or ADefault.
String InputBox(const String& ACaption, const String& APrompt, const String& ADefault);

// The caption of a message dialog of the type ("Warning", ...; for mtCustom
// the program's title: the caption of its "TApplication" window, else the
// program's file name without extension) and of a button.
String MsgDlgCaption(TMsgDlgType DlgType);
String MsgDlgButtonCaption(TMsgDlgBtn Button);
// The modal result a button gives (mrNone for mbHelp).
TModalResult MsgDlgButtonResult(TMsgDlgBtn Button);

// Registers the dialog classes, so form files can hold them.
extern const TUnitEntry DialogsUnit;
