// Route frames of the RGB/VGA matrix brands, which also serve SDI.
#include "encoders_test.h"

using namespace encoders_test;

namespace {

TMatrixSettings Sdi(int vgaBrand) {
  TMatrixSettings s = Vga(vgaBrand);
  s.SignalTypeIndex = 4;
  s.SignalTypeText = L"SDI";
  return s;
}

// Output 3, input 5 is the call SwitchMatrix(2, 5) unless a row says otherwise.
TEST(VgaEncoderTest, EveryBrandBuildsItsFrame) {
  ExpectSwitchFrames({
      {"CREATEK", Vga(0), 2, 5, "G\"5V3.\"", {L"5V3."}},
      {"Samplex", Vga(1), 11, 3, "G\"PV01SW0312NT\"", {L"PV01SW0312NT"}},
      {"VGA01", Vga(2, L"1"), 2, 5, "G[96 01 01 06 A3 02 04 02 04 4D]", {L"96,01,01,06,A3,02,04,02,04,4D"}},
      {"VGA02", Vga(3, L"1"), 2, 5, "G[96 01 01 04 A0 02 04 00]", {L"96,01,01,04,A0,02,04,00"}},
      {"Triolion", Vga(4, L"1"), 2, 5, "G[EB 01 02 02 02 04 0B]", {L"EB,01,02,02,02,04,0B"}},
      {"Triolion checksum EB", Vga(4, L"228"), 1, 3, "G[EB E4 02 02 01 02 14]", {L"EB,E4,02,02,01,02,14"}},
      {"CK-VGA", Vga(5), 2, 5, "G[FF 01 04 05 03 AA]", {L"FF,01,04,05,03,AA"}},
      {"VGA03", Vga(6), 2, 5, "G\"!01:G5*3~\"", {L"!01:G5*3~"}},
      {"VGA04", Vga(7), 2, 5, "W\".\" +5ms G\"5V3.\"", {L"5V3."}},
      {"VMW-JCVGA", Vga(8), 2, 5, "G\"013(5!\"", {L"013(5!"}},
      {"VGA05", Vga(9), 2, 5, "G\"*5R3#\"", {L"*5R3#"}},
      {"XM-VGA", Vga(10), 2, 5, "G\"0103(05!\"", {L"0103(05!"}},
      {"flowvia", Vga(11), 2, 5, "G\"PV01SW0503NT\"", {L"PV01SW0503NT"}},
      {"MK", Vga(12), 2, 5, "G[BB 04 01 02 05 03 55]", {L"BB,04,01,02,05,03,55"}},
      {"SISO", Vga(13, L"1"), 0, 300, "G[F2 01 2C 22 01 00 01 0F]", {L"F2,01,2C,22,01,00,01,0F"}},
      {"AE-VGA", Vga(14), 2, 5, "G\"01V05V03\"", {L"01V05V03"}},
      {"AE-VGA wide", Vga(14), 6, 123, "G\"01V123V07\"", {L"01V123V07"}},
      {"CHUANGGAO", Vga(15), 999, 300, "G\"300B1000.\"", {L"300B1000."}},
      {"ODT", Vga(16), 2, 5, "G[F4 05 21 03 00 00 29]", {L"F4,05,21,03,00,00,29"}},
      {"YJ_VGA", Vga(17), 2, 5, "G[C8 AA 00 03 05 03 55 AA]", {L"C8,AA,00,03,05,03,55,AA"}},
      {"PC-VGA", Vga(18), 11, 7, "G\"^SWI007012$\"", {L"^SWI007012$"}},
      {"PC-VGA wide", Vga(18), 4, 1234, "G\"^SWI1234005$\"", {L"^SWI1234005$"}},
      {"btran-888", Vga(19, L"1"), 2, 5, "G[F6 01 01 06 AF 02 04 02 04 B9]", {L"F6,01,01,06,AF,02,04,02,04,B9"}},
      {"VGA3", Vga(20), 2, 5, "G[7E FF 05 03 00 0D]", {L"7E,FF,05,03,00,0D"}},
      {"PG_MUL", Vga(21, L"1"), 2, 5, "G[BA 01 01 04 A0 02 04 66]", {L"BA,01,01,04,A0,02,04,66"}},
      {"ANTAI", Vga(22), 2, 5, "G\"5*3%\"", {L"5*3%"}},
      {"CZ-VGA", Vga(23), 2, 5, "G\"5,3,V\"", {L"5,3,V"}},
      {"LANMA", Vga(24), 2, 5, "G[FF 01 03 05 03 AA]", {L"FF,01,03,05,03,AA"}},
      {"VGA06", Vga(25), 2, 5, "G[BB 04 01 02 05 03 55]", {L"BB,04,01,02,05,03,55"}},
      {"VGA07", Vga(26), 2, 5, "G\"01I5O3<!\"", {L"01I5O3<!"}},
      {"VGA08", Vga(27), 2, 5, "G\"<5,3,V>\"", {L"<5,3,V>"}},
      {"VGA09", Vga(28), 2, 5, "G\"01V05V03\"", {L"01V05V03"}},
      {"VGA09 two digits", Vga(28), 9, 10, "G\"01V10V10\"", {L"01V10V10"}},
      {"VGA10", Vga(29), 2, 5, "G[C8 A5 06 03 05 03 55 AA]", {L"C8,A5,06,03,05,03,55,AA"}},
      {"VGA11", Vga(30), 2, 5, "G\"5V3\"", {L"5V3"}},
      {"VGA12", Vga(31), 2, 5, "G\"01V05M03\"", {L"01V05M03"}},
      {"VGA13", Vga(32, L"1"), 2, 5, "G[96 01 01 04 A0 02 04 42]", {L"96,01,01,04,A0,02,04,42"}},
      {"SISO-02", Vga(33, L"1"), 0, 300, "G[F2 01 2C 22 01 01 01 0E]", {L"F2,01,2C,22,01,01,01,0E"}},
      {"WDK-VGA", Vga(34), 2, 5, "G[A5 00 01 01 03 05 02 B1]", {L"A5,00,01,01,03,05,02,B1"}},
      {"PEARMAIN", Vga(35), 2, 5, "G[F6 01 00 03 00 05 1F]", {L"F6,01,00,03,00,05,1F"}},
      {"PEARMAIN output 250", Vga(35), 249, 1234, "G[F7 01 00 01 32 0C 22 1F]", {L"F7,01,00,01,32,0C,22,1F"}},
      {"ANTAI2", Vga(36), 2, 5, "G\"5G3!\"", {L"5G3!"}},
      {"ANTAI3", Vga(37), 2, 5, "G\"5*3!\"", {L"5*3!"}},
      {"VGA14", Vga(38), 2, 5, "G[FF 01 05 05 03 AA]", {L"FF,01,05,05,03,AA"}},
      {"TMX-VGA", Vga(39), 2, 5, "G[FF 05 00 81 03 00 00 89]", {L"FF,05,00,81,03,00,00,89"}},
      {"ANTECE", Vga(40), 2, 5, "G\"!01:L5*3~\"", {L"!01:L5*3~"}},
  });
}

TEST(VgaEncoderTest, SdiUsesTheVgaListButNoLabelRule) {
  ExpectSwitchFrames({
      {"index rule", Sdi(0), 2, 5, "G\"5V3.\"", {L"5V3."}},
      {"list text rule", Sdi(16), 2, 5, "G[F4 05 21 03 00 00 29]", {L"F4,05,21,03,00,00,29"}},
      {"late list text rule", Sdi(34), 2, 5, "G[A5 00 01 01 03 05 02 B1]", {L"A5,00,01,01,03,05,02,B1"}},
      {"label rule VGA06", Sdi(25), 2, 5, "", {}},
  });
}

TEST(VgaEncoderTest, RulesThatMatchTogetherAllSendInGroupOrder) {
  TMatrixSettings typed = WithLabel(Vga(0), L"VGA11");
  typed.VgaBrandText = L"ODT";  // a list text that does not belong to the chosen index
  ExpectSwitchFrames({
      {"index and stale label", WithLabel(Vga(0), L"VGA11"), 2, 5, "G\"5V3.\" G\"5V3\"", {L"5V3.", L"5V3"}},
      {"index, list text, label", typed, 2, 5, "G\"5V3.\" G[F4 05 21 03 00 00 29] G\"5V3\"",
       {L"5V3.", L"F4,05,21,03,00,00,29", L"5V3"}},
      {"label before late list text", WithLabel(Vga(35), L"VGA11"), 2, 5, "G\"5V3\" G[F6 01 00 03 00 05 1F]",
       {L"5V3", L"F6,01,00,03,00,05,1F"}},
  });
}

}  // namespace
