// Exceptions raised while reading a skin. Each carries the message shown to
// the user when a skin cannot be loaded.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace skin {

// Base of every skin-load failure.
class SkinError : public std::runtime_error {
 public:
  explicit SkinError(const std::string& message) : std::runtime_error(message) {}
};

// The data is not a skin package, or its structure cannot be right.
class PackageError : public SkinError {
 public:
  using SkinError::SkinError;
};

// zlib refused an entry's compressed data; the message is zlib's own.
class DecompressionError : public SkinError {
 public:
  using SkinError::SkinError;
};

// An entry inflated to fewer bytes than its stated size.
class StreamReadError : public SkinError {
 public:
  StreamReadError() : SkinError("Stream read error") {}
};

// A value of the options file is not the number its syntax requires.
class ConvertError : public SkinError {
 public:
  using SkinError::SkinError;
};

inline constexpr std::string_view kNotAPackageMessage = "Loaded data is not a packed Ostravi file";

// The conversion error for a text that is not an integer.
inline ConvertError NotAnInteger(std::string_view text) {
  return ConvertError("'" + std::string(text) + "' is not a valid integer value");
}

}  // namespace skin
