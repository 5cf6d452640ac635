#include "platform/ui/controls/MessageBox.h"

#include <algorithm>
#include <cstdio>
#include <memory>

#include "platform/gfx/Canvas.h"
#include "platform/ui/Application.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/Screen.h"
#include "platform/ui/controls/Button.h"
#include "platform/ui/controls/Label.h"

namespace ui {

namespace {
constexpr int kIcon = 32;

class IconControl : public Control {
 public:
  IconControl(Component* owner, MessageIcon icon) : Control(owner), icon_(icon) {
    SetBounds(0, 0, kIcon, kIcon);
  }

 protected:
  void Paint(gfx::Canvas& c) override { DrawMessageIcon(c, {0, 0, Width(), Height()}, icon_); }

 private:
  MessageIcon icon_;
};

void FillDisc(gfx::Canvas& c, const gfx::Rect& r, gfx::Color col) {
  int w = r.Width(), h = r.Height();
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      int dx = 2 * x + 1 - w, dy = 2 * y + 1 - h;
      if (dx * dx + dy * dy <= w * h) c.SetPixel(r.Left + x, r.Top + y, col);
    }
}
}  // namespace

void DrawMessageIcon(gfx::Canvas& c, const gfx::Rect& r, MessageIcon icon) {
  if (icon == MessageIcon::None) return;
  gfx::Color white = gfx::clWhite;
  int s = std::min(r.Width(), r.Height());
  int u = std::max(1, s / 8);
  int cx = r.Left + r.Width() / 2, cy = r.Top + r.Height() / 2;
  switch (icon) {
    case MessageIcon::Error: {
      FillDisc(c, r, gfx::RGB(200, 0, 0));
      // A diagonal cross.
      for (int i = -s / 4; i <= s / 4; ++i)
        for (int t = -u / 2 - 1; t <= u / 2; ++t) {
          c.SetPixel(cx + i + t, cy + i, white);
          c.SetPixel(cx + i + t, cy - i, white);
        }
      break;
    }
    case MessageIcon::Warning:
      FillDisc(c, r, gfx::RGB(230, 180, 0));
      c.FillRect({cx - u / 2 - 1, r.Top + s / 5, cx + u / 2 + 1, cy + s / 8}, gfx::clBlack);
      c.FillRect({cx - u / 2 - 1, cy + s / 5, cx + u / 2 + 1, cy + s / 5 + u + 1}, gfx::clBlack);
      break;
    case MessageIcon::Information:
      FillDisc(c, r, gfx::RGB(0, 70, 200));
      c.FillRect({cx - u / 2 - 1, r.Top + s / 5, cx + u / 2 + 1, r.Top + s / 5 + u + 1}, white);
      c.FillRect({cx - u / 2 - 1, cy - s / 10, cx + u / 2 + 1, r.Bottom - s / 5}, white);
      break;
    case MessageIcon::None: break;
  }
}

ModalResult ShowMessageBox(const std::string& text, const std::string& caption, MessageIcon icon) {
  if (!Application::Exists()) {
    // No window system yet: the message still reaches the user.
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    return mrOk;
  }
  auto& app = App();
  auto form = std::make_unique<Form>(nullptr);
  form->SetBorderStyle(BorderStyle::bsDialog);
  form->SetBorderIcons(biSystemMenu);
  form->SetCaption(caption);
  form->SetFont(app.Screen().IconFont());

  auto* label = new Label(form.get());
  label->SetParent(form.get());
  label->SetShowAccelChar(false);
  label->SetCaption(text);
  int textLeft = icon == MessageIcon::None ? 16 : 16 + kIcon + 12;
  label->SetLeft(textLeft);
  int contentH = std::max(icon == MessageIcon::None ? 0 : kIcon, label->Height());
  label->SetTop(16 + (contentH - label->Height()) / 2);
  if (icon != MessageIcon::None) {
    auto* ic = new IconControl(form.get(), icon);
    ic->SetParent(form.get());
    ic->SetBounds(16, 16 + (contentH - kIcon) / 2, kIcon, kIcon);
  }

  auto* ok = new Button(form.get());
  ok->SetParent(form.get());
  ok->SetCaption("OK");
  ok->SetDefault(true);
  ok->SetCancel(true);
  ok->SetModalResult(mrOk);
  int clientW = std::max(textLeft + label->Width() + 16, ok->Width() + 32);
  clientW = std::max(clientW, 160);
  int clientH = 16 + contentH + 16 + ok->Height() + 12;
  ok->SetBounds((clientW - ok->Width()) / 2, clientH - 12 - ok->Height(), ok->Width(), ok->Height());
  form->SetClientSize(clientW, clientH);
  form->SetPosition(app.ActiveForm() ? Position::poOwnerFormCenter : Position::poScreenCenter);
  form->SetActiveControl(ok);
  // Ctrl+C copies the box's text, as the classic desktop's boxes do.
  form->SetKeyPreview(true);
  form->OnKeyDown = [text](Component*, unsigned& key, ShiftState shift) {
    if (key == 'C' && (shift & (ssCtrl | ssAlt | ssShift)) == ssCtrl) {
      SetClipboardText(text);
      key = 0;
    }
  };
  return form->ShowModal();
}

ModalResult ShowMessage(const std::string& text) {
  return ShowMessageBox(text, Application::Exists() ? App().Title() : std::string(), MessageIcon::None);
}

}  // namespace ui
