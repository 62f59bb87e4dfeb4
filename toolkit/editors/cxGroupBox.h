// The group box's arithmetic, kept apart from any window: where the caption
// goes for each of the 13 alignments (framed, skinned and in panel style), how
// far the frame and the children sit from the edges, where the border runs,
// and when a shadow is drawn. The control itself stands on the editor base.
#pragma once

#include <vector>

#include "Streaming.h"
#include "Types.h"
#include "cxLookAndFeelPainters.h"

enum TcxCaptionAlignment {
  alTopLeft, alTopCenter, alTopRight, alBottomLeft, alBottomCenter, alBottomRight, alLeftTop, alLeftCenter,
  alLeftBottom, alRightTop, alRightCenter, alRightBottom, alCenterCenter
};
VAMIRE_ENUM_NAMES(TcxCaptionAlignment, L"alTopLeft", L"alTopCenter", L"alTopRight", L"alBottomLeft",
                  L"alBottomCenter", L"alBottomRight", L"alLeftTop", L"alLeftCenter", L"alLeftBottom",
                  L"alRightTop", L"alRightCenter", L"alRightBottom", L"alCenterCenter")

enum TcxPanelOffice11BackgroundKind { pobkGradient, pobkOffice11Color, pobkStyleColor };
VAMIRE_ENUM_NAMES(TcxPanelOffice11BackgroundKind, L"pobkGradient", L"pobkOffice11Color", L"pobkStyleColor")

// The side the painters are told: top, bottom, left, right, or the centre.
TcxGroupBoxCaptionPosition GroupBoxAlignmentToCaptionPosition(TcxCaptionAlignment AAlignment);

// The shadow's width on the right and bottom.
constexpr int cxGroupBoxShadowSize = 3;
// The caption's distance from the corner along its side, in the framed layout.
constexpr int cxGroupBoxCaptionOffset = 8;
// The smallest panel caption indent; smaller values are stored as this.
constexpr int cxGroupBoxMinCaptionIndent = 2;

// Only a drawn (neither native nor skinned) look whose style asks for it, in
// panel style or with the caption at the top or left.
bool GroupBoxHasShadow(bool AStyleShadow, bool APanelStyle, TcxCaptionAlignment AAlignment, bool ANative,
                       bool ASkinned);

// --- Extents ------------------------------------------------------------------------------
struct TcxGroupBoxExtentParams {
  TRect BorderExtent;  // the plain border widths (Left, Top, Right, Bottom)
  bool Standalone = true;
  bool PanelStyle = false;
  TcxCaptionAlignment Alignment = alTopLeft;
  int CaptionTextHeight = 0;  // TextHeight("Wg") in the caption font
  bool Shadow = false;
  bool Skinned = false;        // a skin painter paints
  TRect SkinFrameExtents;      // the skin's frame extents for the position (panel border extents in panel style)
  int SkinCaptionBand = 0;     // the skinned caption layout's band margin
  bool NonClientCaption = false;
};
// Where the frame runs: the caption side of a standalone framed box (not
// centred) goes through the middle of the caption, h div 2 + 1 from a top or
// bottom edge and h div 2 from a left or right one.
TRect CalcGroupBoxBorderExtent(const TcxGroupBoxExtentParams& AParams);
// Where the children go, as margins: see the unit's notes; the caption side
// of a standalone framed box is h + the top margin + 3 (no 3 under a skin).
TRect CalcGroupBoxClientExtent(const TcxGroupBoxExtentParams& AParams);
// The children's rectangle: (0, 0, Width, Height) less the client extent,
// and less ABorderWidth on every side in panel style.
TRect CalcGroupBoxClientRect(int AWidth, int AHeight, const TRect& AClientExtent, bool APanelStyle,
                             int ABorderWidth);

// The border rectangle: in panel style the bounds less the shadow, else the
// given one; then the caption side reaches the control's edge.
TRect CalcGroupBoxBorderBounds(const TRect& ABounds, const TRect& AInheritedBounds, bool APanelStyle, bool AShadow,
                               TcxCaptionAlignment AAlignment);
// The native frame: the bounds with the caption side moved in by half the
// caption font's TextHeight("Qq").
TRect CalcGroupBoxNativeFrameRect(const TRect& ABounds, TcxCaptionAlignment AAlignment, int AQqTextHeight);

// --- Caption layouts ----------------------------------------------------------------------
struct TcxGroupBoxCaptionLayout {
  TRect CaptionRect;      // the caption band or area
  TRect CaptionTextRect;  // where the text is drawn
  TRect BorderRect;       // the skinned layout's frame rectangle
};

// The framed layout without a skin: the text's single-line size ATextSize,
// 8 pixels from the corner; left and right positions hold the text turned in
// a band ATextSize.cy wide. An empty caption gives empty rectangles.
TRect CalcGroupBoxFramedCaptionRect(TcxCaptionAlignment AAlignment, int AWidth, int AHeight, const TSize& ATextSize,
                                    bool AShadow, bool AHasCaption);

struct TcxGroupBoxSkinnedCaptionParams {
  int Width = 0, Height = 0;
  TcxCaptionAlignment Alignment = alTopLeft;
  TSize TextSize;            // text width, max(text height, TextHeight("Qq"))
  TRect CaptionPartExtents;  // the skin's caption-part extents for the position
  bool NonClientCaption = false;
};
// The band margin: the caption-part extents across the caption side (0 in the centre).
int CalcGroupBoxSkinCaptionBand(TcxCaptionAlignment AAlignment, const TRect& ACaptionPartExtents);
// Steps 1 to 4 of the skinned layout; the measured-height hook comes after it.
TcxGroupBoxCaptionLayout CalcGroupBoxSkinnedCaption(const TcxGroupBoxSkinnedCaptionParams& AParams);
// The band's thickness across its side (the height, or the width for left and right).
int GroupBoxCaptionBandThickness(const TRect& ACaptionRect, TcxCaptionAlignment AAlignment);
// Sets that thickness from the caption side; the centre keeps its rectangle.
TRect ResizeGroupBoxCaptionBand(const TRect& ACaptionRect, TcxCaptionAlignment AAlignment, int AThickness);

// Panel style: the caption's bounds are ABounds (less the shadow) less the
// border width on every side and the indent on the caption's sides (2 across
// a centred axis).
TRect CalcGroupBoxPanelCaptionBounds(const TRect& ABounds, TcxCaptionAlignment AAlignment, int ABorderWidth,
                                     int ACaptionIndent);
// DrawText flags of the panel caption: horizontal and vertical alignment, and
// DT_WORDBREAK with AWordWrap, else DT_SINGLELINE.
unsigned GetGroupBoxPanelTextFlags(TcxCaptionAlignment AAlignment, bool AWordWrap);
// The measured text rectangle moved inside the bounds by the alignment and clipped to them.
TRect PlaceGroupBoxPanelCaption(const TRect& ABounds, const TSize& ATextSize, TcxCaptionAlignment AAlignment);

// --- Button groups ------------------------------------------------------------------------
// Columns in force of a button group: at most Columns and the item count,
// without trailing columns that would stay empty (4 items in 3 columns make
// 2 columns of 2); 0 without items.
int GetButtonGroupColumnCount(int AColumns, int AItemCount);
// The radio group's: at most Columns and the item count, at least 1, empty
// trailing columns kept (4 items in 3 columns make 3 columns of 2, 2, 0).
int GetRadioGroupColumnCount(int AColumns, int AItemCount);
// Rows in force: the items fill a column top to bottom, then the next.
int GetButtonGroupRowCount(int AItemCount, int AColumns);

// A kind's measures of its buttons, in this order.
struct TcxButtonGroupMetrics {
  int CaptionLeftMargin = 0;      // between glyph and caption, when a given width is divided
  int MeasureWidthCorrection = 0; // added to a given width before it is divided
  int CaptionRightMargin = 0;     // added to each column of an automatic width
  int AutoWidthAddition = 0;      // added once to an automatic width
  int LeftOffset = 0;             // of a button in its cell
  int LayoutWidthCorrection = 0;  // added once to the content width when laying out
  int ColumnSpacing = 0;
  int GlyphWidth = 0;
  int GlyphHeight = 0;
};
// Every button's rectangle, in item order: ABounds less the client extent
// AExtent divided into AColumns columns of ARows rows; the rows' remainder
// is shared above and below.
std::vector<TRect> CalcButtonGroupButtonRects(const TRect& ABounds, const TRect& AExtent, int ACount, int AColumns,
                                              int ARows, const TcxButtonGroupMetrics& AMetrics);

enum TcxButtonGroupMove { bgmLeft, bgmUp, bgmRight, bgmDown };
// The button an arrow moves the focus to from button AIndex, or -1: no
// neighbour that way, or a disabled one (which stops the move).
int ButtonGroupArrowTarget(TcxButtonGroupMove AMove, int AIndex, int ACount, int ARows,
                           const std::vector<bool>& AEnabled);
