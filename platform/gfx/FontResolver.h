// Finds the installed face for a face name, through fontconfig.
//
// A resolver owns its own fontconfig configuration: the system's fonts plus
// the application font directories it is given. The program passes the
// directory of Debian's fonts-wine package, whose faces "Tahoma" (regular and
// bold), "MS Sans Serif", "Marlett" and "Webdings" have the metrics the
// program's windows were laid out for; fontconfig does not index that
// directory by default. Where those faces are absent, "Tahoma" and
// "MS Sans Serif" become DejaVu Sans Condensed, the installed face closest to
// them in width, and "Webdings" becomes DejaVu Sans.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace gfx {

// The directory of the metric-compatible classic faces (fonts-wine).
inline constexpr const char* kClassicFontDir = "/usr/share/wine/fonts";

struct ResolvedFace {
  std::string File;
  int Index = 0;
  bool Embolden = false;  // bold asked for, the face is not bold
  bool Slant = false;     // italic asked for, the face is upright
  // "Webdings": the caption-button symbols are drawn by the program (see
  // SymbolGlyphs.h), whether or not the face is installed.
  bool Symbols = false;
  std::string Family;
};

class FontResolver {
 public:
  // Directories that do not exist are skipped.
  explicit FontResolver(const std::vector<std::string>& appFontDirs);
  ~FontResolver();
  FontResolver(const FontResolver&) = delete;
  FontResolver& operator=(const FontResolver&) = delete;

  // The best face for a name and style; throws std::runtime_error when no
  // face is installed at all.
  ResolvedFace Resolve(const std::string& name, bool bold, bool italic) const;
  // A scalable face that has `cp`, or nullopt when none has.
  std::optional<ResolvedFace> FaceWithChar(char32_t cp, bool bold, bool italic) const;

 private:
  struct Config;
  std::unique_ptr<Config> config_;
};

}  // namespace gfx
