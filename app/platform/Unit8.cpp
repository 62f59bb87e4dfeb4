#include "Unit8.h"

#include "AdminLogin.h"
#include "CfgIni.h"
#include "ConsoleForms.h"
#include "Dialogs.h"
#include "MainWindow.h"
#include "Streaming.h"
#include "cxButtons_win.h"

VAMIRE_PUBLISHED(TForm8, Handler(L"FormShow", &TForm8::FormShow), Handler(L"EditKeyPress", &TForm8::EditKeyPress),
                 Handler(L"Button1Click", &TForm8::Button1Click), Handler(L"Button2Click", &TForm8::Button2Click))

void TForm8::Loaded() {
  inherited::Loaded();
  BindFormComponents(this, L"Label1", Label1, L"Label2", Label2, L"Label3", Label3, L"Edit1", Edit1, L"Edit2", Edit2,
                     L"Edit3", Edit3, L"Button1", Button1, L"Button2", Button2);
}

void TForm8::FormShow(TObject*) {
  Edit1->SetText(L"");
  Edit2->SetText(L"");
  Edit3->SetText(L"");
  Edit1->SetFocus();
  IMainWindow* main = MainWindow();
  if (!main || main->Language() == 0) return;
  SetCaption(L" Change password");
  Label1->SetCaption(L"Old password:");
  Label2->SetCaption(L"New password:");
  Label3->SetCaption(L"Input Again:");
  Button1->SetCaption(L"Change");
  Button2->SetCaption(L"Close");
}

// Enter walks the fields in order and then to "更改".
void TForm8::EditKeyPress(TObject* Sender, wchar_t& Key) {
  if (Key != L'\r') return;
  Key = 0;
  if (Sender == Edit1)
    Edit2->SetFocus();
  else if (Sender == Edit2)
    Edit3->SetFocus();
  else if (Sender == Edit3)
    Button1->SetFocus();
}

void TForm8::Button1Click(TObject*) {
  IMainWindow* main = MainWindow();
  if (!main) return;
  const int language = main->Language();
  TAdminRole& role = main->AdminRole();
  if (Edit1->Text() != role.AdminPassword) {
    ShowMessage(OldPasswordWrongMessage(language));
    Edit1->SetFocus();
    return;
  }
  if (Edit2->Text() != Edit3->Text()) {
    ShowMessage(NewPasswordMismatchMessage(language));
    Edit2->SetFocus();
    return;
  }
  ShowMessage(PasswordChangedMessage(language));
  role.AdminPassword = Edit3->Text();
  TCfgIni ini(SettingsFile);
  ini.WriteString(L"config", L"password", role.AdminPassword);
  Close();
}

void TForm8::Button2Click(TObject*) { Close(); }
