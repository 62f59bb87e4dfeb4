// The subtitle text as "cfg.ini" stores it, and the vertical split of what it
// reads back: every stored value decodes to a text that stores again as a
// value of one line and reads back the same, and the split keeps every unit.
#include "FuzzSupport.h"
#include "Subtitles.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const String stored = fuzz::Wide(data, size);
  const String text = DecodeSubtitleText(stored);
  const String again = EncodeSubtitleText(text);
  fuzz::Check(again.find_first_of(L"\r\n") == String::npos, "a stored text with a line break");
  fuzz::Check(DecodeSubtitleText(again) == text, "a text that reads back otherwise");
  if (stored.find_first_of(L"\\\r\n") == String::npos) fuzz::Check(again == stored, "a plain line changed");

  const String vertical = VerticalSubtitleText(text);
  const int characters = SubtitleCharacterCount(text);
  fuzz::Check(SubtitleCharacterCount(vertical) == 2 * characters, "a character lost or split");
  fuzz::Check(vertical.size() == text.size() + size_t(characters), "units lost in the split");
  return 0;
}
