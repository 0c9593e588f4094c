// Sets and names of combinations through the export: the example rules
// file, the one file `combinations` writes from it and the files of
// --split 10 give the same sets, names and values; the envelopes of each
// set are those of a file holding that set alone, and those worked out here
// from the combined values; a file typed by hand names sets where its
// headers begin with a set's label.
#include <gtest/gtest.h>

#include <map>
#include <nlohmann/json.hpp>

#include "tools/frame_files.h"
#include "tools/tools_process.h"

namespace toval::testing {
namespace {

using Json = nlohmann::ordered_json;
const std::vector<std::string> PORTAL_CASES = {"G1", "G2", "Q", "W1", "W2"};
const std::string SETS[] = {"uls", "sls_characteristic", "sls_frequent", "sls_quasi_permanent"};

Json exported(const TempDir& dir, const std::string& combination_file) {
  RunResult r = run_tools(dir.path(), {"export", combination_file, "P.ESF"});
  EXPECT_EQ(r.status, 0) << combination_file << ": " << r.err;
  EXPECT_EQ(r.err, "");
  return Json::parse(r.out.empty() ? "{}" : r.out);
}

class PortalRules : public ::testing::Test {
 protected:
  void SetUp() override {
    rules_ = read_file(std::string(TOVAL_SOURCE_DIR) + "/examples/portal-rules.toml");
    dir_.write("portal-rules.toml", rules_);
    Frame f = portal();
    f.cases = PORTAL_CASES;
    dir_.write("P.ESF", joined(forces_lines(f)));
  }
  // The rules asking for the one set.
  std::string rules_of_set(const std::string& set) const {
    std::string text = rules_;
    const std::size_t from = text.find("sets = ");
    return text.replace(from, text.find('\n', from) - from, "sets = [\"" + set + "\"]");
  }

  TempDir dir_;
  std::string rules_;
};

// The combination entry, its combined values and its bar forces, less its
// number: what a combination is wherever it is numbered.
Json combination_values(const Json& doc, long I) {
  Json forces = Json::array();
  for (const Json& f : doc["bar_forces"])
    if (f["combination"] == I) forces.push_back({f["bar"], f["N"], f["V"], f["M"], f["bending"]});
  const Json& c = doc["combinations"][I - 1];
  return {{"name", c["name"]},
          {"set", c["set"]},
          {"terms", c["terms"]},
          {"reactions", doc["combined_reactions"][I - 1]["supports"]},
          {"displacements", doc["combined_displacements"][I - 1]["left"]},
          {"bar_forces", forces}};
}

TEST_F(PortalRules, TheSameExportFromTheRulesTheWholeFileAndTheSplitFiles) {
  const Json from_rules = exported(dir_, "portal-rules.toml");
  ASSERT_EQ(run_tools(dir_.path(), {"combinations", "-o", "PORTAL.CMB", "portal-rules.toml"}).status, 0);
  EXPECT_EQ(from_rules, exported(dir_, "PORTAL.CMB"));

  // 16 ultimate, 18 characteristic... as the enumeration gives them: the sets
  // partition 1..48 in order.
  ASSERT_EQ(from_rules["combinations"].size(), 48u);
  std::vector<long> all;
  for (const Json& s : from_rules["sets"])
    for (const Json& I : s["combinations"]) all.push_back(I.get<long>());
  ASSERT_EQ(all.size(), 48u);
  for (std::size_t k = 0; k < all.size(); ++k) EXPECT_EQ(all[k], static_cast<long>(k + 1));
  EXPECT_EQ(from_rules["combinations"][0]["name"], "ELU 1 - PRINCIPAL: NENHUMA - DESFAVORAVEIS: G1 G2");
  EXPECT_EQ(from_rules["combinations"][0]["set"], "uls");
  EXPECT_EQ(from_rules["case_descriptions"][0],
            Json({{"case", "G1"}, {"description", "PERMANENTE - PESO PROPRIO DA ESTRUTURA"}}));
  EXPECT_EQ(from_rules["case_descriptions"][3],
            Json({{"case", "W1"}, {"description", "VARIAVEL - GRUPO: wind"}}));

  // Part by part, each combination is the whole file's of the same name.
  ASSERT_EQ(run_tools(dir_.path(), {"combinations", "-o", "PORTAL.CMB", "--split", "10", "portal-rules.toml"})
                .status,
            0);
  long whole = 0;
  for (int part = 1; part <= 5; ++part) {
    const Json doc = exported(dir_, "PORTAL-" + std::to_string(part) + ".CMB");
    for (long I = 1; I <= static_cast<long>(doc["combinations"].size()); ++I) {
      ++whole;
      EXPECT_EQ(combination_values(doc, I), combination_values(from_rules, whole)) << part << " " << I;
    }
  }
  EXPECT_EQ(whole, 48);
  // Part 2 starts within the ultimate set, at its 11th combination.
  const Json second = exported(dir_, "PORTAL-2.CMB");
  EXPECT_EQ(second["combinations"][0]["name"].get<std::string>().rfind("ELU 11 - ", 0), 0u);
}

// The extremes of value(I) over the listed combinations, the first seeding
// them and ties keeping the earlier: the rule written out again here.
Json expected_extremes(const std::vector<long>& list, const std::function<double(long)>& value) {
  double max = value(list[0]), min = max;
  long max_at = list[0], min_at = list[0];
  for (long I : list) {
    if (value(I) > max) max = value(I), max_at = I;
    if (value(I) < min) min = value(I), min_at = I;
  }
  return {{"max", max}, {"max_combination", max_at}, {"min", min}, {"min_combination", min_at}};
}

// A set's combinations numbered as in its own file.
Json renumbered(Json e, const std::vector<long>& members) {
  for (const char* key : {"max_combination", "min_combination"})
    e[key] = members[static_cast<std::size_t>(e[key].get<long>() - 1)];
  return e;
}

TEST_F(PortalRules, EachSetsEnvelopesAreThoseOfAFileOfThatSetAlone) {
  const Json doc = exported(dir_, "portal-rules.toml");
  ASSERT_EQ(doc["set_envelopes"].size(), 4u);
  for (std::size_t s = 0; s < 4; ++s) {
    const Json& e = doc["set_envelopes"][s];
    ASSERT_EQ(e["set"], SETS[s]);
    const std::vector<long> members = doc["sets"][s]["combinations"].get<std::vector<long>>();
    dir_.write("ONE.toml", rules_of_set(SETS[s]));
    const Json alone = exported(dir_, "ONE.toml");
    ASSERT_EQ(alone["combinations"].size(), members.size()) << SETS[s];
    for (std::size_t k = 0; k < alone["envelope"].size(); ++k) {
      const Json& bar = e["envelope"][k];
      EXPECT_EQ(bar["N"], renumbered(alone["envelope"][k]["N"], members)) << SETS[s] << " bar " << k + 1;
      for (const char* force : {"V", "M"})
        for (int end = 0; end < 2; ++end)
          EXPECT_EQ(bar[force][end], renumbered(alone["envelope"][k][force][end], members)) << force << end;
      const auto N = [&](long I) {
        return doc["bar_forces"][static_cast<std::size_t>((I - 1) * 3 + static_cast<long>(k))]["N"]
            .get<double>();
      };
      EXPECT_EQ(bar["N"], expected_extremes(members, N)) << SETS[s] << " bar " << k + 1;
    }
    for (std::size_t n = 0; n < alone["reaction_envelope"].size(); ++n)
      for (int c = 0; c < 3; ++c) {
        EXPECT_EQ(e["reaction_envelope"][n]["reactions"][c],
                  renumbered(alone["reaction_envelope"][n]["reactions"][c], members));
        const auto R = [&](long I) {
          return doc["combined_reactions"][I - 1]["supports"][n]["reactions"][c].get<double>();
        };
        EXPECT_EQ(e["reaction_envelope"][n]["reactions"][c], expected_extremes(members, R));
      }
    for (int place = 0; place < 3; ++place)
      for (int c = 0; c < 3; ++c) {
        const char* key = place == 0 ? "left" : place == 1 ? "axis" : "right";
        const auto D = [&](long I) { return doc["combined_displacements"][I - 1][key][c].get<double>(); };
        EXPECT_EQ(e["displacement_envelope"][place]["displacements"][c], expected_extremes(members, D))
            << SETS[s] << " " << key << " " << c;
      }
    // Every node's envelope in the set, by the same rule over the set's
    // combined node displacements.
    const Json& nodes = e["node_displacement_envelope"];
    ASSERT_EQ(nodes.size(), doc["nodes"].size()) << SETS[s];
    for (std::size_t k = 0; k < nodes.size(); ++k)
      for (int c = 0; c < 3; ++c) {
        const auto D = [&](long I) {
          return doc["combined_node_displacements"][I - 1]["nodes"][k]["d"][c].get<double>();
        };
        EXPECT_EQ(nodes[k]["d"][c], expected_extremes(members, D))
            << SETS[s] << " node " << k + 1 << " " << c;
      }
  }
  // The reaction envelope over every combination, with the same rule.
  std::vector<long> every(48);
  for (long I = 1; I <= 48; ++I) every[static_cast<std::size_t>(I - 1)] = I;
  const auto R1 = [&](long I) {
    return doc["combined_reactions"][I - 1]["supports"][1]["reactions"][1].get<double>();
  };
  EXPECT_EQ(doc["reaction_envelope"][1]["reactions"][1], expected_extremes(every, R1));
}

// The CSV rows of a table, each split at its commas (no field here is quoted).
std::vector<std::vector<std::string>> csv_rows(const std::string& text) {
  std::vector<std::vector<std::string>> rows;
  for (std::size_t from = 0; from < text.size();) {
    const std::size_t end = text.find("\r\n", from);
    std::vector<std::string> row;
    const std::string line = text.substr(from, end - from);
    for (std::size_t f = 0;;) {
      const std::size_t comma = line.find(',', f);
      row.push_back(line.substr(f, comma - f));
      if (comma == std::string::npos) break;
      f = comma + 1;
    }
    rows.push_back(row);
    from = end + 2;
  }
  return rows;
}

std::string csv_table(const TempDir& dir, const std::string& table, std::vector<std::string> more = {}) {
  std::vector<std::string> args{"export", "--format", "csv", "--table", table};
  args.insert(args.end(), more.begin(), more.end());
  args.insert(args.end(), {"portal-rules.toml", "P.ESF"});
  RunResult r = run_tools(dir.path(), args);
  EXPECT_EQ(r.status, 0) << table << ": " << r.err;
  return r.out;
}

// A number of the JSON as the CSV writes it: empty for null, a real
// without a trailing ".0".
std::string field_of(const Json& v) {
  if (v.is_null()) return "";
  std::string text = v.dump();
  if (text.size() > 2 && text.substr(text.size() - 2) == ".0") text.resize(text.size() - 2);
  return text;
}

TEST_F(PortalRules, EachSetsNodeEnvelopesAsATable) {
  const Json doc = exported(dir_, "portal-rules.toml");
  const auto rows = csv_rows(csv_table(dir_, "set_node_envelopes"));
  ASSERT_FALSE(rows.empty());
  EXPECT_EQ(rows[0].size(), 14u);
  EXPECT_EQ(rows[0][0], "set");
  EXPECT_EQ(rows[0][1], "node");
  EXPECT_EQ(rows[0][2], "dx_max");
  EXPECT_EQ(rows[0][13], "rz_min_combination");
  const std::size_t nodes = doc["nodes"].size();
  ASSERT_EQ(rows.size(), 1 + 4 * nodes);
  for (std::size_t s = 0; s < 4; ++s)
    for (std::size_t k = 0; k < nodes; ++k) {
      const std::vector<std::string>& row = rows[1 + s * nodes + k];
      EXPECT_EQ(row[0], SETS[s]);
      EXPECT_EQ(row[1], std::to_string(k + 1));
      const Json& d = doc["set_envelopes"][s]["node_displacement_envelope"][k]["d"];
      for (std::size_t c = 0; c < 3; ++c) {
        std::size_t at = 2 + 4 * c;
        for (const char* part : {"max", "max_combination", "min", "min_combination"})
          EXPECT_EQ(row[at++], field_of(d[c][part])) << SETS[s] << " node " << k + 1 << " " << part;
      }
    }
}

// units = [...] in the rules file names the units of every output of its
// runs; --units on the command line wins. Tables whose rows measure
// different things name each row's unit in a last column.
TEST_F(PortalRules, UnitsStatedInTheRulesFileAndTheCommandLineWins) {
  dir_.write("portal-rules.toml", "units = [\"kN\", \"m\"]\n" + rules_);
  const Json doc = exported(dir_, "portal-rules.toml");
  EXPECT_EQ(doc["units"], Json::parse(R"({"force": "kN", "length": "m"})"));
  const auto first_line = [](const std::string& text) { return text.substr(0, text.find("\r\n")); };
  EXPECT_EQ(first_line(csv_table(dir_, "set_envelopes")).substr(0, 34), "set,bar,N_max (kN),N_max_combinati");
  EXPECT_EQ(first_line(csv_table(dir_, "set_node_envelopes")).substr(0, 30),
            "set,node,dx_max (m),dx_max_com");
  EXPECT_EQ(first_line(csv_table(dir_, "set_envelopes", {"--units", "tf,cm"})).substr(0, 18),
            "set,bar,N_max (tf)");

  const auto reactions = csv_rows(csv_table(dir_, "reaction_envelope"));
  ASSERT_GT(reactions.size(), 3u);
  EXPECT_EQ(reactions[0].back(), "unit");
  EXPECT_EQ(reactions[0][3], "max");
  for (std::size_t r = 1; r < reactions.size(); ++r)
    EXPECT_EQ(reactions[r].back(), reactions[r][2] == "3" ? "kN\u00b7m" : "kN") << r;
  const auto places = csv_rows(csv_table(dir_, "displacement_envelope"));
  for (std::size_t r = 1; r < places.size(); ++r)
    EXPECT_EQ(places[r].back(), places[r][2] == "dz" ? "rad" : "m") << r;

  const std::string page =
      run_tools(dir_.path(), {"report", "--lang", "en", "portal-rules.toml", "P.ESF"}).out;
  EXPECT_NE(page.find(">Mi (kN\u00b7m)</th>"), std::string::npos);
  const std::string svg =
      run_tools(dir_.path(), {"draw", "--units", "tf,m", "portal-rules.toml", "P.ESF"}).out;
  EXPECT_NE(svg.find(" tf</text>"), std::string::npos);

  // Without units, the mixed tables keep their columns.
  dir_.write("portal-rules.toml", rules_);
  EXPECT_NE(csv_rows(csv_table(dir_, "reaction_envelope"))[0].back(), "unit");
}

// check of a rules file: a case block that no action names is a warning, at
// its heading's name; the listing of the rules' cases alone gives nothing.
TEST_F(PortalRules, CheckWarnsOfACaseBlockNoActionNames) {
  RunResult clean = run_tools(dir_.path(), {"check", "portal-rules.toml", "P.ESF"});
  EXPECT_EQ(clean.status, 0) << clean.out << clean.err;
  Frame f = portal();
  f.cases = {"G1", "G2", "X", "Q", "W1", "W2", "X"};
  const std::vector<std::string> lines = forces_lines(f);
  dir_.write("X.ESF", joined(lines));
  RunResult r = run_tools(dir_.path(), {"check", "--lang", "en", "portal-rules.toml", "X.ESF"});
  EXPECT_EQ(r.status, 1);
  const std::string where =
      "X.ESF:" + std::to_string(line_index(lines, "     CARREGAMENTO: X") + 1) + ":20: ";
  EXPECT_NE(r.out.find(where + "warning: the case block \"X\" is named by no action of the rules file"),
            std::string::npos)
      << r.out;
  // In Portuguese, the check's default, as every finding.
  r = run_tools(dir_.path(), {"check", "portal-rules.toml", "X.ESF"});
  EXPECT_NE(r.out.find(where +
                       "warning: o bloco de caso \"X\" não é nomeado por nenhuma ação do arquivo de regras"),
            std::string::npos)
      << r.out;
}

TEST(HandWrittenHeaders, ALabelAndANumberNameTheSetAnythingElseNone) {
  TempDir dir;
  Frame f = portal();
  dir.write("P.ESF", joined(forces_lines(f)));
  const std::pair<const char*, const char*> headers[] = {
      {"ELU 1 - 1.4 G + 1.5 Q", "uls"},
      {"  ULS 2", "uls"},
      {"ELS FREQUENTE 3-A", "sls_frequent"},
      {"SLS QUASI-PERMANENT 7 - long term", "sls_quasi_permanent"},
      {"ELS CARACTERISTICA  12", "sls_characteristic"},
      {"COMBINACAO 6", nullptr},
      {"ELU", nullptr},
      {"ELUX 8", nullptr},
      {"elu 9", nullptr},
      {"ELU 10A", nullptr},
      {"ELS 11", nullptr},
  };
  std::string file =
      "HEAD\nA\nB\nC\nFIMG\nG    PESO PROPRIO  \n   cobertura   \n\n  e tercas\nFIMC\nQ\n   \nFIMC\nFIME\n";
  for (const auto& [header, set] : headers) file += std::string(header) + "\n    1.0,G\n    0.5,Q\nFIMC\n";
  dir.write("H.CMB", file + "FIME\n");
  RunResult r = run_tools(dir.path(), {"export", "H.CMB", "P.ESF"});
  ASSERT_EQ(r.status, 0) << r.err;
  const Json doc = Json::parse(r.out);
  ASSERT_EQ(doc["combinations"].size(), std::size(headers));
  for (std::size_t i = 0; i < std::size(headers); ++i) {
    const Json& c = doc["combinations"][i];
    EXPECT_EQ(c["name"], std::string(headers[i].first).substr(headers[i].first[0] == ' ' ? 2 : 0)) << i;
    if (headers[i].second != nullptr)
      EXPECT_EQ(c["set"], headers[i].second) << i;
    else
      EXPECT_TRUE(c["set"].is_null()) << i;
  }
  EXPECT_EQ(doc["sets"], Json::parse(R"([{"set": "uls", "combinations": [1, 2]},
      {"set": "sls_characteristic", "combinations": [5]}, {"set": "sls_frequent", "combinations": [3]},
      {"set": "sls_quasi_permanent", "combinations": [4]}])"));
  EXPECT_EQ(doc["case_descriptions"],
            Json::parse(R"([{"case": "G", "description": "PESO PROPRIO - cobertura - e tercas"},
      {"case": "Q", "description": ""}])"));
  // Combinations 1 and 2 are the same sum: the tie keeps 1.
  const Json& uls = doc["set_envelopes"][0];
  EXPECT_EQ(uls["envelope"][0]["N"]["max_combination"], 1);
  EXPECT_EQ(uls["envelope"][0]["N"]["min_combination"], 1);

  // No header naming a set: no sets, nothing per set.
  dir.write("N.CMB", "HEAD\nA\nB\nC\nFIMG\nG\nFIMC\nQ\nFIMC\nFIME\nFIME\n");
  const Json plain = Json::parse(run_tools(dir.path(), {"export", "N.CMB", "P.ESF"}).out);
  EXPECT_EQ(plain["sets"], Json::array());
  EXPECT_EQ(plain["set_envelopes"], Json::array());
  EXPECT_EQ(plain["combinations"][1]["name"], "");
}

}  // namespace
}  // namespace toval::testing
