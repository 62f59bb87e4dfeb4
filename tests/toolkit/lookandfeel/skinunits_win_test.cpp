// The built-in skins' units in the program's order: each skin filed under
// its name with its painter class, in unit order, and read from the
// program's resources on its first use; a look-and-feel finds them by name in any letter case; a
// painter whose skin was taken out of the registry draws as the Office11
// look, before and after the units end; a change of the user skin's data
// refreshes the root look-and-feel.
#include <gtest/gtest.h>

#include <vector>

#include "cxLookAndFeels.h"
#include "dxGDIPlusClasses_win.h"
#include "dxOffice11_win.h"
#include "dxSkinBlack.h"
#include "dxSkinBlue.h"
#include "dxSkinFoggy.h"
#include "dxSkinLiquidSky.h"
#include "dxSkinSilver.h"
#include "dxSkinXmas2008Blue.h"
#include "dxSkinsCore_win.h"
#include "dxSkinsDefaultPainters_win.h"
#include "Streams_win.h"
#include "lookandfeel_test_support.h"
#include "skinunits_win_test_support.h"

using lookandfeel_test::CanvasSurface;
using lookandfeel_test::Pixels;

namespace {

class TRecorder : public IcxExtendedStylePaintersListener {
 public:
  std::vector<String> Names;
  int32_t QueryInterface(const TGUID&, void**) override { return QI_NOINTERFACE; }
  int32_t _AddRef() override { return -1; }
  int32_t _Release() override { return -1; }
  void PainterChanged(TcxCustomLookAndFeelPainterClass APainter) override {
    String name;
    ExtendedStylePainterRegistry()->GetNameByPainter(APainter, name);
    Names.push_back(name);
  }
};

struct TBuiltIn {
  const wchar_t* Name;
  TcxCustomLookAndFeelPainterClass Painter;
  const wchar_t* Unit;
  const wchar_t* SkinName;
};

std::vector<TBuiltIn> BuiltIns() {
  return {{L"UserSkin", TdxSkinsUserSkinPainter::Instance(), L"dxSkinsDefaultPainters", L"DefaultUserSkinData"},
          {L"Silver", TdxSilverPainter::Instance(), L"dxSkinSilver", L"Silver"},
          {L"LiquidSky", TdxLiquidSkyPainter::Instance(), L"dxSkinLiquidSky", L"LiquidSky"},
          {L"Blue", TdxBluePainter::Instance(), L"dxSkinBlue", L"Blue"},
          {L"Black", TdxBlackPainter::Instance(), L"dxSkinBlack", L"Black"},
          {L"Foggy", TdxFoggyPainter::Instance(), L"dxSkinFoggy", L"Foggy"},
          {L"Xmas2008Blue", TdxXmas2008BluePainter::Instance(), L"dxSkinXmas2008Blue", L"Xmas2008Blue"}};
}

const TdxSkinLookAndFeelPainter* SkinPainter(TcxCustomLookAndFeelPainterClass APainter) {
  return static_cast<const TdxSkinLookAndFeelPainter*>(APainter);
}

// A captioned button of each state through the painter, for comparing two painters' drawing.
std::vector<uint32_t> Buttons(TcxCustomLookAndFeelPainterClass APainter) {
  CanvasSurface s(5 * 60, 24);
  for (int state = 0; state < 5; ++state)
    APainter->PaintButtonCell(&s.Cx, TRect{state * 60, 0, state * 60 + 56, 23}, L"Ok", TcxButtonState(state), true,
                              clDefault, clDefault, false, false);
  return Pixels(s);
}

TEST(SkinUnitsTest, EachSkinIsFiledInUnitOrderAndTakenBackAtTheEnd) {
  skinunits_test::Start(skinunits_test::BaseUnits());
  TcxExtendedStylePainters* registry = ExtendedStylePainterRegistry();
  ASSERT_NE(registry, nullptr);
  TRecorder recorder;
  registry->AttachListener(&recorder);
  skinunits_test::Start(skinunits_test::SkinUnits());

  std::vector<String> expected;
  for (const TBuiltIn& b : BuiltIns()) expected.push_back(b.Name);
  EXPECT_EQ(recorder.Names, expected);
  ASSERT_EQ(registry->Count(), 7);
  for (const TBuiltIn& b : BuiltIns()) {
    SCOPED_TRACE(UTF8Encode(b.Name));
    TcxCustomLookAndFeelPainterClass painter = nullptr;
    ASSERT_TRUE(registry->FindPainterByName(b.Name, painter));
    EXPECT_EQ(painter, b.Painter);
    TObject* filed = nullptr;
    ASSERT_TRUE(registry->GetInfoByPainter(painter, filed));
    TdxSkinLookAndFeelPainterInfo* info = SkinPainter(painter)->GetSkinInfo();
    EXPECT_EQ(info, filed);
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->Skin()->Name(), b.SkinName);
    EXPECT_GT(info->Skin()->Groups()->Count(), 0);
    EXPECT_EQ(SkinPainter(painter)->GetSkinUnitName(), b.Unit);
    EXPECT_EQ(info->IsUserSkin(), String(b.Name) == L"UserSkin");
    EXPECT_EQ(info->ClassType() == TdxSkinUserLookAndFeelPainterInfo::StaticClass(), info->IsUserSkin());
    EXPECT_NE(Buttons(painter), Buttons(TcxOffice11LookAndFeelPainter::Instance())) << "drawn from the skin";
  }
  EXPECT_EQ(SkinPainter(TdxSkinLookAndFeelPainter::Instance())->GetSkinUnitName(), L"dxSkinsLookAndFeelPainter");

  // Names are found in any letter case; other names select nothing.
  {
    TcxLookAndFeel laf(nullptr);
    laf.SetNativeStyle(false);  // the root's native style would win over any skin
    laf.SetSkinName(L"black");
    EXPECT_EQ(laf.CurrentSkinPainter(), TdxBlackPainter::Instance());
    laf.SetSkinName(L"Granite");
    EXPECT_EQ(laf.CurrentSkinPainter(), nullptr);
    EXPECT_EQ(laf.Painter(), GlobalRootLookAndFeel()->Painter());
  }

  registry->DetachListener(&recorder);
  FinalizeUnits();
  // The painters outlive the registry and answer as the Office11 look.
  for (const TBuiltIn& b : BuiltIns()) {
    EXPECT_EQ(SkinPainter(b.Painter)->GetSkinInfo(), nullptr) << UTF8Encode(b.Name);
    EXPECT_EQ(Buttons(b.Painter), Buttons(TcxOffice11LookAndFeelPainter::Instance())) << UTF8Encode(b.Name);
  }
}

// The pictures of a skin with data read and not yet decoded, and those decoded.
struct TPictureCount {
  int Waiting = 0;
  int Decoded = 0;
};

TPictureCount CountPictures(TdxSkin* ASkin) {
  TPictureCount count;
  for (int g = 0; g < ASkin->Groups()->Count(); ++g)
    for (int e = 0; e < ASkin->Groups()->Items(g)->Count(); ++e) {
      TdxSkinElement* element = ASkin->Groups()->Items(g)->Items(e);
      for (TdxSkinImage* image : {element->Image(), element->Glyph()}) {
        auto* texture = dynamic_cast<TdxSkinPNGTexture*>(image->Texture());
        if (!texture || texture->Empty()) continue;
        ++(texture->Decoded() ? count.Decoded : count.Waiting);
      }
    }
  return count;
}

TEST(SkinUnitsTest, ASkinsPicturesAreDecodedOnTheirFirstUseOnly) {
  skinunits_test::Start(skinunits_test::BaseUnits());
  skinunits_test::Start(skinunits_test::SkinUnits());
  // Filed with their lookup tables built, and not one picture decoded.
  for (const TBuiltIn& b : BuiltIns()) {
    const TPictureCount count = CountPictures(SkinPainter(b.Painter)->GetSkinInfo()->Skin());
    EXPECT_GT(count.Waiting, 20) << UTF8Encode(b.Name);
    EXPECT_EQ(count.Decoded, 0) << UTF8Encode(b.Name);
  }
  // Listing the names of a skin file reads no picture of any skin.
  TResourceStream carried(GetModuleHandleW(nullptr), L"Blue", L"DXSKINS");
  TStringList names;
  ASSERT_TRUE(ReadSkinNamesFromStream(&carried, &names, false));
  EXPECT_EQ(names.Strings(0), L"Blue");
  TdxSkin* blue = SkinPainter(TdxBluePainter::Instance())->GetSkinInfo()->Skin();
  EXPECT_EQ(CountPictures(blue).Decoded, 0);

  // Drawing a button decodes what it needs of its own skin, once; the same
  // drawing again and the other skins decode nothing.
  const std::vector<uint32_t> first = Buttons(TdxBluePainter::Instance());
  const TPictureCount drawn = CountPictures(blue);
  EXPECT_GE(drawn.Decoded, 1);
  EXPECT_LE(drawn.Decoded, 2);
  EXPECT_EQ(Buttons(TdxBluePainter::Instance()), first);
  EXPECT_EQ(CountPictures(blue).Decoded, drawn.Decoded);
  for (const TBuiltIn& b : BuiltIns())
    if (b.Painter != TdxBluePainter::Instance())
      EXPECT_EQ(CountPictures(SkinPainter(b.Painter)->GetSkinInfo()->Skin()).Decoded, 0) << UTF8Encode(b.Name);
  FinalizeUnits();
}

// What a painter's info would be if its first request did not read the skin: the registry's entry.
TdxSkinLookAndFeelPainterInfo* FiledInfo(TcxCustomLookAndFeelPainterClass APainter) {
  TObject* filed = nullptr;
  if (!ExtendedStylePainterRegistry()->GetInfoByPainter(APainter, filed)) return nullptr;
  return static_cast<TdxSkinLookAndFeelPainterInfo*>(filed);
}

TEST(SkinUnitsTest, ASkinIsReadOnItsFirstUseOnceAndListingNamesReadsNothing) {
  skinunits_test::Start(skinunits_test::BaseUnits());
  skinunits_test::Start(skinunits_test::SkinUnits());
  // Every name filed at start; no tree read, no table built, GDI+ itself not started.
  ASSERT_EQ(ExtendedStylePainterRegistry()->Count(), 7);
  for (const TBuiltIn& b : BuiltIns()) {
    ASSERT_NE(FiledInfo(b.Painter), nullptr) << UTF8Encode(b.Name);
    EXPECT_EQ(FiledInfo(b.Painter)->Skin(), nullptr) << UTF8Encode(b.Name);
  }
  EXPECT_EQ(GetModuleHandleW(L"gdiplus.dll"), nullptr);

  // Listing a file of all the built-in skins reads none of them, nor starts GDI+.
  std::vector<std::string> carried;
  for (const TBuiltIn& b : BuiltIns()) {
    TResourceStream resource(GetModuleHandleW(nullptr), b.SkinName, L"DXSKINS");
    carried.emplace_back(static_cast<const char*>(resource.Memory()), std::size_t(resource.Size()));
  }
  TMemoryStream all;
  WriteMultiSkinStream(&all, carried);
  all.SetPosition(0);
  TStringList names;
  ASSERT_TRUE(ReadSkinNamesFromStream(&all, &names, false));
  EXPECT_EQ(names.Count(), 7);
  for (const TBuiltIn& b : BuiltIns()) EXPECT_EQ(FiledInfo(b.Painter)->Skin(), nullptr) << UTF8Encode(b.Name);
  EXPECT_EQ(GetModuleHandleW(L"gdiplus.dll"), nullptr);

  // The first request reads the one skin asked for, into the info filed at start;
  // later requests find it read.
  TdxSkinLookAndFeelPainterInfo* blue = SkinPainter(TdxBluePainter::Instance())->GetSkinInfo();
  ASSERT_EQ(blue, FiledInfo(TdxBluePainter::Instance()));
  TdxSkin* read = blue->Skin();
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(read->Name(), L"Blue");
  EXPECT_NE(blue->Element(TdxSkinElementSlot::CommonButton), nullptr) << "its table is built";
  EXPECT_NE(GetModuleHandleW(L"gdiplus.dll"), nullptr) << "reading a skin starts GDI+";
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(SkinPainter(TdxBluePainter::Instance())->GetSkinInfo(), blue);
    EXPECT_EQ(blue->Skin(), read) << "not read again";
  }
  for (const TBuiltIn& b : BuiltIns())
    if (b.Painter != TdxBluePainter::Instance())
      EXPECT_EQ(FiledInfo(b.Painter)->Skin(), nullptr) << UTF8Encode(b.Name);
  FinalizeUnits();
}

TEST(SkinUnitsTest, AMissingSkinRaisesAtStartAndADamagedOneOnceAtItsFirstUse) {
  skinunits_test::Start(skinunits_test::BaseUnits());
  TdxSkinUnitSkins missing(
      {{L"Nowhere", L"NoSuchSkin", &TdxSkinLookAndFeelPainter::Instance, &CreateSkinPainterInfo}});
  EXPECT_THROW(missing.Register(), EResNotFound);
  EXPECT_EQ(missing.Info(), nullptr);
  // A picture stored as the skin's data: found at start, refused when first read, then drawn without skin.
  TdxSkinUnitSkins damaged(
      {{L"Damaged", L"DEFAULTSKINICONSMALL", &TdxSkinLookAndFeelPainter::Instance, &CreateSkinPainterInfo}});
  ASSERT_NO_THROW(damaged.Register());
  TcxCustomLookAndFeelPainterClass painter = nullptr;
  EXPECT_TRUE(ExtendedStylePainterRegistry()->FindPainterByName(L"Damaged", painter));
  EXPECT_THROW(damaged.Info(), EdxSkin);
  for (int i = 0; i < 2; ++i) EXPECT_EQ(damaged.Info(), nullptr) << "refused once, not on every paint";
  damaged.Unregister();
  EXPECT_FALSE(ExtendedStylePainterRegistry()->FindPainterByName(L"Damaged", painter));
  FinalizeUnits();
}

TEST(SkinUnitsTest, APainterWhoseSkinWasUnregisteredDrawsAsTheOffice11Look) {
  skinunits_test::Start(skinunits_test::BaseUnits());
  skinunits_test::Start(skinunits_test::SkinUnits());
  TcxExtendedStylePainters* registry = ExtendedStylePainterRegistry();
  const TdxSkinLookAndFeelPainter* black = SkinPainter(TdxBlackPainter::Instance());
  TcxLookAndFeel laf(nullptr);
  laf.SetNativeStyle(false);
  laf.SetSkinName(L"Black");
  ASSERT_EQ(laf.Painter(), black);

  ASSERT_TRUE(registry->Unregister(L"Black"));
  EXPECT_EQ(black->GetSkinInfo(), nullptr);
  EXPECT_EQ(laf.CurrentSkinPainter(), nullptr) << "the look-and-feel heard of it";
  EXPECT_EQ(Buttons(black), Buttons(TcxOffice11LookAndFeelPainter::Instance()));
  EXPECT_EQ(black->GetEditorTextColorForState(esckReadOnly),
            TcxOffice11LookAndFeelPainter::Instance()->GetEditorTextColorForState(esckReadOnly));
  EXPECT_EQ(black->GetCheckGlyphSize(), TcxOffice11LookAndFeelPainter::Instance()->GetCheckGlyphSize());

  // Someone else's "Black" stays filed when the unit ends.
  auto* other = new TdxSkinLookAndFeelPainterInfo(new TdxSkin(L"Other"));
  ASSERT_TRUE(registry->Register(L"Black", TdxSkinLookAndFeelPainter::Instance(), other));
  EXPECT_EQ(black->GetSkinInfo(), nullptr);
  FinalizeUnits();
}

TEST(SkinUnitsTest, ChangingTheUserSkinRefreshesTheRootLookAndFeel) {
  skinunits_test::Start(skinunits_test::BaseUnits());
  skinunits_test::Start(skinunits_test::SkinUnits());
  TdxSkinLookAndFeelPainterInfo* user = SkinPainter(TdxSkinsUserSkinPainter::Instance())->GetSkinInfo();
  TdxSkinLookAndFeelPainterInfo* silver = SkinPainter(TdxSilverPainter::Instance())->GetSkinInfo();
  ASSERT_NE(user, nullptr);
  ASSERT_NE(silver, nullptr);
  skinunits_test::TChangeCounter root(GlobalRootLookAndFeel());
  silver->Skin()->Colors()->Items(0)->SetValue(TColor(0x123456));
  EXPECT_EQ(root.Count, 0) << "a built-in skin only rebuilds its table";
  user->Skin()->Colors()->Items(0)->SetValue(TColor(0x123456));
  EXPECT_GE(root.Count, 1);
  FinalizeUnits();
}

}  // namespace
