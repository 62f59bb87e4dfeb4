#include "ConsoleRoles.h"

namespace {

TControlStateRule Rule(const wchar_t* form, const wchar_t* control, TControlProperty property, TRoleFlag flag,
                       bool inverted = false) {
  return TControlStateRule{form, control, property, flag, inverted};
}

}  // namespace

const std::vector<TControlStateRule>& ControlStateRules() {
  using P = TControlProperty;
  using F = TRoleFlag;
  static const std::vector<TControlStateRule> rules = {
      // Administrator: the picture adjustment from the grid's menu and the main
      // menu (D-91), the flip sub-menu, the matrix configuration.
      Rule(L"TForm1", L"N7", P::Enabled, F::AdminLoggedIn),
      Rule(L"TForm1", L"N17", P::Enabled, F::AdminLoggedIn),
      Rule(L"TForm1", L"mnuVideoAdjust", P::Enabled, F::AdminLoggedIn),
      Rule(L"TForm1", L"BitBtn18", P::Enabled, F::AdminLoggedIn),
      // An open link: what sends, and closing it; opening it only while closed.
      Rule(L"TForm1", L"BitBtn5", P::Enabled, F::LinkOpen),
      Rule(L"TForm1", L"BitBtn6", P::Enabled, F::LinkOpen),
      Rule(L"TForm4", L"BitBtn8", P::Enabled, F::LinkOpen),
      Rule(L"TForm1", L"BitBtn9", P::Enabled, F::LinkOpen),
      Rule(L"TForm1", L"BitBtn15", P::Enabled, F::LinkOpen),
      Rule(L"TForm1", L"BitBtn2", P::Enabled, F::LinkOpen),
      Rule(L"TForm1", L"BitBtn1", P::Enabled, F::LinkOpen, true),
      // Debug mode: the fan and test tabs, the lower page control, and the
      // main menu's manual-debug entry (D-91).
      Rule(L"TForm1", L"tsFan", P::TabVisible, F::DebugMode),
      Rule(L"TForm1", L"tsTest", P::TabVisible, F::DebugMode),
      Rule(L"TForm1", L"PageControl1", P::Visible, F::DebugMode),
      Rule(L"TForm1", L"mnuDebug", P::Visible, F::DebugMode),
  };
  return rules;
}

bool RuleValue(const TControlStateRule& rule, const TRoleFlags& flags) {
  bool value = false;
  switch (rule.Flag) {
    case TRoleFlag::AdminLoggedIn: value = flags.AdminLoggedIn; break;
    case TRoleFlag::LinkOpen: value = flags.LinkOpen; break;
    case TRoleFlag::DebugMode: value = flags.DebugMode; break;
  }
  return rule.Inverted ? !value : value;
}

int ToggledLanguage(int language) { return language == LanguageEnglish ? LanguageChinese : LanguageEnglish; }

String LanguageToggleCaption(int language) { return language != LanguageChinese ? L"中文" : L"English"; }

String RestartMessage(int language) {
  return language == LanguageEnglish ? L"please restart this program !" : L"请重新启动!";
}

const std::vector<TCaptionPair>& MainWindowCaptions() {
  static const std::vector<TCaptionPair> table = {
      {L"串行通讯口", L"Com. Port"},
      {L"操作权限 ： 操作员", L"User : operator"},
      {L"串口通讯", L"Serial Operate"},
      {L"功能配置", L"System Config"},
      {L"附加功能", L"Other Setting"},
      {L"中文", L"Chinese"},
      {L"英文", L"English"},
      {L"换肤", L"Skin"},
      {L"信号选择", L"Signal"},
      {L"信号类型", L"Signal Type"},
      {L"矩阵输入通道", L"Matrix Input"},
      {L"矩阵联动", L"Linkage"},
      {L"矩阵型号", L"Matrix Type"},
      {L"拼接", L"Run"},
      {L"单显", L"Single"},
      {L"场景管理", L"Model"},
      {L"保存预案", L"Save"},
      {L"调入预案", L"Load"},
      {L"迷你面板", L"Mini"},
      {L"更改名称 ", L"Name..."},
      {L"连接串口/无线", L"Open Comm"},
      {L"断开串口/无线", L"Close Comm"},
      {L"通讯配置", L"Com. Setting"},
      {L"拼接配置", L"Splice Setting"},
      {L"矩阵配置", L"Matrix Setting"},
      {L"管理员", L"Administrator"},
      {L"版本信息", L"About"},
      {L"播放设置", L"Play Setting"},
      {L"背景颜色", L"Background"},
      {L"定时设置", L"Timing Setting"},
      {L"字幕设置", L"Subtitle Setting"},
  };
  return table;
}

const std::vector<TCaptionPair>& MainMenuCaptions() {
  static const std::vector<TCaptionPair> table = {
      {L"文件", L"File"},          {L"管理员", L"Administrator"},     {L"退出", L"Exit"},
      {L"系统配置", L"Setting"},   {L"通讯设置", L"Com. Setting"},    {L"系统配置", L"System Config"},
      {L"图像调整", L"Video Adjust"}, {L"帮助", L"Help"},           {L"语言| English", L"English | 中文"},
      {L"关于", L"About"},         {L"手动调试", L"Debug"},
  };
  return table;
}

const std::vector<TCaptionPair>& TimingWindowCaptions() {
  static const std::vector<TCaptionPair> table = {
      {L"定时设置", L"Timing Setting"}, {L"重复类型", L"Repeat Mode"}, {L"开机时间", L"StartUp"},
      {L"关机时间", L"ShutDown"},       {L"开/关", L"On/Off"},         {L"时", L"H"},
      {L"分", L"M"},                    {L"确定", L"OK"},              {L"关闭", L"Close"},
  };
  return table;
}

const std::vector<TCaptionPair>& SubtitleWindowCaptions() {
  static const std::vector<TCaptionPair> table = {
      {L"字幕设置", L"Subtitle Setting"}, {L"文本：", L"Text"},          {L"字体设置", L"Font"},
      {L"透明", L"Transparent"},          {L"背景颜色设置：", L"Bkgound Color"}, {L"滚动间隔：", L"Scroll Interval"},
      {L"打开字幕", L"Display"},          {L"关闭字幕", L"Hide"},        {L"保存", L"Save"},
      {L"关闭", L"Close"},
  };
  return table;
}

const std::vector<TCaptionPair>& VersionWindowCaptions() {
  static const std::vector<TCaptionPair> table = {{L"版本查看", L"Version"}};
  return table;
}

String EnglishCaption(const std::vector<TCaptionPair>& table, const String& chinese) {
  for (const TCaptionPair& pair : table)
    if (pair.Chinese == chinese) return pair.English;
  return chinese;
}

bool DebugModeAfterGridKey(wchar_t key, int selLeft, int selTop, int selRight, int selBottom) {
  return key == DebugGestureKey && selLeft == 1 && selTop == 1 && selRight == 1 && selBottom == 1;
}
