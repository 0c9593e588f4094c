#include "tools/report/page_style.h"

namespace toval::tools::report {

// Printed in landscape, so that the widest table (the envelope, 23
// columns) fits the page's width; wide tables scroll in their box on a
// screen and are shown whole on paper. Page numbers stand in the page's
// bottom margin where the browser supports margin boxes.
//
// In print every folded table is open: paper cannot be unfolded. Its
// summary only repeats the caption and is left out; a packed table whose
// rows the page's script has not formed prints as its summary and its
// note, which names the export table that holds the rows. Headers repeat
// on every page and stay with their first rows; the caption prints as the
// header's first row, so that it repeats with it.
//
// A long narrow table prints in 2 to 4 columns side by side (its box's
// class, HtmlTable::print_columns), each with the header repeated. Chromium
// repeats a header in columns only where the first column is at least four
// times taller than the header: an empty block five times the header's
// lines tall (its class head-N), taken back by its negative margin, moves
// a table that would start at a page's foot to the next page (not a packed
// table, which prints as its note). The picture takes the
// printable width: draw lays it out for that width (PRINT_WIDTH_MM).
std::string_view page_style() {
  return R"css(
:root{color-scheme:light}
body{font:15px/1.45 system-ui,sans-serif;color:#111;background:#fff;margin:0 auto;max-width:78rem;padding:0 1rem 2rem}
header{border-bottom:2px solid #333;margin-bottom:1rem;padding:.5rem 0}
.office{font-size:1.1rem;font-weight:600;margin:.2rem 0}
h1{font-size:1.5rem;margin:.3rem 0}
.subtitle{margin:.1rem 0;font-size:1.05rem}
.report-title{letter-spacing:.08em;color:#444;margin:.2rem 0}
h2{font-size:1.15rem;margin:1.4rem 0 .4rem;border-bottom:1px solid #999}
.made,.convention{color:#333;font-size:.9rem;margin:.2rem 0}
.scroll{overflow-x:auto;max-width:100%;margin:.4rem 0 1rem}
table{border-collapse:collapse;font-size:.85rem}
caption{text-align:left;font-weight:600;padding:.2rem 0;caption-side:top;white-space:nowrap}
.caption-row{display:none}
th,td{border:1px solid #bbb;padding:.15rem .4rem;vertical-align:top}
thead th{background:#eef1f5}
tbody th{font-weight:600}
td,tbody th{text-align:right;white-space:nowrap;font-variant-numeric:tabular-nums}
td.t,th.t{text-align:left;white-space:normal}
td.x{font-weight:700;background:#ffe08a}
td.m{color:#a00;font-style:italic}
.digest{font-family:ui-monospace,monospace;font-size:.8rem;word-break:break-all}
.warnings{border:3px solid #c25400;background:#fff3e6;padding:.3rem 1rem;margin:1rem 0}
.warnings h2{border:0;margin-top:.4rem;color:#8a3b00}
.warnings li{margin:.3rem 0}
.warnings code{font-weight:600}
.reason{color:#a00;margin:.2rem 0 1rem}
figure{margin:.5rem 0}
figure svg{max-width:100%;height:auto;display:block}
figcaption{font-size:.85rem;color:#333}
details{margin:.3rem 0}
summary{cursor:pointer;font-weight:600}
@media (max-width:40rem){body{font-size:14px;padding:0 .5rem}table{font-size:.8rem}}
@page{size:A4 landscape;margin:12mm 10mm 14mm;@bottom-right{content:counter(page) " / " counter(pages);font:8pt sans-serif}}
@media print{
body{max-width:none;padding:0;font-size:9pt}
.scroll{overflow:visible}
table{font-size:8pt}
#envelope{font-size:6.6pt;width:100%}
th,td{padding:.3mm .8mm}
thead{display:table-header-group}
caption{display:none}
thead .caption-row{display:table-row}
thead .caption-row th{border:0;background:none;text-align:left;padding:.6mm 0}
tr,caption,h2+p{break-inside:avoid}
tbody:not(:only-of-type){break-inside:avoid}
caption,thead,h2,h2+p,summary,.packed-note{break-after:avoid}
td.x{background:#ffe08a;-webkit-print-color-adjust:exact;print-color-adjust:exact}
figure{break-inside:avoid}
figure svg{width:100%;height:auto;max-width:none;max-height:none;margin:0}
.warnings{break-inside:avoid}
summary{list-style:none}
details::details-content{content-visibility:visible;display:contents}
details:not(:has(script.packed-rows))>summary{display:none}
.scroll:has(script.packed-rows){display:none}
.print-columns::before{content:"";display:block;break-inside:avoid;height:var(--lead);margin-bottom:calc(-1*var(--lead))}
.print-columns:has(script.packed-rows)::before{display:none}
.head-2{--lead:45mm}
.head-3{--lead:66mm}
.head-4{--lead:88mm}
.columns-2{column-count:2}
.columns-3{column-count:3}
.columns-4{column-count:4}
.columns-2,.columns-3,.columns-4{column-gap:6mm}
}
)css";
}

}  // namespace toval::tools::report
