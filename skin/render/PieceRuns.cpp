#include "skin/render/PieceRuns.h"

#include <algorithm>

namespace skin::piece {

std::vector<Run> ColumnRuns(const Span& s, int dstW, int srcW) {
  std::vector<Run> runs;
  // One run per tile instance that meets the destination.
  const std::int64_t visible = std::min<std::int64_t>(s.X1, dstW) - std::max<std::int64_t>(s.X0, 0);
  if (visible <= 0) return runs;
  runs.reserve(
      static_cast<std::size_t>(s.TileW > 0 ? std::min<std::int64_t>(visible / s.TileW + 2, visible) : 1));
  ForEachPart(s.X0, s.X1, s.TileX, s.TileW, dstW, srcW,
              [&](std::int64_t d, std::int64_t src, std::int64_t n) {
                runs.push_back({static_cast<int>(d), static_cast<int>(src), static_cast<int>(n)});
              });
  return runs;
}

bool Contiguous(const std::vector<Run>& runs) {
  for (std::size_t i = 1; i < runs.size(); ++i)
    if (runs[i].Dx != runs[i - 1].Dx + runs[i - 1].N) return false;
  return true;
}

int RowPeriod(const Span& s, const std::vector<Run>& runs, int srcW) {
  const bool whole = s.TileW > 0 && s.TileX >= 0 && s.TileX + s.TileW <= srcW;
  return runs.size() > 1 && whole && Contiguous(runs) ? static_cast<int>(s.TileW) : 0;
}

}  // namespace skin::piece
