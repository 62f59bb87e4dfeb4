// The runtime's controls: TControl (bounds, alignment, visibility, text, mouse,
// drag and drop, message dispatch), TWinControl (a window made on demand and
// re-creatable, child controls, focus, keyboard routing, reflection of parent
// notifications, painting of windowless children), TCustomControl and
// TGraphicControl with their canvas, the cursor registry and the mouse.
//
// Every runtime window has the one window procedure of this unit. The object
// of a window is kept in a table of this process (not in GWLP_USERDATA, which
// stays free for wrapped system classes and hooks, nor in a window property,
// which the window server would be asked for on every message);
// FindControl(HWND) answers it, and only for this process's windows. Messages reach the object through WindowProc
// (replaceable), then WndProc, then Dispatch (a switch per class; handlers
// call inherited::Dispatch for what they don't fully handle), then
// DefaultHandler, which for a window calls the system procedure.
#pragma once

#include <windows.h>

#include <vector>

#include "Classes.h"
#include "Graphics.h"
#include "HiddenWindow.h"
#include "Messages.h"
#include "Streaming.h"

class TControl;
class TWinControl;
class TPopupMenu;       // Menus.h
class TDragImageList;   // ImgList.h
class TDragObject;
class TControlCanvas;

// --- Enumerations ---------------------------------------------------------------------
enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };
VAMIRE_ENUM_NAMES(TAlign, L"alNone", L"alTop", L"alBottom", L"alLeft", L"alRight", L"alClient", L"alCustom")
using TAlignSet = TSet<TAlign, 8>;

enum TAnchorKind { akLeft, akTop, akRight, akBottom };
VAMIRE_ENUM_NAMES(TAnchorKind, L"akLeft", L"akTop", L"akRight", L"akBottom")
using TAnchors = TSet<TAnchorKind, 4>;
inline const TAnchors AnchorAlign[] = {
    {akLeft, akTop},                    // alNone
    {akLeft, akTop, akRight},           // alTop
    {akLeft, akRight, akBottom},        // alBottom
    {akLeft, akTop, akBottom},          // alLeft
    {akRight, akTop, akBottom},         // alRight
    {akLeft, akTop, akRight, akBottom}, // alClient
    {akLeft, akTop}};                   // alCustom

enum TControlStyleItem {
  csAcceptsControls, csCaptureMouse, csDesignInteractive, csClickEvents, csFramed, csSetCaption,
  csOpaque, csDoubleClicks, csFixedWidth, csFixedHeight, csNoDesignVisible, csReplicatable,
  csNoStdEvents, csDisplayDragImage, csReflector, csActionClient, csMenuEvents, csNeedsBorderPaint,
  csParentBackground
};
using TControlStyle = TSet<TControlStyleItem, 32>;

enum TControlStateItem {
  csLButtonDown, csClicked, csPalette, csReadingState, csAlignmentNeeded, csFocusing, csCreating,
  csPaintCopy, csCustomPaint, csDestroyingHandle, csDocking
};
using TControlState = TSet<TControlStateItem, 16>;

// The reading order of a control's text.
enum TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };
VAMIRE_ENUM_NAMES(TBiDiMode, L"bdLeftToRight", L"bdRightToLeft", L"bdRightToLeftNoAlign", L"bdRightToLeftReadingOnly")
enum TDragMode { dmManual, dmAutomatic };
VAMIRE_ENUM_NAMES(TDragMode, L"dmManual", L"dmAutomatic")
enum TDragKind { dkDrag, dkDock };
VAMIRE_ENUM_NAMES(TDragKind, L"dkDrag", L"dkDock")
enum TDragState { dsDragEnter, dsDragLeave, dsDragMove };
enum TDragMessage { dmDragEnter, dmDragLeave, dmDragMove, dmDragDrop, dmDragCancel, dmFindTarget };

// The record CM_DRAG carries in LParam.
struct TDragRec {
  TPoint Pos;           // screen coordinates
  TDragObject* Source;
  void* Target;         // the control found (dmFindTarget answers it in Result)
  bool Docking;
};

// --- Cursors --------------------------------------------------------------------------
using TCursor = int16_t;
constexpr TCursor crDefault = 0;
constexpr TCursor crNone = -1;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crSizeNESW = -6;
constexpr TCursor crSizeNS = -7;
constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crSizeWE = -9;
constexpr TCursor crUpArrow = -10;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crDrag = -12;
constexpr TCursor crNoDrop = -13;
constexpr TCursor crHSplit = -14;
constexpr TCursor crVSplit = -15;
constexpr TCursor crMultiDrag = -16;
constexpr TCursor crSQLWait = -17;
constexpr TCursor crNo = -18;
constexpr TCursor crAppStart = -19;
constexpr TCursor crHelp = -20;
constexpr TCursor crHandPoint = -21;
constexpr TCursor crSizeAll = -22;
constexpr TCursor crSize = -22;

// The process-wide cursor registry (TScreen::Cursors forwards here). The
// built-in ids are loaded from the system; crDefault answers the arrow.
// An unknown id answers the arrow too, so a bad stored value never leaves the
// mouse without a cursor.
HCURSOR GetCursorHandle(TCursor Id);
// Registers Handle under Id (taking it over; a handle it replaces is destroyed
// unless it is a shared system cursor). A null Handle forgets a custom id;
// a built-in id goes back to its system cursor.
void SetCursorHandle(TCursor Id, HCURSOR Handle);
// A cursor kept as the bytes of its .cur file in an RCDATA resource (layers
// past the first cannot link CURSOR statements of their own); null when the
// resource is missing or damaged.
HCURSOR LoadCursorFileResource(HINSTANCE Instance, const wchar_t* Name);
// "crArrow" <-> -2; for streaming. Other numbers are written as numbers.
bool CursorToIdent(int Cursor, String& Ident);
bool IdentToCursor(const String& Ident, int& Cursor);
String CursorToString(TCursor Cursor);
TCursor StringToCursor(const String& S);
extern const TIdentMapper CursorIdentMapper;
// The cursor shown over every runtime window while it is not crDefault
// (TScreen::SetCursor sets it; the busy cursor is one).
TCursor ScreenCursorOverride();
void SetScreenCursorOverride(TCursor Value);

// --- Events ---------------------------------------------------------------------------
using TMouseWheelEvent =
    TMethod<void(TObject* Sender, TShiftState Shift, int WheelDelta, TPoint MousePos, bool& Handled)>;
using TMouseWheelUpDownEvent = TMethod<void(TObject* Sender, TShiftState Shift, TPoint MousePos, bool& Handled)>;
using TContextPopupEvent = TMethod<void(TObject* Sender, TPoint MousePos, bool& Handled)>;
using TCanResizeEvent = TMethod<void(TObject* Sender, int& NewWidth, int& NewHeight, bool& Resize)>;
using TConstrainedResizeEvent =
    TMethod<void(TObject* Sender, int& MinWidth, int& MinHeight, int& MaxWidth, int& MaxHeight)>;
using TDragOverEvent = TMethod<void(TObject* Sender, TObject* Source, int X, int Y, TDragState State, bool& Accept)>;
using TDragDropEvent = TMethod<void(TObject* Sender, TObject* Source, int X, int Y)>;
using TStartDragEvent = TMethod<void(TObject* Sender, TDragObject*& DragObject)>;
using TEndDragEvent = TMethod<void(TObject* Sender, TObject* Target, int X, int Y)>;

// What CustomAlignPosition learns about the control being placed.
struct TAlignInfo {
  std::vector<TControl*>* AlignList;  // the controls of this kind, in placing order
  int ControlIndex;
  TAlign Align;
  int Scratch;
};
using TAlignInsertBeforeEvent = TMethod<bool(TWinControl* Sender, TControl* C1, TControl* C2)>;
using TAlignPositionEvent = TMethod<void(TWinControl* Sender, TControl* Control, int& NewLeft, int& NewTop,
                                         int& NewWidth, int& NewHeight, TRect& AlignRect, TAlignInfo AlignInfo)>;

// --- Drag objects ---------------------------------------------------------------------
// The object a drag carries from its source to the controls it passes over.
class TDragObject : public TObject {
  VAMIRE_CLASS(TDragObject, TObject)
 public:
  TDragObject() = default;
  // Screen position of the last move, and the target under it with the
  // position in the target's client coordinates.
  TPoint DragPos() const { return FDragPos; }
  TControl* DragTarget() const { return FDragTarget; }
  TPoint DragTargetPos() const { return FDragTargetPos; }
  bool Cancelling() const { return FCancelling; }
  bool Dropped() const { return FDropped; }
  // Where in the dragged image the mouse grips it, as a fraction of its size.
  double MouseDeltaX() const { return FMouseDeltaX; }
  double MouseDeltaY() const { return FMouseDeltaY; }

  // The cursor shown over a target that accepts or refuses the drop.
  virtual TCursor GetDragCursor(bool Accepted, int X, int Y);
  virtual TDragImageList* GetDragImages() { return nullptr; }
  virtual void HideDragImage() {}
  virtual void ShowDragImage() {}
  // Told once when the drag ends; Target is null when nothing took the drop.
  virtual void Finished(TObject* /*Target*/, int /*X*/, int /*Y*/, bool /*Accepted*/) {}
  // The object a target's OnDragOver/OnDragDrop sees as Source.
  virtual TObject* Instance() { return this; }
  // Objects freed by the drag loop itself when it ends (the automatic ones).
  virtual bool AutoFree() const { return false; }

 protected:
  friend class TControl;
  friend struct TDragLoop;
  TPoint FDragPos;
  TControl* FDragTarget = nullptr;
  TPoint FDragTargetPos;
  bool FCancelling = false;
  bool FDropped = false;
  double FMouseDeltaX = 0, FMouseDeltaY = 0;
};

// A drag object that drags a control.
class TBaseDragControlObject : public TDragObject {
  VAMIRE_CLASS(TBaseDragControlObject, TDragObject)
 public:
  explicit TBaseDragControlObject(TControl* AControl) : FControl(AControl) {}
  TControl* Control() const { return FControl; }
  void SetControl(TControl* Value) { FControl = Value; }
  // The drop target's OnDragDrop sees the control as Source.
  TObject* Instance() override;
  void Finished(TObject* Target, int X, int Y, bool Accepted) override;

 protected:
  TControl* FControl;
};

class TDragControlObject : public TBaseDragControlObject {
  VAMIRE_CLASS(TDragControlObject, TBaseDragControlObject)
 public:
  using TBaseDragControlObject::TBaseDragControlObject;
  TCursor GetDragCursor(bool Accepted, int X, int Y) override;
  TDragImageList* GetDragImages() override;
  void HideDragImage() override;
  void ShowDragImage() override;
};

// The one a control makes for itself when OnStartDrag supplies none; the drag
// loop frees it.
class TDragControlObjectEx : public TDragControlObject {
  VAMIRE_CLASS(TDragControlObjectEx, TDragControlObject)
 public:
  using TDragControlObject::TDragControlObject;
  bool AutoFree() const override { return true; }
};

// The object of the running drag; null when none runs (or a delayed drag has
// not passed its threshold yet).
TDragObject* DragObject();
// Cancels a running drag (as Esc does).
void CancelDrag();

// --- Size constraints -----------------------------------------------------------------
// Minimum and maximum width and height of a control; 0 means no limit.
class TSizeConstraints : public TPersistent {
  VAMIRE_CLASS(TSizeConstraints, TPersistent)
 public:
  explicit TSizeConstraints(TControl* Control) : FControl(Control) {}
  void Assign(TPersistent* Source) override;
  TControl* Control() const { return FControl; }
  int MaxHeight() const { return FMaxHeight; }
  void SetMaxHeight(int Value);
  int MaxWidth() const { return FMaxWidth; }
  void SetMaxWidth(int Value);
  int MinHeight() const { return FMinHeight; }
  void SetMinHeight(int Value);
  int MinWidth() const { return FMinWidth; }
  void SetMinWidth(int Value);
  TNotifyEvent OnChange;

 protected:
  virtual void Change();
  void AssignTo(TPersistent* Dest) override;

 private:
  TControl* FControl;
  int FMaxHeight = 0, FMaxWidth = 0, FMinHeight = 0, FMinWidth = 0;
};

// --- TControl -------------------------------------------------------------------------
class TControl : public TComponent {
  VAMIRE_CLASS(TControl, TComponent)
 public:
  explicit TControl(TComponent* AOwner);
  ~TControl() override;
  void BeforeDestruction() override;

  // Containment. Setting a parent inserts the control into its list (and
  // makes the window when the parent has one); null takes it out.
  TWinControl* Parent() const { return FParent; }
  virtual void SetParent(TWinControl* AParent);

  // Bounds in the parent's client coordinates.
  int Left() const { return FLeft; }
  void SetLeft(int Value) { SetBounds(Value, FTop, FWidth, FHeight); }
  int Top() const { return FTop; }
  void SetTop(int Value) { SetBounds(FLeft, Value, FWidth, FHeight); }
  int Width() const { return FWidth; }
  void SetWidth(int Value) { SetBounds(FLeft, FTop, Value, FHeight); }
  int Height() const { return FHeight; }
  void SetHeight(int Value) { SetBounds(FLeft, FTop, FWidth, Value); }
  TRect BoundsRect() const { return TRect{FLeft, FTop, FLeft + FWidth, FTop + FHeight}; }
  void SetBoundsRect(const TRect& R) { SetBounds(R.Left, R.Top, R.Right - R.Left, R.Bottom - R.Top); }
  // Applies constraints and OnCanResize, moves the window (when there is one)
  // or repaints the parent, then realigns the parent and runs Resize.
  virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
  // The client area, origin (0, 0).
  TRect ClientRect() { return GetClientRect(); }
  int ClientWidth() { return ClientRect().Right; }
  void SetClientWidth(int Value) { SetClientSize(TPoint{Value, ClientHeight()}); }
  int ClientHeight() { return ClientRect().Bottom; }
  void SetClientHeight(int Value) { SetClientSize(TPoint{ClientWidth(), Value}); }
  // The screen position of the client area's origin.
  TPoint ClientOrigin() { return GetClientOrigin(); }
  TPoint ClientToScreen(const TPoint& Point);
  TPoint ScreenToClient(const TPoint& Point);
  TPoint ClientToParent(const TPoint& Point, TWinControl* AParent = nullptr);
  TPoint ParentToClient(const TPoint& Point, TWinControl* AParent = nullptr);

  TAlign Align() const { return FAlign; }
  void SetAlign(TAlign Value);
  TAnchors Anchors() const { return FAnchors; }
  void SetAnchors(TAnchors Value);
  TSizeConstraints* Constraints() const { return FConstraints; }
  void SetConstraints(TSizeConstraints* Value) { FConstraints->Assign(Value); }
  bool AutoSize() const { return FAutoSize; }
  virtual void SetAutoSize(bool Value);

  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);
  void Show();
  void Hide() { SetVisible(false); }
  bool Enabled() const { return FEnabled; }
  virtual void SetEnabled(bool Value);
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  bool ParentColor() const { return FParentColor; }
  void SetParentColor(bool Value);
  TFont* Font() const { return FFont; }
  void SetFont(TFont* Value) { FFont->Assign(Value); }
  bool ParentFont() const { return FParentFont; }
  void SetParentFont(bool Value);
  bool Ctl3D() const { return FCtl3D; }
  void SetCtl3D(bool Value);
  bool ParentCtl3D() const { return FParentCtl3D; }
  void SetParentCtl3D(bool Value);
  TCursor Cursor() const { return FCursor; }
  void SetCursor(TCursor Value);
  String Hint() const { return FHint; }
  void SetHint(const String& Value) { FHint = Value; }
  bool ShowHint() const { return FShowHint; }
  void SetShowHint(bool Value);
  bool ParentShowHint() const { return FParentShowHint; }
  void SetParentShowHint(bool Value);
  TPopupMenu* PopupMenu() const { return FPopupMenu; }
  void SetPopupMenu(TPopupMenu* Value);

  // Caption and Text are the same value: the window's text when the control
  // has a window, else the stored one. A change sends CM_TEXTCHANGED.
  String Caption() { return GetText(); }
  void SetCaption(const String& Value) { SetText(Value); }
  String Text() { return GetText(); }
  void SetText(const String& Value);
  int GetTextLen();
  // Copies at most BufSize - 1 characters and a terminating zero; answers the count.
  int GetTextBuf(wchar_t* Buffer, int BufSize);
  void SetTextBuf(const wchar_t* Buffer);

  TControlStyle ControlStyle() const { return FControlStyle; }
  void SetControlStyle(TControlStyle Value) { FControlStyle = Value; }
  TControlState ControlState() const { return FControlState; }
  void SetControlState(TControlState Value) { FControlState = Value; }

  TDragMode DragMode() const { return FDragMode; }
  virtual void SetDragMode(TDragMode Value) { FDragMode = Value; }
  TDragKind DragKind() const { return FDragKind; }
  void SetDragKind(TDragKind Value) { FDragKind = Value; }
  TCursor DragCursor() const { return FDragCursor; }
  void SetDragCursor(TCursor Value) { FDragCursor = Value; }
  // Starts a drag of this control. Immediate starts at once; otherwise it
  // starts when the mouse has moved Threshold pixels (negative: Mouse's
  // DragThreshold) with the button held. Mouse moves and the release that end
  // it come through the message loop; nothing here waits.
  void BeginDrag(bool Immediate, int Threshold = -1);
  // Ends this control's drag: dropping on the target under the mouse, or not.
  void EndDrag(bool Drop);
  bool Dragging() const;
  virtual void DragDrop(TObject* Source, int X, int Y);

  // Sends a message through WindowProc at once; answers its Result.
  LRESULT Perform(UINT Msg, WPARAM WParam = 0, LPARAM LParam = 0);
  TWndMethod WindowProc() const { return FWindowProc; }
  // Replaces the first receiver of the control's messages (a hook keeps the
  // previous one and calls it for what it does not take).
  void SetWindowProc(TWndMethod Value) { FWindowProc = Value; }
  // Runs the handler of Message's id; what nobody handles reaches DefaultHandler.
  virtual void Dispatch(TMessage& Message);
  virtual void DefaultHandler(TMessage& Message);

  virtual void Invalidate();
  virtual void Update();
  virtual void Repaint();
  void Refresh() { Repaint(); }
  void BringToFront() { SetZOrder(true); }
  void SendToBack() { SetZOrder(false); }
  // Scales position, size and font by M/D.
  void ScaleBy(int M, int D);
  // The top-level control this one is (eventually) inside, or itself.
  TControl* RootControl();
  // True when the control is inside AParent (directly or further down).
  bool IsChildOf(TWinControl* AParent) const;
  // The DC the control draws on: its window's, or the parent window's with
  // the origin moved to the control. Answers the window that DC belongs to.
  virtual HDC GetDeviceContext(HWND& WindowHandle);

  // Stored rules of the published table: a value taken from the parent is not written.
  bool IsColorStored() const { return !FParentColor; }
  bool IsFontStored() const { return !FParentFont; }
  bool IsShowHintStored() const { return !FParentShowHint; }

  void Loaded() override;
  void ReadState(TReader* Reader) override;
  void SetName(const String& NewName) override;
  bool HasParent() override { return true; }
  TComponent* GetParentComponent() override;
  void SetParentComponent(TComponent* Value) override;

  // Events (D-2): assign a method pointer.
  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;
  TMouseMoveEvent OnMouseMove;
  TMouseEvent OnMouseUp;
  TMouseWheelEvent OnMouseWheel;
  TMouseWheelUpDownEvent OnMouseWheelDown;
  TMouseWheelUpDownEvent OnMouseWheelUp;
  TNotifyEvent OnResize;
  TCanResizeEvent OnCanResize;
  TConstrainedResizeEvent OnConstrainedResize;
  TContextPopupEvent OnContextPopup;
  TDragOverEvent OnDragOver;
  TDragDropEvent OnDragDrop;
  TStartDragEvent OnStartDrag;
  TEndDragEvent OnEndDrag;

 protected:
  friend class TWinControl;
  friend struct TDragLoop;
  friend class TSizeConstraints;
  friend class TBaseDragControlObject;

  virtual void WndProc(TMessage& Message);
  virtual TRect GetClientRect();
  virtual TPoint GetClientOrigin();
  virtual void SetClientSize(TPoint Value);
  virtual void SetZOrder(bool TopMost);
  virtual String GetText();
  virtual void SetTextValue(const String& Value);  // the store behind SetText
  virtual TPopupMenu* GetPopupMenu() { return FPopupMenu; }

  // Layout hooks.
  virtual bool CanResize(int& NewWidth, int& NewHeight);
  virtual bool CanAutoSize(int& /*NewWidth*/, int& /*NewHeight*/) { return true; }
  virtual void ConstrainedResize(int& MinWidth, int& MinHeight, int& MaxWidth, int& MaxHeight);
  virtual void Resize();
  virtual void AdjustSize();
  virtual void RequestAlign();
  virtual void ChangeScale(int M, int D);
  virtual void ConstraintsChanged() { SetBounds(FLeft, FTop, FWidth, FHeight); }
  // Stores a new bounds rectangle without touching any window.
  void UpdateBoundsRect(const TRect& R);
  // Records the distances the anchors keep (called when bounds change while
  // the parent is not realigning).
  void UpdateAnchorRules();
  virtual void VisibleChanging() {}
  virtual void Changed();  // sends CM_CHANGED to the parent

  // Mouse and clicks.
  virtual void Click();
  virtual void DblClick();
  virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void MouseMove(TShiftState Shift, int X, int Y);
  virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
  // Wheel: OnMouseWheel, then OnMouseWheelDown/Up; true when handled.
  virtual bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos);
  virtual bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos);
  virtual bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos);
  // WM_MOUSEWHEEL arrives here first; the base offers CM_MOUSEWHEEL to itself,
  // which climbs the parent chain until a control handles it.
  virtual void MouseWheelHandler(TMessage& Message);
  virtual void DoContextPopup(TPoint MousePos, bool& Handled);

  // Drag and drop.
  virtual void DoStartDrag(TDragObject*& DragObject);
  virtual void DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept);
  virtual void DoEndDrag(TObject* Target, int X, int Y);
  virtual void DragCanceled() {}
  virtual TDragImageList* GetDragImages() { return nullptr; }

  void Notification(TComponent* AComponent, TOperation Operation) override;

  // Handlers of the messages TControl understands (named as the messages).
  void WMLButtonDown(TMessage& Message);
  void WMLButtonUp(TMessage& Message);
  void WMLButtonDblClk(TMessage& Message);
  void WMRButtonDown(TMessage& Message);
  void WMRButtonUp(TMessage& Message);
  void WMRButtonDblClk(TMessage& Message);
  void WMMButtonDown(TMessage& Message);
  void WMMButtonUp(TMessage& Message);
  void WMMButtonDblClk(TMessage& Message);
  void WMMouseMove(TMessage& Message);
  void WMMouseWheel(TMessage& Message);
  void WMContextMenu(TMessage& Message);
  void WMCancelMode(TMessage& Message);
  void CMVisibleChanged(TMessage& Message);
  void CMEnabledChanged(TMessage& Message);
  void CMFontChanged(TMessage& Message);
  void CMColorChanged(TMessage& Message);
  void CMParentFontChanged(TMessage& Message);
  void CMParentColorChanged(TMessage& Message);
  void CMParentShowHintChanged(TMessage& Message);
  void CMParentCtl3DChanged(TMessage& Message);
  void CMHitTest(TMessage& Message);
  void CMMouseEnter(TMessage& Message);
  void CMMouseLeave(TMessage& Message);
  void CMMouseWheel(TMessage& Message);
  void CMDesignHitTest(TMessage& Message);
  void CMDrag(TMessage& Message);

  // Fields descendants read directly, as the runtime's descendants do.
  TWinControl* FParent = nullptr;
  int FLeft = 0, FTop = 0, FWidth = 0, FHeight = 0;
  TControlStyle FControlStyle{csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
  TControlState FControlState;
  String FText;

 private:
  void FontChanged(TObject* Sender);
  void DoMouseDown(TMessage& Message, TMouseButton Button, TShiftState Shift);
  void DoMouseUp(TMessage& Message, TMouseButton Button);
  bool CheckNewSize(int& NewWidth, int& NewHeight);
  void DoConstraintsChanged(TObject* Sender);

  TAlign FAlign = alNone;
  TAnchors FAnchors{akLeft, akTop};
  TPoint FAnchorRules;        // right/bottom distances kept by anchors
  TPoint FOriginalParentSize; // the parent's client size the rules were taken at
  TSizeConstraints* FConstraints;
  bool FAutoSize = false;
  bool FVisible = true;
  bool FEnabled = true;
  TColor FColor = clWindow;
  bool FParentColor = true;
  TFont* FFont;
  bool FParentFont = true;
  bool FCtl3D = true;
  bool FParentCtl3D = true;
  TCursor FCursor = crDefault;
  String FHint;
  bool FShowHint = false;
  bool FParentShowHint = true;
  TPopupMenu* FPopupMenu = nullptr;
  TDragMode FDragMode = dmManual;
  TDragKind FDragKind = dkDrag;
  TCursor FDragCursor = crDrag;
  TWndMethod FWindowProc;
  int FAnchorMove = 0;  // above 0 while the parent moves this control for its anchors
};

// --- TWinControl ----------------------------------------------------------------------
// What CreateParams fills in and CreateWindowHandle makes the window from.
struct TCreateParams {
  String Caption;
  DWORD Style = 0;
  DWORD ExStyle = 0;
  int X = 0, Y = 0, Width = 0, Height = 0;
  HWND WndParent = nullptr;
  void* Param = nullptr;
  WNDCLASSW WindowClass{};  // lpszClassName unused: WinClassName names the class
  String WinClassName;
};

class TWinControl : public TControl {
  VAMIRE_CLASS(TWinControl, TControl)
 public:
  explicit TWinControl(TComponent* AOwner);
  ~TWinControl() override;
  // A control placed inside a window the runtime does not own (ParentWindow).
  static TWinControl* CreateParented(TClass AClass, HWND ParentWindow);

  // The window, made when first asked for (with the parent's first).
  HWND Handle();
  bool HandleAllocated() const { return FHandle != nullptr; }
  void HandleNeeded();
  // A window outside the runtime to live in when the control has no Parent.
  HWND ParentWindow() const { return FParentWindow; }
  void SetParentWindow(HWND Value);
  // Visible, with every parent visible (and the window shown).
  bool Showing() const { return FShowing; }
  // Destroys the window and makes it again, keeping the object, its children,
  // text, bounds, visibility and z-order. Does nothing without a window.
  void RecreateWnd();

  // Windowless children first, then windowed ones, each group in z-order.
  int ControlCount() const { return int(FControls.size() + FWinControls.size()); }
  TControl* Controls(int Index) const;
  void InsertControl(TControl* AControl);
  void RemoveControl(TControl* AControl);
  bool ContainsControl(TControl* Control) const;
  // The child under Pos (client coordinates), topmost first; windowed children
  // only when AllowWinControls; disabled ones only when AllowDisabled.
  TControl* ControlAtPos(const TPoint& Pos, bool AllowDisabled, bool AllowWinControls = false);
  TControl* FindChildControl(const String& ControlName);
  // Sends Message to every child; stops at the first that sets Result.
  void Broadcast(TMessage& Message);
  void NotifyControls(UINT Msg);

  // Focus.
  virtual bool CanFocus();
  virtual bool Focused();
  virtual void SetFocus();
  bool TabStop() const { return FTabStop; }
  void SetTabStop(bool Value);
  int TabOrder() const;
  void SetTabOrder(int Value);
  // The focusable windowed controls inside this one, in tab order, depth first.
  virtual void GetTabOrderList(std::vector<TWinControl*>& List);
  TWinControl* FindNextControl(TWinControl* CurControl, bool GoForward, bool CheckTabStop, bool CheckParent);
  void SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop);
  // Hooks for the active-control tracking of the top-level control (the form
  // overrides both). FocusControl asks for Control to become focused (the
  // base gives its window the focus); SetFocusedControl is told, on the
  // top-level control, that Control's window got the focus: the base keeps it
  // as the active control and sends CM_EXIT/CM_ENTER along the way.
  virtual void FocusControl(TWinControl* Control);
  virtual bool SetFocusedControl(TWinControl* Control);
  // The control the top-level control considers active (base: last focused).
  TWinControl* ActiveControl() const { return FActiveControl; }
  // Sends CM_EXIT up from OldFocus and CM_ENTER down to NewFocus, stopping at
  // their common parent, so the events run in that order.
  static void SendEnterExit(TWinControl* OldFocus, TWinControl* NewFocus);

  // Painting.
  bool DoubleBuffered() const { return FDoubleBuffered; }
  void SetDoubleBuffered(bool Value) { FDoubleBuffered = Value; }
  bool ParentBackground() const { return FControlStyle.Contains(csParentBackground); }
  void SetParentBackground(bool Value);
  int BorderWidth() const { return FBorderWidth; }
  void SetBorderWidth(int Value);
  // Paints the windowless children into DC (the window's client DC), in z-order
  // from First (null: the bottom one), each with its origin and clip.
  void PaintControls(HDC DC, TControl* First);
  // Paints the control and all its children, windowed or not, into DC at X, Y.
  void PaintTo(HDC DC, int X, int Y);
  void Invalidate() override;
  void Update() override;
  void Repaint() override;

  // Alignment.
  void DisableAlign();
  void EnableAlign();
  void Realign();
  bool AlignDisabled() const { return FAlignLevel != 0; }

  // Wrapped system classes: the window procedure the class had before the
  // runtime took it over (DefWindowProcW for plain runtime windows).
  WNDPROC DefWndProc() const { return FDefWndProc; }

  TKeyEvent OnKeyDown;
  TKeyPressEvent OnKeyPress;
  TKeyEvent OnKeyUp;
  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;
  TAlignInsertBeforeEvent OnAlignInsertBefore;
  TAlignPositionEvent OnAlignPosition;

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  void SetParent(TWinControl* AParent) override;
  void Loaded() override;
  void ReadState(TReader* Reader) override;
  void GetChildren(TGetChildProc Proc, TComponent* Root) override;
  void SetChildOrder(TComponent* Child, int Order) override;
  HDC GetDeviceContext(HWND& WindowHandle) override;
  void DefaultHandler(TMessage& Message) override;
  void Dispatch(TMessage& Message) override;

 protected:
  // Window creation, in call order: CreateHandle -> CreateWnd -> CreateParams,
  // class registration (D-7: the class name is ClassName()), CreateWindowHandle.
  virtual void CreateParams(TCreateParams& Params);
  // For wrapped system controls, from CreateParams: the window is made under
  // the runtime class name with ControlClassName's class styles, and messages
  // the control does not handle go to that class's procedure.
  void CreateSubClass(TCreateParams& Params, const wchar_t* ControlClassName);
  // A single border: the sunken client edge with Ctl3D, else a flat line.
  void AddSingleBorder(TCreateParams& Params, bool Single);
  virtual void CreateWnd();
  virtual void CreateWindowHandle(const TCreateParams& Params);
  virtual void CreateHandle();
  // DestroyHandle: children's windows first, then DestroyWnd, which saves the
  // text and calls DestroyWindowHandle.
  virtual void DestroyHandle();
  virtual void DestroyWnd();
  virtual void DestroyWindowHandle();
  // Runs at the end of CreateWnd, once the window exists and has its font:
  // descendants push the rest of their stored state into it here.
  virtual void InitializeWindow() {}
  void UpdateControlState();
  // Reads the window's bounds back into Left/Top/Width/Height.
  void UpdateBounds();
  // Shows or hides the window to match Visible and the parents.
  virtual void UpdateShowing();
  void ShowControl(TControl* AControl);

  void WndProc(TMessage& Message) override;
  TRect GetClientRect() override;
  TPoint GetClientOrigin() override;
  void SetZOrder(bool TopMost) override;
  void ChangeScale(int M, int D) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

  // Alignment.
  virtual void AlignControls(TControl* AControl, TRect& Rect);
  virtual void AdjustClientRect(TRect& Rect);
  virtual bool CustomAlignInsertBefore(TControl* C1, TControl* C2);
  virtual void CustomAlignPosition(TControl* Control, int& NewLeft, int& NewTop, int& NewWidth, int& NewHeight,
                                   TRect& AlignRect, const TAlignInfo& AlignInfo);
  void AlignControl(TControl* AControl);
  virtual void ControlsAligned() {}

  // Keys. DoKeyDown/DoKeyPress/DoKeyUp run the events (after the top-level
  // control's key preview, if it has one) and answer true when the key was
  // consumed (set to 0).
  virtual bool DoKeyDown(TMessage& Message);
  virtual bool DoKeyPress(TMessage& Message);
  virtual bool DoKeyUp(TMessage& Message);
  virtual void KeyDown(uint16_t& Key, TShiftState Shift);
  virtual void KeyPress(wchar_t& Key);
  virtual void KeyUp(uint16_t& Key, TShiftState Shift);
  // Whether the top-level control wants keys before its children (form's KeyPreview).
  virtual bool KeyPreview() { return false; }
  virtual void DoEnter();
  virtual void DoExit();

  // Painting: WM_PAINT runs PaintHandler, which paints the window itself
  // (PaintWindow) and then its windowless children.
  virtual void PaintWindow(HDC DC);
  void PaintHandler(TMessage& Message);

  // Message handlers.
  void WMPaint(TMessage& Message);
  void WMEraseBkgnd(TMessage& Message);
  void WMCommand(TMessage& Message);
  void WMNotify(TMessage& Message);
  void WMSysColorChange(TMessage& Message);
  void WMHScroll(TMessage& Message);
  void WMVScroll(TMessage& Message);
  void WMCompareItem(TMessage& Message);
  void WMDeleteItem(TMessage& Message);
  void WMDrawItem(TMessage& Message);
  void WMMeasureItem(TMessage& Message);
  void WMCtlColor(TMessage& Message);
  void WMCharToItem(TMessage& Message);
  void WMVKeyToItem(TMessage& Message);
  void WMParentNotify(TMessage& Message);
  void WMSetFocus(TMessage& Message);
  void WMKillFocus(TMessage& Message);
  void WMKeyDown(TMessage& Message);
  void WMSysKeyDown(TMessage& Message);
  void WMKeyUp(TMessage& Message);
  void WMSysKeyUp(TMessage& Message);
  void WMChar(TMessage& Message);
  void WMSysCommand(TMessage& Message);
  void WMSetCursor(TMessage& Message);
  void WMSize(TMessage& Message);
  void WMMove(TMessage& Message);
  void WMWindowPosChanged(TMessage& Message);
  void WMWindowPosChanging(TMessage& Message);
  void WMNCDestroy(TMessage& Message);
  void WMGetDlgCode(TMessage& Message);
  void CNKeyDown(TMessage& Message);
  void CNKeyUp(TMessage& Message);
  void CNChar(TMessage& Message);
  void CNSysKeyDown(TMessage& Message);
  void CNSysChar(TMessage& Message);
  void CMEnter(TMessage& Message);
  void CMExit(TMessage& Message);
  void CMDialogKey(TMessage& Message);
  void CMDialogChar(TMessage& Message);
  void CMFocusChanged(TMessage& Message);
  void CMShowingChanged(TMessage& Message);
  void CMVisibleChanged(TMessage& Message);
  void CMEnabledChanged(TMessage& Message);
  void CMColorChanged(TMessage& Message);
  void CMFontChanged(TMessage& Message);
  void CMTextChanged(TMessage& Message);
  void CMCursorChanged(TMessage& Message);
  void CMInvalidate(TMessage& Message);
  void CMRecreateWnd(TMessage& Message);
  void CMSysColorChange(TMessage& Message);
  void CMChildKey(TMessage& Message);

  HWND FHandle = nullptr;
  WNDPROC FDefWndProc = nullptr;
  std::vector<TControl*> FControls;     // windowless children, z-order (bottom first)
  std::vector<TWinControl*> FWinControls;  // windowed children, z-order (bottom first)
  std::vector<TWinControl*> FTabList;   // windowed children, tab order
  TBrush* FBrush;                       // the background, Color of the control

 public:
  TBrush* Brush() const { return FBrush; }

 private:
  friend class TControl;
  friend LRESULT CALLBACK ControlWndProc(HWND, UINT, WPARAM, LPARAM);
  void DoAlign(TAlign AAlign, TControl* AControl, TRect& Rect, std::vector<TControl*>& List);
  static void MoveForLayout(TControl* Control, int Left, int Top, int Width, int Height);
  void Insert(TControl* AControl);
  void Remove(TControl* AControl);
  bool IsControlMouseMsg(TMessage& Message);

  HWND FParentWindow = nullptr;
  bool FShowing = false;
  bool FTabStop = false;
  bool FDoubleBuffered = false;
  int FBorderWidth = 0;
  int FAlignLevel = 0;
  TWinControl* FActiveControl = nullptr;
};

// The runtime control of a window (also of a window wrapped by one), or null.
TWinControl* FindControl(HWND Handle);
// The windowless or windowed control under a screen point, or null.
TControl* FindDragTarget(const TPoint& Pos, bool AllowDisabled);
// The control the mouse is over, as the last mouse message told (or null).
TControl* GetCaptureControl();
void SetCaptureControl(TControl* Control);

// Key routing for the application's message loop: offers a key message to
// the control of its window as CN_KEYDOWN/CN_CHAR/... first; true when the
// control consumed it (the message must then not be dispatched).
bool IsControlKeyMsg(MSG& Msg);
// True when Str has the accelerator for VK ("&x" with x equal ignoring case).
bool IsAccel(WPARAM VK, const String& Str);
// The key's shift state from the keyboard now / from WM_KEYDOWN's data.
TShiftState KeyboardStateToShiftState();
TShiftState KeyDataToShiftState(LPARAM KeyData);
// The keys and buttons a mouse message's WParam carries, with Alt as it is now.
TShiftState KeysToShiftState(WPARAM Keys);

// --- Canvas and painted controls ------------------------------------------------------
// A canvas over a control's DC: the window's own DC for a windowed control,
// the parent's with origin and clip moved for a windowless one. The DC is
// taken when first needed and given back by FreeHandle.
class TControlCanvas : public TCanvas {
  VAMIRE_CLASS(TControlCanvas, TCanvas)
 public:
  TControlCanvas() = default;
  ~TControlCanvas() override;
  TControl* Control() const { return FControl; }
  void SetControl(TControl* AControl);
  void FreeHandle();

 protected:
  void CreateHandle() override;

 private:
  TControl* FControl = nullptr;
  HDC FDeviceContext = nullptr;
  HWND FWindowHandle = nullptr;
};

// A windowed control that paints itself on its Canvas in Paint.
class TCustomControl : public TWinControl {
  VAMIRE_CLASS(TCustomControl, TWinControl)
 public:
  explicit TCustomControl(TComponent* AOwner);
  ~TCustomControl() override;
  TCanvas* Canvas() const { return FCanvas; }
  TNotifyEvent OnPaint;

 protected:
  virtual void Paint();
  void PaintWindow(HDC DC) override;
  void Dispatch(TMessage& Message) override;

 private:
  TCanvas* FCanvas;
};

// A control without a window, painted by its parent into the parent's DC.
class TGraphicControl : public TControl {
  VAMIRE_CLASS(TGraphicControl, TControl)
 public:
  explicit TGraphicControl(TComponent* AOwner);
  ~TGraphicControl() override;
  TCanvas* Canvas() const { return FCanvas; }
  TNotifyEvent OnPaint;

 protected:
  virtual void Paint();
  void Dispatch(TMessage& Message) override;

 private:
  TCanvas* FCanvas;
};

// --- Mouse ----------------------------------------------------------------------------
class TMouse {
 public:
  constexpr TMouse() = default;
  TPoint CursorPos() const;
  void SetCursorPos(const TPoint& Value);
  // The window holding the mouse capture of this thread (null: none).
  HWND Capture() const;
  void SetCapture(HWND Value);
  bool DragImmediate() const { return FDragImmediate; }
  void SetDragImmediate(bool Value) { FDragImmediate = Value; }
  int DragThreshold() const { return FDragThreshold; }
  void SetDragThreshold(int Value) { FDragThreshold = Value; }
  bool MousePresent() const;
  bool WheelPresent() const;
  // Lines one wheel notch scrolls (SPI_GETWHEELSCROLLLINES, read on each call).
  int WheelScrollLines() const;

 private:
  bool FDragImmediate = true;
  int FDragThreshold = 5;
};

extern TMouse* const Mouse;
