#include "platform/sim/SimRegion.h"

#include <algorithm>

#include "platform/Gdi.h"

namespace sim {
namespace {

// Boolean combination of two sorted run lists of one row.
SimRegion::Runs CombineRuns(const SimRegion::Runs& a, const SimRegion::Runs& b, int mode) {
  std::vector<int> edges;
  for (const auto& run : a) edges.insert(edges.end(), {run.first, run.second});
  for (const auto& run : b) edges.insert(edges.end(), {run.first, run.second});
  std::sort(edges.begin(), edges.end());
  edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
  auto inside = [](const SimRegion::Runs& runs, int x) {
    for (const auto& run : runs) {
      if (x >= run.first && x < run.second) return true;
    }
    return false;
  };
  SimRegion::Runs result;
  for (std::size_t i = 0; i + 1 < edges.size(); ++i) {
    const bool inA = inside(a, edges[i]);
    const bool inB = inside(b, edges[i]);
    bool in = false;
    switch (mode) {
      case win::RGN_AND:
        in = inA && inB;
        break;
      case win::RGN_OR:
        in = inA || inB;
        break;
      case win::RGN_XOR:
        in = inA != inB;
        break;
      case win::RGN_DIFF:
        in = inA && !inB;
        break;
      default:
        in = inA;
        break;
    }
    if (!in) continue;
    if (!result.empty() && result.back().second == edges[i]) {
      result.back().second = edges[i + 1];
    } else {
      result.emplace_back(edges[i], edges[i + 1]);
    }
  }
  return result;
}

}  // namespace

SimRegion SimRegion::Rect(int left, int top, int right, int bottom) {
  if (left > right) std::swap(left, right);
  if (top > bottom) std::swap(top, bottom);
  SimRegion region;
  if (left == right || top == bottom) return region;
  for (int y = top; y < bottom; ++y) region.rows_[y] = {{left, right}};
  return region;
}

SimRegion SimRegion::Combine(const SimRegion& a, const SimRegion& b, int mode) {
  if (mode == win::RGN_COPY) return a;
  SimRegion result;
  std::vector<int> ys;
  for (const auto& row : a.rows_) ys.push_back(row.first);
  for (const auto& row : b.rows_) ys.push_back(row.first);
  std::sort(ys.begin(), ys.end());
  ys.erase(std::unique(ys.begin(), ys.end()), ys.end());
  static const Runs kNone;
  for (int y : ys) {
    const auto inA = a.rows_.find(y);
    const auto inB = b.rows_.find(y);
    Runs runs = CombineRuns(inA == a.rows_.end() ? kNone : inA->second,
                            inB == b.rows_.end() ? kNone : inB->second, mode);
    if (!runs.empty()) result.rows_[y] = std::move(runs);
  }
  return result;
}

bool SimRegion::Contains(int x, int y) const {
  const auto row = rows_.find(y);
  if (row == rows_.end()) return false;
  for (const auto& run : row->second) {
    if (x >= run.first && x < run.second) return true;
  }
  return false;
}

int SimRegion::Kind() const {
  if (rows_.empty()) return win::NULLREGION;
  const Runs& first = rows_.begin()->second;
  int expected = rows_.begin()->first;
  for (const auto& row : rows_) {
    if (row.first != expected++ || row.second != first || first.size() != 1) {
      return win::COMPLEXREGION;
    }
  }
  return win::SIMPLEREGION;
}

}  // namespace sim
