#include "cxMemo.h"

#include <algorithm>

namespace {

bool IsHighSurrogate(wchar_t C) { return C >= 0xD800 && C <= 0xDBFF; }

}  // namespace

String MemoDisplayText(const String& AText, bool AFullText) {
  if (AFullText) return AText;
  const size_t limit = std::min(AText.size(), size_t(cxMemoShortTextLength));
  for (size_t i = 0; i < limit; ++i)
    if (AText[i] == L'\r' || AText[i] == L'\n') return AText.substr(0, i);
  size_t n = limit;
  if (n < AText.size() && n > 0 && IsHighSurrogate(AText[n - 1])) --n;
  return AText.substr(0, n);
}

String ConvertMemoLineBreaks(const String& AText) {
  String result;
  result.reserve(AText.size() + 8);
  for (size_t i = 0; i < AText.size(); ++i) {
    if (AText[i] == L'\n' && i + 1 < AText.size() && AText[i + 1] == L'\r') {
      result += L"\r\n\r\n";
      ++i;
      continue;
    }
    if (AText[i] == L'\r' && i + 1 < AText.size() && AText[i + 1] == L'\n') {
      result += L"\r\n";
      ++i;
      continue;
    }
    result += AText[i];
  }
  return result;
}
