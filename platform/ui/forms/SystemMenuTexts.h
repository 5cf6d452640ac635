// The texts of a window's system menu in the user's language: Russian under
// a Russian locale, English otherwise. The locale for messages is the first
// of LC_ALL, LC_MESSAGES and LANG that is set and not empty, as C programs
// look it up.
#pragma once

#include <string_view>

namespace ui {

enum class MenuLanguage { English, Russian };

MenuLanguage LanguageOfLocale(std::string_view lcAll, std::string_view lcMessages, std::string_view lang);
// The language of the process's environment, read at each call.
MenuLanguage UserMenuLanguage();

// Captions with their `&` accelerators; Close also has the Alt+F4 shortcut.
struct SystemMenuTexts {
  const char* Restore;
  const char* Move;
  const char* Size;
  const char* Minimize;
  const char* Maximize;
  const char* Close;
};

const SystemMenuTexts& SystemMenuTextsFor(MenuLanguage language);

}  // namespace ui
