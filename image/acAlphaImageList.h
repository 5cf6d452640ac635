// TsAlphaImageList: an image list that keeps each image's source file (PNG
// or icon) and draws from it with per-pixel alpha.
//
// This list stands on its own: there is no platform icon list behind it.
// The "native list" is the set of images the list has been built from its
// items; its count is derived from the items when the list is (re)built, and
// every item (PNG or icon file) is decoded from its data at every draw.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Color.h"
#include "platform/gfx/Geometry.h"

namespace gfx {
class Canvas;
}

namespace image {

enum class TsImageFormat : std::uint8_t { ifPNG = 0, ifICO = 1 };

struct TsImgListItem {
  // The name under which a window description stores the file bytes.
  static constexpr std::string_view kImgDataName = "ImgData";

  TsImageFormat ImageFormat = TsImageFormat::ifPNG;
  gfx::PixelFormat PixelFormat = gfx::PixelFormat::Bgra32;
  std::vector<std::uint8_t> ImgData;  // the image file as it is
};

// The items in list order. Every change is reported to the owning list.
class TsImgListItems {
 public:
  explicit TsImgListItems(std::function<void()> changed) : changed_(std::move(changed)) {}
  TsImgListItems(const TsImgListItems&) = delete;
  TsImgListItems& operator=(const TsImgListItems&) = delete;

  int Count() const { return static_cast<int>(items_.size()); }
  const TsImgListItem& operator[](int index) const { return items_.at(static_cast<std::size_t>(index)); }
  // Adds an item and reports the change.
  void Add(TsImgListItem item);
  void AddPng(std::vector<std::uint8_t> data) {
    Add({TsImageFormat::ifPNG, gfx::PixelFormat::Bgra32, std::move(data)});
  }
  // Replaces the item at `index` and reports the change.
  void Set(int index, TsImgListItem item);
  void Delete(int index);
  void Clear();
  // Replaces all items at once (one change report).
  void Assign(const TsImgListItems& other);

 private:
  std::vector<TsImgListItem> items_;
  std::function<void()> changed_;
};

enum class TDrawingStyle : std::uint8_t { dsFocus, dsSelected, dsNormal, dsTransparent };
enum class TImageType : std::uint8_t { itImage, itMask };

class TsAlphaImageList {
 public:
  // A list created while its owner is being loaded builds its native list in
  // Loaded(); otherwise it is built at once.
  explicit TsAlphaImageList(bool loading = false);
  TsAlphaImageList(const TsAlphaImageList&) = delete;
  TsAlphaImageList& operator=(const TsAlphaImageList&) = delete;

  // --- settings of an image list ---------------------------------------
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetWidth(int w);
  void SetHeight(int h);
  void SetSize(int w, int h);
  gfx::Color BkColor() const { return bkColor_; }
  void SetBkColor(gfx::Color c) { bkColor_ = c; }
  gfx::Color BlendColor() const { return blendColor_; }
  void SetBlendColor(gfx::Color c) { blendColor_ = c; }
  TDrawingStyle DrawingStyle() const { return drawingStyle_; }
  void SetDrawingStyle(TDrawingStyle s) { drawingStyle_ = s; }
  bool Masked() const { return masked_; }
  void SetMasked(bool on) { masked_ = on; }
  TImageType ImageType() const { return imageType_; }
  void SetImageType(TImageType t) { imageType_ = t; }
  bool ShareImages() const { return shareImages_; }
  void SetShareImages(bool on) { shareImages_ = on; }
  int AllocBy() const { return allocBy_; }
  void SetAllocBy(int n) { allocBy_ = n; }

  TsImgListItems& Items() { return items_; }
  const TsImgListItems& Items() const { return items_; }

  // Number of images in the native list.
  int Count() const { return nativeCount_; }
  bool HasNativeList() const { return nativeExists_; }
  bool NativeListBuilt() const { return nativeBuilt_; }

  // --- lifecycle ------------------------------------------------------------
  void BeginLoading() { loading_ = true; }
  // After the settings and items have been read: create and build the native list.
  void Loaded();
  bool Loading() const { return loading_; }
  void SetDesigning(bool on) { designing_ = on; }

  // Rebuilds the native list from the items (only when it exists).
  void RebuildNativeList();

  // The image `index` as a 32-bit bitmap of the list's size into `target`.
  // PNG pictures of another size are resampled; pictures without alpha get
  // DeriveKeyAlpha. Icon items give their picture of the list's size (or
  // their largest, resampled). False when there is no native list, the index
  // is outside it, or the item's data cannot be decoded.
  bool ItemImage32(int index, gfx::Bitmap& target) const;

  // Draws image `index` with its alpha at (x, y) of the canvas.
  void Draw(gfx::Canvas& canvas, int x, int y, int index) const;

  // Copies the settings, the size, the background colour and every item,
  // then rebuilds the native list.
  void Assign(const TsAlphaImageList& source);
  void AssignTo(TsAlphaImageList& dest) const { dest.Assign(*this); }

  // --- change reports -------------------------------------------------------
  // Called after every change of the list (items, size), except while it
  // rebuilds itself or is being loaded. Returns an id for RemoveChangeLink.
  int AddChangeLink(std::function<void()> onChange);
  void RemoveChangeLink(int id);
  // The list changed: rebuild the native list when it lags behind the items,
  // then tell the change links.
  void Change();

 private:
  int width_ = 16;
  int height_ = 16;
  gfx::Color bkColor_ = gfx::clNone;
  gfx::Color blendColor_ = gfx::clNone;
  TDrawingStyle drawingStyle_ = TDrawingStyle::dsNormal;
  bool masked_ = true;
  TImageType imageType_ = TImageType::itImage;
  bool shareImages_ = false;
  int allocBy_ = 4;

  TsImgListItems items_;
  bool nativeExists_ = false;
  bool nativeBuilt_ = false;
  int nativeCount_ = 0;
  bool loading_ = false;
  bool designing_ = false;
  bool rebuilding_ = false;

  struct Link {
    int Id;
    std::function<void()> OnChange;
  };
  std::vector<Link> links_;
  int nextLinkId_ = 1;
};

// For a 32-bit bitmap without any alpha (every alpha byte 0): the colour of
// the bottom-left pixel is the key, every pixel of another colour gets alpha
// 255. A bitmap with some alpha, or of another format, is left alone.
void DeriveKeyAlpha(gfx::Bitmap& bitmap);

// Draws frame `frameIndex` (limited to frameCount - 1) of image `imageIndex`
// into `target` at (x, y), blending with the picture's alpha, `blendPercent`
// more transparent, tinted grey in `grayColor` unless that is clNone, with a
// reflection below when `reflected`. Frames lie side by side, each
// Width / frameCount wide. Returns the frame's size.
gfx::Size DrawItemFrame(const TsAlphaImageList& list, gfx::Bitmap& target, int x, int y, int frameCount,
                        int frameIndex, int imageIndex, int blendPercent, gfx::Color grayColor,
                        bool reflected);

// The same onto a canvas, through a 24-bit work bitmap taken from the canvas
// at (x, y) and put back.
gfx::Size DrawItemFrameOnCanvas(const TsAlphaImageList& list, gfx::Canvas& canvas, int x, int y,
                                int frameCount, int frameIndex, int imageIndex, int blendPercent,
                                gfx::Color grayColor, bool reflected);

}  // namespace image
