// The skinned bevel: a line or frame cut from the skin's panel look
// ("PANEL_LOW" lowered, "PANEL" raised, "GROUPBOX" for a frame). Its binding
// follows the shape and style; without a skin it is the plain bevel.
#pragma once

#include <string>

#include "platform/ui/controls/Bevel.h"
#include "skin/controls/sCommonData.h"

namespace skin {

// The section a bevel of this shape and style paints with.
const char* BevelSection(ui::BevelShape shape, ui::BevelStyle style);

class TsBevel : public ui::Bevel, public TsSkinnedControl {
 public:
  explicit TsBevel(ui::Component* owner);
  ~TsBevel() override;

  std::string ClassName() const override { return "TsBevel"; }
  bool InheritsFrom(const std::string& c) const override {
    return c == "TsBevel" || ui::Bevel::InheritsFrom(c);
  }

  TsCommonData& SkinData() override { return skinData_; }
  // A changed shape or style chooses the section anew.
  void Invalidate() override;

 protected:
  void Loaded() override;
  void WndProc(ui::Message& msg) override;
  void Paint(gfx::Canvas& canvas) override;

 private:
  void UpdateSection();

  TsCommonData skinData_;
  ui::BevelShape lastShape_;
  ui::BevelStyle lastStyle_;
};

}  // namespace skin
