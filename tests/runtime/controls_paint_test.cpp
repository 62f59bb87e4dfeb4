// Painting: a custom control paints itself on its canvas and then its
// windowless children, each at its own place and clipped to its bounds, on
// screen, double buffered, and into another DC through PaintTo.
#include <gtest/gtest.h>

#include "controls_test_support.h"
#include "support/WindowCapture.h"

using namespace controls_test;

namespace {

constexpr uint32_t Red = 0xFF0000, Blue = 0x0000FF, Green = 0x00FF00;

struct TPainter : TObject {
  void PaintPanel(TObject* Sender) {
    TCanvas* c = static_cast<TCustomControl*>(Sender)->Canvas();
    c->Brush()->SetColor(clRed);
    c->FillRect(TRect{0, 0, 400, 400});
  }
  // Paints more than its bounds: the clip keeps it inside.
  void PaintShape(TObject* Sender) {
    TCanvas* c = static_cast<TGraphicControl*>(Sender)->Canvas();
    c->Brush()->SetColor(clBlue);
    c->FillRect(TRect{-50, -50, 400, 400});
    c->Brush()->SetColor(clLime);
    c->FillRect(TRect{0, 0, 5, 5});
  }
};

struct TScene {
  TPainter painter;
  THost host{nullptr};
  TMyPanel* panel;
  TMyShape* shape;
  TScene() {
    host.SetBounds(100, 100, 200, 150);
    panel = new TMyPanel(&host);
    panel->SetBounds(10, 10, 160, 120);
    panel->SetParent(&host);
    panel->OnPaint = TNotifyEvent(&painter, &TPainter::PaintPanel);
    shape = new TMyShape(&host);
    shape->SetBounds(30, 20, 40, 30);
    shape->SetParent(panel);
    shape->OnPaint = TNotifyEvent(&painter, &TPainter::PaintShape);
    host.Show();
  }
  void Check(const vamire_test::Capture& shot, const char* how) {
    ASSERT_GE(shot.Width, 160) << how;
    EXPECT_EQ(shot.At(5, 5), Red) << how << ": the panel's own painting";
    EXPECT_EQ(shot.At(29, 19), Red) << how << ": the child stays inside its bounds";
    EXPECT_EQ(shot.At(30, 20), Green) << how << ": the child's origin is its top-left corner";
    EXPECT_EQ(shot.At(50, 35), Blue) << how;
    EXPECT_EQ(shot.At(69, 49), Blue) << how;
    EXPECT_EQ(shot.At(70, 50), Red) << how << ": clipped at the child's right and bottom";
  }
};

TEST(ControlPaintTest, ACustomControlPaintsItselfThenItsWindowlessChild) {
  TScene scene;
  const auto shot = vamire_test::CaptureClient(scene.panel->Handle());
  shot.SavePng(L"controls_paint.png");
  scene.Check(shot, "on screen");
}

TEST(ControlPaintTest, DoubleBufferedPaintingLooksTheSame) {
  TScene scene;
  scene.panel->SetDoubleBuffered(true);
  scene.panel->Invalidate();
  const auto shot = vamire_test::CaptureClient(scene.panel->Handle());
  scene.Check(shot, "double buffered");
}

TEST(ControlPaintTest, PaintToDrawsTheControlIntoAnotherDC) {
  TScene scene;
  HDC screen = GetDC(nullptr);
  HDC mem = CreateCompatibleDC(screen);
  void* bits = nullptr;
  HBITMAP bmp = vamire_test::CreateTopDownDib(screen, 200, 150, &bits);
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(mem, bmp);
  RECT all{0, 0, 200, 150};
  FillRect(mem, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  scene.panel->PaintTo(mem, 20, 10);
  const auto shot = vamire_test::CaptureDC(mem, 20, 10, 160, 120);
  SelectObject(mem, old);
  DeleteObject(bmp);
  DeleteDC(mem);
  scene.Check(shot, "PaintTo");
}

TEST(ControlPaintTest, AHiddenWindowlessChildIsNotPainted) {
  TScene scene;
  scene.shape->Hide();
  const auto shot = vamire_test::CaptureClient(scene.panel->Handle());
  EXPECT_EQ(shot.At(50, 35), Red);
}

}  // namespace
