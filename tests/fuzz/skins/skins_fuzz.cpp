// Skin streams as a file or resource may hold them, damaged in any way, read
// into a skin and listed as a single- or multi-skin file. A stream the reader
// accepts writes back to bytes that read again and write to the same bytes;
// the listing never raises and lists only positions inside the data.
#include <string>

#include "FuzzSupport.h"
#include "Streams.h"
#include "dxSkinsCore.h"

namespace {

std::string Write(TdxSkin* skin) {
  TStringStream out;
  skin->SaveToStream(&out);
  return out.DataString();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool started = (InitializeUnits({dxSkinsDataUnit}), true);
  (void)started;
  if (size > 65536) return 0;
  const std::string bytes(reinterpret_cast<const char*>(data), size);

  TStringStream listed(bytes);
  TdxSkinBinaryReader reader(&listed);
  for (int i = 0; i < reader.Count(); ++i)
    fuzz::Check(reader.Positions(i) >= 0 && reader.Positions(i) < std::int64_t(size), "listed outside the data");

  TdxSkin skin(L"");
  TStringStream in(bytes);
  try {
    skin.LoadFromStream(&in);
  } catch (const Exception&) {
    return 0;
  }
  const std::string written = Write(&skin);
  TdxSkin again(L"");
  TStringStream back(written);
  again.LoadFromStream(&back);
  fuzz::Check(Write(&again) == written, "a written skin reads back differently");
  return 0;
}
