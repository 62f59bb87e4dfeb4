// Inside the matrix encoders: the frame shapes several brands share, the text
// formats and checksums, and the sink that turns frames into steps. Not for
// other units; they use MatrixEncoders.h.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "MatrixEncoders.h"

namespace matrix_frames {

using TFrame = std::vector<uint8_t>;

// Bytes from integers, each keeping its low eight bits.
TFrame Frame(std::initializer_list<int> values);
// Low eight bits of the sum, and the exclusive-or, of bytes first..last.
uint8_t Sum(const TFrame& frame, size_t first, size_t last);
uint8_t Xor(const TFrame& frame, size_t first, size_t last);
// The frame with one more byte: sum, sum AND 0x7F, or exclusive-or of first..last.
TFrame WithSum(TFrame frame, size_t first, size_t last);
TFrame WithSum7(TFrame frame, size_t first, size_t last);
TFrame WithXor(TFrame frame, size_t first, size_t last);

// num: full value in decimal; dec: low eight bits in decimal; dec2: dec with
// a leading zero below 10; NumN: num with leading zeros up to `width` digits;
// hex2: low eight bits as two upper-case hexadecimal digits.
String Num(int x);
String Dec(int x);
String Dec2(int x);
String NumN(int x, size_t width);
String Hex2(int x);

// Shapes several brands share; out and in count from 1, the ids are values.
TFrame OdtFrame(int out, int in);                                  // F4 in 21 out 00 00 sum[1..5]
TFrame RouteTwiceFrame(int start, int id, int cmd, int out, int in);  // start id 01 06 cmd o i o i sum[0..8]
TFrame RouteOnceFrame(int start, int id, int cmd, int out, int in);   // start id 01 04 cmd o i sum[0..6]
TFrame LanmaFrame(int id, int cmd, int out, int in);              // FF id cmd in out AA
TFrame SysFrame(int id, int out, int in);                         // BB 04 id 02 in out 55
TFrame SisoFrame(int mode, int id, int out, int in);              // F2 inH inL 22 out mode id xor[1..6]
TFrame C8Frame(int b1, int b2, int b3, int out, int in);          // C8 b1 b2 b3 in out 55 AA
TFrame SdviFrame(int out, int in);                                // EB 90 02 02 o i sum[1..5]
TFrame PearmainFrame(int id, int b2, int out, int in);            // F6/F7 forms, split at output 200
TFrame BaxallFrame(int out, int in);                              // F3 00 in 22 out 00 00 sum[1..6]
TFrame Route81Frame(int start, int out, int in);                  // start in 00 81 out 00 00 sum[1..6]

// The port number base + offset - 1 from a base-port box. EConvertError with the
// box's text when the text is no number or the sum leaves the integer range.
int BasePortNumber(const String& base, int offset);

String InOutText(int in, const wchar_t* middle, int out, const wchar_t* tail);  // dec(in) middle dec(out) tail
String SamplexText(const wchar_t* head, const String& id, const String& baseOut, const String& baseIn, int out,
                   int in);
String FlowviaText(const wchar_t* head, const String& id, const wchar_t* cmd, int out, int in);
String IdOutInText(const String& id, const wchar_t* middle, int out, int in);   // id dec(out) m dec(in) "!"
String IdOutIn2Text(const String& id, const wchar_t* middle, int out, int in);  // id dec2(out) m dec2(in) "!"
String IdVVText(const String& id, int out, int in);                            // id "V" num2(in) "V" num2(out)
String AntecText(const wchar_t* mode, const String& id, int out, int in);      // "!" id mode dec(in) "*" dec(out) "~"

// Appends one frame at a time to a step list, with its echo line: binary
// frames one byte per write, texts in one write in the ANSI code page.
class TSink {
 public:
  TSink(TMatrixSteps& steps, TMatrixPort port);
  void Binary(const TFrame& frame);             // echo: hex bytes separated by ","
  void BinaryUnseparated(const TFrame& frame);  // echo: hex bytes run together
  void Text(const String& text, const wchar_t* echoPrefix = L"");
  // A byte, a text and a byte in three writes; echo "hex,text,hex".
  void Framed(int first, const String& text, int last);
  // A text written to the wall controller's port, whatever the transport.
  void WallText(const String& text);
  void Pause(unsigned ms);

 private:
  void Write(TMatrixPort port, bool binary, std::string bytes);
  void WriteBytes(const TFrame& frame);
  void Echo(String line);
  static String HexList(const TFrame& frame, const wchar_t* separator);

  TMatrixSteps& FSteps;
  TMatrixPort FPort;
};

// The three groups of SwitchMatrix; out and in count from 1.
void SwitchVideoGroup(const TMatrixSettings& settings, int out, int in, TMatrixSteps& steps);
void SwitchVgaGroup(const TMatrixSettings& settings, int out, int in, TMatrixSteps& steps);
void SwitchDviHdmiGroup(const TMatrixSettings& settings, int out, int in, TMatrixSteps& steps);

}  // namespace matrix_frames
