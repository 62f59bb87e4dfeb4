#include "uSubtitleSettings.h"

#include "SysUtils.h"

void OpenSubtitleDisplay(const TSubtitleSettings& s, bool vertical, TfrmLEDDisplay* horizontal, TForm19* upright) {
  const TColor background = StringToColor(s.BgColorName);
  auto style = [&] {
    return TSubtitleStyle{s.DisplayText, s.FontName, s.ColorName, background, s.FontSize, StrToInt(s.Interval), false};
  };
  upright->SetColor(background);
  upright->ApplySubtitleStyle(style());
  horizontal->SetColor(background);
  horizontal->ApplySubtitleStyle(style());

  if (s.Transparent) {
    const TColor key = SubtitleKeyColor(StringToColor(s.ColorName), background);
    horizontal->rzmrqstsText->SetFillColor(key);
    upright->Label1->SetColor(key);
    for (TForm* window : {static_cast<TForm*>(horizontal), static_cast<TForm*>(upright)}) {
      window->SetColor(key);
      window->SetTransparentColorValue(key);
      window->SetTransparentColor(true);
    }
  } else {
    horizontal->SetTransparentColor(false);
    upright->SetTransparentColor(false);
  }

  if (vertical) {
    upright->Label1->SetCaption(VerticalSubtitleText(s.DisplayText));
    horizontal->Close();
    const bool moves = StrToInt(s.Interval) > 0;
    if (!moves) upright->Label1->SetBounds(0, upright->Label1->Top(), upright->ClientWidth(), upright->Label1->Height());
    upright->Show();
    upright->Timer1->SetEnabled(moves);
  } else {
    upright->Close();
    horizontal->Show();
  }
}

void CloseSubtitleDisplay(TfrmLEDDisplay* horizontal, TForm19* upright) {
  horizontal->Close();
  upright->Close();
}
