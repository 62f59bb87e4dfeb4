// Scene save and recall on the matrices with a scene memory, and the preset
// strings a few brands take from the preset buttons.
#include "MatrixEncoders_frames.h"
#include "SysUtils.h"

namespace matrix_frames {

namespace {

enum class TSceneForm { None, Samplex, Checksum96, IdText, Star };

TSceneForm VideoSceneForm(int brand) {
  switch (brand) {
    case 4: return TSceneForm::Samplex;      // Samplex
    case 6: return TSceneForm::Checksum96;   // AV01
    case 13: return TSceneForm::IdText;      // VMW-JCAV
    case 16: return TSceneForm::Star;        // XM-AV
    case 17: return TSceneForm::Samplex;     // flowvia
    default: return TSceneForm::None;
  }
}

TSceneForm VgaSceneForm(int brand) {
  switch (brand) {
    case 1: return TSceneForm::Samplex;      // Samplex
    case 2: return TSceneForm::Checksum96;   // VGA01
    case 3: return TSceneForm::Checksum96;   // VGA02
    case 8: return TSceneForm::IdText;       // VMW-JCVGA
    case 10: return TSceneForm::Star;        // XM-VGA
    case 11: return TSceneForm::Samplex;     // flowvia
    default: return TSceneForm::None;
  }
}

void Scene(TMatrixPort port, TSceneForm form, const wchar_t* head, const String& id, bool save, int n,
           TMatrixSteps& steps) {
  TSink f(steps, port);
  switch (form) {
    case TSceneForm::Samplex:
      f.Text(head + id + (save ? L"SF" : L"RF") + Hex2(n) + L"00NT");
      break;
    case TSceneForm::Checksum96:
      f.Binary(WithSum(Frame({0x96, StrToInt(id), save ? 0x11 : 0x15, 0x03, 0x00, n}), 0, 5));
      break;
    case TSceneForm::IdText:
      f.Text(id + (save ? L"PS" : L"PL") + Dec(n) + L"!");
      break;
    case TSceneForm::Star:
      f.Binary(Frame({0x2A, n, save ? 0x01 : 0x02, 0x00, 0x00, 0x21}));
      break;
    case TSceneForm::None:
      break;
  }
}

void VideoScene(const TMatrixSettings& s, bool save, int n, TMatrixSteps& steps) {
  Scene(TMatrixPort::VideoMatrix, VideoSceneForm(s.VideoBrandIndex), L"PA", s.VideoId, save, n, steps);
}

void VgaScene(const TMatrixSettings& s, bool save, int n, TMatrixSteps& steps) {
  Scene(TMatrixPort::VgaMatrix, VgaSceneForm(s.VgaBrandIndex), L"PV", s.VgaId, save, n, steps);
}

// First matching rule only. Text strings echo with "->", byte strings without.
int PresetString(const TMatrixSettings& s, bool save, int n, TMatrixSteps& steps) {
  TSink f(steps, TMatrixPort::VgaMatrix);
  const String& type = s.SignalTypeText;
  const bool vga = type == L"VGA";
  const wchar_t* echo = L"->";
  if (vga && s.VgaBrandText == L"CREATEK" && s.Linkage) {
    f.Text((save ? L"Save" : L"Recall") + Dec(n) + L".", echo);
    return 1;
  }
  if (vga && s.VgaBrandText == L"CHUANGGAO" && s.Linkage) {
    f.Text(L"<" + Dec(n) + L",R>", echo);
    return 2;
  }
  if (vga && s.VgaBrandText == L"Samplex" && s.Linkage) {
    f.Text(L"PV" + s.VgaId + (save ? L"SF" : L"RF") + NumN(n, 2) + L"00NT", echo);
    return 3;
  }
  if (vga && s.VgaBrandText == L"YJ_VGA" && s.Linkage) {
    f.Binary(Frame({0xC8, 0xA5, save ? 0x01 : 0x02, 0x01, n, 0x00, 0x55, 0xAA}));
    return 4;
  }
  if (vga && s.BrandLabel == L"VGA06") {
    f.Binary(Frame({0x03, 0x00, save ? 0x06 : 0x04, n}));
    return 5;
  }
  if (vga && s.VgaBrandText == L"btran-888" && s.Linkage) {
    f.Binary(Frame({0xF6, StrToInt(s.VgaId), save ? 0x11 : 0x15, 0x03, 0x00, n, 0x00}));
    return 6;
  }
  if (type == L"DVI" && s.DviBrandText == L"YJ" && s.Linkage) {
    f.Text((save ? L"SAVE" : L"CALL") + Dec(n), echo);
    return 7;
  }
  if (type == L"HDMI" && s.HdmiBrandText == L"SISO" && s.Linkage) return PresetRuleNativeMatrix;
  if (vga && s.BrandLabel == L"AE-VGA") {
    f.Text(s.VgaId + (save ? L"VSAVE" : L"VRETU") + Dec(n), echo);
    return 9;
  }
  if (type == L"HDMI" && s.BrandLabel == L"CREATEK") {
    f.Text((save ? L"Save" : L"Recall") + Dec(n) + L".", echo);
    return 10;
  }
  return NoPresetRule;
}

}  // namespace

}  // namespace matrix_frames

using namespace matrix_frames;

void BuildSaveVideoMatrixScene(const TMatrixSettings& settings, int n, TMatrixSteps& steps) {
  VideoScene(settings, true, n, steps);
}

void BuildRecallVideoMatrixScene(const TMatrixSettings& settings, int n, TMatrixSteps& steps) {
  VideoScene(settings, false, n, steps);
}

void BuildSaveVgaMatrixScene(const TMatrixSettings& settings, int n, TMatrixSteps& steps) {
  VgaScene(settings, true, n, steps);
}

void BuildRecallVgaMatrixScene(const TMatrixSettings& settings, int n, TMatrixSteps& steps) {
  VgaScene(settings, false, n, steps);
}

int BuildSavePresetString(const TMatrixSettings& settings, int n, TMatrixSteps& steps) {
  return PresetString(settings, true, n, steps);
}

int BuildRecallPresetString(const TMatrixSettings& settings, int n, TMatrixSteps& steps) {
  return PresetString(settings, false, n, steps);
}
