// The link's components in form files: the console's main form holds three serial
// ports and the bridge's TCP client, read by class name; each writes every value.
#include <gtest/gtest.h>

#include <vector>

#include "FormText.h"
#include "Forms.h"
#include "SerialComm.h"
#include "Sockets.h"
#include "SysUtils.h"

namespace {

// One serial port as the main form stores it: every value, the constructor's
// defaults included, with DTR and RTS off and no flow control.
const std::vector<String> kPortValues = {
    L"CommName = 'COM2'",          L"BaudRate = 9600",
    L"ParityCheck = False",        L"Outx_CtsFlow = False",
    L"Outx_DsrFlow = False",       L"DtrControl = DtrDisable",
    L"DsrSensitivity = False",     L"TxContinueOnXoff = False",
    L"Outx_XonXoffFlow = False",   L"Inx_XonXoffFlow = False",
    L"ReplaceWhenParityError = False", L"IgnoreNullChar = False",
    L"RtsControl = RtsDisable",    L"XonLimit = 500",
    L"XoffLimit = 500",            L"ByteSize = _8",
    L"Parity = None",              L"StopBits = _1",
    L"XonChar = 17",               L"XoffChar = 19",
    L"ReplacedChar = 0",           L"ReadIntervalTimeout = 100",
    L"ReadTotalTimeoutMultiplier = 0", L"ReadTotalTimeoutConstant = 0",
    L"WriteTotalTimeoutMultiplier = 0", L"WriteTotalTimeoutConstant = 0"};

String Block(const String& object, const std::vector<String>& values, const String& indent) {
  String text = indent + L"object " + object + L"\n";
  for (const String& v : values) text += indent + L"  " + v + L"\n";
  return text + indent + L"end\n";
}

String Written(TComponent* component) {
  TMemoryStream out;
  WriteComponentToStream(&out, component);
  return FormBinaryToText(std::string(static_cast<const char*>(out.Memory()), size_t(out.Size())));
}

class LinkStreamTest : public testing::Test {
 protected:
  void SetUp() override { InitializeUnits({SerialCommUnit, SocketsUnit}); }
  void TearDown() override { FinalizeUnits(); }
};

TEST_F(LinkStreamTest, TheMainFormsPortsAndClientAreReadByClassName) {
  const std::vector<String> client = {L"RemoteHost = '127.0.0.1'", L"RemotePort = '8899'"};
  const String text = L"object Form1: TForm\n" + Block(L"Comm1: TComm", kPortValues, L"  ") +
                      Block(L"Comm2: TComm", kPortValues, L"  ") + Block(L"Comm3: TComm", kPortValues, L"  ") +
                      Block(L"socketClient: TTcpClient", client, L"  ") + L"end\n";
  TForm* form = TCustomForm::Create<TForm>(nullptr);
  TStringStream in(FormTextToBinary(text));
  try {
    ReadComponentFromStream(&in, form);
  } catch (const Exception& e) {
    form->Free();
    FAIL() << UTF8Encode(e.ClassName() + L": " + e.Message());
  }
  for (const wchar_t* name : {L"Comm1", L"Comm2", L"Comm3"}) {
    SCOPED_TRACE(UTF8Encode(name));
    auto* comm = dynamic_cast<TComm*>(form->FindComponent(name));
    ASSERT_NE(comm, nullptr);
    EXPECT_EQ(comm->DtrControl(), DtrDisable);
    EXPECT_EQ(comm->RtsControl(), RtsDisable);
    EXPECT_FALSE(comm->TxContinueOnXoff());
    EXPECT_FALSE(comm->Inx_XonXoffFlow());
    EXPECT_EQ(comm->ByteSize(), TByteSize::_8);
    EXPECT_EQ(comm->XoffChar(), '\x13');
    EXPECT_FALSE(comm->Opened());
    // Written alone, the port gives back every value it was read with.
    EXPECT_EQ(Written(comm), Block(String(name) + L": TComm", kPortValues, L""));
  }
  auto* socket = dynamic_cast<TTcpClient*>(form->FindComponent(L"socketClient"));
  ASSERT_NE(socket, nullptr);
  EXPECT_EQ(socket->RemoteHost(), L"127.0.0.1");
  EXPECT_EQ(socket->RemotePort(), L"8899");
  EXPECT_FALSE(socket->Active());
  EXPECT_EQ(Written(socket), Block(L"socketClient: TTcpClient", client, L""));
  form->Free();
}

// Every value is written, even one equal to the constructor's default, so a form
// always holds the whole line set-up.
TEST_F(LinkStreamTest, AFreshPortWritesEveryValue) {
  TComm comm(nullptr);
  comm.SetName(L"Comm1");
  std::vector<String> defaults = kPortValues;
  for (String& v : defaults) {
    if (v == L"DtrControl = DtrDisable") v = L"DtrControl = DtrEnable";
    if (v == L"RtsControl = RtsDisable") v = L"RtsControl = RtsEnable";
    if (v == L"TxContinueOnXoff = False" || v == L"Outx_XonXoffFlow = False" || v == L"Inx_XonXoffFlow = False")
      v = v.substr(0, v.size() - 5) + L"True";
  }
  EXPECT_EQ(Written(&comm), Block(L"Comm1: TComm", defaults, L""));
}

// Outside the units' lifetime the reader does not know the classes.
TEST(LinkStreamUnitTest, ClassesAreKnownOnlyWhileTheUnitsRun) {
  EXPECT_EQ(GetClass(L"TComm"), nullptr);
  InitializeUnits({SerialCommUnit, SocketsUnit});
  EXPECT_EQ(GetClass(L"TComm"), TComm::StaticClass());
  EXPECT_EQ(GetClass(L"TTcpClient"), TTcpClient::StaticClass());
  FinalizeUnits();
  EXPECT_EQ(GetClass(L"TComm"), nullptr);
  EXPECT_EQ(GetClass(L"TTcpClient"), nullptr);
}

}  // namespace
