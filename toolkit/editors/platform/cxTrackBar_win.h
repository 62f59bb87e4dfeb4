// The track bar: an editor whose value is an integer position between Min and
// Max, shown as a thumb on a track with ticks or numbers and an optional
// selected range. Keys and the mouse move the position through the editor's
// permission, modification and posting paths, so OnChange fires once for
// each real change. The arithmetic is in cxTrackBar.h.
#pragma once

#include <algorithm>
#include <type_traits>
#include <utility>

#include "cxEdit_control_win.h"
#include "cxExtEditConsts.h"
#include "cxTrackBar.h"

class TcxCanvas;
using TcxDrawThumbEvent = TMethod<void(TObject* Sender, TcxCanvas* ACanvas, const TRect& ARect)>;
using TcxGetThumbRectEvent = TMethod<void(TObject* Sender, TRect& ARect)>;

// A track bar has no border and does not hot-track unless its style says so.
class TcxTrackBarStyle : public TcxEditStyle {
  VAMIRE_CLASS(TcxTrackBarStyle, TcxEditStyle)
 public:
  using TcxEditStyle::TcxEditStyle;

 protected:
  TcxContainerBorderStyle GetDefaultBorderStyle() const override { return cbsNone; }
  bool GetDefaultHotTrack() const override { return false; }
};

class TcxTrackBarProperties : public TcxCustomEditProperties {
  VAMIRE_EDIT_PROPERTIES_CLASS(TcxTrackBarProperties, TcxCustomEditProperties)
 public:
  explicit TcxTrackBarProperties(TPersistent* AOwner) : TcxCustomEditProperties(AOwner) {}
  static TClass GetContainerClass();
  static TClass GetStyleClass() { return TcxTrackBarStyle::StaticClass(); }
  static TClass GetViewDataClass();
  static TClass GetViewInfoClass();
  TcxCustomEditViewData* CreateViewData(TcxContainerStyle* AStyle, bool AIsHosted, bool) override;
  String GetDisplayText(const Variant& AValue, bool) override;
  void Assign(TPersistent* Source) override;

  // The position an edit value stands for: an ordinal as it is, a decimal
  // text read, anything else Min; always within [Min, Max].
  int ValueToPosition(const Variant& AValue) const;

  // Every property; each setter that changes a value reports a change.
  struct TValues {
    bool AutoSize = true;
    int BorderWidth = 0;
    int Frequency = 1;
    int Min = 0, Max = 10;
    TcxTrackBarOrientation Orientation = tboHorizontal;
    int PageSize = 1;
    int SelectionStart = 0, SelectionEnd = 0;
    TColor SelectionColor = clHighlight;
    bool ShowTicks = true, ShowTrack = true;
    TcxTrackBarTextOrientation TextOrientation = tbtoHorizontal;
    TcxTrackBarThumbType ThumbType = cxttRegular;
    int ThumbWidth = 7, ThumbHeight = 12;
    TColor ThumbColor = clBtnFace, ThumbHighlightColor = clSilver;
    TcxTrackBarThumbStep ThumbStep = cxtsNormal;
    TColor TickColor = clWindowText;
    TcxTrackBarTickMarks TickMarks = cxtmBottomRight;
    int TickSize = 3;
    TcxTrackBarTickType TickType = tbttTicks;
    TColor TrackColor = clWindow;
    int TrackSize = 5;
    friend bool operator==(const TValues&, const TValues&) = default;
  };
  const TValues& Values() const { return FValues; }
  // One value by its member, read and changed as a property (form files).
  template <auto AField>
  auto Value() const {
    return FValues.*AField;
  }
  template <auto AField>
  void SetValue(std::remove_cvref_t<decltype(std::declval<TValues&>().*AField)> AValue) {
    Update([&](TValues& AValues) { AValues.*AField = AValue; });
  }
  // Changes the values through AChange and reports a change when any differs.
  template <class F>
  void Update(F AChange) {
    TValues values = FValues;
    AChange(values);
    values.PageSize = std::max(values.PageSize, 1);
    values.TickSize = std::max(values.TickSize, 1);
    if (values == FValues) return;
    FValues = values;
    Changed();
  }

  TcxDrawThumbEvent OnDrawThumb;
  TcxGetThumbRectEvent OnGetThumbRect;

 private:
  TValues FValues;
};

// Hot, pressed and disabled thumbs are drawn differently.
enum TcxTrackBarThumbState { tbtsNormal, tbtsHot, tbtsPressed, tbtsDisabled };

class TcxTrackBarViewInfo : public TcxCustomEditViewInfo {
  VAMIRE_CLASS(TcxTrackBarViewInfo, TcxCustomEditViewInfo)
 public:
  TcxTrackBarViewInfo() = default;
  void Render(TcxCanvas* ACanvas) override;

  TcxTrackBarProperties::TValues Values;
  TcxTrackBarLayout Layout;
  int Position = 0;
  TcxTrackBarThumbState ThumbState = tbtsNormal;
  TcxDrawThumbEvent OnDrawThumb;

 private:
  void DrawTicks(TcxCanvas* ACanvas, TcxCustomLookAndFeelPainterClass APainter);
  // A number at the tick APos, beside the thumb on the sides the tick marks name.
  void DrawNumber(TcxCanvas* ACanvas, const String& AText, int APos, int ANearStart, int AFarEnd);
  TColor ThumbColor(TcxCustomLookAndFeelPainterClass APainter) const;
};

class TcxCustomTrackBar : public TcxCustomEdit {
  VAMIRE_CLASS(TcxCustomTrackBar, TcxCustomEdit)
 public:
  explicit TcxCustomTrackBar(TComponent* AOwner);
  static TClass GetPropertiesClass() { return TcxTrackBarProperties::StaticClass(); }
  TcxTrackBarProperties* TrackProperties() const;
  TcxTrackBarProperties* ActiveTrackProperties();

  int Position();
  void SetPosition(int Value);
  // The own properties (not a repository item's), as a form file sets them.
  TcxTrackBarProperties* GetProperties() const { return TrackProperties(); }
  void SetProperties(TcxTrackBarProperties* Value) { TcxCustomEdit::SetProperties(Value); }
  TcxTrackBarThumbState ThumbState() const { return FThumbState; }
  // The layout for the current size, properties and position.
  TcxTrackBarLayout CalcLayout(TcxCanvas* ACanvas);

  String GetDisplayText() override;
  bool CanAutoSize() override { return false; }
  // The paging and arrow keys move the thumb.
  bool WantNavigationKeys() override { return true; }

 protected:
  TcxCustomTrackBar(TComponent* AOwner, bool AIsHosted, TClass APropertiesClass);
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void KeyUp(uint16_t& Key, TShiftState Shift) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void Click() override {}
  void DblClick() override {}
  void Dispatch(TMessage& Message) override;
  void UpdateDisplayFromValue() override;

 private:
  void SetPositionAndNotify(int Value, TShiftState Shift);
  void SetThumbState(TcxTrackBarThumbState Value);
  bool PointOnThumb(int X, int Y);
  int Along(int X, int Y);

  TcxTrackBarThumbState FThumbState = tbtsNormal;
  bool FAnchorActive = false;
  int FAnchorPosition = 0;
};

class TcxTrackBar : public TcxCustomTrackBar {
  VAMIRE_CLASS(TcxTrackBar, TcxCustomTrackBar)
 public:
  explicit TcxTrackBar(TComponent* AOwner) : TcxCustomTrackBar(AOwner) {}
};

// Registers the track bar's properties (and the control for streaming) at
// start-up; takes both back at shutdown.
extern const TUnitEntry cxTrackBarUnit;
