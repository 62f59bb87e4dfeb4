#include "Unit16.h"

#include "ConsoleForms.h"
#include "Dialogs.h"
#include "Links.h"
#include "MainWindow.h"
#include "ShapeCommands.h"
#include "Sleep.h"
#include "SysUtils.h"

VAMIRE_PUBLISHED(TForm16, Handler(L"FormShow", &TForm16::FormShow), Handler(L"CheckBox1Click", &TForm16::CheckBox1Click),
                 Handler(L"Button5Click", &TForm16::ApplyClick), Handler(L"Button1Click", &TForm16::ApplyClick),
                 Handler(L"Button2Click", &TForm16::ApplyClick), Handler(L"Button3Click", &TForm16::ApplyClick),
                 Handler(L"Button6Click", &TForm16::Button6Click), Handler(L"Button7Click", &TForm16::Button7Click))

namespace {

int Language() { return MainWindow() ? MainWindow()->Language() : 0; }

}  // namespace

void TForm16::Loaded() {
  inherited::Loaded();
  BindFormComponents(this, L"GroupBox2", GroupBox2, L"CheckBox1", CheckBox1, L"Label20", Label20, L"LabelEn", LabelEn,
                     L"Label21", Label21, L"Label22", Label22, L"Label23", Label23, L"Label24", Label24, L"Edit2",
                     Edit2, L"Edit3", Edit3, L"Edit4", Edit4, L"Edit5", Edit5, L"Button5", Button5, L"Button1",
                     Button1, L"Button2", Button2, L"Button3", Button3, L"Button6", Button6, L"GroupBox3", GroupBox3,
                     L"Button7", Button7);
}

void TForm16::FormShow(TObject*) {
  if (Language() != 1) return;
  SetCaption(L"Special Regulation");
  GroupBox2->SetCaption(L"Special Regulation");
  CheckBox1->SetCaption(L"ENABLE");
  Label20->SetVisible(false);
  LabelEn->SetVisible(true);
  Label21->SetCaption(L"Horizontal Start");
  Label22->SetCaption(L"Horizontal Size");
  Label24->SetCaption(L"Vertical Start");
  Label23->SetCaption(L"Vertical Size");
  for (TButton* b : {Button5, Button1, Button2, Button3}) b->SetCaption(L"Apply");
}

void TForm16::CheckBox1Click(TObject*) { SendWallCommand(0xF3, CheckBox1->Checked() ? 1 : 0); }

// A value that does not fit the two bytes is refused before anything goes
// out (D-97): the panels would otherwise get a high byte of another value.
void TForm16::ApplyClick(TObject* Sender) {
  const auto* button = static_cast<TComponent*>(Sender);
  for (const TShapeApplyButton& b : ShapeApplyButtons()) {
    if (button->Name() != b.Button) continue;
    auto* edit = static_cast<TEdit*>(FindFormComponent(this, b.Edit, TEdit::StaticClass()));
    int value = 0;
    switch (CheckShapeValue(edit->Text(), value)) {
      case TShapeValueCheck::NotInteger:
        StrToInt(edit->Text());  // raises with the runtime's invalid-integer message
        return;
      case TShapeValueCheck::OutOfRange:
        ShowMessage(ShapeRangeMessage(Language()));
        return;
      case TShapeValueCheck::Valid:
        break;
    }
    SendWallCommand(b.HighCommand, value / 256);
    SleepMs(ShapePause);
    // Read again for the low byte, as the window always did.
    SendWallCommand(b.LowCommand, StrToInt(edit->Text()) % 256);
    return;
  }
}

void TForm16::Button6Click(TObject*) { SendWallCommand(0xB0, CheckBox1->Checked() ? 1 : 0); }

void TForm16::Button7Click(TObject*) { SendWallCommand(0xC3, 0); }
