// The skin controller component, the thread hook, the choice and life of the
// per-window controllers and the base controller's subclassing.
#include <algorithm>

#include "cxClasses_win.h"
#include "dxSkinsForm_win.h"

static_assert(SC_CLOSE == 0xF060 && SC_MINIMIZE == 0xF020 && SC_MAXIMIZE == 0xF030 && SC_RESTORE == 0xF120 &&
              SC_CONTEXTHELP == 0xF180 && SC_MOUSEMENU == 0xF090);
static_assert(HTCLOSE == dxHTCLOSE && HTSYSMENU == dxHTSYSMENU && HTMAXBUTTON == dxHTMAXBUTTON &&
              HTBOTTOMRIGHT == dxHTBOTTOMRIGHT && HTHELP == dxHTHELP && HTCAPTION == dxHTCAPTION);

namespace {

std::vector<TdxSkinController*>* GControllers = nullptr;
// Owns the per-window controllers; a released one leaves the list at once.
std::vector<TdxSkinWinController*>* GWinControllers = nullptr;
HWND GHelperWindow = nullptr;
HHOOK GHook = nullptr;
int GInstanceCount = 0;

TdxSkinWinController* FindByControl(TWinControl* AControl) {
  if (!GWinControllers || !AControl) return nullptr;
  for (TdxSkinWinController* c : *GWinControllers)
    if (c->Control() == AControl) return c;
  return nullptr;
}

bool SameClassName(HWND AHandle, const wchar_t* AName) {
  wchar_t name[64] = {};
  return GetClassNameW(AHandle, name, 64) > 0 && lstrcmpiW(name, AName) == 0;
}

void RemoveController(HWND AHandle) {
  if (!GWinControllers) return;
  auto it = std::find_if(GWinControllers->begin(), GWinControllers->end(),
                         [&](TdxSkinWinController* c) { return c->Handle() == AHandle; });
  if (it == GWinControllers->end()) return;
  TdxSkinWinController* controller = *it;
  GWinControllers->erase(it);
  controller->BeforeDestroy();
  controller->Release();
}

void NotifyMDIFrame(HWND AHandle) {
  HWND parent = GetParent(AHandle);
  if (parent && SameClassName(parent, L"MDICLIENT"))
    if (HWND frame = GetParent(parent)) PostMessageW(frame, CXM_SKINMDICAPTION, 0, 0);
}

template <class T>
TdxSkinWinController* Make(HWND AHandle) {
  return new T(AHandle);
}

void CreateOrReattach(HWND AHandle) {
  if (!GWinControllers || !IsWindow(AHandle)) return;
  DWORD process = 0;
  GetWindowThreadProcessId(AHandle, &process);
  if (process != GetCurrentProcessId()) return;
  TdxSkinWinControllerFactory factory = dxSkinChooseController(AHandle);
  if (!factory || dxSkinWinControllerOf(AHandle)) return;
  TdxSkinWinController* controller = FindByControl(FindControl(AHandle));
  if (controller) {
    controller->AttachToHandle(AHandle);
  } else {
    controller = factory(AHandle);
    controller->SetMasterController(controller->FindMasterController(AHandle));
    GWinControllers->push_back(controller);
  }
  controller->InitializePainter();
  controller->Update();
  PostMessageW(AHandle, CXM_SKININITIALIZE, 0, 0);
}

void AttachTo(HWND AHandle) {
  if (SendMessageW(AHandle, CXM_SKINREFUSE, 0, 0) != 0) return;
  if (IsWindowUnicode(AHandle) || SameClassName(AHandle, L"MDICLIENT")) {
    if (GHelperWindow)
      PostMessageW(GHelperWindow, CXM_SKINCREATECONTROLLER, 0, reinterpret_cast<LPARAM>(AHandle));
  } else {
    CreateOrReattach(AHandle);
  }
}

void HelperWndProc(TMessage& Message) {
  if (Message.Msg == CXM_SKINCREATECONTROLLER) {
    try {
      CreateOrReattach(reinterpret_cast<HWND>(Message.LParam));
    } catch (...) {
      HandleCallbackException(nullptr);
    }
    Message.Result = 0;
    return;
  }
  Message.Result = DefWindowProcW(GHelperWindow, Message.Msg, Message.WParam, Message.LParam);
}

struct THelperTarget {
  void WndProc(TMessage& Message) { HelperWndProc(Message); }
} GHelperTarget;

LRESULT CALLBACK CallWndProcHook(int ACode, WPARAM AWParam, LPARAM ALParam) {
  const LRESULT result = CallNextHookEx(GHook, ACode, AWParam, ALParam);
  if (ACode != HC_ACTION || !GWinControllers) return result;
  const auto* msg = reinterpret_cast<const CWPSTRUCT*>(ALParam);
  try {
    switch (msg->message) {
      case WM_CREATE:
      case WM_MDICREATE:
        AttachTo(msg->hwnd);
        break;
      case WM_DESTROY:
      case WM_MDIDESTROY:
        if (msg->wParam == 0) {
          RemoveController(msg->hwnd);
          NotifyMDIFrame(msg->hwnd);
        }
        break;
      case WM_CHILDACTIVATE:
      case WM_MDIACTIVATE:
        NotifyMDIFrame(msg->hwnd);
        break;
    }
  } catch (...) {
    HandleCallbackException(nullptr);
  }
  return result;
}

bool RefreshAllowed() { return GWinControllers && !IsFinalizing(); }

}  // namespace

// --- Painters ---------------------------------------------------------------------------------
TdxSkinInfo* dxSkinPainterInfo(TcxCustomLookAndFeelPainterClass APainter) {
  if (!APainter || !APainter->InheritsFrom(TdxSkinLookAndFeelPainter::StaticClass())) return nullptr;
  return static_cast<const TdxSkinLookAndFeelPainter*>(APainter)->GetSkinInfo();
}

bool dxIsSkinPainter(TcxCustomLookAndFeelPainterClass APainter) {
  return APainter && APainter->InheritsFrom(TdxSkinLookAndFeelPainter::StaticClass());
}

// --- TdxSkinController ------------------------------------------------------------------------
TdxSkinController::TdxSkinController(TComponent* AOwner) : TcxLookAndFeelController(AOwner) {
  if (GControllers) GControllers->push_back(this);
  dxSkinRefreshAllForms();
}

TdxSkinController::~TdxSkinController() {
  if (GControllers) {
    dxSkinRefreshAllForms();
    GControllers->erase(std::remove(GControllers->begin(), GControllers->end(), this), GControllers->end());
    dxSkinRefreshAllForms();
  }
}

bool TdxSkinController::UseSkins() const { return cxUseSkins(); }

void TdxSkinController::SetUseSkins(bool Value) {
  if (Value == cxUseSkins()) return;
  SetcxUseSkins(Value);
  if (TcxLookAndFeel* root = GlobalRootLookAndFeel()) root->Refresh();
  dxSkinRefreshAllForms();
}

void TdxSkinController::ResetToDefaults() {
  inherited::ResetToDefaults();
  SetUseSkins(true);
}

void TdxSkinController::Loaded() {
  inherited::Loaded();
  dxSkinRefreshAllForms();
}

void TdxSkinController::MasterChanged(TcxLookAndFeel* Sender, TcxLookAndFeelValues AChangedValues) {
  inherited::MasterChanged(Sender, AChangedValues);
  dxSkinRefreshAllForms();
}

void TdxSkinController::MasterDestroying(TcxLookAndFeel* Sender) {
  inherited::MasterDestroying(Sender);
  dxSkinRefreshAllForms();
}

void TdxSkinController::DoPopupSysMenu(TWinControl* AControl, HMENU AMenu) {
  if (OnPopupSysMenu && AControl) OnPopupSysMenu(this, AControl, AMenu);
}

bool TdxSkinController::DoSkinControl(TWinControl* AControl) {
  if (!AControl) return false;
  bool useSkin = true;
  if (OnSkinControl) OnSkinControl(this, AControl, useSkin);
  return useSkin;
}

TcxCustomLookAndFeelPainterClass TdxSkinController::GetFormPainter(TWinControl* AForm, HWND AHandle) {
  if (!AHandle || (cxSkinRefuseMessage && SendMessageW(AHandle, cxSkinRefuseMessage, 0, 0) != 0)) return nullptr;
  String skinName = SkinName();
  bool useSkin = UseSkins() && !NativeStyle();
  return DoSkinForm(AForm, skinName, useSkin);
}

TcxCustomLookAndFeelPainterClass TdxSkinController::DoSkinForm(TWinControl* AForm, String& ASkinName,
                                                               bool& AUseSkin) {
  if (OnSkinForm) OnSkinForm(this, AForm, AUseSkin, ASkinName);
  TcxCustomLookAndFeelPainterClass painter = nullptr;
  if (!AUseSkin || ASkinName.empty() || !ExtendedStylePainterRegistry() ||
      !ExtendedStylePainterRegistry()->FindPainterByName(ASkinName, painter))
    return nullptr;
  return dxIsSkinPainter(painter) ? painter : nullptr;
}

VAMIRE_PUBLISHED(TdxSkinController,
                 Prop(L"UseSkins", &TdxSkinController::UseSkins, &TdxSkinController::SetUseSkins)
                     .Default(int64_t(1)),
                 Prop(L"OnPopupSysMenu", &TdxSkinController::OnPopupSysMenu),
                 Prop(L"OnSkinControl", &TdxSkinController::OnSkinControl),
                 Prop(L"OnSkinForm", &TdxSkinController::OnSkinForm))

// --- TdxSkinWinController ---------------------------------------------------------------------
TdxSkinWinController::TdxSkinWinController(HWND AHandle) : FHandle(AHandle), FControl(FindControl(AHandle)) {
  ++GInstanceCount;
}

TdxSkinWinController::~TdxSkinWinController() {
  --GInstanceCount;
  StopMouseTracking(this);
  UnhookWindow();
}

bool TdxSkinWinController::GetInterface(const TGUID& iid, void** obj) {
  return InterfaceTable<IcxMouseTrackingCaller>(this, iid, obj) || inherited::GetInterface(iid, obj);
}

TcxCustomLookAndFeelPainterClass TdxSkinWinController::Painter() const {
  const TdxSkinWinController* c = this;
  // A chain is short; the bound guards against a cycle a caller might make.
  for (int i = 0; c->FMasterController && i < 64; ++i) c = c->FMasterController;
  return c->FPainter;
}

bool TdxSkinWinController::IsSkinned() const { return !FReleased && Painter() != nullptr; }

TdxSkinWinController* TdxSkinWinController::FindMasterController(HWND AHandle) {
  if (IsMDIClient(AHandle)) return dxSkinWinControllerOf(GetParent(AHandle));
  return nullptr;
}

bool TdxSkinWinController::CanSkinControl() {
  if (GControllers && !GControllers->empty()) {
    for (auto it = GControllers->rbegin(); it != GControllers->rend(); ++it)
      if (!(*it)->IsDestroying() && (*it)->DoSkinControl(FControl)) return true;
    return false;
  }
  return cxUseSkins() && FControl != nullptr;
}

void TdxSkinWinController::DefWndProc(TMessage& Message) {
  if (FWindowProcLink) {
    CallPreviousWindowProc(FWindowProcLink, Message);
  } else if (FControl) {
    FControl->WindowProc()(Message);
  } else {
    Message.Result = DefWindowProcW(FHandle, Message.Msg, Message.WParam, Message.LParam);
  }
}

void TdxSkinWinController::HookWindow() {
  UnhookWindow();
  if (!FHandle || FReleased || !CanHookWindow()) return;
  TcxWindowProcController* procs = GetWindowProcController();
  if (!procs) return;
  const TWndMethod method(this, &TdxSkinWinController::ChainWndProc);
  FWindowProcLink = FControl ? procs->AddControlWindowProc(FControl, method) : procs->AddHandleWindowProc(FHandle, method);
}

void TdxSkinWinController::UnhookWindow() {
  if (!FWindowProcLink) return;
  if (TcxWindowProcController* procs = GetWindowProcController()) procs->RemoveWindowProc(FWindowProcLink);
  FWindowProcLink = nullptr;
}

void TdxSkinWinController::BeforeDestroy() {
  if (!GWinControllers) return;
  for (TdxSkinWinController* c : *GWinControllers)
    if (c->FMasterController == this) c->FMasterController = nullptr;
}

void TdxSkinWinController::ChainWndProc(TMessage& Message) {
  ++FFrameDepth;
  try {
    WndProc(Message);
  } catch (...) {
    --FFrameDepth;
    if (FFrameDepth == 0 && FReleased) delete this;
    throw;
  }
  if (--FFrameDepth == 0 && FReleased) delete this;
}

void TdxSkinWinController::WndProc(TMessage& Message) { DefWndProc(Message); }

bool TdxSkinWinController::IsMDIChild(HWND AHandle) {
  return (GetWindowLongPtrW(AHandle, GWL_EXSTYLE) & WS_EX_MDICHILD) != 0;
}

bool TdxSkinWinController::IsMDIClient(HWND AHandle) { return SameClassName(AHandle, L"MDICLIENT"); }

bool TdxSkinWinController::IsStandardFormClass(HWND AHandle) {
  wchar_t name[64] = {};
  GetClassNameW(AHandle, name, 64);
  return lstrcmpW(name, L"TMessageForm") == 0 || lstrcmpW(name, L"TForm") == 0;
}

void TdxSkinWinController::FrameChanged() {
  if (FHandle && IsWindow(FHandle))
    SetWindowPos(FHandle, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TdxSkinWinController::UpdatePainter() {
  FPainter = nullptr;
  FMasterController = FindMasterController(FHandle);
}

void TdxSkinWinController::Update() {
  if (FReleased) return;
  HookWindow();
  FrameChanged();
  if (!FHandle || !IsWindow(FHandle)) return;
  UINT flags = RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN;
  if (FControl)
    for (int i = 0; i < FControl->ControlCount(); ++i)
      if (!FControl->Controls(i)->InheritsFrom(TWinControl::StaticClass())) {
        flags |= RDW_UPDATENOW;
        break;
      }
  RedrawWindow(FHandle, nullptr, nullptr, flags);
}

void TdxSkinWinController::AttachToHandle(HWND AHandle) {
  UnhookWindow();
  FHandle = AHandle;
  FControl = FindControl(AHandle);
  Update();
}

void TdxSkinWinController::Release() {
  if (FReleased) return;
  FReleased = true;
  StopMouseTracking(this);
  UnhookWindow();
  if (FFrameDepth == 0) delete this;
}

// --- Routines -----------------------------------------------------------------------------------
TdxSkinWinController* dxSkinWinControllerOf(HWND AHandle) {
  if (!GWinControllers || !AHandle) return nullptr;
  for (TdxSkinWinController* c : *GWinControllers)
    if (c->Handle() == AHandle) return c;
  return nullptr;
}

bool IsSkinnedWindow(HWND AHandle) {
  TdxSkinWinController* c = dxSkinWinControllerOf(AHandle);
  return c && c->IsSkinned();
}

bool GetControlSkinName(TWinControl* AControl, String& AName) {
  if (!AControl || !AControl->HandleAllocated() || !ExtendedStylePainterRegistry()) return false;
  TdxSkinWinController* c = dxSkinWinControllerOf(AControl->Handle());
  return c && c->Painter() && ExtendedStylePainterRegistry()->GetNameByPainter(c->Painter(), AName);
}

const std::vector<TdxSkinController*>& dxSkinControllers() {
  static const std::vector<TdxSkinController*> none;
  return GControllers ? *GControllers : none;
}

int dxSkinWinControllerCount() { return GWinControllers ? int(GWinControllers->size()) : 0; }
int dxSkinWinControllerInstanceCount() { return GInstanceCount; }

void dxSkinRefreshAllForms() {
  if (!RefreshAllowed()) return;
  // A controller may go while another updates (its window destroyed): walk copies.
  const std::vector<TdxSkinWinController*> all = *GWinControllers;
  auto alive = [](TdxSkinWinController* c) {
    return GWinControllers && std::find(GWinControllers->begin(), GWinControllers->end(), c) != GWinControllers->end();
  };
  for (TdxSkinWinController* c : all)
    if (alive(c)) c->UpdatePainter();
  for (TdxSkinWinController* c : all)
    if (alive(c)) c->Update();
}

HWND dxSkinHelperWindow() { return GHelperWindow; }

TdxSkinWinControllerFactory dxSkinChooseController(HWND AHandle) {
  if (TdxSkinWinController::IsMDIClient(AHandle)) return &Make<TdxSkinFormController>;
  TWinControl* control = FindControl(AHandle);
  if (!control) return nullptr;
  const String name = control->ClassName();
  if (lstrcmpiW(name.c_str(), L"TPanel") == 0) return &Make<TdxSkinPanelController>;
  if (lstrcmpiW(name.c_str(), L"TButton") == 0) return &Make<TdxSkinButtonController>;
  if (control->InheritsFrom(TCustomFrame::StaticClass())) return &Make<TdxSkinFrameController>;
  if (control->InheritsFrom(TCustomForm::StaticClass())) return &Make<TdxSkinFormController>;
  return nullptr;
}

// --- Unit -------------------------------------------------------------------------------------
void dxSkinsForm_Initialize() {
  GControllers = new std::vector<TdxSkinController*>();
  GHelperWindow = AllocateHWnd(TWndMethod(&GHelperTarget, &THelperTarget::WndProc));
  InstallThreadHook(GHook, WH_CALLWNDPROC, CallWndProcHook);
  GWinControllers = new std::vector<TdxSkinWinController*>();
  RegisterClasses({TdxSkinController::StaticClass()});
}

void dxSkinsForm_Finalize() {
  UnRegisterClasses({TdxSkinController::StaticClass()});
  RemoveThreadHook(GHook);
  if (GWinControllers) {
    std::vector<TdxSkinWinController*> all;
    all.swap(*GWinControllers);
    for (auto it = all.rbegin(); it != all.rend(); ++it) (*it)->Release();
  }
  delete GControllers;
  GControllers = nullptr;
  delete GWinControllers;
  GWinControllers = nullptr;
  DeallocateHWnd(GHelperWindow);
  GHelperWindow = nullptr;
}

const TUnitEntry dxSkinsFormUnit{L"dxSkinsForm", dxSkinsForm_Initialize, dxSkinsForm_Finalize};
