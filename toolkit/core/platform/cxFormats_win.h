// The Win32 part of cxFormats: the format controller's message window, which
// hears of changed regional settings and system time, and the readers of the
// thread locale.
#pragma once

#include <windows.h>

#include "Units.h"
#include "cxFormats.h"

// The controller's message window, null while it has no listeners.
HWND FormatControllerWindowHandle(const TcxFormatController* AController);
// Installs the message window and the locale readers; the unit start calls it.
void InstallPlatformFormats();
// Unit start installs the Win32 part; unit end frees the global controller.
extern const TUnitEntry cxFormatsUnit;
