// The bordered panel painted into a memory DC (PaintTo): border and fill,
// caption placement, grid, transparency over a patterned parent; its
// children's enabled state, geometry, resizing, the frame controller, the
// dock manager, and a form file carrying obsolete properties.
#include <gtest/gtest.h>

#include "FormText.h"
#include "panels_test_support.h"

using namespace panels_test;

namespace {

const bool registered = (::testing::AddGlobalTestEnvironment(new TPanelUnits), true);

constexpr TColor Paper = 0x00A0F0E0;

struct TPanelFixture : ::testing::Test {
  THostForm* Form = MakeForm();
  ~TPanelFixture() override { delete Form; }

  TRzPanel* NewPanel(int Width, int Height, TWinControl* Parent = nullptr) {
    auto* p = new TRzPanel(Form);
    p->SetParent(Parent ? Parent : Form);
    p->SetBounds(10, 10, Width, Height);
    p->HandleNeeded();
    return p;
  }
  // What the panel paints, itself and its children, at (0, 0) of a surface of its size.
  vamire_test::Capture Paint(TWinControl* Control) {
    TPanelSurface s(Control->Width(), Control->Height(), Paper);
    Control->PaintTo(s.Dc, 0, 0);
    return s.Cap();
  }
};

TEST_F(TPanelFixture, ADefaultPanelHasTheRaisedBorderAndIsFilledTwoPixelsIn) {
  TRzPanel* p = NewPanel(40, 30);
  p->SetColor(clYellow);
  const vamire_test::Capture cap = Paint(p);
  EXPECT_EQ(cap.At(0, 10), Rgb(cl3DLight));
  EXPECT_EQ(cap.At(1, 10), Rgb(clBtnHighlight));
  EXPECT_EQ(cap.At(39, 10), Rgb(cl3DDkShadow));
  EXPECT_EQ(cap.At(38, 10), Rgb(clBtnShadow));
  EXPECT_EQ(PixelsOf(cap, Rgb(clYellow), TRect{0, 0, 40, 30}), (TRect{2, 2, 38, 28}));
  EXPECT_EQ(p->ClientRect(), (TRect{2, 2, 38, 28}));
}

TEST_F(TPanelFixture, ARoundedSwatchFillsUnderItsFrameAndGivesTheCornersTheFrameColour) {
  TRzPanel* p = NewPanel(30, 20);
  p->SetColor(clYellow);
  p->SetBorderOuter(fsFlatRounded);
  const vamire_test::Capture cap = Paint(p);
  const std::uint32_t frame = Rgb(TintColor(clBtnShadow, 30));
  EXPECT_EQ(cap.At(0, 0), Rgb(Form->Color())) << "the outermost ring is the parent's colour";
  EXPECT_EQ(cap.At(1, 1), frame);
  EXPECT_EQ(cap.At(28, 18), frame);
  EXPECT_EQ(cap.At(2, 1), Rgb(clYellow)) << "the ring inside is the panel's colour";
  EXPECT_EQ(cap.At(5, 0), frame);
  EXPECT_EQ(PixelsOf(cap, Rgb(clYellow), TRect{0, 0, 30, 20}), (TRect{1, 1, 29, 19}));
}

TEST_F(TPanelFixture, CaptionsTakeTheirAlignmentAndVerticalAlignment) {
  TRzPanel* p = NewPanel(120, 60);
  p->SetColor(clWhite);
  p->SetBorderOuter(fsNone);
  UseCrispFont(p->Font());
  p->Font()->SetColor(clBlack);
  p->SetCaption(L"Wg");
  TPanelSurface measure(10, 10, Paper);
  measure.Canvas.Font()->Assign(p->Font());
  const TSize text = measure.Canvas.TextExtent(L"Wg");
  const TRect area{0, 0, 120, 60};
  for (TAlignment a : {taLeftJustify, taCenter, taRightJustify}) {
    for (TAlignmentVertical v : {avTop, avCenter, avBottom}) {
      p->SetAlignment(a);
      p->SetAlignmentVertical(v);
      const TRect ink = PixelsOf(Paint(p), Rgb(clBlack), area);
      const std::string where = "alignment " + std::to_string(a) + ", vertical " + std::to_string(v);
      ASSERT_LT(ink.Left, ink.Right) << where;
      const int x = a == taLeftJustify ? ink.Left : a == taRightJustify ? 120 - ink.Right : (ink.Left + ink.Right) / 2;
      EXPECT_NEAR(x, a == taCenter ? 60 : 0, 2) << where;
      const int y = v == avTop ? ink.Top : v == avBottom ? 60 - ink.Bottom : (ink.Top + ink.Bottom) / 2;
      EXPECT_NEAR(y, v == avCenter ? 30 : 0, v == avCenter ? 2 : text.cy / 2) << where;
    }
  }
  // Margins move the text in.
  p->SetAlignment(taLeftJustify);
  p->SetAlignmentVertical(avTop);
  p->SetTextMargin(10);
  p->SetTextMarginVertical(7);
  const TRect ink = PixelsOf(Paint(p), Rgb(clBlack), area);
  EXPECT_GE(ink.Left, 10);
  EXPECT_GE(ink.Top, 7);
  // A caption taller than the area keeps to the top margin even at the bottom.
  p->SetTextMargin(0);
  p->SetTextMarginVertical(0);
  p->SetAlignmentVertical(avBottom);
  p->SetCaption(L"Wg Wg Wg Wg Wg Wg Wg Wg Wg Wg Wg Wg Wg Wg Wg Wg Wg Wg Wg Wg Wg Wg Wg Wg Wg Wg Wg Wg");
  EXPECT_LT(PixelsOf(Paint(p), Rgb(clBlack), area).Top, text.cy / 2);
  // Disabled: grey text.
  p->SetCaption(L"Wg");
  p->SetEnabled(false);
  const vamire_test::Capture grey = Paint(p);
  EXPECT_EQ(PixelsOf(grey, Rgb(clBlack), area), TRect{});
  EXPECT_NE(PixelsOf(grey, Rgb(clGrayText), area), TRect{});
}

TEST_F(TPanelFixture, GridDotsAndLinesFallOnEveryStepOfTheClientArea) {
  TRzPanel* p = NewPanel(40, 30);
  p->SetColor(clWhite);
  p->SetGridColor(clRed);
  p->SetShowGrid(true);
  const TRect r{2, 2, 38, 28};
  auto pixels = [&](const vamire_test::Capture& cap) {
    std::vector<TPoint> red;
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x)
        if (cap.At(x, y) == Rgb(clRed)) red.push_back({x, y});
    return red;
  };
  std::vector<TPoint> dots;
  for (int i = 1; i <= 36 / 8; ++i)
    for (int j = 1; j <= 26 / 8; ++j) dots.push_back({r.Left + i * 8 - 1, r.Top + j * 8 - 1});
  std::vector<TPoint> got = pixels(Paint(p));
  std::sort(got.begin(), got.end(), [](TPoint a, TPoint b) { return a.X < b.X || (a.X == b.X && a.Y < b.Y); });
  EXPECT_EQ(got, dots);

  p->SetGridStyle(gsSolidLines);
  const vamire_test::Capture solid = Paint(p);
  for (int y = r.Top; y < r.Bottom; ++y) EXPECT_EQ(solid.At(r.Left + 7, y), Rgb(clRed)) << y;
  for (int x = r.Left; x < r.Right; ++x) EXPECT_EQ(solid.At(x, r.Top + 15), Rgb(clRed)) << x;
  EXPECT_EQ(solid.At(r.Left + 6, r.Top + 3), Rgb(clWhite));

  p->SetGridStyle(gsDottedLines);
  const vamire_test::Capture dotted = Paint(p);
  EXPECT_EQ(dotted.At(r.Left + 7, r.Top), Rgb(clWhite)) << "dotted lines start one pixel in";
  EXPECT_EQ(dotted.At(r.Left + 7, r.Top + 1), Rgb(clRed));
  EXPECT_EQ(dotted.At(r.Left + 7, r.Top + 2), Rgb(clWhite));
  EXPECT_EQ(dotted.At(r.Left + 1, r.Top + 7), Rgb(clRed));

  p->SetGridStyle(gsDots);
  p->SetGridXSize(0);
  EXPECT_TRUE(pixels(Paint(p)).empty()) << "no column: no dot and no vertical line";
}

// A parent that paints a checkerboard of 3-pixel squares.
class TCheckered : public TCustomControl {
  VAMIRE_CLASS(TCheckered, TCustomControl)
 public:
  using TCustomControl::TCustomControl;
  static std::uint32_t At(int x, int y) { return (x / 3 + y / 3) % 2 ? Rgb(clNavy) : Rgb(clLime); }

 protected:
  void Paint() override {
    for (int y = 0; y < Height(); y += 3)
      for (int x = 0; x < Width(); x += 3) {
        Canvas()->Brush()->SetColor((x / 3 + y / 3) % 2 ? clNavy : clLime);
        Canvas()->FillRect(TRect{x, y, x + 3, y + 3});
      }
  }
};

TEST_F(TPanelFixture, ATransparentPanelShowsItsParentsPatternInsideItsBorder) {
  auto* parent = new TCheckered(Form);
  parent->SetParent(Form);
  parent->SetBounds(5, 5, 200, 100);
  parent->HandleNeeded();
  TRzPanel* p = NewPanel(50, 40, parent);
  p->SetBounds(13, 7, 50, 40);
  p->SetColor(clYellow);
  p->SetTransparent(true);
  EXPECT_FALSE(p->ControlStyle().Contains(csOpaque));
  const vamire_test::Capture cap = Paint(p);
  for (int y = 2; y < 38; ++y)
    for (int x = 2; x < 48; ++x) ASSERT_EQ(cap.At(x, y), TCheckered::At(x + 13, y + 7)) << x << "," << y;
  EXPECT_EQ(cap.At(0, 20), Rgb(cl3DLight)) << "the border is drawn over it";
  p->SetTransparent(false);
  EXPECT_TRUE(p->ControlStyle().Contains(csOpaque));
  EXPECT_EQ(Paint(p).At(20, 20), Rgb(clYellow));
}

TEST_F(TPanelFixture, ChildrenDisabledWithThePanelComeBackAsTheyWere) {
  TRzPanel* p = NewPanel(200, 100);
  TEdit* first = new TEdit(Form);
  TEdit* second = new TEdit(Form);
  TLabel* third = new TLabel(Form);
  for (TControl* c : std::initializer_list<TControl*>{first, second, third}) c->SetParent(p);
  second->SetEnabled(false);
  p->SetEnabled(false);
  EXPECT_FALSE(first->Enabled());
  EXPECT_FALSE(second->Enabled());
  EXPECT_FALSE(third->Enabled());
  p->SetEnabled(true);
  EXPECT_TRUE(first->Enabled());
  EXPECT_FALSE(second->Enabled()) << "disabled before the panel was: stays disabled";
  EXPECT_TRUE(third->Enabled());
  // A child that joins while the panel is disabled has no record: it is enabled again.
  p->SetEnabled(false);
  TEdit* late = new TEdit(Form);
  late->SetParent(p);
  late->SetEnabled(false);
  p->SetEnabled(true);
  EXPECT_TRUE(late->Enabled());
  EXPECT_FALSE(second->Enabled());
}

TEST_F(TPanelFixture, BordersBandAndInnerStyleShrinkTheClientAreaChildrenAlignIn) {
  TRzPanel* p = NewPanel(100, 80);
  p->SetBorderOuter(fsFlat);
  p->SetBorderWidth(3);
  p->SetBorderInner(fsStatus);
  p->SetBevelWidth(2);
  p->SetBorderSides({sdLeft, sdTop, sdBottom});
  auto* child = new TEdit(Form);
  child->SetParent(p);
  child->SetAlign(alClient);
  // Left and top lose 1 + 2 + 3; the right only the band.
  EXPECT_EQ(p->ClientRect(), (TRect{3, 3, 100, 77}));
  EXPECT_EQ(child->BoundsRect(), (TRect{6, 6, 97, 74}));
  TRect bounds = p->ControlBounds();
  p->AdjustRectForBorders(bounds, true);
  EXPECT_EQ(bounds, (TRect{6, 6, 97, 74}));
}

TEST_F(TPanelFixture, APanelHeldToTheBottomGrowsUpwards) {
  TRzPanel* p = NewPanel(100, 40);
  p->SetAlign(alBottom);
  const int bottom = p->Top() + p->Height();
  p->SetHeight(p->Height() + 10);
  EXPECT_EQ(p->Top() + p->Height(), bottom);
  EXPECT_EQ(p->Height(), 50);
}

TEST_F(TPanelFixture, APlainResizeInvalidatesOnlyTheBorderStrips) {
  TRzPanel* p = NewPanel(100, 60);
  p->SetFullRepaint(false);
  ShowWindow(Form->Handle(), SW_SHOWNOACTIVATE);
  ShowWindow(p->Handle(), SW_SHOWNOACTIVATE);
  Pump();
  ValidateRect(p->Handle(), nullptr);
  p->SetWidth(120);
  HRGN update = CreateRectRgn(0, 0, 0, 0);
  GetUpdateRgn(p->Handle(), update, FALSE);
  RECT box{};
  GetRgnBox(update, &box);
  // The old right border strip, from just inside the raised border, and the new area.
  EXPECT_EQ(box.left, 100 - 2 - 1);
  EXPECT_EQ(box.right, 120);
  EXPECT_FALSE(PtInRegion(update, 50, 30)) << "the face inside the border is not painted again";
  ValidateRect(p->Handle(), nullptr);
  p->SetHeight(70);
  GetUpdateRgn(p->Handle(), update, FALSE);
  GetRgnBox(update, &box);
  EXPECT_EQ(box.top, 60 - 2 - 1);
  EXPECT_FALSE(PtInRegion(update, 50, 30));
  // With a caption the whole face moves.
  ValidateRect(p->Handle(), nullptr);
  p->SetCaption(L"Band");
  ValidateRect(p->Handle(), nullptr);
  p->SetWidth(110);
  GetUpdateRgn(p->Handle(), update, FALSE);
  EXPECT_TRUE(PtInRegion(update, 50, 30));
  DeleteObject(update);
  ShowWindow(Form->Handle(), SW_HIDE);
}

// Whether a window has anything left to paint.
bool NeedsPaint(TWinControl* Control) {
  RECT r;
  return GetUpdateRect(Control->Handle(), &r, FALSE) != 0;
}

TEST_F(TPanelFixture, GradientChangesRepaintTransparentChildrenAndTheDockSiteRepaintsOnCommands) {
  TRzPanel* host = NewPanel(200, 100);
  TRzPanel* clear = NewPanel(50, 40, host);
  TRzPanel* solid = NewPanel(50, 40, host);
  solid->SetLeft(100);
  clear->SetTransparent(true);
  ShowWindow(Form->Handle(), SW_SHOWNOACTIVATE);
  for (TWinControl* w : {static_cast<TWinControl*>(host), static_cast<TWinControl*>(clear),
                         static_cast<TWinControl*>(solid)})
    ShowWindow(w->Handle(), SW_SHOWNOACTIVATE);
  Pump();
  for (TRzPanel* p : {host, clear, solid}) ValidateRect(p->Handle(), nullptr);
  host->SetGradientColorStart(clRed);
  EXPECT_TRUE(NeedsPaint(clear)) << "a transparent child shows the new gradient";
  EXPECT_FALSE(NeedsPaint(solid));

  host->SetDockSite(true);
  ValidateRect(host->Handle(), nullptr);
  host->Perform(WM_COMMAND, 0, 0);
  EXPECT_TRUE(NeedsPaint(host)) << "the dock manager hears the site's messages first";
  ShowWindow(Form->Handle(), SW_HIDE);
}

TEST_F(TPanelFixture, AFreedSettingsComponentIsForgottenByItsController) {
  auto* controller = new TRzFrameController(Form);
  auto* settings = new TRzRegIniFile(nullptr);  // owned elsewhere: only free notification tells
  controller->SetRegIniFile(settings);
  EXPECT_EQ(controller->RegIniFile(), settings);
  delete settings;
  EXPECT_EQ(controller->RegIniFile(), nullptr);
}

TEST_F(TPanelFixture, ThemeChangesProbeTheColourSchemeAgain) {
  TRzPanel* p = NewPanel(10, 10);
  const TColorSchemeNameReader old = SetColorSchemeNameReader([] { return String(L"Metallic"); });
  p->Perform(WM_THEMECHANGED);
  EXPECT_EQ(XpColorScheme(), 2);
  SetColorSchemeNameReader([] { return String(); });
  p->Perform(WM_THEMECHANGED);
  EXPECT_EQ(XpColorScheme(), 0);
  SetColorSchemeNameReader(old);
}

TEST_F(TPanelFixture, GradientStylesTakeSchemeColoursUnlessCustom) {
  TRzPanel* p = NewPanel(60, 40);
  p->SetVisualStyle(vsGradient);
  p->SetGradientColorStyle(gcsCustom);
  p->SetGradientColorStart(clRed);
  p->SetGradientColorStop(clBlue);
  TColor start, stop, flat;
  int adjustment;
  p->GetGradientColors(start, stop);
  EXPECT_EQ(start, clRed);
  p->GetFlatColors(flat, adjustment);
  EXPECT_EQ(flat, clBtnShadow);
  EXPECT_EQ(adjustment, 30);
  const vamire_test::Capture cap = Paint(p);
  EXPECT_EQ(cap.At(30, 37), Rgb(clBlue)) << "the gradient's last row inside the border is the stop colour";
  p->SetGradientColorStyle(gcsSystem);
  p->GetGradientColors(start, stop);
  EXPECT_EQ(start, clWindow);
  EXPECT_EQ(stop, ShadeColor(clBtnFace, 10));
  p->GetFlatColors(flat, adjustment);
  EXPECT_EQ(flat, TintColor(clBtnShadow, 30));
  EXPECT_EQ(adjustment, 0);
}

TEST_F(TPanelFixture, MouseEnterAndLeaveFireAfterTheRuntimeButEnterNotWhileDesigning) {
  struct TCount : TObject {
    int Enter = 0, Leave = 0;
    void OnEnter(TObject*) { ++Enter; }
    void OnLeave(TObject*) { ++Leave; }
  } count;
  TRzPanel* p = NewPanel(10, 10);
  p->OnMouseEnter = TNotifyEvent(&count, &TCount::OnEnter);
  p->OnMouseLeave = TNotifyEvent(&count, &TCount::OnLeave);
  p->Perform(CM_MOUSEENTER);
  p->Perform(CM_MOUSELEAVE);
  EXPECT_EQ(count.Enter, 1);
  EXPECT_EQ(count.Leave, 1);
  p->SetDesigning(true);
  p->Perform(CM_MOUSEENTER);
  EXPECT_EQ(count.Enter, 1);
}

// --- Frame controller ---------------------------------------------------------------------
TEST_F(TPanelFixture, TheControllerUpdatesAPanelOnlyWhileItsFrameIsVisible) {
  auto* controller = new TRzFrameController(Form);
  TRzPanel* p = NewPanel(40, 30);
  p->SetFrameController(controller);
  EXPECT_TRUE(controller->IsAttached(p));
  EXPECT_EQ(p->BorderOuter(), fsRaised) << "the frame is not visible: nothing taken";
  controller->SetFrameStyle(fsFlatBold);
  controller->SetColor(clAqua);
  controller->SetFrameColor(clRed);
  controller->SetFrameVisible(true);
  EXPECT_EQ(p->BorderOuter(), fsFlatBold);
  EXPECT_EQ(p->Color(), clAqua);
  EXPECT_EQ(p->FlatColor(), clRed);
  EXPECT_EQ(p->FlatColorAdjustment(), 0);
  EXPECT_EQ(p->BorderHighlight(), TintColor(clAqua, 100));
  EXPECT_EQ(p->BorderShadow(), ShadeColor(clAqua, 50));
  // Masked out: the sides stay.
  p->SetFrameControllerNotifications(AllFrameControllerNotifications() - TRzFrameControllerNotifications{fcpFrameSides});
  controller->SetFrameSides({sdTop});
  EXPECT_EQ(p->BorderSides(), sdAllSides);
  delete controller;
  EXPECT_EQ(p->FrameController(), nullptr) << "a freed controller is forgotten";
}

TEST_F(TPanelFixture, OtherControlsGetSettingsCopiedByNameUnderTheirMask) {
  auto* controller = new TRzFrameController(Form);
  auto* edit = new TEdit(Form);
  edit->SetParent(Form);
  controller->SetColor(clYellow);
  EXPECT_EQ(controller->FocusColor(), clYellow) << "the focus colour followed the colour it equalled";
  controller->AttachControl(edit);
  EXPECT_EQ(edit->Color(), clYellow) << "Color copied by name; the edit has no frame properties, they are skipped";
  EXPECT_FALSE(edit->ParentColor());
  controller->LockUpdates();
  controller->SetColor(clLime);
  EXPECT_EQ(edit->Color(), clYellow) << "nothing moves while locked";
  controller->UnlockUpdates();
  EXPECT_EQ(edit->Color(), clLime);
  controller->SetParentColor(true);
  EXPECT_TRUE(edit->ParentColor());
  // An attached control freed without detaching leaves the list.
  delete edit;
  EXPECT_EQ(controller->AttachedCount(), 0);
  controller->SetColor(clRed);  // would reach a freed control otherwise
  controller->DetachControl(edit);  // not attached: nothing happens
}

TEST_F(TPanelFixture, HotTrackingShowsTheFrameOnAllSidesAndAssignCopiesEverySetting) {
  TRzFrameController a(nullptr), b(nullptr);
  a.SetFrameSides({sdLeft});
  a.SetFrameHotTrack(true);
  EXPECT_TRUE(a.FrameVisible());
  EXPECT_EQ(a.FrameSides(), sdAllSides);
  a.SetFrameStyle(fsGroove);
  a.SetReadOnlyColor(clRed);
  b.Assign(&a);
  EXPECT_EQ(b.FrameStyle(), fsGroove);
  EXPECT_EQ(b.ReadOnlyColor(), clRed);
  EXPECT_TRUE(b.FrameHotTrack());
  EXPECT_THROW(b.SetFrameStyle(fsFlatRounded), ERangeError);
  EXPECT_EQ(b.FrameStyle(), fsGroove);
}

// --- Dock manager -------------------------------------------------------------------------
TEST_F(TPanelFixture, ADockSitePanelGetsAManagerThatDrawsGrabbers) {
  TRzPanel* p = NewPanel(200, 100);
  EXPECT_EQ(p->DockManager(), nullptr);
  p->SetDockSite(true);
  TRzPanelDockManager* manager = p->DockManager();
  ASSERT_NE(manager, nullptr);
  EXPECT_TRUE(p->DoubleBuffered());
  EXPECT_EQ(p->ClientRect(), (TRect{0, 0, 200, 100})) << "a dock site's client area keeps its border";
  TRect r{10, 10, 90, 60};
  manager->AdjustDockRect(nullptr, r);
  EXPECT_EQ(r, (TRect{10, 24, 90, 60})) << "a band on top";
  p->SetAlign(alTop);
  r = TRect{10, 10, 90, 60};
  manager->AdjustDockRect(nullptr, r);
  EXPECT_EQ(r, (TRect{24, 10, 90, 60})) << "a band on the left for a panel along the top";

  auto* docked = new TLabel(Form);
  docked->SetCaption(L"Tools");
  TPanelSurface s(100, 60, Paper);
  manager->PaintDockFrame(&s.Canvas, docked, TRect{0, 0, 100, 60});
  const vamire_test::Capture left = s.Cap();
  EXPECT_EQ(left.At(13, 30), Rgb(clActiveCaption)) << "a windowless client draws as the active one";
  EXPECT_EQ(left.At(14, 30), Rgb(Paper));
  p->SetAlign(alNone);
  s.Fill(Paper);
  manager->PaintDockFrame(&s.Canvas, docked, TRect{0, 0, 100, 60});
  EXPECT_EQ(s.Cap().At(50, 13), Rgb(clActiveCaption));
  EXPECT_EQ(s.Cap().At(50, 14), Rgb(Paper));
  p->SetShowDockClientCaptions(false);
  s.Fill(Paper);
  manager->PaintDockFrame(&s.Canvas, docked, TRect{0, 0, 100, 60});
  EXPECT_EQ(s.Cap().CountNot(Rgb(Paper)), 0u);
}

// --- Form file ----------------------------------------------------------------------------
class TSwatchForm : public TForm {
  VAMIRE_CLASS(TSwatchForm, TForm)
 public:
  using TForm::TForm;
  int Clicks = 0;
  void SwatchMouseDown(TObject*, TMouseButton, TShiftState, int, int) { ++Clicks; }
  void PanelPaint(TObject*) {}
};

VAMIRE_PUBLISHED(TSwatchForm, Handler(L"SwatchMouseDown", &TSwatchForm::SwatchMouseDown),
                 Handler(L"PanelPaint", &TSwatchForm::PanelPaint))

TEST(PanelFormTest, AnOldFormWithObsoletePropertiesReads) {
  RegisterClasses({TSwatchForm::StaticClass()});
  const String text =
      L"object SwatchForm: TSwatchForm\n"
      L"  Left = 0\n"
      L"  Top = 0\n"
      L"  Width = 300\n"
      L"  Height = 200\n"
      L"  object Controller1: TRzFrameController\n"
      L"    FrameFlat = True\n"
      L"    FrameFocusStyle = fsButtonDown\n"
      L"    FrameFlatStyle = fsFlat\n"
      L"    FrameColor = clRed\n"
      L"  end\n"
      L"  object Swatch1: TRzPanel\n"
      L"    Left = 8\n"
      L"    Top = 8\n"
      L"    Width = 40\n"
      L"    Height = 30\n"
      L"    BorderOuter = fsFlatRounded\n"
      L"    BorderSides = [sdLeft, sdTop]\n"
      L"    Caption = 'Swatch'\n"
      L"    Color = clMoneyGreen\n"
      L"    FrameSides = [sdLeft, sdBottom]\n"
      L"    ThemeAware = False\n"
      L"    UseGradients = True\n"
      L"    GradientDirection = gdVerticalCenter\n"
      L"    AlignmentVertical = avTop\n"
      L"    FrameControllerNotifications = [fcpColor, fcpFrameStyle]\n"
      L"    OnMouseDown = SwatchMouseDown\n"
      L"    OnPaint = PanelPaint\n"
      L"  end\n"
      L"  object Band1: TRzPanel\n"
      L"    Left = 0\n"
      L"    Top = 170\n"
      L"    Width = 300\n"
      L"    Height = 30\n"
      L"    Align = alBottom\n"
      L"    BorderOuter = fsNone\n"
      L"    ThemeAware = True\n"
      L"    UseGradients = False\n"
      L"    FrameController = Controller1\n"
      L"  end\n"
      L"end\n";
  TSwatchForm form(nullptr);
  TStringStream in(FormTextToBinary(text));
  try {
    ReadComponentFromStream(&in, &form);
  } catch (const Exception& e) {
    FAIL() << UTF8Encode(e.ClassName() + L": " + e.Message());
  }
  auto* controller = dynamic_cast<TRzFrameController*>(form.FindComponent(L"Controller1"));
  auto* swatch = dynamic_cast<TRzPanel*>(form.FindComponent(L"Swatch1"));
  auto* band = dynamic_cast<TRzPanel*>(form.FindComponent(L"Band1"));
  ASSERT_TRUE(controller && swatch && band);
  EXPECT_TRUE(controller->FrameHotTrack()) << "FrameFlat";
  EXPECT_EQ(controller->FrameStyle(), fsStatus) << "FrameFlat";
  EXPECT_EQ(controller->FrameHotStyle(), fsButtonDown) << "FrameFocusStyle, read after FrameFlat";
  EXPECT_EQ(swatch->BorderOuter(), fsFlatRounded);
  EXPECT_EQ(swatch->BorderSides(), (TSides{sdLeft, sdTop})) << "the obsolete FrameSides is discarded";
  EXPECT_EQ(swatch->VisualStyle(), vsGradient) << "UseGradients";
  EXPECT_EQ(band->VisualStyle(), vsWinXP);
  EXPECT_EQ(swatch->GradientDirection(), gdVerticalCenter);
  EXPECT_EQ(swatch->AlignmentVertical(), avTop);
  EXPECT_EQ(swatch->Color(), clMoneyGreen);
  EXPECT_EQ(swatch->Caption(), L"Swatch");
  EXPECT_EQ(swatch->FrameControllerNotifications(), (TRzFrameControllerNotifications{fcpColor, fcpFrameStyle}));
  EXPECT_TRUE(swatch->OnMouseDown);
  EXPECT_EQ(band->FrameController(), controller);
  EXPECT_TRUE(controller->IsAttached(band));
  EXPECT_EQ(band->Align(), alBottom);
  EXPECT_TRUE(band->Caption().empty()) << "a panel does not take its name as caption";
  EXPECT_EQ(band->BorderOuter(), fsStatus) << "the controller's frame is visible (FrameFlat): its style is taken";

  // Written back, nothing obsolete and only what differs from the defaults.
  TStringStream out;
  WriteComponentToStream(&out, &form);
  const String written = FormBinaryToText(out.DataString());
  EXPECT_EQ(written.find(L"UseGradients"), String::npos);
  EXPECT_EQ(written.find(L"BevelOuter"), String::npos);
  EXPECT_NE(written.find(L"VisualStyle = vsGradient"), String::npos);
  EXPECT_NE(written.find(L"BorderSides = [sdLeft, sdTop]"), String::npos);
  UnRegisterClass(TSwatchForm::StaticClass());
}

}  // namespace
