#include "PanelCommands.h"

#include <memory>

#include "ConsoleForms.h"
#include "Links.h"
#include "Menus.h"
#include "Sleep.h"
#include "StdCtrls.h"
#include "SysUtils.h"
#include "Unit6.h"
#include "cxCheckBox_win.h"

namespace {

using A = TPanelAction;
using C = TPanelChoice;
const TPanelEvent Click = TPanelEvent::Click, MouseDown = TPanelEvent::MouseDown;

const unsigned AddressStepPauseMs = 100;
const unsigned FanValuesPauseMs = 100;

// The pages read from the main window's form by control name, afresh on
// every call.
class TFormPanelPages : public IPanelPages {
 public:
  explicit TFormPanelPages(TComponent* form) : FForm(form) {}

  bool Checked(TPanelChoice choice) override {
    const struct {
      TPanelChoice Choice;
      const wchar_t* Control;
    } controls[] = {{C::FanAlwaysOn, L"RadioButton1"}, {C::FanAlwaysOff, L"RadioButton2"},
                    {C::FanAuto, L"RadioButton3"},     {C::FanManual, L"RadioButton4"},
                    {C::TiOne, L"RadioButton5"},       {C::GroupA, L"RadioButton7"},
                    {C::TenBit, L"rb10bit"}};
    for (const auto& c : controls) {
      if (c.Choice != choice) continue;
      TComponent* found = FForm->FindComponent(c.Control);
      if (auto* radio = dynamic_cast<TRadioButton*>(found)) return radio->Checked();
      if (auto* box = dynamic_cast<TCustomCheckBox*>(found)) return box->Checked();
      if (auto* cxBox = dynamic_cast<TcxCheckBox*>(found)) return cxBox->Checked();
    }
    return false;
  }
  String FanRunValue() override { return TextOf(L"LabeledEdit1"); }
  String FanOffValue() override { return TextOf(L"LabeledEdit2"); }
  String SerialNoText() override { return TextOf(L"cxtxtdt1"); }
  String RowText() override { return TextOf(L"edtRow"); }
  String ColumnText() override { return TextOf(L"edtCol"); }

 private:
  String TextOf(const wchar_t* name) {
    auto* control = dynamic_cast<TControl*>(FForm->FindComponent(name));
    return control ? control->Text() : String();
  }
  TComponent* FForm;
};

// The handlers a form's controls are wired to; the form owns them.
class TPanelControlHandlers : public TComponent {
  VAMIRE_CLASS(TPanelControlHandlers, TComponent)
 public:
  TPanelControlHandlers(TComponent* owner, IPanelPages& pages) : TComponent(owner), FPages(pages) {}
  // Reading the owner's own controls.
  explicit TPanelControlHandlers(TComponent* owner)
      : TComponent(owner), FOwnPages(std::make_unique<TFormPanelPages>(owner)), FPages(*FOwnPages) {}

  void ControlClick(TObject* Sender) { RunPanelControl(FPages, static_cast<TComponent*>(Sender)->Name()); }
  void ControlMouseDown(TObject* Sender, TMouseButton, TShiftState, int, int) { ControlClick(Sender); }

 private:
  std::unique_ptr<TFormPanelPages> FOwnPages;
  IPanelPages& FPages;
};

void WirePanelControls(TComponent* form, TPanelControlHandlers* handlers) {
  const TNotifyEvent click(handlers, &TPanelControlHandlers::ControlClick);
  for (const TPanelControl& c : PanelControls()) {
    TComponent* found = form->FindComponent(c.Control);
    if (auto* item = dynamic_cast<TMenuItem*>(found)) {
      item->OnClick = click;
    } else if (auto* control = dynamic_cast<TControl*>(found)) {
      if (c.Event == TPanelEvent::Click) {
        control->OnClick = click;
      } else {
        control->OnClick = TNotifyEvent();
        control->OnMouseDown = TMouseEvent(handlers, &TPanelControlHandlers::ControlMouseDown);
      }
    }
  }
}

void SendAddressingFrame(int subCommand, int first, int second) {
  SendWallFrame(WallFrameStart, WallAddressingA1, subCommand, first, second, WallFrameEnd);
}

}  // namespace

const std::vector<TPanelControl>& PanelControls() {
  static const std::vector<TPanelControl> controls = {
      // Address page.
      {L"btnSetAddr", Click, A::SetAddress},
      {L"btnGetAddress", Click, A::Addressing, 0x22, 0x00},
      {L"BitbShowAddress", Click, A::Addressing, 0x24, 0x01},
      {L"btnLock", Click, A::Command, 0x67, 1},
      {L"btnRefresh", Click, A::Command, 0x67, 0},
      // Fan, test and upgrade pages.
      {L"BitBtn11", Click, A::Fan},
      {L"Button1", Click, A::Choice, 0x5C, 1, C::TiOne, 0},
      {L"Button8", Click, A::Choice, 0x5B, 0, C::GroupA, 1},
      {L"btnRTDo", Click, A::Choice, 0x60, 1, C::TenBit, 0},
      {L"Button3", Click, A::Command, 0x5F, 1},
      {L"BitBtn7", Click, A::DebugWindow},
      {L"Button5", Click, A::Command, 0xFF, 1},
      // Hidden digital pattern page.
      {L"btnDV", Click, A::Command, 0x65, 0},
      {L"btnPC", Click, A::Command, 0x65, 1},
      // Aging and logo pages: on the press itself.
      {L"rbOpenAM", MouseDown, A::Command, 0xF1, 1},
      {L"rbCloseAM", MouseDown, A::Command, 0xF1, 0},
      {L"rbOpenLogo", MouseDown, A::Command, 0x66, 1},
      {L"rbCloseLogo", MouseDown, A::Command, 0x66, 0},
      {L"cxButton3", Click, A::Command, 0xFD, 1},
      {L"cxButton4", Click, A::Command, 0xFD, 0},
      // Graphics card page.
      {L"cxButton1", Click, A::Command, 0xFE, 0},
      {L"cxButton2", Click, A::Command, 0xFE, 1},
      // The wall grid's pop-up menu.
      {L"nStill", Click, A::Command, 0x51, 1},
      {L"N8", Click, A::Command, 0x53, 1},
      {L"N10", Click, A::Command, 0x5E, 0},
      {L"N11", Click, A::Command, 0x5D, 1},
      {L"N19", Click, A::Command, 0xF1, 1},
      {L"N20", Click, A::Command, 0xF1, 0},
      {L"N21", Click, A::Command, 0xF2, 0},
      {L"N22", Click, A::Command, 0xF2, 1},
      {L"N18", Click, A::Command, 0xFF, 1},
  };
  return controls;
}

const TPanelControl* FindPanelControl(const String& name) {
  for (const TPanelControl& c : PanelControls())
    if (name == c.Control) return &c;
  return nullptr;
}

void RunPanelControl(IPanelPages& pages, const String& name) {
  const TPanelControl* c = FindPanelControl(name);
  if (!c) return;
  switch (c->Action) {
    case A::Command: SendWallCommand(c->Command, c->Parameter); break;
    case A::Choice: SendWallCommand(c->Command, pages.Checked(c->Choice) ? c->Parameter : c->Otherwise); break;
    case A::Addressing: SendAddressingFrame(c->Command, c->Parameter, c->Parameter); break;
    case A::SetAddress: SetPanelAddress(pages); break;
    case A::Fan: ApplyFanSettings(pages); break;
    case A::DebugWindow:
      if (TForm6* debug = ConsoleForm<TForm6>()) debug->Show();
      break;
  }
}

// Each text is converted only when its frame is due, so a bad row still lets
// the serial number's frame go out before the error shows.
void SetPanelAddress(IPanelPages& pages) {
  const int serialNo = StrToInt(pages.SerialNoText());
  SendAddressingFrame(0x23, serialNo / 256, serialNo % 256);
  SleepMs(AddressStepPauseMs);
  SendAddressingFrame(0x20, StrToInt(pages.RowText()), 0x01);
  SleepMs(AddressStepPauseMs);
  SendAddressingFrame(0x21, StrToInt(pages.ColumnText()), 0x01);
}

void ApplyFanSettings(IPanelPages& pages) {
  const struct {
    TPanelChoice Button;
    int Mode;
  } modes[] = {{C::FanAlwaysOn, 1}, {C::FanAlwaysOff, 2}, {C::FanAuto, 0}};
  for (const auto& m : modes)
    if (pages.Checked(m.Button)) {
      SendWallCommand(0x56, m.Mode);
      break;
    }
  if (!pages.Checked(C::FanManual)) return;
  SendWallCommand(0xAA, StrToInt(pages.FanRunValue()));
  SleepMs(FanValuesPauseMs);
  SendWallCommand(0xAB, StrToInt(pages.FanOffValue()));
}

void BindPanelControls(TComponent* form, IPanelPages& pages) {
  WirePanelControls(form, new TPanelControlHandlers(form, pages));
}

void BindPanelControls(TComponent* form) { WirePanelControls(form, new TPanelControlHandlers(form)); }
