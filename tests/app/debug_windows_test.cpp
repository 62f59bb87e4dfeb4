// The service engineer's windows on the wire: the debug window's raw bytes,
// the version window's query frame, and the debug echo of a maintenance
// login in the main window's log pane. The wall controller is COM5, the
// RGB/VGA/DVI matrix COM7 and the bridge the device peer's loopback listener.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "DialogService.h"
#include "MemorySettings.h"
#include "SpliceTestWindow.h"
#include "Splice.h"
#include "TestMainWindow.h"
#include "Unit5.h"
#include "Unit6.h"
#include "Unit7.h"
#include "cxButtons_win.h"
#include "link/PeerTest.h"
#include "link/encoders_test.h"

namespace {

using app_test::TTestMainWindow;
using vamire_test::Hex;

template <class T>
using TFormPtr = std::unique_ptr<T, void (*)(T*)>;

template <class T>
TFormPtr<T> Make() {
  return {TCustomForm::Create<T>(nullptr), [](T* f) { f->Free(); }};
}

class DebugWindowsTest : public link_test::TPeerTest {
 protected:
  // What the wall port received once `count` bytes are there (or 300 ms passed).
  std::string Com5(size_t count) {
    peer.WaitFor("com5", count, count ? 3000 : 300);
    Sleep(100);  // time for a stray byte to show
    return Hex(peer.Received("com5"));
  }
};

// The digits typed, filtered, paired and written as they are: no frame, no
// pause, no echo, and an odd last digit dropped.
TEST_F(DebugWindowsTest, DebugWindowSendsTheTypedBytesOnTheWallPort) {
  const struct {
    const wchar_t* Typed;
    const char* Sent;
    const wchar_t* Digits;
  } cases[] = {
      {L"C6 11 33 20 02 BB", "C6 11 33 20 02 BB", L"C611332002BB"},
      {L"c6113320 02bb", "C6 11 33 20 02 BB", L"c611332002bb"},
      {L"C6-11-3", "C6 11", L"C6113"},
      {L"G0 0x12", "00 12", L"0012"},
      {L"", "", L""},
      {L"7", "", L"7"},
  };
  TTestMainWindow main;
  main.Debug = true;
  OpenSerial(main);
  auto form = Make<TForm6>();
  for (const auto& c : cases) {
    SCOPED_TRACE(link_test::Utf8(c.Typed));
    ResetChannels();
    form->Edit1->SetText(c.Typed);
    form->Button1->OnClick(form->Button1);
    EXPECT_EQ(Com5(std::string(c.Sent).size() / 3 + (*c.Sent ? 1 : 0)), c.Sent);
    EXPECT_EQ(form->Edit2->Text(), c.Typed);
    EXPECT_EQ(form->Edit3->Text(), c.Digits);
    EXPECT_EQ(form->Edit1->Text(), c.Typed) << "kept for the next press";
    EXPECT_TRUE(main.LogLines().empty()) << "no echo, even in debug mode";
  }
}

// 51 bytes is the most one press sends; one digit more than that is refused
// whole with the message, and nothing at all goes out (D-96).
TEST_F(DebugWindowsTest, DebugWindowRefusesMoreThan102Digits) {
  TTestMainWindow main;
  OpenSerial(main);
  auto form = Make<TForm6>();
  String full;
  for (int i = 0; i < DebugSendMaxBytes; ++i) full += L"A5";
  form->Edit1->SetText(full);
  form->Button1->OnClick(form->Button1);
  const std::string sent = Com5(DebugSendMaxBytes);
  EXPECT_EQ(sent.size(), size_t(DebugSendMaxBytes) * 3 - 1);

  ResetChannels();
  for (const String& typed : {full + L"B", full + L"B7 C8"}) {
    form->Edit1->SetText(typed);
    TDialogAnswerScope scope;
    scope.Expect(dkMessageDlg, mrOk);
    form->Button1->OnClick(form->Button1);
    ASSERT_EQ(scope.Requests().size(), 1u);
    EXPECT_EQ(scope.Requests()[0].Text, L"一次最多发送51个字节");
    EXPECT_EQ(Com5(0), "");
  }
  EXPECT_EQ(form->Edit2->Text(), full) << "a refused input is not recorded as sent";
}

TEST_F(DebugWindowsTest, DebugWindowSendsOneChunkOnTheBridge) {
  TTestMainWindow main;
  ASSERT_TRUE(link_test::ConnectToBridge(main, peer.BridgePort()));
  auto form = Make<TForm6>();
  form->Edit1->SetText(L"C6 11 33 20 02 BB");
  form->Button1->OnClick(form->Button1);
  ASSERT_EQ(peer.WaitFor("tcp", 6), 6u);
  Sleep(100);
  const std::vector<vamire_test::PeerChunk> chunks = peer.Chunks("tcp");
  ASSERT_EQ(chunks.size(), 1u);
  EXPECT_EQ(Hex(chunks[0].Bytes), "C6 11 33 20 02 BB");
  EXPECT_EQ(Hex(peer.Received("com5")), "");
  ConnectRemote(false);
}

TEST_F(DebugWindowsTest, DebugWindowCloseHidesIt) {
  TTestMainWindow main;
  auto form = Make<TForm6>();
  form->Show();
  form->Button2->OnClick(form->Button2);
  EXPECT_FALSE(form->Visible());
}

TEST_F(DebugWindowsTest, VersionQueryGoesToTheSelection) {
  TTestMainWindow main;
  OpenSerial(main);
  main.Selection = {2, 1, 3, 2};
  auto form = Make<TForm5>();
  form->Button1->OnClick(form->Button1);
  EXPECT_EQ(Com5(6), "C6 21 32 5F 01 BB");
}

TEST_F(DebugWindowsTest, VersionWindowShowsTheUserLine) {
  TTestMainWindow main;
  auto form = Make<TForm5>();
  app_test::TMemorySettings settings;
  form->ReadUserLine(settings);
  EXPECT_EQ(form->Label3->Caption(), L" ");
  settings.Values[{L"config", L"USER"}] = L"北京展厅";
  form->ReadUserLine(settings);
  EXPECT_EQ(form->Label3->Caption(), L"北京展厅");
}

// --- Debug echo ---------------------------------------------------------------------------

class DebugEchoTest : public DebugWindowsTest {
 protected:
  void Login(const String& password) {
    auto form = Make<TForm7>();
    form->MaskEdit1->SetText(password);
    TDialogAnswerScope scope;
    scope.Expect(dkMessageDlg, mrOk);
    form->Button1->OnClick(form->Button1);
    ASSERT_EQ(scope.Requests().size(), 1u);
  }
  void Logout() {
    auto form = Make<TForm7>();
    form->Button4->OnClick(form->Button4);
  }
  // A VGA splice of panels 1,1 to 2,1 with matrix input 3 (CREATEK on
  // COM7, wall first), then the recall of preset 3 on the wall.
  void SpliceAndRecall(TTestMainWindow& main) {
    link_test::TNoPause fast;
    main.Matrix = encoders_test::Vga(0);
    main.Matrix.Linkage = true;
    app_test::TSpliceTestWindow window(main);
    window.Grid = {1, 1, 2, 1};
    window.InputIndex = 2;
    TNativeMatrixState native;
    SpliceSelection(window, native);
    SendWallSequence(PresetFrames(0x5A, 3));
  }
};

// The log pane gets every frame as the link formats it, in the order sent,
// exactly while the maintenance login holds.
TEST_F(DebugEchoTest, MaintenanceLoginEchoesEveryFrameIntoTheLogPane) {
  TTestMainWindow main;
  OpenSerial(main);
  Login(MaintenancePassword);
  ASSERT_TRUE(main.Debug);
  EXPECT_TRUE(main.Memo1()->Visible());
  SpliceAndRecall(main);
  EXPECT_EQ(Com5(12), "C6 11 21 20 01 BB C6 11 FF 5A 03 BB");
  EXPECT_EQ(Hex(peer.Received("com7")), HexOf("3V1.3V2."));
  const std::vector<String> expected = {L"->C6,11,21,20,01,BB", L"3V1.", L"3V2.", L"->C6,11,FF,5A,03,BB"};
  EXPECT_EQ(main.LogLines(), expected);

  Logout();
  EXPECT_FALSE(main.Debug);
  EXPECT_FALSE(main.Memo1()->Visible());
  ResetChannels();
  SpliceAndRecall(main);
  EXPECT_EQ(Com5(12), "C6 11 21 20 01 BB C6 11 FF 5A 03 BB");
  EXPECT_EQ(main.LogLines(), expected) << "no line after the logout";
}

TEST_F(DebugEchoTest, AdministratorLoginEchoesNothing) {
  TTestMainWindow main;
  OpenSerial(main);
  Login(L"9174");
  EXPECT_TRUE(main.Role.AdminLoggedIn);
  EXPECT_FALSE(main.Debug);
  SpliceAndRecall(main);
  EXPECT_EQ(Com5(12), "C6 11 21 20 01 BB C6 11 FF 5A 03 BB");
  EXPECT_TRUE(main.LogLines().empty());
}

}  // namespace
