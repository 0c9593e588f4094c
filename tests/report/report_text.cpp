#include "report/report_text.h"

#include <stdexcept>

#include "driver/toval_capacities.h"
#include "records/report_unit.h"
#include "report/impress.h"

namespace toval::testing {

std::string row(std::initializer_list<Placed> values) {
  std::string line;
  for (const Placed& v : values) {
    const auto last = static_cast<std::size_t>(v.last_column);
    if (v.text.size() > last || last - v.text.size() < line.size())
      throw std::logic_error("value \"" + std::string(v.text) + "\" overlaps the one before it");
    line.append(last - v.text.size() - line.size(), ' ');
    line += v.text;
  }
  return line;
}

std::string records(std::initializer_list<std::string> lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

std::unique_ptr<Store> plain_store() {
  auto s = std::make_unique<Store>(TOVAL_CAPACITIES);
  s->BL1.PRJT = Name<40>::of("PROJ");
  s->BL1.CLIT = Name<40>::of("CLI");
  s->BL1.PORT = Name<40>::of("PORT");
  for (Whole i = 1; i <= s->capacities.cases; ++i) s->BL4.CCAR(i) = Name<4>::of("C" + std::to_string(i));
  return s;
}

std::string report_of(Store& s, Whole NBAR, Whole NCCAR, Whole NRES) {
  std::string text;
  ReportUnit unit5;
  unit5.open_memory(&text);
  IMPRESS(s, unit5, NBAR, NCCAR, NRES);
  unit5.close();
  return text;
}

std::vector<std::string> pages_of(const std::string& report) {
  constexpr std::string_view BREAK = "\f\r\n";
  std::vector<std::string> pages;
  std::size_t from = 0;
  for (std::size_t at; (at = report.find(BREAK, from)) != std::string::npos; from = at + BREAK.size())
    pages.push_back(report.substr(from, at - from));
  pages.push_back(report.substr(from));
  return pages;
}

void set_normals(Store& s, Whole NBAR, Whole K, std::initializer_list<Real> forces) {
  long combination = 1;
  for (Real force : forces) s.BL9.R_NORMAL((combination++ - 1) * NBAR + K) = force;
}

void set_envelope(Store& s, Whole K, Real largest, Whole at_largest, Real smallest, Whole at_smallest) {
  s.BL10.R_NORMAL_MAX(K, 1) = largest;
  s.BL10.NCOBMAX(K, 1) = at_largest;
  s.BL10.R_NORMAL_MAX(K, 2) = smallest;
  s.BL10.NCOBMAX(K, 2) = at_smallest;
}

}  // namespace toval::testing
