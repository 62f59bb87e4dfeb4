// The visual-styles library, bound at run time: the program links no import
// library for it, so it starts on systems (and Wine set-ups) without it. The
// bound entry points live in one replaceable table, so a test can install a
// recording fake. A wrapper whose entry point is missing fails (E_NOTIMPL,
// FALSE or a null handle); nothing ever calls a null pointer.
//
// This header stands in for <uxtheme.h> and must not meet it in one file: its
// wrappers carry the system's names. Part and state numbers come from
// <vssym32.h>, which is safe to include.
#pragma once

#include <windows.h>

#include "System.h"
#include "Units.h"

using HTHEME = HANDLE;
DECLARE_HANDLE(HPAINTBUFFER);

enum THEMESIZE { TS_MIN, TS_TRUE, TS_DRAW };
enum BP_BUFFERFORMAT { BPBF_COMPATIBLEBITMAP, BPBF_DIB, BPBF_TOPDOWNDIB, BPBF_TOPDOWNMONODIB };
constexpr DWORD BPPF_ERASE = 0x0001;
constexpr DWORD BPPF_NOCLIP = 0x0002;
constexpr DWORD BPPF_NONCLIENT = 0x0004;
struct BP_PAINTPARAMS {
  DWORD cbSize;
  DWORD dwFlags;
  const RECT* prcExclude;
  const BLENDFUNCTION* pBlendFunction;
};

// The entry points the toolkit calls, in the system's argument order. A null
// member is an export the library lacks.
struct TdxUxThemeApi {
  bool Loaded = false;  // the library itself was loaded
  HTHEME(WINAPI* OpenThemeData)(HWND, LPCWSTR) = nullptr;
  HRESULT(WINAPI* CloseThemeData)(HTHEME) = nullptr;
  HRESULT(WINAPI* DrawThemeBackground)(HTHEME, HDC, int, int, const RECT*, const RECT*) = nullptr;
  HRESULT(WINAPI* DrawThemeText)(HTHEME, HDC, int, int, LPCWSTR, int, DWORD, DWORD, const RECT*) = nullptr;
  HRESULT(WINAPI* GetThemeBackgroundContentRect)(HTHEME, HDC, int, int, const RECT*, RECT*) = nullptr;
  HRESULT(WINAPI* GetThemePartSize)(HTHEME, HDC, int, int, const RECT*, THEMESIZE, SIZE*) = nullptr;
  HRESULT(WINAPI* GetThemeBackgroundRegion)(HTHEME, HDC, int, int, const RECT*, HRGN*) = nullptr;
  HRESULT(WINAPI* DrawThemeEdge)(HTHEME, HDC, int, int, const RECT*, UINT, UINT, RECT*) = nullptr;
  BOOL(WINAPI* IsThemeBackgroundPartiallyTransparent)(HTHEME, int, int) = nullptr;
  HRESULT(WINAPI* DrawThemeParentBackground)(HWND, HDC, const RECT*) = nullptr;
  HRESULT(WINAPI* GetThemeColor)(HTHEME, int, int, int, COLORREF*) = nullptr;
  BOOL(WINAPI* IsThemeActive)() = nullptr;
  BOOL(WINAPI* IsAppThemed)() = nullptr;
  HRESULT(WINAPI* GetCurrentThemeName)(LPWSTR, int, LPWSTR, int, LPWSTR, int) = nullptr;
  HPAINTBUFFER(WINAPI* BeginBufferedPaint)(HDC, const RECT*, BP_BUFFERFORMAT, BP_PAINTPARAMS*, HDC*) = nullptr;
  HRESULT(WINAPI* EndBufferedPaint)(HPAINTBUFFER, BOOL) = nullptr;
  HRESULT(WINAPI* BufferedPaintSetAlpha)(HPAINTBUFFER, const RECT*, BYTE) = nullptr;
};

// The table in force: the library's entry points once dxUxTheme has started.
const TdxUxThemeApi& UxThemeApi();
// Puts another table in force (a test's fake); answers the one it replaces.
TdxUxThemeApi SetUxThemeApi(const TdxUxThemeApi& Api);

// Whether the library was loaded (or a table in force says so).
bool IsUxThemeLoaded();

// The wrappers: each calls its entry point with its arguments unchanged.
// The toolkit always opens themes for window 0.
HTHEME OpenThemeData(HWND hwnd, LPCWSTR pszClassList);
HRESULT CloseThemeData(HTHEME hTheme);
HRESULT DrawThemeBackground(HTHEME hTheme, HDC hdc, int iPartId, int iStateId, const RECT* pRect,
                            const RECT* pClipRect = nullptr);
HRESULT DrawThemeBackgroundByRect(HTHEME hTheme, HDC hdc, int iPartId, int iStateId, const RECT& Rect,
                                  const RECT* pClipRect = nullptr);
HRESULT DrawThemeText(HTHEME hTheme, HDC hdc, int iPartId, int iStateId, LPCWSTR pszText, int iCharCount,
                      DWORD dwTextFlags, DWORD dwTextFlags2, const RECT* pRect);
// The text in the ANSI code page, converted to wide text first; the count is
// taken from the converted text (-1 draws it all).
HRESULT DrawThemeTextFromAnsi(HTHEME hTheme, HDC hdc, int iPartId, int iStateId, const AnsiString& Text,
                              DWORD dwTextFlags, DWORD dwTextFlags2, const RECT* pRect);
HRESULT GetThemeBackgroundContentRect(HTHEME hTheme, HDC hdc, int iPartId, int iStateId, const RECT* pBoundingRect,
                                      RECT* pContentRect);
HRESULT GetThemePartSize(HTHEME hTheme, HDC hdc, int iPartId, int iStateId, const RECT* prc, THEMESIZE eSize,
                         SIZE* psz);
HRESULT GetThemePartSizeByRect(HTHEME hTheme, HDC hdc, int iPartId, int iStateId, const RECT& Rect, THEMESIZE eSize,
                               SIZE* psz);
HRESULT GetThemePartSizeNoRect(HTHEME hTheme, HDC hdc, int iPartId, int iStateId, THEMESIZE eSize, SIZE* psz);
HRESULT GetThemeBackgroundRegion(HTHEME hTheme, HDC hdc, int iPartId, int iStateId, const RECT* pRect,
                                 HRGN* pRegion);
HRESULT DrawThemeEdge(HTHEME hTheme, HDC hdc, int iPartId, int iStateId, const RECT* pDestRect, UINT uEdge,
                      UINT uFlags, RECT* pContentRect);
BOOL IsThemeBackgroundPartiallyTransparent(HTHEME hTheme, int iPartId, int iStateId);
// The font selected into the DC is selected again afterwards: the system call may change it.
HRESULT DrawThemeParentBackground(HWND hwnd, HDC hdc, const RECT* prc);
HRESULT GetThemeColor(HTHEME hTheme, int iPartId, int iStateId, int iPropId, COLORREF* pColor);
// FALSE when the library or the export is missing.
BOOL IsThemeActive();
BOOL IsAppThemed();
HRESULT GetCurrentThemeName(LPWSTR pszThemeFileName, int cchMaxNameChars, LPWSTR pszColorBuff, int cchMaxColorChars,
                            LPWSTR pszSizeBuff, int cchMaxSizeChars);
// Called only while desktop composition is on (cxDWMApi).
HPAINTBUFFER BeginBufferedPaint(HDC hdcTarget, const RECT* prcTarget, BP_BUFFERFORMAT dwFormat,
                                BP_PAINTPARAMS* pPaintParams, HDC* phdc);
HRESULT EndBufferedPaint(HPAINTBUFFER hBufferedPaint, BOOL fUpdateTarget);
HRESULT BufferedPaintSetAlpha(HPAINTBUFFER hBufferedPaint, const RECT* prc, BYTE alpha);

// Unit start: initialises the common controls, loads "UxTheme.dll" and binds
// its exports. End: frees the library and empties the table.
void dxUxTheme_Initialize();
void dxUxTheme_Finalize();
extern const TUnitEntry dxUxThemeUnit;
