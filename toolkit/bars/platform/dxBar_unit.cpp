// The item-class registry and the main unit's start and end: the unit-wide
// objects every part of the library relies on, the layered-window functions,
// the cursors and the chained start-up procedure.
#include <algorithm>

#include "dxBarButtons_win.h"
#include "dxBar_internal.h"

namespace {

bool GFinalizing = false;
int GStartCount = 0;
TdxBarItemList* GRegistry = nullptr;
TdxBarPainterClass GSkinPainterClass = nullptr;
TSetLayeredWindowAttributes GSetLayeredWindowAttributes = nullptr;
FARPROC GUpdateLayeredWindow = nullptr;
FARPROC GAnimateWindow = nullptr;
void (*GPreviousInitProc)() = nullptr;
std::vector<TObject*>* GLiveBarControls = nullptr;
TdxBarNavigationController* GNavigationController = nullptr;
TdxBarDesignController* GDesignController = nullptr;
TdxBarFlatPainter* GSharedFlatPainter = nullptr;
bool GInitProcChained = false;

struct TLibraryCursor {
  TCursor Id;
  const wchar_t* Resource;
};
constexpr TLibraryCursor kCursors[] = {
    {crdxBarDrag, L"DXBARDRAGCURSOR"},
    {crdxBarDragCopy, L"DXBARDRAGCOPYCURSOR"},
    {crdxBarDragNoDrop, L"DXBARDRAGNODROPCURSOR"},
    {crdxBarEditSizing, L"DXBAREDITSIZINGCURSOR"},
};

// The library's start-up procedure: the one it replaced first, then the sound
// routine told to stop (which binds nothing until a sound is played).
void dxBarInitProc() {
  if (GPreviousInitProc) GPreviousInitProc();
  LoadMenuSounds();
}

bool ModuleIsLibrary() {
  HMODULE self = nullptr;
  GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCWSTR>(&dxBarInitProc), &self);
  return self && self != GetModuleHandleW(nullptr);
}

}  // namespace

bool dxBarFinalizing() { return GFinalizing; }

TdxBarPainterClass dxBarSkinPainterClass() {
  return GSkinPainterClass ? GSkinPainterClass : TdxBarStandardPainter::StaticClass();
}

void SetdxBarSkinPainterClass(TdxBarPainterClass Value) { GSkinPainterClass = Value; }

TSetLayeredWindowAttributes dxBarSetLayeredWindowAttributesProc() { return GSetLayeredWindowAttributes; }
FARPROC dxBarUpdateLayeredWindowProc() { return GUpdateLayeredWindow; }
FARPROC dxBarAnimateWindowProc() { return GAnimateWindow; }

// --- Live bar controls and singletons ----------------------------------------------------

void AddLiveBarControl(TObject* AControl) {
  if (GLiveBarControls) GLiveBarControls->push_back(AControl);
}

void RemoveLiveBarControl(TObject* AControl) {
  if (!GLiveBarControls) return;
  auto& list = *GLiveBarControls;
  list.erase(std::remove(list.begin(), list.end(), AControl), list.end());
}

bool IsBarControlAlive(TObject* AControl) {
  return AControl && GLiveBarControls &&
         std::find(GLiveBarControls->begin(), GLiveBarControls->end(), AControl) != GLiveBarControls->end();
}

TdxBarNavigationController* GetBarNavigationController() { return GNavigationController; }

TdxBarDesignController* GetBarDesignController() {
  if (!GDesignController && !GFinalizing) GDesignController = new TdxBarDesignController;
  return GDesignController;
}

TdxBarFlatPainter* GetSharedFlatPainter() {
  if (!GSharedFlatPainter && !GFinalizing) GSharedFlatPainter = new TdxBarFlatPainter(nullptr);
  return GSharedFlatPainter;
}

// --- Registry ----------------------------------------------------------------------------

TdxBarItemList::~TdxBarItemList() {
  while (Count() > 0) UnregisterAt(Count() - 1);
}

void TdxBarItemList::UnregisterAt(int Index) {
  TRegItemRecord* entry = EntryAt(Index);
  UnRegisterClass(entry->ItemClass);
  Delete(Index);
  delete entry;
}

int TdxBarItemList::OfferedCount() const {
  int count = 0;
  for (int i = 0; i < Count(); ++i) count += EntryAt(i)->Offered ? 1 : 0;
  return count;
}

TClass TdxBarItemList::OfferedItemClass(int N) const {
  if (N < 0) return nullptr;
  for (int i = 0; i < Count(); ++i)
    if (EntryAt(i)->Offered && N-- == 0) return EntryAt(i)->ItemClass;
  return nullptr;
}

TClass TdxBarItemList::ControlClassOf(TClass AItemClass) const {
  for (int i = 0; i < Count(); ++i)
    if (EntryAt(i)->ItemClass == AItemClass) return EntryAt(i)->ControlClass;
  return nullptr;
}

TdxBarItemList* GetBarItemRegistry() {
  if (!GRegistry && !GFinalizing) GRegistry = new TdxBarItemList;
  return GRegistry;
}

void RegisterBarItem(TClass AItemClass, TClass AControlClass, bool AOffered) {
  TdxBarItemList* registry = GetBarItemRegistry();
  if (!registry) return;
  registry->Add(new TRegItemRecord(AItemClass, AControlClass, AOffered));
  RegisterClasses({AItemClass});
}

// --- Start and end -----------------------------------------------------------------------

void dxBar_Initialize() {
  if (GStartCount++ > 0) return;
  GFinalizing = false;
  // The manager too: form files make their components by class name.
  RegisterClasses({TdxBarManager::StaticClass(), TdxBar::StaticClass(), TdxBarGroup::StaticClass()});
  HMODULE user32 = GetModuleHandleW(L"user32.dll");
  if (reinterpret_cast<uintptr_t>(user32) > 32) {
    GUpdateLayeredWindow = GetProcAddress(user32, "UpdateLayeredWindow");
    GAnimateWindow = GetProcAddress(user32, "AnimateWindow");
    GSetLayeredWindowAttributes =
        reinterpret_cast<TSetLayeredWindowAttributes>(
        reinterpret_cast<void*>(GetProcAddress(user32, "SetLayeredWindowAttributes")));
  }
  dxBarCreateManagerList();
  RefreshScreenColorDepth();
  BuildCheckedButtonBrush();
  GLiveBarControls = new std::vector<TObject*>;
  GNavigationController = new TdxBarNavigationController;
  GetBarItemRegistry();
  dxBarRegisterButtonItems();
  GetBarDesignController();
  HINSTANCE instance = GetModuleHandleW(nullptr);
  // Not shared: the cursor table destroys a handle it lets go of.
  for (const TLibraryCursor& c : kCursors)
    if (HCURSOR cursor = LoadCursorFileResource(instance, c.Resource)) SetCursorHandle(c.Id, cursor);
  if (!ModuleIsLibrary() && !GInitProcChained) {
    GPreviousInitProc = InitProc;
    InitProc = &dxBarInitProc;
    GInitProcChained = true;
  }
}

void dxBar_Finalize() {
  if (GStartCount == 0 || --GStartCount > 0) return;
  GFinalizing = true;
  delete GNavigationController;
  GNavigationController = nullptr;
  delete GLiveBarControls;
  GLiveBarControls = nullptr;
  delete GRegistry;
  GRegistry = nullptr;
  delete GDesignController;
  GDesignController = nullptr;
  delete GSharedFlatPainter;
  GSharedFlatPainter = nullptr;
  dxBarFreeCheckedButtonBrush();
  dxBarFreeManagerList();
  for (const TLibraryCursor& c : kCursors) SetCursorHandle(c.Id, nullptr);
  if (GInitProcChained) {
    if (InitProc == &dxBarInitProc) InitProc = GPreviousInitProc;
    GInitProcChained = false;
  }
  dxBarFreeSoundLibrary();
  UnRegisterClasses({TdxBarManager::StaticClass(), TdxBar::StaticClass(), TdxBarGroup::StaticClass()});
  GUpdateLayeredWindow = GAnimateWindow = nullptr;
  GSetLayeredWindowAttributes = nullptr;
}

const TUnitEntry dxBarUnit{L"dxBar", dxBar_Initialize, dxBar_Finalize};
