// The lookup table of a skin: the probe skin fills every slot without a
// placeholder; a skin that lacks groups and elements gets them made (groups
// empty, elements as red crosses); values, rows and derived sizes; wrong
// property classes raise; the table follows the skin's changes.
#include <gtest/gtest.h>

#include "dxSkinInfo.h"
#include "images_win_test_support.h"
#include "skins_win_test_support.h"

using core_graphics_test::CanvasSurface;
using skins_test::Probe;
using E = TdxSkinElementSlot;
using G = TdxSkinGroupSlot;
using P = TdxSkinPropertySlot;

namespace {

const auto* const kUnits = testing::AddGlobalTestEnvironment(new skins_test::TSkinUnits);

std::unique_ptr<TdxSkinLookAndFeelPainterInfo> InfoOf(TdxSkin* ASkin) {
  return std::make_unique<TdxSkinLookAndFeelPainterInfo>(ASkin);
}

TdxSkin* ProbeCopy() { return static_cast<TdxSkin*>(Probe().Clone()); }

const E kNotCreated[] = {E::BarsMainMenuCustomize, E::BarsMainMenuDrag, E::CommonSkinIcon, E::CommonSkinIconLarge,
                         E::RibbonAppMenuExtraPanePinButtonGlyph, E::SchedulerTimeGridCurrentTimeIndicator};

bool IsNotCreated(int ASlot) {
  return std::find(std::begin(kNotCreated), std::end(kNotCreated), E(ASlot)) != std::end(kNotCreated);
}

TEST(SkinInfoTest, TheProbeFillsEverySlotWithoutAPlaceholder) {
  auto info = InfoOf(ProbeCopy());
  TdxSkin* skin = info->Skin();
  for (int g = 0; g < int(G::Count); ++g) ASSERT_NE(info->Group(G(g)), nullptr) << g;
  for (int e = 0; e < int(E::Count); ++e) EXPECT_NE(info->Element(E(e)), nullptr) << "element slot " << e;
  for (int p = 0; p < int(P::Count); ++p) EXPECT_NE(info->Property(P(p)), nullptr) << "property slot " << p;
  for (int g = 0; g < skin->Groups()->Count(); ++g) {
    TdxSkinControlGroup* group = skin->Groups()->Items(g);
    EXPECT_FALSE(group->State().Contains(sosAddedByLookup)) << UTF8Encode(group->Name());
    for (int e = 0; e < group->Count(); ++e) {
      TdxSkinElement* element = group->Items(e);
      EXPECT_FALSE(element->State().Contains(sosAddedByLookup)) << UTF8Encode(element->Name());
      EXPECT_FALSE(element->State().Contains(sosUnreferenced)) << UTF8Encode(element->Name());
    }
  }
  // Skin colours and the navigation pane's border flag are read without being marked as used.
  EXPECT_TRUE(info->Color(P::SkinContentColor)->State().Contains(sosUnreferenced));
  EXPECT_TRUE(info->Property(P::NavPaneOverlapGroupBorders)->State().Contains(sosUnreferenced));
  EXPECT_FALSE(info->Property(P::EditorsEditorButtonMergeBorders)->State().Contains(sosUnreferenced));

  // The three elements the table adjusts.
  const TColor content = info->Element(E::FormFormContent)->Color();
  EXPECT_EQ(info->Element(E::CommonScrollButton)->Color(), content);
  EXPECT_EQ(info->Element(E::PageControlTabButtonHorz)->Color(), content);
  EXPECT_EQ(info->Element(E::PageControlTabButtonVert)->Color(), content);
  EXPECT_EQ(info->Element(E::GridGridGroupPanel)->Color(), clNone);  // it has a picture
}

TEST(SkinInfoTest, RowsAndDerivedValues) {
  auto info = InfoOf(ProbeCopy());
  EXPECT_EQ(info->EditButtonGlyph(1), info->Element(E::EditorsComboButtonGlyph));
  EXPECT_EQ(info->EditButtonGlyph(2), info->EditButtonGlyph(3));
  EXPECT_EQ(info->EditButtonGlyph(7), info->Element(E::EditorsSpinRightGlyph));
  EXPECT_EQ(info->EditButtonGlyph(8), nullptr);
  EXPECT_EQ(info->CalculatorButtonColor(2), info->Color(P::EditorsCalcEditEditingOperationTextColor));
  EXPECT_EQ(info->CalculatorButtonColor(3), info->Color(P::EditorsCalcEditMemoryOperationTextColor));
  EXPECT_EQ(info->CalculatorButtonColor(18), info->Color(P::EditorsCalcEditDigitTextColor));
  EXPECT_EQ(info->CalculatorButtonColor(19), info->Color(P::EditorsCalcEditArithmeticOperationTextColor));
  EXPECT_EQ(info->CalculatorButtonColor(27), info->Color(P::EditorsCalcEditScientificOperationTextColor));
  EXPECT_EQ(info->EditorTextColor(3), info->Color(P::EditorsTextReadOnlyColor));
  EXPECT_EQ(info->EditorBackgroundColor(1), info->Color(P::EditorsBackgroundDisabledColor));
  EXPECT_EQ(info->FormFrame(true, 1), info->Element(E::FormSmallFormCaption));
  EXPECT_EQ(info->FormFrame(false, 1), info->Element(E::FormFormCaption));
  EXPECT_EQ(info->FormFrameWidths(false), (TRect{4, 0, 4, 4}));  // the catalogue's 4-pixel frames
  EXPECT_EQ(info->LayoutViewRecordCaption(4), nullptr);
  EXPECT_EQ(info->LayoutViewPadding(5)->Value(), (TRect{2, 2, 2, 2}));
  EXPECT_EQ(info->IntegerValue(P::NavPaneCaptionHeight), 26);
  EXPECT_EQ(info->ElementTextColor(E::RibbonTab), info->Element(E::RibbonTab)->TextColor());
  EXPECT_EQ(info->RibbonDocumentNameTextColorInactive(), info->ColorValue(P::RibbonFormCaptionTextColorInactive));

  // Scroll-bar parts: the buttons' four images, thumbs and tracks by row.
  const struct {
    int Row, Part;
    E Element;
    int ImageIndex;
  } parts[] = {{0, 1, E::CommonScrollButton, 0}, {0, 2, E::CommonScrollButton, 1}, {1, 1, E::CommonScrollButton, 2},
               {1, 2, E::CommonScrollButton, 3}, {0, 3, E::CommonScrollThumbVert, 0},
               {1, 3, E::CommonScrollThumbHorz, 0}, {0, 5, E::CommonScrollContentVert, 0},
               {1, 4, E::CommonScrollContentHorz, 0}};
  for (const auto& p : parts) {
    TdxSkinScrollInfo* part = info->ScrollBarPart(p.Row, p.Part);
    ASSERT_NE(part, nullptr);
    EXPECT_EQ(part->Element, info->Element(p.Element)) << p.Row << " " << p.Part;
    EXPECT_EQ(part->ImageIndex, p.ImageIndex);
  }
  EXPECT_EQ(info->ScrollBarPart(0, 0), nullptr);
  CanvasSurface s(20, 20);
  EXPECT_TRUE(info->ScrollBarPart(1, 2)->Draw(s.Dc, TRect{0, 0, 17, 17}, esHot));
  EXPECT_GT(s.Cap().CountNot(0xFFFFFF), 200u);
}

TEST(SkinInfoTest, WhatTheSkinLacksIsMadeAndFoundAgain) {
  auto* skin = new TdxSkin(L"Bare");
  skin->AddGroup(L"Common")->AddElement(L"Button");
  auto info = InfoOf(skin);
  TdxSkinControlGroup* form = info->Group(G::Form);
  ASSERT_NE(form, nullptr);
  EXPECT_TRUE(form->State().Contains(sosAddedByLookup));
  // Made unreferenced, then found by the run its own addition caused.
  EXPECT_FALSE(form->State().Contains(sosUnreferenced));
  EXPECT_FALSE(info->Group(G::Common)->State().Contains(sosAddedByLookup));
  EXPECT_FALSE(info->Element(E::CommonButton)->State().Contains(sosAddedByLookup));
  for (int e = 0; e < int(E::Count); ++e) {
    TdxSkinElement* element = info->Element(E(e));
    if (IsNotCreated(e)) {
      EXPECT_EQ(element, nullptr) << e;
    } else if (E(e) != E::CommonButton) {
      ASSERT_NE(element, nullptr) << e;
      EXPECT_TRUE(element->State().Contains(sosAddedByLookup)) << e;
    }
  }
  for (int p = 0; p < int(P::Count); ++p) EXPECT_EQ(info->Property(P(p)), nullptr) << p;
  EXPECT_EQ(info->CaptionFontDelta(), 1);
  EXPECT_EQ(info->ColorValue(P::SkinContentColor), clDefault);
  EXPECT_EQ(info->IntegerValue(P::PageControlRowIndentFar, 7), 7);
  EXPECT_EQ(info->FormFrameWidths(true), (TRect{32, 0, 32, 32}));  // the placeholders' pictures

  // Found again as they are after the next change.
  TdxSkinElement* caption = info->Element(E::FormFormCaption);
  const int elements = form->Count();
  skin->FindGroup(L"Common")->FindElement(L"Button")->SetColor(clRed);
  EXPECT_EQ(info->Element(E::FormFormCaption), caption);
  EXPECT_EQ(form->Count(), elements);

  // A placeholder shows a red cross stretched over its rectangle, nothing else.
  TdxSkinElement* indicator = info->Element(E::SchedulerCurrentTimeIndicator);
  CanvasSurface s(64, 64);
  indicator->DrawToDC(s.Dc, TRect{0, 0, 64, 64}, 0, esNormal);
  const auto cap = s.Cap();
  s.Save(L"skins_info_placeholder");
  EXPECT_EQ(cap.At(32, 32), 0xFF0000u);
  EXPECT_EQ(cap.At(10, 10), 0xFF0000u);
  EXPECT_EQ(cap.At(10, 53), 0xFF0000u);
  EXPECT_EQ(cap.At(32, 10), 0xFFFFFFu);
  EXPECT_EQ(cap.At(5, 32), 0xFFFFFFu);
}

TEST(SkinInfoTest, CaptionFontDeltaIsAtLeastOne) {
  const struct {
    bool Present;
    int Value, Expected;
  } cases[] = {{false, 0, 1}, {true, 0, 1}, {true, -4, 1}, {true, 3, 3}};
  for (const auto& c : cases) {
    auto* skin = new TdxSkin(L"S");
    TdxSkinElement* caption = skin->AddGroup(L"Form")->AddElement(L"FormCaption");
    if (c.Present)
      static_cast<TdxSkinIntegerProperty*>(caption->AddProperty(L"FontDelta", TdxSkinIntegerProperty::StaticClass()))
          ->SetValue(c.Value);
    EXPECT_EQ(InfoOf(skin)->CaptionFontDelta(), c.Expected) << c.Value;
  }
}

TEST(SkinInfoTest, APropertyOfAnotherClassRaises) {
  const struct {
    const wchar_t* Group;
    const wchar_t* Element;  // null: the group's own property
    const wchar_t* Name;
    TClass Class;
  } cases[] = {{L"Editors", L"EditorButton", L"MergeBorders", TdxSkinIntegerProperty::StaticClass()},
               {L"Grid", nullptr, L"LayoutViewItemSpacing", TdxSkinSizeProperty::StaticClass()},
               {L"Docking", nullptr, L"TabHeaderTextColor", TdxSkinStringProperty::StaticClass()}};
  for (const auto& c : cases) {
    auto* skin = new TdxSkin(L"S");
    TdxSkinControlGroup* group = skin->AddGroup(c.Group);
    TdxSkinPersistent* owner = c.Element ? static_cast<TdxSkinPersistent*>(group->AddElement(c.Element)) : group;
    owner->AddProperty(c.Name, c.Class);
    try {
      InfoOf(skin);
      ADD_FAILURE() << "no exception for " << UTF8Encode(c.Name);
    } catch (const EInvalidCast& e) {
      EXPECT_EQ(e.Message(), L"Invalid class typecast");
    }
  }
  // A wide string serves where a string is wanted.
  auto* skin = new TdxSkin(L"S");
  skin->AddProperty(L"SkinGroupName", TdxSkinWideStringProperty::StaticClass());
  EXPECT_NE(InfoOf(skin)->As<TdxSkinStringProperty>(P::SkinSkinGroupName), nullptr);
  // The lookups check classes the same way.
  auto info = InfoOf(new TdxSkin(L"S"));
  TdxSkinControlGroup* grid = info->GetGroup(L"Grid");
  grid->AddProperty(L"Number", TdxSkinIntegerProperty::StaticClass());
  EXPECT_THROW(info->GetColor(grid, L"Number"), EInvalidCast);
  EXPECT_EQ(info->GetIntegerValue(grid, L"Number", 5), 0);
  EXPECT_EQ(info->GetIntegerValue(grid, L"Missing", 5), 5);
  EXPECT_EQ(info->GetIntegerValue(nullptr, L"Number", 5), 5);
  EXPECT_EQ(info->GetColorValue(grid, L"Missing"), clDefault);
  EXPECT_EQ(info->GetElement(nullptr, L"Button", true), nullptr);
}

TEST(SkinInfoTest, TheTableFollowsItsSkinAndLetsGoOfIt) {
  auto* skin = ProbeCopy();
  auto info = InfoOf(skin);
  EXPECT_EQ(skin->ListenerCount(), 1);
  // A change of the skin rebuilds the slots.
  TdxSkinControlGroup* common = skin->FindGroup(L"Common");
  common->Elements()->FreeAndRemove(common->FindElement(L"Header"));
  TdxSkinElement* header = info->Element(E::CommonHeader);
  ASSERT_NE(header, nullptr);
  EXPECT_TRUE(header->State().Contains(sosAddedByLookup));
  // Without a skin every slot is empty.
  info->SetSkin(nullptr);
  EXPECT_EQ(skin->ListenerCount(), 0);
  EXPECT_EQ(info->Group(G::Common), nullptr);
  EXPECT_EQ(info->Element(E::CommonButton), nullptr);
  EXPECT_EQ(info->ScrollBarPart(0, 1), nullptr);
  EXPECT_EQ(info->GetGroup(L"Common"), nullptr);
  info->SetSkin(skin);
  EXPECT_NE(info->Element(E::CommonButton), nullptr);
  // The info owns its skin: freeing the info frees the skin (a leak checker would tell).
  info.reset();
}

TEST(SkinInfoTest, SkinIconsComeFromTheSkinOrTheProgram) {
  auto info = InfoOf(ProbeCopy());
  std::unique_ptr<TBitmap> icon = info->GetSkinIcon(false);
  EXPECT_EQ(icon->Width(), 16);
  std::unique_ptr<TBitmap> large = info->GetSkinIcon(true);
  EXPECT_EQ(large->Width(), 32);
  // Without them: the program's default pictures (the test program holds only the small one).
  auto bare = InfoOf(new TdxSkin(L"Bare"));
  std::unique_ptr<TBitmap> fallback = bare->GetSkinIcon(false);
  EXPECT_EQ(fallback->Width(), 16);
  TRGBColors mine, probe;
  GetBitmapColors(fallback.get(), mine, true);
  GetBitmapColors(icon.get(), probe, true);
  EXPECT_EQ(PackRGBQuad(mine[100]), PackRGBQuad(probe[100]));
  EXPECT_THROW(bare->GetSkinIcon(true), EResNotFound);
}

}  // namespace
