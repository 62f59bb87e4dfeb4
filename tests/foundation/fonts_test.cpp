// The prefixes' fonts (D-58, scripts/make-prefix): which face each UI font name
// resolves to; that its Latin text draws exactly as wide as it measures, bold
// too, from a real bold face whose letters stay apart (Wine measures with one
// hinting and draws unsmoothed with another, which differ for most faces); that
// its Chinese characters come, linked, from the Simplified Song face, with the
// punctuation at the bottom left of its cell, and the characters beyond that
// face's set from the Ming face's embedded bitmaps; that the UI sizes draw
// crisp (black and white only, no strokes lost to smoothing); and that Marlett
// is there for the title-bar and frame-control glyphs. Run in both prefixes and
// in both code pages.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/WindowCapture.h"

namespace {

const wchar_t kLatinFace[] = L"DejaVu Sans";
const wchar_t kSong[] = L"AR PL SungtiL GB";
const wchar_t kMing[] = L"AR PL UMing CN";
const wchar_t kHei[] = L"WenQuanYi Zen Hei";
const wchar_t kLatin[] = L"Save the changes? OK Cancel 0123456789";
const wchar_t kChinese[] = L"保存场景的修改吗确定取消宋体";

class ScreenFont {
 public:
  // Selected into a memory DC holding a 32-bit bitmap, as the text of a window
  // is drawn (a font realised on a 1-bit bitmap would never be smoothed).
  ScreenFont(const wchar_t* face, int height, BYTE charset = DEFAULT_CHARSET, LONG weight = FW_NORMAL) {
    LOGFONTW lf{};
    lf.lfHeight = height;
    lf.lfWeight = weight;
    lf.lfCharSet = charset;
    wcsncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
    FFont = CreateFontIndirectW(&lf);
    FDC = CreateCompatibleDC(nullptr);
    FBitmap = vamire_test::CreateTopDownDib(FDC, kWidth, kRows, &FBits);
    FOldBitmap = SelectObject(FDC, FBitmap);
    FOld = SelectObject(FDC, FFont);
  }
  ~ScreenFont() {
    SelectObject(FDC, FOld);
    SelectObject(FDC, FOldBitmap);
    DeleteObject(FBitmap);
    DeleteDC(FDC);
    DeleteObject(FFont);
  }
  static constexpr int kWidth = 1024, kRows = 40;
  const uint32_t* Pixels() const { return static_cast<const uint32_t*>(FBits); }
  ScreenFont(const ScreenFont&) = delete;
  ScreenFont& operator=(const ScreenFont&) = delete;

  HDC DC() const { return FDC; }
  HFONT Font() const { return FFont; }
  std::wstring Face() const {
    wchar_t face[LF_FACESIZE] = {};
    GetTextFaceW(FDC, LF_FACESIZE, face);
    return face;
  }
  // The English family name in the name table of the face that draws: what the
  // font name really resolved to, whatever alias the program asked for.
  std::wstring DrawingFamily() const { return Name(1); }
  // Its style name ("Bold" for a real bold face; a face the engine emboldens keeps its own).
  std::wstring DrawingStyle() const { return Name(2); }
  std::wstring Name(unsigned id) const {
    const DWORD tag = 'e' << 24 | 'm' << 16 | 'a' << 8 | 'n';  // "name", as GetFontData takes it
    const DWORD size = GetFontData(FDC, tag, 0, nullptr, 0);
    if (size == GDI_ERROR || size < 6) return L"";
    std::vector<unsigned char> table(size);
    GetFontData(FDC, tag, 0, table.data(), size);
    auto word = [&](size_t at) { return at + 1 < table.size() ? unsigned(table[at] << 8 | table[at + 1]) : 0u; };
    const unsigned count = word(2), strings = word(4);
    for (unsigned i = 0; i < count; ++i) {
      const size_t record = 6 + 12 * size_t(i);
      // Windows platform (3), US English (0x409), family name (1); UTF-16 big-endian.
      if (word(record) != 3 || word(record + 4) != 0x409 || word(record + 6) != id) continue;
      std::wstring name;
      const size_t start = strings + word(record + 10), length = word(record + 8);
      for (size_t k = 0; k + 1 < length; k += 2) name += wchar_t(word(start + k));
      return name;
    }
    return L"";
  }
  // How many characters of the text the selected face itself has no glyph for.
  int Missing(const std::wstring& text) const {
    std::vector<WORD> glyphs(text.size());
    GetGlyphIndicesW(FDC, text.c_str(), int(text.size()), glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS);
    int missing = 0;
    for (WORD g : glyphs) missing += g == 0xFFFF;
    return missing;
  }

 private:
  HFONT FFont;
  HDC FDC;
  HBITMAP FBitmap;
  void* FBits = nullptr;
  HGDIOBJ FOldBitmap;
  HGDIOBJ FOld;
};

// The default UI font is 8 points: 11 px at the screen's 96 dpi.
constexpr int kUiHeight = -11;

// Each UI font name and Song name is an alias of the Latin face, the black
// names of the black face: the program sees the name it asked for, and the
// alias draws. "MS Shell Dlg" goes through Wine's own substitute,
// which follows the code page, to one of the aliases.
TEST(FontsTest, UiFontNamesResolveToTheirFaces) {
  const struct {
    const wchar_t* name;
    const wchar_t* face;    // GetTextFace
    const wchar_t* family;  // the face that draws
  } cases[] = {
      {L"MS Sans Serif", L"MS Sans Serif", kLatinFace},
      {L"MS Shell Dlg", nullptr, kLatinFace},
      {L"MS Shell Dlg 2", nullptr, kLatinFace},
      {L"Tahoma", L"Tahoma", kLatinFace},
      {L"Microsoft Sans Serif", L"Microsoft Sans Serif", kLatinFace},
      {L"SimSun", L"SimSun", kLatinFace},
      {L"\u5b8b\u4f53", L"\u5b8b\u4f53", kLatinFace},  // 宋体
      {kSong, kSong, kSong},
      {kMing, kMing, kMing},
      {L"SimHei", L"SimHei", kHei},
      {L"Marlett", L"Marlett", L"Marlett"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.name);
    for (int height : {kUiHeight, -12, -16, -24}) {
      ScreenFont font(c.name, height);
      if (c.face) {
        EXPECT_EQ(font.Face(), c.face) << height;
      }
      EXPECT_EQ(font.DrawingFamily(), c.family) << height << ", GetTextFace: " << font.Face();
    }
  }
}

// Bold UI text draws from the Latin face's own bold style, not from the regular
// one emboldened by the engine (which adds no advance: letters run together).
TEST(FontsTest, BoldUiTextComesFromARealBoldFace) {
  for (const wchar_t* name : {L"MS Sans Serif", L"MS Shell Dlg", L"Tahoma", L"SimSun", L"Segoe UI"})
    for (int height : {kUiHeight, -12, -16}) {
      SCOPED_TRACE(testing::Message() << name << " " << height);
      ScreenFont font(name, height, DEFAULT_CHARSET, FW_BOLD);
      EXPECT_EQ(font.DrawingFamily(), kLatinFace);
      EXPECT_EQ(font.DrawingStyle(), L"Bold");
    }
}

// Draws the text black on white at (2, 2), and answers how many pixels are
// neither black nor white and the rightmost inked column.
struct TDrawn {
  size_t Grey = 0, Black = 0;
  int Right = -1;
  std::vector<uint32_t> Pixels;
};

// The inked pixels, as a picture cut to their bounding box (row by row, 1 for ink).
std::string Ink(const TDrawn& drawn) {
  int left = ScreenFont::kWidth, top = ScreenFont::kRows, right = -1, bottom = -1;
  for (int y = 0; y < ScreenFont::kRows; ++y)
    for (int x = 0; x < ScreenFont::kWidth; ++x)
      if (drawn.Pixels[size_t(y * ScreenFont::kWidth + x)] != 0xFFFFFF)
        left = std::min(left, x), right = std::max(right, x), top = std::min(top, y), bottom = std::max(bottom, y);
  std::string picture;
  for (int y = top; y <= bottom; ++y) {
    for (int x = left; x <= right; ++x) picture += drawn.Pixels[size_t(y * ScreenFont::kWidth + x)] != 0xFFFFFF ? '1' : '0';
    picture += '\n';
  }
  return picture;
}

TDrawn Draw(const ScreenFont& font, const wchar_t* text) {
  RECT all{0, 0, ScreenFont::kWidth, ScreenFont::kRows};
  FillRect(font.DC(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  SetTextColor(font.DC(), RGB(0, 0, 0));
  SetBkMode(font.DC(), TRANSPARENT);
  TextOutW(font.DC(), 2, 2, text, int(wcslen(text)));
  GdiFlush();
  TDrawn drawn;
  drawn.Pixels.assign(font.Pixels(), font.Pixels() + ScreenFont::kWidth * ScreenFont::kRows);
  for (int i = 0; i < ScreenFont::kWidth * ScreenFont::kRows; ++i) {
    const uint32_t rgb = drawn.Pixels[size_t(i)] &= 0xFFFFFF;
    drawn.Grey += rgb != 0 && rgb != 0xFFFFFF;
    if (rgb != 0xFFFFFF) drawn.Right = std::max(drawn.Right, i % ScreenFont::kWidth);
    drawn.Black += rgb == 0;
  }
  return drawn;
}

// How many pixels differ between two inks laid over each other at their top left corners.
size_t InkDistance(const std::string& a, const std::string& b) {
  auto rows = [](const std::string& ink) {
    std::vector<std::string> lines;
    for (size_t start = 0, end; (end = ink.find('\n', start)) != std::string::npos; start = end + 1)
      lines.push_back(ink.substr(start, end - start));
    return lines;
  };
  const std::vector<std::string> ra = rows(a), rb = rows(b);
  size_t distance = 0;
  for (size_t y = 0; y < std::max(ra.size(), rb.size()); ++y) {
    const std::string la = y < ra.size() ? ra[y] : "", lb = y < rb.size() ? rb[y] : "";
    for (size_t x = 0; x < std::max(la.size(), lb.size()); ++x)
      distance += (x < la.size() && la[x] == '1') != (x < lb.size() && lb[x] == '1');
  }
  return distance;
}

// How near the character drawn in the font comes to the face's own drawing of
// it, at the font's height or a neighbouring one (0: pixel for pixel).
size_t DistanceTo(const ScreenFont& font, wchar_t ch, const wchar_t* face, LONG weight) {
  const wchar_t one[] = {ch, 0};
  const std::string linked = Ink(Draw(font, one));
  size_t best = SIZE_MAX;
  for (int height = kUiHeight - 1; height <= kUiHeight + 1; ++height) {
    ScreenFont alone(face, height, DEFAULT_CHARSET, weight);
    best = std::min(best, InkDistance(Ink(Draw(alone, one)), linked));
  }
  return best;
}

const wchar_t* const kUiNames[] = {L"MS Sans Serif", L"MS Shell Dlg", L"MS Shell Dlg 2", L"Tahoma",
                                   L"Microsoft Sans Serif", L"SimSun", L"\u5b8b\u4f53"};

TEST(FontsTest, UiFontsHaveTheLatinGlyphsAndLinkTheChineseOnesFromTheMingFace) {
  for (const wchar_t* name : kUiNames) {
    SCOPED_TRACE(testing::Message() << name);
    ScreenFont font(name, kUiHeight);
    EXPECT_EQ(font.Missing(kLatin), 0);
    // Each Chinese character draws from the Song face, not from the Ming face's
    // bitmaps (the link sizes and places it by the Latin face's metrics, so at a
    // neighbouring height, on another baseline, with other advances; the Song
    // face's hinted outlines then move by a pixel here and there, so which face
    // draws is told by the Ming face's bitmaps not matching, and by the
    // punctuation test below); one the Song face lacks (beyond GB 2312) as the
    // Ming face's bitmaps draw it, pixel for pixel.
    // Bold too: title bars draw their captions bold.
    EXPECT_GT(Draw(font, kChinese).Black, size_t(100));
    const std::wstring beyond = L"\u5ef3\u6a94";  // 廳檔: traditional forms, not in GB 2312
    for (LONG weight : {FW_NORMAL, FW_BOLD}) {
      ScreenFont styled(name, kUiHeight, DEFAULT_CHARSET, weight);
      for (const wchar_t* c = kChinese; *c; ++c) {
        EXPECT_GT(DistanceTo(styled, *c, kMing, weight), 0u) << int(*c) << " weight " << weight;
      }
      for (wchar_t c : beyond) {
        EXPECT_EQ(DistanceTo(styled, c, kMing, weight), 0u) << int(c) << " weight " << weight;
      }
    }
    ScreenFont song(kSong, kUiHeight);
    EXPECT_EQ(song.Missing(beyond), int(beyond.size())) << "the Ming face is never asked";
  }
  for (const wchar_t* name : {kSong, kMing, L"SimHei"}) {
    SCOPED_TRACE(testing::Message() << name);
    ScreenFont font(name, kUiHeight);
    EXPECT_EQ(font.Missing(kLatin), 0);
    EXPECT_EQ(font.Missing(kChinese), 0);
  }
  // Marlett's letters are the caption and frame glyphs ('r' the close cross).
  ScreenFont marlett(L"Marlett", -13, SYMBOL_CHARSET);
  EXPECT_EQ(marlett.Face(), L"Marlett");
  EXPECT_EQ(marlett.Missing(L"r012"), 0);
}

TEST(FontsTest, UiSizesDrawCrispWithoutGreyEdges) {
  for (const wchar_t* name : {L"MS Sans Serif", L"MS Shell Dlg", L"SimSun", kSong, kMing})
    for (int height : {kUiHeight, -12, -13, -14, -15, -16}) {
      SCOPED_TRACE(testing::Message() << name << " " << height);
      ScreenFont font(name, height);
      for (const wchar_t* text : {kLatin, kChinese}) {
        const TDrawn drawn = Draw(font, text);
        EXPECT_GT(drawn.Black, size_t(50)) << "no text drawn";
        EXPECT_EQ(drawn.Grey, 0u);
      }
    }
}

// Layout measures text and then draws it in the measured box: the drawn text
// must end where its measure ends, or the box clips it.
TEST(FontsTest, UiTextDrawsAsWideAsItMeasures) {
  const std::wstring mixed = std::wstring(kLatin) + L" " + kChinese + L" Wall 15 x 15";
  for (const wchar_t* name : kUiNames)
    for (int height : {kUiHeight, -12, -13, -14, -15, -16, -20})
      for (LONG weight : {FW_NORMAL, FW_BOLD}) {
        SCOPED_TRACE(testing::Message() << name << " " << height << " weight " << weight);
        ScreenFont font(name, height, DEFAULT_CHARSET, weight);
        SIZE measured{};
        ASSERT_TRUE(GetTextExtentPoint32W(font.DC(), mixed.c_str(), int(mixed.size()), &measured));
        const TDrawn drawn = Draw(font, mixed.c_str());
        // The last glyph's right bearing is the only room between its ink and the measure's end.
        ABC last{};
        ASSERT_TRUE(GetCharABCWidthsW(font.DC(), mixed.back(), mixed.back(), &last));
        EXPECT_LT(drawn.Right, 2 + measured.cx);                                     // inside the measured box
        EXPECT_GE(drawn.Right, 2 + measured.cx - std::max(0, last.abcC) - 2);  // and not short of it
      }
}

// Captions read as words: each letter, drawn alone where the measure puts it,
// keeps at least a pixel of air to the next one ("Video" must not read "Vikleo").
TEST(FontsTest, AdjacentLettersStaySeparatedInRegularAndBold) {
  const std::wstring text = L"Video Wall console Rename preset Save Cancel Skinned form caption frame and";
  const int n = int(text.size());
  for (const wchar_t* name : kUiNames)
    for (int height : {kUiHeight, -12, -13, -14, -15, -16})
      for (LONG weight : {FW_NORMAL, FW_BOLD}) {
        SCOPED_TRACE(testing::Message() << name << " " << height << " weight " << weight);
        ScreenFont font(name, height, DEFAULT_CHARSET, weight);
        std::vector<int> ends(size_t(n), 0);
        SIZE size{};
        ASSERT_TRUE(GetTextExtentExPointW(font.DC(), text.c_str(), n, 0, nullptr, ends.data(), &size));
        std::vector<std::vector<bool>> ink;
        for (int i = 0; i < n; ++i) {
          const wchar_t one[] = {text[size_t(i)], 0};
          RECT all{0, 0, ScreenFont::kWidth, ScreenFont::kRows};
          FillRect(font.DC(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
          SetBkMode(font.DC(), TRANSPARENT);
          TextOutW(font.DC(), 2 + (i ? ends[size_t(i - 1)] : 0), 2, one, 1);
          GdiFlush();
          std::vector<bool> mask(size_t(ScreenFont::kWidth * ScreenFont::kRows));
          for (size_t p = 0; p < mask.size(); ++p) mask[p] = (font.Pixels()[p] & 0xFFFFFF) != 0xFFFFFF;
          ink.push_back(std::move(mask));
        }
        std::wstring touching;
        for (int i = 0; i + 1 < n; ++i) {
          if (text[size_t(i)] == L' ' || text[size_t(i + 1)] == L' ') continue;
          const auto& a = ink[size_t(i)];
          const auto& b = ink[size_t(i + 1)];
          bool touch = false;
          for (size_t p = 0; p + 1 < a.size() && !touch; ++p) touch = a[p] && (b[p] || b[p + 1]);
          if (touch) touching += text.substr(size_t(i), 2) + L" ";
        }
        EXPECT_EQ(touching, L"");
      }
}

// Simplified Chinese sets its comma, full stop and question mark at the left of
// the cell, the comma and full stop down on the baseline (Traditional text
// centres them).
TEST(FontsTest, ChinesePunctuationSitsAtTheBottomLeft) {
  for (const wchar_t* name : {L"MS Sans Serif", L"SimSun", L"MS Shell Dlg", kSong})
    for (int height : {kUiHeight, -12, -13, -14, -16, -20}) {
      ScreenFont font(name, height);
      TEXTMETRICW metrics{};
      ASSERT_TRUE(GetTextMetricsW(font.DC(), &metrics));
      for (const wchar_t* mark : {L"\uff0c", L"\u3002", L"\uff1f"}) {
        SCOPED_TRACE(testing::Message() << name << " " << height << " U+" << std::hex << int(*mark));
        SIZE cell{};
        ASSERT_TRUE(GetTextExtentPoint32W(font.DC(), mark, 1, &cell));
        const TDrawn drawn = Draw(font, mark);
        int left = ScreenFont::kWidth, right = -1, bottom = -1;
        for (int y = 0; y < ScreenFont::kRows; ++y)
          for (int x = 0; x < ScreenFont::kWidth; ++x)
            if (drawn.Pixels[size_t(y * ScreenFont::kWidth + x)] != 0xFFFFFF)
              left = std::min(left, x), right = std::max(right, x), bottom = std::max(bottom, y);
        ASSERT_GE(right, 0) << "nothing drawn";
        // The ink's middle stands in the left two fifths of the cell (centred marks stand at the half).
        EXPECT_LT((left - 2 + right - 2) * 5, cell.cx * 4) << "ink from " << left - 2 << " to " << right - 2 << " of " << cell.cx;
        if (*mark != L'\uff1f') {
          const int baseline = 2 + metrics.tmAscent;  // the first row below the baseline
          EXPECT_GE(bottom, baseline - 1 - metrics.tmAscent / 5) << "ink bottom " << bottom << ", baseline " << baseline;
        }
      }
    }
}

}  // namespace
