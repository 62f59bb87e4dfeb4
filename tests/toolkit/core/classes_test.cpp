// Helpers, class registries, object lists, object links and the width
// distributor of cxClasses.
#include <gtest/gtest.h>

#include <memory>

#include "cxClasses.h"

namespace {

// --- helpers -----------------------------------------------------------------------------

TEST(ClassesHelpersTest, TextAndValues) {
  EXPECT_EQ(TextBeforeBar(L"Text|more|again"), L"Text");
  EXPECT_EQ(TextBeforeBar(L"No bar"), L"No bar");
  EXPECT_EQ(TextBeforeBar(L"|lead"), L"");
  String s = L"abc";
  EXPECT_EQ(*CharPtrAt(s, 2), L'b');

  const struct {
    int a, b, mid;
  } mids[] = {{-3, 0, -2}, {3, 0, 1}, {-4, 0, -2}, {4, 6, 5}, {INT_MAX, INT_MAX, INT_MAX}, {INT_MIN, INT_MIN, INT_MIN}};
  for (auto& m : mids) EXPECT_EQ(RangeMidpoint(m.a, m.b), m.mid) << m.a << " " << m.b;

  EXPECT_EQ(SignOfReal(0.0), 1);
  EXPECT_EQ(SignOfReal(2.5), 1);
  EXPECT_EQ(SignOfReal(-0.1), -1);
  EXPECT_EQ(NewSize(3, 4), (TSize{3, 4}));

  String ident = L"my-name 1_x\u00e9\U0001F600z";
  StripNonIdentifierChars(ident);
  EXPECT_EQ(ident, L"myname1_xz");
}

struct TCounter {
  int calls = 0;
  TObject* sender = nullptr;
  void Handle(TObject* Sender) {
    ++calls;
    sender = Sender;
  }
  void Other(TObject*) {}
};

TEST(ClassesHelpersTest, NotifyEventsAndMethodEquality) {
  TCounter counter, other;
  TObject sender;
  FireNotifyEvent(&sender, TNotifyEvent());
  FireNotifyEvent(&sender, TNotifyEvent(&counter, &TCounter::Handle));
  EXPECT_EQ(counter.calls, 1);
  EXPECT_EQ(counter.sender, &sender);
  EXPECT_TRUE(MethodsEqual(TNotifyEvent(&counter, &TCounter::Handle), TNotifyEvent(&counter, &TCounter::Handle)));
  EXPECT_FALSE(MethodsEqual(TNotifyEvent(&counter, &TCounter::Handle), TNotifyEvent(&other, &TCounter::Handle)));
  EXPECT_FALSE(MethodsEqual(TNotifyEvent(&counter, &TCounter::Handle), TNotifyEvent(&counter, &TCounter::Other)));
}

class TcxTestEdit : public TComponent {
  VAMIRE_CLASS(TcxTestEdit, TComponent)
 public:
  using TComponent::TComponent;
};

TEST(ClassesHelpersTest, UniqueComponentNames) {
  TComponent form(nullptr);
  auto* panel = new TComponent(&form);
  panel->SetName(L"Panel");
  auto* edit = new TcxTestEdit(panel);  // owned one level down
  edit->SetName(L"cxTestEdit1");

  EXPECT_FALSE(IsComponentNameFree(&form, L"panel"));
  EXPECT_FALSE(IsComponentNameFree(&form, L"CXTESTEDIT1"));
  EXPECT_TRUE(IsComponentNameFree(&form, L"cxTestEdit2"));

  String name;
  // An empty base name always gets a number, counting past the names taken.
  ASSERT_TRUE(GenerateUniqueComponentName(&form, nullptr, edit, name));
  EXPECT_EQ(name, L"cxTestEdit2");
  ASSERT_TRUE(GenerateUniqueComponentName(&form, nullptr, edit, name, L"", L"Tcx"));
  EXPECT_EQ(name, L"TestEdit1");
  // A free base name goes behind the prefix component's name, without a number.
  ASSERT_TRUE(GenerateUniqueComponentName(&form, panel, edit, name, L"Edit"));
  EXPECT_EQ(name, L"PanelEdit");
  // Non-identifier characters go; a leading digit brings the class part in front.
  ASSERT_TRUE(GenerateUniqueComponentName(&form, nullptr, edit, name, L"1 st", L"TcxTest"));
  EXPECT_EQ(name, L"Edit1st");
  ASSERT_TRUE(GenerateUniqueComponentName(&form, nullptr, edit, name, L"Panel"));
  EXPECT_EQ(name, L"Panel1");
}

// --- registries --------------------------------------------------------------------------

class TA : public TObject {
  VAMIRE_CLASS(TA, TObject)
};
class TB : public TA {
  VAMIRE_CLASS(TB, TA)
};
class TC : public TB {
  VAMIRE_CLASS(TC, TB)
};
class TUnrelated : public TObject {
  VAMIRE_CLASS(TUnrelated, TObject)
};
class TRegA : public TObject {
  VAMIRE_CLASS(TRegA, TObject)
};
class TRegB : public TObject {
  VAMIRE_CLASS(TRegB, TObject)
};
class TRegB2 : public TObject {
  VAMIRE_CLASS(TRegB2, TObject)
};

TEST(RegisteredClassListTest, NearestRegisteredAncestorWins) {
  TcxRegisteredClassList list;
  list.AddRegistration(TA::StaticClass(), TRegA::StaticClass());
  list.AddRegistration(TB::StaticClass(), TRegB::StaticClass());
  EXPECT_EQ(list.FindRegisteredClass(TC::StaticClass()), TRegB::StaticClass());
  EXPECT_EQ(list.FindRegisteredClass(TB::StaticClass()), TRegB::StaticClass());
  EXPECT_EQ(list.FindRegisteredClass(TA::StaticClass()), TRegA::StaticClass());
  EXPECT_EQ(list.FindRegisteredClass(TUnrelated::StaticClass()), nullptr);
  EXPECT_EQ(list.FindRegisteredClass(TObject::StaticClass()), nullptr);
  int index = 99;
  EXPECT_FALSE(list.Find(TObject::StaticClass(), index));
  EXPECT_EQ(index, 0);  // the first descendant's entry
  EXPECT_FALSE(list.Find(TUnrelated::StaticClass(), index));
  EXPECT_EQ(index, -1);
}

TEST(RegisteredClassListTest, DescendantFirstStillOrdersAncestorBefore) {
  TcxRegisteredClassList list;
  list.AddRegistration(TC::StaticClass(), TRegB2::StaticClass());
  list.AddRegistration(TB::StaticClass(), TRegB::StaticClass());
  list.AddRegistration(TUnrelated::StaticClass(), TRegA::StaticClass());
  list.AddRegistration(TA::StaticClass(), TRegA::StaticClass());
  ASSERT_EQ(list.Count(), 4);
  EXPECT_EQ(list.Items(0).ItemClass, TA::StaticClass());
  EXPECT_EQ(list.Items(1).ItemClass, TB::StaticClass());
  EXPECT_EQ(list.Items(2).ItemClass, TC::StaticClass());
  EXPECT_EQ(list.FindRegisteredClass(TB::StaticClass()), TRegB::StaticClass());
  EXPECT_EQ(list.FindRegisteredClass(TC::StaticClass()), TRegB2::StaticClass());
  EXPECT_THROW(list.Items(4), EListError);
}

TEST(RegisteredClassListTest, LaterRegistrationWinsAndRemovalUncoversTheEarlier) {
  TcxRegisteredClassList list;
  list.AddRegistration(TB::StaticClass(), TRegB::StaticClass());
  list.AddRegistration(TB::StaticClass(), TRegB2::StaticClass());
  EXPECT_EQ(list.FindRegisteredClass(TC::StaticClass()), TRegB2::StaticClass());
  list.RemoveRegistration(TB::StaticClass(), TRegB2::StaticClass());
  EXPECT_EQ(list.FindRegisteredClass(TC::StaticClass()), TRegB::StaticClass());
  list.RemoveRegistration(TB::StaticClass(), TRegA::StaticClass());  // no such pair
  EXPECT_EQ(list.Count(), 1);
}

TEST(RegisteredClassesTest, RegisterKeepsFirstDescriptionAndSortsByDescription) {
  TcxRegisteredClasses classes;
  classes.Register(TB::StaticClass(), L"beta|extra");
  classes.Register(TA::StaticClass(), L"Gamma");
  classes.Register(TC::StaticClass(), L"alpha");
  classes.Register(TB::StaticClass(), L"zzz");  // already registered: kept as it was
  ASSERT_EQ(classes.Count(), 3);
  EXPECT_EQ(classes.Descriptions(0), L"beta");
  EXPECT_EQ(classes.FindByClassName(L"TC"), TC::StaticClass());
  EXPECT_EQ(classes.FindByClassName(L"tc"), nullptr);

  classes.SetSorted(true);  // sorts at once, without regard to case
  EXPECT_EQ(classes.Items(0), TC::StaticClass());
  EXPECT_EQ(classes.Items(1), TB::StaticClass());
  EXPECT_EQ(classes.Items(2), TA::StaticClass());
  classes.Register(TUnrelated::StaticClass(), L"Delta");  // a sorted list re-sorts
  EXPECT_EQ(classes.Items(2), TUnrelated::StaticClass());
  classes.Unregister(TB::StaticClass());
  classes.Unregister(TB::StaticClass());
  EXPECT_EQ(classes.Count(), 3);
  EXPECT_EQ(classes.Descriptions(1), L"Delta");
}

class TStreamedSetting : public TPersistent {
  VAMIRE_CLASS(TStreamedSetting, TPersistent)
};

TEST(RegisteredClassesTest, StreamingRegistrationOnlyWhenAsked) {
  TcxRegisteredClasses plain;
  plain.Register(TStreamedSetting::StaticClass(), L"setting");
  EXPECT_EQ(GetClass(L"TStreamedSetting"), nullptr);
  TcxRegisteredClasses streamed(true);
  streamed.Register(TStreamedSetting::StaticClass(), L"setting");
  EXPECT_EQ(GetClass(L"TStreamedSetting"), TStreamedSetting::StaticClass());
  UnRegisterClass(TStreamedSetting::StaticClass());
}

// --- object lists ------------------------------------------------------------------------

struct TTracked : TObject {
  explicit TTracked(int& freed) : freed(freed) {}
  ~TTracked() override { ++freed; }
  int& freed;
};

TEST(ObjectListTest, OwningListFreesOnlyThroughItsFreeOperations) {
  int freed = 0;
  {
    TcxObjectList list(true);
    auto* a = new TTracked(freed);
    auto* b = new TTracked(freed);
    auto* c = new TTracked(freed);
    list.Add(a);
    list.Add(b);
    list.Add(c);
    list.Delete(0);  // a plain delete frees nothing
    EXPECT_EQ(freed, 0);
    delete a;
    EXPECT_EQ(list.FreeAndRemove(c), 1);
    EXPECT_EQ(freed, 2);
    EXPECT_EQ(list.FreeAndRemove(c), -1);
    EXPECT_EQ(list.GetItem(0), b);
  }
  EXPECT_EQ(freed, 3);  // the list's end freed b

  TcxObjectList notOwning(false);
  auto* d = new TTracked(freed);
  auto* e = new TTracked(freed);
  notOwning.Add(d);
  notOwning.Add(e);
  notOwning.FreeAll();
  EXPECT_EQ(freed, 3);
  EXPECT_EQ(notOwning.Count(), 0);
  notOwning.Add(d);
  notOwning.FreeAndDelete(0);  // frees even when not owning
  EXPECT_EQ(freed, 4);
  delete e;
}

struct THandlers {
  std::vector<int> order;
  void First(TObject*, const void* args) { order.push_back(*static_cast<const int*>(args)); }
  void Second(TObject*, const void*) { order.push_back(-1); }
};

TEST(EventHandlerCollectionTest, CallsHandlersInOrder) {
  TcxEventHandlerCollection handlers;
  THandlers h;
  int arg = 7;
  handlers.CallHandlers(nullptr, &arg);  // nothing registered: nothing happens
  handlers.Add(TcxEventHandler(&h, &THandlers::First));
  handlers.Add(TcxEventHandler(&h, &THandlers::Second));
  handlers.CallHandlers(nullptr, &arg);
  EXPECT_EQ(h.order, (std::vector<int>{7, -1}));
}

// --- object links ------------------------------------------------------------------------

class TcxTestButton : public TcxComponent {
  VAMIRE_CLASS(TcxTestButton, TcxComponent)
 public:
  using TcxComponent::TcxComponent;
  TNotifyEvent OnClick;
  void Click() {
    if (OnClick) OnClick(this);
  }
};

struct TFreeingHandler {
  void FreeSender(TObject* Sender) { Sender->Free(); }
  void KeepSender(TObject*) {}
};

TEST(ObjectLinkTest, LinkClearedWhenTheObjectIsFreedInsideAHandler) {
  ASSERT_EQ(ObjectLinkController(), nullptr);
  TFreeingHandler handler;
  auto* button = new TcxTestButton(nullptr);
  button->OnClick = TNotifyEvent(&handler, &TFreeingHandler::KeepSender);
  TcxObjectLink* link = CreateObjectLink(button);
  button->Click();
  ASSERT_EQ(link->Target(), button);

  button->OnClick = TNotifyEvent(&handler, &TFreeingHandler::FreeSender);
  button->Click();
  EXPECT_EQ(link->Target(), nullptr);
  FreeObjectLink(link);
  EXPECT_EQ(ObjectLinkController(), nullptr);
}

TEST(ObjectLinkTest, ControllerLivesWhileLinksDo) {
  EXPECT_EQ(CreateObjectLink(nullptr), nullptr);
  EXPECT_EQ(ObjectLinkController(), nullptr);
  FreeObjectLink(nullptr);

  TObject a, b;
  TcxObjectLink* la1 = CreateObjectLink(&a);
  TcxObjectLink* la2 = CreateObjectLink(&a);
  TcxObjectLink* lb = CreateObjectLink(&b);
  ASSERT_NE(ObjectLinkController(), nullptr);
  EXPECT_EQ(ObjectLinkController()->LinkCount(), 3);
  InvalidateObjectLinks(&a);
  EXPECT_EQ(la1->Target(), nullptr);
  EXPECT_EQ(la2->Target(), nullptr);
  EXPECT_EQ(lb->Target(), &b);
  EXPECT_EQ(ObjectLinkController()->LinkCount(), 1);  // cleared links left the list
  FreeObjectLink(la1);
  FreeObjectLink(lb);
  EXPECT_EQ(ObjectLinkController()->LinkCount(), 0);
  FreeObjectLink(la2);
  EXPECT_EQ(ObjectLinkController(), nullptr);
}

TEST(FreeNotificatorTest, ReportsWatchedComponentsBeingFreed) {
  struct TSink {
    std::vector<TComponent*> freed;
    void Freed(TComponent* c) { freed.push_back(c); }
  } sink;
  TcxFreeNotificator notificator(nullptr);
  notificator.OnFreeNotification = TcxFreeNotificationEvent(&sink, &TSink::Freed);
  auto* watched = new TComponent(nullptr);
  auto* unwatched = new TComponent(nullptr);
  auto* withdrawn = new TComponent(nullptr);
  notificator.AddSender(watched);
  notificator.AddSender(withdrawn);
  notificator.AddSender(nullptr);
  notificator.RemoveSender(withdrawn);
  notificator.RemoveSender(nullptr);
  watched->Free();
  unwatched->Free();
  withdrawn->Free();
  ASSERT_EQ(sink.freed.size(), 1u);
  EXPECT_EQ(sink.freed[0], watched);
}

// --- width distributor -------------------------------------------------------------------

struct TWidthCase {
  const char* name;
  int available;
  std::vector<std::tuple<int, int, bool>> items;  // width, minimum, fixed
  std::vector<int> expected;
};

TEST(AutoWidthObjectTest, SharesTheSpaceByWidthAboveMinimums) {
  const TWidthCase cases[] = {
      {"proportional", 100, {{50, 0, false}, {150, 0, false}}, {25, 75}},
      {"minimum taken first", 100, {{50, 40, false}, {150, 0, false}}, {40, 60}},
      {"every item fixed", 100, {{50, 0, true}, {150, 0, true}}, {50, 150}},
      {"fixed then shared", 100, {{30, 0, true}, {10, 0, false}, {10, 0, false}}, {30, 35, 35}},
      {"cumulative rounding adds up", 10, {{1, 0, false}, {1, 0, false}, {1, 0, false}}, {3, 4, 3}},
      {"cascading minimums", 90, {{10, 30, false}, {10, 30, false}, {70, 0, false}}, {30, 30, 30}},
  };
  for (const TWidthCase& c : cases) {
    TcxAutoWidthObject widths(int(c.items.size()));
    for (auto [width, minimum, fixed] : c.items) {
      TcxAutoWidthItem* item = widths.AppendItem();
      EXPECT_EQ(item->ComputedWidth(), -1);
      item->SetWidth(width);
      item->SetMinWidth(minimum);
      item->SetFixed(fixed);
    }
    widths.SetAvailableSpace(c.available);
    widths.Calculate();
    for (int i = 0; i < widths.Count(); ++i)
      EXPECT_EQ(widths.Items(i)->ComputedWidth(), c.expected[std::size_t(i)]) << c.name << " item " << i;
  }
}

}  // namespace
