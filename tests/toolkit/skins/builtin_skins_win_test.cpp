// The built-in skins as the program carries them: each read from its resource
// fills the lookup table without a placeholder and draws every element from
// a picture or a colour of its own; the skin file the build puts beside the
// program lists the seven looks in their fixed order, with their display
// names, each built-in one as carried.
#include <gtest/gtest.h>

#include <memory>

#include "Streams_win.h"
#include "dxSkinsDefaultPainters_win.h"
#include "dxSkinInfo.h"
#include "skins_win_test_support.h"

namespace {

const auto* const kUnits = testing::AddGlobalTestEnvironment(new skins_test::TSkinUnits);

const wchar_t* const kBuiltIn[] = {L"DefaultUserSkinData", L"Silver", L"LiquidSky", L"Blue",
                                   L"Black", L"Foggy", L"Xmas2008Blue"};

// The build knows the program's folder by its Linux path; Wine shows the Linux root as Z:.
String WindowsPath(const char* AUnixPath) {
  String path = L"Z:";
  for (const char* p = AUnixPath; *p; ++p) path += *p == '/' ? L'\\' : wchar_t(static_cast<unsigned char>(*p));
  return path;
}

bool Assigned(TColor AColor) { return AColor != clDefault && AColor != clNone; }

TEST(BuiltInSkinsTest, EachFillsItsTableWithoutAPlaceholder) {
  for (const wchar_t* name : kBuiltIn) {
    SCOPED_TRACE(UTF8Encode(name));
    auto info = std::make_unique<TdxSkinLookAndFeelPainterInfo>(new TdxSkin(name, GetModuleHandleW(nullptr), true));
    TdxSkin* skin = info->Skin();
    EXPECT_EQ(skin->Name(), name);
    EXPECT_EQ(skin->Version(), 1.03);
    for (int g = 0; g < skin->Groups()->Count(); ++g) {
      TdxSkinControlGroup* group = skin->Groups()->Items(g);
      EXPECT_FALSE(group->State().Contains(sosAddedByLookup)) << UTF8Encode(group->Name());
      for (int e = 0; e < group->Count(); ++e) {
        TdxSkinElement* element = group->Items(e);
        const std::string where = UTF8Encode(group->Name() + L"." + element->Name());
        EXPECT_FALSE(element->State().Contains(sosAddedByLookup)) << where;
        EXPECT_TRUE(!element->Image()->Empty() || !element->Glyph()->Empty() || Assigned(element->Color())) << where;
      }
    }
    for (int e = 0; e < int(TdxSkinElementSlot::Count); ++e)
      EXPECT_NE(info->Element(TdxSkinElementSlot(e)), nullptr) << "element slot " << e;
    // What every control draws has a picture.
    for (TdxSkinElementSlot slot :
         {TdxSkinElementSlot::CommonButton, TdxSkinElementSlot::EditorsCheckbox, TdxSkinElementSlot::EditorsRadioButton,
          TdxSkinElementSlot::EditorsEditorButton, TdxSkinElementSlot::CommonGroupPanel,
          TdxSkinElementSlot::CommonGroupPanelCaptionTop, TdxSkinElementSlot::CommonScrollButton,
          TdxSkinElementSlot::CommonScrollThumbVert, TdxSkinElementSlot::CommonScrollThumbHorz,
          TdxSkinElementSlot::CommonScrollContentVert, TdxSkinElementSlot::CommonScrollContentHorz,
          TdxSkinElementSlot::CommonSizeGrip, TdxSkinElementSlot::FormFormCaption,
          TdxSkinElementSlot::FormFormFrameLeft, TdxSkinElementSlot::FormFormFrameRight,
          TdxSkinElementSlot::FormFormFrameBottom, TdxSkinElementSlot::FormFormButtonClose,
          TdxSkinElementSlot::PageControlTabHeader, TdxSkinElementSlot::PageControlTabPane})
      EXPECT_FALSE(info->Element(slot)->Image()->Empty()) << "element slot " << int(slot);
  }
}

TEST(BuiltInSkinsTest, TheFileBesideTheProgramListsTheSevenInOrder) {
  const String path = WindowsPath(VAMIRE_ALL_SKINS_BESIDE_PROGRAM);
  const wchar_t* const listed[] = {L"Black",      L"Blue",   L"Foggy",       L"LiquidSky",
                                   L"MoneyTwins", L"Silver", L"Xmas2008Blue"};
  // As the main window lists them: names, appended after what the list holds.
  TStringList names;
  names.Add(L"before");
  ASSERT_TRUE(ReadSkinNames(path, &names, false));
  ASSERT_EQ(names.Count(), 8);
  for (int i = 0; i < 7; ++i) EXPECT_EQ(names.Strings(i + 1), listed[i]);
  TStringList shown;
  ASSERT_TRUE(ReadSkinNames(path, &shown, true));
  ASSERT_EQ(shown.Count(), 7);
  EXPECT_EQ(shown.Strings(3), L"Liquid Sky");
  EXPECT_EQ(shown.Strings(6), L"Xmas 2008 Blue");

  TFileStream file(path, fmOpenRead | fmShareDenyNone);
  TdxSkinBinaryReader reader(&file);
  ASSERT_EQ(reader.Count(), 7);
  for (int i = 0; i < reader.Count(); ++i) {
    EXPECT_EQ(reader.Names(i), listed[i]);
    // A listed skin the program carries is the same skin in both places.
    if (std::wstring(listed[i]) == L"MoneyTwins") continue;
    TResourceStream carried(GetModuleHandleW(nullptr), listed[i], L"DXSKINS");
    std::string expected(std::size_t(carried.Size()), '\0'), stored(expected.size(), '\0');
    carried.ReadBuffer(expected.data(), std::int32_t(expected.size()));
    file.SetPosition(reader.Positions(i));
    file.ReadBuffer(stored.data(), std::int32_t(stored.size()));
    EXPECT_TRUE(stored == expected) << UTF8Encode(listed[i]);
  }
}

}  // namespace
