// Skin streams as a file or resource may hold them, damaged in any way, read
// into a skin and listed as a single- or multi-skin file. A stream the reader
// accepts writes back to bytes that read again and write to the same bytes;
// the listing never raises, lists only positions inside the data and reads
// each byte of it at most once per attempt. Whatever was read, every
// rectangle drawing would make of it (the nine parts of any target, the tiles,
// the border bands, the content) lies inside its target, and no element holds
// a colour its flag does not know of.
#include <string>

#include "FuzzSupport.h"
#include "Streams.h"
#include "counting_stream.h"
#include "dxGDIPlusClasses.h"
#include "dxSkinsCore.h"

namespace {

std::string Write(TdxSkin* skin) {
  TStringStream out;
  skin->SaveToStream(&out);
  return out.DataString();
}

bool Empty(const TRect& R) { return R.Right <= R.Left || R.Bottom <= R.Top; }

bool Inside(const TRect& APart, const TRect& R) {
  if (Empty(APart))
    return APart.Left >= R.Left && APart.Left <= R.Right && APart.Top >= R.Top && APart.Top <= R.Bottom;
  return APart.Left >= R.Left && APart.Right <= R.Right && APart.Top >= R.Top && APart.Bottom <= R.Bottom;
}

void CheckImage(TdxSkinImage* AImage, int AImageCount) {
  const TSize texture = AImage->Texture()->Size();
  const TRect picture{0, 0, texture.cx, texture.cy};
  const TSize frame = AImage->GetFrameSize();
  const TRect frameRect{0, 0, frame.cx, frame.cy};
  for (const TRect& part : AImage->PartRects()) fuzz::Check(Inside(part, frameRect), "a source part outside its frame");
  if (!AImage->Texture()->Empty())
    for (int s = 0; s < dxSkinElementStateCount; ++s)
      for (int index = 0; index < std::min(AImageCount, 4); ++index)
        if (AImage->States().Contains(TdxSkinElementState(s)))
          fuzz::Check(Inside(AImage->GetSourceRect(index, TdxSkinElementState(s)), picture),
                      "a frame outside its picture");
  const TRect targets[] = {{0, 0, 0, 0}, {3, 4, 9, 8}, {0, 0, 120, 40}, {-4000, -3000, 26000, 1500}};
  for (const TRect& target : targets) {
    const TRect margins = dxSkinShrinkMargins(AImage->Margins()->Rect(), target.Right - target.Left,
                                              target.Bottom - target.Top);
    const auto parts = dxSkinNinePartRects(target, margins);
    for (std::size_t i = 0; i < 9; ++i) {
      fuzz::Check(Inside(parts[i], target), "a target part outside its target");
      // Tiles only where their number stays small enough to walk.
      if (target.Right > 200) continue;
      for (const TdxImageTile& tile : ImageTiles(parts[i], AImage->PartRects()[i]))
        fuzz::Check(Inside(tile.Dest, parts[i]) && Inside(tile.Source, AImage->PartRects()[i]), "a tile outside its part");
    }
    fuzz::Check(Inside(dxSkinDeflateRect(target, AImage->Margins()->Rect()), target), "a gradient outside its target");
  }
}

void CheckElements(TdxSkin* skin) {
  const TRect target{-7, 5, 93, 30};
  for (int g = 0; g < skin->Groups()->Count(); ++g) {
    TdxSkinControlGroup* group = skin->Groups()->Items(g);
    for (int e = 0; e < group->Count(); ++e) {
      TdxSkinElement* element = group->Items(e);
      fuzz::Check(element->ColorAssigned() == (element->Color() != clDefault && element->Color() != clNone),
                  "a colour and its flag disagree");
      CheckImage(element->Image(), element->ImageCount());
      CheckImage(element->Glyph(), element->ImageCount());
      for (int side = 0; side < 4; ++side)
        fuzz::Check(Inside(element->Borders()->Items(side)->BandRect(target), target), "a border outside its rectangle");
      fuzz::Check(Inside(dxSkinDeflateRect(target, element->ContentOffset()->Rect()), target),
                  "content outside its element");
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool started = (InitializeUnits({dxSkinsDataUnit}), true);
  (void)started;
  if (size > 65536) return 0;
  const std::string bytes(reinterpret_cast<const char*>(data), size);

  skins_test::TCountingStream listed(bytes);
  TdxSkinBinaryReader reader(&listed);
  for (int i = 0; i < reader.Count(); ++i)
    fuzz::Check(reader.Positions(i) >= 0 && reader.Positions(i) < std::int64_t(size), "listed outside the data");
  // The multi-skin attempt, then the single-skin one: each reads a byte once at most.
  fuzz::Check(listed.BytesRead() <= 2 * std::int64_t(size) + 64, "listing reads entries more than once");

  TdxSkin skin(L"");
  skins_test::TCountingStream in(bytes);
  try {
    skin.LoadFromStream(&in);
  } catch (const Exception&) {
    CheckElements(&skin);  // what was read before the damage
    return 0;
  }
  fuzz::Check(in.BytesRead() <= std::int64_t(size) + 64, "reading a skin reads bytes more than once");
  CheckElements(&skin);
  const std::string written = Write(&skin);
  TdxSkin again(L"");
  TStringStream back(written);
  again.LoadFromStream(&back);
  fuzz::Check(Write(&again) == written, "a written skin reads back differently");
  return 0;
}
