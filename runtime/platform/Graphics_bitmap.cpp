// Bitmaps: DIB sections of a chosen pixel format or device bitmaps, their
// memory-DC canvas, and the bitmap file format (read with every size, count
// and offset checked, so a damaged file is an EInvalidGraphic, not a crash).
#include <algorithm>
#include <cstring>
#include <limits>

#include "Graphics.h"
#include "Streams.h"

namespace {

[[noreturn]] void InvalidBitmap() { throw EInvalidGraphic(LoadResString(&SInvalidBitmap)); }
[[noreturn]] void OutOfResources() { throw EOutOfResources(LoadResString(&SOutOfResources)); }

int BitsOf(TPixelFormat pf) {
  switch (pf) {
    case pf1bit: return 1;
    case pf4bit: return 4;
    case pf8bit: return 8;
    case pf15bit:
    case pf16bit: return 16;
    case pf24bit: return 24;
    case pf32bit: return 32;
    default: return 0;
  }
}

std::size_t Stride(int width, int bpp) { return (std::size_t(width) * std::size_t(bpp) + 31) / 32 * 4; }

// Largest image the file reader accepts: beyond it a header is taken as damaged.
constexpr int kMaxSide = 0x7FFF;
constexpr std::size_t kMaxImageBytes = std::size_t(256) << 20;

struct TDibInfo {
  BITMAPINFOHEADER Header{};
  RGBQUAD Colors[256]{};  // the three masks of BI_BITFIELDS come first
};

void SetMasks(TDibInfo& bi, DWORD r, DWORD g, DWORD b) {
  DWORD masks[3] = {r, g, b};
  std::memcpy(bi.Colors, masks, sizeof masks);
}

void FillDefaultTable(TDibInfo& bi, int bpp) {
  if (bpp == 1) {
    bi.Colors[1] = RGBQUAD{255, 255, 255, 0};
  } else if (bpp == 4) {
    static const COLORREF vga[16] = {0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080,
                                     0x808000, 0x808080, 0xC0C0C0, 0x0000FF, 0x00FF00, 0x00FFFF,
                                     0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
    for (int i = 0; i < 16; ++i) bi.Colors[i] = RGBQUAD{GetBValue(vga[i]), GetGValue(vga[i]), GetRValue(vga[i]), 0};
  } else if (bpp == 8) {
    HPALETTE pal = CreateHalftonePalette(nullptr);
    PALETTEENTRY entries[256]{};
    UINT n = pal ? GetPaletteEntries(pal, 0, 256, entries) : 0;
    if (pal) DeleteObject(pal);
    for (UINT i = 0; i < n && i < 256; ++i) bi.Colors[i] = RGBQUAD{entries[i].peBlue, entries[i].peGreen, entries[i].peRed, 0};
  }
}

void FillHeader(TDibInfo& bi, int width, int height, TPixelFormat pf) {
  const int bpp = BitsOf(pf);
  bi.Header.biSize = sizeof(BITMAPINFOHEADER);
  bi.Header.biWidth = width;
  bi.Header.biHeight = height;
  bi.Header.biPlanes = 1;
  bi.Header.biBitCount = WORD(bpp);
  bi.Header.biCompression = BI_RGB;
  if (pf == pf16bit) {
    bi.Header.biCompression = BI_BITFIELDS;
    SetMasks(bi, 0xF800, 0x07E0, 0x001F);
  }
  if (bpp <= 8) {
    bi.Header.biClrUsed = 1u << bpp;
    FillDefaultTable(bi, bpp);
  }
}

HBITMAP CreateDib(const TDibInfo& bi, void** bits) {
  HBITMAP h = CreateDIBSection(nullptr, reinterpret_cast<const BITMAPINFO*>(&bi), DIB_RGB_COLORS, bits, nullptr, 0);
  if (!h) OutOfResources();
  return h;
}

TPixelFormat DeviceFormat() {
  HDC dc = GetDC(nullptr);
  int bpp = GetDeviceCaps(dc, BITSPIXEL) * GetDeviceCaps(dc, PLANES);
  ReleaseDC(nullptr, dc);
  switch (bpp) {
    case 1: return pf1bit;
    case 4: return pf4bit;
    case 8: return pf8bit;
    case 15: return pf15bit;
    case 16: return pf16bit;
    case 24: return pf24bit;
    default: return pf32bit;
  }
}

TPixelFormat FormatOfDib(const DIBSECTION& ds) {
  switch (ds.dsBmih.biBitCount) {
    case 1: return pf1bit;
    case 4: return pf4bit;
    case 8: return pf8bit;
    case 16: return ds.dsBmih.biCompression == BI_BITFIELDS && ds.dsBitfields[1] == 0x07E0 ? pf16bit : pf15bit;
    case 24: return pf24bit;
    case 32: return pf32bit;
    default: return pfCustom;
  }
}

// --- Reading bitmap files ---------------------------------------------------------------
struct TReader {
  const std::uint8_t* P;
  std::size_t N;
  std::uint32_t U32(std::size_t at) const {
    if (at + 4 > N) InvalidBitmap();
    return std::uint32_t(P[at]) | std::uint32_t(P[at + 1]) << 8 | std::uint32_t(P[at + 2]) << 16 |
           std::uint32_t(P[at + 3]) << 24;
  }
  std::uint16_t U16(std::size_t at) const {
    if (at + 2 > N) InvalidBitmap();
    return std::uint16_t(P[at] | P[at + 1] << 8);
  }
};

// Expands run-length data into one palette index per pixel, rows bottom first.
// Runs that leave the image are clipped; the data may end without its end mark.
std::vector<std::uint8_t> DecodeRle(const std::uint8_t* p, std::size_t n, int width, int height, bool rle4) {
  std::vector<std::uint8_t> px(std::size_t(width) * std::size_t(height), 0);
  std::size_t i = 0;
  long x = 0, y = 0;
  auto put = [&](std::uint8_t v) {
    if (x < width && y < height) px[std::size_t(y) * std::size_t(width) + std::size_t(x)] = v;
    ++x;
  };
  while (i + 1 < n && y < height) {
    std::uint8_t count = p[i], value = p[i + 1];
    i += 2;
    if (count > 0) {
      for (int k = 0; k < count; ++k) put(rle4 ? std::uint8_t(k % 2 ? value & 15 : value >> 4) : value);
      continue;
    }
    if (value == 0) {
      x = 0;
      ++y;
    } else if (value == 1) {
      break;
    } else if (value == 2) {
      if (i + 2 > n) InvalidBitmap();
      x += p[i];
      y += p[i + 1];
      i += 2;
    } else {
      std::size_t bytes = rle4 ? (std::size_t(value) + 1) / 2 : value;
      if (i + bytes > n) InvalidBitmap();
      for (int k = 0; k < value; ++k)
        put(rle4 ? std::uint8_t(k % 2 ? p[i + std::size_t(k / 2)] & 15 : p[i + std::size_t(k / 2)] >> 4) : p[i + std::size_t(k)]);
      i += (bytes + 1) & ~std::size_t(1);
    }
  }
  return px;
}

struct TDecoded {
  HBITMAP Handle = nullptr;
  void* Bits = nullptr;
  TPixelFormat Format = pfCustom;
  int Width = 0;
  int Height = 0;
};

TDecoded DecodeBmp(const std::uint8_t* data, std::size_t size) {
  TReader r{data, size};
  if (size < 14 + 12 || data[0] != 'B' || data[1] != 'M') InvalidBitmap();
  const std::uint32_t offBits = r.U32(10);
  const std::uint32_t hdrSize = r.U32(14);
  long width, height;
  int planes, bpp;
  std::uint32_t compression = BI_RGB, clrUsed = 0;
  std::size_t entrySize = 4;
  bool core = hdrSize == 12;
  if (core) {
    width = r.U16(18);
    height = std::int16_t(r.U16(20));
    planes = r.U16(22);
    bpp = r.U16(24);
    entrySize = 3;
  } else if (hdrSize == 40 || hdrSize == 52 || hdrSize == 56 || hdrSize == 108 || hdrSize == 124) {
    width = std::int32_t(r.U32(18));
    height = std::int32_t(r.U32(22));
    planes = r.U16(26);
    bpp = r.U16(28);
    compression = r.U32(30);
    clrUsed = r.U32(46);
  } else {
    InvalidBitmap();
  }
  const bool topDown = height < 0;
  if (topDown) height = -height;
  if (planes != 1 || width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) InvalidBitmap();
  if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32) InvalidBitmap();
  const bool rle = compression == BI_RLE8 || compression == BI_RLE4;
  if (compression == BI_RLE8 && bpp != 8) InvalidBitmap();
  if (compression == BI_RLE4 && bpp != 4) InvalidBitmap();
  if (compression == BI_BITFIELDS && bpp != 16 && bpp != 32) InvalidBitmap();
  if (compression != BI_RGB && compression != BI_BITFIELDS && !rle) InvalidBitmap();
  if (rle && topDown) InvalidBitmap();
  const std::size_t stride = Stride(int(width), bpp);
  if (stride * std::size_t(height) > kMaxImageBytes) InvalidBitmap();

  std::size_t pos = 14 + hdrSize;
  TDibInfo bi;
  TPixelFormat pf = bpp == 1 ? pf1bit : bpp == 4 ? pf4bit : bpp == 8 ? pf8bit : bpp == 24 ? pf24bit : bpp == 32 ? pf32bit : pf15bit;
  FillHeader(bi, int(width), int(height), pf);
  if (compression == BI_BITFIELDS) {
    std::size_t at = hdrSize == 40 ? pos : 14 + 40;
    if (hdrSize == 40) pos += 12;
    const std::uint32_t rm = r.U32(at), gm = r.U32(at + 4), bm = r.U32(at + 8);
    if (bpp == 16 && rm == 0xF800 && gm == 0x07E0 && bm == 0x001F) {
      pf = pf16bit;
      FillHeader(bi, int(width), int(height), pf);
    } else if (!(bpp == 16 && rm == 0x7C00 && gm == 0x03E0 && bm == 0x001F) &&
               !(bpp == 32 && rm == 0xFF0000 && gm == 0xFF00 && bm == 0xFF)) {
      InvalidBitmap();
    }
  }
  if (bpp <= 8) {
    const std::uint32_t maxColors = 1u << bpp;
    const std::uint32_t colors = clrUsed == 0 ? maxColors : clrUsed;
    if (colors > maxColors) InvalidBitmap();
    if (pos + colors * entrySize > size) InvalidBitmap();
    std::memset(bi.Colors, 0, sizeof bi.Colors);
    for (std::uint32_t i = 0; i < colors; ++i) {
      const std::uint8_t* e = data + pos + i * entrySize;
      bi.Colors[i] = RGBQUAD{e[0], e[1], e[2], 0};
    }
    pos += colors * entrySize;
  }
  const std::size_t bitsAt = offBits != 0 ? offBits : pos;
  if (bitsAt < 14 + hdrSize || bitsAt > size) InvalidBitmap();

  TDecoded d;
  d.Format = pf;
  d.Width = int(width);
  d.Height = int(height);
  if (rle) {
    std::vector<std::uint8_t> px = DecodeRle(data + bitsAt, size - bitsAt, int(width), int(height), bpp == 4);
    d.Handle = CreateDib(bi, &d.Bits);
    auto* out = static_cast<std::uint8_t*>(d.Bits);
    for (long y = 0; y < height; ++y) {
      std::uint8_t* row = out + std::size_t(y) * stride;
      const std::uint8_t* src = px.data() + std::size_t(y) * std::size_t(width);
      for (long x = 0; x < width; ++x) {
        if (bpp == 8) row[x] = src[x];
        else row[x / 2] = std::uint8_t(row[x / 2] | (x % 2 ? src[x] & 15 : src[x] << 4));
      }
    }
    return d;
  }
  if (stride * std::size_t(height) > size - bitsAt) InvalidBitmap();
  d.Handle = CreateDib(bi, &d.Bits);
  auto* out = static_cast<std::uint8_t*>(d.Bits);
  for (long y = 0; y < height; ++y) {
    const long from = topDown ? height - 1 - y : y;
    std::memcpy(out + std::size_t(y) * stride, data + bitsAt + std::size_t(from) * stride, stride);
  }
  return d;
}

}  // namespace

TMemoryDC::TMemoryDC() : FDC(CreateCompatibleDC(nullptr)) {
  if (!FDC) OutOfResources();
}

std::vector<std::uint8_t> ReadGraphicData(TStream* Stream, std::int64_t Count) {
  if (Count < 0) Count = std::max<std::int64_t>(0, Stream->Size() - Stream->Position());
  if (Count > std::numeric_limits<std::int32_t>::max()) throw EInvalidGraphic(LoadResString(&SInvalidBitmap));
  std::vector<std::uint8_t> data(static_cast<std::size_t>(Count));
  if (Count > 0) Stream->ReadBuffer(data.data(), std::int32_t(Count));
  return data;
}

// --- The bitmap's canvas --------------------------------------------------------------------
// Draws on the bitmap through a memory DC that holds it selected; the DC goes
// whenever the bitmap's handle is wanted elsewhere or replaced.
class TBitmapCanvas : public TCanvas {
  VAMIRE_CLASS(TBitmapCanvas, TCanvas)
 public:
  explicit TBitmapCanvas(TBitmap* bitmap) : FBitmap(bitmap) {}
  ~TBitmapCanvas() override { FreeContext(); }

  void FreeContext() {
    if (!HandleAllocated()) return;
    HDC dc = Handle();
    SetHandle(nullptr);
    if (FOld) SelectObject(dc, FOld);
    FOld = nullptr;
    DeleteDC(dc);
  }

 protected:
  void CreateHandle() override {
    FBitmap->HandleNeeded();
    HDC dc = CreateCompatibleDC(nullptr);
    if (!dc) OutOfResources();
    FOld = FBitmap->FHandle ? SelectObject(dc, FBitmap->FHandle) : nullptr;
    SetHandle(dc);
  }

 private:
  TBitmap* FBitmap;
  HGDIOBJ FOld = nullptr;
};

// --- TBitmap --------------------------------------------------------------------------------
TBitmap::TBitmap() = default;

TBitmap::~TBitmap() {
  delete FCanvas;
  if (FHandle) DeleteObject(FHandle);
  if (FPalette) DeleteObject(FPalette);
}

TCanvas* TBitmap::Canvas() {
  if (!FCanvas) {
    FCanvas = new TBitmapCanvas(this);
    FCanvas->OnChanging = TNotifyEvent(this, &TBitmap::Changing);
    FCanvas->OnChange = TNotifyEvent(this, &TBitmap::Changed);
  }
  return FCanvas;
}

void TBitmap::FreeContext() {
  if (FCanvas) FCanvas->FreeContext();
}

// Runs use(dc) with a DC that has the image selected: the canvas's own when
// it has one (so a locked canvas keeps it), else a temporary one.
template <class F>
void TBitmap::WithImageDC(F use) {
  if (FCanvas && FCanvas->HandleAllocated()) {
    use(FCanvas->Handle());
    return;
  }
  TMemoryDC dc;
  TGdiSelection sel(dc, FHandle);
  use(HDC(dc));
}

int TBitmap::Width() { return FWidth; }
int TBitmap::Height() { return FHeight; }

void TBitmap::HandleNeeded() {
  if (FHandle || FDormant.empty()) return;
  std::vector<std::uint8_t> data = std::move(FDormant);
  FDormant.clear();
  const TPixelFormat wanted = FPixelFormat;
  const bool mono = FMonochrome;
  TDecoded d = DecodeBmp(data.data(), data.size());
  FHandle = d.Handle;
  FBits = d.Bits;
  FTopDown = false;
  FPixelFormat = d.Format;
  FMonochrome = false;
  if (wanted != d.Format) NewImage(MakeCopy(FWidth, FHeight, wanted, mono), wanted, mono);
}

void TBitmap::Changing(TObject*) { HandleNeeded(); }

void TBitmap::Changed(TObject* Sender) { inherited::Changed(Sender); }

TBitmap::TImage TBitmap::MakeCopy(int width, int height, TPixelFormat format, bool monochrome) {
  TImage image;
  if (width <= 0 || height <= 0) return image;
  if (format == pfDevice) {
    if (monochrome) {
      image.Handle = CreateBitmap(width, height, 1, 1, nullptr);
    } else {
      HDC screen = GetDC(nullptr);
      image.Handle = CreateCompatibleBitmap(screen, width, height);
      ReleaseDC(nullptr, screen);
    }
    if (!image.Handle) OutOfResources();
  } else {
    TDibInfo bi;
    FillHeader(bi, width, height, format);
    image.Handle = CreateDib(bi, &image.Bits);
  }
  TMemoryDC dc;
  TGdiSelection sel(dc, image.Handle);
  // A brush, not WHITENESS: that also sets the fourth byte of 32-bit pixels,
  // and such white then fails to match plain white (colour keys, masks).
  const RECT all{0, 0, width, height};
  FillRect(dc, &all, HBRUSH(GetStockObject(WHITE_BRUSH)));
  if (FHandle)
    WithImageDC([&](HDC src) {
      BitBlt(dc, 0, 0, std::min(width, FWidth), std::min(height, FHeight), src, 0, 0, SRCCOPY);
    });
  return image;
}

void TBitmap::NewImage(TImage image, TPixelFormat format, bool monochrome) {
  FreeContext();
  if (FHandle) DeleteObject(FHandle);
  if (FPalette) DeleteObject(FPalette);
  FPalette = nullptr;
  FHandle = image.Handle;
  FBits = image.Bits;
  FTopDown = false;
  FPixelFormat = format;
  FMonochrome = format == pfDevice && monochrome;
  FDormant.clear();
}

void TBitmap::SetSize(int AWidth, int AHeight) {
  AWidth = std::max(AWidth, 0);
  AHeight = std::max(AHeight, 0);
  if (AWidth == FWidth && AHeight == FHeight) return;
  HandleNeeded();
  NewImage(MakeCopy(AWidth, AHeight, FPixelFormat, FMonochrome), FPixelFormat, FMonochrome);
  FWidth = AWidth;
  FHeight = AHeight;
  Changed(this);
}

HBITMAP TBitmap::Handle() {
  HandleNeeded();
  if (FCanvas && FCanvas->LockCount() == 0) FreeContext();
  return FHandle;
}

void TBitmap::SetHandle(HBITMAP Value) {
  if (Value == FHandle) return;
  FreeContext();
  if (FHandle) DeleteObject(FHandle);
  if (FPalette) DeleteObject(FPalette);
  FPalette = nullptr;
  FHandle = nullptr;
  FBits = nullptr;
  FTopDown = false;
  FDormant.clear();
  FWidth = FHeight = 0;
  FMonochrome = false;
  FPixelFormat = pfDevice;
  if (Value) {
    FHandle = Value;
    DIBSECTION ds{};
    BITMAP bm{};
    if (GetObjectW(Value, sizeof ds, &ds) == int(sizeof ds)) {
      FBits = ds.dsBm.bmBits;
      FPixelFormat = FormatOfDib(ds);
      FTopDown = ds.dsBmih.biHeight < 0;
      FWidth = ds.dsBm.bmWidth;
      FHeight = ds.dsBm.bmHeight;
    } else if (GetObjectW(Value, sizeof bm, &bm) != 0) {
      FMonochrome = bm.bmBitsPixel == 1 && bm.bmPlanes == 1;
      FWidth = bm.bmWidth;
      FHeight = bm.bmHeight;
    }
  }
  Changed(this);
}

HBITMAP TBitmap::ReleaseHandle() {
  HandleNeeded();
  FreeContext();
  HBITMAP h = FHandle;
  FHandle = nullptr;
  FBits = nullptr;
  FWidth = FHeight = 0;
  return h;
}

TBitmapHandleType TBitmap::HandleType() { return FPixelFormat == pfDevice ? bmDDB : bmDIB; }

void TBitmap::SetHandleType(TBitmapHandleType Value) {
  if (Value == HandleType()) return;
  if (Value == bmDIB) {
    SetPixelFormat(FMonochrome ? pf1bit : DeviceFormat());
    return;
  }
  HandleNeeded();
  const bool mono = Monochrome();
  NewImage(MakeCopy(FWidth, FHeight, pfDevice, mono), pfDevice, mono);
  Changed(this);
}

TPixelFormat TBitmap::PixelFormat() { return FPixelFormat; }

void TBitmap::SetPixelFormat(TPixelFormat Value) {
  if (Value == pfCustom) throw EInvalidGraphic(LoadResString(&SInvalidPixelFormat));
  if (Value == FPixelFormat && !(Value == pfDevice && FMonochrome)) return;
  HandleNeeded();
  NewImage(MakeCopy(FWidth, FHeight, Value, false), Value, false);
  Changed(this);
}

bool TBitmap::Monochrome() { return FPixelFormat == pf1bit || (FPixelFormat == pfDevice && FMonochrome); }

void TBitmap::SetMonochrome(bool Value) {
  if (Value == Monochrome()) return;
  if (Value && FPixelFormat != pfDevice) {
    SetPixelFormat(pf1bit);
    return;
  }
  HandleNeeded();
  NewImage(MakeCopy(FWidth, FHeight, pfDevice, Value), pfDevice, Value);
  Changed(this);
}

void* TBitmap::ScanLine(int Row) {
  if (Row < 0 || Row >= FHeight) throw EInvalidGraphicOperation(LoadResString(&SScanLine));
  HandleNeeded();
  if (FPixelFormat == pfDevice) SetHandleType(bmDIB);
  if (!FBits) throw EInvalidGraphicOperation(LoadResString(&SScanLine));
  GdiFlush();
  const std::size_t stride = Stride(FWidth, BitsOf(FPixelFormat));
  const std::size_t row = std::size_t(FTopDown ? Row : FHeight - 1 - Row);
  return static_cast<std::uint8_t*>(FBits) + row * stride;
}

TColor TBitmap::TransparentColor() {
  if (FTransparentMode == tmFixed) return FTransparentColor;
  if (Empty()) return clDefault;
  TColor c = Monochrome() ? clWhite : Canvas()->Pixels(0, FHeight - 1);
  return c | 0x02000000;
}

void TBitmap::SetTransparentColor(TColor Value) {
  if (Value == FTransparentColor && (Value == clDefault) == (FTransparentMode == tmAuto)) return;
  FTransparentMode = Value == clDefault ? tmAuto : tmFixed;
  FTransparentColor = Value;
  Changed(this);
}

void TBitmap::SetTransparentMode(TTransparentMode Value) {
  if (Value == FTransparentMode) return;
  SetTransparentColor(Value == tmAuto ? clDefault : TransparentColor());
}

void TBitmap::Dormant() {
  if (!FHandle) return;
  std::vector<std::uint8_t> data = SaveToBytes();
  FreeContext();
  DeleteObject(FHandle);
  FHandle = nullptr;
  FBits = nullptr;
  FTopDown = false;
  FDormant = std::move(data);
}

HPALETTE TBitmap::Palette() {
  HandleNeeded();
  const int bpp = BitsOf(FPixelFormat);
  if (FPalette || !FHandle || bpp == 0 || bpp > 8) return FPalette;
  RGBQUAD colors[256]{};
  UINT count = 0;
  WithImageDC([&](HDC dc) { count = GetDIBColorTable(dc, 0, 1u << bpp, colors); });
  if (count == 0) return nullptr;
  struct {
    WORD Version;
    WORD Count;
    PALETTEENTRY Entries[256];
  } log{0x300, WORD(count), {}};
  for (UINT i = 0; i < count; ++i) log.Entries[i] = PALETTEENTRY{colors[i].rgbRed, colors[i].rgbGreen, colors[i].rgbBlue, 0};
  FPalette = CreatePalette(reinterpret_cast<const LOGPALETTE*>(&log));
  return FPalette;
}

void TBitmap::LoadFromClipboardFormat(std::uint16_t AFormat, HANDLE AData, HPALETTE) {
  if (AFormat != CF_BITMAP || !AData) throw EInvalidGraphic(LoadResString(&SUnknownClipboardFormat));
  HBITMAP copy = HBITMAP(CopyImage(AData, IMAGE_BITMAP, 0, 0, 0));
  if (!copy) throw EInvalidGraphic(LoadResString(&SInvalidBitmap));
  SetHandle(copy);
}

void TBitmap::SaveToClipboardFormat(std::uint16_t& AFormat, HANDLE& AData, HPALETTE& APalette) {
  AFormat = CF_BITMAP;
  AData = Empty() ? nullptr : CopyImage(Handle(), IMAGE_BITMAP, 0, 0, 0);
  APalette = nullptr;
}

void TBitmap::Assign(TPersistent* Source) {
  if (!Source) {
    NewImage(TImage{}, FPixelFormat, FMonochrome);
    FWidth = FHeight = 0;
    Changed(this);
    return;
  }
  auto* src = dynamic_cast<TBitmap*>(Source);
  if (!src) {
    inherited::Assign(Source);
    return;
  }
  if (src == this) return;
  src->HandleNeeded();
  TImage image;
  if (src->FHandle) {
    // A copy of the same format, colour table included, then the pixels.
    if (src->FPixelFormat == pfDevice) {
      image = src->MakeCopy(src->FWidth, src->FHeight, pfDevice, src->FMonochrome);
    } else {
      TDibInfo bi;
      FillHeader(bi, src->FWidth, src->FHeight, src->FPixelFormat);
      if (BitsOf(src->FPixelFormat) <= 8)
        src->WithImageDC([&](HDC dc) { GetDIBColorTable(dc, 0, 256, bi.Colors); });
      image.Handle = CreateDib(bi, &image.Bits);
      TMemoryDC dc;
      TGdiSelection sel(dc, image.Handle);
      src->WithImageDC([&](HDC from) { BitBlt(dc, 0, 0, src->FWidth, src->FHeight, from, 0, 0, SRCCOPY); });
    }
  }
  NewImage(image, src->FPixelFormat, src->FMonochrome);
  FWidth = src->FWidth;
  FHeight = src->FHeight;
  FTransparentColor = src->FTransparentColor;
  FTransparentMode = src->FTransparentMode;
  Changed(this);
}

void TBitmap::Draw(TCanvas* ACanvas, const TRect& Rect) {
  if (Empty() || !ACanvas) return;
  HandleNeeded();
  TCanvas* own = Canvas();
  own->Lock();
  struct TUnlock {
    TCanvas* c;
    ~TUnlock() { c->Unlock(); }
  } unlock{own};
  HDC src = own->Handle();
  HDC dst = ACanvas->Handle();
  const int w = Rect.Right - Rect.Left, h = Rect.Bottom - Rect.Top;
  const bool mono = Monochrome();
  const int oldMode = SetStretchBltMode(dst, mono ? BLACKONWHITE : COLORONCOLOR);
  if (Transparent()) {
    // Pixels of the transparent colour keep the destination: XOR the image in,
    // clear the opaque part through a mask, XOR the image again.
    const COLORREF key = COLORREF(ColorToRGB(TransparentColor())) & 0xFFFFFFu;
    TMemoryDC maskDC;
    HBITMAP mask = CreateBitmap(FWidth, FHeight, 1, 1, nullptr);
    if (!mask) OutOfResources();
    {
      TGdiSelection sel(maskDC, mask);
      const COLORREF oldSrcBk = SetBkColor(src, key);
      BitBlt(maskDC, 0, 0, FWidth, FHeight, src, 0, 0, SRCCOPY);
      SetBkColor(src, oldSrcBk);
      const COLORREF oldText = SetTextColor(dst, 0), oldBk = SetBkColor(dst, 0xFFFFFF);
      StretchBlt(dst, Rect.Left, Rect.Top, w, h, src, 0, 0, FWidth, FHeight, SRCINVERT);
      StretchBlt(dst, Rect.Left, Rect.Top, w, h, maskDC, 0, 0, FWidth, FHeight, SRCAND);
      StretchBlt(dst, Rect.Left, Rect.Top, w, h, src, 0, 0, FWidth, FHeight, SRCINVERT);
      SetTextColor(dst, oldText);
      SetBkColor(dst, oldBk);
    }
    DeleteObject(mask);
  } else if (mono) {
    const COLORREF oldText = SetTextColor(dst, 0), oldBk = SetBkColor(dst, 0xFFFFFF);
    StretchBlt(dst, Rect.Left, Rect.Top, w, h, src, 0, 0, FWidth, FHeight, DWORD(ACanvas->CopyMode()));
    SetTextColor(dst, oldText);
    SetBkColor(dst, oldBk);
  } else {
    StretchBlt(dst, Rect.Left, Rect.Top, w, h, src, 0, 0, FWidth, FHeight, DWORD(ACanvas->CopyMode()));
  }
  SetStretchBltMode(dst, oldMode);
}

std::vector<std::uint8_t> TBitmap::SaveToBytes() {
  if (!FHandle) return FDormant;
  if (Empty()) return {};
  const bool mono = Monochrome();
  const TPixelFormat pf = FPixelFormat == pfDevice ? (mono ? pf1bit : pf24bit) : FPixelFormat;
  const int bpp = BitsOf(pf);
  TDibInfo bi;
  FillHeader(bi, FWidth, FHeight, pf);
  const std::size_t stride = Stride(FWidth, bpp);
  const std::size_t tableBytes = bpp <= 8 ? (std::size_t(1) << bpp) * 4 : pf == pf16bit ? 12 : 0;
  const std::size_t head = 14 + sizeof(BITMAPINFOHEADER) + tableBytes;
  std::vector<std::uint8_t> file(head + stride * std::size_t(FHeight));
  std::uint8_t* bits = file.data() + head;
  if (FBits) {
    GdiFlush();
    for (int y = 0; y < FHeight; ++y) {
      const int from = FTopDown ? FHeight - 1 - y : y;
      std::memcpy(bits + std::size_t(y) * stride, static_cast<std::uint8_t*>(FBits) + std::size_t(from) * stride, stride);
    }
    if (bpp <= 8) WithImageDC([&](HDC dc) { GetDIBColorTable(dc, 0, 1u << bpp, bi.Colors); });
  } else {
    if (FCanvas && FCanvas->LockCount() == 0) FreeContext();
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, FHandle, 0, UINT(FHeight), bits, reinterpret_cast<BITMAPINFO*>(&bi), DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    bi.Header.biSize = sizeof(BITMAPINFOHEADER);
  }
  bi.Header.biSizeImage = DWORD(stride * std::size_t(FHeight));
  BITMAPFILEHEADER fh{};
  fh.bfType = 0x4D42;
  fh.bfSize = DWORD(file.size());
  fh.bfOffBits = DWORD(head);
  std::memcpy(file.data(), &fh, 14);
  std::memcpy(file.data() + 14, &bi.Header, sizeof(BITMAPINFOHEADER));
  std::memcpy(file.data() + 14 + sizeof(BITMAPINFOHEADER), bi.Colors, tableBytes);
  return file;
}

void TBitmap::LoadFromBytes(const std::uint8_t* Data, std::size_t Size) {
  if (Size == 0) {
    Assign(nullptr);
    return;
  }
  TDecoded d = DecodeBmp(Data, Size);
  NewImage(TImage{d.Handle, d.Bits}, d.Format, false);
  FWidth = d.Width;
  FHeight = d.Height;
  Changed(this);
}

void TBitmap::LoadFromStream(TStream* Stream) {
  std::vector<std::uint8_t> data = ReadGraphicData(Stream);
  LoadFromBytes(data.data(), data.size());
}

void TBitmap::SaveToStream(TStream* Stream) {
  std::vector<std::uint8_t> data = SaveToBytes();
  if (!data.empty()) Stream->WriteBuffer(data.data(), std::int32_t(data.size()));
}

void TBitmap::ReadData(TStream* Stream) {
  std::int32_t size = 0;
  Stream->ReadBuffer(&size, 4);
  if (size < 0) throw EInvalidGraphic(LoadResString(&SInvalidBitmap));
  std::vector<std::uint8_t> data = ReadGraphicData(Stream, size);
  LoadFromBytes(data.data(), data.size());
}

void TBitmap::WriteData(TStream* Stream) {
  std::vector<std::uint8_t> data = SaveToBytes();
  const std::int32_t size = std::int32_t(data.size());
  Stream->WriteBuffer(&size, 4);
  if (size > 0) Stream->WriteBuffer(data.data(), size);
}
