// Skinned forms under Wine, driven by messages: which windows get
// controllers, when a form is skinned, the client rectangle and hit tests
// of the skinned frame, the caption buttons' commands, a controller freed
// inside its own message, and the system menu where Wine has no template.
#include "skinforms_test_support.h"

using namespace skinforms_test;

namespace {

const auto* const kUnits = testing::AddGlobalTestEnvironment(new TSkinFormUnits);

class TDerivedButton : public TButton {
  VAMIRE_CLASS(TDerivedButton, TButton)
 public:
  using TButton::TButton;
};

TEST(SkinControllerTest, FormsButtonsAndPanelsGetControllersByExactClass) {
  TRecordingForm* form = MakeForm();
  auto* button = new TButton(form);
  button->SetParent(form);
  auto* panel = new TPanel(form);
  panel->SetParent(form);
  auto* derived = new TDerivedButton(form);
  derived->SetParent(form);
  auto* edit = new TEdit(form);
  edit->SetParent(form);
  for (TWinControl* c : std::initializer_list<TWinControl*>{button, panel, derived, edit}) c->HandleNeeded();
  Pump();
  const struct {
    const char* What;
    TWinControl* Control;
    TClass Expected;
  } cases[] = {{"form", form, TdxSkinFormController::StaticClass()},
               {"button", button, TdxSkinButtonController::StaticClass()},
               {"panel", panel, TdxSkinPanelController::StaticClass()},
               {"a descendant of TButton keeps its system look", derived, nullptr},
               {"an edit", edit, nullptr}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.What);
    TdxSkinWinController* controller = dxSkinWinControllerOf(c.Control->Handle());
    if (!c.Expected) {
      EXPECT_EQ(controller, nullptr);
      continue;
    }
    ASSERT_NE(controller, nullptr);
    EXPECT_EQ(controller->ClassType(), c.Expected);
    EXPECT_FALSE(controller->IsSkinned()) << "no skin controller yet";
  }
  const int before = dxSkinWinControllerCount();
  // A window that was recreated keeps its controller.
  TdxSkinWinController* panelController = dxSkinWinControllerOf(panel->Handle());
  panel->RecreateWnd();
  panel->HandleNeeded();
  Pump();
  EXPECT_EQ(dxSkinWinControllerOf(panel->Handle()), panelController);
  delete form;
  Pump();
  EXPECT_EQ(dxSkinWinControllerCount(), before - 3);
}

TEST(SkinControllerTest, SkinnedOnlyWithSkinsOnNativeStyleOffAndASkinPainter) {
  TRecordingForm* form = MakeForm();
  auto* button = new TButton(form);
  button->SetParent(form);
  button->HandleNeeded();
  Pump();
  const TRect systemClient = ClientInWindow(form->Handle());
  {
    TSkinScope skin(L"Probe");
    TdxSkinController* controller = skin.Controller();
    EXPECT_TRUE(IsSkinnedWindow(form->Handle()));
    EXPECT_TRUE(IsSkinnedWindow(button->Handle())) << "a button follows its form";
    EXPECT_TRUE(FormController(form)->IsHooked());
    String name;
    EXPECT_TRUE(GetControlSkinName(form, name));
    EXPECT_EQ(name, L"Probe");

    const struct {
      const char* What;
      bool UseSkins, NativeStyle;
      const wchar_t* SkinName;
      bool Skinned;
    } cases[] = {{"skins off", false, false, L"Probe", false},
                 {"native style", true, true, L"Probe", false},
                 {"no such skin", true, false, L"Nothing", false},
                 {"a painter that is no skin's", true, false, L"", false},
                 {"names ignore case", true, false, L"pROBE", true},
                 {"a built-in skin", true, false, L"Blue", true}};
    for (const auto& c : cases) {
      SCOPED_TRACE(c.What);
      controller->SetUseSkins(c.UseSkins);
      controller->SetNativeStyle(c.NativeStyle);
      controller->SetSkinName(c.SkinName);
      Pump();
      EXPECT_EQ(IsSkinnedWindow(form->Handle()), c.Skinned);
      EXPECT_EQ(FormController(form)->IsHooked(), c.Skinned);
      if (!c.Skinned) {
        EXPECT_EQ(ClientInWindow(form->Handle()), systemClient) << "the system frame is back";
      }
      EXPECT_EQ(GetWindowRgn(form->Handle(), CreateRectRgn(0, 0, 0, 0)) != ERROR, c.Skinned);
    }
    controller->SetSkinName(L"Probe");
    // OnSkinForm keeps one form unskinned while others are.
    struct TKeeper {
      TWinControl* Kept;
      void SkinForm(TObject*, TWinControl* AForm, bool& UseSkin, String&) {
        if (AForm == Kept) UseSkin = false;
      }
    } keeper{form};
    TRecordingForm* other = MakeForm();
    controller->OnSkinForm = TdxSkinControllerSkinFormEvent(&keeper, &TKeeper::SkinForm);
    dxSkinRefreshAllForms();
    Pump();
    EXPECT_FALSE(IsSkinnedWindow(form->Handle()));
    EXPECT_TRUE(IsSkinnedWindow(other->Handle()));
    controller->OnSkinForm = {};
    delete other;
  }
  EXPECT_FALSE(IsSkinnedWindow(form->Handle()));
  EXPECT_EQ(ClientInWindow(form->Handle()), systemClient);
  delete form;
}

TEST(SkinControllerTest, AButtonsStateFollowsItsWindow) {
  TSkinScope skin(L"Probe");
  TRecordingForm* form = MakeForm();
  auto* button = new TButton(form);
  button->SetBounds(10, 10, 100, 30);
  button->SetParent(form);
  button->SetDefault(true);
  button->HandleNeeded();
  Pump();  // the form is not shown: the pointer is never over the button
  TdxSkinWinController* c = dxSkinWinControllerOf(button->Handle());
  ASSERT_TRUE(c && c->IsSkinned());
  auto* controller = static_cast<TdxSkinButtonController*>(c);
  const HWND wnd = button->Handle();
  const struct {
    const char* What;
    void (*Act)(HWND);
    TcxButtonState Expected;
  } steps[] = {
      {"the default button", [](HWND) {}, cxbsDefault},
      {"pushed", [](HWND w) { SendMessageW(w, BM_SETSTATE, TRUE, 0); }, cxbsPressed},
      {"released", [](HWND w) { SendMessageW(w, BM_SETSTATE, FALSE, 0); }, cxbsDefault},
      {"disabled", [](HWND w) { EnableWindow(w, FALSE); }, cxbsDisabled},
      {"enabled again", [](HWND w) { EnableWindow(w, TRUE); }, cxbsDefault},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.What);
    step.Act(wnd);
    EXPECT_EQ(controller->State(), step.Expected);
  }
  delete form;
}

// A form that answers the registered refusal message.
class TRefusingForm : public TRecordingForm {
  VAMIRE_CLASS(TRefusingForm, TRecordingForm)
 public:
  using TRecordingForm::TRecordingForm;
  void Dispatch(TMessage& Message) override {
    if (Message.Msg == cxSkinRefuseMessage) {
      Message.Result = 1;
      return;
    }
    TRecordingForm::Dispatch(Message);
  }
};

TEST(SkinControllerTest, AFormThatRefusesKeepsItsFrame) {
  TSkinScope skin(L"Probe");
  TRefusingForm* form = TCustomForm::Create<TRefusingForm>(nullptr);
  form->SetBounds(60, 60, 300, 200);
  form->HandleNeeded();
  Pump();
  EXPECT_FALSE(IsSkinnedWindow(form->Handle()));
  delete form;
}

struct TFrameCase {
  const char* What;
  TFormBorderStyle Border;
  int BorderWidth;
  bool HScroll, VScroll;
};

// With visual styles on, the frame takes the skin's sizes; without them (the
// plain prefix) it keeps the system's and the skin is painted into them.
TEST(SkinFormFrameTest, ClientRectangleLeftByTheFrame) {
  const bool skinSizes = AreThemesEnabled();
  EXPECT_EQ(skinSizes, vamire_test::InThemedPrefix());
  const TFrameCase cases[] = {{"sizeable", bsSizeable, 0, false, false},
                              {"single", bsSingle, 0, false, false},
                              {"dialog", bsDialog, 0, false, false},
                              {"tool window", bsToolWindow, 0, false, false},
                              {"with the form's own border width", bsSizeable, 5, false, false},
                              {"with both scroll bars", bsSizeable, 0, true, true},
                              {"no border", bsNone, 0, false, false}};
  for (const TFrameCase& c : cases) {
    SCOPED_TRACE(c.What);
    TRecordingForm* form = MakeForm(400, 300);
    form->SetBorderStyle(c.Border);
    form->SetBorderWidth(c.BorderWidth);
    form->HandleNeeded();
    if (c.HScroll || c.VScroll) {
      ShowScrollBar(form->Handle(), SB_HORZ, c.HScroll);
      ShowScrollBar(form->Handle(), SB_VERT, c.VScroll);
    }
    Pump();
    const HWND wnd = form->Handle();
    const TRect systemClient = ClientInWindow(wnd);
    TSkinScope skin(L"Probe");
    TdxSkinFormController* controller = FormController(form);
    ASSERT_NE(controller, nullptr);
    ASSERT_TRUE(controller->IsSkinned());
    const TRect window = WindowRectOf(wnd);
    const int w = window.Right - window.Left, h = window.Bottom - window.Top;
    const TRect client = ClientInWindow(wnd);
    if (c.Border == bsNone || !skinSizes) {
      EXPECT_EQ(client, systemClient);
      delete form;
      continue;
    }
    const bool small = c.Border == bsToolWindow;
    const TRect skinWidths = controller->SkinInfo()->FormFrameWidths(small);
    // The caption: the taller of the buttons' pictures and the caption
    // font's text, with the caption element's content offsets.
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    LOGFONTW lf = small ? metrics.lfSmCaptionFont : metrics.lfCaptionFont;
    if (!small) {
      const int delta = controller->SkinInfo()->CaptionFontDelta() - 1;
      lf.lfHeight = lf.lfHeight < 0 ? lf.lfHeight - delta : lf.lfHeight + delta;
    }
    HFONT font = CreateFontIndirectW(&lf);
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    SIZE text{};
    GetTextExtentPoint32W(dc, L"Wg", 2, &text);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    DeleteObject(font);
    TdxSkinElement* caption = controller->SkinInfo()->FormFrame(small, 1);
    const TRect offsets = caption->ContentOffset()->Rect();
    TdxSkinElement* close = controller->SkinInfo()->Element(small ? TdxSkinElementSlot::FormSmallFormButtonClose
                                                                 : TdxSkinElementSlot::FormFormButtonClose);
    const int captionHeight = std::max<int>(close->GetImageSize().cy, text.cy) + offsets.Top + offsets.Bottom;
    const int bw = c.BorderWidth;
    const int sx = c.VScroll ? GetSystemMetrics(SM_CXVSCROLL) : 0, sy = c.HScroll ? GetSystemMetrics(SM_CYHSCROLL) : 0;
    EXPECT_EQ(client, (TRect{skinWidths.Left + bw, captionHeight + bw, w - skinWidths.Right - bw - sx,
                             h - skinWidths.Bottom - bw - sy}));
    delete form;
  }
}

TEST(SkinFormFrameTest, HitTestsThroughTheWindow) {
  TSkinScope skin(L"Probe");
  TRecordingForm* form = MakeForm(400, 300);
  TdxSkinFormController* controller = FormController(form);
  ASSERT_TRUE(controller && controller->IsSkinned());
  const HWND wnd = form->Handle();
  const TRect wr = WindowRectOf(wnd);
  const TRect client = ClientInWindow(wnd);
  const TSize band = controller->ViewInfo()->FBand;
  auto centre = [&](TdxSkinFormIconType t) {
    const TdxSkinFormIconInfo* icon = controller->ViewInfo()->FindIcon(t);
    EXPECT_NE(icon, nullptr);
    return icon ? TPoint{(icon->HitBounds.Left + icon->HitBounds.Right) / 2,
                         (icon->HitBounds.Top + icon->HitBounds.Bottom) / 2}
                : TPoint{};
  };
  const int w = wr.Right - wr.Left, h = wr.Bottom - wr.Top;
  const struct {
    const char* What;
    TPoint P;  // window coordinates
    LRESULT Expected;
  } cases[] = {
      {"close", centre(sfiClose), HTCLOSE},
      {"maximize", centre(sfiMaximize), HTMAXBUTTON},
      {"minimize", centre(sfiMinimize), HTMINBUTTON},
      {"caption", {w / 2, client.Top / 2}, HTCAPTION},
      {"top-left corner", {0, client.Top - 1}, HTTOPLEFT},
      {"top-right corner", {w - 1, 1}, HTTOPRIGHT},
      {"bottom-right corner", {w - 1, h - 1}, HTBOTTOMRIGHT},
      {"bottom-left corner", {0, h - 1}, HTBOTTOMLEFT},
      {"left border", {band.cx - 1, h / 2}, HTLEFT},
      {"right border", {w - 1, h / 2}, HTRIGHT},
      {"bottom border", {w / 2, h - 1}, HTBOTTOM},
      {"client", {w / 2, h / 2}, HTCLIENT},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.What);
    EXPECT_EQ(SendMessageW(wnd, WM_NCHITTEST, 0, ScreenPoint(wr.Left + c.P.X, wr.Top + c.P.Y)), c.Expected);
  }
  delete form;
}

// Presses and releases the left button over a caption button by messages.
void ClickButton(HWND AWnd, TdxSkinFormController* AController, TdxSkinFormIconType AType, bool AReleaseOutside = false) {
  const TdxSkinFormIconInfo* icon = AController->ViewInfo()->FindIcon(AType);
  ASSERT_NE(icon, nullptr);
  const TRect wr = WindowRectOf(AWnd);
  const LPARAM down = ScreenPoint(wr.Left + (icon->HitBounds.Left + icon->HitBounds.Right) / 2,
                                  wr.Top + (icon->HitBounds.Top + icon->HitBounds.Bottom) / 2);
  const LPARAM up = AReleaseOutside ? ScreenPoint(wr.Left + (wr.Right - wr.Left) / 2, wr.Top + 150) : down;
  const WPARAM code = WPARAM(dxSkinFormIconHitTest(AType));
  SendMessageW(AWnd, WM_NCLBUTTONDOWN, code, down);
  if (IsWindow(AWnd)) SendMessageW(AWnd, WM_NCLBUTTONUP, AReleaseOutside ? HTCLIENT : code, up);
}

TEST(SkinFormButtonsTest, EachCaptionButtonSendsItsCommandOnce) {
  TSkinScope skin(L"Probe");
  const struct {
    const char* What;
    TdxSkinFormIconType Type;
    bool Maximized;
    WPARAM Command;
  } cases[] = {{"close", sfiClose, false, SC_CLOSE},
               {"minimize", sfiMinimize, false, SC_MINIMIZE},
               {"maximize", sfiMaximize, false, SC_MAXIMIZE},
               {"restore", sfiRestore, true, SC_RESTORE}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.What);
    TRecordingForm* form = MakeForm(400, 300);
    TdxSkinFormController* controller = FormController(form);
    if (c.Maximized) {
      // The caption's layout follows the style; the window need not be shown.
      SetWindowLongPtrW(form->Handle(), GWL_STYLE, GetWindowLongPtrW(form->Handle(), GWL_STYLE) | WS_MAXIMIZE);
      controller->CalculateNonClient();
    }
    ASSERT_TRUE(controller && controller->IsSkinned());
    form->Commands.clear();
    ClickButton(form->Handle(), controller, c.Type);
    EXPECT_EQ(form->Commands, std::vector<WPARAM>{c.Command});
    form->Commands.clear();
    ClickButton(form->Handle(), controller, c.Type, true);
    EXPECT_TRUE(form->Commands.empty()) << "released outside the button";
    delete form;
  }
}

TEST(SkinFormButtonsTest, AGrayedCloseItemDisablesTheCloseButton) {
  TSkinScope skin(L"Probe");
  TRecordingForm* form = MakeForm(400, 300);
  EnableMenuItem(GetSystemMenu(form->Handle(), FALSE), SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
  TdxSkinFormController* controller = FormController(form);
  controller->CalculateNonClient();
  ASSERT_FALSE(controller->ViewInfo()->FindIcon(sfiClose)->Enabled);
  ClickButton(form->Handle(), controller, sfiClose);
  EXPECT_TRUE(form->Commands.empty());
  EXPECT_EQ(controller->ViewInfo()->FindIcon(sfiClose)->State, esNormal) << "not hot while disabled";
  delete form;
}

TEST(SkinFormButtonsTest, AnInactiveWindowDrawsItsButtonsInactive) {
  TSkinScope skin(L"Probe");
  TRecordingForm* form = MakeForm(400, 300);
  TdxSkinFormController* controller = FormController(form);
  ASSERT_TRUE(controller && controller->IsSkinned());
  EXPECT_EQ(SendMessageW(form->Handle(), WM_NCACTIVATE, FALSE, 0), TRUE) << "deactivation goes on";
  EXPECT_FALSE(controller->ViewInfo()->FActive);
  for (const TdxSkinFormIconInfo& icon : controller->ViewInfo()->FIcons)
    EXPECT_EQ(icon.State, esActiveDisabled) << int(icon.IconType);
  SendMessageW(form->Handle(), WM_NCACTIVATE, TRUE, 0);
  EXPECT_TRUE(controller->ViewInfo()->FActive);
  for (const TdxSkinFormIconInfo& icon : controller->ViewInfo()->FIcons)
    EXPECT_NE(icon.State, esActiveDisabled) << int(icon.IconType);
  delete form;
}

TEST(SkinFormButtonsTest, DialogWithHelpShowsCloseAndHelpOnly) {
  TSkinScope skin(L"Probe");
  TRecordingForm* form = MakeForm(400, 300);
  form->SetBorderStyle(bsDialog);
  form->SetBorderIcons(TBorderIcons{biSystemMenu, biHelp});
  form->HandleNeeded();
  Pump();
  TdxSkinFormController* controller = FormController(form);
  ASSERT_TRUE(controller && controller->IsSkinned());
  const auto& icons = controller->ViewInfo()->FIcons;
  ASSERT_EQ(icons.size(), 2u);
  EXPECT_EQ(icons[0].IconType, sfiClose);
  EXPECT_EQ(icons[1].IconType, sfiHelp);
  EXPECT_LT(icons[1].HitBounds.Right, icons[0].HitBounds.Left) << "help left of close";
  delete form;
}

TEST(SkinFormLifeTest, AControllerFreedInsideItsOwnMessageLivesUntilItReturns) {
  TSkinScope skin(L"Probe");
  TRecordingForm* form = MakeForm(400, 300);
  form->DestroyOnClose = true;
  const HWND wnd = form->Handle();
  TdxSkinFormController* controller = FormController(form);
  ASSERT_TRUE(controller && controller->IsSkinned());
  const int listed = dxSkinWinControllerCount();
  const int inMemory = dxSkinWinControllerInstanceCount();
  ClickButton(wnd, controller, sfiClose);
  EXPECT_EQ(form->Commands, std::vector<WPARAM>{SC_CLOSE});
  EXPECT_FALSE(IsWindow(wnd));
  // Inside WM_DESTROY the controller had left the list but its frame still ran.
  EXPECT_EQ(form->ControllersListedAtDestroy, listed - 1);
  EXPECT_EQ(form->ControllersInMemoryAtDestroy, inMemory);
  EXPECT_EQ(dxSkinWinControllerInstanceCount(), inMemory - 1) << "freed once its frame returned";
  EXPECT_EQ(dxSkinWinControllerOf(wnd), nullptr);
  // The form makes a new window, which gets a new controller.
  form->DestroyOnClose = false;
  form->HandleNeeded();
  Pump();
  EXPECT_TRUE(IsSkinnedWindow(form->Handle()));
  delete form;
  Pump();
  EXPECT_EQ(dxSkinWinControllerInstanceCount(), dxSkinWinControllerCount());
}

std::vector<UINT> MenuIds(HMENU AMenu) {
  std::vector<UINT> ids;
  for (int i = 0; i < GetMenuItemCount(AMenu); ++i) ids.push_back(GetMenuItemID(AMenu, i));
  return ids;
}

TEST(SkinFormSystemMenuTest, WithoutTheSystemTemplateTheWindowsOwnMenuStays) {
  HMENU probe = LoadSystemMenuTemplate(0);
  if (probe) {
    DestroyMenu(probe);
    GTEST_SKIP() << "this system has the template";
  }
  TSkinScope skin(L"Probe");
  TRecordingForm* form = MakeForm(400, 300);
  const HWND wnd = form->Handle();
  ASSERT_TRUE(IsSkinnedWindow(wnd));
  HMENU menu = GetSystemMenu(wnd, FALSE);
  AppendMenuW(menu, MF_STRING, 0x0110, L"Extra");
  const std::vector<UINT> before = MenuIds(menu);
  SendMessageW(wnd, WM_INITMENU, reinterpret_cast<WPARAM>(menu), 0);
  SendMessageW(wnd, WM_EXITMENULOOP, TRUE, 0);
  SendMessageW(wnd, WM_QUERYOPEN, 0, 0);
  PostMessageW(wnd, CXM_SKININITIALIZE, 0, 0);
  Pump();
  EXPECT_EQ(MenuIds(GetSystemMenu(wnd, FALSE)), before);
  delete form;
}

}  // namespace
