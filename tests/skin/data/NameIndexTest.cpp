#include "skin/data/NameIndex.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace skin {
namespace {

// Adds every name in order and returns what each Add answered.
std::vector<std::size_t> AddAll(NameIndex& index, const std::vector<std::string>& names) {
  std::vector<std::size_t> out;
  const auto nameOf = [&](std::size_t i) -> std::string_view { return names[i]; };
  for (std::size_t i = 0; i < names.size(); ++i) out.push_back(index.Add(names[i], i, nameOf));
  return out;
}

TEST(NameIndex, TheFirstOfEqualNamesAnswersInEitherCaseMode) {
  const std::vector<std::string> names{"Button", "BUTTON", "edit", "button", "Edit", ""};
  struct Case {
    NameIndex::Case Mode;
    std::vector<std::size_t> Added;
    const char* Wanted;
    std::size_t Found;
  };
  const Case cases[] = {
      {NameIndex::Case::Ignore, {0, 0, 2, 0, 2, 5}, "bUtToN", 0},
      {NameIndex::Case::Ignore, {0, 0, 2, 0, 2, 5}, "EDIT", 2},
      {NameIndex::Case::Ignore, {0, 0, 2, 0, 2, 5}, "", 5},
      {NameIndex::Case::Ignore, {0, 0, 2, 0, 2, 5}, "Butto", 99},
      {NameIndex::Case::Exact, {0, 1, 2, 3, 4, 5}, "BUTTON", 1},
      {NameIndex::Case::Exact, {0, 1, 2, 3, 4, 5}, "bUtToN", 99},
      {NameIndex::Case::Exact, {0, 1, 2, 3, 4, 5}, "Edit", 4},
  };
  for (const Case& c : cases) {
    NameIndex index(c.Mode);
    EXPECT_EQ(AddAll(index, names), c.Added) << c.Wanted;
    const auto nameOf = [&](std::size_t i) -> std::string_view { return names[i]; };
    EXPECT_EQ(index.Find(c.Wanted, nameOf, 99), c.Found) << c.Wanted;
  }
}

TEST(NameIndex, GrowsPastItsReserveAndKeepsEveryName) {
  std::vector<std::string> names;
  for (int i = 0; i < 5000; ++i) names.push_back("s" + std::to_string(i % 3000));
  for (const std::size_t reserve : {0u, 10u, 5000u}) {
    NameIndex index;
    index.Reserve(reserve);
    const std::vector<std::size_t> added = AddAll(index, names);
    const auto nameOf = [&](std::size_t i) -> std::string_view { return names[i]; };
    for (std::size_t i = 0; i < names.size(); ++i) {
      EXPECT_EQ(added[i], i % 3000) << reserve;
      EXPECT_EQ(index.Find("S" + std::to_string(i % 3000), nameOf, 0), i % 3000);
    }
    EXPECT_EQ(index.Find("s3000", nameOf, 7), 7u);
  }
}

TEST(NameIndex, AnEmptyIndexFindsNothing) {
  const NameIndex index;
  EXPECT_TRUE(index.Empty());
  EXPECT_EQ(index.Find(
                "x", [](std::size_t) { return std::string_view("x"); }, 3),
            3u);
}

}  // namespace
}  // namespace skin
