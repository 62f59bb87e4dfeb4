#include "streaming_support.h"

std::vector<String>& LoadedLog() {
  static std::vector<String> log;
  return log;
}

TTestControl::TTestControl(TComponent* AOwner)
    : TComponent(AOwner),
      FFont(new TTestFont),
      FLines(new TStringList),
      FItems(new TOwnedCollection(this, TTestItem::StaticClass())) {}

TTestControl::~TTestControl() {
  if (ParentControl) std::erase(ParentControl->Children, this);
  for (TTestControl* c : Children) c->ParentControl = nullptr;
  delete FFont;
  delete FLines;
  delete FItems;
}

void TTestControl::SetParentComponent(TComponent* Value) {
  if (ParentControl) std::erase(ParentControl->Children, this);
  ParentControl = dynamic_cast<TTestControl*>(Value);
  if (ParentControl) ParentControl->Children.push_back(this);
}

void TTestControl::GetChildren(TGetChildProc Proc, TComponent*) {
  for (TTestControl* c : Children) Proc(c);
}

void TTestControl::Loaded() {
  TComponent::Loaded();
  LoadedLog().push_back(Name());
}

void TTestControl::DefineProperties(TFiler* Filer) {
  TComponent::DefineProperties(Filer);
  // Each is written when it differs from the ancestor's, or from empty without one.
  auto* ancestor = dynamic_cast<TTestControl*>(Filer->Ancestor());
  Filer->DefineBinaryProperty(L"Blob", TStreamProc(this, &TTestControl::ReadBlob),
                              TStreamProc(this, &TTestControl::WriteBlob),
                              ancestor ? ancestor->Blob != Blob : !Blob.empty());
  Filer->DefineProperty(L"Tally", TReaderProc(this, &TTestControl::ReadTally),
                        TWriterProc(this, &TTestControl::WriteTally), ancestor ? ancestor->Tally != Tally : Tally != 0);
}

void TTestControl::ReadBlob(TStream* S) {
  Blob.resize(size_t(S->Size()));
  if (!Blob.empty()) S->ReadBuffer(Blob.data(), int32_t(Blob.size()));
}

void TTestControl::WriteBlob(TStream* S) { S->WriteBuffer(Blob.data(), int32_t(Blob.size())); }
void TTestControl::ReadTally(TReader* R) { Tally = R->ReadInteger(); }
void TTestControl::WriteTally(TWriter* W) { W->WriteInteger(Tally); }

void TTestCheck::SetChecked(bool v) {
  if (ComponentState().Contains(csLoading)) SawLoading = true;
  if (FChecked == v) return;
  FChecked = v;
  if (!ComponentState().Contains(csLoading) && OnClick) OnClick(this);
}

VAMIRE_PUBLISHED(TTestFont,
  Prop(L"Color", &TTestFont::Color, &TTestFont::SetColor).Default(clWindowText).Idents(&ColorIdentMapper),
  Prop(L"Height", &TTestFont::Height, &TTestFont::SetHeight).Default(-11),
  Prop(L"Name", &TTestFont::Name, &TTestFont::SetName).Default(L"Tahoma"))

VAMIRE_PUBLISHED(TTestItem,
  Prop(L"Caption", &TTestItem::Caption),
  Prop(L"Width", &TTestItem::Width).Default(64))

VAMIRE_PUBLISHED(TTestControl,
  Prop(L"Left", &TTestControl::Left, &TTestControl::SetLeft).Stored(&TTestControl::IsLeftStored),
  Prop(L"Caption", &TTestControl::Caption, &TTestControl::SetCaption),
  Prop(L"Align", &TTestControl::Align, &TTestControl::SetAlign),
  Prop(L"Options", &TTestControl::Options, &TTestControl::SetOptions).Default(TTestOptions{toA}),
  Prop(L"Color", &TTestControl::Color, &TTestControl::SetColor).Default(clBtnFace).Idents(&ColorIdentMapper),
  Prop(L"Ratio", &TTestControl::Ratio, &TTestControl::SetRatio),
  Prop(L"Font", &TTestControl::Font, nullptr),
  Prop(L"Lines", &TTestControl::Lines, nullptr),
  Prop(L"Items", &TTestControl::Items, nullptr),
  Prop(L"FocusControl", &TTestControl::FocusControl, &TTestControl::SetFocusControl),
  Prop(L"OnClick", &TTestControl::OnClick))

VAMIRE_PUBLISHED(TTestCheck,
  Prop(L"Checked", &TTestCheck::Checked, &TTestCheck::SetChecked))

VAMIRE_PUBLISHED(TTestForm1,
  Handler(L"Button1Click", &TTestForm1::Button1Click),
  Handler(L"CheckClick", &TTestForm1::CheckClick))

void RegisterTestClasses() {
  for (TClass c : {TTestControl::StaticClass(), TTestCheck::StaticClass(), TTestForm1::StaticClass()})
    if (!GetClass(c->ClassName())) RegisterClass(c);
}
