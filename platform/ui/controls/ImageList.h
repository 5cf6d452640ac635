// Image lists: pictures of one size in a row, drawn by index. The base class
// keeps 32-bit pictures with straight alpha; derived lists (the skinned alpha
// image list) keep their own items and override Count and Draw. Every change
// is reported to OnChange and to the registered change links.
#pragma once

#include <string>
#include <vector>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Color.h"
#include "platform/ui/Component.h"
#include "platform/ui/Events.h"

namespace gfx {
class Canvas;
}

namespace ui {

enum class DrawingStyle { dsFocus, dsSelected, dsNormal, dsTransparent };
enum class ImageType { itImage, itMask };

class CustomImageList;

// A listener of an image list's changes (a button showing one of its
// pictures). It unregisters itself when destroyed.
class ChangeLink {
 public:
  ChangeLink() = default;
  ~ChangeLink();
  ChangeLink(const ChangeLink&) = delete;
  ChangeLink& operator=(const ChangeLink&) = delete;

  CustomImageList* Sender() const { return sender_; }
  NotifyEvent OnChange;

 private:
  friend class CustomImageList;
  CustomImageList* sender_ = nullptr;
};

class CustomImageList : public Component {
 public:
  explicit CustomImageList(Component* owner);
  ~CustomImageList() override;

  std::string ClassName() const override { return "TCustomImageList"; }
  bool InheritsFrom(const std::string& c) const override {
    return c == "TCustomImageList" || c == "TDragImageList" || Component::InheritsFrom(c);
  }

  int Width() const { return width_; }
  int Height() const { return height_; }
  // Changing the size empties the list.
  void SetWidth(int w) { SetSize(w, height_); }
  void SetHeight(int h) { SetSize(width_, h); }
  void SetSize(int w, int h);
  gfx::Color BkColor() const { return bkColor_; }
  void SetBkColor(gfx::Color c);
  gfx::Color BlendColor() const { return blendColor_; }
  void SetBlendColor(gfx::Color c) { blendColor_ = c; }
  ui::DrawingStyle GetDrawingStyle() const { return drawingStyle_; }
  void SetDrawingStyle(ui::DrawingStyle s);
  bool Masked() const { return masked_; }
  void SetMasked(bool on) { masked_ = on; }
  ui::ImageType GetImageType() const { return imageType_; }
  void SetImageType(ui::ImageType t) { imageType_ = t; }
  bool ShareImages() const { return shareImages_; }
  void SetShareImages(bool on) { shareImages_ = on; }
  int AllocBy() const { return allocBy_; }
  void SetAllocBy(int n) { allocBy_ = n < 1 ? 1 : n; }

  virtual int Count() const { return static_cast<int>(images_.size()); }
  // Adds a picture (converted to 32 bits, scaled to the list's size when it
  // differs); returns its index.
  int Add(const gfx::Bitmap& picture);
  void Delete(int index);
  virtual void Clear();
  // The picture at `index`, or null outside the list.
  const gfx::Bitmap* Image(int index) const;

  // Draws picture `index` with its alpha with its top-left at (x, y); a
  // disabled picture is drawn at half opacity. Nothing outside the list.
  virtual void Draw(gfx::Canvas& canvas, int x, int y, int index, bool enabled = true) const;

  void RegisterChanges(ChangeLink* link);
  void UnRegisterChanges(ChangeLink* link);
  // Batches changes: Change() while updating is reported once at EndUpdate.
  void BeginUpdate() { ++updateCount_; }
  void EndUpdate();

  NotifyEvent OnChange;

 protected:
  // Reports a change to OnChange and every link.
  virtual void Change();

 private:
  int width_ = 16;
  int height_ = 16;
  gfx::Color bkColor_ = gfx::clNone;
  gfx::Color blendColor_ = gfx::clNone;
  ui::DrawingStyle drawingStyle_ = ui::DrawingStyle::dsNormal;
  bool masked_ = true;
  ui::ImageType imageType_ = ui::ImageType::itImage;
  bool shareImages_ = false;
  int allocBy_ = 4;
  std::vector<gfx::Bitmap> images_;
  std::vector<ChangeLink*> links_;
  int updateCount_ = 0;
  bool changedWhileUpdating_ = false;
};

}  // namespace ui
