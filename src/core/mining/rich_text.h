// The report window's text as the analyst left it: paragraphs (alignment,
// first-line indent, bullet) of runs (bold, italic, underline, font size),
// saved as RTF ("Salva em Arquivo RTF"), and the rule of the style buttons
// ("Negrito", "Itálico", "Sublinhado"). The window turns its rich-text area
// into this structure; nothing here depends on the window toolkit.
#pragma once

#include <string>
#include <vector>

#include "core/base/ansi.h"
#include "core/mining/results.h"

namespace lumeral::mining {

struct FontStyle {
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool operator==(const FontStyle&) const = default;
};

// A style button pressed on a selection of style `current`: when the
// selection is exactly the button's style alone, every style is removed;
// otherwise the selection gets the button's style alone.
FontStyle press_style(const FontStyle& current, const FontStyle& button);

struct RichRun {
  Ansi text;
  FontStyle style;
  double points = 10;  // font size
  bool operator==(const RichRun&) const = default;
};

struct RichParagraph {
  enum class Align { Left, Center, Right };
  Align align = Align::Left;
  double first_indent = 0;  // points
  bool bullet = false;
  std::vector<RichRun> runs;
  bool operator==(const RichParagraph&) const = default;
};

// The report of the mining panel as rich paragraphs: the title line bold,
// the heading centred with a first-line indent of 10, the rest bulleted
// and left-aligned, all in 10 points.
std::vector<RichParagraph> report_paragraphs(const Report& report);

// The two RTF variants the program writes. The defaults are the report
// window's save; report_rtf() (results.h) turns all three off.
struct RtfOptions {
  // The header opens a paragraph before the font: "\pard\f0\fs20".
  bool header_pard = true;
  // Each run is a group with its font size ("{\plain\f0\fs20\b text}");
  // otherwise its style words stand bare before the text and are closed
  // after it ("\b text\b0").
  bool run_groups = true;
  // A tab is written as "\tab "; otherwise as the byte "\'09".
  bool tab_word = true;
};

// RTF of the paragraphs (ASCII bytes; Windows-1252 characters escaped as
// \'hh), one \par per paragraph, CR LF line ends.
std::string rich_text_rtf(const std::vector<RichParagraph>& paragraphs, const RtfOptions& options = {});

}  // namespace lumeral::mining
