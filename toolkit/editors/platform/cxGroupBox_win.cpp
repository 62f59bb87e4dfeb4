#include "cxGroupBox_win.h"

#include "cxLookAndFeelPainters_win.h"

void PaintGroupBoxFrameByBorderStyle(TcxCanvas* ACanvas, const TRect& AFrame, const TcxGroupBoxFrameParams& P) {
  switch (P.BorderStyle) {
    case ebsSingle:
    case ebsThick:
      ACanvas->FrameRectBorders(AFrame, P.BorderColor, P.BorderStyle == ebsThick ? 2 : 1, P.Edges, true);
      break;
    case ebsFlat:
      TcxFlatLookAndFeelPainter::Instance()->PaintGroupBoxFrame(ACanvas, AFrame, P.Enabled, P.Position, P.Edges);
      break;
    case ebs3D:
      if (P.Ctl3D) {
        TcxStandardLookAndFeelPainter::Instance()->PaintGroupBoxFrame(ACanvas, AFrame, P.Enabled, P.Position, P.Edges);
      } else {
        ACanvas->FrameRectBorders(AFrame, clWindowFrame, 1, P.Edges, true);
        const TRect inner{AFrame.Left + 1, AFrame.Top + 1, AFrame.Right - 1, AFrame.Bottom - 1};
        ACanvas->FrameRectBorders(inner, P.BackgroundColor, 1, P.Edges, true);
      }
      break;
    default: break;
  }
}

void DrawGroupBoxCaptionText(TcxCanvas* ACanvas, const String& ACaption, const TRect& ATextRect,
                             TcxCaptionAlignment AAlignment, bool APanelStyle, unsigned AFlags) {
  const TcxGroupBoxCaptionPosition position = GroupBoxAlignmentToCaptionPosition(AAlignment);
  ACanvas->Brush()->SetStyle(bsClear);
  if (!APanelStyle && (position == cxgpLeft || position == cxgpRight)) {
    DrawTextRotated(ACanvas, ACaption, ATextRect, position == cxgpLeft ? raPlus90 : raMinus90,
                    ACanvas->Font()->Color(), AFlags);
  } else {
    // Straight on the device context: the canvas font is selected into it
    // here, as the canvas may take what the context holds for its own.
    TRect r = ATextRect;
    HDC dc = ACanvas->Handle();
    const HGDIOBJ old = SelectObject(dc, ACanvas->Font()->Handle());
    const COLORREF oldColor = SetTextColor(dc, ColorToRGB(ACanvas->Font()->Color()));
    DrawTextOnDC(dc, ACaption, r, TRANSPARENT, clDefault, -1, AFlags);
    SetTextColor(dc, oldColor);
    SelectObject(dc, old);
  }
  ACanvas->Brush()->SetStyle(bsSolid);
}
