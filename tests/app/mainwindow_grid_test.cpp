// The main window's wall grid, roles, language toggle and debug gesture,
// with the real keys where the behaviour is about them.
#include <gtest/gtest.h>

#include "MainWindowFixture.h"
#include "Unit2.h"
#include "cxButtons_win.h"
#include "cxCheckBox_win.h"
#include "cxDropDownEdit_combo_win.h"
#include "cxGroupBox_win.h"
#include "cxPC_win.h"
#include "cxRadioGroup_win.h"
#include "support/WindowCapture.h"

namespace {

using app_test::TMainWindowFixture;

uint32_t Rgb(TColor c) { return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF); }

// The wall's shape from "cfg.ini": header texts, cell sizes from the group
// box, and a count outside 1..15 read as 3 (D-23).
TEST(MainWindowGridTest, TheWallTakesItsShapeFromTheSettings) {
  struct {
    const wchar_t* Rows;
    const wchar_t* Columns;
    int ExpectedRows, ExpectedColumns;
  } cases[] = {{L"1", L"1", 1, 1}, {L"15", L"15", 15, 15}, {L"0", L"16", 3, 3}, {L"abc", L"4", 3, 4}};
  for (const auto& c : cases) {
    SCOPED_TRACE(link_test::Utf8(String(c.Rows) + L" x " + c.Columns));
    TMainWindowFixture f({{{L"config", L"row"}, c.Rows}, {{L"config", L"col"}, c.Columns}});
    f.Show();
    TStringGrid* grid = f.Form->stringgrid1;
    ASSERT_EQ(grid->RowCount(), c.ExpectedRows + 1);
    ASSERT_EQ(grid->ColCount(), c.ExpectedColumns + 1);
    EXPECT_EQ(grid->Cells(c.ExpectedColumns, 0), IntToStr(c.ExpectedColumns));
    EXPECT_EQ(grid->Cells(0, c.ExpectedRows), IntToStr(c.ExpectedRows));
    EXPECT_EQ(grid->ColWidths(0), 16);
    EXPECT_EQ(grid->RowHeights(0), 14);
    // Every panel in view: the grid shows all its cells without scrolling.
    const TRect last = grid->CellRect(c.ExpectedColumns, c.ExpectedRows);
    EXPECT_LE(last.Right, grid->ClientWidth());
    EXPECT_LE(last.Bottom, grid->ClientHeight());
    EXPECT_GT(last.Right - last.Left, 0);
    if (c.ExpectedColumns == 1)
      EXPECT_EQ(grid->ColWidths(1), f.Form->Panel1->Width() - 32) << "the whole width less 32";
    EXPECT_EQ(f.Form->Label3->Caption(), L"LCD WALL");
  }
}

// A panel cell paints its stored colour, the focused one too; a cell only
// selected keeps the highlight; a colour that cannot be read paints as a
// cell without one, in the grid's default colour.
TEST(MainWindowGridTest, CellsPaintTheirStoredColours) {
  TMainWindowFixture f({{{L"stringgrid", L"1,1"}, L"clRed"},
                        {{L"stringgrid", L"2,2"}, L"clLime"},
                        {{L"stringgrid", L"3,3"}, L"$00FF0000"},
                        {{L"stringgrid", L"1,3"}, L"notacolour"}});
  f.Show();
  TStringGrid* grid = f.Form->stringgrid1;
  grid->SetSelection(TGridRect{1, 1, 2, 2});  // current cell 1,1; 2,2 selected
  RedrawWindow(grid->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  test_support::PumpFor(100);
  const vamire_test::Capture cap = vamire_test::CaptureClient(grid->Handle());
  auto at = [&](int column, int row) {
    const TRect r = grid->CellRect(column, row);
    return cap.At((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2 + 4);
  };
  EXPECT_EQ(at(1, 1), Rgb(clRed)) << "focused: its stored colour";
  EXPECT_EQ(at(2, 2), Rgb(TColor(GetSysColor(COLOR_HIGHLIGHT)))) << "selected: the highlight";
  EXPECT_EQ(at(3, 3), 0x0000FFu) << "stored as $00BBGGRR";
  EXPECT_EQ(at(3, 1), Rgb(f.Form->GridView()->DefaultCellColour())) << "unreadable";
  EXPECT_EQ(at(2, 3), Rgb(f.Form->GridView()->DefaultCellColour())) << "none stored";
  EXPECT_EQ(f.Form->GridView()->DefaultCellColour(), clWhite);
}

// What each role, link and debug state enables or shows.
TEST(MainWindowRolesTest, UpdateControlStatesFollowsRoleLinkAndDebug) {
  TMainWindowFixture f;
  f.Show();
  auto enabled = [&](const wchar_t* name) {
    TComponent* c = f.Form->FindComponent(name);
    if (auto* item = dynamic_cast<TMenuItem*>(c)) return item->Enabled();
    return static_cast<TControl*>(c)->Enabled();
  };
  auto tab = [&](const wchar_t* name) { return static_cast<TcxTabSheet*>(f.Form->FindComponent(name))->TabVisible(); };
  for (int admin = 0; admin < 2; ++admin)
    for (int link = 0; link < 2; ++link)
      for (int debug = 0; debug < 2; ++debug) {
        SCOPED_TRACE(std::to_string(admin) + std::to_string(link) + std::to_string(debug));
        f.Form->AdminRole().AdminLoggedIn = admin;
        f.Form->SetLinkOpen(link);
        f.Form->SetDebugMode(debug);
        f.Form->UpdateControlStates();
        for (const wchar_t* name : {L"N7", L"N17", L"mnuVideoAdjust", L"BitBtn18"})
          EXPECT_EQ(enabled(name), bool(admin)) << link_test::Utf8(name);
        for (const wchar_t* name : {L"BitBtn5", L"BitBtn6", L"BitBtn9", L"BitBtn15", L"BitBtn2"})
          EXPECT_EQ(enabled(name), bool(link)) << link_test::Utf8(name);
        EXPECT_EQ(enabled(L"BitBtn1"), !link);
        EXPECT_EQ(tab(L"tsFan"), bool(debug));
        EXPECT_EQ(tab(L"tsTest"), bool(debug));
        EXPECT_EQ(f.Form->PageControl1()->Visible(), bool(debug));
        EXPECT_EQ(f.Form->mnuDebug->Visible(), bool(debug));
      }
}

// Ctrl+D typed in the grid with the grid's selection at 1,1 turns debug mode
// on (D-90); any other key turns it off again.
TEST(MainWindowRolesTest, TheGestureTurnsDebugModeOnAndAnyOtherKeyOff) {
  TMainWindowFixture f;
  f.Show();
  f.Form->stringgrid1->SetFocus();
  f.Form->stringgrid1->SetSelection(TGridRect{1, 1, 1, 1});
  test_support::PumpFor(50);
  test_support::Type({VK_CONTROL, 'D'});
  EXPECT_TRUE(f.Form->DebugMode());
  EXPECT_TRUE(f.Form->Memo1()->Visible());
  EXPECT_TRUE(f.Form->mnuDebug->Visible());
  EXPECT_TRUE(f.Form->PageControl1()->Visible());
  test_support::Type({'A'});
  EXPECT_FALSE(f.Form->DebugMode());
  EXPECT_FALSE(f.Form->Memo1()->Visible());
  EXPECT_FALSE(f.Form->PageControl1()->Visible());
  f.Form->stringgrid1->SetSelection(TGridRect{1, 1, 2, 1});
  test_support::Type({VK_CONTROL, 'D'});
  EXPECT_FALSE(f.Form->DebugMode()) << "not at 1,1 alone";
}

// The toggle stores the other language and says so in it; the texts shown
// stay until the restart.
TEST(MainWindowLanguageTest, TheToggleStoresTheOtherLanguageAndTellsInIt) {
  for (int language = 0; language < 2; ++language) {
    TMainWindowFixture f(app_test::TIniRows{{{L"config", L"language"}, IntToStr(language)}});
    f.Show();
    const String caption = f.Form->BitbtnENCH->Caption();
    EXPECT_EQ(caption, language ? L"中文" : L"English");
    f.Form->BitbtnENCH->Click();
    EXPECT_EQ(f.Ini(L"config", L"language"), IntToStr(1 - language));
    ASSERT_EQ(TMainWindowFixture::Messages().size(), 1u);
    EXPECT_EQ(TMainWindowFixture::Messages()[0], language ? L"请重新启动!" : L"please restart this program !");
    EXPECT_EQ(f.Form->BitbtnENCH->Caption(), caption) << "until the restart";
    EXPECT_EQ(f.Form->Language(), 1 - language) << "the next message is in the new language";
  }
}

}  // namespace

namespace {

// The first show fills the window and the communication window from the
// settings; a show after the mini panel loads nothing again but handles the
// links once more.
TEST(MainWindowLoadingTest, TheFirstShowLoadsTheWindowsAndALaterOneOnlyTheLinks) {
  app_test::StartUnitsOnce();
  TForm2* comm = TCustomForm::Create<TForm2>(nullptr);
  {
    TMainWindowFixture f({{{L"setting", L"com port"}, L"12"},
                          {{L"setting", L"com port A"}, L"20"},
                          {{L"setting", L"serialCtrl"}, L"0"},
                          {{L"setting", L"IPAddress"}, L"127.0.0.1"},
                          {{L"setting", L"Port"}, L"1"},
                          {{L"config", L"password"}, L"4321"},
                          {{L"config", L"name"}, L"东厅"},
                          {{L"scene", L"scene2"}, L"开幕"},
                          {{L"scene", L"scene5"}, L""},
                          {{L"scene", L"Matrix 4"}, L"7"},
                          {{L"scene", L"Time C"}, L"30"},
                          {{L"SceneSwitch", L"v3"}, L"4"},
                          {{L"setting", L"KJ"}, L"1"}});
    f.Show();
    EXPECT_EQ(comm->ComboBox1->Text(), L"COM12");
    EXPECT_EQ(comm->ComboBox2->Text(), L"COM20") << "a port beyond the list (D-93)";
    EXPECT_TRUE(comm->rbRemote->Checked());
    EXPECT_EQ(comm->EditIP->Text(), L"127.0.0.1");
    // The link routines read the communication window's controls.
    EXPECT_FALSE(f.Form->SerialChosen());
    comm->ComboBox1->SetText(L"COM7");
    EXPECT_EQ(f.Form->WallPortName(), L"COM7");
    EXPECT_EQ(f.Form->AdminRole().AdminPassword, L"4321");
    EXPECT_EQ(f.Form->Label3->Caption(), L"东厅");
    TStrings* presets = f.Form->ComboBox3->Properties()->Items();
    ASSERT_EQ(presets->Count(), 16);
    EXPECT_EQ(presets->Strings(1), L"开幕");
    EXPECT_EQ(presets->Strings(4), L"场景5") << "an empty name takes the default";
    EXPECT_EQ(presets->Strings(15), L"场景16");
    EXPECT_EQ(f.Form->ComboBox3->ItemIndex(), 0);
    EXPECT_EQ(static_cast<TLabeledEdit*>(f.Form->FindComponent(L"LabeledEdit6"))->Text(), L"7");
    EXPECT_EQ(static_cast<TLabeledEdit*>(f.Form->FindComponent(L"LabeledEdit7"))->Text(), L"30");
    EXPECT_EQ(static_cast<TLabeledEdit*>(f.Form->FindComponent(L"lbledtS3"))->Text(), L"4");
    EXPECT_TRUE(f.Form->CheckBox1->Checked());

    // Back from the mini panel: nothing reloaded, the links handled again.
    f.Form->Hide();
    f.Form->ComboBox3->SetItemIndex(3);
    f.Form->stringgrid1->SetCells(1, 1, L"VGA");
    TCfgIni(f.Folder + L"cfg.ini").WriteString(L"scene", L"scene2", L"闭幕");
    comm->CheckBox1->SetChecked(true);
    f.Form->BackFromMiniPanel = true;
    f.Form->Show();
    test_support::PumpFor(100);
    EXPECT_EQ(presets->Strings(1), L"开幕");
    EXPECT_EQ(f.Form->ComboBox3->ItemIndex(), 3);
    EXPECT_EQ(f.Form->stringgrid1->Cells(1, 1), L"VGA");
    // The bridge at port 1 refuses: the automatic opening was tried and failed.
    EXPECT_FALSE(f.Form->LinkOpen());
    EXPECT_FALSE(TMainWindowFixture::Messages().empty()) << "the link's failure was reported";
  }
  comm->Free();
}

// Each signal type: the preset it selects, the input list shown, and with
// linkage the number of inputs offered.
TEST(MainWindowLoadingTest, TheSignalTypeChoosesPresetInputListAndInputs) {
  TMainWindowFixture f({{{L"setting", L"linkage"}, L"1"}, {{L"setting", L"vga_inport"}, L"16"}});
  f.Show();
  struct {
    int Type;
    int Preset;
    bool SecondList;
    int Inputs;
  } cases[] = {{0, 0, false, 255}, {1, 1, false, 16}, {2, 2, false, 255}, {4, 2, false, 255}, {6, 2, true, 255}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Type);
    f.Form->ComboBox4->SetItemIndex(c.Type);
    EXPECT_EQ(f.Form->ComboBox1->ItemIndex(), c.Type);
    EXPECT_EQ(f.Form->ComboBox3->ItemIndex(), c.Preset);
    EXPECT_EQ(f.Form->ComboBox2->Visible(), c.SecondList);
    EXPECT_EQ(f.Form->ComboBox8->Visible(), !c.SecondList);
    f.Form->CheckBox3->SetChecked(false);
    EXPECT_FALSE(f.Form->ComboBox8->Enabled());
    EXPECT_EQ(f.Ini(L"setting", L"linkage"), L"0");
    f.Form->CheckBox3->SetChecked(true);
    EXPECT_TRUE(f.Form->ComboBox8->Enabled());
    EXPECT_TRUE(f.Form->GroupBox5->Visible());
    EXPECT_EQ(f.Form->ComboBox8->Properties()->Items()->Count(), c.Inputs);
    EXPECT_EQ(f.Form->ComboBox2->Properties()->Items()->Count(), c.Inputs);
  }
}

}  // namespace
