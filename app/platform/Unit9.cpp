#include "Unit9.h"

#include "CfgIni.h"
#include "ConsoleForms.h"
#include "MainWindow.h"
#include "SysUtils.h"

VAMIRE_PUBLISHED(TForm9, Handler(L"FormShow", &TForm9::FormShow), Handler(L"Button1Click", &TForm9::Button1Click),
                 Handler(L"Button2Click", &TForm9::Button2Click))

void TForm9::Loaded() {
  inherited::Loaded();
  BindFormComponents(this, L"Label1", Label1, L"Edit1", Edit1, L"Button1", Button1, L"Button2", Button2);
}

void TForm9::FormShow(TObject*) {
  Edit1->SetFocus();
  IMainWindow* main = MainWindow();
  if (!main || main->Language() != 1) return;
  Label1->SetCaption(L"Input New Name");
  Button1->SetCaption(L"Change");
  Button2->SetCaption(L"Cancel");
}

// The item renamed is the one equal to the list's text; when the operator
// typed a text that names no item there is nothing to rename (D-31).
void TForm9::Button1Click(TObject*) {
  IMainWindow* main = MainWindow();
  if (!main) return;
  TStrings* names = main->PresetNames();
  const int i = names->IndexOf(main->PresetText());
  if (i < 0) return;
  const String name = Edit1->Text();
  names->SetStrings(i, name);
  main->SetPresetText(name);
  {
    TCfgIni ini(SettingsFile);
    for (int k = 1; k <= PresetCount && k <= names->Count(); ++k)
      ini.WriteString(L"scene", L"scene" + IntToStr(k), names->Strings(k - 1));
  }
  Close();
}

void TForm9::Button2Click(TObject*) { Close(); }

void ShowRenameWindow(const String& buttonCaption) {
  IMainWindow* main = MainWindow();
  TForm9* form = ConsoleForm<TForm9>();
  if (!main || !form) return;
  form->SetCaption(buttonCaption);
  form->Edit1->SetText(main->PresetText());
  form->Show();
}
