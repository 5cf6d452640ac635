// A label that shows an address: a hand cursor, its hover font under the
// pointer, and a click that opens the address with the desktop's handler (a
// message box gives the address when that fails).
#pragma once

#include <string>

#include "platform/ui/controls/Label.h"
#include "platform/ui/controls/LinkOpener.h"

namespace game {

class WebLabel : public ui::Label {
 public:
  explicit WebLabel(ui::Component* owner);
  ~WebLabel() override;
  std::string ClassName() const override { return "TsWebLabel"; }
  bool InheritsFrom(const std::string& c) const override {
    return c == "TsWebLabel" || ui::Label::InheritsFrom(c);
  }

  const std::string& URL() const { return url_; }
  void SetURL(const std::string& url) { url_ = url; }
  const gfx::Font& HoverFont() const { return hoverFont_; }
  void SetHoverFont(const gfx::Font& f);
  bool Hovered() const { return hovered_; }
  // What opens the address; tests give it another handler program.
  ui::LinkOpener& Opener() { return opener_; }

  void Click() override;

 protected:
  void WndProc(ui::Message& msg) override;
  // Under the pointer the text is drawn in the hover font.
  void DoDrawText(gfx::Canvas& canvas, gfx::Rect& rect, unsigned flags) override;

 private:
  std::string url_;
  gfx::Font hoverFont_;
  bool hovered_ = false;
  ui::LinkOpener opener_;
};

}  // namespace game
