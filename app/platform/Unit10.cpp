#include "Unit10.h"

#include "ConsoleForms.h"
#include "Links.h"
#include "MainWindow.h"

VAMIRE_PUBLISHED(TForm10, Handler(L"FormShow", &TForm10::FormShow), Handler(L"FormClose", &TForm10::FormClose),
                 Handler(L"Button1Click", &TForm10::Button1Click), Handler(L"Button2Click", &TForm10::Button2Click))

namespace {
const int RecallPresetCommand = 0xA1;

void MakeTopmost(TForm10* form) {
  SetWindowPos(form->Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}
}  // namespace

void TForm10::Loaded() {
  inherited::Loaded();
  BindFormComponents(this, L"ComboBox3", ComboBox3, L"Button1", Button1, L"Button2", Button2);
}

void TForm10::FormShow(TObject*) {
  IMainWindow* main = MainWindow();
  if (!main) return;
  ComboBox3->Items()->Assign(main->PresetNames());
  ComboBox3->SetItemIndex(main->PresetIndex());
  MakeTopmost(this);
  main->HideForMiniPanel();
  if (main->Language() != 1) return;
  Button1->SetCaption(L"Load");
  Button2->SetCaption(L"Return");
}

// Whatever closed the panel, "返回" or the close box, the main window comes
// back without reloading its settings.
void TForm10::FormClose(TObject*, TCloseAction&) {
  if (IMainWindow* main = MainWindow()) main->ReturnFromMiniPanel();
}

// No preset chosen (index -1) recalls preset 0, as the wall is sent it.
void TForm10::Button1Click(TObject*) {
  SendWallFrame(BuildWholeWallCommand(RecallPresetCommand, ComboBox3->ItemIndex() + 1));
}

void TForm10::Button2Click(TObject*) { Close(); }

void ShowMiniPanel() {
  TForm10* form = ConsoleForm<TForm10>();
  if (!form) return;
  MakeTopmost(form);
  form->ShowModal();
}
