// What the subtitle settings window's "打开字幕" and "关闭字幕" do to the two
// subtitle windows, given the dialog's values. The settings window itself
// (its memo and colour list) calls these.
#pragma once

#include "Subtitles.h"
#include "Unit19.h"
#include "uLEDDisplay.h"

// Applies the settings to both windows, vertical first: background colour,
// text, font, colour and interval; then the colour key (or none), the
// vertical text when `vertical`, and shows the vertical window (`vertical`)
// or the horizontal one, closing the other. A text colour, background
// colour or interval the runtime cannot convert raises EConvertError with
// its message once the colours before it are set, and nothing is shown.
void OpenSubtitleDisplay(const TSubtitleSettings& settings, bool vertical, TfrmLEDDisplay* horizontal,
                         TForm19* upright);
// Hides both windows; nothing is freed.
void CloseSubtitleDisplay(TfrmLEDDisplay* horizontal, TForm19* upright);
