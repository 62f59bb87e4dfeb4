// Styles: what the item styles data reports for each kind of change, locking,
// listeners shared by two slots, freeing a style in use, sheet cycles, the
// removal loop with a listener that stays, and font scaling.
#include <vector>

#include "bars_test_support.h"

namespace {

using namespace bars_test;
using enum TcxStyleValue;
const auto* const kUnits = testing::AddGlobalTestEnvironment(new TBarUnits);

struct TKinds {
  std::vector<int> Reported;
  void Changed(int AKind) { Reported.push_back(AKind); }
};

TEST(StylesTest, WhatTheItemIsTold) {
  struct {
    const char* What;
    std::function<void(TcxStyle*)> Before, Change;
    std::vector<int> Reported;
  } cases[] = {
      {"font colour only", [](TcxStyle* s) { s->Font()->SetHeight(-12); },
       [](TcxStyle* s) { s->Font()->SetColor(clRed); }, {}},
      {"font added", [](TcxStyle*) {}, [](TcxStyle* s) { s->Font()->SetHeight(-20); }, {1}},
      {"font name", [](TcxStyle* s) { s->Font()->SetHeight(-12); },
       [](TcxStyle* s) { s->Font()->SetName(L"Courier New"); }, {1}},
      {"bitmap only", [](TcxStyle*) {},
       [](TcxStyle* s) {
         s->Bitmap()->SetWidth(4);
         s->Bitmap()->SetHeight(4);
       },
       {}},
      {"colour", [](TcxStyle*) {}, [](TcxStyle* s) { s->SetColor(clRed); }, {0}},
      {"same colour by value", [](TcxStyle* s) { s->SetColor(clBtnFace); },
       [](TcxStyle* s) { s->SetColor(ColorToRGB(clBtnFace)); }, {}},
      {"text colour back to default", [](TcxStyle* s) { s->SetTextColor(clBlue); },
       [](TcxStyle* s) { s->SetTextColor(clDefault); }, {0}},
  };
  for (const auto& c : cases) {
    TcxStyle style(nullptr);
    c.Before(&style);
    TKinds kinds;
    TdxBarItemStylesData data(nullptr, 1, TdxBarItemStyleChangeEvent(&kinds, &TKinds::Changed));
    data.SetStyle(0, &style);
    kinds.Reported.clear();
    c.Change(&style);
    EXPECT_EQ(kinds.Reported, c.Reported) << c.What;
  }
}

TEST(StylesTest, ALockReportsOnceWithTheStrongestKind) {
  TcxStyle style(nullptr);
  TKinds kinds;
  TdxBarItemStylesData data(nullptr, 1, TdxBarItemStyleChangeEvent(&kinds, &TKinds::Changed));
  data.SetStyle(0, &style);
  data.LockChanges();
  style.SetColor(clRed);          // 0
  style.Font()->SetHeight(-30);   // 1
  style.SetColor(clBlue);         // 0
  EXPECT_TRUE(kinds.Reported.empty());
  data.UnlockChanges();
  EXPECT_EQ(kinds.Reported, std::vector<int>{1});
  data.LockChanges();
  data.UnlockChanges();
  EXPECT_EQ(kinds.Reported, std::vector<int>{1}) << "nothing pending, nothing told";
}

TEST(StylesTest, TwoSlotsShareOneListenerAndAFreedStyleLeavesThem) {
  auto* style = new TcxStyle(nullptr);
  TdxBarItemStylesData data(nullptr, 2, nullptr);
  data.SetStyle(0, style);
  data.SetStyle(1, style);
  EXPECT_EQ(style->ListenerCount(), 1);
  data.SetStyle(0, nullptr);
  EXPECT_EQ(style->ListenerCount(), 1) << "slot 1 still uses it";
  data.SetStyle(1, nullptr);
  EXPECT_EQ(style->ListenerCount(), 0);

  THostForm* form = MakeForm();
  auto* manager = new TdxBarManager(form);
  auto* first = new TdxBarItem(form);
  auto* second = new TdxBarItem(form);
  EXPECT_EQ(first->BarManager(), manager);
  first->SetStyle(style);
  second->SetStyle(style);
  EXPECT_EQ(style->ListenerCount(), 2);
  style->Free();
  EXPECT_EQ(first->Style(), nullptr);
  EXPECT_EQ(second->Style(), nullptr);
  form->Free();
}

// A listener that ignores the removal it is told of.
struct TStubbornListener : IcxStyleChangeListener {
  int Removed = 0;
  void StyleChanged(TcxCustomStyle*) override {}
  void StyleRemoved(TcxCustomStyle*) override { ++Removed; }
};

TEST(StylesTest, RemovalEndsEvenWhenAListenerStays) {
  TStubbornListener a, b;
  auto* style = new TcxStyle(nullptr);
  style->AttachListener(&a);
  style->AttachListener(&b);
  style->AttachListener(&a);
  EXPECT_EQ(style->ListenerCount(), 2);
  style->Free();
  EXPECT_EQ(a.Removed, 1);
  EXPECT_EQ(b.Removed, 1);
}

TEST(StylesTest, StyleValuesAndSheets) {
  TcxStyleRepository repository(nullptr);
  auto* style = static_cast<TcxStyle*>(repository.NewStyle(TcxStyle::StaticClass()));
  EXPECT_EQ(style->StyleRepository(), &repository);
  style->SetColor(clRed);
  EXPECT_TRUE(style->IsColorStored());
  style->SetColor(clDefault);
  EXPECT_FALSE(style->AssignedValues().Contains(svColor)) << "clDefault is not stored";
  TcxStyle copy(nullptr);
  style->SetTextColor(clGreen);
  copy.Assign(style);
  EXPECT_EQ(copy.AssignedValues(), TcxStyleValues{svTextColor});
  copy.ResetValues();
  EXPECT_TRUE(copy.AssignedValues().Empty());
  EXPECT_EQ(copy.TextColor(), clDefault);

  auto* a = repository.NewStyleSheet(TcxCustomStyleSheet::StaticClass());
  auto* b = repository.NewStyleSheet(TcxCustomStyleSheet::StaticClass());
  auto* c = repository.NewStyleSheet(TcxCustomStyleSheet::StaticClass());
  a->Styles()->SetValues(3, style);
  a->Styles()->AttachStyleSheet(b);
  b->Styles()->AttachStyleSheet(c);
  c->Styles()->AttachStyleSheet(a);
  EXPECT_EQ(c->Styles()->StyleSheet(), nullptr) << "a chain back to its own sheet is refused";
  a->Styles()->AttachStyleSheet(a);
  EXPECT_EQ(a->Styles()->StyleSheet(), b);
  TcxCustomStyles user(nullptr);
  user.AttachStyleSheet(a);
  EXPECT_EQ(user.ChangedIndexes, std::vector<int>{3}) << "the indexes of the new sheet's styles";
  EXPECT_EQ(user.Values(3), style);
  style->SetColor(clBlue);
  EXPECT_EQ(user.ChangedIndexes, (std::vector<int>{3, 3})) << "a style change reaches the sheet's users";
  a->SetName(L"Sheet");
  EXPECT_EQ(a->Caption(), L"Sheet");
  a->SetCaption(L"SHEET");
  EXPECT_FALSE(a->IsCaptionStored()) << "the name again, ignoring case";
  b->Free();
  EXPECT_EQ(a->Styles()->StyleSheet(), nullptr) << "a freed sheet leaves its users";
  EXPECT_EQ(repository.StyleSheetCount(), 2);
}

TEST(StylesTest, FontHeightsScaleByPixelsPerInch) {
  struct {
    int Height;
    bool Scalable;
    int Stored, Screen, Expected;
  } cases[] = {
      {-11, true, 96, 120, -14}, {-11, true, 120, 96, -9}, {-11, false, 96, 120, -11},
      {-11, true, 0, 120, -11},  {-11, true, 96, 96, -11},
  };
  for (const auto& c : cases)
    EXPECT_EQ(cxScaleStyleFontHeight(c.Height, c.Scalable, c.Stored, c.Screen), c.Expected)
        << c.Height << " " << c.Stored << " to " << c.Screen;
}

}  // namespace
