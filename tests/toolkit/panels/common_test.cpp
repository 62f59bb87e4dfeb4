// The panel library's arithmetic: hue/saturation/luminance, shades and tints,
// the colour scheme and its probe, the frame tables, the obsolete-property
// readers. Needs no Win32: system colours come through an injected reader.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <limits>

#include "RzCommon.h"
#include "SysUtils.h"

namespace {

int Channel(TColor c, int shift) { return (c >> shift) & 0xFF; }

// Within Tolerance on every component.
::testing::AssertionResult Near(TColor a, TColor b, int Tolerance) {
  for (int shift : {0, 8, 16})
    if (std::abs(Channel(a, shift) - Channel(b, shift)) > Tolerance)
      return ::testing::AssertionFailure() << std::hex << a << " vs " << b;
  return ::testing::AssertionSuccess();
}

struct THls {
  int H, S, L;
};

THls Split(TColor c) {
  std::uint8_t h, s, l;
  SplitColorHls(c, h, s, l);
  return {h, s, l};
}

TEST(ColorHlsTest, KnownColoursSplitOnTheTwoHundredFortyScale) {
  const std::pair<TColor, THls> cases[] = {
      {clRed, {0, 240, 120}},    {clLime, {80, 240, 120}},  {clBlue, {160, 240, 120}}, {clYellow, {40, 240, 120}},
      {clWhite, {0, 0, 240}},    {clBlack, {0, 0, 0}},      {clGray, {0, 0, 120}},     {0x00C0C0C0, {0, 0, 181}},
      {clNavy, {160, 240, 60}},  {clFuchsia, {200, 240, 120}}};
  for (auto [color, hls] : cases) {
    const THls got = Split(color);
    EXPECT_EQ(got.H, hls.H) << std::hex << color;
    EXPECT_EQ(got.S, hls.S) << std::hex << color;
    EXPECT_EQ(got.L, hls.L) << std::hex << color;
  }
}

TEST(ColorHlsTest, SplitAndJoinComeBackWithinTheScalesRounding) {
  // The 0..240 scale loses a little against 0..255, and the join reads hue on
  // a 0..239 scale: near the end of the circle that drifts up to a scale step.
  for (int r = 0; r <= 255; r += 17)
    for (int g = 0; g <= 255; g += 17)
      for (int b = 0; b <= 255; b += 17) {
        const TColor c = r | g << 8 | b << 16;
        const THls hls = Split(c);
        EXPECT_TRUE(Near(JoinColorHls(std::uint8_t(hls.H), std::uint8_t(hls.S), std::uint8_t(hls.L)), c, 8));
      }
  for (int h = 0; h < 239; h += 7)
    for (int s = 0; s <= 240; s += 40)
      for (int l = 20; l <= 220; l += 40) {
        const THls back = Split(JoinColorHls(std::uint8_t(h), std::uint8_t(s), std::uint8_t(l)));
        EXPECT_NEAR(back.L, l, 1) << h << "," << s << "," << l;
        // Hue is a circle: 238 may come back as 0.
        const int hueDistance = std::abs(back.H - h) % 240;
        if (s >= 40 && l >= 60 && l <= 180) {
          EXPECT_LE(std::min(hueDistance, 240 - hueDistance), 3) << h << "," << s << "," << l;
        }
      }
}

TEST(ColorHlsTest, EdgesOfTheJoin) {
  EXPECT_EQ(JoinColorHls(239, 240, 120), clRed) << "hue 239 is sextant 6, mapped as sextant 0";
  EXPECT_EQ(JoinColorHls(0, 0, 0), clBlack);
  EXPECT_EQ(JoinColorHls(80, 0, 240), clWhite);
  EXPECT_EQ(JoinColorHls(80, 240, 255), clWhite) << "luminance past the scale clamps to white";
  EXPECT_EQ(JoinColorHls(0, 255, 100) & 0xFF000000, 0) << "saturation past the scale clamps, never wraps";
}

TEST(ColorHlsTest, ShadeTintAndShiftMoveTheLuminanceOnly) {
  EXPECT_EQ(TintColor(clWhite, 30), clWhite);
  EXPECT_EQ(ShadeColor(clWhite, 240), clBlack);
  EXPECT_EQ(ShadeColor(clBlack, 30), clBlack);
  const THls red = Split(ShadeColor(clRed, 60));
  EXPECT_EQ(red.H, 0);
  EXPECT_EQ(red.L, 60);
  EXPECT_EQ(Split(TintColor(clBlue, 60)).L, 180);
  for (TColor c : {clRed, TColor(0x336699), clBtnFace, clWindow}) EXPECT_EQ(ShiftColorLuminance(c, 0), c);
  EXPECT_EQ(ShiftColorLuminance(0x336699, -20), ShadeColor(0x336699, 20));
  EXPECT_EQ(ShiftColorLuminance(0x336699, 20), TintColor(0x336699, 20));
  EXPECT_EQ(ShiftColorLuminance(clWhite, -1000), clBlack) << "an adjustment past a byte does not wrap";
  EXPECT_EQ(ShiftColorLuminance(clBlack, 1000), clWhite);
  // The adjustment is read from forms as any 32-bit value, the extremes too.
  EXPECT_EQ(ShiftColorLuminance(clWhite, std::numeric_limits<int>::min()), clBlack);
  EXPECT_EQ(ShiftColorLuminance(clBlack, std::numeric_limits<int>::max()), clWhite);
  EXPECT_EQ(ShiftColorLuminance(0x336699, -255), ShadeColor(0x336699, 255));
  EXPECT_EQ(ShiftColorLuminance(0x336699, -256), ShadeColor(0x336699, 255));
}

std::uint32_t FakeSystemColor(int Index) { return Index == 15 ? 0x00336699u : 0x00102030u; }

TEST(ColorHlsTest, SystemColoursResolveThroughTheInjectedReader) {
  const TSystemColorReader old = SetSystemColorReader(&FakeSystemColor);
  EXPECT_EQ(RzColorToRGB(clBtnFace), 0x336699);
  const THls face = Split(clBtnFace), plain = Split(0x336699);
  EXPECT_EQ(face.H, plain.H);
  EXPECT_EQ(face.S, plain.S);
  EXPECT_EQ(face.L, plain.L);
  EXPECT_EQ(ShadeColor(clBtnFace, 10), ShadeColor(0x336699, 10));
  SetSystemColorReader(old);
  EXPECT_EQ(RzColorToRGB(clBtnFace), 0xC8D0D4) << "the classic colours by default";
  EXPECT_EQ(RzColorToRGB(0x123456), 0x123456);
}

String Homestead() { return L"homestead"; }
String Metallic() { return L"Metallic"; }
String NormalColor() { return L"NormalColor"; }
String Failing() { throw Exception(L"no key"); }

TEST(ColorSchemeTest, ProbeReadsTheNameAndAnyOtherOrAFailureIsTheDefault) {
  const std::pair<TColorSchemeNameReader, int> cases[] = {
      {&Homestead, 1}, {&Metallic, 2}, {&NormalColor, 0}, {&Failing, 0}, {nullptr, 0}};
  for (auto [reader, scheme] : cases) {
    const TColorSchemeNameReader old = SetColorSchemeNameReader(reader);
    EXPECT_EQ(ProbeXpColorScheme(), scheme);
    SetColorSchemeNameReader(old);
  }
}

TEST(ColorSchemeTest, GradientAndFlatColoursFollowTheSchemeOnlyWithOfficeStyleAndThemes) {
  const TSystemColorReader old = SetSystemColorReader(nullptr);
  for (TRzXpColorScheme scheme : {0, 1, 2}) {
    SetXpColorScheme(scheme);
    TColor start = 0, stop = 0;
    SchemeGradientColors(gcsMSOffice, true, start, stop);
    EXPECT_EQ(start, SchemeColors(scheme).Light);
    EXPECT_EQ(stop, SchemeColors(scheme).Medium);
    EXPECT_EQ(SchemeFlatColor(gcsMSOffice, true), SchemeColors(scheme).Dark);
    for (auto [style, themes] : {std::pair{gcsMSOffice, false}, {gcsSystem, true}, {gcsCustom, true}}) {
      SchemeGradientColors(style, themes, start, stop);
      EXPECT_EQ(start, clWindow);
      EXPECT_EQ(stop, ShadeColor(clBtnFace, 10));
      EXPECT_EQ(SchemeFlatColor(style, themes), TintColor(clBtnShadow, 30));
    }
  }
  EXPECT_EQ(SchemeColors(1).Medium, 0x0092C7B8);
  EXPECT_EQ(SchemeColors(7).Light, SchemeColors(0).Light) << "an unknown scheme reads as the default";
  SetXpColorScheme(0);
  SetSystemColorReader(old);
}

TEST(FrameTablesTest, StylesColoursAndWidths) {
  EXPECT_EQ(FrameStyleColors(fsFlat).UpperLeft, cl3DDkShadow);
  EXPECT_EQ(FrameStyleColors(fsGroove).LowerRight, clBtnHighlight);
  EXPECT_EQ(FrameStyleColors(fsPopup).UpperLeft, clBtnHighlight);
  EXPECT_EQ(FrameStyleColors(fsFlatBold).LowerRight, clBtnShadow);
  EXPECT_THROW(FrameStyleColors(fsFlatRounded), ERangeError);
  TRzEdgeColors outer, inner;
  DoubleBevelColors(fsButtonDown, outer, inner);
  EXPECT_EQ(outer.UpperLeft, clBtnText);
  EXPECT_EQ(inner.LowerRight, clBtnShadow);
  DoubleBevelColors(fsLowered, outer, inner);
  EXPECT_EQ(inner.UpperLeft, cl3DDkShadow);
  const int panel[] = {0, 1, 2, 2, 2, 2, 2, 2, 5, 5, 2, 2};
  const int pane[] = {0, 1, 2, 2, 2, 2, 2, 2, 1, 1, 2};
  for (int s = fsNone; s <= fsFlatRounded; ++s) {
    EXPECT_EQ(PanelFrameWidth(TFrameStyleEx(s), 5), panel[s]) << s;
    if (s <= fsFlatBold) {
      EXPECT_EQ(PaneFrameWidth(TFrameStyleEx(s)), pane[s]) << s;
    }
  }
  EXPECT_EQ(FrameStyleNames().Count, 11);
  EXPECT_EQ(FrameStyleNames().IndexOf(L"fsFlatRounded"), -1);
  EXPECT_EQ(FrameStyleNames().IndexOf(L"fsflatbold"), int(fsFlatBold));
}

TEST(FrameTablesTest, ControllerPropertiesNameTheirPublishedProperties) {
  EXPECT_STREQ(FrameControllerPropertyName(fcpColor), L"Color");
  EXPECT_STREQ(FrameControllerPropertyName(fcpFrameSides), L"FrameSides");
  EXPECT_STREQ(FrameControllerPropertyName(fcpFramingPreference), L"FramingPreference");
  EXPECT_STREQ(FrameControllerPropertyName(fcpAll), L"");
  EXPECT_EQ(TPublishedEntry::SetToBits(AllFrameControllerNotifications()), 65535);
}

TEST(OldPropReaderTest, SkipsABooleanAnIdentifierAndASetLeavingTheNextValue) {
  TMemoryStream stream;
  {
    TWriter writer(&stream);
    writer.WriteBoolean(true);
    writer.WriteIdent(L"fsFlat");
    writer.WriteValue(vaSet);
    writer.WriteStr(L"sdLeft");
    writer.WriteStr(L"sdTop");
    writer.WriteStr(L"");
    writer.WriteInteger(42);
  }
  stream.SetPosition(0);
  TReader reader(&stream);
  OldPropReader().BooleanReader()(&reader);
  OldPropReader().IdentReader()(&reader);
  OldPropReader().SetReader()(&reader);
  EXPECT_EQ(reader.ReadInteger(), 42);
  stream.SetPosition(0);
  EXPECT_THROW(OldPropReader().SetReader()(&reader), EReadError) << "a boolean is no set";
}

}  // namespace
