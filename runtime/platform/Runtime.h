// Installs the Win32 halves of the platform-free runtime units: string-table
// resource strings, code pages, locale comparison and formats. A program calls
// it first thing; static installers alone would be dropped by the linker
// whenever nothing else in their object file is used.
#pragma once

void InstallPlatformResStrings();
// Links the published tables of the graphics objects (the font) that form
// files set as nested properties.
void InstallPlatformStreaming();
void InstallPlatformRuntime();
