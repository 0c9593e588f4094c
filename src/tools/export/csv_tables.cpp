#include "tools/export/csv_tables.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <vector>

#include "tools/cli/export_keys.h"
#include "tools/cli/exported_values.h"
#include "tools/cli/results_entries.h"
#include "tools/export/csv_row.h"
#include "tools/export/csv_set_tables.h"

namespace toval::tools::export_ {

namespace {

namespace keys = cli::keys;
using Units = std::optional<cli::Units>;

constexpr std::string_view TABLES[] = {keys::NODES,
                                       keys::BARS,
                                       keys::COMBINATIONS,
                                       keys::DISPLACEMENTS,
                                       keys::COMBINED_DISPLACEMENTS,
                                       keys::REACTIONS,
                                       keys::COMBINED_REACTIONS,
                                       keys::REACTION_ENVELOPE,
                                       keys::BAR_FORCES,
                                       keys::ENVELOPE,
                                       keys::PAIRS,
                                       keys::SET_ENVELOPES,
                                       keys::DISPLACEMENT_ENVELOPE,
                                       keys::NODE_DISPLACEMENTS,
                                       keys::COMBINED_NODE_DISPLACEMENTS,
                                       keys::NODE_DISPLACEMENT_ENVELOPE,
                                       keys::SET_NODE_ENVELOPES,
                                       keys::CASE_BAR_FORCES};

void nodes(const cli::LoadedRun& run, TableSink& out, const Units& units) {
  header(out, {keys::NODE, keys::X, keys::Y, "restraint_1", "restraint_2", "restraint_3"}, units);
  Row row(out);
  cli::each_node(run, [&](const cli::NodeEntry& n) {
    row << n.node << n.x << n.y << n.restraints;
    row.end();
  });
}

void bars(const cli::LoadedRun& run, TableSink& out, const Units& units) {
  header(out, {keys::BAR, keys::START, keys::END, keys::PROPERTY, keys::LENGTH, keys::COS, keys::MIRROR},
         units);
  Row row(out);
  cli::each_bar(run, [&](const cli::BarEntry& b) {
    row << b.bar << b.start << b.end << b.property << b.length << b.cos;
    if (b.mirror != 0)
      row << b.mirror;
    else
      row << std::nullopt;
    row.end();
  });
}

std::vector<std::string> displacement_header(const char* first, bool with_missing) {
  std::vector<std::string> h{first};
  for (const char* place : keys::PLACES)
    for (const std::string& name : prefixed(place, {"dx", "dy", "dz"})) h.push_back(name);
  if (with_missing) h.push_back(keys::MISSING_CASES);
  return h;
}

void displacements(const cli::LoadedRun& run, TableSink& out, const Units& units) {
  header(out, displacement_header(keys::CASE, false), units);
  Row row(out);
  cli::each_case_displacements(run, [&](const cli::CaseDisplacements& d) {
    row << d.case_name << d.places;
    row.end();
  });
}

void combined_displacements(const cli::LoadedRun& run, TableSink& out, const Units& units) {
  header(out, displacement_header(keys::COMBINATION, true), units);
  Row row(out);
  cli::each_combined_displacements(run, [&](const cli::CombinedDisplacements& d) {
    row << d.combination;
    if (d.places)
      row << *d.places;
    else
      for (std::size_t i = 0; i < 3 * keys::PLACES.size(); ++i) row << std::nullopt;
    row << d.missing_cases;
    row.end();
  });
}

void reactions(const cli::LoadedRun& run, TableSink& out, const Units& units) {
  header(out, {keys::CASE, keys::NODE, "reaction_1", "reaction_2", "reaction_3"}, units);
  Row row(out);
  cli::each_case_reactions(run, [&](const cli::CaseReactions& r) {
    for (const cli::Support& s : r.supports) {
      row << r.case_name << s.node << s.reactions;
      row.end();
    }
  });
}

// One row per combination and support; a combination with missing cases
// has one row of its own, with the cases named and the values empty.
void combined_reactions(const cli::LoadedRun& run, TableSink& out, const Units& units) {
  header(out, {keys::COMBINATION, keys::NODE, "reaction_1", "reaction_2", "reaction_3", keys::MISSING_CASES},
         units);
  Row row(out);
  cli::each_combined_reactions(run, [&](const cli::CombinedReactions& r) {
    if (!r.supports) {
      row << r.combination << std::nullopt << std::nullopt << std::nullopt << std::nullopt << r.missing_cases;
      row.end();
      return;
    }
    for (const cli::Support& s : *r.supports) {
      row << r.combination << s.node << s.reactions << r.missing_cases;
      row.end();
    }
  });
}

void bar_forces(const cli::LoadedRun& run, TableSink& out, const Units& units) {
  header(out,
         {keys::COMBINATION, keys::BAR, keys::NORMAL, "V_start", "V_end", "M_start", "M_end", keys::BENDING},
         units);
  Row row(out);
  cli::each_bar_force(run, [&](const cli::BarForceEntry& f) {
    row << f.combination << f.bar << f.N << f.V << f.M << f.bending;
    row.end();
  });
}

void envelope(const cli::LoadedRun& run, TableSink& out, const Units& units) {
  header(out, bar_envelope_header({keys::BAR}), units);
  Row row(out);
  cli::each_envelope(run, [&](const cli::EnvelopeEntry& e) {
    row << e.bar;
    bar_envelope_fields(row, {e.N, e.V, e.M});
    row.end();
  });
}

void pairs(const cli::LoadedRun& run, TableSink& out, const Units& units) {
  header(out,
         {"lower_bar", "higher_bar", keys::MAX, keys::MAX_BAR, keys::MAX_COMBINATION, keys::MIN,
          keys::MIN_BAR, keys::MIN_COMBINATION},
         units);
  Row row(out);
  cli::each_pair(run, [&](const cli::PairEntry& p) {
    row << p.bars << p.max << p.max_bar << p.max_combination << p.min << p.min_bar << p.min_combination;
    row.end();
  });
}

std::vector<std::string> node_header(const char* first, bool with_missing) {
  std::vector<std::string> h{first, keys::NODE};
  for (const char* component : keys::NODE_COMPONENTS) h.push_back(component);
  if (with_missing) h.push_back(keys::MISSING_CASES);
  return h;
}

void node_displacements(cli::LoadedRun& run, TableSink& out, const Units& units) {
  header(out, node_header(keys::CASE, false), units);
  Row row(out);
  const cli::NodeDisplacements d(run.listing(), run.store(), run.counts());
  cli::each_case_node_displacements(run, d, [&](const cli::CaseNodeDisplacements& c) {
    for (std::size_t k = 0; k < c.nodes.size(); ++k) {
      row << std::string_view(c.case_name) << static_cast<Whole>(k + 1) << c.nodes[k];
      row.end();
    }
  });
}

// One row per combination and node; a combination with missing cases has
// one row of its own, as in combined_reactions.
void combined_node_displacements(cli::LoadedRun& run, TableSink& out, const Units& units) {
  header(out, node_header(keys::COMBINATION, true), units);
  Row row(out);
  const cli::NodeDisplacements d(run.listing(), run.store(), run.counts());
  cli::each_combined_node_displacements(run, d, [&](const cli::CombinedNodeDisplacements& c) {
    if (!c.nodes) {
      row << c.combination << std::nullopt << std::nullopt << std::nullopt << std::nullopt << c.missing_cases;
      row.end();
      return;
    }
    for (std::size_t k = 0; k < c.nodes->size(); ++k) {
      row << c.combination << static_cast<Whole>(k + 1) << (*c.nodes)[k] << c.missing_cases;
      row.end();
    }
  });
}

void node_displacement_envelope(cli::LoadedRun& run, TableSink& out, const Units& units) {
  header(out, node_envelope_header({keys::NODE}), units);
  Row row(out);
  const cli::NodeDisplacements d(run.listing(), run.store(), run.counts());
  cli::each_node_envelope(run, d, [&](const cli::NodeEnvelopeEntry& e) {
    row << e.node;
    node_envelope_fields(row, e.d);
    row.end();
  });
}

void case_bar_forces(cli::LoadedRun& run, TableSink& out, const Units& units) {
  header(out, {keys::CASE, keys::BAR, "N_start", "N_end", "V_start", "V_end", "M_start", "M_end"}, units);
  Row row(out);
  cli::each_case_bar_force(run, [&](const cli::CaseBarForceEntry& f) {
    row << std::string_view(f.case_name) << f.bar << f.N << f.V << f.M;
    row.end();
  });
}

// Each value as the JSON has it: reals in their shortest digits (no ".0"),
// an absent value (JSON null) as an empty field, a list of names (the
// missing cases) separated by ";".
class CsvSink final : public TableSink {
 public:
  explicit CsvSink(std::ostream& out) : out_(out) {}

  void begin(std::string_view) override {}
  void header(std::span<const std::string> columns) override {
    for (const std::string& c : columns) text(c);
    end_row();
  }
  void text(std::string_view value) override {
    if (!first_) out_ << ',';
    first_ = false;
    out_ << csv_field(value);
  }
  void real(Real value) override { text(cli::real_text(value)); }
  void whole(Whole value) override {
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    text(std::string_view(digits, static_cast<std::size_t>(end - digits)));
  }
  void boolean(bool value) override { text(value ? "true" : "false"); }
  void absent() override { text({}); }
  void names(const std::vector<std::string>& values) override {
    std::string joined;
    for (const std::string& n : values) joined += (joined.empty() ? "" : ";") + n;
    text(joined);
  }
  void end_row() override {
    out_ << "\r\n";
    first_ = true;
  }

 private:
  std::ostream& out_;
  bool first_ = true;
};

}  // namespace

std::span<const std::string_view> csv_table_names() {
  return TABLES;
}

bool is_csv_table(std::string_view name) {
  return std::find(std::begin(TABLES), std::end(TABLES), name) != std::end(TABLES);
}

std::string csv_field(std::string_view text) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

void write_table(cli::LoadedRun& run, std::string_view name, TableSink& out, const Units& units) {
  out.begin(name);
  if (name == keys::NODES) return nodes(run, out, units);
  if (name == keys::BARS) return bars(run, out, units);
  if (name == keys::DISPLACEMENTS) return displacements(run, out, units);
  if (name == keys::COMBINED_DISPLACEMENTS) return combined_displacements(run, out, units);
  if (name == keys::REACTIONS) return reactions(run, out, units);
  if (name == keys::COMBINED_REACTIONS) return combined_reactions(run, out, units);
  if (name == keys::BAR_FORCES) return bar_forces(run, out, units);
  if (name == keys::ENVELOPE) return envelope(run, out, units);
  if (name == keys::PAIRS) return pairs(run, out, units);
  if (name == keys::NODE_DISPLACEMENTS) return node_displacements(run, out, units);
  if (name == keys::COMBINED_NODE_DISPLACEMENTS) return combined_node_displacements(run, out, units);
  if (name == keys::NODE_DISPLACEMENT_ENVELOPE) return node_displacement_envelope(run, out, units);
  if (name == keys::CASE_BAR_FORCES) return case_bar_forces(run, out, units);
  if (name == keys::COMBINATIONS) return combinations(run, out);
  if (name == keys::REACTION_ENVELOPE) return reaction_envelope(run, out, units);
  if (name == keys::SET_ENVELOPES) return set_envelopes(run, out, units);
  if (name == keys::DISPLACEMENT_ENVELOPE) return displacement_envelope(run, out, units);
  if (name == keys::SET_NODE_ENVELOPES) return set_node_envelopes(run, out, units);
  throw std::invalid_argument("no export table is named " + std::string(name));
}

void write_csv_table(cli::LoadedRun& run, std::string_view name, std::ostream& out, const Units& units) {
  CsvSink sink(out);
  write_table(run, name, sink, units);
}

}  // namespace toval::tools::export_
