// The scene presets of the main window ("保存预案", "调入预案"): the wall's
// save or recall frame, the matrices' scenes when a linkage box of the
// communication window is ticked, the brand's preset string and, for a
// matrix without its own preset memory, the recording of splices and their
// replay. They read the main window through IPresetWindow and send through
// the link routines, with their pauses through SleepMs.
#pragma once

#include "Settings.h"
#include "Splice.h"
#include "System.h"

class IPresetWindow {
 public:
  virtual ~IPresetWindow() = default;

  virtual int PresetIndex() = 0;  // ComboBox3's item index; the preset is index + 1
  virtual void SetSaveCaption(const String& caption) = 0;  // BitBtn12
  virtual int Language() = 0;     // 0 Chinese, 1 English
  virtual ISettingsStore& Settings() = 0;  // CfgIni
  virtual TNativeMatrixState& NativeState() = 0;
  // The splice a replay runs, and the matrix configuration's pauses.
  virtual ISpliceWindow& SpliceWindow() = 0;
};

// The message of a load that finds nothing to replay, in both languages.
const wchar_t* const NoPresetRecordMessage = L"无预案记录";
const wchar_t* const RecordingCaption = L"正在录制";
// The save button's caption when no recording runs.
String IdleSaveCaption(int language);

// TForm1.BitBtn12Click. A pause text that is no number raises EConvertError
// after what was sent before it.
void SavePreset(IPresetWindow& window);
// TForm1.BitBtn13Click. A replay clears its state however it ends (D-25).
void LoadPreset(IPresetWindow& window);
