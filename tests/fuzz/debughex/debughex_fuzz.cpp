// What the debug window makes of typed text: the input is the text as UTF-16.
// Only hexadecimal digits are kept, in order; the bytes are the digit pairs,
// so writing them back as hexadecimal gives the kept digits again (an odd
// last one dropped), and nothing typed makes the reader fail.
#include "DebugInput.h"
#include "FuzzSupport.h"
#include "WallFrame.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const String typed = fuzz::Wide(data, size);
  const String digits = HexDigitsOf(typed);
  fuzz::Check(digits.size() <= typed.size(), "more digits than characters");
  for (wchar_t c : digits)
    fuzz::Check((c >= L'0' && c <= L'9') || (c >= L'a' && c <= L'f') || (c >= L'A' && c <= L'F'),
                "a kept character that is no hexadecimal digit");
  const std::vector<uint8_t> bytes = HexPairsToBytes(digits);
  fuzz::Check(bytes.size() == digits.size() / 2, "not one byte per digit pair");
  String again = HexByteList(bytes.data(), bytes.size());
  String plain;
  for (wchar_t c : again)
    if (c != L',') plain += c;
  String expected = digits.substr(0, bytes.size() * 2);
  for (wchar_t& c : expected)
    if (c >= L'a' && c <= L'f') c = wchar_t(c - L'a' + L'A');
  fuzz::Check(plain == expected, "bytes that do not write back as the digits typed");
  return 0;
}
