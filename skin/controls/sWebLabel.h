// TsWebLabel: a label that shows an address. It has a normal font and a
// hover font; under a skin their colours come from the skin's global
// section (blue, and red under the pointer, when the skin sets none). A
// left press opens URL with the desktop's handler, the address given to it
// as an argument (a message box gives the address when that fails).
#pragma once

#include <cstdint>
#include <string>

#include "platform/ui/controls/LinkOpener.h"
#include "skin/controls/sLabel.h"

namespace skin {

// The window system's show commands, 0 to 10.
enum class TsWindowShowMode : std::uint8_t {
  soHide,
  soNormal,
  soShowMinimized,
  soMaximize,
  soShowNoActivate,
  soShow,
  soMinimize,
  soShowMinNoActive,
  soShowNA,
  soRestore,
  soDefault
};

class TsWebLabel : public TsLabel {
 public:
  explicit TsWebLabel(ui::Component* owner);
  ~TsWebLabel() override;
  std::string ClassName() const override { return "TsWebLabel"; }
  bool InheritsFrom(const std::string& c) const override {
    return c == "TsWebLabel" || TsLabel::InheritsFrom(c);
  }

  // The normal font; the drawing font copies it.
  const gfx::Font& NormalFont() const { return normalFont_; }
  void SetFont(const gfx::Font& f) override;
  const gfx::Font& HoverFont() const { return hoverFont_; }
  void SetHoverFont(const gfx::Font& f);
  const std::string& URL() const { return url_; }
  void SetURL(const std::string& url) { url_ = url; }
  TsWindowShowMode ShowMode() const { return showMode_; }
  void SetShowMode(TsWindowShowMode m) { showMode_ = m; }
  bool Hovered() const { return hovered_; }
  // What opens the address; tests give it another handler program.
  ui::LinkOpener& Opener() { return opener_; }

  gfx::Font EffectiveFont() override;

 protected:
  void WndProc(ui::Message& msg) override;
  void Loaded() override;
  // Opens the address (a left press on a label with an address).
  virtual void OpenURL(const std::string& address);

 private:
  void HoverChanged(bool hovered);

  bool hovered_ = false;
  gfx::Font normalFont_;
  gfx::Font hoverFont_;
  std::string url_;
  TsWindowShowMode showMode_ = TsWindowShowMode::soDefault;
  ui::LinkOpener opener_;
};

}  // namespace skin
