#include "game/standin/MessageBox.h"

#include <algorithm>
#include <memory>

#include "game/standin/TextLabel.h"
#include "platform/gfx/DrawTextFlags.h"
#include "platform/ui/Application.h"
#include "platform/ui/controls/Button.h"

namespace game::standin {

void ShowInformation(const std::string& caption, const std::string& text) {
  constexpr int kMargin = 12;
  constexpr int kButtonWidth = 88;
  constexpr int kButtonHeight = 25;
  auto box = std::make_unique<ui::Form>(&ui::App());
  box->SetBorderStyle(ui::BorderStyle::bsDialog);
  box->SetBorderIcons(ui::biSystemMenu);
  box->SetPosition(ui::Position::poMainFormCenter);
  box->SetCaption(caption);
  gfx::Font font{"Tahoma", -13};
  font.Color = gfx::clBlack;
  box->SetFont(font);

  gfx::Bitmap probe(1, 1, gfx::PixelFormat::Bgr24);
  gfx::Canvas measure(probe);
  measure.SetFont(font);
  gfx::Rect textRect{0, 0, 1000, 0};
  measure.DrawText(text, textRect, gfx::DT_CALCRECT | gfx::DT_NOPREFIX);
  const int clientWidth = std::max(textRect.Width(), kButtonWidth) + 2 * kMargin;
  const int clientHeight = textRect.Height() + kButtonHeight + 3 * kMargin;

  auto* label = new Label(box.get());
  label->SetParent(box.get());
  label->SetBounds(kMargin, kMargin, textRect.Width(), textRect.Height());
  label->SetCaption(text);

  auto* ok = new ui::Button(box.get());
  ok->SetParent(box.get());
  ok->SetBounds((clientWidth - kButtonWidth) / 2, clientHeight - kMargin - kButtonHeight, kButtonWidth,
                kButtonHeight);
  ok->SetCaption("OK");
  ok->SetDefault(true);
  ok->SetCancel(true);
  ok->SetModalResult(ui::mrOk);

  gfx::Size size = box->ClientToWindowSize({clientWidth, clientHeight});
  box->SetBounds(0, 0, size.Width, size.Height);
  box->ShowModal();
}

}  // namespace game::standin
