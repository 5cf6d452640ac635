// Controls with a skin binding, a probe for skin commands and a fixture with
// a skin manager holding a fixture skin, for the binding tests.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/ProcChain.h"
#include "platform/ui/controls/Panel.h"
#include "platform/ui/controls/SpeedButton.h"
#include "skin/controls/sCommonData.h"
#include "skin/controls/sSkinManager.h"
#include "tests/platform/ui/UiFixture.h"
#include "tests/skin/controls/FixtureSkin.h"

namespace skin::testing {

// A platform control with a binding: its procedure gives every message to
// the binding first, the way the skinned controls do, and paints its cache
// when it has one.
template <class Base>
class Bound : public Base, public TsSkinnedControl {
 public:
  Bound(ui::Component* owner, std::int32_t kind, bool withCache = true)
      : Base(owner), data_(this, withCache, kind) {}
  TsCommonData& SkinData() override { return data_; }
  void ApplyHoverChange() override {
    ++hoverChanges;
    TsSkinnedControl::ApplyHoverChange();
  }
  int hoverChanges = 0;

 protected:
  void WndProc(ui::Message& m) override {
    if (data_.HandleMessage(m)) return;
    Base::WndProc(m);
  }

 private:
  TsCommonData data_;
};

using BoundPanel = Bound<ui::Panel>;
using BoundSpeedButton = Bound<ui::SpeedButton>;

// A windowless control that fills itself with one colour (clNone: paints
// nothing, so it shows what lies behind) and, when set, its top-left pixel
// with another.
class ColorBlock : public ui::Control {
 public:
  ColorBlock(ui::Component* owner, gfx::Color fill, bool opaque);
  gfx::Color Fill;
  gfx::Color Corner = gfx::clNone;
  int paints = 0;
  std::function<void()> OnPainted;

 protected:
  void Paint(gfx::Canvas& canvas) override;
};

// Records the skin commands a control receives (code, low word, lParam).
struct CommandLog {
  struct Entry {
    int Code;
    int Low;
    ui::LPARAM LParam;
  };
  explicit CommandLog(ui::Control& c);
  std::vector<int> Codes() const;
  std::vector<Entry> entries;
  ui::ProcHook hook;
};

class BindingFixture : public ui::testing::UiFixture {
 protected:
  BindingFixture();
  ~BindingFixture() override;

  // A manager (the default one) with `skin` as its stored skin "Skin",
  // applied. Messages for the user are collected in `messages`.
  TsSkinManager& LoadSkin(const fixture::FixtureSkin& skin);
  // A shown form of 300 x 200 at (100, 100).
  ui::Form* ShownForm();

  fixture::TempDir dir;
  std::unique_ptr<TsSkinManager> manager;
  std::vector<std::string> messages;
};

}  // namespace skin::testing
