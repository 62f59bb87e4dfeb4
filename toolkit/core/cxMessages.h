// Every private window message of the toolkit, in one place, so that no two
// layers pick the same number and none lands on a runtime CM_/CN_ message
// (a test checks both). They are sent or posted only to the toolkit's own
// windows. The two messages registered by name are kept by cxControlsBase.
#pragma once

#include <cstdint>

using TcxMessageId = std::uint32_t;

// --- Core: base control, container, popups --------------------------------------------
constexpr TcxMessageId CXM_SCROLLBARSIZESCHANGED = 0x8065;  // to a control: re-read the system scroll-bar sizes
constexpr TcxMessageId CXM_SYNCHRONIZE = 0x8066;            // posted to the system controller: run queued synchronised calls
constexpr TcxMessageId CXM_POPUPCLOSEUP = 0x807D;           // posted to a popup (32893): close it, then focus the owner
constexpr TcxMessageId CXM_POPUPSHOWAGAIN = 0x807E;         // posted to a popup (32894): show it again for its focused control
constexpr TcxMessageId CXM_CONTAINERREFRESH = 0x807F;       // posted to a container: refresh its view state at the cursor
constexpr TcxMessageId CXM_CONTAINERSCROLLBARS = 0x8080;    // posted to a container: mirror the inner control's scroll bars

// --- Editors and buttons ---------------------------------------------------------------
constexpr TcxMessageId CXM_BUFFEREDREPAINT = 0x8081;        // WM_APP + 129, posted once to an inner edit: buffered repaint now
constexpr TcxMessageId CXM_POPUPFORWARDCHAR = 0x8096;       // to a popup (32918): WParam is a typed character
constexpr TcxMessageId CXM_DROPDOWNSYNCITEM = 0x8097;       // to a drop-down editor (32919): re-sync its list item after a paste
constexpr TcxMessageId CXM_BUTTONDROPDOWN = 0x8098;         // to a button: drop its menu down
constexpr TcxMessageId CXM_BUTTONCLOSEUP = 0x8099;          // to a button: its menu closed
constexpr TcxMessageId CXM_GROUPBOXREFRAME = 0x809A;        // to a group box with a non-client caption: redraw the frame
constexpr TcxMessageId CXM_EDITREPLACETEXT = 0x812C;        // WM_APP + 300, to an inner edit: LParam points to the text to put in
constexpr TcxMessageId CXM_EDITHOOKREFRESH = 0x812D;        // WM_APP + 301, posted to an inner edit: refresh after painting

// --- Bars --------------------------------------------------------------------------------
constexpr TcxMessageId CXM_BARREBUILD = 0x80C8;             // WM_APP + 200, posted to a bar control: rebuild it
constexpr TcxMessageId CXM_CUSTOMIZELISTFILL = 0x80C9;      // to a customization list: rewrite one entry, or refill
constexpr TcxMessageId CXM_CUSTOMIZELISTSELECT = 0x80CA;    // to a customization list: synchronise the selection
constexpr TcxMessageId CXM_CUSTOMIZELISTACTIONS = 0x80CB;   // to a customization list: update the actions
constexpr TcxMessageId CXM_CUSTOMIZELISTREFRESH = 0x80CC;   // posted to the customization form: deferred refill; LParam the list

// --- Skinned forms -----------------------------------------------------------------------
constexpr TcxMessageId CXM_SKINREDRAW = 0x8113;             // to a form: redraw window, frame and children later
constexpr TcxMessageId CXM_SKINMDICAPTION = 0x8114;         // to an MDI frame: a child's caption or activation changed
constexpr TcxMessageId CXM_SKININITIALIZE = 0x8115;         // to a new form: finish its initialisation
constexpr TcxMessageId CXM_SKINCREATECONTROLLER = 0x8116;   // to the skin unit's message window: LParam the window to control
constexpr TcxMessageId CXM_SKINTRANSPARENTLABELS = 0x8117;  // to a new standard form: make its labels transparent
constexpr TcxMessageId CXM_SKINREFUSE = 0x8118;             // sent to a new window: non-zero keeps it unskinned

// --- Status panes ------------------------------------------------------------------------
constexpr TcxMessageId CXM_BLINKQUERY = 0xB3E8;             // sent to a blinking pane: does it blink now?
constexpr TcxMessageId CXM_BLINKSTATE = 0xB3E9;             // sent to a blinking pane: WParam the new blink state

// All of the above, for the uniqueness test.
constexpr TcxMessageId cxPrivateMessages[] = {
    CXM_SCROLLBARSIZESCHANGED, CXM_SYNCHRONIZE, CXM_POPUPCLOSEUP, CXM_POPUPSHOWAGAIN, CXM_CONTAINERREFRESH,
    CXM_CONTAINERSCROLLBARS, CXM_BUFFEREDREPAINT, CXM_POPUPFORWARDCHAR, CXM_DROPDOWNSYNCITEM, CXM_BUTTONDROPDOWN,
    CXM_BUTTONCLOSEUP, CXM_GROUPBOXREFRAME, CXM_EDITREPLACETEXT, CXM_EDITHOOKREFRESH, CXM_BARREBUILD,
    CXM_CUSTOMIZELISTFILL, CXM_CUSTOMIZELISTSELECT, CXM_CUSTOMIZELISTACTIONS, CXM_CUSTOMIZELISTREFRESH,
    CXM_SKINREDRAW, CXM_SKINMDICAPTION, CXM_SKININITIALIZE, CXM_SKINCREATECONTROLLER, CXM_SKINTRANSPARENTLABELS,
    CXM_SKINREFUSE, CXM_BLINKQUERY, CXM_BLINKSTATE};
