// Shared by the matrix encoder tests: the dialog's brand lists, settings for
// one brand, and a compact rendering of the steps an encoder builds.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "MatrixEncoders.h"

namespace encoders_test {

// The brand lists of the matrix configuration dialog, in list order.
inline const std::vector<String> VideoBrands = {
    L"VINET", L"PELCO", L"ACV", L"Infinova", L"Samplex", L"shenshiyin", L"AV01", L"AV02", L"AV03",
    L"AV04", L"PEARMAIN", L"BAXALL", L"TIANDY", L"VMW-JCAV", L"AV05", L"GALAXY", L"XM-AV", L"flowvia",
    L"pangu", L"BTRAN-888", L"ODT", L"LANMA", L"AE", L"PG_MUL", L"PEARMAIN2", L"AV06", L"SYS",
    L"CREATEK", L"ANTAI", L"ANTAI2", L"AV07", L"ANTECE", L"AV09"};
inline const std::vector<String> VgaBrands = {
    L"CREATEK", L"Samplex", L"VGA01", L"VGA02", L"Triolion", L"CK-VGA", L"VGA03", L"VGA04", L"VMW-JCVGA",
    L"VGA05", L"XM-VGA", L"flowvia", L"MK", L"SISO", L"AE-VGA", L"CHUANGGAO", L"ODT", L"YJ_VGA",
    L"PC-VGA", L"btran-888", L"VGA3", L"PG_MUL", L"ANTAI", L"CZ-VGA", L"LANMA", L"VGA06", L"VGA07",
    L"VGA08", L"VGA09", L"VGA10", L"VGA11", L"VGA12", L"VGA13", L"SISO-02", L"WDK-VGA", L"PEARMAIN",
    L"ANTAI2", L"ANTAI3", L"VGA14", L"TMX-VGA", L"ANTECE"};
inline const std::vector<String> DviBrands = {
    L"CZ-VGA", L"CZ-DVI", L"JC-DVI", L"CREATEK", L"SISO", L"YJ", L"BTRAN-888", L"BTRAN-111", L"PG_MUL",
    L"LANMA", L"CREATEK", L"DVI01", L"DVI02", L"DVI03", L"SDVI0808", L"ANTAI", L"DVI04", L"DVI05",
    L"ANTECE"};
inline const std::vector<String> HdmiBrands = {
    L"CZ-VGA", L"CZ-DVI", L"JC-DVI", L"CREATEK", L"SISO", L"BTRAN-888", L"ODT", L"PG_MUL", L"LANMA",
    L"HDMI01", L"HDMI02", L"ANTAI", L"BAK", L"JVZHEN", L"HDMI03", L"SDVI0808", L"HDMI04", L"HDMI05",
    L"HDMI06", L"HDMI07", L"HDMI08", L"HDMI09", L"HDMI10", L"ANTAI2", L"HDMI11", L"HDMI12", L"ANTECE",
    L"ITC"};

inline const String SignalTypes[] = {L"VIDEO", L"VGA", L"DVI", L"HDMI", L"SDI", L"YUV", L"VIDEO2"};

// A console showing signal type `type`, with the model label showing the
// brand chosen for that type, as the main window keeps it.
inline TMatrixSettings OfType(int type) {
  TMatrixSettings s;
  s.SignalTypeIndex = type;
  s.SignalTypeText = SignalTypes[type];
  return s;
}

// Signal type `type` with brand `brand` of `list` chosen in the dialog.
inline TMatrixSettings Chosen(int type, int TMatrixSettings::*index, String TMatrixSettings::*text,
                              const std::vector<String>& list, int brand, String TMatrixSettings::*idBox,
                              const String& id) {
  TMatrixSettings s = OfType(type);
  s.*index = brand;
  s.*text = s.BrandLabel = list.at(brand);
  s.*idBox = id;
  return s;
}

inline TMatrixSettings Video(int brand, const String& id = L"00") {
  return Chosen(0, &TMatrixSettings::VideoBrandIndex, &TMatrixSettings::VideoBrandText, VideoBrands, brand,
                &TMatrixSettings::VideoId, id);
}

inline TMatrixSettings Vga(int brand, const String& id = L"01") {
  return Chosen(1, &TMatrixSettings::VgaBrandIndex, &TMatrixSettings::VgaBrandText, VgaBrands, brand,
                &TMatrixSettings::VgaId, id);
}

inline TMatrixSettings Dvi(int brand, const String& id = L"01") {
  return Chosen(2, &TMatrixSettings::DviBrandIndex, &TMatrixSettings::DviBrandText, DviBrands, brand,
                &TMatrixSettings::DviId, id);
}

// HDMI keeps the DVI id "01" and gets its own id "02", so a frame shows which it used.
inline TMatrixSettings Hdmi(int brand, const String& id = L"02") {
  return Chosen(3, &TMatrixSettings::HdmiBrandIndex, &TMatrixSettings::HdmiBrandText, HdmiBrands, brand,
                &TMatrixSettings::HdmiId, id);
}

inline TMatrixSettings WithLabel(TMatrixSettings s, const String& label) {
  s.BrandLabel = label;
  return s;
}

inline TMatrixSettings Linked(TMatrixSettings s) {
  s.Linkage = true;
  return s;
}

// Writes in order, separated by blanks: a run of one-byte binary writes to
// one port as V[FC 01], a text write as V"2Ma4#a" (\r, \n and other controls
// escaped), a pause as +50ms. Ports: V video matrix, G RGB/VGA matrix, W wall.
// A binary write of more than one byte shows as V{..}, which no frame expects.
inline std::string Render(const TMatrixSteps& steps) {
  static const char hex[] = "0123456789ABCDEF";
  std::string out;
  bool inRun = false;
  char runPort = 0;
  auto closeRun = [&] {
    if (inRun) out += ']';
    inRun = false;
  };
  for (const TMatrixStep& step : steps) {
    if (step.Kind == TMatrixStepKind::Echo) continue;
    const char port = step.Port == TMatrixPort::VideoMatrix ? 'V' : step.Port == TMatrixPort::VgaMatrix ? 'G' : 'W';
    if (step.Kind == TMatrixStepKind::Pause) {
      closeRun();
      out += (out.empty() ? "+" : " +") + std::to_string(step.PauseMs) + "ms";
      continue;
    }
    if (step.Binary && step.Bytes.size() == 1) {
      const uint8_t b = uint8_t(step.Bytes[0]);
      if (inRun && runPort == port) {
        out += ' ';
      } else {
        closeRun();
        if (!out.empty()) out += ' ';
        out += port;
        out += '[';
        inRun = true;
        runPort = port;
      }
      out += hex[b >> 4];
      out += hex[b & 15];
      continue;
    }
    closeRun();
    if (!out.empty()) out += ' ';
    out += port;
    out += step.Binary ? '{' : '"';
    for (char c : step.Bytes) {
      const uint8_t b = uint8_t(c);
      if (c == '\r') out += "\\r";
      else if (c == '\n') out += "\\n";
      else if (b < 0x20 || b >= 0x7F || step.Binary) out += std::string("\\x") + hex[b >> 4] + hex[b & 15];
      else out += c;
    }
    out += step.Binary ? '}' : '"';
  }
  closeRun();
  return out;
}

inline std::vector<String> Echoes(const TMatrixSteps& steps) {
  std::vector<String> lines;
  for (const TMatrixStep& step : steps)
    if (step.Kind == TMatrixStepKind::Echo) lines.push_back(step.Line);
  return lines;
}

// One row of a frame table: the settings, the call's arguments, and the
// expected writes and echo lines.
struct TFrameCase {
  const char* Name;
  TMatrixSettings Settings;
  int Output;  // the switch's output argument (out - 1), or the preset number
  int Input;
  std::string Writes;
  std::vector<String> Echo;
};

inline void ExpectSwitchFrames(const std::vector<TFrameCase>& table) {
  for (const TFrameCase& c : table) {
    SCOPED_TRACE(c.Name);
    const TMatrixSteps steps = BuildSwitchMatrix(c.Settings, c.Output, c.Input);
    EXPECT_EQ(Render(steps), c.Writes);
    EXPECT_EQ(Echoes(steps), c.Echo);
  }
}

}  // namespace encoders_test
