// What every style shares inside a tab: where the image and the caption go
// (centred together, or the caption cut with an end ellipsis when the room is
// short), and drawing them, turned for vertical tabs and embossed when disabled.
// Captions are fitted here rather than by the system's ellipsis drawing, which
// may rewrite the string it is given.
#include <algorithm>

#include "cxControlsBase.h"
#include "cxPC_win.h"
#include "dxCore_win.h"
#include "dxThemeManager.h"
#include "dxUxTheme.h"

namespace {

bool IsOneOf(int AValue, std::initializer_list<int> AList) {
  return std::find(AList.begin(), AList.end(), AValue) != AList.end();
}

int Half(int AValue) { return AValue / 2; }

}  // namespace

int TcxPCCustomPainter::GetContentRotation() {
  if (IsNativePainting()) return 0;
  return GetTabCaptionRotation(FTabControl->TabPosition(), FTabControl->Rotate(), FTabControl->Options());
}

// A pressed button moves its content by a pixel; rotated tabs centre across
// the whole tab; a row kept next to the page mirrors the margins.
void TcxPCCustomPainter::AdjustOffsets(int AVisibleIndex, int AOffsets[4]) {
  const TcxPCPainterClass cls = PainterClass();
  if (cls->SelectsTabOnMouseUp()) {
    const int state = GetTabDrawState(AVisibleIndex);
    if (GetContentRotation() == 2 ? state == 0 : state == 1) {
      ++AOffsets[1];
      --AOffsets[3];
    }
  } else if (FTabControl->Rotate()) {
    AOffsets[1] = AOffsets[3] = 0;
  }
  if (cls->KeepsSelectedRowAdjacent() &&
      IsOneOf(FTabControl->Tabs()->VisibleTab(AVisibleIndex)->LayoutKind(), {5, 7, 10}))
    std::swap(AOffsets[1], AOffsets[3]);
}

void TcxPCCustomPainter::AdjustMargins(int AVisibleIndex, int AMargins[2], bool AText) {
  const int r = GetContentRotation();
  if (IsNativePainting() && IsOneOf(FTabControl->Tabs()->VisibleTab(AVisibleIndex)->LayoutKind(), {2, 9, 12}))
    std::swap(AMargins[0], AMargins[1]);
  if (!PainterClass()->SelectsTabOnMouseUp()) return;
  if (GetTabDrawState(AVisibleIndex) == 1) {
    AMargins[0] += r == 1 ? -1 : 1;
    AMargins[1] += r == 1 ? 1 : -1;
  }
  if (AText && HasImages() && r == 1) {
    ++AMargins[0];
    --AMargins[1];
  }
}

void TcxPCCustomPainter::CalculateTabImageAndTextRects(int AVisibleIndex) {
  TcxTab* tab = FTabControl->Tabs()->VisibleTab(AVisibleIndex);
  const bool native = IsNativePainting();
  const bool vertical = IsVerticalTab(FTabControl->TabPosition(), FTabControl->Rotate());
  const int r = GetContentRotation();
  const bool hasImage = TabHasImage(AVisibleIndex);
  const String& caption = tab->Caption();
  TRect imageRect{}, textRect{};
  FFittedCaption.clear();
  FCaptionCut = false;

  const TRect full = tab->FullRect();
  const int w = full.Right - full.Left, h = full.Bottom - full.Top;
  const TRect R = !native ? full : vertical ? TRect{0, 0, h, w} : TRect{0, 0, w, h};

  // Across the tab: a band of the given thickness between the two margins.
  auto placeAcross = [&](TRect& ARect, const TSize& ASize, const int m[4]) {
    if (r == 0) {
      ARect.Top = R.Top + m[1] + Half(R.Bottom - m[3] - R.Top - m[1] - ASize.cy);
      ARect.Bottom = ARect.Top + ASize.cy;
    } else if (r == 1) {
      ARect.Left = R.Left + m[1] + Half(R.Right - m[3] - R.Left - m[1] - ASize.cx);
      ARect.Right = ARect.Left + ASize.cx;
    } else {
      ARect.Right = R.Right - m[1] - Half(R.Right - m[1] - R.Left - m[3] - ASize.cx);
      ARect.Left = ARect.Right - ASize.cx;
    }
  };
  const TSize imageSize = GetImageSize();
  if (hasImage) {
    int m[4];
    GetTabImageOffsets(AVisibleIndex, m);
    AdjustOffsets(AVisibleIndex, m);
    placeAcross(imageRect, GetRotatedImageSize(), m);
  }
  TcxCanvas* canvas = FTabControl->Canvas();
  if (!caption.empty()) {
    int m[4];
    GetTabTextOffsets(AVisibleIndex, m);
    AdjustOffsets(AVisibleIndex, m);
    const int t = canvas->MeasureTextHeight(L"Zg");
    placeAcross(textRect, TSize{t, t}, m);
  } else if (hasImage) {
    int n[2];
    GetImageOnlyTabOffsets(AVisibleIndex, n);
    AdjustMargins(AVisibleIndex, n, false);
    const int length = imageSize.cx;
    if (r == 0) {
      imageRect.Left = R.Left + n[0] + Half(R.Right - n[1] - R.Left - n[0] - length);
      imageRect.Right = imageRect.Left + length;
    } else if (r == 1) {
      const int bottom = R.Bottom - n[0], top = R.Top + n[1];
      if (PainterClass()->SelectsTabOnMouseUp()) {
        imageRect.Top = top + Half(bottom - top - length);
        imageRect.Bottom = imageRect.Top + length;
      } else {
        imageRect.Bottom = bottom - Half(bottom - top - length);
        imageRect.Top = imageRect.Bottom - length;
      }
    } else {
      imageRect.Top = R.Top + n[0] + Half(R.Bottom - n[1] - R.Top - n[0] - length);
      imageRect.Bottom = imageRect.Top + length;
    }
  }

  if (!caption.empty()) {
    const bool rotatedCaption = vertical && !native;
    int A = rotatedCaption ? R.Bottom - R.Top : R.Right - R.Left;
    int n[2];
    GetTextMargins(AVisibleIndex, n);
    AdjustMargins(AVisibleIndex, n, true);
    A -= n[0] + n[1];
    const bool imagesRotate = HasImages() && FTabControl->Rotate();
    const bool imagePart = imagesRotate || hasImage;
    const int border = FTabControl->ImageBorder();
    const int distance = GetImageTextDistance(AVisibleIndex);
    const int I = imagePart ? distance + 2 * border + imageSize.cx : 0;
    const String shown = RemoveAcceleratorsW(caption, false);
    auto measure = [canvas](const String& AText) { return canvas->MeasureTextWidth(AText); };
    const bool truncated = A - I < measure(shown);
    if (truncated) {
      A += n[0] + n[1];
      GetTruncatedTextMargins(AVisibleIndex, n);
      AdjustMargins(AVisibleIndex, n, true);
      A -= n[0] + n[1];
    }
    int W = 0;
    const String fitted = FitTextWithEndEllipsis(shown, A - I, measure, W);
    if (W > A - I) W = 0;
    const int C = I + W;
    if (C <= 0) {
      SetTabImageAndTextRects(AVisibleIndex, TRect{}, TRect{});
      return;
    }
    if (W > 0) {
      FCaptionCut = fitted != shown;
      FFittedCaption = FCaptionCut ? fitted : caption;
    }
    const int N = n[0], F = n[1];
    const bool centre = !truncated && !imagesRotate;
    if (r == 0 || r == 2) {
      const int start = r == 0 ? R.Left : R.Top, end = r == 0 ? R.Right : R.Bottom;
      int x = start + N;
      if (centre) x += Half(A - C);
      if (hasImage) (r == 0 ? imageRect.Left : imageRect.Top) = x + border;
      if (hasImage) (r == 0 ? imageRect.Right : imageRect.Bottom) = x + border + imageSize.cx;
      if (imagePart) x += distance + 2 * border + imageSize.cx;
      if (!truncated && imagesRotate) x += Half(end - x - F - W);
      if (r == 0) {
        textRect.Left = x;
        textRect.Right = x + W;
      } else {
        textRect.Top = x;
        textRect.Bottom = x + W;
      }
    } else {
      int y = R.Bottom - N;
      if (centre) y -= Half(A - C);
      if (hasImage) {
        imageRect.Bottom = y - border;
        imageRect.Top = imageRect.Bottom - imageSize.cx;
      }
      if (imagePart) y -= distance + 2 * border + imageSize.cx;
      if (!truncated && imagesRotate) y -= Half(y - R.Top - F - W);
      textRect.Top = y - W;
      textRect.Bottom = y;
    }
    if (W == 0) textRect = TRect{};
  }
  SetTabImageAndTextRects(AVisibleIndex, imageRect, textRect);
}

void TcxPCCustomPainter::DrawTabImageAndText(TcxTab* ATab, int AVisibleIndex) {
  FTabContent.VisibleIndex = AVisibleIndex;
  TcxCanvas* canvas = FTabControl->Canvas();
  PrepareTabFont(ATab, canvas);
  CalculateTabImageAndTextRects(AVisibleIndex);
  const TColor background = GetTabColor(AVisibleIndex);
  const bool enabled = ATab->RealEnabled();
  const int image = FTabControl->GetTabImageIndex(ATab->Index());
  if (HasImages() && image >= 0 && image < FTabControl->Images()->Count() && !RectHasNoArea(FTabContent.ImageRect)) {
    if (FTabPaintBitmap) {
      TcxCanvas target(FTabPaintBitmap->Canvas());
      FTabControl->ImageList()->Draw(&target, FTabContent.ImageRect.Left, FTabContent.ImageRect.Top, image, enabled,
                                     background);
    } else {
      FTabControl->ImageList()->Draw(canvas, FTabContent.ImageRect.Left, FTabContent.ImageRect.Top, image, enabled,
                                     background);
    }
  }
  if (!FFittedCaption.empty() && !RectHasNoArea(FTabContent.TextRect)) {
    if (IsVerticalTab(FTabControl->TabPosition(), FTabControl->Rotate()) && !IsNativePainting())
      DrawRotatedCaption(ATab, FFittedCaption, background, enabled);
    else
      DrawHorizontalCaption(FFittedCaption, background, enabled);
  }
  ExcludeTabContentFromClip(AVisibleIndex);
}

void TcxPCCustomPainter::DrawHorizontalCaption(const String& AText, TColor AColor, bool AEnabled) {
  const TRect& R = FTabContent.TextRect;
  if (FTabPaintBitmap) {
    DrawCaptionInBitmap(FTabPaintBitmap, AText, R, AColor, AEnabled);
    return;
  }
  const int w = R.Right - R.Left, h = R.Bottom - R.Top;
  if (!FCaptionCanvas) {
    FCaptionCanvas = std::make_unique<TBitmap>();
    FCaptionCanvas->SetPixelFormat(pf32bit);
  }
  if (FCaptionCanvas->Width() < w || FCaptionCanvas->Height() < h)
    FCaptionCanvas->SetSize(std::max(w, FCaptionCanvas->Width()), std::max(h, FCaptionCanvas->Height()));
  DrawCaptionInBitmap(FCaptionCanvas.get(), AText, R, AColor, AEnabled);
  MakeBitmapOpaque(FCaptionCanvas.get());
  BitBlt(FTabControl->Canvas()->Handle(), R.Left, R.Top, w, h, FCaptionCanvas->Canvas()->Handle(), 0, 0, SRCCOPY);
}

void TcxPCCustomPainter::DrawRotatedCaption(TcxTab* ATab, const String& AText, TColor AColor, bool AEnabled) {
  const TRect& R = FTabContent.TextRect;
  if (!ATab->CaptionBitmap) {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetPixelFormat(pf32bit);
    DrawCaptionInBitmap(bitmap.get(), AText, TRect{0, 0, R.Bottom - R.Top, R.Right - R.Left}, AColor, AEnabled);
    MakeBitmapOpaque(bitmap.get());
    FTabControl->Canvas()->RotateBitmap(bitmap.get(), TcxBitmapRotation(GetContentRotation()));
    ATab->CaptionBitmap = std::move(bitmap);
  }
  FTabControl->Canvas()->DrawGraphic(R.Left, R.Top, ATab->CaptionBitmap.get());
}

void TcxPCCustomPainter::DrawCaptionInBitmap(TBitmap* ABitmap, const String& AText, const TRect& R, TColor AColor,
                                             bool AEnabled) {
  const bool native = IsNativePainting() && ABitmap == FTabPaintBitmap;
  TcxCanvas* canvas = FTabControl->Canvas();
  const TSize size{R.Right - R.Left, R.Bottom - R.Top};
  if (native) {
    ABitmap->Canvas()->Font()->Assign(canvas->Font());
  } else if (ABitmap == FCaptionCanvas.get()) {
    // The shared caption bitmap keeps its size: only the caption's corner is prepared.
    TCanvas* target = ABitmap->Canvas();
    target->Font()->Assign(canvas->Font());
    target->Pen()->Assign(canvas->Canvas()->Pen());
    target->Brush()->SetColor(AColor);
    target->Brush()->SetStyle(bsSolid);
    target->FillRect(TRect{0, 0, size.cx, size.cy});
  } else {
    PrepareBitmap(ABitmap, canvas, size, AColor);
  }
  PrepareTabContentBitmap(ABitmap, FTabContent.TextRect, FTabContent.VisibleIndex);
  TRect target = native ? R : TRect{0, 0, R.Right - R.Left, R.Bottom - R.Top};
  TcxCanvas bitmapCanvas(ABitmap->Canvas());
  ABitmap->Canvas()->Brush()->SetStyle(bsClear);
  if (!AEnabled) {
    ABitmap->Canvas()->Font()->SetColor(GetDisabledTextHighlightColor());
    if (DrawsEmbossedDisabledText()) {
      DrawTabText(&bitmapCanvas, AText, FTabContent.VisibleIndex, OffsetRectBy(target, 1, 1));
      ABitmap->Canvas()->Font()->SetColor(GetDisabledTextShadowColor());
    }
  }
  DrawTabText(&bitmapCanvas, AText, FTabContent.VisibleIndex, target);
}
