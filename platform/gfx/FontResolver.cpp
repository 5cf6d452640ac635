#include "platform/gfx/FontResolver.h"

#include <fontconfig/fontconfig.h>
#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <stdexcept>
#include <string_view>

namespace gfx {
namespace {

// Faces that the program's windows name, each with the installed face that
// stands in when the face itself is missing. A generic sans face is wider
// than these, and captions sized for them would be clipped.
struct Substitute {
  const char* Face;
  const char* Local;
};
constexpr Substitute kSubstitutes[] = {
    {"Tahoma", "DejaVu Sans Condensed"},
    {"MS Sans Serif", "DejaVu Sans Condensed"},
    {"Microsoft Sans Serif", "DejaVu Sans Condensed"},
    {"Webdings", "DejaVu Sans"},
};

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

// The match's family name that is the requested one, as the face spells it;
// empty when it has none.
std::string MatchFamily(FcPattern* match, const std::string& name) {
  FcChar8* family = nullptr;
  for (int i = 0; FcPatternGetString(match, FC_FAMILY, i, &family) == FcResultMatch; ++i)
    if (SameName(reinterpret_cast<const char*>(family), name)) return reinterpret_cast<const char*>(family);
  return {};
}
bool MatchHasFamily(FcPattern* match, const std::string& name) { return !MatchFamily(match, name).empty(); }

const Substitute* SubstituteFor(const std::string& name) {
  for (const Substitute& s : kSubstitutes)
    if (SameName(s.Face, name)) return &s;
  return nullptr;
}

struct PatternDeleter {
  void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
using Pattern = std::unique_ptr<FcPattern, PatternDeleter>;

// Scalable faces only, unless `anyFormat`: a face of fixed sizes is taken
// only when it is the very face asked for by name.
Pattern Match(FcConfig* config, const std::string& name, bool bold, bool italic, char32_t cp,
              bool anyFormat) {
  Pattern pat(FcPatternCreate());
  if (!name.empty()) FcPatternAddString(pat.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(name.c_str()));
  if (cp != 0) {
    FcCharSet* cs = FcCharSetCreate();
    FcCharSetAddChar(cs, cp);
    FcPatternAddCharSet(pat.get(), FC_CHARSET, cs);
    FcCharSetDestroy(cs);
  }
  FcPatternAddInteger(pat.get(), FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pat.get(), FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  if (!anyFormat) FcPatternAddBool(pat.get(), FC_SCALABLE, FcTrue);
  FcConfigSubstitute(config, pat.get(), FcMatchPattern);
  FcDefaultSubstitute(pat.get());
  FcResult result = FcResultNoMatch;
  return Pattern(FcFontMatch(config, pat.get(), &result));
}

ResolvedFace FaceOf(FcPattern* match, const std::string& wanted, bool bold, bool italic) {
  ResolvedFace r;
  FcChar8* file = nullptr;
  if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) r.File = reinterpret_cast<char*>(file);
  FcPatternGetInteger(match, FC_INDEX, 0, &r.Index);
  FcChar8* family = nullptr;
  r.Family = MatchFamily(match, wanted);
  if (r.Family.empty() && FcPatternGetString(match, FC_FAMILY, 0, &family) == FcResultMatch)
    r.Family = reinterpret_cast<char*>(family);
  int weight = FC_WEIGHT_REGULAR, slant = FC_SLANT_ROMAN;
  FcPatternGetInteger(match, FC_WEIGHT, 0, &weight);
  FcPatternGetInteger(match, FC_SLANT, 0, &slant);
  r.Embolden = bold && weight < FC_WEIGHT_DEMIBOLD;
  r.Slant = italic && slant == FC_SLANT_ROMAN;
  return r;
}

bool IsDirectory(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// The system's configuration usually rejects faces of fixed sizes; the
// TrueType "MS Sans Serif" of the classic faces is one, and is accepted.
constexpr const char* kAcceptRules =
    "<?xml version=\"1.0\"?><fontconfig><selectfont><acceptfont><pattern>"
    "<patelt name=\"family\"><string>MS Sans Serif</string></patelt>"
    "<patelt name=\"fontformat\"><string>TrueType</string></patelt>"
    "</pattern></acceptfont></selectfont></fontconfig>";

}  // namespace

struct FontResolver::Config {
  FcConfig* Fc = nullptr;
  ~Config() {
    if (Fc) FcConfigDestroy(Fc);
  }
};

FontResolver::FontResolver(const std::vector<std::string>& appFontDirs)
    : config_(std::make_unique<Config>()) {
  config_->Fc = FcInitLoadConfig();
  if (!config_->Fc) throw std::runtime_error("cannot load the font configuration");
  std::vector<std::string> dirs;
  for (const std::string& dir : appFontDirs)
    if (IsDirectory(dir)) dirs.push_back(dir);
  FcConfigParseAndLoadFromMemory(config_->Fc, reinterpret_cast<const FcChar8*>(kAcceptRules), FcFalse);
  if (!FcConfigBuildFonts(config_->Fc)) throw std::runtime_error("cannot load the font list");
  for (const std::string& dir : dirs)
    FcConfigAppFontAddDir(config_->Fc, reinterpret_cast<const FcChar8*>(dir.c_str()));
}

FontResolver::~FontResolver() = default;

ResolvedFace FontResolver::Resolve(const std::string& name, bool bold, bool italic) const {
  FcConfig* fc = config_->Fc;
  Pattern match = Match(fc, name, bold, italic, 0, false);
  std::string wanted = name;
  if (match && !MatchHasFamily(match.get(), name)) {
    // The face may exist in fixed sizes only ("MS Sans Serif").
    Pattern exact = Match(fc, name, bold, italic, 0, true);
    if (exact && MatchHasFamily(exact.get(), name)) {
      match = std::move(exact);
    } else if (const Substitute* sub = SubstituteFor(name)) {
      match = Match(fc, sub->Local, bold, italic, 0, false);
      wanted = sub->Local;
    }
  }
  if (!match) throw std::runtime_error("no font found for \"" + name + "\"");
  ResolvedFace r = FaceOf(match.get(), wanted, bold, italic);
  if (r.File.empty()) throw std::runtime_error("no font file for \"" + name + "\"");
  r.Symbols = SameName(name, "Webdings");
  return r;
}

std::optional<ResolvedFace> FontResolver::FaceWithChar(char32_t cp, bool bold, bool italic) const {
  Pattern match = Match(config_->Fc, "", bold, italic, cp, false);
  if (!match) return std::nullopt;
  // Coverage outranks family and style in fontconfig's matching, so a best
  // match without the character means that no installed face has it.
  FcCharSet* have = nullptr;
  if (FcPatternGetCharSet(match.get(), FC_CHARSET, 0, &have) != FcResultMatch || !FcCharSetHasChar(have, cp))
    return std::nullopt;
  ResolvedFace r = FaceOf(match.get(), "", bold, italic);
  if (r.File.empty()) return std::nullopt;
  return r;
}

}  // namespace gfx
