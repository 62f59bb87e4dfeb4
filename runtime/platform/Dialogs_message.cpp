// The message dialog and the input box: modal dialogs built from an
// in-memory template in the program's message font, laid out from the
// measured text, centred on the screen.
#include <algorithm>

#include "Dialogs.h"
#include "HiddenWindow.h"
#include "SysUtils.h"

namespace {

constexpr WORD kButtonAtom = 0x0080;
constexpr WORD kEditAtom = 0x0081;
constexpr WORD kStaticAtom = 0x0082;
constexpr DWORD kNoId = 0xFFFF;
// Help neither closes the dialog nor collides with a modal result.
constexpr DWORD kHelpId = 1000;
constexpr DWORD kEditId = 100;

// The message font of the system, as the dialog template names it and as
// the layout measures it.
struct TUiFont {
  String Face;
  WORD PointSize = 8;
  WORD Weight = FW_NORMAL;
  BYTE Italic = 0;
  BYTE Charset = DEFAULT_CHARSET;
  HFONT Handle = nullptr;  // the same font, for measuring
  int BaseX = 6, BaseY = 13;  // dialog base units in pixels

  TUiFont() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    LOGFONTW lf{};
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
      lf = metrics.lfMessageFont;
    } else {
      GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf);
    }
    HDC dc = GetDC(nullptr);
    const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
    Face = lf.lfFaceName;
    PointSize = WORD(std::max(1, MulDiv(lf.lfHeight < 0 ? -lf.lfHeight : lf.lfHeight, 72, dpi)));
    Weight = WORD(lf.lfWeight ? lf.lfWeight : FW_NORMAL);
    Italic = lf.lfItalic;
    Charset = lf.lfCharSet;
    // Measure with the font the template will make: the size rounded to points.
    lf.lfHeight = -MulDiv(PointSize, dpi, 72);
    Handle = CreateFontIndirectW(&lf);
    TGdiSelection selection(dc, Handle);
    TEXTMETRICW tm{};
    SIZE size{};
    static const wchar_t kAlphabet[] = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    if (GetTextMetricsW(dc, &tm) && GetTextExtentPoint32W(dc, kAlphabet, 52, &size)) {
      BaseX = std::max(1, int((size.cx / 26 + 1) / 2));
      BaseY = std::max(1, int(tm.tmHeight));
    }
    ReleaseDC(nullptr, dc);
  }
  ~TUiFont() {
    if (Handle) DeleteObject(Handle);
  }
  TUiFont(const TUiFont&) = delete;
  TUiFont& operator=(const TUiFont&) = delete;

  // Pixels to dialog units, rounded up so that measured text always fits.
  // Capped so that a huge text cannot overflow the template's 16-bit sizes.
  short X(int pixels) const { return short(std::min((pixels * 4 + BaseX - 1) / BaseX, kMaxUnits)); }
  short Y(int pixels) const { return short(std::min((pixels * 8 + BaseY - 1) / BaseY, kMaxUnits)); }
  static constexpr int kMaxUnits = 4000;

  // The pixel size of Text drawn with Flags (DT_WORDBREAK wraps at Width).
  SIZE Measure(const String& Text, UINT Flags, int Width = 0) const {
    HDC dc = GetDC(nullptr);
    RECT r{0, 0, Width, 0};
    {
      TGdiSelection selection(dc, Handle);
      DrawTextW(dc, Text.c_str(), int(Text.size()), &r, Flags | DT_CALCRECT);
    }
    ReleaseDC(nullptr, dc);
    return SIZE{r.right - r.left, r.bottom - r.top};
  }
};

// An extended dialog template written into memory, item by item.
class TDialogTemplate {
 public:
  TDialogTemplate(DWORD Style, const wchar_t* ClassName, const String& Title, const TUiFont& Font, short Cx,
                  short Cy) {
    Word(1);
    Word(0xFFFF);
    DWord(0);  // help id
    DWord(0);  // extended style
    DWord(Style | DS_SETFONT);
    FCountAt = FData.size();
    Word(0);
    Word(0), Word(0), Word(WORD(Cx)), Word(WORD(Cy));
    Word(0);  // no menu
    if (ClassName) Text(ClassName);
    else Word(0);
    Text(Title);
    Word(Font.PointSize);
    Word(Font.Weight);
    Word(WORD(Font.Italic | Font.Charset << 8));
    Text(Font.Face);
  }

  void Add(DWORD Style, DWORD ExStyle, short X, short Y, short Cx, short Cy, DWORD Id, WORD ClassAtom,
           const String& Title) {
    if (FData.size() % 2) Word(0);  // items start on a DWORD
    DWord(0);
    DWord(ExStyle);
    DWord(Style | WS_CHILD | WS_VISIBLE);
    Word(WORD(X)), Word(WORD(Y)), Word(WORD(Cx)), Word(WORD(Cy));
    DWord(Id);
    Word(0xFFFF);
    Word(ClassAtom);
    Text(Title);
    Word(0);  // no creation data
    ++FData[FCountAt];
  }

  LPCDLGTEMPLATEW Data() const { return reinterpret_cast<LPCDLGTEMPLATEW>(FData.data()); }

 private:
  void Word(WORD w) { FData.push_back(w); }
  void DWord(DWORD d) {
    Word(WORD(d & 0xFFFF));
    Word(WORD(d >> 16));
  }
  void Text(const String& s) {
    FData.insert(FData.end(), s.begin(), s.end());
    Word(0);
  }

  std::vector<WORD> FData;
  size_t FCountAt = 0;
};

void CenterOnScreen(HWND Wnd) {
  RECT r;
  GetWindowRect(Wnd, &r);
  const int w = r.right - r.left, h = r.bottom - r.top;
  SetWindowPos(Wnd, nullptr, (GetSystemMetrics(SM_CXSCREEN) - w) / 2, (GetSystemMetrics(SM_CYSCREEN) - h) / 2, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Message dialogs have a window class of their own, under the runtime's
// name for them, so that hooks can tell them from other dialogs.
const wchar_t* MessageFormClass() {
  static const ATOM atom = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &DefDlgProcW;
    wc.cbWndExtra = DLGWINDOWEXTRA;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"TMessageForm";
    return RegisterClassExW(&wc);
  }();
  return atom ? L"TMessageForm" : nullptr;
}

// What a dialog built here does when it opens and when a command arrives.
struct TDialogState {
  virtual ~TDialogState() = default;
  virtual void Init(HWND Wnd) = 0;
  virtual void Command(HWND Wnd, DWORD Id) = 0;
};

// The one dialog procedure of these dialogs: centres the dialog, hands the
// rest to its state, and lets no exception out (D-5).
INT_PTR CALLBACK StateDialogProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  try {
    if (Msg == WM_INITDIALOG) {
      auto* state = reinterpret_cast<TDialogState*>(LParam);
      SetWindowLongPtrW(Wnd, DWLP_USER, LONG_PTR(state));
      CenterOnScreen(Wnd);
      state->Init(Wnd);
      return FALSE;  // Init has set the focus
    }
    if (Msg == WM_COMMAND) {
      if (auto* state = reinterpret_cast<TDialogState*>(GetWindowLongPtrW(Wnd, DWLP_USER)))
        state->Command(Wnd, LOWORD(WParam));
      return TRUE;
    }
  } catch (...) {
    HandleCallbackException(nullptr);
  }
  return FALSE;
}

INT_PTR ShowTemplate(const TDialogTemplate& Template, TDialogState& State) {
  HWND owner = GetActiveWindow();
  TModalWindowsLock lock(owner);
  const INT_PTR result =
      DialogBoxIndirectParamW(GetModuleHandleW(nullptr), Template.Data(), owner, &StateDialogProc, LPARAM(&State));
  if (result == -1) RaiseLastOSError();
  return result;
}

// --- The message dialog ---------------------------------------------------------------

constexpr int kIconId = 50;

struct TMessageDlgState : TDialogState {
  LPCWSTR Icon = nullptr;
  DWORD DefaultId = 0;
  TModalResult CancelResult = mrCancel;

  void Init(HWND Wnd) override {
    if (Icon) SendDlgItemMessageW(Wnd, kIconId, STM_SETICON, WPARAM(LoadIconW(nullptr, Icon)), 0);
    if (DefaultId) {
      SendMessageW(Wnd, DM_SETDEFID, DefaultId, 0);
      SetFocus(GetDlgItem(Wnd, int(DefaultId)));
    }
  }
  void Command(HWND Wnd, DWORD Id) override {
    if (Id == IDCANCEL) EndDialog(Wnd, CancelResult);
    else if (Id >= DWORD(mrOk) && Id <= DWORD(mrYesToAll) && GetDlgItem(Wnd, int(Id))) EndDialog(Wnd, INT_PTR(Id));
  }
};

TModalResult ShowMessageDlg(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons) {
  static const LPCWSTR kIcons[] = {IDI_WARNING, IDI_ERROR, IDI_INFORMATION, IDI_QUESTION, nullptr};
  TUiFont font;
  TMessageDlgState state;
  state.Icon = kIcons[DlgType];
  state.CancelResult = MsgDlgCancelResult(Buttons);
  for (TMsgDlgBtn b : {mbOK, mbYes, mbRetry})
    if (!state.DefaultId && Buttons.Contains(b)) state.DefaultId = DWORD(MsgDlgButtonResult(b));

  // Sizes in dialog units; the text wraps at half the screen's width.
  const short margin = 8, spacing = 10, buttonHeight = 14, buttonGap = 4;
  const UINT textFlags = DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS;
  const SIZE textPx = font.Measure(Msg, textFlags, GetSystemMetrics(SM_CXSCREEN) / 2);
  const short textW = font.X(textPx.cx), textH = font.Y(textPx.cy);
  const short iconW = state.Icon ? font.X(GetSystemMetrics(SM_CXICON)) : 0;
  const short iconH = state.Icon ? font.Y(GetSystemMetrics(SM_CYICON)) : 0;
  short buttonWidth = 50;
  int buttonCount = 0;
  for (int b = mbYes; b <= mbHelp; ++b) {
    if (!Buttons.Contains(TMsgDlgBtn(b))) continue;
    ++buttonCount;
    const SIZE px = font.Measure(MsgDlgButtonCaption(TMsgDlgBtn(b)), DT_SINGLELINE);
    buttonWidth = std::max<short>(buttonWidth, short(font.X(px.cx) + 12));
  }
  const short buttonsW = short(buttonCount * buttonWidth + std::max(0, buttonCount - 1) * buttonGap);
  const short textX = short(margin + (state.Icon ? iconW + spacing : 0));
  const short clientW = short(std::max<int>(textX + textW, margin + buttonsW) + margin);
  const short buttonsY = short(margin + std::max(textH, iconH) + spacing);
  const short clientH = short(buttonsY + buttonHeight + margin);

  TDialogTemplate tpl(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, MessageFormClass(), MsgDlgCaption(DlgType),
                      font, clientW, clientH);
  if (state.Icon) tpl.Add(SS_ICON, 0, margin, margin, iconW, iconH, kIconId, kStaticAtom, L"");
  tpl.Add(SS_LEFT | SS_NOPREFIX | SS_EDITCONTROL, 0, textX, margin, textW, textH, kNoId, kStaticAtom, Msg);
  short x = short((clientW - buttonsW) / 2);
  for (int b = mbYes; b <= mbHelp; ++b) {
    const TMsgDlgBtn button = TMsgDlgBtn(b);
    if (!Buttons.Contains(button)) continue;
    const DWORD id = button == mbHelp ? kHelpId : DWORD(MsgDlgButtonResult(button));
    const DWORD style = WS_TABSTOP | (id == state.DefaultId ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
    tpl.Add(style, 0, x, buttonsY, buttonWidth, buttonHeight, id, kButtonAtom, MsgDlgButtonCaption(button));
    x = short(x + buttonWidth + buttonGap);
  }
  return TModalResult(ShowTemplate(tpl, state));
}

// --- The input box --------------------------------------------------------------------

struct TInputState : TDialogState {
  String Value;

  void Init(HWND Wnd) override {
    HWND edit = GetDlgItem(Wnd, int(kEditId));
    SetWindowTextW(edit, Value.c_str());
    SetFocus(edit);
    SendMessageW(edit, EM_SETSEL, 0, -1);
  }
  void Command(HWND Wnd, DWORD Id) override {
    if (Id == IDOK) {
      HWND edit = GetDlgItem(Wnd, int(kEditId));
      String text(size_t(GetWindowTextLengthW(edit)) + 1, L'\0');
      text.resize(size_t(GetWindowTextW(edit, text.data(), int(text.size()))));
      Value = text;
      EndDialog(Wnd, IDOK);
    } else if (Id == IDCANCEL) {
      EndDialog(Wnd, IDCANCEL);
    }
  }
};

bool ShowInputQuery(const String& Caption, const String& Prompt, String& Value) {
  TUiFont font;
  const short margin = 8, clientW = 180, contentW = clientW - 2 * margin;
  const short buttonW = 50, buttonH = 14, editH = 12;
  const SIZE promptPx = font.Measure(Prompt, DT_WORDBREAK, contentW * font.BaseX / 4);
  const short promptH = font.Y(promptPx.cy);
  const short editY = short(margin + promptH + 4);
  const short buttonsY = short(editY + editH + 12);
  const short clientH = short(buttonsY + buttonH + margin);
  TDialogTemplate tpl(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, nullptr, Caption, font, clientW, clientH);
  tpl.Add(SS_LEFT, 0, margin, margin, contentW, promptH, kNoId, kStaticAtom, Prompt);
  tpl.Add(ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, margin, editY, contentW, editH, kEditId, kEditAtom, L"");
  const short buttonsX = short((clientW - 2 * buttonW - 4) / 2);
  tpl.Add(BS_DEFPUSHBUTTON | WS_TABSTOP, 0, buttonsX, buttonsY, buttonW, buttonH, IDOK, kButtonAtom,
          MsgDlgButtonCaption(mbOK));
  tpl.Add(BS_PUSHBUTTON | WS_TABSTOP, 0, short(buttonsX + buttonW + 4), buttonsY, buttonW, buttonH, IDCANCEL,
          kButtonAtom, MsgDlgButtonCaption(mbCancel));
  TInputState state;
  state.Value = Value;
  if (ShowTemplate(tpl, state) != IDOK) return false;
  Value = state.Value;
  return true;
}

BOOL CALLBACK MatchApplicationWindow(HWND Wnd, LPARAM Out) {
  DWORD process = 0;
  GetWindowThreadProcessId(Wnd, &process);
  wchar_t cls[32] = {};
  if (process != GetCurrentProcessId() || !GetClassNameW(Wnd, cls, 32) || wcscmp(cls, L"TApplication") != 0) return TRUE;
  *reinterpret_cast<HWND*>(Out) = Wnd;
  return FALSE;
}

// The program's title: the caption of the application object's window
// (class "TApplication") when the program has one, else the program's name.
// Found by its window so that dialogs work with or without the forms.
String ApplicationTitle() {
  HWND app = nullptr;
  EnumWindows(&MatchApplicationWindow, LPARAM(&app));
  if (app) {
    String title(size_t(GetWindowTextLengthW(app)) + 1, L'\0');
    title.resize(size_t(GetWindowTextW(app, title.data(), int(title.size()))));
    if (!title.empty()) return title;
  }
  return ChangeFileExt(ExtractFileName(ParamStr(0)), L"");
}

}  // namespace

// --- Captions and results -------------------------------------------------------------

String MsgDlgCaption(TMsgDlgType DlgType) {
  switch (DlgType) {
    case mtWarning: return LoadResString(&SMsgDlgWarning);
    case mtError: return LoadResString(&SMsgDlgError);
    case mtInformation: return LoadResString(&SMsgDlgInformation);
    case mtConfirmation: return LoadResString(&SMsgDlgConfirm);
    case mtCustom: break;
  }
  return ApplicationTitle();
}

String MsgDlgButtonCaption(TMsgDlgBtn Button) {
  static const TResStringRec* const kCaptions[] = {&SMsgDlgYes,   &SMsgDlgNo,      &SMsgDlgOK,      &SMsgDlgCancel,
                                                   &SMsgDlgAbort, &SMsgDlgRetry,   &SMsgDlgIgnore,  &SMsgDlgAll,
                                                   &SMsgDlgNoToAll, &SMsgDlgYesToAll, &SMsgDlgHelp};
  return LoadResString(kCaptions[Button]);
}

TModalResult MsgDlgButtonResult(TMsgDlgBtn Button) {
  static const TModalResult kResults[] = {mrYes,   mrNo,  mrOk,      mrCancel,   mrAbort, mrRetry,
                                          mrIgnore, mrAll, mrNoToAll, mrYesToAll, mrNone};
  return kResults[Button];
}

// --- The routines ---------------------------------------------------------------------

TModalResult MessageDlg(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx) {
  TDialogRequest request;
  request.Kind = dkMessageDlg;
  request.Caption = MsgDlgCaption(DlgType);
  request.Text = Msg;
  request.DlgType = DlgType;
  request.Buttons = Buttons;
  request.HelpContext = HelpCtx;
  int result = 0;
  if (AskDialogAnswerer(request, result)) return TModalResult(result);
  return ShowMessageDlg(Msg, DlgType, Buttons);
}

void ShowMessage(const String& Msg) { MessageDlg(Msg, mtCustom, {mbOK}, 0); }

bool InputQuery(const String& ACaption, const String& APrompt, String& Value) {
  TDialogRequest request;
  request.Kind = dkInputBox;
  request.Caption = ACaption;
  request.Text = APrompt;
  request.Values.Text = Value;
  int result = 0;
  if (!AskDialogAnswerer(request, result)) return ShowInputQuery(ACaption, APrompt, Value);
  if (result != IDOK) return false;
  Value = request.Values.Text;
  return true;
}

String InputBox(const String& ACaption, const String& APrompt, const String& ADefault) {
  String value = ADefault;
  return InputQuery(ACaption, APrompt, value) ? value : ADefault;
}
