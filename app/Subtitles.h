// The subtitle's decisions that need no window: where a subtitle window is
// grabbed for moving or resizing, which colour is keyed out for each text
// colour, how far the marquee and the vertical label move per step, how the
// vertical text is laid out, and section "subtitle" of "cfg.ini". The windows
// (uLEDDisplay, Unit19) apply them.
#pragma once

#include <vector>

#include "GraphicsColors.h"
#include "Settings.h"
#include "Types.h"

// --- Hit test ---------------------------------------------------------------------------
// The WM_NCHITTEST results the subtitle windows answer (the platform's values).
enum TSubtitleHit {
  shCaption = 2,
  shLeft = 10,
  shRight = 11,
  shTop = 12,
  shTopLeft = 13,
  shTopRight = 14,
  shBottom = 15,
  shBottomLeft = 16,
  shBottomRight = 17,
};
// The first rule that matches the screen point in the window's rectangle:
// resize corners and edges 2 pixels into the window (3 on the left and top,
// boundaries included), a 50-pixel drag strip along the top, else `def`.
int SubtitleHitTest(const TPoint& point, const TRect& window, int def);

// --- Transparency -------------------------------------------------------------------------
// The colour made see-through behind text of `text` colour: one close to it
// for the five basic colours, so the glyphs' smoothed edges blend, otherwise
// the chosen background.
TColor SubtitleKeyColor(TColor text, TColor background);

// --- Motion -------------------------------------------------------------------------------
// Pixels the marquee moves per tick: a 600th of the work area's width, at
// least 1 (a narrower work area would otherwise stop the text).
int MarqueeScrollSize(int workAreaWidth);
// The marquee's scroll: none for an interval below 1, else right to left with
// the interval as its delay, at most 65535 ms (the pane's delay is 16-bit).
struct TMarqueeMotion {
  bool Scrolls = false;
  int Delay = 0;  // ms, when it scrolls
};
TMarqueeMotion MarqueeMotion(int interval);
// The vertical label's timer interval: the subtitle's interval plus 10 ms; an
// interval below 0 counts as 0. 10 ms or less means static text.
int VerticalTimerInterval(int interval);
// Pixels the vertical label moves per tick: a 300th of the work area's
// height, at least 1.
int VerticalScrollStep(int workAreaHeight);
// The vertical label's scroll height: half the height of `characters` lines.
int VerticalScrollHeight(int characters, int lineHeight);
// The label's next top after one tick: up by `step`, back to `clientHeight`
// once its scroll height has gone above the top.
int VerticalNextTop(int top, int step, int scrollHeight, int clientHeight);

// --- Vertical text ------------------------------------------------------------------------
// One character per line: each UTF-16 character of `text`, a surrogate pair
// as one, followed by a line feed.
String VerticalSubtitleText(const String& text);
// The characters of a text as the vertical window counts them: a surrogate
// pair is one, a line feed is one.
int SubtitleCharacterCount(const String& text);

// --- Background colours -------------------------------------------------------------------
struct TSubtitleColor {
  TColor Color;
  const wchar_t* Name;
};
// The 18 colours the background list offers, in order.
const std::vector<TSubtitleColor>& SubtitleBackgroundColors();

// --- Settings ([subtitle]) -----------------------------------------------------------------
struct TSubtitleSettings {
  String DisplayText;   // "displaytext", line breaks as CR LF
  String FontName;      // "fontname"
  String ColorName;     // "colorname": "clRed" or "$" and hex digits
  int FontSize = 0;     // "fontsize", points
  String BgColorName = L"clWhite";  // "bgcolorname"
  String Interval = L"0";           // "interval", as typed
  bool Transparent = false;         // "istranp"
};
// Reads every key; the text, font name, colour name and size default to
// `current` (what the dialog shows now), the rest to their fixed defaults.
TSubtitleSettings ReadSubtitleSettings(ISettingsStore& store, const TSubtitleSettings& current);
// Writes the seven keys in their order.
void WriteSubtitleSettings(ISettingsStore& store, const TSubtitleSettings& settings);

// The one-line form of a subtitle text in "cfg.ini": each line break (CR LF,
// CR or LF) as "\n", and a backslash that would otherwise start "\n" or "\\"
// doubled. A text of one line without such a backslash is stored unchanged.
String EncodeSubtitleText(const String& text);
// Back to the text: "\n" a CR LF, "\\" a backslash, any other backslash kept;
// a raw line break of any kind is a CR LF too.
String DecodeSubtitleText(const String& stored);
