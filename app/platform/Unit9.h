// The rename window of the scene presets ("更改名称"): the current preset's
// name, edited and stored with all sixteen names. Modeless, fixed size; its
// layout in Unit9.dfm. It works on the main window's preset list through
// IMainWindow.
#pragma once

#include "Forms.h"
#include "Settings.h"
#include "StdCtrls.h"

class TForm9 : public TForm {
  VAMIRE_CLASS(TForm9, TForm)
 public:
  using TForm::TForm;

  TLabel* Label1 = nullptr;    // "输入更改名称："
  TEdit* Edit1 = nullptr;      // the new name
  TButton* Button1 = nullptr;  // "修改"
  TButton* Button2 = nullptr;  // "取消"

  // The file the names are stored in, through an ini-file object of the
  // window's own: "cfg.ini" beside the program.
  String SettingsFile = CfgFileName;

  void FormShow(TObject* Sender);
  void Button1Click(TObject* Sender);
  void Button2Click(TObject* Sender);

 protected:
  void Loaded() override;
};

// TForm1.Button2Click: the window takes the rename button's caption and the
// current preset name, and is shown.
void ShowRenameWindow(const String& buttonCaption);
