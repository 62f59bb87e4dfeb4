#include "PixelMap.h"

#include <algorithm>
#include <sstream>

namespace {

[[noreturn]] void Fail(int ALine, const std::string& AMessage) {
  throw EPixelMapError("line " + std::to_string(ALine) + ": " + AMessage);
}

// Blanks are every character the word splitting below takes as one, so a line
// of only such characters is empty here too.
constexpr const char* kBlanks = " \t\r\n\v\f";

std::string Trim(const std::string& S) {
  const auto first = S.find_first_not_of(kBlanks);
  if (first == std::string::npos) return {};
  const auto last = S.find_last_not_of(kBlanks);
  return S.substr(first, last - first + 1);
}

std::vector<std::string> Words(const std::string& S) {
  std::istringstream in(S);
  std::vector<std::string> words;
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}

int Number(const std::string& AWord, int ALow, int AHigh, int ALine, const char* AWhat) {
  if (AWord.empty() || AWord.size() > 4 || !std::all_of(AWord.begin(), AWord.end(), [](char c) {
        return c >= '0' && c <= '9';
      }))
    Fail(ALine, std::string(AWhat) + " is no number: " + AWord);
  const int v = std::stoi(AWord);
  if (v < ALow || v > AHigh)
    Fail(ALine, std::string(AWhat) + " " + AWord + " is outside " + std::to_string(ALow) + ".." + std::to_string(AHigh));
  return v;
}

std::uint32_t HexColor(const std::string& AWord, int ALine) {
  if (AWord.size() != 6 || !std::all_of(AWord.begin(), AWord.end(), [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
      }))
    Fail(ALine, "a colour is six hexadecimal digits RRGGBB: " + AWord);
  return std::uint32_t(std::stoul(AWord, nullptr, 16));
}

void Put16(std::vector<std::uint8_t>& B, unsigned V) {
  B.push_back(std::uint8_t(V));
  B.push_back(std::uint8_t(V >> 8));
}
void Put32(std::vector<std::uint8_t>& B, std::uint32_t V) {
  Put16(B, V & 0xFFFF);
  Put16(B, V >> 16);
}

int RowBytes(int AWidth, int ABits) { return ((AWidth * ABits + 31) / 32) * 4; }

// The colours the image is written with, and each legend entry's place among them.
struct TColorTable {
  std::vector<std::uint32_t> Colors;
  std::vector<int> IndexOfEntry;
};

TColorTable BuildColorTable(const TPixelMap& AMap) {
  TColorTable t;
  auto indexOf = [&](std::uint32_t rgb) {
    const auto it = std::find(t.Colors.begin(), t.Colors.end(), rgb);
    if (it != t.Colors.end()) return int(it - t.Colors.begin());
    t.Colors.push_back(rgb);
    return int(t.Colors.size()) - 1;
  };
  // Where the screen shows through, the colour image is black; where it is inverted, white.
  for (const TPixelMapEntry& e : AMap.Palette)
    t.IndexOfEntry.push_back(indexOf(e.Transparent ? 0x000000u : e.Inverted ? 0xFFFFFFu : e.Rgb));
  if (AMap.Bits <= 8 && t.Colors.size() > (std::size_t(1) << AMap.Bits))
    throw EPixelMapError(std::to_string(t.Colors.size()) + " colours do not fit " + std::to_string(AMap.Bits) +
                         " bits per pixel");
  return t;
}

void PutInfoHeader(std::vector<std::uint8_t>& B, const TPixelMap& AMap, int AHeight, std::size_t AImageSize) {
  Put32(B, 40);
  Put32(B, std::uint32_t(AMap.Width));
  Put32(B, std::uint32_t(AHeight));
  Put16(B, 1);
  Put16(B, unsigned(AMap.Bits));
  Put32(B, 0);  // BI_RGB
  Put32(B, std::uint32_t(AImageSize));
  Put32(B, 2835);  // 72 dots per inch
  Put32(B, 2835);
  Put32(B, AMap.Bits <= 8 ? 1u << AMap.Bits : 0u);
  Put32(B, 0);
}

// The palette (for depths up to 8) and the rows from the bottom.
void PutColorImage(std::vector<std::uint8_t>& B, const TPixelMap& AMap, const TColorTable& T) {
  if (AMap.Bits <= 8)
    for (int i = 0; i < (1 << AMap.Bits); ++i) {
      const std::uint32_t c = i < int(T.Colors.size()) ? T.Colors[std::size_t(i)] : 0;
      B.push_back(std::uint8_t(c));
      B.push_back(std::uint8_t(c >> 8));
      B.push_back(std::uint8_t(c >> 16));
      B.push_back(0);
    }
  const int rowBytes = RowBytes(AMap.Width, AMap.Bits);
  for (int y = AMap.Height - 1; y >= 0; --y) {
    std::vector<std::uint8_t> row(std::size_t(rowBytes), 0);
    for (int x = 0; x < AMap.Width; ++x) {
      const int entry = AMap.Pixels[std::size_t(y * AMap.Width + x)];
      const int index = T.IndexOfEntry[std::size_t(entry)];
      if (AMap.Bits == 24) {
        const std::uint32_t c = T.Colors[std::size_t(index)];
        row[std::size_t(x * 3)] = std::uint8_t(c);
        row[std::size_t(x * 3 + 1)] = std::uint8_t(c >> 8);
        row[std::size_t(x * 3 + 2)] = std::uint8_t(c >> 16);
      } else {
        const int bit = x * AMap.Bits;
        row[std::size_t(bit / 8)] |= std::uint8_t(index << (8 - AMap.Bits - bit % 8));
      }
    }
    B.insert(B.end(), row.begin(), row.end());
  }
}

}  // namespace

TPixelMap ParsePixelMap(const std::string& AText) {
  TPixelMap map;
  enum { Header, Palette, Pixels } section = Header;
  bool haveHeader = false;
  int rows = 0;
  std::istringstream in(AText);
  std::string raw;
  for (int line = 1; std::getline(in, raw); ++line) {
    const std::string text = Trim(raw);
    if (text.empty() || (section != Pixels && text[0] == ';')) continue;
    if (section == Pixels) {
      if (rows == map.Height) Fail(line, "more than " + std::to_string(map.Height) + " rows");
      if (int(text.size()) != map.Width)
        Fail(line, "a row is " + std::to_string(map.Width) + " pixels, not " + std::to_string(text.size()));
      for (char c : text) {
        const auto it = std::find_if(map.Palette.begin(), map.Palette.end(),
                                     [c](const TPixelMapEntry& e) { return e.Key == c; });
        if (it == map.Palette.end()) Fail(line, std::string("no colour for '") + c + "'");
        map.Pixels.push_back(int(it - map.Palette.begin()));
      }
      ++rows;
      continue;
    }
    const std::vector<std::string> words = Words(text);
    if (words[0] == "palette" || words[0] == "pixels") {
      if (!haveHeader) Fail(line, "the first line names the bitmap or the cursor and its size");
      if (words.size() != 1) Fail(line, words[0] + " stands alone on its line");
      if (words[0] == "palette") {
        section = Palette;
      } else {
        if (map.Palette.empty()) Fail(line, "the pixels come after the palette");
        section = Pixels;
      }
      continue;
    }
    if (section == Header) {
      if (haveHeader) Fail(line, "expected the palette");
      const bool cursor = words[0] == "cursor";
      if (!cursor && words[0] != "bitmap") Fail(line, "expected bitmap or cursor, not " + words[0]);
      if (words.size() != (cursor ? 6u : 4u))
        Fail(line, cursor ? "cursor WIDTH HEIGHT BITS HOTX HOTY" : "bitmap WIDTH HEIGHT BITS");
      map.Kind = cursor ? TPixelMapKind::Cursor : TPixelMapKind::Bitmap;
      map.Width = Number(words[1], 1, 256, line, "the width");
      map.Height = Number(words[2], 1, 256, line, "the height");
      map.Bits = Number(words[3], 1, 24, line, "the depth");
      if (map.Bits != 1 && map.Bits != 4 && map.Bits != 8 && map.Bits != 24)
        Fail(line, "the depth is 1, 4, 8 or 24 bits");
      if (cursor) {
        map.HotX = Number(words[4], 0, map.Width - 1, line, "the hot spot's x");
        map.HotY = Number(words[5], 0, map.Height - 1, line, "the hot spot's y");
      }
      haveHeader = true;
      continue;
    }
    // A legend line: a key and its colour.
    if (words[0].size() != 1 || words.size() < 2) Fail(line, "a legend line is a character and its colour");
    TPixelMapEntry e;
    e.Key = words[0][0];
    if (std::any_of(map.Palette.begin(), map.Palette.end(), [&](const TPixelMapEntry& o) { return o.Key == e.Key; }))
      Fail(line, std::string("'") + e.Key + "' has a colour already");
    if (words[1] == "transparent" || words[1] == "inverted") {
      if (map.Kind != TPixelMapKind::Cursor) Fail(line, words[1] + " is for cursors only");
      (words[1] == "transparent" ? e.Transparent : e.Inverted) = true;
    } else {
      e.Rgb = HexColor(words[1], line);
    }
    if (words.size() > 2) Fail(line, "a legend line holds one colour");
    map.Palette.push_back(e);
  }
  if (!haveHeader) throw EPixelMapError("empty pixel map");
  if (section != Pixels || rows != map.Height)
    throw EPixelMapError("expected " + std::to_string(map.Height) + " rows of pixels, found " + std::to_string(rows));
  return map;
}

std::vector<std::uint8_t> PixelMapToBitmapFile(const TPixelMap& AMap) {
  const TColorTable table = BuildColorTable(AMap);
  const std::size_t paletteBytes = AMap.Bits <= 8 ? std::size_t(4) << AMap.Bits : 0;
  const std::size_t imageBytes = std::size_t(RowBytes(AMap.Width, AMap.Bits)) * std::size_t(AMap.Height);
  std::vector<std::uint8_t> b;
  b.push_back('B');
  b.push_back('M');
  Put32(b, std::uint32_t(14 + 40 + paletteBytes + imageBytes));
  Put32(b, 0);
  Put32(b, std::uint32_t(14 + 40 + paletteBytes));
  PutInfoHeader(b, AMap, AMap.Height, imageBytes);
  PutColorImage(b, AMap, table);
  return b;
}

std::vector<std::uint8_t> PixelMapToCursorFile(const TPixelMap& AMap) {
  const TColorTable table = BuildColorTable(AMap);
  const std::size_t paletteBytes = AMap.Bits <= 8 ? std::size_t(4) << AMap.Bits : 0;
  const std::size_t colorBytes = std::size_t(RowBytes(AMap.Width, AMap.Bits)) * std::size_t(AMap.Height);
  const int maskRow = RowBytes(AMap.Width, 1);
  const std::size_t imageBytes = 40 + paletteBytes + colorBytes + std::size_t(maskRow) * std::size_t(AMap.Height);
  std::vector<std::uint8_t> b;
  Put16(b, 0);
  Put16(b, 2);  // a cursor
  Put16(b, 1);
  b.push_back(std::uint8_t(AMap.Width == 256 ? 0 : AMap.Width));
  b.push_back(std::uint8_t(AMap.Height == 256 ? 0 : AMap.Height));
  b.push_back(0);
  b.push_back(0);
  Put16(b, unsigned(AMap.HotX));
  Put16(b, unsigned(AMap.HotY));
  Put32(b, std::uint32_t(imageBytes));
  Put32(b, 6 + 16);
  // The image's height counts the colour image and the mask.
  PutInfoHeader(b, AMap, AMap.Height * 2, colorBytes);
  PutColorImage(b, AMap, table);
  for (int y = AMap.Height - 1; y >= 0; --y) {
    std::vector<std::uint8_t> row(std::size_t(maskRow), 0);
    for (int x = 0; x < AMap.Width; ++x) {
      const TPixelMapEntry& e = AMap.At(x, y);
      if (e.Transparent || e.Inverted) row[std::size_t(x / 8)] |= std::uint8_t(0x80 >> (x % 8));
    }
    b.insert(b.end(), row.begin(), row.end());
  }
  return b;
}
