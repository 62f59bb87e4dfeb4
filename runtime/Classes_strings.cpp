// TStrings and TStringList.
#include <algorithm>

#include "Classes.h"
#include "SysUtils.h"

// --- TStrings ---------------------------------------------------------------------------

void TStrings::Error(PResStringRec Msg, intptr_t Data) const {
  throw EStringListError(vamire_detail::FormatRes(Msg, {std::to_wstring(Data)}));
}

void TStrings::SetStrings(int Index, const String& S) {
  TObject* object = Objects(Index);
  Delete(Index);
  InsertObject(Index, S, object);
}

TObject* TStrings::Objects(int) const { return nullptr; }

void TStrings::SetObjects(int, TObject*) {}

int TStrings::Add(const String& S) {
  const int result = Count();
  Insert(result, S);
  return result;
}

int TStrings::AddObject(const String& S, TObject* AObject) {
  const int result = Add(S);
  SetObjects(result, AObject);
  return result;
}

void TStrings::InsertObject(int Index, const String& S, TObject* AObject) {
  Insert(Index, S);
  SetObjects(Index, AObject);
}

void TStrings::AddStrings(TStrings* Strings) {
  BeginUpdate();
  try {
    for (int i = 0; i < Strings->Count(); ++i) AddObject(Strings->Strings(i), Strings->Objects(i));
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

void TStrings::Exchange(int Index1, int Index2) {
  BeginUpdate();
  try {
    const String s = Strings(Index1);
    TObject* o = Objects(Index1);
    SetStrings(Index1, Strings(Index2));
    SetObjects(Index1, Objects(Index2));
    SetStrings(Index2, s);
    SetObjects(Index2, o);
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

void TStrings::Move(int CurIndex, int NewIndex) {
  if (CurIndex == NewIndex) return;
  BeginUpdate();
  try {
    const String s = Strings(CurIndex);
    TObject* o = Objects(CurIndex);
    Delete(CurIndex);
    InsertObject(NewIndex, s, o);
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

int TStrings::CompareStrings(const String& S1, const String& S2) const { return LocaleCompare(S1, S2, true); }

int TStrings::IndexOf(const String& S) const {
  for (int i = 0; i < Count(); ++i)
    if (CompareStrings(Strings(i), S) == 0) return i;
  return -1;
}

int TStrings::IndexOfName(const String& Name) const {
  for (int i = 0; i < Count(); ++i) {
    const String s = Strings(i);
    const size_t p = s.find(FNameValueSeparator);
    if (p != String::npos && CompareStrings(s.substr(0, p), Name) == 0) return i;
  }
  return -1;
}

int TStrings::IndexOfObject(TObject* AObject) const {
  for (int i = 0; i < Count(); ++i)
    if (Objects(i) == AObject) return i;
  return -1;
}

bool TStrings::Equals(TStrings* Strings) const {
  if (!Strings || Strings->Count() != Count()) return false;
  for (int i = 0; i < Count(); ++i)
    if (this->Strings(i) != Strings->Strings(i)) return false;
  return true;
}

String TStrings::Names(int Index) const {
  const String s = Strings(Index);
  const size_t p = s.find(FNameValueSeparator);
  return p == String::npos ? String() : s.substr(0, p);
}

String TStrings::Values(const String& Name) const {
  const int i = IndexOfName(Name);
  return i < 0 ? String() : ValueFromIndex(i);
}

void TStrings::SetValues(const String& Name, const String& Value) {
  const int i = IndexOfName(Name);
  if (!Value.empty()) {
    const String entry = Name + FNameValueSeparator + Value;
    if (i < 0) Add(entry);
    else SetStrings(i, entry);
  } else if (i >= 0) {
    Delete(i);
  }
}

String TStrings::ValueFromIndex(int Index) const {
  if (Index < 0) return String();
  const String s = Strings(Index);
  // An entry without a separator has no value (not the entry less a character).
  const size_t p = s.find(FNameValueSeparator);
  return p == String::npos ? String() : s.substr(p + 1);
}

void TStrings::SetValueFromIndex(int Index, const String& Value) {
  if (!Value.empty()) {
    if (Index < 0) Index = Add(String());
    SetStrings(Index, Names(Index) + FNameValueSeparator + Value);
  } else if (Index >= 0) {
    Delete(Index);
  }
}

String TStrings::Text() const {
  String result;
  for (int i = 0; i < Count(); ++i) {
    result += Strings(i);
    result += sLineBreak;
  }
  return result;
}

void TStrings::SetText(const String& Value) {
  BeginUpdate();
  try {
    Clear();
    size_t p = 0;
    const size_t n = Value.size();
    while (p < n) {
      const size_t start = p;
      while (p < n && Value[p] != L'\r' && Value[p] != L'\n') ++p;
      Add(Value.substr(start, p - start));
      if (p < n && Value[p] == L'\r') ++p;
      if (p < n && Value[p] == L'\n') ++p;
    }
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

String TStrings::DelimitedTextWith(wchar_t delimiter, wchar_t quote) const {
  if (Count() == 1 && Strings(0).empty()) return String(2, quote);
  String result;
  for (int i = 0; i < Count(); ++i) {
    String s = Strings(i);
    // Quoted when it holds a blank, a control character, the quote or the delimiter.
    const bool needsQuotes =
        std::any_of(s.begin(), s.end(), [&](wchar_t c) { return c <= L' ' || c == quote || c == delimiter; });
    if (needsQuotes) {
      String q(1, quote);
      for (wchar_t c : s) {
        q += c;
        if (c == quote) q += c;
      }
      q += quote;
      s = q;
    }
    if (i > 0) result += delimiter;
    result += s;
  }
  return result;
}

void TStrings::SetDelimitedTextWith(const String& Value, wchar_t delimiter, wchar_t quote) {
  BeginUpdate();
  try {
    Clear();
    const size_t n = Value.size();
    size_t p = 0;
    auto blank = [&](size_t i) { return i < n && Value[i] >= 1 && Value[i] <= L' '; };
    while (blank(p)) ++p;
    while (p < n) {
      String s;
      if (Value[p] == quote) {
        ++p;
        while (p < n) {
          if (Value[p] == quote) {
            if (p + 1 < n && Value[p + 1] == quote) {
              s += quote;
              p += 2;
              continue;
            }
            ++p;
            break;
          }
          s += Value[p++];
        }
      } else {
        const size_t start = p;
        while (p < n && Value[p] > L' ' && Value[p] != delimiter) ++p;
        s = Value.substr(start, p - start);
      }
      Add(s);
      while (blank(p)) ++p;
      if (p < n && Value[p] == delimiter) {
        if (p + 1 == n) Add(String());
        do ++p;
        while (blank(p));
      } else if (p < n && Value[p] == 0) {
        ++p;  // a stray NUL separates like a blank
      }
    }
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

String TStrings::CommaText() const { return DelimitedTextWith(L',', L'"'); }

void TStrings::SetCommaText(const String& Value) { SetDelimitedTextWith(Value, L',', L'"'); }

String TStrings::DelimitedText() const { return DelimitedTextWith(FDelimiter, FQuoteChar); }

void TStrings::SetDelimitedText(const String& Value) { SetDelimitedTextWith(Value, FDelimiter, FQuoteChar); }

void TStrings::BeginUpdate() {
  // Told before the count rises, so OnChanging still fires for the bracket.
  if (FUpdateCount == 0) SetUpdateState(true);
  ++FUpdateCount;
}

void TStrings::EndUpdate() {
  if (FUpdateCount > 0 && --FUpdateCount == 0) SetUpdateState(false);
}

void TStrings::SetUpdateState(bool) {}

void TStrings::Assign(TPersistent* Source) {
  if (auto* source = dynamic_cast<TStrings*>(Source)) {
    if (source == this) return;
    BeginUpdate();
    try {
      Clear();
      AddStrings(source);
    } catch (...) {
      EndUpdate();
      throw;
    }
    EndUpdate();
    return;
  }
  inherited::Assign(Source);
}

void TStrings::AssignTo(TPersistent* Dest) { inherited::AssignTo(Dest); }

void TStrings::LoadFromStream(TStream* Stream) {
  BeginUpdate();
  try {
    const int64_t size = Stream->Size() - Stream->Position();
    AnsiString bytes(size_t(size > 0 ? size : 0), '\0');
    if (!bytes.empty()) Stream->ReadBuffer(bytes.data(), int32_t(bytes.size()));
    SetText(AnsiToString(bytes));
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

void TStrings::SaveToStream(TStream* Stream) {
  const AnsiString bytes = StringToAnsi(Text());
  if (!bytes.empty()) Stream->WriteBuffer(bytes.data(), int32_t(bytes.size()));
}

// --- TStringList ------------------------------------------------------------------------

TStringList::~TStringList() {
  OnChange = nullptr;
  OnChanging = nullptr;
}

void TStringList::CheckIndex(int Index) const {
  if (Index < 0 || Index >= Count()) Error(&SListIndexError, Index);
}

String TStringList::Strings(int Index) const {
  CheckIndex(Index);
  return FList[size_t(Index)].FString;
}

void TStringList::SetStrings(int Index, const String& S) {
  if (FSorted) Error(&SSortedListError, 0);
  CheckIndex(Index);
  Changing();
  FList[size_t(Index)].FString = S;
  Changed();
}

TObject* TStringList::Objects(int Index) const {
  CheckIndex(Index);
  return FList[size_t(Index)].FObject;
}

void TStringList::SetObjects(int Index, TObject* AObject) {
  CheckIndex(Index);
  Changing();
  FList[size_t(Index)].FObject = AObject;
  Changed();
}

int TStringList::Add(const String& S) { return AddObject(S, nullptr); }

int TStringList::AddObject(const String& S, TObject* AObject) {
  int index;
  if (!FSorted) {
    index = Count();
  } else if (Find(S, index)) {
    switch (FDuplicates) {
      case dupIgnore:
        return index;
      case dupError:
        Error(&SDuplicateString, 0);
      case dupAccept:
        break;
    }
  }
  InsertItem(index, S, AObject);
  return index;
}

void TStringList::Insert(int Index, const String& S) { InsertObject(Index, S, nullptr); }

void TStringList::InsertObject(int Index, const String& S, TObject* AObject) {
  if (FSorted) Error(&SSortedListError, 0);
  if (Index < 0 || Index > Count()) Error(&SListIndexError, Index);
  InsertItem(Index, S, AObject);
}

void TStringList::InsertItem(int Index, const String& S, TObject* AObject) {
  Changing();
  FList.insert(FList.begin() + Index, TStringItem{S, AObject});
  Changed();
}

void TStringList::Delete(int Index) {
  CheckIndex(Index);
  Changing();
  FList.erase(FList.begin() + Index);
  Changed();
}

void TStringList::Clear() {
  if (FList.empty()) return;
  Changing();
  FList.clear();
  Changed();
}

void TStringList::Exchange(int Index1, int Index2) {
  CheckIndex(Index1);
  CheckIndex(Index2);
  Changing();
  ExchangeItems(Index1, Index2);
  Changed();
}

void TStringList::ExchangeItems(int Index1, int Index2) { std::swap(FList[size_t(Index1)], FList[size_t(Index2)]); }

void TStringList::Move(int CurIndex, int NewIndex) {
  if (CurIndex == NewIndex) return;
  // Refused before anything moves: a sorted list would lose the entry otherwise.
  if (FSorted) Error(&SSortedListError, 0);
  CheckIndex(CurIndex);
  CheckIndex(NewIndex);
  Changing();
  TStringItem item = std::move(FList[size_t(CurIndex)]);
  FList.erase(FList.begin() + CurIndex);
  FList.insert(FList.begin() + NewIndex, std::move(item));
  Changed();
}

int TStringList::IndexOf(const String& S) const {
  if (!FSorted) return TStrings::IndexOf(S);
  int index;
  return Find(S, index) ? index : -1;
}

void TStringList::SetCapacity(int NewCapacity) {
  if (NewCapacity < Count()) Error(&SListCapacityError, NewCapacity);
  FList.reserve(size_t(NewCapacity));
}

bool TStringList::Find(const String& S, int& Index) const {
  bool result = false;
  int L = 0, H = Count() - 1;
  while (L <= H) {
    const int I = (L + H) / 2;
    const int C = CompareStrings(FList[size_t(I)].FString, S);
    if (C < 0) {
      L = I + 1;
    } else {
      H = I - 1;
      if (C == 0) {
        result = true;
        if (FDuplicates != dupAccept) L = I;
      }
    }
  }
  Index = L;
  return result;
}

int TStringList::CompareItems(TStringList* List, int Index1, int Index2) {
  return List->CompareStrings(List->FList[size_t(Index1)].FString, List->FList[size_t(Index2)].FString);
}

void TStringList::Sort() { CustomSort(&CompareItems); }

void TStringList::CustomSort(TStringListSortCompare Compare) {
  if (!FSorted) SortWith(Compare);
}

void TStringList::SortWith(TStringListSortCompare Compare) {
  if (Count() < 2) return;
  Changing();
  RuntimeQuickSort(
      0, Count() - 1, [&](int i, int p) { return Compare(this, i, p); },
      [&](int i, int j) { ExchangeItems(i, j); });
  Changed();
}

void TStringList::SetSorted(bool Value) {
  if (FSorted == Value) return;
  if (Value) Sort();
  FSorted = Value;
}

void TStringList::SetCaseSensitive(bool Value) {
  if (FCaseSensitive == Value) return;
  FCaseSensitive = Value;
  // The order depends on the comparison, so a sorted list sorts again.
  if (FSorted) SortWith(&CompareItems);
}

int TStringList::CompareStrings(const String& S1, const String& S2) const {
  return LocaleCompare(S1, S2, !FCaseSensitive);
}

void TStringList::Changed() {
  if (UpdateCount() == 0 && OnChange) OnChange(this);
}

void TStringList::Changing() {
  if (UpdateCount() == 0 && OnChanging) OnChanging(this);
}

void TStringList::SetUpdateState(bool Updating) {
  if (Updating) Changing();
  else Changed();
}
