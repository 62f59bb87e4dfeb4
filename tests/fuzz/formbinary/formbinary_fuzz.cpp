// Binary form streams (as embedded in the program or damaged on disk) read into
// components with every property kind, collections, child components and
// defined properties. A stream the reader accepts must write back and read
// again to the same stream, and print as form text that the parser reads.
#include <memory>

#include "FormText.h"
#include "FuzzSupport.h"
#include "Streams.h"
#include "streaming_support.h"

namespace {

std::string Write(TComponent* root) {
  TStringStream out;
  WriteComponentToStream(&out, root);
  return out.DataString();
}

std::unique_ptr<TComponent> Read(const std::string& bytes) {
  TStringStream in(bytes);
  return std::unique_ptr<TComponent>(ReadComponentFromStream(&in, nullptr));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool registered = (RegisterTestClasses(), true);
  (void)registered;
  if (size > 16384) return 0;
  LoadedLog().clear();
  const std::string bytes(reinterpret_cast<const char*>(data), size);

  // The printer reads any stream, registered classes or not.
  String text;
  bool printed = true;
  try {
    text = FormBinaryToText(bytes);
  } catch (const Exception&) {
    printed = false;
  }
  if (printed) fuzz::Check(FormBinaryToText(FormTextToBinary(text)) == text, "printed form text does not read back");

  std::unique_ptr<TComponent> root;
  try {
    root = Read(bytes);
  } catch (const Exception&) {
    return 0;
  }
  const std::string written = Write(root.get());
  std::unique_ptr<TComponent> again = Read(written);
  fuzz::Check(Write(again.get()) == written, "a read form writes back differently the second time");
  return 0;
}
