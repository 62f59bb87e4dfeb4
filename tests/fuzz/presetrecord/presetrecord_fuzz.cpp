// A stored native-matrix record, as the settings file may hold it after a
// cut, a hand edit or a damaged disk. The reader never replays more entries
// than the text holds or the count names, and each entry it keeps is made of
// five numbers that write back as they were read.
#include "FuzzSupport.h"
#include "PresetRecord.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const String value = fuzz::Narrow(data, size);
  const std::vector<String> pieces = SplitString(value, L",");
  fuzz::Check(!pieces.empty(), "no piece at all");
  size_t length = pieces.size() - 1;  // the delimiters that ended a kept piece
  for (const String& piece : pieces) length += piece.size();
  fuzz::Check(length <= value.size(), "pieces longer than the text");
  const std::vector<TRecordedSplice> splices = ReadNativeRecord(value);
  fuzz::Check(splices.size() <= (pieces.size() - 1) / 5, "more entries than the text holds");
  if (!splices.empty()) {
    fuzz::Check(int(splices.size()) <= StrToInt(pieces[0]), "more entries than the count names");
    String again;
    for (const TRecordedSplice& s : splices)
      again += IntToStr(s.Left) + L"," + IntToStr(s.Top) + L"," + IntToStr(s.Right) + L"," + IntToStr(s.Bottom) +
               L"," + IntToStr(s.Input) + L",";
    const String written = FormatNativeRecord(int(splices.size()), again);
    fuzz::Check(ReadNativeRecord(written) == splices, "kept entries that do not read back the same");
    fuzz::Check(SplitString(written, L",").size() == splices.size() * 5 + 2, "a written record of the wrong length");
  }
  return 0;
}
