#include "tools/report/packed_bytes.h"
#include "tools/report/packed_rows.h"

namespace toval::tools::report {

namespace {

// Forms the rows exactly as HtmlTable::html() writes them: the texts of a
// real are the export's JSON text (shortest digits, laid out as
// real_text() lays them out) and the value rounded half to even at its
// decimals, as the C library rounds; the value times 10^decimals is exact
// in a double, so the rounding is too.
constexpr std::string_view UNFOLD_SCRIPT = R"JS(
(function () {
  "use strict";
  function planes(b, o, n) {
    var a = new Int32Array(n);
    for (var i = 0; i < n; i++)
      a[i] = b[o + i] | (b[o + n + i] << 8) | (b[o + 2 * n + i] << 16) | (b[o + 3 * n + i] << 24);
    return a;
  }
  function exact(negative, digits, n) {
    var k = digits.length, sign = negative ? "-" : "";
    if (digits === "0") return sign + "0.0";
    if (k <= n && n <= 15) return sign + digits + "0".repeat(n - k) + ".0";
    if (0 < n && n <= 15) return sign + digits.slice(0, n) + "." + digits.slice(n);
    if (-4 < n && n <= 0) return sign + "0." + "0".repeat(-n) + digits;
    var e = Math.abs(n - 1);
    return sign + digits[0] + (k > 1 ? "." + digits.slice(1) : "") + "e" + (n - 1 < 0 ? "-" : "+") +
      (e < 10 ? "0" : "") + e;
  }
  function shown(x, decimals) {
    var t = Math.abs(x) * Math.pow(10, decimals), whole = Math.floor(t), rest = t - whole;
    var n = BigInt(whole);
    if (rest > 0.5 || (rest === 0.5 && n % 2n === 1n)) n += 1n;
    var s = n.toString();
    if (decimals > 0) {
      while (s.length <= decimals) s = "0" + s;
      s = s.slice(0, s.length - decimals) + "." + s.slice(s.length - decimals);
    }
    return (x < 0 && n !== 0n ? "-" : "") + s;
  }
  function rows(b) {
    var view = new DataView(b.buffer, b.byteOffset, b.byteLength), o = 0;
    function u32() { var v = view.getUint32(o, true); o += 4; return v; }
    var R = u32(), C = u32(), G = u32(), starts = new Set();
    for (var g = 0; g < G; g++) starts.add(u32());
    var kinds = b.subarray(o, o + R * C), W = 0, F = 0;
    o += R * C;
    for (var i = 0; i < kinds.length; i++) {
      if ((kinds[i] & 3) === 0) W++;
      else if ((kinds[i] & 3) === 1) F++;
    }
    var wholes = planes(b, o, W);
    o += 4 * W;
    var digits = planes(b, o, F);
    o += 4 * F;
    var signs = b.subarray(o, o + F);
    var html = "", w = 0, f = 0, open = false;
    for (var r = 0; r < R; r++) {
      if (!open || starts.has(r)) {
        html += open ? "</tbody>\n<tbody>\n" : "<tbody>\n";
        open = true;
      }
      var texts = [], values = [];
      html += "<tr>";
      for (var c = 0; c < C; c++) {
        var kind = kinds[r * C + c], high = kind >> 3, text, value = null;
        if ((kind & 3) === 0) {
          text = String(wholes[w++]);
        } else if ((kind & 3) === 1) {
          value = exact(signs[f] >> 7 === 1, String(digits[f] >>> 0), (signs[f] & 127) - 64);
          text = shown(Math.fround(Number(value)), high);
          f++;
        } else {
          value = values[c - high];
          text = texts[c - high];
        }
        texts.push(text);
        values.push(value);
        var tag = c === 0 ? "th" : "td";
        html += "<" + tag + (c === 0 ? ' scope="row"' : "") + (kind & 4 ? ' class="x"' : "") +
          (value !== null ? ' data-value="' + value + '"' : "") + ">" + text + "</" + tag + ">";
      }
      html += "</tr>\n";
    }
    return open ? html + "</tbody>\n" : html;
  }
  var ALPHABET = "@ALPHABET@";
  var PLACE = new Int8Array(128).fill(-1);
  for (var a = 0; a < 85; a++) PLACE[ALPHABET.charCodeAt(a)] = a;
  function bytes(text) {
    var groups = Math.floor(text.length / 5), left = text.length % 5, n = 4 * groups + (left > 0 ? left - 1 : 0);
    var b = new Uint8Array(n), o = 0;
    for (var i = 0; i < text.length; i += 5) {
      var v = 0;
      for (var d = 0; d < 5; d++) v = v * 85 + (i + d < text.length ? PLACE[text.charCodeAt(i + d)] : 84);
      for (var k = 3; k >= 0; k--) {
        if (o + 3 - k < n) b[o + 3 - k] = (v / Math.pow(256, k)) & 255;
      }
      o += 4;
    }
    return b;
  }
  function inflated(text) {
    var stream = new Blob([bytes(text.trim())]).stream().pipeThrough(new DecompressionStream("deflate-raw"));
    return new Response(stream).arrayBuffer().then(function (a) { return new Uint8Array(a); });
  }
  if (typeof DecompressionStream === "undefined") return;  // the note in each table says so
  var started = new WeakSet();
  function unfold(details) {
    var packed = details.querySelector("script.packed-rows");
    if (!packed || started.has(details)) return;
    started.add(details);
    inflated(packed.textContent).then(function (b) {
      packed.insertAdjacentHTML("afterend", rows(b));
      packed.remove();
      var note = details.querySelector(".packed-note");
      if (note) note.remove();
    });
  }
  document.querySelectorAll("details").forEach(function (details) {
    if (!details.querySelector("script.packed-rows")) return;
    details.addEventListener("toggle", function () { if (details.open) unfold(details); });
    if (details.open) unfold(details);
  });
})();
)JS";

}  // namespace

std::string unfold_script() {
  constexpr std::string_view PLACEHOLDER = "@ALPHABET@";
  const std::size_t at = UNFOLD_SCRIPT.find(PLACEHOLDER);
  return std::string(UNFOLD_SCRIPT.substr(0, at)) + std::string(PACKED_ALPHABET) +
         std::string(UNFOLD_SCRIPT.substr(at + PLACEHOLDER.size()));
}

}  // namespace toval::tools::report
