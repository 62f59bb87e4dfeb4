#include "dxGDIPlusAPI.h"

#include <algorithm>
#include <cstring>

#include "SysUtils.h"
#include "dxCore_win.h"

const TResStringRec sdxGdipInvalidOperation{L"sdxGdipInvalidOperation", L"Invalid operation in GDI+ (Code: %d)"};

namespace {

enum class TLoadState { NotLoaded, Available, Failed };

HMODULE GLibrary = nullptr;
TLoadState GState = TLoadState::NotLoaded;
bool GPresent = false;  // CanLoadGdiPlus found the library, not yet loaded
int GLoadAttempts = 0;
TdxGdiPlusApi GApi;
ULONG_PTR GToken = 0;
ULONG_PTR GHookToken = 0;
Gdiplus::NotificationHookProc GNotificationHook = nullptr;
Gdiplus::NotificationUnhookProc GNotificationUnhook = nullptr;
CLSID GPngEncoder{};
TdxUnitsLoader* GUnitsLoader = nullptr;
bool GUnitEnded = false;

// No "file not found" box from the system while the library is looked for.
HMODULE SafeLoadLibrary(const wchar_t* AName) {
  const UINT oldMode = SetErrorMode(SEM_NOOPENFILEERRORBOX);
  HMODULE module = LoadLibraryW(AName);
  SetErrorMode(oldMode);
  return module;
}

// Binds every export in order; false at the first one missing, the rest left nil.
bool BindExports() {
  bool complete = true;
  auto bind = [&](auto& entry, const char* name) {
    if (!complete) return;
    entry = reinterpret_cast<std::remove_reference_t<decltype(entry)>>(
        reinterpret_cast<void*>(GetProcAddress(GLibrary, name)));
    complete = entry != nullptr;
  };
#define VAMIRE_GDIP_EXPORT(Name) bind(GApi.Name, #Name);
#include "dxGDIPlusAPI_exports.h"
#undef VAMIRE_GDIP_EXPORT
  return complete;
}

bool StartGdiPlus() {
  Gdiplus::GdiplusStartupInput input;
  input.GdiplusVersion = 1;
  input.DebugEventCallback = nullptr;
  input.SuppressBackgroundThread = TRUE;
  input.SuppressExternalCodecs = FALSE;
  Gdiplus::GdiplusStartupOutput output;
  if (GApi.GdiplusStartup(&GToken, &input, &output) != Gdiplus::Ok) return false;
  GNotificationHook = output.NotificationHook;
  GNotificationUnhook = output.NotificationUnhook;
  if (GNotificationHook && GNotificationUnhook && GNotificationHook(&GHookToken) == Gdiplus::Ok) return true;
  GNotificationHook = nullptr;
  GNotificationUnhook = nullptr;
  GApi.GdiplusShutdown(GToken);
  return false;
}

// Lets the library go after a failed load, so a failure holds no module.
void ReleaseFailedLoad() {
  GApi = TdxGdiPlusApi();
  if (GLibrary) FreeLibrary(GLibrary);
  GLibrary = nullptr;
  GState = TLoadState::Failed;
}

}  // namespace

const TdxGdiPlusApi& GdipApi() { return GApi; }

EdxGdipException::EdxGdipException(int AErrorCode)
    : EdxException(&sdxGdipInvalidOperation, {AErrorCode}), FErrorCode(AErrorCode) {}

bool IsGdiPlusAvailable() {
  if (GState == TLoadState::NotLoaded) LoadGdiPlus();
  return GState == TLoadState::Available;
}

bool CanLoadGdiPlus() {
  if (GState != TLoadState::NotLoaded) return GState == TLoadState::Available;
  if (GPresent) return true;
  // Mapped only: no import is loaded, no entry point runs, and the override
  // that disables the library refuses this as it does a real load.
  const UINT oldMode = SetErrorMode(SEM_NOOPENFILEERRORBOX);
  HMODULE probe = LoadLibraryExW(L"gdiplus.dll", nullptr, DONT_RESOLVE_DLL_REFERENCES);
  SetErrorMode(oldMode);
  if (!probe) {
    ++GLoadAttempts;
    GState = TLoadState::Failed;
    return false;
  }
  FreeLibrary(probe);
  GPresent = true;
  return true;
}

void LoadGdiPlus() {
  if (GState != TLoadState::NotLoaded) return;
  ++GLoadAttempts;
  GLibrary = SafeLoadLibrary(L"gdiplus.dll");
  if (!GLibrary || !BindExports() || !StartGdiPlus()) {
    ReleaseFailedLoad();
    return;
  }
  GState = TLoadState::Available;
}

void UnloadGdiPlus() {
  if (GState == TLoadState::Available) {
    if (GNotificationUnhook) GNotificationUnhook(GHookToken);
    GApi.GdiplusShutdown(GToken);
    GNotificationHook = nullptr;
    GNotificationUnhook = nullptr;
    GToken = GHookToken = 0;
  }
  GApi = TdxGdiPlusApi();
  if (GLibrary) FreeLibrary(GLibrary);
  GLibrary = nullptr;
  GPngEncoder = CLSID{};
  if (GState == TLoadState::Available) GState = TLoadState::NotLoaded;
}

int GdiPlusLoadAttemptCount() { return GLoadAttempts; }

void CheckGdipStatus(GpStatus AStatus) {
  if (AStatus != Gdiplus::Ok) throw EdxGdipException(int(AStatus));
}

void CheckGdiPlusAvailable() {
  if (!IsGdiPlusAvailable()) throw EdxGdipException(Gdiplus::GdiplusNotInitialized);
}

void CheckGdipCondition(bool ACondition) {
  if (!ACondition) throw EdxGdipException(GdipInvalidParameter);
}

std::uint32_t ColorToGdipARGB(TColor AColor, std::uint8_t AAlpha) {
  if (AColor == clNone) return 0;
  const TRGBQuad q = ColorToRGBQuad(AColor, AAlpha);
  return std::uint32_t(q.rgbBlue) | std::uint32_t(q.rgbGreen) << 8 | std::uint32_t(q.rgbRed) << 16 |
         std::uint32_t(q.rgbReserved) << 24;
}

GpBitmap* CreateGdipBitmap(int AWidth, int AHeight) {
  CheckGdiPlusAvailable();
  GpBitmap* bitmap = nullptr;
  CheckGdipStatus(GApi.GdipCreateBitmapFromScan0(AWidth, AHeight, 0, GdipPixelFormat32bppPARGB, nullptr, &bitmap));
  return bitmap;
}

GpBitmap* CreateGdipBitmapForRect(const TRect& R) { return CreateGdipBitmap(R.Right - R.Left, R.Bottom - R.Top); }

GpBitmap* CreateGdipBitmapFromData(const void* AData, std::size_t ASize, IStream*& AStream) {
  AStream = nullptr;
  if (!IsGdiPlusAvailable()) return nullptr;
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_SHARE, ASize);
  CheckGdipCondition(memory != nullptr);
  if (void* target = GlobalLock(memory)) {
    if (ASize) std::memcpy(target, AData, ASize);
    GlobalUnlock(memory);
  }
  // The stream owns the block from here on: releasing the stream frees it.
  IStream* stream = nullptr;
  if (FAILED(CreateStreamOnHGlobal(memory, TRUE, &stream))) {
    GlobalFree(memory);
    CheckGdipCondition(false);
  }
  GpBitmap* bitmap = nullptr;
  const GpStatus status = GApi.GdipCreateBitmapFromStream(stream, &bitmap);
  if (status != Gdiplus::Ok) {
    stream->Release();
    CheckGdipStatus(status);
  }
  AStream = stream;
  return bitmap;
}

int FindImageEncoderClsid(const String& AMimeType, CLSID& AClsid) {
  if (!IsGdiPlusAvailable()) return 1;
  UINT count = 0, size = 0;
  CheckGdipStatus(GApi.GdipGetImageEncodersSize(&count, &size));
  if (count == 0 || size == 0) return 1;
  std::vector<std::uint8_t> buffer(size);
  auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
  CheckGdipStatus(GApi.GdipGetImageEncoders(count, size, codecs));
  for (UINT i = 0; i < count; ++i)
    if (codecs[i].MimeType && SameText(String(codecs[i].MimeType), AMimeType)) {
      AClsid = codecs[i].Clsid;
      return 0;
    }
  return 1;
}

void InitPngEncoderClsid() {
  if (GPngEncoder == CLSID{}) FindImageEncoderClsid(L"image/png", GPngEncoder);
}

const CLSID& PngEncoderClsid() { return GPngEncoder; }

// --- Units loader -------------------------------------------------------------------------

bool MustDeferUnitInitialization() {
  // The module holding this code: the program itself, or a library it loaded.
  HMODULE module = nullptr;
  GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCWSTR>(&MustDeferUnitInitialization), &module);
  return module && module != GetModuleHandleW(nullptr);
}

TdxUnitsLoader::~TdxUnitsLoader() { FinalizeUnits(); }

void TdxUnitsLoader::RegisterUnit(TdxUnitProcedure AInitProc, TdxUnitProcedure AFinalProc) {
  if (AInitProc) {
    if (FDeferInitialization) {
      FInitializationList.push_back(AInitProc);
    } else {
      FInitialized = true;
      AInitProc();
    }
  }
  if (AFinalProc) FFinalizationList.push_back(AFinalProc);
}

void TdxUnitsLoader::UnregisterUnit(TdxUnitProcedure AFinalProc) {
  auto at = std::find(FFinalizationList.begin(), FFinalizationList.end(), AFinalProc);
  if (at == FFinalizationList.end()) return;
  FFinalizationList.erase(at);
  AFinalProc();
}

void TdxUnitsLoader::FinalizeUnits() {
  if (!FInitialized) return;
  // Taken out before each runs, so a procedure that unregisters others finds the list current.
  while (!FFinalizationList.empty()) {
    TdxUnitProcedure proc = FFinalizationList.back();
    FFinalizationList.pop_back();
    proc();
  }
  FInitialized = false;
}

TdxUnitsLoader* GetUnitsLoader() {
  if (GUnitEnded) return nullptr;
  if (!GUnitsLoader) GUnitsLoader = new TdxUnitsLoader;
  return GUnitsLoader;
}

// --- Unit ---------------------------------------------------------------------------------

namespace {
void MarkGdiPlusNotLoaded() {
  GState = TLoadState::NotLoaded;
  GPresent = false;
  GLoadAttempts = 0;
}
}  // namespace

void dxGDIPlusAPI_Initialize() {
  GUnitEnded = false;
  GetUnitsLoader()->RegisterUnit(MarkGdiPlusNotLoaded, UnloadGdiPlus);
}

void dxGDIPlusAPI_Finalize() {
  if (GUnitsLoader && GState == TLoadState::Available && GUnitsLoader->DeferInitialization() &&
      GUnitsLoader->FinalizationCount() > 0)
    throw Exception(String(L"Need call dxFinalizeGDIPlus before free library!"));
  delete GUnitsLoader;
  GUnitsLoader = nullptr;
  GUnitEnded = true;
}

const TUnitEntry dxGDIPlusAPIUnit{L"dxGDIPlusAPI", dxGDIPlusAPI_Initialize, dxGDIPlusAPI_Finalize};
