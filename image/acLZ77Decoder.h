// TLZ77Decoder: one zlib inflate stream. The caller hands it input and an
// output area; it inflates as much as fits and advances both.
#pragma once

#include <zlib.h>

#include <cstddef>
#include <cstdint>

namespace image {

class TLZ77Decoder {
 public:
  enum class Status { Ok, NeedInput, StreamEnd, DataError };

  explicit TLZ77Decoder(int flushMode = Z_PARTIAL_FLUSH, bool autoReset = false);
  ~TLZ77Decoder();
  TLZ77Decoder(const TLZ77Decoder&) = delete;
  TLZ77Decoder& operator=(const TLZ77Decoder&) = delete;

  // Throws EGraphicCompression when zlib cannot be initialised.
  void DecodeInit();
  // Inflates from `input` into `output`; both pointers and counts advance by
  // what was consumed and produced. NeedInput: no progress without more input
  // (or more room). StreamEnd: the stream is complete (with auto reset the
  // inflater is then ready for the next stream).
  Status Decode(const std::uint8_t*& input, std::size_t& inputSize, std::uint8_t*& output,
                std::size_t& outputSize);
  // Throws EGraphicCompression when zlib reports a failure; does nothing when
  // the inflater is not started.
  void DecodeEnd();

  bool Started() const { return started_; }
  std::size_t AvailableInput() const { return stream_.avail_in; }
  std::size_t AvailableOutput() const { return stream_.avail_out; }

 private:
  z_stream stream_{};
  int flushMode_;
  bool autoReset_;
  bool started_ = false;
};

}  // namespace image
