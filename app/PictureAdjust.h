// What the picture adjustment window (TForm4) sends and shows, as data: the
// step buttons and their command codes, the mixed colour-temperature rows,
// the swatch palette's rows with their colours and gains, the range label
// and the window's texts in both languages. Pure, so the tables are checked
// natively too; the window finds its controls by these names.
#pragma once

#include <cstdint>
#include <vector>

#include "System.h"
#include "WallFrame.h"

// One row's pair of step buttons: the left one sends (Code, 0), the right one (Code, 1).
struct TStepPair {
  const wchar_t* Down;
  const wchar_t* Up;
  int Code;
};
// Every step pair of the window, the DVI/HDMI/YUV rows (hidden ones too) with the VGA codes.
const std::vector<TStepPair>& PictureStepPairs();

struct TWallCommand {
  int Code = 0;
  int Parameter = 0;
};
// The command of the step button named `button`; false for any other name.
bool FindStepCommand(const String& button, TWallCommand& command);

// A mixed colour-temperature row: each press sends the group's red, green and
// blue step commands in that order, 50 ms after the first and the second.
struct TMixedRow {
  const wchar_t* Sub;
  const wchar_t* Add;
  int Codes[3];    // the group's red, green and blue step codes
  int SubPars[3];  // 0 one step down, 1 one step up
  int AddPars[3];
};
const std::vector<TMixedRow>& MixedColourRows();
const unsigned MixedStepPauseMs = 50;
// The three commands of the mixed button named `button`; false for any other name.
bool FindMixedCommands(const String& button, TWallCommand (&commands)[3]);

// --- Swatch palette ---------------------------------------------------------------------
const int SwatchRowCount = 7;
const int SwatchesPerRow = 36;
const int RedGainCommand = 0x6B;
const int GreenGainCommand = 0x6C;
const int BlueGainCommand = 0x6D;
const unsigned GainPauseMs = 50;

struct TSwatchRow {
  const wchar_t* Prefix;  // six characters: the swatch's name is the prefix and n
  uint32_t Step;          // colour of swatch n: 0xFFFFFF - n * Step (red in the low byte)
  int RedSign, GreenSign, BlueSign;  // gain of swatch n: neutral + sign * n
};
const TSwatchRow& SwatchRow(int row);  // row 0..6, top to bottom
// The row whose prefix starts `name` (its first six characters), or -1.
int SwatchRowOf(const String& name);
uint32_t SwatchColour(int row, int n);

struct TGains {
  int Red = 0, Green = 0, Blue = 0;
};
const TGains NeutralGains{132, 128, 130};
TGains SwatchGains(int row, int n);

// Swatch geometry inside Panel1: size = width div 22 - 5, pitch = size + 5,
// swatch n of row r at left pitch * n + 10 and top pitch * r + 10.
struct TSwatchGeometry {
  int Size = 0;
  int Pitch = 0;
};
TSwatchGeometry SwatchGeometry(int panelWidth);

// --- Texts ------------------------------------------------------------------------------
// "left,top - right,bottom" of a grid selection (panels counted from 1).
String SelectionRangeText(const TWallSelection& selection);

// A text of the window: the control (or "" for the window's own caption) and
// its two forms. FormShow sets the form of the language flag on every row.
struct TPictureText {
  const wchar_t* Control;
  const wchar_t* Chinese;
  const wchar_t* English;
};
const std::vector<TPictureText>& PictureAdjustTexts();
// The text of `control` in `language` (0 Chinese, 1 English); empty when the table has no row for it.
String PictureAdjustText(const String& control, int language);
// What "帮助" tells the operator.
String PictureHelpMessage(int language);

// The window's width narrowed, and how much the toggle widens it by.
const int PictureWindowWidth = 711;
const int PictureWidening = 400;
const int PictureTogglePlace = 100;  // the toggle's left is the window's width less this
