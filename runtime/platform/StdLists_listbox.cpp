// The list box: the system LISTBOX under the runtime class name, its items
// kept in the object, owner drawing and measuring through the reflected
// notifications, virtual styles answered by OnData, and type-ahead search.
#include <algorithm>

#include "StdCtrls.h"

namespace {
const TListItemMessages ListBoxMessages{LB_INSERTSTRING, LB_DELETESTRING, LB_RESETCONTENT, LB_SETITEMDATA,
                                        LB_INITSTORAGE,  LB_ERR,          LB_ERRSPACE};
}  // namespace

TCustomListBox::TCustomListBox(TComponent* AOwner) : TWinControl(AOwner) {
  FControlStyle = TControlStyle{csSetCaption, csDoubleClicks, csOpaque};
  SetBounds(0, 0, 121, 97);
  SetTabStop(true);
  SetParentColor(false);
  FItems = new TListControlItems(this, ListBoxMessages);
  FCanvas = new TControlCanvas();
  FCanvas->SetControl(this);
}

TCustomListBox::~TCustomListBox() {
  Destroying();
  // The window goes first: the items and canvas must outlive its last messages.
  if (HandleAllocated()) DestroyWindowHandle();
  delete FCanvas;
  delete FItems;
}

// --- Window ------------------------------------------------------------------------------
void TCustomListBox::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  CreateSubClass(Params, L"LISTBOX");
  Params.Style |= WS_VSCROLL | LBS_NOTIFY;
  switch (FStyle) {
    case lbStandard: Params.Style |= LBS_HASSTRINGS; break;
    case lbOwnerDrawFixed: Params.Style |= LBS_HASSTRINGS | LBS_OWNERDRAWFIXED; break;
    case lbOwnerDrawVariable: Params.Style |= LBS_HASSTRINGS | LBS_OWNERDRAWVARIABLE; break;
    case lbVirtual:
    case lbVirtualOwnerDraw: Params.Style |= LBS_OWNERDRAWFIXED | LBS_NODATA; break;
  }
  if (FMultiSelect) Params.Style |= FExtendedSelect ? LBS_EXTENDEDSEL : LBS_MULTIPLESEL;
  if (FColumns > 0) Params.Style |= LBS_MULTICOLUMN | WS_HSCROLL;
  if (!FIntegralHeight) Params.Style |= LBS_NOINTEGRALHEIGHT;
  AddSingleBorder(Params, FBorderStyle == bsSingle);
  Params.WindowClass.style &= ~(CS_HREDRAW | CS_VREDRAW);
}

void TCustomListBox::CreateWnd() {
  TWinControl::CreateWnd();
  // The fixed owner-drawn height is asked for during creation, before the
  // window has the id its parent finds it by: set it now.
  if (FStyle != lbStandard && FStyle != lbOwnerDrawVariable) SendMessageW(FHandle, LB_SETITEMHEIGHT, 0, FItemHeight);
  ResetColumnWidth();
  if (IsVirtualStyle()) {
    SendMessageW(FHandle, LB_SETCOUNT, WPARAM(FCount), 0);
  } else {
    FItems->FillWindow(FHandle);
  }
  if (FMultiSelect) {
    for (int i : FSelection) SendMessageW(FHandle, LB_SETSEL, TRUE, i);
    if (FItemIndex >= 0) SendMessageW(FHandle, LB_SETCARETINDEX, WPARAM(FItemIndex), FALSE);
  } else if (FItemIndex >= 0) {
    SendMessageW(FHandle, LB_SETCURSEL, WPARAM(FItemIndex), 0);
  }
  SendMessageW(FHandle, LB_SETTOPINDEX, WPARAM(FTopIndex), 0);
  FSelection.clear();
}

void TCustomListBox::DestroyWnd() {
  // Selection and scroll position come back with the next window.
  FItemIndex = int(SendMessageW(FHandle, FMultiSelect ? LB_GETCARETINDEX : LB_GETCURSEL, 0, 0));
  if (FMultiSelect && FItemIndex >= 0 && StoredCount() == 0) FItemIndex = -1;
  FTopIndex = std::max(0, int(SendMessageW(FHandle, LB_GETTOPINDEX, 0, 0)));
  FSelection.clear();
  if (FMultiSelect) {
    const int n = int(SendMessageW(FHandle, LB_GETSELCOUNT, 0, 0));
    if (n > 0) {
      std::vector<int> sel(size_t(n), 0);
      const int got = int(SendMessageW(FHandle, LB_GETSELITEMS, WPARAM(n), reinterpret_cast<LPARAM>(sel.data())));
      sel.resize(size_t(std::clamp(got, 0, n)));
      FSelection = sel;
    }
  }
  TWinControl::DestroyWnd();
}

int TCustomListBox::StoredCount() { return FItems->Count(); }

void TCustomListBox::ResetColumnWidth() {
  if (HandleAllocated() && FColumns > 0) SendMessageW(FHandle, LB_SETCOLUMNWIDTH, WPARAM(std::max(1, Width() / FColumns)), 0);
}

// --- Stored selection while there is no window -------------------------------------------
void TCustomListBox::StoredItemInserted(int Index) {
  if (ComponentState().Contains(csLoading)) return;  // the stored index is checked in Loaded
  if (FItemIndex >= Index) ++FItemIndex;
  for (int& i : FSelection)
    if (i >= Index) ++i;
}

void TCustomListBox::StoredItemDeleted(int Index) {
  if (ComponentState().Contains(csLoading)) return;  // the stored index is checked in Loaded
  if (FItemIndex == Index)
    FItemIndex = -1;
  else if (FItemIndex > Index)
    --FItemIndex;
  std::erase(FSelection, Index);
  for (int& i : FSelection)
    if (i > Index) --i;
}

void TCustomListBox::StoredItemsCleared() {
  if (ComponentState().Contains(csLoading)) return;  // the stored index is checked in Loaded
  FItemIndex = -1;
  FTopIndex = 0;
  FSelection.clear();
}

void TCustomListBox::Loaded() {
  if (FItemIndex < -1 || FItemIndex >= Count()) FItemIndex = -1;
  TWinControl::Loaded();
  if (HandleAllocated() && FItemIndex >= 0) SetItemIndex(FItemIndex);
}

// --- Properties ---------------------------------------------------------------------------
int TCustomListBox::ItemIndex() {
  if (!HandleAllocated()) return FItemIndex;
  if (FMultiSelect) {
    // The caret sits on item 0 of any list that is not empty; with nothing
    // there, there is no current item.
    if (Count() == 0) return -1;
    return int(SendMessageW(FHandle, LB_GETCARETINDEX, 0, 0));
  }
  return int(SendMessageW(FHandle, LB_GETCURSEL, 0, 0));
}

void TCustomListBox::SetItemIndex(int Value) {
  // A form stores the index before the items: it is checked once all is read.
  if (ComponentState().Contains(csLoading)) {
    FItemIndex = Value;
    return;
  }
  if (Value < -1 || Value >= Count()) Value = -1;
  if (!HandleAllocated()) {
    FItemIndex = Value;
    return;
  }
  if (ItemIndex() == Value) return;
  if (FMultiSelect)
    SendMessageW(FHandle, LB_SETCARETINDEX, WPARAM(Value), FALSE);
  else
    SendMessageW(FHandle, LB_SETCURSEL, WPARAM(Value), 0);
}

bool TCustomListBox::Selected(int Index) {
  if (Index < 0 || Index >= Count()) FItems->Strings(Index);  // raises the index error
  if (!HandleAllocated()) {
    if (FMultiSelect) return std::find(FSelection.begin(), FSelection.end(), Index) != FSelection.end();
    return FItemIndex == Index;
  }
  return SendMessageW(FHandle, LB_GETSEL, WPARAM(Index), 0) > 0;
}

void TCustomListBox::SetSelected(int Index, bool Value) {
  if (Index < 0 || Index >= Count()) FItems->Strings(Index);
  if (!HandleAllocated()) {
    if (FMultiSelect) {
      std::erase(FSelection, Index);
      if (Value) FSelection.push_back(Index);
    } else if (Value) {
      FItemIndex = Index;
    } else if (FItemIndex == Index) {
      FItemIndex = -1;
    }
    return;
  }
  if (FMultiSelect) {
    SendMessageW(FHandle, LB_SETSEL, Value ? TRUE : FALSE, LPARAM(Index));
  } else if (Value) {
    SendMessageW(FHandle, LB_SETCURSEL, WPARAM(Index), 0);
  } else if (ItemIndex() == Index) {
    SendMessageW(FHandle, LB_SETCURSEL, WPARAM(-1), 0);
  }
}

// A single-select list counts its one selected item (the system answers an error there).
int TCustomListBox::SelCount() {
  if (!FMultiSelect) return ItemIndex() >= 0 ? 1 : 0;
  if (!HandleAllocated()) return int(FSelection.size());
  return int(SendMessageW(FHandle, LB_GETSELCOUNT, 0, 0));
}

void TCustomListBox::SetMultiSelect(bool Value) {
  if (FMultiSelect == Value) return;
  FMultiSelect = Value;
  RecreateWnd();
}

void TCustomListBox::SetExtendedSelect(bool Value) {
  if (FExtendedSelect == Value) return;
  FExtendedSelect = Value;
  RecreateWnd();
}

void TCustomListBox::SetSorted(bool Value) {
  if (FSorted == Value) return;
  FSorted = Value;
  if (Value && !IsVirtualStyle()) {
    FItemIndex = -1;
    FSelection.clear();
    FItems->Sort();
  }
}

void TCustomListBox::SetStyle(TListBoxStyle Value) {
  if (FStyle == Value) return;
  if (IsVirtualStyle() != (Value == lbVirtual || Value == lbVirtualOwnerDraw)) {
    // Stored strings and a virtual count do not mix.
    FItems->Clear();
    FCount = 0;
    StoredItemsCleared();
  }
  FStyle = Value;
  RecreateWnd();
}

int TCustomListBox::ItemHeight() {
  if (HandleAllocated() && FStyle == lbStandard) return int(SendMessageW(FHandle, LB_GETITEMHEIGHT, 0, 0));
  return FItemHeight;
}

void TCustomListBox::SetItemHeight(int Value) {
  if (Value <= 0 || FItemHeight == Value) return;
  FItemHeight = Value;
  if (HandleAllocated() && FStyle != lbStandard) RecreateWnd();
}

void TCustomListBox::SetColumns(int Value) {
  Value = std::max(Value, 0);
  if (FColumns == Value) return;
  // Going to or from several columns changes the window's style.
  if ((FColumns == 0) != (Value == 0)) {
    FColumns = Value;
    RecreateWnd();
  } else {
    FColumns = Value;
    ResetColumnWidth();
  }
}

int TCustomListBox::TopIndex() {
  if (!HandleAllocated()) return FTopIndex;
  return int(SendMessageW(FHandle, LB_GETTOPINDEX, 0, 0));
}

void TCustomListBox::SetTopIndex(int Value) {
  Value = std::max(Value, 0);
  if (!HandleAllocated()) {
    FTopIndex = Value;
    return;
  }
  if (TopIndex() != Value) SendMessageW(FHandle, LB_SETTOPINDEX, WPARAM(Value), 0);
}

void TCustomListBox::SetIntegralHeight(bool Value) {
  if (FIntegralHeight == Value) return;
  FIntegralHeight = Value;
  RecreateWnd();
}

void TCustomListBox::SetBorderStyle(TBorderStyle Value) {
  if (Value != bsNone) Value = bsSingle;
  if (FBorderStyle == Value) return;
  FBorderStyle = Value;
  RecreateWnd();
}

int TCustomListBox::Count() { return FItems->Count(); }

void TCustomListBox::SetCount(int Value) {
  if (!IsVirtualStyle()) throw EListError(L"Count is set only on a virtual list; add to Items instead");
  Value = std::max(Value, 0);
  if (FCount == Value) return;
  FCount = Value;
  if (HandleAllocated()) {
    SendMessageW(FHandle, LB_SETCOUNT, WPARAM(Value), 0);
  } else {
    if (FItemIndex >= Value) FItemIndex = -1;
    std::erase_if(FSelection, [Value](int i) { return i >= Value; });
  }
}

// --- Operations -----------------------------------------------------------------------------
int TCustomListBox::ItemAtPos(const TPoint& Pos, bool Existing) {
  const int n = Count();
  if (n > 0 && HandleAllocated()) {
    for (int i = std::max(0, TopIndex()); i < n; ++i) {
      RECT r{};
      if (SendMessageW(FHandle, LB_GETITEMRECT, WPARAM(i), reinterpret_cast<LPARAM>(&r)) == LB_ERR) break;
      const POINT p{Pos.X, Pos.Y};
      if (PtInRect(&r, p)) return i;
      // Items below the client area cannot be under a point inside it.
      if (FColumns == 0 && r.top > ClientHeight()) break;
    }
  }
  return Existing ? -1 : n;
}

TRect TCustomListBox::ItemRect(int Index) {
  const int n = Count();
  if (!HandleAllocated() || Index < 0 || Index > n) return TRect{};
  RECT r{};
  if (Index < n || Index == 0) {
    SendMessageW(FHandle, LB_GETITEMRECT, WPARAM(Index), reinterpret_cast<LPARAM>(&r));
    if (Index == 0 && n == 0) r.bottom = r.top + ItemHeight();
  } else {
    SendMessageW(FHandle, LB_GETITEMRECT, WPARAM(n - 1), reinterpret_cast<LPARAM>(&r));
    const int h = r.bottom - r.top;
    OffsetRect(&r, 0, h);
  }
  return TRect{r.left, r.top, r.right, r.bottom};
}

void TCustomListBox::Clear() {
  if (IsVirtualStyle())
    SetCount(0);
  else
    FItems->Clear();
}

void TCustomListBox::ClearSelection() {
  if (!FMultiSelect) {
    SetItemIndex(-1);
    return;
  }
  if (HandleAllocated())
    SendMessageW(FHandle, LB_SETSEL, FALSE, -1);
  else
    FSelection.clear();
}

void TCustomListBox::SelectAll() {
  if (!FMultiSelect) return;
  if (HandleAllocated()) {
    SendMessageW(FHandle, LB_SETSEL, TRUE, -1);
  } else {
    FSelection.clear();
    for (int i = 0; i < Count(); ++i) FSelection.push_back(i);
  }
}

void TCustomListBox::DeleteSelected() {
  if (IsVirtualStyle()) return;
  FItems->BeginUpdate();
  try {
    for (int i = Count() - 1; i >= 0; --i)
      if (Selected(i)) FItems->Delete(i);
  } catch (...) {
    FItems->EndUpdate();
    throw;
  }
  FItems->EndUpdate();
}

// --- Virtual data ---------------------------------------------------------------------------
String TCustomListBox::DoGetData(int Index) {
  String s;
  if (OnData) OnData(this, Index, s);
  return s;
}

TObject* TCustomListBox::DoGetDataObject(int Index) {
  TObject* obj = nullptr;
  if (OnDataObject) OnDataObject(this, Index, obj);
  return obj;
}

int TCustomListBox::DoFindData(const String& Data) {
  if (OnDataFind) return OnDataFind(this, Data);
  return -1;
}

// --- Keys -----------------------------------------------------------------------------------
// With AutoComplete, typed characters build a prefix (until a pause of
// AutoCompleteDelay) and the first item starting with it becomes current; the
// system's own one-letter search then gets nothing.
void TCustomListBox::KeyPress(wchar_t& Key) {
  TWinControl::KeyPress(Key);
  if (!FAutoComplete || Key == 0) return;
  // Enter, Esc and other control characters are not search text.
  if (!FTyped.Add(Key, FAutoCompleteDelay)) return;
  const String& typed = FTyped.Text();
  if (typed.empty()) {
    SetItemIndex(0);
    Click();
    return;
  }
  const int index = IsVirtualStyle() ? DoFindData(typed) : FItems->FindPrefix(typed);
  if (index >= 0 && index < Count()) {
    if (FMultiSelect) {
      ClearSelection();
      SetSelected(index, true);
    }
    SetItemIndex(index);
    Click();
  }
  Key = 0;
}

// --- Notifications ----------------------------------------------------------------------------
void TCustomListBox::CNCommand(TMessage& Message) {
  switch (HIWORD(Message.WParam)) {
    case LBN_SELCHANGE: Click(); break;
    case LBN_DBLCLK: DblClick(); break;
  }
}

void TCustomListBox::DrawItem(int Index, const TRect& Rect, TOwnerDrawState State) {
  if (OnDrawItem) {
    OnDrawItem(this, Index, Rect, State);
    return;
  }
  if (Index < Count()) vamire_stdlists::DrawItemText(FCanvas, Rect, FItems->Strings(Index));
}

void TCustomListBox::CNDrawItem(TMessage& Message) {
  const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(Message.LParam);
  vamire_stdlists::DrawOwnerItem(this, FCanvas, *item, [this](int Index, const TRect& Rect, TOwnerDrawState State) {
    DrawItem(Index, Rect, State);
  });
  Message.Result = TRUE;
}

void TCustomListBox::MeasureItem(int Index, int& Height) {
  if (OnMeasureItem) OnMeasureItem(this, Index, Height);
}

void TCustomListBox::CNMeasureItem(TMessage& Message) {
  auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(Message.LParam);
  int height = FItemHeight;
  if (FStyle == lbOwnerDrawVariable) MeasureItem(int(item->itemID), height);
  item->itemHeight = UINT(std::max(height, 1));
  Message.Result = TRUE;
}

void TCustomListBox::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CN_COMMAND: CNCommand(Message); return;
    case CN_DRAWITEM: CNDrawItem(Message); return;
    case CN_MEASUREITEM: CNMeasureItem(Message); return;
    case WM_SIZE:
      TWinControl::Dispatch(Message);
      ResetColumnWidth();
      return;
    default: TWinControl::Dispatch(Message); return;
  }
}
