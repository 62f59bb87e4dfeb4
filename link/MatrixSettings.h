// What the matrix encoders read from the console's windows, copied at the
// moment of one call: the main window's signal type, model label and linkage
// box, and the matrix configuration dialog's brands, ids and base ports.
#pragma once

#include "System.h"

struct TMatrixSettings {
  // Main window: the hidden signal-type list (0 "VIDEO", 1 "VGA", 2 "DVI",
  // 3 "HDMI", 4 "SDI", 5 "YUV", 6 "VIDEO2"): its item index and its text.
  int SignalTypeIndex = 0;
  String SignalTypeText = L"VIDEO";
  // Main window: the model label, the brand name it last showed. It may lag
  // behind the dialog's lists; the name rules read it as it stands.
  String BrandLabel;
  // Main window: the matrix linkage box "矩阵联动".
  bool Linkage = false;

  // Matrix configuration dialog: the brand lists (item index and text).
  int VideoBrandIndex = 0;  // "视频矩阵"
  String VideoBrandText;
  int VgaBrandIndex = 0;  // "VGA 矩阵"
  String VgaBrandText;
  int DviBrandIndex = 0;  // "DVI矩阵"
  String DviBrandText;
  int HdmiBrandIndex = 0;  // "HDMI矩阵"
  String HdmiBrandText;

  // Matrix configuration dialog: the id boxes, as typed.
  String VideoId = L"00";
  String VgaId = L"01";
  String DviId = L"01";
  String HdmiId = L"01";
  // Matrix configuration dialog: the output and input base-port boxes, as typed.
  String OutputBasePort = L"1";
  String InputBasePort = L"1";
};
