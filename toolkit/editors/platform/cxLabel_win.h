// The label: a read-only caption on the editor framework whose value is its
// caption. It can turn its text (TrueType fonts), give it depth in eight
// directions, draw it raised, lowered or outlined, fill its letters with a
// bitmap and draw an etched line beside it. The arithmetic is in cxLabel.h.
#pragma once

#include "cxEdit_control_win.h"
#include "cxLabel.h"

// Everything one drawing of a label needs; the control fills it from its
// properties and style, a test or a host may fill it directly.
struct TcxLabelPaintParams {
  String Text;
  TFont* Font = nullptr;
  TColor TextColor = clWindowText;
  TColor BackgroundColor = clBtnFace;  // what a graded extrusion starts from
  TRect ClientRect;
  TcxLabelTextSide Horz = cxltsNear;
  TcxLabelTextSide Vert = cxltsNear;
  int Angle = 0;
  TcxLabelEffect Effect = cxleNormal;
  TcxLabelStyle Style = cxlsNormal;
  TcxLabelOrientation Orientation = cxoRightBottom;
  int Depth = 0;
  int PenWidth = 1;
  TColor ShadowedColor = clGrayText;
  bool ShowAccelChar = true;
  bool WordWrap = false;
  bool EndEllipsis = false;
  TBitmap* Glyph = nullptr;  // texture of the letters, or none
  bool LineVisible = false;
  TcxLabelLineAlignment LineAlignment = cxllaCenter;
  TColor LineInnerColor = clDefault;
  TColor LineOuterColor = clDefault;
  TcxCustomLookAndFeelPainterClass Painter = nullptr;  // draws the line; none: no line
};

// Draws the text with its effects and the line; the background is the caller's.
void cxPaintLabel(TcxCanvas* ACanvas, const TcxLabelPaintParams& AParams);
// The size the text takes with its turn, depth and style offset, in AMaxWidth
// when the text wraps (0: unbounded).
TSize cxCalcLabelTextSize(TcxCanvas* ACanvas, const TcxLabelPaintParams& AParams, int AMaxWidth = 0);
// The angle the label really draws at: 0 for a font that is not TrueType.
int cxLabelEffectiveAngle(TcxCanvas* ACanvas, TFont* AFont, int AAngle);

// --- The control ------------------------------------------------------------------------------
class TcxCustomLabelProperties;

// The separator line; it shows only at 0 and 90 degrees.
class TcxLabelLineOptions : public TPersistent {
  VAMIRE_CLASS(TcxLabelLineOptions, TPersistent)
 public:
  explicit TcxLabelLineOptions(TcxCustomLabelProperties* AOwner) : FOwner(AOwner) {}
  void Assign(TPersistent* Source) override;
  TcxLabelLineAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TcxLabelLineAlignment Value) { SetField(FAlignment, Value); }
  TColor InnerColor() const { return FInnerColor; }
  void SetInnerColor(TColor Value) { SetField(FInnerColor, Value); }
  TColor OuterColor() const { return FOuterColor; }
  void SetOuterColor(TColor Value) { SetField(FOuterColor, Value); }
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);

 private:
  template <class T>
  void SetField(T& AField, const T& AValue) {
    if (AField == AValue) return;
    AField = AValue;
    Changed();
  }
  void Changed();
  TcxCustomLabelProperties* FOwner;
  TcxLabelLineAlignment FAlignment = cxllaCenter;
  TColor FInnerColor = clDefault;
  TColor FOuterColor = clDefault;
  bool FVisible = false;
};

class TcxLabelEditStyle : public TcxEditStyle {
  VAMIRE_CLASS(TcxLabelEditStyle, TcxEditStyle)
 public:
  using TcxEditStyle::TcxEditStyle;

 protected:
  TcxContainerBorderStyle GetDefaultBorderStyle() const override;
  bool GetDefaultHotTrack() const override { return false; }
};

class TcxCustomLabelProperties : public TcxCustomEditProperties {
  VAMIRE_EDIT_PROPERTIES_CLASS(TcxCustomLabelProperties, TcxCustomEditProperties)
 public:
  explicit TcxCustomLabelProperties(TPersistent* AOwner);
  ~TcxCustomLabelProperties() override;
  void Assign(TPersistent* Source) override;

  static TClass GetContainerClass();
  static TClass GetStyleClass() { return TcxLabelEditStyle::StaticClass(); }
  static TClass GetViewDataClass();
  static TClass GetViewInfoClass();
  TcxCustomEditViewData* CreateViewData(TcxContainerStyle* AStyle, bool AIsHosted, bool AFlag = false) override;
  String GetDisplayText(const Variant& AValue, bool AFullText = false) override;

  int Angle() const { return FAngle; }
  void SetAngle(int Value) { SetValue(FAngle, cxLabelNormalizeAngle(Value)); }
  int Depth() const { return FDepth; }
  void SetDepth(int Value) { SetValue(FDepth, std::clamp(Value, 0, 0xFFFF)); }
  // The texture of the letters, made on first read; assigning none frees it.
  TBitmap* Glyph();
  void SetGlyph(TBitmap* Value);
  bool HasGlyph() const { return FGlyph && !FGlyph->Empty(); }
  bool IsGlyphStored() const { return HasGlyph(); }
  TcxLabelEffect LabelEffect() const { return FLabelEffect; }
  void SetLabelEffect(TcxLabelEffect Value) { SetValue(FLabelEffect, Value); }
  TcxLabelStyle LabelStyle() const { return FLabelStyle; }
  void SetLabelStyle(TcxLabelStyle Value) { SetValue(FLabelStyle, Value); }
  TcxLabelLineOptions* LineOptions() const { return FLineOptions; }
  void SetLineOptions(TcxLabelLineOptions* Value) { FLineOptions->Assign(Value); }
  TcxLabelOrientation Orientation() const { return FOrientation; }
  void SetOrientation(TcxLabelOrientation Value) { SetValue(FOrientation, Value); }
  int PenWidth() const { return FPenWidth; }
  void SetPenWidth(int Value) { SetValue(FPenWidth, Value); }
  TColor ShadowedColor() const { return FShadowedColor; }
  void SetShadowedColor(TColor Value) { SetValue(FShadowedColor, Value); }
  bool ShowAccelChar() const { return FShowAccelChar; }
  void SetShowAccelChar(bool Value) { SetValue(FShowAccelChar, Value); }
  bool ShowEndEllipsis() const { return FShowEndEllipsis; }
  void SetShowEndEllipsis(bool Value) { SetValue(FShowEndEllipsis, Value); }
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value) { SetValue(FWordWrap, Value); }

  // (Depth, 0), (0, Depth) or (Depth, Depth) by orientation; nothing for the normal effect.
  TSize CalculateDepthDelta() const { return cxLabelDepthDelta(FLabelEffect, FOrientation, FDepth); }
  // Fills what the drawing takes from the properties.
  void FillPaintParams(TcxLabelPaintParams& AParams);
  // Raised by the line options: the owner turns auto-size off when the line shows.
  TNotifyEvent OnLineShown;

 private:
  friend class TcxLabelLineOptions;
  template <class T>
  void SetValue(T& AField, const T& AValue) {
    if (AField == AValue) return;
    AField = AValue;
    Changed();
  }
  void GlyphChanged(TObject*) { Changed(); }
  int FAngle = 0;
  int FDepth = 0;
  TBitmap* FGlyph = nullptr;
  TcxLabelEffect FLabelEffect = cxleNormal;
  TcxLabelStyle FLabelStyle = cxlsNormal;
  TcxLabelLineOptions* FLineOptions;
  TcxLabelOrientation FOrientation = cxoRightBottom;
  int FPenWidth = 1;
  TColor FShadowedColor = clGrayText;
  bool FShowAccelChar = true;
  bool FShowEndEllipsis = false;
  bool FWordWrap = false;
};

class TcxLabelProperties : public TcxCustomLabelProperties {
  VAMIRE_EDIT_PROPERTIES_CLASS(TcxLabelProperties, TcxCustomLabelProperties)
 public:
  using TcxCustomLabelProperties::TcxCustomLabelProperties;
};

class TcxCustomLabelViewInfo : public TcxCustomEditViewInfo {
  VAMIRE_CLASS(TcxCustomLabelViewInfo, TcxCustomEditViewInfo)
 public:
  TcxCustomLabelViewInfo() = default;
  ~TcxCustomLabelViewInfo() override;
  void Render(TcxCanvas* ACanvas) override;

  TcxLabelPaintParams Label;
  // The last drawing, copied again while nothing that shows has changed.
  TBitmap* Bitmap = nullptr;
  bool BitmapDirty = true;
  int RenderCount = 0;  // drawings made, not copies of the cache

 private:
  void PaintLabel(TcxCanvas* ACanvas, const TPoint& AOffset);
  TRect FCachedBounds;
};

class TcxCustomLabelViewData : public TcxCustomEditViewData {
  VAMIRE_CLASS(TcxCustomLabelViewData, TcxCustomEditViewData)
 public:
  using TcxCustomEditViewData::TcxCustomEditViewData;
  static TObject* CreateFresh() { return nullptr; }
  void CalcKindSpecificParts(TcxCanvas* ACanvas, TcxCustomEditViewInfo* AViewInfo) override;
  TSize CalcEditContentSize(TcxCanvas* ACanvas, const Variant& AEditValue,
                            const TcxEditSizeProperties& ASize) override;
};

class TcxCustomLabel : public TcxCustomEdit {
  VAMIRE_CLASS(TcxCustomLabel, TcxCustomEdit)
 public:
  explicit TcxCustomLabel(TComponent* AOwner);
  static TClass GetPropertiesClass() { return TcxLabelProperties::StaticClass(); }
  TcxCustomLabelProperties* LabelProperties() { return static_cast<TcxCustomLabelProperties*>(ActiveProperties()); }

  // The own properties (not a repository item's), as a form file sets them.
  TcxLabelProperties* GetProperties() const;
  void SetProperties(TcxLabelProperties* Value) { TcxCustomEdit::SetProperties(Value); }
  String Caption() { return TControl::Caption(); }
  void SetCaption(const String& Value) { TControl::SetCaption(Value); }
  TWinControl* FocusControl() const { return FFocusControl; }
  // The label itself is refused; a freed control becomes none.
  void SetFocusControl(TWinControl* Value);
  void SetAutoSize(bool Value) override;

  void Notification(TComponent* AComponent, TOperation Operation) override;
  String GetDisplayText() override { return Caption(); }
  TcxCustomLabelViewInfo* LabelViewInfo() const { return static_cast<TcxCustomLabelViewInfo*>(EditViewInfo()); }

 protected:
  bool IsHorzAnchorUsed() override;
  bool IsVertAnchorUsed() override;
  // No buttons: the width follows the caption as the height does.
  bool IsButtonsOnlyView() override { return true; }
  // Only a label in a host's cell takes the focus when clicked.
  bool CanFocusOnClick() override { return IsHosted() && TcxCustomEdit::CanFocusOnClick(); }
  void InternalSetEditValue(const Variant& Value, bool AValidateEditValue) override;
  void PropertiesChanged(TObject* Sender) override;
  void Dispatch(TMessage& Message) override;

 private:
  void LineShown(TObject*);
  TWinControl* FFocusControl = nullptr;
  bool FSettingCaption = false;
};

class TcxLabel : public TcxCustomLabel {
  VAMIRE_CLASS(TcxLabel, TcxCustomLabel)
 public:
  using TcxCustomLabel::TcxCustomLabel;
};

// Registers the label's properties and streamed classes at start-up; takes
// them back at shutdown.
extern const TUnitEntry cxLabelUnit;
