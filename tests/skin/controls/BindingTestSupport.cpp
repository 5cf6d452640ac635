#include "tests/skin/controls/BindingTestSupport.h"

namespace skin::testing {

ColorBlock::ColorBlock(ui::Component* owner, gfx::Color fill, bool opaque) : ui::Control(owner), Fill(fill) {
  SetControlStyle(opaque ? (ControlStyle() | ui::csOpaque) : (ControlStyle() & ~ui::csOpaque));
}

void ColorBlock::Paint(gfx::Canvas& canvas) {
  ++paints;
  if (OnPainted) OnPainted();
  if (Fill != gfx::clNone) canvas.FillRect({0, 0, Width(), Height()}, Fill);
  if (Corner != gfx::clNone) canvas.SetPixel(0, 0, Corner);
}

CommandLog::CommandLog(ui::Control& c)
    : hook(c, [this](ui::Message& m, const ui::WndMethod& next) {
        if (m.msg == ui::SM_ALPHACMD)
          entries.push_back({ui::HiWord(m.wParam), ui::LoWord(m.wParam), m.lParam});
        next(m);
      }) {}

std::vector<int> CommandLog::Codes() const {
  std::vector<int> out;
  for (const Entry& e : entries) out.push_back(e.Code);
  return out;
}

BindingFixture::BindingFixture() {
  TsSkinManager::SetMessageShower(
      [this](const std::string& text, ui::MessageIcon) { messages.push_back(text); });
}

BindingFixture::~BindingFixture() {
  manager.reset();
  TsSkinManager::SetMessageShower(nullptr);
}

TsSkinManager& BindingFixture::LoadSkin(const fixture::FixtureSkin& skin) {
  manager.reset();  // the new manager becomes the default one
  manager = std::make_unique<TsSkinManager>(nullptr);
  manager->SetSkinDirectory((dir.Path() / "none").string());
  manager->InternalSkins().push_back(skin.Stored("Skin"));
  manager->SetSkinName("Skin");
  return *manager;
}

ui::Form* BindingFixture::ShownForm() {
  ui::Form* f = NewForm({100, 100, 400, 300});
  Show(f);
  return f;
}

}  // namespace skin::testing
