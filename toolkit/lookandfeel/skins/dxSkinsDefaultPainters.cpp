// Listing the skin names of a skin stream.
#include "dxSkinsDefaultPainters.h"

#include "dxSkinsCore.h"

bool ReadSkinNamesFromStream(TStream* AStream, TStrings* AStrings, bool AUseDisplayNames) {
  TdxSkinBinaryReader reader(AStream);
  if (reader.Count() == 0) return false;
  // Room for the entries already there too: a capacity below the count is a list error.
  AStrings->SetCapacity(AStrings->Count() + reader.Count());
  for (int i = 0; i < reader.Count(); ++i) AStrings->Add(AUseDisplayNames ? reader.DisplayNames(i) : reader.Names(i));
  return true;
}
