// The desktop-composition library, bound at run time on systems newer than
// major version 5 only. Like the theme library, its entry points sit in a
// replaceable table (composition is tested by installing a fake); a missing
// library or export reads as "composition off".
#pragma once

#include <windows.h>

#include "Units.h"

struct TcxDwmApi {
  bool Loaded = false;  // the library itself was loaded
  HRESULT(WINAPI* DwmIsCompositionEnabled)(BOOL*) = nullptr;
};

const TcxDwmApi& DwmApi();
// Puts another table in force (a test's fake); answers the one it replaces.
TcxDwmApi SetDwmApi(const TcxDwmApi& Api);

bool IsDwmApiLoaded();
// The library is loaded and the system reports composition on.
bool IsDwmCompositionEnabled();

// Loads "dwmapi.dll" when the major version is above 5 (the unit's start
// passes the running system's); a second call first frees what the first loaded.
void LoadDwmApi(int MajorVersion);
void cxDWMApi_Initialize();
void cxDWMApi_Finalize();
extern const TUnitEntry cxDWMApiUnit;
