// The skin compiler's two text sources. The catalogue names the groups, the
// elements with the shape of their pictures (image count, states, frame size,
// margins, stretch, glyph, marks, drawing style) and the properties with their
// classes and defaults. A skin description gives one look: its name, palette,
// drawing styles, element overrides and property values.
//
// Both are lines of words; "# " starts a comment; "key=value" sets an
// attribute; text with blanks goes in double quotes. Errors name the file and
// line.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace skinc {

struct TMargins {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
};

// The attributes of an element; the description's "element" lines override them.
struct TElementSpec {
  std::string Group, Name;
  int Images = 1;
  std::vector<int> States{0};  // state ordinals, ascending
  bool Vertical = false;
  int Width = 0, Height = 0;  // one frame; 0 x 0: no picture
  TMargins Margins;
  int Stretch = 0;  // 0 stretch, 1 tile, 2 none
  TMargins Content;
  int MinWidth = 0, MinHeight = 0;
  std::string Draw = "panel";
  std::vector<std::string> Marks;  // by image index
  int GlyphWidth = 0, GlyphHeight = 0;
  std::vector<int> GlyphStates{0};
  std::vector<std::string> GlyphMarks;
  std::string GlyphDraw = "glyph";
  std::string Color = "default";      // a colour
  std::string TextColor = "default";  // a colour
  int Alpha = 255;
  std::string BorderColor = "none";  // all four border lines
  int BorderThin = 1;
  std::string Where;  // file:line
};

// A property: Owner is "" for the skin, "Group" or "Group.Element".
struct TPropertySpec {
  std::string Class;  // integer, boolean, color, rect, size, string, widestring
  std::string Owner;
  std::string Name;
  std::string Value;  // empty: the class's default
  bool SkinColor = false;  // one of the skin's colours, not a property
  std::string Where;
};

struct TCatalogue {
  std::vector<std::string> Groups;
  std::vector<TElementSpec> Elements;
  std::vector<TPropertySpec> Properties;
};

// Values of a drawing style by state; "*" holds the value for every state without its own.
struct TStyle {
  std::string Name;
  int Radius = 0, Border = 0, Inset = 0, MarkSize = 0;
  // The side the shape runs on past its frame ("top", "bottom", "left", "right"): no corners
  // and no edge there, as a tab is open towards its page. Empty: closed all round.
  std::string Open;
  // Gloss: a paint over the upper half of the face, inside the edge (a sheen).
  std::map<std::string, std::string> Fill, Edge, Highlight, Mark, Gloss;
};

struct TDescription {
  std::string Name;
  std::string DisplayName;
  bool Probe = false;
  std::map<std::string, std::string> Palette;
  std::map<std::string, TStyle> Styles;
  // "Group.Element" -> the attribute words given for it.
  std::map<std::string, std::vector<std::string>> ElementOverrides;
  // "skin.Name", "Group.Name", "Group.Element.Name" -> value.
  std::map<std::string, std::string> Values;
  std::string File;
};

TCatalogue ParseCatalogue(const std::string& AText, const std::string& AFile);
TDescription ParseDescription(const std::string& AText, const std::string& AFile);
// Applies "key=value" words to an element; raises on an unknown key or a bad value.
void ApplyElementAttributes(TElementSpec& AElement, const std::vector<std::string>& AWords, const std::string& AWhere);

// The names of the element states, in ordinal order ("normal", "hot", ...).
const std::vector<std::string>& StateNames();

}  // namespace skinc
