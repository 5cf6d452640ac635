#include "tools/skinpack/SkinCheck.h"

#include <algorithm>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>

#include "platform/gfx/FileBytes.h"
#include "skin/data/MemIniFile.h"
#include "skin/data/SkinLoader.h"
#include "skin/data/TextUtil.h"
#include "skin/data/acSkinPack.h"
#include "skin/render/MaskCells.h"
#include "tools/skinpack/SkinSource.h"

namespace skin {
namespace {

namespace fs = std::filesystem;

// The options text and the names of the image files, upper-cased.
struct RawSkin {
  std::vector<std::uint8_t> Options;
  std::set<std::string> Images;
};

std::optional<RawSkin> ReadRaw(const std::string& path, std::vector<SkinProblem>& out) {
  RawSkin raw;
  std::error_code ec;
  try {
    if (fs::is_directory(path, ec)) {
      for (const auto& e : fs::directory_iterator(path)) {
        const std::string name = e.path().filename().string();
        if (SameText(name, "Options.dat"))
          raw.Options = gfx::ReadFileBytes(e.path().string());
        else if (e.is_regular_file())
          raw.Images.insert(UpperCase(name));
      }
      if (raw.Options.empty() && !fs::exists(fs::path(path) / "Options.dat")) {
        out.push_back({true, "", "", "the skin directory has no Options.dat"});
        return std::nullopt;
      }
      return raw;
    }
    TacSkinConvertor pack;
    pack.LoadFromData(gfx::ReadFileBytes(path));
    if (!pack.Options) {
      out.push_back({true, "", "", "the package has no Options.dat entry"});
      return std::nullopt;
    }
    raw.Options = *pack.Options;
    for (const TacImageItem& i : pack.ImageItems) raw.Images.insert(UpperCase(i.FileName));
    return raw;
  } catch (const std::exception& e) {
    out.push_back({true, "", "", e.what()});
    return std::nullopt;
  }
}

bool IsInteger(std::string_view v) {
  if (!v.empty() && v.front() == '-') v.remove_prefix(1);
  return !v.empty() && v.size() <= 10 && std::all_of(v.begin(), v.end(), [](char c) { return c >= '0' && c <= '9'; });
}

const std::set<std::string>& IntegerKeys() {
  static const std::set<std::string> keys = {
      "COLOR",          "HOTCOLOR",       "FONTCOLOR",       "TCLEFT",           "TCTOP",       "TCRIGHT",
      "TCBOTTOM",       "HOTFONTCOLOR",   "HOTTCLEFT",       "HOTTCTOP",         "HOTTCRIGHT",  "HOTTCBOTTOM",
      "TRANSPARENCY",   "HOTTRANSPARENCY", "GRADIENTPERCENT", "HOTGRADIENTPERCENT", "IMAGEPERCENT",
      "HOTIMAGEPERCENT", "FADINGITERATIONS", "GLOW",           "GLOWMARGIN",       "GCOL",        "GSIZE",
      "HGCOL",          "HGSIZE",         "BORDERWIDTH",     "TITLEHEIGHT",      "MAXHEIGHT",   "FORMOFFSET",
      "CENTEROFFSET",   "BORDERMODE",     "BISPACE",         "BIVALIGN",         "BIRIGHT",     "BILEFT",
      "BITOP",          "BIKEEPHUE",      "BORDERCOLOR",     "SHADOW1COLOR"};
  return keys;
}

const std::set<std::string>& PercentKeys() {
  static const std::set<std::string> keys = {"TRANSPARENCY",    "HOTTRANSPARENCY", "GRADIENTPERCENT",
                                             "HOTGRADIENTPERCENT", "IMAGEPERCENT", "HOTIMAGEPERCENT"};
  return keys;
}

// Lines of the options text: values, file references, parents.
void CheckOptions(const MemIniFile& ini, const RawSkin& raw, std::vector<SkinProblem>& out) {
  std::set<std::string> names;
  for (const auto& s : ini.Sections()) names.insert(std::string(s.Name()));
  for (const std::string& wanted : ProgramSections())
    if (!names.count(wanted)) out.push_back({false, wanted, "", "section missing: the program falls back to its plain look or defaults"});
  for (const auto& s : ini.Sections()) {
    const std::string section(s.Name());
    if (section != UpperCase(section))
      out.push_back({false, section, "", "section name not in upper case: the program will not find it"});
    for (const auto& k : s.Keys()) {
      const std::string key(k.Name), value(k.Value);
      if (IntegerKeys().count(key) && !IsInteger(value) && value != "?")
        out.push_back({false, section, key, "'" + value + "' is not an integer; the default is used"});
      if (PercentKeys().count(key) && IsInteger(value)) {
        const long n = std::strtol(value.c_str(), nullptr, 10);
        if (n != -1 && (n < 0 || n > 100)) out.push_back({false, section, key, "percentage outside 0..100"});
      }
      if (key == "PARENTCLASS" && !value.empty() && value != "?" && !names.count(value))
        out.push_back({false, section, key, "parent section '" + value + "' does not exist"});
      if (section == "GLOBALINFO" && key == "VERSION") {
        char* end = nullptr;
        const double v = std::strtod(value.c_str(), &end);
        if (end == value.c_str() || *end != '\0')
          out.push_back({false, section, key, "'" + value + "' is not a number"});
        else if (v > 6.99)
          out.push_back({false, section, key, "versions above 6.99 show a warning at every start"});
      }
      // Image files: "!NAME!..." values and the master bitmap.
      std::string file;
      if (!value.empty() && value.front() == '!') {
        file = value.substr(1, value.find('!', 1) - 1);
        if (file.find(".BMP") == std::string::npos && file.find(".PNG") == std::string::npos) {
          out.push_back({false, section, key, "'" + file + "' is not an upper-case .BMP or .PNG name; the line is ignored"});
          file.clear();
        }
      } else if (section == "GLOBALINFO" && key == "MASTERBITMAP") {
        file = value;
      }
      if (!file.empty() && file.find(':') == std::string::npos && !raw.Images.count(UpperCase(file)))
        out.push_back({true, section, key, "image '" + file + "' is referenced but absent"});
    }
  }
}

// Masks as the program loaded them: rectangles inside their images, cells
// that divide evenly, borders that fit a cell.
void CheckMasks(const TsSkinModel& m, std::vector<SkinProblem>& out) {
  for (const TsMaskData& mask : m.MaskTable) {
    const gfx::Bitmap* image = MaskSourceImage(m, mask);
    const auto problem = [&](bool error, const std::string& message) {
      out.push_back({error, mask.SectionName, mask.PropertyName, message});
    };
    if (image == nullptr) {
      problem(true, "lies in the master bitmap, but the skin has none");
      continue;
    }
    if (mask.Left < 0 || mask.Top < 0 || mask.Right > image->Width() || mask.Bottom > image->Height() ||
        mask.Width() <= 0 || mask.Height() <= 0) {
      problem(true, "rectangle (" + std::to_string(mask.Left) + "," + std::to_string(mask.Top) + ")-(" +
                        std::to_string(mask.Right) + "," + std::to_string(mask.Bottom) + ") lies outside its " +
                        std::to_string(image->Width()) + "x" + std::to_string(image->Height()) + " image");
      continue;
    }
    if (mask.ImgType == TacImgType::itisaTexture) continue;
    if (mask.ImageCount < 1) {
      problem(true, "image count below 1");
      continue;
    }
    if (mask.Width() % mask.ImageCount != 0)
      problem(false, "width " + std::to_string(mask.Width()) + " does not divide into " +
                         std::to_string(mask.ImageCount) + " cells");
    if (mask.MaskType >= 0 && mask.Height() % (mask.MaskType + 1) != 0)
      problem(false, "height " + std::to_string(mask.Height()) + " does not divide into " +
                         std::to_string(mask.MaskType + 1) + " rows");
    if (mask.ImgType == TacImgType::itisaBorder && !mask.Image) {
      const int cw = MaskCellWidth(mask), ch = MaskCellHeight(mask);
      if (mask.WL + mask.WR > cw || mask.WT + mask.WB > ch)
        problem(true, "border widths " + std::to_string(mask.WL) + "/" + std::to_string(mask.WT) + "/" +
                          std::to_string(mask.WR) + "/" + std::to_string(mask.WB) + " do not fit the " +
                          std::to_string(cw) + "x" + std::to_string(ch) + " cell");
    }
  }
}

}  // namespace

const std::vector<std::string>& ProgramSections() {
  static const std::vector<std::string> names = {
      "GLOBALINFO",  "DIVIDER",      "EDIT",          "FORMTITLE",         "GRIPH",           "GRIPV",
      "GROUPBOX",    "ICOLINE",      "HINT",          "MAINMENU",          "MDIAREA",         "MENUITEM",
      "MENULINE",    "PAGECONTROL",  "PANEL",         "PANEL_LOW",         "PROGRESSH",       "STATUSBAR",
      "TABCONTROL",  "FORM",         "DIVIDERV",      "GAUGE",             "COMBOBOX",        "ALPHAEDIT",
      "SPLITTER",    "SCROLLBAR1V",  "SCROLLBAR1H",   "SCROLLBAR2H",       "SCROLLBAR2V",     "SCROLLSLIDERV",
      "SCROLLBTNTOP", "SCROLLBTNBOTTOM", "SCROLLBTNRIGHT", "SCROLLBTNLEFT", "SCROLLSLIDERH",   "COMBOBTN",
      "DIALOG",      "PROGRESSV",    "DRAGBAR",       "BUTTON",            "CHECKBOX",        "SPEEDBUTTON",
      "SPEEDBUTTON_SMALL", "RADIOBUTTON", "TRACKBAR", "TABTOP",            "UPDOWNBTN",       "WEBBUTTON",
      "BARTITLE",    "EXTRALINE",    "BARPANEL",      "ALPHACOMBOBOX",     "TOOLBAR",         "TOOLBUTTON",
      "BAR",         "COLHEADER",    "BUTTON_HUGE",   "PAGECONTROLBOTTOM", "PAGECONTROLLEFT", "PAGECONTROLRIGHT",
      "TABBOTTOM",   "TABLEFT",      "TABRIGHT",      "BUTTON_BIG"};
  return names;
}

std::vector<SkinProblem> CheckSkin(const std::string& path) {
  std::vector<SkinProblem> out;
  const std::optional<RawSkin> raw = ReadRaw(path, out);
  if (!raw) return out;
  const MemIniFile ini(std::string_view(reinterpret_cast<const char*>(raw->Options.data()), raw->Options.size()));
  CheckOptions(ini, *raw, out);
  try {
    const TsLoadResult loaded = LoadToolSkin(path);
    CheckMasks(*loaded.Model, out);
  } catch (const std::exception& e) {
    out.push_back({true, "", "", std::string("the skin does not load: ") + e.what()});
  }
  return out;
}

std::string FormatProblem(const SkinProblem& p) {
  std::string s = p.Error ? "error: " : "warning: ";
  if (!p.Section.empty()) s += "[" + p.Section + "] ";
  if (!p.Key.empty()) s += p.Key + ": ";
  return s + p.Message;
}

}  // namespace skin
