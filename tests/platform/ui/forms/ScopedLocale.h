// Sets the locale variables of the environment for one test and puts back
// what was there before.
#pragma once

#include "tests/support/ScopedEnv.h"

namespace ui::testing {

class ScopedLocale {
 public:
  // LC_ALL, LC_MESSAGES and LANG; nullptr unsets a variable.
  ScopedLocale(const char* lcAll, const char* lcMessages = nullptr, const char* lang = nullptr)
      : lcAll_("LC_ALL", lcAll), lcMessages_("LC_MESSAGES", lcMessages), lang_("LANG", lang) {}

 private:
  zt::testing::ScopedEnv lcAll_;
  zt::testing::ScopedEnv lcMessages_;
  zt::testing::ScopedEnv lang_;
};

}  // namespace ui::testing
