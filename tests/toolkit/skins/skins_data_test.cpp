// The skin data without drawing: lookups by name, change propagation, the
// element and image values, the frame geometry, and the stream form (round
// trips, older versions, refusals, unknown classes, listing).
#include <gtest/gtest.h>

#include "skins_test_support.h"

using namespace skins_test;

namespace {

const auto* const kUnits = testing::AddGlobalTestEnvironment(new TSkinDataUnits);

// --- The tree ------------------------------------------------------------------------------

TEST(SkinTreeTest, NamesAreFoundExactlyAndAfterEveryChange) {
  TdxSkin skin(L"S");
  TdxSkinControlGroup* group = skin.AddGroup(L"Common");
  TdxSkinElement* upper = group->AddElement(L"Button");
  TdxSkinElement* lower = group->AddElement(L"button");
  TdxSkinElement* other = group->AddElement(L"Alpha");
  EXPECT_EQ(group->FindElement(L"Button"), upper);
  EXPECT_EQ(group->FindElement(L"button"), lower);
  EXPECT_EQ(group->FindElement(L"BUTTON"), nullptr);
  EXPECT_TRUE(group->Elements()->Sorted());
  // A change of an item leaves its list unsorted; the next lookup sorts it again.
  upper->SetColor(clRed);
  EXPECT_FALSE(group->Elements()->Sorted());
  TdxSkinElement* zulu = group->AddElement(L"Zulu");
  for (TdxSkinElement* e : {upper, lower, other, zulu}) EXPECT_EQ(group->FindElement(e->Name()), e);
  EXPECT_EQ(skin.FindGroup(L"Common"), group);
  EXPECT_EQ(skin.FindGroup(L"Editors"), nullptr);
  EXPECT_EQ(skin.FindColor(L"None"), nullptr);
}

class TRecordingListener : public TcxIUnknownObject, public IdxSkinChangeListener {
 public:
  int32_t QueryInterface(const TGUID& iid, void** obj) override { return TcxIUnknownObject::QueryInterface(iid, obj); }
  int32_t _AddRef() override { return -1; }
  int32_t _Release() override { return -1; }
  void SkinChanged(TdxSkin* ASkin) override {
    ++Calls;
    if (Remove) ASkin->RemoveListener(Remove);
    if (Add) ASkin->AddListener(std::exchange(Add, nullptr));
  }
  int Calls = 0;
  IdxSkinChangeListener* Remove = nullptr;
  IdxSkinChangeListener* Add = nullptr;
};

TEST(SkinTreeTest, ChangesReachTheListenersUnlessALevelIsLocked) {
  TdxSkin skin(L"S");
  TdxSkinElement* element = skin.AddGroup(L"Common")->AddElement(L"Button");
  TRecordingListener first, second, late;
  int skinChanges = 0;
  struct TCounter {
    int* Count;
    void Changed(TObject*) { ++*Count; }
  } counter{&skinChanges};
  skin.OnChange = TNotifyEvent(&counter, &TCounter::Changed);
  skin.AddListener(&first);
  skin.AddListener(&second);

  element->Image()->Margins()->SetLeft(3);  // image -> element -> group -> skin
  EXPECT_EQ(first.Calls, 1);
  EXPECT_EQ(second.Calls, 1);
  EXPECT_EQ(skinChanges, 1);

  element->Group()->BeginUpdate();
  element->SetTextColor(clRed);
  element->Borders()->Top()->SetThin(4);
  EXPECT_EQ(first.Calls, 1);
  element->Group()->EndUpdate();  // once at the end
  EXPECT_EQ(first.Calls, 2);

  // A listener removed during the round is skipped; one added waits for the next change.
  first.Remove = &second;
  first.Add = &late;
  element->SetAlpha(10);
  EXPECT_EQ(second.Calls, 2);
  EXPECT_EQ(late.Calls, 0);
  first.Remove = nullptr;
  element->SetAlpha(20);
  EXPECT_EQ(late.Calls, 1);
}

TEST(SkinTreeTest, ElementValues) {
  TdxSkin skin(L"S");
  TdxSkinElement* e = skin.AddGroup(L"Common")->AddElement(L"Button");
  for (int count : {0, -5}) {
    e->SetImageCount(count);
    EXPECT_EQ(e->ImageCount(), 1);
  }
  // Without a picture, transparency is the colour's.
  e->SetColor(clNone);
  EXPECT_TRUE(e->HasTransparency());
  e->SetColor(clDefault);
  EXPECT_FALSE(e->HasTransparency());
  e->SetColor(clRed);
  EXPECT_TRUE(e->ColorAssigned());
  e->SetAlpha(254);
  EXPECT_TRUE(e->HasTransparency());

  e->SetTextColor(clRed);
  EXPECT_EQ(e->GetTextColor(2), clRed);  // no "TextColorHot"
  auto* hot = static_cast<TdxSkinColor*>(e->AddProperty(L"TextColorHot", TdxSkinColor::StaticClass()));
  EXPECT_EQ(e->GetTextColor(2), clRed);  // it holds clDefault
  hot->SetValue(0x00FF00);
  EXPECT_EQ(e->GetTextColor(2), 0x00FF00);
  EXPECT_EQ(e->GetTextColor(1), clRed);
  e->AddProperty(L"TextColorDisabled", TdxSkinIntegerProperty::StaticClass());
  EXPECT_EQ(e->GetTextColor(4), clRed);  // not a colour

  EXPECT_EQ(e->GetImageFolder(), L"Common\\");
  EXPECT_EQ(e->Image()->GetName(), L"");
  const std::vector<std::uint8_t> png = SamplePng();
  e->Image()->LoadFromPngData(png.data(), png.size());
  EXPECT_EQ(e->Image()->GetName(), L"Button_Image.png");
  EXPECT_EQ(e->Image()->GetSourceName(), L"Common\\Button_Image.png");
  EXPECT_TRUE(e->HasTransparency());  // the PNG has an alpha channel
}

TEST(SkinTreeTest, PropertyCaptionsEqualityAndDisplayName) {
  const std::pair<TClass, const wchar_t*> captions[] = {
      {TdxSkinIntegerProperty::StaticClass(), L"Integer"}, {TdxSkinBooleanProperty::StaticClass(), L"Boolean"},
      {TdxSkinColor::StaticClass(), L"Color"},             {TdxSkinRectProperty::StaticClass(), L"Rect"},
      {TdxSkinSizeProperty::StaticClass(), L"Size"},       {TdxSkinBorder::StaticClass(), L"Border"},
      {TdxSkinBorders::StaticClass(), L"Borders"},         {TdxSkinStringProperty::StaticClass(), L"String"},
      {TdxSkinWideStringProperty::StaticClass(), L"WideString"}};
  for (const auto& [cls, caption] : captions) {
    std::unique_ptr<TdxSkinProperty> p(static_cast<TdxSkinProperty*>(cls->Create(nullptr)));
    EXPECT_EQ(p->GetTypeCaption(), caption);
  }

  TdxSkinBorders a(nullptr), b(nullptr);
  EXPECT_TRUE(a.IsEqual(&b));
  b.Left()->SetColor(clRed);
  EXPECT_FALSE(a.IsEqual(&b));

  TdxSkin skin(L"Name");
  EXPECT_EQ(skin.DisplayName(), L"Name");
  skin.AddProperty(L"DisplayName", TdxSkinIntegerProperty::StaticClass());
  EXPECT_EQ(skin.DisplayName(), L"Name");

  // A property of another class is not assigned from.
  TdxSkinIntegerProperty i(nullptr);
  TdxSkinColor c(nullptr);
  EXPECT_THROW(i.Assign(&c), EConvertError);
}

TEST(SkinTreeTest, CloneCopiesTheWholeTree) {
  std::unique_ptr<TdxSkin> skin = SampleSkin();
  std::unique_ptr<TdxSkin> clone(static_cast<TdxSkin*>(skin->Clone()));
  EXPECT_EQ(clone->Name(), L"Sample");
  EXPECT_EQ(SkinBytes(clone.get()), SkinBytes(skin.get()));
  TdxSkinElement* e = clone->FindGroup(L"Common")->FindElement(L"Button");
  EXPECT_TRUE(e->IsEqual(skin->FindGroup(L"Common")->FindElement(L"Button")));
  EXPECT_EQ(e->Image()->GetSourceName(), L"Common\\Button_Image.png");
}

// --- Frames --------------------------------------------------------------------------------

TEST(SkinGeometryTest, FramesFollowStatesAndImages) {
  TdxSkin skin(L"S");
  TdxSkinElement* e = skin.AddGroup(L"G")->AddElement(L"E");
  const std::vector<std::uint8_t> png = SamplePng(40, 10);
  e->Image()->LoadFromPngData(png.data(), png.size());
  e->SetImageCount(2);
  e->Image()->SetStates({esNormal, esHot});
  EXPECT_EQ(e->GetImageSize(), (TSize{10, 10}));
  EXPECT_EQ(e->Image()->GetStateCount(), 2);
  EXPECT_EQ(e->Image()->GetSourceRect(1, esHot), (TRect{30, 0, 40, 10}));
  EXPECT_EQ(e->Image()->GetSourceRect(0, esPressed), (TRect{0, 0, 10, 10}));  // the lowest state
  EXPECT_EQ(e->Image()->StateRect(esPressed), TRect{});

  // Vertical: the same along y; a change of the count recomputes.
  const std::vector<std::uint8_t> tall = SamplePng(8, 24);
  e->Image()->LoadFromPngData(tall.data(), tall.size());
  e->Image()->SetImageLayout(ilVertical);
  e->SetImageCount(3);
  e->Image()->SetStates({esHot, esDisabled});
  EXPECT_EQ(e->GetImageSize(), (TSize{8, 4}));
  EXPECT_EQ(e->Image()->GetSourceRect(2, esDisabled), (TRect{0, 20, 8, 24}));
  EXPECT_EQ(e->Image()->GetSourceRect(0, esNormal), (TRect{0, 0, 8, 4}));
}

TEST(SkinGeometryTest, NinePartsAndShrunkMargins) {
  const auto parts = dxSkinNinePartRects(TRect{10, 20, 30, 40}, TRect{2, 3, 4, 5});
  const TRect expected[9] = {{10, 20, 12, 23}, {12, 20, 26, 23}, {26, 20, 30, 23},
                             {10, 23, 12, 35}, {12, 23, 26, 35}, {26, 23, 30, 35},
                             {10, 35, 12, 40}, {12, 35, 26, 40}, {26, 35, 30, 40}};
  for (int i = 0; i < 9; ++i) EXPECT_EQ(parts[std::size_t(i)], expected[i]) << "part " << i;
  // Margins wider than the rectangle leave no centre and nothing outside it.
  const auto squeezed = dxSkinNinePartRects(TRect{0, 0, 5, 5}, TRect{4, 4, 4, 4});
  EXPECT_LE(squeezed[4].Right, squeezed[4].Left);
  EXPECT_EQ(squeezed[8], (TRect{1, 1, 5, 5}));

  EXPECT_EQ(dxSkinShrinkMargins(TRect{6, 1, 4, 1}, 5, 10), (TRect{3, 1, 2, 1}));
  EXPECT_EQ(dxSkinShrinkMargins(TRect{6, 6, 4, 4}, 10, 3), (TRect{6, 2, 4, 1}));
  EXPECT_EQ(dxSkinShrinkMargins(TRect{3, 3, 3, 3}, 0, 0), TRect{});
}

// --- Streams -------------------------------------------------------------------------------

TEST(SkinStreamTest, EveryKindOfObjectSurvivesARoundTrip) {
  std::unique_ptr<TdxSkin> skin = SampleSkin();
  const std::string bytes = SkinBytes(skin.get());
  TdxSkin untouched(L"");
  LoadSkinBytes(&untouched, bytes);
  EXPECT_EQ(SkinBytes(&untouched), bytes);  // written again, the same bytes
  TdxSkin read(L"Other");
  LoadSkinBytes(&read, bytes);
  EXPECT_EQ(read.Name(), L"Sample");
  EXPECT_EQ(read.Version(), 1.03);
  EXPECT_EQ(read.DisplayName(), L"Sample skin");
  ASSERT_EQ(read.Colors()->Count(), 1);
  EXPECT_TRUE(read.Colors()->Items(0)->IsEqual(skin->Colors()->Items(0)));
  const std::pair<TdxSkinPersistent*, TdxSkinPersistent*> owners[] = {
      {skin.get(), &read}, {skin->FindGroup(L"Common"), read.FindGroup(L"Common")}};
  for (const auto& [written, got] : owners) {
    ASSERT_EQ(got->PropertyCount(), 7);
    for (int i = 0; i < 7; ++i)
      EXPECT_TRUE(written->Properties(i)->IsEqual(got->FindProperty(written->Properties(i)->Name())))
          << written->Properties(i)->Name();
  }
  TdxSkinElement* button = read.FindGroup(L"Common")->FindElement(L"Button");
  ASSERT_NE(button, nullptr);
  EXPECT_TRUE(button->IsEqual(skin->FindGroup(L"Common")->FindElement(L"Button")));
  EXPECT_EQ(static_cast<TdxSkinWideStringProperty*>(button->FindProperty(L"Wide"))->Value(),
            L"\u76AE\u80A4 \U0001F600");
  EXPECT_TRUE(button->Glyph()->HasGradient());
  EXPECT_EQ(button->Glyph()->Gradient(), gmBackwardDiagonal);
  EXPECT_EQ(button->Image()->ImageLayout(), ilVertical);
  EXPECT_NE(read.FindGroup(L"Editors")->FindElement(L"Checkbox"), nullptr);
}

TEST(SkinStreamTest, OlderVersionsReadWithoutTheFieldsTheyLacked) {
  for (double version : {1.0, 1.01, 1.02, 1.03}) {
    TBytes b;
    b.Header(version, version == 1.0 ? 0 : 99).Str("Old");
    b.Int(1).Str("TdxSkinColor").Str("ContentColor").Int(0x0000FF);
    b.Int(0);                                 // skin properties
    b.Int(1).Str("Common").Int(1).Element("Button", version).Int(0);
    TdxSkin skin(L"S");
    LoadSkinBytes(&skin, b.Data());
    SCOPED_TRACE(version);
    EXPECT_EQ(skin.Version(), version);
    EXPECT_EQ(skin.FindColor(L"ContentColor")->Value(), 0x0000FF);
    TdxSkinElement* e = skin.FindGroup(L"Common")->FindElement(L"Button");
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->Color(), 0x123456);
    EXPECT_TRUE(e->ColorAssigned());
    EXPECT_EQ(e->Alpha(), 200);
    EXPECT_EQ(e->ImageCount(), 3);
    EXPECT_EQ(e->Image()->Margins()->Rect(), (TRect{1, 2, 3, 4}));
    EXPECT_EQ(e->Image()->Stretch(), smTile);
    EXPECT_EQ(e->Image()->States(), (TdxSkinElementStates{esNormal, esHot}));
    EXPECT_EQ(e->Image()->HasGradient(), version >= 1.02);
    EXPECT_EQ(e->Borders()->Right()->Color(), 0x808080);
    EXPECT_EQ(e->Borders()->Right()->Thin(), 2);
    EXPECT_EQ(e->TextColor(), 0x00FF00);
    EXPECT_EQ(e->MinSize()->GetSize(), (TSize{5, 6}));
  }
}

TEST(SkinStreamTest, ListGatesBelowTheOldestSkinVersion) {
  // The list readers still know the shapes older than a whole skin may be.
  TdxSkin skin(L"S");
  TBytes colours;
  colours.Int(1).Str("Plain").Int(0x112233);
  TStringStream c(colours.Data());
  skin.Colors()->ReadFromStream(&c, 0.91);
  EXPECT_EQ(skin.FindColor(L"Plain")->Value(), 0x112233);

  // Before 0.91 groups have no properties; before 0.92 borders no class names;
  // before 0.93 elements no text colour.
  TBytes groups;
  groups.Int(1).Str("H").Int(1).Element("E", 0.90);
  TStringStream h(groups.Data());
  skin.Groups()->ReadFromStream(&h, 0.90);
  EXPECT_EQ(h.Position(), h.Size());
  TdxSkinElement* e = skin.FindGroup(L"H")->FindElement(L"E");
  EXPECT_EQ(e->TextColor(), clDefault);
  EXPECT_EQ(e->Borders()->Left()->Name(), L"Left");
}

TEST(SkinStreamTest, RefusedStreamsSayWhy) {
  // A version below 1.0: name and version are taken, the rest is left alone.
  TdxSkin skin(L"Before");
  skin.AddGroup(L"Kept");
  TBytes old;
  old.Header(0.99).Str("Old").Int(0).Int(0).Int(0);
  try {
    LoadSkinBytes(&skin, old.Data());
    ADD_FAILURE() << "no exception";
  } catch (const EdxSkin& e) {
    EXPECT_EQ(e.Message(),
              L"The skin data version is older than the current version of the skin library.\r\n"
              L"Skins cannot be loaded due to a version mismatch.");
  }
  EXPECT_EQ(skin.Name(), L"Old");
  EXPECT_EQ(skin.Version(), 0.99);
  EXPECT_NE(skin.FindGroup(L"Kept"), nullptr);

  // A version that is no number is no newer version.
  TBytes nan;
  nan.Header(std::numeric_limits<double>::quiet_NaN()).Str("N").Int(0).Int(0).Int(0);
  EXPECT_THROW(LoadSkinBytes(&skin, nan.Data()), EdxSkin);

  for (const std::string& data : {std::string(), std::string("\6\0\0\0dxSki", 9), std::string("\6\0\0\0dxSkiX", 10)}) {
    try {
      LoadSkinBytes(&skin, data);
      ADD_FAILURE() << "no exception";
    } catch (const EdxSkin& e) {
      EXPECT_EQ(e.Message(), L"Invalid stream format");
    }
  }
  // Fields out of their range are damage, not values.
  TBytes layout;
  layout.Header(1.03).Str("L").Int(0).Int(0).Int(1).Str("G").Int(1).Str("E").Int(0).Byte(255).Int(1).Rect(0, 0, 0, 0);
  layout.Rect(0, 0, 0, 0).Byte(9);
  EXPECT_THROW(LoadSkinBytes(&skin, layout.Data()), EdxSkin);
}

TEST(SkinStreamTest, UnknownPropertyClassesRaiseAndKeepWhatWasRead) {
  TdxSkin skin(L"S");
  TRecordingListener listener;
  skin.AddListener(&listener);
  // A border class in an element's property list is no property class.
  for (const char* cls : {"TdxSkinBorder", "TdxSkinElement", "TNoSuchClass"}) {
    TBytes b;
    std::string element = TBytes().Element("E", 1.03).Data();
    element.resize(element.size() - 4);  // the empty property list goes
    b.Header(1.03).Str("S").Int(1).Str("TdxSkinColor").Str("C").Int(1).Int(0);
    b.Int(1).Str("G").Int(1).Raw(element).Int(1).Str(cls).Str("P").Int(0).Int(1).Int(2);
    const int before = listener.Calls;
    try {
      LoadSkinBytes(&skin, b.Data());
      ADD_FAILURE() << "no exception for " << cls;
    } catch (const EClassNotFound& e) {
      EXPECT_EQ(e.Message(), L"Class " + UTF8Decode(cls) + L" not found");
    }
    EXPECT_NE(skin.FindColor(L"C"), nullptr);
    EXPECT_NE(skin.FindGroup(L"G")->FindElement(L"E"), nullptr);
    EXPECT_EQ(listener.Calls, before + 1);  // told once, of what was read
  }
}

TEST(SkinStreamTest, APictureShorterThanItsSizeLeavesTheStreamAtTheNextField) {
  const std::vector<std::uint8_t> png = SamplePng();
  TBytes b;
  b.Header(1.03).Str("S").Int(0).Int(0).Int(1).Str("G").Int(1).Str("E").Int(clRed).Byte(255).Int(1).Rect(0, 0, 0, 0);
  b.EmptyImage(1.03);
  b.Rect(0, 0, 0, 0).Byte(0).Word(1).Byte(0).Int(clNone).Int(clNone).Byte(0);
  b.Int(std::int32_t(png.size() + 5)).Raw(std::string(png.begin(), png.end())).Raw("pad!!");
  for (const char* side : {"Left", "Top", "Right", "Bottom"}) b.Str("TdxSkinBorder").Str(side).Int(clNone).Int(1);
  b.Int(0x00ABCDEF).Int(1).Int(2).Int(0).Int(0);
  TdxSkin skin(L"S");
  LoadSkinBytes(&skin, b.Data());
  TdxSkinElement* e = skin.FindGroup(L"G")->FindElement(L"E");
  EXPECT_EQ(e->Image()->GetFrameSize(), (TSize{6, 4}));
  EXPECT_EQ(e->TextColor(), 0x00ABCDEF);
  EXPECT_EQ(e->MinSize()->GetSize(), (TSize{1, 2}));
}

TEST(SkinStreamTest, APartStreamEndsWhereWritingEnded) {
  TStringStream source(std::string(20, 'x'));
  TdxSkinPartStream part(&source, 10, 5);
  EXPECT_EQ(part.Size(), 10);
  // Two bytes written at the start of the ten-byte window leave it two bytes long.
  part.SetPosition(0);
  part.WriteBuffer("ab", 2);
  EXPECT_EQ(part.Size(), 2);
  EXPECT_EQ(source.Position(), 7);
  EXPECT_EQ(part.Seek(0, soEnd), 2);
  // Writing on past the old end moves it there.
  part.WriteBuffer("0123456789ab", 12);
  EXPECT_EQ(part.Size(), 14);
  EXPECT_EQ(source.DataString().substr(5, 14), "ab0123456789ab");
}

// --- Listing -------------------------------------------------------------------------------

std::string NamedSkin(const wchar_t* name, const wchar_t* display = nullptr) {
  TdxSkin skin(name);
  if (display)
    static_cast<TdxSkinStringProperty*>(skin.AddProperty(L"DisplayName", TdxSkinStringProperty::StaticClass()))
        ->SetValue(display);
  skin.AddGroup(L"Common")->AddElement(L"Button");
  return SkinBytes(&skin);
}

TEST(SkinListingTest, SingleAndMultiSkinStreams) {
  {
    TStringStream single(NamedSkin(L"Black", L"Black Night"));
    TdxSkinBinaryReader reader(&single);
    ASSERT_EQ(reader.Count(), 1);
    EXPECT_EQ(reader.Names(0), L"Black");
    EXPECT_EQ(reader.DisplayNames(0), L"Black Night");
    EXPECT_EQ(reader.Positions(0), 0);
  }
  {
    TStringStream unnamed(NamedSkin(L""));  // its empty name reads as a count of 0
    EXPECT_EQ(TdxSkinBinaryReader(&unnamed).Count(), 0);
  }
  const std::vector<std::string> skins = {NamedSkin(L"Black"), NamedSkin(L"Granite", L"Grey"), NamedSkin(L"Foggy")};
  TStringStream multi;
  WriteMultiSkinStream(&multi, skins);
  multi.SetPosition(0);
  TdxSkinBinaryReader reader(&multi);
  ASSERT_EQ(reader.Count(), 3);
  EXPECT_EQ(reader.Names(1), L"Granite");
  EXPECT_EQ(reader.DisplayNames(1), L"Grey");
  EXPECT_EQ(reader.DisplayNames(2), L"Foggy");
  EXPECT_EQ(reader.Positions(0), 18 + 4 + 4);
  EXPECT_EQ(reader.Positions(1), 18 + 4 + 4 + std::int64_t(skins[0].size()) + 4);
  TdxSkin second(L"");
  TStringStream again(multi.DataString());
  again.SetPosition(reader.Positions(1));
  second.LoadFromStream(&again);
  EXPECT_EQ(second.Name(), L"Granite");

  // A header of version 1.0 is no multi-skin header.
  std::string v10 = multi.DataString();
  const std::string one = TBytes().Double(1.0).Data();
  v10.replace(10, 8, one);
  TStringStream old(v10);
  EXPECT_EQ(TdxSkinBinaryReader(&old).Count(), 0);
}

TEST(SkinListingTest, DamagedMultiSkinStreamsListNothingOfTheFailedAttempt) {
  TStringStream multi;
  WriteMultiSkinStream(&multi, {NamedSkin(L"One"), NamedSkin(L"Two")});
  std::string cut = multi.DataString();
  cut.resize(cut.size() - 10);  // the second skin's size now runs past the end
  TStringStream damaged(cut);
  EXPECT_EQ(TdxSkinBinaryReader(&damaged).Count(), 0);
  TStringStream foreign(std::string("not a skin file at all"));
  EXPECT_EQ(TdxSkinBinaryReader(&foreign).Count(), 0);
}

}  // namespace
