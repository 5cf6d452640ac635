// Screenshots of the virtual screen and of one surface as PNG files.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "tests/platform/backend/HeadlessTestSupport.h"

namespace backend {
namespace {

std::vector<unsigned char> ReadFile(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint32_t BigEndian(const std::vector<unsigned char>& d, std::size_t at) {
  return (std::uint32_t{d[at]} << 24) | (std::uint32_t{d[at + 1]} << 16) | (std::uint32_t{d[at + 2]} << 8) |
         d[at + 3];
}

class HeadlessScreenshot : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = std::filesystem::temp_directory_path() /
          ("zt_backend_shot_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
           std::to_string(reinterpret_cast<std::uintptr_t>(this)));
    std::filesystem::create_directories(dir);
  }
  void TearDown() override { std::filesystem::remove_all(dir); }
  std::filesystem::path dir;
};

// Width, height and colour type from the IHDR chunk that follows the signature.
void ExpectPng(const std::filesystem::path& p, std::uint32_t w, std::uint32_t h, int colourType) {
  const auto d = ReadFile(p);
  ASSERT_GT(d.size(), 33u);
  const unsigned char signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  EXPECT_TRUE(std::equal(std::begin(signature), std::end(signature), d.begin()));
  EXPECT_EQ(std::string(d.begin() + 12, d.begin() + 16), "IHDR");
  EXPECT_EQ(BigEndian(d, 16), w);
  EXPECT_EQ(BigEndian(d, 20), h);
  EXPECT_EQ(d[25], colourType);
}

TEST_F(HeadlessScreenshot, WholeScreenAndOneSurface) {
  HeadlessOptions o;
  o.ScreenSize = {40, 30};
  HeadlessBackend b(o);
  const SurfaceId s = testing::SolidSurface(b, {5, 5, 15, 12}, gfx::RGB(1, 2, 3));
  b.SaveScreenshot((dir / "screen.png").string());
  b.SaveSurfaceScreenshot(s, (dir / "surface.png").string());
  ExpectPng(dir / "screen.png", 40, 30, 2);  // RGB
  ExpectPng(dir / "surface.png", 10, 7, 6);  // RGBA
}

TEST_F(HeadlessScreenshot, DefaultScreenIs1280x1024) {
  HeadlessBackend b;
  EXPECT_EQ(b.ScreenSize(), (gfx::Size{1280, 1024}));
  EXPECT_EQ(b.WorkArea(), (gfx::Rect{0, 0, 1280, 1024}));
  ASSERT_EQ(b.Monitors().size(), 1u);
  EXPECT_TRUE(b.Monitors()[0].Primary);
  b.SaveScreenshot((dir / "big.png").string());
  ExpectPng(dir / "big.png", 1280, 1024, 2);
}

TEST_F(HeadlessScreenshot, FailuresNameTheProblem) {
  HeadlessBackend b;
  const std::string bad = (dir / "no" / "such" / "dir" / "x.png").string();
  try {
    b.SaveScreenshot(bad);
    FAIL() << "no exception";
  } catch (const std::runtime_error& e) {
    EXPECT_NE(std::string(e.what()).find(bad), std::string::npos) << e.what();
  }
  EXPECT_THROW(b.SaveSurfaceScreenshot(42, (dir / "x.png").string()), std::invalid_argument);
}

TEST(HeadlessScreen, WorkAreaIsClippedToTheScreen) {
  HeadlessOptions o;
  o.ScreenSize = {100, 80};
  o.WorkArea = {0, 0, 100, 200};
  EXPECT_EQ(HeadlessBackend(o).WorkArea(), (gfx::Rect{0, 0, 100, 80}));
  o.WorkArea = {0, 0, 100, 70};  // a panel at the bottom
  EXPECT_EQ(HeadlessBackend(o).WorkArea(), (gfx::Rect{0, 0, 100, 70}));
  EXPECT_EQ(HeadlessBackend(o).Monitors()[0].WorkArea, (gfx::Rect{0, 0, 100, 70}));
}

}  // namespace
}  // namespace backend
