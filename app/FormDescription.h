// Declarative window descriptions: a form's own properties and its
// components, each by class name, name, parent and properties, as text.
// Loading one creates the components by class, sets the properties and
// binds the event handlers by name, like reading a stored form.
//
// Property keys: plain names ("Caption", "Left"), dotted sub-properties
// ("Font.Name", "AnimEffects.DialogShow.Time") and list entries repeated in
// order ("Items.Add", "Lines.Add"). Values: decimal numbers, true/false,
// enumeration names (bsSingle, taCenter, ...), sets as [a,b], colour names
// (clBlack, clNavy, ...), component names for references, handler names for
// events (keys starting with "On").
//
// Classes are named as the skinned program names them (TsPanel,
// TsSpeedButton, ...); the class table maps each name to the class that
// implements it now, and skin-only properties (SkinData.SkinSection and the
// settings of the skin components) are kept as data until their classes
// exist.
#pragma once

#include <string_view>
#include <vector>

namespace app {

struct Property {
  std::string_view Key;
  std::string_view Value;
};

struct ItemDescription {
  std::string_view Class;
  std::string_view Name;
  // The parent control or menu (empty: the form itself for controls; no
  // parent for non-visual components).
  std::string_view Parent;
  std::vector<Property> Props;
};

struct FormDescription {
  std::string_view Name;
  std::vector<Property> Props;
  std::vector<ItemDescription> Items;
};

}  // namespace app
