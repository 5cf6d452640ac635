// The plain classic frame of a form: styles from the border properties,
// frame geometry, caption buttons, hit testing and painting.
#pragma once

#include "platform/gfx/Canvas.h"
#include "platform/ui/forms/Form.h"

namespace ui {

class FormFrame {
 public:
  static void ComputeStyles(const Form& f, std::uint32_t& style, std::uint32_t& exStyle);
  // The styles in force (computed from the properties before the window exists).
  static void EffectiveStyles(const Form& f, std::uint32_t& style, std::uint32_t& exStyle);
  static int BorderWidth(const Form& f);
  static int CaptionHeight(const Form& f);
  static Form::FrameInsets Insets(const Form& f);
  // Window coordinates.
  static gfx::Rect CaptionRect(const Form& f);
  static gfx::Rect MenuBarRect(const Form& f);
  static gfx::Rect IconRect(const Form& f);
  static gfx::Rect ButtonRect(const Form& f, int hit);
  static int HitTest(const Form& f, gfx::Point screen);
  static void Paint(Form& f, gfx::Canvas& c, int pressedButton);
  static MinMaxInfo DefaultMinMax(const Form& f);
};

}  // namespace ui
