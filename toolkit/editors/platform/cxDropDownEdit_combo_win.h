// The combo box: the drop-down editor whose popup shows the list of its
// string items. The list is the lookup data's (cxTextEditLookup_win.h); the
// combo box sizes it to DropDownRows rows and the widest item, draws its rows
// itself or through OnDrawItem and OnMeasureItem, and feeds the keys, the
// wheel and the list styles to the text editor's stepping. The console's
// windows read and write ItemIndex, Text and Properties.Items, and listen to
// Properties.OnChange.
#pragma once

#include "cxDropDownEdit_control_win.h"

class TcxCustomComboBox;

enum TcxEditDropDownListStyle { lsEditFixedList, lsEditList, lsFixedList };
VAMIRE_ENUM_NAMES(TcxEditDropDownListStyle, L"lsEditFixedList", L"lsEditList", L"lsFixedList")

using TcxEditDrawItemEvent = TMethod<void(TcxCustomComboBox* AControl, TcxCanvas* ACanvas, int AIndex,
                                          const TRect& ARect, TOwnerDrawState AState)>;
using TcxEditMeasureItemEvent =
    TMethod<void(TcxCustomComboBox* AControl, int AIndex, TcxCanvas* ACanvas, int& AHeight)>;

// Sized its own way: an auto-sized list is at least as wide as the editor.
class TcxComboBoxPopupWindow : public TcxCustomEditPopupWindow {
  VAMIRE_CLASS(TcxComboBoxPopupWindow, TcxCustomEditPopupWindow)
 public:
  using TcxCustomEditPopupWindow::TcxCustomEditPopupWindow;
  void CalculateSize() override;
};

// Owner-drawn rows whose texts come from the lookup data; the row heights are
// the combo box's (ItemHeight, the font or OnMeasureItem).
class TcxCustomComboBoxListBox : public TcxCustomEditListBox {
  VAMIRE_CLASS(TcxCustomComboBoxListBox, TcxCustomEditListBox)
 public:
  using TCreateArg = TComponent;
  explicit TcxCustomComboBoxListBox(TComponent* AOwner);
  TcxCustomComboBox* Combo();
  bool DoDrawItem(int AIndex, const TRect& ARect, TOwnerDrawState AState) override;
  void GetItemText(int AIndex, String& AText) override;
  int GetHeightForRows(int ARowCount) override;
  void SetItemIndex(int Value) override;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void MeasureItem(int Index, int& Height) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
};

class TcxComboBoxListBox : public TcxCustomComboBoxListBox {
  VAMIRE_CLASS(TcxComboBoxListBox, TcxCustomComboBoxListBox)
 public:
  using TCreateArg = TComponent;
  explicit TcxComboBoxListBox(TComponent* AOwner) : TcxCustomComboBoxListBox(AOwner) {}
  int GetItemHeightAt(int AIndex) override;
  void UpdateItemHeight() override;

 protected:
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
};

class TcxComboBoxLookupData : public TcxCustomTextEditLookupData {
  VAMIRE_CLASS(TcxComboBoxLookupData, TcxCustomTextEditLookupData)
 public:
  using TCreateArg = TPersistent;
  explicit TcxComboBoxLookupData(TPersistent* AOwner) : TcxCustomTextEditLookupData(AOwner) {}
  TClass GetListBoxClass() override { return TcxComboBoxListBox::StaticClass(); }
  void CalcListSize(int AMaxHeight, int AMaxWidth, TSize& ASize) override;
  bool CanResizeList(TSize& ASize, int AMaxHeight, int AMaxWidth) override;
  void PrepareList(TWinControl* APopup) override;
};

class TcxCustomComboBoxProperties : public TcxCustomDropDownEditProperties {
  VAMIRE_TEXT_EDIT_PROPERTIES_CLASS(TcxCustomComboBoxProperties, TcxCustomDropDownEditProperties)
 public:
  using TCreateArg = TPersistent;
  explicit TcxCustomComboBoxProperties(TPersistent* AOwner)
      : TcxCustomComboBoxProperties(AOwner, StaticClass()) {}
  void Assign(TPersistent* Source) override;

  static TClass GetContainerClass();
  static TClass GetLookupDataClass() { return TcxComboBoxLookupData::StaticClass(); }
  TClass GetPopupWindowClass() override { return TcxComboBoxPopupWindow::StaticClass(); }

  TStringList* Items() const { return LookupItems(); }
  TStringList* GetItems() const { return LookupItems(); }
  void SetItems(TStringList* Value) { SetLookupItems(Value); }
  bool Sorted() const { return LookupItemsSorted(); }
  void SetSorted(bool Value) { SetLookupItemsSorted(Value); }
  TcxEditDropDownListStyle DropDownListStyle() const { return FDropDownListStyle; }
  void SetDropDownListStyle(TcxEditDropDownListStyle Value);
  int DropDownRows() const { return FDropDownRows; }
  // 0 and below keep the rows there are.
  void SetDropDownRows(int Value);
  int DropDownWidth() const { return PopupWidth(); }
  void SetDropDownWidth(int Value) { SetPopupWidth(Value); }
  bool DropDownAutoWidth() const { return PopupAutoSize(); }
  void SetDropDownAutoWidth(bool Value) { SetPopupAutoSize(Value); }
  bool DropDownSizeable() const { return PopupSizeable(); }
  void SetDropDownSizeable(bool Value) { SetPopupSizeable(Value); }
  int ItemHeight() const { return FItemHeight; }
  void SetItemHeight(int Value);
  bool Revertable() const { return FRevertable; }
  void SetRevertable(bool Value) { FRevertable = Value; }

  int GetDropDownRows() override { return FDropDownRows; }
  TcxTextEditingStyle GetEditingStyle() override;
  bool DropDownOnClick() override { return FDropDownListStyle == lsFixedList; }
  bool PopupHasLookupList() override { return true; }
  bool UseLookupData() override { return true; }

  TcxEditDrawItemEvent OnDrawItem;
  TcxEditMeasureItemEvent OnMeasureItem;

 protected:
  TcxCustomComboBoxProperties(TPersistent* AOwner, TClass AKind);

 private:
  TcxEditDropDownListStyle FDropDownListStyle = lsEditList;
  int FDropDownRows = 8;
  int FItemHeight = 0;
  bool FRevertable = false;
};

class TcxComboBoxProperties : public TcxCustomComboBoxProperties {
  VAMIRE_TEXT_EDIT_PROPERTIES_CLASS(TcxComboBoxProperties, TcxCustomComboBoxProperties)
 public:
  using TCreateArg = TPersistent;
  explicit TcxComboBoxProperties(TPersistent* AOwner) : TcxCustomComboBoxProperties(AOwner, StaticClass()) {}
};

class TcxCustomComboBox : public TcxCustomDropDownEdit {
  VAMIRE_CLASS(TcxCustomComboBox, TcxCustomDropDownEdit)
 public:
  explicit TcxCustomComboBox(TComponent* AOwner)
      : TcxCustomComboBox(AOwner, TcxCustomComboBoxProperties::StaticClass()) {}
  static TClass GetPropertiesClass() { return TcxCustomComboBoxProperties::StaticClass(); }
  TcxCustomComboBoxProperties* ActiveComboProperties() {
    return static_cast<TcxCustomComboBoxProperties*>(ActiveProperties());
  }
  TcxComboBoxLookupData* ComboLookupData() const { return dynamic_cast<TcxComboBoxLookupData*>(LookupData()); }

  void DoDrawItem(TcxCanvas* ACanvas, int AIndex, const TRect& ARect, TOwnerDrawState AState);
  void DoMeasureItem(int AIndex, TcxCanvas* ACanvas, int& AHeight);
  bool IsOnDrawItemAssigned();
  bool IsOnMeasureItemAssigned();
  bool NeedsLookupSync();
  void SyncLookupItem();
  // The list ignores one mouse move after the program set its row.
  bool ListMouseMoveSuppressed = false;

  bool CanDropDown() override;
  TSize CalcPopupClientSize() override;
  bool IsLookupListShown(bool) override { return true; }
  bool IsPlainTextEditable() override;

 protected:
  TcxCustomComboBox(TComponent* AOwner, TClass APropertiesClass);
  void Initialize() override;
  void InitializePopupWindow() override;
  void PreparePopupWindow() override;
  void ChangeHandler(TObject* Sender) override;
  void DblClick() override;
  void Dispatch(TMessage& Message) override;
};

class TcxComboBox : public TcxCustomComboBox {
  VAMIRE_CLASS(TcxComboBox, TcxCustomComboBox)
 public:
  using TCreateArg = TComponent;
  explicit TcxComboBox(TComponent* AOwner) : TcxCustomComboBox(AOwner, TcxComboBoxProperties::StaticClass()) {}
  static TClass GetPropertiesClass() { return TcxComboBoxProperties::StaticClass(); }
  TcxComboBoxProperties* Properties() const {
    return static_cast<TcxComboBoxProperties*>(TcxCustomEdit::Properties());
  }
  void SetProperties(TcxComboBoxProperties* Value) { TcxCustomEdit::Properties()->Assign(Value); }
  TcxComboBoxProperties* GetProperties() const { return Properties(); }
};

// Drop-down editors in a filter row keep their buttons.
class TcxFilterDropDownEditHelper : public TcxFilterTextEditHelper {
  VAMIRE_CLASS_META(TcxFilterDropDownEditHelper, TcxFilterTextEditHelper,
                    TcxFilterEditHelperClassOf<TcxFilterDropDownEditHelper>)
 public:
  TcxFilterDropDownEditHelper() = default;
  static bool KeepsEditButtons() { return true; }
};

class TcxFilterComboBoxHelper : public TcxFilterDropDownEditHelper {
  VAMIRE_CLASS_META(TcxFilterComboBoxHelper, TcxFilterDropDownEditHelper,
                    TcxFilterEditHelperClassOf<TcxFilterComboBoxHelper>)
 public:
  TcxFilterComboBoxHelper() = default;
  static TClass GetEditorClass() { return TcxComboBox::StaticClass(); }
  static void PreparePropertiesForFilter(TcxCustomFilterEditHelperClass AHelper, TcxCustomEditProperties* AProperties,
                                         TcxCustomEditProperties* ASource, bool AKeepButtons);
};

extern const TUnitEntry cxDropDownEditUnit;
