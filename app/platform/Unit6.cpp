#include "Unit6.h"

#include "ConsoleForms.h"
#include "ConsoleState.h"
#include "DebugInput.h"
#include "Dialogs.h"
#include "SerialComm.h"
#include "Sockets.h"
#include "Streaming.h"

VAMIRE_PUBLISHED(TForm6, Handler(L"Button1Click", &TForm6::Button1Click),
                 Handler(L"Button2Click", &TForm6::Button2Click))

void TForm6::Loaded() {
  inherited::Loaded();
  BindFormComponents(this, L"Label1", Label1, L"Label2", Label2, L"Edit1", Edit1, L"Button1", Button1,
                     L"Edit2", Edit2, L"Edit3", Edit3, L"Label3", Label3, L"Memo1", Memo1, L"Button2", Button2);
}

// No frame, pause or echo is added: the bytes go out as typed. More digits
// than the send buffer holds are refused whole (D-96), so a long frame is
// never sent cut short.
void TForm6::Button1Click(TObject*) {
  const String input = Edit1->Text();
  const String digits = HexDigitsOf(input);
  if (digits.size() > size_t(DebugSendMaxBytes) * 2) {
    ShowMessage(L"一次最多发送51个字节");
    return;
  }
  Edit2->SetText(input);
  Edit3->SetText(digits);
  const std::vector<uint8_t> bytes = HexPairsToBytes(digits);
  IConsoleState* console = LinkConsole();
  if (!console || bytes.empty()) return;  // an empty write is refused by both links
  if (console->SerialChosen()) {
    if (TComm* comm = console->Comm1()) comm->WriteData(bytes.data(), uint16_t(bytes.size()));
  } else if (TTcpClient* client = console->SocketClient()) {
    client->SendBuf(bytes.data(), int(bytes.size()), 0);
  }
}

void TForm6::Button2Click(TObject*) { Hide(); }
