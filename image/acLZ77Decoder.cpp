#include "image/acLZ77Decoder.h"

#include <algorithm>
#include <limits>
#include <string>

#include "image/GraphicErrors.h"

namespace image {

TLZ77Decoder::TLZ77Decoder(int flushMode, bool autoReset) : flushMode_(flushMode), autoReset_(autoReset) {}

TLZ77Decoder::~TLZ77Decoder() {
  if (started_) inflateEnd(&stream_);
}

void TLZ77Decoder::DecodeInit() {
  if (started_) inflateEnd(&stream_);
  started_ = false;
  stream_ = z_stream{};
  if (inflateInit(&stream_) != Z_OK) throw EGraphicCompression(std::string(gesLZ77Error));
  started_ = true;
}

TLZ77Decoder::Status TLZ77Decoder::Decode(const std::uint8_t*& input, std::size_t& inputSize,
                                          std::uint8_t*& output, std::size_t& outputSize) {
  if (!started_) DecodeInit();
  constexpr std::size_t kMaxChunk = std::numeric_limits<uInt>::max();
  const uInt inN = static_cast<uInt>(std::min(inputSize, kMaxChunk));
  const uInt outN = static_cast<uInt>(std::min(outputSize, kMaxChunk));
  stream_.next_in = const_cast<Bytef*>(input);
  stream_.avail_in = inN;
  stream_.next_out = output;
  stream_.avail_out = outN;
  const int rc = inflate(&stream_, flushMode_);
  const std::size_t usedIn = inN - stream_.avail_in;
  const std::size_t usedOut = outN - stream_.avail_out;
  input += usedIn;
  inputSize -= usedIn;
  output += usedOut;
  outputSize -= usedOut;
  switch (rc) {
    case Z_OK: return Status::Ok;
    case Z_BUF_ERROR: return Status::NeedInput;
    case Z_STREAM_END:
      if (autoReset_) inflateReset(&stream_);
      return Status::StreamEnd;
    default: return Status::DataError;
  }
}

void TLZ77Decoder::DecodeEnd() {
  if (!started_) return;
  started_ = false;
  if (inflateEnd(&stream_) != Z_OK) throw EGraphicCompression(std::string(gesLZ77Error));
}

}  // namespace image
