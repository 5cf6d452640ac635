#include "skin/data/MemIniFile.h"

#include <algorithm>

#include "skin/data/IniValues.h"
#include "skin/data/TextUtil.h"

namespace skin {

std::size_t MemIniFile::Section::FirstIndexOf(std::string_view key) const {
  if (first_.empty()) {
    for (std::size_t i = 0; i < keys_.size(); ++i)
      if (SameText(keys_[i].Name, key)) return i;
    return keys_.size();
  }
  const auto it = first_.find(UpperCase(key));
  return it == first_.end() ? keys_.size() : it->second;
}

const std::string* MemIniFile::Section::Find(std::string_view key) const {
  const std::size_t i = FirstIndexOf(key);
  return i == keys_.size() ? nullptr : &keys_[i].Value;
}

void MemIniFile::Section::Add(std::string key, std::string value) {
  const std::size_t at = keys_.size();
  const std::size_t first = FirstIndexOf(key);
  firstOf_.push_back(first);
  if (!first_.empty()) {
    first_.try_emplace(UpperCase(key), at);
  } else if (at + 1 == kIndexFrom) {
    for (std::size_t i = 0; i < at; ++i) first_.try_emplace(UpperCase(keys_[i].Name), i);
    first_.try_emplace(UpperCase(key), at);
  }
  keys_.push_back(Key{std::move(key), std::move(value)});
}

MemIniFile::MemIniFile(std::string_view text) {
  // At most one section per "[": reserving avoids moving sections as the
  // table grows.
  const auto brackets = static_cast<std::size_t>(std::count(text.begin(), text.end(), '['));
  sections_.reserve(brackets);
  firstOf_.reserve(brackets);
  Section* current = nullptr;
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
      std::string name(Trim(line.substr(1, line.size() - 2)));
      firstOf_.push_back(first_.try_emplace(UpperCase(name), sections_.size()).first->second);
      sections_.emplace_back(std::move(name));
      current = &sections_.back();
      continue;
    }
    const std::size_t eq = line.find('=');
    if (current == nullptr || eq == std::string_view::npos) continue;
    current->Add(std::string(Trim(line.substr(0, eq))), std::string(Trim(line.substr(eq + 1))));
  }
}

const MemIniFile::Section* MemIniFile::FindSection(std::string_view name) const {
  const auto it = first_.find(UpperCase(name));
  return it == first_.end() ? nullptr : &sections_[it->second];
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
