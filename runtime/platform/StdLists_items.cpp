// The items of list and combo boxes. The stored list is the truth; the window,
// when there is one, gets the same change at the same position, so indexes in
// notifications and in the object always agree. Sorting is done here (the
// system's sorted styles are not used) for that reason.
#include <algorithm>

#include "StdCtrls.h"

namespace {
// The order the system's sorted lists use: by the user's locale, ignoring case.
int CompareItems(const String& A, const String& B) {
  const int r = CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, A.c_str(), int(A.size()), B.c_str(),
                               int(B.size()));
  return r - CSTR_EQUAL;
}

const TResStringRec SVirtualListItems{L"SVirtualListItems", L"A virtual list has no items of its own; set Count and answer OnData"};
const TResStringRec SListInsertFailed{L"SListInsertFailed", L"The list window refused the item (%d)"};
}  // namespace

void TListControlItems::CheckIndex(int Index, bool AllowEnd) const {
  const int n = int(FItems.size());
  if (Index < 0 || Index > n || (Index == n && !AllowEnd)) Error(&SListIndexError, Index);
}

void TListControlItems::CheckNotVirtual() const {
  if (FHost->ItemsVirtual()) throw EListError(LoadResString(&SVirtualListItems));
}

int TListControlItems::Count() const { return FHost->ItemsVirtual() ? FHost->VirtualCount() : int(FItems.size()); }

String TListControlItems::Strings(int Index) const {
  if (FHost->ItemsVirtual()) {
    if (Index < 0 || Index >= FHost->VirtualCount()) Error(&SListIndexError, Index);
    return FHost->VirtualString(Index);
  }
  CheckIndex(Index, false);
  return FItems[size_t(Index)].S;
}

TObject* TListControlItems::Objects(int Index) const {
  if (FHost->ItemsVirtual()) {
    if (Index < 0 || Index >= FHost->VirtualCount()) Error(&SListIndexError, Index);
    return FHost->VirtualObject(Index);
  }
  CheckIndex(Index, false);
  return FItems[size_t(Index)].Obj;
}

void TListControlItems::SetStrings(int Index, const String& S) {
  CheckNotVirtual();
  CheckIndex(Index, false);
  TObject* obj = FItems[size_t(Index)].Obj;
  // Replacing keeps the position, also in a sorted list (as the system's replace does).
  Delete(Index);
  InsertObject(Index, S, obj);
}

void TListControlItems::SetObjects(int Index, TObject* AObject) {
  CheckNotVirtual();
  CheckIndex(Index, false);
  FItems[size_t(Index)].Obj = AObject;
  if (HWND w = FHost->ItemsWindow())
    SendMessageW(w, FMsgs.SetItemData, WPARAM(Index), reinterpret_cast<LPARAM>(AObject));
}

void TListControlItems::WindowInsert(HWND Window, int Index, const TItem& Item) {
  const LRESULT r = SendMessageW(Window, FMsgs.InsertString, WPARAM(Index), reinterpret_cast<LPARAM>(Item.S.c_str()));
  if (r == FMsgs.Err || r == FMsgs.ErrSpace) {
    FItems.erase(FItems.begin() + Index);
    throw EListError(vamire_detail::FormatRes(&SListInsertFailed, {std::to_wstring(Index)}));
  }
  if (Item.Obj) SendMessageW(Window, FMsgs.SetItemData, WPARAM(Index), reinterpret_cast<LPARAM>(Item.Obj));
}

void TListControlItems::Insert(int Index, const String& S) { InsertObject(Index, S, nullptr); }

void TListControlItems::InsertObject(int Index, const String& S, TObject* AObject) {
  CheckNotVirtual();
  CheckIndex(Index, true);
  FItems.insert(FItems.begin() + Index, TItem{S, AObject});
  if (HWND w = FHost->ItemsWindow())
    WindowInsert(w, Index, FItems[size_t(Index)]);
  else
    FHost->StoredItemInserted(Index);
}

int TListControlItems::SortedPosition(const String& S) const {
  // After equal items, so equal strings keep the order they came in.
  auto it = std::upper_bound(FItems.begin(), FItems.end(), S,
                             [](const String& a, const TItem& b) { return CompareItems(a, b.S) < 0; });
  return int(it - FItems.begin());
}

int TListControlItems::Add(const String& S) { return AddObject(S, nullptr); }

int TListControlItems::AddObject(const String& S, TObject* AObject) {
  CheckNotVirtual();
  const int index = FHost->ItemsSorted() ? SortedPosition(S) : int(FItems.size());
  InsertObject(index, S, AObject);
  return index;
}

void TListControlItems::Delete(int Index) {
  CheckNotVirtual();
  CheckIndex(Index, false);
  FItems.erase(FItems.begin() + Index);
  if (HWND w = FHost->ItemsWindow())
    SendMessageW(w, FMsgs.DeleteString, WPARAM(Index), 0);
  else
    FHost->StoredItemDeleted(Index);
}

void TListControlItems::Clear() {
  if (FHost->ItemsVirtual()) return;
  FItems.clear();
  if (HWND w = FHost->ItemsWindow())
    SendMessageW(w, FMsgs.ResetContent, 0, 0);
  else
    FHost->StoredItemsCleared();
}

void TListControlItems::Exchange(int Index1, int Index2) {
  CheckNotVirtual();
  CheckIndex(Index1, false);
  CheckIndex(Index2, false);
  if (Index1 == Index2) return;
  const TItem a = FItems[size_t(Index1)], b = FItems[size_t(Index2)];
  BeginUpdate();
  try {
    Delete(Index1);
    InsertObject(Index1, b.S, b.Obj);
    Delete(Index2);
    InsertObject(Index2, a.S, a.Obj);
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

void TListControlItems::Move(int CurIndex, int NewIndex) {
  CheckNotVirtual();
  CheckIndex(CurIndex, false);
  CheckIndex(NewIndex, false);
  if (CurIndex == NewIndex) return;
  const TItem item = FItems[size_t(CurIndex)];
  BeginUpdate();
  try {
    Delete(CurIndex);
    InsertObject(NewIndex, item.S, item.Obj);
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

int TListControlItems::IndexOf(const String& S) const {
  const int n = Count();
  for (int i = 0; i < n; ++i)
    if (CompareItems(Strings(i), S) == 0) return i;
  return -1;
}

int TListControlItems::FindPrefix(const String& Prefix, int Start) const {
  const int n = Count();
  for (int i = std::max(Start, 0); i < n; ++i) {
    const String s = Strings(i);
    if (s.size() >= Prefix.size() && CompareItems(s.substr(0, Prefix.size()), Prefix) == 0) return i;
  }
  return -1;
}

void TListControlItems::Sort() {
  if (FHost->ItemsVirtual()) return;
  std::stable_sort(FItems.begin(), FItems.end(),
                   [](const TItem& a, const TItem& b) { return CompareItems(a.S, b.S) < 0; });
  if (HWND w = FHost->ItemsWindow()) FillWindow(w);
}

void TListControlItems::FillWindow(HWND Window) {
  SendMessageW(Window, FMsgs.ResetContent, 0, 0);
  if (FHost->ItemsVirtual()) return;
  if (FMsgs.InitStorage) {
    size_t chars = 0;
    for (const TItem& item : FItems) chars += item.S.size() + 1;
    SendMessageW(Window, FMsgs.InitStorage, WPARAM(FItems.size()), LPARAM(chars * sizeof(wchar_t)));
  }
  for (int i = 0; i < int(FItems.size()); ++i) WindowInsert(Window, i, FItems[size_t(i)]);
}

// Many changes in a row are drawn once, at the end.
void TListControlItems::SetUpdateState(bool Updating) {
  HWND w = FHost->ItemsWindow();
  if (!w) return;
  SendMessageW(w, WM_SETREDRAW, Updating ? FALSE : TRUE, 0);
  if (!Updating) InvalidateRect(w, nullptr, TRUE);
}

namespace vamire_stdlists {
void DrawOwnerItem(TWinControl* Control, TControlCanvas* Canvas, const DRAWITEMSTRUCT& Item,
                   const std::function<void(int, const TRect&, TOwnerDrawState)>& Draw) {
  TOwnerDrawState state = OwnerDrawStateFromODS(Item.itemState);
  const TRect rect{Item.rcItem.left, Item.rcItem.top, Item.rcItem.right, Item.rcItem.bottom};
  const int saved = SaveDC(Item.hDC);
  Canvas->Lock();
  Canvas->FreeHandle();
  Canvas->SetHandle(Item.hDC);
  try {
    Canvas->Font()->Assign(Control->Font());
    Canvas->Brush()->Assign(Control->Brush());
    const int index = int(Item.itemID);
    if (index >= 0 && state.Contains(odSelected)) {
      Canvas->Brush()->SetColor(clHighlight);
      Canvas->Font()->SetColor(clHighlightText);
    }
    if (index >= 0)
      Draw(index, rect, state);
    else
      Canvas->FillRect(rect);
    if (state.Contains(odFocused) && !state.Contains(odNoFocusRect)) DrawFocusRect(Item.hDC, &Item.rcItem);
  } catch (...) {
    Canvas->SetHandle(nullptr);
    Canvas->Unlock();
    RestoreDC(Item.hDC, saved);
    throw;
  }
  Canvas->SetHandle(nullptr);
  Canvas->Unlock();
  RestoreDC(Item.hDC, saved);
}

void DrawItemText(TCanvas* Canvas, const TRect& Rect, const String& Text) {
  Canvas->FillRect(Rect);
  Canvas->TextOut(Rect.Left + 2, Rect.Top, Text);
}

bool TTypedPrefix::Add(wchar_t Key, unsigned Delay) {
  const DWORD now = GetTickCount();
  if (now - FLastTime >= Delay) FText.clear();
  FLastTime = now;
  if (Key == VK_BACK) {
    if (!FText.empty()) FText.pop_back();
    return true;
  }
  if (Key < L' ') return false;
  FText += Key;
  return true;
}
}  // namespace vamire_stdlists
