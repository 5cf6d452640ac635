#include "skin/data/SkinLoader.h"

#include <new>
#include <utility>

#include "platform/gfx/FileBytes.h"
#include "skin/data/GeneralData.h"
#include "skin/data/IniValues.h"
#include "skin/data/MaskValues.h"
#include "skin/data/MemIniFile.h"
#include "skin/data/SkinErrors.h"
#include "skin/data/SkinFiles.h"
#include "skin/data/SkinImageCache.h"
#include "skin/data/SkinLoadSteps.h"
#include "skin/data/TextUtil.h"

namespace skin {
namespace {

constexpr std::string_view kGlobal = "GLOBALINFO";
constexpr std::int64_t kMinPatternPixels = 90000;

std::int16_t Short(std::int32_t v) { return static_cast<std::int16_t>(v); }

bool IsJpegName(std::string_view name) {
  return ContainsUpperCased(name, ".JPG") || ContainsUpperCased(name, ".JPEG");
}

// Calls `fn(section, key, value)` for every key of every section, in file
// order, with the section name as written. Keys and values are read the way
// the INI reader reads them: from the first section of that name (in any
// case), the first key of that name.
template <class Fn>
void ForEachValue(const MemIniFile& ini, Fn&& fn) {
  const std::span<const MemIniFile::Section> sections = ini.Sections();
  for (std::size_t i = 0; i < sections.size(); ++i) {
    const MemIniFile::Section& s = ini.FirstOfName(i);
    for (std::size_t k = 0; k < s.Keys().size(); ++k)
      fn(sections[i].Name(), s.Keys()[k].Name, s.FirstValueOf(k));
  }
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& l : lines) text.append(l).push_back('\n');
  return text;
}

class SkinBuilder {
 public:
  SkinBuilder(const MemIniFile& ini, SkinFiles& files, const TsLoadSettings& settings, std::string skinPath,
              SkinMemoryBudget& budget)
      : ini_(ini),
        common_(JoinLines(settings.CommonSections)),
        files_(files),
        commonFiles_(skinPath, &budget),
        settings_(settings),
        budget_(budget),
        images_(budget),
        model_(std::make_unique<TsSkinModel>()) {
    model_->SkinWideData.SkinPath = std::move(skinPath);
  }

  TsLoadResult Run(bool packed) {
    model_->Packed = packed;
    LoadMaster();
    ForEachValue(ini_, [&](std::string_view s, std::string_view k, std::string_view v) {
      if (!(SameText(s, kGlobal) && SameText(k, "MASTERBITMAP"))) Guarded(s, k, [&] { AddMask(s, k, v); });
    });
    AddCommonMasks();
    ForEachValue(ini_, [&](std::string_view s, std::string_view k, std::string_view v) {
      Guarded(s, k, [&] { AddPattern(s, k, v, files_, true); });
    });
    ForEachValue(common_, [&](std::string_view s, std::string_view k, std::string_view v) {
      Guarded(s, k, [&] { AddPattern(s, k, v, commonFiles_, false); });
    });
    ReadSkinWideData();
    ReadGeneralTable();
    ApplyCommonGeneral();
    ApplyColourShifts(*model_, settings_);
    FinishIndexes(*model_);
    return TsLoadResult{std::move(model_), std::move(warnings_)};
  }

 private:
  // Adds the section and key to a conversion error so that the skin's author
  // can find the line.
  template <class Fn>
  static void Guarded(std::string_view section, std::string_view key, Fn&& fn) {
    try {
      fn();
    } catch (const ConvertError& e) {
      throw ConvertError(std::string(e.what()) + " (section " + std::string(section) + ", key " +
                         std::string(key) + ")");
    }
  }

  TsMaskData NewEntry(std::string section, std::string key) const {
    TsMaskData m;
    m.SectionName = std::move(section);
    m.PropertyName = std::move(key);
    m.Owner = settings_.Owner;
    return m;
  }

  void LoadMaster() {
    const std::string name = ini_.ReadString(kGlobal, "MASTERBITMAP", "");
    if (name.empty()) return;
    const auto bytes = files_.Find(name);
    if (!bytes) return;
    gfx::Bitmap b = DecodeForSkin(*bytes, name, SkinImageUse::Bgr24, budget_);
    b.SetTransparent(true);
    b.SetTransparentColor(gfx::clFuchsia);
    model_->MasterBitmap = std::move(b);
  }

  void AddMask(std::string_view section, std::string_view key, std::string_view value) {
    MaskValue v = ParseMaskValue(value);
    switch (v.Kind) {
      case MaskValueKind::None: return;
      case MaskValueKind::Border:
      case MaskValueKind::Glyph:
      case MaskValueKind::Texture: {
        TsMaskData m = std::move(v.Entry);
        m.SectionName = section;
        m.PropertyName = key;
        m.Owner = settings_.Owner;
        model_->MaskTable.push_back(std::move(m));
        return;
      }
      case MaskValueKind::OldMask: return AddOldMask(std::move(v.Entry), section, key);
      case MaskValueKind::OldBitmap: return AddOldBitmap(files_, v.FileName, section, key);
      case MaskValueKind::ImageFile: return AddImageFile(v, section, key);
    }
  }

  void AddOldMask(TsMaskData entry, std::string_view section, std::string_view key) {
    entry.SectionName = UpperCase(section);
    entry.PropertyName = UpperCase(key);
    entry.Owner = settings_.Owner;
    model_->MaskTable.push_back(std::move(entry));
  }

  void AddOldBitmap(SkinFiles& files, const std::string& name, std::string_view section,
                    std::string_view key) {
    const auto bytes = files.Find(name);
    if (!bytes) return;
    std::shared_ptr<gfx::Bitmap> b = images_.Get(*bytes, name, SkinImageUse::Bgr24);
    if (b->Width() == 0) return;
    TsMaskData m = NewEntry(UpperCase(section), UpperCase(key));
    m.Right = b->Width();
    m.Bottom = b->Height();
    m.ImageCount = 3;
    m.MaskType = 1;
    m.WL = m.WR = Short(b->Width() / 9);
    m.WT = m.WB = Short(b->Height() / 6);
    m.Image = std::move(b);
    model_->MaskTable.push_back(std::move(m));
  }

  void AddImageFile(const MaskValue& v, std::string_view section, std::string_view key) {
    const auto bytes = files_.Find(v.FileName);
    if (!bytes) return;
    // Bitmaps other than textures are used at 24 bits, PNG images at 32.
    const bool isBitmap = Contains(v.FileName, ".BMP");
    const SkinImageUse use = !isBitmap ? SkinImageUse::Png32
                             : ParseImageFileFields(v.Words, 0, 0).ImgType == TacImgType::itisaTexture
                                 ? SkinImageUse::AsDecoded
                                 : SkinImageUse::Bgr24;
    std::shared_ptr<gfx::Bitmap> b = images_.Get(*bytes, v.FileName, use);
    if (b->Width() == 0) return;
    TsMaskData m = ParseImageFileFields(v.Words, b->Width(), b->Height());
    m.SectionName = section;
    m.PropertyName = key;
    m.Owner = settings_.Owner;
    m.Image = std::move(b);
    model_->MaskTable.push_back(std::move(m));
  }

  // Option lines given by the program: older "#" masks in the master bitmap
  // and ".BMP" files.
  void AddCommonMasks() {
    ForEachValue(common_, [&](std::string_view s, std::string_view k, std::string_view value) {
      if (SameText(s, kGlobal)) return;
      Guarded(s, k, [&] {
        MaskValue v = ParseMaskValue(value);
        if (v.Kind == MaskValueKind::OldMask && !model_->MasterBitmap.Empty())
          AddOldMask(std::move(v.Entry), s, k);
        if (v.Kind == MaskValueKind::OldBitmap) AddOldBitmap(commonFiles_, v.FileName, s, k);
      });
    });
  }

  // JPEG values: large pictures become patterns, small ones textures (only
  // for the skin's own values; `convertSmall` is false for program lines).
  void AddPattern(std::string_view section, std::string_view key, std::string_view value, SkinFiles& files,
                  bool convertSmall) {
    if (!IsJpegName(value)) return;
    const std::string upper = UpperCase(value);
    const auto bytes = files.Find(upper);
    if (!bytes) return;
    gfx::Bitmap b = DecodeForSkin(*bytes, upper, SkinImageUse::Bgr24, budget_);
    if (b.Width() < 1) return;
    const std::int64_t pixels = std::int64_t{b.Width()} * b.Height();
    if (pixels >= kMinPatternPixels || !convertSmall) {
      model_->PatternTable.push_back(
          TsPatternData{std::make_shared<gfx::Bitmap>(std::move(b)), UpperCase(section), UpperCase(key)});
      return;
    }
    TsMaskData m = NewEntry(UpperCase(section), UpperCase(key));
    m.ImgType = TacImgType::itisaTexture;
    m.ImageCount = 1;
    m.Image = std::make_shared<gfx::Bitmap>(std::move(b));
    model_->MaskTable.push_back(std::move(m));
  }

  std::int32_t Strict(std::string_view key, std::string_view def) const {
    const std::string text = ini_.ReadString(kGlobal, key, def);
    try {
      return StrToInt(text);
    } catch (const ConvertError& e) {
      throw ConvertError(std::string(e.what()) + " (section GLOBALINFO, key " + std::string(key) + ")");
    }
  }

  void ReadSkinWideData() {
    TsSkinData& d = model_->SkinWideData;
    auto integer = [&](std::string_view key, int def) { return Short(ini_.ReadInteger(kGlobal, key, def)); };
    d.Version = ini_.ReadFloat(kGlobal, "VERSION", 0);
    d.Author = ini_.ReadString(kGlobal, "AUTHOR", "");
    d.Description = ini_.ReadString(kGlobal, "DESCRIPTION", "");
    d.BorderWidth = integer("BORDERWIDTH", 4);
    d.TitleHeight = integer("TITLEHEIGHT", 30);
    d.MaxHeight = integer("MAXHEIGHT", 0);
    if (d.MaxHeight == 0) d.MaxHeight = d.TitleHeight;
    d.FormOffset = integer("FORMOFFSET", 8);
    d.CenterOffset = integer("CENTEROFFSET", 0);
    d.BorderMode = integer("BORDERMODE", 0);
    d.Shadow1Color = static_cast<gfx::Color>(ini_.ReadInteger(kGlobal, "SHADOW1COLOR", 0));
    d.Shadow1Offset = Short(Strict("SHADOW1OFFSET", "0"));
    d.Shadow1Blur = Short(Strict("SHADOW1BLUR", "-1"));
    d.Shadow1Transparency = Short(Strict("SHADOW1TRANSPARENCY", "0"));
    d.BISpace = integer("BISPACE", 0);
    d.BIVAlign = integer("BIVALIGN", 0);
    d.BIRight = integer("BIRIGHT", 0);
    d.BILeft = integer("BILEFT", 0);
    d.BITop = integer("BITOP", 0);
    d.BorderColor = static_cast<gfx::Color>(ini_.ReadInteger(kGlobal, "BORDERCOLOR", 0));
    d.BIKeepHue = integer("BIKEEPHUE", 0);
    d.BICloseGlow = Short(Strict("BICONCLOSEGLOW", "0"));
    d.BICloseGlowMargin = Short(Strict("BICONCLOSEGLOWMARGIN", "0"));
    d.BIMaxGlow = Short(Strict("BICONMAXGLOW", "0"));
    d.BIMaxGlowMargin = Short(Strict("BICONMAXGLOWMARGIN", "0"));
    d.BIMinGlow = Short(Strict("BICONMINGLOW", "0"));
    d.BIMinGlowMargin = Short(Strict("BICONMINGLOWMARGIN", "0"));
    if (d.Version > 6.99) warnings_.emplace_back(kVersionWarning);
  }

  void ReadGeneralTable() {
    model_->GeneralTable =
        skin::ReadGeneralTable(ini_, TsGeneralData{}, [](std::string_view section, const ConvertError& e) {
          Guarded(section, "GRADIENTDATA", [&] { throw e; });
        });
  }

  // Sections of the program's option lines replace or add records; a value
  // they leave out comes from their PARENTCLASS record, else the default.
  void ApplyCommonGeneral() {
    for (const MemIniFile::Section& s : common_.Sections()) {
      const std::optional<std::string_view> parent = s.Find("PARENTCLASS");
      const int parentIndex = parent ? model_->SectionIndexOf(*parent) : -1;
      TsGeneralData fallback = parentIndex >= 0 ? model_->GeneralTable[parentIndex] : TsGeneralData{};
      TsGeneralData record;
      Guarded(s.Name(), "GRADIENTDATA", [&] { record = ReadGeneralData({&s}, fallback); });
      const int existing = model_->SectionIndexOf(s.Name());
      if (existing >= 0)
        model_->GeneralTable[existing] = std::move(record);
      else
        model_->GeneralTable.push_back(std::move(record));
    }
  }

  const MemIniFile& ini_;
  const MemIniFile common_;
  SkinFiles& files_;
  DirectoryFiles commonFiles_;
  const TsLoadSettings& settings_;
  SkinMemoryBudget& budget_;
  SkinImageCache images_;
  std::unique_ptr<TsSkinModel> model_;
  std::vector<std::string> warnings_;
};

// The INI reader takes the options text over; a missing text reads as empty.
MemIniFile OptionsOf(std::optional<std::vector<std::uint8_t>>& bytes) {
  if (!bytes) return MemIniFile();
  return MemIniFile(std::move(*bytes));
}

std::string WithSeparator(std::string path) {
  if (path.empty() || path.back() != '/') path.push_back('/');
  return path;
}

// Every failure of a load reaches the user as a SkinError with a clear
// message: file errors, running out of memory, and anything else.
template <class Fn>
auto AsSkinError(Fn&& fn) {
  try {
    return fn();
  } catch (const SkinError&) {
    throw;
  } catch (const gfx::FileError& e) {
    throw SkinError(e.what());
  } catch (const std::bad_alloc&) {
    throw SkinError("There is not enough memory to load the skin");
  } catch (const std::exception& e) {
    throw SkinError(std::string("The skin cannot be loaded: ") + e.what());
  }
}

}  // namespace

TsLoadResult LoadSkinFromDirectory(const std::string& skinDir, const TsLoadSettings& settings) {
  return AsSkinError([&] {
    const std::string path = WithSeparator(skinDir);
    SkinMemoryBudget budget;
    DirectoryFiles files(path, &budget);
    // A missing options file gives an empty skin; one that cannot be read
    // (too large, not a regular file) is the load's error.
    const auto options = files.FindRequired("Options.dat");
    const MemIniFile ini(
        options ? std::string_view(reinterpret_cast<const char*>(options->data()), options->size())
                : std::string_view{});
    return SkinBuilder(ini, files, settings, path, budget).Run(false);
  });
}

TsLoadResult LoadSkinFromPackage(std::span<const std::uint8_t> package, const std::string& skinPath,
                                 const TsLoadSettings& settings) {
  return AsSkinError([&] {
    SkinMemoryBudget budget;
    TacSkinConvertor reader;
    reader.LoadFromData(package, budget);
    const MemIniFile ini = OptionsOf(reader.Options);
    PackageFiles files(reader);
    return SkinBuilder(ini, files, settings, skinPath, budget).Run(true);
  });
}

std::optional<TsLoadResult> LoadSkinFromPackageFile(const std::string& file, const std::string& skinPath,
                                                    const TsLoadSettings& settings) {
  return AsSkinError([&]() -> std::optional<TsLoadResult> {
    SkinMemoryBudget budget;
    const std::unique_ptr<TacSkinConvertor> reader = TacSkinConvertor::LoadFromFile(file, budget);
    if (!reader) return std::nullopt;
    const MemIniFile ini = OptionsOf(reader->Options);
    PackageFiles files(*reader);
    return SkinBuilder(ini, files, settings, skinPath, budget).Run(true);
  });
}

TsLoadResult LoadSkinFromStored(const TsStoredSkin& stored, const TsLoadSettings& settings) {
  if (!stored.Data.empty()) return LoadSkinFromPackage(stored.Data, "", settings);
  return AsSkinError([&] { return LoadStructuredSkin(stored, settings); });
}

int SelectStoredSkin(const TsStoredSkins& skins, std::string& name) {
  if (skins.empty()) return -1;
  for (std::size_t i = 0; i < skins.size(); ++i)
    if (skins[i].Name == name) return static_cast<int>(i);
  name = skins.front().Name;
  return 0;
}

}  // namespace skin
