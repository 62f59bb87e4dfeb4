// The runtime's private window messages: the CM_ family that controls send one
// another (0xB000 up) and the CN_ family, a parent's notification reflected to
// the child window it concerns (CN_BASE + the original WM_ id). Also typed
// views of TMessage for the messages whose parameters are packed.
#pragma once

#include <windows.h>

#include "HiddenWindow.h"

// --- Control messages -----------------------------------------------------------------
constexpr UINT CM_BASE = 0xB000;
constexpr UINT CM_ACTIVATE = CM_BASE + 0;               // a form became the active one
constexpr UINT CM_DEACTIVATE = CM_BASE + 1;             // a form stopped being the active one
constexpr UINT CM_GOTFOCUS = CM_BASE + 2;               // reserved: a control got the focus
constexpr UINT CM_LOSTFOCUS = CM_BASE + 3;              // reserved: a control lost the focus
constexpr UINT CM_CANCELMODE = CM_BASE + 4;             // end capture and modes; LParam: the control taking over
constexpr UINT CM_DIALOGKEY = CM_BASE + 5;              // Tab, arrows, Enter, Esc offered up the parent chain
constexpr UINT CM_DIALOGCHAR = CM_BASE + 6;             // an accelerator character offered to the controls
constexpr UINT CM_FOCUSCHANGED = CM_BASE + 7;           // to a form: LParam is the newly focused control
constexpr UINT CM_PARENTFONTCHANGED = CM_BASE + 8;      // the parent's font changed
constexpr UINT CM_PARENTCOLORCHANGED = CM_BASE + 9;     // the parent's colour changed
constexpr UINT CM_HITTEST = CM_BASE + 10;               // windowless hit test; LParam: client point; nonzero = hit
constexpr UINT CM_VISIBLECHANGED = CM_BASE + 11;        // Visible changed; WParam: the new value
constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 12;        // Enabled changed
constexpr UINT CM_COLORCHANGED = CM_BASE + 13;          // Color changed
constexpr UINT CM_FONTCHANGED = CM_BASE + 14;           // Font changed
constexpr UINT CM_CURSORCHANGED = CM_BASE + 15;         // Cursor changed
constexpr UINT CM_CTL3DCHANGED = CM_BASE + 16;          // Ctl3D changed
constexpr UINT CM_PARENTCTL3DCHANGED = CM_BASE + 17;    // the parent's Ctl3D changed
constexpr UINT CM_TEXTCHANGED = CM_BASE + 18;           // Caption/Text changed
constexpr UINT CM_MOUSEENTER = CM_BASE + 19;            // the mouse came over; LParam: the child under it or 0
constexpr UINT CM_MOUSELEAVE = CM_BASE + 20;            // the mouse went away; LParam: the child it left or 0
constexpr UINT CM_MENUCHANGED = CM_BASE + 21;           // a form's menu changed
constexpr UINT CM_APPKEYDOWN = CM_BASE + 22;            // a key for the application's main menu
constexpr UINT CM_APPSYSCOMMAND = CM_BASE + 23;         // a system command for the application window
constexpr UINT CM_BUTTONPRESSED = CM_BASE + 24;         // a grouped button went down; WParam: group, LParam: button
constexpr UINT CM_SHOWINGCHANGED = CM_BASE + 25;        // Showing (visible with all parents) changed
constexpr UINT CM_ENTER = CM_BASE + 26;                 // the control becomes the active control
constexpr UINT CM_EXIT = CM_BASE + 27;                  // the control stops being the active control
constexpr UINT CM_DESIGNHITTEST = CM_BASE + 28;         // at design time: does the control take this mouse message?
constexpr UINT CM_ICONCHANGED = CM_BASE + 29;           // a form's icon changed
constexpr UINT CM_WANTSPECIALKEY = CM_BASE + 30;        // does the control want this dialog key itself? nonzero = yes
constexpr UINT CM_INVOKEHELP = CM_BASE + 31;            // help requested; WParam: command, LParam: data
constexpr UINT CM_WINDOWHOOK = CM_BASE + 32;            // install or remove an application window hook
constexpr UINT CM_RELEASE = CM_BASE + 33;               // posted to a form that frees itself
constexpr UINT CM_SHOWHINTCHANGED = CM_BASE + 34;       // ShowHint changed
constexpr UINT CM_PARENTSHOWHINTCHANGED = CM_BASE + 35; // the parent's ShowHint changed
constexpr UINT CM_SYSCOLORCHANGE = CM_BASE + 36;        // WM_SYSCOLORCHANGE passed on to every control
constexpr UINT CM_WININICHANGE = CM_BASE + 37;          // WM_WININICHANGE passed on to every control
constexpr UINT CM_FONTCHANGE = CM_BASE + 38;            // WM_FONTCHANGE passed on to every control
constexpr UINT CM_TIMECHANGE = CM_BASE + 39;            // WM_TIMECHANGE passed on to every control
constexpr UINT CM_TABSTOPCHANGED = CM_BASE + 40;        // TabStop changed
constexpr UINT CM_UIACTIVATE = CM_BASE + 41;            // in-place activation began
constexpr UINT CM_UIDEACTIVATE = CM_BASE + 42;          // in-place activation ended
constexpr UINT CM_DOCWINDOWACTIVATE = CM_BASE + 43;     // a document window was activated
constexpr UINT CM_CONTROLLISTCHANGE = CM_BASE + 44;     // a child joins or leaves; WParam: control, LParam: inserting
constexpr UINT CM_GETDATALINK = CM_BASE + 45;           // answers the control's data link
constexpr UINT CM_CHILDKEY = CM_BASE + 46;              // a key of a child; WParam: key, LParam: child; nonzero = handled
constexpr UINT CM_DRAG = CM_BASE + 47;                  // a drag step; WParam: TDragMessage, LParam: TDragRec*
constexpr UINT CM_HINTSHOW = CM_BASE + 48;              // the hint is about to show; LParam: THintInfo*; nonzero = don't
constexpr UINT CM_DIALOGHANDLE = CM_BASE + 49;          // get or set a form's dialog handle
constexpr UINT CM_ISTOOLCONTROL = CM_BASE + 50;         // is the control a tool control? nonzero = yes
constexpr UINT CM_RECREATEWND = CM_BASE + 51;           // posted: re-create the window now
constexpr UINT CM_INVALIDATE = CM_BASE + 52;            // WParam 0: repaint the control and its parents; 1: only the parents
constexpr UINT CM_SYSFONTCHANGED = CM_BASE + 53;        // the system UI font changed
constexpr UINT CM_CONTROLCHANGE = CM_BASE + 54;         // a child was inserted or removed; WParam: control, LParam: inserting
constexpr UINT CM_CHANGED = CM_BASE + 55;               // a child's value changed; LParam: the child
constexpr UINT CM_DOCKCLIENT = CM_BASE + 56;            // a dragged control is docked into this one
constexpr UINT CM_UNDOCKCLIENT = CM_BASE + 57;          // a docked control leaves this one
constexpr UINT CM_FLOAT = CM_BASE + 58;                 // a control becomes floating
constexpr UINT CM_BORDERCHANGED = CM_BASE + 59;         // BorderWidth or a border style changed
constexpr UINT CM_BIDIMODECHANGED = CM_BASE + 60;       // BiDiMode changed
constexpr UINT CM_PARENTBIDIMODECHANGED = CM_BASE + 61; // the parent's BiDiMode changed
constexpr UINT CM_ALLCHILDRENFLIPPED = CM_BASE + 62;    // a parent mirrored all its children
constexpr UINT CM_ACTIONUPDATE = CM_BASE + 63;          // an action asks its clients to update
constexpr UINT CM_ACTIONEXECUTE = CM_BASE + 64;         // an action asks its clients to execute
constexpr UINT CM_HINTSHOWPAUSE = CM_BASE + 65;         // the pause before a hint; LParam: int* pause
constexpr UINT CM_DOCKNOTIFICATION = CM_BASE + 66;      // a docked child tells its host of a message
constexpr UINT CM_MOUSEWHEEL = CM_BASE + 67;            // a wheel turn passed up the parent chain
constexpr UINT CM_ISSHORTCUT = CM_BASE + 68;            // is this key message a shortcut of the control? nonzero = yes

// --- Reflected notifications -------------------------------------------------------------
// A parent receiving one of these from a child window sends it back to the
// child's object as CN_BASE + the message, with the same parameters.
constexpr UINT CN_BASE = 0xBC00;
constexpr UINT CN_CHARTOITEM = CN_BASE + WM_CHARTOITEM;
constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
constexpr UINT CN_COMPAREITEM = CN_BASE + WM_COMPAREITEM;
constexpr UINT CN_CTLCOLORBTN = CN_BASE + WM_CTLCOLORBTN;
constexpr UINT CN_CTLCOLORDLG = CN_BASE + WM_CTLCOLORDLG;
constexpr UINT CN_CTLCOLOREDIT = CN_BASE + WM_CTLCOLOREDIT;
constexpr UINT CN_CTLCOLORLISTBOX = CN_BASE + WM_CTLCOLORLISTBOX;
constexpr UINT CN_CTLCOLORMSGBOX = CN_BASE + WM_CTLCOLORMSGBOX;
constexpr UINT CN_CTLCOLORSCROLLBAR = CN_BASE + WM_CTLCOLORSCROLLBAR;
constexpr UINT CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC;
constexpr UINT CN_DELETEITEM = CN_BASE + WM_DELETEITEM;
constexpr UINT CN_DRAWITEM = CN_BASE + WM_DRAWITEM;
constexpr UINT CN_HSCROLL = CN_BASE + WM_HSCROLL;
constexpr UINT CN_MEASUREITEM = CN_BASE + WM_MEASUREITEM;
constexpr UINT CN_PARENTNOTIFY = CN_BASE + WM_PARENTNOTIFY;
constexpr UINT CN_VKEYTOITEM = CN_BASE + WM_VKEYTOITEM;
constexpr UINT CN_VSCROLL = CN_BASE + WM_VSCROLL;
// Key messages offered to the focused control before the window gets them;
// a nonzero Result means the control consumed the key.
constexpr UINT CN_KEYDOWN = CN_BASE + WM_KEYDOWN;
constexpr UINT CN_KEYUP = CN_BASE + WM_KEYUP;
constexpr UINT CN_CHAR = CN_BASE + WM_CHAR;
constexpr UINT CN_SYSKEYDOWN = CN_BASE + WM_SYSKEYDOWN;
constexpr UINT CN_SYSCHAR = CN_BASE + WM_SYSCHAR;
constexpr UINT CN_NOTIFY = CN_BASE + WM_NOTIFY;

static_assert(CN_KEYDOWN == 0xBD00 && CN_SYSKEYDOWN == 0xBD04);

// --- Typed views of TMessage ---------------------------------------------------------------
// Mouse messages: client position and key flags (MK_*) packed in the parameters.
struct TWMMouse {
  TMessage& Msg;
  WPARAM Keys() const { return Msg.WParam; }
  int XPos() const { return int(short(LOWORD(Msg.LParam))); }
  int YPos() const { return int(short(HIWORD(Msg.LParam))); }
  POINT Pos() const { return POINT{XPos(), YPos()}; }
};

// WM_MOUSEWHEEL / CM_MOUSEWHEEL: the turn (multiples of WHEEL_DELTA), key flags,
// and the position in screen coordinates.
struct TWMMouseWheel {
  TMessage& Msg;
  int Keys() const { return int(LOWORD(Msg.WParam)); }
  int WheelDelta() const { return int(short(HIWORD(Msg.WParam))); }
  int XPos() const { return int(short(LOWORD(Msg.LParam))); }
  int YPos() const { return int(short(HIWORD(Msg.LParam))); }
};

// Key messages (WM_KEYDOWN, WM_CHAR, CN_KEYDOWN, CM_DIALOGKEY, CM_DIALOGCHAR ...).
struct TWMKey {
  TMessage& Msg;
  WORD CharCode() const { return WORD(Msg.WParam); }
  void SetCharCode(WORD Value) { Msg.WParam = Value; }
  LPARAM KeyData() const { return Msg.LParam; }
};

// WM_PAINT: a DC in WParam means "paint into this DC" (no BeginPaint).
struct TWMPaint {
  TMessage& Msg;
  HDC DC() const { return reinterpret_cast<HDC>(Msg.WParam); }
};

// WM_ERASEBKGND, WM_CTLCOLOR* and their CN_ forms.
struct TWMEraseBkgnd {
  TMessage& Msg;
  HDC DC() const { return reinterpret_cast<HDC>(Msg.WParam); }
};
struct TWMCtlColor {
  TMessage& Msg;
  HDC ChildDC() const { return reinterpret_cast<HDC>(Msg.WParam); }
  HWND ChildWnd() const { return reinterpret_cast<HWND>(Msg.LParam); }
};

// WM_COMMAND / CN_COMMAND.
struct TWMCommand {
  TMessage& Msg;
  WORD ItemID() const { return LOWORD(Msg.WParam); }
  WORD NotifyCode() const { return HIWORD(Msg.WParam); }
  HWND Ctl() const { return reinterpret_cast<HWND>(Msg.LParam); }
};

// WM_NOTIFY / CN_NOTIFY.
struct TWMNotify {
  TMessage& Msg;
  NMHDR* NMHdr() const { return reinterpret_cast<NMHDR*>(Msg.LParam); }
};

// WM_DRAWITEM, WM_MEASUREITEM, WM_DELETEITEM, WM_COMPAREITEM and their CN_ forms.
struct TWMDrawItem {
  TMessage& Msg;
  DRAWITEMSTRUCT* DrawItemStruct() const { return reinterpret_cast<DRAWITEMSTRUCT*>(Msg.LParam); }
};
struct TWMMeasureItem {
  TMessage& Msg;
  MEASUREITEMSTRUCT* MeasureItemStruct() const { return reinterpret_cast<MEASUREITEMSTRUCT*>(Msg.LParam); }
};

// WM_HSCROLL / WM_VSCROLL and their CN_ forms.
struct TWMScroll {
  TMessage& Msg;
  int ScrollCode() const { return int(LOWORD(Msg.WParam)); }
  int Pos() const { return int(short(HIWORD(Msg.WParam))); }
  HWND ScrollBar() const { return reinterpret_cast<HWND>(Msg.LParam); }
};

// Makes a TMessage for Perform-style calls.
inline TMessage MakeMessage(UINT Msg, WPARAM WParam = 0, LPARAM LParam = 0) { return TMessage{Msg, WParam, LParam, 0}; }
