// Buttons with glyphs: the speed button (windowless, grouped among its
// siblings) and the bit button (a push button drawn by its owner), which share
// the glyph strip, its transparent colour and the placing of glyph and caption.
#pragma once

#include <windows.h>

#include "Controls.h"
#include "StdCtrls.h"
#include "Units.h"

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
VAMIRE_ENUM_NAMES(TButtonLayout, L"blGlyphLeft", L"blGlyphRight", L"blGlyphTop", L"blGlyphBottom")

// The cells of a glyph strip, left to right: up, disabled, down, stay down.
enum TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };
using TNumGlyphs = int;  // 1..4

// Where a button puts its glyph and caption inside Client. GlyphSize is one
// cell; a zero width means no glyph, an empty caption has TextSize (0, 0).
// Margin -1 centres the glyph-and-caption block; Spacing -1 puts the caption
// halfway between the glyph and the far edge.
struct TButtonGeometry {
  TPoint GlyphPos;
  TRect TextBounds;
};
TButtonGeometry CalcButtonLayout(const TRect& Client, TSize GlyphSize, TSize TextSize, TButtonLayout Layout,
                                 int Margin, int Spacing);

// The glyph strip of a button and its drawing. The bottom-left pixel of the
// bitmap is the colour that lets the face show through.
class TButtonGlyph {
 public:
  TButtonGlyph();
  ~TButtonGlyph();
  TButtonGlyph(const TButtonGlyph&) = delete;
  TButtonGlyph& operator=(const TButtonGlyph&) = delete;

  TBitmap* Glyph() const { return FGlyph; }
  void SetGlyph(TBitmap* Value);
  TNumGlyphs NumGlyphs() const { return FNumGlyphs; }
  void SetNumGlyphs(TNumGlyphs Value);
  // The size of one cell; (0, 0) without a glyph.
  TSize CellSize() const;
  // Draws the cell for State at X, Y. A strip without a disabled cell draws a
  // disabled glyph embossed; one without a down cell draws the up cell.
  void Draw(TCanvas* Canvas, int X, int Y, TButtonState State);
  // Draws glyph and caption in Client (the caption shows "&" prefixes);
  // answers the caption's rectangle.
  TRect DrawButton(TCanvas* Canvas, const TRect& Client, const String& Caption, TButtonLayout Layout, int Margin,
                   int Spacing, TButtonState State);

  TNotifyEvent OnChange;

 private:
  void GlyphChanged(TObject* Sender);
  TBitmap* FGlyph;
  TNumGlyphs FNumGlyphs = 1;
};

// A windowless button. With a GroupIndex it stays down when clicked and the
// other buttons of the same parent and group come up; AllowAllUp (shared by
// the group) lets the down one be clicked up again.
class TSpeedButton : public TGraphicControl {
  VAMIRE_CLASS(TSpeedButton, TGraphicControl)
 public:
  explicit TSpeedButton(TComponent* AOwner);
  ~TSpeedButton() override;

  bool AllowAllUp() const { return FAllowAllUp; }
  void SetAllowAllUp(bool Value);
  int GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int Value);
  // Setting Down runs no OnClick; a button outside a group is never down.
  bool Down() const { return FDown; }
  void SetDown(bool Value);
  bool Flat() const { return FFlat; }
  void SetFlat(bool Value);
  TBitmap* Glyph() const { return FGlyph.Glyph(); }
  void SetGlyph(TBitmap* Value) { FGlyph.SetGlyph(Value); }
  TNumGlyphs NumGlyphs() const { return FGlyph.NumGlyphs(); }
  void SetNumGlyphs(TNumGlyphs Value) { FGlyph.SetNumGlyphs(Value); }
  TButtonLayout Layout() const { return FLayout; }
  void SetLayout(TButtonLayout Value);
  int Margin() const { return FMargin; }
  void SetMargin(int Value);
  int Spacing() const { return FSpacing; }
  void SetSpacing(int Value);
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value);
  // The look drawn now: up, down while pressed, exclusive while kept down.
  TButtonState State() const { return FState; }
  // A click from code: as a mouse click, the group rules included.
  void Click() override;

 protected:
  void Paint() override;
  void Dispatch(TMessage& Message) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

 private:
  void UpdateExclusive();
  void GlyphChanged(TObject* Sender);
  void CMButtonPressed(TMessage& Message);

  TButtonGlyph FGlyph;
  TButtonState FState = bsUp;
  int FGroupIndex = 0;
  bool FDown = false;
  bool FAllowAllUp = false;
  bool FFlat = false;
  bool FTransparent = true;
  bool FDragging = false;
  bool FMouseInControl = false;
  TButtonLayout FLayout = blGlyphLeft;
  int FMargin = -1;
  int FSpacing = 4;
};

// --- Bit button -----------------------------------------------------------------------
enum TBitBtnKind { bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll };
VAMIRE_ENUM_NAMES(TBitBtnKind, L"bkCustom", L"bkOK", L"bkCancel", L"bkHelp", L"bkYes", L"bkNo", L"bkClose",
                  L"bkAbort", L"bkRetry", L"bkIgnore", L"bkAll")

// The caption, modal result and glyph each kind stands for.
String BitBtnCaption(TBitBtnKind Kind);
TModalResult BitBtnModalResult(TBitBtnKind Kind);

// A push button drawn by its owner with a glyph beside the caption. A Kind
// other than bkCustom sets the caption, the modal result, Default (bkOK,
// bkYes), Cancel (bkCancel, bkNo) and a glyph of its own; Kind reads back as
// bkCustom once any of those but the caption is changed. A bkClose button
// closes its form instead of running OnClick.
class TBitBtn : public TButton {
  VAMIRE_CLASS(TBitBtn, TButton)
 public:
  explicit TBitBtn(TComponent* AOwner);
  ~TBitBtn() override;

  TBitmap* Glyph() const { return FGlyph.Glyph(); }
  void SetGlyph(TBitmap* Value);
  TNumGlyphs NumGlyphs() const { return FGlyph.NumGlyphs(); }
  void SetNumGlyphs(TNumGlyphs Value) { FGlyph.SetNumGlyphs(Value); }
  TBitBtnKind Kind() const;
  void SetKind(TBitBtnKind Value);
  TButtonLayout Layout() const { return FLayout; }
  void SetLayout(TButtonLayout Value);
  int Margin() const { return FMargin; }
  void SetMargin(int Value);
  int Spacing() const { return FSpacing; }
  void SetSpacing(int Value);
  void Click() override;

  // Stored rules of the published table: what the kind supplies is not written.
  bool IsCustomCaption();
  bool IsCustomGlyph() const { return FModifiedGlyph || FKind == bkCustom; }

 protected:
  void CreateParams(TCreateParams& Params) override;
  void DrawItem(const DRAWITEMSTRUCT& DrawItemStruct) override;
  void Dispatch(TMessage& Message) override;

 private:
  void GlyphChanged(TObject* Sender);

  TButtonGlyph FGlyph;
  TBitBtnKind FKind = bkCustom;
  TButtonLayout FLayout = blGlyphLeft;
  int FMargin = -1;
  int FSpacing = 4;
  bool FModifiedGlyph = false;
  bool FSettingKind = false;
};

// Registers the unit's classes for the form reader.
extern const TUnitEntry ButtonsUnit;
