#include "frame_files.h"

#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <stdexcept>

namespace toval::testing {

namespace {

std::string format(const char* f, ...) __attribute__((format(printf, 1, 2)));
std::string format(const char* f, ...) {
  char buf[256];
  va_list args;
  va_start(args, f);
  std::vsnprintf(buf, sizeof buf, f, args);
  va_end(args);
  return buf;
}

const char* const RULER = " -------------------------------------------------------------------------------";

bool support(const FrameNode& n) {
  return n.r1 != 0 || n.r2 != 0 || n.r3 != 0;
}

}  // namespace

Frame portal() {
  Frame f;
  f.nodes = {{0, 0, 1, 1, 1}, {0, 4}, {10, 4}, {10, 0, 1, 1, 1}};
  f.bars = {{1, 2, 1}, {2, 3, 2}, {4, 3, 1}};
  return f;
}

Frame multi_storey(int bays, int storeys) {
  Frame f;
  const int lines = bays + 1;
  for (int level = 0; level <= storeys; ++level)
    for (int k = 0; k < lines; ++k) {
      const int fixed = level == 0 ? 1 : 0;
      f.nodes.push_back({6.0 * k, 3.0 * level, fixed, fixed, fixed});
    }
  for (int level = 0; level < storeys; ++level)
    for (int k = 0; k < lines; ++k) f.bars.push_back({level * lines + k + 1, (level + 1) * lines + k + 1, 1});
  for (int level = 1; level <= storeys; ++level)
    for (int k = 0; k < bays; ++k) f.bars.push_back({level * lines + k + 1, level * lines + k + 2, 2});
  return f;
}

Frame truss(int panels) {
  Frame f;
  // Bottom chord nodes 1..panels+1, top chord nodes over the inner ones.
  for (int k = 0; k <= panels; ++k) f.nodes.push_back({3.0 * k, 0});
  f.nodes.front().r1 = f.nodes.front().r2 = 1;
  f.nodes.back().r2 = 1;
  for (int k = 1; k < panels; ++k) f.nodes.push_back({3.0 * k, 2});
  auto bottom = [](int k) { return k + 1; };
  auto top = [&](int k) { return panels + 1 + k; };  // k = 1..panels-1
  for (int k = 0; k < panels; ++k) f.bars.push_back({bottom(k), bottom(k + 1), 1});
  for (int k = 1; k + 1 < panels; ++k) f.bars.push_back({top(k), top(k + 1), 1});
  for (int k = 1; k < panels; ++k) f.bars.push_back({bottom(k), top(k), 2});
  // End diagonals, then the diagonals of the inner panels, falling to the middle.
  f.bars.push_back({bottom(0), top(1), 3});
  f.bars.push_back({top(panels - 1), bottom(panels), 3});
  for (int k = 1; k < panels / 2; ++k) f.bars.push_back({top(k), bottom(k + 1), 3});
  for (int k = panels / 2; k + 1 < panels; ++k) f.bars.push_back({bottom(k), top(k + 1), 3});
  return f;
}

Frame gable() {
  Frame f;
  f.nodes = {{0, 0, 1, 1, 0}, {0, 6}, {10, 8}, {20, 6}, {20, 0, 1, 1, 0}};
  f.bars = {{1, 2, 1}, {5, 4, 1}, {2, 3, 2}, {3, 4, 2}, {2, 4, 3}};
  return f;
}

Frame continuous_beam(int spans, double width) {
  Frame f;
  for (int k = 0; k <= spans; ++k) f.nodes.push_back({width * k, 0, k == 0 ? 1 : 0, 1, 0});
  for (int k = 1; k <= spans; ++k) f.bars.push_back({k, k + 1, 1});
  return f;
}

Frame bays(const std::vector<double>& widths) {
  Frame f;
  std::vector<double> lines{0.0};
  for (double w : widths) lines.push_back(lines.back() + w);
  const int count = static_cast<int>(lines.size());
  for (double x : lines) f.nodes.push_back({x, 0, 1, 1, 1});
  for (double x : lines) f.nodes.push_back({x, 3});
  for (int k = 1; k <= count; ++k) f.bars.push_back({k, count + k, 1});
  for (int k = 1; k < count; ++k) f.bars.push_back({count + k, count + k + 1, 2});
  return f;
}

Frame roof_truss(int panels) {
  Frame f;
  const int p = panels;
  auto tie = [](int k) { return k + 2; };              // k = 0..2p, nodes 2..2p+2
  auto rafter = [&](int k) { return 2 * p + 2 + k; };  // k = 1..2p-1
  f.nodes.push_back({0, 0, 1, 1, 0});
  for (int k = 0; k <= 2 * p; ++k) f.nodes.push_back({2.0 * k, 5});
  for (int k = 1; k < 2 * p; ++k) f.nodes.push_back({2.0 * k, 5.0 + (k <= p ? k : 2 * p - k)});
  f.nodes.push_back({4.0 * p, 0, 1, 1, 0});
  const int right_foot = static_cast<int>(f.nodes.size());
  f.bars.push_back({1, tie(0), 1});
  f.bars.push_back({right_foot, tie(2 * p), 1});
  for (int k = 0; k < 2 * p; ++k) f.bars.push_back({tie(k), tie(k + 1), 2});
  // Rafters from the left eave over the ridge to the right eave.
  auto top = [&](int k) { return k == 0 ? tie(0) : k == 2 * p ? tie(2 * p) : rafter(k); };
  for (int k = 0; k < 2 * p; ++k) f.bars.push_back({top(k), top(k + 1), 3});
  for (int k = 1; k < 2 * p; ++k) f.bars.push_back({tie(k), rafter(k), 4});
  return f;
}

std::vector<std::string> forces_lines(const Frame& f) {
  std::vector<std::string> out;
  auto line = [&](std::string s) { out.push_back(std::move(s)); };
  line(" ===============================================================================");
  line("     ANALISE ELASTICA LINEAR DE PORTICO PLANO - LISTAGEM DE RESULTADOS");
  line(" ===============================================================================");
  line("");
  line("     COORDENADAS E RESTRICOES NODAIS (1 = RESTRITO)");
  line("");
  line("      NO              X              Y     RESTRICAO X  RESTRICAO Y  RESTRICAO R");
  line("                    (M)            (M)");
  line(RULER);
  for (std::size_t k = 0; k < f.nodes.size(); ++k) {
    const FrameNode& n = f.nodes[k];
    line(format("%8zu%15.3f%15.3f%13d%13d%13d", k + 1, n.x, n.y, n.r1, n.r2, n.r3));
  }
  line("");
  line("     CARACTERISTICAS DAS BARRAS");
  line("");
  line("     BARRA   NO INIC  ROTUL   NO FINAL  ROTUL    PROP     COMPRIMENTO      COS X");
  line("                                                                 (M)");
  line("                      (ROTUL: 1 = EXTREMIDADE ARTICULADA)");
  line(RULER);
  for (std::size_t k = 0; k < f.bars.size(); ++k) {
    const FrameBar& b = f.bars[k];
    const FrameNode& i = f.nodes[static_cast<std::size_t>(b.ni - 1)];
    const FrameNode& j = f.nodes[static_cast<std::size_t>(b.nf - 1)];
    const double length = std::hypot(j.x - i.x, j.y - i.y);
    line(format("%10zu%9d%7d%9d%7d%8d%16.3f%14.4f", k + 1, b.ni, 0, b.nf, 0, b.prop, length,
                (j.x - i.x) / length));
  }
  line("");
  for (std::size_t c = 0; c < f.cases.size(); ++c) {
    const double scale = c % 2 == 0 ? 1.0 : -0.6;
    line(format("     CARREGAMENTO: %-4s - CARREGAMENTO ELEMENTAR %zu", f.cases[c].c_str(), c + 1));
    line(" ===============================================================================");
    line("");
    line("     SOMA DAS CARGAS APLICADAS (KN):   FX =      0.00   FY =    -38.40");
    line("");
    line("");
    line("     DESLOCAMENTOS NODAIS (SISTEMA GLOBAL)");
    line("");
    line("      NO                    DX                       DY                       DZ");
    line("                           (M)                      (M)                    (RAD)");
    line(RULER);
    for (std::size_t k = 0; k < f.nodes.size(); ++k) {
      const double v = support(f.nodes[k]) ? 0.0 : scale * 0.0001 * static_cast<double>(k + 3);
      line(format("%8zu%22.7f%25.7f%25.7f", k + 1, v, -2.0 * v, 0.5 * v));
    }
    line("");
    line("");
    line("     ESFORCOS NAS EXTREMIDADES DAS BARRAS (SISTEMA LOCAL)");
    line("     NORMAL POSITIVA DE TRACAO; MOMENTO POSITIVO QUANDO TRACIONA A FACE -Y LOCAL");
    line("     EIXO X LOCAL DO NO INICIAL AO FINAL, EIXO Y A 90 GRAUS ANTI-HORARIO; V = DM/DX");
    line("");
    line("    BARRA           NO            NORMAL             CORTANTE            MOMENTO");
    line("                                   (KN)                 (KN)             (KN.M)");
    line(RULER);
    for (std::size_t k = 0; k < f.bars.size(); ++k) {
      const double n = scale * (10.0 + 3.5 * static_cast<double>(k));
      line(format("%9zu%13d%18.2f%21.2f%19.2f", k + 1, f.bars[k].ni, n, 0.1 * n, 0.4 * n));
      line(format("%9zu%13d%18.2f%21.2f%19.2f", k + 1, f.bars[k].nf, n, -0.1 * n, -0.3 * n));
      line("");
    }
    line("     RESULTANTES NODAIS (SISTEMA GLOBAL; NOS APOIOS: REACOES)");
    line("");
    line("      NO                    FX                       FY                       MZ");
    line("                          (KN)                     (KN)                   (KN.M)");
    line(RULER);
    for (std::size_t k = 0; k < f.nodes.size(); ++k) {
      const double v = support(f.nodes[k]) ? scale * (5.0 + static_cast<double>(k)) : 0.0;
      line(format("%8zu%22.2f%25.2f%25.2f", k + 1, v, 4.0 * v, -v));
    }
    line(RULER);
    line("");
  }
  line(" ===============================================================================");
  line("     FIM DA LISTAGEM");
  return out;
}

std::vector<std::string> combination_lines(const Frame& f) {
  std::vector<std::string> out = {"COMBINACOES DE ENSAIO", "PROJETO DE ENSAIO",    "CLIENTE DE ENSAIO",
                                  "PORTICO DE ENSAIO",     "ESTADO LIMITE ULTIMO", "FIMG"};
  for (const std::string& c : f.cases) {
    out.push_back(format("%-4s CARREGAMENTO %s", c.c_str(), c.c_str()));
    out.push_back("     descricao do carregamento");
    out.push_back("FIMC");
  }
  out.push_back("FIME");
  out.push_back("COMBINACAO 1");
  for (const std::string& c : f.cases) out.push_back(format("    1.4       %s", c.c_str()));
  out.push_back("FIMC");
  out.push_back("COMBINACAO 2");
  for (const std::string& c : f.cases) out.push_back(format("    1.0,%s", c.c_str()));
  out.push_back("FIMC");
  out.push_back("FIME");
  return out;
}

std::string joined(const std::vector<std::string>& lines) {
  std::string s;
  for (const std::string& l : lines) s += l + "\n";
  return s;
}

std::size_t line_index(const std::vector<std::string>& lines, const std::string& prefix) {
  for (std::size_t k = 0; k < lines.size(); ++k)
    if (lines[k].compare(0, prefix.size(), prefix) == 0) return k;
  throw std::runtime_error("no line starts with " + prefix);
}

}  // namespace toval::testing
