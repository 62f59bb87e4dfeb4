#include "PresetRecord.h"

#include <algorithm>

#include "SysUtils.h"

std::vector<String> SplitString(const String& text, const String& delimiter) {
  std::vector<String> pieces;
  if (delimiter.empty()) return {text};
  size_t start = 0;
  for (size_t at = text.find(delimiter); at != String::npos; at = text.find(delimiter, start)) {
    if (at > start) pieces.push_back(text.substr(start, at - start));
    start = at + delimiter.size();
  }
  pieces.push_back(text.substr(start));
  return pieces;
}

std::vector<TRecordedSplice> ReadNativeRecord(const String& value) {
  std::vector<TRecordedSplice> splices;
  if (value == L"0,0,0,0,0") return splices;
  const std::vector<String> pieces = SplitString(value, L",");
  int count = 0;
  if (!TryStrToInt(pieces[0], count) || count <= 0) return splices;
  // Never more entries than the text can hold, whatever the count claims.
  const size_t available = (pieces.size() - 1) / 5;
  const size_t wanted = std::min(size_t(count), available);
  for (size_t i = 0; i < wanted; ++i) {
    int n[5];
    for (size_t k = 0; k < 5; ++k)
      if (!TryStrToInt(pieces[5 * i + 1 + k], n[k])) return splices;
    splices.push_back({n[0], n[1], n[2], n[3], n[4]});
  }
  return splices;
}

String FormatNativeRecord(int count, const String& record) { return IntToStr(count) + L"," + record; }
