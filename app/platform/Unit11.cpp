#include "Unit11.h"

#include "ConsoleForms.h"
#include "Links.h"
#include "MainWindow.h"
#include "ShapeCommands.h"
#include "Sleep.h"

VAMIRE_PUBLISHED(TForm11, Handler(L"FormShow", &TForm11::FormShow), Handler(L"CheckBox1Click", &TForm11::CheckBox1Click),
                 Handler(L"BitBtn10Click", &TForm11::BitBtn10Click))

namespace {

int Language() { return MainWindow() ? MainWindow()->Language() : 0; }

// The bars' range and page as the window has them; the track bar streams
// none of its settings yet, so they are given here.
void SetUpBar(TcxTrackBar* bar, TNotifyEvent onChange) {
  bar->TrackProperties()->Update([](auto& v) {
    v.Min = 0;
    v.Max = 100;
    v.PageSize = 2;
  });
  bar->SetPosition(0);
  bar->TrackProperties()->OnChange = onChange;
}

}  // namespace

void TForm11::Loaded() {
  inherited::Loaded();
  BindFormComponents(this, L"GroupBox1", GroupBox1, L"CheckBox1", CheckBox1, L"Label5", Label5, L"TrackBar1",
                     TrackBar1, L"Label6", Label6, L"TrackBar2", TrackBar2, L"BitBtn10", BitBtn10);
  SetUpBar(TrackBar1, TNotifyEvent(this, &TForm11::TrackBar1Change));
  SetUpBar(TrackBar2, TNotifyEvent(this, &TForm11::TrackBar2Change));
}

void TForm11::FormShow(TObject*) {
  if (Language() != 1) return;
  SetCaption(L"Border Effect");
  GroupBox1->SetCaption(L"Border Effect");
  CheckBox1->SetCaption(L"Use of Border Effect");
  Label5->SetCaption(L"H. boder adjust");
  Label6->SetCaption(L"V. Boder adjust");
  BitBtn10->SetCaption(L"Apply");
}

void TForm11::CheckBox1Click(TObject*) {
  const bool on = CheckBox1->Checked();
  for (TControl* c : {static_cast<TControl*>(TrackBar1), static_cast<TControl*>(TrackBar2),
                      static_cast<TControl*>(Label5), static_cast<TControl*>(Label6)})
    c->SetEnabled(on);
}

void TForm11::TrackBar1Change(TObject*) { Label5->SetCaption(BlendLabelText(Language(), false, TrackBar1->Position())); }

void TForm11::TrackBar2Change(TObject*) { Label6->SetCaption(BlendLabelText(Language(), true, TrackBar2->Position())); }

void TForm11::BitBtn10Click(TObject*) {
  const TBlendWidths w = BlendWidths(CheckBox1->Checked(), TrackBar1->Position(), TrackBar2->Position());
  SendWallCommand(BlendHorizontalCommand, w.Horizontal);
  SleepMs(BlendPause);
  SendWallCommand(BlendVerticalCommand, w.Vertical);
}
