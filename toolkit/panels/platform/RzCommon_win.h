// The panel library's services on the runtime's canvas and controls: the
// strokes of every frame style and of a bordered panel's whole border, text
// and rotated fonts, the process-wide blink clock of the status panes, the
// frame controller that hands one set of frame settings to many controls,
// and the settings component. The colour and table arithmetic is RzCommon's.
#pragma once

#include <windows.h>

#include <vector>

#include "Controls.h"
#include "ExtCtrls.h"
#include "RzCommon.h"
#include "Units.h"

// --- Scheme colours -----------------------------------------------------------------------
// SchemeGradientColors / SchemeFlatColor with the system's answer to whether
// visual themes are in use.
void GetSchemeGradientColors(TRzGradientColorStyle Style, TColor& Start, TColor& Stop);
TColor GetSchemeFlatColor(TRzGradientColorStyle Style);

// --- Strokes ------------------------------------------------------------------------------
// Each draws with the canvas pen (lines exclude their end point) and answers
// the rectangle left inside what it drew.

// One ring: the left and top sides in UpperLeftColor, the right and bottom
// sides in LowerRightColor, only the sides in Sides; clNone draws nothing but
// still moves its sides in by one.
TRect StrokeEdges(TCanvas* Canvas, TRect Rect, TColor UpperLeftColor, TColor LowerRightColor, TSides Sides);
// Count nested rings with a pen 1 pixel wide.
TRect StrokeEdgeRings(TCanvas* Canvas, TRect Rect, TColor UpperLeftColor, TColor LowerRightColor, int Count,
                      TSides Sides);
// The frame of Style on Sides (fsNone draws nothing). Raises ERangeError for
// fsFlatRounded, which only the panel border draws.
TRect StrokeFrameStyle(TCanvas* Canvas, TRect Rect, TFrameStyle Style, TSides Sides);
TRect StrokeFrameAllSides(TCanvas* Canvas, TRect Rect, TFrameStyle Style);
// A flat frame with its corners cut by a pixel set inside each corner.
TRect StrokeRoundedFrame(TCanvas* Canvas, TRect Rect, TColor Color, TSides Sides);
// A bordered panel's whole border: the outer style, BorderWidth rings of
// BorderColor, the inner style, all on BorderSides. Flat styles draw in
// FlatColor shifted by FlatColorAdjustment.
TRect StrokePanelBorders(TCanvas* Canvas, TRect Rect, TFrameStyleEx BorderOuter, TFrameStyleEx BorderInner,
                         int BorderWidth, TSides BorderSides, int BevelWidth, TColor BorderColor,
                         TColor BorderHighlight, TColor BorderShadow, TColor FlatColor, int FlatColorAdjustment,
                         TColor Color, TColor ParentColor, bool Transparent);

// DrawText of the whole text on the canvas's DC with its font; answers what
// DrawText answers (the text's height).
int DrawTextInRect(TCanvas* Canvas, const String& Text, TRect& Rect, UINT Format);
// A new font like Font, turned by Angle degrees; the caller deletes it.
HFONT MakeAngledFont(TFont* Font, int Angle);
// Invalidates every child of Panel whose published "Transparent" is true.
void RefreshTransparentChildren(TWinControl* Panel);

// --- Blink clock --------------------------------------------------------------------------
// One per process: toggles between the blink colour (state 1, IntervalOn ms)
// and the normal colour (state 0, IntervalOff ms) and asks each registered
// control, in registration order, whether it blinks (CXM_BLINKQUERY); those
// answering 1 get the new state (CXM_BLINKSTATE, WParam the state).
class TRzBlinkingControlsList : public TObject {
  VAMIRE_CLASS(TRzBlinkingControlsList, TObject)
 public:
  TRzBlinkingControlsList();
  ~TRzBlinkingControlsList() override;

  void Add(TControl* Control);
  void Remove(TControl* Control);
  virtual int Count() const { return int(FControls.size()); }

  std::uint8_t State() const { return FState; }
  std::uint16_t IntervalOn() const { return FIntervalOn; }
  void SetIntervalOn(std::uint16_t Value) { FIntervalOn = Value; }
  std::uint16_t IntervalOff() const { return FIntervalOff; }
  void SetIntervalOff(std::uint16_t Value) { FIntervalOff = Value; }
  // The clock's timer; its OnTimer is the tick (a test fires it, D-61).
  TTimer* Timer() const { return FTimer; }

 private:
  void TimerTick(TObject* Sender);

  std::uint8_t FState = 1;
  std::uint16_t FIntervalOn = 500;
  std::uint16_t FIntervalOff = 500;
  TTimer* FTimer;
  std::vector<TControl*> FControls;
};

// The process-wide clock; null when none exists.
TRzBlinkingControlsList* BlinkingControlsList();
// The clock, made when there is none (null once the units are ending).
TRzBlinkingControlsList* AcquireBlinkingControlsList();
// Frees the clock when it holds no control.
void ReleaseBlinkClockIfIdle();
// Frees the clock whatever it holds (at unit end).
void FreeBlinkClock();

// --- Frame controller ---------------------------------------------------------------------
// A control that reads its frame controller's settings itself.
class IFrameControllerClient : public virtual IInterface {
  VAMIRE_INTERFACE(IFrameControllerClient, IInterface, "{64B1C9EA-C954-428A-95C4-4EA2EB0F1E16}")
 public:
  virtual void FrameControllerChanged() = 0;
};

class TRzRegIniFile;

// Hands one set of frame and colour settings to every attached control: a
// client re-reads the controller itself; any other control gets each
// setting copied into its published property of the same name (D-64), under
// its "FrameControllerNotifications" mask when it publishes one.
class TRzFrameController : public TComponent {
  VAMIRE_CLASS(TRzFrameController, TComponent)
 public:
  explicit TRzFrameController(TComponent* AOwner);
  ~TRzFrameController() override;
  void Assign(TPersistent* Source) override;
  void Loaded() override;

  // Appends a control not yet attached and pushes every setting to it.
  void AttachControl(TControl* Control);
  // Removing a control that is not attached does nothing.
  void DetachControl(TControl* Control);
  bool IsAttached(TControl* Control) const;
  int AttachedCount() const { return int(FControls.size()); }
  void LockUpdates() { ++FUpdateCount; }
  // At the last unlock every setting goes to every control.
  void UnlockUpdates();
  void RefreshAttachedControls() { PushPropertyToControls(fcpAll); }
  // Nothing while locked or with no control attached.
  virtual void PushPropertyToControls(TRzFrameControllerProperty Property);
  // Only for controls; see the class comment.
  virtual void PushPropertiesToControl(TComponent* Control, TRzFrameControllerProperty Property);

  TColor Color() const { return FColor; }
  virtual void SetColor(TColor Value);
  bool ParentColor() const { return FParentColor; }
  virtual void SetParentColor(bool Value);
  TColor FlatButtonColor() const { return FFlatButtonColor; }
  virtual void SetFlatButtonColor(TColor Value);
  bool FlatButtons() const { return FFlatButtons; }
  virtual void SetFlatButtons(bool Value);
  TColor DisabledColor() const { return FDisabledColor; }
  virtual void SetDisabledColor(TColor Value);
  TColor ReadOnlyColor() const { return FReadOnlyColor; }
  virtual void SetReadOnlyColor(TColor Value);
  bool ReadOnlyColorOnFocus() const { return FReadOnlyColorOnFocus; }
  virtual void SetReadOnlyColorOnFocus(bool Value);
  TColor FocusColor() const { return FFocusColor; }
  virtual void SetFocusColor(TColor Value);
  TColor FrameColor() const { return FFrameColor; }
  virtual void SetFrameColor(TColor Value);
  TColor FrameHotColor() const { return FFrameHotColor; }
  virtual void SetFrameHotColor(TColor Value);
  bool FrameHotTrack() const { return FFrameHotTrack; }
  virtual void SetFrameHotTrack(bool Value);
  TFrameStyle FrameHotStyle() const { return FFrameHotStyle; }
  virtual void SetFrameHotStyle(TFrameStyle Value);
  TSides FrameSides() const { return FFrameSides; }
  virtual void SetFrameSides(TSides Value);
  TFrameStyle FrameStyle() const { return FFrameStyle; }
  virtual void SetFrameStyle(TFrameStyle Value);
  bool FrameVisible() const { return FFrameVisible; }
  virtual void SetFrameVisible(bool Value);
  TFramingPreference FramingPreference() const { return FFramingPreference; }
  virtual void SetFramingPreference(TFramingPreference Value);
  TRzRegIniFile* RegIniFile() const { return FRegIniFile; }
  virtual void SetRegIniFile(TRzRegIniFile* Value);

  bool IsColorStored() const { return !FParentColor; }

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;
  // The obsolete "FrameFlat", "FrameFocusStyle" and "FrameFlatStyle".
  void DefineProperties(TFiler* Filer) override;

 private:
  void CopyPropertyTo(TControl* Control, TRzFrameControllerProperty Property);
  void ReadFrameFlat(TReader* Reader);
  void ReadFrameFocusStyle(TReader* Reader);

  TColor FColor = clWindow;
  TColor FDisabledColor = clBtnFace;
  TColor FReadOnlyColor = clInfoBk;
  bool FReadOnlyColorOnFocus = false;
  TColor FFlatButtonColor = clBtnFace;
  bool FFlatButtons = true;
  TColor FFocusColor = clWindow;
  TColor FFrameColor = clBtnShadow;
  TColor FFrameHotColor = clBtnShadow;
  TFrameStyle FFrameHotStyle = fsFlatBold;
  bool FFrameHotTrack = false;
  TSides FFrameSides = sdAllSides;
  TFrameStyle FFrameStyle = fsFlat;
  bool FFrameVisible = false;
  TFramingPreference FFramingPreference = fpXPThemes;
  bool FParentColor = false;
  TRzRegIniFile* FRegIniFile = nullptr;
  int FUpdateCount = 0;
  std::vector<TControl*> FControls;
};

// The switch of a controller's client (a panel or a pane) to Value: detached
// from the old controller, watching Value's freeing, attached to Value (which
// updates the client at once).
void SwitchFrameController(TControl* Client, TRzFrameController*& Field, TRzFrameController* Value);

// CM_MOUSEENTER and CM_MOUSELEAVE of a panel or a pane: the runtime's handling
// (Inherited), then OnMouseEnter or OnMouseLeave; at design time entering is
// not handled at all. False for any other message.
template <class Inherited>
bool DispatchMouseHover(TControl* Control, TMessage& Message, const TNotifyEvent& OnMouseEnter,
                        const TNotifyEvent& OnMouseLeave, Inherited inherited) {
  if (Message.Msg == CM_MOUSEENTER) {
    if (Control->ComponentState().Contains(csDesigning)) return true;
    inherited(Message);
    if (OnMouseEnter) OnMouseEnter(Control);
    return true;
  }
  if (Message.Msg == CM_MOUSELEAVE) {
    inherited(Message);
    if (OnMouseLeave) OnMouseLeave(Control);
    return true;
  }
  return false;
}

// --- Settings component -------------------------------------------------------------------
class TCustomIniFile;
class TRegistry;

// Where settings would be kept: an ini file or a registry key. It only holds
// its choices here; a change marks the storage for rebuilding.
class TRzRegIniFile : public TComponent {
  VAMIRE_CLASS(TRzRegIniFile, TComponent)
 public:
  explicit TRzRegIniFile(TComponent* AOwner) : TComponent(AOwner) {}
  ~TRzRegIniFile() override;

  const String& Path() const { return FPath; }
  void SetPath(const String& Value);
  TRzPathType PathType() const { return FPathType; }
  void SetPathType(TRzPathType Value);
  TRzRegKey RegKey() const { return FRegKey; }
  void SetRegKey(TRzRegKey Value);
  TRzRegAccess RegAccess() const { return FRegAccess; }
  void SetRegAccess(TRzRegAccess Value);
  TRzSpecialFolder SpecialFolder() const { return FSpecialFolder; }
  void SetSpecialFolder(TRzSpecialFolder Value);
  TRzIniFileEncoding FileEncoding() const { return FFileEncoding; }
  void SetFileEncoding(TRzIniFileEncoding Value);
  // True until the storage is made for the current choices.
  bool RebuildStorage() const { return FRebuildStorage; }

 private:
  template <class T>
  void Store(T& Field, const T& Value);

  String FPath;
  TRzPathType FPathType = ptIniFile;
  TRzRegKey FRegKey = hkeyCurrentUser;
  TRzRegAccess FRegAccess{keyAllAccess};
  TRzSpecialFolder FSpecialFolder = sfNone;
  TRzIniFileEncoding FFileEncoding = feDefault;
  bool FRebuildStorage = true;
  TCustomIniFile* FIniFile = nullptr;
  TRegistry* FRegistry = nullptr;
};

// Unit start (once, counted): the screen's colour depth, the system's colour
// and scheme readers, the scheme; registers the controller and the settings
// component for form files.
extern const TUnitEntry RzCommonUnit;
