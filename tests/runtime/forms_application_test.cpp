// The application object: its window, the loop ended by a posted message,
// exceptions from callbacks and from the loop reaching its handler while the
// loop goes on; the screen's monitors, work area and fonts.
#include <gtest/gtest.h>

#include <stdexcept>

#include "DialogService.h"
#include "Forms.h"
#include "HiddenWindow.h"
#include "SysUtils.h"
#include "Threads.h"
#include "forms_test_support.h"

namespace {

const UINT kRaise = WM_APP + 1;
const UINT kTerminate = WM_APP + 2;
const UINT kNothing = WM_APP + 3;

// A hidden window whose messages raise, end the loop or are counted.
class TPoster : public TObject {
 public:
  TPoster() { FWnd = AllocateHWnd(TWndMethod(this, &TPoster::WndProc)); }
  ~TPoster() override { DeallocateHWnd(FWnd); }
  void Post(UINT Msg) { PostMessageW(FWnd, Msg, 0, 0); }

  std::function<void()> Raise;
  int Seen = 0;

 private:
  void WndProc(TMessage& Message) {
    switch (Message.Msg) {
      case kRaise:
        Raise();
        break;
      case kTerminate:
        Application->Terminate();
        break;
      case kNothing:
        ++Seen;
        break;
      default:
        Message.Result = DefWindowProcW(FWnd, Message.Msg, Message.WParam, Message.LParam);
    }
  }
  HWND FWnd;
};

struct TRecorder : TObject {
  std::vector<String> Messages;
  std::vector<TObject*> Senders;
  void OnException(TObject* Sender, const Exception& E) {
    Senders.push_back(Sender);
    Messages.push_back(E.Message());
  }
  int Idles = 0;
  void OnIdle(TObject*, bool& Done) {
    ++Idles;
    Done = true;
  }
  bool SwallowNothing = false;
  void OnMessage(MSG& Msg, bool& Handled) {
    if (Msg.message == kNothing && SwallowNothing) Handled = true;
    if (Msg.message == kRaise && !SwallowNothing) throw EConvertError(L"from the loop");
  }
};

class ApplicationTest : public testing::Test {
 protected:
  void TearDown() override {
    Application->OnException = nullptr;
    Application->OnIdle = nullptr;
    Application->OnMessage = nullptr;
  }
};

TEST_F(ApplicationTest, WindowClassAndTitle) {
  ASSERT_NE(Application->Handle(), nullptr);
  EXPECT_EQ(WindowClassOf(Application->Handle()), L"TApplication");
  // Until set, the title is the program's name.
  EXPECT_EQ(Application->Title(), L"runtime_forms_application_test");
  Application->SetTitle(L"Quellor");
  EXPECT_EQ(WindowTextOf(Application->Handle()), L"Quellor");
  EXPECT_NE(Application->ExeName().find(L"runtime_forms_application_test.exe"), String::npos);
}

TEST_F(ApplicationTest, PostedTerminateEndsRunAndMessagesBeforeItAreServed) {
  TPoster poster;
  poster.Post(kNothing);
  poster.Post(kTerminate);
  poster.Post(kNothing);  // still served: the quit message comes after the queue is empty
  Application->Run();
  EXPECT_TRUE(Application->Terminated());
  EXPECT_EQ(poster.Seen, 2);
}

// Every kind of failure in a callback reaches the application's handler and
// the loop handles the next message.
TEST_F(ApplicationTest, CallbackExceptionsReachOnExceptionAndTheLoopGoesOn) {
  struct Case {
    const char* Name;
    std::function<void()> Raise;
    const wchar_t* Expected;  // null: silent
  };
  const Case cases[] = {
      {"runtime exception", [] { throw EConvertError(L"bad value"); }, L"bad value"},
      {"C++ exception", [] { throw std::runtime_error("std failure"); }, L"std failure"},
      {"abort is silent", [] { throw EAbort(L"quiet"); }, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    TRecorder rec;
    Application->OnException = TExceptionEvent(&rec, &TRecorder::OnException);
    TPoster poster;
    poster.Raise = c.Raise;
    poster.Post(kRaise);
    poster.Post(kNothing);
    poster.Post(kTerminate);
    Application->Run();
    EXPECT_EQ(poster.Seen, 1) << "the loop stopped after the exception";
    if (c.Expected) {
      ASSERT_EQ(rec.Messages.size(), 1u);
      EXPECT_EQ(rec.Messages[0], c.Expected);
    } else {
      EXPECT_TRUE(rec.Messages.empty());
    }
  }
}

// Without OnException the message is shown in a message box with the title
// as caption; the message ends in a full stop.
TEST_F(ApplicationTest, WithoutOnExceptionTheMessageIsShown) {
  struct Case {
    std::function<void()> Raise;
    const wchar_t* Text;
  };
  const Case cases[] = {
      {[] { throw EConvertError(L"bad value"); }, L"bad value."},
      {[] { throw Exception(L"Finished."); }, L"Finished."},
      {[] { throw Exception(L"请重新启动!"); }, L"请重新启动!"},
      {[] { throw Exception(L""); }, L"Exception."},
  };
  Application->SetTitle(L"Quellor");
  for (const Case& c : cases) {
    TDialogAnswerScope answers;
    answers.Expect(dkMessageBox, IDOK);
    TPoster poster;
    poster.Raise = c.Raise;
    poster.Post(kRaise);
    poster.Post(kTerminate);
    Application->Run();
    ASSERT_EQ(answers.Requests().size(), 1u);
    EXPECT_EQ(answers.Requests()[0].Text, c.Text);
    EXPECT_EQ(answers.Requests()[0].Caption, L"Quellor");
    EXPECT_EQ(answers.Requests()[0].Type & MB_ICONMASK, UINT(MB_ICONSTOP));
  }
}

TEST_F(ApplicationTest, OnMessageSeesMessagesFirstAndItsExceptionsAreHandled) {
  TRecorder rec;
  Application->OnException = TExceptionEvent(&rec, &TRecorder::OnException);
  Application->OnMessage = TMessageEvent(&rec, &TRecorder::OnMessage);
  TPoster poster;
  poster.Raise = [] {};
  poster.Post(kRaise);  // OnMessage raises before it is dispatched
  poster.Post(kNothing);
  poster.Post(kTerminate);
  Application->Run();
  EXPECT_EQ(rec.Messages, std::vector<String>{L"from the loop"});
  EXPECT_EQ(rec.Senders, std::vector<TObject*>{Application});
  EXPECT_EQ(poster.Seen, 1);

  rec.SwallowNothing = true;
  poster.Post(kNothing);
  poster.Post(kTerminate);
  Application->Run();
  EXPECT_EQ(poster.Seen, 1) << "a message OnMessage handled was still dispatched";
}

TEST_F(ApplicationTest, IdleRunsWhenTheQueueIsEmpty) {
  TRecorder rec;
  Application->OnIdle = TIdleEvent(&rec, &TRecorder::OnIdle);
  TPoster poster;
  poster.Post(kTerminate);
  Application->HandleMessage();  // the posted message
  Application->HandleMessage();  // the quit message
  EXPECT_TRUE(Application->Terminated());
  EXPECT_EQ(rec.Idles, 0);
  PostMessageW(Application->Handle(), WM_NULL, 0, 0);
  Application->ProcessMessages();
  EXPECT_EQ(rec.Idles, 0) << "ProcessMessages returns without idling";
}

// A worker's synchronised call runs inside the application's loop.
TEST_F(ApplicationTest, SynchronisedCallsRunInTheLoop) {
  struct TWorker : TThread {
    TWorker() : TThread(true) {}
    bool Ran = false;
    void Mark() {
      Ran = GetCurrentThreadId() == MainThreadID;
      Application->Terminate();
    }
    void Execute() override { Synchronize(TThreadMethod(this, &TWorker::Mark)); }
  };
  TWorker worker;
  worker.Start();
  Application->Run();
  worker.WaitFor();
  EXPECT_TRUE(worker.Ran);
}

TEST(ScreenTest, MonitorsAndWorkArea) {
  ASSERT_GE(Screen->MonitorCount(), 1);
  TMonitor* primary = Screen->PrimaryMonitor();
  ASSERT_NE(primary, nullptr);
  EXPECT_TRUE(primary->Primary());
  EXPECT_EQ(primary->BoundsRect(), (TRect{0, 0, Screen->Width(), Screen->Height()}));
  EXPECT_EQ(Screen->MonitorFromPoint({10, 10}), primary);
  // Far off every display: the nearest one, or none when asked so.
  EXPECT_EQ(Screen->MonitorFromPoint({-100000, -100000}), primary);
  EXPECT_EQ(Screen->MonitorFromPoint({-100000, -100000}, mdNull), nullptr);
  const TRect work = Screen->WorkAreaRect();
  EXPECT_GT(Screen->WorkAreaWidth(), 0);
  EXPECT_LE(work.Right, Screen->Width());
  EXPECT_LE(work.Bottom, Screen->Height());
  EXPECT_GT(Screen->PixelsPerInch(), 0);
  // The objects stay the same across a display change.
  Screen->DisplayChanged();
  EXPECT_EQ(Screen->PrimaryMonitor(), primary);
}

TEST(ScreenTest, FontsAreSortedOnceEach) {
  TStrings* fonts = Screen->Fonts();
  ASSERT_GT(fonts->Count(), 1);
  for (int i = 1; i < fonts->Count(); ++i)
    EXPECT_LT(AnsiCompareText(fonts->Strings(i - 1), fonts->Strings(i)), 0) << i;
  // The UI font the test prefix installs, under its name in the running locale.
  EXPECT_TRUE(fonts->IndexOf(L"WenQuanYi Zen Hei") >= 0 || fonts->IndexOf(L"文泉驿正黑") >= 0)
      << UTF8Encode(fonts->CommaText());
  const int count = fonts->Count();
  Screen->ResetFonts();
  EXPECT_EQ(Screen->Fonts(), fonts);
  EXPECT_EQ(fonts->Count(), count);
}

}  // namespace
