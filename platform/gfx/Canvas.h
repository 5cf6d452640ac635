// A drawing surface over a Bitmap (24-bit, 32-bit, or 8-bit grey for masks).
//
// Coordinates: every drawing call takes logical coordinates; a logical point
// p lands on the device (bitmap) pixel p + Origin(). The clip region is kept
// in device coordinates and is always inside the bitmap; by default it is the
// whole bitmap.
//
// Colours are values 0x00BBGGRR; system colours are resolved with ColorToRGB
// when they are used. On a 32-bit target fills, frames, lines, polygons,
// gradients, SetPixel and text never touch the alpha byte; FillRectAlpha,
// copies and AlphaBlendBitmap write it (each says how). On an 8-bit grey
// target a colour is written as its grey level (R + G + B) / 3, and text
// blends that grey level by glyph coverage like on colour targets (black text
// on a white mask darkens it).
//
// State (origin, clip, font, brush, pen, text colour, background) is saved and
// restored as a stack with Save/Restore or the StateGuard. A new canvas has
// origin (0, 0), the whole bitmap as clip, the default Font, a solid white
// brush, a solid black pen of width 1, the font's colour as text colour and a
// transparent background (background colour white).
//
// Every drawing operation reports the device rectangle it touched (clipped,
// possibly larger than the exact pixels) to the damage handler, once per call,
// when a handler is set and something may have changed.
//
// The clip is also cut to the bitmap's current size at every operation, so a
// bitmap resized under a canvas is never written out of bounds (call
// ResetClip to use the new size in full). Only 8-bit grey, 24-bit and 32-bit
// bitmaps can be drawn on: the constructor throws std::invalid_argument for
// palette formats.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string_view>
#include <vector>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Color.h"
#include "platform/gfx/DrawTextFlags.h"
#include "platform/gfx/Font.h"
#include "platform/gfx/Geometry.h"
#include "platform/gfx/Region.h"

namespace gfx {

enum class BrushStyle : std::uint8_t { Solid, Clear };
enum class PenStyle : std::uint8_t { Solid, Clear };
enum class BackgroundMode : std::uint8_t { Transparent, Opaque };
// Polygon interior: EvenOdd fills pixels crossed an odd number of times by a
// ray; Winding fills pixels with a non-zero winding number.
enum class FillRule : std::uint8_t { EvenOdd, Winding };

// One corner of a gradient triangle (logical coordinates).
struct GradientVertex {
  int X = 0;
  int Y = 0;
  gfx::Color Color = clBlack;
};

class Canvas {
 public:
  explicit Canvas(Bitmap& target);
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  // --- identity -----------------------------------------------------------
  Bitmap& Target() { return *target_; }
  const Bitmap& Target() const { return *target_; }
  // Free for the owner (for example the window a surface belongs to).
  void* Tag() const { return tag_; }
  void SetTag(void* tag) { tag_ = tag; }
  // Called once per drawing operation with the device rectangle it touched.
  using DamageHandler = std::function<void(const Rect& deviceRect)>;
  void SetDamageHandler(DamageHandler handler) { damage_ = std::move(handler); }

  // Bracketing calls kept for code written against locking canvases; all
  // drawing happens on one thread, so they do nothing.
  void Lock() {}
  void Unlock() {}

  // --- state --------------------------------------------------------------
  void Save();
  // Restores the last saved state; does nothing when none is saved.
  void Restore();
  int SaveDepth() const { return static_cast<int>(stack_.size()); }

  class StateGuard {
   public:
    explicit StateGuard(Canvas& c) : c_(c) { c_.Save(); }
    ~StateGuard() { c_.Restore(); }
    StateGuard(const StateGuard&) = delete;
    StateGuard& operator=(const StateGuard&) = delete;

   private:
    Canvas& c_;
  };

  Point Origin() const { return st_.Origin; }
  void SetOrigin(Point deviceOffset) { st_.Origin = deviceOffset; }
  void MoveOrigin(int dx, int dy) { st_.Origin = {st_.Origin.X + dx, st_.Origin.Y + dy}; }

  const Font& GetFont() const { return st_.TheFont; }
  Font& GetFont() { return st_.TheFont; }
  void SetFont(const Font& f) { st_.TheFont = f; }

  gfx::Color BrushColor() const { return st_.BrushColor; }
  void SetBrushColor(gfx::Color c) { st_.BrushColor = c; }
  BrushStyle GetBrushStyle() const { return st_.Brush; }
  void SetBrushStyle(BrushStyle s) { st_.Brush = s; }

  gfx::Color PenColor() const { return st_.PenColor; }
  void SetPenColor(gfx::Color c) { st_.PenColor = c; }
  int PenWidth() const { return st_.PenWidth; }
  void SetPenWidth(int w) { st_.PenWidth = w < 1 ? 1 : w; }
  PenStyle GetPenStyle() const { return st_.Pen; }
  void SetPenStyle(PenStyle s) { st_.Pen = s; }

  // The text colour is the font's colour unless one was set explicitly.
  gfx::Color TextColor() const { return st_.HasTextColor ? st_.TextColor : st_.TheFont.Color; }
  void SetTextColor(gfx::Color c) {
    st_.TextColor = c;
    st_.HasTextColor = true;
  }
  void ResetTextColor() { st_.HasTextColor = false; }

  BackgroundMode GetBackgroundMode() const { return st_.BkMode; }
  void SetBackgroundMode(BackgroundMode m) { st_.BkMode = m; }
  gfx::Color BackgroundColor() const { return st_.BkColor; }
  void SetBackgroundColor(gfx::Color c) { st_.BkColor = c; }

  // --- clipping -----------------------------------------------------------
  // Bounding box of the clip region in logical coordinates; empty (all
  // zeros) when nothing is visible.
  Rect ClipBox() const;
  bool ClipEmpty() const { return st_.Clip.IsEmpty(); }
  void IntersectClipRect(const Rect& logical);
  void ExcludeClipRect(const Rect& logical);
  // Replaces the clip by `device` (device coordinates), cut to the bitmap.
  void SetClipRegion(const Region& device);
  // Intersects the clip with `device` (device coordinates).
  void IntersectClipRegion(const Region& device);
  const Region& ClipRegion() const { return st_.Clip; }
  void ResetClip();
  bool PtVisible(int x, int y) const;
  bool RectVisible(const Rect& logical) const;

  // --- fills and frames ---------------------------------------------------
  // Fills with the brush colour; nothing with a clear brush.
  void FillRect(const Rect& r);
  void FillRect(const Rect& r, gfx::Color c);
  // Fills colour and alpha (32-bit targets; other formats as FillRect).
  void FillRectAlpha(const Rect& r, gfx::Color c, std::uint8_t alpha);
  // Fills the pixels of `logical` (a region in logical coordinates).
  void FillRegion(const Region& logical, gfx::Color c);
  // One-pixel frame along the inside of r in the brush colour (or `c`).
  void FrameRect(const Rect& r);
  void FrameRect(const Rect& r, gfx::Color c);

  // --- pixels -------------------------------------------------------------
  // The pixel's colour (alpha dropped) or clNone outside the bitmap.
  gfx::Color GetPixel(int x, int y) const;
  void SetPixel(int x, int y, gfx::Color c);

  // --- lines and shapes ---------------------------------------------------
  void MoveTo(int x, int y) { st_.PenPos = {x, y}; }
  Point PenPos() const { return st_.PenPos; }
  // Line from the pen position to (x, y) in the pen colour; the last point is
  // not drawn. Width 1 is a Bresenham line; wider pens draw a square of the
  // pen width centred on every point.
  void LineTo(int x, int y);
  void Polyline(std::span<const Point> pts);
  // Fills the interior with the brush (pixel centres inside the outline) and
  // draws the closed outline with the pen as LineTo does (unless the pen is
  // clear); the pen position is kept. Polyline likewise.
  void Polygon(std::span<const Point> pts, FillRule rule = FillRule::EvenOdd);
  // Fills the triangle with the three vertex colours interpolated linearly:
  // a vertex's coordinates are a pixel position, which gets exactly that
  // vertex's colour; pixels on the edges are included; every channel is the
  // barycentric mean rounded half up.
  void GradientTriangle(const GradientVertex& a, const GradientVertex& b, const GradientVertex& c);

  // --- copies -------------------------------------------------------------
  // Copies pixels. Destination origin and clip apply; the source rectangle
  // is in the source's logical coordinates (its origin applies) and is cut to
  // the source bitmap. Formats convert: 24 -> 32 writes alpha 255, 32 -> 32
  // copies alpha, 32 -> 24 drops it, grey <-> colour by grey level. The
  // first form scales (as StretchCopy) when the two rectangles differ in
  // size; the second copies 1:1 to (x, y).
  void CopyRect(const Rect& dst, const Canvas& src, const Rect& srcRect);
  void CopyRect(int x, int y, const Canvas& src, const Rect& srcRect);
  // The same from a bitmap (no origin on the source side). Palette bitmaps are
  // converted on the fly.
  void DrawBitmap(int x, int y, const Bitmap& src, const Rect& srcRect);
  void DrawBitmap(int x, int y, const Bitmap& src) { DrawBitmap(x, y, src, src.Bounds()); }
  // Copies every pixel whose colour (three colour bytes) differs from `key`.
  void DrawBitmapKeyed(int x, int y, const Bitmap& src, const Rect& srcRect, gfx::Color key);
  // Scales srcRect onto dst with area averaging: every destination pixel is
  // the exact box-filtered mean of the source area it covers, partial source
  // pixels weighted by their covered fraction, rounded half up (see
  // BoxFilter.h). Every byte of a pixel (alpha too) is averaged on its own. A
  // source rectangle reaching outside the source shrinks dst in proportion.
  // Equal sizes copy 1:1.
  void StretchDraw(const Rect& dst, const Bitmap& src, const Rect& srcRect);
  void StretchCopy(const Rect& dst, const Canvas& src, const Rect& srcRect);
  // Draws a 32-bit straight-alpha bitmap (srcRect scaled to dst when the sizes
  // differ, averaged with premultiplied alpha) with per-pixel alpha times
  // constantAlpha / 255. The colour is blended over the destination; a 32-bit
  // destination's alpha becomes a + d * (255 - a) / 255 ("over"). Non-32-bit
  // sources count as opaque.
  void AlphaBlendBitmap(const Rect& dst, const Bitmap& src, const Rect& srcRect, std::uint8_t constantAlpha);

  // --- text ---------------------------------------------------------------
  // One line of UTF-8 text with its top-left cell corner at (x, y); CR and LF
  // are dropped and a tab is as wide as a space. Opaque background mode fills
  // the text cell with the background colour first.
  void TextOut(int x, int y, std::string_view utf8);
  // Size of one line of text (no prefix or tab processing); height = line height.
  Size TextExtent(std::string_view utf8) const;
  int TextWidth(std::string_view utf8) const { return TextExtent(utf8).Width; }
  int TextHeight(std::string_view utf8) const { return TextExtent(utf8).Height; }
  FontMetrics TextMetrics() const;
  // Formatted text in `rect` with the DT_* flags (see DrawTextFlags.h and
  // TextLayout.h for the rules). Returns the height of the text; with
  // DT_VCENTER or DT_BOTTOM the offset from rect.Top to the bottom of the
  // text. With DT_CALCRECT nothing is drawn and rect's Right and Bottom are set
  // to the measured block.
  int DrawText(std::string_view utf8, Rect& rect, unsigned flags);

 private:
  struct State {
    Point Origin;
    Region Clip;
    Font TheFont;
    gfx::Color BrushColor = clWhite;
    BrushStyle Brush = BrushStyle::Solid;
    gfx::Color PenColor = clBlack;
    int PenWidth = 1;
    PenStyle Pen = PenStyle::Solid;
    gfx::Color TextColor = clBlack;
    bool HasTextColor = false;
    BackgroundMode BkMode = BackgroundMode::Transparent;  // text leaves its background alone
    gfx::Color BkColor = clWhite;
    Point PenPos;
  };

  Rect ToDevice(const Rect& logical) const { return logical.Offset(st_.Origin.X, st_.Origin.Y); }
  void Damage(const Rect& device) const;

  // Collects the damage of the nested steps of one operation (a polygon's
  // fill and outline) and reports it once at the end.
  class DamageBatch {
   public:
    explicit DamageBatch(Canvas& c);
    ~DamageBatch();
    DamageBatch(const DamageBatch&) = delete;
    DamageBatch& operator=(const DamageBatch&) = delete;

   private:
    Canvas& c_;
    Rect* outer_;
    Rect acc_{};
  };

  Bitmap* target_;
  void* tag_ = nullptr;
  DamageHandler damage_;
  mutable Rect* batch_ = nullptr;
  State st_;
  std::vector<State> stack_;
};

}  // namespace gfx
