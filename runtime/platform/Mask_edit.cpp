// The mask edit: keys, clipboard and validation over an EDIT window whose
// text is always the whole mask, literals and blanks included.
#include "Mask.h"
#include "Sleep.h"
#include "Streaming.h"

TCustomMaskEdit::TCustomMaskEdit(TComponent* AOwner) : TCustomEdit(AOwner) {}

void TCustomMaskEdit::SetEditMask(const String& Value) {
  if (Value == FEditMask) return;
  const String text = GetText();
  FEditMask = Value;
  FFormat = TEditMaskFormat(Value);
  if (HandleAllocated()) Perform(EM_LIMITTEXT, WPARAM(IsMasked() ? FFormat.Length() : MaxLength()));
  // The text goes over to the new mask as far as it fits.
  if (IsMasked())
    ApplyEditText(FFormat.EditFromText(text), 0);
  else
    TCustomEdit::SetTextValue(text);
}

String TCustomMaskEdit::EditText() { return TCustomEdit::GetText(); }

void TCustomMaskEdit::SetEditText(const String& Value) {
  if (IsMasked())
    ApplyEditText(FFormat.Normalize(Value), 0);
  else
    TCustomEdit::SetTextValue(Value);
}

String TCustomMaskEdit::GetText() {
  if (!IsMasked()) return TCustomEdit::GetText();
  return FFormat.TextFromEdit(TCustomEdit::GetText());
}

void TCustomMaskEdit::SetTextValue(const String& Value) {
  if (!IsMasked()) {
    TCustomEdit::SetTextValue(Value);
    return;
  }
  ApplyEditText(FFormat.EditFromText(Value), 0);
}

void TCustomMaskEdit::Clear() {
  if (IsMasked())
    ApplyEditText(FFormat.EmptyText(), 0);
  else
    TCustomEdit::Clear();
}

void TCustomMaskEdit::CreateWnd() {
  TCustomEdit::CreateWnd();
  if (IsMasked()) Perform(EM_LIMITTEXT, WPARAM(FFormat.Length()));
}

void TCustomMaskEdit::ApplyEditText(const String& Value, int Caret) {
  if (TCustomEdit::GetText() != Value) TCustomEdit::SetTextValue(Value);
  if (HandleAllocated()) SetSel(Caret, Caret);
}

void TCustomMaskEdit::GetSel(int& Start, int& Stop) {
  DWORD s = 0, e = 0;
  if (HandleAllocated()) Perform(EM_GETSEL, reinterpret_cast<WPARAM>(&s), reinterpret_cast<LPARAM>(&e));
  Start = int(s);
  Stop = int(e);
}

void TCustomMaskEdit::SetSel(int Start, int Stop) { Perform(EM_SETSEL, WPARAM(Start), LPARAM(Stop)); }

bool TCustomMaskEdit::InputChar(wchar_t Ch) {
  int start, stop;
  GetSel(start, stop);
  String edit = FFormat.Normalize(EditText());
  for (int i = start; i < stop && i < FFormat.Length(); ++i)
    if (FFormat.Place(i).Type != mcLiteral) edit[size_t(i)] = FFormat.Blank();
  const int pos = FFormat.NextInput(start);
  // A literal typed where it stands in the mask is stepped over.
  for (int i = start; i < pos && i < FFormat.Length(); ++i) {
    if (FFormat.Place(i).Literal == Ch) {
      ApplyEditText(edit, FFormat.NextInput(i + 1));
      SetModified(true);
      return true;
    }
  }
  wchar_t c = Ch;
  if (pos >= FFormat.Length() || !FFormat.Accepts(pos, c)) {
    // The caret steps over literals after each key: a literal typed next is already behind it.
    for (int i = start - 1; i >= 0 && FFormat.Place(i).Type == mcLiteral; --i)
      if (FFormat.Place(i).Literal == Ch) return true;
    return false;
  }
  edit[size_t(pos)] = c;
  ApplyEditText(edit, FFormat.NextInput(pos + 1));
  SetModified(true);
  return true;
}

void TCustomMaskEdit::DeleteKeys(bool Backspace) {
  int start, stop;
  GetSel(start, stop);
  String edit = FFormat.Normalize(EditText());
  int caret = start;
  if (start != stop) {
    for (int i = start; i < stop && i < FFormat.Length(); ++i)
      if (FFormat.Place(i).Type != mcLiteral) edit[size_t(i)] = FFormat.Blank();
  } else if (Backspace) {
    const int p = FFormat.PrevInput(start);
    if (p < 0) return;
    edit[size_t(p)] = FFormat.Blank();
    caret = p;
  } else {
    const int p = FFormat.NextInput(start);
    if (p >= FFormat.Length()) return;
    edit[size_t(p)] = FFormat.Blank();
  }
  ApplyEditText(edit, caret);
  SetModified(true);
}

// Pasted text is typed in, character by character; what the mask refuses is left out.
void TCustomMaskEdit::PasteText(const String& Value) {
  for (const wchar_t c : Value)
    if (c != L'\r' && c != L'\n') InputChar(c);
}

void TCustomMaskEdit::KeyDown(uint16_t& Key, TShiftState Shift) {
  TCustomEdit::KeyDown(Key, Shift);
  if (!IsMasked() || Key == 0 || ReadOnly()) return;
  // The system's own Delete, Shift+Delete and Shift+Insert would not keep the mask.
  if (Key == VK_DELETE) {
    if (Shift.Contains(ssShift)) CopyToClipboard();
    DeleteKeys(false);
    Key = 0;
  } else if (Key == VK_INSERT && Shift.Contains(ssShift)) {
    Perform(WM_PASTE);
    Key = 0;
  }
}

void TCustomMaskEdit::KeyPress(wchar_t& Key) {
  if (!IsMasked()) {
    TCustomEdit::KeyPress(Key);
    return;
  }
  if (Key == 27) {
    // Esc abandons the changes made since the edit got the focus.
    if (EditText() != FOldEdit && !FOldEdit.empty()) {
      ApplyEditText(FOldEdit, 0);
      SelectAll();
      SetModified(false);
      Key = 0;
      return;
    }
    TCustomEdit::KeyPress(Key);
    return;
  }
  TCustomEdit::KeyPress(Key);
  if (Key == 0) return;
  // Enter and Tab belong to the form; the clipboard keys come back as WM_PASTE and WM_CUT.
  if (Key == L'\r' || Key == L'\t' || Key == 3 || Key == 22 || Key == 24) return;
  if (ReadOnly()) {
    Key = 0;
    return;
  }
  if (Key == 8) {
    DeleteKeys(true);
  } else if (Key < L' ') {
    // Undo and the other control characters would bring text that ignores the mask.
  } else if (!InputChar(Key)) {
    SystemBeep();
  }
  Key = 0;
}

void TCustomMaskEdit::ValidateEdit() {
  if (!IsMasked() || !Modified()) return;
  const int missing = FFormat.FirstMissing(EditText());
  if (missing < 0) return;
  if (HandleAllocated()) SetSel(missing, missing);
  ValidateError();
}

void TCustomMaskEdit::ValidateError() {
  SystemBeep();
  throw EDBEditError(LoadResString(&SMaskEditErr));
}

void TCustomMaskEdit::Dispatch(TMessage& Message) {
  if (!IsMasked()) {
    TCustomEdit::Dispatch(Message);
    return;
  }
  switch (Message.Msg) {
    case WM_PASTE: {
      Message.Result = 0;
      if (ReadOnly() || !OpenClipboard(Handle())) return;
      String text;
      if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (auto* p = static_cast<const wchar_t*>(GlobalLock(data))) {
          text = p;
          GlobalUnlock(data);
        }
      }
      CloseClipboard();
      PasteText(text);
      return;
    }
    case WM_CUT:
      Message.Result = 0;
      CopyToClipboard();
      if (!ReadOnly()) DeleteKeys(false);
      return;
    case WM_CLEAR:
      Message.Result = 0;
      if (!ReadOnly()) DeleteKeys(false);
      return;
    case CM_ENTER:
      FOldEdit = EditText();
      TCustomEdit::Dispatch(Message);
      return;
    case CM_EXIT:
      // An incomplete entry keeps the focus; the error goes to the application.
      try {
        ValidateEdit();
      } catch (...) {
        // Coming back selects all; the caret belongs at the place to fill.
        SetFocus();
        const int missing = FFormat.FirstMissing(EditText());
        if (missing >= 0 && HandleAllocated()) SetSel(missing, missing);
        throw;
      }
      TCustomEdit::Dispatch(Message);
      return;
    default: TCustomEdit::Dispatch(Message);
  }
}

// --- Published properties ----------------------------------------------------------------
VAMIRE_PUBLISHED(TCustomMaskEdit, Prop(L"EditMask", &TCustomMaskEdit::EditMask, &TCustomMaskEdit::SetEditMask))

namespace {
// The form reader creates it by class name.
void InitMask() { RegisterClasses({TMaskEdit::StaticClass()}); }
void DoneMask() { UnRegisterClasses({TMaskEdit::StaticClass()}); }
}  // namespace

const TUnitEntry MaskUnit = {L"Mask", &InitMask, &DoneMask};
