// Inputs for timing toval: a forces file and a combination file of a chosen
// size, in the layouts the program reads, written like the listing of a
// plane-frame analysis (titles, rulers and sums around the records that are
// read). Header-only so that the tests can build small versions of the same
// inputs.
#pragma once

#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <ostream>
#include <string>

namespace toval::bench {

struct Shape {
  std::string name;           // FULL gives FULL.CMB, FULL.FRC, FULL.ANS
  int lines = 25;             // vertical lines of the frame's grid of nodes
  int nodes = 500;            // a multiple of `lines`
  int bars = 250;             // columns first, then beams, level by level
  int cases = 10;             // at most 999 (the names below)
  int combinations = 10;      // 0 gives none: one combination per case
  int terms = 10;             // per combination
  std::uint64_t padding = 0;  // bytes of extra listing pages, spread over the gaps
};

inline Shape full_shape() {
  return {"FULL", 25, 500, 250, 10, 10, 10, 0};
}
inline Shape wide_shape() {
  return {"WIDE", 25, 500, 500, 10, 5, 10, 0};
}
inline Shape padded_shape() {
  Shape s = full_shape();
  s.name = "PADDED";
  s.padding = 100'000'000;
  return s;
}

// A frame of today's size for toval-tools, far beyond toval's capacities:
// its combined bar forces are a million slots. LARGE4X has four times the
// bars (beams repeated over the grid) and nothing else more.
inline Shape large_shape() {
  return {"LARGE", 25, 3000, 5000, 40, 200, 20, 0};
}
inline Shape large_4x_shape() {
  Shape s = large_shape();
  s.name = "LARGE4X";
  s.bars *= 4;
  return s;
}

// The first ten as a designer names them; further cases L11, L12, ...
inline std::string case_name(int k) {
  static const char* const names[] = {"G1", "G2", "G3", "Q1", "Q2", "Q3", "V1", "V2", "V3", "T"};
  return k <= 10 ? names[k - 1] : "L" + std::to_string(k);
}

namespace detail {

// Every record ends in CR LF, as the analysis program writes its listing.
class Lines {
 public:
  explicit Lines(std::ostream& out) : out_(out) {}

  void operator()(const char* format, ...) __attribute__((format(printf, 2, 3))) {
    char text[512];
    va_list args;
    va_start(args, format);
    int n = std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    if (n < 0) n = 0;
    if (static_cast<std::size_t>(n) >= sizeof text) n = sizeof text - 1;
    out_.write(text, n);
    out_.write("\r\n", 2);
    written_ += static_cast<std::uint64_t>(n) + 2;
  }
  std::uint64_t written() const { return written_; }

 private:
  std::ostream& out_;
  std::uint64_t written_ = 0;
};

// Deterministic values: the same shape always gives the same files.
class Values {
 public:
  explicit Values(std::uint64_t seed) : state_(seed * 6364136223846793005ULL + 1442695040888963407ULL) {}
  // Uniform in [-range, range).
  double next(double range) {
    state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
    double unit = static_cast<double>(state_ >> 11) / 9007199254740992.0;
    return (2.0 * unit - 1.0) * range;
  }

 private:
  std::uint64_t state_;
};

inline const char* const RULER =
    " -------------------------------------------------------------------------------";
inline const char* const DOUBLE_RULER =
    " ===============================================================================";

struct Bar {
  int from, to;
  double length, cosine;
};

inline Bar bar_of(const Shape& s, int k) {
  const int levels = s.nodes / s.lines;
  const int columns = s.lines * (levels - 1);
  const int index = k - 1;
  if (index < columns) {
    int level = index / s.lines, line = index % s.lines;
    return {level * s.lines + line + 1, (level + 1) * s.lines + line + 1, 3.0, 0.0};
  }
  int beam = index - columns;
  int level = 1 + beam / (s.lines - 1) % (levels - 1), line = beam % (s.lines - 1);
  return {level * s.lines + line + 1, level * s.lines + line + 2, 4.0, 1.0};
}

// Pages of the listing that no reader looks at: page headers, column
// titles and remarks, some of them starting like the headings that are
// searched for.
class Padding {
 public:
  void write(Lines& line, std::uint64_t bytes) {
    std::uint64_t start = line.written();
    while (line.written() - start < bytes) page(line);
  }

 private:
  void page(Lines& line) {
    ++page_;
    line("1                    ANALISE ESTRUTURAL DE PORTICOS PLANOS                 PAGINA %5d", page_);
    line(" ");
    line("     CARREGAMENTOS COMBINADOS NAO CONSIDERADOS NESTA FOLHA");
    line("     RESULTANTES POR BARRA - VERIFICACAO DE EQUILIBRIO (FOLHA %d)", page_);
    line(" ");
    line("    BARRA     NO INICIAL     NO FINAL          AREA           INERCIA      TENSAO");
    line("%s", RULER);
    for (int k = 1; k <= 48; ++k)
      line("  * %6d %12.4f %12.4f %16.6E %16.6E   VERIFICACAO %s", k + page_, values_.next(50.0),
           values_.next(50.0), values_.next(1e-2), values_.next(1e-4), k % 7 == 0 ? "PENDENTE" : "OK");
    line("%s", RULER);
    line(" ");
  }

  int page_ = 0;
  Values values_{7};
};

}  // namespace detail

// The forces file: node and bar sections, then one block per case.
inline void write_forces(std::ostream& out, const Shape& s) {
  detail::Lines line(out);
  detail::Padding padding;
  // Equal shares before the node section, before the first case block and
  // between case blocks.
  const std::uint64_t gap = s.padding / static_cast<std::uint64_t>(1 + s.cases);
  auto support = [&](int node) { return node <= s.lines; };

  line("%s", detail::DOUBLE_RULER);
  line("     ANALISE ELASTICA LINEAR DE PORTICO PLANO - LISTAGEM DE RESULTADOS");
  line("     PORTICO DE ENSAIO %s - %d NOS, %d BARRAS, %d CARREGAMENTOS", s.name.c_str(), s.nodes, s.bars,
       s.cases);
  line("%s", detail::DOUBLE_RULER);
  line(" ");
  padding.write(line, gap);

  line("     COORDENADAS E RESTRICOES NODAIS (1 = RESTRITO)");
  line(" ");
  line("      NO              X              Y     RESTRICAO X  RESTRICAO Y  RESTRICAO R");
  line("                    (M)            (M)");
  line("%s", detail::RULER);
  for (int k = 1; k <= s.nodes; ++k) {
    int level = (k - 1) / s.lines, position = (k - 1) % s.lines;
    int r = support(k) ? 1 : 0;
    line("%8d%15.3f%15.3f%13d%13d%13d", k, 4.0 * position, 3.0 * level, r, r, r);
  }
  line(" ");
  line("     PROPRIEDADES DAS SECOES");
  line(" ");
  line("    PROP   SECAO                      AREA (M2)      INERCIA (M4)");
  line("%s", detail::RULER);
  line("       1   HEB 300                   1.4910E-02        2.5170E-04");
  line("       2   IPE 400                   8.4460E-03        2.3130E-04");
  line(" ");
  line("     CARACTERISTICAS DAS BARRAS");
  line(" ");
  line("     BARRA   NO INIC  ROTUL   NO FINAL  ROTUL    PROP     COMPRIMENTO      COS X");
  line("                                                                 (M)");
  line("                      (ROTUL: 1 = EXTREMIDADE ARTICULADA)");
  line("%s", detail::RULER);
  for (int k = 1; k <= s.bars; ++k) {
    detail::Bar b = detail::bar_of(s, k);
    line("%10d%9d%7d%9d%7d%8d%16.3f%14.4f", k, b.from, 0, b.to, 0, b.cosine == 0.0 ? 1 : 2, b.length,
         b.cosine);
  }
  line(" ");

  for (int c = 1; c <= s.cases; ++c) {
    padding.write(line, gap);
    detail::Values v(static_cast<std::uint64_t>(c));
    line("     CARREGAMENTO: %-4s - CARREGAMENTO ELEMENTAR %d", case_name(c).c_str(), c);
    line("%s", detail::DOUBLE_RULER);
    line(" ");
    line("     SOMA DAS CARGAS APLICADAS (KN):   FX = %9.3f   FY = %9.3f", v.next(100.0), v.next(1000.0));
    line(" ");
    line(" ");
    line("     DESLOCAMENTOS NODAIS (SISTEMA GLOBAL)");
    line(" ");
    line("      NO                    DX                       DY                       DZ");
    line("                           (M)                      (M)                    (RAD)");
    line("%s", detail::RULER);
    for (int k = 1; k <= s.nodes; ++k) {
      if (support(k))
        line("%8d%22.7f%25.7f%25.7f", k, 0.0, 0.0, 0.0);
      else
        line("%8d%22.7f%25.7f%25.7f", k, v.next(0.05), v.next(0.02), v.next(0.005));
    }
    line(" ");
    line(" ");
    line("     ESFORCOS NAS EXTREMIDADES DAS BARRAS (SISTEMA LOCAL)");
    line("     NORMAL POSITIVA DE TRACAO; MOMENTO POSITIVO QUANDO TRACIONA A FACE -Y LOCAL");
    line("     EIXO X LOCAL DO NO INICIAL AO FINAL, EIXO Y A 90 GRAUS ANTI-HORARIO; V = DM/DX");
    line(" ");
    line("    BARRA           NO            NORMAL             CORTANTE            MOMENTO");
    line("                                   (KN)                 (KN)             (KN.M)");
    line("%s", detail::RULER);
    for (int k = 1; k <= s.bars; ++k) {
      detail::Bar b = detail::bar_of(s, k);
      double normal = v.next(800.0);
      // Some bars carry little moment for their normal force, so that not
      // every slot counts as a bar in bending.
      double moment_range = k % 3 == 0 ? 0.02 * (normal < 0 ? -normal : normal) : 150.0;
      line("%9d%13d%18.3f%21.3f%19.3f", k, b.from, normal, v.next(60.0), v.next(moment_range));
      line("%9d%13d%18.3f%21.3f%19.3f", k, b.to, normal + v.next(5.0), v.next(60.0), v.next(moment_range));
      line(" ");
    }
    // Records between the bar groups and the resultants heading, passed
    // over by the resultants search.
    line("     TENSOES NORMAIS NAS BARRAS (MPA)");
    line(" ");
    line("    BARRA        INICIAL          FINAL         MAXIMA");
    line("%s", detail::RULER);
    for (int k = 1; k <= s.bars; ++k)
      line("%9d%15.2f%15.2f%15.2f", k, v.next(250.0), v.next(250.0), v.next(250.0));
    line(" ");
    line("     RESULTANTES NODAIS (SISTEMA GLOBAL; NOS APOIOS: REACOES)");
    line(" ");
    line("      NO                    FX                       FY                       MZ");
    line("                          (KN)                     (KN)                   (KN.M)");
    line("%s", detail::RULER);
    for (int k = 1; k <= s.nodes; ++k) {
      if (support(k))
        line("%8d%22.3f%25.3f%25.3f", k, v.next(200.0), v.next(900.0), v.next(300.0));
      else
        line("%8d%22.3f%25.3f%25.3f", k, 0.0, 0.0, 0.0);
    }
    line("%s", detail::RULER);
    line("     SOMA DAS REACOES (KN):            FX = %9.3f   FY = %9.3f", v.next(100.0), v.next(1000.0));
    line(" ");
  }
  line("%s", detail::DOUBLE_RULER);
  line("     FIM DA LISTAGEM");
}

// The combination file: titles, the case list and the combinations.
inline void write_combinations(std::ostream& out, const Shape& s) {
  detail::Lines line(out);
  static const double multipliers[] = {1.40, 1.20, 0.90, 1.50, 0.60, 1.00, 0.75, 1.05, 0.50, 1.35, -1.00};
  line("COMBINACOES PARA TOVAL");
  line("ENSAIO DE DESEMPENHO");
  line("LABORATORIO DE ESTRUTURAS");
  line("PORTICO %s", s.name.c_str());
  line("CASOS DE CARREGAMENTO E COMBINACOES DE CALCULO");
  line("FIMG");
  for (int c = 1; c <= s.cases; ++c) {
    line("%-4s CARREGAMENTO ELEMENTAR %d", case_name(c).c_str(), c);
    line("FIMC");
  }
  line("FIME");
  for (int i = 1; i <= s.combinations; ++i) {
    line("C%-3d COMBINACAO %d", i, i);
    for (int j = 1; j <= s.terms; ++j)
      line("    %10.2f%-4s", multipliers[(i * 3 + j * 7) % 11], case_name((i + j - 2) % s.cases + 1).c_str());
    line("FIMC");
  }
  line("FIME");
}

// What is typed at the console: the combination file, then the forces file.
inline std::string answers(const Shape& s) {
  return s.name + ".CMB\n" + s.name + ".FRC\n";
}

}  // namespace toval::bench
