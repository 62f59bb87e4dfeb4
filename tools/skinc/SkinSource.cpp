#include "SkinSource.h"

#include <algorithm>
#include <set>
#include <sstream>
#include <stdexcept>

namespace skinc {

namespace {

[[noreturn]] void Fail(const std::string& AWhere, const std::string& AMessage) {
  throw std::runtime_error(AWhere + ": " + AMessage);
}

// The words of a line: blanks separate, double quotes keep blanks (and are
// dropped); a "#" that starts a word and is followed by a blank (or ends the
// line) starts a comment, so colours such as #E4E8EE stay words.
std::vector<std::string> Words(const std::string& ALine, const std::string& AWhere) {
  std::vector<std::string> words;
  std::string word;
  bool quoted = false, any = false;
  for (std::size_t i = 0; i < ALine.size(); ++i) {
    const char c = ALine[i];
    if (quoted) {
      if (c == '"') quoted = false;
      else word += c;
    } else if (c == '"') {
      quoted = any = true;
    } else if (c == '#' && !any && (i + 1 == ALine.size() || ALine[i + 1] == ' ' || ALine[i + 1] == '\t' ||
                                    ALine[i + 1] == '\r')) {
      break;
    } else if (c == ' ' || c == '\t' || c == '\r') {
      if (any) words.push_back(word);
      word.clear();
      any = false;
    } else {
      word += c;
      any = true;
    }
  }
  if (quoted) Fail(AWhere, "a quote is not closed");
  if (any) words.push_back(word);
  return words;
}

template <class F>
void ForEachLine(const std::string& AText, const std::string& AFile, F AHandle) {
  std::istringstream in(AText);
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    const std::string where = AFile + ":" + std::to_string(number);
    std::vector<std::string> words = Words(line, where);
    if (!words.empty()) AHandle(words, where);
  }
}

int Number(const std::string& AText, const std::string& AWhere) {
  std::size_t used = 0;
  int value = 0;
  try {
    value = std::stoi(AText, &used);
  } catch (const std::exception&) {
    used = 0;
  }
  if (used == 0 || used != AText.size()) Fail(AWhere, "not a number: \"" + AText + "\"");
  return value;
}

std::vector<std::string> Split(const std::string& AText, char ASeparator) {
  std::vector<std::string> parts;
  std::string part;
  std::istringstream in(AText);
  while (std::getline(in, part, ASeparator)) parts.push_back(part);
  return parts;
}

std::vector<int> Numbers(const std::string& AText, char ASeparator, std::size_t ACount, const std::string& AWhere) {
  const std::vector<std::string> parts = Split(AText, ASeparator);
  if (parts.size() != ACount) Fail(AWhere, "expected " + std::to_string(ACount) + " numbers in \"" + AText + "\"");
  std::vector<int> values;
  for (const std::string& p : parts) values.push_back(Number(p, AWhere));
  return values;
}

TMargins MarginsOf(const std::string& AText, const std::string& AWhere) {
  const std::vector<int> v = Numbers(AText, ',', 4, AWhere);
  for (int m : v)
    if (m < 0) Fail(AWhere, "a margin below 0 in \"" + AText + "\"");
  return TMargins{v[0], v[1], v[2], v[3]};
}

std::vector<int> StatesOf(const std::string& AText, const std::string& AWhere) {
  std::set<int> states;
  for (const std::string& name : Split(AText, ',')) {
    const auto it = std::find(StateNames().begin(), StateNames().end(), name);
    if (it == StateNames().end()) Fail(AWhere, "no state \"" + name + "\"");
    states.insert(int(it - StateNames().begin()));
  }
  if (states.empty()) Fail(AWhere, "no states");
  return std::vector<int>(states.begin(), states.end());
}

void SizeOf(const std::string& AText, int& AWidth, int& AHeight, const std::string& AWhere) {
  const std::vector<int> v = Numbers(AText, 'x', 2, AWhere);
  if (v[0] < 0 || v[1] < 0 || v[0] > 1024 || v[1] > 1024) Fail(AWhere, "a size out of 0..1024: \"" + AText + "\"");
  AWidth = v[0];
  AHeight = v[1];
}

const std::set<std::string> kClasses = {"integer", "boolean", "color", "rect", "size", "string", "widestring"};

}  // namespace

const std::vector<std::string>& StateNames() {
  static const std::vector<std::string> names = {"normal",  "hot",      "pressed",  "disabled",
                                                 "active",  "focused",  "droppeddown", "checked",
                                                 "hotcheck", "activedisabled", "checkpressed"};
  return names;
}

void ApplyElementAttributes(TElementSpec& AElement, const std::vector<std::string>& AWords,
                            const std::string& AWhere) {
  for (const std::string& word : AWords) {
    const std::size_t eq = word.find('=');
    if (eq == std::string::npos) Fail(AWhere, "expected key=value, not \"" + word + "\"");
    const std::string key = word.substr(0, eq), value = word.substr(eq + 1);
    if (key == "images") {
      AElement.Images = Number(value, AWhere);
      if (AElement.Images < 1) Fail(AWhere, "images below 1");
    } else if (key == "states") {
      AElement.States = StatesOf(value, AWhere);
    } else if (key == "layout") {
      if (value != "h" && value != "v") Fail(AWhere, "layout is h or v");
      AElement.Vertical = value == "v";
    } else if (key == "size") {
      SizeOf(value, AElement.Width, AElement.Height, AWhere);
    } else if (key == "margins") {
      AElement.Margins = MarginsOf(value, AWhere);
    } else if (key == "stretch") {
      static const std::vector<std::string> modes = {"stretch", "tile", "none"};
      const auto it = std::find(modes.begin(), modes.end(), value);
      if (it == modes.end()) Fail(AWhere, "stretch is stretch, tile or none");
      AElement.Stretch = int(it - modes.begin());
    } else if (key == "content") {
      AElement.Content = MarginsOf(value, AWhere);
    } else if (key == "minsize") {
      const std::vector<int> v = Numbers(value, ',', 2, AWhere);
      AElement.MinWidth = v[0];
      AElement.MinHeight = v[1];
    } else if (key == "draw") {
      AElement.Draw = value;
    } else if (key == "marks") {
      AElement.Marks = Split(value, ',');
    } else if (key == "glyph") {
      SizeOf(value, AElement.GlyphWidth, AElement.GlyphHeight, AWhere);
    } else if (key == "glyphstates") {
      AElement.GlyphStates = StatesOf(value, AWhere);
    } else if (key == "glyphmarks") {
      AElement.GlyphMarks = Split(value, ',');
    } else if (key == "glyphdraw") {
      AElement.GlyphDraw = value;
    } else if (key == "color") {
      AElement.Color = value;
    } else if (key == "text") {
      AElement.TextColor = value;
    } else if (key == "alpha") {
      AElement.Alpha = Number(value, AWhere);
      if (AElement.Alpha < 0 || AElement.Alpha > 255) Fail(AWhere, "alpha out of 0..255");
    } else if (key == "border") {
      AElement.BorderColor = value;
    } else if (key == "borderthin") {
      AElement.BorderThin = Number(value, AWhere);
    } else {
      Fail(AWhere, "unknown element attribute \"" + key + "\"");
    }
  }
}

TCatalogue ParseCatalogue(const std::string& AText, const std::string& AFile) {
  TCatalogue catalogue;
  std::string group;
  std::vector<std::string> defaults;
  std::set<std::string> seen;
  ForEachLine(AText, AFile, [&](const std::vector<std::string>& w, const std::string& where) {
    const std::string& keyword = w[0];
    if (keyword == "group") {
      if (w.size() != 2) Fail(where, "group NAME");
      group = w[1];
      defaults.clear();
      if (std::find(catalogue.Groups.begin(), catalogue.Groups.end(), group) != catalogue.Groups.end())
        Fail(where, "group " + group + " twice");
      catalogue.Groups.push_back(group);
    } else if (keyword == "defaults") {
      if (group.empty()) Fail(where, "defaults outside a group");
      defaults.assign(w.begin() + 1, w.end());
    } else if (keyword == "element") {
      if (group.empty()) Fail(where, "element outside a group");
      if (w.size() < 2) Fail(where, "element NAME key=value...");
      TElementSpec e;
      e.Group = group;
      e.Name = w[1];
      e.Where = where;
      if (!seen.insert(group + "." + e.Name).second) Fail(where, "element " + group + "." + e.Name + " twice");
      ApplyElementAttributes(e, defaults, where);
      ApplyElementAttributes(e, std::vector<std::string>(w.begin() + 2, w.end()), where);
      catalogue.Elements.push_back(e);
    } else if (keyword == "property" || keyword == "skin-property" || keyword == "skin-color") {
      TPropertySpec p;
      p.Where = where;
      std::size_t at = 1;
      p.SkinColor = keyword == "skin-color";
      if (p.SkinColor) {
        p.Class = "color";
      } else {
        if (w.size() < 3) Fail(where, keyword + " CLASS NAME [= VALUE]");
        p.Class = w[at++];
        if (!kClasses.count(p.Class)) Fail(where, "no property class \"" + p.Class + "\"");
      }
      if (at >= w.size()) Fail(where, "a property needs a name");
      std::string name = w[at++];
      if (keyword == "property") {
        if (group.empty()) Fail(where, "property outside a group");
        const std::size_t dot = name.find('.');
        p.Owner = dot == std::string::npos ? group : group + "." + name.substr(0, dot);
        if (dot != std::string::npos) {
          if (!seen.count(p.Owner)) Fail(where, "no element " + p.Owner + " above");
          name = name.substr(dot + 1);
        }
      }
      p.Name = name;
      if (at < w.size()) {
        if (w[at] != "=" || at + 2 != w.size()) Fail(where, "expected \"= VALUE\"");
        p.Value = w[at + 1];
      }
      catalogue.Properties.push_back(p);
    } else {
      Fail(where, "unknown line \"" + keyword + "\"");
    }
  });
  return catalogue;
}

TDescription ParseDescription(const std::string& AText, const std::string& AFile) {
  TDescription d;
  d.File = AFile;
  TStyle* style = nullptr;
  static const std::set<std::string> stateFields = {"fill", "edge", "highlight", "mark", "gloss"};
  ForEachLine(AText, AFile, [&](const std::vector<std::string>& w, const std::string& where) {
    const std::string& keyword = w[0];
    if (style && (stateFields.count(keyword) || keyword == "radius" || keyword == "border" || keyword == "inset" ||
                  keyword == "marksize" || keyword == "open")) {
      if (keyword == "open") {
        static const std::set<std::string> sides = {"top", "bottom", "left", "right", "none"};
        if (w.size() != 2 || !sides.count(w[1])) Fail(where, "open top, bottom, left, right or none");
        style->Open = w[1] == "none" ? std::string() : w[1];
      } else if (stateFields.count(keyword)) {
        if (w.size() < 3) Fail(where, keyword + " STATE VALUE...");
        if (w[1] != "*" && std::find(StateNames().begin(), StateNames().end(), w[1]) == StateNames().end())
          Fail(where, "no state \"" + w[1] + "\"");
        std::string value = w[2];
        for (std::size_t i = 3; i < w.size(); ++i) value += " " + w[i];
        auto& field = keyword == "fill"        ? style->Fill
                      : keyword == "edge"      ? style->Edge
                      : keyword == "highlight" ? style->Highlight
                      : keyword == "gloss"     ? style->Gloss
                                               : style->Mark;
        field[w[1]] = value;
      } else {
        if (w.size() != 2) Fail(where, keyword + " N");
        const int n = Number(w[1], where);
        if (n < 0 || n > 256) Fail(where, keyword + " out of 0..256");
        (keyword == "radius" ? style->Radius : keyword == "border" ? style->Border
         : keyword == "inset"  ? style->Inset
                               : style->MarkSize) = n;
      }
      return;
    }
    style = nullptr;
    if (keyword == "skin") {
      if (w.size() != 2) Fail(where, "skin NAME");
      d.Name = w[1];
    } else if (keyword == "display") {
      if (w.size() != 2) Fail(where, "display \"TEXT\"");
      d.DisplayName = w[1];
    } else if (keyword == "probe") {
      d.Probe = true;
    } else if (keyword == "palette") {
      if (w.size() != 3) Fail(where, "palette ROLE COLOR");
      d.Palette[w[1]] = w[2];
    } else if (keyword == "style") {
      if (w.size() != 2 && !(w.size() == 4 && w[2] == "from")) Fail(where, "style NAME [from BASE]");
      if (w.size() == 4) {
        const auto base = d.Styles.find(w[3]);
        if (base == d.Styles.end()) Fail(where, "no style \"" + w[3] + "\" above");
        d.Styles[w[1]] = base->second;
      }
      style = &d.Styles[w[1]];
      style->Name = w[1];
    } else if (keyword == "element") {
      if (w.size() < 3 || w[1].find('.') == std::string::npos) Fail(where, "element GROUP.NAME key=value...");
      auto& words = d.ElementOverrides[w[1]];
      words.insert(words.end(), w.begin() + 2, w.end());
    } else if (keyword == "set") {
      if (w.size() != 4 || w[2] != "=") Fail(where, "set KEY = VALUE");
      d.Values[w[1]] = w[3];
    } else {
      Fail(where, "unknown line \"" + keyword + "\"");
    }
  });
  if (d.Name.empty()) Fail(AFile, "the description names no skin (skin NAME)");
  return d;
}

}  // namespace skinc
