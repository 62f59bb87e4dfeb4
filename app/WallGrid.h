// The wall grid's arithmetic and decisions (main window, stringgrid1): cell
// sizes, header texts, the selection's range label, which colour a panel
// cell paints in, and what each signal type shows. The grid control applies them.
#pragma once

#include "GraphicsColors.h"
#include "System.h"
#include "WallFrame.h"

// Header column width and header row height, in pixels.
const int WallHeaderColumnWidth = 16;
const int WallHeaderRowHeight = 14;
// Room the group box Panel1 keeps around the panel cells.
const int WallGridMargin = 32;

// Width of every panel column (height of every panel row): what Panel1 offers
// less the margin, divided by the number of panels; the remainder is left
// over, and a box smaller than the margin gives 0.
int WallCellExtent(int panelExtent, int count);
// PageControl1's width beside a main window of `windowWidth`.
int LowerPageControlWidth(int windowWidth);

// The picture-adjustment window's range label: "1,1 - 3,2".
String WallRangeLabel(const TWallSelection& selection);

// The [stringgrid] key of a panel cell: row, comma, column ("2,3").
String CellColourKey(int row, int column);
// The brush a panel cell paints with: `stored` (a colour name, "clRed" or "$"
// and hex digits) or, when it is empty or no colour, `defaultColour`.
TColor CellFillColour(const String& stored, TColor defaultColour);
// A panel cell keeps the grid's highlight only when it is selected and
// neither focused nor fixed; the focused cell shows its stored colour.
bool CellKeepsHighlight(bool selected, bool focused, bool fixed);

// --- Signal type (ComboBox4Change) --------------------------------------------------
const int SignalTypeCount = 7;
// "VIDEO", "VGA", "DVI", "HDMI", "SDI", "YUV", "VIDEO2"; "" outside 0..6.
String SignalTypeName(int index);

// Which matrix brand the model label shows for a signal type.
enum class TBrandFamily { None, Video, Vga, Dvi, Hdmi, Sdi };

struct TSignalTypeView {
  int PresetIndex = 0;          // ComboBox3's item
  bool SecondInputList = false;  // ComboBox2 shown instead of ComboBox8
  TBrandFamily Brand = TBrandFamily::None;
};
TSignalTypeView SignalTypeView(int index);
