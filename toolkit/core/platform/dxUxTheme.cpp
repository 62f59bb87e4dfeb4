#include "dxUxTheme.h"

#include <commctrl.h>

#include "dxCore.h"

namespace {

HMODULE GLibrary = nullptr;
TdxUxThemeApi GApi;

template <class F>
void Bind(F& entry, const char* name) {
  entry = reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(GLibrary, name)));
}

// Calls an entry point when it is bound; answers `failed` when it is not.
template <class R, class F, class... A>
R CallOr(R failed, F entry, A... args) {
  return entry ? entry(args...) : failed;
}

}  // namespace

const TdxUxThemeApi& UxThemeApi() { return GApi; }

TdxUxThemeApi SetUxThemeApi(const TdxUxThemeApi& Api) {
  TdxUxThemeApi previous = GApi;
  GApi = Api;
  return previous;
}

bool IsUxThemeLoaded() { return GApi.Loaded; }

HTHEME OpenThemeData(HWND hwnd, LPCWSTR pszClassList) {
  return CallOr(HTHEME(nullptr), GApi.OpenThemeData, hwnd, pszClassList);
}

HRESULT CloseThemeData(HTHEME hTheme) { return CallOr(E_NOTIMPL, GApi.CloseThemeData, hTheme); }

HRESULT DrawThemeBackground(HTHEME hTheme, HDC hdc, int iPartId, int iStateId, const RECT* pRect,
                            const RECT* pClipRect) {
  return CallOr(E_NOTIMPL, GApi.DrawThemeBackground, hTheme, hdc, iPartId, iStateId, pRect, pClipRect);
}

HRESULT DrawThemeBackgroundByRect(HTHEME hTheme, HDC hdc, int iPartId, int iStateId, const RECT& Rect,
                                  const RECT* pClipRect) {
  return DrawThemeBackground(hTheme, hdc, iPartId, iStateId, &Rect, pClipRect);
}

HRESULT DrawThemeText(HTHEME hTheme, HDC hdc, int iPartId, int iStateId, LPCWSTR pszText, int iCharCount,
                      DWORD dwTextFlags, DWORD dwTextFlags2, const RECT* pRect) {
  return CallOr(E_NOTIMPL, GApi.DrawThemeText, hTheme, hdc, iPartId, iStateId, pszText, iCharCount, dwTextFlags,
                dwTextFlags2, pRect);
}

HRESULT DrawThemeTextFromAnsi(HTHEME hTheme, HDC hdc, int iPartId, int iStateId, const AnsiString& Text,
                              DWORD dwTextFlags, DWORD dwTextFlags2, const RECT* pRect) {
  const String text = AnsiToWideString(Text);
  return DrawThemeText(hTheme, hdc, iPartId, iStateId, text.c_str(), int(text.size()), dwTextFlags, dwTextFlags2,
                       pRect);
}

HRESULT GetThemeBackgroundContentRect(HTHEME hTheme, HDC hdc, int iPartId, int iStateId, const RECT* pBoundingRect,
                                      RECT* pContentRect) {
  return CallOr(E_NOTIMPL, GApi.GetThemeBackgroundContentRect, hTheme, hdc, iPartId, iStateId, pBoundingRect,
                pContentRect);
}

HRESULT GetThemePartSize(HTHEME hTheme, HDC hdc, int iPartId, int iStateId, const RECT* prc, THEMESIZE eSize,
                         SIZE* psz) {
  return CallOr(E_NOTIMPL, GApi.GetThemePartSize, hTheme, hdc, iPartId, iStateId, prc, eSize, psz);
}

HRESULT GetThemePartSizeByRect(HTHEME hTheme, HDC hdc, int iPartId, int iStateId, const RECT& Rect, THEMESIZE eSize,
                               SIZE* psz) {
  return GetThemePartSize(hTheme, hdc, iPartId, iStateId, &Rect, eSize, psz);
}

HRESULT GetThemePartSizeNoRect(HTHEME hTheme, HDC hdc, int iPartId, int iStateId, THEMESIZE eSize, SIZE* psz) {
  return GetThemePartSize(hTheme, hdc, iPartId, iStateId, nullptr, eSize, psz);
}

HRESULT GetThemeBackgroundRegion(HTHEME hTheme, HDC hdc, int iPartId, int iStateId, const RECT* pRect,
                                 HRGN* pRegion) {
  return CallOr(E_NOTIMPL, GApi.GetThemeBackgroundRegion, hTheme, hdc, iPartId, iStateId, pRect, pRegion);
}

HRESULT DrawThemeEdge(HTHEME hTheme, HDC hdc, int iPartId, int iStateId, const RECT* pDestRect, UINT uEdge,
                      UINT uFlags, RECT* pContentRect) {
  return CallOr(E_NOTIMPL, GApi.DrawThemeEdge, hTheme, hdc, iPartId, iStateId, pDestRect, uEdge, uFlags,
                pContentRect);
}

BOOL IsThemeBackgroundPartiallyTransparent(HTHEME hTheme, int iPartId, int iStateId) {
  return CallOr(BOOL(FALSE), GApi.IsThemeBackgroundPartiallyTransparent, hTheme, iPartId, iStateId);
}

HRESULT DrawThemeParentBackground(HWND hwnd, HDC hdc, const RECT* prc) {
  if (!GApi.DrawThemeParentBackground) return E_NOTIMPL;
  HGDIOBJ font = GetCurrentObject(hdc, OBJ_FONT);
  const HRESULT result = GApi.DrawThemeParentBackground(hwnd, hdc, prc);
  SelectObject(hdc, font);
  return result;
}

HRESULT GetThemeColor(HTHEME hTheme, int iPartId, int iStateId, int iPropId, COLORREF* pColor) {
  return CallOr(E_NOTIMPL, GApi.GetThemeColor, hTheme, iPartId, iStateId, iPropId, pColor);
}

BOOL IsThemeActive() { return CallOr(BOOL(FALSE), GApi.IsThemeActive); }

BOOL IsAppThemed() { return CallOr(BOOL(FALSE), GApi.IsAppThemed); }

HRESULT GetCurrentThemeName(LPWSTR pszThemeFileName, int cchMaxNameChars, LPWSTR pszColorBuff, int cchMaxColorChars,
                            LPWSTR pszSizeBuff, int cchMaxSizeChars) {
  return CallOr(E_NOTIMPL, GApi.GetCurrentThemeName, pszThemeFileName, cchMaxNameChars, pszColorBuff,
                cchMaxColorChars, pszSizeBuff, cchMaxSizeChars);
}

HPAINTBUFFER BeginBufferedPaint(HDC hdcTarget, const RECT* prcTarget, BP_BUFFERFORMAT dwFormat,
                                BP_PAINTPARAMS* pPaintParams, HDC* phdc) {
  return CallOr(HPAINTBUFFER(nullptr), GApi.BeginBufferedPaint, hdcTarget, prcTarget, dwFormat, pPaintParams, phdc);
}

HRESULT EndBufferedPaint(HPAINTBUFFER hBufferedPaint, BOOL fUpdateTarget) {
  return CallOr(E_NOTIMPL, GApi.EndBufferedPaint, hBufferedPaint, fUpdateTarget);
}

HRESULT BufferedPaintSetAlpha(HPAINTBUFFER hBufferedPaint, const RECT* prc, BYTE alpha) {
  return CallOr(E_NOTIMPL, GApi.BufferedPaintSetAlpha, hBufferedPaint, prc, alpha);
}

void dxUxTheme_Initialize() {
  InitCommonControls();
  GApi = TdxUxThemeApi();
  GLibrary = LoadLibraryW(L"UxTheme.dll");
  if (!GLibrary) return;
  GApi.Loaded = true;
  Bind(GApi.OpenThemeData, "OpenThemeData");
  Bind(GApi.CloseThemeData, "CloseThemeData");
  Bind(GApi.DrawThemeBackground, "DrawThemeBackground");
  Bind(GApi.DrawThemeText, "DrawThemeText");
  Bind(GApi.GetThemeBackgroundContentRect, "GetThemeBackgroundContentRect");
  Bind(GApi.GetThemePartSize, "GetThemePartSize");
  Bind(GApi.GetThemeBackgroundRegion, "GetThemeBackgroundRegion");
  Bind(GApi.DrawThemeEdge, "DrawThemeEdge");
  Bind(GApi.IsThemeBackgroundPartiallyTransparent, "IsThemeBackgroundPartiallyTransparent");
  Bind(GApi.DrawThemeParentBackground, "DrawThemeParentBackground");
  Bind(GApi.GetThemeColor, "GetThemeColor");
  Bind(GApi.IsThemeActive, "IsThemeActive");
  Bind(GApi.IsAppThemed, "IsAppThemed");
  Bind(GApi.GetCurrentThemeName, "GetCurrentThemeName");
  Bind(GApi.BeginBufferedPaint, "BeginBufferedPaint");
  Bind(GApi.EndBufferedPaint, "EndBufferedPaint");
  Bind(GApi.BufferedPaintSetAlpha, "BufferedPaintSetAlpha");
}

void dxUxTheme_Finalize() {
  GApi = TdxUxThemeApi();
  if (GLibrary) FreeLibrary(GLibrary);
  GLibrary = nullptr;
}

const TUnitEntry dxUxThemeUnit{L"dxUxTheme", dxUxTheme_Initialize, dxUxTheme_Finalize};
