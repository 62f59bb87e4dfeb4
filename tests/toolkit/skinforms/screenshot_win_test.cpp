// A skinned form shown on the display: captured with the probe skin and a
// built-in skin (plain prefix: the system's frame sizes; themed: the skin's)
// into "skinforms_<skin>_<prefix>.png" for a person to look at, its frame
// checked against the skin's elements, and its close button clicked with
// the real pointer.
#include "skinforms_test_support.h"

using namespace skinforms_test;

namespace {

const auto* const kUnits = testing::AddGlobalTestEnvironment(new TSkinFormUnits);

// A form with a button, a panel, a label and both scroll bars.
TRecordingForm* MakeGalleryForm() {
  TRecordingForm* form = MakeForm(460, 320);
  form->SetCaption(L"Skinned form: caption, frame and buttons");
  auto* button = new TButton(form);
  button->SetBounds(20, 20, 110, 30);
  button->SetCaption(L"&Button");
  button->SetParent(form);
  auto* panel = new TPanel(form);
  panel->SetBounds(20, 70, 200, 80);
  panel->SetCaption(L"Panel");
  panel->SetParent(form);
  auto* label = new TLabel(form);
  label->SetBounds(20, 170, 200, 20);
  label->SetCaption(L"Label on the form");
  label->SetTransparent(true);
  label->SetParent(form);
  form->HandleNeeded();
  ShowScrollBar(form->Handle(), SB_BOTH, TRUE);
  SCROLLINFO si{sizeof(si), SIF_RANGE | SIF_PAGE | SIF_POS, 0, 100, 30, 20, 0};
  SetScrollInfo(form->Handle(), SB_VERT, &si, TRUE);
  SetScrollInfo(form->Handle(), SB_HORZ, &si, TRUE);
  return form;
}

// The element drawn alone into a band of its own size: what the frame must show there.
std::uint32_t ElementPixel(TdxSkinElement* AElement, TdxSkinElementState AState, const TRect& ABand, TPoint AAt) {
  const int w = ABand.Right - ABand.Left, h = ABand.Bottom - ABand.Top;
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
  HGDIOBJ old = SelectObject(dc, bitmap);
  AElement->DrawToDC(dc, {0, 0, w, h}, 0, AState);
  const vamire_test::Capture cap = vamire_test::CaptureDC(dc, 0, 0, w, h);
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return cap.At(AAt.X - ABand.Left, AAt.Y - ABand.Top);
}

TEST(SkinFormScreenshotTest, TheFrameShowsTheSkinsElements) {
  for (const wchar_t* skinName : {L"Probe", L"Blue"}) {
    SCOPED_TRACE(UTF8Encode(skinName));
    TSkinScope skin(skinName);
    TRecordingForm* form = MakeGalleryForm();
    form->Show();
    SetForegroundWindow(form->Handle());
    Pump();
    TdxSkinFormController* controller = FormController(form);
    ASSERT_TRUE(controller && controller->IsSkinned());
    RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Pump();
    const vamire_test::Capture cap = vamire_test::CaptureWindow(form->Handle());
    String name = skinName;
    for (wchar_t& ch : name) ch = wchar_t(towlower(ch));
    EXPECT_TRUE(cap.SavePng(L"skinforms_" + name + (vamire_test::InThemedPrefix() ? L"_themed" : L"_plain") + L".png"));

    TdxSkinFormNonClientAreaInfo* info = controller->ViewInfo();
    ASSERT_TRUE(info->FActive);
    const TRect& left = info->FBorders[0];
    const TRect leftBand{left.Left, info->FWidths.Top, left.Right, cap.Height - info->FWidths.Bottom};
    const TPoint mid{(leftBand.Left + leftBand.Right) / 2, (leftBand.Top + leftBand.Bottom) / 2};
    EXPECT_EQ(cap.At(mid.X, mid.Y), ElementPixel(info->SkinInfo()->FormFrame(false, 0), esActive, leftBand, mid))
        << "left border";
    const TRect& caption = info->FBorders[1];
    const TPoint inCaption{caption.Right / 2, 1};
    EXPECT_EQ(cap.At(inCaption.X, inCaption.Y),
              ElementPixel(info->SkinInfo()->FormFrame(false, 1), esActive, caption, inCaption))
        << "caption";
    const TdxSkinFormIconInfo* close = info->FindIcon(sfiClose);
    ASSERT_NE(close, nullptr);
    // A built-in skin's buttons blend with the caption; the probe's pictures are opaque.
    if (String(skinName) != L"Probe") {
      delete form;
      Pump();
      continue;
    }
    const TPoint inClose{(close->Bounds.Left + close->Bounds.Right) / 2, close->Bounds.Top + 2};
    EXPECT_EQ(cap.At(inClose.X, inClose.Y),
              ElementPixel(info->SkinInfo()->Element(TdxSkinElementSlot::FormFormButtonClose), close->State,
                           close->Bounds, inClose))
        << "close button";
    delete form;
    Pump();
  }
}

void SendMouse(DWORD AFlags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = AFlags;
  SendInput(1, &input, sizeof(input));
}

TEST(SkinFormScreenshotTest, AClickOnTheCloseButtonSendsOneClose) {
  TSkinScope skin(L"Probe");
  TRecordingForm* form = MakeGalleryForm();
  form->Show();
  SetForegroundWindow(form->Handle());
  Pump();
  TdxSkinFormController* controller = FormController(form);
  ASSERT_TRUE(controller && controller->IsSkinned());
  const TdxSkinFormIconInfo* close = controller->ViewInfo()->FindIcon(sfiClose);
  ASSERT_NE(close, nullptr);
  const TRect wr = WindowRectOf(form->Handle());
  const TPoint at{wr.Left + (close->HitBounds.Left + close->HitBounds.Right) / 2,
                  wr.Top + (close->HitBounds.Top + close->HitBounds.Bottom) / 2};
  SetCursorPos(at.X, at.Y);
  Pump();
  form->Commands.clear();
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  Sleep(30);
  Pump();
  EXPECT_EQ(controller->ViewInfo()->FindIcon(sfiClose)->State, esPressed);
  SendMouse(MOUSEEVENTF_LEFTUP);
  Sleep(30);
  Pump();
  EXPECT_EQ(form->Commands, std::vector<WPARAM>{SC_CLOSE});
  delete form;
  Pump();
}

}  // namespace
