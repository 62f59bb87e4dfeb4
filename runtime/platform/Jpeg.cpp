#include "Jpeg.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <memory>

#include "Streams.h"

extern "C" {
#include <jpeglib.h>
#include <jerror.h>
}

namespace {

// Pictures beyond this many pixels are refused before any memory is taken.
constexpr unsigned long kMaxPixels = 64ul << 20;

struct TErrorManager {
  jpeg_error_mgr Pub;
  std::jmp_buf Jump;
  char Message[JMSG_LENGTH_MAX];
};

// libjpeg would end the process here; instead control goes back to the
// decoder's setjmp with the library's message kept.
extern "C" void ErrorExit(j_common_ptr cinfo) {
  auto* err = reinterpret_cast<TErrorManager*>(cinfo->err);
  cinfo->err->format_message(cinfo, err->Message);
  std::longjmp(err->Jump, 1);
}

// Warnings that mean the data is damaged or cut short end the decoding; the
// rest (stray bytes between markers and the like) are let through.
extern "C" void EmitMessage(j_common_ptr cinfo, int level) {
  if (level != -1) return;
  switch (cinfo->err->msg_code) {
    case JWRN_JPEG_EOF:
    case JWRN_HIT_MARKER:
    case JWRN_HUFF_BAD_CODE:
    case JWRN_MUST_RESYNC:
      ErrorExit(cinfo);
      break;
    default:
      break;
  }
}

struct TPixels {
  int Width = 0;
  int Height = 0;
  bool Grayscale = false;
  std::vector<std::uint8_t> Bgr;  // rows top first, 3 bytes a pixel
};

// Decodes into px. Between setjmp and the library's longjmp this frame holds
// no object with a destructor; px is the caller's.
bool Decode(const std::uint8_t* data, std::size_t size, TPixels& px, TErrorManager& err) {
  jpeg_decompress_struct cinfo;
  std::memset(&cinfo, 0, sizeof cinfo);
  cinfo.err = jpeg_std_error(&err.Pub);
  err.Pub.error_exit = ErrorExit;
  err.Pub.emit_message = EmitMessage;
  err.Message[0] = 0;
  if (setjmp(err.Jump)) {
    jpeg_destroy_decompress(&cinfo);
    return false;
  }
  jpeg_create_decompress(&cinfo);
  jpeg_mem_src(&cinfo, const_cast<unsigned char*>(data), static_cast<unsigned long>(size));
  jpeg_read_header(&cinfo, TRUE);
  if (cinfo.image_width == 0 || cinfo.image_height == 0 ||
      static_cast<unsigned long>(cinfo.image_width) * cinfo.image_height > kMaxPixels) {
    std::snprintf(err.Message, sizeof err.Message, "JPEG image is too large (%ux%u)", unsigned(cinfo.image_width),
                  unsigned(cinfo.image_height));
    jpeg_destroy_decompress(&cinfo);
    return false;
  }
  const bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
  px.Grayscale = cinfo.jpeg_color_space == JCS_GRAYSCALE;
  cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
  jpeg_start_decompress(&cinfo);
  const int w = int(cinfo.output_width), h = int(cinfo.output_height), channels = cinfo.output_components;
  try {
    px.Bgr.assign(std::size_t(w) * std::size_t(h) * 3, 0);
  } catch (...) {
    jpeg_destroy_decompress(&cinfo);
    throw;
  }
  px.Width = w;
  px.Height = h;
  JSAMPARRAY row = (*cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&cinfo), JPOOL_IMAGE,
                                               JDIMENSION(w * channels), 1);
  // Adobe writes CMYK inverted; without its marker the values are plain.
  const bool inverted = cinfo.saw_Adobe_marker;
  while (cinfo.output_scanline < cinfo.output_height) {
    const int y = int(cinfo.output_scanline);
    if (jpeg_read_scanlines(&cinfo, row, 1) != 1) break;
    std::uint8_t* out = px.Bgr.data() + std::size_t(y) * std::size_t(w) * 3;
    const JSAMPLE* in = row[0];
    for (int x = 0; x < w; ++x, out += 3) {
      if (cmyk) {
        const int c = in[x * 4], m = in[x * 4 + 1], ye = in[x * 4 + 2], k = in[x * 4 + 3];
        auto channel = [&](int v) {
          return std::uint8_t(inverted ? v * k / 255 : (255 - v) * (255 - k) / 255);
        };
        out[0] = channel(ye);
        out[1] = channel(m);
        out[2] = channel(c);
      } else {
        out[0] = in[x * 3 + 2];
        out[1] = in[x * 3 + 1];
        out[2] = in[x * 3];
      }
    }
  }
  jpeg_finish_decompress(&cinfo);
  jpeg_destroy_decompress(&cinfo);
  return true;
}

}  // namespace

TJPEGImage::TJPEGImage() : FBitmap(new TBitmap) {}

TJPEGImage::~TJPEGImage() { delete FBitmap; }

int TJPEGImage::Width() { return FBitmap->Width(); }
int TJPEGImage::Height() { return FBitmap->Height(); }

void TJPEGImage::LoadFromBytes(const std::uint8_t* Data, std::size_t Size) {
  TPixels px;
  TErrorManager err;
  if (!Decode(Data, Size, px, err)) {
    const std::string text(err.Message);
    throw EJPEG(String(text.begin(), text.end()));
  }
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetPixelFormat(pf24bit);
  bitmap->SetSize(px.Width, px.Height);
  for (int y = 0; y < px.Height; ++y)
    std::memcpy(bitmap->ScanLine(y), px.Bgr.data() + std::size_t(y) * std::size_t(px.Width) * 3,
                std::size_t(px.Width) * 3);
  delete FBitmap;
  FBitmap = bitmap.release();
  FData.assign(Data, Data + Size);
  FGrayscale = px.Grayscale;
  Changed(this);
}

void TJPEGImage::LoadFromStream(TStream* Stream) {
  std::vector<std::uint8_t> data = ReadGraphicData(Stream);
  LoadFromBytes(data.data(), data.size());
}

void TJPEGImage::SaveToStream(TStream* Stream) {
  if (!FData.empty()) Stream->WriteBuffer(FData.data(), std::int32_t(FData.size()));
}

void TJPEGImage::ReadData(TStream* Stream) {
  std::int32_t size = 0;
  Stream->ReadBuffer(&size, 4);
  if (size < 0) throw EJPEG(L"JPEG data length is not valid");
  if (size == 0) {
    Assign(nullptr);
    return;
  }
  std::vector<std::uint8_t> data = ReadGraphicData(Stream, size);
  LoadFromBytes(data.data(), data.size());
}

void TJPEGImage::WriteData(TStream* Stream) {
  const std::int32_t size = std::int32_t(FData.size());
  Stream->WriteBuffer(&size, 4);
  if (size > 0) Stream->WriteBuffer(FData.data(), size);
}

void TJPEGImage::Draw(TCanvas* ACanvas, const TRect& Rect) {
  if (!Empty()) ACanvas->StretchDraw(Rect, FBitmap);
}

void TJPEGImage::Assign(TPersistent* Source) {
  if (!Source) {
    FData.clear();
    FBitmap->Assign(nullptr);
    FGrayscale = false;
    Changed(this);
    return;
  }
  auto* jpeg = dynamic_cast<TJPEGImage*>(Source);
  if (!jpeg) {
    inherited::Assign(Source);
    return;
  }
  if (jpeg == this) return;
  FData = jpeg->FData;
  FBitmap->Assign(jpeg->FBitmap);
  FGrayscale = jpeg->FGrayscale;
  Changed(this);
}

void TJPEGImage::AssignTo(TPersistent* Dest) {
  if (auto* bitmap = dynamic_cast<TBitmap*>(Dest)) {
    bitmap->Assign(FBitmap);
    return;
  }
  inherited::AssignTo(Dest);
}
