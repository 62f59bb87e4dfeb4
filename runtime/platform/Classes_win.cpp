// The Win32 side of the object-model unit: string lists read from and written
// to files, and the platform comparison that sorted lists use.
#include "Classes.h"
#include "Streams_win.h"
#include "SysUtils.h"

// Comparison by the user's locale comes from SysUtils' platform part.
void InstallPlatformClasses() { InstallPlatformSysUtils(); }

void TStrings::LoadFromFile(const String& FileName) {
  TFileStream stream(FileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(&stream);
}

void TStrings::SaveToFile(const String& FileName) {
  TFileStream stream(FileName, fmCreate);
  SaveToStream(&stream);
}
