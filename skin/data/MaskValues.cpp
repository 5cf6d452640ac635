#include "skin/data/MaskValues.h"

#include <algorithm>

#include "skin/data/IniValues.h"
#include "skin/data/SkinErrors.h"
#include "skin/data/TextUtil.h"

namespace skin {
namespace {

// The field at 1-based column `col`, `len` characters wide; missing
// characters make the field shorter (and an empty field is not a number).
std::int32_t Column(std::string_view s, std::size_t col, std::size_t len) {
  const std::string_view field = col - 1 < s.size() ? s.substr(col - 1, len) : std::string_view{};
  return StrToInt(field);
}

void ReadRectangle(std::string_view s, TsMaskData& m) {
  m.Left = Column(s, 2, 4);
  m.Top = Column(s, 7, 4);
  m.Right = Column(s, 12, 4);
  m.Bottom = Column(s, 17, 4);
}

std::int16_t Short(std::int64_t v) { return static_cast<std::int16_t>(v); }

std::int64_t Divide(std::int64_t a, std::int64_t b) { return b == 0 ? 0 : a / b; }

MaskValue ParseBorder(std::string_view s) {
  MaskValue v{MaskValueKind::Border, {}, {}, {}};
  TsMaskData& m = v.Entry;
  ReadRectangle(s, m);
  m.WL = Short(Column(s, 22, 4));
  m.WT = Short(Column(s, 27, 4));
  m.WR = Short(Column(s, 32, 4));
  m.WB = Short(Column(s, 37, 4));
  m.ImageCount = Short(Column(s, 42, 1));
  m.MaskType = Short(Column(s, 44, 1));
  m.StretchMode = Short(Column(s, 46, 1));
  m.BorderWidth = Short(Column(s, 48, 1));
  m.ImgType = TacImgType::itisaBorder;
  DeriveBorderParts(m);
  return v;
}

MaskValue ParseGlyph(std::string_view s) {
  MaskValue v{MaskValueKind::Glyph, {}, {}, {}};
  ReadRectangle(s, v.Entry);
  v.Entry.ImageCount = Short(Column(s, 22, 1));
  v.Entry.MaskType = Short(Column(s, 24, 1));
  v.Entry.ImgType = TacImgType::itisaGlyph;
  return v;
}

MaskValue ParseTexture(std::string_view s) {
  MaskValue v{MaskValueKind::Texture, {}, {}, {}};
  ReadRectangle(s, v.Entry);
  v.Entry.StretchMode = Short(Column(s, 22, 2));
  v.Entry.MaskType = s.size() >= 25 ? Short(Column(s, 25, 1)) : std::int16_t{0};
  v.Entry.ImageCount = 1;
  v.Entry.ImgType = TacImgType::itisaTexture;
  return v;
}

// Numbers of one "#" group, separated by blanks or commas.
std::vector<std::int32_t> Numbers(std::string_view group) {
  std::vector<std::int32_t> out;
  for (std::string_view w : SplitWords(group, " ,")) out.push_back(StrToInt(w));
  return out;
}

// "#" values: the rectangle in the first group, the counts in the second.
// Groups are the parenthesised parts; a value without parentheses is split
// at blanks and its second and third words are the groups.
MaskValue ParseOldMask(std::string_view s) {
  std::vector<std::string_view> groups;
  if (s.find('(') != std::string_view::npos) {
    std::size_t at = 0;
    while ((at = s.find('(', at)) != std::string_view::npos) {
      std::size_t close = s.find(')', at + 1);
      if (close == std::string_view::npos) close = s.size();
      groups.push_back(s.substr(at + 1, close - at - 1));
      at = close;
    }
  } else {
    const std::vector<std::string_view> words = SplitWords(s, " ");
    if (words.size() > 1) groups.assign(words.begin() + 1, words.end());
  }
  const std::vector<std::int32_t> rect = groups.size() > 0 ? Numbers(groups[0]) : std::vector<std::int32_t>{};
  const std::vector<std::int32_t> counts =
      groups.size() > 1 ? Numbers(groups[1]) : std::vector<std::int32_t>{};
  if (rect.size() < 4 || counts.size() < 2) throw NotAnInteger("");

  MaskValue v{MaskValueKind::OldMask, {}, {}, {}};
  TsMaskData& m = v.Entry;
  m.Left = rect[0];
  m.Top = rect[1];
  m.Right = rect[2];
  m.Bottom = rect[3];
  m.ImageCount = Short(std::max(counts[0], 1));
  m.MaskType = Short(std::max(counts[1], 0));
  m.BorderWidth = Short(counts.size() > 2 ? std::max(counts[2], 0) : 0);
  m.StretchMode = Short(counts.size() > 3 ? counts[3] : 1);
  m.ImgType = TacImgType::itisaBorder;
  DeriveBorderParts(m);
  return v;
}

}  // namespace

void DeriveBorderParts(TsMaskData& m) {
  if (m.WL != 0 || m.WT != 0 || m.WR != 0 || m.WB != 0) return;
  if (m.BorderWidth != 0) {
    m.WL = m.WT = m.WR = m.WB = m.BorderWidth;
    return;
  }
  m.WL = m.WR = Short(Divide(m.Width(), 3 * m.ImageCount));
  m.WT = m.WB = Short(Divide(m.Height(), 3 * (m.MaskType + 1)));
}

MaskValue ParseMaskValue(std::string_view value) {
  if (value.empty()) return {};
  switch (value.front()) {
    case '^': return ParseBorder(value);
    case '@': return ParseGlyph(value);
    case '~': return ParseTexture(value);
    case '!': {
      MaskValue v;
      v.Words = SplitWords(value, "!");
      if (v.Words.empty()) return {};
      const std::string_view name = v.Words.front();
      if (!Contains(name, ".BMP") && !Contains(name, ".PNG")) return {};
      v.Kind = MaskValueKind::ImageFile;
      v.FileName = std::string(name);
      return v;
    }
    default: break;
  }
  if (value != "#" && Contains(value, "#")) return ParseOldMask(value);
  if (!ContainsUpperCased(value, ".BMP")) return {};
  MaskValue v;
  v.Kind = MaskValueKind::OldBitmap;
  v.FileName = UpperCase(value);
  return v;
}

TsMaskData ParseImageFileFields(const std::vector<std::string_view>& words, int width, int height) {
  if (words.size() < 4) throw NotAnInteger("");
  TsMaskData m;
  m.ImageCount = Short(StrToInt(words[1]));
  m.MaskType = Short(StrToInt(words[2]));
  const std::int32_t kind = std::clamp(StrToInt(words[3]), 0, 4);
  m.ImgType = static_cast<TacImgType>(kind);
  m.Left = 0;
  m.Top = 0;
  m.Right = width;
  m.Bottom = height;
  m.StretchMode = 4;
  if (words.size() >= 5) {
    if (words.size() < 8) throw NotAnInteger("");
    m.WL = Short(StrToInt(words[4]));
    m.WT = Short(StrToInt(words[5]));
    m.WR = Short(StrToInt(words[6]));
    m.WB = Short(StrToInt(words[7]));
  } else {
    m.WL = m.WR = Short(Divide(width, 3 * m.ImageCount));
    m.WT = m.WB = Short(Divide(height, 3 * (m.MaskType + 1)));
  }
  return m;
}

}  // namespace skin
