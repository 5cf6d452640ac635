#include "tests/skin/controls/ManagerFixture.h"

namespace skin::test {

void Record(CommandLog& log, const std::string& name, const ui::Message& m) {
  if (m.msg != ui::SM_ALPHACMD) return;
  const TsSkinManager* def = TsSkinManager::DefaultManager();
  log.push_back({name, ui::HiWord(m.wParam), m.lParam, TsSkinManager::SkinChanging(),
                 def && def->Model() && def->Model()->SkinWideData.Active});
}

ProbeForm::ProbeForm(ui::Component* owner, CommandLog& log, std::string name)
    : ui::Form(owner), log_(log), name_(std::move(name)) {}

void ProbeForm::WndProc(ui::Message& m) {
  Record(log_, name_, m);
  ui::Form::WndProc(m);
}

ProbePanel::ProbePanel(ui::WinControl* parent, CommandLog& log, std::string name)
    : ui::Panel(parent), log_(log), name_(std::move(name)) {
  SetParent(parent);
}

void ProbePanel::WndProc(ui::Message& m) {
  Record(log_, name_, m);
  ui::Panel::WndProc(m);
}

fixture::FixtureSkin SmallSkin(gfx::Color buttonColor, const char* version) {
  fixture::FixtureSkin s(60, 40);
  s.Set("GLOBALINFO", "VERSION", version).Set("GLOBALINFO", "COLOR", gfx::RGB(10, 20, 30));
  s.Set("BUTTON", "COLOR", buttonColor).Set("BUTTON", "HOTCOLOR", gfx::RGB(250, 240, 230));
  s.Set("PANEL", "COLOR", gfx::RGB(90, 120, 150));
  s.Fill({0, 0, 30, 30}, gfx::RGB(40, 80, 160));
  s.Fill({30, 0, 60, 30}, gfx::RGB(160, 80, 40));
  s.Mask("BUTTON", {{0, 0, 60, 30}, 5, 5, 5, 5, 2, 0, 0, 0});
  return s;
}

ManagerTest::ManagerTest() {
  TsSkinManager::SetMessageShower([this](const std::string& text, ui::MessageIcon icon) {
    messages.push_back(text);
    icons.push_back(icon);
  });
}

ManagerTest::~ManagerTest() { TsSkinManager::SetMessageShower(nullptr); }

TsSkinManager* ManagerTest::NewManager(ui::Component* owner) {
  // As a window description sets it up.
  auto* m = new TsSkinManager(owner ? owner : &app());
  m->BeginLoading();
  m->SetActive(false);
  m->SetSkinDirectory(dir_.Str());
  m->EndLoading();
  return m;
}

void ManagerTest::WritePackage(const fixture::FixtureSkin& s, const std::string& name) {
  dir_.Write(name + ".osz", s.Package());
}

void ManagerTest::WriteSkinDirectory(const fixture::FixtureSkin& s, const std::string& name) {
  s.WriteDirectory(dir_, name);
}

}  // namespace skin::test
