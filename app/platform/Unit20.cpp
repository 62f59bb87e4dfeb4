#include "Unit20.h"

#include "CfgIni.h"
#include "ConsoleForms.h"
#include "MainWindow.h"
#include "WallGrid.h"

VAMIRE_PUBLISHED(TForm20, Handler(L"FormShow", &TForm20::FormShow), Handler(L"lbl1Click", &TForm20::SwatchClick),
                 Handler(L"lbl2Click", &TForm20::SwatchClick), Handler(L"lbl3Click", &TForm20::SwatchClick),
                 Handler(L"lbl4Click", &TForm20::SwatchClick), Handler(L"lbl5Click", &TForm20::SwatchClick),
                 Handler(L"lbl6Click", &TForm20::SwatchClick), Handler(L"lbl7Click", &TForm20::SwatchClick),
                 Handler(L"lbl8Click", &TForm20::SwatchClick), Handler(L"lbl9Click", &TForm20::SwatchClick))

void TForm20::Loaded() {
  inherited::Loaded();
  BindFormComponents(this, L"lbl1", lbl1, L"lbl2", lbl2, L"lbl3", lbl3, L"lbl4", lbl4, L"lbl5", lbl5, L"lbl6", lbl6,
                     L"lbl7", lbl7, L"lbl8", lbl8, L"lbl9", lbl9);
}

void TForm20::FormShow(TObject*) {
  IMainWindow* main = MainWindow();
  if (!main || main->Language() != 1) return;
  SetCaption(L"Backgroud Color Setting");
  lbl9->SetCaption(L"Restore");
}

void TForm20::SwatchClick(TObject* Sender) {
  IMainWindow* main = MainWindow();
  if (!main) return;
  const String colour = ColorToString(static_cast<TLabel*>(Sender)->Color());
  TCfgIni ini(SettingsFile);
  const TWallSelection s = main->GridSelection();
  for (int row = s.SelTop; row <= s.SelBottom; ++row)
    for (int column = s.SelLeft; column <= s.SelRight; ++column)
      ini.WriteString(L"stringgrid", CellColourKey(row, column), colour);
  main->RepaintWallGrid();
}
