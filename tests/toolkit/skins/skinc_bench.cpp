// What the skin compiler costs per skin, side by side with the work a PNG
// encoder cannot skip: compressing the same raw picture rows with zlib at the
// same level, one compressor reset between pictures. Prints medians of the whole run (parse, draw, encode, write
// the stream) and of the compression alone, and their ratio.
#include <zlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <vector>

#include "SkinBuild.h"
#include "Streams.h"

namespace {

constexpr int Rounds = 11;

double Now() {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

std::string ReadText(const char* AName) {
  std::ifstream in(AName, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// The raw rows of a PNG file of the compiler (one IDAT, deflated).
std::vector<std::uint8_t> RawRows(const std::vector<std::uint8_t>& APng) {
  auto be32 = [&](std::size_t at) {
    return std::uint32_t(APng[at]) << 24 | std::uint32_t(APng[at + 1]) << 16 | std::uint32_t(APng[at + 2]) << 8 |
           APng[at + 3];
  };
  const std::uint32_t width = be32(16), height = be32(20), length = be32(33);
  std::vector<std::uint8_t> raw(std::size_t(height) * (std::size_t(width) * 4 + 1));
  uLongf size = uLongf(raw.size());
  uncompress(raw.data(), &size, APng.data() + 41, length);
  return raw;
}

// The raw rows of every picture of the skin, as the PNG encoder compresses them.
std::vector<std::vector<std::uint8_t>> RawPictures(TdxSkin* ASkin) {
  std::vector<std::vector<std::uint8_t>> rows;
  for (int g = 0; g < ASkin->Groups()->Count(); ++g)
    for (int e = 0; e < ASkin->Groups()->Items(g)->Count(); ++e) {
      TdxSkinElement* element = ASkin->Groups()->Items(g)->Items(e);
      for (TdxSkinImage* image : {element->Image(), element->Glyph()})
        if (!image->Texture()->Empty()) rows.push_back(RawRows(static_cast<TdxSkinPNGData*>(image->Texture())->Data()));
    }
  return rows;
}

void Measure(const char* ACatalogue, const char* ADescription) {
  const std::string catalogueText = ReadText(ACatalogue), descriptionText = ReadText(ADescription);
  std::vector<double> whole, compression;
  std::size_t bytes = 0, pictures = 0;
  for (int round = 0; round < Rounds; ++round) {
    double start = Now();
    const skinc::TCatalogue catalogue = skinc::ParseCatalogue(catalogueText, ACatalogue);
    const skinc::TDescription description = skinc::ParseDescription(descriptionText, ADescription);
    std::unique_ptr<TdxSkin> skin = skinc::BuildSkin(catalogue, description);
    TStringStream out;
    skin->SaveToStream(&out);
    whole.push_back(Now() - start);
    bytes = out.DataString().size();

    auto raw = RawPictures(skin.get());
    pictures = raw.size();
    start = Now();
    z_stream z{};
    deflateInit(&z, Z_BEST_COMPRESSION);
    for (auto& r : raw) {
      deflateReset(&z);
      std::vector<std::uint8_t> packed(deflateBound(&z, uLong(r.size())));
      z.next_in = r.data();
      z.avail_in = uInt(r.size());
      z.next_out = packed.data();
      z.avail_out = uInt(packed.size());
      deflate(&z, Z_FINISH);
    }
    deflateEnd(&z);
    compression.push_back(Now() - start);
  }
  std::printf("%-40s %6zu bytes, %3zu pictures: skinc %7.2f ms   zlib alone %7.2f ms   ratio %.2f\n", ADescription,
              bytes, pictures, Median(whole), Median(compression), Median(whole) / Median(compression));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: skinc_bench CATALOGUE DESCRIPTION...\n");
    return 2;
  }
  InitializeUnits({dxSkinsDataUnit});
  for (int i = 2; i < argc; ++i) Measure(argv[1], argv[i]);
  FinalizeUnits();
  return 0;
}
