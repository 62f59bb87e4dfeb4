// Alignment of child controls: top, bottom, left, right, client and custom
// edges in that order, then anchors that keep their distances when the
// parent's size changes.
#include <algorithm>

#include "Controls.h"

void TWinControl::DisableAlign() { ++FAlignLevel; }

void TWinControl::EnableAlign() {
  if (FAlignLevel == 0) return;
  if (--FAlignLevel == 0 && FControlState.Contains(csAlignmentNeeded)) Realign();
}

void TWinControl::Realign() { AlignControl(nullptr); }

void TWinControl::AlignControl(TControl* AControl) {
  if (ComponentState().Contains(csDestroying)) return;
  if (FAlignLevel != 0 || ComponentState().Contains(csLoading)) {
    FControlState.Include(csAlignmentNeeded);
    return;
  }
  DisableAlign();
  try {
    TRect r = GetClientRect();
    AlignControls(AControl, r);
  } catch (...) {
    FControlState.Exclude(csAlignmentNeeded);
    --FAlignLevel;
    throw;
  }
  FControlState.Exclude(csAlignmentNeeded);
  --FAlignLevel;
}

void TWinControl::AdjustClientRect(TRect& Rect) {
  Rect.Left += FBorderWidth;
  Rect.Top += FBorderWidth;
  Rect.Right -= FBorderWidth;
  Rect.Bottom -= FBorderWidth;
}

bool TWinControl::CustomAlignInsertBefore(TControl* C1, TControl* C2) {
  if (OnAlignInsertBefore) return OnAlignInsertBefore(this, C1, C2);
  return false;
}

void TWinControl::CustomAlignPosition(TControl* Control, int& NewLeft, int& NewTop, int& NewWidth, int& NewHeight,
                                      TRect& AlignRect, const TAlignInfo& AlignInfo) {
  if (OnAlignPosition) OnAlignPosition(this, Control, NewLeft, NewTop, NewWidth, NewHeight, AlignRect, AlignInfo);
}

namespace {
bool InsertBefore(TWinControl* Parent, TControl* C1, TControl* C2, TAlign AAlign,
                  bool (TWinControl::*custom)(TControl*, TControl*)) {
  switch (AAlign) {
    case alTop: return C1->Top() < C2->Top();
    case alBottom: return C1->Top() + C1->Height() >= C2->Top() + C2->Height();
    case alLeft: return C1->Left() < C2->Left();
    case alRight: return C1->Left() + C1->Width() >= C2->Left() + C2->Width();
    case alCustom: return (Parent->*custom)(C1, C2);
    default: return false;
  }
}

bool Shown(TControl* c) {
  return c->Visible() || (c->ComponentState().Contains(csDesigning) && !c->ControlStyle().Contains(csNoDesignVisible));
}
}  // namespace

// Bounds set by the layout are not the user's: they don't re-record anchors.
void TWinControl::MoveForLayout(TControl* Control, int Left, int Top, int Width, int Height) {
  ++Control->FAnchorMove;
  try {
    Control->SetBounds(Left, Top, Width, Height);
  } catch (...) {
    --Control->FAnchorMove;
    throw;
  }
  --Control->FAnchorMove;
}

void TWinControl::DoAlign(TAlign AAlign, TControl* AControl, TRect& Rect, std::vector<TControl*>& List) {
  List.clear();
  // The control that asked is compared at the place it was just given.
  if (AControl && AControl->Align() == AAlign && (AAlign == alNone || Shown(AControl))) List.push_back(AControl);
  for (int i = 0; i < ControlCount(); ++i) {
    TControl* c = Controls(i);
    if (c == AControl || c->Align() != AAlign || (AAlign != alNone && !Shown(c))) continue;
    size_t j = 0;
    while (j < List.size() && !InsertBefore(this, c, List[j], AAlign, &TWinControl::CustomAlignInsertBefore)) ++j;
    List.insert(List.begin() + std::ptrdiff_t(j), c);
  }
  for (size_t i = 0; i < List.size(); ++i) {
    TControl* c = List[i];
    TAlignInfo info{&List, int(i), AAlign, 0};
    if (AAlign == alNone || c->Anchors() != AnchorAlign[AAlign]) {
      if (c->FOriginalParentSize.X != 0 && c->FOriginalParentSize.Y != 0) {
        int l = c->Left(), t = c->Top(), w = c->Width(), h = c->Height();
        const TRect pr = GetClientRect();
        const TPoint size{pr.Right, pr.Bottom};
        const TAnchors a = c->Anchors();
        if (a.Contains(akRight)) {
          if (a.Contains(akLeft))
            w = size.X - (c->FOriginalParentSize.X - c->FAnchorRules.X);
          else
            l = size.X - (c->FOriginalParentSize.X - c->FAnchorRules.X);
        } else if (!a.Contains(akLeft)) {
          l = MulDiv(c->FAnchorRules.X, size.X, c->FOriginalParentSize.X) - w / 2;
        }
        if (a.Contains(akBottom)) {
          if (a.Contains(akTop))
            h = size.Y - (c->FOriginalParentSize.Y - c->FAnchorRules.Y);
          else
            t = size.Y - (c->FOriginalParentSize.Y - c->FAnchorRules.Y);
        } else if (!a.Contains(akTop)) {
          t = MulDiv(c->FAnchorRules.Y, size.Y, c->FOriginalParentSize.Y) - h / 2;
        }
        MoveForLayout(c, l, t, w, h);
      }
      if (AAlign == alNone) continue;
    }
    int w = Rect.Right - Rect.Left;
    if (w < 0 || AAlign == alLeft || AAlign == alRight || AAlign == alCustom) w = c->Width();
    int h = Rect.Bottom - Rect.Top;
    if (h < 0 || AAlign == alTop || AAlign == alBottom || AAlign == alCustom) h = c->Height();
    int l = Rect.Left, t = Rect.Top;
    switch (AAlign) {
      case alTop: Rect.Top += h; break;
      case alBottom:
        Rect.Bottom -= h;
        t = Rect.Bottom;
        break;
      case alLeft: Rect.Left += w; break;
      case alRight:
        Rect.Right -= w;
        l = Rect.Right;
        break;
      case alCustom:
        l = c->Left();
        t = c->Top();
        CustomAlignPosition(c, l, t, w, h, Rect, info);
        break;
      default: break;
    }
    MoveForLayout(c, l, t, w, h);
    // A control that kept another size (constraints) gives back or takes the difference.
    if (c->Width() != w || c->Height() != h) {
      switch (AAlign) {
        case alTop: Rect.Top -= h - c->Height(); break;
        case alBottom: Rect.Bottom += h - c->Height(); break;
        case alLeft: Rect.Left -= w - c->Width(); break;
        case alRight: Rect.Right += w - c->Width(); break;
        case alClient:
          Rect.Right += w - c->Width();
          Rect.Bottom += h - c->Height();
          break;
        default: break;
      }
    }
  }
}

void TWinControl::AlignControls(TControl* AControl, TRect& Rect) {
  bool work = false;
  for (int i = 0; i < ControlCount() && !work; ++i) {
    TControl* c = Controls(i);
    work = c->Align() != alNone || c->Anchors() != TAnchors{akLeft, akTop};
  }
  if (work) {
    AdjustClientRect(Rect);
    std::vector<TControl*> list;
    for (TAlign a : {alTop, alBottom, alLeft, alRight, alClient, alCustom, alNone}) DoAlign(a, AControl, Rect, list);
  }
  ControlsAligned();
}
