#include "Unit19.h"

#include "ConsoleForms.h"
#include "Subtitles.h"

void TForm19::AfterConstruction() {
  TSubtitleWindow::AfterConstruction();
  BindFormComponents(this, L"Label1", Label1, L"Timer1", Timer1);
}

void TForm19::ApplySubtitleStyle(const TSubtitleStyle& Style) {
  Label1->SetCaption(Style.Text);
  Timer1->SetInterval(unsigned(VerticalTimerInterval(Style.Interval)));
  Label1->Font()->SetName(Style.FontName);
  Label1->Font()->SetSize(Style.FontSize);
  Label1->Font()->SetColor(StringToColor(Style.ColorName));
  if (Style.Interval != 0 && !Style.KeepBackground) Label1->SetColor(Style.Background);
}

void TForm19::FormShow(TObject*) {
  Canvas()->Font()->Assign(Label1->Font());
  const int lineHeight = Canvas()->TextHeight(L"Pp");
  FScrollHeight = VerticalScrollHeight(SubtitleCharacterCount(Label1->Caption()), lineHeight);
  SpanLabel(ClientWidth());
  const TRect area = SubtitleWorkArea();
  FStep = VerticalScrollStep(area.Bottom - area.Top);
  Label1->SetTop(ClientHeight());
  SetDoubleBuffered(true);
  if (Timer1->Interval() <= 10) Label1->SetTop(0);
}

void TForm19::Timer1Timer(TObject*) {
  SetDoubleBuffered(true);
  Label1->SetTop(VerticalNextTop(Label1->Top(), FStep, FScrollHeight, ClientHeight()));
  SpanLabel(Width());
}

void TForm19::Refit() {
  if (Label1) SpanLabel(Width());
}

void TForm19::SpanLabel(int width) {
  // From the left edge: a new caption sizes the label about its centre.
  Label1->SetBounds(0, Label1->Top(), width, Label1->Height());
}

VAMIRE_PUBLISHED(TForm19, Handler(L"FormShow", &TForm19::FormShow), Handler(L"Timer1Timer", &TForm19::Timer1Timer))
