#include "cxDWMApi.h"

#include "dxCore_win.h"

namespace {

HMODULE GLibrary = nullptr;
TcxDwmApi GApi;

}  // namespace

const TcxDwmApi& DwmApi() { return GApi; }

TcxDwmApi SetDwmApi(const TcxDwmApi& Api) {
  TcxDwmApi previous = GApi;
  GApi = Api;
  return previous;
}

bool IsDwmApiLoaded() { return GApi.Loaded; }

bool IsDwmCompositionEnabled() {
  BOOL enabled = FALSE;
  return GApi.Loaded && GApi.DwmIsCompositionEnabled && SUCCEEDED(GApi.DwmIsCompositionEnabled(&enabled)) &&
         enabled;
}

void LoadDwmApi(int MajorVersion) {
  cxDWMApi_Finalize();
  if (MajorVersion <= 5) return;
  GLibrary = LoadLibraryW(L"dwmapi.dll");
  if (!GLibrary) return;
  GApi.Loaded = true;
  GApi.DwmIsCompositionEnabled = reinterpret_cast<decltype(GApi.DwmIsCompositionEnabled)>(
      reinterpret_cast<void*>(GetProcAddress(GLibrary, "DwmIsCompositionEnabled")));
}

void cxDWMApi_Initialize() { LoadDwmApi(RunningSystemVersion().dwMajorVersion); }

void cxDWMApi_Finalize() {
  GApi = TcxDwmApi();
  if (GLibrary) FreeLibrary(GLibrary);
  GLibrary = nullptr;
}

const TUnitEntry cxDWMApiUnit{L"cxDWMApi", cxDWMApi_Initialize, cxDWMApi_Finalize};
