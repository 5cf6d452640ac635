// Property types of the skinned buttons.
#pragma once

#include <cstdint>
#include <initializer_list>

namespace skin {

enum class TToolButtonStyle : std::uint8_t { tbsButton, tbsCheck, tbsDropDown, tbsSeparator, tbsDivider, tbsTextButton };

// The look of a disabled button's picture.
enum TsDisabledGlyphKind : std::uint8_t { dgBlended, dgGrayed };

class TsDisabledGlyphKinds {
 public:
  constexpr TsDisabledGlyphKinds() = default;
  constexpr TsDisabledGlyphKinds(std::initializer_list<TsDisabledGlyphKind> kinds) {
    for (TsDisabledGlyphKind k : kinds) bits_ = static_cast<std::uint8_t>(bits_ | (1u << k));
  }
  constexpr bool Contains(TsDisabledGlyphKind k) const { return (bits_ & (1u << k)) != 0; }
  friend constexpr bool operator==(TsDisabledGlyphKinds, TsDisabledGlyphKinds) = default;

 private:
  std::uint8_t bits_ = 0;
};

enum class TImageAlignment : std::uint8_t { iaLeft, iaRight, iaTop, iaBottom, iaCenter };

// Space around a push button's picture.
struct TImageMargins {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  friend constexpr bool operator==(const TImageMargins&, const TImageMargins&) = default;
};

// Width of the arrow part of a drop-down speed button.
inline constexpr int kArrowWidth = 16;

}  // namespace skin
