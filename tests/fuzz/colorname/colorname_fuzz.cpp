// A colour typed into the colour combo box and named back: any text the
// colour reader takes gives a name in every convention and format without
// failing; a name from a table reads back as that colour; the decimal form of
// an unnamed colour reads back as the same colour; the red, green and blue
// form holds three numbers of at most 255.
#include <cwchar>

#include "FuzzSupport.h"
#include "cxColorComboBox.h"
#include "cxExtEditUtils.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 256) return 0;
  fuzz::TFuzzReader in(data, size);
  const bool wide = in.Bool();
  const String text = wide ? fuzz::Wide(data + 1, size > 0 ? size - 1 : 0) : in.Rest();
  TColor color = clNone;
  if (!TextToColor(text, color)) return 0;
  const TColor rgb = color & 0xFFFFFF;
  for (const auto convention : {cxncNone, cxncTesmar, cxncHTML4, cxncX11})
    for (const auto format : {cxcvRGB, cxcvHexadecimal, cxcvInteger}) {
      const String name = ColorName(color, rgb, L"typed", convention, format);
      if (convention == cxncNone) {
        fuzz::Check(name == L"typed", "no naming answers another text than the description");
        continue;
      }
      String tableName;
      if (FindColorName(color, convention, tableName)) {
        fuzz::Check(name == tableName, "a listed colour is not named by its table");
        continue;
      }
      if (format == cxcvInteger) {
        TColor back = clNone;
        fuzz::Check(TextToColor(name, back) && back == color, "the decimal form reads as another colour");
      } else if (format == cxcvRGB) {
        unsigned r = 256, g = 256, b = 256;
        fuzz::Check(std::swscanf(name.c_str(), L"%u.%u.%u", &r, &g, &b) == 3 && r < 256 && g < 256 && b < 256,
                    "the red, green and blue form is malformed");
      } else {
        fuzz::Check(name.size() == 7 && name[0] == L'$', "the hexadecimal form is not $ and six digits");
      }
    }
  for (const auto kind : {cxplTesmar, cxplHTML4, cxplX11})
    for (const TcxNamedColor& entry : ColorTable(kind)) {
      TColor back = clNone;
      if (kind == cxplTesmar) fuzz::Check(TextToColor(entry.Name, back) && back == entry.Color, "a constant name reads wrong");
    }
  return 0;
}
