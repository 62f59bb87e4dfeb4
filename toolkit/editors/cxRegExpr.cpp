#include "cxRegExpr.h"

#include "SysUtils.h"
#include "cxRegExpr_shared.h"

using namespace cxRegExprDetail;

namespace {

bool SameCharIgnoringCase(wchar_t A, wchar_t B) {
  if (A == B) return true;
  if (A < 128 && B < 128) {
    auto up = [](wchar_t c) { return (c >= L'a' && c <= L'z') ? wchar_t(c - 32) : c; };
    return up(A) == up(B);
  }
  return AnsiUpperCase(String(1, A)) == AnsiUpperCase(String(1, B));
}

}  // namespace

// --- Matching items -----------------------------------------------------------------

bool TcxRegExprSymbol::Accepts(wchar_t& Ch, bool IgnoreCase) {
  if (!IgnoreCase) return Ch == FChar;
  if (!SameCharIgnoringCase(Ch, FChar)) return false;
  Ch = FChar;
  return true;
}

std::unique_ptr<TcxRegExprItem> TcxRegExprSymbol::Duplicate() const { return std::make_unique<TcxRegExprSymbol>(FChar); }

bool TcxRegExprTimeSeparator::Accepts(wchar_t& Ch, bool) { return Ch == LocaleTimeSeparator(); }

std::unique_ptr<TcxRegExprItem> TcxRegExprTimeSeparator::Duplicate() const {
  return std::make_unique<TcxRegExprTimeSeparator>();
}

bool TcxRegExprDateSeparator::Accepts(wchar_t& Ch, bool) { return Ch == LocaleDateSeparator(); }

std::unique_ptr<TcxRegExprItem> TcxRegExprDateSeparator::Duplicate() const {
  return std::make_unique<TcxRegExprDateSeparator>();
}

bool TcxRegExprSubrange::Accepts(wchar_t& Ch, bool) { return FFirst <= Ch && Ch <= FLast; }

std::unique_ptr<TcxRegExprItem> TcxRegExprSubrange::Duplicate() const {
  return std::make_unique<TcxRegExprSubrange>(FFirst, FLast);
}

bool TcxRegExprUserEnumeration::Accepts(wchar_t& Ch, bool IgnoreCase) {
  bool found = false;
  for (auto& item : FItems)
    if (item->Accepts(Ch, IgnoreCase)) {
      found = true;
      break;
    }
  return found != FInverted;
}

std::unique_ptr<TcxRegExprItem> TcxRegExprUserEnumeration::Duplicate() const {
  auto copy = std::make_unique<TcxRegExprUserEnumeration>(FInverted);
  for (auto& item : FItems) copy->Add(item->Duplicate());
  return copy;
}

bool TcxRegExprDigit::Accepts(wchar_t& Ch, bool) { return (Ch >= L'0' && Ch <= L'9') != FInverted; }

std::unique_ptr<TcxRegExprItem> TcxRegExprDigit::Duplicate() const { return std::make_unique<TcxRegExprDigit>(FInverted); }

bool TcxRegExprIdLetter::Accepts(wchar_t& Ch, bool) {
  const bool letter = (Ch >= L'a' && Ch <= L'z') || (Ch >= L'A' && Ch <= L'Z') || (Ch >= L'0' && Ch <= L'9') || Ch == L'_';
  return letter != FInverted;
}

std::unique_ptr<TcxRegExprItem> TcxRegExprIdLetter::Duplicate() const {
  return std::make_unique<TcxRegExprIdLetter>(FInverted);
}

bool TcxRegExprSpace::Accepts(wchar_t& Ch, bool) { return IsBlank(Ch) != FInverted; }

std::unique_ptr<TcxRegExprItem> TcxRegExprSpace::Duplicate() const { return std::make_unique<TcxRegExprSpace>(FInverted); }

bool TcxRegExprAll::Accepts(wchar_t&, bool) { return true; }

std::unique_ptr<TcxRegExprItem> TcxRegExprAll::Duplicate() const { return std::make_unique<TcxRegExprAll>(); }

// --- Quantifiers --------------------------------------------------------------------

std::unique_ptr<TcxRegExprQuantifier> TcxRegExprSimpleQuantifier::Duplicate() const {
  return std::make_unique<TcxRegExprSimpleQuantifier>();
}

std::unique_ptr<TcxRegExprQuantifier> TcxRegExprQuestionQuantifier::Duplicate() const {
  return std::make_unique<TcxRegExprQuestionQuantifier>();
}

std::unique_ptr<TcxRegExprQuantifier> TcxRegExprStarQuantifier::Duplicate() const {
  return std::make_unique<TcxRegExprStarQuantifier>();
}

std::unique_ptr<TcxRegExprQuantifier> TcxRegExprPlusQuantifier::Duplicate() const {
  return std::make_unique<TcxRegExprPlusQuantifier>();
}

// A walk marks the states it meets with a number no earlier walk used.
template <class F>
std::unique_ptr<TcxRegExprStates> TcxRegExprState::Walked(F&& Visit) {
  static thread_local std::uint64_t lastMark = 0;
  auto result = std::make_unique<TcxRegExprStates>();
  TWalk walk{++lastMark, result.get()};
  Visit(walk);
  return result;
}

// --- State sets ---------------------------------------------------------------------

bool TcxRegExprStates::Contains(const TcxRegExprState* State) const {
  for (auto* s : FItems)
    if (s == State) return true;
  return false;
}

void TcxRegExprStates::Add(TcxRegExprState* State) {
  if (!Contains(State)) AddNew(State);
}

void TcxRegExprStates::AddAll(std::unique_ptr<TcxRegExprStates> Other) {
  if (!Other) return;
  for (auto* s : Other->FItems) Add(s);
}

bool TcxRegExprStates::HasAccepting() const {
  for (auto* s : FItems)
    if (auto* simple = dynamic_cast<TcxRegExprSimpleState*>(s); simple && simple->Accepting()) return true;
  return false;
}

std::unique_ptr<TcxRegExprStates> TcxRegExprStates::StepAll(wchar_t& Ch, bool IgnoreCase) const {
  return TcxRegExprState::Walked([&](TcxRegExprState::TWalk& walk) {
    for (auto* s : FItems) s->WalkSuccessorsStep(walk, Ch, IgnoreCase);
  });
}

std::unique_ptr<TcxRegExprStates> TcxRegExprStates::Reachable() const {
  return TcxRegExprState::Walked([&](TcxRegExprState::TWalk& walk) {
    for (auto* s : FItems) s->WalkSuccessorsReachable(walk);
  });
}

bool TcxRegExprStates::IsSingleForcedChar(wchar_t& Ch) const {
  if (FItems.empty()) return false;
  bool first = true;
  wchar_t forced = 0;
  for (auto* s : FItems) {
    auto* simple = dynamic_cast<TcxRegExprSimpleState*>(s);
    if (!simple) return false;
    wchar_t c;
    TcxRegExprItem* item = simple->Item();
    if (auto* symbol = dynamic_cast<TcxRegExprSymbol*>(item)) c = symbol->Char();
    else if (dynamic_cast<TcxRegExprTimeSeparator*>(item)) c = LocaleTimeSeparator();
    else if (dynamic_cast<TcxRegExprDateSeparator*>(item)) c = LocaleDateSeparator();
    else return false;
    if (!first && c != forced) return false;
    forced = c;
    first = false;
  }
  Ch = forced;
  return true;
}

// --- States -------------------------------------------------------------------------

std::unique_ptr<TcxRegExprStates> TcxRegExprState::Step(wchar_t& Ch, bool IgnoreCase) {
  return Walked([&](TWalk& walk) { WalkStep(walk, Ch, IgnoreCase); });
}

std::unique_ptr<TcxRegExprStates> TcxRegExprState::Reachable() {
  return Walked([&](TWalk& walk) { WalkReachable(walk); });
}

std::unique_ptr<TcxRegExprStates> TcxRegExprState::StepAll(wchar_t& Ch, bool IgnoreCase) {
  return Walked([&](TWalk& walk) { WalkSuccessorsStep(walk, Ch, IgnoreCase); });
}

std::unique_ptr<TcxRegExprStates> TcxRegExprState::ReachableAll() {
  return Walked([&](TWalk& walk) { WalkSuccessorsReachable(walk); });
}

void TcxRegExprState::WalkSuccessorsStep(TWalk& Walk, wchar_t& Ch, bool IgnoreCase) {
  for (auto* s : FSuccessors.FItems) s->WalkStep(Walk, Ch, IgnoreCase);
}

void TcxRegExprState::WalkSuccessorsReachable(TWalk& Walk) {
  for (auto* s : FSuccessors.FItems) s->WalkReachable(Walk);
}

std::unique_ptr<TcxRegExprState> TcxRegExprSimpleState::Duplicate() const {
  return std::make_unique<TcxRegExprSimpleState>(FItem ? FItem->Duplicate() : nullptr);
}

void TcxRegExprSimpleState::WalkStep(TWalk& Walk, wchar_t& Ch, bool IgnoreCase) {
  if (Visit(Walk) && FItem && FItem->Accepts(Ch, IgnoreCase)) JoinResult(Walk);
}

void TcxRegExprSimpleState::WalkReachable(TWalk& Walk) {
  if (Visit(Walk)) JoinResult(Walk);
}

std::unique_ptr<TcxRegExprState> TcxRegExprBlockState::Duplicate() const { return std::make_unique<TcxRegExprBlockState>(); }

void TcxRegExprBlockState::WalkStep(TWalk& Walk, wchar_t& Ch, bool IgnoreCase) {
  if (Visit(Walk)) WalkSuccessorsStep(Walk, Ch, IgnoreCase);
}

void TcxRegExprBlockState::WalkReachable(TWalk& Walk) {
  if (Visit(Walk)) WalkSuccessorsReachable(Walk);
}

// --- Parser items -------------------------------------------------------------------

TcxRegExprParserItem::TcxRegExprParserItem() : FQuantifier(std::make_unique<TcxRegExprSimpleQuantifier>()) {}

bool TcxRegExprParserItem::HasNoQuantifier() const {
  return dynamic_cast<const TcxRegExprSimpleQuantifier*>(FQuantifier.get()) != nullptr;
}

TcxRegExprParserSimpleItem::TcxRegExprParserSimpleItem(std::unique_ptr<TcxRegExprItem> Item)
    : FState(std::make_unique<TcxRegExprSimpleState>(std::move(Item))) {}

std::unique_ptr<TcxRegExprParserItem> TcxRegExprParserSimpleItem::Duplicate() const {
  std::unique_ptr<TcxRegExprParserSimpleItem> copy(new TcxRegExprParserSimpleItem());
  copy->FQuantifier = FQuantifier->Duplicate();
  copy->FState.reset(static_cast<TcxRegExprSimpleState*>(FState->Duplicate().release()));
  return copy;
}

void TcxRegExprParserSimpleItem::Describe(String& Text) const {
  String q;
  FQuantifier->Describe(q);
  Text = L"item --> " + q + CRLF;
}

TcxRegExprParserBlockItem::TcxRegExprParserBlockItem()
    : FStart(std::make_unique<TcxRegExprBlockState>()),
      FFinish(std::make_unique<TcxRegExprBlockState>()),
      FAlts(std::make_unique<TcxRegExprParserAlts>()) {}

bool TcxRegExprParserBlockItem::MatchesEmpty() const {
  if (MayBeAbsent()) return true;
  for (int i = 0; i < FAlts->Count(); ++i)
    if (FAlts->Item(i)->AllMatchEmpty()) return true;
  return false;
}

std::unique_ptr<TcxRegExprParserItem> TcxRegExprParserBlockItem::Duplicate() const {
  auto copy = std::make_unique<TcxRegExprParserBlockItem>();
  copy->FQuantifier = FQuantifier->Duplicate();
  copy->FAlts = FAlts->Duplicate();
  return copy;
}

void TcxRegExprParserBlockItem::Describe(String& Text) const {
  Text = L"<Start_Block>" + CRLF;
  for (int i = 0; i < FAlts->Count(); ++i) {
    String alt;
    FAlts->Item(i)->Describe(alt);
    Text += alt;
  }
  String q;
  FQuantifier->Describe(q);
  Text += L"<Finish_Block> --> " + q + CRLF;
}

void TcxRegExprParserBlockItem::MarkAccepting() {
  for (int i = 0; i < FAlts->Count(); ++i) FAlts->Item(i)->MarkAccepting();
}

void TcxRegExprParserBlockItem::LinkInside() {
  for (int i = 0; i < FAlts->Count(); ++i) {
    TcxRegExprParserAlt* alt = FAlts->Item(i);
    FStart->AddSuccessors(alt->FirstStates());
    if (alt->AllMayBeAbsent()) FStart->AddSuccessor(FFinish.get());
  }
  for (int i = 0; i < FAlts->Count(); ++i) {
    TcxRegExprParserAlt* alt = FAlts->Item(i);
    alt->Link();
    for (int k = alt->Count() - 1; k >= 0; --k) {
      alt->Item(k)->Exit()->AddSuccessor(FFinish.get());
      if (!alt->Item(k)->MayBeAbsent()) break;
    }
  }
}

// --- Alternatives -------------------------------------------------------------------

std::unique_ptr<TcxRegExprParserItem> TcxRegExprParserAlt::ExtractLast() {
  auto item = std::move(FItems.back());
  FItems.pop_back();
  return item;
}

bool TcxRegExprParserAlt::AllMayBeAbsent() const {
  for (auto& item : FItems)
    if (!item->MayBeAbsent()) return false;
  return true;
}

bool TcxRegExprParserAlt::AllMatchEmpty() const {
  for (auto& item : FItems)
    if (!item->MatchesEmpty()) return false;
  return true;
}

std::unique_ptr<TcxRegExprParserAlt> TcxRegExprParserAlt::Duplicate() const {
  auto copy = std::make_unique<TcxRegExprParserAlt>();
  for (auto& item : FItems) copy->Add(item->Duplicate());
  return copy;
}

void TcxRegExprParserAlt::Describe(String& Text) const {
  Text = L"<Start_Alt>" + CRLF;
  for (auto& item : FItems) {
    String t;
    item->Describe(t);
    Text += t;
  }
  Text += L"<Finish_Alt>" + CRLF;
}

void TcxRegExprParserAlt::MarkAccepting() {
  for (auto it = FItems.rbegin(); it != FItems.rend(); ++it) {
    (*it)->MarkAccepting();
    if (!(*it)->MayBeAbsent()) break;
  }
}

void TcxRegExprParserAlt::Link() {
  const int n = Count();
  for (int k = 0; k < n; ++k) {
    TcxRegExprParserItem* item = FItems[k].get();
    TcxRegExprState* exit = item->Exit();
    for (int j = k + 1; j < n; ++j) {
      exit->AddDistinctSuccessor(FItems[j]->Entry());
      if (!FItems[j]->MayBeAbsent()) break;
    }
    if (item->MayRepeat()) exit->AddSuccessor(item->Entry());
    if (auto* group = dynamic_cast<TcxRegExprParserBlockItem*>(item)) group->LinkInside();
  }
}

std::unique_ptr<TcxRegExprStates> TcxRegExprParserAlt::FirstStates() const {
  auto result = std::make_unique<TcxRegExprStates>();
  for (auto& item : FItems) {
    result->Add(item->Entry());
    if (!item->MayBeAbsent()) break;
  }
  return result;
}

std::size_t TcxRegExprParserAlt::StateCount() const {
  std::size_t count = 0;
  for (auto& item : FItems) count += item->StateCount();
  return count;
}

TcxRegExprParserAlt* TcxRegExprParserAlts::AddAlt() {
  FItems.push_back(std::make_unique<TcxRegExprParserAlt>());
  return FItems.back().get();
}

std::unique_ptr<TcxRegExprParserAlts> TcxRegExprParserAlts::Duplicate() const {
  auto copy = std::make_unique<TcxRegExprParserAlts>();
  for (auto& alt : FItems) copy->FItems.push_back(alt->Duplicate());
  return copy;
}

std::size_t TcxRegExprParserAlts::StateCount() const {
  std::size_t count = 0;
  for (auto& alt : FItems) count += alt->StateCount();
  return count;
}

// --- Errors -------------------------------------------------------------------------

String TcxRegExprError::MessageWithPosition() const {
  String text;
  if (FLine > 0) {
    text = Res(scxRegExprLine) + std::to_wstring(FLine);
    if (FChar > 0) text += L", " + Res(scxRegExprChar) + std::to_wstring(FChar);
    text += L": ";
  }
  return text + FMessage;
}

EcxRegExprError::EcxRegExprError(const TcxRegExprErrors& Errors) {
  String message;
  for (int i = 0; i < Errors.Count(); ++i) {
    const TcxRegExprError& e = Errors.Items(i);
    FErrors->Add(e.Line(), e.Char(), e.Message());
    if (i > 0) message += CRLF;
    message += e.MessageWithPosition();
  }
  SetMessage(message);
}

// --- Automaton ----------------------------------------------------------------------

TcxRegExprAutomat::TcxRegExprAutomat(std::unique_ptr<TcxRegExprParserAlts> Alts, TcxRegExpr* Owner)
    : FAlts(std::move(Alts)), FStartState(std::make_unique<TcxRegExprSimpleState>()), FOwner(Owner) {
  for (int i = 0; i < FAlts->Count(); ++i) {
    FStartState->AddSuccessors(FAlts->Item(i)->FirstStates());
    if (FAlts->Item(i)->AllMayBeAbsent()) FStartState->SetAccepting(true);
  }
  FCurrent = std::make_unique<TcxRegExprStates>();
  FCurrent->Add(FStartState.get());
}

TcxRegExprAutomat::~TcxRegExprAutomat() = default;

bool TcxRegExprAutomat::Step(wchar_t& Ch, bool IgnoreCase) {
  auto next = FCurrent->StepAll(Ch, IgnoreCase);
  if (next->Count() == 0) return false;
  FHistory.push_back(std::move(FCurrent));
  FCurrent = std::move(next);
  return true;
}

bool TcxRegExprAutomat::StepBack() {
  if (FHistory.empty()) return false;
  FCurrent = std::move(FHistory.back());
  FHistory.pop_back();
  return true;
}

void TcxRegExprAutomat::Restart() {
  FHistory.clear();
  FCurrent = std::make_unique<TcxRegExprStates>();
  FCurrent->Add(FStartState.get());
}

bool TcxRegExprAutomat::IsAtStart() const { return FCurrent->Count() > 0 && FCurrent->Item(0) == FStartState.get(); }

void TcxRegExprAutomat::StepForwardForced() {
  while (!FCurrent->HasAccepting()) {
    auto candidates = NextCandidates();
    wchar_t ch;
    if (!candidates->IsSingleForcedChar(ch)) return;
    if (FOwner && FOwner->OnForcedCharAdded) FOwner->OnForcedCharAdded(ch);
    FHistory.push_back(std::move(FCurrent));
    FCurrent = std::move(candidates);
  }
}

void TcxRegExprAutomat::StepBackForced() {
  wchar_t ch;
  while (FCurrent->IsSingleForcedChar(ch)) {
    if (FHistory.empty()) return;
    std::unique_ptr<TcxRegExprStates>& previous = FHistory.back();
    wchar_t forced;
    if (!previous->Reachable()->IsSingleForcedChar(forced) || previous->HasAccepting()) return;
    if (FOwner && FOwner->OnForcedCharRemoved) FOwner->OnForcedCharRemoved();
    FCurrent = std::move(previous);
    FHistory.pop_back();
  }
}

// --- The expression: matching -------------------------------------------------------

bool TcxRegExpr::Advance(wchar_t& Ch) {
  CheckCompiled();
  const bool accepted = FAutomat->Step(Ch, FCaseInsensitive);
  if (accepted && !FAutomat->IsAccepting() && FAutoComplete) FAutomat->StepForwardForced();
  return accepted;
}

void TcxRegExpr::AdvanceText(const String& Text, String& Accepted) {
  CheckCompiled();
  Accepted.clear();
  for (wchar_t c : Text) {
    wchar_t ch = c;
    if (FAutomat->Step(ch, FCaseInsensitive)) Accepted += c;
  }
}

bool TcxRegExpr::StepBack() {
  CheckCompiled();
  if (FAutoComplete) FAutomat->StepBackForced();
  return FAutomat->StepBack();
}

void TcxRegExpr::Restart() {
  CheckCompiled();
  FAutomat->Restart();
}

bool TcxRegExpr::IsAtStart() const {
  CheckCompiled();
  return FAutomat->IsAtStart();
}

bool TcxRegExpr::IsAccepting() const {
  CheckCompiled();
  return FAutomat->IsAccepting();
}

void TcxRegExpr::SetAutoComplete(bool Value) {
  FAutoComplete = Value;
  if (FCompiled && Value) FAutomat->StepForwardForced();
}
