#include "cxExtEditUtils_win.h"

#include <memory>

void DrawDoubleSeparatorLine(TcxCanvas* ACanvas, const TRect& R, bool ALight) {
  ACanvas->Pen()->SetColor(ALight ? clWindow : clWindowText);
  ACanvas->Pen()->SetStyle(psSolid);
  ACanvas->Pen()->SetWidth(1);
  for (const int y : {R.Bottom - 3, R.Bottom - 1}) {
    ACanvas->MoveTo(R.Left, y);
    ACanvas->LineTo(R.Right, y);
  }
}

namespace {
template <class F>
auto MeasureWith(TFont* AFont, F AMeasure) {
  TBitmap bitmap;
  bitmap.Canvas()->Font()->Assign(AFont);
  return AMeasure(bitmap.Canvas());
}
}  // namespace

int GetFontTextHeight(TFont* AFont) {
  return MeasureWith(AFont, [](TCanvas* c) { return c->TextHeight(L"Wg"); });
}

int GetFontTextWidth(TFont* AFont, const String& AText) {
  return MeasureWith(AFont, [&](TCanvas* c) { return c->TextWidth(AText); });
}

bool SetRotatedFont(TCanvas* ACanvas, TFont* AFont, int AAngle) {
  ACanvas->Font()->Assign(AFont);
  TEXTMETRICW tm{};
  GetTextMetricsW(ACanvas->Handle(), &tm);
  const bool trueType = (tm.tmPitchAndFamily & TMPF_TRUETYPE) != 0;
  const int angle = (AAngle % 360 + 360) % 360;
  if (!trueType || angle == 0) return trueType;
  LOGFONTW lf{};
  if (GetObjectW(ACanvas->Font()->Handle(), sizeof lf, &lf) != int(sizeof lf)) return trueType;
  lf.lfEscapement = lf.lfOrientation = angle * 10;
  auto rotated = std::make_unique<TFont>();
  rotated->Assign(ACanvas->Font());
  rotated->SetHandle(CreateFontIndirectW(&lf));
  ACanvas->Font()->Assign(rotated.get());
  return trueType;
}
