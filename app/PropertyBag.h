// A component whose class does not exist yet in this program (the skin
// manager, the frame skinning component): its description's properties are
// kept as text, in order, so that they are not lost and can be inspected.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/ui/Component.h"

namespace app {

class PropertyBag : public ui::Component {
 public:
  PropertyBag(ui::Component* owner, std::string className)
      : ui::Component(owner), className_(std::move(className)) {}
  std::string ClassName() const override { return className_; }

  void Set(std::string key, std::string value) { props_.emplace_back(std::move(key), std::move(value)); }
  // The last value given for `key`, or null.
  const std::string* Get(const std::string& key) const {
    for (auto it = props_.rbegin(); it != props_.rend(); ++it)
      if (it->first == key) return &it->second;
    return nullptr;
  }

 private:
  std::string className_;
  std::vector<std::pair<std::string, std::string>> props_;
};

}  // namespace app
