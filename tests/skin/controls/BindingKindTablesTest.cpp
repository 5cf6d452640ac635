// The kind tables: default sections (with the kinds the table skips) and the
// boundaries of the kind sets.
#include <gtest/gtest.h>

#include "skin/controls/sKindTables.h"

namespace skin {
namespace {

TEST(BindingKindTables, DefaultSections) {
  const struct {
    int kind;
    const char* section;
  } cases[] = {
      {1, "TMyClass"},     {2, "EDIT"},       {8, "EDIT"},       {9, "TMyClass"},    {10, "EDIT"},
      {11, "COMBOBOX"},    {18, "COMBOBOX"},  {19, "BAR"},       {20, "BARTITLE"},   {32, "CHECKBOX"},
      {33, "RADIOBUTTON"}, {51, "PANEL"},     {52, "PANEL_LOW"}, {55, "TMyClass"},   {56, "DRAGBAR"},
      {57, "TABSHEET"},    {74, "GROUPBOX"},  {226, "GROUPBOX"}, {75, "SPLITTER"},   {92, "SPEEDBUTTON"},
      {95, "SPEEDBUTTON"}, {93, "BUTTON"},    {94, "BUTTON"},    {98, "TOOLBUTTON"}, {141, "PAGECONTROL"},
      {151, "STATUSBAR"},  {152, "CHECKBOX"}, {161, "GAUGE"},    {165, "TRACKBAR"},  {227, "EDIT"},
      {0, "TMyClass"},     {-1, "TMyClass"},
  };
  for (const auto& c : cases) EXPECT_EQ(DefaultSectionForKind(c.kind, "TMyClass"), c.section) << c.kind;
}

TEST(BindingKindTables, SetBoundaries) {
  const struct {
    int kind;
    bool nonHover, noGlow, framed, button;
  } cases[] = {
      {1, false, false, false, false},  {2, false, false, true, false},    {18, false, false, true, false},
      {19, true, false, false, false},  {50, false, false, false, false},  {51, true, true, false, false},
      {53, true, false, false, false},  {55, true, false, false, false},   {74, true, true, false, false},
      {75, false, false, false, false}, {76, false, false, true, false},   {84, false, false, true, false},
      {85, false, false, false, false}, {92, false, false, false, true},   {94, false, false, false, true},
      {95, false, false, false, false}, {110, true, true, false, false},   {131, false, false, true, false},
      {140, false, false, true, false}, {141, true, true, false, false},   {142, true, false, false, false},
      {161, true, true, false, false},  {162, false, false, false, false}, {226, false, true, false, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsNonHoverKind(c.kind), c.nonHover) << c.kind;
    EXPECT_EQ(IsNoGlowKind(c.kind), c.noGlow) << c.kind;
    EXPECT_EQ(IsFramedKind(c.kind), c.framed) << c.kind;
    EXPECT_EQ(IsButtonKind(c.kind), c.button) << c.kind;
  }
}

}  // namespace
}  // namespace skin
