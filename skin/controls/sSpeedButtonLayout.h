// Where a skinned speed button puts its picture and its caption: pure
// integer layout of the button's size, margin, spacing, the picture's and
// the caption's sizes, the layout and the alignment.
#pragma once

#include "platform/gfx/Geometry.h"
#include "platform/ui/Control.h"
#include "platform/ui/controls/SpeedButton.h"

namespace skin {

struct SpeedButtonMetrics {
  int W = 0, H = 0;
  int ArrowWidth = 0;  // 16 for a drop-down button
  int Margin = -1;
  int Spacing = 4;
  int PW = 0, PH = 0;   // picture
  int TW = 0, TH = 0;   // measured caption
  bool HasCaption = false;  // ShowCaption and a non-empty caption
  ui::ButtonLayout Layout = ui::ButtonLayout::blGlyphLeft;
  ui::Alignment Alignment = ui::Alignment::taCenter;
  int TextOffset = 0;
  bool Pressed = false;  // visual state 2
  bool Reflected = false;
};

// 0 for a negative margin, else margin + 3.
int MarginOffset(int margin);
// The width the caption may wrap in (0 without a caption).
int CaptionRoom(const SpeedButtonMetrics& m);
gfx::Rect SpeedPictureBox(const SpeedButtonMetrics& m);
// The final caption rectangle (one wider on the left, two on the right,
// moved by TextOffset and by (1, 1) when pressed). An empty caption gives a
// rectangle that may come out inverted: painters treat it as empty.
gfx::Rect SpeedCaptionBox(const SpeedButtonMetrics& m);

}  // namespace skin
