// Actions: commands that several clients (menu items, buttons, bar items)
// show and execute alike. A client keeps an action link that copies the
// action's values into it and hears of every later change; the action lists
// hold the actions of a form and stream them as their children. Besides, the
// hint action that the application executes whenever its hint changes and no
// OnHint handler takes it, so that a control showing hints (a status pane with
// AutoHint) can show the hint of the control under the mouse.
#pragma once

#include <vector>

#include "Classes.h"
#include "Controls.h"
#include "Menus.h"
#include "Units.h"

class TBasicActionLink;
class TActionList;
class TActionLink;

class TBasicAction : public TComponent {
  VAMIRE_CLASS(TBasicAction, TComponent)
 public:
  using TComponent::TComponent;
  ~TBasicAction() override;
  // OnExecute when assigned. Otherwise the action is offered to the controls
  // of every form, each form's controls parent first in child order, as
  // CM_ACTIONEXECUTE with the action in LParam, until one answers non-zero.
  // True when a handler or a control took it.
  virtual bool Execute();
  // OnUpdate when assigned; true when it ran.
  virtual bool Update();
  const TNotifyEvent& OnExecute() const { return FOnExecute; }
  // Tells the clients whose OnExecute follows the action.
  void SetOnExecute(const TNotifyEvent& Value);
  TNotifyEvent OnUpdate;
  int ClientCount() const { return int(FClients.size()); }

 protected:
  // Tells every client link (their OnChange) that a value changed.
  virtual void Change();
  // The client links as they are now (a client may leave while it is told).
  std::vector<TBasicActionLink*> ClientSnapshot() const { return FClients; }
  bool HasClient(TBasicActionLink* Link) const;

 private:
  friend class TBasicActionLink;
  void RegisterChanges(TBasicActionLink* Link);
  void UnRegisterChanges(TBasicActionLink* Link);
  TNotifyEvent FOnExecute;
  std::vector<TBasicActionLink*> FClients;
};

// A client's tie to an action: it reads nil once the action is freed.
class TBasicActionLink : public TObject {
  VAMIRE_CLASS(TBasicActionLink, TObject)
 public:
  using TCreateArg = TObject;
  explicit TBasicActionLink(TObject* AClient) : FClient(AClient) {}
  ~TBasicActionLink() override;
  TBasicAction* Action() const { return FAction; }
  virtual void SetAction(TBasicAction* Value);
  TObject* Client() const { return FClient; }
  // Runs the action (false without one).
  virtual bool Execute(TComponent* Target = nullptr);
  virtual bool Update();
  virtual bool IsOnExecuteLinked() { return true; }
  virtual void SetOnExecute(const TNotifyEvent&) {}
  // Called with the action whenever one of its values changed.
  TNotifyEvent OnChange;

 protected:
  virtual void Change();

 private:
  friend class TBasicAction;
  TObject* FClient;
  TBasicAction* FAction = nullptr;
};

// An action with the values its clients show.
class TCustomAction : public TBasicAction {
  VAMIRE_CLASS(TCustomAction, TBasicAction)
 public:
  explicit TCustomAction(TComponent* AOwner) : TBasicAction(AOwner) {}
  ~TCustomAction() override;

  const String& Caption() const { return FCaption; }
  void SetCaption(const String& Value);
  bool Checked() const { return FChecked; }
  void SetChecked(bool Value);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  int HelpContext() const { return FHelpContext; }
  void SetHelpContext(int Value);
  const String& Hint() const { return FHint; }
  void SetHint(const String& Value);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value);
  TShortCut ShortCut() const { return FShortCut; }
  void SetShortCut(TShortCut Value);
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);
  const String& Category() const { return FCategory; }
  void SetCategory(const String& Value) { FCategory = Value; }

  // A disabled action does not run.
  bool Execute() override;

  TActionList* ActionList() const { return FActionList; }
  void SetActionList(TActionList* Value);
  // Streamed as a child of its action list.
  bool HasParent() override { return FActionList != nullptr; }
  TComponent* GetParentComponent() override;
  void SetParentComponent(TComponent* AParent) override;
  void ReadState(TReader* Reader) override;

 private:
  String FCaption, FHint, FCategory;
  bool FChecked = false, FEnabled = true, FVisible = true;
  int FHelpContext = 0, FImageIndex = -1;
  TShortCut FShortCut = 0;
  TActionList* FActionList = nullptr;
  // Writes a changed value into every client that follows it, before it is stored.
  template <class T, class Setter>
  void Propagate(T& Field, const T& Value, bool (TActionLink::*IsLinked)(), Setter Set);
};

class TAction : public TCustomAction {
  VAMIRE_CLASS(TAction, TCustomAction)
 public:
  using TCustomAction::TCustomAction;
};

// A link that copies an action's values into its client: each Is...Linked
// says whether the client follows that value, each Set... writes it.
class TActionLink : public TBasicActionLink {
  VAMIRE_CLASS(TActionLink, TBasicActionLink)
 public:
  using TBasicActionLink::TBasicActionLink;
  virtual bool IsCaptionLinked();
  virtual bool IsCheckedLinked();
  virtual bool IsEnabledLinked();
  virtual bool IsHelpContextLinked();
  virtual bool IsHintLinked();
  virtual bool IsImageIndexLinked();
  virtual bool IsShortCutLinked();
  virtual bool IsVisibleLinked();
  virtual void SetCaption(const String&) {}
  virtual void SetChecked(bool) {}
  virtual void SetEnabled(bool) {}
  virtual void SetHelpContext(int) {}
  virtual void SetHint(const String&) {}
  virtual void SetImageIndex(int) {}
  virtual void SetShortCut(TShortCut) {}
  virtual void SetVisible(bool) {}

 protected:
  // Whether the action is a custom action, which every value test needs.
  bool HasCustomAction() const { return dynamic_cast<TCustomAction*>(Action()) != nullptr; }
};
using TActionLinkClass = TClass;

// The actions of a form, in order; they are its children in the form file.
class TActionList : public TComponent {
  VAMIRE_CLASS(TActionList, TComponent)
 public:
  using TComponent::TComponent;
  ~TActionList() override;
  int ActionCount() const { return int(FActions.size()); }
  TCustomAction* Actions(int Index) const;
  void GetChildren(TGetChildProc Proc, TComponent* Root) override;
  void SetChildOrder(TComponent* Child, int Order) override;

 private:
  friend class TCustomAction;
  std::vector<TCustomAction*> FActions;
};

class THintAction : public TBasicAction {
  VAMIRE_CLASS(THintAction, TBasicAction)
 public:
  using TBasicAction::TBasicAction;
  const String& Hint() const { return FHint; }
  void SetHint(const String& Value) { FHint = Value; }

 private:
  String FHint;
};

// Offers Action to Control and then to its children, depth first; true when
// one of them answered CM_ACTIONEXECUTE with a non-zero result.
bool OfferActionToControls(TControl* Control, TBasicAction* Action);

// The unit's start registers the action classes for form files.
extern const TUnitEntry ActnListUnit;
