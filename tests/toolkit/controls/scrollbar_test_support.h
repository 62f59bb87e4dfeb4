// A painter that records what the scroll bars ask of it, put in force as a
// skin by name, and a control whose bars follow a content size.
#pragma once

#include "controls_test_support.h"

namespace controls_test {

struct TPartCall {
  TcxScrollBarPart Part;  // sbpNone: the background
  TcxButtonState State;
  TRect Rect;
  bool Horizontal;
  friend bool operator==(const TPartCall&, const TPartCall&) = default;
};
inline std::ostream& operator<<(std::ostream& os, const TPartCall& c) {
  return os << "part " << int(c.Part) << " state " << int(c.State) << " (" << c.Rect.Left << ", " << c.Rect.Top
            << ", " << c.Rect.Right << ", " << c.Rect.Bottom << ")" << (c.Horizontal ? " horizontal" : " vertical");
}

class TRecordingPainter : public TcxStandardLookAndFeelPainter {
  VAMIRE_CLASS(TRecordingPainter, TcxStandardLookAndFeelPainter)
 public:
  static TRecordingPainter* Get() {
    static TRecordingPainter painter;
    return &painter;
  }
  static constexpr const wchar_t* Name = L"Recorder";

  mutable std::vector<TPartCall> Calls;
  bool Hot = false;

  void DrawScrollBarBackground(TcxCanvas* ACanvas, const TRect& R, bool AHorizontal) const override {
    Calls.push_back(TPartCall{sbpNone, cxbsNormal, R, AHorizontal});
    ACanvas->FillRect(R, clBtnFace);
  }
  void PaintScrollBarPart(TcxCanvas* ACanvas, bool AHorizontal, const TRect& R, TcxScrollBarPart APart,
                          TcxButtonState AState) const override {
    Calls.push_back(TPartCall{APart, AState, R, AHorizontal});
    TcxStandardLookAndFeelPainter::PaintScrollBarPart(ACanvas, AHorizontal, R, APart, AState);
  }
  bool HasHotScrollBarParts() const override { return Hot; }
  int GetMinScrollBarThumbSize(bool) const override { return 8; }
  TColor GetScrollBarsCornerColor() const override { return clFuchsia; }
  std::vector<TPartCall> Take() const {
    std::vector<TPartCall> calls;
    calls.swap(Calls);
    return calls;
  }

 private:
  TRecordingPainter() = default;
};

// Filed as a skin for its lifetime.
class TRecordingPainterScope {
 public:
  TRecordingPainterScope() {
    ExtendedStylePainterRegistry()->Register(TRecordingPainter::Name, TRecordingPainter::Get(), nullptr);
  }
  ~TRecordingPainterScope() {
    ExtendedStylePainterRegistry()->Unregister(TRecordingPainter::Name);
    TRecordingPainter::Get()->Calls.clear();
    TRecordingPainter::Get()->Hot = false;
  }
  static void Use(TcxLookAndFeel* ALookAndFeel) {
    ALookAndFeel->SetNativeStyle(false);
    ALookAndFeel->SetSkinName(TRecordingPainter::Name);
  }
};

// A scroll bar whose freed memory stays poisoned.
class TQuarantinedScrollBar : public TcxScrollBar {
  VAMIRE_CLASS(TQuarantinedScrollBar, TcxScrollBar)
 public:
  using TcxScrollBar::TcxScrollBar;
  static void* operator new(std::size_t Size) { return TQuarantine::Allocate(Size); }
  static void operator delete(void* P) { TQuarantine::Keep(P); }
};

// Records the scroll codes and positions a bar reports, and its changes.
struct TScrollLog : TObject {
  std::vector<std::pair<TScrollCode, int>> Scrolls;
  int Changes = 0;
  void Scroll(TObject*, TScrollCode Code, int& Pos) { Scrolls.push_back({Code, Pos}); }
  void Change(TObject*) { ++Changes; }
  void Attach(TcxScrollBar* Bar) {
    Bar->OnScroll = TScrollEvent(this, &TScrollLog::Scroll);
    Bar->OnChange = TNotifyEvent(this, &TScrollLog::Change);
  }
  std::vector<TScrollCode> Codes() const {
    std::vector<TScrollCode> codes;
    for (const auto& s : Scrolls) codes.push_back(s.first);
    return codes;
  }
};

// A control whose bars show a content of ContentWidth x ContentHeight pixels,
// with pages the client bounds give (or fixed ones).
class TScrollingControl : public TTestControl {
  VAMIRE_CLASS(TScrollingControl, TTestControl)
 public:
  using TTestControl::TTestControl;
  int ContentWidth = 0, ContentHeight = 0;
  int FixedPageWidth = 0, FixedPageHeight = 0;  // 0: from the client bounds
  bool AllowHide = true;
  bool Pixel = false;
  // Wants a vertical bar exactly while it has none: a content that never settles.
  bool Contrary = false;
  int Computations = 0;
  std::vector<std::pair<TScrollBarKind, int>> Scrolled;

 protected:
  void ComputeScrollBarParams() override {
    ++Computations;
    const TRect client = GetClientBounds();
    if (Contrary) {
      const int height = VScrollBar()->Visible() ? 0 : 1000;
      SetScrollBarInfo(sbHorizontal, 0, 0, 1, 1, 0, true, true);
      SetScrollBarInfo(sbVertical, 0, height, 1, 100, 0, true, true);
      return;
    }
    const int pageW = FixedPageWidth ? FixedPageWidth : client.Right - client.Left;
    const int pageH = FixedPageHeight ? FixedPageHeight : client.Bottom - client.Top;
    SetScrollBarInfo(sbHorizontal, 0, ContentWidth - 1, 1, pageW, 0, true, AllowHide);
    SetScrollBarInfo(sbVertical, 0, ContentHeight - 1, 1, pageH, 0, true, AllowHide);
  }
  bool IsPixelScrollBar(TScrollBarKind) override { return Pixel; }
  void Scroll(TScrollBarKind AKind, TScrollCode, int& APos) override { Scrolled.push_back({AKind, APos}); }
};

}  // namespace controls_test
