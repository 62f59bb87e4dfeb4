// A text editor's item list: the lookup data object that knows which item is
// current, which row the popup list highlights and how typed text completes
// from the items, and the list control a drop-down editor's popup shows. The
// editor reaches the lookup data only through IcxTextEditLookupData. The
// search and step arithmetic are cxTextEditLookup.h's.
#pragma once

#include <windows.h>

#include "StdCtrls.h"
#include "cxClasses.h"
#include "cxContainer_popup_win.h"
#include "cxTextEditLookup.h"
#include "cxTextEdit_win.h"

class TcxCustomEdit;
class TcxCustomTextEdit;
class TcxCustomEditListBox;

// --- The editor's channel to its lookup data -----------------------------------------------
class IcxTextEditLookupData : public virtual IInterface {
  VAMIRE_INTERFACE(IcxTextEditLookupData, IInterface, "{9D1B6E43-2C7A-4F58-B0E6-57A3C81D4F29}")
 public:
  // The popup may take ASize (within the maxima), possibly corrected.
  virtual bool CanResizeList(TSize& ASize, int AMaxHeight, int AMaxWidth) = 0;
  // The list highlight goes back to the current key (not inside a can-modify query).
  virtual void FinalizePopup() = 0;
  virtual void BeforeEditorDestruction() = 0;
  virtual void InitPopup() = 0;
  virtual void PopupShown(const String& AText) = 0;
  virtual bool ContainsText(const String& AText) = 0;
  virtual TcxCustomEditListBox* GetListControl() = 0;
  // The current key as an integer variant (-1: none).
  virtual Variant ReadKey() = 0;
  // The item text of a key; empty for a key outside the items.
  virtual void GetKeyText(const Variant& AKey, String& AText) = 0;
  virtual TNotifyEvent ReadListEvent() = 0;
  virtual TNotifyEvent ReadKeyChangedEvent() = 0;
  virtual void CalcListSize(int AMaxHeight, int AMaxWidth, TSize& ASize) = 0;
  // One of the cxLookupStep directions, through the list or the current key.
  virtual void StepItem(int ADirection, bool AWrap) = 0;
  // Makes the list on first use and places it on APopup, filled and highlighted.
  virtual void PrepareList(TWinControl* APopup) = 0;
  virtual bool IsEmpty() = 0;
  // P in screen coordinates.
  virtual bool IsPointInList(const TPoint& P) = 0;
  // The prefix search; AText may come back in the item's spelling.
  virtual bool FindPrefix(String& AText, String& ATail, bool AFromCurrent) = 0;
  virtual void SetListBounds(const TRect& R) = 0;
  virtual void PropertiesChanged() = 0;
  // A popup closing with acceptance: the highlighted item is applied exactly once.
  virtual void ChooseListItem() = 0;
  virtual void WriteKey(const Variant& AKey) = 0;
  virtual void WriteListEvent(TNotifyEvent Value) = 0;
  virtual void WriteKeyChangedEvent(TNotifyEvent Value) = 0;
  // The current key follows the editor's text.
  virtual void SyncItemIndex() = 0;
};

// --- Lookup data ---------------------------------------------------------------------------
// Made by the text editor from its properties' GetLookupDataClass, owned by it.
class TcxCustomTextEditLookupData : public TcxInterfacedPersistent,
                                    public IcxTextEditLookupData,
                                    protected TcxLookupItemSource {
  VAMIRE_CLASS(TcxCustomTextEditLookupData, TcxInterfacedPersistent)
 public:
  using TCreateArg = TPersistent;
  // AOwner: the editor (a TcxCustomEdit whose properties are text properties).
  explicit TcxCustomTextEditLookupData(TPersistent* AOwner);
  ~TcxCustomTextEditLookupData() override;
  bool GetInterface(const TGUID& iid, void** obj) override;
  int32_t QueryInterface(const TGUID& iid, void** obj) override {
    return TcxInterfacedPersistent::QueryInterface(iid, obj);
  }
  int32_t _AddRef() override { return -1; }
  int32_t _Release() override { return -1; }

  TcxCustomEdit* Editor() const { return FEditor; }
  int KeyIndex() const { return FKeyIndex; }
  int ListIndex() const { return FListIndex; }
  TcxCustomEditListBox* ListControl() const;
  TNotifyEvent OnListEvent;
  // Fired when the current key changes or is chosen again.
  TNotifyEvent OnKeyChanged;

  // --- Virtual operations, in slot order
  virtual void GetItemText(int AIndex, String& AText);
  virtual int GetItemCount();
  // None here: each list kind names its list class.
  virtual TClass GetListBoxClass() { return nullptr; }
  virtual void ListSelectionChanged(TObject* Sender);
  virtual bool LocateText(String& AText, String& ATail, bool AFromCurrent, bool AExact);
  virtual void SyncListItemCount();
  bool CanResizeList(TSize& /*ASize*/, int /*AMaxHeight*/, int /*AMaxWidth*/) override { return true; }
  void InitPopup() override {}
  void PopupShown(const String& /*AText*/) override {}
  bool ContainsText(const String& AText) override { return IndexOfText(AText) != -1; }
  void CalcListSize(int AMaxHeight, int AMaxWidth, TSize& ASize) override;
  void PrepareList(TWinControl* APopup) override;
  void SetListBounds(const TRect& R) override;
  void PropertiesChanged() override { SyncListItemCount(); }
  void SyncItemIndex() override;

  // --- IcxTextEditLookupData (the rest)
  void FinalizePopup() override;
  void BeforeEditorDestruction() override {}
  TcxCustomEditListBox* GetListControl() override { return ListControl(); }
  Variant ReadKey() override { return Variant(FKeyIndex); }
  void GetKeyText(const Variant& AKey, String& AText) override;
  TNotifyEvent ReadListEvent() override { return OnListEvent; }
  TNotifyEvent ReadKeyChangedEvent() override { return OnKeyChanged; }
  void StepItem(int ADirection, bool AWrap) override;
  bool IsEmpty() override { return GetItemCount() == 0; }
  bool IsPointInList(const TPoint& P) override;
  bool FindPrefix(String& AText, String& ATail, bool AFromCurrent) override {
    return LocateText(AText, ATail, AFromCurrent, false);
  }
  void ChooseListItem() override;
  void WriteKey(const Variant& AKey) override;
  void WriteListEvent(TNotifyEvent Value) override { OnListEvent = Value; }
  void WriteKeyChangedEvent(TNotifyEvent Value) override { OnKeyChanged = Value; }

  // --- Non-virtual
  // The first item equal to AText ignoring letter case, else -1.
  int IndexOfText(const String& AText);
  // -1 <= AIndex < count becomes the current key and the highlighted row; others are ignored.
  void MakeItemCurrent(int AIndex);
  // The highlighted row; ignored outside -1 .. count - 1 and for the row already highlighted.
  void SelectListItem(int AIndex);
  String GetKeyText(int AKey);
  // The ItemIndex the editor reads for AText (D-70's reading).
  int ItemIndexForText(const String& AText) { return ReadLookupItemIndex(*this, FKeyIndex, AText); }
  TStringList* GetLookupItems();
  TcxCustomTextEditProperties* GetEditProperties();

 protected:
  // TcxLookupItemSource: the items as GetItemText and GetItemCount answer them.
  int LookupItemCount() override { return GetItemCount(); }
  void LookupItemText(int AIndex, String& AText) override { GetItemText(AIndex, AText); }


 private:
  // What the lookup data asks of its editor.
  String EditorText();
  bool EditorInCanModify();
  void SetEditorLookupUpdating(bool AValue);
  // True when OnKeyChanged fired.
  bool WriteIntegerKey(int AKey);
  void FireKeyChanged();

  TcxCustomEdit* FEditor;
  int FKeyIndex = -1;
  int FListIndex = -1;
  // The list belongs to the popup it lies on: the link empties when the popup frees it.
  TcxObjectLink* FListLink = nullptr;
};

// --- The popup list ------------------------------------------------------------------------
// The list of a drop-down editor's popup. The highlighted row follows the
// mouse (TrackMouse); a shown list paints its selection as focused while the
// editor keeps the focus.
class TcxCustomEditListBox : public TcxCustomInnerListBox {
  VAMIRE_CLASS(TcxCustomEditListBox, TcxCustomInnerListBox)
 public:
  using TCreateArg = TComponent;
  explicit TcxCustomEditListBox(TComponent* AOwner);
  ~TcxCustomEditListBox() override;

  bool TrackMouse = true;
  // The highlighted row changed (set by the lookup data).
  TNotifyEvent OnSelChanged;

  // --- Virtual operations, in slot order
  // True when the item was drawn (combo boxes fire their draw event here).
  virtual bool DoDrawItem(int /*AIndex*/, const TRect& /*ARect*/, TOwnerDrawState /*AState*/) { return false; }
  virtual void GetItemText(int AIndex, String& AText);
  // The combo lists apply their item height and owner-draw style here.
  virtual void UpdateItemHeight() {}
  virtual int GetHeightForRows(int ARowCount) { return ARowCount * GetItemHeightAt(-1); }
  // The height of "Wg" in the list's font, for every index.
  virtual int GetItemHeightAt(int AIndex);
  virtual int GetItemWidth(int AIndex);
  void SetItemIndex(int Value) override;

  // --- Non-virtual
  bool IsVisibleWindow();
  // Empty items are appended, or the last ones deleted, until there are ACount.
  void SetItemCount(int ACount);
  void RecreateList() { RecreateWnd(); }
  // The editor of the popup the list lies on, or null.
  TcxCustomEdit* OwnerEdit();

 protected:
  void DrawItem(int Index, const TRect& Rect, TOwnerDrawState State) override;
  void MeasureItem(int Index, int& Height) override;
  bool NeedsFocusRect() override;
  void Click() override;
  bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void Dispatch(TMessage& Message) override;

 private:
  void NotifySelChanged();
};
