// A bitmap property that reports every change through OnChange. Whoever
// wants to hear about changes keeps the handler that was there before and
// calls it from its own (the handler chain of a button glyph).
#pragma once

#include "platform/gfx/Bitmap.h"
#include "platform/ui/Events.h"

namespace ui {

class NotifyBitmap {
 public:
  NotifyBitmap() = default;
  NotifyBitmap(const NotifyBitmap&) = delete;
  NotifyBitmap& operator=(const NotifyBitmap&) = delete;

  const gfx::Bitmap& Bitmap() const { return bitmap_; }
  int Width() const { return bitmap_.Width(); }
  int Height() const { return bitmap_.Height(); }
  bool Empty() const { return bitmap_.Empty(); }

  // Replaces the picture and reports the change.
  void Assign(const gfx::Bitmap& bitmap);
  void Assign(gfx::Bitmap&& bitmap);
  // Empties the picture (reports a change only when it held one).
  void Clear();
  // Reports a change made through other means.
  void Changed() { OnChange(nullptr); }

  // Called with a null sender after every change.
  NotifyEvent OnChange;

 private:
  gfx::Bitmap bitmap_;
};

}  // namespace ui
