// A gallery of the project's skins: for each, a window drawn from the skin's
// own elements as a skinned form would show them (caption, frame and caption
// buttons, buttons by state, check boxes, radio buttons, edits, a group box
// around a list with a selection, scroll bars, tabs, a progress bar and a
// track bar). Each is captured to "skin_gallery_<name>.png" for a person to
// look at, and checked for what would make it unreadable or unfinished.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>

#include "support/WindowCapture.h"
#include "dxSkinsCore_win.h"
#include "skins_win_test_support.h"

namespace {

const auto* const kUnits = testing::AddGlobalTestEnvironment(new skins_test::TSkinUnits);

constexpr int kWidth = 560, kHeight = 360;
constexpr int kCaption = 28, kFrame = 4;

std::function<void(HDC)> Painting;

LRESULT CALLBACK GalleryProc(HWND AWnd, UINT AMsg, WPARAM AW, LPARAM AL) {
  if (AMsg == WM_PAINT) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(AWnd, &ps);
    // Drawn off screen and copied at once, as the painters do.
    HDC memory = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, kWidth, kHeight);
    HGDIOBJ old = SelectObject(memory, bitmap);
    if (Painting) Painting(memory);
    BitBlt(dc, 0, 0, kWidth, kHeight, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    EndPaint(AWnd, &ps);
    return 0;
  }
  if (AMsg == WM_ERASEBKGND) return 1;
  return DefWindowProcW(AWnd, AMsg, AW, AL);
}

class TGallery {
 public:
  TGallery(TdxSkin* ASkin, HDC ADC) : FSkin(ASkin), FDC(ADC) {
    FFont = CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, NONANTIALIASED_QUALITY, 0, L"Tahoma");
    FOldFont = SelectObject(FDC, FFont);
    SetBkMode(FDC, TRANSPARENT);
  }
  ~TGallery() {
    SelectObject(FDC, FOldFont);
    DeleteObject(FFont);
  }

  TdxSkinElement* Element(const wchar_t* AGroup, const wchar_t* AName) {
    TdxSkinElement* e = FSkin->FindGroup(AGroup)->FindElement(AName);
    EXPECT_NE(e, nullptr) << UTF8Encode(AName);
    return e;
  }
  TColor GroupColor(const wchar_t* AGroup, const wchar_t* AName) {
    return static_cast<TdxSkinColor*>(FSkin->FindGroup(AGroup)->FindProperty(AName))->Value();
  }
  TColor SkinColor(const wchar_t* AName) { return FSkin->FindColor(AName)->Value(); }

  void Draw(TdxSkinElement* AElement, const TRect& R, TdxSkinElementState AState = esNormal, int AImage = 0) {
    AElement->DrawToDC(FDC, R, AImage, AState);
  }
  void Fill(const TRect& R, TColor AColor) {
    HBRUSH brush = CreateSolidBrush(COLORREF(AColor));
    RECT r{R.Left, R.Top, R.Right, R.Bottom};
    FillRect(FDC, &r, brush);
    DeleteObject(brush);
  }
  void Frame(const TRect& R, TColor AColor) {
    HBRUSH brush = CreateSolidBrush(COLORREF(AColor));
    RECT r{R.Left, R.Top, R.Right, R.Bottom};
    FrameRect(FDC, &r, brush);
    DeleteObject(brush);
  }
  void Text(const TRect& R, const String& AText, TColor AColor, UINT AFormat = DT_LEFT) {
    SetTextColor(FDC, COLORREF(AColor));
    RECT r{R.Left, R.Top, R.Right, R.Bottom};
    DrawTextW(FDC, AText.c_str(), -1, &r, AFormat | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  }
  // The text inside an element's content offset.
  void Caption(TdxSkinElement* AElement, const TRect& R, const String& AText, TColor AColor, UINT AFormat) {
    const TRect c = AElement->ContentOffset()->Rect();
    Text(TRect{R.Left + c.Left, R.Top + c.Top, R.Right - c.Right, R.Bottom - c.Bottom}, AText, AColor, AFormat);
  }

  void PaintAll() {
    PaintForm();
    PaintButtons(TPoint{16, kCaption + 12});
    PaintChecks(TPoint{16, kCaption + 48});
    PaintEdits(TPoint{16, kCaption + 100});
    PaintGroup(TRect{16, kCaption + 136, 276, kHeight - 16});
    PaintTabs(TRect{296, kCaption + 136, kWidth - 16, kHeight - 16});
  }

 private:
  void PaintForm() {
    TdxSkinElement* caption = Element(L"Form", L"FormCaption");
    Fill(TRect{0, 0, kWidth, kHeight}, Element(L"Form", L"FormContent")->Color());
    Draw(caption, TRect{0, 0, kWidth, kCaption}, esActive);
    Draw(Element(L"Form", L"FormFrameLeft"), TRect{0, kCaption, kFrame, kHeight}, esActive);
    Draw(Element(L"Form", L"FormFrameRight"), TRect{kWidth - kFrame, kCaption, kWidth, kHeight}, esActive);
    Draw(Element(L"Form", L"FormFrameBottom"), TRect{0, kHeight - kFrame, kWidth, kHeight}, esActive);
    Caption(caption, TRect{0, 0, kWidth - 80, kCaption}, FSkin->DisplayName(), caption->TextColor(), DT_LEFT);
    int x = kWidth - 6 - 21;
    const std::pair<const wchar_t*, TdxSkinElementState> buttons[] = {
        {L"FormButtonClose", esHot}, {L"FormButtonMaximize", esNormal}, {L"FormButtonMinimize", esNormal}};
    for (const auto& [name, state] : buttons) {
      Draw(Element(L"Form", name), TRect{x, 4, x + 21, 25}, state);
      x -= 23;
    }
  }

  void PaintButtons(TPoint AAt) {
    TdxSkinElement* button = Element(L"Common", L"Button");
    const TColor disabled = static_cast<TdxSkinColor*>(button->FindProperty(L"DisabledText"))->Value();
    const std::pair<const wchar_t*, TdxSkinElementState> states[] = {
        {L"Normal", esNormal}, {L"Hot", esHot}, {L"Pressed", esPressed}, {L"Default", esActive}, {L"Disabled", esDisabled}};
    for (const auto& [text, state] : states) {
      const TRect r{AAt.X, AAt.Y, AAt.X + 96, AAt.Y + 26};
      Draw(button, r, state);
      Caption(button, r, text, state == esDisabled ? disabled : button->TextColor(), DT_CENTER);
      AAt.X += 104;
    }
  }

  void PaintChecks(TPoint AAt) {
    TdxSkinElement* check = Element(L"Editors", L"Checkbox");
    TdxSkinElement* radio = Element(L"Editors", L"RadioButton");
    const TColor text = SkinColor(L"ContentTextColor");
    const struct {
      TdxSkinElement* Element;
      int Image;
      TdxSkinElementState State;
      const wchar_t* Text;
    } boxes[] = {{check, 0, esNormal, L"Off"},      {check, 1, esNormal, L"On"},    {check, 2, esNormal, L"Mixed"},
                 {check, 1, esHot, L"Hot"},         {check, 1, esDisabled, L"Dim"}, {radio, 0, esNormal, L"One"},
                 {radio, 1, esNormal, L"Two"},      {radio, 1, esHot, L"Hot"},      {radio, 0, esDisabled, L"Dim"}};
    int i = 0;
    for (const auto& b : boxes) {
      const TPoint at{AAt.X + (i % 5) * 104, AAt.Y + (i / 5) * 24};
      Draw(b.Element, TRect{at.X, at.Y + 2, at.X + 13, at.Y + 15}, b.State, b.Image);
      Text(TRect{at.X + 19, at.Y, at.X + 100, at.Y + 17}, b.Text, b.State == esDisabled
                                                                      ? GroupColor(L"Editors", L"TextDisabledColor")
                                                                      : text);
      ++i;
    }
  }

  void PaintEdit(const TRect& R, const String& AText, bool AEnabled) {
    Fill(R, GroupColor(L"Editors", AEnabled ? L"BackgroundColor" : L"BackgroundDisabledColor"));
    Frame(R, SkinColor(L"ContainerBorderColor"));
    Text(TRect{R.Left + 4, R.Top, R.Right - 20, R.Bottom}, AText,
         GroupColor(L"Editors", AEnabled ? L"TextColor" : L"TextDisabledColor"));
  }

  void PaintEdits(TPoint AAt) {
    PaintEdit(TRect{AAt.X, AAt.Y, AAt.X + 128, AAt.Y + 22}, L"Edit text", true);
    PaintEdit(TRect{AAt.X + 136, AAt.Y, AAt.X + 264, AAt.Y + 22}, L"Disabled", false);
    const TRect combo{AAt.X + 280, AAt.Y, AAt.X + 408, AAt.Y + 22};
    PaintEdit(combo, L"Combo", true);
    const TRect button{combo.Right - 18, combo.Top + 1, combo.Right - 1, combo.Bottom - 1};
    Draw(Element(L"Editors", L"EditorButton"), button, esHot);
    Draw(Element(L"Editors", L"ComboButtonGlyph"), button);
    const TRect spin{combo.Right + 8, combo.Top, combo.Right + 104, combo.Bottom};
    PaintEdit(spin, L"42", true);
    const TRect up{spin.Right - 18, spin.Top + 1, spin.Right - 1, spin.Top + 11};
    const TRect down{spin.Right - 18, spin.Top + 11, spin.Right - 1, spin.Bottom - 1};
    Draw(Element(L"Editors", L"EditorButton"), up);
    Draw(Element(L"Editors", L"SpinUpGlyph"), up);
    Draw(Element(L"Editors", L"EditorButton"), down, esPressed);
    Draw(Element(L"Editors", L"SpinDownGlyph"), down);
  }

  void PaintGroup(const TRect& R) {
    TdxSkinElement* caption = Element(L"Common", L"GroupPanelCaptionTop");
    const TRect band{R.Left, R.Top, R.Right, R.Top + 22};
    Draw(Element(L"Common", L"GroupPanel"), TRect{R.Left, band.Bottom - 1, R.Right, R.Bottom});
    Draw(caption, band);
    Caption(caption, band, L"Group", caption->TextColor(), DT_LEFT);
    // A list with its scroll bars inside.
    const TRect list{R.Left + 8, band.Bottom + 8, R.Right - 8, R.Bottom - 8};
    Frame(list, SkinColor(L"ContainerBorderColor"));
    const TRect inside{list.Left + 1, list.Top + 1, list.Right - 18, list.Bottom - 18};
    Fill(inside, SkinColor(L"ContentColor"));
    const wchar_t* rows[] = {L"Wall 1", L"Wall 2", L"Wall 3", L"Matrix A", L"Matrix B", L"Scene 1"};
    for (int i = 0; i < 6; ++i) {
      const TRect row{inside.Left, inside.Top + i * 18, inside.Right, inside.Top + i * 18 + 18};
      if (row.Bottom > inside.Bottom) break;
      if (i % 2) Fill(row, SkinColor(L"ContentOddColor"));
      if (i == 2) Fill(row, SkinColor(L"SelectionColor"));
      Text(TRect{row.Left + 4, row.Top, row.Right, row.Bottom}, rows[i],
           SkinColor(i == 2 ? L"SelectionTextColor" : L"ContentTextColor"));
    }
    PaintScrollBar(TRect{inside.Right, inside.Top, list.Right - 1, inside.Bottom}, false);
    PaintScrollBar(TRect{inside.Left, inside.Bottom, inside.Right, list.Bottom - 1}, true);
    Draw(Element(L"Common", L"SizeGrip"), TRect{inside.Right, inside.Bottom, list.Right - 1, list.Bottom - 1});
  }

  void PaintScrollBar(const TRect& R, bool AHorizontal) {
    TdxSkinElement* button = Element(L"Common", L"ScrollButton");
    Draw(Element(L"Common", AHorizontal ? L"ScrollContentHorz" : L"ScrollContentVert"), R);
    const int s = AHorizontal ? R.Bottom - R.Top : R.Right - R.Left;
    const TRect first = AHorizontal ? TRect{R.Left, R.Top, R.Left + s, R.Bottom} : TRect{R.Left, R.Top, R.Right, R.Top + s};
    const TRect last =
        AHorizontal ? TRect{R.Right - s, R.Top, R.Right, R.Bottom} : TRect{R.Left, R.Bottom - s, R.Right, R.Bottom};
    Draw(button, first, esNormal, AHorizontal ? 2 : 0);
    Draw(button, last, esHot, AHorizontal ? 3 : 1);
    const TRect thumb = AHorizontal ? TRect{R.Left + s + 20, R.Top, R.Left + s + 80, R.Bottom}
                                    : TRect{R.Left, R.Top + s + 14, R.Right, R.Top + s + 54};
    Draw(Element(L"Common", AHorizontal ? L"ScrollThumbHorz" : L"ScrollThumbVert"), thumb, AHorizontal ? esNormal : esHot);
  }

  void PaintTabs(const TRect& R) {
    TdxSkinElement* tab = Element(L"PageControl", L"TabHeader");
    const TColor selected = static_cast<TdxSkinColor*>(tab->FindProperty(L"TextColorSelected"))->Value();
    const TRect pane{R.Left, R.Top + 24, R.Right, R.Bottom};
    Draw(Element(L"PageControl", L"TabPane"), pane);
    const std::pair<const wchar_t*, TdxSkinElementState> tabs[] = {
        {L"Walls", esFocused}, {L"Inputs", esHot}, {L"Scenes", esNormal}};
    int x = R.Left + 2;
    for (const auto& [text, state] : tabs) {
      const TRect r = state == esFocused ? TRect{x, R.Top, x + 70, R.Top + 26} : TRect{x, R.Top + 3, x + 70, R.Top + 24};
      Draw(tab, r, state);
      Caption(tab, r, text, state == esFocused ? selected : tab->TextColor(), DT_CENTER);
      x += 72;
    }
    const TColor text = SkinColor(L"ContentTextColor");
    Text(TRect{pane.Left + 12, pane.Top + 10, pane.Right, pane.Top + 28}, L"Progress", text);
    const TRect bar{pane.Left + 12, pane.Top + 32, pane.Right - 12, pane.Top + 50};
    TdxSkinElement* border = Element(L"Editors", L"ProgressBorder");
    Draw(border, bar);
    const TRect c = border->ContentOffset()->Rect();
    Draw(Element(L"Editors", L"ProgressChunk"),
         TRect{bar.Left + c.Left, bar.Top + c.Top, bar.Left + (bar.Right - bar.Left) * 3 / 5, bar.Bottom - c.Bottom});
    Text(TRect{pane.Left + 12, pane.Top + 60, pane.Right, pane.Top + 78}, L"Brightness", text);
    const TRect track{pane.Left + 12, pane.Top + 90, pane.Right - 12, pane.Top + 96};
    Draw(Element(L"Editors", L"TrackBarTrack"), track);
    Draw(Element(L"Editors", L"TrackBarThumb"), TRect{track.Left + 90, track.Top - 7, track.Left + 101, track.Top + 12});
    Draw(Element(L"Bars", L"StatusBar"), TRect{pane.Left + 1, pane.Bottom - 24, pane.Right - 1, pane.Bottom - 1});
    Text(TRect{pane.Left + 8, pane.Bottom - 24, pane.Right, pane.Bottom - 1}, L"Ready",
         Element(L"Bars", L"StatusBar")->TextColor());
  }

  TdxSkin* FSkin;
  HDC FDC;
  HFONT FFont;
  HGDIOBJ FOldFont;
};

// The built-in skins and the one the skin file lists besides.
const wchar_t* const kSkins[] = {L"DefaultUserSkinData", L"Silver", L"LiquidSky",  L"Blue",
                                 L"Black",               L"Foggy",  L"Xmas2008Blue", L"MoneyTwins"};

TEST(BuiltInSkinsGalleryTest, EachSkinShowsAFinishedWindow) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = GalleryProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"VamireSkinGallery";
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  RegisterClassW(&wc);
  RECT frame{0, 0, kWidth, kHeight};
  AdjustWindowRect(&frame, WS_POPUP, FALSE);
  HWND wnd = CreateWindowExW(WS_EX_TOPMOST, L"VamireSkinGallery", L"Skins", WS_POPUP, 20, 20,
                             frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(wnd, nullptr);
  ShowWindow(wnd, SW_SHOW);
  std::set<std::vector<std::uint32_t>> shown;
  for (const wchar_t* name : kSkins) {
    SCOPED_TRACE(UTF8Encode(name));
    TdxSkin skin(name, GetModuleHandleW(nullptr), true);
    Painting = [&](HDC ADC) { TGallery(&skin, ADC).PaintAll(); };
    const vamire_test::Capture cap = vamire_test::CaptureClient(wnd);
    EXPECT_TRUE(cap.SavePng(L"skin_gallery_" + std::wstring(name) + L".png"));
    ASSERT_EQ(cap.Width, kWidth);
    TGallery look(&skin, nullptr);
    auto rgb = [](TColor c) {
      return (std::uint32_t(c) & 0xFF) << 16 | (std::uint32_t(c) & 0xFF00) | (std::uint32_t(c) >> 16 & 0xFF);
    };
    // The form's own colour between the controls; the caption band and the buttons stand apart from it.
    const std::uint32_t content = rgb(look.Element(L"Form", L"FormContent")->Color());
    EXPECT_EQ(cap.At(kWidth / 2, kCaption + 42), content);
    EXPECT_NE(cap.At(kWidth / 2, kCaption / 2), content);
    EXPECT_NE(cap.At(16 + 48, kCaption + 12 + 13), content);
    // The list's selection shows in the selection colour.
    EXPECT_EQ(cap.At(16 + 150, kCaption + 136 + 22 + 8 + 1 + 2 * 18 + 2), rgb(look.SkinColor(L"SelectionColor")));
    // A finished look has shading, not a handful of flat fills.
    const std::set<std::uint32_t> colours(cap.Pixels.begin(), cap.Pixels.end());
    EXPECT_GT(colours.size(), 200u);
    EXPECT_TRUE(shown.insert(cap.Pixels).second) << "looks like another skin";
  }
  Painting = nullptr;
  DestroyWindow(wnd);
}

}  // namespace
