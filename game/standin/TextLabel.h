// Plain labels standing in for the skinned label and web label until the
// toolkit's standard controls exist.
#pragma once

#include <string>

#include "platform/ui/Control.h"

namespace game::standin {

enum class TextLayout { Top, Center, Bottom };

// Text in the label's rectangle; line breaks at CR, LF or CRLF. With
// WordWrap off the text is not wrapped; the block of lines is aligned
// horizontally by Alignment and vertically by Layout.
class Label : public ui::Control {
 public:
  explicit Label(ui::Component* owner);
  std::string ClassName() const override { return "TLabel"; }

  ui::Alignment GetAlignment() const { return alignment_; }
  void SetAlignment(ui::Alignment a);
  TextLayout Layout() const { return layout_; }
  void SetLayout(TextLayout l);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool on);
  void SetCaption(const std::string& text) override;

  // The rectangle the text takes (control coordinates) when painted on a
  // canvas with the label's font.
  gfx::Rect TextRect(gfx::Canvas& canvas) const;

 protected:
  void Paint(gfx::Canvas& canvas) override;
  // The font the text is drawn in now.
  virtual gfx::Font CurrentFont() const { return Font(); }

 private:
  unsigned Flags() const;

  ui::Alignment alignment_ = ui::Alignment::taLeftJustify;
  TextLayout layout_ = TextLayout::Top;
  bool transparent_ = true;
};

// A label that shows an address: a hand cursor, its hover font under the
// pointer, and a click that opens the address in the user's browser.
class WebLabel : public Label {
 public:
  explicit WebLabel(ui::Component* owner);
  std::string ClassName() const override { return "TWebLabel"; }

  const std::string& URL() const { return url_; }
  void SetURL(const std::string& url) { url_ = url; }
  const gfx::Font& HoverFont() const { return hoverFont_; }
  void SetHoverFont(const gfx::Font& f) { hoverFont_ = f; }
  bool Hovered() const { return hovered_; }

  void Click() override;

 protected:
  void WndProc(ui::Message& msg) override;
  gfx::Font CurrentFont() const override { return hovered_ ? hoverFont_ : Font(); }

 private:
  std::string url_;
  gfx::Font hoverFont_;
  bool hovered_ = false;
};

}  // namespace game::standin
