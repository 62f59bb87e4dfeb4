#include "Splice.h"

#include "Links.h"
#include "MatrixSend.h"
#include "Sleep.h"
#include "SysUtils.h"
#include "WallGrid.h"

namespace {

const int SignalVideo = 0, SignalVga = 1, SignalDvi = 2, SignalHdmi = 3, SignalSdi = 4, SignalYuv = 5;
const unsigned SingleDisplayPauseMs = 50;

}  // namespace

void PauseFor(const String& text) {
  int ms = StrToInt(text);
  if (ms > 0) SleepMs(uint32_t(ms));
}

int WiredOutput(ISpliceWindow& window, TWiringFamily family, int column, int row) {
  if (!window.WiringManual(family)) return (row - 1) * window.WallColumns() + column - 1;
  String cell = window.WiringCell(family, column - 1, row - 1);
  if (cell.empty() || cell == L"0") return -1;
  return StrToInt(cell) - 1;
}

void SwitchPanel(ISpliceWindow& window, TWiringFamily family, int column, int row, int input) {
  const int output = WiredOutput(window, family, column, row);
  if (output < 0) return;
  SwitchMatrix(output, input);
  PauseFor(window.IntervalPause());
}

bool NativeMatrixMode(const String& modelLabel, int signalTypeIndex) {
  return (modelLabel == L"SISO" && signalTypeIndex == SignalHdmi) ||
         (modelLabel == L"VGA15" && signalTypeIndex == SignalVga);
}

void SwitchMatrixForSelection(ISpliceWindow& window) {
  if (!window.Linkage()) return;
  const TWallSelection s = window.SelectionFields();
  const int type = window.SignalTypeIndex();
  const int input = window.MatrixInput();
  for (int row = s.SelTop; row <= s.SelBottom; ++row)
    for (int column = s.SelLeft; column <= s.SelRight; ++column) {
      switch (type) {
        case SignalVideo: SwitchPanel(window, TWiringFamily::AV, column, row, input); break;
        case SignalVga:
        case SignalSdi: SwitchPanel(window, TWiringFamily::VGA, column, row, input); break;
        case SignalDvi:
        case SignalHdmi:
        case SignalYuv: SwitchPanel(window, TWiringFamily::DVI, column, row, input); break;
        default: break;  // VIDEO2 switches no matrix
      }
    }
}

void SpliceSelection(ISpliceWindow& window, TNativeMatrixState& native) {
  const int type = window.SignalTypeIndex();
  auto takeSelection = [&] {
    window.SetSelectionFields(window.GridSelection());
    window.SetMatrixInput(window.InputListIndex() + 1);
  };
  if (!NativeMatrixMode(window.ModelLabel(), type)) {
    takeSelection();
  } else if (native.NativeReplaying) {
    if (native.NativeReplaysPending == 1) native.NativeReplaying = false;
    --native.NativeReplaysPending;
  } else {
    takeSelection();
    if (native.NativeRecording) {
      const TWallSelection s = window.SelectionFields();
      ++native.NativeRecordCount;
      native.NativeRecord += IntToStr(s.SelLeft) + L"," + IntToStr(s.SelTop) + L"," + IntToStr(s.SelRight) + L"," +
                             IntToStr(s.SelBottom) + L"," + IntToStr(window.MatrixInput()) + L",";
    }
  }

  const TWallSelection s = window.SelectionFields();
  String text = SignalTypeName(type);
  if (window.Linkage() && type == SignalVideo) text += IntToStr(window.MatrixInput());
  for (int column = s.SelLeft; column <= s.SelRight; ++column)
    for (int row = s.SelTop; row <= s.SelBottom; ++row) window.SetCellText(column, row, text);

  switch (window.SendOrder()) {
    case 0:
      SendWallCommand(0x20, type);
      PauseFor(window.ResponsePause());
      SwitchMatrixForSelection(window);
      break;
    case 1:
      SwitchMatrixForSelection(window);
      PauseFor(window.ResponsePause());
      SendWallCommand(0x20, type);
      break;
    default: break;  // no send order chosen: nothing is sent
  }
}

void SingleDisplay(ISpliceWindow& window) {
  const int type = window.VisibleSignalTypeIndex();
  window.StoreSignalIndex(type);
  const TWallSelection s = window.GridSelection();
  const String text = SignalTypeName(type);
  for (int row = s.SelTop; row <= s.SelBottom; ++row)
    for (int column = s.SelLeft; column <= s.SelRight; ++column) {
      window.SetCellText(column, row, text);
      SendWallFrame(BuildPanelCommand(column, row, 0x20, type));
      SleepMs(SingleDisplayPauseMs);
    }
}

TLinkageInputs LinkageInputs(int signalTypeIndex, const String (&brandTexts)[4], const String (&inputCounts)[4]) {
  TLinkageInputs result;
  int family = -1;
  switch (signalTypeIndex) {
    case SignalVideo: family = 0; break;
    case SignalVga: family = 1; break;
    case SignalDvi: family = 2; break;
    case SignalHdmi: family = 3; break;
    default: break;
  }
  if (family < 0) return result;
  result.KeepLabel = false;
  result.Label = brandTexts[family];
  result.Count = StrToInt(inputCounts[family]);
  return result;
}
