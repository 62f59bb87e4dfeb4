// Checks a window's layout the way a reviewer would: every caption fits the
// text area of its control when measured in the control's own font, no two
// visible siblings overlap, and nothing pokes out of its parent's client
// area. Works on the runtime's control tree, so windowless labels and the
// toolkit's controls are checked alike; each finding is one readable line.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "Controls.h"
#include "Graphics.h"

namespace test_support {

// Room a control of each kind keeps beside its caption: a check box's or radio
// button's glyph, a button's frame, a group box's frame around a caption that
// sits on its top edge. Kinds are told by class name, so the toolkit's
// TcxCheckBox counts as a check box like the runtime's TCheckBox.
struct TCaptionRoom {
  bool Checked = false;  // the control has a caption to measure
  int Horizontal = 0;    // pixels of its width the caption cannot use
  int Vertical = 0;      // pixels of its height the caption cannot use
};

inline bool NameHas(const String& name, const wchar_t* part) { return name.find(part) != String::npos; }

inline TCaptionRoom CaptionRoom(TControl* control) {
  const String& kind = control->ClassName();
  if (NameHas(kind, L"CheckBox") || NameHas(kind, L"RadioButton")) return {true, 20, 0};
  if (NameHas(kind, L"GroupBox") || NameHas(kind, L"RadioGroup")) return {true, 16, 0};
  if (NameHas(kind, L"Button") || NameHas(kind, L"BitBtn")) return {true, 8, 4};
  if (NameHas(kind, L"Label") || NameHas(kind, L"StaticText")) return {true, 0, 0};
  return {};  // edits, lists, grids, panels: their text is content, not a caption
}

// The caption's size in the control's font, as DrawText lays it out: one
// line, or one per line break of a caption that has them ("&" marks an
// accelerator and takes no room).
inline SIZE CaptionExtent(TControl* control, const String& caption) {
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, control->Font()->Handle());
  RECT r{0, 0, 0, 0};
  const UINT lines = caption.find_first_of(L"\r\n") == String::npos ? DT_SINGLELINE : 0;
  DrawTextW(dc, caption.c_str(), int(caption.size()), &r, DT_CALCRECT | lines);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  return SIZE{r.right - r.left, r.bottom - r.top};
}

inline std::string Narrow(const String& s) {
  int n = WideCharToMultiByte(CP_UTF8, 0, s.c_str(), int(s.size()), nullptr, 0, nullptr, nullptr);
  std::string out(size_t(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, s.c_str(), int(s.size()), out.data(), n, nullptr, nullptr);
  return out;
}

inline std::string Describe(TControl* c) {
  std::string name = Narrow(c->Name());
  return (name.empty() ? "(unnamed)" : name) + " (" + Narrow(c->ClassName()) + ")";
}

inline std::string RectText(const TRect& r) {
  return "[" + std::to_string(r.Left) + "," + std::to_string(r.Top) + " - " + std::to_string(r.Right) + "," +
         std::to_string(r.Bottom) + "]";
}

inline bool Overlap(const TRect& a, const TRect& b) {
  return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

// Tab sheets of one page control lie on one another by design.
inline bool IsPage(TControl* c) { return NameHas(c->ClassName(), L"TabSheet"); }
// A toolkit editor lays its own scroll bars over its inner window's native ones.
inline bool IsMirroredScrollBar(TControl* c) { return NameHas(c->ClassName(), L"TcxControlScrollBar"); }

inline void CheckChildren(TWinControl* parent, std::vector<std::string>& problems) {
  const TRect client = parent->ClientRect();
  std::vector<TControl*> shown;
  for (int i = 0; i < parent->ControlCount(); ++i) {
    TControl* c = parent->Controls(i);
    if (c->Visible()) shown.push_back(c);
  }
  for (size_t i = 0; i < shown.size(); ++i) {
    TControl* c = shown[i];
    const TRect r = c->BoundsRect();
    if (r.Left < client.Left || r.Top < client.Top || r.Right > client.Right || r.Bottom > client.Bottom)
      problems.push_back(Describe(c) + " " + RectText(r) + " lies outside " + Describe(parent) + "'s client area " +
                         RectText(client));
    for (size_t j = i + 1; j < shown.size(); ++j)
      if (!(IsPage(c) && IsPage(shown[j])) && !IsMirroredScrollBar(c) && !IsMirroredScrollBar(shown[j]) &&
          Overlap(r, shown[j]->BoundsRect()))
        problems.push_back(Describe(c) + " " + RectText(r) + " overlaps " + Describe(shown[j]) + " " +
                           RectText(shown[j]->BoundsRect()));
    TCaptionRoom room = CaptionRoom(c);
    const String caption = c->Caption();
    if (room.Checked && !caption.empty()) {
      SIZE size = CaptionExtent(c, caption);
      const int width = r.Right - r.Left - room.Horizontal;
      const int height = r.Bottom - r.Top - room.Vertical;
      if (size.cx > width || size.cy > height)
        problems.push_back(Describe(c) + " caption \"" + Narrow(caption) + "\" needs " + std::to_string(size.cx) +
                           " x " + std::to_string(size.cy) + " px, its text area is " + std::to_string(width) +
                           " x " + std::to_string(height));
    }
    if (auto* w = dynamic_cast<TWinControl*>(c)) CheckChildren(w, problems);
  }
}

// Every problem found below `root` (a form, say); empty when the layout is sound.
inline std::vector<std::string> CheckLayout(TWinControl* root) {
  std::vector<std::string> problems;
  CheckChildren(root, problems);
  return problems;
}

}  // namespace test_support
