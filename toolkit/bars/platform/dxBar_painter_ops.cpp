// The painter operations of bars, docks, menus and item kinds in the base look.
// System colours are read through the colour reader, so a test can give them;
// what the system itself draws (edges, frame controls) takes the system's own.
// Every brush, pen and font made here is deleted before the operation returns,
// and every clip region changed is put back, also when drawing raises.
#include <windows.h>

#include <algorithm>

#include "dxBarPaintUtils.h"
#include "dxBar_internal.h"

using namespace dxbar_paint;

namespace {

void FrameColor(HDC DC, const TRect& R, TColor Color) {
  HBRUSH brush = CreateSolidBrush(RGBOf(Color));
  FrameRect(DC, AsRect(R), brush);
  DeleteObject(brush);
}

void FrameBrush(HDC DC, const TRect& R, HBRUSH Brush) {
  if (Brush)
    FrameRect(DC, AsRect(R), Brush);
  else
    FrameColor(DC, R, clBtnFace);
}

int TextHeightOf(HDC DC, const wchar_t* Sample) {
  SIZE size{};
  GetTextExtentPoint32W(DC, Sample, int(wcslen(Sample)), &size);
  return size.cy;
}

int TextWidthOf(HDC DC, const String& Text) {
  SIZE size{};
  if (!Text.empty()) GetTextExtentPoint32W(DC, Text.c_str(), int(Text.size()), &size);
  return size.cx;
}

// The colour of a solid brush.
TColor BrushColor(HBRUSH Brush, TColor FallBack) {
  LOGBRUSH info{};
  if (!Brush || !GetObjectW(Brush, sizeof(info), &info) || info.lbStyle != BS_SOLID) return FallBack;
  return TColor(info.lbColor);
}

// Item text alignment: the control's 0 left, 1 right, 2 centre against the
// painter's 0 left, 1 centre, 2 right.
int PainterAlignment(int Alignment) { return Alignment == 1 ? 2 : Alignment == 2 ? 1 : 0; }

}  // namespace

// --- Bar controls --------------------------------------------------------------------------

TRect TdxBarPainter::DockedBarFrameWidths() const {
  const int w = DockedBarFrameWidth();
  return TRect{w, w, w, w};
}

TSize TdxBarPainter::CaptionButtonSize() const { return TSize{SmallCaptionHeight(), SmallCaptionHeight()}; }

int TdxBarPainter::FloatingCaptionTextLeft(const TdxBarControlPaintInfo& Bar, const TRect& Caption) const {
  return Bar.ShowsCaptionButtons ? Bar.CaptionButtonsRect.Right + 3 : Caption.Left + 2;
}

TRect TdxBarPainter::MarkRect(const TdxBarControlPaintInfo& Bar, const TRect& Caption) const {
  const TRect& c = Bar.ClientRect;
  switch (Bar.DockingStyle) {
    case dsLeft:
    case dsRight:
      return TRect{c.Left, c.Bottom - Bar.MarkSize, c.Right, c.Bottom};
    case dsTop:
    case dsBottom:
      return TRect{c.Right - Bar.MarkSize, c.Top, c.Right, c.Bottom};
    default:
      break;
  }
  const int side = Caption.Bottom - Caption.Top;
  TRect r{Caption.Right - side, Caption.Top, Caption.Right, Caption.Bottom};
  if (Bar.ShowsCloseButton) {
    r.Left -= Bar.CloseButtonWidth + 1;
    r.Right -= Bar.CloseButtonWidth + 1;
  }
  if (r.Left < Caption.Left) {
    r.Right += Caption.Left - r.Left;
    r.Left = Caption.Left;
  }
  return r;
}

void TdxBarPainter::FillFloatingCaption(HDC DC, HBRUSH Brush, const TRect& R) const { FillBrush(DC, R, Brush); }

void TdxBarPainter::FillDockedBarBackground(HDC DC, const TdxBarControlPaintInfo& Bar, const TRect& R) const {
  FillBarBackground(DC, R, Bar.DockOrigin, Bar.DockBitmap, Bar.DockColor, nullptr);
}

void TdxBarPainter::FillFloatingBarBackground(HDC DC, const TdxBarControlPaintInfo& Bar, HBRUSH Brush,
                                              const TRect& R) const {
  FillBarBackground(DC, R, Bar.Bounds, Bar.ManagerBarBitmap, clBtnFace, Brush);
}

void TdxBarPainter::FillBarBackgroundFromDock(HDC DC, const TdxBarControlPaintInfo& Bar, const TRect& Origin,
                                              const TRect& R) const {
  FillBarBackground(DC, R, Origin, nullptr, Bar.DockColor, nullptr);
}

void TdxBarPainter::DrawBarBackground(HDC DC, const TdxBarControlPaintInfo& Bar, HBRUSH Brush, TColor Color,
                                      const TRect& Origin, const TRect& R) const {
  if (Bar.BackgroundBitmap && !Bar.BackgroundBitmap->Empty()) {
    FillBarBackground(DC, R, Origin, Bar.BackgroundBitmap, Color, Brush);
  } else if (Bar.StatusBarLike && (!Bar.ManagerBarBitmap || Bar.ManagerBarBitmap->Empty())) {
    FillBarBackgroundFromDock(DC, Bar, Bar.Bounds, R);
  } else if (Bar.Color != clDefault) {
    FillColor(DC, R, Bar.Color);
  } else if (Bar.DockingStyle != dsNone) {
    FillDockedBarBackground(DC, Bar, R);
  } else {
    FillFloatingBarBackground(DC, Bar, Brush, R);
  }
}

void TdxBarPainter::DrawToolbarSeparator(HDC DC, const TdxBarControlPaintInfo& Bar, bool HorizontalLine, HBRUSH Brush,
                                         const TRect& R) const {
  const int inset = ToolbarSeparatorInset();
  TRect line = R;
  if (HorizontalLine) {
    DrawBarBackground(DC, Bar, Brush, clBtnFace, Bar.Bounds, TRect{R.Left, R.Top, R.Right, R.Top + inset});
    DrawBarBackground(DC, Bar, Brush, clBtnFace, Bar.Bounds, TRect{R.Left, R.Bottom - inset, R.Right, R.Bottom});
    line.Top += inset;
    line.Bottom -= inset;
    Edge(DC, line, EDGE_ETCHED, BF_TOP);
  } else {
    DrawBarBackground(DC, Bar, Brush, clBtnFace, Bar.Bounds, TRect{R.Left, R.Top, R.Left + inset, R.Bottom});
    DrawBarBackground(DC, Bar, Brush, clBtnFace, Bar.Bounds, TRect{R.Right - inset, R.Top, R.Right, R.Bottom});
    line.Left += inset;
    line.Right -= inset;
    Edge(DC, line, EDGE_ETCHED, BF_LEFT);
  }
}

void TdxBarPainter::DrawCaptionButtonBackground(HDC DC, const TdxBarControlPaintInfo& Bar, int State,
                                                const TRect& R) const {
  if (State == 1 || State == 2)
    FillBrush(DC, Shrunk(R, 1), State == 1 ? Bar.SelectedBrush : Bar.DownSelectedBrush, clHighlight);
  else
    FillColor(DC, R, Bar.CaptionColor);
}

void TdxBarPainter::DrawFloatingCaption(HDC DC, const TdxBarControlPaintInfo& Bar, HBRUSH Brush, const TRect& R) const {
  FillBrush(DC, TRect{R.Left, R.Bottom, R.Right, R.Bottom + 1}, Brush);
  const bool themed = FloatingCaptionUsesTheme();
  if (themed) FillFloatingCaption(DC, Brush, R);
  TRect text = R;
  if (Bar.ShowsCloseButton) text.Right -= SmallCaptionHeight();
  text.Left = Bar.ShowsCaptionButtons ? FloatingCaptionTextLeft(Bar, R) : R.Left + 2;
  if (text.Right - text.Left <= 0) return;

  HFONT font = Bar.CaptionFont;
  HFONT made = nullptr;
  if (!font) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0);
    font = made = CreateFontIndirectW(&metrics.lfSmCaptionFont);
  }
  const HGDIOBJ oldFont = SelectObject(DC, font);
  const COLORREF oldText = SetTextColor(DC, RGBOf(Bar.CaptionTextColor));
  const COLORREF oldBack = SetBkColor(DC, RGBOf(Bar.CaptionColor));
  const int oldMode = SetBkMode(DC, themed ? TRANSPARENT : OPAQUE);
  TdxBarFinally restore([&] {
    SelectObject(DC, oldFont);
    SetTextColor(DC, oldText);
    SetBkColor(DC, oldBack);
    SetBkMode(DC, oldMode);
    if (made) DeleteObject(made);
  });
  const int y = (R.Top + R.Bottom - TextHeightOf(DC, L"Wg")) / 2;
  const RECT clip{R.Left, R.Top, text.Right, R.Bottom};
  ExtTextOutW(DC, text.Left, y, ETO_CLIPPED | (themed ? 0 : ETO_OPAQUE), &clip, Bar.Caption.c_str(),
              UINT(Bar.Caption.size()), nullptr);
}

void TdxBarPainter::DrawStatusBarTopBand(HDC DC, const TdxBarControlPaintInfo& Bar) const {
  const TRect& c = Bar.ClientRect;
  DrawBarBackground(DC, Bar, Bar.ToolbarBrush, clBtnFace, Bar.Bounds,
                    TRect{c.Left, c.Top, c.Right, c.Top + StatusBarTopSpace()});
}

// --- Buttons and combos --------------------------------------------------------------------

TRect TdxBarPainter::QuickCustItemCheckRect(const TRect& Item) const {
  return TRect{Item.Left, Item.Top, Item.Left + (Item.Bottom - Item.Top), Item.Bottom};
}

void TdxBarPainter::OffsetPressedContent(const TdxBarItemPaintInfo& Item, TRect& R) const {
  if (HasFlatLook()) return;
  const int d = (Item.Pressed || Item.Down ? 1 : 0) + (Item.Pressed && Item.Down ? 1 : 0);
  R = TRect{R.Left + d, R.Top + d, R.Right + d, R.Bottom + d};
}

void TdxBarPainter::OffsetPressedEllipsis(bool Pressed, TRect& R) const {
  if (Pressed && !HasFlatLook()) R = TRect{R.Left + 1, R.Top + 1, R.Right + 1, R.Bottom + 1};
}

bool TdxBarPainter::FillsItemBackgroundSolid(const TdxBarItemPaintInfo& Item) const {
  return !Item.NonRecent || (HasFlatLook() && (Item.Selected || Item.DroppedDown));
}

bool TdxBarPainter::ArrowDrawnInverted(const TdxBarItemPaintInfo& Item) const {
  if (!HasFlatLook()) return UsesFlatPopupLook() && Item.DroppedDown;
  const bool whiteFace = ColorToRGB(clBtnFace) == 0xFFFFFF;
  return (whiteFace && Item.Selected && (Item.InMenu || !Item.DroppedDown)) || (Item.InMenu && Item.DroppedDown);
}

void TdxBarPainter::FillItemBackground(HDC DC, const TdxBarItemPaintInfo& Item, HBRUSH Brush, bool Solid,
                                       const TRect& R) const {
  FillBrush(DC, R, Solid || !Item.BarBrush ? Brush : Item.BarBrush);
}

void TdxBarPainter::DrawItemGlyphImage(HDC DC, const TdxBarItemPaintInfo& Item, const TRect& R) const {
  if (Item.Images && Item.ImageIndex >= 0 && Item.ImageIndex < Item.Images->Count()) {
    const int x = (R.Left + R.Right - Item.Images->Width()) / 2, y = (R.Top + R.Bottom - Item.Images->Height()) / 2;
    ImageList_Draw(Item.Images->Handle(), Item.ImageIndex, DC, x, y, Item.Enabled ? ILD_NORMAL : ILD_BLEND50);
  } else if (Item.Down && Item.InMenu) {
    DrawMenuCheckMark(DC, R, 8, clBtnText, Item.Enabled);
  }
}

void TdxBarPainter::SplitMenuDescription(HDC DC, const String& Text, int Width, String& First, String& Second) const {
  // Words go to the first line while it fits; the second holds the rest,
  // which its drawing cuts with an ellipsis.
  First.clear();
  Second.clear();
  size_t at = 0, end = 0;
  while (at < Text.size()) {
    size_t next = Text.find(L' ', at);
    if (next == String::npos) next = Text.size();
    const String candidate = Text.substr(0, next);
    if (end > 0 && TextWidthOf(DC, candidate) > Width) break;
    end = next;
    at = next + 1;
  }
  // A first word wider than the line is cut where it stops fitting.
  if (end > 0 && TextWidthOf(DC, Text.substr(0, end)) > Width) {
    int fit = 0;
    SIZE size{};
    GetTextExtentExPointW(DC, Text.c_str(), int(end), Width, &fit, nullptr, &size);
    end = size_t(std::max(fit, 1));
  }
  First = Text.substr(0, end);
  String rest = end < Text.size() ? Text.substr(end) : String();
  const size_t from = rest.find_first_not_of(L' '), to = rest.find_last_not_of(L' ');
  Second = from == String::npos ? String() : rest.substr(from, to - from + 1);
}

void TdxBarPainter::DrawButtonLikeItem(HDC DC, const TdxBarItemPaintInfo& Item) const {
  TRect r = Item.ItemRect;
  if (Item.ButtonGroupFrame) DrawLoweredFrame(DC, r);
  const HGDIOBJ oldFont = Item.Font ? SelectObject(DC, Item.Font) : nullptr;
  TdxBarFinally restoreFont([&] {
    if (oldFont) SelectObject(DC, oldFont);
  });
  if (Item.InMenu) {
    const TRect icon = SubMenuItemIconRect(Item);
    TRect text = SubMenuItemTextRect(Item);
    DrawMenuGlyphArea(DC, Item);
    FillItemBackground(DC, Item, GlyphBackgroundBrush(Item), FillsItemBackgroundSolid(Item), icon);
    if (Item.ShowsGlyph) {
      DrawItemGlyphImage(DC, Item, icon);
      DrawGlyphFrame(DC, Item, icon);
    }
    text.Top -= MenuTextVerticalGrow();
    text.Bottom += MenuTextVerticalGrow();
    TRect captionRect = text;
    if (Item.ShowsDescription && !Item.Description.empty()) {
      const int h = TextHeightOf(DC, L"Wg"), H = r.Bottom - r.Top;
      const TRect desc{text.Left, r.Bottom - (2 * ((H - 3 * h) / 4) + 2 * h), r.Right - Item.TextSize, r.Bottom};
      String first, second;
      SplitMenuDescription(DC, Item.Description, desc.Right - desc.Left, first, second);
      const UINT format = DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX | DT_LEFT | DT_TOP;
      DrawItemText(DC, format, true, true, false, Item.Selected, Item.Enabled, 0,
                   TRect{desc.Left, desc.Top, desc.Right, desc.Top + h}, first);
      if (!second.empty())
        DrawItemText(DC, format, true, true, false, Item.Selected, Item.Enabled, 0,
                     TRect{desc.Left, desc.Top + h, desc.Right, desc.Top + 2 * h}, second);
      captionRect.Bottom = desc.Top;
      LOGFONTW bold{};
      GetObjectW(GetCurrentObject(DC, OBJ_FONT), sizeof(bold), &bold);
      bold.lfWeight = FW_BOLD;
      HFONT boldFont = CreateFontIndirectW(&bold);
      const HGDIOBJ previous = SelectObject(DC, boldFont);
      DrawItemText(DC, DT_SINGLELINE, true, false, false, Item.Selected, Item.Enabled, 0, captionRect, Item.Caption);
      SelectObject(DC, previous);
      DeleteObject(boldFont);
    } else {
      DrawItemText(DC, DT_SINGLELINE, true, false, false, Item.Selected, Item.Enabled, 0, captionRect, Item.Caption);
    }
    if (!Item.ShortCutText.empty())
      DrawItemText(DC, DT_SINGLELINE, true, false, false, Item.Selected, Item.Enabled, 2,
                   TRect{text.Left, text.Top, r.Right - (Item.TextSize + 5), text.Bottom}, Item.ShortCutText);
  } else {
    TRect button = r;
    if (Item.SplitButton && Item.ShowsArrow) button.Right -= Item.ArrowWidth;
    FillItemBackground(DC, Item, GlyphBackgroundBrush(Item), FillsItemBackgroundSolid(Item), button);
    TRect content = button;
    OffsetPressedContent(Item, content);
    const int glyphWidth = ButtonWidthForGlyph(Item.GlyphSize);
    TRect glyph = content;
    if (Item.ShowsCaption) {
      if (Item.Vertical)
        glyph.Bottom = std::min(glyph.Bottom, glyph.Top + ButtonHeightForGlyph(Item.GlyphSize));
      else
        glyph.Right = std::min(glyph.Right, glyph.Left + glyphWidth);
    }
    if (Item.ShowsGlyph) DrawItemGlyphImage(DC, Item, glyph);
    if (Item.ShowsCaption) {
      TRect text = content;
      if (Item.Vertical)
        text.Top = Item.ShowsGlyph ? glyph.Bottom : text.Top + 2;
      else
        text.Left = Item.ShowsGlyph ? glyph.Right : text.Left + 2;
      // A hot toolbar button shows by its edge, not by highlighted text.
      DrawItemText(DC, DT_SINGLELINE, true, false, Item.Vertical, false, Item.Enabled, 0, text, Item.Caption);
    }
    DrawGlyphFrame(DC, Item, button);
  }
  if (Item.ShowsArrow) {
    if (Item.SplitButton) {
      DrawSplitDropDownPart(DC, Item);
    } else {
      DrawSubItemArrow(DC, Item);
    }
  }
}

void TdxBarPainter::DrawItemArrow(HDC DC, const TdxBarItemPaintInfo& Item, const TRect& R) const {
  TRect r = R;
  if (Item.DroppedDown && !UsesFlatPopupLook() && (R.Right - R.Left > 9 || Item.InMenu))
    r = TRect{r.Left + 1, r.Top + 1, r.Right + 1, r.Bottom + 1};
  TColor color = ItemArrowColor(Item.Enabled, Item.Selected && Item.InMenu, HasFlatLook());
  if (ArrowDrawnInverted(Item)) color = clHighlightText;
  if (!Item.Enabled) color = clGrayText;
  if (Item.InMenu)
    DrawArrowOfSize(DC, r, dxBarArrowRight, color, HasFlatLook(), Item.Enabled, Item.Selected, Item.ArrowSize);
  else
    DrawArrowInRect(DC, r, dxBarArrowDown, color, HasFlatLook(), Item.Enabled, Item.Selected && HasFlatLook());
}

void TdxBarPainter::DrawSplitArrowBackground(HDC DC, const TdxBarItemPaintInfo& Item, HBRUSH Brush, TRect R) const {
  if (HasFlatLook() && !Item.InMenu) {
    --R.Left;
    if (Item.DroppedDown) return;
  }
  FillItemBackground(DC, Item, Brush, FillsItemBackgroundSolid(Item), R);
}

void TdxBarPainter::DrawSplitDropDownPart(HDC DC, const TdxBarItemPaintInfo& Item) const {
  const TRect& r = Item.ItemRect;
  const TRect part{r.Right - Item.ArrowWidth, r.Top, r.Right, r.Bottom};
  DrawSplitArrowBackground(DC, Item, Item.Brush, part);
  DrawItemArrow(DC, Item, part);
}

void TdxBarPainter::DrawComboArrow(HDC DC, const TRect& R, int Size, TColor Color, bool Enabled) const {
  DrawArrowOfSize(DC, R, dxBarArrowDown, !HasFlatLook() && !Enabled ? clDefault : Color, HasFlatLook(), Enabled, false,
                  Size);
}

void TdxBarPainter::DrawComboButton(HDC DC, const TdxBarItemPaintInfo& Item, const TRect& R) const {
  TRect r = R;
  DrawComboButtonFrame(DC, Item, r);
  DrawComboArrow(DC, r, dxBarComboArrowSize(R.Right - R.Left), ComboArrowColor(), Item.Enabled);
}

void TdxBarPainter::DrawDropDownListBorder(HDC DC, const TRect& R, TColor Color) const {
  FrameColor(DC, R, clBtnShadow);
  FrameColor(DC, Shrunk(R, 1), Color);
}

// --- Sub-menus -----------------------------------------------------------------------------

void TdxBarPainter::CalcMenuArrowMetrics(HDC DC, int TextSize, int& ArrowWidth, int& ArrowHeight) const {
  ArrowWidth = SubMenuArrowWidth(TextSize);
  ArrowHeight = TextHeightOf(DC, L"0") + 1;
  const int check = SubMenuCheckSize(ArrowHeight);
  if (check % 2 != 0) ArrowHeight = 2 * check + 4;
}

TRect TdxBarPainter::SubMenuClientMargins(const TdxBarControlPaintInfo&) const {
  const int b = SubMenuInnerBorder();
  return TRect{b, b, b, b};
}

int TdxBarPainter::SubMenuTextLeft(const TdxBarControlPaintInfo& Bar) const {
  int left = Bar.SideBandWidth + Bar.IconColumnWidth;
  AdjustMenuItemHeight(left);
  return left;
}

TRect TdxBarPainter::SubMenuItemIconRect(const TdxBarItemPaintInfo& Item) const {
  const TRect& r = Item.ItemRect;
  return TRect{r.Left, r.Top, r.Left + Item.IconColumnWidth, r.Bottom};
}

TRect TdxBarPainter::SubMenuItemTextRect(const TdxBarItemPaintInfo& Item) const {
  TRect r = Item.ItemRect;
  r.Left += SubMenuItemTextIndent(Item);
  return r;
}

TRect TdxBarPainter::SubMenuBeginGroupRect(const TRect& Item, bool ChangesRecentGroup) const {
  const int bottom = Item.Top - (ChangesRecentGroup ? 1 : 0);
  return TRect{Item.Left, bottom - MenuSeparatorHeight(), Item.Right, bottom};
}

TRect TdxBarPainter::SubMenuItemContentRect(const TRect& R) const { return Shrunk(R, 3); }

void TdxBarPainter::SubMenuDrawBorder(HDC DC, const TdxBarControlPaintInfo& Bar) const {
  const TRect& b = Bar.Bounds;
  FillColor(DC, TRect{b.Left, b.Top, b.Left + 1, b.Bottom}, clBtnFace);
  FillColor(DC, TRect{b.Left, b.Top, b.Right, b.Top + 1}, clBtnFace);
  Edge(DC, b, BDR_RAISEDOUTER, BF_RIGHT | BF_BOTTOM);
  if (Bar.TearOffHeight <= 0) return;
  TRect r = Shrunk(b, 1);
  Edge(DC, r, BDR_RAISEDINNER, BF_LEFT | BF_TOP | BF_RIGHT);
  r = Shrunk(r, 1);
  const TRect band{r.Left, r.Top, r.Right, r.Top + Bar.TearOffHeight - 1};
  FrameColor(DC, band, clBtnFace);
  SubMenuDrawTearOffBar(DC, Bar.TearOffActive, Shrunk(band, 1));
}

void TdxBarPainter::SubMenuDrawClientBorder(HDC DC, const TdxBarControlPaintInfo& Bar, HBRUSH MenuBrush,
                                            const TRect& R) const {
  TRect r = R;
  if (Bar.TearOffHeight > 0) r.Top -= 2;
  Edge(DC, r, BDR_RAISEDINNER, BF_RECT);
  if (MenuBrush)
    FrameRect(DC, AsRect(Shrunk(r, 1)), MenuBrush);
  else
    FrameColor(DC, Shrunk(r, 1), clBtnFace);
}

void TdxBarPainter::SubMenuDrawTearOffBar(HDC DC, bool Active, const TRect& R) const {
  FillColor(DC, R, SystemColor(dxBarTearOffCaptionColors[Active ? 1 : 0]));
}

void TdxBarPainter::SubMenuDrawSeparator(HDC DC, const TRect& R) const { Edge(DC, R, EDGE_ETCHED, BF_TOP); }

void TdxBarPainter::SubMenuDrawBeginGroup(HDC DC, const TdxBarItemPaintInfo& Item, const TRect& R) const {
  FillItemBackground(DC, Item, Item.Brush, !Item.NonRecent ? true : FillsItemBackgroundSolid(Item), R);
  const int indent = MenuBeginGroupIndent();
  SubMenuDrawSeparator(DC, TRect{R.Left + indent, R.Top + 4, R.Right - indent, R.Bottom - 4});
}

// --- Edit and combo items ------------------------------------------------------------------

TColor TdxBarPainter::DisabledEditBackgroundColor(HBRUSH BarBrush) const {
  return BrushColor(BarBrush, TColor(ColorToRGB(clBtnFace)));
}

TColor TdxBarPainter::EditColor(bool Enabled, TColor StyleColor, HBRUSH BarBrush) const {
  if (!Enabled) return DisabledEditBackgroundColor(BarBrush);
  return StyleColor != clDefault ? StyleColor : EditBackgroundColor();
}

TColor TdxBarPainter::EditFontColor(bool Enabled, TColor StyleTextColor) const {
  if (!Enabled) return DisabledEditTextColor();
  return StyleTextColor != clDefault ? StyleTextColor : EditTextColor();
}

void TdxBarPainter::SelectAllEditText(HWND Edit, bool NotifyChange) const {
  if (!Edit) return;
  if (NotifyChange) SendMessageW(Edit, WM_COMMAND, MAKEWPARAM(0, EN_CHANGE), LPARAM(Edit));
  SendMessageW(Edit, EM_SETSEL, 0, -1);
}

void TdxBarPainter::DrawEllipsisButton(HDC DC, const TdxBarItemPaintInfo& Item, const TRect& R) const {
  DrawEditFrame(DC, Item, R);
  DrawEllipsisGlyph(DC, R, Item.Enabled, Item.Pressed);
}

void TdxBarPainter::ClearEditBorder(HDC DC, HBRUSH BarBrush, const TRect& R) const {
  FrameRect(DC, AsRect(R), BarBrush);
  FrameRect(DC, AsRect(TRect{R.Left, R.Top + 1, R.Right, R.Bottom + 1}), BarBrush);
}

// --- Other item kinds ----------------------------------------------------------------------

void TdxBarPainter::DrawPushButton(HDC DC, const TRect& R, const String& Caption, bool Pressed) const {
  if (Pressed) {
    RECT r{R.Left, R.Top, R.Right, R.Bottom};
    DrawFrameControl(DC, &r, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_PUSHED);
  } else {
    const int l = R.Left, t = R.Top, r = R.Right, b = R.Bottom;
    FillColor(DC, TRect{l, b - 1, r, b}, clBtnText);
    FillColor(DC, TRect{r - 1, t, r, b}, clBtnText);
    FillColor(DC, TRect{l, t, r - 1, t + 1}, clBtnFace);
    FillColor(DC, TRect{l, t, l + 1, b - 1}, clBtnFace);
    FillColor(DC, TRect{l + 1, b - 2, r - 1, b - 1}, clBtnShadow);
    FillColor(DC, TRect{r - 2, t + 1, r - 1, b - 1}, clBtnShadow);
    FillColor(DC, TRect{l + 1, t + 1, r - 2, t + 2}, clBtnHighlight);
    FillColor(DC, TRect{l + 1, t + 1, l + 2, b - 2}, clBtnHighlight);
    FillColor(DC, TRect{r - 2, t + 1, r - 1, t + 2}, clBtnFace);
  }
  DrawPushButtonCaption(DC, Shrunk(R, 2), Caption, !Pressed, Pressed ? 1 : 0);
}

TSize TdxBarPainter::SpinArrowSize(int ButtonHeight) const {
  const int a = ((ButtonHeight / 2) - 2) / 2;
  return TSize{2 * a - 1, a};
}

int TdxBarPainter::SpinButtonWidth(int ButtonHeight) const {
  const TSize arrow = SpinArrowSize(ButtonHeight);
  const TRect m = SpinButtonMargins();
  return arrow.cx + 2 * arrow.cy + 4 - m.Left - m.Right;
}

TRect TdxBarPainter::CalcSpinButtonRect(const TRect& Item, int Button) const {
  const int h = Item.Bottom - Item.Top;
  const TRect m = SpinButtonMargins();
  const int w = SpinButtonWidth(h) + m.Left + m.Right;
  if (2 * w >= Item.Right - Item.Left) return TRect{};
  TRect area{Item.Right - w, Item.Top, Item.Right, Item.Bottom};
  if (Button == 1)
    area.Bottom = Item.Top + h / 2;
  else if (Button == 2)
    area.Top = Item.Top + h / 2;
  return area;
}

int TdxBarPainter::SpinButtonState(bool Enabled, int Button, int PressedButton, int HotButton) const {
  if (!Enabled) return 4;
  if (Button == PressedButton) return 3;
  if (Button == HotButton) return 2;
  return 1;
}

void TdxBarPainter::DrawProgressBackground(HDC DC, const TdxBarItemPaintInfo& Item, const TRect& R) const {
  FillItemBackground(DC, Item, Item.Brush, false, R);
}

void TdxBarPainter::FillProgressPart(HDC DC, HBRUSH Brush, const TRect& R) const {
  if (R.Right > R.Left && R.Bottom > R.Top) FillRect(DC, AsRect(R), Brush);
}

void TdxBarPainter::DrawProgressSegments(HDC DC, bool Vertical, HBRUSH Brush, const TRect& Bar,
                                         const TRect& Done) const {
  const int thickness = Vertical ? Bar.Right - Bar.Left : Bar.Bottom - Bar.Top;
  const int block = std::max(1, MulDiv(thickness, 2, 3));
  const int start = Vertical ? Done.Top : Done.Left, end = Vertical ? Done.Bottom : Done.Right;
  for (int at = start; at < end; at += block + 2) {
    const int stop = std::min(at + block, end);
    FillProgressBlock(DC, Brush,
                      Vertical ? TRect{Done.Left, at, Done.Right, stop} : TRect{at, Done.Top, stop, Done.Bottom});
  }
}

void TdxBarPainter::DrawProgress(HDC DC, const TdxBarItemPaintInfo& Item, const TRect& R) const {
  DrawProgressBackground(DC, Item, R);
  const int length = Item.Vertical ? R.Bottom - R.Top : R.Right - R.Left;
  // A range that is empty or upside down shows nothing done.
  int done = 0;
  if (Item.Max > Item.Min) done = std::clamp(MulDiv(length, Item.Position - Item.Min, Item.Max - Item.Min), 0, length);
  const TRect part =
      Item.Vertical ? TRect{R.Left, R.Top, R.Right, R.Top + done} : TRect{R.Left, R.Top, R.Left + done, R.Bottom};
  HBRUSH brush = CreateSolidBrush(RGBOf(ProgressColor()));
  TdxBarFinally release([&] { DeleteObject(brush); });
  if (Item.SmoothProgress)
    FillProgressPart(DC, brush, part);
  else
    DrawProgressSegments(DC, Item.Vertical, brush, R, part);
}

TRect TdxBarPainter::StaticBorderWidths(int BorderStyle) const {
  const int w = BorderStyle >= 0 && BorderStyle <= 4 ? dxBarStaticBorderWidths[BorderStyle] : 0;
  return TRect{w, w, w, w};
}

void TdxBarPainter::DrawStaticBackground(HDC DC, const TdxBarItemPaintInfo& Item, bool Pushed) const {
  FillItemBackground(DC, Item, Item.Brush, Pushed, Item.ItemRect);
}

void TdxBarPainter::DrawStaticBorder(HDC DC, int BorderStyle, TRect& R) const {
  if (BorderStyle >= 1 && BorderStyle <= 3) {
    Edge(DC, R, dxBarStaticBorderEdges[BorderStyle], BF_RECT);
    const TRect w = StaticBorderWidths(BorderStyle);
    R = TRect{R.Left + w.Left, R.Top + w.Top, R.Right - w.Right, R.Bottom - w.Bottom};
  } else if (BorderStyle == 4) {
    Edge(DC, R, BDR_RAISEDINNER, BF_RECT);
    R = Shrunk(R, 1);
    Edge(DC, R, BDR_SUNKENOUTER, BF_RECT);
    R = Shrunk(R, 1);
  }
}

void TdxBarPainter::DrawStaticItem(HDC DC, const TdxBarItemPaintInfo& Item) const {
  DrawStaticBackground(DC, Item, false);
  const TRect& r = Item.ItemRect;
  const HGDIOBJ oldFont = Item.Font ? SelectObject(DC, Item.Font) : nullptr;
  TdxBarFinally restoreFont([&] {
    if (oldFont) SelectObject(DC, oldFont);
  });
  const TSize button = ButtonSize(Item.GlyphSize);
  const bool glyph = Item.ShowsGlyph && Item.Images && Item.ImageIndex >= 0;
  if (glyph) {
    TRect g = r;
    if (Item.InMenu)
      g.Right = g.Left + Item.IconColumnWidth;
    else if (Item.ShowsCaption && Item.Vertical)
      g.Bottom = g.Top + button.cy;
    else if (Item.ShowsCaption)
      g.Right = g.Left + button.cx;
    DrawItemGlyphImage(DC, Item, g);
  }
  if (!Item.ShowsCaption) return;
  const bool centred = Item.Alignment == 2;
  TRect text = r;
  if (!glyph)
    text.Left += centred ? 0 : Item.TextSize / 4;
  else if (Item.InMenu)
    text.Left += SubMenuItemTextIndent(Item);
  else
    text.Left += button.cx + 2;
  if (!centred) text.Right -= 2;
  DrawItemText(DC, DT_SINGLELINE, true, false, Item.Vertical, false, Item.Enabled, PainterAlignment(Item.Alignment),
               text, Item.Caption);
}

void TdxBarPainter::DrawSeparatorItem(HDC DC, const TdxBarItemPaintInfo& Item,
                                      const TdxBarControlPaintInfo& Bar) const {
  const TRect& r = Item.ItemRect;
  if (Item.ShowsCaption && !Item.Caption.empty()) {
    DrawStaticItem(DC, Item);
    const int size = SeparatorSize();
    if (!Item.FirstInBar) DrawSeparatorLine(DC, TRect{r.Left, r.Top, r.Right, r.Top + size});
    DrawSeparatorLine(DC, TRect{r.Left, r.Bottom - size, r.Right, r.Bottom});
  } else if (Item.InMenu) {
    SubMenuDrawBeginGroup(DC, Item, r);
  } else {
    DrawToolbarSeparator(DC, Bar, Item.Vertical, Bar.ToolbarBrush, r);
  }
}

TRect TdxBarPainter::CalcStaticItemSize(HDC DC, const TdxBarItemPaintInfo& Item, int LeadingIndent,
                                        int TrailingIndent) const {
  TRect r = Item.ItemRect;
  if (Item.Vertical) {
    FillBrush(DC, TRect{r.Left, r.Top, r.Right, r.Top + LeadingIndent}, Item.BarBrush);
    FillBrush(DC, TRect{r.Left, r.Bottom - TrailingIndent, r.Right, r.Bottom}, Item.BarBrush);
    r.Top += LeadingIndent;
    r.Bottom -= TrailingIndent;
  } else {
    FillBrush(DC, TRect{r.Left, r.Top, r.Left + LeadingIndent, r.Bottom}, Item.BarBrush);
    FillBrush(DC, TRect{r.Right - TrailingIndent, r.Top, r.Right, r.Bottom}, Item.BarBrush);
    r.Left += LeadingIndent;
    r.Right -= TrailingIndent;
  }
  DrawStaticBorder(DC, Item.BorderStyle, r);
  return r;
}

// --- Headers -------------------------------------------------------------------------------

void TdxBarPainter::DrawHeaderBackground(HDC DC, const TdxBarItemPaintInfo& Item) const {
  const TRect& r = Item.ItemRect;
  FillBrush(DC, TRect{r.Left, r.Top, r.Right, r.Top + 1}, Item.BarBrush);
  const TRect rest{r.Left, r.Top + 1, r.Right, r.Bottom};
  FillBrush(DC, rest, Item.Selected && Item.SelectedBrush ? Item.SelectedBrush : HeaderBrush());
  if (Item.Selected) DrawSelectionBackground(DC, Item, rest);
}

void TdxBarPainter::DrawHeaderArrow(HDC DC, const TdxBarItemPaintInfo& Item, bool Expanded) const {
  const TRect& r = Item.ItemRect;
  const int size = Item.ArrowSize;
  const TRect arrow{r.Right - HeaderTextIndent() - 2 * size, r.Top, r.Right - HeaderTextIndent(), r.Bottom};
  DrawSubMenuArrow(DC, arrow, Expanded ? dxBarArrowDown : dxBarArrowRight, size,
                   ItemArrowColor(Item.Enabled, Item.Selected, HasFlatLook()), true, false);
}

void TdxBarPainter::DrawHeaderItem(HDC DC, const TdxBarItemPaintInfo& Item, bool Expanded) const {
  DrawHeaderBackground(DC, Item);
  const HGDIOBJ oldFont = Item.Font ? SelectObject(DC, Item.Font) : nullptr;
  TdxBarFinally restoreFont([&] {
    if (oldFont) SelectObject(DC, oldFont);
  });
  const TRect& r = Item.ItemRect;
  DrawItemText(DC, DT_SINGLELINE, HeaderFlatText(), false, false, HeaderTextSelected(Item), Item.Enabled, 0,
               TRect{r.Left + HeaderTextIndent(), r.Top, r.Right, r.Bottom}, Item.Caption);
  if (Item.Enabled) DrawHeaderArrow(DC, Item, Expanded);
}

// --- Spin buttons --------------------------------------------------------------------------

TPoint TdxBarPainter::SpinArrowOrigin(const TRect& Button, int ArrowOffset, int ArrowSize, bool Up) const {
  const int y = Button.Top + ((Button.Bottom - Button.Top) - ArrowSize) / 2;
  return TPoint{Button.Left + ArrowOffset, Up ? y + ArrowSize - 1 : y};
}

TRect TdxBarPainter::CalcSpinTextRect(const TRect& Item) const {
  TRect r = Item;
  const TRect buttons = CalcSpinButtonRect(Item, 0);
  if (buttons.Right > buttons.Left) r.Right = buttons.Left - SpinButtonMargins().Left;
  return r;
}

void TdxBarPainter::DrawSpinButton(HDC DC, const TdxBarItemPaintInfo& Item, int Button, int State,
                                   const TRect& R) const {
  TdxBarItemPaintInfo button = Item;
  button.Pressed = State == 3;
  button.Selected = State == 2 || State == 3;
  button.Enabled = State != 4;
  DrawEditFrame(DC, button, R);
  const int size = SpinArrowSize(2 * (R.Bottom - R.Top)).cx, rows = (size + 1) / 2;
  const TPoint origin = SpinArrowOrigin(R, Item.ArrowOffset, rows, Button == 1);
  const int shift = button.Pressed ? 1 : 0;
  // The origin is the row at the arrow's base: the bottom row of an up arrow.
  const int top = (Button == 1 ? origin.Y - rows + 1 : origin.Y) + shift;
  DrawSpinArrow(DC, TRect{origin.X + shift, top, origin.X + shift + size, top + rows}, size, Button == 1,
                button.Enabled);
}

void TdxBarPainter::FillSpinBackground(HDC DC, const TdxBarItemPaintInfo& Item, const TRect& R) const {
  FillItemBackground(DC, Item, Item.BarBrush, false, R);
}

// --- Edit items ----------------------------------------------------------------------------

bool TdxBarPainter::EditCaptionSolid(const TdxBarItemPaintInfo& Item) const {
  return Item.InMenu && (Item.Selected || Item.NonRecent);
}

bool TdxBarPainter::EditMarginSolid(const TdxBarItemPaintInfo& Item) const { return Item.InMenu && Item.NonRecent; }

int TdxBarPainter::EditCaptionLeftMargin(const TdxBarItemPaintInfo& Item) const {
  if (!Item.ShowsGlyph) return EditCaptionMargin();
  return Item.InMenu ? EditMenuCaptionMargin() : 0;
}

TRect TdxBarPainter::EditPartMargins(const TdxBarItemPaintInfo& Item, int Part) const {
  if (Part == 0) return TRect{EditCaptionLeftMargin(Item), 0, EditCaptionRightMargin(), 0};
  if (Item.InMenu) return EditMenuGlyphMargins();
  return TRect{(ButtonSize(Item.GlyphSize).cx - Item.GlyphSize) / 2, 0, ItemTextMargins().Left, 0};
}

TRect TdxBarPainter::CalcInnerGlyphRect(const TRect& R, const TRect& ImageBounds, int GlyphWidth) const {
  TRect r = R;
  if (EditHasInnerGlyph() && ItemHasImageBounds(ImageBounds)) r.Right = r.Left + GlyphWidth + EditGlyphMargins().Right;
  return r;
}

void TdxBarPainter::DrawEditCaptionBackground(HDC DC, const TdxBarItemPaintInfo& Item, const TRect& Caption,
                                              const TRect& Glyph) const {
  const HBRUSH area = Item.InMenu && Item.Selected && Item.SelectedBrush ? Item.SelectedBrush : Item.BarBrush;
  if (Item.ShowsCaption) {
    const int margin = EditPartMargins(Item, 0).Right;
    FillItemBackground(DC, Item, area, EditCaptionSolid(Item),
                       TRect{Caption.Left, Caption.Top, Caption.Right - margin, Caption.Bottom});
    FillItemBackground(DC, Item, EditCaptionBrush(Item), EditMarginSolid(Item),
                       TRect{Caption.Right - margin, Caption.Top, Caption.Right, Caption.Bottom});
  }
  if (!Item.InMenu && Item.ShowsGlyph) FillItemBackground(DC, Item, area, EditCaptionSolid(Item), Glyph);
}

void TdxBarPainter::DrawEditCaption(HDC DC, const TdxBarItemPaintInfo& Item, const TRect& R) const {
  TRect r = R;
  r.Right -= EditPartMargins(Item, 0).Right;
  const HGDIOBJ oldFont = Item.Font ? SelectObject(DC, Item.Font) : nullptr;
  DrawItemText(DC, DT_SINGLELINE, true, false, false, Item.InMenu && Item.Selected, Item.Enabled, 2, r, Item.Caption);
  if (oldFont) SelectObject(DC, oldFont);
  ExcludeClipRect(DC, R.Left, R.Top, R.Right, R.Bottom);
}

void TdxBarPainter::DrawEditItemGlyph(HDC DC, const TdxBarItemPaintInfo& Item, const TRect& R) const {
  TRect r = R;
  if (!Item.InMenu) {
    const TRect m = EditPartMargins(Item, 1);
    r.Left += m.Left;
    r.Right -= m.Right;
  }
  TdxBarItemPaintInfo glyph = Item;
  glyph.Pressed = EditGlyphShowsPressed();
  DrawItemGlyphImage(DC, glyph, r);
  ExcludeClipRect(DC, R.Left, R.Top, R.Right, R.Bottom);
}

void TdxBarPainter::DrawEditBorder(HDC DC, const TdxBarItemPaintInfo& Item, bool EditActive, TRect& R) const {
  if (Item.Selected)
    Edge(DC, R, BDR_SUNKENOUTER, BF_RECT);
  else
    FrameBrush(DC, R, Item.BarBrush);
  const TRect inner = Shrunk(R, 1);
  // The inner ring in the bar's brush while the value can be edited, lighter when it cannot.
  if (Item.Enabled || EditActive)
    FrameBrush(DC, inner, Item.BarBrush);
  else
    FrameColor(DC, inner, clBtnHighlight);
  R = Shrunk(R, 2);
}

void TdxBarPainter::DrawEditValue(HDC DC, const TRect& R, const String& Text) const {
  FillRect(DC, AsRect(R), static_cast<HBRUSH>(GetCurrentObject(DC, OBJ_BRUSH)));
  const TRect offsets = CaptionOffsets(), borders = CaptionBorderWidths();
  RECT r{R.Left + offsets.Left, R.Top + offsets.Top + borders.Top, R.Right - offsets.Right,
         R.Bottom - offsets.Bottom - borders.Bottom};
  const int oldMode = SetBkMode(DC, TRANSPARENT);
  DrawTextW(DC, Text.c_str(), int(Text.size()), &r, DT_NOPREFIX | DT_SINGLELINE | DT_VCENTER | DT_LEFT);
  SetBkMode(DC, oldMode);
}

void TdxBarPainter::DrawComboListLine(HDC DC, const TRect& R, const String& Text) const {
  FillRect(DC, AsRect(R), static_cast<HBRUSH>(GetCurrentObject(DC, OBJ_BRUSH)));
  RECT r{R.Left + 2, R.Top, R.Right, R.Bottom};
  const int oldMode = SetBkMode(DC, TRANSPARENT);
  DrawTextW(DC, Text.c_str(), int(Text.size()), &r, DT_NOPREFIX | DT_SINGLELINE | DT_TOP | DT_LEFT);
  SetBkMode(DC, oldMode);
}

// --- Arrows --------------------------------------------------------------------------------

void TdxBarPainter::DrawSubMenuArrow(HDC DC, const TRect& R, int Direction, int Size, TColor Color, bool Enabled,
                                     bool Selected) const {
  DrawArrowOfSize(DC, R, Direction, Color, HasFlatLook(), Enabled, Selected, Size);
}

void TdxBarPainter::DrawSubItemArrow(HDC DC, const TdxBarItemPaintInfo& Item) const {
  TRect r = Item.ItemRect;
  TdxBarItemPaintInfo dropped = Item;
  dropped.Pressed = Item.DroppedDown;
  if (!Item.InMenu) OffsetPressedContent(dropped, r);
  const int size = Item.InMenu ? Item.ArrowSize : Item.ArrowSize - 1;
  const int direction = Item.InMenu || Item.Vertical ? dxBarArrowRight : dxBarArrowDown;
  TColor color = ItemArrowColor(Item.Enabled, Item.Selected && Item.InMenu, HasFlatLook());
  if (!Item.Enabled) color = clGrayText;
  TRect arrow;
  if (Item.InMenu) {
    const int left = r.Right + size - Item.TextSize;
    arrow = TRect{left, r.Top, left + size + 1, r.Bottom};
  } else {
    const int cx = (r.Left + r.Right) / 2, cy = (r.Top + r.Bottom) / 2 + Item.TextSize / 2;
    arrow = TRect{cx - size, cy - size, cx + size, cy + size};
  }
  DrawSubMenuArrow(DC, arrow, direction, size, color, Item.Enabled, Item.InMenu && Item.Selected);
}

// --- Menus and panes -----------------------------------------------------------------------

void TdxBarPainter::SubMenuFillBackground(HDC DC, const TdxBarControlPaintInfo& Bar, HBRUSH Brush,
                                          const TRect& R) const {
  FillBarBackground(DC, R, Bar.Bounds, Bar.BackgroundBitmap, clBtnFace, Brush);
}

void TdxBarPainter::ExtraPaneFillBackground(HDC DC, const TdxBarControlPaintInfo& Pane, HBRUSH Brush,
                                            const TRect& R) const {
  FillBarBackground(DC, R, Pane.Bounds, Pane.BackgroundBitmap, clBtnFace, Brush);
}

void TdxBarPainter::AppMenuDrawExtraPaneArea(HDC DC, const TdxBarControlPaintInfo& Bar, const TRect& Excluded,
                                             const TRect& R) const {
  HRGN region = nullptr;
  bool exists = false;
  SaveDCClipRegion(DC, region, exists);
  TdxBarFinally restore([&] { RestoreDCClipRegion(DC, region, exists); });
  ExcludeClipRect(DC, Excluded.Left, Excluded.Top, Excluded.Right, Excluded.Bottom);
  SubMenuFillBackground(DC, Bar, Bar.ToolbarBrush, R);
}

void TdxBarPainter::DrawStatusBarSizeGrip(HDC DC, const TdxBarControlPaintInfo& Bar) const {
  if (!Bar.StatusBarLike || !Bar.ShowsSizeGrip) return;
  const TRect offsets = StatusBarBorderOffsets();
  const TRect area{Bar.ClientRect.Left + offsets.Left, Bar.ClientRect.Top + offsets.Top,
                   Bar.ClientRect.Right - offsets.Right, Bar.ClientRect.Bottom - offsets.Bottom};
  const TSize grip = SizeGripSize();
  const TRect strip{area.Right - grip.cx, area.Top, area.Right, area.Bottom};
  DrawBarBackground(DC, Bar, Bar.ToolbarBrush, clBtnFace, Bar.Bounds, strip);
  DrawTransparentSizeGrip(DC, TRect{strip.Left, strip.Bottom - grip.cy, strip.Right, strip.Bottom});
}

void TdxBarPainter::EditColors(bool Enabled, TColor StyleColor, TColor StyleTextColor, HBRUSH BarBrush, TColor& Text,
                               TColor& Back) const {
  Text = EditFontColor(Enabled, StyleTextColor);
  Back = EditColor(Enabled, StyleColor, BarBrush);
}

void TdxBarPainter::DrawEditText(HDC DC, const TdxBarItemPaintInfo& Item, TColor StyleColor, TColor StyleTextColor,
                                 const TRect& R, const String& Text) const {
  TColor text{}, back{};
  EditColors(Item.Enabled, StyleColor, StyleTextColor, Item.BarBrush, text, back);
  HBRUSH brush = CreateSolidBrush(RGBOf(back));
  const HGDIOBJ oldBrush = SelectObject(DC, brush);
  const HGDIOBJ oldFont = Item.Font ? SelectObject(DC, Item.Font) : nullptr;
  const COLORREF oldText = SetTextColor(DC, RGBOf(text));
  HRGN region = nullptr;
  bool exists = false;
  SaveDCClipRegion(DC, region, exists);
  TdxBarFinally restore([&] {
    RestoreDCClipRegion(DC, region, exists);
    SetTextColor(DC, oldText);
    if (oldFont) SelectObject(DC, oldFont);
    SelectObject(DC, oldBrush);
    DeleteObject(brush);
  });
  IntersectClipRect(DC, R.Left, R.Top, R.Right, R.Bottom);
  DrawEditValue(DC, R, Text);
}

void TdxBarPainter::DrawEditItem(HDC DC, const TdxBarItemPaintInfo& Item, const TRect& Caption, const TRect& Glyph,
                                 const TRect& Edit, const String& Text) const {
  DrawEditCaptionBackground(DC, Item, Caption, Glyph);
  if (Item.InMenu && Item.Selected) DrawEditMenuSelection(DC, Item, Item.ItemRect);
  {
    // The caption and glyph parts keep themselves out of what follows until the item is done.
    HRGN region = nullptr;
    bool exists = false;
    SaveDCClipRegion(DC, region, exists);
    TdxBarFinally restore([&] { RestoreDCClipRegion(DC, region, exists); });
    if (Item.ShowsGlyph) DrawEditItemGlyph(DC, Item, Glyph);
    if (Item.ShowsCaption) DrawEditCaption(DC, Item, Caption);
    TRect edit = Edit;
    DrawEditBorder(DC, Item, false, edit);
    DrawEditText(DC, Item, clDefault, clDefault, edit, Text);
  }
}

void TdxBarPainter::AssignEditLookAndFeel(TdxBarManager* AManager, TcxLookAndFeel* ALookAndFeel) const {
  if (AManager && ALookAndFeel) AManager->ApplyStyleToLookAndFeel(ALookAndFeel);
}
