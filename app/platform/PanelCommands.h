// The panels' set-up and service commands: addressing a new wall panel by
// panel ("地址设置") and the one-command options of the main window's lower
// pages (fan, test, upgrade, aging, logo, graphics card, the hidden digital
// pattern page) and of the wall grid's pop-up menu. Every control is one row
// of PanelControls(), which both wires a form's controls and is what the
// tests walk, so the two cannot drift apart. What the handlers read of the
// main window's pages comes through IPanelPages, read afresh on each press.
#pragma once

#include <vector>

#include "Classes.h"
#include "Controls.h"
#include "System.h"

// The radio buttons and the box whose state decides a parameter.
enum class TPanelChoice {
  None,
  FanAlwaysOn,   // RadioButton1 "常开"
  FanAlwaysOff,  // RadioButton2 "常闭"
  FanAuto,       // RadioButton3 "自动"
  FanManual,     // "手动设置"
  TiOne,         // "TI 1"
  GroupA,        // "A组"
  TenBit,        // "10bit"
};

class IPanelPages {
 public:
  virtual ~IPanelPages() = default;
  virtual bool Checked(TPanelChoice choice) = 0;
  virtual String FanRunValue() = 0;   // LabeledEdit1 "运转值"
  virtual String FanOffValue() = 0;   // LabeledEdit2 "关闭值"
  virtual String SerialNoText() = 0;  // cxtxtdt1
  virtual String RowText() = 0;       // edtRow
  virtual String ColumnText() = 0;    // edtCol
};

enum class TPanelAction {
  Command,     // SendWallCommand(Command, Parameter) to the selection
  Choice,      // the same, Parameter when Choice is checked, else Otherwise
  Addressing,  // C6 FF Command Parameter Parameter BB: no panel address
  SetAddress,  // the serial number, row and column sequence
  Fan,         // the fan page's "应用"
  DebugWindow  // opens the debug window
};

enum class TPanelEvent { Click, MouseDown };

struct TPanelControl {
  const wchar_t* Control;  // the component's name on the main window's form
  TPanelEvent Event;
  TPanelAction Action;
  int Command = 0;
  int Parameter = 0;
  TPanelChoice Choice = TPanelChoice::None;
  int Otherwise = 0;
};

// Every control and pop-up item with its action, pages first, then the menu
// in menu order. The items that open other windows ("图像调整", "边缘融合",
// "异型调节") are not here: their windows' owners bind them.
const std::vector<TPanelControl>& PanelControls();
// The row of a control, or null.
const TPanelControl* FindPanelControl(const String& name);

// Runs the control's action (nothing for a name outside the table). A field
// that is no decimal number raises EConvertError when its frame is built;
// the frames before it stay sent.
void RunPanelControl(IPanelPages& pages, const String& name);

// "设置地址": C6 FF 23 hi lo BB, 100 ms, C6 FF 20 row 01 BB, 100 ms,
// C6 FF 21 column 01 BB; only low bytes travel, nothing is range-checked.
void SetPanelAddress(IPanelPages& pages);
// The fan page's "应用": 0x56 with the first checked of "常开", "常闭", "自动",
// then under "手动设置" 0xAA run value, 100 ms, 0xAB off value (D-32).
void ApplyFanSettings(IPanelPages& pages);

// Wires every table control that `form` holds to RunPanelControl: a click
// control's OnClick, a mouse-down control's OnMouseDown (any button, also
// when already checked) with its OnClick cleared, so a click sends nothing.
// A control the form lacks is skipped. The handlers live in a component
// owned by `form`; `pages` must outlive it.
void BindPanelControls(TComponent* form, IPanelPages& pages);
// The same, the pages read from the form's own controls by name: the fan
// radio buttons RadioButton1 "常开", RadioButton2 "常闭", RadioButton3 "自动",
// RadioButton4 "手动设置", RadioButton5 "TI 1", RadioButton7 "A组", rb10bit
// "10bit", the fields LabeledEdit1, LabeledEdit2, cxtxtdt1, edtRow, edtCol.
// A field the form lacks reads "", a button it lacks as not checked.
void BindPanelControls(TComponent* form);
