// The Win32 side of the object-model unit: locale comparison by the user's
// locale, and string lists read from and written to files.
#include <windows.h>

#include "Classes.h"
#include "Streams_win.h"

namespace {

int CompareByUserLocale(const String& a, const String& b, bool ignoreCase) {
  const int r = CompareStringW(LOCALE_USER_DEFAULT, ignoreCase ? NORM_IGNORECASE : 0, a.data(), int(a.size()),
                               b.data(), int(b.size()));
  return r == 0 ? a.compare(b) : r - CSTR_EQUAL;  // 0: the call failed, fall back to code units
}

// For programs that link this part without calling InstallPlatformClasses.
struct Installer {
  Installer() { InstallPlatformClasses(); }
} GInstaller;

}  // namespace

void InstallPlatformClasses() { SetLocaleCompare(&CompareByUserLocale); }

void TStrings::LoadFromFile(const String& FileName) {
  TFileStream stream(FileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(&stream);
}

void TStrings::SaveToFile(const String& FileName) {
  TFileStream stream(FileName, fmCreate);
  SaveToStream(&stream);
}
