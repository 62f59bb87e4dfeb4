// The console's window-free decisions: the start-up animation's schedule, the
// role rules and the language texts, the debug gesture, the wall grid's
// arithmetic, and what the settings give for missing, damaged and odd values.
#include <gtest/gtest.h>

#include <set>

#include "ConsoleRoles.h"
#include "MemorySettings.h"
#include "Settings.h"
#include "SplashSchedule.h"
#include "SysUtils.h"
#include "WallGrid.h"

using app_test::TMemorySettings;

namespace {

// Runs the schedule to its end; answers the alpha after each tick (index =
// SplashTick before the tick) and the number of firings it took.
std::vector<int> RunSplash(TSplashSchedule& s, int& firings) {
  std::vector<int> alphas;
  firings = 0;
  while (firings < 100000) {
    ++firings;
    if (s.Tick()) break;
    alphas.push_back(s.Alpha());
  }
  return alphas;
}

TEST(SplashScheduleTest, FadesInHoldsFadesOutAndEndsAtItsTick) {
  struct {
    bool Enabled;
    int Still, EndTick, Firings;
  } cases[] = {
      {true, 3, 220, 221},  // the default: 220 ticks, shown at the 221st firing
      {true, 0, 40, 41},    // no hold
      {true, -5, 40, 41},   // a negative hold counts as 0 (D-99)
      {false, 3, 220, 1},   // no logo or "ifshow" not 1: the main window at the first tick
  };
  for (auto& c : cases) {
    TSplashSchedule s(c.Enabled, c.Still);
    EXPECT_EQ(s.EndTick(), c.EndTick) << "Still " << c.Still;
    int firings = 0;
    std::vector<int> alphas = RunSplash(s, firings);
    EXPECT_EQ(firings, c.Firings) << "Still " << c.Still;
    if (!c.Enabled) continue;
    ASSERT_EQ(int(alphas.size()), c.EndTick);
    EXPECT_EQ(alphas[0], 12);
    EXPECT_EQ(alphas[19], 240) << "fade in";
    EXPECT_EQ(alphas[20], 255) << "full";
    EXPECT_EQ(alphas[size_t(c.EndTick - 20)], 255) << "last held tick";
    EXPECT_EQ(alphas[size_t(c.EndTick - 1)], 27) << "19 fade-out steps";
  }
}

TEST(SplashScheduleTest, AHugeHoldEndsWhereTheCounterCanReach) {
  EXPECT_EQ(SplashEndTick(35791393), 2147483620);  // the longest hold that fits
  EXPECT_EQ(SplashEndTick(35791394), 2147483620);
  EXPECT_EQ(SplashEndTick(2147483647), 2147483620);  // Still * 60 would overflow
}

TEST(ControlStatesTest, EveryRuleFollowsItsFlagForEveryRole) {
  const std::vector<TControlStateRule>& rules = ControlStateRules();
  auto value = [&](const wchar_t* control, const TRoleFlags& flags) {
    for (const TControlStateRule& r : rules)
      if (r.Control == control) return RuleValue(r, flags);
    ADD_FAILURE() << "no rule for " << UTF8Encode(control);
    return false;
  };
  for (int bits = 0; bits < 8; ++bits) {
    TRoleFlags f{bool(bits & 1), bool(bits & 2), bool(bits & 4)};
    SCOPED_TRACE("admin " + std::to_string(f.AdminLoggedIn) + " link " + std::to_string(f.LinkOpen) + " debug " +
                 std::to_string(f.DebugMode));
    for (const wchar_t* c : {L"N7", L"N17", L"mnuVideoAdjust", L"BitBtn18"}) EXPECT_EQ(value(c, f), f.AdminLoggedIn);
    for (const wchar_t* c : {L"BitBtn5", L"BitBtn6", L"BitBtn8", L"BitBtn9", L"BitBtn15", L"BitBtn2"})
      EXPECT_EQ(value(c, f), f.LinkOpen);
    EXPECT_EQ(value(L"BitBtn1", f), !f.LinkOpen);
    for (const wchar_t* c : {L"tsFan", L"tsTest", L"PageControl1", L"mnuDebug"}) EXPECT_EQ(value(c, f), f.DebugMode);
  }
  // The picture adjustment's reset button belongs to its own window.
  int inForm4 = 0;
  for (const TControlStateRule& r : rules) inForm4 += r.Form == L"TForm4";
  EXPECT_EQ(inForm4, 1);
}

TEST(LanguageTest, TheToggleAndItsMessageSpeakTheNewLanguage) {
  EXPECT_EQ(ToggledLanguage(0), 1);
  EXPECT_EQ(ToggledLanguage(1), 0);
  EXPECT_EQ(ToggledLanguage(7), 1);  // anything but English toggles to English
  EXPECT_EQ(LanguageToggleCaption(0), L"English");
  EXPECT_EQ(LanguageToggleCaption(1), L"中文");
  EXPECT_EQ(RestartMessage(ToggledLanguage(0)), L"please restart this program !");
  EXPECT_EQ(RestartMessage(ToggledLanguage(1)), L"请重新启动!");
}

bool HasChinese(const String& s) {
  for (wchar_t ch : s)
    if (ch >= 0x4E00 && ch <= 0x9FFF) return true;
  return false;
}

TEST(LanguageTest, EnglishTextsLeaveOnlyTheToggleInChinese) {
  for (auto* table : {&MainWindowCaptions(), &TimingWindowCaptions(), &SubtitleWindowCaptions()}) {
    std::set<String> seen;
    for (const TCaptionPair& p : *table) {
      EXPECT_TRUE(HasChinese(p.Chinese)) << UTF8Encode(p.Chinese);
      EXPECT_TRUE(seen.insert(p.Chinese).second) << "twice: " << UTF8Encode(p.Chinese);
      // The hidden radio button "中文" reads "Chinese"; the toggle's caption is
      // set apart, from the language flag.
      EXPECT_FALSE(HasChinese(p.English)) << UTF8Encode(p.English);
    }
  }
  const std::vector<TCaptionPair>& menu = MainMenuCaptions();
  ASSERT_EQ(menu.size(), 11u);
  for (const TCaptionPair& p : menu)
    EXPECT_EQ(HasChinese(p.English), p.English == L"English | 中文") << UTF8Encode(p.English);
  EXPECT_EQ(EnglishCaption(MainWindowCaptions(), L"拼接"), L"Run");
  EXPECT_EQ(EnglishCaption(MainWindowCaptions(), L"更改名称 "), L"Name...");  // the blank is part of the caption
  EXPECT_EQ(EnglishCaption(MainWindowCaptions(), L"未知"), L"未知");
}

TEST(DebugGestureTest, OnlyCtrlDOnTheFirstCellTurnsDebugModeOn) {
  struct {
    wchar_t Key;
    int L, T, R, B;
    bool Debug;
  } cases[] = {
      {4, 1, 1, 1, 1, true},   {4, 1, 1, 2, 1, false}, {4, 2, 2, 2, 2, false}, {4, 0, 0, 0, 0, false},
      {L'd', 1, 1, 1, 1, false}, {L'D', 1, 1, 1, 1, false}, {13, 1, 1, 1, 1, false}, {3, 1, 1, 1, 1, false},
  };
  for (auto& c : cases)
    EXPECT_EQ(DebugModeAfterGridKey(c.Key, c.L, c.T, c.R, c.B), c.Debug)
        << int(c.Key) << " at " << c.L << "," << c.T << "-" << c.R << "," << c.B;
}

TEST(WallGridTest, CellsShareThePanelLessItsMarginAndLabelsNameTheRange) {
  EXPECT_EQ(WallCellExtent(532, 1), 500);   // 1 x 1: the whole width less 32
  EXPECT_EQ(WallCellExtent(532, 15), 33);   // 15 x 15: remainder left over
  EXPECT_EQ(WallCellExtent(532, 3), 166);
  EXPECT_EQ(WallCellExtent(20, 3), 0);      // a box smaller than the margin
  EXPECT_EQ(WallCellExtent(532, 0), 0);     // no division by zero (D-23)
  EXPECT_EQ(LowerPageControlWidth(998), 588);
  EXPECT_EQ(WallRangeLabel({1, 1, 3, 2}), L"1,1 - 3,2");
  EXPECT_EQ(CellColourKey(2, 3), L"2,3");
}

TEST(WallGridTest, CellColoursComeFromTheStoredNameOrTheDefault) {
  const TColor def = clWhite;
  EXPECT_EQ(CellFillColour(L"", def), def);
  EXPECT_EQ(CellFillColour(L"clRed", def), clRed);
  EXPECT_EQ(CellFillColour(L"$00FF8000", def), TColor(0x00FF8000));
  EXPECT_EQ(CellFillColour(L"not a colour", def), def);
  EXPECT_EQ(CellFillColour(L"$ZZ", def), def);
  EXPECT_TRUE(CellKeepsHighlight(true, false, false));
  EXPECT_FALSE(CellKeepsHighlight(true, true, false));  // the focused cell shows its stored colour
  EXPECT_FALSE(CellKeepsHighlight(true, false, true));
  EXPECT_FALSE(CellKeepsHighlight(false, false, false));
}

TEST(WallGridTest, EachSignalTypeChoosesItsPresetListAndBrand) {
  struct {
    int Index;
    const wchar_t* Name;
    int Preset;
    bool Second;
    TBrandFamily Brand;
  } cases[] = {
      {0, L"VIDEO", 0, false, TBrandFamily::Video}, {1, L"VGA", 1, false, TBrandFamily::Vga},
      {2, L"DVI", 2, false, TBrandFamily::Dvi},     {3, L"HDMI", 2, false, TBrandFamily::Hdmi},
      {4, L"SDI", 2, false, TBrandFamily::Sdi},     {5, L"YUV", 2, false, TBrandFamily::None},
      {6, L"VIDEO2", 2, true, TBrandFamily::None},
  };
  for (auto& c : cases) {
    EXPECT_EQ(SignalTypeName(c.Index), c.Name);
    TSignalTypeView v = SignalTypeView(c.Index);
    EXPECT_EQ(v.PresetIndex, c.Preset) << c.Index;
    EXPECT_EQ(v.SecondInputList, c.Second) << c.Index;
    EXPECT_EQ(v.Brand, c.Brand) << c.Index;
  }
  EXPECT_EQ(SignalTypeName(7), L"");
  EXPECT_EQ(SignalTypeName(-1), L"");
}

TEST(SettingsTest, AnEmptyStoreGivesEveryDefault) {
  TMemorySettings store;
  TLinkSettings l = ReadLinkSettings(store);
  EXPECT_EQ(l.ComPort, 1);
  EXPECT_EQ(l.ComPortA, 1);
  EXPECT_EQ(l.ComPortB, 1);
  EXPECT_FALSE(l.AutoOpen || l.AutoOpenA || l.AutoOpenB);
  EXPECT_TRUE(l.SerialCtrl);  // a file without "serialCtrl" chooses the serial link
  EXPECT_EQ(l.IPAddress, DefaultBridgeAddress);
  EXPECT_EQ(l.Port, L"8899");
  TStartAnimationSettings a = ReadStartAnimation(store);
  EXPECT_EQ(a.Height, 400);
  EXPECT_EQ(a.Width, 500);
  EXPECT_EQ(a.LogoPath, L"logo.jpg");
  EXPECT_EQ(a.IfShow, 0);
  EXPECT_EQ(a.Still, 3);
  EXPECT_EQ(ReadWallRows(store), 3);
  EXPECT_EQ(ReadWallColumns(store), 3);
  EXPECT_EQ(ReadPresetName(store, 5, 0), L"场景5");
  EXPECT_EQ(ReadPresetName(store, 16, 1), L"scene16");
  TMatrixInputNames names = ReadMatrixInputNames(store);
  ASSERT_EQ(names.Video.size(), 255u);
  ASSERT_EQ(names.Vga.size(), 64u);
  EXPECT_EQ(names.Video[254], L"255");
  EXPECT_EQ(names.Vga[0], L"1");
  EXPECT_TRUE(store.Written.empty()) << "reading writes nothing";
  // The table: each key once, each default readable as its type.
  std::set<std::pair<String, String>> keys;
  for (const TSettingKey& k : SettingKeys()) {
    EXPECT_TRUE(keys.insert({k.Section, k.Key}).second) << UTF8Encode(k.Key);
    int32_t n;
    if (k.Type != TSettingType::Str) {
      EXPECT_TRUE(TryStrToInt(k.Default, n)) << UTF8Encode(k.Key);
    }
  }
  ASSERT_NE(FindSettingKey(L"setting", L"serialCtrl"), nullptr);
  EXPECT_EQ(FindSettingKey(L"setting", L"serialCtrl")->Default, L"1");
  EXPECT_EQ(FindSettingKey(L"setting", L"nothing"), nullptr);
}

TEST(SettingsTest, DamagedAndOddValuesReadAsTheirDefaults) {
  TMemorySettings store;
  struct {
    const wchar_t* Stored;
    int Expected;
  } wall[] = {{L"1", 1}, {L"15", 15}, {L"0", 3}, {L"16", 3}, {L"-2", 3}, {L"abc", 3}, {L"", 3}, {L" 7", 7}};
  for (auto& w : wall) {
    store.Values[{L"config", L"row"}] = w.Stored;
    store.Values[{L"config", L"col"}] = w.Stored;
    EXPECT_EQ(ReadWallRows(store), w.Expected) << UTF8Encode(w.Stored);
    EXPECT_EQ(ReadWallColumns(store), w.Expected) << UTF8Encode(w.Stored);
  }
  store.Values[{L"setting", L"com port"}] = L"abc";
  store.Values[{L"setting", L"serialCtrl"}] = L"0";
  store.Values[{L"setting", L"auto open port"}] = L"2";  // any number but 0 is true
  store.Values[{L"StartAnimation", L"Still"}] = L"-5";
  TLinkSettings l = ReadLinkSettings(store);
  EXPECT_EQ(l.ComPort, 1);
  EXPECT_FALSE(l.SerialCtrl);
  EXPECT_TRUE(l.AutoOpen);
  EXPECT_EQ(ReadStartAnimation(store).Still, -5);  // the schedule counts it as 0
  store.Values[{L"scene", L"scene5"}] = L"";
  store.Values[{L"scene", L"scene6"}] = L"大厅";
  EXPECT_EQ(ReadPresetName(store, 5, 0), L"场景5");
  EXPECT_EQ(ReadPresetName(store, 6, 1), L"大厅");
}

TEST(SettingsTest, PortsRoundTripAndAStoredPortBeyondTheListShowsItsName) {
  std::vector<String> list;
  for (int n = 1; n <= 16; ++n) list.push_back(L"COM" + IntToStr(n));
  EXPECT_EQ(PortListText(12, list), L"COM12");
  EXPECT_EQ(PortListText(20, list), L"COM20");  // D-93
  EXPECT_EQ(PortListText(0, list), L"COM1");
  EXPECT_EQ(PortListText(-3, list), L"COM1");
  EXPECT_EQ(PortListText(2, {L"COM3", L"COM5"}), L"COM5");  // after "刷新": the list position
  EXPECT_EQ(PortNumber(L"COM12"), 12);

  TMemorySettings store;
  TLinkControls c{L"COM12", L"COM6", L"COM7", true, false, true, false, L"127.0.0.1", L"9000"};
  WriteLinkSettings(store, c);
  EXPECT_EQ(store.Written, (std::vector<String>{L"com port", L"auto open port", L"auto open port A",
                                                L"auto open port B", L"com port A", L"com port B", L"serialCtrl",
                                                L"IPAddress", L"Port"}));
  TLinkSettings l = ReadLinkSettings(store);
  EXPECT_EQ(PortListText(l.ComPort, list), L"COM12");
  EXPECT_EQ(l.ComPortA, 6);
  EXPECT_EQ(l.ComPortB, 7);
  EXPECT_TRUE(l.AutoOpen);
  EXPECT_FALSE(l.AutoOpenA);
  EXPECT_TRUE(l.AutoOpenB);
  EXPECT_FALSE(l.SerialCtrl);
  EXPECT_EQ(l.IPAddress, L"127.0.0.1");
  EXPECT_EQ(l.Port, L"9000");
}

TEST(SettingsTest, APortNameWithoutANumberStopsTheWritesWhereItStands) {
  for (const wchar_t* bad : {L"ABC", L"COM", L"COMx"}) {
    TMemorySettings store;
    TLinkControls c{L"COM3", bad, L"COM7", true, true, true, true, L"h", L"1"};
    EXPECT_THROW(WriteLinkSettings(store, c), EConvertError) << UTF8Encode(bad);
    EXPECT_EQ(store.Written, (std::vector<String>{L"com port", L"auto open port", L"auto open port A",
                                                  L"auto open port B"}));
  }
  TMemorySettings store;
  EXPECT_THROW(WriteLinkSettings(store, {L"ABC", L"COM1", L"COM1", false, false, false, true, L"", L""}),
               EConvertError);
  EXPECT_TRUE(store.Written.empty());
}

TEST(SettingsTest, WiringGridsAreManualFromTheirSectionElseOneOutputPerPanel) {
  TMemorySettings store;
  // 4 columns x 2 rows: automatic wiring numbers panels row-major from 1.
  auto grid = ReadWiringGrid(store, TWiringFamily::VGA, 4, 2);
  ASSERT_EQ(grid.size(), 2u);
  EXPECT_EQ(grid[0], (std::vector<String>{L"1", L"2", L"3", L"4"}));
  EXPECT_EQ(grid[1], (std::vector<String>{L"5", L"6", L"7", L"8"}));
  store.Values[{L"VGAmux", L"VGAcustomer mux"}] = L"1";
  store.Values[{L"VGAmux", L"5"}] = L"12";  // column 1, row 1 (from 0): 1 + 4 * 1
  store.Values[{L"VGAmux", L"0"}] = L"";
  grid = ReadWiringGrid(store, TWiringFamily::VGA, 4, 2);
  EXPECT_EQ(grid[0], (std::vector<String>{L"", L"0", L"0", L"0"}));
  EXPECT_EQ(grid[1], (std::vector<String>{L"0", L"12", L"0", L"0"}));
  EXPECT_TRUE(ReadWiringManual(store, TWiringFamily::VGA));
  EXPECT_FALSE(ReadWiringManual(store, TWiringFamily::AV));
  EXPECT_FALSE(ReadWiringManual(store, TWiringFamily::DVI));
  EXPECT_TRUE(ReadWiringGrid(store, TWiringFamily::AV, 0, 0).empty());
}

}  // namespace
