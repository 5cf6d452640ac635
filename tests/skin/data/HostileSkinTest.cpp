// Skins built to exhaust memory, hang or mislead: shared decoding, the load's
// memory budget, conversion limits, out-of-memory, FIFOs and oversized
// options files.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <future>
#include <map>
#include <string>
#include <thread>

#include "skin/data/SkinErrors.h"
#include "skin/data/SkinLoader.h"
#include "skin/data/SkinMemoryBudget.h"
#include "skin/data/acSkinPack.h"
#include "tests/skin/data/SkinFixture.h"

namespace skin {
namespace {

using fixture::Bytes;

void Put16(std::vector<std::uint8_t>& v, unsigned x) {
  v.push_back(static_cast<std::uint8_t>(x));
  v.push_back(static_cast<std::uint8_t>(x >> 8));
}
void Put32(std::vector<std::uint8_t>& v, std::uint32_t x) {
  Put16(v, x & 0xFFFF);
  Put16(v, x >> 16);
}

// An 8-bit RLE bitmap of any size in about a kilobyte: its data is only the
// end-of-bitmap code, so every pixel is palette entry 0.
std::vector<std::uint8_t> TinyRle8(int w, int h) {
  std::vector<std::uint8_t> info;
  Put32(info, 40);
  Put32(info, static_cast<std::uint32_t>(w));
  Put32(info, static_cast<std::uint32_t>(h));
  Put16(info, 1);
  Put16(info, 8);
  Put32(info, 1);  // BI_RLE8
  Put32(info, 2);
  for (int i = 0; i < 4; ++i) Put32(info, 0);
  for (int i = 0; i < 256; ++i) Put32(info, static_cast<std::uint32_t>(i * 0x010101));
  const std::vector<std::uint8_t> data = {0, 1};
  std::vector<std::uint8_t> bmp = {'B', 'M'};
  Put32(bmp, static_cast<std::uint32_t>(14 + info.size() + data.size()));
  Put32(bmp, 0);
  Put32(bmp, static_cast<std::uint32_t>(14 + info.size()));
  bmp.insert(bmp.end(), info.begin(), info.end());
  bmp.insert(bmp.end(), data.begin(), data.end());
  return bmp;
}

// A zlib stream of `size` zero bytes, made without holding them.
std::vector<std::uint8_t> ZeroStream(std::size_t size) {
  z_stream z{};
  deflateInit(&z, Z_BEST_SPEED);
  std::vector<std::uint8_t> in(1 << 16), out;
  std::vector<std::uint8_t> buf(1 << 16);
  std::size_t left = size;
  int rc = Z_OK;
  do {
    const std::size_t n = std::min(left, in.size());
    left -= n;
    z.next_in = in.data();
    z.avail_in = static_cast<uInt>(n);
    const int flush = left == 0 ? Z_FINISH : Z_NO_FLUSH;
    do {
      z.next_out = buf.data();
      z.avail_out = static_cast<uInt>(buf.size());
      rc = deflate(&z, flush);
      out.insert(out.end(), buf.begin(), buf.end() - z.avail_out);
    } while (z.avail_out == 0);
  } while (left > 0 || rc != Z_STREAM_END);
  deflateEnd(&z);
  return out;
}

// A package whose image entries are `count` runs of `size` zero bytes. The
// streams are made once per size: deflating hundreds of MiB takes a while.
std::vector<std::uint8_t> ZeroPackage(int count, std::size_t size) {
  static std::map<std::size_t, std::vector<std::uint8_t>> streams;
  auto made = streams.find(size);
  if (made == streams.end()) made = streams.emplace(size, ZeroStream(size)).first;
  const std::vector<std::uint8_t>& stream = made->second;
  std::vector<std::uint8_t> pkg = Bytes("OSzf");
  Put32(pkg, static_cast<std::uint32_t>(count));
  for (int i = 0; i < count; ++i) {
    const std::string name = "Zero" + std::to_string(i) + ".bmp";
    Put32(pkg, static_cast<std::uint32_t>(name.size()));
    pkg.insert(pkg.end(), name.begin(), name.end());
    Put32(pkg, static_cast<std::uint32_t>(size));
    pkg.insert(pkg.end(), stream.begin(), stream.end());
  }
  return pkg;
}

std::string LoadError(const std::vector<PackEntry>& entries) {
  try {
    LoadSkinFromPackage(PackSkin(entries), "", {});
    return "";
  } catch (const SkinError& e) {
    return e.what();
  }
}

TEST(HostileSkin, LinesNamingOneImageShareOneDecodedCopy) {
  const std::string options =
      "[A]\nM1=!M.BMP!1!0!1\nM2=!M.BMP!1!0!1\nO1=m.bmp\nO2=M.BMP\n"
      "[B]\nM3=!M.BMP!1!0!1\nP1=!G.PNG!1!0!4\nP2=!G.PNG!2!0!4\nT=!M.BMP!1!0!0\n";
  const TsLoadResult r = LoadSkinFromPackage(PackSkin({{"Options.dat", Bytes(options)},
                                                       {"M.bmp", TinyRle8(40, 30)},
                                                       {"G.png", fixture::Png(gfx::NewBitmap32(6, 6))}}),
                                             "", {});
  const TsMaskArray& t = r.Model->MaskTable;
  ASSERT_EQ(t.size(), 8u);
  // Textures keep the decoded format and share one image...
  EXPECT_EQ(t[0].Image, t[1].Image);
  EXPECT_EQ(t[0].Image, t[4].Image);
  EXPECT_EQ(t[0].Image->Format(), gfx::PixelFormat::Indexed8);
  // ... older ".BMP" values share the 24-bit one with the "!" border.
  EXPECT_EQ(t[2].Image, t[3].Image);
  EXPECT_EQ(t[2].Image, t[7].Image);
  EXPECT_EQ(t[2].Image->Format(), gfx::PixelFormat::Bgr24);
  EXPECT_EQ(t[5].Image, t[6].Image);
  EXPECT_EQ(t[6].ImageCount, 2);  // the fields stay per line
}

TEST(HostileSkin, HueShiftsASharedImageOnceAndKeepsTheGlowsCopy) {
  gfx::Bitmap red = gfx::NewBitmap32(4, 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) red.SetPixelAt(x, y, 0xFF0000FFu);  // opaque red
  const std::string options =
      "[GLOBALINFO]\nBIKEEPHUE=2\nBICONCLOSE=!G.PNG!1!0!2\nBICONCLOSEGLOW0=!G.PNG!1!0!3\n"
      "[A]\nX=!G.PNG!1!0!2\nY=!G.PNG!1!0!2\n";
  TsLoadSettings hue;
  hue.HueOffset = 120;
  const TsLoadResult r =
      LoadSkinFromPackage(PackSkin({{"Options.dat", Bytes(options)}, {"G.png", fixture::Png(red)}}), "", hue);
  const TsMaskArray& t = r.Model->MaskTable;
  ASSERT_EQ(t.size(), 4u);
  const gfx::Color green = 0xFF00FF00u;
  EXPECT_EQ(t[1].Image->PixelAt(1, 1), 0xFF0000FFu);  // the close button's glow keeps its hue
  for (int i : {0, 2, 3}) EXPECT_EQ(t[i].Image->PixelAt(1, 1), green) << i;  // shifted once, not thrice
}

TEST(HostileSkin, ReaderStopsAtTheMemoryBudget) {
  const std::vector<std::uint8_t> pkg = ZeroPackage(3, 400 << 10);
  TacSkinConvertor r;
  SkinMemoryBudget roomy(std::size_t{2} << 20);
  r.LoadFromData(pkg, roomy);
  EXPECT_EQ(r.ImageItems.size(), 3u);
  EXPECT_EQ(roomy.Used(), std::size_t{1200} << 10);
  SkinMemoryBudget tight(std::size_t{1} << 20);
  try {
    r.LoadFromData(pkg, tight);
    ADD_FAILURE() << "loaded";
  } catch (const SkinError& e) {
    EXPECT_NE(std::string(e.what()).find("\"Zero2.bmp\""), std::string::npos) << e.what();
  }
  EXPECT_TRUE(r.ImageItems.empty());  // nothing half read is kept
}

// Entries of 200 MiB each (the per-entry limit allows them) in a package of
// about 600 KB: the third passes the load's budget.
TEST(HostileSkin, ManyLargeEntriesEndTheLoadWithAClearMessage) {
  try {
    LoadSkinFromPackage(ZeroPackage(3, std::size_t{200} << 20), "", {});
    ADD_FAILURE() << "loaded";
  } catch (const SkinError& e) {
    EXPECT_EQ(std::string(e.what()),
              "The skin needs more than 512 MiB of memory for its files and images (at \"Zero2.bmp\"); it "
              "cannot be loaded");
  }
}

// 10000 x 10000 pixels are 100 MB at 8 bits, within the decoders' limit, but
// 300 MB once made 24-bit: refused before the conversion allocates.
TEST(HostileSkin, SizeLimitAppliesAfterConversion) {
  const std::vector<std::uint8_t> bmp = TinyRle8(10000, 10000);
  for (const char* options :
       {"[GLOBALINFO]\nMASTERBITMAP=M.BMP\n", "[A]\nB=!M.BMP!1!0!0\n", "[A]\nB=M.BMP\n"}) {
    EXPECT_EQ(LoadError({{"Options.dat", Bytes(options)}, {"M.bmp", bmp}}),
              "The skin image \"M.BMP\" cannot be read: it is too large at 24 bits per pixel")
        << options;
  }
  // As a texture it stays 8-bit and loads.
  EXPECT_EQ(LoadError({{"Options.dat", Bytes("[A]\nB=!M.BMP!1!0!1\n")}, {"M.bmp", bmp}}), "");
}

#if defined(__SANITIZE_ADDRESS__)
#define ZT_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ZT_ASAN 1
#endif
#endif

#ifndef ZT_ASAN
// Loads `package` with the address space limited to what the process has
// mapped plus 100 MiB; the exit code tells what came out.
int LoadWithLittleMemory(const std::vector<std::uint8_t>& package) {
  std::ifstream statm("/proc/self/statm");
  std::size_t pages = 0;
  statm >> pages;
  const rlim_t room = pages * static_cast<std::size_t>(sysconf(_SC_PAGESIZE)) + (std::size_t{100} << 20);
  const rlimit limit{room, room};
  setrlimit(RLIMIT_AS, &limit);
  try {
    LoadSkinFromPackage(package, "", {});
  } catch (const SkinError& e) {
    return std::string(e.what()) == "There is not enough memory to read the skin package" ? 0 : 2;
  } catch (...) {
    return 3;
  }
  return 4;
}

// Out of memory becomes the loader's own error (not available under the
// address sanitizer, which needs a large address space).
TEST(HostileSkinDeathTest, OutOfMemoryIsTheLoadersError) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  const std::vector<std::uint8_t> pkg = ZeroPackage(1, std::size_t{200} << 20);
  EXPECT_EXIT(std::_Exit(LoadWithLittleMemory(pkg)), testing::ExitedWithCode(0), "");
}
#endif

// A FIFO named like a package or an options file is refused at once instead
// of waiting for a writer.
TEST(HostileSkin, FifosAreRefusedWithoutBlocking) {
  fixture::TempDir dir;
  std::filesystem::create_directory(dir.Path() / "Fifo");
  const std::string package = (dir.Path() / "x.osz").string();
  const std::string options = (dir.Path() / "Fifo" / "Options.dat").string();
  ASSERT_EQ(mkfifo(package.c_str(), 0600), 0);
  ASSERT_EQ(mkfifo(options.c_str(), 0600), 0);
  const auto expectRefusedQuickly = [](const std::string& fifo, auto load) {
    auto done = std::async(std::launch::async, [&] {
      try {
        load();
        return std::string("loaded");
      } catch (const SkinError& e) {
        return std::string(e.what());
      }
    });
    if (done.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
      ADD_FAILURE() << fifo << ": the load blocks";
      const int fd = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);  // release the waiting reader
      if (fd >= 0) ::close(fd);
    }
    const std::string message = done.get();
    EXPECT_NE(message.find("not a regular file"), std::string::npos) << fifo << ": " << message;
  };
  expectRefusedQuickly(package, [&] { LoadSkinFromPackageFile(package, "", {}); });
  expectRefusedQuickly(options, [&] { LoadSkinFromDirectory((dir.Path() / "Fifo").string(), {}); });
}

TEST(HostileSkin, UnreadableOptionsFileIsTheLoadsError) {
  fixture::TempDir dir;
  fixture::WriteEntries(dir, {{"Options.dat", Bytes("[BUTTON]\n")}});
  // A sparse file just over the 256 MiB file limit.
  ASSERT_EQ(::truncate((dir.Path() / "Options.dat").c_str(), (off_t{256} << 20) + 1), 0);
  try {
    LoadSkinFromDirectory(dir.Str(), {});
    ADD_FAILURE() << "loaded";
  } catch (const SkinError& e) {
    EXPECT_NE(std::string(e.what()).find("file larger than"), std::string::npos) << e.what();
  }
  // A folder of that name is an error too; no options file at all is an
  // empty skin.
  fixture::TempDir other;
  std::filesystem::create_directory(other.Path() / "Options.dat");
  EXPECT_THROW(LoadSkinFromDirectory(other.Str(), {}), SkinError);
  fixture::TempDir none;
  EXPECT_TRUE(LoadSkinFromDirectory(none.Str(), {}).Model->GeneralTable.empty());
}

}  // namespace
}  // namespace skin
