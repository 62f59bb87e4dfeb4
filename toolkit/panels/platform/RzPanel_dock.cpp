// The bordered panel's dock manager: grabbers with captions and close glyphs.
#include "RzPanel.h"

TRzPanelDockManager::TRzPanelDockManager(TRzCustomPanel* Panel)
    : FPanel(Panel), FCaptionFont(new TFont()), FCloseFont(new TFont()) {
  FCaptionFont->SetName(L"Verdana");
  FCaptionFont->SetSize(8);
  FCloseFont->SetName(L"Marlett");
  FCloseFont->SetSize(8);
  if (!Panel->ComponentState().Contains(csDesigning)) {
    FOldWindowProc = Panel->WindowProc();
    Panel->SetWindowProc(TWndMethod(this, &TRzPanelDockManager::SiteWindowProc));
    FHooked = true;
  }
}

TRzPanelDockManager::~TRzPanelDockManager() {
  if (FHooked) FPanel->SetWindowProc(FOldWindowProc);
  delete FCloseFont;
  delete FCaptionFont;
}

void TRzPanelDockManager::SiteWindowProc(TMessage& Message) {
  if (Message.Msg == WM_COMMAND || Message.Msg == WM_MOUSEACTIVATE) FPanel->Invalidate();
  FOldWindowProc(Message);
}

bool TRzPanelDockManager::GrabberOnLeft() const {
  return FPanel->Align() == alTop || FPanel->Align() == alBottom;
}

void TRzPanelDockManager::AdjustDockRect(TControl*, TRect& ARect) {
  if (GrabberOnLeft())
    ARect.Left += FGrabberSize;
  else
    ARect.Top += FGrabberSize;
}

void TRzPanelDockManager::PaintDockFrame(TCanvas* Canvas, TControl* Control, const TRect& ARect) {
  if (!FPanel->ShowDockClientCaptions()) return;
  auto* windowed = dynamic_cast<TWinControl*>(Control);
  const bool active = !windowed || windowed->Focused();
  Canvas->Font()->Assign(FCaptionFont);
  Canvas->Brush()->SetStyle(bsSolid);
  Canvas->Brush()->SetColor(active ? clActiveCaption : clInactiveCaption);
  Canvas->Font()->SetColor(active ? clCaptionText : clInactiveCaptionText);
  const String caption = Control->Caption();
  const UINT glyphFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;
  if (GrabberOnLeft()) {
    const TRect band{ARect.Left, ARect.Top, ARect.Left + FGrabberSize, ARect.Bottom};
    Canvas->FillRect(band);
    HDC dc = Canvas->Handle();
    HFONT angled = MakeAngledFont(FCaptionFont, 90);
    HGDIOBJ oldFont = SelectObject(dc, angled);
    const UINT oldAlign = SetTextAlign(dc, TA_BASELINE);
    SetTextColor(dc, COLORREF(ColorToRGB(clCaptionText)));
    SetBkMode(dc, TRANSPARENT);
    ExtTextOutW(dc, band.Right - 2, band.Bottom - 3, ETO_CLIPPED, AsRect(band), caption.c_str(), UINT(caption.size()),
                nullptr);
    SetTextAlign(dc, oldAlign);
    SelectObject(dc, oldFont);
    DeleteObject(angled);
    TRect glyph{ARect.Left + 1, ARect.Top + 1, ARect.Left + 12, ARect.Top + 12};
    Canvas->Font()->Assign(FCloseFont);
    Canvas->Font()->SetColor(clCaptionText);
    Canvas->Brush()->SetStyle(bsClear);
    DrawTextInRect(Canvas, L"r", glyph, glyphFormat);
  } else {
    const TRect band{ARect.Left, ARect.Top, ARect.Right, ARect.Top + FGrabberSize};
    Canvas->TextRect(band, band.Left + 2, band.Top, caption);
    TRect glyph{ARect.Right - 15, ARect.Top + 1, ARect.Right - 2, ARect.Top + 12};
    Canvas->Font()->Assign(FCloseFont);
    Canvas->Font()->SetColor(active ? clCaptionText : clInactiveCaptionText);
    Canvas->Brush()->SetStyle(bsClear);
    DrawTextInRect(Canvas, L"r", glyph, glyphFormat);
  }
  Canvas->Brush()->SetStyle(bsSolid);
}
