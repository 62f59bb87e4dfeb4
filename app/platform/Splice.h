// The console's two main actions: splice ("拼接", TForm1.BitBtn8Click) and
// single display ("单显", TForm1.BitBtn10Click), the per-panel matrix
// switching of a splice, and what the linkage box puts into the input lists.
// They read the main window and the matrix configuration dialog through
// ISpliceWindow and send through the link routines (SendWallCommand,
// SendWallFrame, SwitchMatrix) with their pauses through SleepMs.
#pragma once

#include "Settings.h"
#include "System.h"
#include "WallFrame.h"

class ISpliceWindow {
 public:
  virtual ~ISpliceWindow() = default;

  // Main window.
  virtual TWallSelection GridSelection() = 0;  // stringgrid1's selection rectangle
  virtual TWallSelection SelectionFields() = 0;  // SelLeft .. SelBottom
  virtual void SetSelectionFields(const TWallSelection& selection) = 0;
  virtual int MatrixInput() = 0;  // TForm1.MatrixInput, from 1
  virtual void SetMatrixInput(int input) = 0;
  virtual int InputListIndex() = 0;          // ComboBox8's item index
  virtual int SignalTypeIndex() = 0;         // the hidden list ComboBox1
  virtual int VisibleSignalTypeIndex() = 0;  // ComboBox4
  virtual String ModelLabel() = 0;           // Label7
  virtual bool Linkage() = 0;                // CheckBox3 "矩阵联动"
  virtual void SetCellText(int column, int row, const String& text) = 0;  // stringgrid1, from 1
  virtual void StoreSignalIndex(int index) = 0;  // [setting] "signalindex"

  // Matrix configuration dialog (TForm3).
  virtual int SendOrder() = 0;          // radio group: 0 wall first, 1 matrix first, -1 none
  virtual String ResponsePause() = 0;   // ms, as typed ("mux_delay1")
  virtual String IntervalPause() = 0;   // ms, as typed ("mux_delay2")
  virtual bool WiringManual(TWiringFamily family) = 0;
  // The wiring grid's cell of the panel in column c, row r (from 0); a panel
  // outside the grid (the wall grew since) reads "" (D-94).
  virtual String WiringCell(TWiringFamily family, int column, int row) = 0;
  virtual int WallColumns() = 0;
};

// The native-matrix fields of TForm1 that a splice reads and advances.
struct TNativeMatrixState {
  bool NativeRecording = false;
  String NativeRecord;
  int NativeRecordCount = 0;
  bool NativeReplaying = false;
  int NativeReplaysPending = 0;
};

// A pause field's milliseconds through SleepMs; EConvertError for a text
// that is no number, nothing for 0 or less.
void PauseFor(const String& text);

// Native-matrix mode: "SISO" with "HDMI", or "VGA15" with "VGA".
bool NativeMatrixMode(const String& modelLabel, int signalTypeIndex);

// The splice: selection and input taken (or kept during a native replay),
// cell texts written, then by the send order the wall command, the response
// pause and the matrix switches. A pause or wiring text that is no number
// raises EConvertError after the frames already sent.
void SpliceSelection(ISpliceWindow& window, TNativeMatrixState& native);
// Switches every selected panel's matrix output to the matrix input; nothing
// without linkage. VIDEO panels go through the AV wiring grid (D-24).
void SwitchMatrixForSelection(ISpliceWindow& window);
// A panel's matrix output (from 0) through a wiring family, for the panel in
// column, row (from 1): the configured output when wiring is manual, -1 for
// a cell of "0" or an empty one (the panel is skipped), else one output per
// panel, row-major. A cell that is no number raises EConvertError.
int WiredOutput(ISpliceWindow& window, TWiringFamily family, int column, int row);
// Switches that output to the input, then takes the interval pause; a
// skipped panel gets neither.
void SwitchPanel(ISpliceWindow& window, TWiringFamily family, int column, int row, int input);
// Single display: one frame per panel of the grid's selection, rows outer,
// 50 ms after each; the selection fields and the matrices are left alone.
void SingleDisplay(ISpliceWindow& window);

// The linkage box's input lists: the brand shown in the model label and the
// number of inputs offered for the signal type.
struct TLinkageInputs {
  bool KeepLabel = true;  // the label stays as it is (types without a brand family)
  String Label;
  int Count = 255;
};
// brandTexts/inputCounts per family: video, VGA, DVI, HDMI. A count that is
// no number raises EConvertError.
TLinkageInputs LinkageInputs(int signalTypeIndex, const String (&brandTexts)[4], const String (&inputCounts)[4]);
