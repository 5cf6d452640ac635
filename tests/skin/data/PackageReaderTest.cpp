// The package reader against packages written by the packer, and against
// damaged and hostile packages.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>

#include "skin/data/SkinErrors.h"
#include "skin/data/acSkinPack.h"
#include "tests/skin/data/SkinFixture.h"
#include "tools/skinpack/SkinPackWriter.h"

namespace skin {
namespace {

using fixture::Bytes;

std::vector<std::uint8_t> Le32(std::int64_t v) {
  const auto u = static_cast<std::uint32_t>(v);
  return {static_cast<std::uint8_t>(u), static_cast<std::uint8_t>(u >> 8), static_cast<std::uint8_t>(u >> 16),
          static_cast<std::uint8_t>(u >> 24)};
}

std::vector<std::uint8_t> Cat(std::initializer_list<std::vector<std::uint8_t>> parts) {
  std::vector<std::uint8_t> out;
  for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

TEST(PackageReader, EmptyPackageHasNoOptionsAndNoItems) {
  TacSkinConvertor r;
  r.LoadFromData(PackSkin({}));
  EXPECT_EQ(r.ImageCount, -1);
  EXPECT_TRUE(r.ImageItems.empty());
  EXPECT_FALSE(r.Options.has_value());
}

TEST(PackageReader, ReadsEntriesInOrderWithOptionsFoundInAnyCase) {
  const std::vector<PackEntry> entries = {
      {"OPTIONS.DAT", Bytes("[GLOBALINFO]\nVERSION=6.5\n")},
      {"Master.bmp", Bytes("master bytes")},
      {"GlowClose.PNG", std::vector<std::uint8_t>(70000, 7)},  // more than one inflate block
      {"Empty.BMP", {}},
      {"noextension", Bytes("x")},
  };
  TacSkinConvertor r;
  r.LoadFromData(PackSkin(entries));
  EXPECT_EQ(r.ImageCount, 4);
  ASSERT_TRUE(r.Options.has_value());
  EXPECT_EQ(*r.Options, entries[0].Data);
  ASSERT_EQ(r.ImageItems.size(), 4u);
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(r.ImageItems[i].FileName, entries[i + 1].Name);
    EXPECT_EQ(r.ImageItems[i].Data, entries[i + 1].Data);
  }
  EXPECT_EQ(r.FindItem("MASTER.BMP"), &r.ImageItems[0]);
  EXPECT_EQ(r.FindItem("master.bmp"), nullptr);  // the wanted name is compared as given
  EXPECT_EQ(r.FindItem("GLOWCLOSE.PNG"), &r.ImageItems[1]);
}

TEST(PackageReader, LaterOptionsEntryReplacesEarlierOne) {
  TacSkinConvertor r;
  r.LoadFromData(PackSkin({{"Options.dat", Bytes("first")}, {"options.DAT", Bytes("second")}}));
  ASSERT_TRUE(r.Options.has_value());
  EXPECT_EQ(*r.Options, Bytes("second"));
  EXPECT_TRUE(r.ImageItems.empty());
}

TEST(PackageReader, IsBitmapFlagFollowsTheExtension) {
  const struct {
    const char* name;
    bool isBitmap;
  } cases[] = {{"Master.bmp", true}, {"Br.BMP", true},     {"x.Bmp", true},     {"ExBorder.png", false},
               {"Title", false},     {"a.bmp.png", false}, {"a.png.bmp", true}, {"bmp", false},
               {"x.bmpx", false},    {"dir.bmp/x", false}, {".bmp", true}};
  std::vector<PackEntry> entries;
  for (const auto& c : cases) entries.push_back({c.name, Bytes("data")});
  TacSkinConvertor r;
  r.LoadFromData(PackSkin(entries));
  ASSERT_EQ(r.ImageItems.size(), std::size(cases));
  for (std::size_t i = 0; i < std::size(cases); ++i)
    EXPECT_EQ(r.ImageItems[i].IsBitmap, cases[i].isBitmap) << cases[i].name;
}

TEST(PackageReader, WrongMagicIsRejectedAndEmptiesTheReader) {
  TacSkinConvertor r;
  r.LoadFromData(PackSkin({{"a.bmp", Bytes("x")}}));
  ASSERT_EQ(r.ImageItems.size(), 1u);
  for (const std::vector<std::uint8_t>& data :
       {Bytes("OSZf\0\0\0\0"), Bytes("PK\3\4"), Bytes("OSz"), std::vector<std::uint8_t>{}}) {
    try {
      r.LoadFromData(data);
      ADD_FAILURE() << "accepted a package without the magic";
    } catch (const PackageError& e) {
      EXPECT_STREQ(e.what(), "Loaded data is not a packed Ostravi file");
    }
    EXPECT_TRUE(r.ImageItems.empty());
    EXPECT_EQ(r.ImageCount, -1);
  }
}

TEST(PackageReader, CorruptCompressedDataCarriesZlibsMessage) {
  std::vector<std::uint8_t> pkg = PackSkin({{"a.bmp", Bytes("some content that compresses")}});
  const std::size_t stream = 4 + 4 + 4 + 5 + 4;
  pkg[stream] ^= 0xFF;  // the zlib header
  TacSkinConvertor r;
  try {
    r.LoadFromData(pkg);
    FAIL() << "accepted a corrupt stream";
  } catch (const DecompressionError& e) {
    EXPECT_STREQ(e.what(), "incorrect header check");
  }
  pkg[stream] ^= 0xFF;
  pkg[pkg.size() - 1] ^= 0x55;  // the Adler-32 trailer
  EXPECT_THROW(r.LoadFromData(pkg), DecompressionError);
  EXPECT_TRUE(r.ImageItems.empty());
}

TEST(PackageReader, EntriesThatEndEarlyAreStreamReadErrors) {
  std::vector<std::uint8_t> noise(5000);
  for (std::size_t i = 0; i < noise.size(); ++i) noise[i] = static_cast<std::uint8_t>((i * 7919u) >> 3);
  const std::vector<std::uint8_t> full = PackSkin({{"a.bmp", noise}, {"b.bmp", Bytes("b")}});
  TacSkinConvertor r;
  // Cut inside the second stream, and inside the first one.
  for (std::size_t cut : {full.size() - 3, full.size() / 2}) {
    const std::vector<std::uint8_t> truncated(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(cut));
    try {
      r.LoadFromData(truncated);
      FAIL() << "accepted a package cut at " << cut;
    } catch (const SkinError& e) {
      EXPECT_STREQ(e.what(), "Stream read error") << cut;
    }
  }
  // A stated size larger than the stream's content.
  std::vector<std::uint8_t> pkg = PackSkin({{"a.bmp", Bytes("12345")}});
  const std::size_t sizeAt = 4 + 4 + 4 + 5;
  pkg[sizeAt] = 6;
  EXPECT_THROW(r.LoadFromData(pkg), StreamReadError);
  // A stated size smaller than the content does not silently drop bytes.
  pkg[sizeAt] = 4;
  EXPECT_THROW(r.LoadFromData(pkg), PackageError);
}

TEST(PackageReader, HostileCountsAndSizesAreClearErrors) {
  const std::vector<std::uint8_t> magic = Bytes("OSzf");
  const std::vector<std::uint8_t> stream = {0x78, 0x9C, 0x03, 0x00,
                                            0x00, 0x00, 0x00, 0x01};  // inflates to nothing
  const struct {
    const char* what;
    std::vector<std::uint8_t> data;
    const char* messagePart;
  } cases[] = {
      {"count missing", Cat({magic, {1, 0}}), "entry count"},
      {"negative count", Cat({magic, Le32(-1)}), "negative entry count"},
      {"count past the data", Cat({magic, Le32(0x7FFFFFFF)}), "remaining bytes"},
      {"name length past the data", Cat({magic, Le32(1), Le32(0x7FFFFFF0), Bytes("abcdefgh"), stream}),
       "name length"},
      {"negative name length", Cat({magic, Le32(1), Le32(-5), Bytes("abcdefgh"), stream}), "is negative"},
      {"negative size", Cat({magic, Le32(1), Le32(1), Bytes("a"), Le32(-1), stream}), "negative size"},
      {"size the stream cannot hold", Cat({magic, Le32(1), Le32(1), Bytes("a"), Le32(0x7FFFFFFF), stream}),
       "more than its compressed data can hold"},
      {"size missing", Cat({magic, Le32(1), Le32(12), Bytes("abcdefghijkl"), {0, 0}}), "the size of entry 1"},
  };
  for (const auto& c : cases) {
    TacSkinConvertor r;
    try {
      r.LoadFromData(c.data);
      ADD_FAILURE() << c.what << ": accepted";
    } catch (const PackageError& e) {
      EXPECT_NE(std::string(e.what()).find(c.messagePart), std::string::npos) << c.what << ": " << e.what();
    }
  }
  // The smallest entry is accepted.
  TacSkinConvertor r;
  r.LoadFromData(Cat({magic, Le32(1), Le32(1), Bytes("a"), Le32(0), stream}));
  ASSERT_EQ(r.ImageItems.size(), 1u);
  EXPECT_TRUE(r.ImageItems[0].Data.empty());
}

// The listing of the packer tool names negative fields as negative, not as
// truncated data or sizes that are too large.
TEST(Packer, ListingReportsNegativeFieldsAsNegative) {
  const std::vector<std::uint8_t> magic = Bytes("OSzf");
  const std::vector<std::uint8_t> stream = {0x78, 0x9C, 0x03, 0x00, 0x00, 0x00, 0x00, 0x01};
  const struct {
    const char* what;
    std::vector<std::uint8_t> data;
    const char* message;
  } cases[] = {
      {"count", Cat({magic, Le32(-2)}), "The skin package has a negative entry count (-2)"},
      {"name length", Cat({magic, Le32(1), Le32(-5), Bytes("abcdefgh"), stream}),
       "Entry 1 of the skin package has a negative name length (-5)"},
      {"size", Cat({magic, Le32(1), Le32(1), Bytes("a"), Le32(-1), stream}),
       "Entry a has a negative size (-1)"},
      {"truncated", Cat({magic, Le32(2), Le32(1), Bytes("a"), Le32(0), stream}),
       "The skin package ends in the middle of an entry"},
  };
  for (const auto& c : cases) {
    try {
      ListSkin(c.data);
      ADD_FAILURE() << c.what << ": accepted";
    } catch (const PackageError& e) {
      EXPECT_STREQ(e.what(), c.message) << c.what;
    }
  }
}

TEST(PackageReader, FileThatDoesNotExistMakesNoReader) {
  fixture::TempDir dir;
  EXPECT_EQ(TacSkinConvertor::LoadFromFile((dir.Path() / "none.osz").string()), nullptr);
  dir.Write("s.osz", PackSkin({{"Options.dat", Bytes("[A]")}, {"x.bmp", Bytes("x")}}));
  const auto r = TacSkinConvertor::LoadFromFile((dir.Path() / "s.osz").string());
  ASSERT_NE(r, nullptr);
  EXPECT_EQ(r->ImageItems.size(), 1u);
  EXPECT_EQ(*r->Options, Bytes("[A]"));
}

TEST(Packer, DirectoryIsPackedOptionsFirstThenByExtensionAndName) {
  fixture::TempDir dir;
  for (const char* n :
       {"Title.bmp", "GlowMin.png", "options.dat", "Br.BMP", "ExBorder.png", ".hidden", "Master.bmp"})
    dir.Write(n, Bytes(n));
  const std::vector<PackEntry> entries = ReadSkinDirectory(dir.Str());
  std::vector<std::string> names;
  for (const PackEntry& e : entries) names.push_back(e.Name);
  EXPECT_EQ(names, (std::vector<std::string>{"options.dat", "Br.BMP", "Master.bmp", "Title.bmp",
                                             "ExBorder.png", "GlowMin.png"}));
  const std::vector<PackListing> list = ListSkin(PackSkin(entries));
  ASSERT_EQ(list.size(), names.size());
  EXPECT_EQ(list[1].Name, "Br.BMP");
  EXPECT_EQ(list[1].Size, 6u);
}

TEST(Packer, RefusesNamesThatDifferOnlyInCaseAndDirectoriesWithoutOptions) {
  fixture::TempDir dir;
  dir.Write("Title.bmp", Bytes("a"));
  EXPECT_THROW(ReadSkinDirectory(dir.Str()), std::runtime_error);
  dir.Write("Options.dat", Bytes("[A]"));
  dir.Write("TITLE.BMP", Bytes("b"));
  EXPECT_THROW(ReadSkinDirectory(dir.Str()), std::runtime_error);
}

}  // namespace
}  // namespace skin
