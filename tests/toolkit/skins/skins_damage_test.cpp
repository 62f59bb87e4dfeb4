// Damaged skin data: every cut and random byte changes of a skin stream and of
// a multi-skin stream end in an error of the runtime or the skin engine, and
// lengths and counts larger than the data are refused before anything is
// allocated for them.
#include <gtest/gtest.h>

#include <random>

#include "skins_test_support.h"

using namespace skins_test;

namespace {

// Reading either succeeds or raises one of the program's exceptions; anything
// else (a crash, bad_alloc, another C++ exception) fails the test.
bool LoadsOrRaises(const std::string& data, String* message = nullptr) {
  TdxSkin skin(L"S");
  try {
    LoadSkinBytes(&skin, data);
    return true;
  } catch (const Exception& e) {
    if (message) *message = e.Message();
    return false;
  }
}

TEST(SkinDamageTest, EveryCutOfASkinStreamRaises) {
  const std::string bytes = SkinBytes(SampleSkin().get());
  for (std::size_t n = 0; n < bytes.size(); ++n) {
    String message;
    EXPECT_FALSE(LoadsOrRaises(bytes.substr(0, n), &message)) << "cut at " << n;
    EXPECT_FALSE(message.empty()) << "cut at " << n;
  }
  EXPECT_TRUE(LoadsOrRaises(bytes));
}

TEST(SkinDamageTest, ChangedBytesNeverCrash) {
  const std::string bytes = SkinBytes(SampleSkin().get());
  std::mt19937 random(20240522);
  int refused = 0;
  for (int round = 0; round < 3000; ++round) {
    std::string damaged = bytes;
    for (int flips = 1 + round % 4; flips > 0; --flips)
      damaged[random() % damaged.size()] ^= char(1 + random() % 255);
    if (!LoadsOrRaises(damaged)) ++refused;
    TStringStream listed(damaged);
    EXPECT_LE(TdxSkinBinaryReader(&listed).Count(), 1);
  }
  EXPECT_GT(refused, 0);
}

TEST(SkinDamageTest, LengthsAndCountsBeyondTheDataAreRefused) {
  const std::int32_t huge = 0x7FFFFFFF;
  TBytes name, colours, wide, picture;
  name.Header(1.03).Int(huge);
  colours.Header(1.03).Str("S").Int(huge).Str("TdxSkinColor");
  wide.Header(1.03).Str("S").Int(0).Int(1).Str("TdxSkinWideStringProperty").Str("W").Int(huge / 2 + 10);
  picture.Header(1.03).Str("S").Int(0).Int(0).Int(1).Str("G").Int(1).Str("E").Int(0).Byte(255).Int(1);
  picture.Rect(0, 0, 0, 0).Rect(0, 0, 0, 0).Byte(0).Word(1).Byte(0).Int(clNone).Int(clNone).Byte(0).Int(huge);
  for (const TBytes* b : {&name, &colours, &wide, &picture}) {
    String message;
    EXPECT_FALSE(LoadsOrRaises(b->Data(), &message));
    EXPECT_EQ(message, L"Stream read error");
  }
}

TEST(SkinDamageTest, EveryCutAndChangeOfAMultiSkinStreamListsSafely) {
  TStringStream multi;
  WriteMultiSkinStream(&multi, {SkinBytes(SampleSkin().get()), SkinBytes(SampleSkin().get())});
  const std::string bytes = multi.DataString();
  auto check = [](const std::string& data, const std::string& what) {
    TStringStream stream(data);
    TdxSkinBinaryReader reader(&stream);
    EXPECT_LE(reader.Count(), 2) << what;
    for (int i = 0; i < reader.Count(); ++i) {
      TStringStream skinStream(data);
      skinStream.SetPosition(reader.Positions(i));
      TdxSkin skin(L"S");
      try {
        skin.LoadFromStream(&skinStream);
      } catch (const Exception&) {
      }
    }
  };
  for (std::size_t n = 0; n < bytes.size(); n += 3) check(bytes.substr(0, n), "cut at " + std::to_string(n));
  std::mt19937 random(7);
  for (int round = 0; round < 1000; ++round) {
    std::string damaged = bytes;
    damaged[random() % damaged.size()] ^= char(1 + random() % 255);
    check(damaged, "round " + std::to_string(round));
  }
  TStringStream whole(bytes);
  EXPECT_EQ(TdxSkinBinaryReader(&whole).Count(), 2);
}

}  // namespace
