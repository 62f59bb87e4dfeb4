// Route frames of the RGB/VGA matrix brands (the VGA list of the matrix
// configuration, which also serves SDI), sent through the RGB/VGA route.
#include "MatrixEncoders_frames.h"
#include "SysUtils.h"

namespace matrix_frames {

namespace {

void VgaIndexRule(TSink& f, const TMatrixSettings& s, int out, int in) {
  const String& id = s.VgaId;
  switch (s.VgaBrandIndex) {
    case 0:  // CREATEK
      f.Text(InOutText(in, L"V", out, L"."));
      break;
    case 1:  // Samplex
      f.Text(SamplexText(L"PV", id, s.OutputBasePort, s.InputBasePort, out, in));
      break;
    case 2:  // VGA01
      f.Binary(RouteTwiceFrame(0x96, StrToInt(id), 0xA3, out, in));
      break;
    case 3:  // VGA02
      f.Binary(Frame({0x96, StrToInt(id), 0x01, 0x04, 0xA0, out - 1, in - 1, 0x00}));
      break;
    case 4: {  // Triolion: EB starts a frame, so a checksum of EB is sent as 14
      TFrame frame = WithSum(Frame({0xEB, StrToInt(id), 0x02, 0x02, out - 1, in - 1}), 1, 5);
      if (frame.back() == 0xEB) frame.back() = 0x14;
      f.Binary(frame);
      break;
    }
    case 5:  // CK-VGA
      f.Binary(LanmaFrame(StrToInt(id), 0x04, out, in));
      break;
    case 6:  // VGA03
      f.Text(AntecText(L":G", id, out, in));
      break;
    case 7:  // VGA04: a wake-up byte to the wall controller's port first
      f.WallText(L".");
      f.Pause(5);
      f.Text(InOutText(in, L"V", out, L"."));
      break;
    case 8:  // VMW-JCVGA
      f.Text(IdOutInText(id, L"(", out, in));
      break;
    case 9:  // VGA05
      f.Text(L"*" + InOutText(in, L"R", out, L"#"));
      break;
    case 10:  // XM-VGA
      f.Text(IdOutIn2Text(id, L"(", out, in));
      break;
    case 11:  // flowvia
      f.Text(FlowviaText(L"PV", id, L"SW", out, in));
      break;
    case 12:  // MK
      f.Binary(SysFrame(StrToInt(id), out, in));
      break;
    case 13:  // SISO
      f.Binary(SisoFrame(0x00, StrToInt(id), out, in));
      break;
    default:
      break;
  }
}

void VgaListRule(TSink& f, const TMatrixSettings& s, int out, int in) {
  const String& list = s.VgaBrandText;
  const String& id = s.VgaId;
  if (list == L"AE-VGA") {
    f.Text(IdVVText(id, out, in));
  } else if (list == L"CHUANGGAO") {
    f.Text(Num(in) + L"B" + Num(out) + L".");
  } else if (list == L"ODT") {
    f.Binary(OdtFrame(out, in));
  } else if (list == L"YJ_VGA") {
    f.Binary(C8Frame(0xAA, 0x00, 0x03, out, in));
  } else if (list == L"PC-VGA") {
    f.Text(L"^SWI" + NumN(in, 3) + NumN(out, 3) + L"$");
  } else if (list == L"btran-888") {
    f.Binary(RouteTwiceFrame(0xF6, StrToInt(id), 0xAF, out, in));
  } else if (list == L"VGA3") {
    f.Binary(Frame({0x7E, 0xFF, in, out, 0x00, 0x0D}));
  } else if (list == L"PG_MUL") {
    f.Binary(RouteOnceFrame(0xBA, StrToInt(id), 0xA0, out, in));
  } else if (list == L"ANTAI") {
    f.Text(InOutText(in, L"*", out, L"%"));
  } else if (list == L"ANTAI2") {
    f.Text(InOutText(in, L"G", out, L"!"));
  } else if (list == L"ANTAI3") {
    f.Text(InOutText(in, L"*", out, L"!"));
  } else if (list == L"CZ-VGA") {
    f.Text(InOutText(in, L",", out, L",V"));
  }
}

void VgaLabelRule(TSink& f, const TMatrixSettings& s, int out, int in) {
  const String& label = s.BrandLabel;
  const String& id = s.VgaId;
  if (label == L"LANMA") {
    f.Binary(LanmaFrame(StrToInt(id), 0x03, out, in));
  } else if (label == L"VGA06") {
    f.Binary(SysFrame(StrToInt(id), out, in));
  } else if (label == L"VGA07") {
    f.Text(id + L"I" + Dec(in) + L"O" + Dec(out) + L"<!");
  } else if (label == L"VGA08") {
    f.Text(L"<" + InOutText(in, L",", out, L",V>"));
  } else if (label == L"VGA09") {
    f.Text(id + L"V" + Dec2(in) + L"V" + Dec2(out));
  } else if (label == L"VGA10") {
    f.Binary(C8Frame(0xA5, 0x06, 0x03, out, in));
  } else if (label == L"VGA11") {
    f.Text(InOutText(in, L"V", out, L""));
  } else if (label == L"VGA12") {
    f.Text(id + L"V" + Dec2(in) + L"M" + Dec2(out));
  } else if (label == L"VGA13") {
    f.Binary(RouteOnceFrame(0x96, StrToInt(id), 0xA0, out, in));
  } else if (label == L"VGA14") {
    f.Binary(LanmaFrame(StrToInt(id), 0x05, out, in));
  } else if (label == L"TMX-VGA") {
    f.Binary(Route81Frame(0xFF, out, in));
  } else if (label == L"ANTECE") {
    f.Text(AntecText(L":L", id, out, in));
  }
}

void VgaLateListRule(TSink& f, const TMatrixSettings& s, int out, int in) {
  const String& list = s.VgaBrandText;
  const String& id = s.VgaId;
  if (list == L"SISO-02") {
    f.Binary(SisoFrame(0x01, StrToInt(id), out, in));
  } else if (list == L"WDK-VGA") {
    f.Binary(WithSum(Frame({0xA5, 0x00, StrToInt(id), 0x01, out, in, 0x02}), 0, 6));
  } else if (list == L"PEARMAIN") {
    f.Binary(PearmainFrame(StrToInt(id), 0x00, out, in));
  }
}

}  // namespace

void SwitchVgaGroup(const TMatrixSettings& s, int out, int in, TMatrixSteps& steps) {
  TSink f(steps, TMatrixPort::VgaMatrix);
  VgaIndexRule(f, s, out, in);
  VgaListRule(f, s, out, in);
  if (s.SignalTypeText == L"VGA") VgaLabelRule(f, s, out, in);
  VgaLateListRule(f, s, out, in);
}

}  // namespace matrix_frames
