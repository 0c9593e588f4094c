#include "tools/export/csv_set_tables.h"

#include "tools/cli/export_keys.h"
#include "tools/cli/results_entries.h"
#include "tools/export/csv_row.h"

namespace toval::tools::export_ {

namespace {

std::string_view key_of(const std::optional<cli::CombinationSet>& set) {
  return set ? cli::set_key(*set) : std::string_view();
}

void support_rows(Row& row, const cli::LoadedRun& run, std::string_view set,
                  const std::vector<cli::ComponentExtremes>& supports) {
  for (std::size_t n = 0; n < supports.size(); ++n)
    for (std::size_t k = 0; k < 3; ++k) {
      row << set << run.store().BL11.NO_RES(static_cast<Whole>(n + 1)) << static_cast<Whole>(k + 1);
      extreme_fields(row, supports[n][k]);
      row.end();
    }
}

}  // namespace

void combinations(const cli::LoadedRun& run, TableSink& out) {
  header(out, {"combination", "set", "name", "term", "multiplier", "case"});
  Row row(out);
  const Combinations& c = run.store().BL5;
  for (Whole I = 1; I <= c.NCOB; ++I) {
    const cli::CombinationLabel& label = run.labels().combination(I);
    if (c.NCASO(I) == 0) {
      row << I << key_of(label.set) << label.name << std::nullopt << std::nullopt << std::nullopt;
      row.end();
    }
    for (Whole J = 1; J <= c.NCASO(I); ++J) {
      row << I << key_of(label.set) << label.name << J << c.MULT(I, J) << cli::name_of(c.CASO(I, J));
      row.end();
    }
  }
}

void reaction_envelope(const cli::LoadedRun& run, TableSink& out) {
  std::vector<std::string> names{"set", "node", "reaction"};
  extreme_header(names, "");
  header(out, names);
  Row row(out);
  support_rows(row, run, {}, run.envelopes().reactions);
  for (const cli::SetEnvelope& e : run.envelopes().sets)
    support_rows(row, run, cli::set_key(e.set), e.reactions);
}

void set_envelopes(const cli::LoadedRun& run, TableSink& out, const std::optional<cli::Units>& units) {
  header(out, bar_envelope_header({"set", "bar"}), units);
  Row row(out);
  for (const cli::SetEnvelope& e : run.envelopes().sets)
    for (std::size_t k = 0; k < e.bars.size(); ++k) {
      row << cli::set_key(e.set) << static_cast<Whole>(k + 1);
      bar_envelope_fields(row, e.bars[k]);
      row.end();
    }
}

void displacement_envelope(const cli::LoadedRun& run, TableSink& out) {
  std::vector<std::string> names{"set", "place", "component"};
  extreme_header(names, "");
  header(out, names);
  Row row(out);
  constexpr std::string_view COMPONENTS[] = {"dx", "dy", "dz"};
  for (const cli::SetEnvelope& e : run.envelopes().sets)
    for (std::size_t place = 0; place < cli::keys::PLACES.size(); ++place)
      for (std::size_t k = 0; k < 3; ++k) {
        row << cli::set_key(e.set) << std::string_view(cli::keys::PLACES[place]) << COMPONENTS[k];
        extreme_fields(row, e.displacements[place][k]);
        row.end();
      }
}

}  // namespace toval::tools::export_
