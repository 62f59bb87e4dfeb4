// Form text, as a person or a tool writes it, into the binary component stream.
// Whatever the parser accepts must print back to text that parses to the same
// stream, so a form converted to text and back is never changed.
#include "FormText.h"
#include "FuzzSupport.h"
#include "Streams.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 16384) return 0;
  std::string binary;
  try {
    TMemoryStream in;
    in.WriteBuffer(data, int32_t(size));
    in.SetPosition(0);
    TStringStream out;
    ObjectTextToBinary(&in, &out);
    binary = out.DataString();
  } catch (const Exception&) {
    return 0;
  }
  try {
    FormTextClassName(fuzz::Narrow(data, size));
  } catch (const Exception&) {
  }
  const String text = FormBinaryToText(binary);
  fuzz::Check(FormTextToBinary(text) == binary, "accepted form text changes on its way back");
  return 0;
}
