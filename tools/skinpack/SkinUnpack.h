// Unpacking a skin package into a directory, for skin authors.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "tools/skinpack/SkinPackWriter.h"

namespace skin {

// The package's entries in file order, inflated. Throws the reader's errors
// for bad data, and a SkinError for an entry name that is not a plain file
// name (empty, ".", "..", or holding a path separator), which would write
// outside the target directory.
std::vector<PackEntry> UnpackSkin(std::span<const std::uint8_t> package);

// Writes the entries into `dir` (created when missing). Throws
// std::runtime_error when a file cannot be written.
void WriteEntries(const std::vector<PackEntry>& entries, const std::string& dir);

}  // namespace skin
