// Each built-in skin on a real form: the skin controller skins the form's
// frame, caption and caption buttons, its background, its buttons and its
// panel. Each form is captured whole to "skin_form_<name>.png" for a person
// to look at, and checked for a frame and background of its skin's own.
#include <gtest/gtest.h>

#include <set>

#include "ExtCtrls.h"
#include "Forms.h"
#include "ImgList.h"
#include "Menus.h"
#include "StdCtrls.h"
#include "Threads.h"
#include "cxClasses.h"
#include "cxDWMApi.h"
#include "dxSkinsForm_win.h"
#include "skinunits_win_test_support.h"
#include "support/WindowCapture.h"

using E = TdxSkinElementSlot;

namespace {

class TSkinnedFormUnits : public testing::Environment {
 public:
  void SetUp() override {
    std::vector<TUnitEntry> units{ThreadsUnit,   ImgListUnit,    MenusUnit,    FormsUnit,   StdCtrlsUnit,
                                  ExtCtrlsUnit,  cxDWMApiUnit,   cxClassesUnit, cxControlsBaseUnit, cxControlsUnit};
    InitializeUnits(units.data(), units.size());
    skinunits_test::Start(skinunits_test::BaseUnits());
    skinunits_test::Start(skinunits_test::SkinUnits());
    InitializeUnits({dxSkinsFormUnit});
    Application->Initialize();
  }
  void TearDown() override { FinalizeUnits(); }
};
const auto* const kUnits = testing::AddGlobalTestEnvironment(new TSkinnedFormUnits);

void Pump() {
  MSG m;
  while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&m);
    DispatchMessageW(&m);
  }
}

std::uint32_t Rgb(TColor AColor) {
  return (std::uint32_t(AColor) & 0xFF) << 16 | (std::uint32_t(AColor) & 0xFF00) | (std::uint32_t(AColor) >> 16 & 0xFF);
}

template <class T>
T* Place(TForm* AForm, const String& ACaption, int X, int Y, int W, int H) {
  auto* c = new T(AForm);
  c->SetParent(AForm);
  c->SetBounds(X, Y, W, H);
  c->SetCaption(ACaption);
  return c;
}

TEST(SkinnedFormGalleryTest, EachBuiltInSkinDressesARealForm) {
  const wchar_t* const skins[] = {L"UserSkin", L"Silver", L"LiquidSky", L"Blue", L"Black", L"Foggy", L"Xmas2008Blue"};
  std::set<std::vector<std::uint32_t>> shown;
  for (const wchar_t* name : skins) {
    SCOPED_TRACE(UTF8Encode(name));
    TForm* form = TCustomForm::Create<TForm>(nullptr);
    form->SetBounds(40, 40, 420, 240);
    form->SetCaption(String(L"Wall console - ") + name);
    Place<TButton>(form, L"Open", 16, 16, 88, 26);
    Place<TButton>(form, L"Close", 112, 16, 88, 26);
    Place<TPanel>(form, L"Wall 1", 16, 58, 184, 60);
    Place<TPanel>(form, L"Wall 2", 216, 58, 184, 60);
    Place<TEdit>(form, L"Scene", 16, 132, 184, 22);
    TButton* apply = Place<TButton>(form, L"Apply", 216, 130, 88, 26);
    apply->SetEnabled(false);
    form->Show();
    Pump();
    {
      auto* controller = new TdxSkinController(nullptr);
      controller->SetSkinName(name);
      controller->SetNativeStyle(false);
      Pump();
      TdxSkinWinController* c = dxSkinWinControllerOf(form->Handle());
      ASSERT_NE(c, nullptr);
      ASSERT_TRUE(c->IsSkinned());
      const TdxSkinInfo* info = static_cast<TdxSkinFormController*>(c)->SkinInfo();
      const vamire_test::Capture cap = vamire_test::CaptureWindow(form->Handle());
      EXPECT_TRUE(cap.SavePng(L"skin_form_" + std::wstring(name) + L".png"));
      // The client's background is the skin's form colour; the caption is not.
      RECT client{};
      GetClientRect(form->Handle(), &client);
      POINT origin{0, 0};
      ClientToScreen(form->Handle(), &origin);
      RECT window{};
      GetWindowRect(form->Handle(), &window);
      const int cx = origin.x - window.left, cy = origin.y - window.top;
      const std::uint32_t content = Rgb(info->Element(E::FormFormContent)->Color());
      EXPECT_EQ(cap.At(cx + 300, cy + 30), content);
      EXPECT_NE(cap.At(cap.Width / 2, cy / 2), content);
      EXPECT_TRUE(shown.insert(cap.Pixels).second) << "looks like another skin";
      // The disabled caption shows in the skin's own colour only: no pixel within its
      // text takes the system's highlight where the face beside it (same row) doesn't.
      RECT text{0, 0, 0, 0};
      {
        HDC dc = GetDC(apply->Handle());
        HGDIOBJ old = SelectObject(dc, apply->Font()->Handle());
        DrawTextW(dc, L"Apply", 5, &text, DT_CALCRECT | DT_SINGLELINE);
        SelectObject(dc, old);
        ReleaseDC(apply->Handle(), dc);
      }
      const int bx = cx + 216, by = cy + 130, tw = text.right, th = text.bottom;
      const std::uint32_t highlight = Rgb(TColor(GetSysColor(COLOR_BTNHIGHLIGHT)));
      int lit = 0;
      for (int y = by + (26 - th) / 2 - 1; y <= by + (26 + th) / 2 + 1; ++y)
        for (int x = bx + (88 - tw) / 2 - 1; x <= bx + (88 + tw) / 2 + 1; ++x)
          lit += cap.At(x, y) == highlight && cap.At(bx + 5, y) != highlight;
      EXPECT_EQ(lit, 0) << "the disabled caption has a highlight edge";
      controller->SetNativeStyle(true);
      controller->SetSkinName(String());
      delete controller;
      Pump();
    }
    delete form;
    Pump();
  }
}

}  // namespace
