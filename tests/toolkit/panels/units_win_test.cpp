// The panel library's units started and ended from the program's list: the
// classes a form file may hold, the system's colour reader, the blink clock.
#include <gtest/gtest.h>

#include "Forms.h"
#include "ImgList.h"
#include "Menus.h"
#include "RzPanel.h"
#include "RzStatus.h"
#include "StdCtrls.h"
#include "Threads.h"
#include "Units.h"
#include "dxThemeManager.h"
#include "dxUxTheme.h"

namespace {

TEST(PanelUnitsTest, StartRegistersTheClassesAndReadersAndEndTakesThemBack) {
  InitializeUnits({ThreadsUnit, ImgListUnit, MenusUnit, FormsUnit, StdCtrlsUnit, ExtCtrlsUnit, dxUxThemeUnit,
                   dxThemeManagerUnit, RzCommonUnit, RzPanelUnit, RzStatusUnit});
  ActivateClassGroup(TControl::StaticClass());
  for (const wchar_t* name : {L"TRzPanel", L"TRzStatusPane", L"TRzMarqueeStatus", L"TRzFrameController", L"TRzRegIniFile"})
    EXPECT_NE(GetClass(name), nullptr) << UTF8Encode(name);
  EXPECT_EQ(RzColorToRGB(clBtnFace), TColor(GetSysColor(COLOR_BTNFACE))) << "the system's colours once started";
  EXPECT_TRUE(ScreenHasFullColor()) << "a 24-bit screen has no palette";
  EXPECT_EQ(XpColorScheme(), 0) << "the prefix has no desktop colour scheme";
  auto* pane = new TRzStatusPane(nullptr);  // left behind: the clock goes with the unit
  EXPECT_NE(BlinkingControlsList(), nullptr);
  FinalizeUnits();
  EXPECT_EQ(BlinkingControlsList(), nullptr);
  EXPECT_EQ(GetClass(L"TRzPanel"), nullptr);
  EXPECT_EQ(GetClass(L"TRzMarqueeStatus"), nullptr);
  EXPECT_EQ(GetClass(L"TRzFrameController"), nullptr);
  delete pane;  // finds no clock to leave
}

}  // namespace
