// The memo's settings, its measuring, and the editor: the line settings
// pushed into the EDIT, Enter, Tab and Ctrl+A, the selection operations that
// ask the editor first, and the scroll bars mirrored from the EDIT's.
#include <algorithm>
#include <memory>

#include "cxContainer_win.h"
#include "cxMemo_win.h"

// --- Properties -------------------------------------------------------------------------------
TcxCustomMemoProperties::TcxCustomMemoProperties(TPersistent* AOwner, TClass AKind)
    : TcxCustomTextEditProperties(AOwner, AKind) {
  Alignment()->SetVert(taTopJustify);
  SetAutoSelect(false);
}

void TcxCustomMemoProperties::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TcxCustomMemoProperties*>(Source);
  if (!source) {
    inherited::Assign(Source);
    return;
  }
  BeginUpdate();
  try {
    inherited::Assign(Source);
    SetScrollBars(source->ScrollBars());
    SetVisibleLineCount(source->VisibleLineCount());
    SetWantReturns(source->WantReturns());
    SetWantTabs(source->WantTabs());
    SetWordWrap(source->WordWrap());
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

unsigned TcxCustomMemoProperties::GetEditCapabilities() { return inherited::GetEditCapabilities() | 2048u; }

bool TcxCustomMemoProperties::IsValueFormattingSupported() {
  IcxEditDefaultValuesProvider* provider = DefaultValuesProvider();
  return !(provider && provider->SuppressesFormatting());
}

String TcxCustomMemoProperties::GetDisplayText(const Variant& AValue, bool AFullText, bool) {
  return MemoDisplayText(inherited::GetDisplayText(AValue, AFullText, true), AFullText);
}

TcxCustomEditViewData* TcxCustomMemoProperties::CreateViewData(TcxContainerStyle* AStyle, bool AIsHosted, bool AFlag) {
  auto* info = dynamic_cast<const TcxEditPropertiesClassInfo*>(ClassType());
  TClass viewDataClass = info ? info->GetViewDataClass() : GetViewDataClass();
  if (viewDataClass == TcxCustomMemoViewData::StaticClass()) return new TcxCustomMemoViewData(this, AStyle, AIsHosted);
  return inherited::CreateViewData(AStyle, AIsHosted, AFlag);
}

TAlignment TcxMemoProperties::HorzAlignment() const {
  return const_cast<TcxMemoProperties*>(this)->Alignment()->Horz();
}
void TcxMemoProperties::SetHorzAlignment(TAlignment Value) { Alignment()->SetHorz(Value); }

// --- View data --------------------------------------------------------------------------------
unsigned TcxCustomMemoViewData::GetDrawTextFlags() {
  unsigned flags = cxtoEditControl | cxtoKeepLeft | cxtoExpandTabs;
  switch (HorzAlignment) {
    case taRightJustify: flags |= cxtoRight; break;
    case taCenter: flags |= cxtoCenterHorizontally; break;
    default: break;
  }
  const TScrollStyle bars = MemoProperties()->ScrollBars();
  if (MemoProperties()->WordWrap() && bars != ssHorizontal && bars != ssBoth) flags |= cxtoWordBreak | cxtoCharBreak;
  return flags;
}

TRect TcxCustomMemoViewData::GetTextOffsets() { return IsHosted ? TRect{1, 1, 1, 1} : TRect{1, 1, 1, 3}; }

int TcxCustomMemoViewData::GetVisibleLineCount() {
  const int count = MemoProperties()->VisibleLineCount();
  return count > 0 ? count : inherited::GetVisibleLineCount();
}

TSize TcxCustomMemoViewData::CalcEditContentSize(TcxCanvas* ACanvas, const Variant& AEditValue,
                                                 const TcxEditSizeProperties& ASize) {
  TSize size = inherited::CalcEditContentSize(ACanvas, AEditValue, ASize);
  if (!ACanvas) return size;
  const TScrollStyle bars = MemoProperties()->ScrollBars();
  if (bars == ssHorizontal || bars == ssBoth) size.cy += GetSystemScrollBarSize().cy;
  const int lines = MemoProperties()->VisibleLineCount();
  if (lines > 0) {
    const TRect offsets = GetTextOffsets();
    size.cy = std::max(size.cy, offsets.Top + offsets.Bottom + FontTextHeight(Style->GetEffectiveFont(), L"Zg") * lines);
  }
  return size;
}

// --- The memo ---------------------------------------------------------------------------------
TcxCustomMemo::TcxCustomMemo(TComponent* AOwner, TClass APropertiesClass)
    : TcxCustomTextEdit(AOwner, APropertiesClass, TcxCustomInnerMemo::StaticClass()) {
  SetBounds(Left(), Top(), 185, 89);
  FLastScrollPos = 0;
}

IcxInnerMemo* TcxCustomMemo::GetInnerMemo() {
  IcxInnerMemo* memo = nullptr;
  if (IcxCustomInnerEdit* inner = InnerEdit()) Supports(inner->InnerWindowControl(), memo);
  return memo;
}

void TcxCustomMemo::SyncValueFromText() {
  if (UserAction()) return;
  ResetLookupState();
  UpdateValueFromDisplay();
  SetModifiedSinceEnter(false);
}

bool TcxCustomMemo::IsNewLineOrTabKey(uint16_t Key, TShiftState Shift, bool AnyTab) {
  if (Key == VK_RETURN) return ActiveMemoProperties()->WantReturns() || Shift.Contains(ssCtrl);
  if (Key == VK_TAB) return AnyTab || ActiveMemoProperties()->WantTabs();
  return false;
}

bool TcxCustomMemo::TakesTabKey() { return ActiveMemoProperties()->WantsTabKey(); }

bool TcxCustomMemo::CanKeyDownModifyEdit(uint16_t Key, TShiftState Shift) {
  return inherited::CanKeyDownModifyEdit(Key, Shift) || IsNewLineOrTabKey(Key, Shift, false);
}

// Ctrl+A (without Shift or Alt) selects the whole text and goes no further; an
// empty memo leaves it.
void TcxCustomMemo::KeyDown(uint16_t& Key, TShiftState Shift) {
  if (Key == 'A' && Shift.Contains(ssCtrl) && !Shift.Contains(ssShift) && !Shift.Contains(ssAlt)) {
    IcxInnerMemo* memo = GetInnerMemo();
    if (memo && !VarToStr(memo->ReadValue()).empty()) {
      memo->SelectAllText();
      Key = 0;
      return;
    }
  }
  // A hosted memo's line break goes straight to the editing keys.
  if (IsHosted() && Key == VK_RETURN && IsNewLineOrTabKey(Key, Shift, false) && !Shift.Contains(ssCtrl)) {
    HandleEditKey(Key, Shift);
    return;
  }
  inherited::KeyDown(Key, Shift);
}

// Enter and Tab that the memo takes are the EDIT's; the text editor would step items with them.
void TcxCustomMemo::HandleEditKey(uint16_t& Key, TShiftState Shift) {
  if (IsNewLineOrTabKey(Key, Shift, false)) return;
  inherited::HandleEditKey(Key, Shift);
}

void TcxCustomMemo::AdjustInnerEditPosition() {
  IcxInnerMemo* memo = GetInnerMemo();
  if (!memo || FAdjustingMemo) return;
  FAdjustingMemo = true;
  try {
    TWinControl* inner = memo->InnerWindowControl();
    const TRect client = EditViewInfo()->ClientRect;
    const TRect bounds{client.Left - 2, client.Top - 2, client.Right + 2, client.Bottom + 2};
    if (inner->BoundsRect() != bounds)
      inner->SetBounds(bounds.Left, bounds.Top, bounds.Right - bounds.Left, bounds.Bottom - bounds.Top);
    TRect rect = client;
    AlignControls(inner, rect);
  } catch (...) {
    FAdjustingMemo = false;
    throw;
  }
  FAdjustingMemo = false;
}

void TcxCustomMemo::ChangeHandler(TObject* Sender) {
  inherited::ChangeHandler(Sender);
  PostUpdateScrollBars(this);
}

void TcxCustomMemo::PropertiesChanged(TObject* Sender) {
  IcxInnerMemo* memo = GetInnerMemo();
  if (!memo || IsEditDestroying()) return;
  TcxCustomMemoProperties* properties = ActiveMemoProperties();
  if (memo->ReadScrollBars() != properties->ScrollBars()) {
    FScrollBarsApplied = true;
    SyncScrollBarsPresence();
    memo->WriteScrollBars(properties->ScrollBars());
    if (HandleAllocated()) RecreateWnd();
    if (memo->InnerWindowControl()->HandleAllocated()) RecreateControlWnd(memo->InnerWindowControl());
  }
  memo->WriteWantReturns(properties->WantReturns());
  memo->WriteWantTabs(properties->WantTabs());
  memo->WriteWordWrap(properties->WordWrap());
  inherited::PropertiesChanged(Sender);
}

// The selection is replaced only as far as MaxLength leaves room, and not at all
// when the editor refuses the change.
void TcxCustomMemo::SetSelText(const String& AText) {
  IcxInnerMemo* memo = GetInnerMemo();
  if (!memo || !memo->InnerWindowControl()->HandleAllocated()) {
    inherited::SetSelText(AText);
    return;
  }
  if (Focused() && !DoEditing()) return;
  String text = AText;
  const int maxLength = ActiveMemoProperties()->MaxLength();
  if (maxLength > 0) {
    const int kept = int(VarToStr(memo->ReadValue()).size()) - memo->ReadSelLength();
    const int room = std::max(0, maxLength - kept);
    if (room == 0 && !AText.empty()) return;
    if (int(text.size()) > room) {
      size_t n = size_t(room);
      if (n > 0 && IS_HIGH_SURROGATE(text[n - 1])) --n;
      text = text.substr(0, n);
    }
  }
  memo->WriteSelText(text);
}

void TcxCustomMemo::ClearSelection() {
  IcxInnerMemo* memo = GetInnerMemo();
  if (!memo || !memo->InnerWindowControl()->HandleAllocated() || memo->ReadSelLength() <= 0) return;
  if (Focused() && !DoEditing()) return;
  const bool saved = FClearingSelection;
  FClearingSelection = true;
  try {
    SendMessageW(memo->InnerWindowControl()->Handle(), WM_CLEAR, 0, 0);
  } catch (...) {
    FClearingSelection = saved;
    throw;
  }
  FClearingSelection = saved;
  SyncValueFromText();
}

void TcxCustomMemo::CutToClipboard() {
  IcxInnerMemo* memo = GetInnerMemo();
  if (!memo || memo->ReadSelLength() <= 0) return;
  if (Focused() && !DoEditing()) return;
  memo->CopySelectedText();
  ClearSelection();
}

bool TcxCustomMemo::HasScrollBars() {
  return FScrollBarsApplied && ActiveProperties() && ActiveMemoProperties()->ScrollBars() != ssNone;
}

bool TcxCustomMemo::CanScrollContent(TcxDirection ADirection) { return ADirection == dirUp || ADirection == dirDown; }

void TcxCustomMemo::Scroll(TScrollBarKind AScrollBarKind, TScrollCode AScrollCode, int& AScrollPos) {
  IcxInnerMemo* memo = GetInnerMemo();
  if (!memo || !memo->InnerWindowControl()->HandleAllocated()) return;
  const HWND inner = memo->InnerWindowControl()->Handle();
  if (AScrollBarKind == sbVertical && (AScrollCode == scLineUp || AScrollCode == scLineDown)) {
    SendMessageW(inner, EM_LINESCROLL, 0, AScrollCode == scLineUp ? -1 : 1);
  } else {
    const bool vertical = AScrollBarKind == sbVertical;
    TcxControlScrollBar* bar = vertical ? VScrollBar() : HScrollBar();
    const HWND barWindow = bar && bar->HandleAllocated() ? bar->Handle() : nullptr;
    memo->PassToOriginalWndProc(vertical ? WM_VSCROLL : WM_HSCROLL, MAKEWPARAM(WORD(AScrollCode), WORD(AScrollPos)),
                                reinterpret_cast<LPARAM>(barWindow));
  }
  AScrollPos = GetScrollPos(inner, AScrollBarKind == sbVertical ? SB_VERT : SB_HORZ);
  if (AScrollCode == scTrack && AScrollPos != FLastScrollPos) {
    DoScrolled();
    memo->InnerWindowControl()->Invalidate();
  }
  FLastScrollPos = AScrollPos;
  UpdateScrollBarsFromInner(false);
}

void TcxCustomMemo::FillSizeProperties(TcxEditSizeProperties& ASize) {
  inherited::FillSizeProperties(ASize);
  ASize.MaxLineCount = ActiveMemoProperties()->VisibleLineCount();
}

bool TcxCustomMemo::CanAutoSize() { return !IsHosted() && ActiveMemoProperties()->VisibleLineCount() >= 1; }

void TcxCustomMemo::CreateParams(TCreateParams& Params) {
  inherited::CreateParams(Params);
  Params.WindowClass.style &= ~UINT(CS_VREDRAW);
  const TScrollStyle bars = ActiveMemoProperties()->ScrollBars();
  if (bars == ssHorizontal || bars == ssBoth || !ActiveMemoProperties()->WordWrap())
    Params.WindowClass.style &= ~UINT(CS_HREDRAW);
}

void TcxCustomMemo::Dispatch(TMessage& Message) {
  inherited::Dispatch(Message);
  switch (Message.Msg) {
    case WM_COMMAND:
      if (HIWORD(Message.WParam) == EN_HSCROLL || HIWORD(Message.WParam) == EN_VSCROLL)
        UpdateScrollBarsFromInner(false);
      break;
    case WM_WINDOWPOSCHANGED:
    case WM_NCCALCSIZE:
    case CM_WININICHANGE: PostUpdateScrollBars(this); break;
    case CM_ENABLEDCHANGED:
    case CM_FONTCHANGED: UpdateScrollBarsFromInner(false); break;
    default: break;
  }
}

// --- Published memo -----------------------------------------------------------------------------
TStrings* TcxMemo::GetLines() {
  IcxInnerMemo* memo = GetInnerMemo();
  return memo ? memo->ReadLines() : nullptr;
}

// One text for the whole list: the EDIT is set once and the value follows once,
// where adding line by line would read the growing text back for every line.
void TcxMemo::SetLines(TStrings* Value) {
  TStrings* lines = GetLines();
  if (!lines) return;
  if (!Value) {
    lines->Clear();
    return;
  }
  String text;
  for (int i = 0; i < Value->Count(); ++i) {
    if (i) text += L"\r\n";
    text += Value->Strings(i);
  }
  lines->SetText(text);
}
