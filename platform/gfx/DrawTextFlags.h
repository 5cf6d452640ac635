// Flag bits of Canvas::DrawText, with the conventional desktop values (they
// travel in messages and skin code combines them numerically, e.g. 0x164).
#pragma once

namespace gfx {

constexpr unsigned DT_LEFT = 0x0;
constexpr unsigned DT_CENTER = 0x1;
constexpr unsigned DT_RIGHT = 0x2;
constexpr unsigned DT_VCENTER = 0x4;  // single line only
constexpr unsigned DT_BOTTOM = 0x8;   // single line only
constexpr unsigned DT_WORDBREAK = 0x10;
constexpr unsigned DT_SINGLELINE = 0x20;
constexpr unsigned DT_EXPANDTABS = 0x40;
constexpr unsigned DT_NOCLIP = 0x100;
constexpr unsigned DT_CALCRECT = 0x400;
constexpr unsigned DT_NOPREFIX = 0x800;
constexpr unsigned DT_END_ELLIPSIS = 0x8000;
constexpr unsigned DT_RTLREADING = 0x20000;
constexpr unsigned DT_HIDEPREFIX = 0x100000;

}  // namespace gfx
