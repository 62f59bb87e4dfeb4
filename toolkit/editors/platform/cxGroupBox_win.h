// The group box's drawing steps that stand without the control: the frame of
// the drawn looks by border style, and the caption text, turned along a left
// or right side. The layout is in cxGroupBox.h.
#pragma once

#include <windows.h>

#include "cxEdit.h"
#include "cxGraphics_win.h"
#include "cxGroupBox.h"

struct TcxGroupBoxFrameParams {
  TcxEditBorderStyle BorderStyle = ebsSingle;  // the effective one
  bool Ctl3D = true;
  TColor BorderColor = clBtnShadow;
  TColor BackgroundColor = clBtnFace;
  TcxBorders Edges = cxBordersAll;
  bool Enabled = true;
  TcxGroupBoxCaptionPosition Position = cxgpTop;
};

// The frame of a box drawn neither natively nor by a skin, on AFrame:
// ebsSingle a 1-pixel and ebsThick a 2-pixel frame in the border colour (then
// left out of the clip region); ebsFlat the flat painter's group-box frame;
// ebs3D the standard painter's with Ctl3D, else a clWindowFrame line with a
// line of the background colour inside it; ebsUltraFlat, ebsOffice11 and
// ebsNone draw none. The flat and standard painters are taken by class
// (D-81), whatever look the box follows.
void PaintGroupBoxFrameByBorderStyle(TcxCanvas* ACanvas, const TRect& AFrame, const TcxGroupBoxFrameParams& AParams);

// The caption in the canvas font and colour over what is there. A framed
// box's side captions are turned, left ones a quarter turn clockwise (they
// read downwards) and right ones counter-clockwise; every other caption is
// drawn level. AFlags are DrawText's.
void DrawGroupBoxCaptionText(TcxCanvas* ACanvas, const String& ACaption, const TRect& ATextRect,
                             TcxCaptionAlignment AAlignment, bool APanelStyle, unsigned AFlags);
