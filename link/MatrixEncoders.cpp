// Frame shapes shared by the matrix brands, the text formats and checksums,
// and the step list they are written into.
#include "MatrixEncoders_frames.h"

#include "SysUtils.h"

namespace matrix_frames {

TFrame Frame(std::initializer_list<int> values) {
  TFrame frame;
  frame.reserve(values.size() + 1);
  for (int v : values) frame.push_back(uint8_t(v));
  return frame;
}

uint8_t Sum(const TFrame& frame, size_t first, size_t last) {
  unsigned sum = 0;
  for (size_t i = first; i <= last; ++i) sum += frame[i];
  return uint8_t(sum);
}

uint8_t Xor(const TFrame& frame, size_t first, size_t last) {
  uint8_t x = 0;
  for (size_t i = first; i <= last; ++i) x ^= frame[i];
  return x;
}

TFrame WithSum(TFrame frame, size_t first, size_t last) {
  frame.push_back(Sum(frame, first, last));
  return frame;
}

TFrame WithSum7(TFrame frame, size_t first, size_t last) {
  frame.push_back(Sum(frame, first, last) & 0x7F);
  return frame;
}

TFrame WithXor(TFrame frame, size_t first, size_t last) {
  frame.push_back(Xor(frame, first, last));
  return frame;
}

// --- Texts ------------------------------------------------------------------------------

String Num(int x) { return std::to_wstring(x); }

String Dec(int x) { return std::to_wstring(unsigned(x) & 0xFFu); }

String Dec2(int x) { return x < 10 ? L"0" + Dec(x) : Dec(x); }

String NumN(int x, size_t width) {
  long long v = x;
  String digits = std::to_wstring(v < 0 ? -v : v);
  if (digits.size() < width) digits.insert(0, width - digits.size(), L'0');
  return v < 0 ? L"-" + digits : digits;
}

String Hex2(int x) { return IntToHex(int32_t(unsigned(x) & 0xFFu), 2); }

// --- Frame shapes -----------------------------------------------------------------------

TFrame OdtFrame(int out, int in) { return WithSum(Frame({0xF4, in, 0x21, out, 0x00, 0x00}), 1, 5); }

TFrame RouteTwiceFrame(int start, int id, int cmd, int out, int in) {
  return WithSum(Frame({start, id, 0x01, 0x06, cmd, out - 1, in - 1, out - 1, in - 1}), 0, 8);
}

TFrame RouteOnceFrame(int start, int id, int cmd, int out, int in) {
  return WithSum(Frame({start, id, 0x01, 0x04, cmd, out - 1, in - 1}), 0, 6);
}

TFrame LanmaFrame(int id, int cmd, int out, int in) { return Frame({0xFF, id, cmd, in, out, 0xAA}); }

TFrame SysFrame(int id, int out, int in) { return Frame({0xBB, 0x04, id, 0x02, in, out, 0x55}); }

TFrame SisoFrame(int mode, int id, int out, int in) {
  return WithXor(Frame({0xF2, in / 256, in % 256, 0x22, out, mode, id}), 1, 6);
}

TFrame C8Frame(int b1, int b2, int b3, int out, int in) { return Frame({0xC8, b1, b2, b3, in, out, 0x55, 0xAA}); }

TFrame SdviFrame(int out, int in) { return WithSum(Frame({0xEB, 0x90, 0x02, 0x02, out - 1, in - 1}), 1, 5); }

TFrame PearmainFrame(int id, int b2, int out, int in) {
  if (out < 200) return Frame({0xF6, id, b2, out, in / 100, in % 100, 0x1F});
  return Frame({0xF7, id, b2, out / 200, out % 200, in / 100, in % 100, 0x1F});
}

TFrame BaxallFrame(int out, int in) { return WithSum(Frame({0xF3, 0x00, in, 0x22, out, 0x00, 0x00}), 1, 6); }

TFrame Route81Frame(int start, int out, int in) {
  return WithSum(Frame({start, in, 0x00, 0x81, out, 0x00, 0x00}), 1, 6);
}

int BasePortNumber(const String& base, int offset) {
  const int64_t number = int64_t(StrToInt(base)) + offset - 1;
  if (number < INT32_MIN || number > INT32_MAX) vamire_detail::RaiseConvertError(&SInvalidInteger, base);
  return int(number);
}

String InOutText(int in, const wchar_t* middle, int out, const wchar_t* tail) {
  return Dec(in) + middle + Dec(out) + tail;
}

String SamplexText(const wchar_t* head, const String& id, const String& baseOut, const String& baseIn, int out,
                   int in) {
  // The leading zero follows the port numbers themselves, not the numbers
  // after the base ports are added.
  const int input = BasePortNumber(baseIn, in), output = BasePortNumber(baseOut, out);
  return head + id + L"SW" + (in <= 9 ? L"0" : L"") + Dec(input) + (out <= 9 ? L"0" : L"") + Dec(output) + L"NT";
}

String FlowviaText(const wchar_t* head, const String& id, const wchar_t* cmd, int out, int in) {
  return head + id + cmd + Dec2(in) + Dec2(out) + L"NT";
}

String IdOutInText(const String& id, const wchar_t* middle, int out, int in) {
  return id + Dec(out) + middle + Dec(in) + L"!";
}

String IdOutIn2Text(const String& id, const wchar_t* middle, int out, int in) {
  return id + Dec2(out) + middle + Dec2(in) + L"!";
}

String IdVVText(const String& id, int out, int in) { return id + L"V" + NumN(in, 2) + L"V" + NumN(out, 2); }

String AntecText(const wchar_t* mode, const String& id, int out, int in) {
  return L"!" + id + mode + Dec(in) + L"*" + Dec(out) + L"~";
}

// --- Step list --------------------------------------------------------------------------

TSink::TSink(TMatrixSteps& steps, TMatrixPort port) : FSteps(steps), FPort(port) {}

void TSink::Write(TMatrixPort port, bool binary, std::string bytes) {
  TMatrixStep step;
  step.Kind = TMatrixStepKind::Write;
  step.Port = port;
  step.Binary = binary;
  step.Bytes = std::move(bytes);
  FSteps.push_back(std::move(step));
}

void TSink::Echo(String line) {
  TMatrixStep step;
  step.Kind = TMatrixStepKind::Echo;
  step.Line = std::move(line);
  FSteps.push_back(std::move(step));
}

void TSink::Pause(unsigned ms) {
  TMatrixStep step;
  step.Kind = TMatrixStepKind::Pause;
  step.PauseMs = ms;
  FSteps.push_back(std::move(step));
}

void TSink::WriteBytes(const TFrame& frame) {
  for (uint8_t b : frame) Write(FPort, true, std::string(1, char(b)));
}

String TSink::HexList(const TFrame& frame, const wchar_t* separator) {
  String line;
  for (size_t i = 0; i < frame.size(); ++i) {
    if (i) line += separator;
    line += Hex2(frame[i]);
  }
  return line;
}

void TSink::Binary(const TFrame& frame) {
  WriteBytes(frame);
  Echo(HexList(frame, L","));
}

void TSink::BinaryUnseparated(const TFrame& frame) {
  WriteBytes(frame);
  Echo(HexList(frame, L""));
}

void TSink::Text(const String& text, const wchar_t* echoPrefix) {
  Write(FPort, false, StringToAnsi(text));
  Echo(echoPrefix + text);
}

void TSink::Framed(int first, const String& text, int last) {
  WriteBytes(Frame({first}));
  Write(FPort, false, StringToAnsi(text));
  WriteBytes(Frame({last}));
  Echo(Hex2(first) + L"," + text + L"," + Hex2(last));
}

void TSink::WallText(const String& text) { Write(TMatrixPort::WallPort, false, StringToAnsi(text)); }

}  // namespace matrix_frames

// --- Route switch -----------------------------------------------------------------------

using namespace matrix_frames;

void BuildSwitchMatrix(const TMatrixSettings& settings, int output, int input, TMatrixSteps& steps) {
  const int out = output + 1, in = input;
  const int t = settings.SignalTypeIndex;
  const String& type = settings.SignalTypeText;
  if (t == 0) SwitchVideoGroup(settings, out, in, steps);
  if (type == L"VGA" || t == 4) SwitchVgaGroup(settings, out, in, steps);
  if (t == 3 || t == 5 || type == L"DVI") SwitchDviHdmiGroup(settings, out, in, steps);
}

TMatrixSteps BuildSwitchMatrix(const TMatrixSettings& settings, int output, int input) {
  TMatrixSteps steps;
  BuildSwitchMatrix(settings, output, input, steps);
  return steps;
}
