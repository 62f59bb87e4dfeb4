#include "MatrixSend.h"

#include <type_traits>

#include "ConsoleState.h"
#include "Links.h"
#include "SerialComm.h"
#include "Sleep.h"

namespace {

// Builds from a fresh copy of the settings and sends. When building stops on
// a conversion error, the frames complete before it still go out, as they
// would have one by one.
template <class TBuild>
auto BuildAndSend(TBuild build) {
  using TResult = decltype(build(std::declval<const TMatrixSettings&>(), std::declval<TMatrixSteps&>()));
  IConsoleState* console = LinkConsole();
  if (!console) return TResult();
  TMatrixSteps steps;
  try {
    if constexpr (std::is_void_v<TResult>) {
      build(console->MatrixSettings(), steps);
      SendMatrixSteps(steps);
    } else {
      TResult result = build(console->MatrixSettings(), steps);
      SendMatrixSteps(steps);
      return result;
    }
  } catch (...) {
    SendMatrixSteps(steps);
    throw;
  }
}

template <class TBuild>
auto WithPreset(TBuild build, int n) {
  return [build, n](const TMatrixSettings& s, TMatrixSteps& steps) { return build(s, n, steps); };
}

}  // namespace

void SendMatrixSteps(const TMatrixSteps& steps) {
  IConsoleState* console = LinkConsole();
  if (!console) return;
  for (const TMatrixStep& step : steps) {
    switch (step.Kind) {
      case TMatrixStepKind::Write: {
        const uint16_t length = uint16_t(step.Bytes.size());
        if (step.Port == TMatrixPort::VideoMatrix) {
          SendToVideoMatrix(step.Bytes.data(), length);
        } else if (step.Port == TMatrixPort::VgaMatrix) {
          SendToVgaMatrix(step.Bytes.data(), length);
        } else if (TComm* wall = console->Comm1()) {
          wall->WriteData(step.Bytes.data(), length);  // refused and lost when closed
        }
        break;
      }
      case TMatrixStepKind::Pause:
        SleepMs(step.PauseMs);
        break;
      case TMatrixStepKind::Echo:
        if (console->DebugMode()) console->AddLogLine(step.Line);
        break;
    }
  }
}

void SwitchMatrix(int output, int input) {
  BuildAndSend([output, input](const TMatrixSettings& s, TMatrixSteps& steps) {
    BuildSwitchMatrix(s, output, input, steps);
  });
}

void SaveVideoMatrixScene(int n) { BuildAndSend(WithPreset(BuildSaveVideoMatrixScene, n)); }
void RecallVideoMatrixScene(int n) { BuildAndSend(WithPreset(BuildRecallVideoMatrixScene, n)); }
void SaveVgaMatrixScene(int n) { BuildAndSend(WithPreset(BuildSaveVgaMatrixScene, n)); }
void RecallVgaMatrixScene(int n) { BuildAndSend(WithPreset(BuildRecallVgaMatrixScene, n)); }
int SendSavePresetString(int n) { return BuildAndSend(WithPreset(BuildSavePresetString, n)); }
int SendRecallPresetString(int n) { return BuildAndSend(WithPreset(BuildRecallPresetString, n)); }
