#include "skin/data/NameIndex.h"

#include <gtest/gtest.h>

#include <string>
#include <unordered_map>
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

// Two different names with the same 32-bit hash, found by trying names.
std::vector<std::string> CollidingPair() {
  std::unordered_map<std::uint32_t, std::string> seen;
  for (int i = 0;; ++i) {
    std::string n = "N" + std::to_string(i);
    const auto [it, added] = seen.emplace(NameIndex::Hash(n), n);
    if (!added) return {it->second, n};
  }
}

TEST(NameIndex, NamesWithEqualHashesStayApart) {
  const std::vector<std::string> pair = CollidingPair();
  ASSERT_EQ(NameIndex::Hash(pair[0]), NameIndex::Hash(pair[1]));
  // Both, the second in lower case, and a name that differs only in case
  // from the first.
  std::string lower = pair[1];
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  std::string firstLower = pair[0];
  for (char& c : firstLower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  const std::vector<std::string> names{pair[0], lower, firstLower};
  for (const NameIndex::Case mode : {NameIndex::Case::Ignore, NameIndex::Case::Exact}) {
    NameIndex index(mode);
    const bool exact = mode == NameIndex::Case::Exact;
    EXPECT_EQ(AddAll(index, names), (std::vector<std::size_t>{0, 1, exact ? 2u : 0u}));
    const auto nameOf = [&](std::size_t i) -> std::string_view { return names[i]; };
    EXPECT_EQ(index.Find(pair[1], nameOf, 9), exact ? 9u : 1u);
    EXPECT_EQ(index.Find(lower, nameOf, 9), 1u);
    EXPECT_EQ(index.Find(pair[0], nameOf, 9), 0u);
  }
}

// The look-ahead walk hands out every wanted name in order with its hash,
// also when the callback adds names and the index grows under it.
TEST(NameIndex, TheLookAheadWalkAddsAndFindsAsOneByOne) {
  std::vector<std::string> names;
  for (int i = 0; i < 3000; ++i) names.push_back((i % 2 ? "a" : "A") + std::to_string(i % 1000));
  const auto nameOf = [&](std::size_t i) -> std::string_view { return names[i]; };
  for (const std::size_t reserve : {0u, 3000u}) {
    NameIndex walked;
    walked.Reserve(reserve);
    std::vector<std::size_t> order, added;
    walked.ForEachAhead(names.size(), nameOf, [&](std::size_t i, std::string_view n, std::uint32_t h) {
      EXPECT_EQ(n, names[i]);
      EXPECT_EQ(h, NameIndex::Hash(n));
      order.push_back(i);
      added.push_back(walked.Add(n, h, i, nameOf));
    });
    NameIndex plain;
    EXPECT_EQ(added, AddAll(plain, names)) << reserve;
    ASSERT_EQ(order.size(), names.size());
    for (std::size_t i = 0; i < order.size(); ++i) EXPECT_EQ(order[i], i);
    std::vector<std::string> wanted;
    for (int i = 0; i < 2000; ++i) wanted.push_back("a" + std::to_string(i));
    std::size_t misses = 0;
    walked.ForEachAhead(
        wanted.size(), [&](std::size_t i) { return std::string_view(wanted[i]); },
        [&](std::size_t i, std::string_view n, std::uint32_t h) {
          const std::size_t at = walked.Find(n, h, nameOf, names.size());
          if (i < 1000) {
            EXPECT_EQ(at, i);
          }
          misses += at == names.size();
        });
    EXPECT_EQ(misses, 1000u);
  }
  NameIndex none;
  none.ForEachAhead(0, nameOf, [](std::size_t, std::string_view, std::uint32_t) { FAIL(); });
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
