// The sub-picture windows' arithmetic without a window: the two roundings,
// the preview for a selection, and the rectangle a drag leaves with the wall
// values it sends.
#include <gtest/gtest.h>

#include "SubPicture.h"

namespace {

TEST(SubPictureRounding, HalvesGoUpOrDownAndOtherFractionsToTheNearest) {
  struct {
    double Value;
    int Up, Down;
  } cases[] = {
      {0.5, 1, 0}, {1.5, 2, 1}, {2.5, 3, 2}, {2.6, 3, 3}, {2.4, 2, 2}, {0.0, 0, 0}, {47.0, 47, 47}, {49.5, 50, 49},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Value);
    EXPECT_EQ(RoundHalfUp(c.Value), c.Up);
    EXPECT_EQ(RoundHalfDown(c.Value), c.Down);
  }
}

TEST(SubPictureRounding, ALeftOfOneSendsZeroWhereRoundingWouldGiveOne) {
  EXPECT_EQ(MoveValues({1, 1, 40, 40}).First, 0);
  EXPECT_EQ(MoveValues({1, 1, 40, 40}).Second, 0) << "a top of 1 rounds half down";
  EXPECT_EQ(MoveValues({3, 3, 40, 40}).First, 2) << "1.5 up";
  EXPECT_EQ(MoveValues({3, 3, 40, 40}).Second, 1) << "1.5 down";
  EXPECT_EQ(MoveValues({2, 5, 40, 40}).First, 1);
}

TEST(SubPicturePreview, RoamingKeepsItsRectangleBeyondFivePanelsAndTheVariantCapsEachSide) {
  struct {
    TSubPictureKind Kind;
    int Rows, Columns;
    TPreviewLayout Expected;
  } cases[] = {
      {TSubPictureKind::Roaming, 1, 1, {100, 100, true}},
      {TSubPictureKind::Roaming, 2, 5, {500, 200, true}},
      {TSubPictureKind::Roaming, 5, 5, {500, 500, true}},
      {TSubPictureKind::Roaming, 6, 2, {400, 400, false}},
      {TSubPictureKind::Roaming, 1, 6, {400, 400, false}},
      {TSubPictureKind::Variant, 6, 2, {200, 500, true}},
      {TSubPictureKind::Variant, 3, 15, {500, 300, true}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.Rows) + " x " + std::to_string(c.Columns));
    const TPreviewLayout got = PreviewLayout(c.Kind, c.Rows, c.Columns);
    EXPECT_EQ(got.ImageWidth, c.Expected.ImageWidth);
    EXPECT_EQ(got.ImageHeight, c.Expected.ImageHeight);
    EXPECT_EQ(got.ResetRect, c.Expected.ResetRect);
  }
}

// One drag from `from` by (dx, dy) over a 300 x 200 preview.
TSubRect Drag(TSubPictureKind kind, TSubDragMode mode, TSubRect from, int dx, int dy, bool lock, int imageWidth = 300,
              int imageHeight = 200) {
  TSubPictureDrag drag;
  drag.Press(mode, 50, 50, from);
  const TSubLimits limits = SubLimits(kind, imageWidth + 2, imageHeight + 2);
  // A move in two steps: the rule takes each position from the press.
  TSubRect r = drag.MoveTo(50 + dx / 2, 50 + dy / 2, from, kind, limits, lock, imageWidth, imageHeight);
  r = drag.MoveTo(50 + dx, 50 + dy, r, kind, limits, lock, imageWidth, imageHeight);
  EXPECT_EQ(drag.Release(), mode);
  EXPECT_EQ(drag.Mode(), TSubDragMode::None);
  return r;
}

void ExpectRect(const TSubRect& got, TSubRect expected) {
  EXPECT_EQ(got.Left, expected.Left);
  EXPECT_EQ(got.Top, expected.Top);
  EXPECT_EQ(got.Width, expected.Width);
  EXPECT_EQ(got.Height, expected.Height);
}

TEST(SubPictureDrag, MovesStayInsideThePreviewAndNeverReachZero) {
  const auto roaming = TSubPictureKind::Roaming;
  const auto move = TSubDragMode::Move;
  struct {
    const char* Name;
    int Dx, Dy;
    TSubRect Expected;
  } cases[] = {
      {"to the top-left corner", -500, -500, {1, 1, 40, 40}},
      {"exactly to 0", -60, -60, {1, 1, 40, 40}},
      {"inside", 10, 20, {70, 80, 40, 40}},
      {"past the far edges", 900, 900, {260, 160, 40, 40}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    ExpectRect(Drag(roaming, move, {60, 60, 40, 40}, c.Dx, c.Dy, false), c.Expected);
  }
  // The corner sends 0 and 0.
  const TSubWallValues corner = MoveValues(Drag(roaming, move, {60, 60, 40, 40}, -500, -500, false));
  EXPECT_EQ(corner.First, 0);
  EXPECT_EQ(corner.Second, 0);
}

TEST(SubPictureDrag, ResizesKeepTheLimitsTheLocksAndThePreview) {
  const auto roaming = TSubPictureKind::Roaming, variant = TSubPictureKind::Variant;
  const auto resize = TSubDragMode::Resize;
  struct {
    const char* Name;
    TSubPictureKind Kind;
    TSubRect From;
    int Dx, Dy;
    bool Lock;
    TSubRect Expected;
  } cases[] = {
      {"roaming: below the minimum", roaming, {1, 1, 60, 60}, -50, -50, false, {1, 1, 40, 40}},
      {"roaming: above the maximum", roaming, {1, 1, 60, 60}, 100, 100, false, {1, 1, 94, 100}},
      {"roaming: cut at the preview's end", roaming, {1, 150, 40, 40}, 0, 30, false, {1, 150, 40, 50}},
      {"roaming: locked to 120 gives 94 x 94", roaming, {1, 1, 40, 40}, 0, 80, true, {1, 1, 94, 94}},
      {"roaming: locked below 100 is square", roaming, {1, 1, 40, 40}, 30, 50, true, {1, 1, 90, 90}},
      {"variant: locked at 99 is square", variant, {1, 1, 20, 20}, 0, 79, true, {1, 1, 99, 99}},
      {"variant: locked at 100 takes the width the drag reached at 60", variant, {1, 1, 30, 20}, 0, 80, true,
       {1, 1, 60, 60}},
      {"variant: the maximum is the panel", variant, {1, 1, 20, 20}, 500, 500, false, {1, 1, 302, 202}},
      {"variant: below its minimum", variant, {1, 1, 30, 30}, -25, -25, false, {1, 1, 20, 20}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    ExpectRect(Drag(c.Kind, resize, c.From, c.Dx, c.Dy, c.Lock), c.Expected);
  }
}

TEST(SubPictureDrag, ASizeAtRestSendsHalfItsSidesAndTheLockChangesNothingSent) {
  const TSubWallValues rest = SizeValues({1, 1, 40, 40});
  EXPECT_EQ(rest.First, 20);
  EXPECT_EQ(rest.Second, 20);
  const TSubWallValues odd = SizeValues({1, 1, 41, 95});
  EXPECT_EQ(odd.First, 20) << "20.5 rounds down";
  EXPECT_EQ(odd.Second, 47);
  // Without a press nothing moves.
  TSubPictureDrag idle;
  ExpectRect(idle.MoveTo(500, 500, {5, 6, 40, 41}, TSubPictureKind::Roaming, SubLimits(TSubPictureKind::Roaming, 0, 0),
                         false, 300, 300),
             {5, 6, 40, 41});
  EXPECT_EQ(idle.Release(), TSubDragMode::None);
}

}  // namespace
