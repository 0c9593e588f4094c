// A run's results taken from the run are what reading back its export gives:
// the same identities, entries and values to the last bit, on the example,
// a frame with missing cases and generated frames with pairs and supports.
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

#include "support/test_support.h"
#include "tools/cli/loaded_run.h"
#include "tools/diff/exported_run.h"
#include "tools/export/results_json.h"
#include "tools/frame_files.h"
#include "tools/program.h"

namespace toval::testing {
namespace {

using tools::diff::ExportedRun;

std::string exact(double v) {
  char buf[40];
  std::snprintf(buf, sizeof buf, "%a", v);
  return buf;
}

void write_components(std::ostringstream& out, long long key, const tools::diff::NodeEnvelope& e) {
  for (const auto& x : e)
    if (x)
      out << ' ' << key << ':' << exact(x->max) << ',' << x->max_combination << ',' << exact(x->min) << ','
          << x->min_combination;
    else
      out << ' ' << key << ":absent";
}

// Every part diff compares, written out with its values exactly.
std::string everything(const ExportedRun& r) {
  std::ostringstream out;
  out << "axis " << exact(r.axis) << '\n';
  for (const auto& [k, n] : r.nodes)
    out << "node " << k << ' ' << exact(n.x) << ' ' << exact(n.y) << ' ' << n.restraints[2] << ' ' << n.entry
        << '\n';
  for (const auto& [k, b] : r.bars)
    out << "bar " << k << ' ' << b.start << ' ' << b.end << ' ' << b.property << ' ' << exact(b.length) << ' '
        << b.entry << '\n';
  for (const std::string& c : r.cases) out << "case " << c << '\n';
  for (const auto& [k, c] : r.combinations) {
    out << "combination " << k << ' ' << c.set << ' ' << c.name << ' ' << c.entry;
    for (const auto& t : c.terms) out << ' ' << exact(t.multiplier) << ' ' << t.case_name;
    out << '\n';
  }
  out << "characteristic " << r.characteristic_nodes << '\n';
  for (const auto& p : r.pairs) out << "pair " << p[0] << ' ' << p[1] << '\n';
  for (const auto& [I, supports] : r.combined_reactions) {
    out << "reactions " << I << (supports ? "" : " none");
    if (supports)
      for (const auto& [N, v] : *supports)
        out << ' ' << N << ':' << exact(v[0]) << exact(v[1]) << exact(v[2]);
    out << '\n';
  }
  for (const auto& [I, places] : r.combined_displacements) {
    out << "displacements " << I;
    for (const auto& p : places) out << ' ' << (p ? exact((*p)[0]) + exact((*p)[1]) + exact((*p)[2]) : "-");
    out << '\n';
  }
  for (const auto& [key, flag] : r.bending)
    out << "bending " << key.first << ' ' << key.second << flag << '\n';
  for (const auto& [key, v] : r.bar_values) {
    out << "forces " << key.first << ' ' << key.second;
    for (double x : v) out << ' ' << exact(x);
    out << '\n';
  }
  for (const auto& [N, e] : r.reaction_envelope)
    out << "reaction envelope " << N << ' ' << (e[0] ? exact(e[0]->max) : "absent") << '\n';
  out << "sets " << r.set_envelopes.size() << '\n';
  for (const auto& set : r.set_envelopes) {
    out << "set " << set.set;
    for (const auto& [K, e] : set.envelope)
      for (const auto& x : e) out << ' ' << K << ':' << exact(x.max) << ',' << x.max_combination;
    for (const auto& [N, e] : set.reaction_envelope)
      for (const auto& x : e)
        if (x)
          out << ' ' << N << ':' << exact(x->min) << ',' << x->min_combination;
        else
          out << ' ' << N << ":absent";
    out << "\nplaces";
    for (std::size_t p = 0; p < 3; ++p)
      write_components(out, static_cast<long long>(p), set.displacement_envelope[p]);
    out << "\nnodes";
    for (const auto& [K, e] : set.node_displacement_envelope) write_components(out, K, e);
    out << '\n';
  }
  out << "node envelope";
  for (const auto& [K, e] : r.node_displacement_envelope) write_components(out, K, e);
  out << '\n';
  for (const auto& [I, nodes] : r.combined_node_displacements) {
    out << "node displacements " << I << (nodes ? "" : " none");
    if (nodes)
      for (const auto& [K, v] : *nodes) out << ' ' << K << ':' << exact(v[0]) << exact(v[1]) << exact(v[2]);
    out << '\n';
  }
  for (const auto& [K, e] : r.envelope) {
    out << "envelope " << K;
    for (const auto& x : e)
      out << ' ' << exact(x.max) << ' ' << x.max_combination << ' ' << exact(x.min) << ' '
          << x.min_combination;
    out << '\n';
  }
  return out.str();
}

void expect_same_as_export(const tools::cli::CombinationInput& combination, const std::string& forces) {
  tools::cli::LoadedRun run(combination, forces);  // the export reads every node through its listing
  std::ostringstream text;
  tools::export_::write_results_json(run, text);
  const std::string from_export = everything(tools::diff::read_exported_run(text.str(), forces));
  const std::string from_run = everything(tools::diff::run_results(run));
  EXPECT_GT(from_run.size(), 200u);
  // Every node's displacements are there to compare.
  EXPECT_NE(from_run.find("\nnode envelope 1:"), std::string::npos);
  if (tools::cli::is_rules_file(combination.file)) {
    EXPECT_EQ(from_run.find("\nsets 0\n"), std::string::npos) << "a rules file gives sets";
  }
  EXPECT_EQ(from_run, from_export) << forces;
}

TEST(RunResults, AreWhatTheRunsExportReadsBackAs) {
  const std::string root = std::string(TOVAL_SOURCE_DIR) + "/";
  expect_same_as_export(root + "examples/GALPAO.CMB", root + "examples/GALPAO.ESF");
  expect_same_as_export(root + "examples/GALPAO-R1.CMB", root + "examples/GALPAO-R1.ESF");
  // Combinations naming a case the list lacks: no combined values for them.
  const std::string missing = root + "tests/tools/data/check_missing_fimc/in/";
  expect_same_as_export(missing + "GALPAO.CMB", missing + "GALPAO.ESF");
  // A rules file: sets of combinations, their names and envelopes by set.
  const std::string rules = root + "examples/galpao-rules.toml";
  expect_same_as_export(tools::cli::combination_input(rules, tools::services()),
                        root + "examples/GALPAO.ESF");
  TempDir dir;
  int n = 0;
  for (const Frame& f : {roof_truss(2), multi_storey(2, 2), continuous_beam(4), bays({4.0, 6.5})}) {
    const std::string name = "F" + std::to_string(++n);
    dir.write(name + ".CMB", joined(combination_lines(f)));
    dir.write(name + ".ESF", joined(forces_lines(f)));
    expect_same_as_export(dir.file(name + ".CMB"), dir.file(name + ".ESF"));
  }
}

}  // namespace
}  // namespace toval::testing
