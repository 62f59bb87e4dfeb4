// JPEG pictures, decoded through libjpeg when loaded, so a damaged or cut
// file fails at once with the library's message instead of when drawn.
#pragma once

#include "Graphics.h"

// A JPEG picture that cannot be read; the message is libjpeg's.
VAMIRE_EXCEPTION(EJPEG, EInvalidGraphic)

class TJPEGImage : public TGraphic {
  VAMIRE_CLASS(TJPEGImage, TGraphic)
 public:
  TJPEGImage();
  ~TJPEGImage() override;
  void Assign(TPersistent* Source) override;

  bool Empty() override { return FData.empty(); }
  int Width() override;
  int Height() override;
  // The size comes from the picture; setting it does nothing.
  void SetWidth(int) override {}
  void SetHeight(int) override {}
  // True when the picture has one colour channel.
  bool Grayscale() const { return FGrayscale; }

  // Reads and decodes the JPEG data; on any error the image stays as it was.
  void LoadFromStream(TStream* Stream) override;
  // Writes the JPEG data as it was read.
  void SaveToStream(TStream* Stream) override;
  void LoadFromBytes(const std::uint8_t* Data, std::size_t Size);
  // Streamed form: a 32-bit little-endian length, then the JPEG data.
  void ReadData(TStream* Stream) override;
  void WriteData(TStream* Stream) override;
  void Draw(TCanvas* ACanvas, const TRect& Rect) override;

 protected:
  // Into a bitmap: a 24-bit copy of the decoded picture.
  void AssignTo(TPersistent* Dest) override;

 private:
  std::vector<std::uint8_t> FData;
  TBitmap* FBitmap;
  bool FGrayscale = false;
};
