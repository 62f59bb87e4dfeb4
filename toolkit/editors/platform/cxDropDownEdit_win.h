// The popup window of the drop-down editors: placed against its editor,
// flipped above it when the work area has no room below, sized from the
// editor's content, with a shadow, a client edge and a system panel holding a
// close button and a size grip the user drags with a rubber-band frame. The
// editor that owns it is reached through IcxEditPopupWindowOwner. The
// geometry is the windows-free arithmetic of cxDropDownEdit.h.
//
// TcxDropDownPopupProtocol is how an editor opens and closes its popup: the
// show is posted (CXM_POPUPSHOWAGAIN) so that the key or click that asked for
// it finishes first, a second request while one waits is ignored, the value
// is taken only for the accepting close reasons, and every initialisation of
// the popup is matched by one finalisation, also when a posted show is
// dropped.
#pragma once

#include <windows.h>

#include "cxEdit_win.h"
// After the editors' header, which brings the standard controls the popup's list needs.
#include "cxContainer_popup_win.h"
#include "cxDropDownEdit.h"

// What the popup asks of the editor that owns it.
class IcxEditPopupWindowOwner {
 public:
  virtual ~IcxEditPopupWindowOwner() = default;
  // The editor's rectangle in its parent's client coordinates, 3 pixels wider with a shadow.
  virtual TRect GetPopupOwnerBounds() = 0;
  // The size the popup's content wants for its client area.
  virtual TSize CalcPopupClientSize() = 0;
  virtual void CloseUp(TcxEditCloseUpReason AReason) = 0;
  // The client rectangle after each change: the content goes there.
  virtual void SetupPopupClient(const TRect& R) = 0;
  // The user resized the popup: its size is to be remembered.
  virtual void PopupResizedByUser() = 0;
  virtual void SavePopupSize() = 0;
  // The popup will not show after all: the opening ends here.
  virtual void DoFinalizePopup() = 0;
  // A list in the popup may adjust a client size the user drags to, within
  // AMaxClientSize, or refuse it (false). Editors without one answer true.
  virtual bool CanResizePopupClient(TSize& AClientSize, const TSize& AMaxClientSize) = 0;
};

class TcxCustomEditPopupWindowViewInfo : public TcxContainerViewInfo {
  VAMIRE_CLASS(TcxCustomEditPopupWindowViewInfo, TcxContainerViewInfo)
 public:
  TcxCustomEditPopupWindowViewInfo() = default;
  // The frame per border style; R becomes the area inside it.
  virtual void DrawBorder(TcxCanvas* ACanvas, TRect& R);
  TRect CalculateClientExtent();
  TRect GetClientExtent() { return CalculateClientExtent(); }
  int GetSysPanelHeight();
  int GetBorderWidth(bool AWithClientEdge) { return EditPopupBorderWidth(Frame(), AWithClientEdge); }
  void PaintBackgroundAndBorder(TcxCanvas* ACanvas) override;
  // The painter that draws the panel and fills the client area.
  TcxCustomLookAndFeelPainterClass PanelPainter() const;
  TcxEditPopupFrame Frame() const;
  static TcxEditPopupMetrics ReadMetrics(bool AThemed);
  // The window theme draws the close button and the grip.
  bool IsThemed() const;

  TcxEditPopupBorderStyle EditBorderStyle = epbsDefault;
  bool ClientEdge = false;
  bool CloseButton = false;
  bool Sizeable = false;
  bool SysPanelVisible = false;
  TRect CloseButtonRect;
  int CloseButtonState = 1;  // 1 normal, 2 hot, 3 pressed
  int ThemedCloseButtonState = 0;
  TcxLookAndFeelKind LookAndFeelKind = lfStandard;
  TcxEditPopupGripCorner SizeGripCorner = gcRightBottom;
  TRect SizeGripRect;
  TRect SizeGripHitRect;
  TRect PanelRegion;
  int PanelHeight = 0;

 private:
  void PaintSysPanel(TcxCanvas* ACanvas, TcxCustomLookAndFeelPainterClass APainter);
};

class TcxCustomEditPopupWindow : public TcxCustomPopupWindow {
  VAMIRE_CLASS(TcxCustomEditPopupWindow, TcxCustomPopupWindow)
 public:
  // AOwnerControl is the editor; it serves the popup when it implements IcxEditPopupWindowOwner.
  explicit TcxCustomEditPopupWindow(TWinControl* AOwnerControl);
  ~TcxCustomEditPopupWindow() override;

  TcxCustomEditPopupWindowViewInfo* EditViewInfo() {
    return static_cast<TcxCustomEditPopupWindowViewInfo*>(ViewInfo());
  }
  IcxEditPopupWindowOwner* OwnerEditor() const { return FOwnerEditor; }

  void SetPopupAutoSize(bool Value) { FPopupAutoSize = Value; }
  void SetBorderStyle(TcxEditPopupBorderStyle Value);
  void SetClientEdge(bool Value);
  void SetCloseButton(bool Value);
  void SetNativeStyle(bool Value);
  void SetShadow(bool Value);
  void SetSizeable(bool Value);
  void SetSysPanelVisible(bool Value);
  bool PopupAutoSize() const { return FPopupAutoSize; }
  TcxEditPopupBorderStyle EditBorderStyle() const { return FBorderStyle; }
  bool NativeStyle() const { return FNativeStyle; }
  bool Shadow() const { return FShadow; }
  bool Sizeable() const { return FSizeable; }
  bool SysPanelVisible() const { return FSysPanelVisible; }
  bool Sizing() const { return FSizing; }
  // Set by the owner editor before each opening.
  bool PositioningLock = false;
  int MinHeight = 0;
  int MinWidth = 0;
  int PopupHeight = 0;
  int PopupWidth = 0;

  virtual void CalculateViewInfo();
  // Types into the window that has the focus.
  virtual void ForwardChar(wchar_t AChar);
  virtual TSize GetMinSize();
  TSize GetMaxClientSize();
  // The size for the next opening, from the editor's content or the stored size.
  virtual void CalculateSize();
  // The owner bounds re-read and the point of the next opening: the grip
  // takes the corner away from the editor.
  void CalcPosition(TPoint& P) override;
  void Recalculate();
  void ApplyUserBounds(int ALeft, int ATop, int AWidth, int AHeight);
  int GetHitArea(const TPoint& P);
  void UpdateWindowRegion();
  // When the editor's window is hidden the opening is finalised at once: nothing will show.
  void Popup(TWinControl* AFocusedControl) override;
  bool AdjustsToWorkArea() override { return true; }
  // The rubber band while the user drags the grip; null otherwise.
  TcxSizeFrame* SizeFrame() const { return FSizeFrame; }

 protected:
  // The owner editor sizes the popup before it shows, not its children.
  void AdjustSizeToControls() override {}
  TClass GetViewInfoClass() override { return TcxCustomEditPopupWindowViewInfo::StaticClass(); }
  void NotifyClosing() override;
  void ModalCloseUp() override;
  void MouseLeave(TControl* AControl) override;
  bool CanResize(int& NewWidth, int& NewHeight) override;
  void AdjustClientRect(TRect& Rect) override;
  void CreateParams(TCreateParams& Params) override;
  void Resize() override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void Dispatch(TMessage& Message) override;

 private:
  TcxEditPopupFrame Frame() const;
  void CopyToViewInfo();
  void UpdateCloseButtonState(const TPoint& P, bool ALeftButtonHeld);
  void StartSizing(const TPoint& P);
  void DoSizing(const TPoint& P);
  void EndSizing(bool AApply);
  TRect WindowBounds() const;

  IcxEditPopupWindowOwner* FOwnerEditor = nullptr;
  bool FPopupAutoSize = true;
  TcxEditPopupBorderStyle FBorderStyle = epbsDefault;
  bool FClientEdge = false;
  bool FCloseButton = false;
  bool FNativeStyle = false;
  bool FShadow = false;
  bool FSizeable = false;
  bool FSysPanelVisible = false;
  TcxSizeFrame* FSizeFrame = nullptr;
  TPoint FSizingStartPoint;
  bool FSizing = false;
};

// --- Opening and closing ----------------------------------------------------------------------
// The editor's side of the protocol: its events and the lookup data's hooks.
class IcxDropDownProtocolHost {
 public:
  virtual ~IcxDropDownProtocolHost() = default;
  virtual bool IsEditorWindowVisible() = 0;
  // OnInitPopup, then the lookup data's hook; may raise.
  virtual void InitPopupHooks() = 0;
  virtual bool CanDropDown() = 0;
  // Settings copied in, size and position computed, bounds set.
  virtual void PreparePopupWindow() = 0;
  virtual TWinControl* GetPopupFocusedControl() = 0;
  // OnPopup.
  virtual void PopupShownHooks() = 0;
  // The popup's value taken into the editor (the list's item selected, posted when asked).
  virtual void TakePopupValue(TcxEditCloseUpReason AReason) = 0;
  // Change events held back while locked; the last unlock fires what was held.
  virtual void LockChangeEvents(bool ALock) = 0;
  // The lookup data's hook, then the finalize-popup event.
  virtual void FinalizePopupHooks() = 0;
  // The close-popup event with the first reason, then OnCloseUp.
  virtual void CloseUpHooks(TcxEditCloseUpReason AReason) = 0;
};

class TcxDropDownPopupProtocol {
 public:
  // The protocol wires the popup's shown and closed notifications to itself.
  TcxDropDownPopupProtocol(TcxCustomEditPopupWindow* APopup, IcxDropDownProtocolHost* AHost);
  ~TcxDropDownPopupProtocol();
  TcxDropDownPopupProtocol(const TcxDropDownPopupProtocol&) = delete;
  TcxDropDownPopupProtocol& operator=(const TcxDropDownPopupProtocol&) = delete;

  bool IsPopupOpen() const { return IsPopupVisible(FPopup); }
  // A show is posted and not yet handled.
  bool IsShowPending() const;
  // Opens (posting the show) or closes with reason 0; nothing when already so
  // or when a show is pending.
  void SetDroppedDown(bool AValue);
  void DropDown();
  // Nothing unless open: the value is taken for reasons 1, 2 and 4 with
  // change events held, then they fire, then the popup hides.
  void CloseUp(TcxEditCloseUpReason AReason);
  // A pending show removed: the opening ends as if the popup had closed.
  void DiscardPendingPopup();
  // A key before the text editor sees it: true when consumed.
  bool HandleKey(uint16_t AKey, TShiftState AShift, bool AEditingAllowed);
  // Posts a typed character to the popup, open or about to show (CXM_POPUPFORWARDCHAR).
  void PostChar(wchar_t AChar);
  void DoInitPopup();
  void DoFinalizePopup();
  const TcxDropDownPopupState& State() const { return FState; }
  TcxCustomEditPopupWindow* Popup() const { return FPopup; }

 private:
  void PopupShown(TObject* Sender);
  void PopupClosed(TObject* Sender);

  TcxCustomEditPopupWindow* FPopup;
  IcxDropDownProtocolHost* FHost;
  TcxDropDownPopupState FState;
};
