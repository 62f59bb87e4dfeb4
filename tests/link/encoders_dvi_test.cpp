// Route frames of the DVI and HDMI matrix brands and of the YUV signal type.
#include "encoders_test.h"

using namespace encoders_test;

namespace {

// Output 3, input 5 is the call SwitchMatrix(2, 5) unless a row says otherwise.
// DVI id "01", HDMI id "02".
TEST(DviEncoderTest, EveryBrandBuildsItsFrame) {
  ExpectSwitchFrames({
      {"CZ-VGA", Dvi(0), 2, 5, "G[96 01 01 06 AF 02 04 02 04 59]", {L"96,01,01,06,AF,02,04,02,04,59"}},
      {"CZ-DVI", Dvi(1), 2, 5, "G\"5,3,V\"", {L"5,3,V"}},
      {"JC-DVI", Dvi(2), 2, 5, "G\"013(5!\"", {L"013(5!"}},
      // Index 3 and its own label both send.
      {"CREATEK index 3", Dvi(3), 2, 5, "G\"5V3.\" G\"5V3.\"", {L"5V3.", L"5V3."}},
      {"SISO", Dvi(4, L"1"), 0, 300, "G[F2 01 2C 22 01 00 01 0F]", {L"F2,01,2C,22,01,00,01,0F"}},
      {"YJ", Dvi(5), 299, 1000, "G\"1000*300%\"", {L"1000*300%"}},
      {"BTRAN-888", Dvi(6), 2, 5, "G\"<5,3,V>\"", {L"<5,3,V>"}},
      {"BTRAN-111", Dvi(7), 2, 5, "G[F6 01 01 04 A1 02 04 00]", {L"F6,01,01,04,A1,02,04,00"}},
      {"PG_MUL", Dvi(8), 2, 5, "G[BA 01 01 04 A5 02 04 6B]", {L"BA,01,01,04,A5,02,04,6B"}},
      {"LANMA", Dvi(9), 2, 5, "G[FF 01 05 05 03 AA]", {L"FF,01,05,05,03,AA"}},
      {"CREATEK index 10", Dvi(10), 2, 5, "G\"5V3.\"", {L"5V3."}},
      {"DVI01", Dvi(11), 2, 5, "G\"0103<05!\"", {L"0103<05!"}},
      {"DVI02", Dvi(12), 2, 5, "G\"PV01SW0503NT\"", {L"PV01SW0503NT"}},
      {"DVI03", Dvi(13), 2, 5, "G[C8 A5 06 01 05 03 55 AA]", {L"C8,A5,06,01,05,03,55,AA"}},
      {"SDVI0808", Dvi(14), 2, 5, "G[EB 90 02 02 02 04 9A]", {L"EB,90,02,02,02,04,9A"}},
      {"ANTAI", Dvi(15), 2, 5, "G\"5*3!\"", {L"5*3!"}},
      {"DVI04", Dvi(16), 2, 5, "G\"01V05V03\"", {L"01V05V03"}},
      {"DVI05", Dvi(17), 2, 5, "G\"PD01SW0503NT\"", {L"PD01SW0503NT"}},
      {"ANTECE", Dvi(18), 2, 5, "G\"!01:L5*3~\"", {L"!01:L5*3~"}},
  });
}

TEST(HdmiEncoderTest, EveryBrandBuildsItsFrame) {
  ExpectSwitchFrames({
      {"CZ-VGA uses the DVI id", Hdmi(0), 2, 5, "G[96 01 01 06 AF 02 04 02 04 59]",
       {L"96,01,01,06,AF,02,04,02,04,59"}},
      {"CZ-DVI", Hdmi(1), 2, 5, "G\"5,3,V\"", {L"5,3,V"}},
      {"JC-DVI", Hdmi(2), 2, 5, "G\"023(5!\"", {L"023(5!"}},
      {"CREATEK once", Hdmi(3), 2, 5, "G\"5V3.\"", {L"5V3."}},
      {"SISO", Hdmi(4), 2, 5, "G[F2 00 05 22 03 00 02 26]", {L"F2,00,05,22,03,00,02,26"}},
      {"BTRAN-888", Hdmi(5), 2, 5, "G\"<5,3,V>\"", {L"<5,3,V>"}},
      {"ODT", Hdmi(6), 2, 5, "G[F4 05 21 03 00 00 29]", {L"F4,05,21,03,00,00,29"}},
      {"PG_MUL", Hdmi(7), 2, 5, "G[BA 02 01 04 A6 02 04 6D]", {L"BA,02,01,04,A6,02,04,6D"}},
      {"LANMA", Hdmi(8), 2, 5, "G[FF 02 05 05 03 AA]", {L"FF,02,05,05,03,AA"}},
      {"HDMI01", Hdmi(9), 2, 5, "G[F2 00 05 22 03 00 00 24]", {L"F2,00,05,22,03,00,00,24"}},
      {"HDMI02", Hdmi(10), 2, 5, "G\"PV02SW0503NT\"", {L"PV02SW0503NT"}},
      {"ANTAI", Hdmi(11), 2, 5, "G\"5*3%\"", {L"5*3%"}},
      {"BAK", Hdmi(12), 2, 5, "G\"0203<05!\"", {L"0203<05!"}},
      {"JVZHEN", Hdmi(13), 2, 5, "G[C8 A5 06 02 05 03 55 AA]", {L"C8,A5,06,02,05,03,55,AA"}},
      {"HDMI03", Hdmi(14), 2, 5, "G\"PV02SV0503NT\"", {L"PV02SV0503NT"}},
      {"SDVI0808", Hdmi(15), 2, 5, "G[EB 90 02 02 02 04 9A]", {L"EB,90,02,02,02,04,9A"}},
      {"HDMI04", Hdmi(16), 2, 5, "G[BB 04 02 02 05 03 55]", {L"BB,04,02,02,05,03,55"}},
      {"HDMI05", Hdmi(17), 2, 5, "G\"PL02SW0503NT\"", {L"PL02SW0503NT"}},
      {"HDMI06", Hdmi(18), 2, 5, "G\"5X3.\"", {L"5X3."}},
      {"HDMI07", Hdmi(19), 2, 5, "G[96 02 01 04 A5 02 04 48]", {L"96,02,01,04,A5,02,04,48"}},
      {"HDMI07 checksum 96", Hdmi(19), 0, 85, "G[96 02 01 04 A5 00 54 6A]", {L"96,02,01,04,A5,00,54,6A"}},
      {"HDMI08", Hdmi(20), 2, 5, "G[41 03 05 7B 21]", {L"41,03,05,7B,21"}},
      {"HDMI09", Hdmi(21), 2, 5, "G[F3 00 05 22 03 00 00 2A]", {L"F3,00,05,22,03,00,00,2A"}},
      {"HDMI10", Hdmi(22), 4, 12, "G\"cir411\\r\\n\"", {L"cir411\r\n"}},
      {"ANTAI2", Hdmi(23), 2, 5, "G\"5*3!\"", {L"5*3!"}},
      {"HDMI11", Hdmi(24), 2, 5, "G\"02V05V03\"", {L"02V05V03"}},
      {"HDMI12", Hdmi(25), 2, 5, "G\"PH02SW0503NT\"", {L"PH02SW0503NT"}},
      {"ANTECE", Hdmi(26), 2, 5, "G\"!02:L5*3~\"", {L"!02:L5*3~"}},
      {"ITC", Hdmi(27), 999, 300, "G\"300B1000.\"", {L"300B1000."}},
  });
}

TEST(DviEncoderTest, YuvAlwaysSendsTheFirstFrameWithTheDviId) {
  TMatrixSettings yuv = OfType(5);
  yuv.DviBrandIndex = 5;
  yuv.HdmiBrandIndex = 6;
  yuv.DviId = L"7";
  yuv.HdmiId = L"9";
  yuv.BrandLabel = L"LANMA";
  ExpectSwitchFrames({
      {"YUV", yuv, 2, 5, "G[96 07 01 06 AF 02 04 02 04 5F]", {L"96,07,01,06,AF,02,04,02,04,5F"}},
  });
}

TEST(DviEncoderTest, SdiAndVgaNeverSendADviFrame) {
  TMatrixSettings sdi = OfType(4);
  sdi.VgaBrandIndex = -1;
  sdi.DviBrandIndex = 3;
  sdi.BrandLabel = L"CREATEK";
  ExpectSwitchFrames({{"SDI", sdi, 2, 5, "", {}}});
}

}  // namespace
