// Published properties read and written by name as their form-file text, and
// copied between classes whose properties of one name differ in type.
#include <gtest/gtest.h>

#include "SysUtils.h"
#include "proptext_target.h"

namespace {

using namespace proptext_test;
using TSource = TTarget;

// "Shade" of another type: the same names in another order, and one more.
enum TTone { toDark, toNone, toLight, toMedium };
VAMIRE_ENUM_NAMES(TTone, L"shDark", L"shNone", L"shLight", L"shMedium")

class TOther : public TComponent {
  VAMIRE_CLASS(TOther, TComponent)
 public:
  using TComponent::TComponent;
  TTone Shade() const { return FShade; }
  void SetShade(TTone v) { FShade = v; }
  TTone FShade = toNone;
};

VAMIRE_PUBLISHED(TOther, Prop(L"Shade", &TOther::Shade, &TOther::SetShade))

TEST(PropTextTest, ValuesReadAsAFormFileShowsThem) {
  TSource s(nullptr);
  const std::pair<const wchar_t*, const wchar_t*> cases[] = {
      {L"Color", L"clBtnFace"}, {L"Shade", L"shMedium"}, {L"Shades", L"[shLight, shDark]"}, {L"Flag", L"True"},
      {L"Text", L"it's"},       {L"Count", L"-12"},      {L"Ratio", L"1.5"}};
  for (auto [name, expected] : cases) {
    String text;
    EXPECT_TRUE(GetPropText(&s, name, text)) << name;
    EXPECT_EQ(text, expected) << name;
  }
  s.SetColor(0x123456);
  s.SetShades({});
  String text;
  ASSERT_TRUE(GetPropText(&s, L"color", text)) << "names compare ignoring case";
  EXPECT_EQ(text, IntToStr(0x123456));
  ASSERT_TRUE(GetPropText(&s, L"Shades", text));
  EXPECT_EQ(text, L"[]");
}

TEST(PropTextTest, ValuesWrittenFromTextGoThroughTheSetter) {
  TSource s(nullptr);
  EXPECT_TRUE(SetPropText(&s, L"Color", L"clRed"));
  EXPECT_EQ(s.Color(), clRed);
  EXPECT_TRUE(SetPropText(&s, L"Color", L"$00FF8000"));
  EXPECT_EQ(s.Color(), 0xFF8000);
  EXPECT_TRUE(SetPropText(&s, L"Shade", L" shDark "));
  EXPECT_EQ(s.Shade(), shDark);
  EXPECT_TRUE(SetPropText(&s, L"Shades", L"[ shMedium ,shLight]"));
  EXPECT_EQ(s.Shades(), (TShades{shLight, shMedium}));
  EXPECT_TRUE(SetPropText(&s, L"Flag", L"false"));
  EXPECT_FALSE(s.Flag());
  EXPECT_TRUE(SetPropText(&s, L"Count", L"4294967295")) << "a 32-bit property takes unsigned values as the reader does";
  EXPECT_TRUE(SetPropText(&s, L"Ratio", L"0.25"));
  EXPECT_EQ(s.Ratio(), 0.25);
  EXPECT_TRUE(SetPropText(&s, L"Text", L"  kept as it is "));
  EXPECT_EQ(s.Text(), L"  kept as it is ");
}

TEST(PropTextTest, MissingOrTextlessPropertiesAnswerFalseAndBadTextRaisesLeavingTheValue) {
  TSource s(nullptr);
  String text = L"untouched";
  EXPECT_FALSE(GetPropText(&s, L"Nothing", text));
  EXPECT_FALSE(GetPropText(&s, L"Buddy", text)) << "component references have no text form";
  EXPECT_FALSE(GetPropText(nullptr, L"Color", text));
  EXPECT_EQ(text, L"untouched");
  EXPECT_FALSE(SetPropText(&s, L"Nothing", L"1"));
  EXPECT_FALSE(SetPropText(&s, L"Buddy", L"Form1"));
  const std::pair<const wchar_t*, const wchar_t*> bad[] = {
      {L"Shade", L"shNone"},   {L"Shades", L"[shLight, shBlack]"}, {L"Shades", L"shLight"},
      {L"Shades", L"[shLight,]"}, {L"Flag", L"yes"},              {L"Count", L"4294967296"},
      {L"Count", L"twelve"},   {L"Color", L"clNoSuchColour"},       {L"Ratio", L"1,5x"}};
  for (auto [name, value] : bad) {
    EXPECT_THROW(SetPropText(&s, name, value), EConvertError) << name << " = " << value;
  }
  EXPECT_EQ(s.Shade(), shMedium);
  EXPECT_EQ(s.Shades(), (TShades{shLight, shDark}));
  EXPECT_EQ(s.Count(), -12);
  EXPECT_EQ(s.Color(), clBtnFace);
}

TEST(PropTextTest, ValuesCopyByNameBetweenPropertiesOfDifferentTypes) {
  TSource source(nullptr);
  TOther other(nullptr);
  String text;
  ASSERT_TRUE(GetPropText(&source, L"Shade", text));
  ASSERT_TRUE(SetPropText(&other, L"Shade", text));
  EXPECT_EQ(other.Shade(), toMedium) << "by name, not by ordinal";
  other.SetShade(toNone);
  ASSERT_TRUE(GetPropText(&other, L"Shade", text));
  EXPECT_THROW(SetPropText(&source, L"Shade", text), EConvertError) << "a name the other type lacks";
  EXPECT_FALSE(SetPropText(&other, L"Color", L"clRed")) << "a property the other class lacks";
}

}  // namespace
