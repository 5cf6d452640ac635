// UTF-8 to Latin-1 and back, as the X selection target STRING needs them.
#include <gtest/gtest.h>

#include "platform/backend/Latin1.h"

namespace backend {
namespace {

TEST(Latin1Test, ConvertsWhatFitsAndRefusesTheRest) {
  struct Case {
    const char* name;
    std::string utf8;
    std::optional<std::string> latin1;
  };
  const Case cases[] = {
      {"empty", "", std::string()},
      {"ascii", "Zintor 2", std::string("Zintor 2")},
      {"accents",
       "Gr\xC3\xBC\xC3\x9F"
       "e \xC3\xBF",
       std::string("Gr\xFC\xDF"
                   "e \xFF")},
      {"euro sign", "5 \xE2\x82\xAC", std::nullopt},
      {"emoji", "\xF0\x9F\x98\x80", std::nullopt},
      {"malformed", "a\xC3", std::nullopt},
      {"lone latin-1 byte", "\xFC", std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Latin1OfUtf8(c.utf8), c.latin1);
    if (c.latin1) {
      EXPECT_EQ(Utf8OfLatin1(*c.latin1), c.utf8);
    }
  }
}

TEST(Latin1Test, EveryLatin1ByteSurvivesTheRoundTrip) {
  std::string all;
  for (int b = 1; b < 256; ++b) all.push_back(static_cast<char>(b));
  EXPECT_EQ(Latin1OfUtf8(Utf8OfLatin1(all)), all);
}

}  // namespace
}  // namespace backend
