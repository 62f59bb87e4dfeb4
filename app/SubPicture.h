// The sub-picture windows' arithmetic (TForm12 and its variant Tform13): the
// preview's size for a selection, the rectangle dragged over it with the left
// button (move) or the right one (resize), and the wall values sent when the
// button goes up. No window here, so the rules are tried natively.
#pragma once

// Halves rounded as the wall expects them: RoundHalfUp takes a fraction of
// exactly 0.5 up, RoundHalfDown takes it down; other fractions go to the
// nearer integer.
int RoundHalfUp(double value);
int RoundHalfDown(double value);

// TForm12 and Tform13 differ in their limits, their scale lock and their
// preview sizing.
enum class TSubPictureKind { Roaming, Variant };

struct TSubRect {
  int Left = 1, Top = 1, Width = 40, Height = 40;
};

struct TSubLimits {
  int MinWidth, MinHeight, MaxWidth, MaxHeight;
};

// The preview for a selection of `rows` x `columns` panels at 100 pixels a
// panel. TForm12: up to 5 x 5, else a fixed 400 x 400 with the rectangle
// kept where it was; Tform13: each side capped at 500, the rectangle reset.
struct TPreviewLayout {
  int ImageWidth, ImageHeight;
  bool ResetRect;  // the rectangle goes back to its start size at (1, 1)
};
TPreviewLayout PreviewLayout(TSubPictureKind kind, int rows, int columns);
// The rectangle a show starts from.
TSubRect StartRect(TSubPictureKind kind);
// TForm12's fixed limits; Tform13's maximum is its preview panel's size.
TSubLimits SubLimits(TSubPictureKind kind, int panelWidth, int panelHeight);

enum class TSubDragMode { None, Move, Resize };

// One drag over the preview: a press fixes the mode and what it starts
// from, each move gives the rectangle, and the release ends the mode and
// says what to send.
class TSubPictureDrag {
 public:
  void Press(TSubDragMode mode, int x, int y, const TSubRect& rect);
  TSubDragMode Mode() const { return FMode; }
  // The rectangle after the pointer moved to (x, y) over a preview of
  // imageWidth x imageHeight; unchanged when no drag is on.
  TSubRect MoveTo(int x, int y, const TSubRect& rect, TSubPictureKind kind, const TSubLimits& limits,
                  bool scaleLock, int imageWidth, int imageHeight) const;
  // The mode of the drag that ended, which is then over.
  TSubDragMode Release();

 private:
  TSubDragMode FMode = TSubDragMode::None;
  int FPressX = 0, FPressY = 0;
  TSubRect FAtPress;
};

// The two wall values of a finished drag: left and top after a move (a left
// of exactly 1 sends 0), width and height after a resize.
struct TSubWallValues {
  int First, Second;
};
TSubWallValues MoveValues(const TSubRect& rect);
TSubWallValues SizeValues(const TSubRect& rect);
