// An INI text held in memory. Lines are split at CR, LF or CR LF and trimmed;
// empty lines and lines starting with ";" are skipped; "[name]" starts a
// section; "key=value" lines inside a section are its keys. Names keep their
// spelling; lookups ignore letter case and find the first section, then the
// first key, of the wanted name.
//
// The reader keeps the text and hands out names and values as views into it:
// a large file costs no string per name or value. Views stay valid as long as
// the reader, also when it is moved.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "skin/data/LargeArrayAllocator.h"
#include "skin/data/NameIndex.h"

namespace skin {

class MemIniFile {
 public:
  struct Key {
    std::string_view Name;
    std::string_view Value;
  };

  class Section {
   public:
    std::string_view Name() const { return name_; }
    // Keys in file order, duplicates included.
    std::span<const Key> Keys() const { return keys_; }
    // Value of the first key of that name, in any letter case.
    std::optional<std::string_view> Find(std::string_view key) const;
    // The value that Find gives for the name of Keys()[i]: that of the first
    // key of the same name.
    std::string_view FirstValueOf(std::size_t i) const { return keys_[firstOf_[i]].Value; }

   private:
    friend class MemIniFile;
    // Small sections are searched key by key; a section with many keys gets
    // an index of its names.
    static constexpr std::size_t kIndexFrom = 16;

    std::string_view name_;
    std::span<const Key> keys_;               // in the file's flat key array
    std::span<const std::uint32_t> firstOf_;  // per key: index of the first key of its name
    const NameIndex* index_ = nullptr;        // once large
  };

  MemIniFile() = default;
  // Reads a copy of `text`.
  explicit MemIniFile(std::string_view text);
  // Reads `text`, keeping it without a copy.
  explicit MemIniFile(std::vector<std::uint8_t> text);
  // Sections refer into the text and the key arrays, which move along but
  // must not be copied.
  MemIniFile(const MemIniFile&) = delete;
  MemIniFile& operator=(const MemIniFile&) = delete;
  MemIniFile(MemIniFile&&) = default;
  MemIniFile& operator=(MemIniFile&&) = default;

  // Sections in file order, duplicates included.
  std::span<const Section> Sections() const { return sections_; }
  // The section that FindSection gives for the name of Sections()[i].
  const Section& FirstOfName(std::size_t i) const { return sections_[firstOf_[i]]; }
  // The first section of that name, in any letter case; null if none.
  const Section* FindSection(std::string_view name) const;
  // Calls fn(i, FindSection(wanted(i))) for i = 0 .. count-1 in order; an
  // empty name finds nothing. Faster than one FindSection after another
  // when there are many names.
  template <class Wanted, class Fn>
  void FindSections(std::size_t count, Wanted&& wanted, Fn&& fn) const {
    index_.ForEachAhead(count, wanted, [&](std::size_t i, std::string_view name, std::uint32_t hash) {
      const std::size_t at = name.empty() ? sections_.size() : index_.Find(name, hash, SectionName(), sections_.size());
      fn(i, at == sections_.size() ? nullptr : &sections_[at]);
    });
  }

  // The value of a key, or nothing when the section or the key is missing.
  std::optional<std::string_view> Find(std::string_view section, std::string_view key) const;
  std::string ReadString(std::string_view section, std::string_view key, std::string_view def) const;
  // Missing or malformed values give `def`.
  int ReadInteger(std::string_view section, std::string_view key, int def) const;
  double ReadFloat(std::string_view section, std::string_view key, double def) const;
  bool ReadBool(std::string_view section, std::string_view key, bool def) const;

 private:
  void Parse();
  // The name of section i, for the name index.
  struct SectionNameAt {
    const MemIniFile* File;
    std::string_view operator()(std::size_t i) const { return File->sections_[i].name_; }
  };
  SectionNameAt SectionName() const { return SectionNameAt{this}; }
  // Index of the first key of the same name within the current section,
  // whose keys are keys_[begin, k]; `index` is that section's name index.
  std::uint32_t FirstInSection(NameIndex& index, std::size_t begin, std::size_t k);

  std::vector<std::uint8_t> text_;
  LargeArray<Key> keys_;                  // every section's keys, one after another
  LargeArray<std::uint32_t> keyFirstOf_;  // per key, relative to its section
  LargeArray<Section> sections_;
  LargeArray<std::uint32_t> firstOf_;       // per section: index of the first of its name
  std::vector<NameIndex> keyIndexes_;  // of the sections with many keys
  NameIndex index_;                    // section names
};

}  // namespace skin
