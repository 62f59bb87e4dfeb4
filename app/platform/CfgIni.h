// The settings object on a file beside the program ("cfg.ini" or
// "矩阵名称.ini"): the runtime's TIniFile, uncached, so every read goes to the
// file and every write reaches it at once. Text crosses the file in the ANSI
// code page (936 for the console, D-1).
#pragma once

#include "IniFiles.h"
#include "Settings.h"

class TCfgIni : public ISettingsStore {
 public:
  // A file name without a folder is taken from the program's folder, never
  // from the current directory.
  explicit TCfgIni(const String& fileName = CfgFileName);

  String ReadString(const String& section, const String& key, const String& def) override;
  void WriteString(const String& section, const String& key, const String& value) override;
  const String& FileName() const { return FIni.FileName(); }

 private:
  TIniFile FIni;
};
