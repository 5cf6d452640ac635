// Pictures that load themselves from file bytes (PNG and others), and the
// process-wide registry of picture formats by file extension.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Geometry.h"

namespace gfx {

class Canvas;

// Raised by picture readers for data they cannot decode; the message is fit
// to show to the user.
class EInvalidGraphic : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class Graphic {
 public:
  virtual ~Graphic() = default;

  virtual int Width() const = 0;
  virtual int Height() const = 0;
  bool Empty() const { return Width() <= 0 || Height() <= 0; }
  // True when parts of the picture let the background show through.
  virtual bool Transparent() const = 0;

  // Draws the picture into `rect` (logical coordinates of the canvas),
  // scaled when the sizes differ. Never throws for a well-formed picture.
  virtual void Draw(Canvas& canvas, const Rect& rect) const = 0;
  // Replaces the content with the picture decoded from `data`; throws
  // EInvalidGraphic (or a subclass) with the user-visible message.
  virtual void LoadFromBytes(std::span<const std::uint8_t> data) = 0;
  virtual void Assign(const Graphic& source) = 0;

  // The picture's pixels when it is held as a bitmap, else nullptr.
  virtual const Bitmap* AsBitmap() const { return nullptr; }

 protected:
  Graphic() = default;
  Graphic(const Graphic&) = default;
  Graphic& operator=(const Graphic&) = default;
};

using GraphicFactory = std::function<std::unique_ptr<Graphic>()>;

struct PictureFormat {
  std::string Extension;  // without the dot, as registered
  std::string Description;
  GraphicFactory Factory;
};

// The process-wide picture-format registry. Extensions compare without
// regard to ASCII letter case and may be given with or without a leading dot.
class PictureFormats {
 public:
  // Adds a format, or replaces the entry registered under the same extension.
  static void Register(std::string_view extension, std::string_view description, GraphicFactory factory);
  static bool IsRegistered(std::string_view extension);
  // A new, empty picture of the format, or nullptr when none is registered.
  static std::unique_ptr<Graphic> Create(std::string_view extension);
  // The description, or "" when the extension is not registered.
  static std::string Description(std::string_view extension);
  // Every registered format in registration order.
  static std::vector<PictureFormat> List();
  static void Unregister(std::string_view extension);
};

}  // namespace gfx
