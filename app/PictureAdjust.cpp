#include "PictureAdjust.h"

#include "SysUtils.h"

const std::vector<TStepPair>& PictureStepPairs() {
  static const std::vector<TStepPair> pairs = {
      // VIDEO: picture, position, overscan.
      {L"SpeedButton1", L"SpeedButton2", 0x31},
      {L"SpeedButton3", L"SpeedButton4", 0x30},
      {L"SpeedButton5", L"SpeedButton6", 0x32},
      {L"SpeedButton7", L"SpeedButton8", 0x34},
      {L"SpeedButton57", L"SpeedButton58", 0x33},
      {L"SpeedButton9", L"SpeedButton10", 0x3B},
      {L"SpeedButton11", L"SpeedButton12", 0x3C},
      {L"btnHsatsub", L"btnHsatadd", 0x61},
      {L"btnHszesub", L"btnHszeadd", 0x62},
      {L"btnVsatsub", L"btnVsatadd", 0x63},
      {L"btnVszesub", L"btnVszeadd", 0x64},
      // VGA: picture, bright and dark colour balance.
      {L"SpeedButton19", L"SpeedButton20", 0x41},
      {L"SpeedButton21", L"SpeedButton22", 0x40},
      {L"SpeedButton23", L"SpeedButton24", 0x42},
      {L"SpeedButton25", L"SpeedButton26", 0x43},
      {L"SpeedButton27", L"SpeedButton28", 0x44},
      {L"SpeedButton29", L"SpeedButton30", 0x45},
      {L"SpeedButton69", L"SpeedButton70", 0x46},
      {L"SpeedButton71", L"SpeedButton72", 0x47},
      {L"SpeedButton73", L"SpeedButton74", 0x48},
      {L"SpeedButton31", L"SpeedButton32", 0x49},
      {L"SpeedButton33", L"SpeedButton34", 0x4A},
      {L"SpeedButton35", L"SpeedButton36", 0x4B},
      // DVI/HDMI/YUV: the VGA rows' commands; clock and phase stay hidden.
      {L"cxButton1", L"cxButton2", 0x41},
      {L"cxButton3", L"cxButton4", 0x40},
      {L"cxButton5", L"cxButton6", 0x42},
      {L"cxButton7", L"cxButton8", 0x43},
      {L"cxButton9", L"cxButton10", 0x44},
      {L"cxButton11", L"cxButton12", 0x45},
      // Colour temperature: bright and dark steps.
      {L"SpeedButton51", L"SpeedButton52", 0x38},
      {L"SpeedButton53", L"SpeedButton54", 0x39},
      {L"SpeedButton55", L"SpeedButton56", 0x3A},
      {L"SpeedButton45", L"SpeedButton46", 0x35},
      {L"SpeedButton47", L"SpeedButton48", 0x36},
      {L"SpeedButton49", L"SpeedButton50", 0x37},
      // Backlight, in the bottom strip.
      {L"SpeedButton43", L"SpeedButton44", 0x50},
  };
  return pairs;
}

bool FindStepCommand(const String& button, TWallCommand& command) {
  for (const TStepPair& p : PictureStepPairs()) {
    if (button == p.Down || button == p.Up) {
      command = {p.Code, button == p.Up ? 1 : 0};
      return true;
    }
  }
  return false;
}

const std::vector<TMixedRow>& MixedColourRows() {
  // "Sub" takes the colour away and "Add" puts it in: grey's "Sub" lifts all
  // three channels, its "Add" lowers them.
  static const std::vector<TMixedRow> rows = {
      {L"btnBrnYellowSub", L"btnBrnYellowAdd", {0x38, 0x39, 0x3A}, {0, 0, 1}, {1, 1, 0}},
      {L"btnBrnPurpleSub", L"btnBrnPurpleAdd", {0x38, 0x39, 0x3A}, {0, 1, 0}, {1, 0, 1}},
      {L"btnBrnCyanSub", L"btnBrnCyanAdd", {0x38, 0x39, 0x3A}, {1, 0, 0}, {0, 1, 1}},
      {L"btnBrnGraySub", L"btnBrnGrayAdd", {0x38, 0x39, 0x3A}, {1, 1, 1}, {0, 0, 0}},
      {L"btnDrnYellowSub", L"btnDrnYellowAdd", {0x35, 0x36, 0x37}, {0, 0, 1}, {1, 1, 0}},
      {L"btnDrnPurpleSub", L"btnDrnPurpleAdd", {0x35, 0x36, 0x37}, {0, 1, 0}, {1, 0, 1}},
      {L"btnDrnCyanSub", L"btnDrnCyanAdd", {0x35, 0x36, 0x37}, {1, 0, 0}, {0, 1, 1}},
      {L"btnDrnGraySub", L"btnDrnGrayAdd", {0x35, 0x36, 0x37}, {1, 1, 1}, {0, 0, 0}},
  };
  return rows;
}

bool FindMixedCommands(const String& button, TWallCommand (&commands)[3]) {
  for (const TMixedRow& r : MixedColourRows()) {
    if (button != r.Sub && button != r.Add) continue;
    const int* pars = button == r.Add ? r.AddPars : r.SubPars;
    for (int i = 0; i < 3; ++i) commands[i] = {r.Codes[i], pars[i]};
    return true;
  }
  return false;
}

namespace {

const TSwatchRow SwatchRows[SwatchRowCount] = {
    {L"BtnYel", 0x040000, +1, +1, -1},  // yellowish: blue fades
    {L"BtnPur", 0x000400, +1, -1, +1},  // purple: green fades
    {L"BtnRed", 0x040400, +1, -1, -1},  // red: green and blue fade
    {L"BtnChi", 0x000004, -1, +1, +1},  // cyan: red fades
    {L"BtnGre", 0x040004, -1, +1, -1},  // green: red and blue fade
    {L"BtnBlu", 0x000404, -1, -1, +1},  // blue: red and green fade
    {L"BtnGra", 0x040404, -1, -1, -1},  // grey: all three fade
};
const int SwatchPrefixLength = 6;

}  // namespace

const TSwatchRow& SwatchRow(int row) { return SwatchRows[row]; }

int SwatchRowOf(const String& name) {
  const String prefix = name.substr(0, SwatchPrefixLength);
  for (int r = 0; r < SwatchRowCount; ++r)
    if (prefix == SwatchRows[r].Prefix) return r;
  return -1;
}

uint32_t SwatchColour(int row, int n) { return 0xFFFFFFu - uint32_t(n) * SwatchRows[row].Step; }

TGains SwatchGains(int row, int n) {
  const TSwatchRow& r = SwatchRows[row];
  return {NeutralGains.Red + r.RedSign * n, NeutralGains.Green + r.GreenSign * n, NeutralGains.Blue + r.BlueSign * n};
}

TSwatchGeometry SwatchGeometry(int panelWidth) {
  const int size = panelWidth / 22 - 5;
  return {size, size + 5};
}

String SelectionRangeText(const TWallSelection& s) {
  return IntToStr(s.SelLeft) + L"," + IntToStr(s.SelTop) + L" - " + IntToStr(s.SelRight) + L"," +
         IntToStr(s.SelBottom);
}

const std::vector<TPictureText>& PictureAdjustTexts() {
  static const std::vector<TPictureText> texts = {
      {L"", L"参数调整", L" Video Adjust"},
      // Top and bottom strips.
      {L"Label1", L"调整范围:", L"Effect Range:"},
      {L"BitBtn8", L"系统复位", L"Reset"},
      {L"Label25", L"背光亮度调整", L"Back Light"},
      {L"Button2", L"保存调整", L"Save"},
      {L"Button3", L"关闭", L"Close"},
      // Tabs whose captions change; "VIDEO", "VGA" and "DVI/HDMI/YUV" stay.
      {L"tsCOLORTEMP", L"色温调整", L"COLOR TEMP"},
      {L"ColorAdjust", L"色彩调整", L"COLOR ADJUST"},
      // VIDEO.
      {L"GroupBox5", L"图像", L"Picture"},
      {L"Label3", L"亮度", L"Brightness"},
      {L"Label4", L"对比度", L"Contrast"},
      {L"Label5", L"饱和度", L"Satuation"},
      {L"Label6", L"清晰度", L"Sharpness"},
      {L"Label7", L"色调", L"Red"},
      {L"GroupBox6", L"位置", L"Postion"},
      {L"Label8", L"水平位置", L"H Position"},
      {L"Label9", L"垂直位置", L"V Position"},
      {L"GroupBox10", L"重显率调节", L"Reproduction rate adjustment"},
      {L"Label10", L"水平起始位置", L"HSTAT"},
      {L"Label11", L"水平大小", L"HSIZE"},
      {L"Label12", L"垂直起始位置", L"VSTAT"},
      {L"Label13", L"垂直大小", L"VSIZE"},
      // VGA.
      {L"GroupBox1", L"图像", L"Picture"},
      {L"Label14", L"亮度", L"Brightness"},
      {L"Label15", L"对比度", L"Contrast"},
      {L"Label16", L"水平位置", L"H Position"},
      {L"Label17", L"垂直位置", L"V Position"},
      {L"Label18", L"时钟", L"Clock"},
      {L"Label19", L"相位", L"Phase"},
      {L"GroupBox11", L"色彩亮平衡", L"Color brightness balance"},
      {L"Label20", L"红色", L"Red"},
      {L"Label21", L"绿色", L"Green"},
      {L"Label22", L"蓝色", L"Blue"},
      {L"GroupBox2", L"色彩暗平衡", L"Color dark balance"},
      {L"Label23", L"红色", L"Red"},
      {L"Label24", L"绿色", L"Green"},
      {L"Label26", L"蓝色", L"Blue"},
      {L"Button4", L"色彩自动调整", L"Auto Color"},
      {L"Button1", L"位置自动调整", L"Auto Pos."},
      // DVI/HDMI/YUV.
      {L"grpDHYPicture", L"图像", L"Picture"},
      {L"Label27", L"亮度", L"Brightness"},
      {L"Label28", L"对比度", L"Contrast"},
      {L"lblHPosition", L"水平位置", L"H Position"},
      {L"lblYPosition", L"垂直位置", L"V Position"},
      {L"Label46", L"时钟", L"Clock"},
      {L"Label47", L"相位", L"Phase"},
      // COLOR TEMP.
      {L"GroupBox8", L"色温亮阶调整", L"Color brightness adjustment"},
      {L"Label29", L"红色", L"Red"},
      {L"Label30", L"绿色", L"Green"},
      {L"Label31", L"蓝色", L"Blue"},
      {L"Label32", L"黄色", L"Yellow"},
      {L"Label33", L"紫色", L"Purple"},
      {L"Label34", L"青色", L"Cyan"},
      {L"Label35", L"灰色", L"Gray"},
      {L"GroupBox7", L"色温", L"Color Darkness Adjustment"},
      {L"Label36", L"红色", L"Red"},
      {L"Label37", L"绿色", L"Green"},
      {L"Label38", L"蓝色", L"Blue"},
      {L"Label39", L"黄色", L"Yellow"},
      {L"Label40", L"紫色", L"Purple"},
      {L"Label41", L"青色", L"Cyan"},
      {L"Label42", L"灰色", L"Gray"},
      {L"btnHelp", L"帮助", L"HELP"},
  };
  return texts;
}

String PictureAdjustText(const String& control, int language) {
  for (const TPictureText& t : PictureAdjustTexts())
    if (control == t.Control) return language == 1 ? t.English : t.Chinese;
  return String();
}

String PictureHelpMessage(int language) {
  return language == 1 ? L"Please see the  \"色温调节说明\" document!" : L"请查看《色温调节说明》文档!";
}
