// The bar library's units started and ended as the console does on every run:
// cursors and glyphs found, the strings filed under their product, the
// item-class registry, the sounds through their replaceable binding, and
// nothing left behind when the units end.
#include <set>

#include "bars_test_support.h"

namespace {

using namespace bars_test;

class TTestItem : public TdxBarItem {
  VAMIRE_CLASS(TTestItem, TdxBarItem)
 public:
  using TdxBarItem::TdxBarItem;
};
class TTestItemChild : public TTestItem {
  VAMIRE_CLASS(TTestItemChild, TTestItem)
 public:
  using TTestItem::TTestItem;
};
class THiddenItem : public TdxBarItem {
  VAMIRE_CLASS(THiddenItem, TdxBarItem)
 public:
  using TdxBarItem::TdxBarItem;
};
class TTestControl : public TObject {
  VAMIRE_CLASS(TTestControl, TObject)
};
class TOtherControl : public TObject {
  VAMIRE_CLASS(TOtherControl, TObject)
};

struct TSoundCall {
  String Alias;
  bool NoAlias;
  HMODULE Module;
  DWORD Flags;
};
std::vector<TSoundCall> GSounds;
BOOL WINAPI CountingPlaySound(LPCWSTR Sound, HMODULE Module, DWORD Flags) {
  GSounds.push_back({Sound ? String(Sound) : String(), Sound == nullptr, Module, Flags});
  return TRUE;
}

// One start and end of the whole list, as the console runs them.
TEST(BarUnitsTest, ConsoleStartAndStopLeaveNothingBehind) {
  StartUnits();
  EXPECT_TRUE(IsUnitStarted(L"dxBar"));
  EXPECT_TRUE(IsUnitStarted(L"dxBarStrs"));
  EXPECT_EQ(dxBarManagerCount(), 0) << "no manager, so no hook and no hint window";
  EXPECT_EQ(dxBarHintWindow(), nullptr);
  EXPECT_NE(CheckedButtonBrush(), nullptr);
  EXPECT_GT(ScreenColorDepth(), 8);
  EXPECT_NE(dxBarSetLayeredWindowAttributesProc(), nullptr);
  EXPECT_NE(dxBarUpdateLayeredWindowProc(), nullptr);
  EXPECT_NE(dxBarAnimateWindowProc(), nullptr);
  EXPECT_NE(GetClass(L"TdxBar"), nullptr);
  EXPECT_NE(GetClass(L"TdxBarGroup"), nullptr);

  // The system keeps no count of GDI objects under Wine: each object the unit made is looked at instead.
  std::set<HCURSOR> cursors;
  for (TCursor id : {crdxBarDrag, crdxBarDragCopy, crdxBarDragNoDrop, crdxBarEditSizing}) {
    const HCURSOR cursor = GetCursorHandle(id);
    EXPECT_NE(cursor, GetCursorHandle(crArrow)) << id;
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(cursor, &info)) << id;
    EXPECT_FALSE(info.fIcon) << id;
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (info.hbmMask) DeleteObject(info.hbmMask);
    cursors.insert(cursor);
  }
  EXPECT_EQ(cursors.size(), 4u);
  for (const wchar_t* name : {L"DXBARCLOSE", L"DXBARRESTORE", L"DXBARMAXIMIZE", L"DXBARMINIMIZE"}) {
    HANDLE bitmap = LoadImageW(GetModuleHandleW(nullptr), name, IMAGE_BITMAP, 0, 0, 0);
    ASSERT_NE(bitmap, nullptr) << UTF8Encode(name);
    BITMAP info{};
    GetObjectW(bitmap, sizeof(info), &info);
    EXPECT_EQ(info.bmWidth, 16);
    EXPECT_EQ(info.bmHeight, 16);
    DeleteObject(bitmap);
  }

  EXPECT_NE(GetBarNavigationController(), nullptr);
  TdxBarDesignController* design = GetBarDesignController();
  EXPECT_NE(design, nullptr);
  EXPECT_EQ(GetBarDesignController(), design) << "one for the program";
  TdxBarFlatPainter* flat = GetSharedFlatPainter();
  ASSERT_NE(flat, nullptr);
  EXPECT_EQ(GetSharedFlatPainter(), flat);
  TObject control;
  AddLiveBarControl(&control);
  EXPECT_TRUE(IsBarControlAlive(&control));
  RemoveLiveBarControl(&control);
  EXPECT_FALSE(IsBarControlAlive(&control));
  EXPECT_FALSE(IsBarControlAlive(nullptr));
  const HBRUSH checked = CheckedButtonBrush();
  FinalizeUnits();
  EXPECT_EQ(GetObjectType(checked), 0u) << "the checked-button brush is deleted";
  EXPECT_TRUE(dxBarFinalizing());
  EXPECT_EQ(GetBarItemRegistry(), nullptr) << "not made again once the end has begun";
  EXPECT_EQ(GetBarDesignController(), nullptr);
  EXPECT_EQ(GetSharedFlatPainter(), nullptr);
  EXPECT_EQ(GetBarNavigationController(), nullptr);
  EXPECT_EQ(CheckedButtonBrush(), nullptr);
  EXPECT_EQ(dxBarSetLayeredWindowAttributesProc(), nullptr);
  EXPECT_EQ(GetCursorHandle(crdxBarDrag), GetCursorHandle(crArrow));
  for (HCURSOR cursor : cursors) {
    ICONINFO info{};
    EXPECT_FALSE(GetIconInfo(cursor, &info)) << "the cursor was destroyed";
  }
  EXPECT_EQ(GetClass(L"TdxBar"), nullptr);
  StartUnits();
  EXPECT_FALSE(dxBarFinalizing()) << "a new start begins afresh";
  EXPECT_NE(GetBarItemRegistry(), nullptr);
  FinalizeUnits();
}

TEST(BarUnitsTest, StringsAreFiledInOrderAndOverridable) {
  StartUnits();
  TdxResourceStringsRepository* repository = GetResourceStringsRepository();
  const int index = repository->IndexOfProduct(L"Corvane");
  ASSERT_GE(index, 0);
  TdxProductResourceStrings* product = repository->Products(index);
  EXPECT_EQ(product->Count(), 182);
  int count = 0;
  const PResStringRec* list = dxBarStrsList(count);
  ASSERT_EQ(count, 182);
  EXPECT_EQ(String(list[0]->Identifier), L"dxSBAR_LOOKUPDIALOGCAPTION");
  EXPECT_EQ(String(list[181]->Identifier), L"dxSBAR_ACCESSIBILITY_RIBBONTABCOLLECTIONNAME");
  std::set<String> names;
  for (int i = 0; i < count; ++i) {
    names.insert(list[i]->Identifier);
    EXPECT_FALSE(ResolveResourceString(list[i]).empty()) << UTF8Encode(list[i]->Identifier);
    EXPECT_GE(product->IndexOf(list[i]->Identifier), 0);
  }
  EXPECT_EQ(names.size(), 182u) << "no identifier twice";

  struct {
    PResStringRec Res;
    const wchar_t* Text;
  } quoted[] = {
      {&dxSBAR_TOOLBARNEWNAME, L"Custom "},
      {&dxSBAR_BARMANAGERBADOWNER, L"TdxBarManager should have TWinControl as its Owner"},
      {&dxSBAR_BARMANAGERMORETHANONE, L"A control should contain only a single TdxBarManager"},
      {&dxSBAR_DEFAULTCATEGORYNAME, L"Default"},
      {&dxSBAR_SUBMENUEDITORCAPTION, L"Corvane SubMenu Editor"},
      {&dxSBAR_TOOLBARSALREADYMERGED, L"The '%s' toolbar is already merged with the '%s' toolbar"},
      {&SBlob, L"(Blob)"},
  };
  for (const auto& q : quoted) EXPECT_EQ(ResolveResourceString(q.Res), q.Text);

  SetResourceStringOverrides(TdxResourceStringOverrideMode::ByResource, {{String(), &dxSBAR_TOOLBARNEWNAME}},
                             {L"Eigene "});
  EXPECT_EQ(ResolveResourceString(&dxSBAR_TOOLBARNEWNAME), L"Eigene ");
  FreeResourceStringOverrides();
  EXPECT_EQ(ResolveResourceString(&dxSBAR_TOOLBARNEWNAME), L"Custom ");
  FinalizeUnits();
  EXPECT_LT(GetResourceStringsRepository()->IndexOfProduct(L"Corvane"), 0) << "the product leaves with the unit";
  FinalizeUnits();
}

TEST(BarUnitsTest, RegistryAnswersExactClassesAndOffersInOrder) {
  StartUnits();
  TdxBarItemList* registry = GetBarItemRegistry();
  ASSERT_NE(registry, nullptr);
  // The unit's own kinds stand first; the test's rows come after them.
  const int own = registry->Count(), offered = registry->OfferedCount();
  RegisterBarItem(TTestItem::StaticClass(), TTestControl::StaticClass(), true);
  RegisterBarItem(THiddenItem::StaticClass(), TOtherControl::StaticClass(), false);
  RegisterBarItem(TdxBarItem::StaticClass(), TOtherControl::StaticClass(), true);
  EXPECT_EQ(GetClass(L"TTestItem"), TTestItem::StaticClass()) << "form files can make it by name";

  THostForm* form = MakeForm();
  auto* item = new TTestItem(form);
  auto* child = new TTestItemChild(form);
  EXPECT_EQ(item->GetItemControlClass(), TTestControl::StaticClass());
  EXPECT_EQ(child->GetItemControlClass(), nullptr) << "an unregistered descendant gets no control class";
  EXPECT_EQ(registry->OfferedCount(), offered + 2);
  EXPECT_EQ(registry->OfferedItemClass(offered), TTestItem::StaticClass());
  EXPECT_EQ(registry->OfferedItemClass(offered + 1), TdxBarItem::StaticClass());
  EXPECT_EQ(registry->OfferedItemClass(offered + 2), nullptr);
  EXPECT_EQ(registry->OfferedItemClass(-1), nullptr);
  EXPECT_EQ(registry->ItemClassAt(own + 1), THiddenItem::StaticClass());
  registry->UnregisterAt(own + 1);
  EXPECT_EQ(GetClass(L"THiddenItem"), nullptr);
  EXPECT_EQ(registry->Count(), own + 2);
  form->Free();
  FinalizeUnits();
  EXPECT_EQ(GetClass(L"TTestItem"), nullptr) << "the registry's end unregisters every entry";
}

// Before the test that plays a real sound: its asynchronous thread may outlive the library.
TEST(BarUnitsTest, TheStopAtStartLoadsNoSoundLibraryThatWasNeverLoaded) {
  ASSERT_EQ(GetModuleHandleW(L"winmm.dll"), nullptr) << "nothing in this program loads it before";
  StartUnits();
  Application->Initialize();
  EXPECT_TRUE(PlayMenuSound(2));
  EXPECT_EQ(GetModuleHandleW(L"winmm.dll"), nullptr) << "nothing of this process can be playing";
  // Once the library is in the process, a stop goes to it.
  HMODULE winmm = LoadLibraryW(L"winmm.dll");
  ASSERT_NE(winmm, nullptr);
  EXPECT_TRUE(PlayMenuSound(2));
  FreeLibrary(winmm);
  EXPECT_NE(GetModuleHandleW(L"winmm.dll"), nullptr) << "the stop bound it and holds it";
  FinalizeUnits();
  EXPECT_EQ(GetModuleHandleW(L"winmm.dll"), nullptr) << "let go at the end";
}

TEST(BarUnitsTest, MenuSoundsGoThroughTheReplaceableCall) {
  StartUnits();
  GSounds.clear();
  const TdxPlaySoundProc previous = SetdxBarPlaySoundProc(&CountingPlaySound);
  EXPECT_TRUE(PlayMenuSound(0));
  EXPECT_TRUE(PlayMenuSound(1));
  EXPECT_TRUE(PlayMenuSound(2));
  EXPECT_FALSE(PlayMenuSound(3)) << "no such sound";
  Application->Initialize();
  ASSERT_EQ(GSounds.size(), 4u) << "the chained start-up procedure stops any sound";
  EXPECT_EQ(GSounds[0].Alias, L"MenuPopup");
  EXPECT_EQ(GSounds[1].Alias, L"MenuCommand");
  EXPECT_TRUE(GSounds[2].NoAlias);
  EXPECT_TRUE(GSounds[3].NoAlias);
  for (const TSoundCall& call : GSounds) {
    EXPECT_EQ(call.Flags, 0x12003u);
    EXPECT_EQ(call.Module, nullptr);
  }
  SetdxBarPlaySoundProc(previous);

  // The system's own call: no sound device here, and it must not wait for one.
  SetdxBarPlaySoundProc(nullptr);
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  PlayMenuSound(1);
  QueryPerformanceCounter(&end);
  EXPECT_LT(double(end.QuadPart - start.QuadPart) / double(frequency.QuadPart), 2.0) << "returns at once";
  FinalizeUnits();
}

}  // namespace
