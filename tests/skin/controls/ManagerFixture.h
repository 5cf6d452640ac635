// A headless application with a skin manager, fixture skins on disk, forms
// and controls that record every skin command they receive, and a recorder
// for the manager's messages to the user.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/ui/controls/Panel.h"
#include "platform/ui/forms/Form.h"
#include "skin/controls/SkinnedFormRegistry.h"
#include "skin/controls/sSkinCommands.h"
#include "skin/controls/sSkinManager.h"
#include "tests/platform/ui/UiFixture.h"
#include "tests/skin/controls/FixtureSkin.h"

namespace skin::test {

// One skin command as a probe saw it.
struct SeenCommand {
  std::string Receiver;
  int Code = 0;
  ui::LPARAM LParam = 0;
  bool SkinChanging = false;  // the process-wide flag while it was handled
  bool ModelActive = false;   // the default manager's model marked active
};
using CommandLog = std::vector<SeenCommand>;

void Record(CommandLog& log, const std::string& name, const ui::Message& m);

class ProbeForm : public ui::Form {
 public:
  ProbeForm(ui::Component* owner, CommandLog& log, std::string name);
  void WndProc(ui::Message& m) override;

 private:
  CommandLog& log_;
  std::string name_;
};

class ProbePanel : public ui::Panel {
 public:
  ProbePanel(ui::WinControl* parent, CommandLog& log, std::string name);
  void WndProc(ui::Message& m) override;

 private:
  CommandLog& log_;
  std::string name_;
};

// A frame skinning component as the registry sees it; counts freezes.
class FakeSkinnedForm : public TacSkinnedForm {
 public:
  explicit FakeSkinnedForm(ui::Form* form, TsSkinManager* manager = nullptr)
      : form_(form), manager_(manager) {
    RegisterSkinnedForm(this);
  }
  ~FakeSkinnedForm() override { UnregisterSkinnedForm(this); }
  ui::Form* SkinnedForm() const override { return form_; }
  TsSkinManager* SkinManager() const override { return manager_; }
  void SetPaintingFrozen(bool frozen) override {
    frozen_ = frozen;
    ++(frozen ? freezes : thaws);
  }
  bool Frozen() const { return frozen_; }
  int freezes = 0;
  int thaws = 0;

 private:
  ui::Form* form_;
  TsSkinManager* manager_;
  bool frozen_ = false;
};

// A skin that loads: a few sections, a master bitmap with one mask, and the
// VERSION given.
fixture::FixtureSkin SmallSkin(gfx::Color buttonColor = gfx::RGB(200, 100, 50), const char* version = "6.69");

class ManagerTest : public ui::testing::UiFixture {
 protected:
  ManagerTest();
  ~ManagerTest() override;

  // A manager with the skin directory set to the fixture's directory and
  // Active false (as the program's description has it).
  TsSkinManager* NewManager(ui::Component* owner = nullptr);
  // Writes the skin as package file "<name>.osz" in the skin directory.
  void WritePackage(const fixture::FixtureSkin& s, const std::string& name);
  // Writes the skin as directory "<name>" in the skin directory.
  void WriteSkinDirectory(const fixture::FixtureSkin& s, const std::string& name);
  const fixture::TempDir& SkinDir() const { return dir_; }

  std::vector<std::string> messages;  // texts shown to the user
  std::vector<ui::MessageIcon> icons;

 private:
  fixture::TempDir dir_;
};

}  // namespace skin::test
