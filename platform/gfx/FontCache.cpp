#include "platform/gfx/FontCache.h"

#include "platform/gfx/SymbolGlyphs.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_BITMAP_H
#include FT_OUTLINE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

namespace gfx {
namespace {

// Font units to pixels, rounded to nearest.
int RoundUnits(long units, int px, int upem) {
  long long v = static_cast<long long>(units) * px;
  return static_cast<int>(v >= 0 ? (v + upem / 2) / upem : -((-v + upem / 2) / upem));
}
int CeilUnits(long units, int px, int upem) {
  long long v = static_cast<long long>(units) * px;
  return static_cast<int>(v >= 0 ? (v + upem - 1) / upem : -((-v) / upem));
}
int Pixels26(FT_Pos v) { return static_cast<int>((v + 32) >> 6); }

// A face of fixed sizes only: the size whose ascent is nearest to the
// requested em height (such faces have no internal leading above the em).
void SelectNearestSize(FT_Face f, int pixelHeight) {
  int best = 0, bestDiff = 1 << 30;
  for (int i = 0; i < f->num_fixed_sizes; ++i) {
    if (FT_Select_Size(f, i) != 0) continue;
    const int diff = std::abs(Pixels26(f->size->metrics.ascender) - pixelHeight);
    if (diff < bestDiff) {
      best = i;
      bestDiff = diff;
    }
  }
  FT_Select_Size(f, best);
}

// Faces with only a symbol character map (Marlett, Webdings) place their
// characters at U+F020..U+F0FF; text asks for them by their 8-bit codes.
bool SelectSymbolMap(FT_Face f) {
  if (f->charmap && f->charmap->encoding == FT_ENCODING_UNICODE) return false;
  return FT_Select_Charmap(f, FT_ENCODING_MS_SYMBOL) == 0;
}

}  // namespace

struct FontCache::Library {
  FT_Library Handle = nullptr;
  Library() {
    if (FT_Init_FreeType(&Handle) != 0) throw std::runtime_error("cannot initialise FreeType");
  }
  ~Library() { FT_Done_FreeType(Handle); }
};

struct FontFace::Impl {
  FT_Face Face = nullptr;
  FT_Pos Strength = 0;  // outline emboldening in 26.6 pixels
  bool SymbolMap = false;
  // Drawn bitmaps may be used: the face carries them at this size and
  // nothing must be synthesised.
  bool Bitmaps = false;
  ~Impl() {
    if (Face) FT_Done_Face(Face);
  }
};

FontFace::FontFace(FontCache& cache, const ResolvedFace& r, int pixelHeight, bool bold, bool italic,
                   bool isFallback)
    : cache_(cache),
      impl_(std::make_unique<Impl>()),
      pixelHeight_(pixelHeight),
      bold_(bold),
      italic_(italic),
      emboldened_(r.Embolden),
      isFallback_(isFallback),
      symbols_(r.Symbols) {
  if (FT_New_Face(cache.library_->Handle, r.File.c_str(), r.Index, &impl_->Face) != 0)
    throw std::runtime_error("cannot open font file " + r.File);
  FT_Face f = impl_->Face;
  impl_->SymbolMap = SelectSymbolMap(f);
  const bool scalable = FT_IS_SCALABLE(f);
  if (scalable) {
    if (FT_Set_Pixel_Sizes(f, 0, static_cast<FT_UInt>(pixelHeight)) != 0)
      throw std::runtime_error("cannot size font " + r.File);
    // FreeType picks a drawn size of exactly this height when there is one.
    bool exact = false;
    for (int i = 0; i < f->num_fixed_sizes; ++i)
      exact = exact || Pixels26(f->available_sizes[i].y_ppem) == pixelHeight;
    impl_->Bitmaps = exact && !r.Embolden && !r.Slant;
  } else {
    if (f->num_fixed_sizes <= 0) throw std::runtime_error("cannot size font " + r.File);
    SelectNearestSize(f, pixelHeight);
    impl_->Bitmaps = true;
  }
  if (r.Slant && scalable) {
    FT_Matrix shear{0x10000, 0x0366A, 0, 0x10000};  // x += 0.2126 * y (12 degrees)
    FT_Set_Transform(f, &shear, nullptr);
  }
  // Font units scale by the em of the size in use.
  const int px = scalable ? pixelHeight : std::max(1, Pixels26(f->size->metrics.y_ppem));
  const int upem = f->units_per_EM > 0 ? f->units_per_EM : 2048;
  if (r.Embolden) impl_->Strength = static_cast<FT_Pos>(px) * 64 / 24;

  FontMetrics& m = metrics_;
  m.FamilyName = r.Family;
  auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(f, FT_SFNT_OS2));
  auto* hhea = static_cast<TT_HoriHeader*>(FT_Get_Sfnt_Table(f, FT_SFNT_HHEA));
  auto* post = static_cast<TT_Postscript*>(FT_Get_Sfnt_Table(f, FT_SFNT_POST));
  const bool hasOs2 = os2 && os2->version != 0xFFFF;
  if (!scalable) {
    m.Ascent = Pixels26(f->size->metrics.ascender);
    m.Descent = Pixels26(-f->size->metrics.descender);
  } else if (hasOs2 && os2->usWinAscent + os2->usWinDescent > 0) {
    m.Ascent = RoundUnits(os2->usWinAscent, px, upem);
    m.Descent = RoundUnits(os2->usWinDescent, px, upem);
  } else if (hhea) {
    m.Ascent = RoundUnits(hhea->Ascender, px, upem);
    m.Descent = RoundUnits(-static_cast<long>(hhea->Descender), px, upem);
  } else {
    m.Ascent = RoundUnits(f->ascender, px, upem);
    m.Descent = RoundUnits(-static_cast<long>(f->descender), px, upem);
  }
  m.Ascent = std::max(1, m.Ascent);
  m.Descent = std::max(0, m.Descent);
  m.Height = m.Ascent + m.Descent;
  m.MaxCharWidth = std::max(1, CeilUnits(f->bbox.xMax - f->bbox.xMin, px, upem));
  m.UnderlineThickness = std::max(1, RoundUnits(f->underline_thickness, px, upem));
  m.UnderlinePos = std::max(1, RoundUnits(-static_cast<long>(f->underline_position), px, upem));
  if (post) m.UnderlinePos = std::max(1, RoundUnits(-post->underlinePosition, px, upem));
  if (m.UnderlinePos + m.UnderlineThickness > m.Descent)
    m.UnderlinePos = std::max(0, m.Descent - m.UnderlineThickness);
  if (hasOs2 && os2->yStrikeoutPosition > 0) {
    m.StrikeOutPos = RoundUnits(os2->yStrikeoutPosition, px, upem);
  } else {
    m.StrikeOutPos = m.Ascent / 3;
  }
  int ave = 0;
  if (hasOs2 && os2->xAvgCharWidth > 0) ave = RoundUnits(os2->xAvgCharWidth, px, upem);
  m.AveCharWidth = std::max(1, ave > 0 ? ave : Advance(U'x'));
  if (!scalable) {
    // The outline tables of a face of fixed sizes say nothing true about its
    // drawn sizes: a one-pixel underline just below the baseline, the
    // strike-out at a third of the ascent, the widest advance of the size
    // (its own figure may be short).
    m.UnderlineThickness = 1;
    m.UnderlinePos = std::min(1, std::max(0, m.Descent - 1));
    m.StrikeOutPos = m.Ascent / 3;
    m.MaxCharWidth = std::max({1, Pixels26(f->size->metrics.max_advance), Advance(U'W'), Advance(U'M')});
  }
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
  FT_UInt index = 0;
  if (impl_->SymbolMap) {
    if (cp >= 0x20 && cp <= 0xFF) index = FT_Get_Char_Index(f, 0xF000 + cp);
  } else {
    index = FT_Get_Char_Index(f, cp);
  }
  if (index == 0 && cp >= 0x20 && !isFallback_) {
    if (FontFace* other = cache_.FallbackFor(cp, pixelHeight_, bold_, italic_)) return other->Glyph(cp);
  }
  const FT_Int32 flags = FT_LOAD_NO_HINTING | (impl_->Bitmaps ? 0 : FT_LOAD_NO_BITMAP);
  if (FT_Load_Glyph(f, index, flags) != 0) return g;
  FT_GlyphSlot slot = f->glyph;
  FT_Pos advance = slot->advance.x;
  if (emboldened_ && slot->format == FT_GLYPH_FORMAT_OUTLINE) {
    FT_Outline_Embolden(&slot->outline, impl_->Strength);
    advance += impl_->Strength;
  }
  g.Advance = Pixels26(advance);
  if (slot->format != FT_GLYPH_FORMAT_BITMAP && FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) return g;
  const FT_Bitmap& bm = slot->bitmap;
  const bool mono = bm.pixel_mode == FT_PIXEL_MODE_MONO;
  if ((!mono && bm.pixel_mode != FT_PIXEL_MODE_GRAY) || bm.width == 0 || bm.rows == 0) return g;
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
    if (mono) {
      for (int x = 0; x < g.Width; ++x) out[x] = (row[x >> 3] & (0x80 >> (x & 7))) ? 255 : 0;
    } else if (grays == 255) {
      std::memcpy(out, row, static_cast<std::size_t>(g.Width));
    } else {
      for (int x = 0; x < g.Width; ++x) out[x] = static_cast<std::uint8_t>(row[x] * 255 / grays);
    }
  }
  return g;
}

FontCache& FontCache::Instance() {
  static FontCache cache({kClassicFontDir});
  return cache;
}

FontCache::FontCache(const std::vector<std::string>& appFontDirs)
    : library_(std::make_unique<Library>()), resolver_(appFontDirs) {}

FontCache::~FontCache() {
  faces_.clear();
  fallbacks_.clear();
}

FontFace& FontCache::FaceFor(const Font& font) {
  Key key{font.Name, font.PixelHeight(), font.Bold(), font.Italic()};
  auto it = faces_.find(key);
  if (it != faces_.end()) return *it->second;
  const ResolvedFace r = resolver_.Resolve(font.Name, font.Bold(), font.Italic());
  auto face = std::make_unique<FontFace>(*this, r, font.PixelHeight(), font.Bold(), font.Italic());
  return *faces_.emplace(key, std::move(face)).first->second;
}

FontFace* FontCache::FallbackFor(char32_t cp, int pixelHeight, bool bold, bool italic) {
  std::optional<ResolvedFace> r = resolver_.FaceWithChar(cp, bold, italic);
  if (!r) return nullptr;
  r->Symbols = false;
  FileKey key{r->File, r->Index, pixelHeight, bold, italic};
  auto it = fallbacks_.find(key);
  if (it != fallbacks_.end()) return it->second.get();
  try {
    auto face = std::make_unique<FontFace>(*this, *r, pixelHeight, bold, italic, true);
    return fallbacks_.emplace(key, std::move(face)).first->second.get();
  } catch (const std::exception&) {
    return nullptr;
  }
}

}  // namespace gfx
