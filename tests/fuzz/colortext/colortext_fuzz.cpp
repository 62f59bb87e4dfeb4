// Colour and integer texts as an operator types them into the colour combo
// box or a track bar's value: the readers never crash, raise only the
// conversion error, and agree with each other. An integer text reads as the
// same number through ExtractInteger and the runtime's conversion, and as
// that colour through TextToColor.
#include "FuzzSupport.h"
#include "SysUtils.h"
#include "cxExtEditUtils.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 256) return 0;
  fuzz::TFuzzReader in(data, size);
  const bool wide = in.Bool();
  const String text = wide ? fuzz::Wide(data + 1, size > 0 ? size - 1 : 0) : in.Rest();
  const bool integer = IsIntegerText(text);
  if (integer) {
    const int value = ExtractInteger(text, false);
    fuzz::Check(value == StrToInt(Trim(text)), "an integer text reads as another number");
    TColor color = clNone;
    fuzz::Check(TextToColor(text, color) && color == value, "an integer text is not its colour");
  }
  for (const bool stop : {false, true}) {
    try {
      ExtractInteger(text, stop);
    } catch (const EConvertError&) {
    }
  }
  TColor color = 0x12345678;
  const bool named = TextToColor(text, color);
  if (!named) fuzz::Check(color == 0x12345678, "a refused text changed the colour");
  return 0;
}
