#include "tools/artgen/SkinOptions.h"

#include <stdexcept>

#include "tools/artgen/SkinFrameArt.h"

namespace artgen {
namespace {

std::string Num(gfx::Color c) { return std::to_string(c); }

class Builder {
 public:
  explicit Builder(const MasterArt& m) : m_(m) {}

  Builder& Section(const std::string& name) {
    sections_.push_back({name, {}});
    return *this;
  }
  Builder& Key(const std::string& key, const std::string& value) {
    sections_.back().Keys.emplace_back(key, value);
    return *this;
  }
  Builder& Key(const std::string& key, gfx::Color c) { return Key(key, Num(c)); }
  Builder& Key(const std::string& key, int n) { return Key(key, std::to_string(n)); }
  // The master-bitmap mask drawn for this section and key.
  Builder& Mask(const std::string& key, const std::string& section = {}) {
    const std::string from = (section.empty() ? sections_.back().Name : section) + "." + key;
    const auto it = m_.Masks.find(from);
    if (it == m_.Masks.end()) throw std::logic_error("the master bitmap has no " + from);
    return Key(key, it->second);
  }
  // Background and text colours of both states.
  Builder& Colours(gfx::Color colour, gfx::Color hotColour, gfx::Color font, gfx::Color hotFont) {
    return Key("COLOR", colour).Key("HOTCOLOR", hotColour).Key("FONTCOLOR", font).Key("HOTFONTCOLOR", hotFont);
  }
  Builder& Transparency(int normal, int hot) { return Key("TRANSPARENCY", normal).Key("HOTTRANSPARENCY", hot); }
  Builder& Parent(const std::string& parent) { return Key("PARENTCLASS", parent); }
  Builder& Fading(int iterations) { return Key("FADINGENABLED", "TRUE").Key("FADINGITERATIONS", iterations); }

  std::vector<OptionSection> Finish() { return std::move(sections_); }

 private:
  const MasterArt& m_;
  std::vector<OptionSection> sections_;
};

// Gradient steps: from;to;percent;kind;0 per step, kind 0 vertical.
std::string Gradient(const std::vector<std::pair<gfx::Color, gfx::Color>>& steps, const std::vector<int>& percents) {
  std::string v;
  for (std::size_t i = 0; i < steps.size(); ++i) {
    if (!v.empty()) v += ";";
    v += Num(steps[i].first) + ";" + Num(steps[i].second) + ";" + std::to_string(percents[i]) + ";0;0";
  }
  return v;
}

}  // namespace

std::vector<OptionSection> SkinSections(const SkinPalette& p, const MasterArt& master) {
  Builder b(master);
  const bool light = p.Name == "Skin";
  const gfx::Color track = Mix(p.Field, p.Surface, 0.5);
  const gfx::Color radioHot = Mix(p.Accent, p.Text, 0.3);
  const TitleColours inactive = TitleColoursOf(p, false);

  b.Section("GLOBALINFO")
      .Key("VERSION", "6.69")
      .Key("AUTHOR", "Zintor 2")
      .Key("DESCRIPTION", p.Description)
      .Key("MASTERBITMAP", "MASTER.BMP")
      .Key("BORDERWIDTH", kFrameBorder)
      .Key("TITLEHEIGHT", kTitleHeight)
      .Key("MAXHEIGHT", kTitleHeight)
      .Key("FORMOFFSET", kShadow)
      .Key("CENTEROFFSET", 0)
      .Key("BORDERMODE", 1)
      .Key("SHADOW1COLOR", 0)
      .Key("SHADOW1OFFSET", 0)
      .Key("SHADOW1BLUR", -1)
      .Key("SHADOW1TRANSPARENCY", 0)
      .Key("BISPACE", -1)
      .Key("BIVALIGN", 1)
      .Key("BIRIGHT", 0)
      .Key("BILEFT", 2)
      .Key("BITOP", 0)
      .Key("BORDERCOLOR", inactive.Outline)
      .Key("BIKEEPHUE", 0)
      .Key("BICONCLOSEGLOW", 1)
      .Key("BICONCLOSEGLOWMARGIN", kGlowMargin)
      .Key("BICONMAXGLOW", 1)
      .Key("BICONMAXGLOWMARGIN", kGlowMargin)
      .Key("BICONMINGLOW", 1)
      .Key("BICONMINGLOWMARGIN", kGlowMargin)
      .Colours(p.Surface, p.Field, p.Text, p.Text)
      .Mask("BICONCLOSE")
      .Mask("BICONMIN")
      .Mask("BICONMAX")
      .Mask("BICONNORM")
      .Key("BICONCLOSEGLOW0", "!GLOWCLOSE.PNG!1!0!4")
      .Key("BICONMINGLOW0", "!GLOWMIN.PNG!1!0!4")
      .Key("BICONMAXGLOW0", "!GLOWMAX.PNG!1!0!4")
      .Key("BICONNORMGLOW0", "!GLOWNORM.PNG!1!0!4")
      .Mask("RADIOCHECKED")
      .Mask("RADIOUNCHECKED")
      .Mask("GRIPIMAGE")
      .Key("EXBORDER", "!EXBORDER.PNG!2!0!3!0018!0038!0018!0018");
  b.Section("DIVIDER").Colours(p.Raised, p.Raised, p.Text, p.Text).Mask("BORDERSMASK");
  b.Section("EDIT")
      .Colours(light ? gfx::clWhite : p.Field, light ? gfx::clWhite : p.Field, light ? gfx::clBlack : p.Text,
               light ? gfx::clBlack : p.Text)
      .Transparency(0, 0)
      .Mask("BORDERSMASK");
  b.Section("FORMTITLE")
      .Colours(inactive.Bottom, p.Accent, Mix(p.AccentText, inactive.Bottom, 0.15), p.AccentText)
      .Transparency(0, 0)
      .Key("BORDERSMASK", "!TITLE.BMP!2!0!0!0006!0004!0006!0004");
  b.Section("GRIPH").Colours(p.Surface, p.Surface, p.Text, p.Text);
  b.Section("GRIPV").Parent("GRIPH");
  b.Section("GROUPBOX")
      .Colours(p.DialogSurface, p.DialogSurface, p.Text, p.Text)
      .Transparency(100, 100)
      .Mask("BORDERSMASK");
  b.Section("ICOLINE").Colours(p.Raised, p.Raised, p.Text, p.Text).Transparency(100, 100);
  b.Section("HINT").Colours(p.Raised, p.Raised, p.Text, p.Text).Transparency(0, 0);
  b.Section("MAINMENU").Colours(p.Raised, p.Raised, p.Text, p.Text).Transparency(0, 0).Mask("BORDERSMASK");
  b.Section("MDIAREA").Colours(p.Surface, p.Surface, p.Text, p.Text);
  b.Section("MENUITEM")
      .Colours(p.Raised, Mix(p.Raised, p.Accent, 0.18), p.Text, p.Text)
      .Transparency(100, 0)
      .Mask("BORDERSMASK");
  b.Section("MENULINE").Colours(p.Raised, p.Raised, p.Text, p.Text).Transparency(0, 0).Mask("BORDERSMASK");
  b.Section("PAGECONTROL").Colours(p.DialogSurface, p.DialogSurface, p.Text, p.Text);
  b.Section("PANEL").Colours(p.Surface, p.Surface, p.Text, p.Text).Transparency(100, 100).Mask("BORDERSMASK");
  b.Section("PANEL_LOW")
      .Colours(p.DialogSurface, p.DialogSurface, p.Text, p.Text)
      .Transparency(0, 0)
      .Mask("BORDERSMASK");
  b.Section("PROGRESSH")
      .Colours(p.Accent, p.Accent, p.AccentText, p.AccentText)
      .Transparency(0, 0)
      .Key("GRADIENTPERCENT", 100)
      .Key("GRADIENTDATA", Gradient({{Mix(p.Accent, gfx::clWhite, 0.35), p.Accent}}, {100}))
      .Key("HOTGRADIENTPERCENT", 100)
      .Key("HOTGRADIENTDATA", Gradient({{Mix(p.Accent, gfx::clWhite, 0.35), p.Accent}}, {100}))
      .Mask("BORDERSMASK")
      .Key("LRGN", "N/A");
  b.Section("STATUSBAR").Colours(p.Raised, p.Raised, p.Text, p.Text).Transparency(0, 0).Mask("BORDERSMASK");
  b.Section("TABCONTROL").Parent("PAGECONTROL");
  b.Section("FORM")
      .Colours(p.Surface, p.Surface, p.Text, p.Text)
      .Transparency(0, 0)
      .Key("GRADIENTPERCENT", 0)
      .Key("HOTGRADIENTPERCENT", 0)
      .Mask("BORDERSMASK");
  b.Section("DIVIDERV").Colours(p.Raised, p.Raised, p.Text, p.Text).Mask("BORDERSMASK");
  b.Section("GAUGE").Colours(p.Field, p.Field, p.Text, p.Text).Transparency(0, 0).Mask("BORDERSMASK");
  b.Section("COMBOBOX").Parent("EDIT");
  b.Section("ALPHAEDIT").Parent("EDIT");
  b.Section("SPLITTER").Colours(p.Surface, p.Surface, p.Text, p.Text);
  b.Section("SCROLLBAR1V").Colours(track, track, p.Text, p.Text).Transparency(0, 0).Mask("BORDERSMASK");
  b.Section("SCROLLBAR1H").Colours(track, track, p.Text, p.Text).Transparency(0, 0).Mask("BORDERSMASK");
  b.Section("SCROLLBAR2H").Parent("SCROLLBAR1H").Mask("BORDERSMASK", "SCROLLBAR1H");
  b.Section("SCROLLBAR2V").Parent("SCROLLBAR1V").Mask("BORDERSMASK", "SCROLLBAR1V");
  b.Section("SCROLLSLIDERV").Colours(track, track, p.Text, p.Text).Transparency(100, 100).Mask("BORDERSMASK");
  for (const char* btn : {"SCROLLBTNTOP", "SCROLLBTNBOTTOM", "SCROLLBTNRIGHT", "SCROLLBTNLEFT"}) {
    b.Section(btn).Colours(track, track, p.Text, p.Text).Transparency(100, 100).Mask("BORDERSMASK").Mask(
        "GLYPHMASK");
    if (std::string(btn) == "SCROLLBTNLEFT") b.Key("RESERVEDBOOLEAN", "FALSE");
  }
  b.Section("SCROLLSLIDERH").Colours(track, track, p.Text, p.Text).Transparency(100, 100).Mask("BORDERSMASK");
  b.Section("COMBOBTN").Parent("SCROLLBTNBOTTOM");
  b.Section("DIALOG")
      .Parent("FORM")
      .Colours(p.DialogSurface, p.DialogSurface, p.Text, p.Text)
      .Transparency(0, 0)
      .Mask("BORDERSMASK", "FORM");
  b.Section("PROGRESSV").Parent("PROGRESSH");
  b.Section("DRAGBAR").Parent("FORMTITLE");
  b.Section("BUTTON")
      .Colours(p.ButtonBottom, p.ButtonBottom, p.Text, p.Text)
      .Transparency(100, 100)
      .Fading(20)
      .Key("SHOWFOCUS", "TRUE")
      .Mask("BORDERSMASK");
  b.Section("CHECKBOX").Colours(p.DialogSurface, p.DialogSurface, p.Text, p.Text).Transparency(100, 100);
  b.Section("SPEEDBUTTON")
      .Mask("BORDERSMASK")
      .Key("TRANSPARENCY", 100)
      .Key("HOTGRADIENTPERCENT", 100)
      .Key("HOTTRANSPARENCY", 70)
      .Fading(20)
      .Key("COLOR", 16777215)
      .Key("HOTGRADIENTDATA",
           Gradient({{Mix(p.Accent, gfx::clWhite, 0.9), Mix(p.Accent, gfx::clWhite, 0.75)},
                     {Mix(p.Accent, gfx::clWhite, 0.75), Mix(p.Accent, gfx::clWhite, 0.62)},
                     {Mix(p.Accent, gfx::clWhite, 0.62), Mix(p.Accent, gfx::clWhite, 0.55)},
                     {Mix(p.Accent, gfx::clWhite, 0.55), Mix(p.Accent, gfx::clWhite, 0.62)},
                     {Mix(p.Accent, gfx::clWhite, 0.62), Mix(p.Accent, gfx::clWhite, 0.8)}},
                    {15, 25, 20, 25, 15}));
  b.Section("SPEEDBUTTON_SMALL").Parent("SPEEDBUTTON");
  b.Section("RADIOBUTTON")
      .Colours(p.DialogSurface, p.DialogSurface, p.Text, radioHot)
      .Transparency(100, 100)
      .Fading(10);
  b.Section("TRACKBAR").Colours(p.DialogSurface, p.DialogSurface, p.Text, p.Text).Transparency(100, 100);
  b.Section("TABTOP").Parent("BUTTON");
  b.Section("UPDOWNBTN").Parent("BUTTON");
  b.Section("WEBBUTTON")
      .Key("BORDERSMASK", "N/A")
      .Key("TRANSPARENCY", 100)
      .Key("HOTTRANSPARENCY", 100)
      .Fading(20)
      .Key("FONTCOLOR", 0)
      .Key("HOTTCRIGHT", 8090899)
      .Key("HOTTCBOTTOM", 8090899)
      .Key("HOTFONTCOLOR", 16777215)
      .Key("COLOR", 16777215);
  b.Section("BARTITLE").Parent("FORMTITLE");
  b.Section("EXTRALINE").Colours(p.Accent, p.Accent, p.AccentText, p.AccentText);
  b.Section("BARPANEL").Parent("PANEL");
  b.Section("ALPHACOMBOBOX").Parent("EDIT");
  b.Section("TOOLBAR").Parent("PANEL");
  b.Section("TOOLBUTTON").Parent("BUTTON");
  b.Section("BAR").Parent("PANEL");
  b.Section("COLHEADER").Parent("BUTTON");
  b.Section("BUTTON_HUGE").Parent("BUTTON");
  b.Section("PAGECONTROLBOTTOM").Parent("PAGECONTROL");
  b.Section("PAGECONTROLLEFT").Parent("PAGECONTROL");
  b.Section("PAGECONTROLRIGHT").Parent("PAGECONTROL");
  b.Section("TABBOTTOM").Parent("TABTOP");
  b.Section("TABLEFT").Parent("TABTOP");
  b.Section("TABRIGHT").Parent("TABTOP");
  b.Section("BUTTON_BIG").Parent("BUTTON");
  return b.Finish();
}

std::string OptionsText(const std::vector<OptionSection>& sections) {
  std::string t;
  for (std::size_t i = 0; i < sections.size(); ++i) {
    if (i > 0) t += "\r\n";
    t += "[" + sections[i].Name + "]\r\n";
    for (const auto& [k, v] : sections[i].Keys) t += k + "=" + v + "\r\n";
  }
  return t;
}

}  // namespace artgen
