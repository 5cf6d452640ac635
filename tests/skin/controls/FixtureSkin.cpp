#include "tests/skin/controls/FixtureSkin.h"

#include <cstdio>
#include <filesystem>

#include "skin/data/SkinLoader.h"

namespace skin::fixture {

namespace {

// Four digits, as the fixed columns of "^" values want them.
std::string Field4(int v) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%04d", v);
  return buf;
}

}  // namespace

std::string BorderMaskValue(const BorderMaskSpec& m) {
  std::string s;
  for (int v : {m.Area.Left, m.Area.Top, m.Area.Right, m.Area.Bottom, m.WL, m.WT, m.WR, m.WB})
    s += "^" + Field4(v);
  for (int v : {m.ImageCount, m.MaskType, m.StretchMode, m.BorderWidth}) s += "^" + std::to_string(v);
  return s;
}

std::string GlyphMaskValue(const gfx::Rect& area, int imageCount, int maskType) {
  std::string s;
  for (int v : {area.Left, area.Top, area.Right, area.Bottom}) s += "@" + Field4(v);
  return s + "@" + std::to_string(imageCount) + "@" + std::to_string(maskType);
}

FixtureSkin::FixtureSkin(int masterWidth, int masterHeight) {
  AddSection("GLOBALINFO");
  if (masterWidth > 0 && masterHeight > 0) {
    master_ = Solid24(masterWidth, masterHeight, gfx::clFuchsia);
    Set("GLOBALINFO", "MASTERBITMAP", "MASTER.BMP");
  }
}

FixtureSkin::Section& FixtureSkin::FindOrAdd(std::string_view name) {
  for (Section& s : sections_)
    if (s.Name == name) return s;
  sections_.push_back({std::string(name), {}});
  return sections_.back();
}

FixtureSkin& FixtureSkin::AddSection(std::string_view section) {
  FindOrAdd(section);
  return *this;
}

FixtureSkin& FixtureSkin::Set(std::string_view section, std::string_view key, std::string_view value) {
  Section& s = FindOrAdd(section);
  for (auto& kv : s.Keys)
    if (kv.first == key) {
      kv.second = std::string(value);
      return *this;
    }
  s.Keys.emplace_back(std::string(key), std::string(value));
  return *this;
}

FixtureSkin& FixtureSkin::Set(std::string_view section, std::string_view key, std::int64_t value) {
  return Set(section, key, std::to_string(value));
}

FixtureSkin& FixtureSkin::Mask(std::string_view section, const BorderMaskSpec& m, std::string_view key) {
  return Set(section, key, BorderMaskValue(m));
}

FixtureSkin& FixtureSkin::Glyph(std::string_view section, std::string_view key, const gfx::Rect& area,
                                int imageCount, int maskType) {
  return Set(section, key, GlyphMaskValue(area, imageCount, maskType));
}

FixtureSkin& FixtureSkin::RadioGlyphs(gfx::Point at, int size, const std::array<gfx::Color, 3>& checked,
                                      const std::array<gfx::Color, 3>& unchecked) {
  const std::array<gfx::Color, 3>* rows[] = {&checked, &unchecked};
  for (int row = 0; row < 2; ++row) {
    const int y = at.Y + row * size;
    for (int state = 0; state < 3; ++state) {
      const int x = at.X + state * size;
      Fill({x, y, x + size, y + size}, (*rows[row])[static_cast<std::size_t>(state)]);
      Fill({x, y, x + 1, y + 1}, gfx::clFuchsia);
    }
  }
  Glyph("GLOBALINFO", "RADIOCHECKED", {at.X, at.Y, at.X + 3 * size, at.Y + size}, 3);
  return Glyph("GLOBALINFO", "RADIOUNCHECKED", {at.X, at.Y + size, at.X + 3 * size, at.Y + 2 * size}, 3);
}

FixtureSkin& FixtureSkin::AddFile(std::string_view name, std::vector<std::uint8_t> bytes) {
  files_.push_back({std::string(name), std::move(bytes)});
  return *this;
}

FixtureSkin& FixtureSkin::Fill(const gfx::Rect& r, gfx::Color c) {
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x)
      if (x >= 0 && y >= 0 && x < master_.Width() && y < master_.Height()) master_.SetPixelAt(x, y, c);
  return *this;
}

std::string FixtureSkin::Options() const {
  std::string text;
  for (const Section& s : sections_) {
    text += "[" + s.Name + "]\r\n";
    for (const auto& kv : s.Keys) text += kv.first + "=" + kv.second + "\r\n";
  }
  return text;
}

std::vector<PackEntry> FixtureSkin::Entries() const {
  std::vector<PackEntry> entries{{"Options.dat", Bytes(Options())}};
  if (!master_.Empty()) entries.push_back({"Master.bmp", Bmp(master_)});
  entries.insert(entries.end(), files_.begin(), files_.end());
  return entries;
}

std::vector<std::uint8_t> FixtureSkin::Package() const { return PackSkin(Entries()); }

TsStoredSkin FixtureSkin::Stored(std::string name) const {
  TsStoredSkin s;
  s.Name = std::move(name);
  s.Data = Package();
  return s;
}

std::string FixtureSkin::WriteDirectory(const TempDir& dir, const std::string& name) const {
  std::filesystem::create_directories(dir.Path() / name);
  for (const PackEntry& e : Entries()) dir.Write(name + "/" + e.Name, e.Data);
  return (dir.Path() / name).string();
}

std::unique_ptr<TsSkinModel> FixtureSkin::Model() const {
  return LoadSkinFromPackage(Package(), "/fixture/", {}).Model;
}

}  // namespace skin::fixture
