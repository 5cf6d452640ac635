#include "app/ComponentClasses.h"

#include <functional>
#include <memory>
#include <string>

#include "app/EmbeddedAssets.h"
#include "app/PropertyBag.h"
#include "app/PropertyValues.h"
#include "app/SkinManagerProperties.h"
#include "game/DescribedForm.h"
#include "image/acPNG.h"
#include "platform/ui/Timer.h"
#include "platform/ui/controls/Bevel.h"
#include "platform/ui/controls/Button.h"
#include "platform/ui/controls/GroupBox.h"
#include "platform/ui/controls/Image.h"
#include "platform/ui/controls/Label.h"
#include "platform/ui/controls/Memo.h"
#include "platform/ui/controls/Panel.h"
#include "platform/ui/controls/ProgressBar.h"
#include "platform/ui/controls/RadioButton.h"
#include "platform/ui/controls/StatusBar.h"
#include "platform/ui/menus/Menus.h"
#include "skin/controls/acProgressBar.h"
#include "skin/controls/sLabel.h"
#include "skin/controls/sWebLabel.h"
#include "skin/controls/sAlphaImageList.h"
#include "skin/controls/sBevel.h"
#include "skin/controls/sButton.h"
#include "skin/controls/sGroupBox.h"
#include "skin/controls/sMemo.h"
#include "skin/controls/sPanel.h"
#include "skin/controls/sRadioButton.h"
#include "skin/controls/sSpeedButton.h"
#include "skin/controls/sStatusBar.h"

namespace app {

ui::Component& LoadContext::Find(std::string_view name) const {
  ui::Component* c = Form.FindComponent(std::string(name));
  if (!c) throw std::invalid_argument("no component '" + std::string(name) + "'");
  return *c;
}

ui::NotifyEvent LoadContext::Handler(std::string_view name) const {
  auto* described = dynamic_cast<game::DescribedForm*>(&Form);
  ui::NotifyEvent e = described ? described->FindHandler(name) : ui::NotifyEvent{};
  if (!e) throw std::invalid_argument("no handler '" + std::string(name) + "'");
  return e;
}

namespace {

// The class names of the skinned program, each with the class that plays its
// part: a skinned control where one exists, else the toolkit's standard
// control (or the game's own tile and tile image list).
using Factory = std::function<ui::Component*(ui::Component&)>;
template <class T>
Factory Make() {
  return [](ui::Component& owner) { return new T(&owner); };
}
Factory Bag(std::string_view className) {
  return [n = std::string(className)](ui::Component& owner) { return new PropertyBag(&owner, n); };
}

const std::pair<std::string_view, Factory>& ClassEntry(std::string_view className) {
  static const std::pair<std::string_view, Factory> kClasses[] = {
      {"TsPanel", Make<skin::TsPanel>()},
      {"TsStatusBar", Make<skin::TsStatusBar>()},
      {"TsSpeedButton", Make<skin::TsSpeedButton>()},
      {"TsAlphaImageList", Make<skin::AlphaImageList>()},
      {"TsGroupBox", Make<skin::TsGroupBox>()},
      {"TsRadioButton", Make<skin::TsRadioButton>()},
      {"TsButton", Make<skin::TsButton>()},
      {"TsLabel", Make<skin::TsLabel>()},
      {"TsWebLabel", Make<skin::TsWebLabel>()},
      {"TsProgressBar", Make<skin::TsProgressBar>()},
      {"TsBevel", Make<skin::TsBevel>()},
      {"TsMemo", Make<skin::TsMemo>()},
      {"TImage", Make<ui::Image>()},
      {"TTimer", Make<ui::Timer>()},
      {"TMainMenu", Make<ui::MainMenu>()},
      {"TMenuItem", Make<ui::MenuItem>()},
      {"TsSkinManager", Make<skin::TsSkinManager>()},
      {"TsSkinProvider", Bag("TsSkinProvider")},
  };
  for (const auto& entry : kClasses)
    if (entry.first == className) return entry;
  throw std::invalid_argument("unknown class '" + std::string(className) + "'");
}

std::span<const std::uint8_t> Asset(std::string_view path) {
  auto bytes = EmbeddedAsset(path);
  if (bytes.empty()) throw std::invalid_argument("no embedded file '" + std::string(path) + "'");
  return bytes;
}

bool ApplyTile(skin::TsSpeedButton& b, std::string_view key, std::string_view value, const LoadContext& ctx) {
  if (key == "Images") {
    auto* list = dynamic_cast<ui::CustomImageList*>(&ctx.Find(value));
    if (!list) throw std::invalid_argument("'" + std::string(value) + "' is not an image list");
    b.SetImages(list);
  } else if (key == "ImageIndex") {
    b.SetImageIndex(ReadInt(value));
  } else {
    return false;
  }
  return true;
}

bool ApplyImageList(skin::AlphaImageList& l, std::string_view key, std::string_view value) {
  auto& list = l.List();
  if (key == "Width") {
    list.SetWidth(ReadInt(value));
  } else if (key == "Height") {
    list.SetHeight(ReadInt(value));
  } else if (key == "DrawingStyle") {
    using enum image::TDrawingStyle;
    list.SetDrawingStyle(ReadEnum<image::TDrawingStyle>(value, {{"dsFocus", dsFocus},
                                                                {"dsSelected", dsSelected},
                                                                {"dsNormal", dsNormal},
                                                                {"dsTransparent", dsTransparent}}));
  } else if (key == "Items.Add") {
    auto bytes = Asset(value);
    list.Items().AddPng({bytes.begin(), bytes.end()});
  } else {
    return false;
  }
  return true;
}

ui::TextLayout ReadLayout(std::string_view value) {
  using enum ui::TextLayout;
  return ReadEnum<ui::TextLayout>(value, {{"tlTop", tlTop}, {"tlCenter", tlCenter}, {"tlBottom", tlBottom}});
}

ui::Alignment ReadAlignment(std::string_view value) {
  using enum ui::Alignment;
  return ReadEnum<ui::Alignment>(
      value, {{"taLeftJustify", taLeftJustify}, {"taRightJustify", taRightJustify}, {"taCenter", taCenter}});
}

bool ApplyLabel(ui::Label& l, std::string_view key, std::string_view value) {
  if (key == "Alignment") {
    l.SetAlignment(ReadAlignment(value));
  } else if (key == "Layout") {
    l.SetLayout(ReadLayout(value));
  } else if (key == "AutoSize") {
    l.SetAutoSize(ReadBool(value));
  } else if (key == "Transparent") {
    l.SetTransparent(ReadBool(value));
  } else if (auto* w = dynamic_cast<skin::TsWebLabel*>(&l)) {
    gfx::Font hover = w->HoverFont();
    if (key == "URL") {
      w->SetURL(std::string(value));
    } else if (key == "HoverFont.Name") {
      hover.Name = std::string(value);
    } else if (key == "HoverFont.Height") {
      hover.Height = ReadInt(value);
    } else if (key == "HoverFont.Color") {
      hover.Color = ReadColor(value);
    } else if (key == "HoverFont.Charset") {
      hover.Charset = ReadCharset(value);
    } else {
      return false;
    }
    w->SetHoverFont(hover);
  } else {
    return false;
  }
  return true;
}

bool ApplyButton(ui::Button& b, std::string_view key, std::string_view value) {
  if (key == "Default") {
    b.SetDefault(ReadBool(value));
  } else if (key == "Cancel") {
    b.SetCancel(ReadBool(value));
  } else {
    return false;
  }
  return true;
}

bool ApplyTimer(ui::Timer& t, std::string_view key, std::string_view value, const LoadContext& ctx) {
  if (key == "Enabled") {
    t.SetEnabled(ReadBool(value));
  } else if (key == "Interval") {
    t.SetInterval(static_cast<unsigned>(ReadInt(value)));
  } else if (key == "OnTimer") {
    t.SetOnTimer(ctx.Handler(value));
  } else {
    return false;
  }
  return true;
}

bool ApplyMenuItem(ui::MenuItem& m, std::string_view key, std::string_view value, const LoadContext& ctx) {
  if (key == "Caption") {
    m.SetCaption(std::string(value));
  } else if (key == "ShortCut") {
    const ui::ShortCut sc = ui::TextToShortCut(std::string(value));
    if (sc == ui::scNone) throw std::invalid_argument("unknown shortcut '" + std::string(value) + "'");
    m.SetShortCut(sc);
  } else if (key == "OnClick") {
    m.OnClick = ctx.Handler(value);
  } else {
    return false;
  }
  return true;
}

bool ApplyOther(ui::Component& c, std::string_view key, std::string_view value) {
  if (auto* p = dynamic_cast<ui::ProgressBar*>(&c)) {
    if (key == "Min")
      p->SetMin(ReadInt(value));
    else if (key == "Max")
      p->SetMax(ReadInt(value));
    else
      return false;
    return true;
  }
  if (auto* b = dynamic_cast<ui::Bevel*>(&c)) {
    if (key != "Shape") return false;
    using enum ui::BevelShape;
    b->SetShape(ReadEnum<ui::BevelShape>(value, {{"bsBox", bsBox},
                                                 {"bsFrame", bsFrame},
                                                 {"bsTopLine", bsTopLine},
                                                 {"bsBottomLine", bsBottomLine},
                                                 {"bsLeftLine", bsLeftLine},
                                                 {"bsRightLine", bsRightLine},
                                                 {"bsSpacer", bsSpacer}}));
    return true;
  }
  if (auto* r = dynamic_cast<ui::RadioButton*>(&c)) {
    if (key != "Checked") return false;
    r->SetChecked(ReadBool(value));
    return true;
  }
  if (auto* s = dynamic_cast<ui::StatusBar*>(&c)) {
    if (key != "Panels[0].Width") return false;
    if (s->PanelCount() == 0) s->AddPanel();
    s->Panel(0).Width = ReadInt(value);
    s->PanelsChanged();
    return true;
  }
  if (auto* m = dynamic_cast<ui::Memo*>(&c)) {
    if (key == "ReadOnly") {
      m->SetReadOnly(ReadBool(value));
    } else if (key == "Lines.Add") {
      m->AddLine(std::string(value));
    } else if (key == "ScrollBars") {
      using enum ui::ScrollStyle;
      m->SetScrollBars(ReadEnum<ui::ScrollStyle>(value, {{"ssNone", ssNone},
                                                         {"ssHorizontal", ssHorizontal},
                                                         {"ssVertical", ssVertical},
                                                         {"ssBoth", ssBoth}}));
    } else {
      return false;
    }
    return true;
  }
  if (auto* p = dynamic_cast<ui::Image*>(&c)) {
    if (key == "Transparent") {
      p->SetTransparent(ReadBool(value));
    } else if (key == "Picture.Data") {
      auto png = std::make_unique<image::TPNGGraphic>();
      png->LoadFromBytes(Asset(value));
      p->Picture().SetGraphic(std::move(png));
    } else {
      return false;
    }
    return true;
  }
  if (auto* bag = dynamic_cast<PropertyBag*>(&c)) {
    bag->Set(std::string(key), std::string(value));
    return true;
  }
  return false;
}

}  // namespace

ui::Component* CreateComponent(std::string_view className, ui::Component& owner) {
  return ClassEntry(className).second(owner);
}

bool ApplyClassProperty(ui::Component& c, std::string_view key, std::string_view value,
                        const LoadContext& ctx) {
  if (auto* t = dynamic_cast<skin::TsSpeedButton*>(&c)) return ApplyTile(*t, key, value, ctx);
  if (auto* l = dynamic_cast<skin::AlphaImageList*>(&c)) return ApplyImageList(*l, key, value);
  if (auto* l = dynamic_cast<ui::Label*>(&c)) return ApplyLabel(*l, key, value);
  if (auto* b = dynamic_cast<ui::Button*>(&c)) return ApplyButton(*b, key, value);
  if (auto* t = dynamic_cast<ui::Timer*>(&c)) return ApplyTimer(*t, key, value, ctx);
  if (auto* m = dynamic_cast<ui::MenuItem*>(&c)) return ApplyMenuItem(*m, key, value, ctx);
  if (auto* m = dynamic_cast<skin::TsSkinManager*>(&c)) return ApplySkinManagerProperty(*m, key, value);
  return ApplyOther(c, key, value);
}

}  // namespace app
