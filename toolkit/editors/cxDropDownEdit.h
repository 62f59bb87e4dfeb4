// The arithmetic of a drop-down editor's popup, kept apart from any window so
// it can be checked natively: how thick its frame is, where its client area,
// system panel, close button and size grip lie, how large it opens, which
// corner its grip takes once placed against the editor, how a drag of the
// grip resizes it; and the rules of opening and closing it: the close
// reasons, which of them take the popup's value, which keys open and close
// it, and how the stored popup sizes are kept in range. The windows built on
// it are in platform/cxDropDownEdit_win.h.
#pragma once

#include <cstdint>

#include "Types.h"
#include "cxControls.h"
#include "cxEdit.h"

// --- Frame and metrics ------------------------------------------------------------------------
constexpr int cxEditPopupShadowWidth = 3;

// The size-grip corners: the grip sits at the corner away from the editor.
enum TcxEditPopupGripCorner { gcLeftTop, gcRightTop, gcLeftBottom, gcRightBottom };

// What the popup's frame is made of, as the owner editor set it before opening.
struct TcxEditPopupFrame {
  TcxEditPopupBorderStyle BorderStyle = epbsDefault;
  bool NativeStyle = false;
  bool Skinned = false;
  bool ClientEdge = false;
  bool Shadow = false;
  bool SysPanel = false;
  bool Sizeable = false;
  bool CloseButton = false;
};

// The system metrics the popup reads at each use. The themed sizes count only
// while Themed: the window theme is usable and the popup has the native style.
struct TcxEditPopupMetrics {
  int HScrollHeight = 0;        // SM_CYHSCROLL
  int CaptionButtonHeight = 0;  // SM_CYSIZE
  bool Themed = false;
  TSize ThemedCloseButton;  // the window theme's small close button
  TSize ThemedSizeBox;      // the scroll-bar theme's size box
};

int EditPopupSysPanelHeight(const TcxEditPopupFrame& AFrame, const TcxEditPopupMetrics& AMetrics);
// Native and skinned frames are 1 wide; else by style: default 0, single 1,
// 3D 4, flat 2; AWithClientEdge adds the client edge when it is on.
int EditPopupBorderWidth(const TcxEditPopupFrame& AFrame, bool AWithClientEdge);
bool IsTopGripCorner(TcxEditPopupGripCorner ACorner);
bool IsRightGripCorner(TcxEditPopupGripCorner ACorner);
// From each window edge to the client area (Left, Top, Right, Bottom): the
// border and client edge, the shadow on the right and at the bottom, and the
// system panel (with its separator line) on the side of the grip.
TRect EditPopupClientExtent(const TcxEditPopupFrame& AFrame, int APanelHeight, TcxEditPopupGripCorner ACorner);
// The extents; a sizeable popup with its panel also keeps room for the close
// button, the grip and 10 pixels between them.
TSize EditPopupMinSize(const TcxEditPopupFrame& AFrame, const TRect& AExtent, int ACloseButtonWidth,
                       int AGripHitWidth);

// --- Layout of the window -----------------------------------------------------------------------
struct TcxEditPopupLayout {
  TRect Bounds;
  TRect ClientRect;
  TRect PanelRegion;   // inside border and shadow: where the panel is laid out
  int PanelHeight = 0;
  TRect GripHitRect;   // a press here starts sizing
  TRect GripRect;      // where the grip is drawn
  TRect CloseButtonRect;
};
TcxEditPopupLayout CalcEditPopupLayout(const TcxEditPopupFrame& AFrame, const TcxEditPopupMetrics& AMetrics,
                                       const TSize& AWindowSize, TcxEditPopupGripCorner ACorner);
// 0 on the close button, 1 on the grip, -1 elsewhere.
int EditPopupHitArea(const TcxEditPopupLayout& ALayout, const TPoint& P);
// 1 normal, 2 hot, 3 pressed.
int EditPopupCloseButtonState(bool AOnButton, bool ALeftButtonHeld);
// The grips of corners 0 and 3 size along the falling diagonal.
bool GripCornerSizesNWSE(TcxEditPopupGripCorner ACorner);

// --- Size and position --------------------------------------------------------------------------
// The largest client size beside the editor (screen rectangle AOwner) in the work area AWorkArea.
TSize EditPopupMaxClientSize(const TRect& AOwner, const TRect& AWorkArea, bool AShadow, TcxPopupDirection ADirection,
                             const TRect& AExtent);

struct TcxEditPopupSizeParams {
  bool AutoSize = true;
  TSize Content;         // the editor's content size
  int PopupWidth = 0;    // stored sizes, 0 = not set
  int PopupHeight = 0;
  int OwnerWidth = 0;
  bool Sizeable = false;
  int MinWidth = 0;
  int MinHeight = 0;
};
TSize CalcEditPopupSize(const TcxEditPopupSizeParams& AParams, const TRect& AExtent, const TSize& AMinSize);

struct TcxEditPopupPlacement {
  TPoint Position;
  TcxEditPopupGripCorner Corner = gcRightBottom;
};
// AP from the base placement of a window of ASize against the owner's screen
// rectangle AOwner: which way it turned gives the grip corner, and a popup
// above the editor with a shadow moves down by the shadow so that its visible
// part touches the editor.
TcxEditPopupPlacement PlaceEditPopup(const TPoint& AP, const TSize& ASize, const TRect& AOwner, const TRect& AWorkArea,
                                     TcxPopupAlignHorz AAlignHorz, TcxPopupAlignVert AAlignVert, bool AShadow);
// The shadow band under the editor cut out of a popup above it (window
// coordinates; empty for a popup below). AOwnerLeft and AOwnerRight are the
// editor's edges in the popup's coordinates.
TRect EditPopupShadowExclusion(const TSize& AWindowSize, TcxEditPopupGripCorner ACorner, int AOwnerLeft,
                               int AOwnerRight);

// --- Sizing with the grip -----------------------------------------------------------------------
// The size a drag of (ADX, ADY) from the start point asks for.
TSize EditPopupDraggedSize(const TSize& ASize, TcxEditPopupGripCorner ACorner, int ADX, int ADY);
// Never below the minimum size from the extents nor the popup's minimum width and height.
TSize ClampEditPopupSize(const TSize& ASize, const TSize& AMinSize, int AMinWidth, int AMinHeight);
// The rectangle of ASize keeping the edge of ABounds opposite the grip,
// overlapping the editor (AOwner) horizontally by a pixel at least, clipped to the work area.
TRect EditPopupSizingRect(const TRect& ABounds, TcxEditPopupGripCorner ACorner, const TSize& ASize,
                          const TRect& AOwner, const TRect& AWorkArea);

// --- Opening and closing ------------------------------------------------------------------------
// Why a popup closed: 0 focus lost or closed by the program, 1 Tab, 2 F4,
// Alt+Up, Alt+Down or the close button, 3 Esc or Cancel, 4 Enter, OK or a
// click on a list row.
enum TcxEditCloseUpReason : std::uint8_t { crUnknown, crTab, crClose, crCancel, crEnter };
// Reasons 1, 2 and 4 take the popup's value into the editor.
bool CloseUpReasonTakesValue(TcxEditCloseUpReason AReason);
// A modal result of hosted content: OK (1) accepts, Cancel (2) rejects, anything else is reason 0.
TcxEditCloseUpReason ModalResultCloseUpReason(int AModalResult);

// What a key does to a drop-down editor's popup before the text editor sees it.
enum TcxDropDownKeyEffect { dkeNone, dkeDropDown, dkeCloseUp };
struct TcxDropDownKeyAction {
  TcxDropDownKeyEffect Effect = dkeNone;
  TcxEditCloseUpReason Reason = crUnknown;
};
// F4 without Alt, Alt+Up and Alt+Down open a closed popup and close an open
// one with reason 2; while open, Enter closes with 4 when editing is allowed,
// else 3, and Esc with 3. Any other key goes on.
TcxDropDownKeyAction DropDownKeyAction(std::uint16_t AKey, bool AAlt, bool APopupOpen, bool AEditingAllowed);

// The stored popup sizes as the properties keep them: minimums are never
// negative; a width is 0 (not set) or at least the minimum; a height is at
// least the minimum.
int NormalizePopupMinSize(int AValue);
int NormalizePopupWidth(int AValue, int AMinWidth);
int NormalizePopupHeight(int AValue, int AMinHeight);

// Pairs the popup's initialisation with its finalisation and remembers the
// first close reason of an opening. Windows-free; the editor drives it.
class TcxDropDownPopupState {
 public:
  // True when this call initialised it (the caller then runs the init hooks).
  bool BeginInit();
  // The init hooks failed: not initialised after all.
  void CancelInit() { FInitialized = false; }
  // True when it was initialised (the caller then runs the finalize hooks).
  bool EndFinalize();
  bool Initialized() const { return FInitialized; }
  // Shown: a new opening, no close reason yet.
  void Shown() { FFirstCloseReason = crUnknown; }
  // Kept only while none is (reason 0 counts as none).
  void NoteCloseReason(TcxEditCloseUpReason AReason);
  TcxEditCloseUpReason FirstCloseReason() const { return FFirstCloseReason; }

 private:
  bool FInitialized = false;
  TcxEditCloseUpReason FFirstCloseReason = crUnknown;
};

// --- The combo box's list ------------------------------------------------------------------------
// How large a combo box's popup opens. Unlike the other drop-down kinds an
// auto-sized list is never narrower than its editor, and a size the user
// dragged to is kept while the popup stays sizeable.
struct TcxComboPopupSizeParams {
  TSize Content;  // the list's wanted client size
  int OwnerWidth = 0;
  bool AutoSize = true;
  bool Sizeable = false;
  bool UserResized = false;
  int PopupWidth = 0;
  int PopupHeight = 0;
  int MinWidth = 0;
  int MinHeight = 0;
};
TSize CalcComboPopupSize(const TcxComboPopupSizeParams& AParams, const TRect& AExtent, const TSize& AMinSize);

// The list's wanted size: DropDownRows rows at most (AHeightForRows of that
// many), the widest item plus 4, a vertical scroll bar's width when rows stay
// hidden, a horizontal one's height when the width exceeds AMaxWidth. A
// maximum of 0 is no limit.
struct TcxComboListMetrics {
  int ItemCount = 0;
  int DropDownRows = 8;
  int WidestItem = 0;
  int VScrollWidth = 0;
  int HScrollHeight = 0;
};
TSize CalcComboListSize(const TcxComboListMetrics& AList, int AHeightForRows, int AMaxHeight, int AMaxWidth);

// The size a list takes when the user drags its popup to ASize: whole rows,
// rounded up while shrinking, down while growing, never past all rows.
// ARowHeight gives each row's height; AScrollWidth is the list's horizontal extent.
TSize CalcComboListResize(TSize ASize, int ACurrentHeight, const TcxComboListMetrics& AList,
                          int (*ARowHeight)(void* AContext, int AIndex), void* AContext, int AScrollWidth,
                          int AMaxHeight, int AMaxWidth);
