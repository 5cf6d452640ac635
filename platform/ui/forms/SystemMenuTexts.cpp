#include "platform/ui/forms/SystemMenuTexts.h"

#include <cstdlib>

namespace ui {

namespace {

// "ru", "ru_RU.UTF-8", "ru_UA@...": the language part is "ru".
bool IsRussian(std::string_view locale) {
  if (!locale.starts_with("ru")) return false;
  return locale.size() == 2 || locale[2] == '_' || locale[2] == '.' || locale[2] == '@';
}

std::string_view Variable(const char* name) {
  const char* value = std::getenv(name);
  return value ? std::string_view(value) : std::string_view();
}

}  // namespace

MenuLanguage LanguageOfLocale(std::string_view lcAll, std::string_view lcMessages, std::string_view lang) {
  for (std::string_view locale : {lcAll, lcMessages, lang})
    if (!locale.empty()) return IsRussian(locale) ? MenuLanguage::Russian : MenuLanguage::English;
  return MenuLanguage::English;
}

MenuLanguage UserMenuLanguage() {
  return LanguageOfLocale(Variable("LC_ALL"), Variable("LC_MESSAGES"), Variable("LANG"));
}

const SystemMenuTexts& SystemMenuTextsFor(MenuLanguage language) {
  static constexpr SystemMenuTexts kEnglish{"&Restore", "&Move", "&Size", "Mi&nimize", "Ma&ximize", "&Close"};
  // Each accelerator letter differs from the others, also in case.
  static constexpr SystemMenuTexts kRussian{"&Восстановить", "&Переместить", "&Размер",
                                            "&Свернуть",     "Разв&ернуть",  "&Закрыть"};
  return language == MenuLanguage::Russian ? kRussian : kEnglish;
}

}  // namespace ui
