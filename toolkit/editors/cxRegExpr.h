// The regular-expression engine of the mask editor. An expression is compiled
// once into a graph of states; typed text is then fed to it one character at a
// time, and every step can be undone. Built for typing, not for searching.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "System.h"
#include "cxEditConsts.h"

// --- Lexems -------------------------------------------------------------------------

// Lexem kinds.
enum : int {
  cxLexemLiteral = 0,
  cxLexemOperator = 1,
  cxLexemNumber = 2,
  cxLexemAll = 3,
  cxLexemIdLetter = 4,
  cxLexemNotIdLetter = 5,
  cxLexemDigit = 6,
  cxLexemNotDigit = 7,
  cxLexemSpace = 8,
  cxLexemNotSpace = 9,
  cxLexemReference = 10,
  cxLexemDateSeparator = 11,
  cxLexemTimeSeparator = 12,
};

struct TcxLexem {
  int Code = 0;
  String Text;  // one character for every kind but numbers
  int Line = 0;
  int Char = 0;
};

class TcxLexems : public TObject {
  VAMIRE_CLASS(TcxLexems, TObject)
 public:
  void Add(const TcxLexem& Lexem) { FItems.push_back(Lexem); }
  int Count() const { return static_cast<int>(FItems.size()); }
  const TcxLexem& Items(int Index) const;
  void Clear() { FItems.clear(); }

 private:
  std::vector<TcxLexem> FItems;
};

// --- Matching items -----------------------------------------------------------------

class TcxRegExprItem : public TObject {
  VAMIRE_CLASS(TcxRegExprItem, TObject)
 public:
  // Whether the item matches Ch; it may rewrite Ch (the case written in the expression).
  virtual bool Accepts(wchar_t& Ch, bool IgnoreCase) = 0;
  virtual std::unique_ptr<TcxRegExprItem> Duplicate() const = 0;
};

class TcxRegExprSymbol : public TcxRegExprItem {
  VAMIRE_CLASS(TcxRegExprSymbol, TcxRegExprItem)
 public:
  explicit TcxRegExprSymbol(wchar_t Ch) : FChar(Ch) {}
  wchar_t Char() const { return FChar; }
  bool Accepts(wchar_t& Ch, bool IgnoreCase) override;
  std::unique_ptr<TcxRegExprItem> Duplicate() const override;

 private:
  wchar_t FChar;
};

class TcxRegExprTimeSeparator : public TcxRegExprItem {
  VAMIRE_CLASS(TcxRegExprTimeSeparator, TcxRegExprItem)
 public:
  bool Accepts(wchar_t& Ch, bool IgnoreCase) override;
  std::unique_ptr<TcxRegExprItem> Duplicate() const override;
};

class TcxRegExprDateSeparator : public TcxRegExprItem {
  VAMIRE_CLASS(TcxRegExprDateSeparator, TcxRegExprItem)
 public:
  bool Accepts(wchar_t& Ch, bool IgnoreCase) override;
  std::unique_ptr<TcxRegExprItem> Duplicate() const override;
};

class TcxRegExprSubrange : public TcxRegExprItem {
  VAMIRE_CLASS(TcxRegExprSubrange, TcxRegExprItem)
 public:
  TcxRegExprSubrange(wchar_t First, wchar_t Last) : FFirst(First), FLast(Last) {}
  bool Accepts(wchar_t& Ch, bool IgnoreCase) override;
  std::unique_ptr<TcxRegExprItem> Duplicate() const override;

 private:
  wchar_t FFirst;
  wchar_t FLast;
};

class TcxRegExprEnumeration : public TcxRegExprItem {
  VAMIRE_CLASS(TcxRegExprEnumeration, TcxRegExprItem)
 public:
  explicit TcxRegExprEnumeration(bool Inverted) : FInverted(Inverted) {}
  bool Inverted() const { return FInverted; }

 protected:
  bool FInverted;
};

class TcxRegExprUserEnumeration : public TcxRegExprEnumeration {
  VAMIRE_CLASS(TcxRegExprUserEnumeration, TcxRegExprEnumeration)
 public:
  explicit TcxRegExprUserEnumeration(bool Inverted) : TcxRegExprEnumeration(Inverted) {}
  void Add(std::unique_ptr<TcxRegExprItem> Item) { FItems.push_back(std::move(Item)); }
  int Count() const { return static_cast<int>(FItems.size()); }
  bool Accepts(wchar_t& Ch, bool IgnoreCase) override;
  std::unique_ptr<TcxRegExprItem> Duplicate() const override;

 private:
  std::vector<std::unique_ptr<TcxRegExprItem>> FItems;
};

class TcxRegExprDigit : public TcxRegExprEnumeration {
  VAMIRE_CLASS(TcxRegExprDigit, TcxRegExprEnumeration)
 public:
  explicit TcxRegExprDigit(bool Inverted) : TcxRegExprEnumeration(Inverted) {}
  bool Accepts(wchar_t& Ch, bool IgnoreCase) override;
  std::unique_ptr<TcxRegExprItem> Duplicate() const override;
};

class TcxRegExprIdLetter : public TcxRegExprEnumeration {
  VAMIRE_CLASS(TcxRegExprIdLetter, TcxRegExprEnumeration)
 public:
  explicit TcxRegExprIdLetter(bool Inverted) : TcxRegExprEnumeration(Inverted) {}
  bool Accepts(wchar_t& Ch, bool IgnoreCase) override;
  std::unique_ptr<TcxRegExprItem> Duplicate() const override;
};

class TcxRegExprSpace : public TcxRegExprEnumeration {
  VAMIRE_CLASS(TcxRegExprSpace, TcxRegExprEnumeration)
 public:
  explicit TcxRegExprSpace(bool Inverted) : TcxRegExprEnumeration(Inverted) {}
  bool Accepts(wchar_t& Ch, bool IgnoreCase) override;
  std::unique_ptr<TcxRegExprItem> Duplicate() const override;
};

class TcxRegExprAll : public TcxRegExprItem {
  VAMIRE_CLASS(TcxRegExprAll, TcxRegExprItem)
 public:
  bool Accepts(wchar_t& Ch, bool IgnoreCase) override;
  std::unique_ptr<TcxRegExprItem> Duplicate() const override;
};

// --- Quantifiers --------------------------------------------------------------------

class TcxRegExprQuantifier : public TObject {
  VAMIRE_CLASS(TcxRegExprQuantifier, TObject)
 public:
  virtual bool MayBeAbsent() const = 0;
  virtual bool MayRepeat() const = 0;
  virtual std::unique_ptr<TcxRegExprQuantifier> Duplicate() const = 0;
  virtual void Describe(String& Text) const = 0;
};

class TcxRegExprSimpleQuantifier : public TcxRegExprQuantifier {
  VAMIRE_CLASS(TcxRegExprSimpleQuantifier, TcxRegExprQuantifier)
 public:
  bool MayBeAbsent() const override { return false; }
  bool MayRepeat() const override { return false; }
  std::unique_ptr<TcxRegExprQuantifier> Duplicate() const override;
  void Describe(String& Text) const override { Text.clear(); }
};

class TcxRegExprQuestionQuantifier : public TcxRegExprQuantifier {
  VAMIRE_CLASS(TcxRegExprQuestionQuantifier, TcxRegExprQuantifier)
 public:
  bool MayBeAbsent() const override { return true; }
  bool MayRepeat() const override { return false; }
  std::unique_ptr<TcxRegExprQuantifier> Duplicate() const override;
  void Describe(String& Text) const override { Text = L"?"; }
};

class TcxRegExprStarQuantifier : public TcxRegExprQuantifier {
  VAMIRE_CLASS(TcxRegExprStarQuantifier, TcxRegExprQuantifier)
 public:
  bool MayBeAbsent() const override { return true; }
  bool MayRepeat() const override { return true; }
  std::unique_ptr<TcxRegExprQuantifier> Duplicate() const override;
  void Describe(String& Text) const override { Text = L"*"; }
};

class TcxRegExprPlusQuantifier : public TcxRegExprQuantifier {
  VAMIRE_CLASS(TcxRegExprPlusQuantifier, TcxRegExprQuantifier)
 public:
  bool MayBeAbsent() const override { return false; }
  bool MayRepeat() const override { return true; }
  std::unique_ptr<TcxRegExprQuantifier> Duplicate() const override;
  void Describe(String& Text) const override { Text = L"+"; }
};

// --- States -------------------------------------------------------------------------

class TcxRegExprState;

// A set of states it does not own. A state joins at most once, so repeated
// paths to one state never make a set grow.
class TcxRegExprStates : public TObject {
  VAMIRE_CLASS(TcxRegExprStates, TObject)
 public:
  void Add(TcxRegExprState* State);
  // Appends Other's members, then frees Other.
  void AddAll(std::unique_ptr<TcxRegExprStates> Other);
  int Count() const { return static_cast<int>(FItems.size()); }
  TcxRegExprState* Item(int Index) const;
  bool Contains(const TcxRegExprState* State) const;
  bool HasAccepting() const;
  std::unique_ptr<TcxRegExprStates> StepAll(wchar_t& Ch, bool IgnoreCase) const;
  std::unique_ptr<TcxRegExprStates> Reachable() const;
  bool IsSingleForcedChar(wchar_t& Ch) const;

 private:
  friend class TcxRegExprState;
  friend class TcxRegExprParserAlt;
  // Adds a state the caller knows is not a member yet (a check per member would
  // make a long run of items quadratic).
  void AddNew(TcxRegExprState* State) { FItems.push_back(State); }
  std::vector<TcxRegExprState*> FItems;
};

class TcxRegExprState : public TObject {
  VAMIRE_CLASS(TcxRegExprState, TObject)
 public:
  // The states reached by consuming Ch from here.
  virtual std::unique_ptr<TcxRegExprStates> Step(wchar_t& Ch, bool IgnoreCase);
  virtual std::unique_ptr<TcxRegExprState> Duplicate() const = 0;
  // The states that can consume the next character from here.
  virtual std::unique_ptr<TcxRegExprStates> Reachable();

  // Appends without looking for State among the successors: a walk meets each
  // state once anyway, and the links the compiler makes are distinct.
  void AddSuccessor(TcxRegExprState* State) { FSuccessors.AddNew(State); }
  // Appends every member of Set, then frees it.
  void AddSuccessors(std::unique_ptr<TcxRegExprStates> Set);
  const TcxRegExprStates& Successors() const { return FSuccessors; }
  std::unique_ptr<TcxRegExprStates> StepAll(wchar_t& Ch, bool IgnoreCase);
  std::unique_ptr<TcxRegExprStates> ReachableAll();

 protected:
  // A pass-through state consumes nothing: a walk goes on to its successors.
  virtual bool PassesThrough() const { return false; }
  // Whether a walk meeting this state (one that does not pass through) takes it
  // into its result; a step may rewrite Ch (the case written in the expression).
  virtual bool Consumes(wchar_t& Ch, bool IgnoreCase) = 0;

 private:
  friend class TcxRegExprStates;
  class TWalk;
  TcxRegExprStates FSuccessors;
  std::uint64_t FWalkMark = 0;  // the last walk that met this state
};

class TcxRegExprSimpleState : public TcxRegExprState {
  VAMIRE_CLASS(TcxRegExprSimpleState, TcxRegExprState)
 public:
  explicit TcxRegExprSimpleState(std::unique_ptr<TcxRegExprItem> Item = nullptr) : FItem(std::move(Item)) {}
  std::unique_ptr<TcxRegExprState> Duplicate() const override;
  bool Accepting() const { return FAccepting; }
  void SetAccepting(bool Value) { FAccepting = Value; }
  TcxRegExprItem* Item() const { return FItem.get(); }

 protected:
  bool Consumes(wchar_t& Ch, bool IgnoreCase) override { return FItem && FItem->Accepts(Ch, IgnoreCase); }

 private:
  bool FAccepting = false;
  std::unique_ptr<TcxRegExprItem> FItem;
};

// The entry and exit of a group, and the links through a run of optional items:
// consumes nothing and passes every question on.
class TcxRegExprBlockState : public TcxRegExprState {
  VAMIRE_CLASS(TcxRegExprBlockState, TcxRegExprState)
 public:
  std::unique_ptr<TcxRegExprState> Duplicate() const override;

 protected:
  bool PassesThrough() const override { return true; }
  bool Consumes(wchar_t&, bool) override { return false; }
};

// --- Parser structure ---------------------------------------------------------------

class TcxRegExprParserAlt;

class TcxRegExprParserItem : public TObject {
  VAMIRE_CLASS(TcxRegExprParserItem, TObject)
 public:
  TcxRegExprParserItem();
  virtual bool MatchesEmpty() const = 0;
  virtual std::unique_ptr<TcxRegExprParserItem> Duplicate() const = 0;
  virtual void Describe(String& Text) const = 0;
  virtual void MarkAccepting() = 0;
  // The states that begin and end the item in the graph.
  virtual TcxRegExprState* Entry() const = 0;
  virtual TcxRegExprState* Exit() const = 0;
  // The number of states the item holds (bounds what a repetition may copy).
  virtual std::size_t StateCount() const = 0;

  bool MayBeAbsent() const { return FQuantifier->MayBeAbsent(); }
  bool MayRepeat() const { return FQuantifier->MayRepeat(); }
  bool HasNoQuantifier() const;
  void ReplaceQuantifier(std::unique_ptr<TcxRegExprQuantifier> Q) {
    if (Q) FQuantifier = std::move(Q);
  }
  const TcxRegExprQuantifier& Quantifier() const { return *FQuantifier; }

 protected:
  std::unique_ptr<TcxRegExprQuantifier> FQuantifier;
};

class TcxRegExprParserSimpleItem : public TcxRegExprParserItem {
  VAMIRE_CLASS(TcxRegExprParserSimpleItem, TcxRegExprParserItem)
 public:
  explicit TcxRegExprParserSimpleItem(std::unique_ptr<TcxRegExprItem> Item);
  bool MatchesEmpty() const override { return MayBeAbsent(); }
  std::unique_ptr<TcxRegExprParserItem> Duplicate() const override;
  void Describe(String& Text) const override;
  void MarkAccepting() override { FState->SetAccepting(true); }
  TcxRegExprState* Entry() const override { return FState.get(); }
  TcxRegExprState* Exit() const override { return FState.get(); }
  std::size_t StateCount() const override { return 1; }
  TcxRegExprSimpleState* State() const { return FState.get(); }

 private:
  TcxRegExprParserSimpleItem() = default;
  std::unique_ptr<TcxRegExprSimpleState> FState;
};

class TcxRegExprParserBlockItem;

// The walks over the parsed structure (linking, marking, copying, counting, freeing)
// keep their own lists of the groups still to visit: a repetition nests groups a
// thousand deep, and a walk that recursed once per level could exhaust the stack.
class TcxRegExprParserAlt : public TObject {
  VAMIRE_CLASS(TcxRegExprParserAlt, TObject)
 public:
  void Add(std::unique_ptr<TcxRegExprParserItem> Item) { FItems.push_back(std::move(Item)); }
  int Count() const { return static_cast<int>(FItems.size()); }
  TcxRegExprParserItem* Item(int Index) const;
  TcxRegExprParserItem* Last() const { return FItems.empty() ? nullptr : FItems.back().get(); }
  // Takes the last item out (the caller wraps or replaces it).
  std::unique_ptr<TcxRegExprParserItem> ExtractLast();
  // Whether every item may be absent (an empty alternative counts).
  bool AllMayBeAbsent() const;
  bool AllMatchEmpty() const;
  std::unique_ptr<TcxRegExprParserAlt> Duplicate() const;
  void Describe(String& Text) const;
  void MarkAccepting();
  // Links the items among themselves, as one sequence, and every group among them
  // inside. Called once, after parsing.
  void Link();
  // The states where the alternative can begin.
  std::unique_ptr<TcxRegExprStates> FirstStates() const;
  std::size_t StateCount() const;

 private:
  friend class TcxRegExprParserBlockItem;
  // Links the items among themselves; the groups among them join Groups, to be
  // linked inside by the caller.
  void LinkItems(std::vector<TcxRegExprParserBlockItem*>& Groups);

  std::vector<std::unique_ptr<TcxRegExprParserItem>> FItems;
  // Pass-through states that lead from an item through the optional items after
  // it: one link per item instead of one to each following optional item, so a
  // long run of them links (and is walked) in linear rather than quadratic work.
  std::vector<std::unique_ptr<TcxRegExprBlockState>> FLinks;
};

class TcxRegExprParserAlts : public TObject {
  VAMIRE_CLASS(TcxRegExprParserAlts, TObject)
 public:
  TcxRegExprParserAlt* AddAlt();
  int Count() const { return static_cast<int>(FItems.size()); }
  TcxRegExprParserAlt* Item(int Index) const;
  TcxRegExprParserAlt* LastAlt() const { return FItems.empty() ? nullptr : FItems.back().get(); }
  std::unique_ptr<TcxRegExprParserAlts> Duplicate() const;
  std::size_t StateCount() const;

 private:
  friend class TcxRegExprParserAlt;
  friend class TcxRegExprParserBlockItem;
  std::vector<std::unique_ptr<TcxRegExprParserAlt>> FItems;
};

// A group: a start and a finish pass-through state around its alternatives.
class TcxRegExprParserBlockItem : public TcxRegExprParserItem {
  VAMIRE_CLASS(TcxRegExprParserBlockItem, TcxRegExprParserItem)
 public:
  TcxRegExprParserBlockItem();
  ~TcxRegExprParserBlockItem() override;
  bool MatchesEmpty() const override;
  std::unique_ptr<TcxRegExprParserItem> Duplicate() const override;
  void Describe(String& Text) const override;
  void MarkAccepting() override;
  TcxRegExprState* Entry() const override { return FStart.get(); }
  TcxRegExprState* Exit() const override { return FFinish.get(); }
  std::size_t StateCount() const override;
  TcxRegExprParserAlts& Alts() const { return *FAlts; }
  // Links the group inside (start, finish and its alternatives), with every group
  // nested in it.
  void LinkInside();

 private:
  friend class TcxRegExprParserAlt;
  // Links the group's own states and its alternatives' items; the groups among
  // them join Groups.
  void LinkOwnStates(std::vector<TcxRegExprParserBlockItem*>& Groups);
  // Links the groups in Groups inside, and those nested in them, until none is left.
  static void LinkNested(std::vector<TcxRegExprParserBlockItem*>& Groups);

  std::unique_ptr<TcxRegExprBlockState> FStart;
  std::unique_ptr<TcxRegExprBlockState> FFinish;
  std::unique_ptr<TcxRegExprParserAlts> FAlts;
  // Whether some alternative matches empty text (-1: not known yet). Kept once
  // known: a group is complete before anything asks, and quantifiers applied
  // again and again to one group would otherwise look through it every time.
  mutable int FEmptyInside = -1;
};

// --- Errors -------------------------------------------------------------------------

class TcxRegExprError : public TObject {
  VAMIRE_CLASS(TcxRegExprError, TObject)
 public:
  TcxRegExprError(int Line, int Char, String Message) : FLine(Line), FChar(Char), FMessage(std::move(Message)) {}
  int Line() const { return FLine; }
  int Char() const { return FChar; }
  const String& Message() const { return FMessage; }
  // "Line1, Char5: Illegal '-'"; an error at line 0 is the bare message.
  String MessageWithPosition() const;

 private:
  int FLine;
  int FChar;
  String FMessage;
};

class TcxRegExprErrors : public TObject {
  VAMIRE_CLASS(TcxRegExprErrors, TObject)
 public:
  void Add(int Line, int Char, const String& Message) {
    FItems.push_back(std::make_unique<TcxRegExprError>(Line, Char, Message));
  }
  int Count() const { return static_cast<int>(FItems.size()); }
  const TcxRegExprError& Items(int Index) const;
  void Clear() { FItems.clear(); }

 private:
  std::vector<std::unique_ptr<TcxRegExprError>> FItems;
};

// Raised when an expression does not compile. It carries a snapshot of the
// expression's error list, so the errors stay readable after the expression is gone.
class EcxRegExprError : public EcxEditError {
  VAMIRE_CLASS(EcxRegExprError, EcxEditError)
 public:
  EcxRegExprError() = default;
  explicit EcxRegExprError(const TcxRegExprErrors& Errors);
  const TcxRegExprErrors& Errors() const { return *FErrors; }

 private:
  std::shared_ptr<TcxRegExprErrors> FErrors = std::make_shared<TcxRegExprErrors>();
};

// --- Automaton ----------------------------------------------------------------------

class TcxRegExpr;

class TcxRegExprAutomat : public TObject {
  VAMIRE_CLASS(TcxRegExprAutomat, TObject)
 public:
  TcxRegExprAutomat(std::unique_ptr<TcxRegExprParserAlts> Alts, TcxRegExpr* Owner);
  ~TcxRegExprAutomat() override;

  bool Step(wchar_t& Ch, bool IgnoreCase);
  bool StepBack();
  void Restart();
  bool IsAtStart() const;
  bool IsAccepting() const { return FCurrent->HasAccepting(); }
  std::unique_ptr<TcxRegExprStates> NextCandidates() const { return FCurrent->Reachable(); }
  void StepForwardForced();
  void StepBackForced();

  const TcxRegExprStates& Current() const { return *FCurrent; }
  int HistoryCount() const { return static_cast<int>(FHistory.size()); }

 private:
  std::vector<std::unique_ptr<TcxRegExprStates>> FHistory;
  std::unique_ptr<TcxRegExprParserAlts> FAlts;
  std::unique_ptr<TcxRegExprSimpleState> FStartState;
  std::unique_ptr<TcxRegExprStates> FCurrent;
  TcxRegExpr* FOwner;
};

// --- The expression -----------------------------------------------------------------

using TcxRegExprForcedCharAddedEvent = TMethod<void(wchar_t Ch)>;
using TcxRegExprForcedCharRemovedEvent = TMethod<void()>;

class TcxRegExpr : public TObject {
  VAMIRE_CLASS(TcxRegExpr, TObject)
 public:
  TcxRegExpr();
  ~TcxRegExpr() override;

  // Compiles the expression text; raises EcxRegExprError with every error found.
  void CompileSource(const String& Source);
  void ClearAll();
  bool IsCompiled() const { return FCompiled; }
  // The compiled text, or null before a successful compilation.
  const String* CompiledSource() const { return FCompiled ? &FSource : nullptr; }
  void CheckCompiled() const;

  bool Advance(wchar_t& Ch);
  // Steps every character of Text it can; Accepted gets those taken, as typed.
  void AdvanceText(const String& Text, String& Accepted);
  bool StepBack();
  void Restart();
  bool IsAtStart() const;
  bool IsAccepting() const;

  bool AutoComplete() const { return FAutoComplete; }
  void SetAutoComplete(bool Value);
  bool CaseInsensitive() const { return FCaseInsensitive; }
  void SetCaseInsensitive(bool Value) { FCaseInsensitive = Value; }

  TcxRegExprForcedCharAddedEvent OnForcedCharAdded;
  TcxRegExprForcedCharRemovedEvent OnForcedCharRemoved;

  const TcxRegExprErrors& Errors() const { return FErrors; }
  const TcxLexems& Lexems() const { return FLexems; }
  // The automaton, or null before a successful compilation.
  const TcxRegExprAutomat* Automat() const { return FAutomat.get(); }

 private:
  friend class TcxRegExprAutomat;
  // Lexer.
  bool ReadChar(wchar_t& Ch);
  bool PeekChar(wchar_t& Ch) const;
  void AddLexem(int Code, const String& Text, int Line, int Char);
  void AddError(int Line, int Char, const String& Message);
  void LexAll();
  // The characters that mean the same at the main level and inside a set.
  bool LexShared(wchar_t Ch, int Line, int Char);
  void LexQuoted();
  void LexEscape(int Line, int Char);
  void LexSet();
  void LexRepetition();
  // Parser.
  const TcxLexem* NextLexem();
  std::unique_ptr<TcxRegExprParserAlts> ParseAll();
  bool ParseAlternative(TcxRegExprParserAlt& Alt, bool TopLevel);
  std::unique_ptr<TcxRegExprParserBlockItem> ParseGroup();
  std::unique_ptr<TcxRegExprParserItem> ParseSet();
  bool ParseRepeatBounds(int& N, int& M);
  void ApplyQuantifier(TcxRegExprParserAlt& Alt, std::unique_ptr<TcxRegExprQuantifier> Q, const TcxLexem& Lexem);
  void ExpandRepeat(TcxRegExprParserAlt& Alt, int N, int M, const TcxLexem& Brace);
  // Charges Added states to the expression's budget; past the budget, records
  // (once) that the expression is too complex at Lexem and answers false.
  bool WithinStateBudget(std::size_t Added, const TcxLexem& Lexem);
  void RaiseErrors();

  String FSource;
  TcxRegExprErrors FErrors;
  TcxLexems FLexems;
  std::vector<TcxRegExprParserBlockItem*> FGroups;
  // Items a repetition replaced: kept until ClearAll, because the group list may
  // still name groups inside them for later back references.
  std::vector<std::unique_ptr<TcxRegExprParserItem>> FReplaced;
  std::unique_ptr<TcxRegExprAutomat> FAutomat;
  std::size_t FReadPos = 0;
  int FLexemPos = 0;
  int FCurrentLine = 1;
  int FCurrentChar = 0;
  bool FFirstCompilation = true;
  bool FCompiled = false;
  bool FAutoComplete = false;
  bool FCaseInsensitive = false;
  std::size_t FStateBudget = 0;  // states the parsed items hold so far
  bool FTooComplex = false;      // the budget ran out (reported once)
};
