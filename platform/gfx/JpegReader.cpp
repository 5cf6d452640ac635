#include "platform/gfx/JpegReader.h"

// libjpeg reports fatal errors through a callback that must not return. We
// longjmp out of it back to a setjmp in one of the two small functions below
// (ReadHeaderGuarded, DecodeRowsGuarded). Those functions and the libjpeg
// frames between them and the callback hold only trivially destructible
// values, so the jump skips no destructor; they return a status, and the C++
// caller throws ImageError with the saved message after they have returned.
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

// jpeglib.h needs size_t and FILE declared first.
#include <jerror.h>
#include <jpeglib.h>

namespace gfx {

namespace {

// Progressive files can carry thousands of scans that each revisit the whole
// image; real encoders use about ten.
constexpr int kMaxScans = 256;
// libjpeg's own working memory (whole-image coefficient buffers of
// progressive files), on top of our output bitmap.
constexpr long kMaxDecoderMemory = 512L << 20;

struct Session {
  jpeg_decompress_struct cinfo;
  jpeg_error_mgr err;
  jpeg_progress_mgr progress;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX + 64];
};

[[noreturn]] void ErrorExit(j_common_ptr cinfo) {
  Session* s = static_cast<Session*>(cinfo->client_data);
  (*cinfo->err->format_message)(cinfo, s->message);
  std::longjmp(s->jump, 1);
}

// Warnings (level -1) are ignored except missing data: libjpeg would pad the
// rest of the picture with grey, we call that a truncated or lying file. That
// is the end of the data before the end-of-image marker, and an entropy-coded
// segment that ends before the frame's rows are complete.
void EmitMessage(j_common_ptr cinfo, int level) {
  if (level == -1 && (cinfo->err->msg_code == JWRN_JPEG_EOF || cinfo->err->msg_code == JWRN_HIT_MARKER))
    ErrorExit(cinfo);
}

void OutputMessage(j_common_ptr) {}

void Progress(j_common_ptr cinfo) {
  if (cinfo->is_decompressor) {
    auto* d = reinterpret_cast<j_decompress_ptr>(cinfo);
    if (d->input_scan_number > kMaxScans) {
      Session* s = static_cast<Session*>(cinfo->client_data);
      std::snprintf(s->message, sizeof s->message, "more than %d progressive scans", kMaxScans);
      std::longjmp(s->jump, 1);
    }
  }
}

// Opens the decoder on `data` and reads the header. Returns false with
// s->message set on failure. The decompress object exists afterwards either way.
bool ReadHeaderGuarded(Session* s, const std::uint8_t* data, std::size_t size) {
  if (setjmp(s->jump)) return false;
  jpeg_mem_src(&s->cinfo, data, static_cast<unsigned long>(size));
  if (jpeg_read_header(&s->cinfo, TRUE) != JPEG_HEADER_OK) {
    std::snprintf(s->message, sizeof s->message, "no image in the data");
    return false;
  }
  switch (s->cinfo.jpeg_color_space) {
    case JCS_CMYK:
    case JCS_YCCK: s->cinfo.out_color_space = JCS_CMYK; break;
    default: s->cinfo.out_color_space = JCS_EXT_BGR; break;
  }
  return true;
}

// Decodes every scanline into rows `stride` bytes apart from `out`; CMYK goes
// through `cmykRow` (4 bytes per pixel) and is converted here.
bool DecodeRowsGuarded(Session* s, std::uint8_t* out, std::ptrdiff_t stride, std::uint8_t* cmykRow) {
  if (setjmp(s->jump)) return false;
  jpeg_start_decompress(&s->cinfo);
  const JDIMENSION width = s->cinfo.output_width;
  while (s->cinfo.output_scanline < s->cinfo.output_height) {
    std::uint8_t* row = out + static_cast<std::ptrdiff_t>(s->cinfo.output_scanline) * stride;
    JSAMPROW target = cmykRow ? cmykRow : row;
    if (jpeg_read_scanlines(&s->cinfo, &target, 1) != 1) {
      std::snprintf(s->message, sizeof s->message, "decoder stopped before the last row");
      return false;
    }
    if (cmykRow) {
      // Adobe writes CMYK inverted (255 = no ink), so R = C * K / 255.
      const bool inverted = s->cinfo.saw_Adobe_marker;
      for (JDIMENSION x = 0; x < width; ++x) {
        int c = cmykRow[x * 4], m = cmykRow[x * 4 + 1], y = cmykRow[x * 4 + 2], k = cmykRow[x * 4 + 3];
        if (!inverted) {
          c = 255 - c;
          m = 255 - m;
          y = 255 - y;
          k = 255 - k;
        }
        row[x * 3] = static_cast<std::uint8_t>((y * k + 127) / 255);
        row[x * 3 + 1] = static_cast<std::uint8_t>((m * k + 127) / 255);
        row[x * 3 + 2] = static_cast<std::uint8_t>((c * k + 127) / 255);
      }
    }
  }
  return true;
}

// Owns the libjpeg decompress object.
class Decoder {
 public:
  Decoder() {
    std::memset(&s_, 0, sizeof s_);
    s_.cinfo.err = jpeg_std_error(&s_.err);
    s_.err.error_exit = ErrorExit;
    s_.err.emit_message = EmitMessage;
    s_.err.output_message = OutputMessage;
    s_.cinfo.client_data = &s_;
    if (setjmp(s_.jump)) throw ImageError(std::string("JPEG: ") + s_.message);  // out of memory
    jpeg_create_decompress(&s_.cinfo);
    s_.cinfo.mem->max_memory_to_use = kMaxDecoderMemory;
    s_.progress.progress_monitor = Progress;
    s_.cinfo.progress = &s_.progress;
  }
  ~Decoder() { jpeg_destroy_decompress(&s_.cinfo); }
  Decoder(const Decoder&) = delete;
  Decoder& operator=(const Decoder&) = delete;

  Session& session() { return s_; }
  [[noreturn]] void Throw() const { throw ImageError(std::string("JPEG: ") + s_.message); }

 private:
  Session s_;
};

}  // namespace

Bitmap ReadJpeg(std::span<const std::uint8_t> data) {
  if (data.empty()) throw ImageError("JPEG: no data");
  Decoder dec;
  Session& s = dec.session();
  if (!ReadHeaderGuarded(&s, data.data(), data.size())) dec.Throw();

  const std::uint64_t w = s.cinfo.image_width, h = s.cinfo.image_height;
  if (w == 0 || h == 0)
    throw ImageError("JPEG: invalid size " + std::to_string(w) + " x " + std::to_string(h));
  if (w > kMaxImageSide || h > kMaxImageSide)
    throw ImageError("JPEG: size " + std::to_string(w) + " x " + std::to_string(h) +
                     " exceeds the limit of " + std::to_string(kMaxImageSide) + " pixels per side");
  if ((w * 3 + 3) / 4 * 4 * h > kMaxImageBytes)
    throw ImageError("JPEG: image of " + std::to_string(w) + " x " + std::to_string(h) +
                     " pixels is too large");

  Bitmap bmp(static_cast<int>(w), static_cast<int>(h), PixelFormat::Bgr24);
  std::vector<std::uint8_t> cmyk;
  if (s.cinfo.out_color_space == JCS_CMYK) cmyk.resize(static_cast<std::size_t>(w) * 4);
  if (!DecodeRowsGuarded(&s, bmp.Scanline(0), bmp.Stride(), cmyk.empty() ? nullptr : cmyk.data()))
    dec.Throw();
  // Anything after the last scanline is of no interest; the destructor
  // releases the decoder without reading it.
  return bmp;
}

}  // namespace gfx
