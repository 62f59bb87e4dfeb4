// The group box: its drawing steps (the frame of the drawn looks by border
// style, the caption text turned along a left or right side), the control,
// and the button groups built on it. The layout is in cxGroupBox.h.
#pragma once

#include <windows.h>

#include "cxCheckBox_win.h"
#include "cxEdit.h"
#include "cxGraphics_win.h"
#include "cxGroupBox.h"

struct TcxGroupBoxFrameParams {
  TcxEditBorderStyle BorderStyle = ebsSingle;  // the effective one
  bool Ctl3D = true;
  TColor BorderColor = clBtnShadow;
  TColor BackgroundColor = clBtnFace;
  TcxBorders Edges = cxBordersAll;
  bool Enabled = true;
  TcxGroupBoxCaptionPosition Position = cxgpTop;
};

// The frame of a box drawn neither natively nor by a skin, on AFrame:
// ebsSingle a 1-pixel and ebsThick a 2-pixel frame in the border colour (then
// left out of the clip region); ebsFlat the flat painter's group-box frame;
// ebs3D the standard painter's with Ctl3D, else a clWindowFrame line with a
// line of the background colour inside it; ebsUltraFlat, ebsOffice11 and
// ebsNone draw none. The flat and standard painters are taken by class
// (D-81), whatever look the box follows.
void PaintGroupBoxFrameByBorderStyle(TcxCanvas* ACanvas, const TRect& AFrame, const TcxGroupBoxFrameParams& AParams);

// The caption in the canvas font and colour over what is there. A framed
// box's side captions are turned, left ones a quarter turn clockwise (they
// read downwards) and right ones counter-clockwise; every other caption is
// drawn level. AFlags are DrawText's.
void DrawGroupBoxCaptionText(TcxCanvas* ACanvas, const String& ACaption, const TRect& ATextRect,
                             TcxCaptionAlignment AAlignment, bool APanelStyle, unsigned AFlags);

// --- The control ------------------------------------------------------------------------------
// TcxGroupBox: an editor without a value that hosts child controls inside a
// frame with its caption at one of 13 positions, or a flat panel with the
// caption inside. The button groups build on it: a grid of child buttons,
// one per item, in columns.
class TcxCustomGroupBox;
class TcxCustomButtonGroup;

// The panel look of a group box.
class TcxPanelStyle : public TPersistent {
  VAMIRE_CLASS(TcxPanelStyle, TPersistent)
 public:
  explicit TcxPanelStyle(TcxCustomGroupBox* AOwner) : FOwner(AOwner) {}
  static TObject* CreateFresh() { return new TcxPanelStyle(nullptr); }
  // Everything but BorderWidth.
  void Assign(TPersistent* Source) override;
  TPersistent* GetOwner() override;

  bool Active() const { return FActive; }
  void SetActive(bool Value);
  int BorderWidth() const { return FBorderWidth; }
  void SetBorderWidth(int Value);
  int CaptionIndent() const { return FCaptionIndent; }
  // Values below 2 are stored as 2.
  void SetCaptionIndent(int Value);
  TcxPanelOffice11BackgroundKind OfficeBackgroundKind() const { return FOfficeBackgroundKind; }
  void SetOfficeBackgroundKind(TcxPanelOffice11BackgroundKind Value);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value);

 private:
  // A changed setting redoes the layout while the panel look is active.
  void Changed(bool AAlways = false);
  TcxCustomGroupBox* FOwner;
  bool FActive = false;
  int FBorderWidth = 0;
  int FCaptionIndent = cxGroupBoxMinCaptionIndent;
  TcxPanelOffice11BackgroundKind FOfficeBackgroundKind = pobkOffice11Color;
  bool FWordWrap = false;
};

using TcxGroupBoxCustomDrawEvent = TMethod<void(TObject* Sender, bool& Done)>;
using TcxGroupBoxCustomDrawElementEvent =
    TMethod<void(TObject* Sender, TcxCanvas* ACanvas, TcxCustomLookAndFeelPainterClass APainter, bool& Done)>;
using TcxGroupBoxMeasureCaptionHeightEvent =
    TMethod<void(TObject* Sender, TcxCustomLookAndFeelPainterClass APainter, int& ACaptionHeight)>;

class TcxCustomGroupBoxProperties : public TcxCustomEditProperties {
  VAMIRE_EDIT_PROPERTIES_CLASS(TcxCustomGroupBoxProperties, TcxCustomEditProperties)
 public:
  using TCreateArg = TPersistent;
  explicit TcxCustomGroupBoxProperties(TPersistent* AOwner) : TcxCustomEditProperties(AOwner) {}
  static TClass GetContainerClass();
  static TClass GetViewDataClass();
  static TClass GetViewInfoClass();
  TcxCustomEditViewData* CreateViewData(TcxContainerStyle* AStyle, bool AIsHosted, bool AFlag = false) override;
};

class TcxGroupBoxProperties : public TcxCustomGroupBoxProperties {
  VAMIRE_EDIT_PROPERTIES_CLASS(TcxGroupBoxProperties, TcxCustomGroupBoxProperties)
 public:
  using TCreateArg = TPersistent;
  explicit TcxGroupBoxProperties(TPersistent* AOwner) : TcxCustomGroupBoxProperties(AOwner) {}
};

// One button of a button group as the view sees it.
class TcxGroupBoxButtonViewInfo : public TcxEditButtonViewInfo {
  VAMIRE_CLASS(TcxGroupBoxButtonViewInfo, TcxEditButtonViewInfo)
 public:
  TcxGroupBoxButtonViewInfo() = default;
  // A glyph-sized rectangle centred vertically in the bounds, at their left
  // edge for taRightJustify (caption right of the glyph), else at the right.
  void GetGlyphRect(const TSize& AGlyphSize, TRect& ARect, TAlignment AAlignment) const;
  int Index = 0;
  int Column = 0;
  int Row = 0;
};

class TcxGroupBoxViewInfo : public TcxCustomTextEditViewInfo {
  VAMIRE_CLASS(TcxGroupBoxViewInfo, TcxCustomTextEditViewInfo)
 public:
  TcxGroupBoxViewInfo() = default;
  TClass GetButtonViewInfoClass() const override { return TcxGroupBoxButtonViewInfo::StaticClass(); }
  void PaintBackgroundAndBorder(TcxCanvas* ACanvas) override;
  virtual void DrawCaption(TcxCanvas* ACanvas);

  bool IsDesigning = false;
  TRect CaptionRect;
  TRect CaptionTextRect;
  TcxCaptionAlignment Alignment = alTopLeft;
  bool PanelStyle = false;
  int PanelBorderWidth = 0;
  bool PanelWordWrap = false;
  TcxPanelOffice11BackgroundKind OfficeBackgroundKind = pobkOffice11Color;
  String Caption;
  TFont* CaptionFont = nullptr;  // the box's, not owned
  bool Ctl3D = true;
  bool HasShadowFrame = false;
  TcxCustomGroupBox* Box = nullptr;

 private:
  void DrawBackground(TcxCanvas* ACanvas, TcxCustomLookAndFeelPainterClass ASkin);
  void DrawFrame(TcxCanvas* ACanvas, TcxCustomLookAndFeelPainterClass ASkin);
};

class TcxGroupBoxViewData : public TcxCustomEditViewData {
  VAMIRE_CLASS(TcxGroupBoxViewData, TcxCustomEditViewData)
 public:
  using TcxCustomEditViewData::TcxCustomEditViewData;
  static TObject* CreateFresh() { return nullptr; }
  void Calculate(TcxCanvas* ACanvas, const TRect& ABounds, const TPoint& P, int AButtonCode, TShiftState AShift,
                 TcxCustomEditViewInfo* AViewInfo, bool AIsMouseEvent) override;
  TColor GetBorderColor(bool AHotOrFocused) override;
  TRect GetBorderExtent() override;
  bool HasShadow() override;
  // Where the children go, as margins from the control's edges.
  virtual TRect GetClientExtent();

  // What the box tells.
  TcxCustomGroupBox* Box = nullptr;

 protected:
  TcxGroupBoxExtentParams ExtentParams();
};

class TcxCustomGroupBox : public TcxCustomEdit {
  VAMIRE_CLASS(TcxCustomGroupBox, TcxCustomEdit)
 public:
  explicit TcxCustomGroupBox(TComponent* AOwner);
  ~TcxCustomGroupBox() override;
  static TClass GetPropertiesClass() { return TcxCustomGroupBoxProperties::StaticClass(); }

  TcxCaptionAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TcxCaptionAlignment Value);
  TColor CaptionBkColor() const { return FCaptionBkColor; }
  void SetCaptionBkColor(TColor Value) { FCaptionBkColor = Value; }
  TcxPanelStyle* PanelStyle() const { return FPanelStyle; }
  void SetPanelStyle(TcxPanelStyle* Value);
  bool RedrawOnResize() const { return FRedrawOnResize; }
  void SetRedrawOnResize(bool Value) { FRedrawOnResize = Value; }
  TFont* CaptionFont() const { return FCaptionFont; }
  // The normal style's colour and font.
  TColor StyleColor() const { return Style()->Color(); }
  void SetStyleColor(TColor Value) { Style()->SetColor(Value); }

  // Refreshes the caption font and the view, updates the frame and aligns the children.
  void LayoutChanged();
  void UpdateCaptionFont();
  // A skinned caption outside the client area (the skin's caption band).
  virtual bool IsNonClientCaption();
  virtual bool CanUseNonClientCaption() { return true; }
  // Asks the window to recompute its frame, then CXM_GROUPBOXREFRAME redraws it.
  void UpdateFrame();
  // DT_ flags of the panel caption.
  unsigned GetPanelTextFlags() const { return GetGroupBoxPanelTextFlags(FAlignment, FPanelStyle->WordWrap()); }
  bool HasShadow() override;
  bool UsesNativeBackground() override;
  bool IsChildControlHost() override { return true; }
  TcxContainerStyle* GetStyleForState(TcxContainerState AState) override;
  void StyleChanged(TObject* Sender) override;
  void AdjustClientRect(TRect& Rect) override;
  // The view data's extents, for tests and the button groups.
  TRect ClientExtent();
  TcxGroupBoxViewInfo* GroupViewInfo() const { return static_cast<TcxGroupBoxViewInfo*>(EditViewInfo()); }
  bool DialogCharSelecting() const { return FDialogChar; }

  TcxGroupBoxCustomDrawEvent OnCustomDraw;
  TcxGroupBoxCustomDrawElementEvent OnCustomDrawCaption;
  TcxGroupBoxCustomDrawElementEvent OnCustomDrawContentBackground;
  TcxGroupBoxMeasureCaptionHeightEvent OnMeasureCaptionHeight;

  virtual bool DoCustomDrawCaption(TcxCanvas* ACanvas, TcxCustomLookAndFeelPainterClass APainter);
  virtual bool DoCustomDrawContentBackground(TcxCanvas* ACanvas, TcxCustomLookAndFeelPainterClass APainter);

 protected:
  TcxCustomGroupBox(TComponent* AOwner, bool AIsHosted, TClass APropertiesClass);
  virtual TcxPanelStyle* CreatePanelStyle() { return new TcxPanelStyle(this); }
  void Initialize() override;
  void InitializeViewData(TcxCustomEditViewData* AViewData) override;
  bool CanAutoSize() override { return false; }
  bool NeedsClientRegion() override { return false; }
  bool PrefersParentColor() override { return true; }
  TcxContainerStyleValues GetUnstoredStyleValues() override;
  void GetBorderBounds(TRect& R) override;
  void GetRegionMargins(TRect& AMargins) override;
  void CreateHandle() override;
  void Paint() override;
  void Resize() override;
  void Dispatch(TMessage& Message) override;

 private:
  void CMDialogChar(TMessage& Message);
  TcxCaptionAlignment FAlignment = alTopLeft;
  TColor FCaptionBkColor = clDefault;
  bool FDialogChar = false;
  TcxPanelStyle* FPanelStyle = nullptr;
  bool FRedrawOnResize = true;
  TFont* FCaptionFont = nullptr;
};

class TcxGroupBox : public TcxCustomGroupBox {
  VAMIRE_CLASS(TcxGroupBox, TcxCustomGroupBox)
 public:
  explicit TcxGroupBox(TComponent* AOwner) : TcxCustomGroupBox(AOwner, false, TcxGroupBoxProperties::StaticClass()) {}
  static TClass GetPropertiesClass() { return TcxGroupBoxProperties::StaticClass(); }
  TcxEditStyle* Style() const { return static_cast<TcxEditStyle*>(TcxContainer::Style()); }
  void SetStyle(TcxEditStyle* Value) { TcxContainer::SetStyle(Value); }
};

// --- Button groups ----------------------------------------------------------------------------
class TcxButtonGroupItem : public TcxCaptionItem {
  VAMIRE_CLASS(TcxButtonGroupItem, TcxCaptionItem)
 public:
  explicit TcxButtonGroupItem(TCollection* Collection);
  ~TcxButtonGroupItem() override;
  void Assign(TPersistent* Source) override;
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);

 private:
  bool FEnabled = true;
};

// What changed, for the group to add or free exactly one button.
enum TcxButtonGroupItemsOperation { bgioAdded, bgioDeleted, bgioChanged };

class TcxButtonGroupItems : public TcxCaptionItems {
  VAMIRE_CLASS(TcxButtonGroupItems, TcxCaptionItems)
 public:
  TcxButtonGroupItems(TPersistent* AOwner, TCollectionItemClass AItemClass) : TcxCaptionItems(AOwner, AItemClass) {}
  TcxButtonGroupItem* Items(int Index) const { return static_cast<TcxButtonGroupItem*>(TCollection::Items(Index)); }
  // Reports one item's change: added, deleted or changed.
  void ItemChanged(TcxButtonGroupItem* AItem, TcxButtonGroupItemsOperation AOperation);
  bool ReportingSingleChange() const { return FSingleChange; }
  int ChangedIndex() const { return FChangedIndex; }
  TcxButtonGroupItemsOperation ChangedOperation() const { return FOperation; }

 protected:
  void Update(TCollectionItem* Item) override;

 private:
  bool OwnerLoading() const;
  int FChangedIndex = -1;
  TcxButtonGroupItemsOperation FOperation = bgioChanged;
  bool FSingleChange = false;
};

class TcxCustomButtonGroupProperties : public TcxCustomGroupBoxProperties {
  VAMIRE_EDIT_PROPERTIES_CLASS(TcxCustomButtonGroupProperties, TcxCustomGroupBoxProperties)
 public:
  using TCreateArg = TPersistent;
  explicit TcxCustomButtonGroupProperties(TPersistent* AOwner);
  ~TcxCustomButtonGroupProperties() override;
  void Assign(TPersistent* Source) override;
  static TClass GetContainerClass();

  int Columns() const { return FColumns; }
  // 0 or less is stored as 1.
  void SetColumns(int Value);
  TcxButtonGroupItems* Items() const { return FItems; }
  void SetItems(TcxButtonGroupItems* Value) { FItems->Assign(Value); }
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value);
  virtual int GetColumnCount();
  unsigned GetEditCapabilities() override { return FItems->Count() > 0 ? 1455u : 1423u; }

 protected:
  // Made by the constructor of the kind: the items of the kind's class.
  virtual TcxButtonGroupItems* CreateItems();
  // The kind's constructor makes its own items again (a constructor cannot
  // reach the kind's CreateItems through the base).
  void MakeItems() {
    delete FItems;
    FItems = CreateItems();
  }

 private:
  int FColumns = 1;
  TcxButtonGroupItems* FItems = nullptr;
  bool FWordWrap = false;
};

class TcxButtonGroupViewInfo : public TcxGroupBoxViewInfo {
  VAMIRE_CLASS(TcxButtonGroupViewInfo, TcxGroupBoxViewInfo)
 public:
  TcxButtonGroupViewInfo() = default;
  TRect CaptionMargins;
  TSize GlyphSize{};
  // Each button's rectangle, in item order.
  std::vector<TRect> ButtonRects;
};

class TcxCustomButtonGroup : public TcxCustomGroupBox {
  VAMIRE_CLASS(TcxCustomButtonGroup, TcxCustomGroupBox)
 public:
  ~TcxCustomButtonGroup() override;
  TcxCustomButtonGroupProperties* GroupProperties() { return static_cast<TcxCustomButtonGroupProperties*>(ActiveProperties()); }
  int ButtonCount() const { return int(FButtons.size()); }
  TWinControl* Button(int AIndex) const { return FButtons[size_t(AIndex)]; }
  int IndexOfButton(TControl* AControl) const;
  // The kind's measures; the layout asks without a canvas.
  virtual TcxButtonGroupMetrics GetButtonMetrics(TcxCanvas* ACanvas);
  int ColumnCount() { return GroupProperties()->GetColumnCount(); }
  int RowCount() { return GetButtonGroupRowCount(GroupProperties()->Items()->Count(), ColumnCount()); }
  bool Focused() override;

  virtual void UpdateButtonBounds();
  virtual HWND GetButtonHandle(int AIndex) = 0;
  virtual TWinControl* CreateButton() = 0;
  virtual void InitializeButton(TWinControl* AButton);
  virtual void SetButtonCount(int AValue);
  virtual void UpdateButtonColors();
  virtual void SyncButtons();

 protected:
  TcxCustomButtonGroup(TComponent* AOwner, bool AIsHosted, TClass APropertiesClass);
  void Initialize() override;
  void PropertiesChanged(TObject* Sender) override;
  void HandleEditKey(uint16_t& Key, TShiftState Shift) override;
  bool RefreshViewState(const TPoint& P, int AButtonCode, TShiftState AShift, bool ANotify) override;
  void CreateHandle() override;
  void ReadState(TReader* Reader) override;
  void Loaded() override;
  void Dispatch(TMessage& Message) override;
  // Forwarders of the buttons' events, in group coordinates.
  void ButtonMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  void ButtonMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
  void ButtonMouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  void ButtonKeyDown(TObject* Sender, uint16_t& Key, TShiftState Shift);
  void ButtonKeyPress(TObject* Sender, wchar_t& Key);
  void ButtonKeyUp(TObject* Sender, uint16_t& Key, TShiftState Shift);

  std::vector<TWinControl*> FButtons;
  bool FButtonMouseDown = false;
};

// Registers the group box for form streaming; takes it back at its end.
extern const TUnitEntry cxGroupBoxUnit;
