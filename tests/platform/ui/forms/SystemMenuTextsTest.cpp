// The system menu speaks the user's language: Russian under a Russian
// locale (LC_ALL before LC_MESSAGES before LANG), English otherwise.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ui/forms/SystemMenuTexts.h"
#include "platform/ui/menus/Menus.h"
#include "tests/platform/ui/UiFixture.h"
#include "tests/platform/ui/forms/ScopedLocale.h"

namespace ui::testing {
namespace {

TEST(SystemMenuLanguage, TheFirstLocaleVariableSetDecides) {
  struct Case {
    const char *lcAll, *lcMessages, *lang;
    MenuLanguage expected;
  };
  const Case cases[] = {
      {"", "", "ru_RU.UTF-8", MenuLanguage::Russian},
      {"", "", "ru", MenuLanguage::Russian},
      {"", "", "ru_UA.KOI8-U", MenuLanguage::Russian},
      {"", "ru_RU.UTF-8", "en_US.UTF-8", MenuLanguage::Russian},
      {"C", "ru_RU.UTF-8", "ru_RU.UTF-8", MenuLanguage::English},  // LC_ALL overrides
      {"en_GB.UTF-8", "", "ru_RU.UTF-8", MenuLanguage::English},
      {"", "", "", MenuLanguage::English},
      {"", "", "run_XX", MenuLanguage::English},  // not "ru"
      {"", "", "de_DE.UTF-8", MenuLanguage::English},
      {"", "POSIX", "ru_RU.UTF-8", MenuLanguage::English},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.lcAll) + " | " + c.lcMessages + " | " + c.lang);
    EXPECT_EQ(LanguageOfLocale(c.lcAll, c.lcMessages, c.lang), c.expected);
  }
}

class SystemMenuTextsTest : public UiFixture {
 protected:
  // "caption\tshortcut" of each item of a new form's system menu.
  std::vector<std::string> Items() {
    auto* form = NewForm({10, 10, 300, 200});
    std::vector<std::string> out;
    for (MenuItem* it : form->SystemMenu()->Items()->Items()) {
      std::string line = it->Caption();
      if (it->GetShortCut() != scNone) line += "\t" + ShortCutToText(it->GetShortCut());
      out.push_back(line);
    }
    return out;
  }
};

TEST_F(SystemMenuTextsTest, RussianUnderARussianLocale) {
  ScopedLocale russian(nullptr, nullptr, "ru_RU.UTF-8");
  EXPECT_EQ(Items(), (std::vector<std::string>{"&Восстановить", "&Переместить", "&Размер", "&Свернуть",
                                               "Разв&ернуть", "-", "&Закрыть\tAlt+F4"}));
}

TEST_F(SystemMenuTextsTest, EnglishOtherwise) {
  ScopedLocale german("de_DE.UTF-8", "ru_RU.UTF-8", "ru_RU.UTF-8");
  EXPECT_EQ(Items(), (std::vector<std::string>{"&Restore", "&Move", "&Size", "Mi&nimize", "Ma&ximize", "-",
                                               "&Close\tAlt+F4"}));
}

}  // namespace
}  // namespace ui::testing
