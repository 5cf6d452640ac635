// Cache of FreeType faces and rendered glyphs.
//
// The program uses one cache, FontCache::Instance(), which finds faces in the
// system's fonts and the classic faces' directory (FontResolver.h); a test may
// make a cache of its own with other font directories. Faces are keyed by
// (face name, pixel height, bold, italic); each face keeps its rendered
// glyphs keyed by code point, so a glyph is rasterised once per
// (face, size, glyph). Everything runs on the user-interface thread; the cache
// takes no locks.
//
// Rendering is deterministic: outlines are loaded without hinting and
// rendered as 8-bit grey coverage. A face that carries a drawn bitmap for the
// requested size uses it (the classic faces do at their common sizes, as sharp
// black-and-white text); a face made of fixed sizes only uses the size whose
// ascent is nearest to the requested height. Advances are rounded to whole
// pixels and kerning is not applied, so a text's width is the sum of its glyph
// advances. Line metrics follow the face's Windows ascent and descent,
// rounded. A bold or italic request that the installed faces cannot meet is
// synthesised (outline emboldening, a 12-degree slant). A character the face
// lacks is taken from the installed face that fontconfig names for it (same
// size and style); only when no face has it does the missing-glyph box show.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <unordered_map>
#include <vector>

#include "platform/gfx/Font.h"
#include "platform/gfx/FontResolver.h"

namespace gfx {

// One rendered glyph: coverage rows (0 = none, 255 = full), placed relative
// to the pen position on the baseline.
struct GlyphImage {
  int Width = 0;
  int Height = 0;
  int Left = 0;  // pen x to the bitmap's left column
  int Top = 0;   // baseline to the bitmap's top row (upwards positive)
  int Advance = 0;
  std::vector<std::uint8_t> Coverage;  // Width * Height bytes, rows top to bottom
};

class FontCache;

class FontFace {
 public:
  // `bold`/`italic` are the style asked for (used to pick fallback faces);
  // the resolved face says whether this face must synthesise them.
  FontFace(FontCache& cache, const ResolvedFace& face, int pixelHeight, bool bold, bool italic,
           bool isFallback = false);
  ~FontFace();
  FontFace(const FontFace&) = delete;
  FontFace& operator=(const FontFace&) = delete;

  const FontMetrics& Metrics() const { return metrics_; }
  // The glyph of a code point (the face's missing-glyph box when it has none).
  const GlyphImage& Glyph(char32_t cp);
  int Advance(char32_t cp) { return Glyph(cp).Advance; }

 private:
  GlyphImage Render(char32_t cp);

  struct Impl;
  FontCache& cache_;
  std::unique_ptr<Impl> impl_;
  FontMetrics metrics_;
  std::unordered_map<char32_t, GlyphImage> glyphs_;
  int pixelHeight_;
  bool bold_;
  bool italic_;
  bool emboldened_;
  bool isFallback_;
  bool symbols_;  // draws the caption-button symbols itself (see SymbolGlyphs.h)
};

class FontCache {
 public:
  // The program's cache: the system's fonts and kClassicFontDir.
  static FontCache& Instance();
  // A cache that adds `appFontDirs` to the system's fonts.
  explicit FontCache(const std::vector<std::string>& appFontDirs);
  ~FontCache();
  FontCache(const FontCache&) = delete;
  FontCache& operator=(const FontCache&) = delete;

  // The face for a font; never fails while any font is installed (throws
  // std::runtime_error when fontconfig finds no face at all).
  FontFace& FaceFor(const Font& font);
  // An installed face that has `cp`, at the given size and style, or null.
  FontFace* FallbackFor(char32_t cp, int pixelHeight, bool bold, bool italic);

 private:
  friend class FontFace;
  struct Library;
  std::unique_ptr<Library> library_;
  FontResolver resolver_;
  using Key = std::tuple<std::string, int, bool, bool>;
  std::map<Key, std::unique_ptr<FontFace>> faces_;
  // Fallback faces by (file, face index, pixel height, bold, italic).
  using FileKey = std::tuple<std::string, int, int, bool, bool>;
  std::map<FileKey, std::unique_ptr<FontFace>> fallbacks_;
};

}  // namespace gfx
