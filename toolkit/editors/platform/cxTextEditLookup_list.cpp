// The popup list of a drop-down editor: item drawing and height, the row
// that follows the mouse, wheel scrolling, and the focused look while the
// editor keeps the focus.
#include "cxEdit_control_win.h"
#include "cxTextEditLookup_win.h"

TcxCustomEditListBox::TcxCustomEditListBox(TComponent* AOwner) : TcxCustomInnerListBox(AOwner) {
  SetBorderStyle(bsNone);
}

TcxCustomEditListBox::~TcxCustomEditListBox() { InvalidateObjectLinks(this); }

TcxCustomEdit* TcxCustomEditListBox::OwnerEdit() {
  auto* popup = dynamic_cast<TcxCustomPopupWindow*>(Owner());
  return popup ? dynamic_cast<TcxCustomEdit*>(popup->OwnerControl()) : nullptr;
}

bool TcxCustomEditListBox::IsVisibleWindow() { return HandleAllocated() && IsWindowVisible(Handle()); }

void TcxCustomEditListBox::SetItemCount(int ACount) {
  TStrings* items = Items();
  if (items->Count() == ACount) return;
  items->BeginUpdate();
  try {
    while (items->Count() < ACount) items->Add(String());
    while (items->Count() > ACount && items->Count() > 0) items->Delete(items->Count() - 1);
  } catch (...) {
    items->EndUpdate();
    throw;
  }
  items->EndUpdate();
}

void TcxCustomEditListBox::GetItemText(int AIndex, String& AText) { AText = Items()->Strings(AIndex); }

int TcxCustomEditListBox::GetItemHeightAt(int) { return FontTextHeight(Font(), L"Wg"); }

int TcxCustomEditListBox::GetItemWidth(int AIndex) {
  String text;
  GetItemText(AIndex, text);
  return FontTextWidth(Font(), text);
}

void TcxCustomEditListBox::NotifySelChanged() {
  UpdateOwnScrollBars();
  if (OnSelChanged) OnSelChanged(this);
}

void TcxCustomEditListBox::SetItemIndex(int Value) {
  inherited::SetItemIndex(Value);
  NotifySelChanged();
}

void TcxCustomEditListBox::Click() {
  inherited::Click();
  NotifySelChanged();
}

bool TcxCustomEditListBox::NeedsFocusRect() {
  TcxCustomEdit* edit = OwnerEdit();
  auto* properties = edit ? dynamic_cast<TcxCustomTextEditProperties*>(edit->ActiveProperties()) : nullptr;
  if (!properties) return false;
  const TcxTextEditingStyle style = properties->GetEditingStyle();
  return style == tesPickFromList || style == tesNoText;
}

void TcxCustomEditListBox::DrawItem(int Index, const TRect& Rect, TOwnerDrawState State) {
  if (DoDrawItem(Index, Rect, State)) return;
  cxCanvas()->FillRectWithBitmap(Rect, nullptr);
  if (Index < 0 || Index >= Items()->Count()) return;
  String text;
  GetItemText(Index, text);
  TRect r = Rect;
  UINT flags = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
  // The runtime's controls carry their bidirectional mode in the window's extended style.
  const LONG_PTR exStyle = HandleAllocated() ? GetWindowLongPtrW(Handle(), GWL_EXSTYLE) : 0;
  if (exStyle & WS_EX_RIGHT) {
    r.Right -= 2;
    flags |= DT_RIGHT;
  } else {
    r.Left += 2;
  }
  if (exStyle & WS_EX_RTLREADING) flags |= DT_RTLREADING;
  HDC dc = Canvas()->Handle();
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColorToRGB(Canvas()->Font()->Color()));
  RECT rc{r.Left, r.Top, r.Right, r.Bottom};
  ::DrawTextW(dc, text.c_str(), int(text.size()), &rc, flags);
}

void TcxCustomEditListBox::MeasureItem(int, int& Height) { Height = GetItemHeightAt(-1); }

bool TcxCustomEditListBox::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
  if (inherited::DoMouseWheel(Shift, WheelDelta, MousePos)) return true;
  if (!HandleAllocated()) return false;
  UINT lines = 3;
  SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
  const bool up = WheelDelta > 0;
  // "One page per notch" comes as a line count of UINT_MAX: a page step, not four billion lines.
  if (lines == WHEEL_PAGESCROLL) return SendMessageW(Handle(), WM_VSCROLL, up ? SB_PAGEUP : SB_PAGEDOWN, 0) == 0;
  LRESULT result = 1;
  for (UINT i = 0; i < lines; ++i) result = SendMessageW(Handle(), WM_VSCROLL, up ? SB_LINEUP : SB_LINEDOWN, 0);
  return lines > 0 && result == 0;
}

void TcxCustomEditListBox::MouseMove(TShiftState Shift, int X, int Y) {
  inherited::MouseMove(Shift, X, Y);
  if (!TrackMouse || !HandleAllocated() || GetCapture() == Handle()) return;
  const int row = ItemAtPos(TPoint{X, Y}, true);
  if (row != -1 && row != ItemIndex()) SetItemIndex(row);
}

void TcxCustomEditListBox::Dispatch(TMessage& Message) {
  inherited::Dispatch(Message);
  // Straight to the system list box: it paints its selection as focused while
  // the focus stays in the editor, and the runtime takes no focus change from it.
  if (Message.Msg == CM_SHOWINGCHANGED && HandleAllocated())
    CallWindowProcW(DefWndProc(), Handle(), WM_SETFOCUS, 0, 0);
}
