// Captions draw their `&` accelerator character underlined: the only pixels
// that "&Wg" adds over "Wg" form a short line under the "W".
#include <algorithm>
#include <functional>

#include "platform/ui/controls/Button.h"
#include "platform/ui/controls/GroupBox.h"
#include "platform/ui/controls/Label.h"
#include "platform/ui/controls/RadioButton.h"
#include "tests/platform/ui/controls/ControlsFixture.h"

namespace ui::test {
namespace {

class CaptionUnderlineTest : public ControlsFixture {
 protected:
  std::vector<gfx::Color> Pixels(Control& c) {
    app->ProcessMessages();
    std::vector<gfx::Color> v;
    for (int y = 0; y < c.Height(); ++y)
      for (int x = 0; x < c.Width(); ++x) v.push_back(backend.ScreenPixel(At(c, x, y)));
    return v;
  }
};

TEST_F(CaptionUnderlineTest, AcceleratorCharacterIsUnderlined) {
  struct Case {
    const char* Name;
    std::function<Control*(Form*)> Make;
  };
  const Case cases[] = {
      {"button", [](Form* f) -> Control* { return new Button(f); }},
      {"radio button", [](Form* f) -> Control* { return new RadioButton(f); }},
      {"group box", [](Form* f) -> Control* { return new GroupBox(f); }},
      {"label",
       [](Form* f) -> Control* {
         auto* l = new Label(f);
         l->SetAutoSize(false);
         return l;
       }},
  };
  ShowForm();
  for (const Case& c : cases) {
    Control* ctl = c.Make(form);
    ctl->SetParent(form);
    ctl->SetBounds(20, 20, 120, 40);
    ctl->SetCaption("Wg");
    std::vector<gfx::Color> plain = Pixels(*ctl);
    ctl->SetCaption("&Wg");
    std::vector<gfx::Color> marked = Pixels(*ctl);

    int minX = 1 << 20, maxX = -1, minY = 1 << 20, maxY = -1;
    for (int y = 0; y < ctl->Height(); ++y)
      for (int x = 0; x < ctl->Width(); ++x) {
        std::size_t i = static_cast<std::size_t>(y * ctl->Width() + x);
        if (plain[i] == marked[i]) continue;
        minX = std::min(minX, x);
        maxX = std::max(maxX, x);
        minY = std::min(minY, y);
        maxY = std::max(maxY, y);
      }
    ASSERT_GE(maxX, 0) << c.Name << ": no underline";
    EXPECT_LE(maxY - minY, 1) << c.Name << ": more than a line changed";
    EXPECT_GE(maxX - minX, 4) << c.Name << ": the line is as wide as the W";
    EXPECT_LE(maxX - minX, 16) << c.Name << ": only the W is underlined";
    delete ctl;
  }
}

}  // namespace
}  // namespace ui::test
