#include "AdminLogin.h"

TLoginOutcome DecideLogin(const String& typed, const String& stored) {
  if (typed == MaintenancePassword) return TLoginOutcome::Maintenance;
  if (typed != stored) return TLoginOutcome::Wrong;
  return stored == MaintenancePassword ? TLoginOutcome::Maintenance : TLoginOutcome::Administrator;
}

String RolePanelText(int language, bool administrator) {
  if (language == 1) return administrator ? L"User ： Administrator" : L"User ： Operator";
  return administrator ? L"操作权限 ： 管理员" : L"操作权限 ： 操作员";
}

String LoginSucceededMessage(int language) {
  return language == 1 ? L"OK, Please logout in time after operation" : L"管理员登录成功，请操作完成后及时退出";
}

String LoginWrongMessage(int language) {
  return language == 1 ? L"Password is wrong，please check and input again!" : L"密码错误，请确认后重新输入!";
}

String OldPasswordWrongMessage(int language) {
  return language != 0 ? L"old password is not correct，please check and input again!" : L"旧密码输入不正确，请确认后重新输入";
}

String NewPasswordMismatchMessage(int language) {
  return language != 0 ? L"new password can not be confirmed，please check and input again!"
                       : L"两次输入密码不符，请确认后重新输入";
}

String PasswordChangedMessage(int language) {
  return language != 0 ? L"Password be changed successfully, please remember it!" : L"密码更改成功，请牢记密码";
}
