// The combo box: the system COMBOBOX under the runtime class name. Items are
// kept in the object; the edit window of the editable styles is subclassed so
// its keys reach the control's key events and its focus the form's tracking.
#include <algorithm>

#include "StdCtrls.h"

namespace {
const TListItemMessages ComboBoxMessages{CB_INSERTSTRING, CB_DELETESTRING, CB_RESETCONTENT, CB_SETITEMDATA,
                                         CB_INITSTORAGE,  CB_ERR,          CB_ERRSPACE};
const wchar_t* const ComboEditProp = L"VamireComboEdit";
}  // namespace

// The edit window's procedure: everything goes to the combo's EditWndProc.
LRESULT CALLBACK ComboEditProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  auto* combo = static_cast<TCustomComboBox*>(GetPropW(Wnd, ComboEditProp));
  if (!combo) return DefWindowProcW(Wnd, Msg, WParam, LParam);
  if (Msg == WM_NCDESTROY) {
    const WNDPROC def = combo->FEditDefProc;
    combo->DetachEdit();
    return CallWindowProcW(def, Wnd, Msg, WParam, LParam);
  }
  TMessage message{Msg, WParam, LParam, 0};
  try {
    combo->EditWndProc(message);
  } catch (...) {
    HandleCallbackException(combo);
  }
  return message.Result;
}

TCustomComboBox::TCustomComboBox(TComponent* AOwner) : TWinControl(AOwner) {
  FControlStyle = TControlStyle{csSetCaption, csDoubleClicks, csFixedHeight};
  SetBounds(0, 0, 145, 21);
  SetTabStop(true);
  SetParentColor(false);
  FItems = new TListControlItems(this, ComboBoxMessages);
  FCanvas = new TControlCanvas();
  FCanvas->SetControl(this);
}

TCustomComboBox::~TCustomComboBox() {
  Destroying();
  if (HandleAllocated()) DestroyWindowHandle();
  delete FCanvas;
  delete FItems;
}

// --- Window ------------------------------------------------------------------------------
void TCustomComboBox::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  CreateSubClass(Params, L"COMBOBOX");
  Params.Style |= WS_VSCROLL | CBS_AUTOHSCROLL;
  switch (FStyle) {
    case csDropDown: Params.Style |= CBS_DROPDOWN | CBS_HASSTRINGS; break;
    case csSimple: Params.Style |= CBS_SIMPLE | CBS_HASSTRINGS; break;
    case csDropDownList: Params.Style |= CBS_DROPDOWNLIST | CBS_HASSTRINGS; break;
    case csOwnerDrawFixed: Params.Style |= CBS_DROPDOWNLIST | CBS_HASSTRINGS | CBS_OWNERDRAWFIXED; break;
    case csOwnerDrawVariable: Params.Style |= CBS_DROPDOWNLIST | CBS_HASSTRINGS | CBS_OWNERDRAWVARIABLE; break;
  }
  if (FCharCase == ecUpperCase) Params.Style |= CBS_UPPERCASE;
  if (FCharCase == ecLowerCase) Params.Style |= CBS_LOWERCASE;
  // The text comes after the items (a drop-down list shows only an item's text).
  Params.Caption.clear();
  if (FStyle != csSimple) Params.Height = Height() + FDropDownCount * std::max(FItemHeight, 1) + 2;
  Params.WindowClass.style &= ~(CS_HREDRAW | CS_VREDRAW);
}

void TCustomComboBox::CreateWnd() {
  const String text = FText;
  TWinControl::CreateWnd();
  if (FStyle == csOwnerDrawFixed || FStyle == csOwnerDrawVariable) {
    // Asked for during creation, before the window has the id its parent finds it by.
    SendMessageW(FHandle, CB_SETITEMHEIGHT, WPARAM(-1), FItemHeight);
    SendMessageW(FHandle, CB_SETITEMHEIGHT, 0, FItemHeight);
  }
  FItems->FillWindow(FHandle);
  SendMessageW(FHandle, CB_LIMITTEXT, WPARAM(FMaxLength), 0);
  AttachEdit();
  if (FItemIndex >= 0) {
    SendMessageW(FHandle, CB_SETCURSEL, WPARAM(FItemIndex), 0);
  } else if (!IsListStyle()) {
    SendMessageW(FHandle, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
  if (!IsListStyle() && (FSelStart != 0 || FSelLength != 0)) SetSel(FSelStart, FSelStart + FSelLength);
  UpdateBounds();
  AdjustDropDown();
}

void TCustomComboBox::DestroyWnd() {
  FItemIndex = ItemIndex();
  if (!IsListStyle()) {
    int start = 0, end = 0;
    GetSel(start, end);
    FSelStart = start;
    FSelLength = end - start;
  }
  DetachEdit();
  TWinControl::DestroyWnd();
}

void TCustomComboBox::AttachEdit() {
  if (IsListStyle()) return;
  COMBOBOXINFO info{};
  info.cbSize = sizeof(info);
  if (!GetComboBoxInfo(FHandle, &info) || !info.hwndItem || info.hwndItem == FHandle) return;
  FEditHandle = info.hwndItem;
  SetPropW(FEditHandle, ComboEditProp, this);
  FEditDefProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(FEditHandle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ComboEditProc)));
}

void TCustomComboBox::DetachEdit() {
  if (!FEditHandle) return;
  if (IsWindow(FEditHandle)) {
    SetWindowLongPtrW(FEditHandle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FEditDefProc));
    RemovePropW(FEditHandle, ComboEditProp);
  }
  FEditHandle = nullptr;
}

LRESULT TCustomComboBox::CallEditProc(UINT Msg, WPARAM WParam, LPARAM LParam) {
  return CallWindowProcW(FEditDefProc, FEditHandle, Msg, WParam, LParam);
}

void TCustomComboBox::EditWndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      if (DoKeyDown(Message)) return;
      break;
    case WM_KEYUP:
    case WM_SYSKEYUP:
      if (DoKeyUp(Message)) return;
      break;
    case WM_CHAR:
      if (DoKeyPress(Message)) return;
      break;
    case WM_SETFOCUS:
      // The edit's focus is the combo's: the form tracks the combo as active.
      if (auto* top = dynamic_cast<TWinControl*>(RootControl()); top && !top->ComponentState().Contains(csDestroying))
        top->SetFocusedControl(this);
      break;
  }
  if (FEditHandle) Message.Result = CallEditProc(Message.Msg, Message.WParam, Message.LParam);
}

bool TCustomComboBox::Focused() {
  if (!HandleAllocated()) return false;
  const HWND focus = GetFocus();
  return focus && (focus == FHandle || IsChild(FHandle, focus));
}

// The system takes the height of a drop-down box as the height of the box
// with its list open; the closed height is the system's own.
void TCustomComboBox::AdjustDropDown() {
  if (!HandleAllocated() || FStyle == csSimple) return;
  const int count = std::clamp(FItems->Count(), 1, std::max(FDropDownCount, 1));
  const int h = Height() + count * std::max(ItemHeight(), 1) + 2;
  SetWindowPos(FHandle, nullptr, 0, 0, Width(), h, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
}

void TCustomComboBox::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TWinControl::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (HandleAllocated() && FStyle != csSimple) {
    UpdateBounds();
    AdjustDropDown();
  }
}

// --- Stored index while there is no window -------------------------------------------------
void TCustomComboBox::StoredItemInserted(int Index) {
  if (ComponentState().Contains(csLoading)) return;  // the stored index is checked in Loaded
  if (FItemIndex >= Index) ++FItemIndex;
}

void TCustomComboBox::StoredItemDeleted(int Index) {
  if (ComponentState().Contains(csLoading)) return;  // the stored index is checked in Loaded
  if (FItemIndex == Index)
    FItemIndex = -1;
  else if (FItemIndex > Index)
    --FItemIndex;
}

void TCustomComboBox::StoredItemsCleared() {
  if (ComponentState().Contains(csLoading)) return;  // the stored index is checked in Loaded
  FItemIndex = -1;
}

// --- Properties ---------------------------------------------------------------------------
int TCustomComboBox::ItemIndex() {
  if (!HandleAllocated()) return FItemIndex;
  const int index = int(SendMessageW(FHandle, CB_GETCURSEL, 0, 0));
  // The system keeps the list's selection when other text is put into the
  // edit; the box then shows no item.
  if (index >= 0 && !IsListStyle() && index < FItems->Count() && TWinControl::GetText() != FItems->Strings(index))
    return -1;
  return index;
}

void TCustomComboBox::SetItemIndex(int Value) {
  // A form stores the index and the text before the items: both are matched
  // up once all is read.
  if (ComponentState().Contains(csLoading)) {
    FItemIndex = Value;
    return;
  }
  if (Value < -1 || Value >= FItems->Count()) Value = -1;
  if (!HandleAllocated()) {
    FItemIndex = Value;
    if (Value >= 0) FText = FItems->Strings(Value);
    return;
  }
  if (ItemIndex() != Value) SendMessageW(FHandle, CB_SETCURSEL, WPARAM(Value), 0);
}

String TCustomComboBox::GetText() {
  if (!HandleAllocated() && IsListStyle() && !ComponentState().Contains(csLoading))
    return FItemIndex >= 0 && FItemIndex < FItems->Count() ? FItems->Strings(FItemIndex) : String();
  return TWinControl::GetText();
}

void TCustomComboBox::Loaded() {
  if (FItemIndex < -1 || FItemIndex >= FItems->Count()) FItemIndex = -1;
  if (FItemIndex >= 0)
    FText = FItems->Strings(FItemIndex);
  else if (IsListStyle() && !FText.empty())
    FItemIndex = FItems->IndexOf(FText);
  TWinControl::Loaded();
  if (HandleAllocated() && FItemIndex >= 0) SendMessageW(FHandle, CB_SETCURSEL, WPARAM(FItemIndex), 0);
}

// A drop-down list can show only an item: the text picks the item it equals
// (none when no item does).
void TCustomComboBox::SetTextValue(const String& Value) {
  if (IsListStyle() && !ComponentState().Contains(csLoading)) {
    SetItemIndex(FItems->IndexOf(Value));
    return;
  }
  if (!HandleAllocated()) FItemIndex = -1;
  TWinControl::SetTextValue(Value);
}

void TCustomComboBox::SetStyle(TComboBoxStyle Value) {
  if (FStyle == Value) return;
  FStyle = Value;
  RecreateWnd();
}

void TCustomComboBox::SetSorted(bool Value) {
  if (FSorted == Value) return;
  FSorted = Value;
  if (Value) {
    // The shown item stays the shown item after sorting.
    const String current = ItemIndex() >= 0 ? FItems->Strings(ItemIndex()) : String();
    const bool hadItem = ItemIndex() >= 0;
    FItems->Sort();
    if (hadItem) SetItemIndex(FItems->IndexOf(current));
  }
}

void TCustomComboBox::SetMaxLength(int Value) {
  Value = std::max(Value, 0);
  if (FMaxLength == Value) return;
  FMaxLength = Value;
  if (HandleAllocated()) SendMessageW(FHandle, CB_LIMITTEXT, WPARAM(Value), 0);
}

void TCustomComboBox::SetDropDownCount(int Value) {
  Value = std::max(Value, 1);
  if (FDropDownCount == Value) return;
  FDropDownCount = Value;
  AdjustDropDown();
}

bool TCustomComboBox::DroppedDown() {
  return HandleAllocated() && SendMessageW(FHandle, CB_GETDROPPEDSTATE, 0, 0) != 0;
}

void TCustomComboBox::SetDroppedDown(bool Value) {
  if (FStyle == csSimple) return;
  HandleNeeded();
  SendMessageW(FHandle, CB_SHOWDROPDOWN, Value ? TRUE : FALSE, 0);
}

int TCustomComboBox::ItemHeight() {
  if (FStyle == csOwnerDrawFixed || FStyle == csOwnerDrawVariable || !HandleAllocated()) return FItemHeight;
  return int(SendMessageW(FHandle, CB_GETITEMHEIGHT, 0, 0));
}

void TCustomComboBox::SetItemHeight(int Value) {
  if (Value <= 0 || FItemHeight == Value) return;
  FItemHeight = Value;
  if (HandleAllocated() && (FStyle == csOwnerDrawFixed || FStyle == csOwnerDrawVariable)) RecreateWnd();
}

void TCustomComboBox::SetCharCase(TEditCharCase Value) {
  if (FCharCase == Value) return;
  FCharCase = Value;
  // The text already there takes the new case too.
  if (!IsListStyle() && Value != ecNormal) {
    String text = GetText();
    for (wchar_t& c : text) c = Value == ecUpperCase ? wchar_t(towupper(c)) : wchar_t(towlower(c));
    if (HandleAllocated())
      SendMessageW(FHandle, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    else
      FText = text;
  }
  RecreateWnd();
}

// --- Selection in the edit ---------------------------------------------------------------
void TCustomComboBox::GetSel(int& Start, int& End) {
  DWORD s = 0, e = 0;
  SendMessageW(FHandle, CB_GETEDITSEL, reinterpret_cast<WPARAM>(&s), reinterpret_cast<LPARAM>(&e));
  Start = int(s);
  End = int(e);
}

void TCustomComboBox::SetSel(int Start, int End) {
  SendMessageW(FHandle, CB_SETEDITSEL, 0, MAKELPARAM(WORD(std::clamp(Start, -1, 0xFFFF)), WORD(std::clamp(End, -1, 0xFFFF))));
}

int TCustomComboBox::SelStart() {
  if (!HandleAllocated() || IsListStyle()) return FSelStart;
  int s = 0, e = 0;
  GetSel(s, e);
  return s;
}

void TCustomComboBox::SetSelStart(int Value) {
  Value = std::max(Value, 0);
  FSelStart = Value;
  FSelLength = 0;
  if (HandleAllocated() && !IsListStyle()) SetSel(Value, Value);
}

int TCustomComboBox::SelLength() {
  if (!HandleAllocated() || IsListStyle()) return FSelLength;
  int s = 0, e = 0;
  GetSel(s, e);
  return e - s;
}

void TCustomComboBox::SetSelLength(int Value) {
  Value = std::max(Value, 0);
  const int start = SelStart();
  FSelStart = start;
  FSelLength = Value;
  if (HandleAllocated() && !IsListStyle()) SetSel(start, start + Value);
}

String TCustomComboBox::SelText() {
  const String text = GetText();
  const int start = std::clamp(SelStart(), 0, int(text.size()));
  const int len = std::clamp(SelLength(), 0, int(text.size()) - start);
  return text.substr(size_t(start), size_t(len));
}

void TCustomComboBox::SetSelText(const String& Value) {
  if (IsListStyle()) return;
  HandleNeeded();
  if (FEditHandle) {
    SendMessageW(FEditHandle, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(Value.c_str()));
    return;
  }
  String text = GetText();
  const int start = std::clamp(SelStart(), 0, int(text.size()));
  const int len = std::clamp(SelLength(), 0, int(text.size()) - start);
  text.replace(size_t(start), size_t(len), Value);
  SetText(text);
  SetSelStart(start + int(Value.size()));
}

void TCustomComboBox::SelectAll() {
  if (HandleAllocated() && !IsListStyle()) SetSel(0, -1);
}

void TCustomComboBox::Clear() {
  FItems->Clear();
  SetText(String());
}

// --- Keys -----------------------------------------------------------------------------------
// In a drop-down list, AutoComplete picks the first item starting with the
// characters typed without a pause of AutoCompleteDelay, as a user changing the
// selection would (OnChange/OnSelect run).
void TCustomComboBox::KeyPress(wchar_t& Key) {
  TWinControl::KeyPress(Key);
  if (!FAutoComplete || Key == 0 || !IsListStyle() || DroppedDown()) return;
  if (!FTyped.Add(Key, FAutoCompleteDelay)) return;
  Key = 0;
  if (FTyped.Text().empty()) return;
  const int index = FItems->FindPrefix(FTyped.Text());
  if (index >= 0 && index != ItemIndex()) {
    SetItemIndex(index);
    Click();
    Select();
  }
}

// --- Notifications ----------------------------------------------------------------------------
void TCustomComboBox::Change() {
  if (OnChange) OnChange(this);
}

void TCustomComboBox::Select() {
  if (OnSelect)
    OnSelect(this);
  else
    Change();
}

void TCustomComboBox::DropDown() {
  if (OnDropDown) OnDropDown(this);
}

void TCustomComboBox::CloseUp() {
  if (OnCloseUp) OnCloseUp(this);
}

void TCustomComboBox::CNCommand(TMessage& Message) {
  switch (HIWORD(Message.WParam)) {
    case CBN_EDITCHANGE: Change(); break;
    case CBN_SELCHANGE: {
      // The edit shows the new item only after this notification; the
      // handlers must already read it as Text.
      const int index = ItemIndex();
      if (index >= 0 && !IsListStyle())
        SendMessageW(FHandle, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(FItems->Strings(index).c_str()));
      Click();
      Select();
      break;
    }
    case CBN_DROPDOWN: DropDown(); break;
    case CBN_CLOSEUP: CloseUp(); break;
  }
}

void TCustomComboBox::DrawItem(int Index, const TRect& Rect, TOwnerDrawState State) {
  if (OnDrawItem) {
    OnDrawItem(this, Index, Rect, State);
    return;
  }
  if (Index < FItems->Count()) vamire_stdlists::DrawItemText(FCanvas, Rect, FItems->Strings(Index));
}

void TCustomComboBox::CNDrawItem(TMessage& Message) {
  const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(Message.LParam);
  vamire_stdlists::DrawOwnerItem(this, FCanvas, *item, [this](int Index, const TRect& Rect, TOwnerDrawState State) {
    DrawItem(Index, Rect, State);
  });
  Message.Result = TRUE;
}

void TCustomComboBox::MeasureItem(int Index, int& Height) {
  if (OnMeasureItem) OnMeasureItem(this, Index, Height);
}

void TCustomComboBox::CNMeasureItem(TMessage& Message) {
  auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(Message.LParam);
  int height = FItemHeight;
  // The selection field (-1) keeps ItemHeight.
  if (FStyle == csOwnerDrawVariable && int(item->itemID) >= 0) MeasureItem(int(item->itemID), height);
  item->itemHeight = UINT(std::max(height, 1));
  Message.Result = TRUE;
}

void TCustomComboBox::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CN_COMMAND: CNCommand(Message); return;
    case CN_DRAWITEM: CNDrawItem(Message); return;
    case CN_MEASUREITEM: CNMeasureItem(Message); return;
    default: TWinControl::Dispatch(Message); return;
  }
}
