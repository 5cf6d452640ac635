// The artwork under assets/, compiled into the program at build time.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace app {

// The bytes of the file at `path` under assets/ ("tiles/tile1_dark.png");
// empty when there is no such file.
std::span<const std::uint8_t> EmbeddedAsset(std::string_view path);
// Every embedded path.
std::vector<std::string_view> EmbeddedAssetNames();

}  // namespace app
