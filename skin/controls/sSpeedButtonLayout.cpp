#include "skin/controls/sSpeedButtonLayout.h"

namespace skin {

using ui::Alignment;
using ui::ButtonLayout;

int MarginOffset(int margin) { return margin < 0 ? 0 : margin + 3; }

int CaptionRoom(const SpeedButtonMetrics& m) {
  if (!m.HasCaption) return 0;
  int room = m.W - 2 * m.Margin - m.ArrowWidth;
  const bool side = m.Layout == ButtonLayout::blGlyphLeft || m.Layout == ButtonLayout::blGlyphRight;
  if (side && m.PW != 0) room -= m.PW + m.Spacing;
  return room;
}

gfx::Rect SpeedPictureBox(const SpeedButtonMetrics& m) {
  const int mo = MarginOffset(m.Margin);
  const int aw = m.ArrowWidth;
  const int sp = m.PW > 0 && m.HasCaption ? m.Spacing : 0;
  const int x = (m.W - aw - m.PW - sp - m.TW) / 2 - mo;
  const int v = (m.H - m.PH - sp - m.TH) / 2 - mo;
  const int middle = (m.H - m.PH) / 2;
  int left = 0, top = middle;
  switch (m.Layout) {
    case ButtonLayout::blGlyphLeft:
      left = m.Alignment == Alignment::taLeftJustify    ? mo
             : m.Alignment == Alignment::taRightJustify ? mo + 2 * x
                                                        : mo + x;
      break;
    case ButtonLayout::blGlyphRight:
      left = m.Alignment == Alignment::taLeftJustify    ? m.W - aw - mo - 2 * x - sp - m.PW
             : m.Alignment == Alignment::taRightJustify ? m.W - aw - m.PW - mo
                                                        : (m.W - aw - m.PW + sp + m.TW) / 2;
      break;
    case ButtonLayout::blGlyphTop:
      left = (m.W - aw - m.PW) / 2 + 1;
      top = v + mo;
      break;
    case ButtonLayout::blGlyphBottom:
      left = (m.W - aw - m.PW) / 2 + 1;
      top = m.H - mo - v - m.PH;
      break;
  }
  if (m.Pressed) {
    ++left;
    ++top;
  }
  if (m.Reflected) top -= m.PH / 6;
  return {left, top, left + m.PW, top + m.PH};
}

gfx::Rect SpeedCaptionBox(const SpeedButtonMetrics& m) {
  const int mo = MarginOffset(m.Margin);
  const int aw = m.ArrowWidth;
  const int spx = m.PW > 0 && m.HasCaption ? m.Spacing : 0;
  const int spy = m.PH > 0 && m.HasCaption ? m.Spacing : 0;
  const int spg = m.PW > 0 ? m.Spacing : 0;
  const int x = (m.W - aw - m.PW - spx - m.TW) / 2 - mo;
  const int v = (m.H - m.PH - spy - m.TH) / 2 - mo;
  const int t0 = (m.H - m.TH) / 2;
  gfx::Rect r{0, t0, 0, m.H - t0};
  switch (m.Layout) {
    case ButtonLayout::blGlyphLeft:
      if (m.Alignment == Alignment::taLeftJustify) {
        r.Left = m.PW + m.Margin + spg;
        r.Right = m.W - aw - mo - 2 * x;
      } else if (m.Alignment == Alignment::taRightJustify) {
        r.Left = mo + 2 * x + m.PW + spg;
        r.Right = m.W - aw - mo;
      } else {
        r.Left = m.PW + mo + x + spg;
        r.Right = m.W - aw - mo - x;
      }
      break;
    case ButtonLayout::blGlyphRight:
      r.Left = m.Alignment == Alignment::taLeftJustify    ? mo
               : m.Alignment == Alignment::taRightJustify ? mo + 2 * x
                                                          : mo + x;
      r.Right = r.Left + m.TW;
      break;
    case ButtonLayout::blGlyphTop:
      r.Left = (m.W - m.TW - aw) / 2;
      r.Top = m.PH + mo + v + spy;
      r.Right = m.W - r.Left - aw;
      r.Bottom = m.H - v - mo;
      break;
    case ButtonLayout::blGlyphBottom:
      r.Left = (m.W - m.TW - aw) / 2;
      r.Top = mo + v;
      r.Right = m.W - r.Left - aw;
      r.Bottom = m.H - v - mo - m.PH - spy;
      break;
  }
  gfx::Rect out{r.Left - 1 + m.TextOffset, r.Top, r.Right + 2 + m.TextOffset, r.Bottom};
  return m.Pressed ? out.Offset(1, 1) : out;
}

}  // namespace skin
