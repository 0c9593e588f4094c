#include "tools/check/frame_view.h"

#include <algorithm>
#include <cmath>

#include "combine/tolerance.h"
#include "input/listing_dialect.h"
#include "records/layout.h"
#include "tools/cli/number_text.h"

namespace toval::tools::check {

CheckedFrame frame_view(const Store& s, const RunCounts& c) {
  CheckedFrame f;
  for (Whole k = 1; k <= c.NNOS; ++k) f.nodes.push_back({double{s.BL2.X(k)}, double{s.BL2.Y(k)}});
  f.bars_at.resize(f.nodes.size());
  for (Whole k = 1; k <= c.NBAR; ++k) {
    const Bars& b = s.BL3;
    f.bars.push_back({b.NI(k), b.NF(k), b.PROP(k), double{b.L(k)}, double{b.CD(k)}});
    for (long end : {long{b.NI(k)}, long{b.NF(k)}})
      if (end >= 1 && static_cast<std::size_t>(end) <= f.nodes.size()) {
        std::vector<long>& at = f.bars_at[static_cast<std::size_t>(end - 1)];
        if (at.empty() || at.back() != k) at.push_back(k);
      }
  }
  return f;
}

bool length_fits(FramePoint a, FramePoint b, double length) {
  const double d = std::hypot(b.x - a.x, b.y - a.y);
  return std::fabs(length - d) <= std::max(1e-3 * d, double{DT});
}

bool cosine_fits(FramePoint a, FramePoint b, double cosine, bool with_sign) {
  const double d = std::hypot(b.x - a.x, b.y - a.y);
  if (d <= double{DT}) return true;  // no direction to compare; the length tells
  // Coordinates written to three decimals move the cosine by up to 2 DT / d.
  const double tolerance = std::max(1e-3, 2.0 * double{DT} / d);
  if (with_sign) return std::fabs(cosine - (b.x - a.x) / d) <= tolerance;
  return std::fabs(std::fabs(cosine) - std::fabs(b.x - a.x) / d) <= tolerance;
}

std::vector<long> unmatched_nodes(const CheckedFrame& f, double axis, std::size_t limit) {
  std::vector<long> by_x(f.nodes.size());
  for (std::size_t k = 0; k < by_x.size(); ++k) by_x[k] = static_cast<long>(k) + 1;
  std::sort(by_x.begin(), by_x.end(), [&](long a, long b) { return f.node(a).x < f.node(b).x; });
  const double dt = double{DT};
  std::vector<long> out;
  for (long k : by_x) {
    const FramePoint p = f.node(k);
    const double mirror = 2.0 * axis - p.x;
    auto it = std::lower_bound(by_x.begin(), by_x.end(), mirror - dt,
                               [&](long a, double x) { return f.node(a).x < x; });
    bool found = false;
    for (; it != by_x.end() && f.node(*it).x <= mirror + dt && !found; ++it)
      found = std::fabs(f.node(*it).y - p.y) <= dt;
    if (!found) {
      out.push_back(k);
      if (out.size() >= limit) break;
    }
  }
  std::sort(out.begin(), out.end());
  return out;
}

std::string coordinate_text(double v) {
  return cli::trimmed_decimal(v, 4);
}

GeometryColumns geometry_columns() {
  using namespace dialect;
  const auto first = [](Layout layout, std::size_t value) {
    return static_cast<long>(value_columns(layout, value).first);
  };
  return {first(NODE_RECORD, 1), first(NODE_RECORD, 2), first(BAR_RECORD, BAR_INITIAL_NODE),
          first(BAR_RECORD, BAR_FINAL_NODE), first(BAR_RECORD, BAR_LENGTH)};
}

int listed_decimals(double v) {
  const long thousandths = std::lround(std::fabs(v) * 1000.0);
  return thousandths % 1000 == 0 ? 0 : thousandths % 100 == 0 ? 1 : thousandths % 10 == 0 ? 2 : 3;
}

}  // namespace toval::tools::check
