// The toolkit's radio button, TcxRadioButton: a runtime TRadioButton whose
// window is owner-drawn, so that the glyph comes from the look-and-feel
// painter, the caption from the toolkit's text routine, and the control can
// show its parent through it. Checking, the unchecking of the other radio
// buttons of the same parent and the click on checking stay TRadioButton's.
#pragma once

#include <windows.h>

#include <memory>

#include "Menus.h"
#include "StdCtrls.h"
#include "Units.h"
#include "cxControls_win.h"
#include "cxGraphics_win.h"
#include "cxLookAndFeels.h"

// The look of the glyph: from the enabled state and the mouse.
enum TcxRadioButtonState { rbsDisabled, rbsHot, rbsNormal, rbsPressed };

class TcxRadioButton : public TRadioButton, public IcxLookAndFeelOwner, public IcxMouseTrackingCaller {
  VAMIRE_CLASS(TcxRadioButton, TRadioButton)
 public:
  explicit TcxRadioButton(TComponent* AOwner);
  ~TcxRadioButton() override;
  bool GetInterface(const TGUID& iid, void** obj) override;

  TcxLookAndFeel* LookAndFeel() const { return FLookAndFeel.get(); }
  void SetLookAndFeel(TcxLookAndFeel* Value) { FLookAndFeel->Assign(Value); }
  // A TPopupMenu or a component with IcxPopupMenuHandler; anything else is taken as none.
  TComponent* PopupMenu() const { return FPopupMenu; }
  void SetPopupMenu(TComponent* Value);
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value);

  // State read by tests: the glyph's look and where it was last drawn.
  TcxRadioButtonState ButtonState() const { return FButtonState; }
  TRect GlyphRect() const { return FGlyphRect; }

  // Only the rectangle (0, 0, Width, Height), without erasing: the drawing covers it.
  void Invalidate() override;
  // False while designing.
  bool Focused() override;

  // IcxLookAndFeelOwner, IcxMouseTrackingCaller. MouseLeave refreshes the state
  // as for a point outside and ends the tracking.
  TcxLookAndFeel* GetLookAndFeel() override { return FLookAndFeel.get(); }
  void MouseLeave() override;

 protected:
  // Shrinks the caption rectangle by the margins of the look, WordWrap and Alignment.
  virtual void AdjustTextRect(TRect& R, bool ANative);
  // Shows the menu at a screen point; answers whether one was shown.
  virtual bool DoShowPopupMenu(TComponent* AMenu, int X, int Y);
  // The whole control in Color, unless the background is transparent.
  virtual void FillBackground();
  virtual void DrawCaption(TcxCanvas* ACanvas, bool ANative);
  // A radio group's button answers whether its group is hosted by another control.
  virtual bool IsHostedButton();
  virtual bool UsesParentBackground();
  virtual bool IsNativeStyle();
  virtual bool IsTransparent();
  virtual bool IsTransparentBackground();
  virtual void LookAndFeelChanged(TcxLookAndFeel* Sender, TcxLookAndFeelValues AChangedValues);
  virtual void DrawRadioButton(bool AFocusOnly);
  // AButton: 0 none, 1 left, 2 right, 3 middle.
  virtual void RefreshState(int AButton, TShiftState AShift, const TPoint& P);
  virtual void EnabledChanged();
  virtual void MouseEnter();

  void CreateParams(TCreateParams& Params) override;
  void CreateHandle() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void WndProc(TMessage& Message) override;
  void Dispatch(TMessage& Message) override;
  void DoEnter() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void DoContextPopup(TPoint MousePos, bool& Handled) override;
  TPopupMenu* GetPopupMenu() override { return nullptr; }

  TcxCanvas* Canvas() const { return FCanvas.get(); }
  TcxCustomLookAndFeelPainterClass Painter() const { return FLookAndFeel->Painter(); }

 private:
  void CNDrawItem(TMessage& Message);
  void WMContextMenu(TMessage& Message);
  // The state for the pointer where it is now.
  void RefreshStateFromCursor(int AButton);
  bool IsDesigning() const { return ComponentState().Contains(csDesigning); }

  std::unique_ptr<TCanvas> FPaintCanvas;
  std::unique_ptr<TcxCanvas> FCanvas;
  std::unique_ptr<TcxLookAndFeel> FLookAndFeel;
  TcxRadioButtonState FButtonState = rbsNormal;
  TRect FGlyphRect{};
  TComponent* FPopupMenu = nullptr;
  bool FTransparent = false;
};

// Unit start registers TcxRadioButton for form streaming.
void cxRadioGroup_Initialize();
void cxRadioGroup_Finalize();
extern const TUnitEntry cxRadioGroupUnit;
