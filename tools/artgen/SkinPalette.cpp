#include "tools/artgen/SkinPalette.h"

#include <cmath>

namespace artgen {

SkinPalette LightPalette() {
  SkinPalette p;
  p.Name = "Skin";
  p.Description = "Zintor 2 internal skin: warm light grey with a steel-blue accent";
  p.Surface = gfx::RGB(236, 233, 228);
  p.DialogSurface = gfx::RGB(242, 240, 236);
  p.Raised = gfx::RGB(240, 240, 240);
  p.Field = gfx::RGB(255, 255, 255);
  p.Text = gfx::RGB(40, 40, 44);
  p.MutedText = gfx::RGB(110, 106, 100);
  p.Line = gfx::RGB(176, 170, 161);
  p.LineLight = gfx::RGB(255, 255, 255);
  p.ButtonTop = gfx::RGB(253, 252, 250);
  p.ButtonBottom = gfx::RGB(230, 227, 221);
  p.Accent = gfx::RGB(52, 112, 178);
  p.AccentDark = gfx::RGB(34, 82, 138);
  p.AccentText = gfx::RGB(255, 255, 255);
  p.InactiveTitle = gfx::RGB(150, 156, 165);
  p.Close = gfx::RGB(200, 64, 56);
  p.ShadowStrength = 0.30;
  return p;
}

SkinPalette NightPalette() {
  SkinPalette p;
  p.Name = "Night";
  p.Description = "Zintor 2 dark skin: deep slate with a steel-blue accent";
  p.Surface = gfx::RGB(40, 45, 52);
  p.DialogSurface = gfx::RGB(46, 52, 60);
  p.Raised = gfx::RGB(52, 58, 67);
  p.Field = gfx::RGB(30, 34, 40);
  p.Text = gfx::RGB(226, 230, 235);
  p.MutedText = gfx::RGB(146, 154, 164);
  p.Line = gfx::RGB(22, 25, 30);
  p.LineLight = gfx::RGB(70, 78, 89);
  p.ButtonTop = gfx::RGB(70, 78, 89);
  p.ButtonBottom = gfx::RGB(56, 63, 72);
  p.Accent = gfx::RGB(52, 112, 178);
  p.AccentDark = gfx::RGB(34, 82, 138);
  p.AccentText = gfx::RGB(255, 255, 255);
  p.InactiveTitle = gfx::RGB(58, 64, 74);
  p.Close = gfx::RGB(190, 60, 52);
  p.ShadowStrength = 0.45;
  return p;
}

gfx::Color Mix(gfx::Color a, gfx::Color b, double t) {
  const auto ch = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
  return gfx::RGB(ch(gfx::GetR(a), gfx::GetR(b)), ch(gfx::GetG(a), gfx::GetG(b)), ch(gfx::GetB(a), gfx::GetB(b)));
}

}  // namespace artgen
