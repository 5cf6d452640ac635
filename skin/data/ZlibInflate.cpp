#include "skin/data/ZlibInflate.h"

#include <zlib.h>

#include <algorithm>
#include <climits>
#include <string>

#include "skin/data/SkinErrors.h"

namespace skin {
namespace {

// Owns one inflater for the duration of a call.
class Inflater {
 public:
  explicit Inflater(std::span<const std::uint8_t> source) {
    // A package larger than 4 GiB cannot reach us (files are read with a size
    // limit), but clamp anyway so the cast below is always exact.
    z_.next_in = const_cast<Bytef*>(source.data());
    z_.avail_in = static_cast<uInt>(std::min<std::size_t>(source.size(), UINT_MAX));
    const int rc = inflateInit(&z_);
    if (rc != Z_OK) throw DecompressionError(Message(rc));
  }
  ~Inflater() { inflateEnd(&z_); }
  Inflater(const Inflater&) = delete;
  Inflater& operator=(const Inflater&) = delete;

  // Inflates into [out, out + room); returns zlib's result code.
  int Step(std::uint8_t* out, std::size_t room) {
    z_.next_out = out;
    z_.avail_out = static_cast<uInt>(room);
    return inflate(&z_, Z_NO_FLUSH);
  }
  std::size_t LastOutput(std::size_t room) const { return room - z_.avail_out; }
  std::size_t Consumed() const { return z_.total_in; }

  std::string Message(int rc) const {
    if (z_.msg != nullptr) return z_.msg;
    const char* text = zError(rc);
    return text != nullptr ? text : "decompression error";
  }

 private:
  z_stream z_{};
};

bool IsFailure(int rc) {
  return rc == Z_DATA_ERROR || rc == Z_NEED_DICT || rc == Z_MEM_ERROR || rc == Z_STREAM_ERROR;
}

}  // namespace

InflatedEntry InflateExact(std::span<const std::uint8_t> source, std::size_t size) {
  constexpr std::size_t kFirstChunk = 64 * 1024;
  Inflater z(source);
  InflatedEntry result;
  std::vector<std::uint8_t>& out = result.Data;
  // Reserved so that the output is never moved as it grows.
  const std::uint64_t couldHold = std::uint64_t{source.size()} * kMaxDeflateRatio + 64;
  out.reserve(static_cast<std::size_t>(std::min<std::uint64_t>(size, couldHold)));
  bool ended = false;

  while (out.size() < size && !ended) {
    // Grow geometrically but never past the stated size.
    const std::size_t have = out.size();
    const std::size_t room = std::min<std::size_t>({size - have, std::max(kFirstChunk, have), UINT_MAX});
    out.resize(have + room);
    const int rc = z.Step(out.data() + have, room);
    out.resize(have + z.LastOutput(room));
    if (IsFailure(rc)) throw DecompressionError(z.Message(rc));
    if (rc == Z_STREAM_END)
      ended = true;
    else if (rc == Z_BUF_ERROR)
      throw StreamReadError();  // no progress: the source ran out
  }
  if (out.size() < size) throw StreamReadError();

  // The content is complete; the stream must now end, with its trailer.
  while (!ended) {
    std::uint8_t extra = 0;
    const int rc = z.Step(&extra, 1);
    if (IsFailure(rc)) throw DecompressionError(z.Message(rc));
    if (z.LastOutput(1) != 0)
      throw PackageError("An entry of the skin package holds more data than its stated size");
    if (rc == Z_STREAM_END)
      ended = true;
    else if (rc == Z_BUF_ERROR)
      throw StreamReadError();
  }
  result.Consumed = z.Consumed();
  return result;
}

}  // namespace skin
