// Arrays on the large-array allocator behave as ordinary vectors on both
// sides of the size from which blocks are mapped on their own.
#include "skin/data/LargeArrayAllocator.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "skin/data/sMaskData.h"

namespace skin {
namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;

TEST(LargeArrayAllocator, VectorsGrowCopyAndShrinkAcrossTheMappedSize) {
  using Array = std::vector<std::uint32_t, LargeArrayAllocator<std::uint32_t>>;
  for (const std::size_t count : {std::size_t{1}, std::size_t{1000}, kHugePage / 8 - 1, kHugePage / 8,
                                  kHugePage / 4 - 1, kHugePage / 4,
                                  kHugePage / 4 + 1, 3 * kHugePage / 4 + 12345}) {
    Array a;
    for (std::size_t i = 0; i < count; ++i) a.push_back(static_cast<std::uint32_t>(i * 2654435761u));
    const Array copy = a;
    a.resize(count / 2);
    a.shrink_to_fit();
    ASSERT_EQ(copy.size(), count);
    for (std::size_t i = 0; i < count; ++i)
      ASSERT_EQ(copy[i], static_cast<std::uint32_t>(i * 2654435761u)) << count << " at " << i;
    for (std::size_t i = 0; i < a.size(); ++i) ASSERT_EQ(a[i], copy[i]) << count << " at " << i;
  }
}

// Huge pages can only back a block that starts on a 2 MiB boundary.
TEST(LargeArrayAllocator, LargeBlocksStartOnA2MiBBoundary) {
  TsGeneralDataArray table(kHugePage / sizeof(TsGeneralData) + 1);
  EXPECT_EQ(reinterpret_cast<std::uintptr_t>(table.data()) % kHugePage, 0u);
  table.back().SectionName = "LAST SECTION, NAMED AT THE END OF THE BLOCK";
  EXPECT_EQ(TsGeneralDataArray(table).back().SectionName, table.back().SectionName);
}

}  // namespace
}  // namespace skin
