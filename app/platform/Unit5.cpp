#include "Unit5.h"

#include "ConsoleForms.h"
#include "Links.h"
#include "MainWindow.h"
#include "Streaming.h"
#include "cxButtons_win.h"

VAMIRE_PUBLISHED(TForm5, Handler(L"FormShow", &TForm5::FormShow), Handler(L"Button1Click", &TForm5::Button1Click),
                 Handler(L"BitBtn1Click", &TForm5::BitBtn1Click))

void TForm5::Loaded() {
  inherited::Loaded();
  BindFormComponents(this, L"Label1", Label1, L"Label2", Label2, L"Label3", Label3, L"Button1", Button1,
                     L"BitBtn1", BitBtn1);
}

void TForm5::ReadUserLine(ISettingsStore& store) { Label3->SetCaption(store.ReadString(L"config", L"USER", L" ")); }

// The query button's English comes with the main window's captions; the rest here.
void TForm5::FormShow(TObject*) {
  if (!MainWindow() || MainWindow()->Language() != 1) return;
  SetCaption(L" About");
  Label1->SetCaption(L"Quellor");
  BitBtn1->SetCaption(L"Close");
}

void TForm5::Button1Click(TObject*) { SendWallCommand(0x5F, 1); }

void TForm5::BitBtn1Click(TObject*) { Close(); }
