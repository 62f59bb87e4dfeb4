// The page control and its pages under Wine: pages and tabs in step, the
// active page with its events in order, TabVisible, PageIndex and what
// removing a page activates.
#include "ExtCtrls.h"
#include "FormText.h"
#include "tabcontrol_test_support.h"

using namespace pc_test;

namespace {

const auto* const kUnits = testing::AddGlobalTestEnvironment(new TPageControlUnits);

// Records every event of a page control and its pages, in order.
class TEventLog : public TObject {
 public:
  std::vector<String> Events;
  bool VetoPage = false;
  void Changing(TObject*, bool&) { Events.push_back(L"OnChanging"); }
  void PageChanging(TObject*, TcxTabSheet* ANewPage, bool& AllowChange) {
    Events.push_back(L"OnPageChanging " + (ANewPage ? ANewPage->Caption() : String(L"-")));
    if (VetoPage) AllowChange = false;
  }
  void Changed(TObject*) { Events.push_back(L"OnChange"); }
  void Hidden(TObject* Sender) { Events.push_back(L"OnHide " + static_cast<TcxTabSheet*>(Sender)->Caption()); }
  void Shown(TObject* Sender) { Events.push_back(L"OnShow " + static_cast<TcxTabSheet*>(Sender)->Caption()); }
};

class PageControlTest : public testing::Test {
 protected:
  void SetUp() override {
    form = MakeForm();
    ShowQuietly(form);
    control = new TcxPageControl(form);
    control->SetBounds(10, 10, 300, 150);
    control->SetParent(form);
    control->SetStyle(TTestPCPainter::GetStyleID());
  }
  void TearDown() override { delete form; }
  TcxTabSheet* AddPage(const wchar_t* ACaption) {
    auto* page = new TcxTabSheet(form);
    page->SetCaption(ACaption);
    page->SetPageControl(control);
    page->OnHide = TNotifyEvent(&log, &TEventLog::Hidden);
    page->OnShow = TNotifyEvent(&log, &TEventLog::Shown);
    return page;
  }
  void Listen() {
    control->OnChanging = TcxTabChangingEvent(&log, &TEventLog::Changing);
    control->OnPageChanging = TcxPageChangingEvent(&log, &TEventLog::PageChanging);
    control->OnChange = TNotifyEvent(&log, &TEventLog::Changed);
    log.Events.clear();
  }
  String ActiveCaption() { return control->ActivePage() ? control->ActivePage()->Caption() : String(L"-"); }
  THostForm* form = nullptr;
  TcxPageControl* control = nullptr;
  TEventLog log;
};

TEST_F(PageControlTest, TheFirstPageBecomesActiveAndPagesFollowTheirTabs) {
  TcxTabSheet* a = AddPage(L"A");
  EXPECT_EQ(control->ActivePage(), a);
  EXPECT_EQ(control->TabIndex(), 0);
  EXPECT_TRUE(a->Visible());
  TcxTabSheet* b = AddPage(L"B");
  EXPECT_EQ(control->ActivePage(), a) << "a second page changes nothing";
  EXPECT_FALSE(b->Visible());
  b->SetCaption(L"Beta");
  b->SetImageIndex(3);
  b->SetHighlighted(true);
  b->SetEnabled(false);
  TcxTab* tab = control->Tabs()->Tab(1);
  EXPECT_EQ(tab->Caption(), L"Beta");
  EXPECT_TRUE(tab->Highlighted());
  EXPECT_FALSE(tab->Enabled());
  EXPECT_TRUE(tab->IsImageIndexStored());
  EXPECT_EQ(b->PageIndex(), 1);
  EXPECT_EQ(b->Tab(), tab);
  // The page fills the display area.
  EXPECT_EQ(a->BoundsRect(), control->GetDisplayRect());
}

TEST_F(PageControlTest, ATabClickFiresItsEventsInOrderAndAVetoKeepsThePage) {
  TcxTabSheet* a = AddPage(L"A");
  TcxTabSheet* b = AddPage(L"B");
  Listen();
  SendMessageW(control->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(75, 10));
  SendMessageW(control->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(75, 10));
  EXPECT_EQ(log.Events, (std::vector<String>{L"OnChanging", L"OnPageChanging B", L"OnHide A", L"OnShow B", L"OnChange"}));
  EXPECT_EQ(control->ActivePage(), b);

  log.Events.clear();
  log.VetoPage = true;
  control->SetTabIndex(0);
  EXPECT_EQ(log.Events, (std::vector<String>{L"OnChanging", L"OnPageChanging A"}));
  EXPECT_EQ(control->ActivePage(), b);
  EXPECT_EQ(control->TabIndex(), 1);
  log.VetoPage = false;

  // In code: OnChanging is not asked.
  log.Events.clear();
  control->SetActivePage(a);
  EXPECT_EQ(log.Events, (std::vector<String>{L"OnPageChanging A", L"OnHide B", L"OnShow A", L"OnChange"}));
  EXPECT_EQ(control->TabIndex(), 0);
}

TEST_F(PageControlTest, HidingTheActivePagesTabActivatesTheNextOrThePrevious) {
  struct TCase {
    const char* Name;
    int Active;
    std::vector<int> HiddenFirst;
    const wchar_t* Expected;
  };
  const TCase cases[] = {{"B active gives C", 1, {}, L"C"},
                         {"C active gives B", 2, {}, L"B"},
                         {"only B visible gives none", 1, {0, 2}, L"-"}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TcxTabSheet* pages[] = {AddPage(L"A"), AddPage(L"B"), AddPage(L"C")};
    control->SetActivePage(pages[c.Active]);
    for (int i : c.HiddenFirst) pages[i]->SetTabVisible(false);
    pages[c.Active]->SetTabVisible(false);
    EXPECT_EQ(ActiveCaption(), c.Expected);
    EXPECT_FALSE(pages[c.Active]->Visible());
    for (TcxTabSheet* page : pages) delete page;
    EXPECT_EQ(control->PageCount(), 0);
  }
}

TEST_F(PageControlTest, ShowingTheOnlyPagesTabActivatesIt) {
  TcxTabSheet* a = AddPage(L"A");
  a->SetTabVisible(false);
  EXPECT_EQ(control->ActivePage(), nullptr);
  a->SetTabVisible(true);
  EXPECT_EQ(control->ActivePage(), a);
  TcxTabSheet* b = AddPage(L"B");
  a->SetTabVisible(false);
  EXPECT_EQ(control->ActivePage(), b);
  b->SetTabVisible(false);
  a->SetTabVisible(true);
  EXPECT_EQ(control->ActivePage(), nullptr) << "with two pages, showing a tab activates nothing";
}

TEST_F(PageControlTest, PageIndexMovesPageAndTabOrRaisesTheListError) {
  TcxTabSheet* a = AddPage(L"A");
  AddPage(L"B");
  TcxTabSheet* c = AddPage(L"C");
  control->SetActivePage(c);
  Listen();
  try {
    a->SetPageIndex(3);
    ADD_FAILURE() << "no error";
  } catch (const EListError& e) {
    EXPECT_EQ(e.Message(), L"3 is an invalid PageIndex value.  PageIndex must be between 0 and 2");
  }
  EXPECT_THROW(a->SetPageIndex(-1), EListError);
  c->SetPageIndex(0);
  EXPECT_EQ(control->Pages(0), c);
  EXPECT_EQ(control->Tabs()->Strings(0), L"C");
  EXPECT_EQ(control->TabIndex(), 0) << "the active page keeps its tab selected";
  EXPECT_TRUE(log.Events.empty());
}

TEST_F(PageControlTest, RemovingAnyPageActivatesTheOneAfterIt) {
  TcxTabSheet* a = AddPage(L"A");
  TcxTabSheet* b = AddPage(L"B");
  AddPage(L"C");
  control->SetActivePage(a);
  Listen();
  delete b;
  EXPECT_EQ(ActiveCaption(), L"C") << "an inactive page between others: its next page";
  EXPECT_EQ(log.Events, (std::vector<String>{L"OnPageChanging C", L"OnHide A", L"OnShow C", L"OnChange"}));
  EXPECT_EQ(control->TabIndex(), 1);
  delete control->ActivePage();
  EXPECT_EQ(ActiveCaption(), L"A") << "the last page: the one before it";
}

TEST_F(PageControlTest, ALastPageAfterTheActiveOneGoesWithoutAnyEvent) {
  // The picture-adjustment window: TabSheet4 last, directly after an active ColorAdjust.
  AddPage(L"GammaAdjust");
  TcxTabSheet* colorAdjust = AddPage(L"ColorAdjust");
  TcxTabSheet* sheet4 = AddPage(L"TabSheet4");
  control->SetActivePage(colorAdjust);
  Listen();
  delete sheet4;
  EXPECT_EQ(control->ActivePage(), colorAdjust);
  EXPECT_TRUE(colorAdjust->Visible());
  EXPECT_EQ(control->TabIndex(), 1);
  EXPECT_TRUE(log.Events.empty());
}

TEST_F(PageControlTest, ForeignPagesAndParentsAreRefused) {
  TcxTabSheet* a = AddPage(L"A");
  auto* other = new TcxPageControl(form);
  other->SetParent(form);
  other->SetStyle(TTestPCPainter::GetStyleID());
  auto* foreign = new TcxTabSheet(form);
  foreign->SetPageControl(other);
  control->SetActivePage(foreign);
  EXPECT_EQ(control->ActivePage(), a);
  auto* loose = new TcxTabSheet(form);
  control->SetActivePage(loose);
  EXPECT_EQ(control->ActivePage(), a);
  EXPECT_THROW(a->SetParent(form), EAbort);
  EXPECT_EQ(a->PageControl(), control);
  EXPECT_EQ(a->Parent(), control);
  // The close button frees the active page.
  control->CloseActiveTab();
  EXPECT_EQ(control->PageCount(), 0);
  EXPECT_EQ(control->ActivePage(), nullptr);
}

TEST_F(PageControlTest, AtDesignTimeOnlyPagesStayOnThePageControl) {
  TcxTabSheet* a = AddPage(L"A");
  control->SetDesigning(true, false);
  auto* stray = new TPanel(form);
  stray->SetBounds(5, 7, 40, 30);
  stray->SetParent(control);
  EXPECT_EQ(stray->Parent(), form);
  EXPECT_EQ(stray->BoundsRect(), (TRect{15, 17, 55, 47})) << "the same place, the page control's position added";
  auto* page = new TcxTabSheet(form);
  page->SetPageControl(control);
  EXPECT_EQ(page->Parent(), control);
  control->SetDesigning(false, false);
  auto* runTime = new TPanel(form);
  runTime->SetParent(control);
  EXPECT_EQ(runTime->Parent(), control) << "at run time the control keeps what it is given";
  EXPECT_EQ(control->PageCount(), 2);
  EXPECT_EQ(control->ActivePage(), a);
}

class TPagesForm : public TForm {
  VAMIRE_CLASS(TPagesForm, TForm)
 public:
  using TForm::TForm;
};

TEST(PageControlFormTest, PagesStreamInOrderAndADisabledActivePageIsDropped) {
  RegisterClasses({TPagesForm::StaticClass()});
  const String text =
      L"object PagesForm: TPagesForm\n"
      L"  Left = 0\n"
      L"  Top = 0\n"
      L"  Width = 400\n"
      L"  Height = 300\n"
      L"  object PageControl1: TcxPageControl\n"
      L"    Left = 8\n"
      L"    Top = 8\n"
      L"    Width = 300\n"
      L"    Height = 200\n"
      L"    ActivePage = TabSheet2\n"
      L"    NavigatorPosition = npLeftTop\n"
      L"    Options = [pcoGoDialog, pcoSort]\n"
      L"    Style = 101\n"
      L"    ClientRectBottom = 200\n"
      L"    ClientRectLeft = 0\n"
      L"    ClientRectRight = 300\n"
      L"    ClientRectTop = 20\n"
      L"    object TabSheet1: TcxTabSheet\n"
      L"      Caption = 'One'\n"
      L"    end\n"
      L"    object TabSheet2: TcxTabSheet\n"
      L"      Caption = 'Two'\n"
      L"      Enabled = False\n"
      L"    end\n"
      L"    object TabSheet3: TcxTabSheet\n"
      L"      Caption = 'Three'\n"
      L"      ImageIndex = 2\n"
      L"      TabVisible = False\n"
      L"    end\n"
      L"  end\n"
      L"end\n";
  TPagesForm form(nullptr);
  TStringStream in(FormTextToBinary(text));
  try {
    ReadComponentFromStream(&in, &form);
  } catch (const Exception& e) {
    FAIL() << UTF8Encode(e.ClassName() + L": " + e.Message());
  }
  auto* control = dynamic_cast<TcxPageControl*>(form.FindComponent(L"PageControl1"));
  ASSERT_NE(control, nullptr);
  ASSERT_EQ(control->PageCount(), 3);
  EXPECT_EQ(control->Pages(2)->Caption(), L"Three");
  EXPECT_EQ(control->Tabs()->Strings(1), L"Two");
  EXPECT_FALSE(control->Tabs()->Tab(1)->Enabled());
  EXPECT_FALSE(control->Tabs()->Tab(2)->Visible());
  EXPECT_EQ(control->VisibleTabs().Count(), 2);
  EXPECT_EQ(control->ActivePage(), nullptr) << "a disabled streamed active page is dropped";
  EXPECT_EQ(control->NavigatorPosition(), npLeftTop);
  EXPECT_EQ(control->Options(), (TcxPCOptions{pcoGoDialog, pcoSort}));
}

}  // namespace
