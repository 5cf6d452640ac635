#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <thread>

#include <gtest/gtest.h>

#include "platform/ui/controls/Files.h"
#include "platform/ui/controls/ProgramInfo.h"
#include "platform/ui/controls/Random.h"
#include "platform/ui/controls/Shell.h"

namespace ui {
namespace {

namespace fs = std::filesystem;

class TempDir {
 public:
  TempDir() {
    path_ = fs::temp_directory_path() / ("zt_controls_" + std::to_string(::getpid()) + "_" +
                                         std::to_string(reinterpret_cast<std::uintptr_t>(this)));
    fs::create_directories(path_);
  }
  ~TempDir() {
    std::error_code ec;
    fs::remove_all(path_, ec);
  }
  std::string Path() const { return path_.string(); }
  void Touch(const std::string& rel) {
    fs::create_directories((path_ / rel).parent_path());
    std::ofstream(path_ / rel) << "x";
  }

 private:
  fs::path path_;
};

TEST(FilesTest, ExistenceTests) {
  TempDir t;
  t.Touch("a.txt");
  EXPECT_TRUE(FileExists(JoinPath(t.Path(), "a.txt")));
  EXPECT_FALSE(FileExists(t.Path()));
  EXPECT_FALSE(FileExists(JoinPath(t.Path(), "missing")));
  EXPECT_FALSE(FileExists(""));
  EXPECT_TRUE(DirectoryExists(t.Path()));
  EXPECT_FALSE(DirectoryExists(JoinPath(t.Path(), "a.txt")));
  EXPECT_FALSE(DirectoryExists(""));
}

TEST(FilesTest, SkinDirectoriesAndPackages) {
  TempDir t;
  t.Touch("Zeta/Options.dat");
  t.Touch("Alpha/Options.dat");
  t.Touch("Empty/readme");
  t.Touch(".Hidden/Options.dat");
  t.Touch("Options.dat/inner");  // a directory named like the file
  t.Touch("Blue.osz");
  t.Touch("Green.Dark.osz");
  t.Touch("Red.OSZ");
  t.Touch(".secret.osz");
  t.Touch("notes.txt");
  t.Touch("osz");
  EXPECT_EQ(SubdirectoriesContaining(t.Path(), "Options.dat"), (std::vector<std::string>{"Alpha", "Zeta"}));
  EXPECT_EQ(FilesWithExtension(t.Path(), "osz"), (std::vector<std::string>{"Blue", "Green", "Red"}));
  EXPECT_EQ(FilesWithExtension(t.Path(), ".osz"), FilesWithExtension(t.Path(), "osz"));
  EXPECT_TRUE(SubdirectoriesContaining(JoinPath(t.Path(), "missing"), "Options.dat").empty());
  EXPECT_TRUE(FilesWithExtension(JoinPath(t.Path(), "missing"), "osz").empty());
}

TEST(FilesTest, PathHelpers) {
  EXPECT_EQ(JoinPath("/a/b", "c"), "/a/b/c");
  EXPECT_EQ(JoinPath("/a/b/", "c"), "/a/b/c");
  EXPECT_EQ(JoinPath("", "c"), "c");
  EXPECT_EQ(DirectoryOf("/a/b/c"), "/a/b");
  EXPECT_EQ(DirectoryOf("/c"), "/");
  EXPECT_EQ(DirectoryOf("c"), "");
}

TEST(ProgramInfoTest, ProgramAndCommandLine) {
  std::string path = ProgramPath();
  ASSERT_FALSE(path.empty());
  EXPECT_TRUE(FileExists(path));
  EXPECT_EQ(ProgramDirectory(), DirectoryOf(path));
  EXPECT_TRUE(DirectoryExists(ProgramDirectory()));
  EXPECT_EQ(ParamStr(0), path);
  EXPECT_EQ(static_cast<int>(CommandLine().size()), ParamCount() + 1);
  EXPECT_EQ(ParamStr(ParamCount() + 1), "");
  EXPECT_EQ(ParamStr(-1), "");
}

TEST(RandomTest, UniformStaysInRangeAndCoversIt) {
  RandomGenerator r(12345);
  std::map<int, int> seen;
  for (int i = 0; i < 6000; ++i) {
    int v = r.Uniform(0, 5);
    ASSERT_GE(v, 0);
    ASSERT_LE(v, 5);
    ++seen[v];
  }
  ASSERT_EQ(seen.size(), 6u);
  for (auto [v, n] : seen) {
    EXPECT_GT(n, 850) << v;
    EXPECT_LT(n, 1150) << v;
  }
  EXPECT_EQ(r.Uniform(7, 7), 7);
  EXPECT_EQ(r.Uniform(9, 3), 9);
  EXPECT_EQ(r.Below(0), 0);
}

TEST(RandomTest, SeedsRepeatAndClockSeedsDiffer) {
  RandomGenerator a(7), b(7);
  for (int i = 0; i < 20; ++i) EXPECT_EQ(a.Uniform(0, 1000000), b.Uniform(0, 1000000));
  RandomGenerator c, d;
  bool differ = false;
  for (int i = 0; i < 20 && !differ; ++i) differ = c.Uniform(0, 1000000) != d.Uniform(0, 1000000);
  EXPECT_TRUE(differ);
}

// Polls an attempt until the handler has ended (at most 5 s).
AddressOpening::State Outcome(AddressOpening& o) {
  for (int i = 0; i < 500 && o.Poll() == AddressOpening::State::Running; ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  return o.Poll();
}

TEST(ShellTest, HandlerGetsTheAddressAndItsExitStatusIsTheOutcome) {
  TempDir t;
  const std::string target = JoinPath(t.Path(), "opened");
  // "touch" stands in for the desktop handler: it receives the address.
  AddressOpening touch(target, "touch");
  EXPECT_EQ(Outcome(touch), AddressOpening::State::Opened);
  EXPECT_TRUE(FileExists(target));
  // An address with shell syntax is passed as one argument, not run.
  const std::string tricky = JoinPath(t.Path(), "x; touch ") + JoinPath(t.Path(), "pwned");
  AddressOpening quiet(tricky, "true");
  EXPECT_EQ(Outcome(quiet), AddressOpening::State::Opened);
  EXPECT_FALSE(FileExists(JoinPath(t.Path(), "pwned")));
  struct {
    const char* Address;
    const char* Program;
  } failures[] = {{"http://example.invalid/", "zt-no-such-program"},
                  {"http://example.invalid/", "false"},
                  {"", "true"},
                  {"http://example.invalid/", ""}};
  for (const auto& f : failures) {
    AddressOpening o(f.Address, f.Program);
    EXPECT_EQ(Outcome(o), AddressOpening::State::Failed) << f.Address << " " << f.Program;
  }
}

// A handler that keeps running (a browser it started, say) is not waited
// for, and what it starts does not hold the outcome back.
TEST(ShellTest, OutcomeDoesNotWaitForWhatTheHandlerLeftRunning) {
  TempDir t;
  const std::string script = JoinPath(t.Path(), "handler.sh");
  std::ofstream(script) << "#!/bin/sh\nsleep 30 &\nexit 0\n";
  ASSERT_EQ(chmod(script.c_str(), 0755), 0);
  AddressOpening o("http://example.invalid/", script);
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(Outcome(o), AddressOpening::State::Opened);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
}

}  // namespace
}  // namespace ui
