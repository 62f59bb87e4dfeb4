// Owner-drawn menus: the system asks the right items to measure and draw
// themselves, and an item's own look shows its caption, check mark and image.
#include <gtest/gtest.h>

#include <set>

#include "ImgList.h"
#include "Menus.h"
#include "graphics_test_support.h"
#include "menus_test_support.h"

namespace {

using graphics_test::Rgb;
using graphics_test::Surface;

struct TDrawLog : TObject {
  std::vector<String> Measured, Drawn;
  void Measure(TObject* Sender, TCanvas* Canvas, int& Width, int& Height) {
    EXPECT_NE(Canvas, nullptr);
    Measured.push_back(static_cast<TComponent*>(Sender)->Name());
    Width = 120;
    Height = 22;
  }
  void Draw(TObject* Sender, TCanvas* Canvas, TRect Rect, TOwnerDrawState) {
    Drawn.push_back(static_cast<TComponent*>(Sender)->Name());
    EXPECT_EQ(Rect.Bottom - Rect.Top, 22) << "drawn in the measured height";
    Canvas->Brush()->SetColor(clYellow);
    Canvas->FillRect(Rect);
  }
};

class MenuDrawTest : public testing::Test {
 protected:
  TMenuItem* NewItem(const String& Name, const String& Caption) {
    auto* item = new TMenuItem(&Owner);
    item->SetName(Name);
    item->SetCaption(Caption);
    Menu->Items()->Add(item);
    return item;
  }
  // Draws item's entry as the system asks for it, onto a white surface.
  bool DrawEntry(TMenu* AMenu, TMenuItem* Item, Surface& S, UINT State) {
    DRAWITEMSTRUCT draw{};
    draw.CtlType = ODT_MENU;
    draw.itemID = Item->Command();
    draw.itemAction = ODA_DRAWENTIRE;
    draw.itemState = State;
    draw.hDC = S.Dc;
    draw.rcItem = RECT{0, 0, S.Width, S.Height};
    draw.itemData = ULONG_PTR(Item);
    TMessage message{WM_DRAWITEM, 0, LPARAM(&draw), 0};
    return AMenu->HandleMenuMessage(nullptr, message);
  }
  MEASUREITEMSTRUCT MeasureEntry(TMenuItem* Item) {
    MEASUREITEMSTRUCT measure{};
    measure.CtlType = ODT_MENU;
    measure.itemID = Item->Command();
    measure.itemData = ULONG_PTR(Item);
    TMessage message{WM_MEASUREITEM, 0, LPARAM(&measure), 0};
    EXPECT_TRUE(Menu->HandleMenuMessage(GetDesktopWindow(), message));
    return measure;
  }

  TComponent Owner{nullptr};
  TPopupMenu* Menu = new TPopupMenu(&Owner);
  TDrawLog Log;
};

TEST_F(MenuDrawTest, SystemAsksEachShownItemToMeasureAndDraw) {
  Menu->SetOwnerDraw(true);
  for (const wchar_t* name : {L"Cut", L"Copy", L"Hidden", L"Paste"}) {
    TMenuItem* item = NewItem(name, name);
    item->OnMeasureItem = TMenuMeasureItemEvent(&Log, &TDrawLog::Measure);
    item->OnAdvancedDrawItem = TAdvancedMenuDrawItemEvent(&Log, &TDrawLog::Draw);
  }
  Menu->Items()->Items(2)->SetVisible(false);
  {
    menus_test::TMenuDriver driver({});
    Menu->Popup(20, 20);
  }
  const std::set<String> shown{L"Cut", L"Copy", L"Paste"};
  EXPECT_EQ(std::set<String>(Log.Measured.begin(), Log.Measured.end()), shown);
  EXPECT_EQ(std::set<String>(Log.Drawn.begin(), Log.Drawn.end()), shown);
}

TEST_F(MenuDrawTest, PlainDrawEventGetsTheSelectedFlag) {
  struct TPlain : TObject {
    std::vector<bool> Selected;
    void Draw(TObject*, TCanvas*, TRect, bool IsSelected) { Selected.push_back(IsSelected); }
  } plain;
  TMenuItem* item = NewItem(L"Item", L"Item");
  item->OnDrawItem = TMenuDrawItemEvent(&plain, &TPlain::Draw);
  Surface s(80, 20);
  EXPECT_TRUE(DrawEntry(Menu, item, s, ODS_SELECTED));
  EXPECT_TRUE(DrawEntry(Menu, item, s, 0));
  EXPECT_EQ(plain.Selected, (std::vector<bool>{true, false}));
}

TEST_F(MenuDrawTest, OwnLookShowsBackgroundCaptionCheckAndImage) {
  auto* images = new TCustomImageList(&Owner);
  TBitmap red;
  red.SetSize(16, 16);
  red.Canvas()->Brush()->SetColor(clRed);
  red.Canvas()->FillRect(Rect(0, 0, 16, 16));
  images->Add(&red, nullptr);
  Menu->SetImages(images);
  TMenuItem* plain = NewItem(L"Plain", L"&Plain entry");
  plain->SetShortCut(TShortCut(scCtrl | 'P'));
  TMenuItem* checked = NewItem(L"Checked", L"Checked");
  checked->SetChecked(true);
  TMenuItem* pictured = NewItem(L"Pictured", L"Pictured");
  pictured->SetImageIndex(0);

  const int height = 20;
  Surface s(160, 4 * height);
  auto draw = [&](TMenuItem* item, int row, UINT state) {
    Surface entry(160, height);
    EXPECT_TRUE(DrawEntry(Menu, item, entry, state));
    BitBlt(s.Dc, 0, row * height, 160, height, entry.Dc, 0, 0, SRCCOPY);
    return entry.Cap();
  };
  const auto selected = draw(plain, 0, ODS_SELECTED);
  const auto normal = draw(plain, 1, 0);
  const auto check = draw(checked, 2, 0);
  const auto image = draw(pictured, 3, 0);
  s.Save(L"menus_draw_own_look");

  EXPECT_EQ(selected.At(1, 1), Rgb(clHighlight));
  EXPECT_EQ(normal.At(1, 1), Rgb(clMenu));
  // Caption ink to the right of the glyph column, shortcut at the far right.
  auto inkIn = [](const vamire_test::Capture& c, int x0, int x1, std::uint32_t background) {
    int n = 0;
    for (int y = 0; y < c.Height; ++y)
      for (int x = x0; x < x1; ++x) n += c.At(x, y) != background;
    return n;
  };
  EXPECT_GT(inkIn(normal, 24, 80, Rgb(clMenu)), 20);
  EXPECT_GT(inkIn(normal, 110, 156, Rgb(clMenu)), 10) << "the shortcut text";
  EXPECT_GT(inkIn(selected, 24, 80, Rgb(clHighlight)), 20);
  EXPECT_EQ(inkIn(normal, 0, 20, Rgb(clMenu)), 0) << "no check, no image";
  EXPECT_GT(inkIn(check, 0, 20, Rgb(clMenu)), 5) << "the check mark";
  EXPECT_EQ(image.At(10, 10), Rgb(clRed)) << "the image from the menu's list";
}

TEST_F(MenuDrawTest, AnotherMenusItemIsNotDrawn) {
  TMenuItem* item = NewItem(L"Item", L"Item");
  auto* other = new TPopupMenu(&Owner);
  Surface s(80, 20);
  EXPECT_FALSE(DrawEntry(other, item, s, 0)) << "item data names an item of another menu";
  EXPECT_EQ(s.Cap().CountNot(0xFFFFFF), 0u);
}

TEST_F(MenuDrawTest, MeasureFitsCaptionShortCutAndImage) {
  TMenuItem* brief = NewItem(L"Brief", L"Go");
  TMenuItem* longer = NewItem(L"Longer", L"A much longer caption");
  TMenuItem* keyed = NewItem(L"Keyed", L"Go");
  keyed->SetShortCut(TShortCut(scCtrl | scShift | 'G'));
  const MEASUREITEMSTRUCT a = MeasureEntry(brief);
  EXPECT_GT(MeasureEntry(longer).itemWidth, a.itemWidth);
  EXPECT_GT(MeasureEntry(keyed).itemWidth, a.itemWidth);

  auto* images = new TCustomImageList(&Owner, 32, 32);
  Menu->SetImages(images);
  brief->SetImageIndex(0);
  EXPECT_GE(MeasureEntry(brief).itemHeight, 32u);

  brief->OnMeasureItem = TMenuMeasureItemEvent(&Log, &TDrawLog::Measure);
  const MEASUREITEMSTRUCT own = MeasureEntry(brief);
  EXPECT_EQ(own.itemWidth, 120u);
  EXPECT_EQ(own.itemHeight, 22u);
}

TEST_F(MenuDrawTest, ItemsWithImagesAreOwnerDrawn) {
  TMenuItem* item = NewItem(L"Item", L"Item");
  auto typeOf = [&] {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE;
    GetMenuItemInfoW(Menu->Handle(), 0, TRUE, &info);
    return info.fType & MFT_OWNERDRAW;
  };
  EXPECT_EQ(typeOf(), 0u);
  auto* images = new TCustomImageList(&Owner);
  Menu->SetImages(images);
  item->SetImageIndex(0);
  EXPECT_EQ(typeOf(), UINT(MFT_OWNERDRAW));
  delete images;
  EXPECT_EQ(typeOf(), 0u) << "the list went, the entry is plain again";
}

}  // namespace
