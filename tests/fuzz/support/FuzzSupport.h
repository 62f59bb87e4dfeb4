// Small helpers for fuzz targets: fuzz bytes as the runtime's text types, a
// reader of typed values from the input, and the check that stops a run on a
// broken property (a crash is what libFuzzer and the replay test both see).
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "SysUtils.h"
#include "System.h"

namespace fuzz {

// The bytes as UTF-16 code units, little-endian (a trailing odd byte is dropped):
// every unit, lone surrogates included, reaches the reader.
inline String Wide(const uint8_t* data, size_t size) {
  String s(size / 2, L'\0');
  for (size_t i = 0; i < s.size(); ++i) s[i] = wchar_t(data[2 * i] | data[2 * i + 1] << 8);
  return s;
}

// The bytes as text, one code unit per byte (Latin-1): ASCII syntax stays readable
// for libFuzzer's dictionaries and comparisons.
inline String Narrow(const uint8_t* data, size_t size) {
  String s(size, L'\0');
  for (size_t i = 0; i < size; ++i) s[i] = wchar_t(data[i]);
  return s;
}

// Takes typed values from the front of the input; zeros once it runs out.
class TFuzzReader {
 public:
  TFuzzReader(const uint8_t* data, size_t size) : FData(data), FSize(size) {}
  uint8_t Byte() { return FPos < FSize ? FData[FPos++] : 0; }
  template <class T>
  T Int() {
    uint64_t v = 0;
    for (size_t i = 0; i < sizeof(T); ++i) v |= uint64_t(Byte()) << (8 * i);
    return T(v);
  }
  bool Bool() { return Byte() & 1; }
  // A value in [0, n).
  unsigned Pick(unsigned n) { return n ? Byte() % n : 0; }
  // A text of up to max bytes, taken one byte a unit, ended by a zero byte.
  String Text(size_t max) {
    String s;
    while (FPos < FSize && s.size() < max) {
      const uint8_t c = FData[FPos++];
      if (c == 0) break;
      s += wchar_t(c);
    }
    return s;
  }
  // The rest as one text (Narrow).
  String Rest() {
    String s = Narrow(FData + FPos, FSize - FPos);
    FPos = FSize;
    return s;
  }
  const uint8_t* Data() const { return FData + FPos; }
  size_t Left() const { return FSize - FPos; }

 private:
  const uint8_t* FData;
  size_t FSize;
  size_t FPos = 0;
};

// Invariant settings, or with the decimal comma when the input says so, and
// 0 to 4 currency decimals: the number readers' inputs from outside.
inline TFormatSettings FormatSettingsFrom(TFuzzReader& in) {
  TFormatSettings s = TFormatSettings::Invariant();
  if (in.Bool()) {
    s.DecimalSeparator = L',';
    s.ThousandSeparator = L'.';
  }
  s.CurrencyDecimals = uint8_t(in.Pick(5));
  return s;
}

// A property of the reader that must hold for every input it accepts.
inline void Check(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "fuzz check failed: %s\n", what);
  std::fflush(stderr);
  std::abort();
}

}  // namespace fuzz
