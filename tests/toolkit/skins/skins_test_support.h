// What the skin tests share: streams written byte by byte (for versions and
// damage the writer never makes), a sample skin holding every kind of object,
// and skins to and from bytes. No Win32.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "Streams.h"
#include "SysUtils.h"
#include "dxSkinsCore.h"
#include "png_test_support.h"

namespace skins_test {

// Starts the skin data (property classes known by name) for the whole program.
class TSkinDataUnits : public testing::Environment {
 public:
  void SetUp() override { InitializeUnits({dxSkinsDataUnit}); }
  void TearDown() override { FinalizeUnits(); }
};

// Little-endian fields appended to a byte string.
class TBytes {
 public:
  TBytes& Int(std::int32_t v) {
    for (int i = 0; i < 4; ++i) FData.push_back(char(std::uint32_t(v) >> (8 * i)));
    return *this;
  }
  TBytes& Byte(std::uint8_t v) {
    FData.push_back(char(v));
    return *this;
  }
  TBytes& Word(std::uint16_t v) { return Byte(std::uint8_t(v)).Byte(std::uint8_t(v >> 8)); }
  TBytes& Double(double v) {
    char b[8];
    std::memcpy(b, &v, 8);
    FData.append(b, 8);
    return *this;
  }
  TBytes& Str(const std::string& s) {
    Int(std::int32_t(s.size()));
    FData += s;
    return *this;
  }
  TBytes& Rect(int l, int t, int r, int b) { return Int(l).Int(t).Int(r).Int(b); }
  TBytes& Raw(const std::string& s) {
    FData += s;
    return *this;
  }
  TBytes& Header(double version, std::int32_t first = 6) { return Int(first).Raw("dxSkin").Double(version); }
  // An image record without picture; the gradient fields from 1.02.
  TBytes& EmptyImage(double version) {
    Rect(1, 2, 3, 4).Byte(1).Word(0x0003).Byte(1);
    if (version >= 1.02) Int(0x0000FF).Int(0xFF0000).Byte(1);
    return Int(0);
  }
  // An element record with empty images and grey borders.
  TBytes& Element(const std::string& name, double version) {
    Str(name).Int(0x123456).Byte(200).Int(3).Rect(1, 1, 1, 1);
    EmptyImage(version).EmptyImage(version);
    for (const char* side : {"Left", "Top", "Right", "Bottom"}) {
      if (version >= 0.92) Str("TdxSkinBorder");
      Str(side).Int(0x808080).Int(2);
    }
    if (version >= 0.93) Int(0x00FF00);
    if (version >= 0.94) Int(5).Int(6);
    if (version >= 0.95) Int(0);
    return *this;
  }
  const std::string& Data() const { return FData; }

 private:
  std::string FData;
};

inline std::string SkinBytes(TdxSkin* ASkin) {
  TStringStream stream;
  ASkin->SaveToStream(&stream);
  return stream.DataString();
}

inline void LoadSkinBytes(TdxSkin* ASkin, const std::string& AData) {
  TStringStream stream(AData);
  ASkin->LoadFromStream(&stream);
}

inline std::vector<std::uint8_t> SamplePng(int width = 6, int height = 4) {
  png_test::TPixels pixels(std::size_t(width) * std::size_t(height));
  for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = 0x10203000u + std::uint32_t(i * 7 % 256);
  return png_test::EncodePng(width, height, pixels);
}

// A skin with a colour, one property of every class at skin, group and
// element level, and an element with picture, glyph, borders and sizes.
inline std::unique_ptr<TdxSkin> SampleSkin() {
  auto skin = std::make_unique<TdxSkin>(L"Sample");
  skin->Colors()->AddColor(L"ContentColor", 0x00FFEEDD);
  auto addAll = [](TdxSkinPersistent* owner) {
    static_cast<TdxSkinIntegerProperty*>(owner->AddProperty(L"Int", TdxSkinIntegerProperty::StaticClass()))
        ->SetValue(-7);
    static_cast<TdxSkinBooleanProperty*>(owner->AddProperty(L"Bool", TdxSkinBooleanProperty::StaticClass()))
        ->SetValue(true);
    static_cast<TdxSkinColor*>(owner->AddProperty(L"Color", TdxSkinColor::StaticClass()))->SetValue(clNone);
    static_cast<TdxSkinRectProperty*>(owner->AddProperty(L"Rect", TdxSkinRectProperty::StaticClass()))
        ->SetValue(TRect{1, -2, 3, 4});
    static_cast<TdxSkinSizeProperty*>(owner->AddProperty(L"Size", TdxSkinSizeProperty::StaticClass()))
        ->SetValue(TSize{9, 8});
    static_cast<TdxSkinStringProperty*>(owner->AddProperty(L"DisplayName", TdxSkinStringProperty::StaticClass()))
        ->SetValue(L"Sample skin");
    static_cast<TdxSkinWideStringProperty*>(
        owner->AddProperty(L"Wide", TdxSkinWideStringProperty::StaticClass()))
        ->SetValue(L"\u76AE\u80A4 \U0001F600");
  };
  addAll(skin.get());
  TdxSkinControlGroup* group = skin->AddGroup(L"Common");
  addAll(group);
  TdxSkinElement* button = group->AddElement(L"Button");
  addAll(button);
  button->SetColor(0x00C0C0C0);
  button->SetAlpha(128);
  button->SetImageCount(2);
  button->SetTextColor(clRed);
  button->ContentOffset()->SetRect(TRect{2, 3, 4, 5});
  button->MinSize()->SetSize(TSize{11, 12});
  button->Borders()->Left()->SetColor(0x0000FF00);
  button->Borders()->Bottom()->SetThin(3);
  const std::vector<std::uint8_t> png = SamplePng();
  button->Image()->LoadFromPngData(png.data(), png.size());
  button->Image()->SetStates({esNormal, esHot, esPressed});
  button->Image()->Margins()->SetRect(TRect{1, 1, 2, 2});
  button->Image()->SetStretch(smTile);
  button->Image()->SetImageLayout(ilVertical);
  button->Glyph()->SetGradientBeginColor(0x00112233);
  button->Glyph()->SetGradientEndColor(0x00445566);
  button->Glyph()->SetGradient(gmBackwardDiagonal);
  skin->AddGroup(L"Editors")->AddElement(L"Checkbox");
  return skin;
}

}  // namespace skins_test
