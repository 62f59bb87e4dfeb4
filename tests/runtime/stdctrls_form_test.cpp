// A form file of standard controls: every property and event it sets is
// read through the published tables, references between controls are
// resolved, and the streamed controls then work as built from code.
#include "SysUtils.h"
#include "stdctrls_test_support.h"

using namespace stdctrls_test;

namespace {

class TStdForm : public TForm {
  VAMIRE_CLASS(TStdForm, TForm)
 public:
  using TForm::TForm;
  std::vector<String> Log;
  void Edit1Change(TObject*) { Log.push_back(L"Edit1Change"); }
  void RadioClick(TObject* Sender) { Log.push_back(L"RadioClick " + static_cast<TComponent*>(Sender)->Name()); }
  void Button1Click(TObject*) { Log.push_back(L"Button1Click"); }
  void ScrollBar1Scroll(TObject*, TScrollCode, int& ScrollPos) {
    Log.push_back(L"ScrollBar1Scroll " + std::to_wstring(ScrollPos));
  }
  template <class T>
  T* Find(const wchar_t* Name) {
    auto* c = dynamic_cast<T*>(FindComponent(Name));
    EXPECT_NE(c, nullptr) << "no " << UTF8Encode(Name);
    return c;
  }
};

VAMIRE_PUBLISHED(TStdForm, Handler(L"Edit1Change", &TStdForm::Edit1Change),
                 Handler(L"RadioClick", &TStdForm::RadioClick), Handler(L"Button1Click", &TStdForm::Button1Click),
                 Handler(L"ScrollBar1Scroll", &TStdForm::ScrollBar1Scroll))

TStdForm* LoadForm() {
  try {
    return TCustomForm::Create<TStdForm>(nullptr);
  } catch (const Exception& e) {
    ADD_FAILURE() << UTF8Encode(e.ClassName() + L": " + e.Message());
    return nullptr;
  }
}

TEST(StdCtrlsFormTest, PropertiesAndEventsComeFromTheFormFile) {
  TStdForm* form = LoadForm();
  ASSERT_NE(form, nullptr);
  auto* label = form->Find<TLabel>(L"Label1");
  auto* edit = form->Find<TEdit>(L"Edit1");
  auto* memo = form->Find<TMemo>(L"Memo1");
  auto* box = form->Find<TCheckBox>(L"CheckBox1");
  auto* group = form->Find<TGroupBox>(L"GroupBox1");
  auto* r1 = form->Find<TRadioButton>(L"RadioButton1");
  auto* r2 = form->Find<TRadioButton>(L"RadioButton2");
  auto* bar = form->Find<TScrollBar>(L"ScrollBar1");
  auto* ok = form->Find<TButton>(L"Button1");
  ASSERT_FALSE(HasFailure());
  form->Show();
  Pump();

  EXPECT_EQ(label->FocusControl(), edit);
  EXPECT_GT(label->Width(), 0);
  EXPECT_EQ(edit->Text(), L"ABC");  // the case applies to the streamed text
  EXPECT_EQ(edit->MaxLength(), 8);
  EXPECT_EQ(memo->Lines()->Count(), 2);
  EXPECT_EQ(memo->Lines()->Strings(1), L"second");
  EXPECT_EQ(memo->ScrollBars(), ssVertical);
  EXPECT_FALSE(memo->WordWrap());
  EXPECT_EQ(box->State(), cbGrayed);
  EXPECT_EQ(SendMessageW(box->Handle(), BM_GETCHECK, 0, 0), BST_INDETERMINATE);
  EXPECT_EQ(r2->Parent(), group);
  EXPECT_TRUE(r2->Checked());
  EXPECT_FALSE(r1->Checked());
  EXPECT_EQ(bar->Max(), 50);
  EXPECT_EQ(bar->PageSize(), 10);
  EXPECT_EQ(bar->Position(), 20);
  EXPECT_TRUE(ok->Default());
  EXPECT_EQ(ok->ModalResult(), mrOk);
  // Loading ran no handler: they were bound after the values were set.
  EXPECT_TRUE(form->Log.empty()) << UTF8Encode(form->Log.front());

  form->Log.clear();
  Type(edit->Handle(), L"d");
  SendMessageW(r1->Handle(), BM_CLICK, 0, 0);
  SendMessageW(r2->Handle(), BM_CLICK, 0, 0);
  SendMessageW(form->Handle(), WM_HSCROLL, SB_PAGEDOWN, reinterpret_cast<LPARAM>(bar->Handle()));
  SendMessageW(ok->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(form->Log, (std::vector<String>{L"Edit1Change", L"RadioClick RadioButton2", L"ScrollBar1Scroll 21",
                                            L"Button1Click"}));
  EXPECT_EQ(form->ModalResult(), mrOk);
  form->Free();
}

}  // namespace
