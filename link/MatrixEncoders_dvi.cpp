// Route frames of the DVI and HDMI matrix brands, also used for YUV, sent
// through the RGB/VGA/DVI route.
#include "MatrixEncoders_frames.h"
#include "SysUtils.h"

namespace matrix_frames {

namespace {

String BracketText(int out, int in) { return L"<" + Num(in) + L"," + Num(out) + L",V>"; }

void DviHdmiIndexRule(TSink& f, const TMatrixSettings& s, int out, int in) {
  const bool dvi = s.SignalTypeText == L"DVI", hdmi = s.SignalTypeText == L"HDMI";
  const int k = dvi ? s.DviBrandIndex : hdmi ? s.HdmiBrandIndex : 0;
  const String& id = hdmi ? s.HdmiId : s.DviId;
  switch (k) {
    case 0:  // always with the DVI id, also for HDMI and YUV
      f.Binary(RouteTwiceFrame(0x96, StrToInt(s.DviId), 0xAF, out, in));
      break;
    case 1:
      f.Text(InOutText(in, L",", out, L",V"));
      break;
    case 2:
      f.Text(IdOutInText(id, L"(", out, in));
      break;
    case 3:
      f.Text(InOutText(in, L"V", out, L"."));
      break;
    case 4:
      f.Binary(SisoFrame(0x00, StrToInt(id), out, in));
      break;
    case 5:
      f.Text(dvi ? Num(in) + L"*" + Num(out) + L"%" : BracketText(out, in));
      break;
    case 6:
      if (dvi) f.Text(BracketText(out, in));
      else f.Binary(OdtFrame(out, in));
      break;
    case 7:
      if (dvi) f.Binary(Frame({0xF6, StrToInt(s.DviId), 0x01, 0x04, 0xA1, out - 1, in - 1, 0x00}));
      break;
    default:
      break;
  }
}

void HdmiLabelRule(TSink& f, const TMatrixSettings& s, int out, int in) {
  const String& label = s.BrandLabel;
  const String& id = s.HdmiId;
  if (label == L"PG_MUL") {
    f.Binary(RouteOnceFrame(0xBA, StrToInt(id), 0xA6, out, in));
  } else if (label == L"LANMA") {
    f.Binary(LanmaFrame(StrToInt(id), 0x05, out, in));
  } else if (label == L"HDMI01") {
    f.Binary(SisoFrame(0x00, 0x00, out, in));
  } else if (label == L"HDMI02") {
    f.Text(FlowviaText(L"PV", id, L"SW", out, in));
  } else if (label == L"ANTAI") {
    f.Text(InOutText(in, L"*", out, L"%"));
  } else if (label == L"BAK") {
    f.Text(IdOutIn2Text(id, L"<", out, in));
  } else if (label == L"JVZHEN") {
    f.Binary(C8Frame(0xA5, 0x06, 0x02, out, in));
  } else if (label == L"HDMI03") {
    f.Text(FlowviaText(L"PV", id, L"SV", out, in));
  } else if (label == L"SDVI0808") {
    f.Binary(SdviFrame(out, in));
  } else if (label == L"HDMI04") {
    f.Binary(SysFrame(StrToInt(id), out, in));
  } else if (label == L"HDMI05") {
    f.Text(FlowviaText(L"PL", id, L"SW", out, in));
  } else if (label == L"HDMI06") {
    f.Text(InOutText(in, L"X", out, L"."));
  } else if (label == L"HDMI07") {
    // 96 starts a frame, so a checksum of 96 is sent as 6A.
    TFrame frame = RouteOnceFrame(0x96, StrToInt(id), 0xA5, out, in);
    if (frame.back() == 0x96) frame.back() = 0x6A;
    f.Binary(frame);
  } else if (label == L"HDMI08") {
    f.Binary(Frame({0x41, out, in, 0x7B, 0x21}));
  } else if (label == L"HDMI09") {
    f.Binary(BaxallFrame(out, in));
  } else if (label == L"HDMI10") {
    f.Text(L"cir" + Num(out - 1) + Num(in - 1) + L"\r\n");
  } else if (label == L"ANTAI2") {
    f.Text(Num(in) + L"*" + Num(out) + L"!");
  } else if (label == L"HDMI11") {
    f.Text(IdVVText(id, out, in));
  } else if (label == L"HDMI12") {
    f.Text(FlowviaText(L"PH", id, L"SW", out, in));
  } else if (label == L"ANTECE") {
    f.Text(AntecText(L":L", id, out, in));
  } else if (label == L"ITC") {
    f.Text(Num(in) + L"B" + Num(out) + L".");
  }
}

void DviLabelRule(TSink& f, const TMatrixSettings& s, int out, int in) {
  const String& label = s.BrandLabel;
  const String& id = s.DviId;
  if (label == L"PG_MUL") {
    f.Binary(RouteOnceFrame(0xBA, StrToInt(id), 0xA5, out, in));
  } else if (label == L"LANMA") {
    f.Binary(LanmaFrame(StrToInt(id), 0x05, out, in));
  } else if (label == L"CREATEK") {
    f.Text(InOutText(in, L"V", out, L"."));
  } else if (label == L"DVI01") {
    f.Text(IdOutIn2Text(id, L"<", out, in));
  } else if (label == L"DVI02") {
    f.Text(FlowviaText(L"PV", id, L"SW", out, in));
  } else if (label == L"DVI03") {
    f.Binary(C8Frame(0xA5, 0x06, 0x01, out, in));
  } else if (label == L"SDVI0808") {
    f.Binary(SdviFrame(out, in));
  } else if (label == L"ANTAI") {
    f.Text(InOutText(in, L"*", out, L"!"));
  } else if (label == L"DVI04") {
    f.Text(IdVVText(id, out, in));
  } else if (label == L"DVI05") {
    f.Text(FlowviaText(L"PD", id, L"SW", out, in));
  } else if (label == L"ANTECE") {
    f.Text(AntecText(L":L", id, out, in));
  }
}

}  // namespace

void SwitchDviHdmiGroup(const TMatrixSettings& s, int out, int in, TMatrixSteps& steps) {
  TSink f(steps, TMatrixPort::VgaMatrix);
  DviHdmiIndexRule(f, s, out, in);
  if (s.SignalTypeText == L"HDMI") HdmiLabelRule(f, s, out, in);
  if (s.SignalTypeText == L"DVI") DviLabelRule(f, s, out, in);
}

}  // namespace matrix_frames
