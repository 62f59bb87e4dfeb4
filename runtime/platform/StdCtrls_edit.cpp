// Edits and memos over the system EDIT class. Values that only the window
// knows (selection, the modified flag) are saved when the window goes and
// given back to the next one; the text is saved by the window control itself.
#include <algorithm>

#include "StdCtrls.h"

namespace {
// EDIT keeps the caret and selection as character positions in LOWORD/HIWORD
// only up to 65535; EM_GETSEL with pointers has no such limit.
void GetSelection(HWND Wnd, int& Start, int& End) {
  DWORD s = 0, e = 0;
  SendMessageW(Wnd, EM_GETSEL, reinterpret_cast<WPARAM>(&s), reinterpret_cast<LPARAM>(&e));
  Start = int(s);
  End = int(e);
}
}  // namespace

// --- TCustomEdit -------------------------------------------------------------------------
// The system edit tracks the mouse and selection itself.
TCustomEdit::TCustomEdit(TComponent* AOwner) : TWinControl(AOwner) {
  FControlStyle = TControlStyle{csClickEvents, csSetCaption, csDoubleClicks, csFixedHeight};
  SetBounds(0, 0, 121, 25);
  SetTabStop(true);
  SetParentColor(false);
  SetColor(clWindow);
  TWinControl::SetAutoSize(true);
}

void TCustomEdit::SetBorderStyle(TBorderStyle Value) {
  if (FBorderStyle == Value) return;
  FBorderStyle = Value;
  AdjustHeight();
  RecreateWnd();
}

void TCustomEdit::SetCharCase(TEditCharCase Value) {
  if (FCharCase == Value) return;
  FCharCase = Value;
  RecreateWnd();
  ApplyCharCase();
}

// The window converts only what is typed or set later; the text already
// there is converted here.
void TCustomEdit::ApplyCharCase() {
  if (FCharCase == ecNormal) return;
  String text = Text();
  if (text.empty()) return;
  if (FCharCase == ecUpperCase)
    CharUpperBuffW(text.data(), DWORD(text.size()));
  else
    CharLowerBuffW(text.data(), DWORD(text.size()));
  if (text != Text()) SetText(text);
}

void TCustomEdit::SetHideSelection(bool Value) {
  if (FHideSelection == Value) return;
  FHideSelection = Value;
  RecreateWnd();
}

void TCustomEdit::SetMaxLength(int Value) {
  FMaxLength = std::max(Value, 0);
  if (HandleAllocated()) SendMessageW(Handle(), EM_LIMITTEXT, WPARAM(FMaxLength), 0);
}

void TCustomEdit::SetOEMConvert(bool Value) {
  if (FOEMConvert == Value) return;
  FOEMConvert = Value;
  RecreateWnd();
}

void TCustomEdit::SetPasswordChar(wchar_t Value) {
  if (FPasswordChar == Value) return;
  FPasswordChar = Value;
  if (HandleAllocated()) {
    SendMessageW(Handle(), EM_SETPASSWORDCHAR, WPARAM(FPasswordChar), 0);
    InvalidateRect(Handle(), nullptr, TRUE);
  }
}

void TCustomEdit::SetReadOnly(bool Value) {
  if (FReadOnly == Value) return;
  FReadOnly = Value;
  if (HandleAllocated()) SendMessageW(Handle(), EM_SETREADONLY, Value, 0);
}

bool TCustomEdit::Modified() {
  if (HandleAllocated()) FModified = SendMessageW(Handle(), EM_GETMODIFY, 0, 0) != 0;
  return FModified;
}

void TCustomEdit::SetModified(bool Value) {
  FModified = Value;
  if (HandleAllocated()) SendMessageW(Handle(), EM_SETMODIFY, Value, 0);
}

void TCustomEdit::SetAutoSize(bool Value) {
  if (AutoSize() == Value) return;
  TWinControl::SetAutoSize(Value);
  AdjustHeight();
}

// The height of one line of the font inside the border.
void TCustomEdit::AdjustHeight() {
  if (!AutoSize() || ComponentState().Contains(csLoading)) return;
  int border = 0;
  if (FBorderStyle == bsSingle) border = GetSystemMetrics(SM_CYBORDER) * (Ctl3D() ? 8 : 6);
  SetHeight(vamire_stdctrls::FontLineHeight(Font()) + border);
}

int TCustomEdit::SelStart() {
  if (HandleAllocated()) {
    int end = 0;
    GetSelection(Handle(), FSelStart, end);
  }
  return FSelStart;
}

void TCustomEdit::SetSelStart(int Value) {
  FSelStart = std::max(Value, 0);
  FSelLength = 0;
  if (HandleAllocated()) SendMessageW(Handle(), EM_SETSEL, WPARAM(FSelStart), LPARAM(FSelStart));
}

int TCustomEdit::SelLength() {
  if (HandleAllocated()) {
    int start = 0, end = 0;
    GetSelection(Handle(), start, end);
    FSelLength = end - start;
  }
  return FSelLength;
}

void TCustomEdit::SetSelLength(int Value) {
  const int start = SelStart();
  FSelLength = std::max(Value, 0);
  if (HandleAllocated()) SendMessageW(Handle(), EM_SETSEL, WPARAM(start), LPARAM(start + FSelLength));
}

String TCustomEdit::SelText() {
  const String text = Text();
  const size_t start = std::min(size_t(SelStart()), text.size());
  return text.substr(start, size_t(SelLength()));
}

void TCustomEdit::SetSelText(const String& Value) {
  SendMessageW(Handle(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(Value.c_str()));
}

void TCustomEdit::SelectAll() {
  if (HandleAllocated()) SendMessageW(Handle(), EM_SETSEL, 0, -1);
}

void TCustomEdit::Clear() { SetText(String()); }

void TCustomEdit::ClearSelection() { SendMessageW(Handle(), WM_CLEAR, 0, 0); }
void TCustomEdit::CopyToClipboard() { SendMessageW(Handle(), WM_COPY, 0, 0); }
void TCustomEdit::CutToClipboard() { SendMessageW(Handle(), WM_CUT, 0, 0); }
void TCustomEdit::PasteFromClipboard() { SendMessageW(Handle(), WM_PASTE, 0, 0); }
void TCustomEdit::Undo() { SendMessageW(Handle(), WM_UNDO, 0, 0); }
bool TCustomEdit::CanUndo() { return HandleAllocated() && SendMessageW(Handle(), EM_CANUNDO, 0, 0) != 0; }

void TCustomEdit::ClearUndo() {
  if (HandleAllocated()) SendMessageW(Handle(), EM_EMPTYUNDOBUFFER, 0, 0);
}

void TCustomEdit::Change() {
  Changed();
  if (OnChange) OnChange(this);
}

void TCustomEdit::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  CreateSubClass(Params, L"EDIT");
  Params.Style |= ES_AUTOHSCROLL | ES_AUTOVSCROLL;
  AddSingleBorder(Params, FBorderStyle == bsSingle);
  if (FPasswordChar != 0) Params.Style |= ES_PASSWORD;
  if (FReadOnly) Params.Style |= ES_READONLY;
  if (FCharCase == ecUpperCase) Params.Style |= ES_UPPERCASE;
  if (FCharCase == ecLowerCase) Params.Style |= ES_LOWERCASE;
  if (!FHideSelection) Params.Style |= ES_NOHIDESEL;
  if (FOEMConvert) Params.Style |= ES_OEMCONVERT;
}

void TCustomEdit::CreateWnd() {
  FCreating = true;
  try {
    TWinControl::CreateWnd();
  } catch (...) {
    FCreating = false;
    throw;
  }
  const HWND wnd = Handle();
  ApplyCharCase();
  SendMessageW(wnd, EM_LIMITTEXT, WPARAM(FMaxLength), 0);
  if (FPasswordChar != 0) SendMessageW(wnd, EM_SETPASSWORDCHAR, WPARAM(FPasswordChar), 0);
  SendMessageW(wnd, EM_SETSEL, WPARAM(FSelStart), LPARAM(FSelStart + FSelLength));
  SendMessageW(wnd, EM_SETMODIFY, FModified, 0);
  FCreating = false;
  AdjustHeight();
}

void TCustomEdit::DestroyWnd() {
  Modified();
  SelStart();
  SelLength();
  TWinControl::DestroyWnd();
}

void TCustomEdit::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CN_COMMAND: CNCommand(Message); return;
    case CM_FONTCHANGED: CMFontChanged(Message); return;
    default: TWinControl::Dispatch(Message); return;
  }
}

void TCustomEdit::CNCommand(TMessage& Message) {
  if (HIWORD(Message.WParam) == EN_CHANGE && !FCreating) Change();
  Message.Result = 0;
}

void TCustomEdit::CMFontChanged(TMessage& Message) {
  TWinControl::Dispatch(Message);
  AdjustHeight();
}

// Entering by keyboard selects the whole text of a single-line edit; a
// mouse press places the caret where it lands instead.
void TCustomEdit::DoEnter() {
  if (FAutoSelect && !FControlState.Contains(csLButtonDown) && HandleAllocated() &&
      (GetWindowLongPtrW(Handle(), GWL_STYLE) & ES_MULTILINE) == 0)
    SelectAll();
  TWinControl::DoEnter();
}

// --- TMemoStrings ------------------------------------------------------------------------
// The lines of a memo, read from and written to its text, so they are the
// same with or without a window. Lines are separated by CR LF; a text ending
// in a line break has an empty last line, as the memo shows it.
class TMemoStrings : public TStrings {
  VAMIRE_CLASS(TMemoStrings, TStrings)
 public:
  explicit TMemoStrings(TCustomMemo* Memo = nullptr) : FMemo(Memo) {}

  int Count() const override { return CountLines(FMemo->Text()); }
  String Strings(int Index) const override {
    const std::vector<String> lines = Split(FMemo->Text());
    if (Index < 0 || Index >= int(lines.size())) TList::Error(&SListIndexError, Index);
    return lines[size_t(Index)];
  }
  void SetStrings(int Index, const String& S) override {
    std::vector<String> lines = Split(FMemo->Text());
    if (Index < 0 || Index >= int(lines.size())) TList::Error(&SListIndexError, Index);
    lines[size_t(Index)] = S;
    Join(lines);
  }
  void Insert(int Index, const String& S) override {
    const HWND wnd = FMemo->HandleAllocated() ? FMemo->Handle() : nullptr;
    const String text = FMemo->Text();
    const int count = CountLines(text);
    if (Index < 0 || Index > count) TList::Error(&SListIndexError, Index);
    if (wnd && Index == count) {
      // Appending (a log pane's every line) adds to the window's text without
      // rewriting it; the caret follows to the end.
      const int len = int(text.size());
      const String add = (len > 0 ? String(L"\r\n") : String()) + S;
      SendMessageW(wnd, EM_SETSEL, WPARAM(len), LPARAM(len));
      SendMessageW(wnd, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(add.c_str()));
      return;
    }
    std::vector<String> lines = Split(text);
    lines.insert(lines.begin() + Index, S);
    Join(lines);
  }
  void Delete(int Index) override {
    std::vector<String> lines = Split(FMemo->Text());
    if (Index < 0 || Index >= int(lines.size())) TList::Error(&SListIndexError, Index);
    lines.erase(lines.begin() + Index);
    Join(lines);
  }
  void Clear() override { FMemo->SetText(String()); }
  void SetText(const String& Value) override { FMemo->SetText(Value); }

 protected:
  void SetUpdateState(bool Updating) override {
    if (FMemo->HandleAllocated()) {
      SendMessageW(FMemo->Handle(), WM_SETREDRAW, !Updating, 0);
      if (!Updating) FMemo->Refresh();
    }
  }

 private:
  // CR LF, a lone CR or a lone LF each end a line.
  static bool IsBreak(const String& Text, size_t& I) {
    if (Text[I] == L'\r') {
      if (I + 1 < Text.size() && Text[I + 1] == L'\n') ++I;
      return true;
    }
    return Text[I] == L'\n';
  }
  static int CountLines(const String& Text) {
    if (Text.empty()) return 0;
    int n = 1;
    for (size_t i = 0; i < Text.size(); ++i) n += IsBreak(Text, i);
    return n;
  }
  static std::vector<String> Split(const String& text) {
    std::vector<String> lines;
    if (text.empty()) return lines;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
      const size_t end = i;
      if (!IsBreak(text, i)) continue;
      lines.push_back(text.substr(start, end - start));
      start = i + 1;
    }
    lines.push_back(text.substr(start));
    return lines;
  }
  void Join(const std::vector<String>& Lines) {
    String text;
    for (size_t i = 0; i < Lines.size(); ++i) {
      if (i) text += L"\r\n";
      text += Lines[i];
    }
    FMemo->SetText(text);
  }

  TCustomMemo* FMemo;
};

// --- TCustomMemo -------------------------------------------------------------------------
TCustomMemo::TCustomMemo(TComponent* AOwner) : TCustomEdit(AOwner) {
  FControlStyle.Exclude(csFixedHeight);
  TWinControl::SetAutoSize(false);
  SetBounds(0, 0, 185, 89);
  FLines = new TMemoStrings(this);
}

TCustomMemo::~TCustomMemo() { delete FLines; }

TStrings* TCustomMemo::Lines() const { return FLines; }

void TCustomMemo::SetLines(TStrings* Value) { FLines->Assign(Value); }

void TCustomMemo::SetAlignment(TAlignment Value) {
  if (FAlignment == Value) return;
  FAlignment = Value;
  RecreateWnd();
}

void TCustomMemo::SetScrollBars(TScrollStyle Value) {
  if (FScrollBars == Value) return;
  FScrollBars = Value;
  RecreateWnd();
}

void TCustomMemo::SetWordWrap(bool Value) {
  if (FWordWrap == Value) return;
  FWordWrap = Value;
  RecreateWnd();
}

TPoint TCustomMemo::CaretPos() {
  if (!HandleAllocated()) return TPoint{0, 0};
  int start = 0, end = 0;
  GetSelection(Handle(), start, end);
  // The caret is at the end of the selection the user made last.
  const int line = int(SendMessageW(Handle(), EM_LINEFROMCHAR, WPARAM(end), 0));
  const int first = int(SendMessageW(Handle(), EM_LINEINDEX, WPARAM(line), 0));
  return TPoint{end - first, line};
}

void TCustomMemo::SetCaretPos(const TPoint& Value) {
  const int first = int(SendMessageW(Handle(), EM_LINEINDEX, WPARAM(std::max(Value.Y, 0)), 0));
  if (first < 0) return;  // no such line
  const int pos = first + std::max(Value.X, 0);
  SendMessageW(Handle(), EM_SETSEL, WPARAM(pos), LPARAM(pos));
}

void TCustomMemo::CreateParams(TCreateParams& Params) {
  TCustomEdit::CreateParams(Params);
  Params.Style |= ES_MULTILINE;
  if (FWordWrap) Params.Style &= ~DWORD(ES_AUTOHSCROLL);
  switch (FAlignment) {
    case taLeftJustify: Params.Style |= ES_LEFT; break;
    case taRightJustify: Params.Style |= ES_RIGHT; break;
    case taCenter: Params.Style |= ES_CENTER; break;
  }
  if (FScrollBars == ssHorizontal || FScrollBars == ssBoth) Params.Style |= WS_HSCROLL;
  if (FScrollBars == ssVertical || FScrollBars == ssBoth) Params.Style |= WS_VSCROLL;
}

void TCustomMemo::Dispatch(TMessage& Message) {
  if (Message.Msg == WM_GETDLGCODE) {
    TCustomEdit::Dispatch(Message);
    if (FWantTabs)
      Message.Result |= DLGC_WANTTAB;
    else
      Message.Result &= ~LRESULT(DLGC_WANTTAB);
    if (!FWantReturns) Message.Result &= ~LRESULT(DLGC_WANTALLKEYS);
    return;
  }
  TCustomEdit::Dispatch(Message);
}

void TCustomMemo::KeyPress(wchar_t& Key) {
  TCustomEdit::KeyPress(Key);
  if ((Key == L'\r' && !FWantReturns) || (Key == L'\t' && !FWantTabs)) Key = 0;
}
