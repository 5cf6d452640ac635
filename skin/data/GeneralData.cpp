#include "skin/data/GeneralData.h"

#include <algorithm>
#include <optional>
#include <string>
#include <unordered_set>

#include "skin/data/GradientList.h"
#include "skin/data/InheritanceResolver.h"
#include "skin/data/IniValues.h"
#include "skin/data/NameIndex.h"
#include "skin/data/TextUtil.h"

namespace skin {
namespace {

using Chain = std::vector<const MemIniFile::Section*>;

// One general key: how a value counts as present (an integer of -1 and a text
// of "?" are looked up in the parent) and how it is stored. `value` is null
// when no section of the chain has it; the field then takes the fallback's.
struct GeneralKey {
  const char* Name;
  bool Textual;
  void (*Apply)(TsGeneralData& d, const std::string_view* value, const TsGeneralData& f);
};

std::int32_t Int(std::string_view v) { return *ParseInteger(v); }

#define ZT_INT(KEY, FIELD)                                                                \
  {                                                                                       \
    KEY, false, [](TsGeneralData& d, const std::string_view* v, const TsGeneralData& f) { \
      d.FIELD = v ? Int(*v) : f.FIELD;                                                    \
    }                                                                                     \
  }
#define ZT_COLOUR(KEY, FIELD)                                                             \
  {                                                                                       \
    KEY, false, [](TsGeneralData& d, const std::string_view* v, const TsGeneralData& f) { \
      d.FIELD = v ? static_cast<gfx::Color>(Int(*v)) : f.FIELD;                           \
    }                                                                                     \
  }
// A colour found in the file is resolved to RGB; the fallback already is.
#define ZT_RGB(KEY, FIELD)                                                                \
  {                                                                                       \
    KEY, false, [](TsGeneralData& d, const std::string_view* v, const TsGeneralData& f) { \
      d.FIELD = v ? gfx::ColorToRGB(static_cast<gfx::Color>(Int(*v))) : f.FIELD;          \
    }                                                                                     \
  }
#define ZT_BYTE(KEY, FIELD)                                                               \
  {                                                                                       \
    KEY, false, [](TsGeneralData& d, const std::string_view* v, const TsGeneralData& f) { \
      d.FIELD = v ? static_cast<std::uint8_t>(Int(*v)) : f.FIELD;                         \
    }                                                                                     \
  }
#define ZT_BOOL(KEY, FIELD)                                                              \
  {                                                                                      \
    KEY, true, [](TsGeneralData& d, const std::string_view* v, const TsGeneralData& f) { \
      d.FIELD = v ? ParseBool(*v) : f.FIELD;                                             \
    }                                                                                    \
  }
#define ZT_TEXT(KEY, FIELD)                                                              \
  {                                                                                      \
    KEY, true, [](TsGeneralData& d, const std::string_view* v, const TsGeneralData& f) { \
      d.FIELD = v ? std::string(*v) : f.FIELD;                                           \
    }                                                                                    \
  }

const GeneralKey kGeneralKeys[] = {
    ZT_RGB("COLOR", Color),
    ZT_COLOUR("HOTCOLOR", HotColor),
    ZT_COLOUR("FONTCOLOR", FontColor[0]),
    ZT_COLOUR("TCLEFT", FontColor[1]),
    ZT_COLOUR("TCTOP", FontColor[2]),
    ZT_COLOUR("TCRIGHT", FontColor[3]),
    ZT_COLOUR("TCBOTTOM", FontColor[4]),
    ZT_COLOUR("HOTFONTCOLOR", HotFontColor[0]),
    ZT_COLOUR("HOTTCLEFT", HotFontColor[1]),
    ZT_COLOUR("HOTTCTOP", HotFontColor[2]),
    ZT_COLOUR("HOTTCRIGHT", HotFontColor[3]),
    ZT_COLOUR("HOTTCBOTTOM", HotFontColor[4]),
    ZT_INT("TRANSPARENCY", Transparency),
    ZT_INT("HOTTRANSPARENCY", HotTransparency),
    ZT_INT("GRADIENTPERCENT", GradientPercent),
    ZT_INT("HOTGRADIENTPERCENT", HotGradientPercent),
    ZT_INT("IMAGEPERCENT", ImagePercent),
    ZT_INT("HOTIMAGEPERCENT", HotImagePercent),
    ZT_TEXT("GRADIENTDATA", GradientData),
    ZT_TEXT("HOTGRADIENTDATA", HotGradientData),
    ZT_BOOL("SHOWFOCUS", ShowFocus),
    ZT_BOOL("FADINGENABLED", FadingEnabled),
    ZT_INT("FADINGITERATIONS", FadingIterations),
    ZT_BOOL("GIVEOWNFONT", GiveOwnFont),
    ZT_BOOL("RESERVEDBOOLEAN", ReservedBoolean),
    ZT_INT("GLOW", GlowCount),
    ZT_INT("GLOWMARGIN", GlowMargin),
    ZT_RGB("GCOL", GlowColor),
    ZT_BYTE("GSIZE", GlowSize),
    ZT_RGB("HGCOL", HotGlowColor),
    ZT_BYTE("HGSIZE", HotGlowSize),
};
#undef ZT_INT
#undef ZT_COLOUR
#undef ZT_RGB
#undef ZT_BYTE
#undef ZT_BOOL
#undef ZT_TEXT

constexpr std::size_t kKeyCount = std::size(kGeneralKeys);

bool Present(const GeneralKey& key, std::string_view value) {
  if (key.Textual) return value != "?";
  const std::optional<std::int32_t> n = ParseInteger(value);
  return n && *n != -1;
}

// Name, parent and the two parsed gradient lists.
void Finish(TsGeneralData& d, const MemIniFile::Section* first) {
  if (first != nullptr) {
    d.SectionName = first->Name();
    if (const std::optional<std::string_view> parent = first->Find("PARENTCLASS")) d.ParentClass = *parent;
  }
  d.GradientSteps = ParseGradientList(d.GradientData);
  d.HotGradientSteps = ParseGradientList(d.HotGradientData);
}

// The general keys a section holds: for each, the value of its first line.
class SectionKeys {
 public:
  explicit SectionKeys(const MemIniFile& ini) {
    const std::span<const MemIniFile::Section> sections = ini.Sections();
    NameIndex index;
    const auto nameOf = [](std::size_t k) -> std::string_view { return kGeneralKeys[k].Name; };
    index.Reserve(kKeyCount);
    for (std::size_t k = 0; k < kKeyCount; ++k) index.Add(kGeneralKeys[k].Name, k, nameOf);
    begin_.reserve(sections.size() + 1);
    std::size_t lines = 0;  // every key line makes at most one entry
    for (const MemIniFile::Section& s : sections) lines += s.Keys().size();
    values_.reserve(lines);
    for (const MemIniFile::Section& s : sections) {
      begin_.push_back(static_cast<std::uint32_t>(values_.size()));
      const std::size_t first = values_.size();
      for (const MemIniFile::Key& k : s.Keys()) {
        const std::size_t key = index.Find(k.Name, nameOf, kKeyCount);
        if (key == kKeyCount) continue;
        const bool seen = std::any_of(values_.begin() + static_cast<std::ptrdiff_t>(first), values_.end(),
                                      [&](const Entry& e) { return e.Key == key; });
        if (!seen) {
          values_.push_back(Entry{static_cast<std::uint8_t>(key), &k.Value});
          used_[key] = true;
        }
      }
    }
    begin_.push_back(static_cast<std::uint32_t>(values_.size()));
  }

  // Whether any section has the key.
  bool Used(std::size_t key) const { return used_[key]; }

  const std::string_view* Find(std::size_t section, std::size_t key) const {
    for (std::uint32_t i = begin_[section]; i < begin_[section + 1]; ++i)
      if (values_[i].Key == key) return values_[i].Value;
    return nullptr;
  }

 private:
  struct Entry {
    std::uint8_t Key;
    const std::string_view* Value;
  };
  LargeArray<std::uint32_t> begin_;
  LargeArray<Entry> values_;
  bool used_[kKeyCount] = {};
};

}  // namespace

std::vector<const MemIniFile::Section*> ParentChain(const MemIniFile& ini, std::string_view section) {
  Chain chain;
  std::unordered_set<const MemIniFile::Section*> seen;
  const MemIniFile::Section* s = ini.FindSection(section);
  while (s != nullptr && chain.size() < kMaxParentDepth) {
    chain.push_back(s);
    seen.insert(s);
    const std::optional<std::string_view> parent = s->Find("PARENTCLASS");
    if (!parent || parent->empty() || *parent == "?" || SameText(*parent, s->Name())) break;
    s = ini.FindSection(*parent);
    if (seen.count(s) != 0) break;  // a longer cycle
  }
  return chain;
}

TsGeneralData ReadGeneralData(const Chain& chain, const TsGeneralData& fallback) {
  TsGeneralData d;
  for (const GeneralKey& key : kGeneralKeys) {
    std::optional<std::string_view> found;
    for (const MemIniFile::Section* s : chain) {
      const std::optional<std::string_view> v = s->Find(key.Name);
      if (v && Present(key, *v)) {
        found = v;
        break;
      }
    }
    key.Apply(d, found ? &*found : nullptr, fallback);
  }
  Finish(d, chain.empty() ? nullptr : chain.front());
  return d;
}

TsGeneralDataArray ReadGeneralTable(
    const MemIniFile& ini, const TsGeneralData& defaults,
    const std::function<void(std::string_view, const ConvertError&)>& onError) {
  const std::span<const MemIniFile::Section> sections = ini.Sections();
  const std::size_t n = sections.size();
  const auto indexOf = [&](const MemIniFile::Section* s) {
    return s == nullptr ? -1 : static_cast<int>(s - sections.data());
  };
  // Every section reads its keys from the first section of its name.
  LargeArray<int> first(n), parent(n, -1);
  for (std::size_t i = 0; i < n; ++i) first[i] = indexOf(&ini.FirstOfName(i));
  ini.FindSections(
      n,
      [&](std::size_t i) {
        const std::optional<std::string_view> p = sections[i].Find("PARENTCLASS");
        const bool ends = !p || p->empty() || *p == "?" || SameText(*p, sections[i].Name());
        return ends ? std::string_view() : *p;
      },
      [&](std::size_t i, const MemIniFile::Section* p) { parent[i] = indexOf(p); });
  const InheritanceResolver resolver(std::move(parent), kMaxParentDepth);
  const SectionKeys keys(ini);

  // One pass per key over small arrays, then one pass over the records. Keys
  // that no section has are found nowhere and need no pass.
  std::vector<LargeArray<int>> found(kKeyCount);
  std::vector<std::uint8_t> usedKeys;
  for (std::size_t k = 0; k < kKeyCount; ++k) {
    if (!keys.Used(k)) continue;
    usedKeys.push_back(static_cast<std::uint8_t>(k));
    const GeneralKey& key = kGeneralKeys[k];
    resolver.Resolve(
        [&](int s) {
          const std::string_view* v = keys.Find(static_cast<std::size_t>(s), k);
          return v != nullptr && Present(key, *v);
        },
        found[k]);
  }
  // Every record starts as a record whose keys were all found nowhere; only
  // the keys some section has are then looked at. Each record is built in
  // its place, so the table's memory is written once.
  TsGeneralData base;
  for (const GeneralKey& key : kGeneralKeys) key.Apply(base, nullptr, defaults);
  TsGeneralDataArray table;
  table.reserve(n);
  for (std::size_t i = 0; i < n; ++i) {
    const auto f = static_cast<std::size_t>(first[i]);
    TsGeneralData& d = table.emplace_back(base);
    for (const std::uint8_t k : usedKeys) {
      const int at = found[k][f];
      if (at >= 0) kGeneralKeys[k].Apply(d, keys.Find(static_cast<std::size_t>(at), k), defaults);
    }
    try {
      Finish(d, &sections[f]);
    } catch (const ConvertError& e) {
      onError(sections[i].Name(), e);
    }
    d.SectionName = sections[i].Name();  // as written, even where an earlier section answers
  }
  return table;
}

}  // namespace skin
