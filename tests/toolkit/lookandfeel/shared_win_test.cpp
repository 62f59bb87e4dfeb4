// What the painters share: the registry of named painters with its listeners,
// the radio-button images, the embedded bitmaps, the scroll-bar patterns and
// the check-glyph size.
#include <set>

#include "lookandfeel_test_support.h"

namespace {

using namespace lookandfeel_test;

const auto* const kUnits = testing::AddGlobalTestEnvironment(new TPainterUnits);

// Stands for a skin's painter information: says when it is freed.
class TInfo : public TObject {
 public:
  explicit TInfo(bool* AFreed = nullptr) : FFreed(AFreed) {}
  ~TInfo() override {
    if (FFreed) *FFreed = true;
  }

 private:
  bool* FFreed;
};

class TPainterA : public TcxFlatLookAndFeelPainter {};
class TPainterB : public TcxStandardLookAndFeelPainter {};
const TPainterA kPainterA;
const TPainterB kPainterB;

class TListener : public IcxExtendedStylePaintersListener {
 public:
  std::function<void(TcxCustomLookAndFeelPainterClass)> OnChanged;
  std::vector<TcxCustomLookAndFeelPainterClass> Heard;
  int32_t QueryInterface(const TGUID&, void**) override { return QI_NOINTERFACE; }
  int32_t _AddRef() override { return -1; }
  int32_t _Release() override { return -1; }
  void PainterChanged(TcxCustomLookAndFeelPainterClass APainter) override {
    Heard.push_back(APainter);
    if (OnChanged) OnChanged(APainter);
  }
};

std::vector<String> Names(TcxExtendedStylePainters& R) {
  std::vector<String> names;
  for (int i = 0; i < R.Count(); ++i) names.push_back(R.Names(i));
  return names;
}

TEST(RegistryTest, ANameFiledInAnotherLetterCaseIsRefusedAndFoundEitherWay) {
  TcxExtendedStylePainters registry;
  bool secondFreed = false;
  auto* second = new TInfo(&secondFreed);
  EXPECT_TRUE(registry.Register(L"Silver", &kPainterA, new TInfo));
  EXPECT_FALSE(registry.Register(L"SILVER", &kPainterB, second));
  EXPECT_FALSE(secondFreed) << "the refused information stays the caller's";
  delete second;
  TcxCustomLookAndFeelPainterClass found = nullptr;
  EXPECT_TRUE(registry.FindPainterByName(L"silver", found));
  EXPECT_EQ(found, &kPainterA);
  EXPECT_TRUE(registry.FindPainterByName(L"SILVER", found));
  EXPECT_EQ(registry.Count(), 1);
  EXPECT_FALSE(registry.FindPainterByName(L"Gold", found));
  EXPECT_FALSE(registry.Unregister(L"Gold"));
  EXPECT_EQ(registry.Count(), 1);
}

TEST(RegistryTest, NamesStaySortedWhateverTheOrderOfRegistration) {
  TcxExtendedStylePainters registry;
  const wchar_t* order[] = {L"Xmas2008Blue", L"Black", L"LiquidSky", L"Blue", L"Foggy", L"Silver", L"UserSkin"};
  std::vector<String> registered;
  for (const wchar_t* name : order) {
    ASSERT_TRUE(registry.Register(name, &kPainterA, nullptr));
    registered.push_back(name);
    std::vector<String> sorted = registered;
    std::sort(sorted.begin(), sorted.end(), [](const String& a, const String& b) { return AnsiCompareStr(a, b) < 0; });
    EXPECT_EQ(Names(registry), sorted);
  }
  EXPECT_EQ(registry.Names(0), L"Black");
  EXPECT_EQ(registry.Names(6), L"Xmas2008Blue");
}

TEST(RegistryTest, LookupsByPainterAnswerTheFirstEntry) {
  TcxExtendedStylePainters registry;
  auto* info = new TInfo;
  registry.Register(L"B", &kPainterB, info);
  registry.Register(L"A", &kPainterB, new TInfo);
  String name = L"stale";
  TObject* found = info;
  EXPECT_TRUE(registry.GetNameByPainter(&kPainterB, name));
  EXPECT_EQ(name, L"A");
  EXPECT_FALSE(registry.GetNameByPainter(&kPainterA, name));
  EXPECT_EQ(name, L"") << "cleared first";
  EXPECT_FALSE(registry.GetInfoByPainter(nullptr, found));
  EXPECT_EQ(found, nullptr) << "cleared first";
  EXPECT_TRUE(registry.GetInfoByPainter(&kPainterB, found));
  EXPECT_NE(found, info) << "A sorts first";
  EXPECT_EQ(registry.Painters(1), &kPainterB);
}

TEST(RegistryTest, UnregisteringTellsTheListenersBeforeTheEntryAndItsInformationGo) {
  TcxExtendedStylePainters registry;
  bool freed = false;
  registry.Register(L"Blue", &kPainterA, new TInfo(&freed));
  TListener listener;
  bool freedWhenHeard = true, filedWhenHeard = true;
  listener.OnChanged = [&](TcxCustomLookAndFeelPainterClass) {
    freedWhenHeard = freed;
    TcxCustomLookAndFeelPainterClass p = nullptr;
    filedWhenHeard = registry.FindPainterByName(L"Blue", p);
  };
  registry.AttachListener(&listener);
  EXPECT_TRUE(registry.Unregister(L"blue"));
  ASSERT_EQ(listener.Heard.size(), 1u);
  EXPECT_EQ(listener.Heard[0], &kPainterA);
  EXPECT_FALSE(freedWhenHeard) << "the information lives while listeners hear";
  EXPECT_FALSE(filedWhenHeard) << "the name is no longer found";
  EXPECT_TRUE(freed);
  // The painter itself never goes: it still answers.
  EXPECT_EQ(listener.Heard[0]->GetPainterStyle(), lfsFlat);
  registry.DetachListener(&listener);
}

TEST(RegistryTest, ListenersHearLastToFirstOverASnapshot) {
  TcxExtendedStylePainters registry;
  TListener first, second, third, added;
  std::vector<TListener*> order;
  for (TListener* l : {&first, &second, &third}) {
    registry.AttachListener(l);
    l->OnChanged = [&order, l](auto) { order.push_back(l); };
  }
  registry.AttachListener(&second);  // attached once only
  // The third detaches the second and attaches another while it is told.
  third.OnChanged = [&](auto) {
    order.push_back(&third);
    registry.DetachListener(&second);
    registry.AttachListener(&added);
  };
  registry.Register(L"Black", &kPainterA, nullptr);
  EXPECT_EQ(order, (std::vector<TListener*>{&third, &first}));
  EXPECT_TRUE(added.Heard.empty()) << "one attached meanwhile is not told";
  EXPECT_TRUE(second.Heard.empty()) << "one detached meanwhile is skipped";
  order.clear();
  registry.Register(L"White", &kPainterB, nullptr);
  EXPECT_EQ(added.Heard.size(), 1u);
  EXPECT_FALSE(registry.Register(L"white", &kPainterB, nullptr));
  EXPECT_EQ(added.Heard.size(), 1u) << "a refused registration tells nobody";
}

TEST(RegistryTest, TheUnitsRegistryLivesWithTheUnit) {
  ASSERT_NE(ExtendedStylePainterRegistry(), nullptr);
  EXPECT_EQ(ExtendedStylePainterRegistry()->Count(), 0);
}

// --- Radio-button images ------------------------------------------------------------------

TEST(RadioImagesTest, TheGlyphHasTheSystemsShapeAndEveryKeyAnImage) {
  TcxRadioButtonImageList* list = GetRadioButtonImageList();
  ASSERT_NE(list, nullptr);
  const TSize size = list->GetImageSize();
  const TSize cell = CheckGlyphSize();
  EXPECT_GT(size.cx, 6);
  EXPECT_LE(size.cx, cell.cx);
  EXPECT_LE(size.cy, cell.cy);
  EXPECT_TRUE(list->DotBounds().Left > list->CircleBounds().Left &&
              list->DotBounds().Right < list->CircleBounds().Right);
  std::set<int> indexes;
  for (int key = 0; key < cxRadioImageCount; ++key) {
    const int index = list->ImageIndex(key);
    EXPECT_GE(index, 0) << key;
    indexes.insert(index);
  }
  EXPECT_EQ(indexes.size(), std::size_t(cxRadioImageCount));
  EXPECT_EQ(list->Images()->Count(), cxRadioImageCount);
  EXPECT_EQ(list->ImageIndex(-1), -1);
  EXPECT_EQ(list->ImageIndex(cxRadioImageCount), -1);
  // The pattern has its rings and its dot.
  const TcxRadioPattern& p = list->PixelPattern();
  EXPECT_EQ(p.At(p.Height / 2, p.Width / 2), rpcCheck);
  EXPECT_EQ(p.At(0, 0), rpcOutside);
}

// The cell of the glyph whose code is wanted nearest the middle row, scanning from the left.
TPoint FirstCell(const TcxRadioPattern& P, TcxRadioPatternCode ACode) {
  for (int j = 0; j < P.Width; ++j)
    if (P.At(P.Height / 2, j) == ACode) return {j, P.Height / 2};
  return {-1, -1};
}

TEST(RadioImagesTest, DrawnGlyphsTakeTheColoursOfTheirMapAndTheDefaultStateIsNormal) {
  const TInjectedSysColors injected;
  TcxRadioButtonImageList* list = GetRadioButtonImageList();
  list->Rebuild();
  const TcxRadioPattern& p = list->PixelPattern();
  const TPoint outline = FirstCell(p, rpcOuterLight), ring = FirstCell(p, rpcInnerLight);
  ASSERT_GE(outline.X, 0);
  ASSERT_GE(ring.X, 0);
  const auto standard = TcxStandardLookAndFeelPainter::Instance();
  for (TcxButtonState state : {cxbsDefault, cxbsNormal, cxbsPressed, cxbsDisabled})
    for (bool checked : {false, true}) {
      CanvasSurface s(20, 20);
      s.Fill(clRed);
      standard->DrawRadioButton(&s.Cx, 2, 3, state, checked, false, clDefault, false);
      const auto c = s.Cap();
      const TcxRadioColorMap map = RadioButtonColorMap(lfStandard, state, checked, false, false, {});
      EXPECT_EQ(c.At(2 + outline.X, 3 + outline.Y), Rgb(map.OuterLight)) << state;
      EXPECT_EQ(c.At(2 + ring.X, 3 + ring.Y), Rgb(map.InnerLight)) << state;
      EXPECT_EQ(c.At(2 + p.Width / 2, 3 + p.Height / 2), Rgb(map.Check)) << state << " " << checked;
      EXPECT_EQ(c.At(2, 3), Rgb(clRed)) << "outside the circle the canvas shows";
      if (state == cxbsDefault) {
        CanvasSurface normal(20, 20);
        normal.Fill(clRed);
        standard->DrawRadioButton(&normal.Cx, 2, 3, cxbsNormal, checked, false, clDefault, false);
        EXPECT_EQ(Pixels(s), Pixels(normal)) << "the default state draws the normal image";
      }
    }
}

TEST(RadioImagesTest, ABackgroundColourFillsAroundTheCircle) {
  CanvasSurface s(20, 20);
  TcxFlatLookAndFeelPainter::Instance()->DrawRadioButton(&s.Cx, 0, 0, cxbsNormal, false, false, clLime, false);
  EXPECT_EQ(s.Cap().At(0, 0), Rgb(clLime));
  const TSize size = TcxFlatLookAndFeelPainter::Instance()->GetRadioGlyphSize();
  EXPECT_EQ(s.Cap().At(size.cx, size.cy), Rgb(clWhite)) << "nothing outside the glyph";
}

TEST(RadioImagesTest, AfterASystemColourChangeTheGlyphsTakeTheNewColours) {
  TInjectedSysColors injected(0);
  TcxRadioButtonImageList* list = GetRadioButtonImageList();
  list->Rebuild();
  const TPoint centre{list->GetImageSize().cx / 2, list->GetImageSize().cy / 2};
  auto centrePixel = [&] {
    CanvasSurface s(20, 20);
    TcxStandardLookAndFeelPainter::Instance()->DrawRadioButton(&s.Cx, 0, 0, cxbsNormal, false, false, clDefault,
                                                               false);
    return s.Cap().At(centre.X, centre.Y);
  };
  EXPECT_EQ(centrePixel(), Rgb(TInjectedSysColors::Of(COLOR_WINDOW)));
  const uint32_t before = Rgb(TInjectedSysColors::Of(COLOR_WINDOW));
  injected.SetShift(3);
  ASSERT_NE(Rgb(TInjectedSysColors::Of(COLOR_WINDOW)), before);
  EXPECT_EQ(centrePixel(), before) << "the images keep their colours until rebuilt";
  cxLookAndFeelPaintersPaletteChanged();
  EXPECT_EQ(centrePixel(), Rgb(TInjectedSysColors::Of(COLOR_WINDOW)));
}

// --- Embedded bitmaps, patterns, check glyph ----------------------------------------------

TEST(LayerResourcesTest, EveryBitmapTheLayerEmbedsIsFound) {
  const wchar_t* names[] = {L"CX_ARROWBITMAP",      L"CX_EDITBITMAP",   L"CX_INSERTBITMAP",
                            L"CX_MULTIDOTBITMAP",   L"CX_MULTIARROWBITMAP", L"CX_FILTERBITMAP",
                            L"DXEXPANDBUTTON_MINUS", L"DXEXPANDBUTTON_PLUS"};
  for (const wchar_t* name : names) {
    HBITMAP bitmap = LoadBitmapW(GetModuleHandleW(nullptr), name);
    ASSERT_NE(bitmap, nullptr) << std::string(name, name + wcslen(name));
    BITMAP data{};
    GetObjectW(bitmap, sizeof data, &data);
    const bool rowMarker = wcsncmp(name, L"CX_", 3) == 0;
    EXPECT_EQ(data.bmWidth, rowMarker ? 8 : 11);
    EXPECT_EQ(data.bmHeight, rowMarker ? 9 : 11);
    DeleteObject(bitmap);
  }
  ASSERT_NE(RowMarkerImages(), nullptr);
  EXPECT_EQ(RowMarkerImages()->Count(), 6);
  EXPECT_EQ(RowMarkerImages()->Width(), 8);
  EXPECT_EQ(RowMarkerImages()->Height(), 9);
}

TEST(ScrollBarPatternTest, CheckersInTheColoursInForceAfterARefresh) {
  const TInjectedSysColors injected;
  RefreshScrollBarPatternBitmaps();
  for (bool pressed : {false, true}) {
    TBitmap* pattern = ScrollBarPatternBitmap(pressed);
    ASSERT_NE(pattern, nullptr);
    EXPECT_EQ(pattern->Width(), 8);
    const TColor on = pressed ? ColorToRGB(cl3DDkShadow) : ColorToRGB(clBtnHighlight);
    const TColor off = pressed ? TColor(0) : ColorToRGB(clBtnFace);
    for (int y = 0; y < 8; ++y)
      for (int x = 0; x < 8; ++x)
        EXPECT_EQ(pattern->Canvas()->Pixels(x, y), (x % 2 != y % 2) ? on : off) << x << "," << y;
  }
}

TEST(CheckGlyphTest, SizeIsOneCellOfTheSystemCheckBoxBitmap) {
  HBITMAP bitmap = LoadBitmapW(nullptr, MAKEINTRESOURCEW(32759));
  ASSERT_NE(bitmap, nullptr);
  BITMAP data{};
  GetObjectW(bitmap, sizeof data, &data);
  DeleteObject(bitmap);
  const TSize size = TcxCustomLookAndFeelPainter::Instance()->GetCheckGlyphSize();
  EXPECT_EQ(size.cx, data.bmWidth / 4);
  EXPECT_EQ(size.cy, data.bmHeight / 3);
}

}  // namespace
