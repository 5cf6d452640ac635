// Control kind codes: the code a skinned control's constructor gives its
// binding, the skin section a kind takes when none is set, and the sets of
// kinds that the binding's tests and handlers ask about.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace skin {

// Kind codes of the controls this program has.
inline constexpr std::int32_t kKindMemo = 7;
inline constexpr std::int32_t kKindRadioButton = 33;
inline constexpr std::int32_t kKindPanel = 51;
inline constexpr std::int32_t kKindGroupBox = 74;
inline constexpr std::int32_t kKindSpeedButton = 92;
inline constexpr std::int32_t kKindButton = 93;
inline constexpr std::int32_t kKindStatusBar = 151;
inline constexpr std::int32_t kKindGauge = 161;

// The default section of a kind; any kind without one of its own takes
// `className` (the owner object's class name).
std::string DefaultSectionForKind(std::int32_t kind, std::string_view className);

// Kinds for which hovering does not count as being active.
bool IsNonHoverKind(std::int32_t kind);
// Kinds that never show a glow.
bool IsNoGlowKind(std::int32_t kind);
// Edit-like kinds: the window frame is redrawn on focus changes.
bool IsFramedKind(std::int32_t kind);
// Buttons (92..94): mouse enter and leave leave their glow to the button.
bool IsButtonKind(std::int32_t kind);

}  // namespace skin
