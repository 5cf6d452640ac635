#include "app/FormLoader.h"

#include <string>

#include "app/ComponentClasses.h"
#include "app/PropertyValues.h"
#include "platform/ui/menus/Menus.h"
#include "skin/controls/sCommonData.h"

namespace app {

namespace {

// Font.Name, Font.Height, Font.Color, Font.Charset of a control.
bool ApplyFont(ui::Control& c, std::string_view key, std::string_view value) {
  if (!key.starts_with("Font.")) return false;
  gfx::Font f = c.Font();
  key.remove_prefix(5);
  if (key == "Name")
    f.Name = std::string(value);
  else if (key == "Height")
    f.Height = ReadInt(value);
  else if (key == "Color")
    f.Color = ReadColor(value);
  else if (key == "Charset")
    f.Charset = ReadCharset(value);
  else
    return false;
  c.SetFont(f);
  return true;
}

bool ApplyControl(ui::Control& c, std::string_view key, std::string_view value, const LoadContext& ctx) {
  if (ApplyFont(c, key, value)) return true;
  auto* w = dynamic_cast<ui::WinControl*>(&c);
  if (key == "Left")
    c.SetLeft(ReadInt(value));
  else if (key == "Top")
    c.SetTop(ReadInt(value));
  else if (key == "Width")
    c.SetWidth(ReadInt(value));
  else if (key == "Height")
    c.SetHeight(ReadInt(value));
  else if (key == "Caption")
    c.SetCaption(std::string(value));
  else if (key == "Enabled")
    c.SetEnabled(ReadBool(value));
  else if (key == "Visible")
    c.SetVisible(ReadBool(value));
  else if (key == "Color")
    c.SetColor(ReadColor(value));
  else if (key == "ParentFont")
    c.SetParentFont(ReadBool(value));
  else if (key == "OnClick")
    c.OnClick = ctx.Handler(value);
  else if (key == "TabOrder" && w)
    w->SetTabOrder(ReadInt(value));
  else if (key == "TabStop" && w)
    w->SetTabStop(ReadBool(value));
  // Skin-only: the skinned classes keep it in their binding; plain ones
  // have nowhere to keep it.
  else if (key == "SkinData.SkinSection") {
    if (skin::TsCommonData* data = skin::SkinDataOf(&c)) data->SetSkinSection(value);
  }
  else
    return false;
  return true;
}

bool ApplyForm(ui::Form& f, std::string_view key, std::string_view value, const LoadContext& ctx) {
  if (key == "BorderStyle") {
    using enum ui::BorderStyle;
    f.SetBorderStyle(ReadEnum<ui::BorderStyle>(value, {{"bsNone", bsNone},
                                                       {"bsSingle", bsSingle},
                                                       {"bsSizeable", bsSizeable},
                                                       {"bsDialog", bsDialog},
                                                       {"bsToolWindow", bsToolWindow},
                                                       {"bsSizeToolWin", bsSizeToolWin}}));
  } else if (key == "BorderIcons") {
    f.SetBorderIcons(ReadSet(value, {{"biSystemMenu", ui::biSystemMenu},
                                     {"biMinimize", ui::biMinimize},
                                     {"biMaximize", ui::biMaximize},
                                     {"biHelp", ui::biHelp}}));
  } else if (key == "Position") {
    using enum ui::Position;
    f.SetPosition(ReadEnum<ui::Position>(value, {{"poDesigned", poDesigned},
                                                 {"poScreenCenter", poScreenCenter},
                                                 {"poDesktopCenter", poDesktopCenter},
                                                 {"poMainFormCenter", poMainFormCenter},
                                                 {"poOwnerFormCenter", poOwnerFormCenter}}));
  } else if (key == "Menu") {
    auto* menu = dynamic_cast<ui::MainMenu*>(&ctx.Find(value));
    if (!menu) throw std::invalid_argument("'" + std::string(value) + "' is not a main menu");
    f.SetMenu(menu);
  } else if (key == "OnCreate") {
    f.OnCreate = ctx.Handler(value);
  } else if (key == "OnShow") {
    f.OnShow = ctx.Handler(value);
  } else if (key == "KeyPreview") {
    f.SetKeyPreview(ReadBool(value));
  } else {
    return ApplyControl(f, key, value, ctx);
  }
  return true;
}

bool Deferred(std::string_view key) { return key == "Menu" || key == "ClientWidth" || key == "ClientHeight"; }

void SetParent(ui::Component& c, std::string_view parentName, ui::Form& form, const LoadContext& ctx) {
  if (auto* item = dynamic_cast<ui::MenuItem*>(&c)) {
    ui::Component& p = ctx.Find(parentName);
    if (auto* menu = dynamic_cast<ui::Menu*>(&p))
      menu->Items()->Add(item);
    else if (auto* parentItem = dynamic_cast<ui::MenuItem*>(&p))
      parentItem->Add(item);
    else
      throw std::invalid_argument("'" + std::string(parentName) + "' is not a menu");
    return;
  }
  auto* control = dynamic_cast<ui::Control*>(&c);
  if (!control) {
    if (!parentName.empty()) throw std::invalid_argument("a component without a window has no parent");
    return;
  }
  ui::WinControl* parent = &form;
  if (!parentName.empty()) {
    parent = dynamic_cast<ui::WinControl*>(&ctx.Find(parentName));
    if (!parent) throw std::invalid_argument("'" + std::string(parentName) + "' cannot hold controls");
  }
  control->SetParent(parent);
}

[[noreturn]] void Fail(const FormDescription& d, std::string_view item, const Property* p,
                       const std::exception& e) {
  std::string where = std::string(d.Name);
  if (!item.empty()) where += "." + std::string(item);
  if (p) where += "." + std::string(p->Key);
  throw std::invalid_argument(where + ": " + e.what());
}

}  // namespace

void LoadForm(ui::Form& form, const FormDescription& d) {
  form.SetName(std::string(d.Name));
  LoadContext ctx{form};
  auto applyForm = [&](bool deferred) {
    int clientWidth = -1, clientHeight = -1;
    for (const Property& p : d.Props) {
      if (Deferred(p.Key) != deferred) continue;
      try {
        if (p.Key == "ClientWidth")
          clientWidth = ReadInt(p.Value);
        else if (p.Key == "ClientHeight")
          clientHeight = ReadInt(p.Value);
        else if (!ApplyForm(form, p.Key, p.Value, ctx))
          throw std::invalid_argument("unknown property");
      } catch (const std::exception& e) {
        Fail(d, {}, &p, e);
      }
    }
    if (clientWidth >= 0 || clientHeight >= 0) {
      const gfx::Size client{clientWidth >= 0 ? clientWidth : form.ClientWidth(),
                             clientHeight >= 0 ? clientHeight : form.ClientHeight()};
      // The width first, so that the menu bar is laid out on the final width
      // before the frame (menu rows included) is measured for the height.
      const gfx::Size size = form.ClientToWindowSize(client);
      form.SetBounds(form.Left(), form.Top(), size.Width, size.Height);
      form.SetClientSize(client.Width, client.Height);
    }
  };
  applyForm(false);
  for (const ItemDescription& item : d.Items) {
    ui::Component* c = nullptr;
    try {
      c = CreateComponent(item.Class, form);
      c->SetName(std::string(item.Name));
      SetParent(*c, item.Parent, form, ctx);
    } catch (const std::exception& e) {
      Fail(d, item.Name, nullptr, e);
    }
    for (const Property& p : item.Props) {
      try {
        bool done = ApplyClassProperty(*c, p.Key, p.Value, ctx);
        if (!done)
          if (auto* control = dynamic_cast<ui::Control*>(c))
            done = ApplyControl(*control, p.Key, p.Value, ctx);
        if (!done) throw std::invalid_argument("unknown property");
      } catch (const std::exception& e) {
        Fail(d, item.Name, &p, e);
      }
    }
  }
  applyForm(true);
}

}  // namespace app
