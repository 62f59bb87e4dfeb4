// Sends what the matrix encoders build: each routine reads the matrix
// settings afresh from the registered console (IConsoleState), builds the
// frames and writes them through SendToVideoMatrix / SendToVgaMatrix, with
// the frames' own pauses and, in debug mode, their echo lines in the log pane.
#pragma once

#include "MatrixEncoders.h"

// Connects matrix input `input` (from 1) to output `output` + 1 by every rule
// that matches the signal type and brand. An id or base-port text that is no
// number raises EConvertError after the frames before it have gone out.
void SwitchMatrix(int output, int input);

// Store or load scene n (1 to 16) on the video matrix or the RGB/VGA matrix.
void SaveVideoMatrixScene(int n);
void RecallVideoMatrixScene(int n);
void SaveVgaMatrixScene(int n);
void RecallVgaMatrixScene(int n);

// The preset buttons' brand string after the scenes; answers the rule that
// matched (PresetRuleNativeMatrix: nothing sent, the caller records or
// replays), or NoPresetRule.
int SendSavePresetString(int n);
int SendRecallPresetString(int n);

// Carries out built steps in order: writes to the matrix routes (the wall
// port for WallPort steps), pauses, and echo lines when debug mode is on.
void SendMatrixSteps(const TMatrixSteps& steps);
