#include "Unit15.h"

#include <windows.h>

#include "ConsoleForms.h"
#include "MainWindow.h"
#include "Settings.h"
#include "SysUtils.h"
#include "cxButtons_win.h"
#include "cxDropDownEdit_combo_win.h"

VAMIRE_PUBLISHED(TForm15, Handler(L"FormCreate", &TForm15::FormCreate), Handler(L"FormShow", &TForm15::FormShow),
                 Handler(L"FormClose", &TForm15::FormClose), Handler(L"Button2Click", &TForm15::Button2Click),
                 Handler(L"Button7Click", &TForm15::Button7Click), Handler(L"Button8Click", &TForm15::Button8Click))

namespace {

const wchar_t* const LogoFileName = L"clogo.jpg";
// The wall name the main window's loading block falls back to, and the one
// this window's own show falls back to.
const wchar_t* const LoadedDefaultName = L"LCD WALL";
const wchar_t* const ShownDefaultName = L"大屏幕拼接软件";
const wchar_t* const EnglishDefaultName = L"Large-screen software";

}  // namespace

TForm15::~TForm15() = default;

void TForm15::Loaded() {
  inherited::Loaded();
  BindFormComponents(this, L"Label1", Label1, L"Edit1", Edit1, L"Label2", Label2, L"ComboBox1", ComboBox1, L"Label7",
                     Label7, L"ComboBox2", ComboBox2, L"Label8", Label8, L"Label6", Label6, L"Image1", Image1,
                     L"Button2", Button2, L"Button7", Button7, L"Button8", Button8, L"OpenPictureDialog1",
                     OpenPictureDialog1);
  LogoFile = ProgramFolder() + LogoFileName;
}

void TForm15::FormCreate(TObject*) {
  ComboBox1->SetItemIndex(8);
  ComboBox2->SetItemIndex(8);
}

void TForm15::LoadSettings(ISettingsStore& store) {
  Edit1->SetText(store.ReadString(L"config", L"name", LoadedDefaultName));
  ComboBox1->SetItemIndex(ReadWallRows(store) - 1);
  ComboBox2->SetItemIndex(ReadWallColumns(store) - 1);
}

bool TForm15::LoadLogo() {
  if (!FileExists(LogoFile)) return false;
  Image1->Picture()->LoadFromFile(LogoFile);
  return true;
}

int TForm15::Rows() const { return ComboBox1->ItemIndex() + 1; }
int TForm15::Columns() const { return ComboBox2->ItemIndex() + 1; }

// English shows the stored name too; only an empty one takes the English
// default (D-28), so OK in English never overwrites a name set in Chinese.
void TForm15::FormShow(TObject*) {
  FIni = std::make_unique<TCfgIni>(SettingsFile);
  FChosenPicture.clear();
  IMainWindow* main = MainWindow();
  if (!main || main->Language() != 1) {
    Edit1->SetText(FIni->ReadString(L"config", L"name", ShownDefaultName));
    return;
  }
  const String stored = FIni->ReadString(L"config", L"name", L"");
  Edit1->SetText(stored.empty() ? String(EnglishDefaultName) : stored);
  SetCaption(L"Splice Setting");
  Label1->SetCaption(L"User Name:");
  Label2->SetCaption(L"Splice Type:");
  Label7->SetCaption(L"row");
  Label8->SetCaption(L"col");
  Label6->SetCaption(L"User Logo:");
  Button2->SetCaption(L"Picture");
  Button7->SetCaption(L"OK");
  Button8->SetCaption(L"Close");
}

void TForm15::FormClose(TObject*, TCloseAction&) { FIni.reset(); }

// A picture the runtime cannot load raises its message and leaves the
// preview as it was; it is not taken as chosen, so OK keeps the old logo.
void TForm15::Button2Click(TObject*) {
  if (!OpenPictureDialog1->Execute()) return;
  const String file = OpenPictureDialog1->FileName();
  Image1->Picture()->LoadFromFile(file);
  FChosenPicture = file;
}

// The logo is copied with the platform's file copy (D-27): names with "%" or
// "&" reach it as they are, and without a picture chosen in this opening the
// old "clogo.jpg" is left alone. A failed copy is not reported.
void TForm15::Button7Click(TObject*) {
  if (!FIni) FIni = std::make_unique<TCfgIni>(SettingsFile);
  FIni->WriteString(L"config", L"name", Edit1->Text());
  WriteSettingInteger(*FIni, L"config", L"row", Rows());
  WriteSettingInteger(*FIni, L"config", L"col", Columns());
  if (!FChosenPicture.empty()) CopyFileW(FChosenPicture.c_str(), LogoFile.c_str(), FALSE);
  if (IMainWindow* main = MainWindow()) {
    main->SetWallLogo(Image1->Picture());
    main->SetWallName(Edit1->Text());
    main->RebuildWallGrid(Rows(), Columns());
  }
  Close();
}

void TForm15::Button8Click(TObject*) { Close(); }
