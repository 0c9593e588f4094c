#include "tools/report/report_page.h"

#include "tools/cli/exported_values.h"
#include "tools/report/html_table.h"
#include "tools/report/page_sections.h"
#include "tools/report/page_style.h"

namespace toval::tools::report {

namespace {

std::string element(const char* tag, const std::string& attributes, std::string_view text) {
  return std::string("<") + tag + attributes + ">" + html_escaped(text) + "</" + tag + ">\n";
}

std::string header(const Store& s, const PageRequest& r, const PageText& t) {
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
  html += files.html();
  html += element("p", " class=\"made\"", t.format(Text::made_by, {r.issued, r.version}));
  html += element("p", " class=\"convention\"", t(Text::units_note));
  html += element("p", " class=\"convention\"", t(Text::sign_note));
  return html + "</header>\n";
}

std::string warning_box(const std::vector<cli::InputWarning>& warnings, const PageText& t) {
  if (warnings.empty()) return {};
  const std::string intro = warnings.size() == 1
                                ? std::string(t(Text::warnings_intro_one))
                                : t.format(Text::warnings_intro_many, {std::to_string(warnings.size())});
  std::string html = "<section class=\"warnings\" id=\"input-warnings\">\n" +
                     element("h2", "", t(Text::warnings_heading)) + element("p", "", intro) + "<ul>\n";
  for (const cli::InputWarning& w : warnings)
    html += "<li><code>" +
            html_escaped(w.file + ":" + std::to_string(w.line) + ":" + std::to_string(w.column)) +
            "</code> " + html_escaped(w.text) + "</li>\n";
  return html + "</ul>\n</section>\n";
}

std::string picture(const std::string& svg, const PageText& t) {
  return "<section id=\"frame-picture\">\n" + element("h2", "", t(Text::picture_heading)) + "<figure>\n" +
         inline_svg(svg) + "\n" + element("figcaption", "", t(Text::picture_caption)) +
         "</figure>\n</section>\n";
}

}  // namespace

std::string inline_svg(const std::string& document) {
  const std::size_t start = document.find("<svg");
  if (start == std::string::npos) return {};
  std::string svg = document.substr(start);
  while (!svg.empty() && (svg.back() == '\n' || svg.back() == '\r')) svg.pop_back();
  return svg;
}

std::string report_page(const cli::LoadedRun& run, const PageRequest& r) {
  const Store& s = run.store();
  const RunCounts& c = run.counts();
  const PageText t(r.language, r.units);
  std::string title = cli::name_text(s.BL1.PRJT.view());
  title += (title.empty() ? "" : " - ") + std::string(t(Text::page_title));
  std::string html = "<!DOCTYPE html>\n<html lang=\"" + std::string(t(Text::lang_attribute)) +
                     "\">\n<head>\n<meta charset=\"utf-8\">\n"
                     "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n" +
                     element("title", "", title) + "<style>" + std::string(page_style()) +
                     "</style>\n</head>\n<body>\n";
  html += header(s, r, t);
  html += "<main>\n";
  html += warning_box(r.warnings, t);
  html += picture(r.picture, t);
  html += combination_section(s, c, run.labels(), t);
  // Each set's envelopes first; the one over every set after them, told
  // apart as no design envelope.
  const std::string per_set = set_sections(s, c, run.envelopes(), t);
  html += per_set;
  if (!per_set.empty())
    html += element("p", " class=\"note\" id=\"mixed-envelope-note\"", t(Text::mixed_envelope_note));
  html += envelope_section(s, c, t);
  html += reaction_section(s, c, run.envelopes(), t);
  html += displacement_section(s, c, t);
  if (r.nodes) html += node_displacement_section(s, c, run.labels(), t, *r.nodes);
  html += bending_section(s, c, t);
  return html + "</main>\n</body>\n</html>\n";
}

}  // namespace toval::tools::report
