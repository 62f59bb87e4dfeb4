// Chains of window procedures: several hooks on one window, removed in any order.
#include "cxControlsBase_win.h"

namespace {

// The window property through which the stub procedure finds its helper.
const wchar_t kChainProperty[] = L"cxWindowProcChain";

}  // namespace

// --- TcxDoublyLinkedObjectList -----------------------------------------------------------
TcxDoublyLinkedObjectList::~TcxDoublyLinkedObjectList() {
  while (FLast) {
    TcxDoublyLinkedObject* node = FLast;
    FLast = node->Prev();
    delete node;
  }
}

TcxDoublyLinkedObject* TcxDoublyLinkedObjectList::AddNode() {
  TcxDoublyLinkedObject* node = CreateNode();
  node->SetPrev(FLast);
  if (FLast) FLast->SetNext(node);
  FLast = node;
  return node;
}

TcxDoublyLinkedObject* TcxDoublyLinkedObjectList::CreateNode() { return new TcxDoublyLinkedObject(); }

void TcxDoublyLinkedObjectList::RemoveNode(TcxDoublyLinkedObject*& Node) {
  TcxDoublyLinkedObject* found = FLast;
  while (found && found != Node) found = found->Prev();
  if (!found) return;
  if (found->Next()) found->Next()->SetPrev(found->Prev());
  else FLast = found->Prev();
  if (found->Prev()) found->Prev()->SetNext(found->Next());
  delete found;
  Node = nullptr;
}

// --- Subclassing helpers -----------------------------------------------------------------
TcxWindowProcLinkedObject* TcxSubclassingHelper::CreateNode() { return new TcxWindowProcLinkedObject(); }

void TcxVCLSubclassingHelper::InstallWindowProc(TWndMethod Method) {
  FDefaultWindowProc = FControl->WindowProc();
  FControl->SetWindowProc(Method);
}

void TcxVCLSubclassingHelper::RestoreWindowProc() { FControl->SetWindowProc(FDefaultWindowProc); }

void TcxWin32SubclassingHelper::InstallWindowProc(TWndMethod Method) {
  FChainMethod = Method;
  FDefaultWindowProc = TWndMethod(this, &TcxWin32SubclassingHelper::CallPreviousProc);
  SetPropW(FHandle, kChainProperty, this);
  FPrevWndProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(FHandle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TcxWin32SubclassingHelper::StubWndProc)));
}

void TcxWin32SubclassingHelper::RestoreWindowProc() {
  if (!IsWindow(FHandle)) return;
  SetWindowLongPtrW(FHandle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FPrevWndProc));
  RemovePropW(FHandle, kChainProperty);
}

void TcxWin32SubclassingHelper::CallPreviousProc(TMessage& Message) {
  Message.Result = CallWindowProcW(FPrevWndProc, FHandle, Message.Msg, Message.WParam, Message.LParam);
}

LRESULT CALLBACK TcxWin32SubclassingHelper::StubWndProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  auto* helper = static_cast<TcxWin32SubclassingHelper*>(GetPropW(Wnd, kChainProperty));
  if (!helper) return DefWindowProcW(Wnd, Msg, WParam, LParam);
  TMessage message{Msg, WParam, LParam, 0};
  // A copy: the chain, and this helper with it, may be freed while the message runs.
  const TWndMethod chain = helper->FChainMethod;
  try {
    chain(message);
  } catch (...) {
    HandleCallbackException(nullptr);
  }
  return message.Result;
}

// --- TcxWindowProcLinkedObjectList -------------------------------------------------------
TcxWindowProcLinkedObjectList::TcxWindowProcLinkedObjectList(TControl* Control)
    : FControl(Control), FHelper(new TcxVCLSubclassingHelper(Control)) {}

TcxWindowProcLinkedObjectList::TcxWindowProcLinkedObjectList(HWND Handle)
    : FHandle(Handle), FHelper(new TcxWin32SubclassingHelper(Handle)) {}

TcxWindowProcLinkedObjectList::~TcxWindowProcLinkedObjectList() {
  FHelper->RestoreWindowProc();
  delete FHelper;
}

TcxDoublyLinkedObject* TcxWindowProcLinkedObjectList::CreateNode() {
  TcxWindowProcLinkedObject* node = FHelper->CreateNode();
  node->SetControl(FControl);
  node->SetHandle(FHandle);
  return node;
}

void TcxWindowProcLinkedObjectList::InstallChain() {
  FHelper->InstallWindowProc(TWndMethod(this, &TcxWindowProcLinkedObjectList::DispatchToLast));
  AddWindowProc(FHelper->DefaultWindowProc());
}

TcxWindowProcLinkedObject* TcxWindowProcLinkedObjectList::AddWindowProc(TWndMethod Method) {
  auto* node = static_cast<TcxWindowProcLinkedObject*>(AddNode());
  node->SetWindowProc(Method);
  return node;
}

void TcxWindowProcLinkedObjectList::DispatchToLast(TMessage& Message) {
  const TWndMethod method = static_cast<TcxWindowProcLinkedObject*>(Last())->WindowProc();
  method(Message);
}

void CallPreviousWindowProc(TcxWindowProcLinkedObject* Node, TMessage& Message) {
  if (!Node || !Node->Prev()) return;
  const TWndMethod method = static_cast<TcxWindowProcLinkedObject*>(Node->Prev())->WindowProc();
  method(Message);
}

// --- TcxWindowProcController -------------------------------------------------------------
TcxWindowProcLinkedObjectList* TcxWindowProcController::AddChain(
    std::unique_ptr<TcxWindowProcLinkedObjectList> Chain) {
  Chain->InstallChain();
  FChains.push_back(std::move(Chain));
  return FChains.back().get();
}

TcxWindowProcLinkedObject* TcxWindowProcController::AddControlWindowProc(TControl* Control, TWndMethod WindowProc) {
  if (!Control) return nullptr;
  TcxWindowProcLinkedObjectList* chain = FindControlChain(Control);
  if (!chain) chain = AddChain(std::make_unique<TcxWindowProcLinkedObjectList>(Control));
  return chain->AddWindowProc(WindowProc);
}

TcxWindowProcLinkedObject* TcxWindowProcController::AddHandleWindowProc(HWND Handle, TWndMethod WindowProc) {
  if (!Handle) return nullptr;
  TcxWindowProcLinkedObjectList* chain = FindHandleChain(Handle);
  if (!chain) chain = AddChain(std::make_unique<TcxWindowProcLinkedObjectList>(Handle));
  return chain->AddWindowProc(WindowProc);
}

void TcxWindowProcController::RemoveWindowProc(TcxWindowProcLinkedObject*& Node) {
  if (!Node) return;
  TcxWindowProcLinkedObjectList* chain = Node->Control() ? FindControlChain(Node->Control()) : FindHandleChain(Node->Handle());
  if (!chain) return;
  TcxDoublyLinkedObject* node = Node;
  chain->RemoveNode(node);
  if (node) return;
  Node = nullptr;
  if (chain->Last() && chain->Last()->Prev()) return;
  for (auto it = FChains.begin(); it != FChains.end(); ++it)
    if (it->get() == chain) {
      FChains.erase(it);
      break;
    }
}

TcxWindowProcLinkedObjectList* TcxWindowProcController::FindControlChain(TControl* Control) const {
  for (const auto& chain : FChains)
    if (chain->Control() == Control) return chain.get();
  return nullptr;
}

TcxWindowProcLinkedObjectList* TcxWindowProcController::FindHandleChain(HWND Handle) const {
  for (const auto& chain : FChains)
    if (!chain->Control() && chain->Handle() == Handle) return chain.get();
  return nullptr;
}
