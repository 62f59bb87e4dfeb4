#include "Subtitles.h"

#include <algorithm>

#include "SysUtils.h"

int SubtitleHitTest(const TPoint& p, const TRect& w, int def) {
  const int L = w.Left, T = w.Top, W = w.Right - w.Left, H = w.Bottom - w.Top;
  const bool right = p.X >= L + W - 2, left = p.X <= L + 2, top = p.Y <= T + 2, bottom = p.Y >= T + H - 2;
  if (right && bottom) return shBottomRight;
  if (left && bottom) return shBottomLeft;
  if (left && top) return shTopLeft;
  if (right && top) return shTopRight;
  if (p.X >= L && left) return shLeft;
  if (right) return shRight;
  if (top) return shTop;
  if (bottom) return shBottom;
  if (p.X >= L && p.Y <= T + 50) return shCaption;
  return def;
}

TColor SubtitleKeyColor(TColor text, TColor background) {
  switch (text) {
    case clRed: return clMaroon;
    case clGreen: return clTeal;
    case clYellow: return clWhite;
    case clBlue: return clNavy;
    case clWhite: return clCream;
    default: return background;
  }
}

int MarqueeScrollSize(int workAreaWidth) { return std::max(1, workAreaWidth / 600); }

TMarqueeMotion MarqueeMotion(int interval) {
  if (interval < 1) return {};
  return {true, std::min(interval, 65535)};
}

int VerticalTimerInterval(int interval) { return std::max(interval, 0) + 10; }

int VerticalScrollStep(int workAreaHeight) { return std::max(1, workAreaHeight / 300); }

int VerticalScrollHeight(int characters, int lineHeight) { return characters * lineHeight / 2; }

int VerticalNextTop(int top, int step, int scrollHeight, int clientHeight) {
  top -= step;
  return top + scrollHeight <= 0 ? clientHeight : top;
}

namespace {

bool PairAt(const String& text, size_t i) {
  return i + 1 < text.size() && text[i] >= 0xD800 && text[i] <= 0xDBFF && text[i + 1] >= 0xDC00 &&
         text[i + 1] <= 0xDFFF;
}

}  // namespace

String VerticalSubtitleText(const String& text) {
  String out;
  for (size_t i = 0; i < text.size(); ++i) {
    out += text[i];
    if (PairAt(text, i)) out += text[++i];
    out += L'\n';
  }
  return out;
}

int SubtitleCharacterCount(const String& text) {
  int n = 0;
  for (size_t i = 0; i < text.size(); ++i, ++n)
    if (PairAt(text, i)) ++i;
  return n;
}

const std::vector<TSubtitleColor>& SubtitleBackgroundColors() {
  static const std::vector<TSubtitleColor> colors = {
      {clBlack, L"clBlack"},     {clMaroon, L"clMaroon"}, {clGreen, L"clGreen"},     {clOlive, L"clOlive"},
      {clNavy, L"clNavy"},       {clPurple, L"clPurple"}, {clTeal, L"clTeal"},       {clGray, L"clGray"},
      {clSilver, L"clSilver"},   {clRed, L"clRed"},       {clLime, L"clLime"},       {clYellow, L"clYellow"},
      {clBlue, L"clBlue"},       {clFuchsia, L"clFuchsia"}, {clAqua, L"clAqua"},     {clWhite, L"clWhite"},
      {clSkyBlue, L"clSkyBlue"}, {clCream, L"clCream"},
  };
  return colors;
}

namespace {
const wchar_t* const Section = L"subtitle";
}

TSubtitleSettings ReadSubtitleSettings(ISettingsStore& store, const TSubtitleSettings& current) {
  TSubtitleSettings s;
  // A stored text goes through the decoding; the dialog's own default is taken as it is.
  const String text = store.ReadString(Section, L"displaytext", EncodeSubtitleText(current.DisplayText));
  s.DisplayText = DecodeSubtitleText(text);
  s.FontName = store.ReadString(Section, L"fontname", current.FontName);
  s.ColorName = store.ReadString(Section, L"colorname", current.ColorName);
  s.FontSize = ReadSettingInteger(store, Section, L"fontsize", current.FontSize);
  s.BgColorName = store.ReadString(Section, L"bgcolorname", s.BgColorName);
  s.Interval = store.ReadString(Section, L"interval", s.Interval);
  s.Transparent = ReadSettingBool(store, Section, L"istranp", s.Transparent);
  return s;
}

void WriteSubtitleSettings(ISettingsStore& store, const TSubtitleSettings& s) {
  store.WriteString(Section, L"displaytext", EncodeSubtitleText(s.DisplayText));
  store.WriteString(Section, L"fontname", s.FontName);
  store.WriteString(Section, L"colorname", s.ColorName);
  WriteSettingInteger(store, Section, L"fontsize", s.FontSize);
  store.WriteString(Section, L"bgcolorname", s.BgColorName);
  store.WriteString(Section, L"interval", s.Interval);
  WriteSettingBool(store, Section, L"istranp", s.Transparent);
}

String EncodeSubtitleText(const String& text) {
  String out;
  auto isBreak = [&](size_t i) { return i < text.size() && (text[i] == L'\r' || text[i] == L'\n'); };
  for (size_t i = 0; i < text.size(); ++i) {
    const wchar_t c = text[i];
    if (isBreak(i)) {
      if (c == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') ++i;
      out += L"\\n";
    } else if (c == L'\\') {
      // Only a backslash the reader would take as the start of an escape is doubled.
      const bool escapeFollows = isBreak(i + 1) || (i + 1 < text.size() && (text[i + 1] == L'n' || text[i + 1] == L'\\'));
      out += escapeFollows ? L"\\\\" : L"\\";
    } else {
      out += c;
    }
  }
  return out;
}

String DecodeSubtitleText(const String& stored) {
  String out;
  for (size_t i = 0; i < stored.size(); ++i) {
    if (stored[i] == L'\r' || stored[i] == L'\n') {
      // No file line holds one, but a text handed in otherwise may: a break as the memo keeps it.
      if (stored[i] == L'\r' && i + 1 < stored.size() && stored[i + 1] == L'\n') ++i;
      out += L"\r\n";
    } else if (stored[i] == L'\\' && i + 1 < stored.size() && stored[i + 1] == L'n') {
      out += L"\r\n";
      ++i;
    } else if (stored[i] == L'\\' && i + 1 < stored.size() && stored[i + 1] == L'\\') {
      out += L'\\';
      ++i;
    } else {
      out += stored[i];
    }
  }
  return out;
}
