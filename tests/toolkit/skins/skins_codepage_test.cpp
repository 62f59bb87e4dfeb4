// Skin names and 8-bit string properties cross the stream in the system code
// page (as files written by the original program hold them), wide strings as
// UTF-16; run once with the Chinese code page 936 and once with 1252.
#include <gtest/gtest.h>

#include "skins_test_support.h"

using namespace skins_test;

namespace {

const auto* const kUnits = testing::AddGlobalTestEnvironment(new TSkinDataUnits);

TEST(SkinCodePageTest, NamesAndStringsUseTheSystemCodePage) {
  const unsigned codePage = DefaultSystemCodePage();
  ASSERT_TRUE(codePage == 936 || codePage == 1252) << codePage;
  const String name = codePage == 936 ? String(L"\u84DD\u8272\u76AE\u80A4") : String(L"Caf\u00E9 \u00C5rhus");
  TdxSkin skin(name);
  static_cast<TdxSkinStringProperty*>(skin.AddProperty(L"DisplayName", TdxSkinStringProperty::StaticClass()))
      ->SetValue(name + L"!");
  static_cast<TdxSkinWideStringProperty*>(skin.AddProperty(L"Wide", TdxSkinWideStringProperty::StaticClass()))
      ->SetValue(L"\u84DD Caf\u00E9");
  const std::string bytes = SkinBytes(&skin);
  // The name as the code page's bytes, right after the header.
  const AnsiString ansi = StringToAnsi(name);
  EXPECT_EQ(bytes.substr(22, ansi.size()), ansi);
  EXPECT_EQ(ansi.size(), codePage == 936 ? 8u : 10u);

  TdxSkin read(L"");
  LoadSkinBytes(&read, bytes);
  EXPECT_EQ(read.Name(), name);
  EXPECT_EQ(read.DisplayName(), name + L"!");
  EXPECT_EQ(static_cast<TdxSkinStringProperty*>(read.FindProperty(L"Wide"))->Value(), L"\u84DD Caf\u00E9");
  TStringStream listed(bytes);
  TdxSkinBinaryReader reader(&listed);
  ASSERT_EQ(reader.Count(), 1);
  EXPECT_EQ(reader.Names(0), name);
}

}  // namespace
