// The harness of the editor control's tests: an editor kind without an inner
// window. It shows its text itself, takes typed characters into it (as a text
// editor would, through the base's permission and change paths), validates
// and resets, and can be told what size its content measures, so the layout
// rules are checked apart from any font.
#pragma once

#include <windows.h>

#include "support/HostForm.h"
#include "Sleep.h"
#include "Streaming.h"
#include "edit_test_support.h"

namespace editcontrol_test {

class TTestEdit;

class TTestEditViewInfo : public TcxCustomEditViewInfo {
  VAMIRE_CLASS(TTestEditViewInfo, TcxCustomEditViewInfo)
 public:
  TTestEditViewInfo() = default;
  void Render(TcxCanvas* ACanvas) override {
    TcxCustomEditViewInfo::Render(ACanvas);
    if (Text.empty() || !Font) return;
    ACanvas->SetFont(Font);
    HDC dc = ACanvas->Handle();
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, COLORREF(ColorToRGB(TextColor)));
    RECT r{ClientRect.Left + 2, ClientRect.Top, ClientRect.Right - 1, ClientRect.Bottom};
    DrawTextW(dc, Text.c_str(), int(Text.size()), &r, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_LEFT);
  }
  String Text;
};

class TTestEditViewData : public TcxCustomEditViewData {
  VAMIRE_CLASS(TTestEditViewData, TcxCustomEditViewData)
 public:
  using TcxCustomEditViewData::TcxCustomEditViewData;
  static TObject* CreateFresh() { return nullptr; }
  void CalcKindSpecificParts(TcxCanvas* ACanvas, TcxCustomEditViewInfo* AViewInfo) override;
  TSize CalcEditSize(TcxCanvas* ACanvas, const Variant& AEditValue, const TcxEditSizeProperties& ASize,
                     TcxCustomEditViewInfo* AViewInfo) override;
  TSize CalcEditContentSize(TcxCanvas*, const Variant& AEditValue, const TcxEditSizeProperties&) override {
    const String text = AEditValue.IsNull() || AEditValue.IsEmpty() ? String() : VarToStr(AEditValue);
    TFont* font = Style->GetEffectiveFont();
    return TSize{FontTextWidth(font, text) + 4, FontTextHeight(font, L"Zg") + ContentOffsets.Top + ContentOffsets.Bottom};
  }
};

class TTestEditProperties : public TcxCustomEditProperties {
  VAMIRE_EDIT_PROPERTIES_CLASS(TTestEditProperties, TcxCustomEditProperties)
 public:
  explicit TTestEditProperties(TPersistent* AOwner) : TcxCustomEditProperties(AOwner) {}
  static TClass GetContainerClass();
  static TClass GetViewDataClass() { return TTestEditViewData::StaticClass(); }
  static TClass GetViewInfoClass() { return TTestEditViewInfo::StaticClass(); }
  bool CanValidate() override { return true; }
  bool SupportsValueReset() override { return true; }
  bool IsEditValueChangeTracked() override { return true; }
  String GetDisplayText(const Variant& AValue, bool) override {
    return AValue.IsNull() || AValue.IsEmpty() ? String() : VarToStr(AValue);
  }
  TcxCustomEditViewData* CreateViewData(TcxContainerStyle* AStyle, bool AIsHosted, bool) override {
    return new TTestEditViewData(this, AStyle, AIsHosted);
  }
};

class TTestEdit : public TcxCustomEdit {
  VAMIRE_CLASS(TTestEdit, TcxCustomEdit)
 public:
  explicit TTestEdit(TComponent* AOwner) : TcxCustomEdit(AOwner, false, TTestEditProperties::StaticClass()) {}
  static TClass GetPropertiesClass() { return TTestEditProperties::StaticClass(); }
  TTestEditProperties* TestProperties() const { return static_cast<TTestEditProperties*>(Properties()); }
  void SetTestProperties(TTestEditProperties* Value) { SetProperties(Value); }

  // The width follows the content; the anchors the test asks for.
  bool IsButtonsOnlyView() override { return true; }
  bool IsHorzAnchorUsed() override { return HorzAnchor; }
  bool IsVertAnchorUsed() override { return VertAnchor; }
  String GetDisplayText() override { return FText; }
  void UpdateDisplayFromValue() override {
    FText = ActiveProperties()->GetDisplayText(EditValue(), false);
    Relayout();
  }
  void SetInternalDisplayValue(const Variant& Value) override {
    FText = VarToStr(Value);
    Relayout();
  }
  // The validated text becomes the value, as a text editor's would.
  void InternalSetDisplayValue(const Variant& Value) override {
    FEditValue = Variant(VarToStr(Value));
    UpdateDisplayFromValue();
  }
  bool CanKeyPressModifyEdit(wchar_t Key) override { return Key >= 32 || Key == 8; }
  void DoEditKeyPress(wchar_t& Key) override {
    if (!ValidateKeyPress(Key)) return;
    if (Key == 8 && !FText.empty())
      FText.pop_back();
    else if (Key >= 32)
      FText += Key;
    else
      return;
    Key = 0;
    SetEditModified(true);
    DoChange();
    Relayout();
  }
  // As a check box does: a new value is a click (held back while code writes it).
  void DoEditValueChanged() override {
    TcxCustomEdit::DoEditValueChanged();
    if (ClickOnValueChange) Click();
  }
  void SelectWholeText() override { ++SelectAllCount; }
  void UpdateDrawValue() override { Invalidate(); }

  using TcxCustomEdit::CanResize;
  using TcxCustomEdit::KeyDown;

  bool HorzAnchor = true;
  bool VertAnchor = false;
  // When set, what the whole editor measures (border and buttons included).
  TSize ForcedSize{};
  int SelectAllCount = 0;
  bool ClickOnValueChange = false;

 private:
  void Relayout() {
    if (HandleAllocated() && !IsLoading()) RefreshViewStateAtCursor(this, false);
  }
  String FText;
};

inline TClass TTestEditProperties::GetContainerClass() { return TTestEdit::StaticClass(); }

inline void TTestEditViewData::CalcKindSpecificParts(TcxCanvas*, TcxCustomEditViewInfo* AViewInfo) {
  if (auto* edit = dynamic_cast<TTestEdit*>(AViewInfo->Edit))
    if (auto* vi = dynamic_cast<TTestEditViewInfo*>(AViewInfo)) vi->Text = edit->GetDisplayText();
}

inline TSize TTestEditViewData::CalcEditSize(TcxCanvas* ACanvas, const Variant& AEditValue,
                                             const TcxEditSizeProperties& ASize, TcxCustomEditViewInfo* AViewInfo) {
  if (auto* edit = AViewInfo ? dynamic_cast<TTestEdit*>(AViewInfo->Edit) : nullptr)
    if (edit->ForcedSize.cx > 0) return edit->ForcedSize;
  return TcxCustomEditViewData::CalcEditSize(ACanvas, AEditValue, ASize, AViewInfo);
}

// The beeps of the runtime, counted instead of sounded.
struct TBeepCounter {
  static inline int Count = 0;
  static void Beep() { ++Count; }
  TBeepCounter() {
    Count = 0;
    FPrevious = SetBeepProc(&TBeepCounter::Beep);
  }
  ~TBeepCounter() { SetBeepProc(FPrevious); }
  TBeepProc FPrevious;
};

// What the editor and the form report.
class TEditLog : public TObject {
  VAMIRE_CLASS(TEditLog, TObject)
 public:
  TEditLog() = default;
  void Change(TObject*) { ++Changes; }
  void ValueChanged(TObject*) { ++ValueChanges; }
  void ButtonClick(TObject*, int AIndex) { ButtonClicks.push_back(AIndex); }
  void Click(TObject*) { ++Clicks; }
  void KeyPress(TObject*, wchar_t& Key) { Chars.push_back(Key); }
  void Exception(TObject*, const ::Exception& E) { Errors.push_back(E.ClassName() + L": " + E.Message()); }
  void Validate(TObject*, Variant& DisplayValue, String& ErrorText, bool& Error) {
    ++Validations;
    if (VarToStr(DisplayValue) == Refused) {
      Error = true;
      ErrorText = RefusalText;
    }
  }
  // Records the hosted editor's flags as the handler sees them, then fails.
  void FailingChange(TObject* Sender) {
    auto* edit = static_cast<TcxCustomEdit*>(Sender);
    FlagsSeen = {edit->ModifiedSinceEnter(), edit->EditModified()};
    throw ::Exception(L"handler failed");
  }
  std::pair<bool, bool> FlagsSeen;
  void Reset() {
    Changes = ValueChanges = Clicks = Validations = 0;
    ButtonClicks.clear();
    Chars.clear();
    Errors.clear();
    Refused = L"\x01";
    RefusalText.clear();
  }
  int Changes = 0;
  int ValueChanges = 0;
  int Clicks = 0;
  int Validations = 0;
  std::vector<int> ButtonClicks;
  std::vector<wchar_t> Chars;
  std::vector<String> Errors;
  String Refused = L"\x01";
  String RefusalText;
};

}  // namespace editcontrol_test

VAMIRE_STREAMED_CLASSES(EditControlTestStreamed, editcontrol_test::TTestEdit, editcontrol_test::TTestEditProperties)

using EditControlTestEdit = editcontrol_test::TTestEdit;
using EditControlTestProperties = editcontrol_test::TTestEditProperties;
VAMIRE_STREAMED_TABLE(EditControlTestStreamed, editcontrol_test::TTestEdit,
                      Prop(L"AutoSize", &EditControlTestEdit::AutoSize, &EditControlTestEdit::SetAutoSize)
                          .Default(true),
                      Prop(L"Properties", &EditControlTestEdit::TestProperties, &EditControlTestEdit::SetTestProperties))
VAMIRE_STREAMED_TABLE(EditControlTestStreamed, editcontrol_test::TTestEditProperties,
                      Prop(L"Alignment", &EditControlTestProperties::Alignment,
                           &EditControlTestProperties::SetAlignment)
                          .Stored(&EditControlTestProperties::IsAlignmentStored),
                      Prop(L"BeepOnError", &EditControlTestProperties::BeepOnError,
                           &EditControlTestProperties::SetBeepOnError)
                          .Default(false),
                      Prop(L"ValidateOnEnter", &EditControlTestProperties::ValidateOnEnter,
                           &EditControlTestProperties::SetValidateOnEnter)
                          .Default(false))
