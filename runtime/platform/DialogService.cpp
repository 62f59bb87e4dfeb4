#include "DialogService.h"

#include <algorithm>
#include <atomic>

namespace {

std::atomic<TDialogAnswerer*> GAnswerer{nullptr};

// Dialogs whose Result says which button closed them; the others only accept
// (IDOK) or cancel (anything else).
bool HasButtonResult(TDialogKind Kind) { return Kind == dkMessageBox || Kind == dkMessageDlg; }

int CancelResultOf(const TDialogRequest& Request) {
  switch (Request.Kind) {
    case dkMessageBox: return MessageBoxCancelResult(Request.Type);
    case dkMessageDlg: return MsgDlgCancelResult(Request.Buttons);
    default: return IDCANCEL;
  }
}

// The platform's filter list ("Text\0*.txt\0All\0*.*\0\0") in the runtime's
// written form ("Text|*.txt|All|*.*").
String FilterText(const wchar_t* Filter) {
  String text;
  if (!Filter) return text;
  for (const wchar_t* p = Filter; *p; p += wcslen(p) + 1) {
    if (!text.empty()) text += L'|';
    text += p;
  }
  return text;
}

// The offsets a file dialog reports into its buffer: where the (first) name
// starts and where its extension starts (0 when it has none).
void SetNameOffsets(OPENFILENAMEW& Data, const String& FileName) {
  const size_t end = std::min(FileName.find(L'\0'), FileName.size());
  const String first = FileName.substr(0, end);
  if (end < FileName.size()) {
    // Several files: the buffer starts with the folder, the names follow it.
    Data.nFileOffset = WORD(end + 1);
    Data.nFileExtension = 0;
    return;
  }
  const size_t slash = first.find_last_of(L"\\/:");
  const size_t nameStart = slash == String::npos ? 0 : slash + 1;
  Data.nFileOffset = WORD(nameStart);
  const size_t dot = first.find_last_of(L'.');
  Data.nFileExtension = dot != String::npos && dot >= nameStart ? WORD(dot + 1) : WORD(0);
}

TDialogRequest FileRequest(TDialogKind Kind, const OPENFILENAMEW& Data) {
  TDialogRequest request;
  request.Kind = Kind;
  request.Owner = Data.hwndOwner;
  request.Caption = Data.lpstrTitle ? Data.lpstrTitle : L"";
  request.Filter = FilterText(Data.lpstrFilter);
  request.InitialDir = Data.lpstrInitialDir ? Data.lpstrInitialDir : L"";
  request.DefaultExt = Data.lpstrDefExt ? Data.lpstrDefExt : L"";
  request.Values.FileName = Data.lpstrFile ? Data.lpstrFile : L"";
  request.Values.FilterIndex = int(Data.nFilterIndex);
  request.Values.Flags = Data.Flags;
  return request;
}

// Writes an accepted answer into the structure as the platform would; false
// (as the platform's own buffer-too-small failure) when the names do not fit.
bool ApplyFileAnswer(OPENFILENAMEW& Data, const TDialogValues& Values) {
  String buffer = Values.FileName;
  if (buffer.empty() || buffer.back() != L'\0') buffer += L'\0';
  if (!Data.lpstrFile || buffer.size() + 1 > Data.nMaxFile) return false;
  std::copy(buffer.begin(), buffer.end(), Data.lpstrFile);
  Data.lpstrFile[buffer.size()] = L'\0';
  SetNameOffsets(Data, Values.FileName);
  // The title is the name alone; several files have none.
  const String first = Values.FileName.c_str();
  if (Data.lpstrFileTitle && Data.nMaxFileTitle > 0 && Data.nFileOffset <= first.size()) {
    const String title = first.substr(Data.nFileOffset);
    const size_t n = std::min<size_t>(title.size(), Data.nMaxFileTitle - 1);
    std::copy(title.begin(), title.begin() + ptrdiff_t(n), Data.lpstrFileTitle);
    Data.lpstrFileTitle[n] = L'\0';
  }
  Data.nFilterIndex = DWORD(Values.FilterIndex);
  Data.Flags = Values.Flags;
  return true;
}

bool AskFileDialog(TDialogKind Kind, OPENFILENAMEW& Data, BOOL(WINAPI* Real)(LPOPENFILENAMEW)) {
  TDialogRequest request = FileRequest(Kind, Data);
  int result = 0;
  if (!AskDialogAnswerer(request, result)) return Real(&Data) != FALSE;
  return result == IDOK && ApplyFileAnswer(Data, request.Values);
}

}  // namespace

TModalResult MsgDlgCancelResult(TMsgDlgButtons Buttons) {
  if (Buttons.Contains(mbCancel)) return mrCancel;
  if (Buttons.Contains(mbNo)) return mrNo;
  if (Buttons.Contains(mbOK)) return mrOk;
  if (Buttons.Contains(mbAbort)) return mrAbort;
  return mrCancel;
}

int MessageBoxCancelResult(UINT Type) {
  switch (Type & MB_TYPEMASK) {
    case MB_OK: return IDOK;
    case MB_YESNO: return IDNO;
    case MB_ABORTRETRYIGNORE: return IDABORT;
    default: return IDCANCEL;  // OK/Cancel, Yes/No/Cancel, Retry/Cancel, Cancel/Try/Continue
  }
}

TDialogAnswerer* SetDialogAnswerer(TDialogAnswerer* Answerer) { return GAnswerer.exchange(Answerer); }

TDialogAnswerer* DialogAnswerer() { return GAnswerer.load(); }

bool AskDialogAnswerer(TDialogRequest& Request, int& Result) {
  TDialogAnswerer* answerer = GAnswerer.load();
  if (!answerer) return false;
  const TDialogValues given = Request.Values;
  int answer = 0;
  const bool answered = answerer->Answer(Request, answer);
  Result = answered ? answer : CancelResultOf(Request);
  // Only an acceptance changes what the dialog hands back.
  if (!answered || (!HasButtonResult(Request.Kind) && Result != IDOK)) Request.Values = given;
  return true;
}

int DialogMessageBox(HWND Owner, const String& Text, const String& Caption, UINT Type) {
  TDialogRequest request;
  request.Kind = dkMessageBox;
  request.Owner = Owner;
  request.Text = Text;
  request.Caption = Caption;
  request.Type = Type;
  int result = 0;
  if (AskDialogAnswerer(request, result)) return result;
  return MessageBoxW(Owner, Text.c_str(), Caption.c_str(), Type);
}

bool DialogChooseColor(CHOOSECOLORW& Data) {
  TDialogRequest request;
  request.Kind = dkColor;
  request.Owner = Data.hwndOwner;
  request.Values.Color = Data.rgbResult;
  if (Data.lpCustColors) std::copy_n(Data.lpCustColors, 16, request.Values.CustomColors.begin());
  request.Values.Flags = Data.Flags;
  int result = 0;
  if (!AskDialogAnswerer(request, result)) return ChooseColorW(&Data) != FALSE;
  if (result != IDOK) return false;
  Data.rgbResult = request.Values.Color;
  if (Data.lpCustColors) std::copy_n(request.Values.CustomColors.begin(), 16, Data.lpCustColors);
  return true;
}

bool DialogChooseFont(CHOOSEFONTW& Data) {
  TDialogRequest request;
  request.Kind = dkFont;
  request.Owner = Data.hwndOwner;
  if (Data.lpLogFont) request.Values.Font = *Data.lpLogFont;
  request.Values.FontColor = Data.rgbColors;
  request.Values.PointSize = Data.iPointSize;
  request.Values.Flags = Data.Flags;
  if (Data.Flags & CF_LIMITSIZE) {
    request.SizeMin = Data.nSizeMin;
    request.SizeMax = Data.nSizeMax;
  }
  int result = 0;
  if (!AskDialogAnswerer(request, result)) return ChooseFontW(&Data) != FALSE;
  if (result != IDOK) return false;
  if (Data.lpLogFont) *Data.lpLogFont = request.Values.Font;
  Data.rgbColors = request.Values.FontColor;
  Data.iPointSize = request.Values.PointSize;
  return true;
}

bool DialogGetOpenFileName(OPENFILENAMEW& Data) { return AskFileDialog(dkOpen, Data, &GetOpenFileNameW); }

bool DialogGetSaveFileName(OPENFILENAMEW& Data) { return AskFileDialog(dkSave, Data, &GetSaveFileNameW); }

// --- TModalWindowsLock ---------------------------------------------------------------

namespace {
BOOL CALLBACK CollectEnabledWindow(HWND Wnd, LPARAM Out) {
  if (IsWindowVisible(Wnd) && IsWindowEnabled(Wnd)) reinterpret_cast<std::vector<HWND>*>(Out)->push_back(Wnd);
  return TRUE;
}
}  // namespace

TModalWindowsLock::TModalWindowsLock(HWND Owner) {
  EnumThreadWindows(GetCurrentThreadId(), &CollectEnabledWindow, LPARAM(&FDisabled));
  FDisabled.erase(std::remove(FDisabled.begin(), FDisabled.end(), Owner), FDisabled.end());
  if (Owner && !IsWindowEnabled(Owner)) FDisabledOwner = Owner;
  for (HWND wnd : FDisabled) EnableWindow(wnd, FALSE);
}

TModalWindowsLock::~TModalWindowsLock() {
  for (HWND wnd : FDisabled)
    if (IsWindow(wnd)) EnableWindow(wnd, TRUE);
  if (FDisabledOwner && IsWindow(FDisabledOwner)) EnableWindow(FDisabledOwner, FALSE);
}

// --- TDialogAnswerScope ---------------------------------------------------------------

TDialogAnswerScope::TDialogAnswerScope() : FPrevious(SetDialogAnswerer(this)) {}

TDialogAnswerScope::~TDialogAnswerScope() { SetDialogAnswerer(FPrevious); }

void TDialogAnswerScope::Expect(TDialogKind Kind, TAnswerFunc Answer) {
  FExpected.push_back(TExpected{Kind, std::move(Answer)});
}

void TDialogAnswerScope::Expect(TDialogKind Kind, int Result) {
  Expect(Kind, [Result](TDialogRequest&) { return Result; });
}

bool TDialogAnswerScope::Answer(TDialogRequest& Request, int& Result) {
  FRequests.push_back(Request);
  if (!FExpected.empty() && FExpected.front().Kind == Request.Kind) {
    TAnswerFunc answer = std::move(FExpected.front().Answer);
    FExpected.pop_front();
    Result = answer(Request);
    return true;
  }
  FUnanswered.push_back(Request);
  return FPrevious && FPrevious->Answer(Request, Result);
}

String DialogKindName(TDialogKind Kind) {
  switch (Kind) {
    case dkMessageBox: return L"message box";
    case dkMessageDlg: return L"message dialog";
    case dkInputBox: return L"input box";
    case dkColor: return L"colour dialog";
    case dkFont: return L"font dialog";
    case dkOpen: return L"open dialog";
    case dkSave: return L"save dialog";
  }
  return L"dialog";
}
