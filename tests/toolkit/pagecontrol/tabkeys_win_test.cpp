// Real keys and a real picture: Ctrl+Tab and Ctrl+Shift+Tab typed while a
// control inside the tab control has the focus switch tabs (the dialog-key
// path), an accelerator selects its tab, and the strip is saved as PNG. Needs
// the active window and the keyboard: alone on the display.
#include "StdCtrls.h"
#include "support/WindowCapture.h"
#include "tabcontrol_test_support.h"

using namespace pc_test;

namespace {

const auto* const kUnits = testing::AddGlobalTestEnvironment(new TPageControlUnits);

void PumpFor(DWORD AMilliseconds) {
  const DWORD start = GetTickCount();
  do {
    Pump();
    Sleep(5);
  } while (GetTickCount() - start < AMilliseconds);
}

void Type(std::initializer_list<WORD> AKeys) {
  std::vector<INPUT> input;
  for (WORD key : AKeys) {
    INPUT down{};
    down.type = INPUT_KEYBOARD;
    down.ki.wVk = key;
    input.push_back(down);
  }
  for (auto it = AKeys.end(); it != AKeys.begin();) {
    INPUT up{};
    up.type = INPUT_KEYBOARD;
    up.ki.wVk = *--it;
    up.ki.dwFlags = KEYEVENTF_KEYUP;
    input.push_back(up);
  }
  SendInput(UINT(input.size()), input.data(), sizeof(INPUT));
  PumpFor(100);
}

TEST(TabKeysTest, CtrlTabFromInsideAPageAndAcceleratorsSwitchTabs) {
  THostForm* form = MakeForm(360, 200);
  form->SetColor(clBtnFace);
  auto* control = MakeTabControl(form, {L"&Alpha", L"Beta", L"Off", L"Delta"});
  control->Tabs()->Tab(2)->SetEnabled(false);
  auto* edit = new TEdit(form);
  edit->SetParent(control);
  edit->SetBounds(10, 40, 120, 22);
  form->Show();
  SetForegroundWindow(form->Handle());
  edit->SetFocus();
  PumpFor(100);
  ASSERT_EQ(GetFocus(), edit->Handle());

  Type({VK_CONTROL, VK_TAB});
  EXPECT_EQ(control->TabIndex(), 1);
  Type({VK_CONTROL, VK_TAB});
  EXPECT_EQ(control->TabIndex(), 3) << "the disabled tab is skipped";
  Type({VK_CONTROL, VK_TAB});
  EXPECT_EQ(control->TabIndex(), 0) << "wraps to the first";
  Type({VK_CONTROL, VK_SHIFT, VK_TAB});
  EXPECT_EQ(control->TabIndex(), 3) << "backwards, wrapping";
  EXPECT_EQ(GetFocus(), edit->Handle()) << "the focus stays in the page";

  // Alt+A: the accelerator of "&Alpha".
  Type({VK_MENU, 'A'});
  EXPECT_EQ(control->TabIndex(), 0);

  const vamire_test::Capture cap = vamire_test::CaptureClient(form->Handle());
  EXPECT_TRUE(cap.SavePng(L"pagecontrol_tabstrip.png"));
  // The selected tab is filled with the window colour, the others with the face colour.
  const TPoint at = control->BoundsRect().TopLeft();
  EXPECT_NE(cap.At(at.X + 5, at.Y + 3), cap.At(at.X + 55, at.Y + 3));
  delete form;
}

}  // namespace
