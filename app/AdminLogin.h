// The administrator role's rules and texts (login window TForm7, password
// window TForm8): which password logs in as what, and every text they show
// in either language. Pure data and decisions; the windows apply them.
#pragma once

#include "System.h"

// The role state shared by the main window and the login windows.
struct TAdminRole {
  String AdminPassword = L"9174";  // [config] "password"
  bool AdminLoggedIn = false;
  bool MaintenanceLogin = false;
};

// Built into the program: logs in for maintenance whatever is stored.
const wchar_t* const MaintenancePassword = L"40716";
// Every password field stops at this many characters.
const int PasswordMaxLength = 8;

enum class TLoginOutcome { Wrong, Administrator, Maintenance };
// Plain text, compared case-sensitively. A stored password equal to the
// maintenance one makes its login a maintenance login.
TLoginOutcome DecideLogin(const String& typed, const String& stored);

// Status-bar panel 1: the role, with the full-width colon and a blank each side.
String RolePanelText(int language, bool administrator);

// TForm7's messages.
String LoginSucceededMessage(int language);
String LoginWrongMessage(int language);

// TForm8's messages; English whenever the flag is not 0.
String OldPasswordWrongMessage(int language);
String NewPasswordMismatchMessage(int language);
String PasswordChangedMessage(int language);
