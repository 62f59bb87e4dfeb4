#include "cxRegExpr.h"

#include <algorithm>

#include "SysUtils.h"
#include "cxRegExpr_shared.h"

using namespace cxRegExprDetail;

namespace {

bool SameCharIgnoringCase(wchar_t A, wchar_t B) {
  if (A == B) return true;
  if (A < 128 && B < 128) return AsciiUpper(A) == AsciiUpper(B);
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

bool TcxRegExprDigit::Accepts(wchar_t& Ch, bool) { return IsAsciiDigit(Ch) != FInverted; }

std::unique_ptr<TcxRegExprItem> TcxRegExprDigit::Duplicate() const { return std::make_unique<TcxRegExprDigit>(FInverted); }

bool TcxRegExprIdLetter::Accepts(wchar_t& Ch, bool) {
  const bool letter = IsAsciiLetter(Ch) || IsAsciiDigit(Ch) || Ch == L'_';
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

// --- Walks over the graph ------------------------------------------------------------

// One walk over the graph: each state is met once (it carries the number of the
// last walk that met it), so a loop through pass-through states ends and the
// result holds each state once. The walk keeps its own stack of the states still
// to meet, in the order a depth-first walk meets them: a chain of optional groups
// links tens of thousands of pass-through states one after another, far more than
// the program's stack would hold if the walk recursed once per state.
class TcxRegExprState::TWalk {
 public:
  TWalk() : FMark(++LastMark()) {}

  // The states of List are met after those given before, first to last.
  void Meet(const TcxRegExprStates& List) { FPending.insert(FPending.end(), List.FItems.begin(), List.FItems.end()); }
  void Meet(TcxRegExprState* State) { FPending.push_back(State); }

  // Meets the pending states: a pass-through state hands the walk on to its
  // successors; any other state joins the result when Joins(state) says so.
  template <class F>
  std::unique_ptr<TcxRegExprStates> Run(F&& Joins) {
    auto result = std::make_unique<TcxRegExprStates>();
    // The states were given first to last; the next one to meet stands last.
    std::reverse(FPending.begin(), FPending.end());
    while (!FPending.empty()) {
      TcxRegExprState* state = FPending.back();
      FPending.pop_back();
      if (state->FWalkMark == FMark) continue;
      state->FWalkMark = FMark;
      if (state->PassesThrough()) {
        const auto& next = state->FSuccessors.FItems;
        FPending.insert(FPending.end(), next.rbegin(), next.rend());
      } else if (Joins(state)) {
        result->AddNew(state);
      }
    }
    return result;
  }

 private:
  static std::uint64_t& LastMark() {
    static thread_local std::uint64_t mark = 0;
    return mark;
  }
  std::uint64_t FMark;
  std::vector<TcxRegExprState*> FPending;  // the next state to meet last
};

// --- State sets ---------------------------------------------------------------------

TcxRegExprState* TcxRegExprStates::Item(int Index) const { return CheckedItem(FItems, Index); }

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
  TcxRegExprState::TWalk walk;
  for (auto* s : FItems) walk.Meet(s->FSuccessors);
  return walk.Run([&](TcxRegExprState* s) { return s->Consumes(Ch, IgnoreCase); });
}

std::unique_ptr<TcxRegExprStates> TcxRegExprStates::Reachable() const {
  TcxRegExprState::TWalk walk;
  for (auto* s : FItems) walk.Meet(s->FSuccessors);
  return walk.Run([](TcxRegExprState*) { return true; });
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
  TWalk walk;
  walk.Meet(this);
  return walk.Run([&](TcxRegExprState* s) { return s->Consumes(Ch, IgnoreCase); });
}

std::unique_ptr<TcxRegExprStates> TcxRegExprState::Reachable() {
  TWalk walk;
  walk.Meet(this);
  return walk.Run([](TcxRegExprState*) { return true; });
}

std::unique_ptr<TcxRegExprStates> TcxRegExprState::StepAll(wchar_t& Ch, bool IgnoreCase) {
  TWalk walk;
  walk.Meet(FSuccessors);
  return walk.Run([&](TcxRegExprState* s) { return s->Consumes(Ch, IgnoreCase); });
}

std::unique_ptr<TcxRegExprStates> TcxRegExprState::ReachableAll() {
  TWalk walk;
  walk.Meet(FSuccessors);
  return walk.Run([](TcxRegExprState*) { return true; });
}

void TcxRegExprState::AddSuccessors(std::unique_ptr<TcxRegExprStates> Set) {
  if (Set) FSuccessors.FItems.insert(FSuccessors.FItems.end(), Set->FItems.begin(), Set->FItems.end());
}

std::unique_ptr<TcxRegExprState> TcxRegExprSimpleState::Duplicate() const {
  return std::make_unique<TcxRegExprSimpleState>(FItem ? FItem->Duplicate() : nullptr);
}

std::unique_ptr<TcxRegExprState> TcxRegExprBlockState::Duplicate() const { return std::make_unique<TcxRegExprBlockState>(); }

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

TcxRegExprParserBlockItem::~TcxRegExprParserBlockItem() {
  // Taken apart level by level: each group nested inside gives up its items before
  // it is freed, so freeing it does not recurse.
  std::vector<std::unique_ptr<TcxRegExprParserItem>> pending;
  const auto takeItems = [&pending](TcxRegExprParserAlts& Alts) {
    for (auto& alt : Alts.FItems) {
      for (auto& item : alt->FItems) pending.push_back(std::move(item));
      alt->FItems.clear();
    }
  };
  takeItems(*FAlts);
  while (!pending.empty()) {
    std::unique_ptr<TcxRegExprParserItem> item = std::move(pending.back());
    pending.pop_back();
    if (auto* group = dynamic_cast<TcxRegExprParserBlockItem*>(item.get())) takeItems(*group->FAlts);
  }
}

bool TcxRegExprParserBlockItem::MatchesEmpty() const {
  if (MayBeAbsent()) return true;
  if (FEmptyInside >= 0) return FEmptyInside != 0;
  // Some alternative whose items all match empty; a nested group not yet known is
  // looked into with a stack of our own.
  struct TFrame {
    const TcxRegExprParserBlockItem* Group;
    std::size_t Alt;
    std::size_t Item;
  };
  std::vector<TFrame> frames{{this, 0, 0}};
  while (true) {
    TFrame& f = frames.back();
    const auto& alts = f.Group->FAlts->FItems;
    int answer = -1;
    const TcxRegExprParserBlockItem* unknown = nullptr;  // a nested group to look into first
    while (answer < 0 && !unknown) {
      if (f.Alt >= alts.size()) {
        answer = 0;  // no alternative matches empty
        break;
      }
      const auto& items = alts[f.Alt]->FItems;
      if (f.Item >= items.size()) {
        answer = 1;  // every item of this alternative does
        break;
      }
      const TcxRegExprParserItem* item = items[f.Item].get();
      auto* group = dynamic_cast<const TcxRegExprParserBlockItem*>(item);
      if (group && !group->MayBeAbsent() && group->FEmptyInside < 0) {
        unknown = group;
      } else if (item->MayBeAbsent() || (group && group->FEmptyInside > 0)) {
        ++f.Item;
      } else {
        ++f.Alt;
        f.Item = 0;
      }
    }
    if (unknown) {
      frames.push_back({unknown, 0, 0});  // f is not used past this point
      continue;
    }
    f.Group->FEmptyInside = answer;
    frames.pop_back();
    if (frames.empty()) return answer != 0;
  }
}

std::unique_ptr<TcxRegExprParserItem> TcxRegExprParserBlockItem::Duplicate() const {
  auto copy = std::make_unique<TcxRegExprParserBlockItem>();
  copy->FQuantifier = FQuantifier->Duplicate();
  copy->FEmptyInside = FEmptyInside;
  // Each group copied is filled in turn, the groups nested in it queued as empty copies.
  std::vector<std::pair<const TcxRegExprParserBlockItem*, TcxRegExprParserBlockItem*>> pending{{this, copy.get()}};
  while (!pending.empty()) {
    const auto [from, to] = pending.back();
    pending.pop_back();
    for (auto& alt : from->FAlts->FItems) {
      TcxRegExprParserAlt* target = to->FAlts->AddAlt();
      for (auto& item : alt->FItems) {
        if (auto* group = dynamic_cast<const TcxRegExprParserBlockItem*>(item.get())) {
          auto nested = std::make_unique<TcxRegExprParserBlockItem>();
          nested->FQuantifier = group->FQuantifier->Duplicate();
          nested->FEmptyInside = group->FEmptyInside;
          pending.emplace_back(group, nested.get());
          target->Add(std::move(nested));
        } else {
          target->Add(item->Duplicate());
        }
      }
    }
  }
  return copy;
}

std::size_t TcxRegExprParserBlockItem::StateCount() const {
  std::size_t count = 0;
  std::vector<const TcxRegExprParserBlockItem*> pending{this};
  while (!pending.empty()) {
    const TcxRegExprParserBlockItem* group = pending.back();
    pending.pop_back();
    count += 2;
    for (auto& alt : group->FAlts->FItems)
      for (auto& item : alt->FItems) {
        if (auto* nested = dynamic_cast<const TcxRegExprParserBlockItem*>(item.get())) pending.push_back(nested);
        else count += item->StateCount();
      }
  }
  return count;
}

void TcxRegExprParserBlockItem::Describe(String& Text) const {
  // The pieces still to write, the next one last: an item, or a closing text.
  struct TPiece {
    const TcxRegExprParserItem* Item;
    String Text;
  };
  Text.clear();
  std::vector<TPiece> pending{{this, String()}};
  while (!pending.empty()) {
    TPiece piece = std::move(pending.back());
    pending.pop_back();
    auto* group = dynamic_cast<const TcxRegExprParserBlockItem*>(piece.Item);
    if (!group) {
      if (piece.Item) piece.Item->Describe(piece.Text);
      Text += piece.Text;
      continue;
    }
    String q;
    group->FQuantifier->Describe(q);
    Text += L"<Start_Block>" + CRLF;
    pending.push_back({nullptr, L"<Finish_Block> --> " + q + CRLF});
    for (auto alt = group->FAlts->FItems.rbegin(); alt != group->FAlts->FItems.rend(); ++alt) {
      pending.push_back({nullptr, L"<Finish_Alt>" + CRLF});
      for (auto item = (*alt)->FItems.rbegin(); item != (*alt)->FItems.rend(); ++item) pending.push_back({item->get(), String()});
      pending.push_back({nullptr, L"<Start_Alt>" + CRLF});
    }
  }
}

void TcxRegExprParserBlockItem::MarkAccepting() {
  for (int i = 0; i < FAlts->Count(); ++i) FAlts->Item(i)->MarkAccepting();
}

void TcxRegExprParserBlockItem::LinkInside() {
  std::vector<TcxRegExprParserBlockItem*> groups{this};
  LinkNested(groups);
}

void TcxRegExprParserBlockItem::LinkNested(std::vector<TcxRegExprParserBlockItem*>& Groups) {
  while (!Groups.empty()) {
    TcxRegExprParserBlockItem* group = Groups.back();
    Groups.pop_back();
    group->LinkOwnStates(Groups);
  }
}

void TcxRegExprParserBlockItem::LinkOwnStates(std::vector<TcxRegExprParserBlockItem*>& Groups) {
  bool startReachesFinish = false;
  for (auto& alt : FAlts->FItems) {
    FStart->AddSuccessors(alt->FirstStates());
    if (alt->AllMayBeAbsent() && !startReachesFinish) {
      FStart->AddSuccessor(FFinish.get());
      startReachesFinish = true;
    }
  }
  for (auto& alt : FAlts->FItems) {
    alt->LinkItems(Groups);
    for (auto it = alt->FItems.rbegin(); it != alt->FItems.rend(); ++it) {
      (*it)->Exit()->AddSuccessor(FFinish.get());
      if (!(*it)->MayBeAbsent()) break;
    }
  }
}

// --- Alternatives -------------------------------------------------------------------

TcxRegExprParserItem* TcxRegExprParserAlt::Item(int Index) const { return CheckedItem(FItems, Index).get(); }

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
  // From the last item backwards while the item may be absent; a group marks the
  // ends of its own alternatives the same way.
  std::vector<const TcxRegExprParserAlt*> pending{this};
  while (!pending.empty()) {
    const TcxRegExprParserAlt* alt = pending.back();
    pending.pop_back();
    for (auto it = alt->FItems.rbegin(); it != alt->FItems.rend(); ++it) {
      if (auto* group = dynamic_cast<TcxRegExprParserBlockItem*>(it->get())) {
        for (auto& inner : group->FAlts->FItems) pending.push_back(inner.get());
      } else {
        (*it)->MarkAccepting();
      }
      if (!(*it)->MayBeAbsent()) break;
    }
  }
}

void TcxRegExprParserAlt::Link() {
  std::vector<TcxRegExprParserBlockItem*> groups;
  LinkItems(groups);
  TcxRegExprParserBlockItem::LinkNested(groups);
}

void TcxRegExprParserAlt::LinkItems(std::vector<TcxRegExprParserBlockItem*>& Groups) {
  // After item k a path goes on to item k+1 and, while those may be absent, to the
  // items after it. follow[k] is the one state standing for that list from item k
  // on: the item's own entry when it may not be absent (or is the last), else a
  // link state leading to its entry and then to follow[k+1].
  const std::size_t n = FItems.size();
  std::vector<TcxRegExprState*> follow(n + 1, nullptr);
  for (std::size_t j = n; j-- > 0;) {
    TcxRegExprParserItem* item = FItems[j].get();
    if (item->MayBeAbsent() && follow[j + 1]) {
      auto link = std::make_unique<TcxRegExprBlockState>();
      link->AddSuccessor(item->Entry());
      link->AddSuccessor(follow[j + 1]);
      follow[j] = link.get();
      FLinks.push_back(std::move(link));
    } else {
      follow[j] = item->Entry();
    }
  }
  for (std::size_t k = 0; k < n; ++k) {
    TcxRegExprParserItem* item = FItems[k].get();
    TcxRegExprState* exit = item->Exit();
    if (follow[k + 1]) exit->AddSuccessor(follow[k + 1]);
    if (item->MayRepeat()) exit->AddSuccessor(item->Entry());
    if (auto* group = dynamic_cast<TcxRegExprParserBlockItem*>(item)) Groups.push_back(group);
  }
}

std::unique_ptr<TcxRegExprStates> TcxRegExprParserAlt::FirstStates() const {
  auto result = std::make_unique<TcxRegExprStates>();
  for (auto& item : FItems) {
    result->AddNew(item->Entry());  // the entries of distinct items differ
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

TcxRegExprParserAlt* TcxRegExprParserAlts::Item(int Index) const { return CheckedItem(FItems, Index).get(); }

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

const TcxRegExprError& TcxRegExprErrors::Items(int Index) const { return *CheckedItem(FItems, Index); }

const TcxLexem& TcxLexems::Items(int Index) const { return CheckedItem(FItems, Index); }

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
