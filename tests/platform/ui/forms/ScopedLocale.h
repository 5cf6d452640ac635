// Sets the locale variables of the environment for one test and puts back
// what was there before.
#pragma once

#include <cstdlib>
#include <optional>
#include <string>

namespace ui::testing {

class ScopedLocale {
 public:
  // LC_ALL, LC_MESSAGES and LANG; nullptr unsets a variable.
  ScopedLocale(const char* lcAll, const char* lcMessages = nullptr, const char* lang = nullptr) {
    Set(0, lcAll);
    Set(1, lcMessages);
    Set(2, lang);
  }
  ~ScopedLocale() {
    for (int i = 0; i < 3; ++i) {
      if (saved_[i])
        setenv(kNames[i], saved_[i]->c_str(), 1);
      else
        unsetenv(kNames[i]);
    }
  }
  ScopedLocale(const ScopedLocale&) = delete;
  ScopedLocale& operator=(const ScopedLocale&) = delete;

 private:
  static constexpr const char* kNames[3] = {"LC_ALL", "LC_MESSAGES", "LANG"};
  void Set(int i, const char* value) {
    if (const char* old = std::getenv(kNames[i])) saved_[i] = old;
    if (value)
      setenv(kNames[i], value, 1);
    else
      unsetenv(kNames[i]);
  }
  std::optional<std::string> saved_[3];
};

}  // namespace ui::testing
