#include "game/Unit_About.h"

namespace game {

TForm_About* Form_About = nullptr;

TForm_About::TForm_About(ui::Component* owner) : ui::Form(owner) { Form_About = this; }

TForm_About::~TForm_About() {
  BeginDestruction();
  if (Form_About == this) Form_About = nullptr;
}

void TForm_About::Loaded() {
  ui::Form::Loaded();
  sMemo_About = BindComponent<ui::Memo>(*this, "sMemo_About");
  sButton_OK = BindComponent<ui::Button>(*this, "sButton_OK");
  sWebLabel_Site = BindComponent<skin::TsWebLabel>(*this, "sWebLabel_Site");
}

ui::NotifyEvent TForm_About::FindHandler(std::string_view name) {
  if (name == "sButton_OKClick") return ui::NotifyEvent(this, &TForm_About::sButton_OKClick);
  return {};
}

void TForm_About::sButton_OKClick(ui::Component*) { Close(); }

}  // namespace game
