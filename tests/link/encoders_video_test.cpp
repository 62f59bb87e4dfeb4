// Route frames of the video matrix brands: every brand, the brand choice by
// index, list text and model label, and the rules that send together.
#include "encoders_test.h"

using namespace encoders_test;

namespace {

// Output 3, input 5 is the call SwitchMatrix(2, 5) unless a row says otherwise.
TEST(VideoEncoderTest, EveryBrandBuildsItsFrame) {
  TMatrixSettings infinova = Video(3);
  infinova.OutputBasePort = L"250";
  TMatrixSettings samplexBase = Video(4, L"01");
  samplexBase.OutputBasePort = L"100";
  ExpectSwitchFrames({
      {"VINET", Video(0), 2, 5, "V[FC 01 00 04 02 01 04]", {L"FC010004020104"}},
      {"VINET first ports", Video(0), 0, 1, "V[FC 01 00 00 00 01 7E]", {L"FC01000000017E"}},
      {"PELCO", Video(1), 2, 5, "V\"2Ma4#a\"", {L"2Ma4#a"}},
      {"PELCO full numbers", Video(1), 999, 1000, "V\"999Ma999#a\"", {L"999Ma999#a"}},
      {"ACV", Video(2), 2, 5, "V[F4 05 21 03 00 00 29]", {L"F4,05,21,03,00,00,29"}},
      {"ACV checksum carry", Video(2), 254, 255, "V[F4 FF 21 FF 00 00 1F]", {L"F4,FF,21,FF,00,00,1F"}},
      {"Infinova", Video(3), 11, 3, "V\"12Ma3#a\"", {L"12Ma3#a"}},
      {"Infinova wraps", infinova, 9, 300, "V\"3Ma44#a\"", {L"3Ma44#a"}},
      {"Samplex", Video(4, L"01"), 11, 3, "V\"PA01SW0312NT\"", {L"PA01SW0312NT"}},
      {"Samplex zero by port", Video(4, L"01"), 8, 10, "V\"PA01SW1009NT\"", {L"PA01SW1009NT"}},
      {"Samplex zero before base", samplexBase, 4, 3, "V\"PA01SW030104NT\"", {L"PA01SW030104NT"}},
      {"shenshiyin", Video(5), 2, 5, "V[F6 88 00 05 03 01 11]", {L"F6,88,00,05,03,01,11"}},
      {"shenshiyin 127", Video(5), 2, 127, "V[F6 88 00 7F 03 01 0B]", {L"F6,88,00,7F,03,01,0B"}},
      {"shenshiyin 128", Video(5), 2, 128, "V[F6 88 80 00 03 01 0C]", {L"F6,88,80,00,03,01,0C"}},
      {"shenshiyin 200", Video(5), 3, 200, "V[F6 88 80 48 04 01 55]", {L"F6,88,80,48,04,01,55"}},
      {"AV01", Video(6, L"1"), 2, 5, "V[96 01 01 06 A4 02 04 02 04 4E]", {L"96,01,01,06,A4,02,04,02,04,4E"}},
      {"AV01 first ports", Video(6, L"1"), 0, 1, "V[96 01 01 06 A4 00 00 00 00 42]",
       {L"96,01,01,06,A4,00,00,00,00,42"}},
      {"AV01 wraps", Video(6, L"300"), 255, 256, "V[96 2C 01 06 A4 FF FF FF FF 69]",
       {L"96,2C,01,06,A4,FF,FF,FF,FF,69"}},
      {"AV02", Video(7, L"7"), 2, 5, "V[FF 07 03 05 03 AA]", {L"FF,07,03,05,03,AA"}},
      {"AV03", Video(8), 2, 5, "V[F8 05 00 81 03 00 00 89 FF]", {L"F8,05,00,81,03,00,00,89,FF"}},
      {"AV04", Video(9), 2, 5, "V[02] V\"00F0503\" V[03]", {L"02,00F0503,03"}},
      {"AV04 hex", Video(9), 15, 255, "V[02] V\"00FFF10\" V[03]", {L"02,00FFF10,03"}},
      {"PEARMAIN", Video(10, L"5"), 2, 5, "V\"N050050030005031000000B\"", {L"N050050030005031000000B"}},
      {"PEARMAIN wide", Video(10, L"123"), 999, 12345, "V\"N123123100012345031000000B\"",
       {L"N123123100012345031000000B"}},
      {"BAXALL", Video(11), 2, 5, "V[F3 00 05 22 03 00 00 2A]", {L"F3,00,05,22,03,00,00,2A"}},
      {"TIANDY", Video(12, L"2"), 2, 5, "V[FA FA 0C 81 C0 00 03 00 05 02 FD FD]",
       {L"FA,FA,0C,81,C0,00,03,00,05,02,FD,FD"}},
      {"VMW-JCAV", Video(13), 2, 5, "V\"003[5!\"", {L"003[5!"}},
      {"VMW-JCAV wraps", Video(13), 299, 256, "V\"0044[0!\"", {L"0044[0!"}},
      {"AV05", Video(14), 2, 5, "V\"*5V3#\"", {L"*5V3#"}},
      {"GALAXY", Video(15), 2, 5, "V[01] V\"AS01V0204T06\" V[04]", {L"01,AS01V0204T06,04"}},
      {"XM-AV", Video(16), 2, 5, "V\"0003[05!\"", {L"0003[05!"}},
      {"XM-AV two digits", Video(16), 9, 12, "V\"0010[12!\"", {L"0010[12!"}},
      {"flowvia", Video(17, L"01"), 2, 12, "V\"PA01SW1203NT\"", {L"PA01SW1203NT"}},
      {"pangu", Video(18, L"3"), 2, 5, "V[BB 03 04 02]", {L"BB,03,04,02"}},
      {"BTRAN-888", Video(19, L"1"), 2, 5, "V[F6 01 01 06 AF 02 04 02 04 B9]", {L"F6,01,01,06,AF,02,04,02,04,B9"}},
      {"ODT", Video(20), 2, 5, "V[F4 05 21 03 00 00 29]", {L"F4,05,21,03,00,00,29"}},
      {"LANMA", Video(21), 2, 5, "V[FF 00 05 05 03 AA]", {L"FF,00,05,05,03,AA"}},
      {"AE", Video(22, L"1"), 2, 5, "V[A5 05 00 81 03 00 01 8A]", {L"A5,05,00,81,03,00,01,8A"}},
      {"AE input above 255", Video(22, L"1"), 2, 300, "V[A5 2C 01 81 03 00 01 B2]", {L"A5,2C,01,81,03,00,01,B2"}},
      {"PG_MUL", Video(23, L"1"), 2, 5, "V[BA 01 01 04 A1 02 04 67]", {L"BA,01,01,04,A1,02,04,67"}},
      {"PEARMAIN2 output 199", Video(24, L"1"), 198, 1234, "V[F6 01 01 C7 0C 22 1F]", {L"F6,01,01,C7,0C,22,1F"}},
      {"PEARMAIN2 output 200", Video(24, L"1"), 199, 5, "V[F7 01 01 01 00 00 05 1F]", {L"F7,01,01,01,00,00,05,1F"}},
      {"PEARMAIN2 output 250", Video(24, L"1"), 249, 5, "V[F7 01 01 01 32 00 05 1F]", {L"F7,01,01,01,32,00,05,1F"}},
      {"AV06", Video(25), 2, 5, "V[BB 01 02 04 00 00 00 C2]", {L"BB,01,02,04,00,00,00,C2"}},
      {"AV06 input 256", Video(25), 2, 256, "V[BB 01 02 00 01 00 00 BF]", {L"BB,01,02,00,01,00,00,BF"}},
      {"SYS", Video(26), 2, 5, "V[BB 04 00 02 05 03 55]", {L"BB,04,00,02,05,03,55"}},
      {"CREATEK", Video(27), 2, 5, "V\"5V3.\"", {L"5V3."}},
      {"CREATEK wide", Video(27), 99, 100, "V\"100V100.\"", {L"100V100."}},
      {"ANTAI", Video(28), 2, 5, "V\"5*3%\"", {L"5*3%"}},
      {"ANTAI2", Video(29), 2, 5, "V\"5R3!\"", {L"5R3!"}},
      {"AV07", Video(30), 2, 5, "V\"003<5!\"", {L"003<5!"}},
      {"ANTECE", Video(31), 2, 5, "V\"!00:L5*3~\"", {L"!00:L5*3~"}},
      {"AV09", Video(32), 2, 5, "V[BB 02 01 02 00 00 00 C0] +50ms V[BB 02 02 04 00 00 00 C3]",
       {L"BB,02,01,02,00,00,00,C0", L"BB,02,02,04,00,00,00,C3"}},
  });
}

TEST(VideoEncoderTest, RulesThatMatchTogetherAllSend) {
  ExpectSwitchFrames({
      // The model label lags behind a changed brand: both the index rule and
      // the label's old name send.
      {"index and stale label", WithLabel(Video(4, L"01"), L"LANMA"), 2, 5,
       "V\"PA01SW0503NT\" V[FF 01 05 05 03 AA]", {L"PA01SW0503NT", L"FF,01,05,05,03,AA"}},
      // A label rule goes by the label alone, not the list.
      {"label over list", WithLabel(Video(27), L"ANTAI"), 2, 5, "V\"5*3%\"", {L"5*3%"}},
  });
}

TEST(VideoEncoderTest, NothingMatchesNothingIsSent) {
  TMatrixSettings video2 = WithLabel(OfType(6), L"LANMA");
  video2.VideoBrandIndex = 0;
  TMatrixSettings none = Video(0);
  none.VideoBrandIndex = -1;
  none.VideoBrandText = none.BrandLabel = L"";
  ExpectSwitchFrames({
      {"VIDEO2", video2, 2, 5, "", {}},
      {"no brand chosen", none, 2, 5, "", {}},
      {"unknown label", WithLabel(Video(22), L"lanma"), 2, 5, "", {}},
  });
}

}  // namespace
