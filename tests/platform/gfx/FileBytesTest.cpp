#include "platform/gfx/FileBytes.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace gfx {
namespace {

class FileBytesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("zt_filebytes_" + std::to_string(::getpid()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  std::string Write(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    const std::filesystem::path p = dir_ / name;
    std::ofstream(p, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return p.string();
  }

  std::filesystem::path dir_;
};

void ExpectFileError(const std::string& path, std::size_t limit, const std::string& reason) {
  try {
    ReadFileBytes(path, limit);
    FAIL() << "no exception for " << path;
  } catch (const FileError& e) {
    const std::string msg = e.what();
    EXPECT_NE(msg.find(path), std::string::npos) << msg;
    EXPECT_NE(msg.find(reason), std::string::npos) << msg;
  }
}

TEST_F(FileBytesTest, ReadsWholeFiles) {
  std::vector<std::uint8_t> big(200000);
  for (std::size_t i = 0; i < big.size(); ++i) big[i] = static_cast<std::uint8_t>(i * 7 + (i >> 9));
  EXPECT_EQ(ReadFileBytes(Write("big.bin", big)), big);
  EXPECT_TRUE(ReadFileBytes(Write("empty.bin", {})).empty());
  // Exactly at the limit is still fine.
  EXPECT_EQ(ReadFileBytes(Write("ten.bin", std::vector<std::uint8_t>(10, 1)), 10).size(), 10u);
}

TEST_F(FileBytesTest, FailuresNameThePath) {
  ExpectFileError((dir_ / "missing.bmp").string(), kMaxFileBytes, "No such file");
  ExpectFileError(dir_.string(), kMaxFileBytes, "directory");
  ExpectFileError(Write("eleven.bin", std::vector<std::uint8_t>(11, 1)), 10, "larger than 10 bytes");
}

TEST(FileBytes, FilesWithoutASizeAreReadToTheEnd) {
  // Files in /proc report a size of 0 but have contents.
  const std::vector<std::uint8_t> data = ReadFileBytes("/proc/self/status");
  EXPECT_GT(data.size(), 0u);
  EXPECT_THROW(ReadFileBytes("/proc/self/status", 8), FileError);
  EXPECT_THROW(ReadFileBytes("/dev/null"), FileError) << "not a regular file";
}

}  // namespace
}  // namespace gfx
