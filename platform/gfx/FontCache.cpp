#include "platform/gfx/FontCache.h"

#include "platform/gfx/SymbolGlyphs.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>
#include <stdexcept>
#include <string_view>

namespace gfx {
namespace {

// The FreeType library of the process; created with the cache and released
// after every face.
FT_Library g_library = nullptr;

constexpr FT_Int32 kLoadFlags = FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP;

// Font units to pixels, rounded up (for ascent/descent: never clip a glyph).
int CeilUnits(long units, int px, int upem) {
  long long v = static_cast<long long>(units) * px;
  return static_cast<int>(v >= 0 ? (v + upem - 1) / upem : -((-v) / upem));
}
int RoundUnits(long units, int px, int upem) {
  long long v = static_cast<long long>(units) * px;
  return static_cast<int>(v >= 0 ? (v + upem / 2) / upem : -((-v + upem / 2) / upem));
}

struct Resolved {
  std::string File;
  int Index = 0;
  bool Embolden = false;
  bool Slant = false;
  bool Symbols = false;  // draws the caption-button symbols itself
  std::string Family;
};

// Faces that the program's windows name but Linux rarely has, each with the
// installed face closest to it in width. A generic sans face is wider, and
// captions sized for the original would be clipped.
// "Webdings" stands in with the caption-button symbols drawn by the program.
struct Substitute {
  const char* Face;
  const char* Local;
  bool Symbols = false;
};
constexpr Substitute kSubstitutes[] = {
    {"Tahoma", "DejaVu Sans Condensed"},
    {"MS Sans Serif", "DejaVu Sans Condensed"},
    {"Microsoft Sans Serif", "DejaVu Sans Condensed"},
    {"Webdings", "DejaVu Sans", true},
};

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

// True when one of the match's family names is the requested one.
bool MatchHasFamily(FcPattern* match, const std::string& name) {
  FcChar8* family = nullptr;
  for (int i = 0; FcPatternGetString(match, FC_FAMILY, i, &family) == FcResultMatch; ++i)
    if (SameName(reinterpret_cast<const char*>(family), name)) return true;
  return false;
}

const Substitute* SubstituteFor(const std::string& name) {
  for (const Substitute& s : kSubstitutes)
    if (SameName(s.Face, name)) return &s;
  return nullptr;
}

FcPattern* MatchPattern(const std::string& name, bool bold, bool italic, char32_t cp) {
  FcPattern* pat = FcPatternCreate();
  if (!name.empty()) FcPatternAddString(pat, FC_FAMILY, reinterpret_cast<const FcChar8*>(name.c_str()));
  if (cp != 0) {
    FcCharSet* cs = FcCharSetCreate();
    FcCharSetAddChar(cs, cp);
    FcPatternAddCharSet(pat, FC_CHARSET, cs);
    FcCharSetDestroy(cs);
  }
  FcPatternAddInteger(pat, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pat, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcPatternAddBool(pat, FC_SCALABLE, FcTrue);
  FcConfigSubstitute(nullptr, pat, FcMatchPattern);
  FcDefaultSubstitute(pat);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(nullptr, pat, &result);
  FcPatternDestroy(pat);
  return match;
}

// Asks fontconfig for the best installed face for a name and style, or, with
// cp != 0, for a face that has that character (empty File when none has).
// A name that is not installed but has a known substitute gets that one.
Resolved Resolve(const std::string& name, bool bold, bool italic, char32_t cp = 0) {
  FcPattern* match = MatchPattern(name, bold, italic, cp);
  std::string wanted = name;
  bool symbols = false;
  if (match && cp == 0 && !MatchHasFamily(match, name)) {
    if (const Substitute* sub = SubstituteFor(name)) {
      FcPatternDestroy(match);
      match = MatchPattern(sub->Local, bold, italic, cp);
      wanted = sub->Local;
      symbols = sub->Symbols;
    }
  }
  if (!match) throw std::runtime_error("no font found for \"" + name + "\"");
  Resolved r;
  FcChar8* file = nullptr;
  if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) r.File = reinterpret_cast<char*>(file);
  FcPatternGetInteger(match, FC_INDEX, 0, &r.Index);
  FcChar8* family = nullptr;
  if (MatchHasFamily(match, wanted))
    r.Family = wanted;
  else if (FcPatternGetString(match, FC_FAMILY, 0, &family) == FcResultMatch)
    r.Family = reinterpret_cast<char*>(family);
  int weight = FC_WEIGHT_REGULAR, slant = FC_SLANT_ROMAN;
  FcPatternGetInteger(match, FC_WEIGHT, 0, &weight);
  FcPatternGetInteger(match, FC_SLANT, 0, &slant);
  if (cp != 0) {
    // Coverage outranks family and style in fontconfig's matching, so a best
    // match without the character means that no installed face has it.
    FcCharSet* have = nullptr;
    if (FcPatternGetCharSet(match, FC_CHARSET, 0, &have) != FcResultMatch || !FcCharSetHasChar(have, cp))
      r.File.clear();
  }
  FcPatternDestroy(match);
  if (cp != 0 && r.File.empty()) return r;
  if (r.File.empty()) throw std::runtime_error("no font file for \"" + name + "\"");
  r.Symbols = symbols;
  r.Embolden = bold && weight < FC_WEIGHT_DEMIBOLD;
  r.Slant = italic && slant == FC_SLANT_ROMAN;
  return r;
}

}  // namespace

struct FontFace::Impl {
  FT_Face Face = nullptr;
  FT_Pos Strength = 0;  // outline emboldening in 26.6 pixels
  ~Impl() {
    if (Face) FT_Done_Face(Face);
  }
};

FontFace::FontFace(const std::string& file, int index, int pixelHeight, bool bold, bool italic,
                   bool emboldened, bool slanted, const std::string& family, bool isFallback)
    : impl_(std::make_unique<Impl>()),
      pixelHeight_(pixelHeight),
      bold_(bold),
      italic_(italic),
      emboldened_(emboldened),
      isFallback_(isFallback) {
  if (FT_New_Face(g_library, file.c_str(), index, &impl_->Face) != 0)
    throw std::runtime_error("cannot open font file " + file);
  FT_Face f = impl_->Face;
  if (FT_Set_Pixel_Sizes(f, 0, static_cast<FT_UInt>(pixelHeight)) != 0)
    throw std::runtime_error("cannot size font " + file);
  if (slanted) {
    FT_Matrix shear{0x10000, 0x0366A, 0, 0x10000};  // x += 0.2126 * y (12 degrees)
    FT_Set_Transform(f, &shear, nullptr);
  }
  const int px = pixelHeight;
  const int upem = f->units_per_EM > 0 ? f->units_per_EM : 2048;
  if (emboldened) impl_->Strength = static_cast<FT_Pos>(px) * 64 / 24;

  FontMetrics& m = metrics_;
  m.FamilyName = family;
  m.Ascent = std::max(1, CeilUnits(f->ascender, px, upem));
  m.Descent = std::max(0, CeilUnits(-static_cast<long>(f->descender), px, upem));
  m.Height = m.Ascent + m.Descent;
  m.MaxCharWidth = std::max(1, CeilUnits(f->bbox.xMax - f->bbox.xMin, px, upem));
  auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(f, FT_SFNT_OS2));
  auto* post = static_cast<TT_Postscript*>(FT_Get_Sfnt_Table(f, FT_SFNT_POST));
  m.UnderlineThickness = std::max(1, RoundUnits(f->underline_thickness, px, upem));
  m.UnderlinePos = std::max(1, RoundUnits(-static_cast<long>(f->underline_position), px, upem));
  if (post) m.UnderlinePos = std::max(1, RoundUnits(-post->underlinePosition, px, upem));
  if (m.UnderlinePos + m.UnderlineThickness > m.Descent)
    m.UnderlinePos = std::max(0, m.Descent - m.UnderlineThickness);
  if (os2 && os2->version != 0xFFFF && os2->yStrikeoutPosition > 0) {
    m.StrikeOutPos = RoundUnits(os2->yStrikeoutPosition, px, upem);
  } else {
    m.StrikeOutPos = m.Ascent / 3;
  }
  int ave = 0;
  if (os2 && os2->version != 0xFFFF && os2->xAvgCharWidth > 0) ave = RoundUnits(os2->xAvgCharWidth, px, upem);
  m.AveCharWidth = std::max(1, ave > 0 ? ave : Advance(U'x'));
}

FontFace::~FontFace() = default;

const GlyphImage& FontFace::Glyph(char32_t cp) {
  auto it = glyphs_.find(cp);
  if (it != glyphs_.end()) return it->second;
  return glyphs_.emplace(cp, Render(cp)).first->second;
}

GlyphImage FontFace::Render(char32_t cp) {
  if (symbols_) {
    if (std::optional<GlyphImage> symbol = SymbolGlyph(cp, pixelHeight_, metrics_)) return *symbol;
  }
  GlyphImage g;
  FT_Face f = impl_->Face;
  FT_UInt index = FT_Get_Char_Index(f, cp);
  if (index == 0 && cp >= 0x20 && !isFallback_) {
    if (FontFace* other = FontCache::Instance().FallbackFor(cp, pixelHeight_, bold_, italic_))
      return other->Glyph(cp);
  }
  if (FT_Load_Glyph(f, index, kLoadFlags) != 0) return g;
  FT_GlyphSlot slot = f->glyph;
  FT_Pos advance = slot->advance.x;
  if (emboldened_ && slot->format == FT_GLYPH_FORMAT_OUTLINE) {
    FT_Outline_Embolden(&slot->outline, impl_->Strength);
    advance += impl_->Strength;
  }
  g.Advance = static_cast<int>((advance + 32) >> 6);
  if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) return g;
  const FT_Bitmap& bm = slot->bitmap;
  if (bm.pixel_mode != FT_PIXEL_MODE_GRAY || bm.width == 0 || bm.rows == 0) return g;
  g.Width = static_cast<int>(bm.width);
  g.Height = static_cast<int>(bm.rows);
  g.Left = slot->bitmap_left;
  g.Top = slot->bitmap_top;
  g.Coverage.resize(static_cast<std::size_t>(g.Width) * g.Height);
  const int grays = bm.num_grays > 1 ? bm.num_grays - 1 : 255;
  for (int y = 0; y < g.Height; ++y) {
    // A negative pitch means the rows are stored bottom-up.
    const unsigned char* row = bm.pitch >= 0
                                   ? bm.buffer + static_cast<std::ptrdiff_t>(y) * bm.pitch
                                   : bm.buffer + static_cast<std::ptrdiff_t>(g.Height - 1 - y) * -bm.pitch;
    std::uint8_t* out = g.Coverage.data() + static_cast<std::size_t>(y) * g.Width;
    if (grays == 255) {
      std::memcpy(out, row, static_cast<std::size_t>(g.Width));
    } else {
      for (int x = 0; x < g.Width; ++x) out[x] = static_cast<std::uint8_t>(row[x] * 255 / grays);
    }
  }
  return g;
}

FontCache& FontCache::Instance() {
  static FontCache cache;
  return cache;
}

FontCache::FontCache() {
  if (FT_Init_FreeType(&g_library) != 0) throw std::runtime_error("cannot initialise FreeType");
}

FontCache::~FontCache() {
  faces_.clear();
  fallbacks_.clear();
  FT_Done_FreeType(g_library);
  g_library = nullptr;
  // Fontconfig is used by this cache only; release its configuration too.
  FcFini();
}

FontFace& FontCache::FaceFor(const Font& font) {
  Key key{font.Name, font.PixelHeight(), font.Bold(), font.Italic()};
  auto it = faces_.find(key);
  if (it != faces_.end()) return *it->second;
  Resolved r = Resolve(font.Name, font.Bold(), font.Italic());
  auto face = std::make_unique<FontFace>(r.File, r.Index, font.PixelHeight(), font.Bold(), font.Italic(),
                                         r.Embolden, r.Slant, r.Family);
  face->symbols_ = r.Symbols;
  return *faces_.emplace(key, std::move(face)).first->second;
}

FontFace* FontCache::FallbackFor(char32_t cp, int pixelHeight, bool bold, bool italic) {
  Resolved r;
  try {
    r = Resolve("", bold, italic, cp);
  } catch (const std::exception&) {
    return nullptr;
  }
  if (r.File.empty()) return nullptr;
  FileKey key{r.File, r.Index, pixelHeight, bold, italic};
  auto it = fallbacks_.find(key);
  if (it != fallbacks_.end()) return it->second.get();
  try {
    auto face = std::make_unique<FontFace>(r.File, r.Index, pixelHeight, bold, italic, r.Embolden, r.Slant,
                                           r.Family, true);
    return fallbacks_.emplace(key, std::move(face)).first->second.get();
  } catch (const std::exception&) {
    return nullptr;
  }
}

}  // namespace gfx
