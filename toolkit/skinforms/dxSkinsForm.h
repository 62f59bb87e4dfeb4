// The geometry of a skinned form's frame, apart from any window: which caption
// buttons a window gets, where they sit, what a point of the frame hits, the
// client rectangle the skin's borders leave, the parts of a scroll bar and the
// state a caption button is drawn in. The controllers in platform/ feed these
// with what they read from the window and the skin.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "Types.h"
#include "dxSkinsCore.h"

// The caption buttons, in the order the skin's form row lists their elements.
enum TdxSkinFormIconType : std::uint8_t { sfiMenu, sfiHelp, sfiMinimize, sfiMaximize, sfiRestore, sfiClose };
constexpr int dxSkinFormIconTypeCount = 6;

// The system command a button sends and the hit-test code it answers.
std::uint32_t dxSkinFormIconCommand(TdxSkinFormIconType AType);
int dxSkinFormIconHitTest(TdxSkinFormIconType AType);

// Hit-test codes as the system numbers them.
enum : int {
  dxHTNOWHERE = 0, dxHTCAPTION = 2, dxHTSYSMENU = 3, dxHTMINBUTTON = 8, dxHTMAXBUTTON = 9, dxHTLEFT = 10,
  dxHTRIGHT = 11, dxHTTOP = 12, dxHTTOPLEFT = 13, dxHTTOPRIGHT = 14, dxHTBOTTOM = 15, dxHTBOTTOMLEFT = 16,
  dxHTBOTTOMRIGHT = 17, dxHTCLOSE = 20, dxHTHELP = 21
};

// What the frame's shape depends on, read from the window's styles and state.
struct TdxSkinFormFrameStyle {
  bool Caption = true;       // WS_CAPTION
  bool SystemMenu = true;    // WS_SYSMENU
  bool MinimizeBox = true;   // WS_MINIMIZEBOX
  bool MaximizeBox = true;   // WS_MAXIMIZEBOX
  bool Sizeable = true;      // WS_THICKFRAME
  bool ToolWindow = false;   // WS_EX_TOOLWINDOW
  bool Dialog = false;       // WS_EX_DLGMODALFRAME
  bool ContextHelp = false;  // WS_EX_CONTEXTHELP
  bool Minimized = false;
  bool Maximized = false;
};

// The buttons the style asks for, in placing order: the system-menu icon
// (left end) first, then close, maximize or restore, minimize and help from
// the right end leftwards.
std::vector<TdxSkinFormIconType> dxSkinFormCaptionIcons(const TdxSkinFormFrameStyle& AStyle);

struct TdxSkinFormCaptionButton {
  TdxSkinFormIconType IconType = sfiClose;
  TSize PictureSize;  // in: the picture's size
  TRect HitBounds;    // out: what reacts to the mouse
  TRect Bounds;       // out: where the picture goes, centred in HitBounds
};

// The caption area the buttons and text share: ACaption deflated by the
// caption element's content offsets (at least the band on the left, right and
// top of a maximized window, whose frame lies off the screen), its left at the
// left frame's width; a tool window's starts a pixel lower.
TRect dxSkinFormCaptionArea(const TRect& ACaption, const TRect& AContentOffsets, int ALeftFrameWidth,
                            const TSize& ABand, bool AMaximized, bool AToolWindow);

// A button picture as tall as the area and as wide as the image's aspect
// gives; a tiled image keeps the parity of its own width and height.
TSize dxSkinFormButtonPictureSize(int AAreaHeight, const TSize& AImageSize, bool ATiled);

// Places the buttons (in dxSkinFormCaptionIcons order) in AArea and answers
// the caption text's rectangle between them: AContentLeft further right, 5
// pixels short of the buttons and ATextHeight tall, centred. A maximized
// window's buttons reach up to the window's top edge, the icon to its left
// edge and the rightmost button to its right edge (AWindowWidth), so that the
// screen's edge pixels hit them.
TRect dxSkinFormPlaceCaptionButtons(std::vector<TdxSkinFormCaptionButton>& AButtons, const TRect& AArea,
                                    int AContentLeft, int ATextHeight, bool AMaximized, int AWindowWidth);

// The left, caption, right and bottom bands of a window of ASize, from the
// widths (Left, Top = caption height, Right, Bottom).
std::array<TRect, 4> dxSkinFormBorderRects(const TSize& ASize, const TRect& AWidths);

// What the frame answers at P (window coordinates): a sizeable, restored
// window's corners and sides first (corners ABand.cx wide, as tall as the
// caption at the top and ABand.cy at the bottom), then the caption's buttons
// and the caption itself; dxHTNOWHERE elsewhere, for the system to answer.
struct TdxSkinFormHitTestInfo {
  TSize WindowSize;
  TRect Widths;  // Left, Top (caption height), Right, Bottom
  TSize Band;
  bool Sizeable = false;
  bool Maximized = false;
  const std::vector<TdxSkinFormCaptionButton>* Buttons = nullptr;
};
int dxSkinFormHitTest(const TdxSkinFormHitTestInfo& AInfo, const TPoint& P);

// The client rectangle the skin's borders leave in AWindowRect (each widened
// by the form's ABorderWidth) with room for the visible scroll bars.
TRect dxSkinFormClientRect(const TRect& AWindowRect, const TRect& AWidths, int ABorderWidth, bool AHScroll,
                           bool AVScroll, const TSize& AScrollBarSizes);

// Whether the frame keeps the system's sizes (the skin painted into them)
// instead of the skin's: maximized, with a menu bar, an MDI client, or no
// visual styles.
bool dxSkinFormUsesSystemMetrics(bool AMaximized, bool AHasMenuBar, bool AMDIClient, bool AThemesActive);

// The five parts of a bar (1 first arrow, 2 second arrow, 3 thumb, 4 track
// before the thumb, 5 track after it; index 0 unused) from its rectangle and
// the system's arrow size and thumb offsets (from the bar's start). A thumb
// of no length leaves the whole track to part 4. Parts never leave the bar.
std::array<TRect, 6> dxSkinFormScrollBarParts(const TRect& ABar, bool AHorizontal, int AArrowSize, int AThumbTop,
                                              int AThumbBottom);

// A caption button's state: esActiveDisabled in an inactive window; normal
// unless it is the hot, enabled button; pressed while it is the pressed one
// and the left button is down; else hot.
TdxSkinElementState dxSkinFormIconState(bool AActive, bool AHot, bool AEnabled, bool APressed, bool ALeftButtonDown);
