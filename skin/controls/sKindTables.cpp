#include "skin/controls/sKindTables.h"

namespace skin {

namespace {

constexpr bool In(std::int32_t k, std::int32_t lo, std::int32_t hi) { return k >= lo && k <= hi; }

}  // namespace

std::string DefaultSectionForKind(std::int32_t k, std::string_view className) {
  if (In(k, 2, 8) || k == 10 || k == 41 || k == 76 || k == 78 || k == 83 || k == 84 || k == 96 || k == 97 ||
      k == 131 || k == 140 || k == 227)
    return "EDIT";
  if (In(k, 11, 18) || k == 81 || k == 82) return "COMBOBOX";
  switch (k) {
    case 19: return "BAR";
    case 20: return "BARTITLE";
    case 32:
    case 152: return "CHECKBOX";
    case 33: return "RADIOBUTTON";
    case 51:
    case 59:
    case 68:
    case 73: return "PANEL";
    case 52:
    case 58: return "PANEL_LOW";
    case 53:
    case 54:
    case 60: return "TOOLBAR";
    case 56: return "DRAGBAR";
    case 57: return "TABSHEET";
    case 74:
    case 226: return "GROUPBOX";
    case 75: return "SPLITTER";
    case 92:
    case 95: return "SPEEDBUTTON";
    case 93:
    case 94: return "BUTTON";
    case 98: return "TOOLBUTTON";
    case 141:
    case 143: return "PAGECONTROL";
    case 151: return "STATUSBAR";
    case 161: return "GAUGE";
    case 165: return "TRACKBAR";
    default: return std::string(className);
  }
}

bool IsNonHoverKind(std::int32_t k) { return k == 19 || In(k, 51, 74) || k == 110 || In(k, 141, 161); }

bool IsNoGlowKind(std::int32_t k) {
  switch (k) {
    case 51:
    case 52:
    case 54:
    case 56:
    case 57:
    case 58:
    case 59:
    case 60:
    case 68:
    case 73:
    case 74:
    case 110:
    case 141:
    case 143:
    case 151:
    case 161:
    case 226: return true;
    default: return false;
  }
}

bool IsFramedKind(std::int32_t k) {
  return In(k, 2, 18) || k == 41 || In(k, 76, 84) || k == 96 || k == 97 || In(k, 131, 140);
}

bool IsButtonKind(std::int32_t k) { return In(k, 92, 94); }

}  // namespace skin
