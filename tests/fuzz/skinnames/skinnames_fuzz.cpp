// A skin file's names read into a list that already holds entries: a file
// that lists nothing answers false and leaves the list exactly as it was;
// one that lists skins appends one name per listed skin after the entries,
// reading each byte of the file at most once per listing attempt.
#include <string>

#include "FuzzSupport.h"
#include "Streams.h"
#include "counting_stream.h"
#include "dxSkinsCore.h"
#include "dxSkinsDefaultPainters.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool started = (InitializeUnits({dxSkinsDataUnit}), true);
  (void)started;
  if (size > 65536) return 0;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  for (bool display : {false, true}) {
    TStringList names;
    for (const wchar_t* s : {L"x", L"y", L"z"}) names.Add(s);
    skins_test::TCountingStream listed(bytes);
    const bool found = ReadSkinNamesFromStream(&listed, &names, display);
    fuzz::Check(listed.BytesRead() <= 2 * std::int64_t(size) + 64, "listing reads entries more than once");
    TStringStream again(bytes);
    TdxSkinBinaryReader reader(&again);
    fuzz::Check(found == (reader.Count() > 0), "the answer is whether any skin is listed");
    fuzz::Check(names.Count() == 3 + (found ? reader.Count() : 0), "one name per listed skin, appended");
    fuzz::Check(names.Strings(0) == L"x" && names.Strings(1) == L"y" && names.Strings(2) == L"z",
                "the entries already there stay");
  }
  return 0;
}
