#include "uLEDDisplay.h"

#include <windowsx.h>

#include "ConsoleForms.h"
#include "Subtitles.h"

static_assert(shCaption == HTCAPTION && shLeft == HTLEFT && shRight == HTRIGHT && shTop == HTTOP &&
              shTopLeft == HTTOPLEFT && shTopRight == HTTOPRIGHT && shBottom == HTBOTTOM &&
              shBottomLeft == HTBOTTOMLEFT && shBottomRight == HTBOTTOMRIGHT);

namespace {

TRect SystemWorkArea() {
  RECT r{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
  return TRect{r.left, r.top, r.right, r.bottom};
}

TWorkAreaProc& WorkAreaProc() {
  static TWorkAreaProc proc = &SystemWorkArea;
  return proc;
}

// Moves a window as its caption would: the system's move loop, which lasts
// while the button that started it is held.
const WPARAM MoveByCaption = 0xF012;

}  // namespace

TWorkAreaProc SetSubtitleWorkAreaProc(TWorkAreaProc proc) {
  TWorkAreaProc previous = WorkAreaProc();
  WorkAreaProc() = proc ? proc : &SystemWorkArea;
  return previous;
}

TRect SubtitleWorkArea() { return WorkAreaProc()(); }

// --- TSubtitleWindow ------------------------------------------------------------------------
void TSubtitleWindow::CreateParams(TCreateParams& Params) {
  SetBorderStyle(bsToolWindow);  // off the task bar
  TForm::CreateParams(Params);
  Params.WndParent = GetDesktopWindow();
  Params.Style &= ~DWORD(WS_CAPTION | WS_BORDER);
  Params.Style |= WS_POPUP | WS_CLIPCHILDREN;
}

void TSubtitleWindow::Dispatch(TMessage& Message) {
  TForm::Dispatch(Message);
  if (Message.Msg != WM_NCHITTEST) return;
  RECT w{};
  GetWindowRect(Handle(), &w);
  const TPoint p{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)};
  Message.Result = SubtitleHitTest(p, TRect{w.left, w.top, w.right, w.bottom}, int(Message.Result));
  Refit();
}

void TSubtitleWindow::SubtitleMouseMove(TObject*, TShiftState Shift, int, int) {
  // Without the left button down the system's move loop would run until the
  // next click, holding the window to the pointer.
  if (!Shift.Contains(ssLeft)) return;
  ReleaseCapture();
  Perform(WM_SYSCOMMAND, MoveByCaption, 0);
}

void TSubtitleWindow::SubtitleMouseUp(TObject*, TMouseButton, TShiftState, int, int) {
  Perform(WM_NCHITTEST, 0, 0);  // for its refit
}

// --- TfrmLEDDisplay -------------------------------------------------------------------------
void TfrmLEDDisplay::AfterConstruction() {
  TSubtitleWindow::AfterConstruction();
  BindFormComponents(this, L"rzmrqstsText", rzmrqstsText, L"rzmrqstsText1", rzmrqstsText1, L"rzmrqstsText2",
                     rzmrqstsText2);
}

void TfrmLEDDisplay::ApplySubtitleStyle(const TSubtitleStyle& Style) {
  rzmrqstsText->SetCaption(Style.Text);
  rzmrqstsText->Font()->SetName(Style.FontName);
  rzmrqstsText->Font()->SetSize(Style.FontSize);
  rzmrqstsText->Font()->SetColor(StringToColor(Style.ColorName));
  const TMarqueeMotion motion = MarqueeMotion(Style.Interval);
  if (!motion.Scrolls) {
    rzmrqstsText->SetScrollType(rzmrqstsText1->ScrollType());
  } else {
    rzmrqstsText->SetScrollType(rzmrqstsText2->ScrollType());
    rzmrqstsText->SetScrollDelay(std::uint16_t(motion.Delay));
  }
  if (!Style.KeepBackground) rzmrqstsText->SetFillColor(Style.Background);
}

void TfrmLEDDisplay::FormShow(TObject*) {
  const TRect area = SubtitleWorkArea();
  rzmrqstsText->SetScrollSize(std::uint16_t(MarqueeScrollSize(area.Right - area.Left)));
}

void TfrmLEDDisplay::Refit() {
  if (rzmrqstsText) rzmrqstsText->SetBounds(rzmrqstsText->Left(), rzmrqstsText->Top(), ClientWidth() + 19, ClientHeight() + 16);
}

VAMIRE_PUBLISHED(TSubtitleWindow, Handler(L"FormMouseMove", &TSubtitleWindow::SubtitleMouseMove),
                 Handler(L"FormMouseUp", &TSubtitleWindow::SubtitleMouseUp))
VAMIRE_PUBLISHED(TfrmLEDDisplay, Handler(L"FormShow", &TfrmLEDDisplay::FormShow))
