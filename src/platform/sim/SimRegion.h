// Regions as the sim GDI keeps them: sets of pixels combined the way
// CombineRgn combines them, and classified as Windows classifies them.
#pragma once

#include <map>
#include <utility>
#include <vector>

namespace sim {

// A set of pixels kept as sorted, disjoint [left, right) runs per row.
class SimRegion {
 public:
  using Runs = std::vector<std::pair<int, int>>;

  static SimRegion Rect(int left, int top, int right, int bottom);
  static SimRegion Combine(const SimRegion& a, const SimRegion& b, int mode);
  bool Contains(int x, int y) const;
  bool Empty() const { return rows_.empty(); }
  // NULLREGION, SIMPLEREGION or COMPLEXREGION.
  int Kind() const;
  const std::map<int, Runs>& Rows() const { return rows_; }
  bool operator==(const SimRegion&) const = default;

 private:
  std::map<int, Runs> rows_;
};

}  // namespace sim
