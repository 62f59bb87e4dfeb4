// What a bar control and an item control tell the painter for one drawing.
// The painter keeps nothing of a control between calls: everything it needs to
// measure or draw a bar, a menu or an item arrives in these records, which the
// controls fill from their own state before each drawing.
#pragma once

#include <windows.h>

#include "Graphics.h"
#include "ImgList.h"

// Included by dxBar_win.h once the docking styles are known.

// A bar control: a docked or floating toolbar, or a sub-menu.
struct TdxBarControlPaintInfo {
  TdxBarDockingStyle DockingStyle = dsNone;  // dsNone: floating, or a menu
  TRect Bounds{};                            // the whole control: (0, 0, Width, Height)
  TRect ClientRect{};
  TBitmap* BackgroundBitmap = nullptr;  // the bar's own background picture
  TBitmap* ManagerBarBitmap = nullptr;  // the manager's Backgrounds.Bar
  bool StatusBarLike = false;           // no border, docked at the bottom, whole row
  TColor Color = clDefault;             // the bar's Color; clDefault when not set
  // What the dock fills behind a docked bar: its picture tiled from the bar's
  // place in the dock, else its colour.
  TBitmap* DockBitmap = nullptr;
  TColor DockColor = clBtnFace;
  TRect DockOrigin{};
  HBRUSH ToolbarBrush = nullptr;  // the bar's background brush
  HBRUSH SelectedBrush = nullptr;
  HBRUSH DownSelectedBrush = nullptr;
  // The floating caption.
  String Caption;
  HFONT CaptionFont = nullptr;
  TColor CaptionColor = clActiveCaption;
  TColor CaptionTextColor = clCaptionText;
  bool ShowsCloseButton = false;
  bool ShowsCaptionButtons = false;
  TRect CaptionButtonsRect{};  // the caption-button area, mark included
  int CloseButtonWidth = 0;
  int MarkSize = 11;
  bool ShowsGrip = false;
  bool ShowsSizeGrip = false;
  bool Vertical = false;  // docked left or right
  // Sub-menus.
  int SideBandWidth = 0;
  int IconColumnWidth = 0;
  int TearOffHeight = 0;  // 0: no tear-off caption
  bool TearOffActive = false;
  int TextSize = 0;  // the bar font's text size
};

// An item control as it is drawn now.
struct TdxBarItemPaintInfo {
  TRect ItemRect{};
  bool InMenu = false;
  bool Vertical = false;  // on a vertical bar
  bool Enabled = true;
  bool Selected = false;  // hot
  bool Pressed = false;
  bool Down = false;  // a checked button that is down
  bool DroppedDown = false;
  bool NonRecent = false;
  bool SplitButton = false;  // the drop-down part is a separate arrow
  bool ShowsArrow = false;   // a split part or a sub-item arrow is shown
  bool ShowsGlyph = true;
  bool ShowsCaption = true;
  bool ButtonGroupFrame = false;
  bool ShowsDescription = false;
  bool SmoothProgress = false;
  int Alignment = 0;        // 0 left, 1 right, 2 centre (TAlignment)
  int BorderStyle = 0;      // static border: 0 none, 1 lowered, 2 raised, 3 etched, 4 bump
  bool FirstInBar = false;  // the first shown in its bar or menu
  bool LastInBar = false;
  bool BeginGroup = false;
  String Caption;
  String ShortCutText;
  String Description;
  HFONT Font = nullptr;
  HBRUSH Brush = nullptr;     // the item's background brush
  HBRUSH BarBrush = nullptr;  // the bar's background brush
  HBRUSH SelectedBrush = nullptr;
  HBRUSH DownBrush = nullptr;
  HBRUSH DownSelectedBrush = nullptr;
  TCustomImageList* Images = nullptr;
  int ImageIndex = -1;
  int GlyphSize = 16;
  int TextSize = 16;
  int ArrowSize = 4;
  int IconColumnWidth = 0;
  int ArrowWidth = 11;  // the split part's width
  int ArrowOffset = 0;  // a spin arrow's left within its button
  // Progress.
  int Position = 0, Min = 0, Max = 100;
};

// The arrow size of a combo button of the given width: a quarter, one more
// when bit 2 of the width is clear.
inline int dxBarComboArrowSize(int ButtonWidth) { return ButtonWidth / 4 + ((ButtonWidth & 4) == 0 ? 1 : 0); }
