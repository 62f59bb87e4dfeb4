// Cursors: the registry of ids, their names for form files, and the cursor a
// window shows over a windowless child.
#include <gtest/gtest.h>

#include "controls_test_support.h"

using namespace controls_test;

namespace {

TEST(ControlCursorTest, BuiltInIdsHaveSystemCursorsAndUnknownIdsFallBackToTheArrow) {
  const HCURSOR arrow = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
  struct TCase {
    TCursor Id;
    LPCWSTR System;
  } cases[] = {{crDefault, MAKEINTRESOURCEW(32512)}, {crArrow, MAKEINTRESOURCEW(32512)},
               {crIBeam, MAKEINTRESOURCEW(32513)},   {crHourGlass, MAKEINTRESOURCEW(32514)},
               {crHandPoint, MAKEINTRESOURCEW(32649)}, {crSizeWE, MAKEINTRESOURCEW(32644)},
               {crNo, MAKEINTRESOURCEW(32648)}};
  for (const auto& c : cases) EXPECT_EQ(GetCursorHandle(c.Id), LoadCursorW(nullptr, c.System)) << c.Id;
  EXPECT_EQ(GetCursorHandle(crNone), nullptr) << "crNone hides the mouse";
  EXPECT_EQ(GetCursorHandle(TCursor(1234)), arrow);
  EXPECT_EQ(GetCursorHandle(TCursor(-5)), arrow);
}

TEST(ControlCursorTest, CustomCursorsCanBeRegisteredReplacedAndForgotten) {
  const HCURSOR cross = LoadCursorW(nullptr, MAKEINTRESOURCEW(32515));
  SetCursorHandle(5, cross);
  EXPECT_EQ(GetCursorHandle(5), cross);
  SetCursorHandle(crArrow, cross);
  EXPECT_EQ(GetCursorHandle(crArrow), cross) << "a built-in id can be redirected";
  SetCursorHandle(crArrow, nullptr);
  EXPECT_EQ(GetCursorHandle(crArrow), LoadCursorW(nullptr, MAKEINTRESOURCEW(32512))) << "and comes back";
  SetCursorHandle(5, nullptr);
  EXPECT_EQ(GetCursorHandle(5), LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)));
  EXPECT_EQ(GetCursorHandle(crCross), cross) << "the shared system cursor was not destroyed";
}

TEST(ControlCursorTest, CursorNamesReadAndWriteBothWays) {
  struct TCase {
    const wchar_t* Text;
    TCursor Id;
    const wchar_t* Written;
  } cases[] = {{L"crHandPoint", crHandPoint, L"crHandPoint"}, {L"crhourglass", crHourGlass, L"crHourGlass"},
               {L"crSize", crSizeAll, L"crSizeAll"},         {L"17", 17, L"17"},
               {L"-2", crArrow, L"crArrow"},                 {L"crDefault", crDefault, L"crDefault"}};
  for (const auto& c : cases) {
    EXPECT_EQ(StringToCursor(c.Text), c.Id) << c.Text;
    EXPECT_EQ(CursorToString(c.Id), c.Written) << c.Text;
  }
  int value = 0;
  EXPECT_FALSE(IdentToCursor(L"crNothing", value));
  EXPECT_THROW(StringToCursor(L"crNothing"), EConvertError);
}

TEST(ControlCursorTest, TheWindowShowsTheCursorOfTheWindowlessChildUnderTheMouse) {
  THost host(nullptr);
  auto* shape = new TMyShape(&host);
  shape->SetBounds(0, 0, 320, 240);
  shape->SetParent(&host);
  shape->SetCursor(crHandPoint);
  host.Show();
  const TPoint inside = host.ClientToScreen(TPoint{20, 20});
  SetCursorPos(inside.X, inside.Y);
  SendMessageW(host.Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(host.Handle()), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(GetCursor(), GetCursorHandle(crHandPoint));
  SetScreenCursorOverride(crHourGlass);
  SendMessageW(host.Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(host.Handle()), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(GetCursor(), GetCursorHandle(crHourGlass)) << "the screen's cursor wins";
  SetScreenCursorOverride(crDefault);
}

}  // namespace
