#include "tools/draw/drawing_fixture.h"

#include <cstdio>
#include <cstdlib>

namespace toval::testing {

namespace {

std::string shell_quote(const std::string& s) {
  std::string q = "'";
  for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

}  // namespace

DrawnFrame::DrawnFrame(const std::vector<DrawnNode>& nodes, const std::vector<DrawnBar>& bars) {
  counts.NNOS = static_cast<Whole>(nodes.size());
  counts.NBAR = static_cast<Whole>(bars.size());
  double sum = 0.0;
  for (std::size_t k = 0; k < nodes.size(); ++k) {
    const long i = static_cast<long>(k) + 1;
    s->BL2.X(i) = nodes[k].x;
    s->BL2.Y(i) = nodes[k].y;
    s->BL2.R1(i) = nodes[k].r1;
    s->BL2.R2(i) = nodes[k].r2;
    s->BL2.R3(i) = nodes[k].r3;
    sum += nodes[k].x;
  }
  counts.XS = nodes.empty() ? 0.0f : static_cast<Real>(sum / static_cast<double>(nodes.size()));
  for (std::size_t k = 0; k < bars.size(); ++k) {
    const long i = static_cast<long>(k) + 1;
    s->BL3.NI(i) = bars[k].ni;
    s->BL3.NF(i) = bars[k].nf;
    s->BL3.L(i) = bars[k].l;
    s->BL6.BAR_SIM(i) = bars[k].mirror;
    s->BL10.R_NORMAL_MAX(i, 1) = bars[k].n_max;
    s->BL10.R_NORMAL_MAX(i, 2) = bars[k].n_min;
    s->BL10.NCOBMAX(i, 1) = bars[k].c_max;
    s->BL10.NCOBMAX(i, 2) = bars[k].c_min;
  }
  s->BL5.NCOB = 1;
  s->BL1.PRJT = Name<40>::of("TEST FRAME");
  s->BL1.CLIT = Name<40>::of("CLIENT");
  s->BL1.PORT = Name<40>::of("PORTAL");
}

bool parses_as_xml(const std::string& path) {
  return std::system(("xmllint --noout " + shell_quote(path)).c_str()) == 0;
}

std::string xpath(const std::string& path, const std::string& expression) {
  const std::string command =
      "xmllint --xpath " + shell_quote(expression) + " " + shell_quote(path) + " 2>&1";
  std::FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return "(xmllint did not start)";
  std::string out;
  char buf[4096];
  for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, pipe)) > 0;) out.append(buf, n);
  pclose(pipe);
  if (!out.empty() && out.back() == '\n') out.pop_back();  // xmllint ends a result with a line end
  return out;
}

}  // namespace toval::testing
