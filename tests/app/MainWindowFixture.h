// The real main window (TForm1) made in a console folder of the test's own:
// its "cfg.ini" written first from a table, the project's skin file beside
// it, the window streamed from its form file and shown, its links closed
// when it goes. The dialog service answers every message box and records
// its text.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "CfgIni.h"
#include "ConsoleForms.h"
#include "DialogService.h"
#include "Links.h"
#include "SysUtils.h"
#include "TestMainWindow.h"
#include "Unit1.h"
#include "support/RealKeys.h"

namespace app_test {

using TIniRows = std::map<std::pair<String, String>, String>;

class TMainWindowFixture {
 public:
  explicit TMainWindowFixture(const TIniRows& rows = {}, bool withSkins = true) {
    StartUnitsOnce();
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    static int serial = 0;
    Folder = String(temp) + L"vamire_mw_" + IntToStr(int(GetCurrentProcessId())) + L"_" + IntToStr(++serial) + L"\\";
    CreateDirectoryW(Folder.c_str(), nullptr);
    DeleteFileW((Folder + L"cfg.ini").c_str());
    if (withSkins) CopyFileW(VAMIRE_ALL_SKINS_FILE, (Folder + L"AllSkins.skinres").c_str(), FALSE);
    {
      TCfgIni ini(Folder + L"cfg.ini");
      for (const auto& [key, value] : rows) ini.WriteString(key.first, key.second, value);
    }
    SetConsoleFolder(Folder);
    FPreviousAnswerer = SetDialogAnswerer(&FAnswerer);
    Messages().clear();
    try {
      Form = TCustomForm::Create<TForm1>(nullptr);
    } catch (const Exception& e) {
      ADD_FAILURE() << UTF8Encode(e.ClassName() + L": " + e.Message());
      throw;
    }
  }
  ~TMainWindowFixture() {
    if (Form) {
      Form->Comm1Port->ClosePort();
      Form->Free();
    }
    SetDialogAnswerer(FPreviousAnswerer);
    SetConsoleFolder(L"");
    DeleteFileW((Folder + L"cfg.ini").c_str());
    DeleteFileW((Folder + L"AllSkins.skinres").c_str());
    RemoveDirectoryW(Folder.c_str());
  }

  // Shown as the program shows it, and served until painted.
  void Show() {
    Form->Show();
    SetForegroundWindow(Form->Handle());
    test_support::PumpFor(150);
  }

  String Ini(const String& section, const String& key, const String& def = L"<none>") {
    return TCfgIni(Folder + L"cfg.ini").ReadString(section, key, def);
  }

  static std::vector<String>& Messages() {
    static std::vector<String> messages;
    return messages;
  }

  String Folder;
  TForm1* Form = nullptr;

 private:
  // Answers every box with its default button and keeps its text.
  class TRecorder : public TDialogAnswerer {
   public:
    bool Answer(TDialogRequest& request, int& result) override {
      Messages().push_back(request.Text);
      result = request.Kind == dkMessageDlg ? mrOk : IDOK;
      return true;
    }
  };
  TRecorder FAnswerer;
  TDialogAnswerer* FPreviousAnswerer = nullptr;
};

}  // namespace app_test
