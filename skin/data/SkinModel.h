// A loaded skin: the tables that painting reads, the master bitmap, the
// skin-wide values and the cached indexes, with the lookups over them.
// The skin manager owns one; a load builds a new one and the manager swaps
// it in only when the load has succeeded.
#pragma once

#include <string_view>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Geometry.h"
#include "skin/data/sMaskData.h"

namespace skin {

class ModelIndex;

class TsSkinModel {
 public:
  TsSkinModel() = default;
  TsSkinModel(const TsSkinModel&) = delete;  // images are shared by pointer; no accidental aliasing
  TsSkinModel& operator=(const TsSkinModel&) = delete;
  TsSkinModel(TsSkinModel&&) = default;
  TsSkinModel& operator=(TsSkinModel&&) = default;

  TsGeneralDataArray GeneralTable;
  TsMaskArray MaskTable;
  TsPatternArray PatternTable;
  gfx::Bitmap MasterBitmap;  // 24-bit, transparent with the key colour; empty if the skin has none
  TsSkinData SkinWideData;
  TsCommonIndexes CommonIndexes;
  bool Packed = false;  // loaded from a package rather than a directory

  // All names compare exactly; the first match in table order wins; -1 if none.
  int SectionIndexOf(std::string_view name) const;
  // The entry of that section and key; if none, the same search for the
  // parent (PARENTCLASS of record `skinIndex`), and so on up the chain.
  int MaskIndexOf(int skinIndex, std::string_view section, std::string_view property) const;
  int MaskIndexOfExact(std::string_view section, std::string_view property) const;
  // Like MaskIndexOf, counting only texture entries.
  int TextureIndexOf(int skinIndex, std::string_view section, std::string_view property) const;
  // Like MaskIndexOf, over the pattern table.
  int PatternIndexOf(int skinIndex, std::string_view section, std::string_view property) const;

  // Widths of the border parts of a mask entry (0 for an index out of range).
  int MaskWidthLeft(int maskIndex) const;
  int MaskWidthRight(int maskIndex) const;
  int MaskWidthTop(int maskIndex) const;
  int MaskWidthBottom(int maskIndex) const;
  // Size of one state image of a mask entry.
  gfx::Size MaskCellSize(int maskIndex) const;

  // Colour queries; results are plain RGB.
  gfx::Color GetGlobalColor() const;          // GLOBALINFO's colour, else button face
  gfx::Color GetGlobalFontColor() const;      // GLOBALINFO's text colour, else magenta (none)
  gfx::Color GetGlobalHotColor() const;       // GLOBALINFO's hot colour, else window colour
  gfx::Color GetActiveEditFontColor() const;  // EDIT's hot text colour, else magenta
  gfx::Color GetHighLightColor() const;       // MENUITEM's hot colour, else highlight
  gfx::Color GetHighLightFontColor() const;   // MENUITEM's hot text colour, else highlight text

  // BordersMaskIndex and the four corner-image indexes of every record but
  // GLOBALINFO's.
  void UpdateBorderIndexes();
  // Recomputes CommonIndexes (all -1 for an empty model).
  void UpdateCommonIndexes();
  // Both of the above, sharing one index of the names.
  void UpdateIndexes();

 private:
  void UpdateBorderIndexes(const ModelIndex& index);
  void UpdateCommonIndexes(const ModelIndex& index);
  // The parent walk shared by the lookups: `match` searches one section,
  // `findSection` finds a parent's record.
  template <class Match, class FindSection>
  int WalkUp(int skinIndex, std::string_view section, Match&& match, FindSection&& findSection) const;
  template <class Match>
  int WalkUp(int skinIndex, std::string_view section, Match&& match) const;
  const TsMaskData* Mask(int maskIndex) const;
};

}  // namespace skin
