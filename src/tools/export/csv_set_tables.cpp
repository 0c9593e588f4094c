#include "tools/export/csv_set_tables.h"

#include "tools/cli/export_keys.h"
#include "tools/cli/results_entries.h"
#include "tools/export/csv_row.h"

namespace toval::tools::export_ {

namespace {

std::string_view key_of(const std::optional<cli::CombinationSet>& set) {
  return set ? cli::set_key(*set) : std::string_view();
}

using Units = std::optional<cli::Units>;

// What each of a node's three components measures, in the order of its
// record: two translations and a rotation.
constexpr cli::Quantity REACTION_QUANTITIES[] = {cli::Quantity::force, cli::Quantity::force,
                                                 cli::Quantity::moment};
constexpr cli::Quantity DISPLACEMENT_QUANTITIES[] = {cli::Quantity::length, cli::Quantity::length,
                                                     cli::Quantity::rotation};

// The row's unit, in the last column, when the table has units.
void end_mixed_row(Row& row, const Units& units, cli::Quantity q) {
  if (units) row << std::string_view(cli::unit_text(units, q));
  row.end();
}

void support_rows(Row& row, const cli::LoadedRun& run, std::string_view set,
                  const std::vector<cli::ComponentExtremes>& supports, const Units& units) {
  for (std::size_t n = 0; n < supports.size(); ++n)
    for (std::size_t k = 0; k < 3; ++k) {
      row << set << run.store().BL11.NO_RES(static_cast<Whole>(n + 1)) << static_cast<Whole>(k + 1);
      extreme_fields(row, supports[n][k]);
      end_mixed_row(row, units, REACTION_QUANTITIES[k]);
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

void reaction_envelope(const cli::LoadedRun& run, TableSink& out, const Units& units) {
  std::vector<std::string> names{"set", "node", "reaction"};
  extreme_header(names, "");
  mixed_header(out, names, units);
  Row row(out);
  support_rows(row, run, {}, run.envelopes().reactions, units);
  for (const cli::SetEnvelope& e : run.envelopes().sets)
    support_rows(row, run, cli::set_key(e.set), e.reactions, units);
}

void set_envelopes(const cli::LoadedRun& run, TableSink& out, const Units& units) {
  header(out, bar_envelope_header({"set", "bar"}), units);
  Row row(out);
  for (const cli::SetEnvelope& e : run.envelopes().sets)
    for (std::size_t k = 0; k < e.bars.size(); ++k) {
      row << cli::set_key(e.set) << static_cast<Whole>(k + 1);
      bar_envelope_fields(row, e.bars[k]);
      row.end();
    }
}

void displacement_envelope(const cli::LoadedRun& run, TableSink& out, const Units& units) {
  std::vector<std::string> names{"set", "place", "component"};
  extreme_header(names, "");
  mixed_header(out, names, units);
  Row row(out);
  constexpr std::string_view COMPONENTS[] = {"dx", "dy", "dz"};
  for (const cli::SetEnvelope& e : run.envelopes().sets)
    for (std::size_t place = 0; place < cli::keys::PLACES.size(); ++place)
      for (std::size_t k = 0; k < 3; ++k) {
        row << cli::set_key(e.set) << std::string_view(cli::keys::PLACES[place]) << COMPONENTS[k];
        extreme_fields(row, e.displacements[place][k]);
        end_mixed_row(row, units, DISPLACEMENT_QUANTITIES[k]);
      }
}

void set_node_envelopes(cli::LoadedRun& run, TableSink& out, const Units& units) {
  header(out, node_envelope_header({"set", cli::keys::NODE}), units);
  Row row(out);
  const cli::NodeDisplacements d(run.listing(), run.store(), run.counts());
  for (const cli::SetEnvelope& e : run.envelopes().sets) {
    const std::vector<cli::NodeExtremes> nodes =
        cli::node_displacement_envelope(run.store(), d, e.combinations);
    for (std::size_t k = 0; k < nodes.size(); ++k) {
      row << cli::set_key(e.set) << static_cast<Whole>(k + 1);
      node_envelope_fields(row, nodes[k]);
      row.end();
    }
  }
}

}  // namespace toval::tools::export_
