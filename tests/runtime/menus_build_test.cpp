// The item tree and its system menus: what the entries of the real HMENU
// hold after building and after changes, commands reaching OnClick through
// WM_COMMAND, shortcuts, and menus streamed in forms.
#include <gtest/gtest.h>

#include <memory>

#include "FormText.h"
#include "ImgList.h"
#include "Menus.h"
#include "Streams.h"

namespace {

struct TEntry {
  UINT Type = 0;
  UINT State = 0;
  UINT Id = 0;
  HMENU SubMenu = nullptr;
  String Text;
};

TEntry ReadEntry(HMENU Menu, int Position) {
  wchar_t buffer[256] = {};
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
  info.dwTypeData = buffer;
  info.cch = UINT(std::size(buffer));
  EXPECT_TRUE(GetMenuItemInfoW(Menu, UINT(Position), TRUE, &info)) << "entry " << Position;
  return TEntry{info.fType, info.fState, info.wID, info.hSubMenu, buffer};
}

struct TClicks : TObject {
  std::vector<String> Names;
  void Click(TObject* Sender) { Names.push_back(static_cast<TComponent*>(Sender)->Name()); }
};

class MenuBuildTest : public testing::Test {
 protected:
  TMenuItem* NewItem(TMenuItem* Parent, const String& Name, const String& Caption) {
    auto* item = new TMenuItem(&Owner);
    item->SetName(Name);
    item->SetCaption(Caption);
    item->OnClick = TNotifyEvent(&Clicks, &TClicks::Click);
    Parent->Add(item);
    return item;
  }

  TComponent Owner{nullptr};
  TClicks Clicks;
};

TEST_F(MenuBuildTest, EntriesCarryTypeStateTextAndCommand) {
  auto* menu = new TPopupMenu(&Owner);
  TMenuItem* open = NewItem(menu->Items(), L"Open1", L"&Open");
  open->SetShortCut(TextToShortCut(L"Ctrl+O"));
  open->SetDefault(true);
  NewItem(menu->Items(), L"N1", L"-");
  TMenuItem* a = NewItem(menu->Items(), L"A1", L"Choice &A");
  TMenuItem* b = NewItem(menu->Items(), L"B1", L"Choice &B");
  for (TMenuItem* item : {a, b}) {
    item->SetRadioItem(true);
    item->SetGroupIndex(1);
  }
  a->SetChecked(true);
  NewItem(menu->Items(), L"Off1", L"Off")->SetEnabled(false);
  NewItem(menu->Items(), L"Col1", L"Column")->SetBreak(mbBreak);
  NewItem(menu->Items(), L"Bar1", L"Bar")->SetBreak(mbBarBreak);
  NewItem(menu->Items(), L"Hidden1", L"Hidden")->SetVisible(false);
  NewItem(menu->Items(), L"Check1", L"Check")->SetChecked(true);

  HMENU h = menu->Handle();
  ASSERT_EQ(GetMenuItemCount(h), 8) << "the hidden item has no entry";
  const struct {
    const wchar_t* Text;
    UINT Type;
    UINT State;
    TMenuItem* Item;
  } expected[] = {
      {L"&Open\tCtrl+O", MFT_STRING, MFS_DEFAULT, open},
      {L"", MFT_SEPARATOR, 0, nullptr},
      {L"Choice &A", MFT_RADIOCHECK, MFS_CHECKED, a},
      {L"Choice &B", MFT_RADIOCHECK, 0, b},
      {L"Off", MFT_STRING, MFS_GRAYED, nullptr},
      {L"Column", MFT_MENUBREAK, 0, nullptr},
      {L"Bar", MFT_MENUBARBREAK, 0, nullptr},
      {L"Check", MFT_STRING, MFS_CHECKED, nullptr},
  };
  for (int i = 0; i < 8; ++i) {
    const TEntry e = ReadEntry(h, i);
    if (expected[i].Type != MFT_SEPARATOR) {
      EXPECT_EQ(e.Text, expected[i].Text) << i;
    }
    EXPECT_EQ(e.Type, expected[i].Type) << i;
    EXPECT_EQ(e.State, expected[i].State) << i;
    if (expected[i].Item) {
      EXPECT_EQ(e.Id, expected[i].Item->Command()) << i;
    }
  }

  // Checking the other radio item of the group unchecks the first.
  b->SetChecked(true);
  EXPECT_FALSE(a->Checked());
  EXPECT_EQ(ReadEntry(h, 2).State, 0u);
  EXPECT_EQ(ReadEntry(h, 3).State, UINT(MFS_CHECKED));
}

TEST_F(MenuBuildTest, ChangesAfterBuildingReachTheSystemMenu) {
  auto* menu = new TMainMenu(&Owner);
  TMenuItem* file = NewItem(menu->Items(), L"File1", L"&File");
  TMenuItem* open = NewItem(file, L"Open1", L"&Open");
  TMenuItem* exit = NewItem(file, L"Exit1", L"E&xit");
  HMENU bar = menu->Handle();
  ASSERT_EQ(GetMenuItemCount(bar), 1);
  const TEntry top = ReadEntry(bar, 0);
  EXPECT_EQ(top.SubMenu, file->Handle());
  EXPECT_EQ(GetMenuItemCount(file->Handle()), 2);

  open->SetCaption(L"&Open...");
  exit->SetEnabled(false);
  EXPECT_EQ(ReadEntry(file->Handle(), 0).Text, L"&Open...");
  EXPECT_EQ(ReadEntry(file->Handle(), 1).State, UINT(MFS_GRAYED));

  auto* save = new TMenuItem(&Owner);
  save->SetCaption(L"&Save");
  file->Insert(1, save);
  EXPECT_EQ(ReadEntry(file->Handle(), 1).Text, L"&Save");
  open->SetMenuIndex(2);
  EXPECT_EQ(ReadEntry(file->Handle(), 2).Text, L"&Open...");

  delete save;
  ASSERT_EQ(GetMenuItemCount(file->Handle()), 2) << "a freed item leaves its menu";
  EXPECT_EQ(file->IndexOf(save), -1);
  open->SetVisible(false);
  EXPECT_EQ(GetMenuItemCount(file->Handle()), 1);
}

TEST_F(MenuBuildTest, ChangesAreReportedToTheMenusOwner) {
  struct TListener : TObject {
    std::vector<std::pair<TMenuItem*, bool>> Changes;
    void Changed(TObject*, TMenuItem* Source, bool Rebuild) { Changes.emplace_back(Source, Rebuild); }
  } listener;
  auto* menu = new TMainMenu(&Owner);
  menu->OnChange = TMenuChangeEvent(&listener, &TListener::Changed);
  TMenuItem* file = NewItem(menu->Items(), L"File1", L"&File");
  TMenuItem* open = NewItem(file, L"Open1", L"&Open");
  listener.Changes.clear();
  open->SetChecked(true);
  ASSERT_EQ(listener.Changes.size(), 1u);
  EXPECT_EQ(listener.Changes[0].first, open);
}

TEST_F(MenuBuildTest, ItemsCannotBeInsertedTwiceOrUnderThemselves) {
  auto* menu = new TPopupMenu(&Owner);
  TMenuItem* file = NewItem(menu->Items(), L"File1", L"&File");
  TMenuItem* recent = NewItem(file, L"Recent1", L"&Recent");
  EXPECT_THROW(menu->Items()->Add(file), EMenuError);
  file->Remove(recent);
  EXPECT_THROW(recent->Add(recent), EMenuError);
  recent->Add(new TMenuItem(&Owner));
  EXPECT_THROW(recent->Items(0)->Add(recent), EMenuError) << "an item under its own child would loop";
  EXPECT_THROW(file->Items(5), EMenuError);
  EXPECT_THROW(file->Insert(3, new TMenuItem(&Owner)), EMenuError);
  EXPECT_THROW(file->Remove(recent), EMenuError);
}

TEST_F(MenuBuildTest, CommandsRunTheirItemsClick) {
  auto* menu = new TMainMenu(&Owner);
  TMenuItem* file = NewItem(menu->Items(), L"File1", L"&File");
  TMenuItem* open = NewItem(file, L"Open1", L"&Open");
  TMenuItem* off = NewItem(file, L"Off1", L"Off");
  off->SetEnabled(false);
  EXPECT_NE(open->Command(), off->Command());

  TMessage command{WM_COMMAND, MAKEWPARAM(open->Command(), 0), 0, -1};
  EXPECT_TRUE(menu->HandleMenuMessage(nullptr, command));
  EXPECT_EQ(Clicks.Names, (std::vector<String>{L"Open1"}));

  TMessage disabled{WM_COMMAND, MAKEWPARAM(off->Command(), 0), 0, -1};
  EXPECT_TRUE(menu->HandleMenuMessage(nullptr, disabled)) << "the command is the menu's";
  TMessage fromControl{WM_COMMAND, MAKEWPARAM(open->Command(), BN_CLICKED), LPARAM(1), -1};
  EXPECT_FALSE(menu->HandleMenuMessage(nullptr, fromControl)) << "a control's notification is not a menu command";
  auto* other = new TPopupMenu(&Owner);
  EXPECT_FALSE(other->HandleMenuMessage(nullptr, command)) << "another menu's command";
  EXPECT_FALSE(menu->DispatchCommand(0));
  EXPECT_EQ(Clicks.Names, (std::vector<String>{L"Open1"})) << "disabled items do not click";

  // A sub-menu about to open clicks its item, so handlers can adjust it.
  TMessage init{WM_INITMENUPOPUP, WPARAM(file->Handle()), 0, -1};
  EXPECT_TRUE(menu->HandleMenuMessage(nullptr, init));
  EXPECT_EQ(Clicks.Names.back(), L"File1");
}

TEST_F(MenuBuildTest, HintsAndAcceleratorsOfEntries) {
  struct THints : TObject {
    std::vector<String> Shown;
    void Show(const String& Hint) { Shown.push_back(Hint); }
  } hints;
  SetMenuHintProc(TMenuHintProc(&hints, &THints::Show));
  auto* menu = new TMainMenu(&Owner);
  TMenuItem* file = NewItem(menu->Items(), L"File1", L"&File");
  file->SetHint(L"File commands");
  TMenuItem* open = NewItem(file, L"Open1", L"&Open");
  open->SetHint(L"Opens a layout");
  NewItem(file, L"Off1", L"&Export")->SetEnabled(false);
  NewItem(file, L"Exit1", L"E&xit");
  menu->SetOwnerDraw(true);
  HMENU bar = menu->Handle();

  const struct {
    WPARAM WParam;
    LPARAM LParam;
    const wchar_t* Hint;
  } selections[] = {
      {MAKEWPARAM(open->Command(), MF_HILITE), LPARAM(file->Handle()), L"Opens a layout"},
      {MAKEWPARAM(0, MF_HILITE | MF_POPUP), LPARAM(bar), L"File commands"},
      {MAKEWPARAM(0, 0xFFFF), 0, L""},
  };
  for (const auto& c : selections) {
    TMessage select{WM_MENUSELECT, c.WParam, c.LParam, 0};
    menu->HandleMenuMessage(nullptr, select);
    ASSERT_FALSE(hints.Shown.empty());
    EXPECT_EQ(hints.Shown.back(), c.Hint);
  }
  SetMenuHintProc(TMenuHintProc());

  // Owner-drawn entries have no text for the system: the menu finds the
  // accelerator. Position counts shown entries; disabled ones are skipped.
  auto menuChar = [&](wchar_t key) {
    TMessage m{WM_MENUCHAR, MAKEWPARAM(key, MF_POPUP), LPARAM(file->Handle()), -1};
    return menu->HandleMenuMessage(nullptr, m) ? m.Result : LRESULT(-1);
  };
  EXPECT_EQ(menuChar(L'x'), MAKELRESULT(2, MNC_EXECUTE));
  EXPECT_EQ(menuChar(L'O'), MAKELRESULT(0, MNC_EXECUTE));
  EXPECT_EQ(menuChar(L'e'), -1) << "the disabled entry";
  EXPECT_EQ(menuChar(L'q'), -1);
}

TEST_F(MenuBuildTest, ShortCutsClickReachableEnabledItems) {
  auto* menu = new TMainMenu(&Owner);
  TMenuItem* file = NewItem(menu->Items(), L"File1", L"&File");
  NewItem(file, L"Save1", L"&Save")->SetShortCut(TShortCut(scCtrl | 'S'));
  TMenuItem* tools = NewItem(menu->Items(), L"Tools1", L"&Tools");
  NewItem(tools, L"Run1", L"&Run")->SetShortCut(VK_F9);

  BYTE keys[256] = {};
  ASSERT_TRUE(GetKeyboardState(keys));
  BYTE down[256];
  std::copy(std::begin(keys), std::end(keys), down);
  down[VK_CONTROL] = 0x80;
  SetKeyboardState(down);
  const bool ctrlS = menu->IsShortCut('S', 0);
  SetKeyboardState(keys);
  EXPECT_TRUE(ctrlS);
  EXPECT_FALSE(menu->IsShortCut('S', 0)) << "S without Ctrl is no shortcut";
  EXPECT_TRUE(menu->IsShortCut(VK_F9, 0));
  tools->SetEnabled(false);
  EXPECT_FALSE(menu->IsShortCut(VK_F9, 0)) << "an item under a disabled sub-menu";
  EXPECT_EQ(Clicks.Names, (std::vector<String>{L"Save1", L"Run1"}));
}

TEST_F(MenuBuildTest, ImagesAreClearedWhenTheImageListGoes) {
  auto* menu = new TPopupMenu(&Owner);
  auto* images = new TCustomImageList(nullptr);
  menu->SetImages(images);
  delete images;
  EXPECT_EQ(menu->Images(), nullptr);
}

// A form class for the reader: its event handler is bound by name.
class TMenuTestForm : public TComponent {
  VAMIRE_CLASS(TMenuTestForm, TComponent)
 public:
  using TComponent::TComponent;
  void Open1Click(TObject* Sender) { Clicked.push_back(static_cast<TComponent*>(Sender)->Name()); }
  void GetChildren(TGetChildProc Proc, TComponent* Root) override {
    for (int i = 0; i < ComponentCount(); ++i)
      if (!Components(i)->HasParent() && Components(i)->Owner() == Root) Proc(Components(i));
  }
  std::vector<String> Clicked;
};

VAMIRE_PUBLISHED(TMenuTestForm, Handler(L"Open1Click", &TMenuTestForm::Open1Click))

TEST(MenuStreamTest, FormsReadAndWriteTheirMenus) {
  InitializeUnits({MenusUnit});
  RegisterClasses({TMenuTestForm::StaticClass()});
  const String text =
      L"object MenuTestForm: TMenuTestForm\n"
      L"  object MainMenu1: TMainMenu\n"
      L"    object File1: TMenuItem\n"
      L"      Caption = '&File'\n"
      L"      object Open1: TMenuItem\n"
      L"        Caption = '&Open'\n"
      L"        ShortCut = 16463\n"
      L"        OnClick = Open1Click\n"
      L"      end\n"
      L"      object N1: TMenuItem\n"
      L"        Caption = '-'\n"
      L"      end\n"
      L"      object View1: TMenuItem\n"
      L"        Break = mbBarBreak\n"
      L"        Caption = '&View'\n"
      L"        Checked = True\n"
      L"        GroupIndex = 2\n"
      L"        RadioItem = True\n"
      L"      end\n"
      L"    end\n"
      L"  end\n"
      L"end\n";
  const std::string bytes = FormTextToBinary(text);
  TStringStream input(bytes);
  std::unique_ptr<TMenuTestForm> form(new TMenuTestForm(nullptr));
  ReadComponentFromStream(&input, form.get());

  auto* menu = dynamic_cast<TMainMenu*>(form->FindComponent(L"MainMenu1"));
  ASSERT_NE(menu, nullptr);
  ASSERT_EQ(menu->Items()->Count(), 1);
  TMenuItem* file = menu->Items()->Items(0);
  EXPECT_EQ(file->Name(), L"File1");
  ASSERT_EQ(file->Count(), 3);
  TMenuItem* view = file->Items(2);
  EXPECT_TRUE(view->Checked() && view->RadioItem());
  EXPECT_EQ(view->GroupIndex(), 2);
  EXPECT_EQ(view->Break(), mbBarBreak);
  EXPECT_EQ(ShortCutToText(file->Items(0)->ShortCut()), L"Ctrl+O");
  EXPECT_EQ(file->Items(0)->GetParentComponent(), file);
  EXPECT_EQ(file->GetParentComponent(), menu);
  EXPECT_TRUE(menu->DispatchCommand(file->Items(0)->Command()));
  EXPECT_EQ(form->Clicked, (std::vector<String>{L"Open1"}));

  // Written back, the form reads the same.
  TMemoryStream output;
  WriteComponentToStream(&output, form.get());
  const std::string written(static_cast<const char*>(output.Memory()), size_t(output.Size()));
  EXPECT_EQ(FormBinaryToText(written), FormBinaryToText(bytes));
  UnRegisterClass(TMenuTestForm::StaticClass());
}

}  // namespace
