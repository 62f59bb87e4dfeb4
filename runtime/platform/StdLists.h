// The runtime's list and combo boxes: TCustomListBox/TListBox over the system
// LISTBOX class and TCustomComboBox/TComboBox over COMBOBOX. Their items live
// in the object (strings and objects), so they can be filled before the window
// exists and come back whole when it is made again; the window mirrors them.
// StdCtrls.h includes this header at its end (TEditCharCase comes from there):
// include StdCtrls.h, not this one.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

#include "Classes.h"
#include "Controls.h"
#include "Forms.h"  // TBorderStyle
#include "Menus.h"  // TOwnerDrawState
#include "Units.h"

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };
VAMIRE_ENUM_NAMES(TComboBoxStyle, L"csDropDown", L"csSimple", L"csDropDownList", L"csOwnerDrawFixed",
                  L"csOwnerDrawVariable")

enum TListBoxStyle { lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable, lbVirtual, lbVirtualOwnerDraw };
VAMIRE_ENUM_NAMES(TListBoxStyle, L"lbStandard", L"lbOwnerDrawFixed", L"lbOwnerDrawVariable", L"lbVirtual",
                  L"lbVirtualOwnerDraw")

using TDrawItemEvent = TMethod<void(TWinControl* Control, int Index, TRect Rect, TOwnerDrawState State)>;
using TMeasureItemEvent = TMethod<void(TWinControl* Control, int Index, int& Height)>;
using TLBGetDataEvent = TMethod<void(TWinControl* Control, int Index, String& Data)>;
using TLBGetDataObjectEvent = TMethod<void(TWinControl* Control, int Index, TObject*& DataObject)>;
using TLBFindDataEvent = TMethod<int(TWinControl* Control, String FindString)>;

// What a list or combo box tells its items about itself.
class TListItemsHost {
 public:
  virtual ~TListItemsHost() = default;
  // The window mirroring the items, or null while there is none.
  virtual HWND ItemsWindow() = 0;
  virtual bool ItemsSorted() = 0;
  // Virtual lists hold no strings: the host answers them.
  virtual bool ItemsVirtual() { return false; }
  virtual int VirtualCount() { return 0; }
  virtual String VirtualString(int /*Index*/) { return String(); }
  virtual TObject* VirtualObject(int /*Index*/) { return nullptr; }
  // Told while there is no window, so stored selections follow the items.
  virtual void StoredItemInserted(int /*Index*/) {}
  virtual void StoredItemDeleted(int /*Index*/) {}
  virtual void StoredItemsCleared() {}
};

// The system messages one kind of box understands for its items.
struct TListItemMessages {
  UINT InsertString, DeleteString, ResetContent, SetItemData, InitStorage;
  LRESULT Err, ErrSpace;
};

// The items of a list or combo box: kept here, mirrored into the window.
class TListControlItems : public TStrings {
  VAMIRE_CLASS(TListControlItems, TStrings)
 public:
  TListControlItems(TListItemsHost* Host, const TListItemMessages& Messages) : FHost(Host), FMsgs(Messages) {}

  int Count() const override;
  String Strings(int Index) const override;
  void SetStrings(int Index, const String& S) override;
  TObject* Objects(int Index) const override;
  void SetObjects(int Index, TObject* AObject) override;
  void Insert(int Index, const String& S) override;
  void InsertObject(int Index, const String& S, TObject* AObject) override;
  int Add(const String& S) override;
  int AddObject(const String& S, TObject* AObject) override;
  void Delete(int Index) override;
  void Clear() override;
  void Exchange(int Index1, int Index2) override;
  void Move(int CurIndex, int NewIndex) override;
  int IndexOf(const String& S) const override;

  // The first item from Start on that begins with Prefix, ignoring case; -1 when none.
  int FindPrefix(const String& Prefix, int Start = 0) const;
  // Sorts the stored items (after Sorted was turned on).
  void Sort();
  // Puts every item into the window (a new window, or after a sort).
  void FillWindow(HWND Window);

 protected:
  void SetUpdateState(bool Updating) override;

 private:
  struct TItem {
    String S;
    TObject* Obj;
  };
  void CheckIndex(int Index, bool AllowEnd) const;
  void CheckNotVirtual() const;
  int SortedPosition(const String& S) const;
  void WindowInsert(HWND Window, int Index, const TItem& Item);

  TListItemsHost* FHost;
  TListItemMessages FMsgs;
  std::vector<TItem> FItems;
};

namespace vamire_stdlists {
// Draws one owner-drawn item of a list or combo box: Canvas gets the item's
// DC, the control's font and colours (the highlight ones for a selected item),
// then Draw runs; a slot without an item is only filled; the focus rectangle last.
void DrawOwnerItem(TWinControl* Control, TControlCanvas* Canvas, const DRAWITEMSTRUCT& Item,
                   const std::function<void(int, const TRect&, TOwnerDrawState)>& Draw);
// The default look of an item: its rectangle filled, its text at the left.
void DrawItemText(TCanvas* Canvas, const TRect& Rect, const String& Text);

// The text typed for a search among the items; it starts again after a
// typing pause of Delay milliseconds.
class TTypedPrefix {
 public:
  // Backspace takes the last character off; other control characters are no
  // search text (false, nothing changes but the pause count).
  bool Add(wchar_t Key, unsigned Delay);
  const String& Text() const { return FText; }

 private:
  String FText;
  DWORD FLastTime = 0;
};
}  // namespace vamire_stdlists

// --- List box ------------------------------------------------------------------------
class TCustomListBox : public TWinControl, public TListItemsHost {
  VAMIRE_CLASS(TCustomListBox, TWinControl)
 public:
  explicit TCustomListBox(TComponent* AOwner);
  ~TCustomListBox() override;

  TStrings* Items() const { return FItems; }
  void SetItems(TStrings* Value) { FItems->Assign(Value); }
  // The focused item (the caret in a multi-select list); -1 when none.
  int ItemIndex();
  virtual void SetItemIndex(int Value);
  bool MultiSelect() const { return FMultiSelect; }
  void SetMultiSelect(bool Value);
  bool ExtendedSelect() const { return FExtendedSelect; }
  void SetExtendedSelect(bool Value);
  bool Selected(int Index);
  void SetSelected(int Index, bool Value);
  int SelCount();
  bool Sorted() const { return FSorted; }
  void SetSorted(bool Value);
  TListBoxStyle Style() const { return FStyle; }
  void SetStyle(TListBoxStyle Value);
  int ItemHeight();
  void SetItemHeight(int Value);
  int Columns() const { return FColumns; }
  void SetColumns(int Value);
  int TopIndex();
  void SetTopIndex(int Value);
  bool IntegralHeight() const { return FIntegralHeight; }
  void SetIntegralHeight(bool Value);
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value);
  bool AutoComplete() const { return FAutoComplete; }
  void SetAutoComplete(bool Value) { FAutoComplete = Value; }
  // Milliseconds of typing pause after which the typed prefix starts again.
  unsigned AutoCompleteDelay() const { return FAutoCompleteDelay; }
  void SetAutoCompleteDelay(unsigned Value) { FAutoCompleteDelay = Value; }
  // The number of items; for the virtual styles it is set here.
  int Count();
  void SetCount(int Value);
  TCanvas* Canvas() const { return FCanvas; }

  // The item under Pos (client coordinates). When no item is there: -1 if
  // Existing, else the count of items (the place after the last one).
  int ItemAtPos(const TPoint& Pos, bool Existing);
  // An item's rectangle; Index equal to the count gives the slot after the last.
  TRect ItemRect(int Index);
  void Clear();
  void ClearSelection();
  void SelectAll();
  void DeleteSelected();

  TDrawItemEvent OnDrawItem;
  TMeasureItemEvent OnMeasureItem;
  TLBGetDataEvent OnData;
  TLBGetDataObjectEvent OnDataObject;
  TLBFindDataEvent OnDataFind;

  // TListItemsHost
  HWND ItemsWindow() override { return HandleAllocated() ? FHandle : nullptr; }
  bool ItemsSorted() override { return FSorted && !IsVirtualStyle(); }
  bool ItemsVirtual() override { return IsVirtualStyle(); }
  int VirtualCount() override { return FCount; }
  String VirtualString(int Index) override { return DoGetData(Index); }
  TObject* VirtualObject(int Index) override { return DoGetDataObject(Index); }
  void StoredItemInserted(int Index) override;
  void StoredItemDeleted(int Index) override;
  void StoredItemsCleared() override;

  void Loaded() override;
  void Dispatch(TMessage& Message) override;

 protected:
  bool IsVirtualStyle() const { return FStyle == lbVirtual || FStyle == lbVirtualOwnerDraw; }
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void KeyPress(wchar_t& Key) override;
  // Draws one item on Canvas (OnDrawItem, or the item's text).
  virtual void DrawItem(int Index, const TRect& Rect, TOwnerDrawState State);
  // The height of one item of a variable-height list.
  virtual void MeasureItem(int Index, int& Height);
  virtual String DoGetData(int Index);
  virtual TObject* DoGetDataObject(int Index);
  virtual int DoFindData(const String& Data);
  void CNCommand(TMessage& Message);
  void CNDrawItem(TMessage& Message);
  void CNMeasureItem(TMessage& Message);

 private:
  void ResetColumnWidth();
  int StoredCount();

  TListControlItems* FItems;
  TControlCanvas* FCanvas;
  TListBoxStyle FStyle = lbStandard;
  TBorderStyle FBorderStyle = bsSingle;
  bool FMultiSelect = false;
  bool FExtendedSelect = true;
  bool FSorted = false;
  bool FIntegralHeight = false;
  bool FAutoComplete = true;
  unsigned FAutoCompleteDelay = 500;
  int FItemHeight = 16;
  int FColumns = 0;
  int FCount = 0;  // virtual styles
  // Kept while there is no window.
  int FItemIndex = -1;
  int FTopIndex = 0;
  std::vector<int> FSelection;  // selected items of a multi-select list
  vamire_stdlists::TTypedPrefix FTyped;
};

class TListBox : public TCustomListBox {
  VAMIRE_CLASS(TListBox, TCustomListBox)
 public:
  using TCustomListBox::TCustomListBox;
};

// --- Combo box -----------------------------------------------------------------------
class TCustomComboBox : public TWinControl, public TListItemsHost {
  VAMIRE_CLASS(TCustomComboBox, TWinControl)
 public:
  explicit TCustomComboBox(TComponent* AOwner);
  ~TCustomComboBox() override;

  TStrings* Items() const { return FItems; }
  void SetItems(TStrings* Value) { FItems->Assign(Value); }
  // Setting it from code shows the item's text; it runs no event.
  int ItemIndex();
  void SetItemIndex(int Value);
  TComboBoxStyle Style() const { return FStyle; }
  void SetStyle(TComboBoxStyle Value);
  bool Sorted() const { return FSorted; }
  void SetSorted(bool Value);
  int MaxLength() const { return FMaxLength; }
  void SetMaxLength(int Value);
  int DropDownCount() const { return FDropDownCount; }
  void SetDropDownCount(int Value);
  bool DroppedDown();
  void SetDroppedDown(bool Value);
  int ItemHeight();
  void SetItemHeight(int Value);
  TEditCharCase CharCase() const { return FCharCase; }
  void SetCharCase(TEditCharCase Value);
  bool AutoComplete() const { return FAutoComplete; }
  void SetAutoComplete(bool Value) { FAutoComplete = Value; }
  unsigned AutoCompleteDelay() const { return FAutoCompleteDelay; }
  void SetAutoCompleteDelay(unsigned Value) { FAutoCompleteDelay = Value; }
  int SelStart();
  void SetSelStart(int Value);
  int SelLength();
  void SetSelLength(int Value);
  String SelText();
  void SetSelText(const String& Value);
  void SelectAll();
  void Clear();
  TCanvas* Canvas() const { return FCanvas; }
  // The edit window inside a csDropDown or csSimple box (null otherwise).
  HWND EditHandle() const { return FEditHandle; }
  bool Focused() override;

  TNotifyEvent OnChange;
  TNotifyEvent OnSelect;
  TNotifyEvent OnDropDown;
  TNotifyEvent OnCloseUp;
  TDrawItemEvent OnDrawItem;
  TMeasureItemEvent OnMeasureItem;

  // TListItemsHost
  HWND ItemsWindow() override { return HandleAllocated() ? FHandle : nullptr; }
  bool ItemsSorted() override { return FSorted; }
  void StoredItemInserted(int Index) override;
  void StoredItemDeleted(int Index) override;
  void StoredItemsCleared() override;

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  void Loaded() override;
  void Dispatch(TMessage& Message) override;

 protected:
  bool IsListStyle() const { return FStyle != csDropDown && FStyle != csSimple; }
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  String GetText() override;
  void SetTextValue(const String& Value) override;
  void KeyPress(wchar_t& Key) override;
  virtual void Change();
  virtual void Select();
  virtual void DropDown();
  virtual void CloseUp();
  virtual void DrawItem(int Index, const TRect& Rect, TOwnerDrawState State);
  virtual void MeasureItem(int Index, int& Height);
  void CNCommand(TMessage& Message);
  void CNDrawItem(TMessage& Message);
  void CNMeasureItem(TMessage& Message);
  // The edit window's messages: keys go through the control's key events first.
  virtual void EditWndProc(TMessage& Message);

 private:
  friend LRESULT CALLBACK ComboEditProc(HWND, UINT, WPARAM, LPARAM);
  void AdjustDropDown();
  void AttachEdit();
  void DetachEdit();
  void GetSel(int& Start, int& End);
  void SetSel(int Start, int End);
  LRESULT CallEditProc(UINT Msg, WPARAM WParam, LPARAM LParam);

  TListControlItems* FItems;
  TControlCanvas* FCanvas;
  TComboBoxStyle FStyle = csDropDown;
  TEditCharCase FCharCase = ecNormal;
  bool FSorted = false;
  bool FAutoComplete = true;
  unsigned FAutoCompleteDelay = 500;
  int FMaxLength = 0;
  int FDropDownCount = 8;
  int FItemHeight = 16;
  int FItemIndex = -1;  // kept while there is no window
  int FSelStart = 0, FSelLength = 0;
  HWND FEditHandle = nullptr;
  WNDPROC FEditDefProc = nullptr;
  vamire_stdlists::TTypedPrefix FTyped;
};

class TComboBox : public TCustomComboBox {
  VAMIRE_CLASS(TComboBox, TCustomComboBox)
 public:
  using TCustomComboBox::TCustomComboBox;
};

// Registers TListBox and TComboBox for the form reader (D-4).
extern const TUnitEntry StdListsUnit;
