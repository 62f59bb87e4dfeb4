#include "DebugInput.h"

namespace {

bool IsHexDigit(wchar_t c) { return (c >= L'0' && c <= L'9') || (c >= L'a' && c <= L'f') || (c >= L'A' && c <= L'F'); }

int HexValue(wchar_t c) {
  if (c <= L'9') return c - L'0';
  return (c | 0x20) - L'a' + 10;
}

}  // namespace

String HexDigitsOf(const String& text) {
  String digits;
  for (wchar_t c : text)
    if (IsHexDigit(c)) digits += c;
  return digits;
}

std::vector<uint8_t> HexPairsToBytes(const String& digits) {
  std::vector<uint8_t> bytes;
  for (size_t i = 0; i + 1 < digits.size(); i += 2)
    bytes.push_back(uint8_t(HexValue(digits[i]) << 4 | HexValue(digits[i + 1])));
  return bytes;
}
