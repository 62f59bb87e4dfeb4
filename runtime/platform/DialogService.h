// The one road by which the runtime asks the operator something: message
// boxes, message dialogs, input boxes and the common dialogs all pass through
// here. An installed answerer stands in for the person, so a test program
// never waits for one; without an answerer the real dialogs are shown.
#pragma once

#include <windows.h>
#include <commdlg.h>

#include <array>
#include <cstddef>
#include <deque>
#include <functional>
#include <vector>

#include "GraphicsColors.h"
#include "System.h"

// --- Modal results --------------------------------------------------------------------
// What a modal form or a message dialog answers: which button closed it.
using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = 1;
constexpr TModalResult mrCancel = 2;
constexpr TModalResult mrAbort = 3;
constexpr TModalResult mrRetry = 4;
constexpr TModalResult mrIgnore = 5;
constexpr TModalResult mrYes = 6;
constexpr TModalResult mrNo = 7;
constexpr TModalResult mrAll = 8;
constexpr TModalResult mrNoToAll = 9;
constexpr TModalResult mrYesToAll = 10;

// --- Message dialog kinds and buttons -------------------------------------------------
enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum TMsgDlgBtn { mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbHelp };
using TMsgDlgButtons = TSet<TMsgDlgBtn, 11>;

// The result of a message dialog closed without a choice (Esc, the close box,
// or no one there to answer): Cancel where offered, else No, else OK, else
// Abort; mrCancel when none of these is among the buttons.
TModalResult MsgDlgCancelResult(TMsgDlgButtons Buttons);
// The same for a Win32 message box of the given MB_ type: IDCANCEL where the
// box has a Cancel button, IDNO for a Yes/No box, IDABORT for Abort/Retry/
// Ignore, IDOK for a box with only OK.
int MessageBoxCancelResult(UINT Type);

// --- Requests and answers -------------------------------------------------------------
enum TDialogKind {
  dkMessageBox,   // DialogMessageBox: Result is an ID* value
  dkMessageDlg,   // MessageDlg: Result is a modal result
  dkInputBox,     // InputBox/InputQuery: Values.Text in and out
  dkColor,        // colour dialog: Values.Color, Values.CustomColors
  dkFont,         // font dialog: Values.Font, Values.FontColor, Values.PointSize
  dkOpen,         // open dialog: Values.FileName, Values.FilterIndex
  dkSave          // save dialog: as open
};

// The values a dialog starts with and, when it is accepted, ends with. They
// are those of the Win32 structure the dialog is made from, so an answerer
// sees and returns exactly what the real dialog would.
struct TDialogValues {
  String Text;                            // input box: the edited text
  COLORREF Color = 0;                     // colour dialog: the chosen colour
  std::array<COLORREF, 16> CustomColors{};  // colour dialog: the custom colour slots
  LOGFONTW Font{};                        // font dialog: the chosen font
  COLORREF FontColor = 0;                 // font dialog: colour (with effects)
  int PointSize = 0;                      // font dialog: size in tenths of a point
  // File dialogs: the file buffer as the platform fills it. One file: its
  // full path. Several (multi-select): the folder, then each name, each
  // ended by a null character ("C:\\dir\0a.txt\0b.txt\0").
  String FileName;
  int FilterIndex = 0;                    // file dialogs: 1-based
  DWORD Flags = 0;                        // the CC_/CF_/OFN_ flags in and out
};

struct TDialogRequest {
  TDialogKind Kind = dkMessageBox;
  HWND Owner = nullptr;
  String Caption;                 // window caption or dialog title
  String Text;                    // message, or the input box's prompt
  UINT Type = 0;                  // message box: MB_ flags
  TMsgDlgType DlgType = mtCustom; // message dialog
  TMsgDlgButtons Buttons;         // message dialog
  int HelpContext = 0;
  String Filter;                  // file dialogs: "Text|*.txt|All|*.*"
  String InitialDir;              // file dialogs
  String DefaultExt;              // file dialogs
  int SizeMin = 0, SizeMax = 0;   // font dialog: point limits (0: none)
  TDialogValues Values;
};

// Stands in for the operator. Answer fills Request.Values as the person
// would and returns true with Result set (message box: ID*; message dialog:
// a modal result; other dialogs: IDOK accepts, anything else cancels), or
// returns false when it
// has no answer: the dialog then ends as if cancelled.
class TDialogAnswerer {
 public:
  virtual ~TDialogAnswerer() = default;
  virtual bool Answer(TDialogRequest& Request, int& Result) = 0;
};

// Installs the process-wide answerer (null: show real dialogs) and returns the
// one installed before.
TDialogAnswerer* SetDialogAnswerer(TDialogAnswerer* Answerer);
TDialogAnswerer* DialogAnswerer();

// Puts Request to the installed answerer. False when none is installed (the
// caller shows the real dialog); true otherwise, with Result set to the
// answer or, unanswered, to the cancel result of the kind (IDCANCEL for
// dialogs other than message boxes and message dialogs). Request.Values are
// left as they were when the answer is not an acceptance.
bool AskDialogAnswerer(TDialogRequest& Request, int& Result);

// --- The service ----------------------------------------------------------------------
// A message box: the installed answerer, else MessageBoxW. Returns IDOK,
// IDCANCEL, IDYES, ...
int DialogMessageBox(HWND Owner, const String& Text, const String& Caption, UINT Type);

// The common dialogs: the answerer, else the comdlg32 function of the name.
// The structure is read for the request and, on acceptance, updated from the
// answer exactly where the real function would update it. True when accepted.
bool DialogChooseColor(CHOOSECOLORW& Data);
bool DialogChooseFont(CHOOSEFONTW& Data);
bool DialogGetOpenFileName(OPENFILENAMEW& Data);
bool DialogGetSaveFileName(OPENFILENAMEW& Data);

// While it lives, the thread's visible top-level windows other than Owner are
// disabled, so the operator answers the dialog being shown before anything
// else (the platform disables only the dialog's owner, and gives it the
// activation back). They are enabled again at the end; those that were
// disabled before stay so, the owner too (the platform enables it whatever
// it was).
class TModalWindowsLock {
 public:
  explicit TModalWindowsLock(HWND Owner);
  ~TModalWindowsLock();
  TModalWindowsLock(const TModalWindowsLock&) = delete;
  TModalWindowsLock& operator=(const TModalWindowsLock&) = delete;

 private:
  std::vector<HWND> FDisabled;
  HWND FDisabledOwner = nullptr;
};

// --- Answering in tests ---------------------------------------------------------------
// Installs itself for its lifetime (the previous answerer comes back at the
// end), answers with the expected answers in order and records every request.
// A request whose kind is not the next expected one is unanswered: it is
// recorded, handed to the previous answerer if there is one (the test
// programs' default fails the running test), and cancelled.
class TDialogAnswerScope : public TDialogAnswerer {
 public:
  // Fills the request's values and returns the result.
  using TAnswerFunc = std::function<int(TDialogRequest& Request)>;

  TDialogAnswerScope();
  ~TDialogAnswerScope() override;
  TDialogAnswerScope(const TDialogAnswerScope&) = delete;
  TDialogAnswerScope& operator=(const TDialogAnswerScope&) = delete;

  void Expect(TDialogKind Kind, TAnswerFunc Answer);
  // Answers with the result alone; the values stay as the dialog gave them.
  void Expect(TDialogKind Kind, int Result);

  bool Answer(TDialogRequest& Request, int& Result) override;

  // Every request, in the order asked (values as the dialog gave them).
  const std::vector<TDialogRequest>& Requests() const { return FRequests; }
  const std::vector<TDialogRequest>& Unanswered() const { return FUnanswered; }
  // Expected answers nobody asked for.
  std::size_t Pending() const { return FExpected.size(); }

 private:
  struct TExpected {
    TDialogKind Kind;
    TAnswerFunc Answer;
  };
  TDialogAnswerer* FPrevious;
  std::deque<TExpected> FExpected;
  std::vector<TDialogRequest> FRequests;
  std::vector<TDialogRequest> FUnanswered;
};

// A short name of a dialog kind ("message box", "colour dialog", ...), for
// failure messages.
String DialogKindName(TDialogKind Kind);
