// What the base-control unit's files share and nobody else needs.
#pragma once

#include <windows.h>

// user32's SetMenuInfo, looked up at unit start; null where the system lacks it.
using TSetMenuInfo = BOOL(WINAPI*)(HMENU, LPCMENUINFO);
extern TSetMenuInfo cxSetMenuInfo;
