// A gallery of the project's skins drawn through the skin painter: for each,
// a window showing what the painter draws from the skin (buttons by state,
// check boxes, radio buttons, edits with their buttons, a group box around a
// list with a selection, scroll bars and size grip, a progress bar and a
// track bar) inside a form's caption, frame and caption buttons drawn from
// the skin's form elements, with tabs from its page elements. Each is
// captured to "skin_gallery_<name>.png" for a person to look at, and checked
// for what would make it unreadable or unfinished.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>

#include "dxSkinsCore_win.h"
#include "graphics_win_test_support.h"
#include "skinunits_win_test_support.h"
#include "support/WindowCapture.h"

using E = TdxSkinElementSlot;
using P = TdxSkinPropertySlot;

namespace {

class TGalleryUnits : public testing::Environment {
 public:
  void SetUp() override {
    skinunits_test::Start(skinunits_test::BaseUnits());
    skinunits_test::Start(skinunits_test::SkinUnits());
  }
  void TearDown() override { FinalizeUnits(); }
};
const auto* const kUnits = testing::AddGlobalTestEnvironment(new TGalleryUnits);

// The skin the skin file lists besides the built-in ones has no painter of the
// program's; the gallery files it under a painter of its own while it shows it.
class TListedSkinPainter : public TdxSkinLookAndFeelPainter {
  VAMIRE_CLASS(TListedSkinPainter, TdxSkinLookAndFeelPainter)
 public:
  static TcxCustomLookAndFeelPainterClass Instance() {
    static const auto* instance = new TListedSkinPainter();
    return instance;
  }
};

constexpr int kWidth = 560, kHeight = 360;
constexpr int kCaption = 28, kFrame = 4;

std::function<void(HDC)> Painting;

LRESULT CALLBACK GalleryProc(HWND AWnd, UINT AMsg, WPARAM AW, LPARAM AL) {
  if (AMsg == WM_PAINT) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(AWnd, &ps);
    // Drawn off screen and copied at once, as the toolkit's controls paint.
    core_graphics_test::CanvasSurface surface(kWidth, kHeight);
    if (Painting) Painting(surface.Dc);
    GdiFlush();
    BitBlt(dc, 0, 0, kWidth, kHeight, surface.Dc, 0, 0, SRCCOPY);
    EndPaint(AWnd, &ps);
    return 0;
  }
  if (AMsg == WM_ERASEBKGND) return 1;
  return DefWindowProcW(AWnd, AMsg, AW, AL);
}

class TGallery {
 public:
  TGallery(const TdxSkinLookAndFeelPainter* APainter, HDC ADC)
      : FPainter(APainter), FInfo(APainter->GetSkinInfo()), FCx(&FCanvas) {
    FCanvas.SetHandle(ADC);
    core_graphics_test::UseCrispFont(FCx.Font(), -12);
  }
  ~TGallery() { FCanvas.SetHandle(nullptr); }

  TdxSkinElement* Element(E ASlot) { return FInfo->Element(ASlot); }
  TColor Color(P ASlot) { return FInfo->Color(ASlot)->Value(); }

  void PaintAll() {
    PaintForm();
    PaintButtons(TPoint{16, kCaption + 12});
    PaintChecks(TPoint{16, kCaption + 50});
    PaintEdits(TPoint{16, kCaption + 100});
    PaintGroup(TRect{16, kCaption + 136, 276, kHeight - 16});
    PaintTabs(TRect{296, kCaption + 136, kWidth - 16, kHeight - 16});
  }

 private:
  void Text(const TRect& R, const String& AText, TColor AColor, int AAlign = cxAlignLeft) {
    FCx.Brush()->SetStyle(bsClear);
    FCx.Font()->SetColor(AColor);
    FCx.DrawText(AText, R, AAlign | cxAlignVCenter | cxSingleLine);
    FCx.Brush()->SetStyle(bsSolid);
  }
  void Draw(E ASlot, const TRect& R, TdxSkinElementState AState = esNormal, int AImage = 0) {
    Element(ASlot)->DrawToDC(FCx.Handle(), R, AImage, AState);
  }
  // The text inside an element's content offset.
  void Caption(E ASlot, const TRect& R, const String& AText, TColor AColor, int AAlign) {
    const TRect c = Element(ASlot)->ContentOffset()->Rect();
    Text(TRect{R.Left + c.Left, R.Top + c.Top, R.Right - c.Right, R.Bottom - c.Bottom}, AText, AColor, AAlign);
  }

  // The form around the gallery, from the skin's form elements.
  void PaintForm() {
    FCx.FillRect(TRect{0, 0, kWidth, kHeight}, Element(E::FormFormContent)->Color());
    Draw(E::FormFormCaption, TRect{0, 0, kWidth, kCaption}, esActive);
    Draw(E::FormFormFrameLeft, TRect{0, kCaption, kFrame, kHeight}, esActive);
    Draw(E::FormFormFrameRight, TRect{kWidth - kFrame, kCaption, kWidth, kHeight}, esActive);
    Draw(E::FormFormFrameBottom, TRect{0, kHeight - kFrame, kWidth, kHeight}, esActive);
    Caption(E::FormFormCaption, TRect{0, 0, kWidth - 80, kCaption}, FInfo->Skin()->DisplayName(),
            Element(E::FormFormCaption)->TextColor(), cxAlignLeft);
    int x = kWidth - 6 - 21;
    const std::pair<E, TdxSkinElementState> buttons[] = {
        {E::FormFormButtonClose, esHot}, {E::FormFormButtonMaximize, esNormal}, {E::FormFormButtonMinimize, esNormal}};
    for (const auto& [slot, state] : buttons) {
      Draw(slot, TRect{x, 4, x + 21, 25}, state);
      x -= 23;
    }
  }

  void PaintButtons(TPoint AAt) {
    const std::pair<const wchar_t*, TcxButtonState> states[] = {{L"Normal", cxbsNormal},   {L"Hot", cxbsHot},
                                                                {L"Pressed", cxbsPressed}, {L"Default", cxbsDefault},
                                                                {L"Disabled", cxbsDisabled}};
    for (const auto& [text, state] : states) {
      FPainter->PaintButtonCell(&FCx, TRect{AAt.X, AAt.Y, AAt.X + 96, AAt.Y + 25}, text, state, true, clDefault,
                                clDefault, false, false);
      AAt.X += 104;
    }
  }

  void PaintChecks(TPoint AAt) {
    const TSize check = FPainter->GetCheckGlyphSize(), radio = FPainter->GetRadioGlyphSize();
    const struct {
      bool Radio;
      TcxCheckBoxState Check;
      TcxButtonState State;
      const wchar_t* Text;
    } boxes[] = {{false, cbsUnchecked, cxbsNormal, L"Off"}, {false, cbsChecked, cxbsNormal, L"On"},
                 {false, cbsGrayed, cxbsNormal, L"Mixed"},  {false, cbsChecked, cxbsHot, L"Hot"},
                 {false, cbsChecked, cxbsDisabled, L"Dim"}, {true, cbsUnchecked, cxbsNormal, L"One"},
                 {true, cbsChecked, cxbsNormal, L"Two"},    {true, cbsChecked, cxbsHot, L"Hot"},
                 {true, cbsUnchecked, cxbsDisabled, L"Dim"}};
    int i = 0;
    for (const auto& b : boxes) {
      const TPoint at{AAt.X + (i % 5) * 104, AAt.Y + (i / 5) * 24};
      const TSize size = b.Radio ? radio : check;
      const int top = at.Y + (17 - size.cy) / 2;
      if (b.Radio)
        FPainter->DrawRadioButton(&FCx, at.X, top, b.State, b.Check == cbsChecked, false, clDefault, false);
      else
        FPainter->PaintCheckBox(&FCx, TRect{at.X, top, at.X + size.cx, top + size.cy}, b.State, b.Check);
      Text(TRect{at.X + size.cx + 6, at.Y, at.X + 100, at.Y + 17}, b.Text,
           FPainter->GetEditorTextColorForState(b.State == cxbsDisabled ? esckDisabled : esckNormal));
      ++i;
    }
  }

  void PaintEdit(const TRect& R, const String& AText, TcxEditStateColorKind AKind) {
    FCx.FillRect(R, FPainter->GetEditorBackgroundColorForState(AKind));
    FCx.FrameRectBorders(R, FPainter->GetEditBorderColor(false));
    Text(TRect{R.Left + 4, R.Top, R.Right - 20, R.Bottom}, AText, FPainter->GetEditorTextColorForState(AKind));
  }

  void PaintEdits(TPoint AAt) {
    PaintEdit(TRect{AAt.X, AAt.Y, AAt.X + 128, AAt.Y + 22}, L"Edit text", esckNormal);
    PaintEdit(TRect{AAt.X + 136, AAt.Y, AAt.X + 264, AAt.Y + 22}, L"Disabled", esckDisabled);
    const TRect combo{AAt.X + 280, AAt.Y, AAt.X + 408, AAt.Y + 22};
    PaintEdit(combo, L"Combo", esckNormal);
    FPainter->PaintEditButton(&FCx, TRect{combo.Right - 18, combo.Top + 1, combo.Right - 1, combo.Bottom - 1},
                              cxbkComboBtn, cxbsHot, cxbpRight);
    const TRect spin{combo.Right + 8, combo.Top, combo.Right + 104, combo.Bottom};
    PaintEdit(spin, L"42", esckNormal);
    FPainter->PaintEditButton(&FCx, TRect{spin.Right - 18, spin.Top + 1, spin.Right - 1, spin.Top + 11},
                              cxbkSpinUpBtn, cxbsNormal, cxbpRight);
    FPainter->PaintEditButton(&FCx, TRect{spin.Right - 18, spin.Top + 11, spin.Right - 1, spin.Bottom - 1},
                              cxbkSpinDownBtn, cxbsPressed, cxbpRight);
  }

  void PaintGroup(const TRect& R) {
    const TRect band{R.Left, R.Top, R.Right, R.Top + 22};
    FPainter->DrawGroupBoxContent(&FCx, TRect{R.Left, band.Bottom, R.Right, R.Bottom}, cxgpTop, cxBordersAll);
    FPainter->DrawGroupBoxCaption(&FCx, band, cxgpTop);
    Caption(E::CommonGroupPanelCaptionTop, band, L"Group", FPainter->GetGroupBoxCaptionTextColor(true, cxgpTop),
            cxAlignLeft);
    // A list with its scroll bars and size grip.
    const TRect list{R.Left + 8, band.Bottom + 8, R.Right - 8, R.Bottom - 8};
    FPainter->PaintControlBorder(&FCx, list);
    const TRect inside{list.Left + 1, list.Top + 1, list.Right - 18, list.Bottom - 18};
    FCx.FillRect(inside, Color(P::SkinContentColor));
    const wchar_t* rows[] = {L"Wall 1", L"Wall 2", L"Wall 3", L"Matrix A", L"Matrix B", L"Scene 1"};
    for (int i = 0; i < 6; ++i) {
      const TRect row{inside.Left, inside.Top + i * 18, inside.Right, inside.Top + i * 18 + 18};
      if (row.Bottom > inside.Bottom) break;
      if (i % 2) FCx.FillRect(row, Color(P::SkinContentOddColor));
      if (i == 2) FCx.FillRect(row, Color(P::SkinSelectionColor));
      Text(TRect{row.Left + 4, row.Top, row.Right, row.Bottom}, rows[i],
           Color(i == 2 ? P::SkinSelectionTextColor : P::SkinContentTextColor));
    }
    PaintScrollBar(TRect{inside.Right, inside.Top, list.Right - 1, inside.Bottom}, false);
    PaintScrollBar(TRect{inside.Left, inside.Bottom, inside.Right, list.Bottom - 1}, true);
    FPainter->PaintSizeGrip(&FCx, TRect{inside.Right, inside.Bottom, list.Right - 1, list.Bottom - 1});
  }

  void PaintScrollBar(const TRect& R, bool AHorizontal) {
    const int s = AHorizontal ? R.Bottom - R.Top : R.Right - R.Left;
    auto span = [&](int AFrom, int ATo) {
      return AHorizontal ? TRect{R.Left + AFrom, R.Top, R.Left + ATo, R.Bottom}
                         : TRect{R.Left, R.Top + AFrom, R.Right, R.Top + ATo};
    };
    const int length = AHorizontal ? R.Right - R.Left : R.Bottom - R.Top;
    const int thumb = s + (AHorizontal ? 20 : 14), thumbEnd = thumb + (AHorizontal ? 60 : 40);
    FPainter->PaintScrollBarPart(&FCx, AHorizontal, span(0, s), sbpLineUp, cxbsNormal);
    FPainter->PaintScrollBarPart(&FCx, AHorizontal, span(s, thumb), sbpPageUp, cxbsNormal);
    FPainter->PaintScrollBarPart(&FCx, AHorizontal, span(thumb, thumbEnd), sbpThumbnail,
                                 AHorizontal ? cxbsNormal : cxbsHot);
    FPainter->PaintScrollBarPart(&FCx, AHorizontal, span(thumbEnd, length - s), sbpPageDown, cxbsNormal);
    FPainter->PaintScrollBarPart(&FCx, AHorizontal, span(length - s, length), sbpLineDown, cxbsHot);
  }

  void PaintTabs(const TRect& R) {
    TdxSkinElement* tab = Element(E::PageControlTabHeader);
    const TRect pane{R.Left, R.Top + 24, R.Right, R.Bottom};
    Draw(E::PageControlTabPane, pane);
    const std::pair<const wchar_t*, TdxSkinElementState> tabs[] = {
        {L"Walls", esFocused}, {L"Inputs", esHot}, {L"Scenes", esNormal}};
    int x = R.Left + 2;
    for (const auto& [text, state] : tabs) {
      const TRect r = state == esFocused ? TRect{x, R.Top, x + 70, R.Top + 26} : TRect{x, R.Top + 3, x + 70, R.Top + 24};
      Draw(E::PageControlTabHeader, r, state);
      Caption(E::PageControlTabHeader, r, text,
              state == esFocused ? static_cast<TdxSkinColor*>(tab->FindProperty(L"TextColorSelected"))->Value()
                                 : tab->TextColor(),
              cxAlignHCenter);
      x += 72;
    }
    const TColor text = Color(P::SkinContentTextColor);
    Text(TRect{pane.Left + 12, pane.Top + 10, pane.Right, pane.Top + 28}, L"Progress", text);
    const TRect bar{pane.Left + 12, pane.Top + 32, pane.Right - 12, pane.Top + 50};
    FPainter->PaintProgressFill(&FCx, bar, false);
    const TRect c = Element(E::EditorsProgressBorder)->ContentOffset()->Rect();
    FPainter->PaintProgressChunk(
        &FCx, TRect{bar.Left + c.Left, bar.Top + c.Top, bar.Left + (bar.Right - bar.Left) * 3 / 5, bar.Bottom - c.Bottom},
        false);
    Text(TRect{pane.Left + 12, pane.Top + 60, pane.Right, pane.Top + 78}, L"Brightness", text);
    const TRect track{pane.Left + 12, pane.Top + 90, pane.Right - 12, pane.Top + 96};
    FPainter->DrawTrackBarTrack(&FCx, track, TRect{}, false, true, true, clDefault);
    const TSize thumb = FPainter->GetTrackBarThumbSize(true);
    const int top = (track.Top + track.Bottom - thumb.cy) / 2;
    FPainter->DrawTrackBarThumb(&FCx, TRect{track.Left + 90, top, track.Left + 90 + thumb.cx, top + thumb.cy},
                                cxbsNormal, true, tbtaDown, clDefault);
    const TRect status{pane.Left + 1, pane.Bottom - 24, pane.Right - 1, pane.Bottom - 1};
    Draw(E::BarsStatusBar, status);
    Text(TRect{status.Left + 8, status.Top, status.Right, status.Bottom}, L"Ready",
         Element(E::BarsStatusBar)->TextColor());
  }

  const TdxSkinLookAndFeelPainter* FPainter;
  TdxSkinLookAndFeelPainterInfo* FInfo;
  TCanvas FCanvas;
  TcxCanvas FCx;
};

std::uint32_t Rgb(TColor AColor) {
  return (std::uint32_t(AColor) & 0xFF) << 16 | (std::uint32_t(AColor) & 0xFF00) | (std::uint32_t(AColor) >> 16 & 0xFF);
}

// The columns and rows of a button drawn over the background that show
// nothing but the background from end to end: gaps between the parts of the
// picture ("column 4", "row 20").
std::vector<std::string> Gaps(core_graphics_test::CanvasSurface& ASurface, int AWidth, int AHeight) {
  const vamire_test::Capture cap = ASurface.Cap();
  std::vector<std::string> gaps;
  const auto drawn = [&](int x, int y) { return cap.At(x, y) != 0xFF00FFu; };
  for (int x = 0; x < AWidth; ++x) {
    bool any = false;
    for (int y = 0; y < AHeight && !any; ++y) any = drawn(x, y);
    if (!any) gaps.push_back("column " + std::to_string(x));
  }
  for (int y = 0; y < AHeight; ++y) {
    bool any = false;
    for (int x = 0; x < AWidth && !any; ++x) any = drawn(x, y);
    if (!any) gaps.push_back("row " + std::to_string(y));
  }
  return gaps;
}

TEST(SkinGalleryTest, ButtonsOfEveryStateAndSizeDrawEveryColumnAndRow) {
  const std::pair<const wchar_t*, TcxCustomLookAndFeelPainterClass> skins[] = {
      {L"UserSkin", TdxSkinsUserSkinPainter::Instance()}, {L"Silver", TdxSilverPainter::Instance()},
      {L"LiquidSky", TdxLiquidSkyPainter::Instance()},    {L"Blue", TdxBluePainter::Instance()},
      {L"Black", TdxBlackPainter::Instance()},            {L"Foggy", TdxFoggyPainter::Instance()},
      {L"Xmas2008Blue", TdxXmas2008BluePainter::Instance()}};
  const TcxButtonState states[] = {cxbsDefault, cxbsNormal, cxbsHot, cxbsPressed, cxbsDisabled};
  // Every width at the gallery's height, every height at its width: which
  // sizes lost a column or row depended on the scale of the stretched parts.
  std::vector<TSize> sizes;
  for (int width = 12; width <= 140; ++width) sizes.push_back(TSize{width, 25});
  for (int height = 12; height <= 40; ++height) sizes.push_back(TSize{96, height});
  core_graphics_test::CanvasSurface surface(150, 50);
  for (const auto& [name, painter] : skins)
    for (TcxButtonState state : states)
      for (const TSize& size : sizes) {
        surface.Cx.FillRect(TRect{0, 0, 150, 50}, TColor(0xFF00FF));
        painter->PaintButtonCell(&surface.Cx, TRect{0, 0, size.cx, size.cy}, L"", state, true, clDefault, clDefault,
                                 false, false);
        GdiFlush();
        EXPECT_EQ(Gaps(surface, size.cx, size.cy), std::vector<std::string>{})
            << UTF8Encode(name) << " state " << int(state) << ", " << size.cx << " x " << size.cy;
      }
}

TEST(SkinGalleryTest, EachSkinShowsAFinishedWindowThroughItsPainter) {
  // The listed skin that is no built-in one, filed for the gallery only.
  TcxExtendedStylePainters* registry = ExtendedStylePainterRegistry();
  ASSERT_TRUE(registry->Register(L"MoneyTwins", TListedSkinPainter::Instance(),
                                 new TdxSkinLookAndFeelPainterInfo(
                                     new TdxSkin(L"MoneyTwins", GetModuleHandleW(nullptr), true))));
  const std::pair<const wchar_t*, TcxCustomLookAndFeelPainterClass> skins[] = {
      {L"UserSkin", TdxSkinsUserSkinPainter::Instance()}, {L"Silver", TdxSilverPainter::Instance()},
      {L"LiquidSky", TdxLiquidSkyPainter::Instance()},    {L"Blue", TdxBluePainter::Instance()},
      {L"Black", TdxBlackPainter::Instance()},            {L"Foggy", TdxFoggyPainter::Instance()},
      {L"Xmas2008Blue", TdxXmas2008BluePainter::Instance()}, {L"MoneyTwins", TListedSkinPainter::Instance()}};

  WNDCLASSW wc{};
  wc.lpfnWndProc = GalleryProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"VamireSkinGallery";
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  RegisterClassW(&wc);
  HWND wnd = CreateWindowExW(WS_EX_TOPMOST, L"VamireSkinGallery", L"Skins", WS_POPUP, 20, 20, kWidth, kHeight,
                             nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(wnd, nullptr);
  ShowWindow(wnd, SW_SHOW);
  std::set<std::vector<std::uint32_t>> shown;
  for (const auto& [name, painterClass] : skins) {
    SCOPED_TRACE(UTF8Encode(name));
    const auto* painter = static_cast<const TdxSkinLookAndFeelPainter*>(painterClass);
    TdxSkinLookAndFeelPainterInfo* info = painter->GetSkinInfo();
    ASSERT_NE(info, nullptr);
    Painting = [&](HDC ADC) { TGallery(painter, ADC).PaintAll(); };
    const vamire_test::Capture cap = vamire_test::CaptureClient(wnd);
    EXPECT_TRUE(cap.SavePng(L"skin_gallery_" + std::wstring(name) + L".png"));
    ASSERT_EQ(cap.Width, kWidth);
    // The form's own colour between the controls; the caption band and the buttons stand apart from it.
    const std::uint32_t content = Rgb(info->Element(E::FormFormContent)->Color());
    EXPECT_EQ(cap.At(kWidth / 2, kCaption + 42), content);
    EXPECT_NE(cap.At(kWidth / 2, kCaption / 2), content);
    EXPECT_NE(cap.At(16 + 48, kCaption + 12 + 20), content);
    // The list's selection shows in the selection colour.
    EXPECT_EQ(cap.At(16 + 150, kCaption + 136 + 22 + 8 + 1 + 2 * 18 + 2),
              Rgb(info->Color(P::SkinSelectionColor)->Value()));
    // A finished look has shading, not a handful of flat fills.
    const std::set<std::uint32_t> colours(cap.Pixels.begin(), cap.Pixels.end());
    EXPECT_GT(colours.size(), 200u);
    EXPECT_TRUE(shown.insert(cap.Pixels).second) << "looks like another skin";
  }
  Painting = nullptr;
  DestroyWindow(wnd);
  registry->Unregister(L"MoneyTwins");
}

}  // namespace
