#include "Presets.h"

#include "Dialogs.h"
#include "Links.h"
#include "MatrixSend.h"
#include "PresetRecord.h"
#include "Sleep.h"
#include "SysUtils.h"

namespace {

const unsigned PresetFramePauseMs = 5;
const int SavePresetCommand = 0x59;
const int RecallPresetCommand = 0x5A;

String RecordKey(int n) { return L"scene" + IntToStr(n); }

bool MatrixLinked() {
  IConsoleState* console = LinkConsole();
  return console && (console->VideoLinkage() || console->VgaLinkage());
}

// Steps 1 to 3 of both buttons: the wall frame, the matrices' scenes, the
// response pause.
void SendScene(IPresetWindow& window, int command, int n, void (*videoScene)(int), void (*vgaScene)(int)) {
  SendWallFrame(BuildWholeWallCommand(command, n));
  SleepMs(PresetFramePauseMs);
  ISpliceWindow& config = window.SpliceWindow();
  if (MatrixLinked()) {
    PauseFor(config.ResponsePause());
    videoScene(n);
    PauseFor(config.IntervalPause());
    vgaScene(n);
  }
  PauseFor(config.ResponsePause());
}

void ToggleRecording(IPresetWindow& window, int n) {
  TNativeMatrixState& native = window.NativeState();
  if (!native.NativeRecording) {
    window.SetSaveCaption(RecordingCaption);
    native.NativeRecording = true;
    native.NativeRecord.clear();
    native.NativeRecordCount = 0;
    return;
  }
  window.Settings().WriteString(L"nativeMatrix", RecordKey(n),
                                FormatNativeRecord(native.NativeRecordCount, native.NativeRecord));
  native.NativeRecordCount = 0;
  native.NativeRecord.clear();
  native.NativeRecording = false;
  window.SetSaveCaption(IdleSaveCaption(window.Language()));
}

// A cut or damaged record replays its complete entries only, and no replay
// state survives the load: the next splice reads the grid's selection.
void Replay(IPresetWindow& window, int n) {
  const std::vector<TRecordedSplice> splices =
      ReadNativeRecord(window.Settings().ReadString(L"nativeMatrix", RecordKey(n), L"0"));
  if (splices.empty()) {
    ShowMessage(NoPresetRecordMessage);
    return;
  }
  TNativeMatrixState& native = window.NativeState();
  ISpliceWindow& splice = window.SpliceWindow();
  struct TEndReplay {
    TNativeMatrixState& Native;
    ~TEndReplay() {
      Native.NativeReplaying = false;
      Native.NativeReplaysPending = 0;
    }
  } endReplay{native};
  native.NativeReplaying = true;
  native.NativeReplaysPending = int(splices.size());
  for (const TRecordedSplice& s : splices) {
    splice.SetSelectionFields({s.Left, s.Top, s.Right, s.Bottom});
    splice.SetMatrixInput(s.Input);
    SpliceSelection(splice, native);
  }
}

}  // namespace

String IdleSaveCaption(int language) { return language == 1 ? L"Save" : L"保存预案"; }

void SavePreset(IPresetWindow& window) {
  const int n = window.PresetIndex() + 1;
  SendScene(window, SavePresetCommand, n, &SaveVideoMatrixScene, &SaveVgaMatrixScene);
  if (SendSavePresetString(n) == PresetRuleNativeMatrix) ToggleRecording(window, n);
}

void LoadPreset(IPresetWindow& window) {
  const int n = window.PresetIndex() + 1;
  SendScene(window, RecallPresetCommand, n, &RecallVideoMatrixScene, &RecallVgaMatrixScene);
  if (SendRecallPresetString(n) == PresetRuleNativeMatrix) Replay(window, n);
}
