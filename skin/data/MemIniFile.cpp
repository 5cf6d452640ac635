#include "skin/data/MemIniFile.h"

#include <algorithm>

#include "skin/data/IniValues.h"
#include "skin/data/TextUtil.h"

namespace skin {

std::optional<std::string_view> MemIniFile::Section::Find(std::string_view key) const {
  std::size_t i = 0;
  if (index_ != nullptr) {
    i = index_->Find(
        key, [&](std::size_t j) { return keys_[j].Name; }, keys_.size());
  } else {
    while (i < keys_.size() && !SameText(keys_[i].Name, key)) ++i;
  }
  if (i == keys_.size()) return std::nullopt;
  return keys_[i].Value;
}

MemIniFile::MemIniFile(std::string_view text) : text_(text.begin(), text.end()) { Parse(); }

MemIniFile::MemIniFile(std::vector<std::uint8_t> text) : text_(std::move(text)) { Parse(); }

std::uint32_t MemIniFile::FirstInSection(NameIndex& index, std::size_t begin, std::size_t k) {
  const auto nameOf = [&](std::size_t i) { return keys_[begin + i].Name; };
  const std::size_t at = k - begin;
  if (!index.Empty()) return static_cast<std::uint32_t>(index.Add(keys_[k].Name, at, nameOf));
  if (at + 1 == Section::kIndexFrom) {
    index.Reserve(2 * Section::kIndexFrom);
    std::size_t first = 0;
    for (std::size_t i = 0; i <= at; ++i) first = index.Add(nameOf(i), i, nameOf);
    return static_cast<std::uint32_t>(first);
  }
  std::size_t i = 0;
  while (i < at && !SameText(nameOf(i), keys_[k].Name)) ++i;
  return static_cast<std::uint32_t>(i);
}

void MemIniFile::Parse() {
  const std::string_view text(reinterpret_cast<const char*>(text_.data()), text_.size());
  // At most one section per "[" and one key per "=": reserving keeps the
  // arrays from moving as they grow.
  const auto brackets = static_cast<std::size_t>(std::count(text.begin(), text.end(), '['));
  const auto equals = static_cast<std::size_t>(std::count(text.begin(), text.end(), '='));
  sections_.reserve(brackets);
  index_.Reserve(brackets);
  keys_.reserve(equals);
  keyFirstOf_.reserve(equals);
  LargeArray<std::uint32_t> begins;  // per section: its first key in keys_
  begins.reserve(brackets + 1);
  // The name index of the section being read, and which sections got one.
  NameIndex keyIndex;
  std::vector<std::uint32_t> indexed;
  const auto endSection = [&] {
    if (keyIndex.Empty()) return;
    keyIndexes_.push_back(std::move(keyIndex));
    keyIndex = NameIndex();
    indexed.push_back(static_cast<std::uint32_t>(sections_.size() - 1));
  };

  std::size_t at = 0;
  while (at < text.size()) {
    std::size_t end = at;
    while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
    const std::string_view line = Trim(text.substr(at, end - at));
    at = end;
    if (at < text.size() && text[at] == '\r') ++at;
    if (at < text.size() && text[at] == '\n' && (at == end || text[at - 1] == '\r')) ++at;

    if (line.empty() || line.front() == ';') continue;
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
      endSection();
      const std::string_view name = Trim(line.substr(1, line.size() - 2));
      sections_.emplace_back().name_ = name;
      begins.push_back(static_cast<std::uint32_t>(keys_.size()));
      continue;
    }
    const std::size_t eq = line.find('=');
    if (sections_.empty() || eq == std::string_view::npos) continue;
    keys_.push_back(Key{Trim(line.substr(0, eq)), Trim(line.substr(eq + 1))});
    keyFirstOf_.push_back(FirstInSection(keyIndex, begins.back(), keys_.size() - 1));
  }
  endSection();
  begins.push_back(static_cast<std::uint32_t>(keys_.size()));
  for (std::size_t i = 0; i < sections_.size(); ++i) {
    const std::size_t count = begins[i + 1] - begins[i];
    sections_[i].keys_ = std::span<const Key>(keys_.data() + begins[i], count);
    sections_[i].firstOf_ = std::span<const std::uint32_t>(keyFirstOf_.data() + begins[i], count);
  }
  for (std::size_t j = 0; j < indexed.size(); ++j) sections_[indexed[j]].index_ = &keyIndexes_[j];
  // The names are indexed once all are known, a few ahead of each other.
  firstOf_.resize(sections_.size());
  index_.ForEachAhead(
      sections_.size(), SectionName(), [&](std::size_t i, std::string_view name, std::uint32_t hash) {
        firstOf_[i] = static_cast<std::uint32_t>(index_.Add(name, hash, i, SectionName()));
      });
}

const MemIniFile::Section* MemIniFile::FindSection(std::string_view name) const {
  const std::size_t i = index_.Find(name, SectionName(), sections_.size());
  return i == sections_.size() ? nullptr : &sections_[i];
}

std::optional<std::string_view> MemIniFile::Find(std::string_view section, std::string_view key) const {
  const Section* s = FindSection(section);
  return s == nullptr ? std::nullopt : s->Find(key);
}

std::string MemIniFile::ReadString(std::string_view section, std::string_view key,
                                   std::string_view def) const {
  return std::string(Find(section, key).value_or(def));
}

int MemIniFile::ReadInteger(std::string_view section, std::string_view key, int def) const {
  const std::optional<std::string_view> v = Find(section, key);
  if (!v) return def;
  return ParseInteger(*v).value_or(def);
}

double MemIniFile::ReadFloat(std::string_view section, std::string_view key, double def) const {
  const std::optional<std::string_view> v = Find(section, key);
  if (!v) return def;
  return ParseFloat(*v).value_or(def);
}

bool MemIniFile::ReadBool(std::string_view section, std::string_view key, bool def) const {
  const std::optional<std::string_view> v = Find(section, key);
  return v ? ParseBool(*v) : def;
}

}  // namespace skin
