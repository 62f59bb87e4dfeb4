// Route frames of the video matrix brands (the video list of the matrix
// configuration), sent through the video-matrix route.
#include "MatrixEncoders_frames.h"
#include "SysUtils.h"

namespace matrix_frames {

namespace {

// BB b1 b2 (in-1) mod 255 (in-1) div 255 00 00 sum[0..6]: the input split in
// base 255, as these switchers count it.
TFrame Base255Frame(int b1, int b2, int in) {
  return WithSum(Frame({0xBB, b1, b2, (in - 1) % 255, (in - 1) / 255, 0x00, 0x00}), 0, 6);
}

void VideoIndexRule(TSink& f, const TMatrixSettings& s, int out, int in) {
  const String& id = s.VideoId;
  switch (s.VideoBrandIndex) {
    case 0:  // VINET
      f.BinaryUnseparated(WithSum7(Frame({0xFC, 0x01, 0x00, in - 1, out - 1, 0x01}), 0, 5));
      break;
    case 1:  // PELCO
      f.Text(Num(out - 1) + L"Ma" + Num(in - 1) + L"#a");
      break;
    case 2:  // ACV
      f.Binary(OdtFrame(out, in));
      break;
    case 3:  // Infinova
      f.Text(Dec(BasePortNumber(s.OutputBasePort, out)) + L"Ma" + Dec(in) + L"#a");
      break;
    case 4:  // Samplex
      f.Text(SamplexText(L"PA", id, s.OutputBasePort, s.InputBasePort, out, in));
      break;
    case 5: {  // shenshiyin: inputs above 127 carry their top bit in a byte of their own
      const bool high = in > 127;
      f.Binary(WithSum7(Frame({0xF6, 0x88, high ? 0x80 : 0x00, high ? in - 128 : in, out, 0x01}), 1, 5));
      break;
    }
    case 6:  // AV01
      f.Binary(RouteTwiceFrame(0x96, StrToInt(id), 0xA4, out, in));
      break;
    case 7:  // AV02
      f.Binary(LanmaFrame(StrToInt(id), 0x03, out, in));
      break;
    case 8: {  // AV03
      TFrame frame = Route81Frame(0xF8, out, in);
      frame.push_back(0xFF);
      f.Binary(frame);
      break;
    }
    case 9:  // AV04
      f.Framed(0x02, L"00F" + Hex2(in) + Hex2(out), 0x03);
      break;
    case 10: {  // PEARMAIN
      const int v = StrToInt(id);
      f.Text(L"N" + NumN(v, 2) + NumN(v, 3) + NumN(out, 3) + NumN(in, 4) + L"031000000B");
      break;
    }
    case 11:  // BAXALL
      f.Binary(BaxallFrame(out, in));
      break;
    case 12:  // TIANDY
      f.Binary(Frame({0xFA, 0xFA, 0x0C, 0x81, 0xC0, 0x00, out, 0x00, in, StrToInt(id), 0xFD, 0xFD}));
      break;
    case 13:  // VMW-JCAV
      f.Text(IdOutInText(id, L"[", out, in));
      break;
    case 14:  // AV05
      f.Text(L"*" + InOutText(in, L"V", out, L"#"));
      break;
    case 15:  // GALAXY
      f.Framed(0x01, L"AS01V" + Hex2(out - 1) + Hex2(in - 1) + L"T06", 0x04);
      break;
    case 16:  // XM-AV
      f.Text(IdOutIn2Text(id, L"[", out, in));
      break;
    case 17:  // flowvia
      f.Text(FlowviaText(L"PA", id, L"SW", out, in));
      break;
    case 18:  // pangu
      f.Binary(Frame({0xBB, StrToInt(id), in - 1, out - 1}));
      break;
    case 19:  // BTRAN-888
      f.Binary(RouteTwiceFrame(0xF6, StrToInt(id), 0xAF, out, in));
      break;
    default:
      break;
  }
}

void VideoLabelRule(TSink& f, const TMatrixSettings& s, int out, int in) {
  const String& label = s.BrandLabel;
  const String& id = s.VideoId;
  if (label == L"LANMA") {
    f.Binary(LanmaFrame(StrToInt(id), 0x05, out, in));
  } else if (label == L"AE") {
    const int low = in >= 256 ? in % 256 : in, high = in >= 256 ? in / 256 : 0;
    f.Binary(WithSum(Frame({0xA5, low, high, 0x81, out, 0x00, StrToInt(id)}), 1, 6));
  } else if (label == L"PG_MUL") {
    f.Binary(RouteOnceFrame(0xBA, StrToInt(id), 0xA1, out, in));
  } else if (label == L"PEARMAIN2") {
    f.Binary(PearmainFrame(StrToInt(id), 0x01, out, in));
  } else if (label == L"AV06") {
    f.Binary(Base255Frame(0x01, out - 1, in));
  } else if (label == L"SYS") {
    f.Binary(SysFrame(StrToInt(id), out, in));
  } else if (label == L"CREATEK") {
    f.Text(InOutText(in, L"V", out, L"."));
  } else if (label == L"ANTAI") {
    f.Text(InOutText(in, L"*", out, L"%"));
  } else if (label == L"ANTAI2") {
    f.Text(InOutText(in, L"R", out, L"!"));
  } else if (label == L"AV07") {
    f.Text(IdOutInText(id, L"<", out, in));
  } else if (label == L"ANTECE") {
    f.Text(AntecText(L":L", id, out, in));
  } else if (label == L"AV09") {
    // Output and input go in two frames; the switcher needs the pause between them.
    f.Binary(WithSum(Frame({0xBB, 0x02, 0x01, out - 1, 0x00, 0x00, 0x00}), 0, 6));
    f.Pause(50);
    f.Binary(Base255Frame(0x02, 0x02, in));
  }
}

}  // namespace

void SwitchVideoGroup(const TMatrixSettings& s, int out, int in, TMatrixSteps& steps) {
  TSink f(steps, TMatrixPort::VideoMatrix);
  VideoIndexRule(f, s, out, in);
  if (s.VideoBrandText == L"ODT") f.Binary(OdtFrame(out, in));
  if (s.SignalTypeText == L"VIDEO") VideoLabelRule(f, s, out, in);
}

}  // namespace matrix_frames
