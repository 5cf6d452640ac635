// Exceptions of the picture readers and the texts they carry.
#pragma once

#include <string>
#include <string_view>

#include "platform/gfx/Graphic.h"

namespace image {

using gfx::EInvalidGraphic;

// The inflater could not be started or stopped.
class EGraphicCompression : public EInvalidGraphic {
 public:
  using EInvalidGraphic::EInvalidGraphic;
};

// The row converter was asked for a conversion it does not have.
class EColorConversionError : public EInvalidGraphic {
 public:
  using EInvalidGraphic::EInvalidGraphic;
};

// Message templates; "%s" stands for the arguments, in order.
inline constexpr std::string_view gesInvalidImage =
    "Cannot load image. Invalid or unexpected %s image format.";
inline constexpr std::string_view gesUnsupportedFeature = "Cannot load image. %s not supported for %s files.";
inline constexpr std::string_view gesCompressionScheme = "The compression scheme is";
inline constexpr std::string_view gesInvalidPalette = "Cannot load image. Palette in %s file is invalid.";
inline constexpr std::string_view gesUnknownCriticalChunk =
    "Cannot load PNG image. Unexpected but critical chunk detected.";
inline constexpr std::string_view gesInvalidCRC = "Cannot load image. CRC error found in %s file.";
inline constexpr std::string_view gesDecompression = "Cannot load image. Compression error found in %s file.";
inline constexpr std::string_view gesExtraCompressedData =
    "Cannot load image. Extra compressed data found in %s file.";
inline constexpr std::string_view gesInvalidColorFormat = "Invalid color format in %s file.";
inline constexpr std::string_view gesLZ77Error = "LZ77 decompression error.";
inline constexpr std::string_view gesIndexedNotSupported =
    "Conversion between indexed and non-indexed pixel formats is not supported.";
inline constexpr std::string_view gesInvalidColorDepth =
    "Color depth is invalid. Bits per sample must be 1, 2, 4, 8 or 16.";
inline constexpr std::string_view gesInvalidSampleCount =
    "Sample count per pixel does not correspond to the given color scheme.";
inline constexpr std::string_view gesNoConversionMethod =
    "Color conversion failed. Could not find a proper method.";

// Replaces each "%s" of `pattern` by the next argument.
std::string FormatMessage(std::string_view pattern, std::string_view a, std::string_view b = {});

}  // namespace image
