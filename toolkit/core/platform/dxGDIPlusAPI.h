// GDI+ bound at run time: the program links no import library for it, so it
// starts and draws bitmaps on systems without gdiplus.dll. The library is
// loaded on the first IsGdiPlusAvailable (the units' start only asks whether
// it is there, CanLoadGdiPlus); a load that fails is remembered, not tried again. Also the units loader, which runs the start and end procedures
// of the units that need GDI+.
#pragma once

#include <windows.h>
// The COM stream and property types GDI+ declarations need come first.
#include <objbase.h>
#include <gdiplus.h>

#include <vector>

#include "GraphicsColors.h"
#include "Types.h"
#include "dxCore.h"

namespace vamire_gdip {
// Where the system header declares the exports: most in DllExports, start-up in Gdiplus.
using namespace Gdiplus;
using namespace Gdiplus::DllExports;
}  // namespace vamire_gdip

using GpStatus = Gdiplus::GpStatus;
using GpGraphics = Gdiplus::GpGraphics;
using GpImage = Gdiplus::GpImage;
using GpBitmap = Gdiplus::GpBitmap;

// One pointer per bound export, in binding order; null while GDI+ is not
// available (a missing export leaves the rest unbound too).
struct TdxGdiPlusApi {
#define VAMIRE_GDIP_EXPORT(Name) decltype(&vamire_gdip::Name) Name = nullptr;
#include "dxGDIPlusAPI_exports.h"
#undef VAMIRE_GDIP_EXPORT
};
const TdxGdiPlusApi& GdipApi();

// Status 0 is Ok; 2 an invalid parameter.
constexpr int GdipOk = 0;
constexpr int GdipInvalidParameter = 2;
// The pixel format of the toolkit's GDI+ bitmaps: 32-bit premultiplied ARGB.
constexpr int GdipPixelFormat32bppPARGB = 0xE200B;

extern const TResStringRec sdxGdipInvalidOperation;  // Invalid operation in GDI+ (Code: %d)

// A GDI+ call that failed, with its status.
class EdxGdipException : public EdxException {
  VAMIRE_CLASS(EdxGdipException, EdxException)
 public:
  explicit EdxGdipException(int AErrorCode);
  EdxGdipException(const EdxGdipException&) = default;
  int ErrorCode() const { return FErrorCode; }

 private:
  int FErrorCode = 0;
};

// Loads GDI+ when it has not been tried yet; true when it can be used.
bool IsGdiPlusAvailable();
// Whether GDI+ is there to be used, for the units that file what needs it at
// their start, without paying for GDI+ itself (its library, the system
// libraries it brings and its start) before something draws with it: true
// once loaded, false after a failed load; before any load the library is
// looked for and mapped without its imports and let go at once. A library
// that can't be found or mapped counts as the one failed load, remembered as
// IsGdiPlusAvailable's is.
bool CanLoadGdiPlus();
// Loads the library, binds every export and starts GDI+ with the background
// thread suppressed; on any failure the library is let go at once and GDI+
// stays unavailable until the GDI+ unit starts again.
void LoadGdiPlus();
// Shuts GDI+ down and frees the library.
void UnloadGdiPlus();
// How often LoadGdiPlus went to the library since the unit started.
int GdiPlusLoadAttemptCount();

// Raise EdxGdipException unless the status is Ok, with status 2 when the
// condition is false, or with status 18 (not initialized) without GDI+.
void CheckGdipStatus(GpStatus AStatus);
void CheckGdipCondition(bool ACondition);
void CheckGdiPlusAvailable();

// 0 for clNone; otherwise the colour's blue, green, red with AAlpha on top.
std::uint32_t ColorToGdipARGB(TColor AColor, std::uint8_t AAlpha = 255);

// A new 32-bit premultiplied GDI+ bitmap without bits.
GpBitmap* CreateGdipBitmap(int AWidth, int AHeight);
GpBitmap* CreateGdipBitmapForRect(const TRect& R);
// A GDI+ bitmap decoded from the bytes. The memory behind it is the stream
// AStream answers, which the caller keeps (and releases) with the bitmap.
GpBitmap* CreateGdipBitmapFromData(const void* AData, std::size_t ASize, IStream*& AStream);

// 0 and the CLSID of the encoder for the MIME type (any case), 1 when there is none.
int FindImageEncoderClsid(const String& AMimeType, CLSID& AClsid);
// The PNG encoder's CLSID, looked up once.
void InitPngEncoderClsid();
const CLSID& PngEncoderClsid();

// --- Units that need GDI+ -----------------------------------------------------------------
using TdxUnitProcedure = void (*)();

// True when the toolkit runs inside a library (DLL) rather than the program itself.
bool MustDeferUnitInitialization();

// Start and end procedures of the units that need GDI+. In the program the
// start procedures run as they register; in a library build they are queued
// for the host.
class TdxUnitsLoader : public TObject {
  VAMIRE_CLASS(TdxUnitsLoader, TObject)
 public:
  TdxUnitsLoader() : TdxUnitsLoader(MustDeferUnitInitialization()) {}
  explicit TdxUnitsLoader(bool ADeferInitialization) : FDeferInitialization(ADeferInitialization) {}
  ~TdxUnitsLoader() override;

  // Runs (or queues) AInitProc, appends AFinalProc; either may be null.
  void RegisterUnit(TdxUnitProcedure AInitProc, TdxUnitProcedure AFinalProc);
  // Takes AFinalProc out of the list and runs it when it was there.
  void UnregisterUnit(TdxUnitProcedure AFinalProc);
  // Once initialization ran: every end procedure from the last registered to the first.
  void FinalizeUnits();

  bool DeferInitialization() const { return FDeferInitialization; }
  bool Initialized() const { return FInitialized; }
  int QueuedInitializationCount() const { return int(FInitializationList.size()); }
  int FinalizationCount() const { return int(FFinalizationList.size()); }

 private:
  bool FDeferInitialization;
  bool FInitialized = false;
  std::vector<TdxUnitProcedure> FInitializationList;
  std::vector<TdxUnitProcedure> FFinalizationList;
};

// The one loader, made on first use; nil once the GDI+ unit has ended.
TdxUnitsLoader* GetUnitsLoader();

// Unit start: GDI+ is marked not yet loaded (it loads on first use). End:
// refuses ("Need call dxFinalizeGDIPlus before free library!") while a
// library build still has GDI+ units registered, else frees the loader, which
// runs the end procedures left, UnloadGdiPlus last.
void dxGDIPlusAPI_Initialize();
void dxGDIPlusAPI_Finalize();
extern const TUnitEntry dxGDIPlusAPIUnit;
