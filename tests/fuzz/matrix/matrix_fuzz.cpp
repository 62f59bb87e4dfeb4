// Matrix frames from a settings snapshot as cfg.ini and the wiring grid give
// it: brand indices and names, ids and base ports as typed, output, input
// and scene numbers. Every route, scene and preset builder either answers its
// steps or raises the conversion error; each write carries bytes.
#include <algorithm>
#include <iterator>

#include "FuzzSupport.h"
#include "MatrixEncoders.h"

namespace {

const wchar_t* const kSignalTypes[] = {L"VIDEO", L"VGA", L"DVI", L"HDMI", L"SDI", L"YUV", L"VIDEO2"};
// The names the encoders tell brands by.
const wchar_t* const kBrands[] = {
    L"AE", L"AE-VGA", L"ANTAI", L"ANTAI2", L"ANTAI3", L"ANTECE", L"AV06", L"AV07", L"AV09", L"BAK",
    L"CHUANGGAO", L"CREATEK", L"CZ-VGA", L"DVI01", L"DVI02", L"DVI03", L"DVI04", L"DVI05", L"HDMI01",
    L"HDMI02", L"HDMI03", L"HDMI04", L"HDMI05", L"HDMI06", L"HDMI07", L"HDMI08", L"HDMI09", L"HDMI10",
    L"HDMI11", L"HDMI12", L"ITC", L"JVZHEN", L"LANMA", L"ODT", L"PC-VGA", L"PEARMAIN", L"PEARMAIN2",
    L"PG_MUL", L"SDVI0808", L"SISO", L"SISO-02", L"SYS", L"Samplex", L"TMX-VGA", L"VGA06", L"VGA07",
    L"VGA08", L"VGA09", L"VGA10", L"VGA11", L"VGA12", L"VGA13", L"VGA14", L"VGA3", L"WDK-VGA", L"YJ",
    L"YJ_VGA", L"btran-888", L""};

String Brand(fuzz::TFuzzReader& in) { return kBrands[in.Pick(std::size(kBrands))]; }

// A number as typed in a box: mostly digits, sometimes anything.
String Typed(fuzz::TFuzzReader& in) { return in.Text(12); }

void CheckSteps(const TMatrixSteps& steps) {
  for (const TMatrixStep& step : steps)
    if (step.Kind == TMatrixStepKind::Write) fuzz::Check(!step.Bytes.empty(), "a matrix write carries no bytes");
}

template <class F>
void Build(F f) {
  TMatrixSteps steps;
  try {
    f(steps);
  } catch (const EConvertError&) {
  }
  CheckSteps(steps);  // frames complete before an error are still sent
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 512) return 0;
  fuzz::TFuzzReader in(data, size);
  TMatrixSettings s;
  s.SignalTypeIndex = int(in.Pick(std::size(kSignalTypes)));
  s.SignalTypeText = kSignalTypes[s.SignalTypeIndex];
  s.BrandLabel = Brand(in);
  s.Linkage = in.Bool();
  s.VideoBrandIndex = in.Int<int8_t>();
  s.VideoBrandText = Brand(in);
  s.VgaBrandIndex = in.Int<int8_t>();
  s.VgaBrandText = Brand(in);
  s.DviBrandIndex = in.Int<int8_t>();
  s.DviBrandText = Brand(in);
  s.HdmiBrandIndex = in.Int<int8_t>();
  s.HdmiBrandText = Brand(in);
  s.VideoId = Typed(in);
  s.VgaId = Typed(in);
  s.DviId = Typed(in);
  s.HdmiId = Typed(in);
  s.OutputBasePort = Typed(in);
  s.InputBasePort = Typed(in);
  // Outputs, inputs and scene numbers reach the encoders from the wiring grid,
  // the input list and the preset list: 16 bits hold every real one, and the
  // console bounds what it reads before it calls them.
  const int output = in.Int<int16_t>(), input = in.Int<int16_t>(), n = in.Int<int16_t>();

  Build([&](TMatrixSteps& steps) { BuildSwitchMatrix(s, output, input, steps); });
  Build([&](TMatrixSteps& steps) { BuildSaveVideoMatrixScene(s, n, steps); });
  Build([&](TMatrixSteps& steps) { BuildRecallVideoMatrixScene(s, n, steps); });
  Build([&](TMatrixSteps& steps) { BuildSaveVgaMatrixScene(s, n, steps); });
  Build([&](TMatrixSteps& steps) { BuildRecallVgaMatrixScene(s, n, steps); });
  Build([&](TMatrixSteps& steps) { BuildSavePresetString(s, n, steps); });
  Build([&](TMatrixSteps& steps) { BuildRecallPresetString(s, n, steps); });
  return 0;
}
