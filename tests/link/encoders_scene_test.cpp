// Scene save and recall, the preset-button strings, and what every encoder
// shares: number conversion of the ids, conversion errors and text bytes.
#include "encoders_test.h"
#include "SysUtils.h"

using namespace encoders_test;

namespace {

using TBuild = void (*)(const TMatrixSettings&, int, TMatrixSteps&);
using TBuildPreset = int (*)(const TMatrixSettings&, int, TMatrixSteps&);

struct TSceneCase {
  const char* Name;
  TBuild Build;
  TMatrixSettings Settings;
  int N;
  std::string Writes;
  std::vector<String> Echo;
};

TEST(SceneEncoderTest, EveryBrandWithAScenesMemory) {
  const TBuild saveV = BuildSaveVideoMatrixScene, recallV = BuildRecallVideoMatrixScene;
  const TBuild saveG = BuildSaveVgaMatrixScene, recallG = BuildRecallVgaMatrixScene;
  const std::vector<TSceneCase> table = {
      {"video Samplex save", saveV, Video(4, L"01"), 12, "V\"PA01SF0C00NT\"", {L"PA01SF0C00NT"}},
      {"video Samplex recall", recallV, Video(4, L"01"), 12, "V\"PA01RF0C00NT\"", {L"PA01RF0C00NT"}},
      {"AV01 save", saveV, Video(6, L"1"), 1, "V[96 01 11 03 00 01 AC]", {L"96,01,11,03,00,01,AC"}},
      {"AV01 recall", recallV, Video(6, L"1"), 16, "V[96 01 15 03 00 10 BF]", {L"96,01,15,03,00,10,BF"}},
      {"VMW-JCAV save", saveV, Video(13), 3, "V\"00PS3!\"", {L"00PS3!"}},
      {"VMW-JCAV recall", recallV, Video(13), 16, "V\"00PL16!\"", {L"00PL16!"}},
      {"XM-AV save", saveV, Video(16), 16, "V[2A 10 01 00 00 21]", {L"2A,10,01,00,00,21"}},
      {"XM-AV recall", recallV, Video(16), 3, "V[2A 03 02 00 00 21]", {L"2A,03,02,00,00,21"}},
      {"video flowvia save", saveV, Video(17), 1, "V\"PA00SF0100NT\"", {L"PA00SF0100NT"}},
      {"video flowvia recall", recallV, Video(17), 10, "V\"PA00RF0A00NT\"", {L"PA00RF0A00NT"}},
      {"video brand without scenes", saveV, Video(0), 1, "", {}},
      {"VGA Samplex save", saveG, Vga(1), 12, "G\"PV01SF0C00NT\"", {L"PV01SF0C00NT"}},
      {"VGA Samplex recall", recallG, Vga(1), 16, "G\"PV01RF1000NT\"", {L"PV01RF1000NT"}},
      {"VGA01 save", saveG, Vga(2, L"1"), 1, "G[96 01 11 03 00 01 AC]", {L"96,01,11,03,00,01,AC"}},
      {"VGA02 recall", recallG, Vga(3, L"1"), 2, "G[96 01 15 03 00 02 B1]", {L"96,01,15,03,00,02,B1"}},
      {"VMW-JCVGA save", saveG, Vga(8), 3, "G\"01PS3!\"", {L"01PS3!"}},
      {"VMW-JCVGA recall", recallG, Vga(8), 3, "G\"01PL3!\"", {L"01PL3!"}},
      {"XM-VGA save", saveG, Vga(10), 3, "G[2A 03 01 00 00 21]", {L"2A,03,01,00,00,21"}},
      {"XM-VGA recall", recallG, Vga(10), 3, "G[2A 03 02 00 00 21]", {L"2A,03,02,00,00,21"}},
      {"VGA flowvia recall", recallG, Vga(11), 10, "G\"PV01RF0A00NT\"", {L"PV01RF0A00NT"}},
      {"VGA brand without scenes", recallG, Vga(0), 1, "", {}},
      // The scene goes by the list of its own matrix, whatever the signal type.
      {"video scene under VGA", saveV, [] { TMatrixSettings s = Vga(0); s.VideoBrandIndex = 16; return s; }(),
       2, "V[2A 02 01 00 00 21]", {L"2A,02,01,00,00,21"}},
  };
  for (const TSceneCase& c : table) {
    SCOPED_TRACE(c.Name);
    TMatrixSteps steps;
    c.Build(c.Settings, c.N, steps);
    EXPECT_EQ(Render(steps), c.Writes);
    EXPECT_EQ(Echoes(steps), c.Echo);
  }
}

struct TPresetCase {
  const char* Name;
  TMatrixSettings Settings;
  int N;
  int Rule;
  std::string Save, Recall;
  std::vector<String> SaveEcho, RecallEcho;
};

TEST(PresetStringTest, FirstMatchingRuleSendsItsString) {
  TMatrixSettings hdmiSiso = Linked(WithLabel(Hdmi(4), L"CREATEK"));
  TMatrixSettings dviYj = Linked(Dvi(5));
  const std::vector<TPresetCase> table = {
      {"CREATEK", Linked(Vga(0)), 3, 1, "G\"Save3.\"", "G\"Recall3.\"", {L"->Save3."}, {L"->Recall3."}},
      {"CHUANGGAO", Linked(Vga(15)), 12, 2, "G\"<12,R>\"", "G\"<12,R>\"", {L"-><12,R>"}, {L"-><12,R>"}},
      {"Samplex", Linked(Vga(1)), 12, 3, "G\"PV01SF1200NT\"", "G\"PV01RF1200NT\"", {L"->PV01SF1200NT"},
       {L"->PV01RF1200NT"}},
      {"Samplex one digit", Linked(Vga(1)), 5, 3, "G\"PV01SF0500NT\"", "G\"PV01RF0500NT\"", {L"->PV01SF0500NT"},
       {L"->PV01RF0500NT"}},
      {"YJ_VGA", Linked(Vga(17)), 2, 4, "G[C8 A5 01 01 02 00 55 AA]", "G[C8 A5 02 01 02 00 55 AA]",
       {L"C8,A5,01,01,02,00,55,AA"}, {L"C8,A5,02,01,02,00,55,AA"}},
      {"VGA06 without linkage", Vga(25), 4, 5, "G[03 00 06 04]", "G[03 00 04 04]", {L"03,00,06,04"},
       {L"03,00,04,04"}},
      {"btran-888", Linked(Vga(19, L"1")), 3, 6, "G[F6 01 11 03 00 03 00]", "G[F6 01 15 03 00 03 00]",
       {L"F6,01,11,03,00,03,00"}, {L"F6,01,15,03,00,03,00"}},
      {"DVI YJ", dviYj, 7, 7, "G\"SAVE7\"", "G\"CALL7\"", {L"->SAVE7"}, {L"->CALL7"}},
      // The native-matrix rule comes first and sends nothing, so the label's
      // CREATEK rule further down is skipped.
      {"HDMI SISO", hdmiSiso, 3, PresetRuleNativeMatrix, "", "", {}, {}},
      {"AE-VGA", Vga(14), 3, 9, "G\"01VSAVE3\"", "G\"01VRETU3\"", {L"->01VSAVE3"}, {L"->01VRETU3"}},
      {"HDMI CREATEK", WithLabel(Hdmi(3), L"CREATEK"), 3, 10, "G\"Save3.\"", "G\"Recall3.\"", {L"->Save3."},
       {L"->Recall3."}},
      {"CREATEK before VGA06", Linked(WithLabel(Vga(0), L"VGA06")), 3, 1, "G\"Save3.\"", "G\"Recall3.\"",
       {L"->Save3."}, {L"->Recall3."}},
      {"VGA06 before btran-888", Linked(WithLabel(Vga(19), L"VGA06")), 4, 5, "G[03 00 06 04]", "G[03 00 04 04]",
       {L"03,00,06,04"}, {L"03,00,04,04"}},
      {"CREATEK without linkage", Vga(0), 3, NoPresetRule, "", "", {}, {}},
      {"HDMI SISO without linkage", Hdmi(4), 3, NoPresetRule, "", "", {}, {}},
      {"VGA brand under SDI", [] { TMatrixSettings s = Linked(Vga(0)); s.SignalTypeIndex = 4;
                                   s.SignalTypeText = L"SDI"; return s; }(),
       3, NoPresetRule, "", "", {}, {}},
  };
  for (const TPresetCase& c : table) {
    SCOPED_TRACE(c.Name);
    TMatrixSteps save, recall;
    EXPECT_EQ(BuildSavePresetString(c.Settings, c.N, save), c.Rule);
    EXPECT_EQ(BuildRecallPresetString(c.Settings, c.N, recall), c.Rule);
    EXPECT_EQ(Render(save), c.Save);
    EXPECT_EQ(Render(recall), c.Recall);
    EXPECT_EQ(Echoes(save), c.SaveEcho);
    EXPECT_EQ(Echoes(recall), c.RecallEcho);
  }
}

// The scene routine sends the preset number in hexadecimal, the Samplex
// preset string in decimal; both go out for one press of the save button.
TEST(PresetStringTest, SamplexSceneAndPresetStringDifferInBase) {
  TMatrixSettings s = Linked(Vga(1));
  TMatrixSteps steps;
  BuildSaveVgaMatrixScene(s, 12, steps);
  BuildSavePresetString(s, 12, steps);
  EXPECT_EQ(Render(steps), "G\"PV01SF0C00NT\" G\"PV01SF1200NT\"");
}

// --- What every encoder shares ----------------------------------------------------------

TEST(EncoderIdTest, BinaryFramesTakeTheIdsValueInItsLowByte) {
  struct {
    const char* Id;
    const char* Writes;
  } table[] = {
      {"7", "V[FF 07 03 05 03 AA]"},     {"007", "V[FF 07 03 05 03 AA]"},  {" 7", "V[FF 07 03 05 03 AA]"},
      {"$1F", "V[FF 1F 03 05 03 AA]"},   {"0x1f", "V[FF 1F 03 05 03 AA]"}, {"300", "V[FF 2C 03 05 03 AA]"},
      {"-1", "V[FF FF 03 05 03 AA]"},    {"+2", "V[FF 02 03 05 03 AA]"},
  };
  for (const auto& c : table) {
    SCOPED_TRACE(c.Id);
    const String id(c.Id, c.Id + std::char_traits<char>::length(c.Id));
    EXPECT_EQ(Render(BuildSwitchMatrix(Video(7, id), 2, 5)), c.Writes);
  }
}

TEST(EncoderIdTest, AnIdThatIsNoNumberRaisesTheConversionErrorAndSendsNothingOfThatFrame) {
  for (const wchar_t* id : {L"", L"abc", L"7 ", L"1.5", L"99999999999", L"$", L"0x"}) {
    SCOPED_TRACE(testing::PrintToString(String(id)));
    TMatrixSteps steps;
    try {
      BuildSwitchMatrix(Video(7, id), 2, 5, steps);
      ADD_FAILURE() << "no error";
    } catch (const EConvertError& e) {
      EXPECT_EQ(e.Message(), L"'" + String(id) + L"' is not a valid integer value");
    }
    EXPECT_TRUE(steps.empty());
  }
  // Text frames carry the id as typed and need no number.
  EXPECT_EQ(Render(BuildSwitchMatrix(Video(13, L"A1"), 2, 5)), "V\"A13[5!\"");
}

TEST(EncoderIdTest, FramesBeforeTheFailingOneStayBuilt) {
  // Samplex carries the id as text; the stale label's LANMA needs it as a number.
  TMatrixSteps steps;
  EXPECT_THROW(BuildSwitchMatrix(WithLabel(Video(4, L"A1"), L"LANMA"), 2, 5, steps), EConvertError);
  EXPECT_EQ(Render(steps), "V\"PAA1SW0503NT\"");
  EXPECT_EQ(Echoes(steps), std::vector<String>{L"PAA1SW0503NT"});
}

TEST(EncoderIdTest, BasePortsThatAreNoNumberRaiseTheConversionError) {
  TMatrixSettings samplex = Video(4);
  samplex.InputBasePort = L"one";
  EXPECT_THROW(BuildSwitchMatrix(samplex, 2, 5), EConvertError);
  TMatrixSettings infinova = Video(3);
  infinova.OutputBasePort = L"";
  EXPECT_THROW(BuildSwitchMatrix(infinova, 2, 5), EConvertError);
  // Brands that do not use the base ports ignore them.
  TMatrixSettings createk = Video(27);
  createk.InputBasePort = createk.OutputBasePort = L"one";
  EXPECT_EQ(Render(BuildSwitchMatrix(createk, 2, 5)), "V\"5V3.\"");
}

// A base port near the integer limit once overflowed when the port was added: a
// number that cannot be sent is refused as a non-numeric one is, and nothing is sent.
TEST(EncoderIdTest, BasePortsWhoseSumLeavesTheIntegerRangeRaiseTheConversionError) {
  TMatrixSettings samplexIn = Video(4, L"01");
  samplexIn.InputBasePort = L"2147483647";
  TMatrixSettings samplexOut = Vga(1);
  samplexOut.OutputBasePort = L"2147483647";
  TMatrixSettings infinova = Video(3);
  infinova.OutputBasePort = L"$7FFFFFFF";
  const struct {
    const char* name;
    TMatrixSettings settings;
    int output, input;
    String text;
  } cases[] = {{"Samplex input", samplexIn, 0, 2, L"2147483647"},
               {"Samplex output", samplexOut, 1, 1, L"2147483647"},
               {"Infinova", infinova, 1, 5, L"$7FFFFFFF"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TMatrixSteps steps;
    try {
      BuildSwitchMatrix(c.settings, c.output, c.input, steps);
      ADD_FAILURE() << "no EConvertError";
    } catch (const EConvertError& e) {
      EXPECT_EQ(e.Message(), L"'" + c.text + L"' is not a valid integer value");
    }
    EXPECT_TRUE(steps.empty());
  }
  // The largest port that still fits is sent, in its low eight bits.
  EXPECT_EQ(Render(BuildSwitchMatrix(infinova, 0, 5)), "V\"255Ma5#a\"");
  samplexIn.InputBasePort = L"-2147483648";
  EXPECT_EQ(Render(BuildSwitchMatrix(samplexIn, 0, 1)), "V\"PA01SW0001NT\"");
}

TEST(EncoderTextTest, TextFramesGoOutInTheAnsiCodePageAndEchoAsTyped) {
  // Under code page 936 the id goes out as GBK bytes; built natively, without
  // the platform's code page, a character outside Latin-1 goes out as "?".
  TMatrixSteps steps = BuildSwitchMatrix(Video(13, L"编号"), 2, 5);
  std::string id = StringToAnsi(L"编号");
  ASSERT_TRUE(id == "\xB1\xE0\xBA\xC5" || id == "??");
  EXPECT_EQ(Render(steps), id == "??" ? "V\"??3[5!\"" : "V\"\\xB1\\xE0\\xBA\\xC53[5!\"");
  EXPECT_EQ(Echoes(steps), std::vector<String>{L"编号3[5!"});
}

}  // namespace
