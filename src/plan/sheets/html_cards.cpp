#include "sheets/html_cards.hpp"

#include <cstddef>

#include "channel.hpp"
#include "format_fixed.hpp"
#include "matrix_report.hpp"
#include "sheets/fit_words.hpp"
#include "sheets/matrix_drawing.hpp"
#include "terms/band.hpp"
#include "text/printable.hpp"

namespace delartal::plan {
namespace {

std::string escaped(std::string_view text) {
  std::string out;
  for (const char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

// What a card says beside its frequency, and what it holds.
struct CardText {
  std::string_view frequency;  // as shown
  std::int32_t variant;
  std::int32_t divider;
  std::string detail;               // HTML: where the frequency comes from
  std::string_view name;            // the channel's name, or empty
  std::string_view channel_notice;  // when the frequency is not the divider's channel
};

std::string card(const CardText& text) {
  const std::int32_t divider = text.divider;
  const std::int32_t variant = text.variant;
  // Both variants' cards of one channel lie side by side: the heading tells
  // them apart.
  std::string html = "<section class=\"card\">\n<header>\n<h2>" + escaped(text.frequency) +
                     " MHz <span class=\"variant-name\">· variant " + std::to_string(variant) +
                     "</span></h2>\n";
  if (!text.channel_notice.empty()) {
    html += "<p class=\"channel\">Kanal " +
            std::string(channel_frequency(divider, variant).view()) + " MHz</p>\n";
  }
  html += "<p class=\"divider\">Delartal <strong>" + std::to_string(divider) +
          "</strong></p>\n</header>\n";
  html += "<p class=\"variant\">Variant " + std::to_string(variant) + ": " +
          std::string(offsets_of(variant)) + "</p>\n";
  html += "<p class=\"detail\">" + text.detail + "</p>\n";
  if (!text.channel_notice.empty()) {
    html += "<p class=\"warning\">" + std::string(text.channel_notice) + "</p>\n";
  }
  if (!fits_matrix(divider)) {
    html += "<p class=\"warning\">" + std::string(misfit_sentence) + "</p>\n";
  }
  html += matrix_drawing(divider) + "<pre class=\"pattern\">" +
          std::string(pattern_rows(divider, "").view()) + "</pre>\n";
  html += "<div class=\"fields\"><span>Kanalnamn</span><span class=\"blank written\">" +
          escaped(visible(text.name)) +
          "</span>"
          "<span>Anropssignal</span><span class=\"blank\"></span>"
          "<span>Datum</span><span class=\"blank\"></span></div>\n</section>\n";
  return html;
}

}  // namespace

std::string html_start() {
  return R"(<!DOCTYPE html>
<html lang="sv">
<head>
<meta charset="utf-8">
<title>Diodkort</title>
<style>
@page { size: A4; margin: 10mm; }
* { box-sizing: border-box; }
body { margin: 0; font-family: "DejaVu Sans", Arial, sans-serif; font-size: 10pt; color: #000; }
@media screen { body { margin: 8mm; } }
.card { height: 86mm; margin: 0 1mm 4mm 0; padding: 3mm 5mm; border: 0.4mm solid #000;
        break-inside: avoid; page-break-inside: avoid; }
.card header { display: flex; flex-wrap: wrap; justify-content: space-between;
               align-items: baseline; column-gap: 4mm; }
.card h2 { margin: 0; font-size: 16pt; }
.variant-name { font-size: 12pt; }
.channel { font-size: 14pt; font-weight: bold; color: #b00; border: 0.5mm solid #b00;
           padding: 0 2mm; }
.card p { margin: 0.8mm 0; }
.divider { font-size: 14pt; }
.detail { color: #333; }
.warning { color: #b00; font-weight: bold; }
.matrix { display: block; width: 100%; height: 40mm; margin: 1mm 0; }
.matrix text { font-size: 11px; text-anchor: middle; }
.matrix .group { fill: #555; }
.matrix .name { font-size: 13px; font-weight: bold; }
.matrix .none { stroke: #999; stroke-dasharray: 3 3; }
.matrix .missing { fill: #555; }
.matrix .note { fill: #777; font-size: 10px; }
.matrix .stray { fill: #b00; font-weight: bold; font-size: 15px; }
.rail, .line, .bar { stroke: #000; stroke-width: 1.5; }
.diode { fill: #000; }
.tick { fill: #fff; stroke: #000; stroke-width: 1.2; }
.pattern { margin: 1mm 0; font-family: "DejaVu Sans Mono", monospace; font-size: 11pt; }
.fields { display: grid; grid-template-columns: auto 2fr auto 1fr auto 1fr; gap: 2mm;
          align-items: end; margin-top: 2mm; }
.blank { border-bottom: 0.3mm solid #000; height: 6mm; min-width: 0; }
/* A name of any length stays in its box, on up to three lines, then "…". */
.written { height: auto; min-height: 6mm; font-size: 8.5pt; line-height: 1.15;
           overflow-wrap: anywhere; overflow: hidden; display: -webkit-box;
           -webkit-box-orient: vertical; -webkit-line-clamp: 3; }
</style>
</head>
<body>
)";
}

std::string html_card(const ForwardRow& row) {
  const TextBuffer<96> notice = channel_notice(row.value, row.divider, row.variant);
  return card({four_decimals(row.value).view(), row.variant, row.divider,
               "Angiven frekvens: " + escaped(row.frequency) + " MHz", row.name, notice.view()});
}

std::string html_card(const ReverseRow& row) {
  return card({channel_frequency(row.divider, row.variant).view(),
               row.variant,
               row.divider,
               "Kanalens mitt. Frekvenser som ger delartalet: " +
                   std::string(shortest_text(row.band.lowest).view()) + " till " +
                   std::string(shortest_text(row.band.highest).view()) + " MHz",
               row.name,
               {}});
}

std::string html_end() {
  return "</body>\n</html>\n";
}

}  // namespace delartal::plan
