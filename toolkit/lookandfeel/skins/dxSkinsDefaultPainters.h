// The skin names a skin file holds, for a skin choice: listed without
// loading any skin (the Win32 side, with the built-in skins' painters and
// their registration, is platform/dxSkinsDefaultPainters_win.h).
#pragma once

#include "Classes.h"
#include "Streams.h"

// Appends, in stream order, each listed skin's display name (AUseDisplayNames)
// or name to AStrings and answers true; a stream that is neither a skin nor a
// multi-skin stream, or is damaged, answers false with AStrings as it was.
// Entries already in AStrings stay.
bool ReadSkinNamesFromStream(TStream* AStream, TStrings* AStrings, bool AUseDisplayNames);
