// Graphics in general, icons, and the picture with its registry of file
// formats by extension.
#include <algorithm>
#include <cstring>
#include <memory>

#include "Graphics.h"
#include "Jpeg.h"
#include "Streaming.h"
#include "Streams.h"
#include "Streams_win.h"
#include "SysUtils.h"

namespace {

// Registered formats, oldest first. The built-in ones come in at first use.
std::vector<TFileFormat>& Formats() {
  static std::vector<TFileFormat> list = {
      {L"ico", L"Icons", TIcon::StaticClass()},
      {L"bmp", L"Bitmaps", TBitmap::StaticClass()},
      {L"jpeg", L"JPEG Image File", TJPEGImage::StaticClass()},
      {L"jpg", L"JPEG Image File", TJPEGImage::StaticClass()},
  };
  return list;
}

String StripDot(const String& ext) { return !ext.empty() && ext[0] == L'.' ? ext.substr(1) : ext; }

// The extension of a file name, without the dot ("" when it has none).
String ExtensionOf(const String& fileName) {
  const auto slash = fileName.find_last_of(L"\\/:");
  const auto dot = fileName.find_last_of(L'.');
  if (dot == String::npos || (slash != String::npos && dot < slash)) return String();
  return fileName.substr(dot + 1);
}

[[noreturn]] void InvalidIcon() { throw EInvalidGraphic(LoadResString(&SInvalidIcon)); }

// An icon file holding one 32-bit image of the icon: its colours (black and
// white for a monochrome icon) and its transparency mask.
std::vector<std::uint8_t> IconFileOf(HICON icon) {
  ICONINFO info{};
  if (!icon || !GetIconInfo(icon, &info)) InvalidIcon();
  BITMAP bm{};
  GetObjectW(info.hbmMask, sizeof bm, &bm);
  const int w = bm.bmWidth, h = info.hbmColor ? bm.bmHeight : bm.bmHeight / 2;
  const std::size_t maskStride = std::size_t((w + 31) / 32 * 4);
  std::vector<std::uint8_t> colors(std::size_t(w) * std::size_t(h) * 4), mask(maskStride * std::size_t(h) * 2);
  struct {
    BITMAPINFOHEADER Header;
    RGBQUAD Table[2];
  } bi{};
  bi.Header = {sizeof(BITMAPINFOHEADER), w, h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  HDC screen = GetDC(nullptr);
  if (info.hbmColor) {
    GetDIBits(screen, info.hbmColor, 0, UINT(h), colors.data(), reinterpret_cast<BITMAPINFO*>(&bi), DIB_RGB_COLORS);
  }
  // The mask bitmap holds the AND mask (top) and, for a monochrome icon, the
  // colours (bottom); rows come bottom first.
  bi.Header = {sizeof(BITMAPINFOHEADER), w, bm.bmHeight, 1, 1, BI_RGB, 0, 0, 0, 0, 0};
  GetDIBits(screen, info.hbmMask, 0, UINT(bm.bmHeight), mask.data(), reinterpret_cast<BITMAPINFO*>(&bi), DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  const std::uint8_t* andRows = mask.data() + (info.hbmColor ? 0 : maskStride * std::size_t(h));
  if (!info.hbmColor)
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        const bool white = mask[std::size_t(y) * maskStride + std::size_t(x / 8)] >> (7 - x % 8) & 1;
        std::uint32_t px = white ? 0x00FFFFFFu : 0;
        std::memcpy(&colors[(std::size_t(y) * std::size_t(w) + std::size_t(x)) * 4], &px, 4);
      }
  if (info.hbmColor) DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);

  const std::size_t image = 40 + colors.size() + maskStride * std::size_t(h);
  std::vector<std::uint8_t> file(6 + 16 + image, 0);
  auto put16 = [&](std::size_t at, std::uint16_t v) { std::memcpy(&file[at], &v, 2); };
  auto put32 = [&](std::size_t at, std::uint32_t v) { std::memcpy(&file[at], &v, 4); };
  put16(2, 1);
  put16(4, 1);
  file[6] = std::uint8_t(w < 256 ? w : 0);
  file[7] = std::uint8_t(h < 256 ? h : 0);
  put16(10, 1);
  put16(12, 32);
  put32(14, std::uint32_t(image));
  put32(18, 22);
  const BITMAPINFOHEADER header{sizeof(BITMAPINFOHEADER), w, 2 * h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  std::memcpy(&file[22], &header, 40);
  std::memcpy(&file[62], colors.data(), colors.size());
  std::memcpy(&file[62 + colors.size()], andRows, maskStride * std::size_t(h));
  return file;
}

}  // namespace

// --- TGraphic -------------------------------------------------------------------------------
void TGraphic::SetTransparent(bool Value) {
  if (Value == FTransparent) return;
  FTransparent = Value;
  Changed(this);
}

void TGraphic::SetModified(bool Value) {
  if (Value) Changed(this);
  else FModified = false;
}

void TGraphic::Changed(TObject*) {
  FModified = true;
  if (OnChange) OnChange(this);
}

void TGraphic::AssignTo(TPersistent* Dest) {
  auto* bitmap = dynamic_cast<TBitmap*>(Dest);
  if (!bitmap) {
    inherited::AssignTo(Dest);
    return;
  }
  if (Empty()) {
    bitmap->Assign(nullptr);
    return;
  }
  bitmap->SetSize(Width(), Height());
  TCanvas* canvas = bitmap->Canvas();
  canvas->Brush()->SetColor(clWhite);
  canvas->FillRect(Rect(0, 0, Width(), Height()));
  canvas->Draw(0, 0, this);
}

void TGraphic::LoadFromClipboardFormat(std::uint16_t, HANDLE, HPALETTE) {
  throw EInvalidGraphic(LoadResString(&SUnknownClipboardFormat));
}

void TGraphic::SaveToClipboardFormat(std::uint16_t&, HANDLE&, HPALETTE&) {
  throw EInvalidGraphic(LoadResString(&SUnknownClipboardFormat));
}

void TGraphic::LoadFromFile(const String& FileName) {
  TFileStream stream(FileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(&stream);
}

void TGraphic::SaveToFile(const String& FileName) {
  TFileStream stream(FileName, fmCreate);
  SaveToStream(&stream);
}

// --- TIcon ----------------------------------------------------------------------------------
TIcon::TIcon() { SetTransparent(true); }

TIcon::~TIcon() { FreeIcon(); }

void TIcon::FreeIcon() {
  if (FHandle) DestroyIcon(FHandle);
  FHandle = nullptr;
}

void TIcon::SetWidth(int Value) {
  if (Value == FWidth) return;
  if (!Empty()) throw EInvalidGraphicOperation(LoadResString(&SChangeIconSize));
  FWidth = Value;
}

void TIcon::SetHeight(int Value) {
  if (Value == FHeight) return;
  if (!Empty()) throw EInvalidGraphicOperation(LoadResString(&SChangeIconSize));
  FHeight = Value;
}

HICON TIcon::Handle() { return FHandle; }

void TIcon::SetHandle(HICON Value) {
  if (Value == FHandle) return;
  FreeIcon();
  FData.clear();
  FHandle = Value;
  FWidth = FHeight = 0;
  ICONINFO info{};
  if (Value && GetIconInfo(Value, &info)) {
    BITMAP bm{};
    if (GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bm, &bm)) {
      FWidth = bm.bmWidth;
      FHeight = info.hbmColor ? bm.bmHeight : bm.bmHeight / 2;
    }
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (info.hbmMask) DeleteObject(info.hbmMask);
  }
  Changed(this);
}

HICON TIcon::ReleaseHandle() {
  HICON h = FHandle;
  FHandle = nullptr;
  FData.clear();
  FWidth = FHeight = 0;
  return h;
}

void TIcon::Assign(TPersistent* Source) {
  if (!Source) {
    FreeIcon();
    FData.clear();
    FWidth = FHeight = 0;
    Changed(this);
    return;
  }
  auto* icon = dynamic_cast<TIcon*>(Source);
  if (!icon) {
    inherited::Assign(Source);
    return;
  }
  if (icon == this) return;
  if (!icon->FData.empty()) {
    std::vector<std::uint8_t> data = icon->FData;
    LoadFromBytes(data.data(), data.size());
  } else {
    SetHandle(icon->FHandle ? CopyIcon(icon->FHandle) : nullptr);
  }
}

void TIcon::LoadFromBytes(const std::uint8_t* Data, std::size_t Size) {
  auto u16 = [&](std::size_t at) { return std::uint16_t(Data[at] | Data[at + 1] << 8); };
  auto u32 = [&](std::size_t at) { return std::uint32_t(u16(at)) | std::uint32_t(u16(at + 2)) << 16; };
  if (Size < 6 || u16(0) != 0 || u16(2) != 1) InvalidIcon();
  const std::size_t count = u16(4);
  if (count == 0 || 6 + count * 16 > Size) InvalidIcon();
  // The entry of the size asked for (or the system's icon size) with the most
  // colours; else the first one.
  const int wantW = FWidth > 0 ? FWidth : GetSystemMetrics(SM_CXICON);
  const int wantH = FHeight > 0 ? FHeight : GetSystemMetrics(SM_CYICON);
  std::size_t best = 0;
  int bestBits = -1;
  for (std::size_t i = 0; i < count; ++i) {
    const std::uint8_t* e = Data + 6 + i * 16;
    const int w = e[0] ? e[0] : 256, h = e[1] ? e[1] : 256, bits = u16(6 + i * 16 + 6);
    if (w == wantW && h == wantH && bits > bestBits) {
      best = i;
      bestBits = bits;
    }
  }
  const std::size_t at = 6 + best * 16;
  const int w = Data[at] ? Data[at] : 256, h = Data[at + 1] ? Data[at + 1] : 256;
  const std::uint32_t bytes = u32(at + 8), offset = u32(at + 12);
  if (bytes < 40 || offset > Size || bytes > Size - offset) InvalidIcon();
  HICON icon = CreateIconFromResourceEx(const_cast<PBYTE>(Data + offset), bytes, TRUE, 0x00030000, w, h, LR_DEFAULTCOLOR);
  if (!icon) InvalidIcon();
  FreeIcon();
  FHandle = icon;
  FData.assign(Data, Data + Size);
  FWidth = w;
  FHeight = h;
  Changed(this);
}

void TIcon::LoadFromStream(TStream* Stream) {
  std::vector<std::uint8_t> data = ReadGraphicData(Stream);
  LoadFromBytes(data.data(), data.size());
}

void TIcon::SaveToStream(TStream* Stream) {
  if (FData.empty() && FHandle) FData = IconFileOf(FHandle);
  if (!FData.empty()) Stream->WriteBuffer(FData.data(), std::int32_t(FData.size()));
}

void TIcon::Draw(TCanvas* ACanvas, const TRect& Rect) {
  if (!FHandle || !ACanvas) return;
  DrawIconEx(ACanvas->Handle(), Rect.Left, Rect.Top, FHandle, Rect.Right - Rect.Left, Rect.Bottom - Rect.Top, 0,
             nullptr, DI_NORMAL);
}

// --- Formats --------------------------------------------------------------------------------
void TPicture::RegisterFileFormat(const String& AExtension, const String& ADescription, TGraphicClass AGraphicClass) {
  if (!AGraphicClass || !AGraphicClass->InheritsFrom(TGraphic::StaticClass())) return;
  Formats().push_back(TFileFormat{StripDot(AExtension), ADescription, AGraphicClass});
}

void TPicture::UnregisterGraphicClass(TGraphicClass AClass) {
  auto& list = Formats();
  list.erase(std::remove_if(list.begin(), list.end(), [&](const TFileFormat& f) { return f.GraphicClass == AClass; }),
             list.end());
}

std::vector<TFileFormat> GraphicFileFormats() {
  const auto& list = Formats();
  return std::vector<TFileFormat>(list.rbegin(), list.rend());
}

TGraphicClass GraphicClassForExtension(const String& Extension) {
  const String ext = StripDot(Extension);
  for (const auto& f : GraphicFileFormats())
    if (AnsiSameText(f.Extension, ext)) return f.GraphicClass;
  return nullptr;
}

String GraphicFileMask(TGraphicClass GraphicClass) {
  String mask;
  for (const auto& f : GraphicFileFormats())
    if (GraphicClass && f.GraphicClass->InheritsFrom(GraphicClass)) mask += (mask.empty() ? L"*." : L";*.") + f.Extension;
  return mask;
}

String GraphicExtension(TGraphicClass GraphicClass) {
  for (const auto& f : GraphicFileFormats())
    if (f.GraphicClass == GraphicClass) return f.Extension;
  return String();
}

String GraphicFilter(TGraphicClass GraphicClass) {
  const String all = GraphicFileMask(GraphicClass);
  String filter = L"All (" + all + L")|" + all;
  for (const auto& f : GraphicFileFormats())
    if (GraphicClass && f.GraphicClass->InheritsFrom(GraphicClass))
      filter += L"|" + f.Description + L" (*." + f.Extension + L")|*." + f.Extension;
  return filter;
}

// --- TPicture -------------------------------------------------------------------------------
TPicture::TPicture() = default;

TPicture::~TPicture() { delete FGraphic; }

void TPicture::Changed(TObject*) {
  if (OnChange) OnChange(this);
}

void TPicture::Adopt(TGraphic* graphic) {
  delete FGraphic;
  FGraphic = graphic;
  if (FGraphic) FGraphic->OnChange = TNotifyEvent(this, &TPicture::Changed);
}

void TPicture::ForceType(TGraphicClass cls) {
  if (FGraphic && FGraphic->InheritsFrom(cls)) return;
  Adopt(static_cast<TGraphic*>(cls->Create()));
  Changed(this);
}

TBitmap* TPicture::Bitmap() {
  ForceType(TBitmap::StaticClass());
  return static_cast<TBitmap*>(FGraphic);
}

TIcon* TPicture::Icon() {
  ForceType(TIcon::StaticClass());
  return static_cast<TIcon*>(FGraphic);
}

void TPicture::SetGraphic(TGraphic* Value) {
  std::unique_ptr<TGraphic> copy;
  if (Value) {
    copy.reset(static_cast<TGraphic*>(Value->ClassType()->Create()));
    copy->Assign(Value);
  }
  Adopt(copy.release());
  Changed(this);
}

void TPicture::Assign(TPersistent* Source) {
  if (!Source) {
    SetGraphic(nullptr);
  } else if (auto* p = dynamic_cast<TPicture*>(Source)) {
    if (p != this) SetGraphic(p->Graphic());
  } else if (auto* g = dynamic_cast<TGraphic*>(Source)) {
    SetGraphic(g);
  } else {
    inherited::Assign(Source);
  }
}

void TPicture::AssignTo(TPersistent* Dest) {
  if (auto* g = dynamic_cast<TGraphic*>(Dest)) {
    g->Assign(FGraphic);
    return;
  }
  inherited::AssignTo(Dest);
}

void TPicture::LoadFromFile(const String& FileName) {
  const String ext = ExtensionOf(FileName);
  TGraphicClass cls = GraphicClassForExtension(ext);
  if (!cls || ext.empty()) throw EInvalidGraphic(vamire_detail::FormatRes(&SUnknownExtension, {ext}));
  std::unique_ptr<TGraphic> graphic(static_cast<TGraphic*>(cls->Create()));
  graphic->LoadFromFile(FileName);
  Adopt(graphic.release());
  Changed(this);
}

void TPicture::SaveToFile(const String& FileName) {
  if (FGraphic) FGraphic->SaveToFile(FileName);
}

void TPicture::ReadData(TStream* Stream) {
  std::uint8_t length = 0;
  Stream->ReadBuffer(&length, 1);
  std::string name(length, '\0');
  if (length) Stream->ReadBuffer(name.data(), length);
  const String className(name.begin(), name.end());
  TGraphicClass cls = nullptr;
  for (const auto& f : GraphicFileFormats())
    if (f.GraphicClass->ClassName() == className) cls = f.GraphicClass;
  // A class this program does not know leaves the picture empty, as a
  // picture without data.
  std::unique_ptr<TGraphic> graphic;
  if (cls) {
    graphic.reset(static_cast<TGraphic*>(cls->Create()));
    graphic->ReadData(Stream);
  }
  Adopt(graphic.release());
  Changed(this);
}

void TPicture::WriteData(TStream* Stream) {
  const String className = FGraphic ? FGraphic->ClassName() : String();
  const std::string name(className.begin(), className.end());
  const std::uint8_t length = std::uint8_t(std::min<std::size_t>(name.size(), 255));
  Stream->WriteBuffer(&length, 1);
  if (length) Stream->WriteBuffer(name.data(), length);
  if (FGraphic) FGraphic->WriteData(Stream);
}

void TGraphic::DefineProperties(TFiler* Filer) {
  Filer->DefineBinaryProperty(L"Data", TStreamProc(this, &TGraphic::ReadData), TStreamProc(this, &TGraphic::WriteData),
                              !Empty());
}

void TPicture::DefineProperties(TFiler* Filer) {
  Filer->DefineBinaryProperty(L"Data", TStreamProc(this, &TPicture::ReadData), TStreamProc(this, &TPicture::WriteData),
                              FGraphic != nullptr);
}
