#include "tools/combinations/file_parts.h"

#include <algorithm>
#include <filesystem>
#include <set>

#include "tools/combinations/rules_error.h"

namespace toval::tools::combinations {

namespace {

std::set<std::size_t> cases_of(const Combination& c) {
  std::set<std::size_t> cases;
  for (const Term& t : c.terms) cases.insert(t.action);
  return cases;
}

}  // namespace

FileContent whole_file(const Rules& rules, const std::vector<Combination>& all) {
  FileContent content;
  for (std::size_t i = 0; i < all.size(); ++i) content.combinations.push_back(i);
  for (std::size_t k = 0; k < rules.actions.size(); ++k) content.cases.push_back(k);
  return content;
}

std::vector<std::string> capacity_warnings(const FileContent& content, const std::vector<Combination>& all,
                                           const std::string& file) {
  std::vector<std::string> warnings;
  const std::string start = file + ": warning: ";
  const std::string end =
      ", more than toval takes (" + std::to_string(TOVAL_CASES) + " cases, " +
      std::to_string(TOVAL_COMBINATIONS) + " combinations, " + std::to_string(TOVAL_TERMS) +
      " terms in one); the file is written for toval-tools, and -o FILE --split 10 writes files "
      "that toval takes\n";
  if (content.cases.size() > TOVAL_CASES)
    warnings.push_back(start + std::to_string(content.cases.size()) + " cases" + end);
  if (content.combinations.size() > TOVAL_COMBINATIONS)
    warnings.push_back(start + std::to_string(content.combinations.size()) + " combinations" + end);
  std::size_t most = 0;
  for (std::size_t i : content.combinations) most = std::max(most, all[i].terms.size());
  if (most > TOVAL_TERMS)
    warnings.push_back(start + "a combination of " + std::to_string(most) + " terms" + end);
  return warnings;
}

std::vector<FileContent> split_files(const std::vector<Combination>& all, std::size_t per_file,
                                     const std::string& file) {
  std::vector<FileContent> files;
  std::set<std::size_t> cases;  // of the file being filled
  for (std::size_t i = 0; i < all.size(); ++i) {
    const std::set<std::size_t> own = cases_of(all[i]);
    if (own.size() > TOVAL_TERMS)
      throw rules_error(file, "combination " + std::to_string(all[i].number) + " of " +
                                  std::string(set_key(all[i].set)) + " has " + std::to_string(own.size()) +
                                  " terms; toval takes at most " + std::to_string(TOVAL_TERMS) +
                                  " in a combination, so no split makes a file it takes");
    std::set<std::size_t> with = cases;
    with.insert(own.begin(), own.end());
    if (files.empty() || files.back().combinations.size() == per_file || with.size() > TOVAL_CASES) {
      files.emplace_back();
      cases.clear();
      with = own;
    }
    files.back().combinations.push_back(i);
    cases = with;
    files.back().cases.assign(cases.begin(), cases.end());
  }
  return files;
}

std::string part_name(const std::string& target, std::size_t number) {
  const std::string name = std::filesystem::path(target).filename().string();
  const std::size_t point = std::min(name.find('.'), name.size());
  // The folder part stays as the user wrote it.
  return target.substr(0, target.size() - name.size()) + name.substr(0, point) + "-" +
         std::to_string(number) + name.substr(point);
}

}  // namespace toval::tools::combinations
