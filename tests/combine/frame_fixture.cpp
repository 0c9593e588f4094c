#include "frame_fixture.h"

#include <cmath>
#include <cstdio>
#include <limits>

#include "records/run_error.h"

namespace toval::testing {

namespace {

constexpr const char* NOT_EXAMINED = "  ## not examined: 1.5.5 -- X ##";

std::string text_of(Real v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.9g", static_cast<double>(v));  // nine digits give the float back
  return buf;
}

void add(std::string& out, const char* text) {
  out += text;
  out += '\n';
}

void add_filler(std::string& out, int count) {
  for (int k = 0; k < count; ++k) add(out, NOT_EXAMINED);
}

void add_node_line(std::string& out, const NodeLine& line) {
  char buf[160];
  std::snprintf(buf, sizeof buf, "%8d%22s%25s%25s", line.number, line.c1.c_str(), line.c2.c_str(),
                line.c3.c_str());
  add(out, buf);
}

void add_end(std::string& out, int bar, int node, const EndForces& f) {
  char buf[160];
  std::snprintf(buf, sizeof buf, "%9d%13d%18s%21s%19s", bar, node, text_of(f.normal).c_str(),
                text_of(f.shear).c_str(), text_of(f.moment).c_str());
  add(out, buf);
}

}  // namespace

Real next_up(Real v) {
  return std::nextafter(v, std::numeric_limits<Real>::infinity());
}
Real next_down(Real v) {
  return std::nextafter(v, -std::numeric_limits<Real>::infinity());
}

void set_nodes(Store& s, const std::vector<NodeEntry>& nodes) {
  for (std::size_t k = 0; k < nodes.size(); ++k) {
    const long i = static_cast<long>(k) + 1;
    s.BL2.X(i) = nodes[k].x;
    s.BL2.Y(i) = nodes[k].y;
    s.BL2.R1(i) = nodes[k].r1;
    s.BL2.R2(i) = nodes[k].r2;
    s.BL2.R3(i) = nodes[k].r3;
  }
}

void set_bars(Store& s, const std::vector<BarEntry>& bars) {
  for (std::size_t k = 0; k < bars.size(); ++k) {
    const long i = static_cast<long>(k) + 1;
    s.BL3.NI(i) = bars[k].ni;
    s.BL3.NF(i) = bars[k].nf;
    s.BL3.PROP(i) = bars[k].prop;
    s.BL3.L(i) = bars[k].l;
    s.BL3.CD(i) = bars[k].cd;
  }
}

NodeLine node_line(int number, Real c1, Real c2, Real c3) {
  return {number, text_of(c1), text_of(c2), text_of(c3)};
}

NodeLine unreadable_node_line(int number) {
  return {number, "n/a", "n/a", "n/a"};
}

std::string forces_listing(const std::vector<CaseBlock>& blocks) {
  std::string out;
  add(out, "     COORDENADAS NODAIS (not read by the combination engine)");
  add(out, "       1     0.0     0.0     1     1     1");
  add(out, "     CARREGAMENTO  (no colon: not a heading)");
  for (const CaseBlock& b : blocks) {
    add(out, ("     CARREGAMENTO: " + b.name + "   text after the name").c_str());
    add_filler(out, 10);
    for (const NodeLine& line : b.displacements) add_node_line(out, line);
    add_filler(out, 9);
    int bar = 0;
    for (const BarGroup& g : b.bars) {
      ++bar;
      add_end(out, bar, 2 * bar - 1, g.end1);
      add_end(out, bar, 2 * bar, g.end2);
      add(out, NOT_EXAMINED);
    }
    add_filler(out, 3);
    if (b.resultants_heading) add(out, "     RESULTANTES NODAIS");
    add_filler(out, 4);
    for (const NodeLine& line : b.resultants) add_node_line(out, line);
    add_filler(out, 2);
  }
  return out;
}

void Frame::open_forces(std::string text) {
  listing = std::move(text);
  files->unit4.open_memory("FORCES.TXT", listing);
  forces = std::make_unique<Listing>(files->unit4);
}

std::string error_of(const std::function<void()>& step) {
  try {
    step();
  } catch (const RunError& e) {
    return e.what();
  }
  return "";
}

}  // namespace toval::testing
