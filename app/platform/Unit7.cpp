#include "Unit7.h"

#include "AdminLogin.h"
#include "ConsoleForms.h"
#include "Dialogs.h"
#include "MainWindow.h"
#include "Streaming.h"
#include "Unit8.h"
#include "cxButtons_win.h"

VAMIRE_PUBLISHED(TForm7, Handler(L"FormShow", &TForm7::FormShow),
                 Handler(L"MaskEdit1KeyPress", &TForm7::MaskEdit1KeyPress),
                 Handler(L"Button1Click", &TForm7::Button1Click), Handler(L"Button4Click", &TForm7::Button4Click),
                 Handler(L"Button3Click", &TForm7::Button3Click), Handler(L"Button2Click", &TForm7::Button2Click))

namespace {

// The reset button of the English layout: moved and widened for its longer text.
const int EnglishButton3Left = 142;
const int EnglishButton3Width = 131;

}  // namespace

void TForm7::Loaded() {
  inherited::Loaded();
  BindFormComponents(this, L"Label1", Label1, L"MaskEdit1", MaskEdit1, L"Button1", Button1, L"Button4", Button4,
                     L"Button3", Button3, L"Button2", Button2);
}

void TForm7::FormShow(TObject*) {
  IMainWindow* main = MainWindow();
  if (!main) return;
  if (main->AdminRole().AdminLoggedIn) {
    Button4->SetFocus();
    Label1->SetEnabled(false);
  } else {
    MaskEdit1->SetFocus();
    Label1->SetEnabled(true);
  }
  if (main->Language() != 1) return;
  SetCaption(L" Administrator Manage");
  Label1->SetCaption(L"Input Admin Password:");
  Button1->SetCaption(L"Login");
  Button4->SetCaption(L"Logout");
  Button3->SetCaption(L"Reset Password");
  Button3->SetLeft(EnglishButton3Left);
  Button3->SetWidth(EnglishButton3Width);
  Button2->SetCaption(L"Close");
}

// Enter takes the focus to "登录", so a second Enter logs in.
void TForm7::MaskEdit1KeyPress(TObject*, wchar_t& Key) {
  if (Key != L'\r') return;
  Key = 0;
  Button1->SetFocus();
}

void TForm7::Button1Click(TObject*) {
  IMainWindow* main = MainWindow();
  if (!main) return;
  TAdminRole& role = main->AdminRole();
  const int language = main->Language();
  const TLoginOutcome outcome = DecideLogin(MaskEdit1->Text(), role.AdminPassword);
  if (outcome == TLoginOutcome::Wrong) {
    ShowMessage(LoginWrongMessage(language));
    return;
  }
  role.AdminLoggedIn = true;
  if (outcome == TLoginOutcome::Maintenance) role.MaintenanceLogin = true;
  MaskEdit1->SetText(L"");
  main->SetRolePanelText(RolePanelText(language, true));
  MaskEdit1->SetEnabled(false);
  Button1->SetEnabled(false);
  Button4->SetEnabled(true);
  Button3->SetEnabled(true);
  if (role.MaintenanceLogin) {
    main->SetDebugMode(true);
    if (TMemo* memo = main->Memo1()) memo->SetVisible(true);
  }
  main->UpdateControlStates();
  ShowMessage(LoginSucceededMessage(language));
  Close();
}

// The window stays open after a logout. A maintenance login's debug flag is
// cleared before the control states are recomputed, so that the debug-only
// controls (the manual-debug menu entry, the fan and test tabs) go with it
// instead of staying for the operator until the next recomputation.
void TForm7::Button4Click(TObject*) {
  IMainWindow* main = MainWindow();
  if (!main) return;
  TAdminRole& role = main->AdminRole();
  role.AdminLoggedIn = false;
  main->SetRolePanelText(RolePanelText(main->Language(), false));
  Button4->SetEnabled(false);
  Button3->SetEnabled(false);
  Button1->SetEnabled(true);
  MaskEdit1->SetEnabled(true);
  Label1->SetEnabled(true);
  Button2->SetFocus();
  if (role.MaintenanceLogin) {
    main->SetDebugMode(false);
    if (TControl* pages = main->PageControl1()) pages->SetVisible(false);
    if (TMemo* memo = main->Memo1()) memo->SetVisible(false);
    role.MaintenanceLogin = false;
  }
  main->UpdateControlStates();
}

void TForm7::Button3Click(TObject*) {
  if (TForm8* form = ConsoleForm<TForm8>()) form->Show();
}

void TForm7::Button2Click(TObject*) { Close(); }
