#include "tools/report/report_page.h"

#include <ostream>

#include "tools/cli/exported_values.h"
#include "tools/report/html_table.h"
#include "tools/report/page_sections.h"
#include "tools/report/page_style.h"

namespace toval::tools::report {

namespace {

std::string element(const char* tag, const std::string& attributes, std::string_view text) {
  return std::string("<") + tag + attributes + ">" + html_escaped(text) + "</" + tag + ">\n";
}

// The units the values are in: named where --units names them.
std::string units_note(const PageText& t) {
  const std::string force = t.unit(cli::Quantity::force);
  if (force.empty()) return std::string(t(Text::units_note));
  return t.format(Text::units_named_note,
                  {force, t.unit(cli::Quantity::moment), t.unit(cli::Quantity::length)});
}

void header(std::ostream& out, const Store& s, const PageRequest& r, const PageText& t) {
  std::string html = "<header>\n";
  if (!r.office.empty()) html += element("p", " class=\"office\"", r.office);
  html += element("p", " class=\"report-title\"", t(Text::page_title));
  html += element("h1", "", cli::name_text(s.BL1.PRJT.view()));
  html += element("p", " class=\"subtitle\"", cli::name_text(s.BL1.CLIT.view()));
  html += element("p", " class=\"subtitle\"", cli::name_text(s.BL1.PORT.view()));
  HtmlTable files("input_files", std::string(t(Text::input_files_caption)),
                  {{std::string(t(Text::file_role_heading))},
                   {std::string(t(Text::file_name_heading))},
                   {std::string(t(Text::file_size_heading))},
                   {std::string(t(Text::file_digest_heading))}});
  const Text roles[] = {Text::combination_file_role, Text::forces_file_role};
  for (std::size_t i = 0; i < r.files.size(); ++i) {
    const InputFileFacts& f = r.files[i];
    files.add_row({text_cell(std::string(t(roles[i]))), text_cell(f.name),
                   whole_cell(static_cast<long>(f.size)), text_cell(f.sha256)});
  }
  out << html;
  files.write(out);
  out << element("p", " class=\"made\"", t.format(Text::made_by, {r.issued, r.version}))
      << element("p", " class=\"convention\"", units_note(t))
      << element("p", " class=\"convention\"", t(Text::sign_note)) << "</header>\n";
}

void warning_box(std::ostream& out, const std::vector<cli::InputWarning>& warnings, const PageText& t) {
  if (warnings.empty()) return;
  const std::string intro = warnings.size() == 1
                                ? std::string(t(Text::warnings_intro_one))
                                : t.format(Text::warnings_intro_many, {std::to_string(warnings.size())});
  out << "<section class=\"warnings\" id=\"input-warnings\">\n"
      << element("h2", "", t(Text::warnings_heading)) << element("p", "", intro) << "<ul>\n";
  for (const cli::InputWarning& w : warnings)
    out << "<li><code>"
        << html_escaped(w.file + ":" + std::to_string(w.line) + ":" + std::to_string(w.column)) << "</code> "
        << html_escaped(w.text) << "</li>\n";
  out << "</ul>\n</section>\n";
}

// The element ends in its line end, as draw writes it.
// The caption says whose envelope is drawn where the combinations have sets.
void picture(std::ostream& out, const PageRequest& r, bool sets, const PageText& t) {
  std::string caption(t(Text::picture_caption));
  if (r.picture_set)
    caption += " " + t.format(Text::picture_set_caption, {t(set_name(*r.picture_set))});
  else if (sets)
    caption += " " + std::string(t(Text::picture_every_set_caption));
  out << "<section id=\"frame-picture\">\n"
      << element("h2", "", t(Text::picture_heading)) << "<figure>\n"
      << r.picture << element("figcaption", "", caption) << "</figure>\n</section>\n";
}

}  // namespace

void write_report_page(std::ostream& out, const cli::LoadedRun& run, const PageRequest& r) {
  const Store& s = run.store();
  const RunCounts& c = run.counts();
  const PageText t(r.language, r.units);
  std::string title = cli::name_text(s.BL1.PRJT.view());
  title += (title.empty() ? "" : " - ") + std::string(t(Text::page_title));
  out << "<!DOCTYPE html>\n<html lang=\"" << t(Text::lang_attribute)
      << "\">\n<head>\n<meta charset=\"utf-8\">\n"
         "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
      << element("title", "", title) << "<style>" << page_style() << "</style>\n</head>\n<body>\n";
  header(out, s, r, t);
  out << "<main>\n";
  warning_box(out, r.warnings, t);
  picture(out, r, !run.labels().sets.empty(), t);
  combination_section(out, s, c, run.labels(), t);
  // Each set's envelopes first; the one over every set after them, told
  // apart as no design envelope.
  GoverningNames names(run.labels(), t);
  if (set_sections(out, s, c, run.envelopes(), t, names))
    out << element("p", " class=\"note\" id=\"mixed-envelope-note\"", t(Text::mixed_envelope_note));
  envelope_section(out, s, c, t, names);
  reaction_section(out, s, c, run.envelopes(), t, names);
  displacement_section(out, s, c, t);
  if (r.nodes) node_displacement_section(out, s, c, run.labels(), t, names, *r.nodes);
  out << names.legend();
  bending_section(out, s, c, t);
  out << "</main>\n</body>\n</html>\n";
}

}  // namespace toval::tools::report
