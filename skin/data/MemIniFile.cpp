#include "skin/data/MemIniFile.h"

#include <algorithm>

#include "skin/data/IniValues.h"
#include "skin/data/TextUtil.h"

namespace skin {

const std::string* MemIniFile::Section::Find(std::string_view key) const {
  std::size_t i = 0;
  if (!index_.Empty()) {
    i = index_.Find(
        key, [&](std::size_t j) -> std::string_view { return keys_[j].Name; }, keys_.size());
  } else {
    while (i < keys_.size() && !SameText(keys_[i].Name, key)) ++i;
  }
  return i == keys_.size() ? nullptr : &keys_[i].Value;
}

std::uint32_t MemIniFile::FirstInSection(Section& s, std::size_t begin, std::size_t k) {
  const auto nameOf = [&](std::size_t i) -> std::string_view { return keys_[begin + i].Name; };
  const std::size_t at = k - begin;
  if (!s.index_.Empty()) return static_cast<std::uint32_t>(s.index_.Add(keys_[k].Name, at, nameOf));
  if (at + 1 == Section::kIndexFrom) {
    s.index_.Reserve(2 * Section::kIndexFrom);
    std::size_t first = 0;
    for (std::size_t i = 0; i <= at; ++i) first = s.index_.Add(nameOf(i), i, nameOf);
    return static_cast<std::uint32_t>(first);
  }
  std::size_t i = 0;
  while (i < at && !SameText(nameOf(i), keys_[k].Name)) ++i;
  return static_cast<std::uint32_t>(i);
}

MemIniFile::MemIniFile(std::string_view text) {
  // At most one section per "[" and one key per "=": reserving keeps the
  // arrays from moving as they grow.
  const auto brackets = static_cast<std::size_t>(std::count(text.begin(), text.end(), '['));
  const auto equals = static_cast<std::size_t>(std::count(text.begin(), text.end(), '='));
  sections_.reserve(brackets);
  firstOf_.reserve(brackets);
  index_.Reserve(brackets);
  keys_.reserve(equals);
  keyFirstOf_.reserve(equals);
  std::vector<std::size_t> begins;  // per section: its first key in keys_
  begins.reserve(brackets + 1);
  const auto sectionName = [&](std::size_t i) -> std::string_view { return sections_[i].Name(); };
  std::size_t at = 0;
  while (at < text.size()) {
    std::size_t end = text.find_first_of("\r\n", at);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = Trim(text.substr(at, end - at));
    at = end;
    if (at < text.size() && text[at] == '\r') ++at;
    if (at < text.size() && text[at] == '\n' && (at == end || text[at - 1] == '\r')) ++at;

    if (line.empty() || line.front() == ';') continue;
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
      const std::string_view name = Trim(line.substr(1, line.size() - 2));
      firstOf_.push_back(index_.Add(name, sections_.size(), sectionName));
      sections_.emplace_back(std::string(name));
      begins.push_back(keys_.size());
      continue;
    }
    const std::size_t eq = line.find('=');
    if (sections_.empty() || eq == std::string_view::npos) continue;
    keys_.push_back(Key{std::string(Trim(line.substr(0, eq))), std::string(Trim(line.substr(eq + 1)))});
    keyFirstOf_.push_back(FirstInSection(sections_.back(), begins.back(), keys_.size() - 1));
  }
  begins.push_back(keys_.size());
  for (std::size_t i = 0; i < sections_.size(); ++i) {
    const std::size_t count = begins[i + 1] - begins[i];
    sections_[i].keys_ = std::span<const Key>(keys_.data() + begins[i], count);
    sections_[i].firstOf_ = std::span<const std::uint32_t>(keyFirstOf_.data() + begins[i], count);
  }
}

const MemIniFile::Section* MemIniFile::FindSection(std::string_view name) const {
  const std::size_t i = index_.Find(
      name, [&](std::size_t j) -> std::string_view { return sections_[j].Name(); }, sections_.size());
  return i == sections_.size() ? nullptr : &sections_[i];
}

const std::string* MemIniFile::Find(std::string_view section, std::string_view key) const {
  const Section* s = FindSection(section);
  return s == nullptr ? nullptr : s->Find(key);
}

std::string MemIniFile::ReadString(std::string_view section, std::string_view key,
                                   std::string_view def) const {
  const std::string* v = Find(section, key);
  return v != nullptr ? *v : std::string(def);
}

int MemIniFile::ReadInteger(std::string_view section, std::string_view key, int def) const {
  const std::string* v = Find(section, key);
  if (v == nullptr) return def;
  return ParseInteger(*v).value_or(def);
}

double MemIniFile::ReadFloat(std::string_view section, std::string_view key, double def) const {
  const std::string* v = Find(section, key);
  if (v == nullptr) return def;
  return ParseFloat(*v).value_or(def);
}

bool MemIniFile::ReadBool(std::string_view section, std::string_view key, bool def) const {
  const std::string* v = Find(section, key);
  return v == nullptr ? def : ParseBool(*v);
}

}  // namespace skin
