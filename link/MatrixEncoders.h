// Frames of the matrix switchers: route switches by signal type and brand,
// scene save and recall, and the preset strings of a few brands. Pure: each
// routine turns a settings snapshot into the ordered writes, pauses and debug
// echo lines that the sending side (MatrixSend) carries out.
#pragma once

#include <string>
#include <vector>

#include "MatrixSettings.h"

// Where a write goes: the video-matrix route, the RGB/VGA/DVI-matrix route, or
// straight to the wall controller's port (the VGA04 wake byte).
enum class TMatrixPort { VideoMatrix, VgaMatrix, WallPort };

enum class TMatrixStepKind {
  Write,  // one write call of Bytes to Port
  Pause,  // block the sending thread for PauseMs
  Echo,   // one line for the debug log pane, shown only in debug mode
};

struct TMatrixStep {
  TMatrixStepKind Kind = TMatrixStepKind::Write;
  TMatrixPort Port = TMatrixPort::VideoMatrix;
  bool Binary = false;  // a byte of a binary frame (else text)
  std::string Bytes;
  unsigned PauseMs = 0;
  String Line;
};
using TMatrixSteps = std::vector<TMatrixStep>;

// --- Route switch -------------------------------------------------------------------
// The steps of SwitchMatrix(output, input): output is the matrix output
// counted from 0, input the matrix input counted from 1. Every rule that
// matches the signal type and brand adds its frame; none may match.
//
// An id or base-port text that a frame needs as a number and that is not one
// raises EConvertError ("'x' is not a valid integer value"). `steps` then
// holds the frames complete before that one, which the sender still sends.
void BuildSwitchMatrix(const TMatrixSettings& settings, int output, int input, TMatrixSteps& steps);
TMatrixSteps BuildSwitchMatrix(const TMatrixSettings& settings, int output, int input);

// --- Scenes --------------------------------------------------------------------------
// Store or load scene n (the preset number, 1 to 16) on the video matrix
// (brand from the video list) or the RGB/VGA matrix (the VGA list). A brand
// without scene commands adds nothing. Errors as for BuildSwitchMatrix.
void BuildSaveVideoMatrixScene(const TMatrixSettings& settings, int n, TMatrixSteps& steps);
void BuildRecallVideoMatrixScene(const TMatrixSettings& settings, int n, TMatrixSteps& steps);
void BuildSaveVgaMatrixScene(const TMatrixSettings& settings, int n, TMatrixSteps& steps);
void BuildRecallVgaMatrixScene(const TMatrixSettings& settings, int n, TMatrixSteps& steps);

// --- Preset-button strings ------------------------------------------------------------
// The string the preset buttons send to the RGB/VGA matrix after the scenes.
// The rules are tried in order and only the first that matches counts; the
// result is its number (1 to 10), or NoPresetRule.
//
// Rule PresetRuleNativeMatrix (HDMI, "SISO", linkage) sends nothing here: the
// preset buttons record or replay their splices instead.
const int NoPresetRule = 0;
const int PresetRuleNativeMatrix = 8;
int BuildSavePresetString(const TMatrixSettings& settings, int n, TMatrixSteps& steps);
int BuildRecallPresetString(const TMatrixSettings& settings, int n, TMatrixSteps& steps);
